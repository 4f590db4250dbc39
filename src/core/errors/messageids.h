#pragma once

#include "core/errors/error.h"

// The numbers by which the program has always told a refused file apart. They
// stay numbers where they belong to the behaviour: a document keeps its load
// message id (m_nLoadError) and the command-line tool shows it, and loading
// the address book answers one of its failure codes. Here, and only here, they
// meet the error codes.

// The ids a document leaves in m_nLoadError when it refuses a file.
enum LoadMessage {
    kLoadOk = 0,
    kLoadTooOld = 24,
    kLoadTooNew = 25,
    kLoadNotCmr = 26,
    kLoadNotNational = 27,
    kLoadNotKombi = 28,
    kLoadNotForwarding = 29,
};

// The refusal a load message id stands for; empty for 0 and for ids that are
// none of the above.
Error LoadMessageError(int id);

// The failure codes of loading the address book.
enum AddressFileResult {
    kAddressFileOk = 0,
    kAddressFileNotWritten = 3,     // a missing file could not be created
    kAddressFileNoLock = 250,       // the lock file could not be made (full disk)
    kAddressFileAccessDenied = 251, // no right to read and write it (or a folder)
    kAddressFileDamaged = 252,      // the file ends inside the list
    kAddressFileWrongType = 253,    // not an address file
    kAddressFileLocked = 254,       // another program kept it open
    kAddressFileNotCreated = 255,   // the user declined to create a missing file
};

// The failure code of what CAddressFile::LoadAddressFile returned.
AddressFileResult AddressFileResultOf(const Error& error);
