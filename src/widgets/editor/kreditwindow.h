#pragma once

#include "core/fields/fieldstore.h"
#include "render/text/fieldpainter.h"
#include "widgets/app/commandtarget.h"

#include <QColor>
#include <QPlainTextEdit>
#include <QPointer>
#include <QVector>

#include <functional>

class CKrDocument;
class CKrEditHost;
class CSettingsStore;
class QMenu;

// The box editor: one edit widget that lies over the current box of a form and
// moves from box to box, plus the box texts' font table and drawing.
//
// Ownership: the view creates the editor and owns it (as its child widget); the
// field store belongs to the document, which outlives the view and its editor.
// The editor knows which box is current and whether it types over; the text of
// the current box lives in the widget until Commit writes it into the store.
// The settings store, the host and a context menu handed in must outlive the
// editor.
//
// Units: the box rectangle the view hands in is in device pixels of the
// unscrolled view; the widget is placed at that rectangle minus the host's
// scroll position. The drawing calls take the painter's logical units (see
// CFieldPainter).
//
// Typing is limited to what the box shows: text that would need more lines than
// fit into the box at the box's edit font is refused with a beep (inputRefused
// is emitted, with RefusedInputMessage for the status bar), a paste is cut to
// what fits. Every change the user makes marks the document modified; loading a
// box's text does not.
//
// Undo history: each run of typing or of deleting is one step, and so is each
// cut and each paste. The history belongs to the box: it ends when another box
// becomes current or when the box's text is replaced from outside (an address
// taken over, a number formatted on leaving the box); placing the box again
// with the text it has (a format command, saving) keeps it.
class CKrEditWindow : public QPlainTextEdit, public CCommandTarget
{
    Q_OBJECT

public:
    // Entries of the editor's own context menu.
    static constexpr int kMaxContextMenuItems = 25;
    static constexpr unsigned kMenuSeparator = 0x800;

    explicit CKrEditWindow(CSettingsStore& settings, CKrEditHost* host = nullptr);
    ~CKrEditWindow() override;

    // Places the widget on the parent view and attaches it to the store; when the
    // store has no fields yet it gets one. `contextMenu` (may be null) is shown on
    // a right-click instead of the editor's own menu. `document` (may be null) is
    // marked modified on every change.
    bool CreateEditWindow(QWidget* parentView, CFieldStore& store, CKrDocument* document,
                          QMenu* contextMenu);
    // Colours, CreateEditWindow and the screen fonts for the zoom; afterwards the
    // editor counts as created and draws.
    bool Init(QWidget* parentView, CFieldStore& store, CKrDocument* document, QMenu* contextMenu,
              const QPaintDevice& screen, int zoom, const QColor& textColor,
              const QColor& backColor);
    bool IsCreated() const { return m_created; }
    CFieldStore& Store() const { return *m_store; }
    void SetHost(CKrEditHost* host) { m_host = host; }

    // Fonts (see CFieldPainter); rebuilding them re-applies the current box's font.
    void CreateScreenFonts(const QPaintDevice& screen, int zoom);
    void CreatePrinterFonts(int factorPercent);
    void DefineFont(int type, const LogicalFont& font);
    // The old interface: tells the caller to use DefineFont, then defines the
    // normal and the bold font of the type from the same font.
    void SetFont(int type, const LogicalFont& font);
    const CFieldPainter& Painter() const { return m_painter; }

    // Drawing: nothing is drawn and false is answered until Init has run.
    bool DrawBoxText(QPainter& painter, const QRect& rect, int fontType, quint16 alignment,
                     const QString& text, bool bold) const;
    bool DrawField(QPainter& painter, const QRect& rect, quint16 index, quint16 page,
                   bool singleLine) const;
    bool PrintBoxText(QPainter& painter, const QRect& rect, int fontType, quint16 alignment,
                      const QString& text, bool bold) const;
    bool PrintField(QPainter& painter, const QRect& rect, quint16 index, quint16 page,
                    bool singleLine) const;

    void SetTextColor(const QColor& color);
    void SetBackColor(const QColor& color);
    void SetColors(const QColor& textColor, const QColor& backColor);
    QColor TextColor() const { return m_textColor; }
    QColor BackColor() const { return m_backColor; }

    // Off means overwrite: a typed character replaces the one after the caret.
    void SetInsertMode(bool on);
    bool GetInsertMode() const;
    // "Einfügen" or "Überschreiben", for the status bar.
    QString InsertModeStatusText() const;

    // Pastes the clipboard's text, then cleans the whole box text: lone line
    // feeds become CR LF, trailing white space goes, and one pair of surrounding
    // double quotes is removed. A text that does not fit is cut after the last
    // whole word that does. Paste and cleaning are one undo step.
    void Paste();
    void Cut();
    void Copy();
    // Step back and forth through the box's history; a new change drops the
    // steps undone. The history keeps the last kUndoLimit steps.
    static constexpr int kUndoLimit = 100;
    void Undo();
    void Redo();
    bool CanUndo() const { return !m_undo.isEmpty(); }
    bool CanRedo() const { return !m_redo.isEmpty(); }
    // Selects the first 65024 characters with the caret at the start.
    void SelectAll();
    // Enable and label the undo and redo commands: "&Rückgängig" and
    // "&Wiederherstellen", with " (nicht möglich)" while there is no step.
    void UpdateUndoCommand(CommandState& state) const;
    void UpdateRedoCommand(CommandState& state) const;

    // The status-bar text for `count` characters not inserted, e.g. "Der Text
    // passt nicht in das Feld: 1.234 Zeichen wurden nicht eingefügt."
    static QString RefusedInputMessage(qsizetype count);

    // 1 when added, 0 when the menu is full. Flags 0x800 make a separator.
    int AddContextMenuItem(unsigned flags, int commandId, const QString& text);
    // The menu a right-click shows when no context menu was handed in; the
    // caller owns it.
    QMenu* BuildContextMenu(QWidget* parent);

    // Scrolls the host until the widget is visible.
    void ScrollIntoView();

    // The editing commands that are the editor's business: clipboard, undo,
    // select all, insert mode, font size, bold and alignment. Next and previous
    // box, the pages and inserting an address are the view's and answer false.
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // Makes box (index, page) the current one: the widget goes onto its
    // rectangle and shows its stored text in its format. The text typed into
    // the box before must have been committed.
    void ShowBox(quint16 index, quint16 page, const QRect& boxRect);
    // Writes the text being typed into the store; true when it changed there.
    bool Commit();
    // Shows the current box anew from the store (its text or format changed).
    void Reload();
    // The current box's rectangle moved (another zoom, another alignment).
    void MoveTo(const QRect& boxRect);
    quint16 CurrentIndex() const { return m_index; }
    quint16 CurrentPage() const { return m_page; }
    // The whole text being edited, as the store keeps texts (CR LF breaks).
    QString EditedText() const;

    // The alignment the widget shows the current box with.
    Qt::Alignment EditAlignment() const;
    // How many lines the box shows at its edit font, and how many a text needs.
    int MaxLines() const;
    int LinesNeeded(const QString& text) const;

Q_SIGNALS:
    // The user changed the text (the document's modified flag is set as well).
    void documentModified();
    // Input was refused because it does not fit; a warning beep sounded.
    // `count` is the number of characters not inserted: of a paste, those it
    // was cut by; of typing, every character refused since the box last took
    // one (or the caret moved), so that the count grows while the user types on.
    void inputRefused(qsizetype count);

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    bool canInsertFromMimeData(const QMimeData* source) const override;
    void insertFromMimeData(const QMimeData* source) override;
    // Lets the subclasses pass keys on to their view after the editor's own handling.
    void PassKeyToHost(QKeyEvent* event);
    void PassWheelToHost(QWheelEvent* event);

private:
    enum class EditKind { Typing, Deleting, Other };
    struct Snapshot
    {
        QString text; // the document's raw text (paragraph separators)
        int anchor = 0;
        int position = 0;
    };

    Snapshot Capture() const;
    void Restore(const Snapshot& snapshot);
    void LoadText(const QString& storedText);
    QString RawText() const;
    // Runs an edit; keeps it when it fits, else restores the text and beeps. The
    // edit types `typed` characters: in overwrite mode with no selection, as
    // many characters after the caret are removed as part of the same edit, and
    // a refused edit counts them (at least one) as not inserted.
    bool ApplyEdit(EditKind kind, int typed, const std::function<void()>& edit);
    // Inserts as much of `text` at the selection as fits; false when cut.
    bool InsertFitting(const QString& text);
    void Refuse(qsizetype count);
    void NotifyModified();
    // Ends the run being typed (the caret moved, another kind of edit came):
    // the next edit is a new undo step, and refused characters count afresh.
    void EndTypingRun();
    void PushUndo(const Snapshot& snapshot);
    // Undo or redo: the state `from` holds last comes back, the present one
    // goes to `to`.
    void StepHistory(QVector<Snapshot>& from, QVector<Snapshot>& to);
    void ClearHistory();
    void ApplyFieldFont();
    void ApplyColors();
    void ApplyAlignment(quint16 alignment);
    void PlaceOnBox();
    // A formatting command on the current box.
    void Format(int id);

    struct MenuItem
    {
        unsigned flags;
        int id;
        QString text;
    };

    CSettingsStore& m_settings;
    CKrEditHost* m_host;
    CFieldStore* m_store = nullptr;
    CKrDocument* m_document = nullptr;
    QPointer<QMenu> m_contextMenu;
    bool m_created = false;
    CFieldPainter m_painter;
    QColor m_textColor = Qt::black;
    QColor m_backColor = Qt::white;
    QVector<MenuItem> m_menuItems;

    int m_loading = 0;        // programmatic text changes in progress
    int m_editing = 0;        // user edits in progress
    QVector<Snapshot> m_undo; // oldest first
    QVector<Snapshot> m_redo; // the step undone last at the end
    quint16 m_index = 0;      // the current box
    quint16 m_page = 1;
    bool m_shown = false; // whether a box was shown yet
    QRect m_boxRect;
    bool m_insertMode = true;
    qsizetype m_refusedRun = 0;
    bool m_groupOpen = false;
    EditKind m_groupKind = EditKind::Other;
    int m_groupEnd = -1;
};
