#include "core/documents/krdocument.h"

#include "core/app/doctemplates.h"
#include "core/defaults/defaulttexts.h"
#include "core/documents/archive.h"
#include "core/documents/saveridentity.h"
#include "core/errors/messageids.h"
#include "core/files/safewrite.h"

#include <QBuffer>
#include <QFile>
#include <QFileInfo>

#include <new>

namespace {

constexpr int kHeaderSize = 32;
constexpr quint8 kEndMark = 0x40;

QString UntitledTitle(FormType type)
{
    return QString(DocTemplateFor(type).baseName) + QLatin1Char('1');
}

} // namespace

CKrDocument::CKrDocument(const Forms::FormDescription& form, CSettingsStore& settings)
    : m_form(&form), m_settings(settings), m_title(UntitledTitle(form.type))
{
    form.DefineBoxes(m_store);
}

CKrDocument::~CKrDocument() = default;

void CKrDocument::DeleteContents()
{
    FillDefaultTexts(*m_form, m_store, m_settings, m_today ? m_today() : QDate::currentDate());
}

bool CKrDocument::OnNewDocument()
{
    DeleteContents();
    m_pathName.clear();
    m_modified = false;
    return true;
}

void CKrDocument::LoadFromDevice(QIODevice& device)
{
    DeleteContents();
    m_nLoadError = kLoadOk;
    m_fileVersion = 0;
    if (device.size() == 0 && !device.isSequential())
        return; // an empty file is a new document under that name
    CArchive ar(&device, CArchive::Load);
    try {
        Serialize(ar);
    } catch (const CInvalidArgException&) {
        // A record the store refused leaves fewer boxes than the conversions of
        // older layouts expect; such a file is damaged, not a reason to stop.
        throw Error(ErrorCode::FieldsDoNotFitForm).at(ar.Position());
    }
}

Error CKrDocument::OpenFromDevice(QIODevice& device)
{
    m_modified = true; // while loading, as the framework does
    Error failure;
    try {
        LoadFromDevice(device);
    } catch (const Error& e) {
        failure = e;
    } catch (const std::bad_alloc&) {
        failure = Error(ErrorCode::OutOfMemoryForFile);
    }
    m_modified = false;
    if (!failure)
        return Error();
    // The half-read store is given the form's boxes again, so that the document
    // stays usable for whoever still holds it.
    m_form->DefineBoxes(m_store);
    DeleteContents();
    return Error(ErrorCode::DocumentOpenFailed).because(failure);
}

void CKrDocument::SaveToDevice(QIODevice& device)
{
    CArchive ar(&device, CArchive::Store);
    Serialize(ar);
}

Error CKrDocument::OnOpenDocument(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        if (!file.exists())
            return Error(ErrorCode::DocumentNotFound).inFile(path);
        return Error(ErrorCode::DocumentOpenFailed)
            .inFile(path)
            .because(Error(ErrorCode::SystemMessage, {file.errorString()}));
    }
    if (Error error = OpenFromDevice(file))
        return error.inFile(path);
    m_title = QFileInfo(path).fileName();
    // A refused file keeps its name as the title, but the document no longer
    // points at it: a later Save must not overwrite a newer or foreign file with
    // default texts, so it asks for a name instead.
    m_pathName = m_nLoadError == kLoadOk ? path : QString();
    return Error();
}

Error CKrDocument::OnSaveDocument(const QString& path)
{
    // The whole file is made in memory first, so that nothing touches the disk
    // before it is complete.
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    Error failure;
    try {
        SaveToDevice(buffer);
        failure = WriteFileSafely(path, bytes);
    } catch (const Error& e) {
        failure = e;
    } catch (const std::bad_alloc&) {
        failure = Error(ErrorCode::OutOfMemoryForDocument).inFile(path);
    }
    if (failure)
        return Error(ErrorCode::DocumentSaveFailed).inFile(path).because(failure);
    m_pathName = path;
    m_title = QFileInfo(path).fileName();
    m_modified = false;
    return Error();
}

void CKrDocument::Serialize(CArchive& ar)
{
    m_nLoadError = kLoadOk;
    if (ar.IsStoring())
        Store(ar);
    else
        Load(ar);
}

void CKrDocument::StoreCurrentVersion(CArchive& ar, const QByteArray& magic, quint16 version)
{
    WriteHeader(ar, magic, version);
    if (HasCheckWord())
        ar.WriteWord(GetCheckWord());
    m_store.Serialize(ar);
    ar.WriteByte(kEndMark);
}

void CKrDocument::LoadCurrentVersion(CArchive& ar, const QByteArray& magic)
{
    SkipHeaderRest(ar, magic);
    if (HasCheckWord())
        SetCheckWord(ar.ReadWord());
    ReadStoreRecord(ar);
}

void CKrDocument::ReadStoreRecord(CArchive& ar)
{
    const qint64 start = ar.Position();
    m_store.Serialize(ar);
    // The store cuts itself back to one box for a record it does not know.
    // Opened like that, the form would lose every other box at the next save;
    // the file is damaged instead.
    if (m_store.LastRecordRefused())
        throw Error(ErrorCode::UnknownFieldRecord).at(start);
}

void CKrDocument::InsertDefinedBox(quint16 index)
{
    m_store.InsertField(index, 1);
    m_store.SetFieldFormat(index, 1, m_form->InitialFormat(index, 1));
}

std::optional<quint16> CKrDocument::ReadMagicAndVersion(CArchive& ar, const QByteArray& magic,
                                                        quint16 oldest, quint16 newest)
{
    if (ar.ReadRaw(magic.size()) != magic) {
        m_nLoadError = GetFormTypeInfo(GetFormType()).wrongFileMessage;
        return std::nullopt;
    }
    const quint16 version = ar.ReadWord();
    m_fileVersion = version;
    if (version < oldest) {
        m_nLoadError = kLoadTooOld;
        return std::nullopt;
    }
    if (version > newest) {
        m_nLoadError = kLoadTooNew;
        return std::nullopt;
    }
    return version;
}

void CKrDocument::WriteHeader(CArchive& ar, const QByteArray& magic, quint16 version)
{
    ar.WriteRaw(magic);
    ar.WriteWord(version);
    ar.WriteInt(0);
    ar.WriteRaw(QByteArray(kHeaderSize - magic.size() - 6, '\xFF'));
    const SaverIdentity who = CurrentSaverIdentity();
    ar.WriteLineString(who.computerName);
    ar.WriteLineString(who.userName);
}

void CKrDocument::SkipHeaderRest(CArchive& ar, const QByteArray& magic)
{
    ar.Skip(4 + kHeaderSize - magic.size() - 6);
    ar.ReadLineString();
    ar.ReadLineString();
}
