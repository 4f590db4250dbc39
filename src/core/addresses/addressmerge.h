#pragma once

#include "core/errors/error.h"

#include <QString>
#include <QStringList>

class CAddressFile;

// Saving one change of the address book.
//
// The address book may lie on a network drive that several users keep at the
// same time. Writing a user's whole list back would drop every record another
// user saved since this one loaded the file, so a change is saved as a change:
// under the file's lock, the list is read as it is now, the change applied to it
// and the result written, all before the lock is released.

// One change a user made to the list. Replace and Delete name the record by its
// text as the user's list held it and by its position there; the position only
// decides between equal texts, since other users may have moved the record.
struct AddressChange
{
    enum class Kind { Add, Replace, Delete, Import };

    Kind kind = Kind::Add;
    QString record;      // Add, Replace: the new text
    QString previous;    // Replace, Delete: the record as the user's list held it
    int position = -1;   // Replace, Delete: its index in that list
    QStringList records; // Import: the records to add

    static AddressChange Add(const QString& record) { return {Kind::Add, record, {}, -1}; }
    static AddressChange Replace(int position, const QString& previous, const QString& record)
    {
        return {Kind::Replace, record, previous, position};
    }
    static AddressChange Delete(int position, const QString& previous)
    {
        return {Kind::Delete, {}, previous, position};
    }
    static AddressChange Import(const QStringList& records)
    {
        return {Kind::Import, {}, {}, -1, records};
    }
};

// Applies a change to a list. Add appends. Replace and Delete act on the record
// equal to `previous`, the one at `position` when that is one of them, else the
// first. Import appends each of its records that the list does not hold yet, so
// that an import repeated, or one that another user made meanwhile, adds nothing
// twice. When no record equals it (another user changed or deleted it), Replace
// appends the new text, so that the user's edit is not lost, and Delete does
// nothing.
void ApplyAddressChangeToList(QStringList& list, const AddressChange& change);

// Saves a change of `addresses`' list to the file at path: takes the lock (with
// the waiting and progress of LoadAddressFile), reads the list the file holds now,
// applies the change and replaces the file atomically; the list of `addresses`
// becomes what was written. A file that is missing or cannot be read as an address
// list is replaced by `addresses`' own list with the change.
//
// On failure AddressFileNotWritable with the cause: the lock stayed taken, or
// writing failed. The file is then unchanged and `addresses`' list holds its own
// list with the change.
Error ApplyAddressChange(CAddressFile& addresses, const QString& path, const AddressChange& change);
