#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QVector>

#include <functional>

class CArchive;

// The text and format of every box of one form.
//
// A form has page 1 with N fields and follow-on pages 2, 3, ... that each have F
// fields; all follow-on pages share one set of F rectangles. A field is addressed
// by (index, page); indices count from 0, pages from 1, and page 0 stands for the
// current page (except in SetFontSize, InsertField and DeleteField).
//
// Format word: bits 0-3 font size step 0..4, bit 4 bold, bits 8-11 alignment
// (0 left, 1 centred, 2 right); other bits are kept as they are.
//
// Rectangles are in device pixels of the view at its current zoom, measured from
// the top-left corner of the whole form. They are never stored in files.
//
// Ownership: the document owns its store. An editor widget may attach itself as
// the store's Editor; while it is attached, the text of the current field lives
// in the widget until ActivateField moves it back into the store.
//
// Failure: operations that index a list directly throw CInvalidArgException for a
// position that does not exist; the others answer -1, 0 or 64, or ignore the
// call, as each one documents.
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

    // The widget that edits the current field.
    class Editor
    {
    public:
        virtual ~Editor() = default;
        // The whole text being edited, to be stored in the current field.
        virtual QString EditedText() const = 0;
        // The field (index, page) became current and holds text.
        virtual void FieldActivated(quint16 index, quint16 page, const QString& text) = 0;
    };

    using MessageHandler = std::function<void(const QString&)>;

    CFieldStore();

    void Serialize(CArchive& ar);
    // Whether the last record read was refused (foreign magic or a newer record
    // version) and the store cut back to one field.
    bool LastRecordRefused() const { return m_recordRefused; }

    void DefineFields(quint16 fieldCount, quint16 followCount, bool initialise);
    quint16 GetFieldCount() const { return m_fieldCount; }
    quint16 GetFollowFieldCount() const { return m_followCount; }

    int SetFieldRect(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom);
    int SetFieldRect(quint16 index, const QRect& rect);
    int GetFieldRect(quint16 index, QRect& rect) const;
    int SetFollowFieldRect(quint16 index, quint16 left, quint16 top, quint16 right, quint16 bottom);
    int SetFollowFieldRect(quint16 index, const QRect& rect);

    int ActivateField(quint16 index, quint16 page);

    quint16 GetPageCount() const;
    quint16 GetPageMode() const { return m_pageWord & 0xF000; }
    quint16 GetPageWord() const { return m_pageWord; }
    quint16 GetCurrentPage() const { return m_currentPage; }
    quint16 GetCurrentField() const { return m_currentField; }

    quint16 GetFieldBottom(quint16 index) const;
    quint16 GetFieldTop(quint16 index) const;
    quint16 GetFieldRight(quint16 index) const;
    quint16 GetFieldLeft(quint16 index) const;
    quint16 GetFollowFieldBottom(quint16 index) const;
    quint16 GetFollowFieldTop(quint16 index) const;
    quint16 GetFollowFieldRight(quint16 index) const;
    quint16 GetFollowFieldLeft(quint16 index) const;

    void SetFontSize(quint16 index, quint16 page, quint16 size);
    bool IsBold(quint16 index, quint16 page) const;
    bool IsBoldCurrent() const { return IsBold(m_currentField, 0); }
    void SetFieldFormat(quint16 index, quint16 page, quint16 format);
    quint16 GetFieldFormat(quint16 index, quint16 page) const;
    quint16 GetAlignment(quint16 index, quint16 page) const;
    quint16 GetFontSize(quint16 index, quint16 page) const;

    // Formatting of the current field (current index on the current page). The
    // operations that change what the edit widget shows re-activate the field, so
    // that the text typed so far is stored and the widget takes the new format.
    void ToggleBold();
    void SetBoldCurrent();   // no re-activation
    void ClearBoldCurrent(); // no re-activation
    // The size step grows up to 4 and shrinks down to 0; beyond that nothing happens.
    void FontBigger();
    void FontSmaller();
    bool CanFontBigger() const;
    bool CanFontSmaller() const;

    // Alignment bits of any field; the other bits of the format word are kept.
    // Re-activates when the field is the current one and an editor is attached.
    void AlignLeft(quint16 index, quint16 page);
    void AlignRight(quint16 index, quint16 page);
    void AlignCenter(quint16 index, quint16 page);
    void AlignLeftCurrent() { AlignLeft(m_currentField, 0); }
    void AlignRightCurrent() { AlignRight(m_currentField, 0); }
    void AlignCenterCurrent() { AlignCenter(m_currentField, 0); }
    void ClearAlignment(quint16 index, quint16 page); // no re-activation
    bool IsAlignLeftCurrent() const { return CurrentAlignment() == kAlignLeft; }
    bool IsAlignRightCurrent() const { return CurrentAlignment() == kAlignRight; }
    bool IsAlignCenterCurrent() const { return CurrentAlignment() == kAlignCenter; }

    QString GetCurrentText();
    QString GetFieldText(quint16 index, quint16 page) const;
    // The text a box shows now: for the current box while an editor is
    // attached, the text being edited (which the store learns only when the box
    // is left); for any other box its stored text. Nothing is committed.
    QString GetShownText(quint16 index, quint16 page) const;
    void SetCurrentText(const QString& text);
    void SetFieldText(quint16 index, const QString& text, quint16 page);
    int GetFieldTextLength(quint16 index, quint16 page) const;

    void SetInsertMode(bool on) { m_insertMode = on; }
    bool GetInsertMode() const { return m_insertMode; }

    // Takes over another store's texts, formats, field counts and page word, as
    // reading its file would; the rectangles (sized to the new counts), the
    // current field (kept when it still exists, else the first), the editor
    // and the message handler stay this store's own. The other store's editor
    // must have committed its text before.
    void CopyContents(const CFieldStore& other);

    void InsertField(quint16 index, quint16 page);
    void DeleteField(quint16 index, quint16 page);

    // Moves the text being edited into the store without changing the current field.
    void CommitCurrent() { ActivateField(m_currentField, 0); }

    void SetEditor(Editor* editor) { m_editor = editor; }
    Editor* GetEditor() const { return m_editor; }
    // Receives "Funktion nicht implementiert!" and similar notices; the program
    // shows them in a message box.
    void SetMessageHandler(MessageHandler handler) { m_messageHandler = std::move(handler); }

    // Direct read access for drawing and for the command-line tool.
    const QStringList& PageTexts() const { return m_texts; }
    const QVector<quint16>& PageFormats() const { return m_formats; }
    const QStringList& FollowTexts() const { return m_followTexts; }
    const QVector<quint16>& FollowFormats() const { return m_followFormats; }

private:
    struct Rects
    {
        QVector<quint16> left, top, right, bottom;
        void resize(qsizetype n);
        void insert(qsizetype i);
        void remove(qsizetype i);
        int set(quint16 index, quint16 l, quint16 t, quint16 r, quint16 b);
    };

    quint16 ResolvePage(quint16 page) const { return page == 0 ? m_currentPage : page; }
    // Position of a follow-on field in the follow-on text and format lists.
    qsizetype FollowPosition(quint16 index, quint16 page) const;
    quint16& FormatAt(quint16 index, quint16 page);
    const quint16& FormatAt(quint16 index, quint16 page) const;
    void ReadRecord(CArchive& ar);
    void WriteRecord(CArchive& ar);
    void CutBack();
    quint16 CurrentAlignment() const { return GetFieldFormat(m_currentField, 0) & kAlignMask; }
    void SetAlignment(quint16 index, quint16 page, quint16 alignment);
    void ShowMessage(const QString& text) const;

    quint16 m_fieldCount = 0;
    quint16 m_followCount = 0;
    quint16 m_pageWord = kModeSinglePage;
    quint16 m_currentField = 0;
    quint16 m_currentPage = 1;
    bool m_insertMode = true;
    bool m_recordRefused = false;

    QStringList m_texts;
    QVector<quint16> m_formats;
    Rects m_rects;
    QStringList m_followTexts;
    QVector<quint16> m_followFormats;
    Rects m_followRects;

    Editor* m_editor = nullptr;
    MessageHandler m_messageHandler;
};
