#pragma once

#include "core/errors/error.h"
#include "core/fields/fieldstore.h"
#include "core/forms/formdescription.h"
#include "core/forms/formtype.h"

#include <QByteArray>
#include <QDate>
#include <QString>

#include <functional>
#include <optional>

class CArchive;
class CSettingsStore;
class QIODevice;

// What the four documents have in common: one filled-in form, its field store,
// its file path, title and modified flag, and the load message of the last open.
//
// The document knows its form and edition for its whole life: whatever draws,
// prints or exports a note takes the form from here, never from a setting that
// may have changed since the note was made.
//
// Ownership: the document owns its field store; an editor widget edits it and
// the view draws it, both by reference, and neither outlives the document. The
// settings store is the program's and must outlive every document.
//
// Failure: a wrong, too old or too new file is never an error; the document keeps
// its default texts and leaves a message id (LoadMessage, core/errors/messageids.h)
// in GetLoadError(). A damaged file (one that ends inside an item) throws an
// Error out of Serialize; OnOpenDocument returns it as the cause of
// DocumentOpenFailed.
class CKrDocument
{
public:
    virtual ~CKrDocument();
    CKrDocument(const CKrDocument&) = delete;
    CKrDocument& operator=(const CKrDocument&) = delete;

    FormType GetFormType() const { return m_form->type; }
    const Forms::FormDescription& Form() const { return *m_form; }
    CFieldStore& GetStore() { return m_store; }
    const CFieldStore& GetStore() const { return m_store; }
    CSettingsStore& GetSettings() const { return m_settings; }

    // Loads or stores the whole document through the archive. Every run that
    // completes clears the load message first; a refused file leaves one.
    virtual void Serialize(CArchive& ar);
    // Resets the check-box word and writes the default texts into the store.
    virtual void DeleteContents();

    // The form's check-box word (permit type, box E, terms); the forwarding order
    // has none.
    virtual bool HasCheckWord() const { return true; }
    virtual quint16 GetCheckWord() const = 0;
    virtual void SetCheckWord(quint16 word) = 0;

    bool OnNewDocument();
    // Reads the file. On failure DocumentNotFound, or DocumentOpenFailed with
    // the cause (the system's words, or what the reader threw: the code and the
    // byte offset of the damage); the document is then reset and must be
    // discarded. Both name the path as their file.
    Error OnOpenDocument(const QString& path);
    // Writes the file through CSafeFileWriter (whoever edits a box has written
    // its text into the store first). A failed or interrupted save (full disk,
    // a link of another user) leaves the old file whole and answers
    // DocumentSaveFailed with the writer's error as its cause.
    Error OnSaveDocument(const QString& path);

    // What OnOpenDocument does once the file is open: reset, read, and on a
    // damaged file DocumentOpenFailed and the document reset again.
    Error OpenFromDevice(QIODevice& device);
    // Reset and read from a device. The reader's Error passes through (a file
    // whose boxes do not fit the form is one too); nothing else leaves it.
    void LoadFromDevice(QIODevice& device);
    void SaveToDevice(QIODevice& device);

    int GetLoadError() const { return m_nLoadError; }
    // The version number the last load found in the file (0 when none was read).
    int GetFileVersion() const { return m_fileVersion; }

    QString GetPathName() const { return m_pathName; }
    QString GetTitle() const { return m_title; }
    // New documents are numbered by the program (CMR-Frachtbrief2, ...).
    void SetTitle(const QString& title) { m_title = title; }
    bool IsModified() const { return m_modified; }
    void SetModifiedFlag(bool modified = true) { m_modified = modified; }

    // The date the automatic date uses; tests pin it.
    void SetClock(std::function<QDate()> today) { m_today = std::move(today); }

protected:
    CKrDocument(const Forms::FormDescription& form, CSettingsStore& settings);

    virtual void Store(CArchive& ar) = 0;
    // Leaves a load message (SetLoadError) for a file the document refuses.
    virtual void Load(CArchive& ar) = 0;

    // A file of the current version: the header, the check-box word (for the
    // forms that have one), the field store record and the end mark 0x40.
    void StoreCurrentVersion(CArchive& ar, const QByteArray& magic, quint16 version);
    // Reads what follows the version in such a file: the rest of the header,
    // the check-box word and the record.
    void LoadCurrentVersion(CArchive& ar, const QByteArray& magic);
    // The field store's record; one the store does not know makes the file a
    // damaged one (UnknownFieldRecord) instead of a form cut back to one box.
    void ReadStoreRecord(CArchive& ar);
    // Files of older layouts lack boxes of the current form: an empty box at the
    // index, with the font-size step and alignment the form gives it.
    void InsertDefinedBox(quint16 index);
    // Reads the magic and the version and checks them: the version when the
    // document reads it, else nothing, with the message of the form's wrong
    // file, 24 (older than `oldest`) or 25 (newer than `newest`) left.
    std::optional<quint16> ReadMagicAndVersion(CArchive& ar, const QByteArray& magic,
                                               quint16 oldest, quint16 newest);

    // Current-version header: magic, version, a reserved 32-bit integer, 0xFF
    // bytes up to offset 32, then the saving computer's and user's names.
    static void WriteHeader(CArchive& ar, const QByteArray& magic, quint16 version);
    // Skips what follows the version in a current-version header.
    static void SkipHeaderRest(CArchive& ar, const QByteArray& magic);

    void SetLoadError(int id) { m_nLoadError = id; }
    void SetFileVersion(int version) { m_fileVersion = version; }

    int m_nLoadError = 0;

private:
    const Forms::FormDescription* m_form;
    CSettingsStore& m_settings;
    CFieldStore m_store;
    int m_fileVersion = 0;
    QString m_pathName;
    QString m_title;
    bool m_modified = false;
    std::function<QDate()> m_today;
};
