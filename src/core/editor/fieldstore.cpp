#include "editor/fieldstore.h"

#include "documents/archive.h"
#include "format/linebreaks.h"

namespace {

QString NotImplementedText()
{
    return QStringLiteral("Funktion nicht implementiert!");
}

quint16 At(const QVector<quint16>& list, quint16 index)
{
    return index < list.size() ? list[index] : 0;
}

} // namespace

void CFieldStore::Rects::resize(qsizetype n)
{
    left.resize(n);
    top.resize(n);
    right.resize(n);
    bottom.resize(n);
}

void CFieldStore::Rects::insert(qsizetype i)
{
    left.insert(i, 0);
    top.insert(i, 0);
    right.insert(i, 0);
    bottom.insert(i, 0);
}

void CFieldStore::Rects::remove(qsizetype i)
{
    left.remove(i);
    top.remove(i);
    right.remove(i);
    bottom.remove(i);
}

int CFieldStore::Rects::set(quint16 index, quint16 l, quint16 t, quint16 r, quint16 b)
{
    if (index >= left.size())
        return -1;
    left[index] = l;
    top[index] = t;
    right[index] = r;
    bottom[index] = b;
    return 0;
}

CFieldStore::CFieldStore() = default;

void CFieldStore::ShowMessage(const QString& text) const
{
    if (m_messageHandler)
        m_messageHandler(text);
}

void CFieldStore::DefineFields(quint16 fieldCount, quint16 followCount, bool initialise)
{
    const quint16 oldCount = m_fieldCount;
    m_fieldCount = fieldCount;
    m_rects.resize(fieldCount);
    m_texts.resize(fieldCount);
    m_formats.resize(fieldCount);
    if (initialise)
        for (qsizetype i = oldCount; i < fieldCount; ++i)
            m_formats[i] = 1;

    const quint16 oldFollow = m_followCount;
    m_followCount = followCount;
    m_pageWord = followCount > 0 ? (kModeFollowPages | 2) : kModeSinglePage;
    m_followRects.resize(followCount);
    m_followTexts.resize(followCount);
    m_followFormats.resize(followCount);
    if (initialise)
        for (qsizetype i = oldFollow; i < followCount; ++i)
            m_followFormats[i] = 1;
}

int CFieldStore::SetFieldRect(quint16 index, quint16 left, quint16 top, quint16 right,
                              quint16 bottom)
{
    return index < m_fieldCount ? m_rects.set(index, left, top, right, bottom) : -1;
}

int CFieldStore::SetFieldRect(quint16 index, const QRect& r)
{
    return SetFieldRect(index, quint16(r.left()), quint16(r.top()), quint16(r.left() + r.width()),
                        quint16(r.top() + r.height()));
}

int CFieldStore::GetFieldRect(quint16 index, QRect& rect) const
{
    if (index >= m_fieldCount)
        return -1;
    rect = QRect(QPoint(m_rects.left[index], m_rects.top[index]),
                 QPoint(m_rects.right[index] - 1, m_rects.bottom[index] - 1));
    return 0;
}

int CFieldStore::SetFollowFieldRect(quint16 index, quint16 left, quint16 top, quint16 right,
                                    quint16 bottom)
{
    return index < m_followCount ? m_followRects.set(index, left, top, right, bottom) : -1;
}

int CFieldStore::SetFollowFieldRect(quint16 index, const QRect& r)
{
    return SetFollowFieldRect(index, quint16(r.left()), quint16(r.top()),
                              quint16(r.left() + r.width()), quint16(r.top() + r.height()));
}

int CFieldStore::ActivateField(quint16 index, quint16 page)
{
    page = ResolvePage(page);
    if (index >= (page == 1 ? m_fieldCount : m_followCount))
        return -1;
    if (m_editor)
        SetFieldText(m_currentField, m_editor->EditedText(), m_currentPage);
    m_currentField = index;
    m_currentPage = page;
    if (m_editor)
        m_editor->FieldActivated(index, page, GetFieldText(index, page));
    return 0;
}

quint16 CFieldStore::GetPageCount() const
{
    return GetPageMode() == kModeSinglePage ? 1 : (m_pageWord & 0xFF);
}

quint16 CFieldStore::GetFieldBottom(quint16 index) const
{
    return At(m_rects.bottom, index);
}
quint16 CFieldStore::GetFieldTop(quint16 index) const
{
    return At(m_rects.top, index);
}
quint16 CFieldStore::GetFieldRight(quint16 index) const
{
    return At(m_rects.right, index);
}
quint16 CFieldStore::GetFieldLeft(quint16 index) const
{
    return At(m_rects.left, index);
}

quint16 CFieldStore::GetFollowFieldBottom(quint16 index) const
{
    return GetPageMode() == kModeSinglePage ? 0 : At(m_followRects.bottom, index);
}
quint16 CFieldStore::GetFollowFieldTop(quint16 index) const
{
    return GetPageMode() == kModeSinglePage ? 0 : At(m_followRects.top, index);
}
quint16 CFieldStore::GetFollowFieldRight(quint16 index) const
{
    return GetPageMode() == kModeSinglePage ? 0 : At(m_followRects.right, index);
}
quint16 CFieldStore::GetFollowFieldLeft(quint16 index) const
{
    return GetPageMode() == kModeSinglePage ? 0 : At(m_followRects.left, index);
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
    return FormatAt(index, ResolvePage(page)) & kBold;
}

void CFieldStore::SetFieldFormat(quint16 index, quint16 page, quint16 format)
{
    FormatAt(index, ResolvePage(page)) = format;
}

quint16 CFieldStore::GetFieldFormat(quint16 index, quint16 page) const
{
    return FormatAt(index, ResolvePage(page));
}

quint16 CFieldStore::GetAlignment(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (index >= (page == 1 ? m_fieldCount : m_followCount))
        return 0;
    return FormatAt(index, page) & kAlignMask;
}

quint16 CFieldStore::GetFontSize(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (index >= (page == 1 ? m_fieldCount : m_followCount))
        return 64;
    return FormatAt(index, page) & kSizeMask;
}

void CFieldStore::ToggleBold()
{
    FormatAt(m_currentField, m_currentPage) ^= kBold;
    CommitCurrent();
}

void CFieldStore::SetBoldCurrent()
{
    FormatAt(m_currentField, m_currentPage) |= kBold;
}

void CFieldStore::ClearBoldCurrent()
{
    FormatAt(m_currentField, m_currentPage) &= quint16(~kBold);
}

bool CFieldStore::CanFontBigger() const
{
    return (GetFieldFormat(m_currentField, 0) & kSizeMask) <= kMaxFontSize - 1;
}

bool CFieldStore::CanFontSmaller() const
{
    return (GetFieldFormat(m_currentField, 0) & kSizeMask) != 0;
}

void CFieldStore::FontBigger()
{
    if (!CanFontBigger())
        return;
    // The step sits in the low bits and is at most 3 here, so adding one keeps
    // bold and alignment.
    ++FormatAt(m_currentField, m_currentPage);
    CommitCurrent();
}

void CFieldStore::FontSmaller()
{
    if (!CanFontSmaller())
        return;
    --FormatAt(m_currentField, m_currentPage);
    CommitCurrent();
}

void CFieldStore::SetAlignment(quint16 index, quint16 page, quint16 alignment)
{
    page = ResolvePage(page);
    quint16& format = FormatAt(index, page);
    format = quint16((format & ~kAlignMask) | alignment);
    if (m_editor && index == m_currentField && page == m_currentPage)
        CommitCurrent();
}

void CFieldStore::AlignLeft(quint16 index, quint16 page)
{
    SetAlignment(index, page, kAlignLeft);
}

void CFieldStore::AlignRight(quint16 index, quint16 page)
{
    SetAlignment(index, page, kAlignRight);
}

void CFieldStore::AlignCenter(quint16 index, quint16 page)
{
    SetAlignment(index, page, kAlignCenter);
}

void CFieldStore::ClearAlignment(quint16 index, quint16 page)
{
    FormatAt(index, ResolvePage(page)) &= quint16(~kAlignMask);
}

QString CFieldStore::GetCurrentText()
{
    CommitCurrent();
    return GetFieldText(m_currentField, 0);
}

QString CFieldStore::GetFieldText(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (page == 1)
        return index < m_texts.size() ? m_texts[index] : QString();
    if (index >= m_followTexts.size())
        return QString();
    const qsizetype pos = FollowPosition(index, page);
    if (pos >= m_followTexts.size())
        throw CInvalidArgException("follow-on field position out of range");
    return m_followTexts[pos];
}

QString CFieldStore::GetShownText(quint16 index, quint16 page) const
{
    page = ResolvePage(page);
    if (m_editor && index == m_currentField && page == m_currentPage)
        return m_editor->EditedText();
    return GetFieldText(index, page);
}

void CFieldStore::SetCurrentText(const QString& text)
{
    SetFieldText(m_currentField, text, 0);
    if (m_editor)
        m_editor->FieldActivated(m_currentField, m_currentPage, text);
}

void CFieldStore::SetFieldText(quint16 index, const QString& text, quint16 page)
{
    page = ResolvePage(page);
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
    page = ResolvePage(page);
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
        m_rects.insert(index);
        m_texts.insert(index, QString());
        m_formats.insert(index, 1);
    } else if (page == 2) {
        ShowMessage(NotImplementedText());
    }
}

void CFieldStore::DeleteField(quint16 index, quint16 page)
{
    if (page == 1) {
        if (index >= m_fieldCount)
            throw CInvalidArgException("delete position out of range");
        --m_fieldCount;
        m_rects.remove(index);
        m_texts.removeAt(index);
        m_formats.remove(index);
    } else if (page == 2) {
        ShowMessage(NotImplementedText());
    }
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
    if (m_currentField >= (m_currentPage == 1 ? m_fieldCount : m_followCount)) {
        m_currentField = 0;
        m_currentPage = 1;
    }
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
