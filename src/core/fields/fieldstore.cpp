#include "core/fields/fieldstore.h"

#include "core/documents/archive.h"
#include "core/format/linebreaks.h"

CFieldStore::CFieldStore() = default;

void CFieldStore::DefineFields(quint16 fieldCount, quint16 followCount, bool initialise)
{
    const quint16 oldCount = m_fieldCount;
    m_fieldCount = fieldCount;
    m_texts.resize(fieldCount);
    m_formats.resize(fieldCount);
    if (initialise)
        for (qsizetype i = oldCount; i < fieldCount; ++i)
            m_formats[i] = 1;

    const quint16 oldFollow = m_followCount;
    m_followCount = followCount;
    m_pageWord = followCount > 0 ? (kModeFollowPages | 2) : kModeSinglePage;
    m_followTexts.resize(followCount);
    m_followFormats.resize(followCount);
    if (initialise)
        for (qsizetype i = oldFollow; i < followCount; ++i)
            m_followFormats[i] = 1;
}

quint16 CFieldStore::GetPageCount() const
{
    return GetPageMode() == kModeSinglePage ? 1 : (m_pageWord & 0xFF);
}

bool CFieldStore::Exists(quint16 index, quint16 page) const
{
    return page >= 1 && index < (page == 1 ? m_fieldCount : m_followCount);
}

qsizetype CFieldStore::FollowPosition(quint16 index, quint16 page) const
{
    if (page < 2)
        throw CInvalidArgException("page out of range");
    return qsizetype(page - 2) * m_followCount + index;
}

const quint16& CFieldStore::FormatAt(quint16 index, quint16 page) const
{
    if (page == 1) {
        if (index >= m_formats.size())
            throw CInvalidArgException("field index out of range");
        return m_formats[index];
    }
    const qsizetype pos = FollowPosition(index, page);
    if (pos >= m_followFormats.size())
        throw CInvalidArgException("follow-on field position out of range");
    return m_followFormats[pos];
}

quint16& CFieldStore::FormatAt(quint16 index, quint16 page)
{
    // The lists are implicitly shared with whoever copied them: a write must
    // detach first, or it would change every copy too.
    const quint16& shared = std::as_const(*this).FormatAt(index, page);
    QVector<quint16>& list = page == 1 ? m_formats : m_followFormats;
    return list[&shared - list.constData()];
}

void CFieldStore::SetFontSize(quint16 index, quint16 page, quint16 size)
{
    quint16& format = FormatAt(index, page); // page is taken as given
    format = quint16((format & 0xFF00) | (size & 0x00FF));
}

bool CFieldStore::IsBold(quint16 index, quint16 page) const
{
    return FormatAt(index, page) & kBold;
}

void CFieldStore::SetFieldFormat(quint16 index, quint16 page, quint16 format)
{
    FormatAt(index, page) = format;
}

quint16 CFieldStore::GetFieldFormat(quint16 index, quint16 page) const
{
    return FormatAt(index, page);
}

quint16 CFieldStore::GetAlignment(quint16 index, quint16 page) const
{
    if (!Exists(index, page))
        return 0;
    return FormatAt(index, page) & kAlignMask;
}

quint16 CFieldStore::GetFontSize(quint16 index, quint16 page) const
{
    if (!Exists(index, page))
        return 64;
    return FormatAt(index, page) & kSizeMask;
}

void CFieldStore::SetBold(quint16 index, quint16 page, bool bold)
{
    quint16& format = FormatAt(index, page);
    format = bold ? quint16(format | kBold) : quint16(format & ~kBold);
}

bool CFieldStore::CanFontBigger(quint16 index, quint16 page) const
{
    return Exists(index, page) && (GetFieldFormat(index, page) & kSizeMask) <= kMaxFontSize - 1;
}

bool CFieldStore::CanFontSmaller(quint16 index, quint16 page) const
{
    return Exists(index, page) && (GetFieldFormat(index, page) & kSizeMask) != 0;
}

void CFieldStore::FontBigger(quint16 index, quint16 page)
{
    // The step sits in the low bits and is at most 3 here, so adding one keeps
    // bold and alignment.
    if (CanFontBigger(index, page))
        ++FormatAt(index, page);
}

void CFieldStore::FontSmaller(quint16 index, quint16 page)
{
    if (CanFontSmaller(index, page))
        --FormatAt(index, page);
}

void CFieldStore::SetAlignment(quint16 index, quint16 page, quint16 alignment)
{
    quint16& format = FormatAt(index, page);
    format = quint16((format & ~kAlignMask) | (alignment & kAlignMask));
}

QString CFieldStore::GetFieldText(quint16 index, quint16 page) const
{
    if (page == 1)
        return index < m_texts.size() ? m_texts[index] : QString();
    if (index >= m_followTexts.size())
        return QString();
    const qsizetype pos = FollowPosition(index, page);
    if (pos >= m_followTexts.size())
        throw CInvalidArgException("follow-on field position out of range");
    return m_followTexts[pos];
}

void CFieldStore::SetFieldText(quint16 index, const QString& text, quint16 page)
{
    if (page == 1) {
        if (index >= m_fieldCount)
            return;
        if (index >= m_texts.size())
            throw CInvalidArgException("field index out of range");
        m_texts[index] = text;
        return;
    }
    if (index >= m_followCount)
        return;
    const qsizetype pos = FollowPosition(index, page);
    if (pos >= m_followTexts.size())
        throw CInvalidArgException("follow-on field position out of range");
    m_followTexts[pos] = text;
}

int CFieldStore::GetFieldTextLength(quint16 index, quint16 page) const
{
    if (page == 1) {
        if (index >= m_texts.size())
            throw CInvalidArgException("field index out of range");
        return int(m_texts[index].size());
    }
    const qsizetype pos = FollowPosition(index, page);
    if (pos >= m_followTexts.size())
        throw CInvalidArgException("follow-on field position out of range");
    return int(m_followTexts[pos].size());
}

void CFieldStore::InsertField(quint16 index, quint16 page)
{
    if (page == 1) {
        if (index > m_fieldCount || m_fieldCount == 0xFFFF)
            throw CInvalidArgException("insert position out of range");
        ++m_fieldCount;
        m_texts.insert(index, QString());
        m_formats.insert(index, 1);
    }
    // The follow-on pages share one set of boxes; none is inserted or deleted.
}

void CFieldStore::DeleteField(quint16 index, quint16 page)
{
    if (page == 1) {
        if (index >= m_fieldCount)
            throw CInvalidArgException("delete position out of range");
        --m_fieldCount;
        m_texts.removeAt(index);
        m_formats.remove(index);
    }
    // The follow-on pages share one set of boxes; none is inserted or deleted.
}

void CFieldStore::CopyContents(const CFieldStore& other)
{
    if (&other == this)
        return;
    DefineFields(other.m_fieldCount, other.m_followCount, false);
    m_texts = other.m_texts;
    m_formats = other.m_formats;
    m_pageWord = other.m_pageWord;
    m_followTexts = other.m_followTexts;
    m_followFormats = other.m_followFormats;
}

void CFieldStore::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        WriteRecord(ar);
    else
        ReadRecord(ar);
}

// Record layout (little-endian):
//   u16 magic 0x1206, u16 version 2,
//   string list  page-1 texts,   word list page-1 format words,
//   u16 page word, u16 follow-on field count F,
//   string list  follow-on texts (page 2 first), word list follow-on formats.
// Trailing white space is removed from the stored texts themselves, not only
// from what is written.
void CFieldStore::WriteRecord(CArchive& ar)
{
    ar.WriteWord(kRecordMagic);
    ar.WriteWord(kRecordVersion);
    for (QString& text : m_texts)
        text = TrimTrailingSpace(text);
    ar.WriteStringList(m_texts);
    ar.WriteWordList(m_formats);
    ar.WriteWord(m_pageWord);
    ar.WriteWord(m_followCount);
    for (QString& text : m_followTexts)
        text = TrimTrailingSpace(text);
    ar.WriteStringList(m_followTexts);
    ar.WriteWordList(m_followFormats);
}

void CFieldStore::CutBack()
{
    DefineFields(1, 0, true);
}

void CFieldStore::ReadRecord(CArchive& ar)
{
    m_recordRefused = false;
    if (ar.ReadWord() != kRecordMagic) {
        m_recordRefused = true;
        CutBack();
        return;
    }
    const quint16 version = ar.ReadWord();
    if (version > kRecordVersion) {
        m_recordRefused = true;
        CutBack();
        return;
    }

    // Both lists are read before either replaces the store's, so that a file
    // ending between them leaves the store consistent.
    QStringList texts = ar.ReadStringList(kMaxListEntries);
    QVector<quint16> formats = ar.ReadWordList(kMaxListEntries);
    for (QString& text : texts)
        text = TrimTrailingSpace(text);
    m_texts = std::move(texts);
    m_formats = std::move(formats);

    const quint16 defined = m_fieldCount;
    const auto read = quint16(m_texts.size());
    if (defined < read) {
        DefineFields(read, 0, true);
    } else if (defined > read) {
        DefineFields(defined, 0, false);
    } else {
        // A record whose format list is shorter than its text list would leave
        // fields without a format word, and every later access to them would
        // fail; such fields get an empty format like padded ones.
        m_formats.resize(defined);
        DefineFields(defined, 0, false);
    }

    if (version < 2)
        return; // DefineFields above left page word 0x1000 and no follow-on pages

    const quint16 pageWord = ar.ReadWord();
    const quint16 followCount = ar.ReadWord();
    QStringList followTexts = ar.ReadStringList(kMaxListEntries);
    QVector<quint16> followFormats = ar.ReadWordList(kMaxListEntries);
    DefineFields(m_fieldCount, followCount, false);
    m_pageWord = pageWord;
    m_followTexts = std::move(followTexts);
    m_followFormats = std::move(followFormats);
    // Same mend for the follow-on lists: the fields of page 2 must exist, and
    // every stored follow-on text needs a format word.
    if (m_followTexts.size() < followCount)
        m_followTexts.resize(followCount);
    if (m_followFormats.size() < m_followTexts.size())
        m_followFormats.resize(m_followTexts.size());
}
