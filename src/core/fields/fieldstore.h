#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <stdexcept>

class CArchive;

// Raised where a field store operation indexes its lists with a position that
// does not exist; mirrors the framework's invalid-argument error. A mistake of
// the caller, never a failure a person is told of.
class CInvalidArgException : public std::invalid_argument
{
public:
    explicit CInvalidArgException(const char* what) : std::invalid_argument(what) {}
};

// The text and format of every box of one form: the note's contents, nothing of
// how a view shows or edits it (rectangles, the current box and the editing
// mode belong to the view and its editor).
//
// A form has page 1 with N fields and follow-on pages 2, 3, ... that each have F
// fields. A field is addressed by (index, page); indices count from 0, pages
// from 1.
//
// Format word: bits 0-3 font size step 0..4, bit 4 bold, bits 8-11 alignment
// (0 left, 1 centred, 2 right); other bits are kept as they are.
//
// Ownership: the document owns its store; whoever edits a box writes its text
// here when the box is left or the note is saved, printed or exported.
//
// Failure: operations that index a list directly throw CInvalidArgException for a
// position that does not exist (page 0 among them); the others answer 0 or 64,
// or ignore the call, as each one documents.
class CFieldStore
{
public:
    static constexpr quint16 kRecordMagic = 0x1206;
    static constexpr quint16 kRecordVersion = 2;
    static constexpr quint16 kModeSinglePage = 0x1000;
    static constexpr quint16 kModeFollowPages = 0x2000;

    static constexpr quint16 kBold = 0x0010;
    static constexpr quint16 kSizeMask = 0x000F;
    static constexpr quint16 kAlignMask = 0x0F00;
    static constexpr quint16 kAlignLeft = 0x0000;
    static constexpr quint16 kAlignCenter = 0x0100;
    static constexpr quint16 kAlignRight = 0x0200;
    static constexpr quint16 kMaxFontSize = 4;
    // Box indices are 16 bits wide; a record with longer lists is damaged.
    static constexpr quint32 kMaxListEntries = 0xFFFF;

    CFieldStore();

    void Serialize(CArchive& ar);
    // Whether the last record read was refused (foreign magic or a newer record
    // version) and the store cut back to one field.
    bool LastRecordRefused() const { return m_recordRefused; }

    void DefineFields(quint16 fieldCount, quint16 followCount, bool initialise);
    quint16 GetFieldCount() const { return m_fieldCount; }
    quint16 GetFollowFieldCount() const { return m_followCount; }

    quint16 GetPageCount() const;
    quint16 GetPageMode() const { return m_pageWord & 0xF000; }
    quint16 GetPageWord() const { return m_pageWord; }

    void SetFontSize(quint16 index, quint16 page, quint16 size);
    bool IsBold(quint16 index, quint16 page) const;
    void SetFieldFormat(quint16 index, quint16 page, quint16 format);
    quint16 GetFieldFormat(quint16 index, quint16 page) const;
    quint16 GetAlignment(quint16 index, quint16 page) const;
    quint16 GetFontSize(quint16 index, quint16 page) const;

    // Formatting of one field. The size step grows up to 4 and shrinks down
    // to 0; beyond that nothing happens.
    void SetBold(quint16 index, quint16 page, bool bold);
    bool CanFontBigger(quint16 index, quint16 page) const;
    bool CanFontSmaller(quint16 index, quint16 page) const;
    void FontBigger(quint16 index, quint16 page);
    void FontSmaller(quint16 index, quint16 page);
    // The alignment bits (kAlignLeft, kAlignCenter, kAlignRight); the other
    // bits of the format word are kept.
    void SetAlignment(quint16 index, quint16 page, quint16 alignment);

    QString GetFieldText(quint16 index, quint16 page) const;
    void SetFieldText(quint16 index, const QString& text, quint16 page);
    int GetFieldTextLength(quint16 index, quint16 page) const;

    // Takes over another store's texts, formats, field counts and page word, as
    // reading its file would. Whoever edits the other note must have written
    // the box being typed into it before.
    void CopyContents(const CFieldStore& other);

    void InsertField(quint16 index, quint16 page);
    void DeleteField(quint16 index, quint16 page);

    // Direct read access for drawing and for the command-line tool.
    const QStringList& PageTexts() const { return m_texts; }
    const QVector<quint16>& PageFormats() const { return m_formats; }
    const QStringList& FollowTexts() const { return m_followTexts; }
    const QVector<quint16>& FollowFormats() const { return m_followFormats; }

    // Whether (index, page) is a field of the store: page 1 or a follow-on page.
    bool Exists(quint16 index, quint16 page) const;

private:
    // Position of a follow-on field in the follow-on text and format lists.
    qsizetype FollowPosition(quint16 index, quint16 page) const;
    quint16& FormatAt(quint16 index, quint16 page);
    const quint16& FormatAt(quint16 index, quint16 page) const;
    void ReadRecord(CArchive& ar);
    void WriteRecord(CArchive& ar);
    void CutBack();

    quint16 m_fieldCount = 0;
    quint16 m_followCount = 0;
    quint16 m_pageWord = kModeSinglePage;
    bool m_recordRefused = false;

    QStringList m_texts;
    QVector<quint16> m_formats;
    QStringList m_followTexts;
    QVector<quint16> m_followFormats;
};
