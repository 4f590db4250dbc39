#pragma once

#include "core/forms/formdescription.h"
#include "render/views/formpainter.h"
#include "widgets/views/boxnames.h"
#include "widgets/views/formview.h"
#include "widgets/views/krscrollviewbase.h"

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>
#include <QVector>

#include <memory>

class CKRDFormEditWindow;
class CKrDocument;
class CMainFrame;
class QMenu;
class QTimer;

// A form on the screen, for every form of the engine: the blank form of the
// shown page, the box editor over the current box, the box texts and the check
// box cross in the edit text colour, and the moves between boxes (and pages) by
// keyboard, menu and mouse. What differs between the forms is the document's
// form description (and edition).
//
// Units: box rectangles (GetBoxRect) are logical units of the view, 0.1 mm of
// the sheet times zoom / 10, y downwards from the top edge of the sheet. The
// editor is handed, in device pixels of the unscrolled view, the part of each box
// that the box's text is drawn in, so that a text stays in place when its box
// becomes current.
//
// Ownership: the document, its field store, the settings store and the main
// frame outlive the view; the description is static data. The view owns the editor
// (a child of its viewport) and its context menu. The editor is created and
// placed when the view is first shown; until then the store holds every text and
// nothing needs committing.
//
// The screen shows the sheet white whatever the desktop's palette, and marks the
// current box with a thin frame just outside it; neither the frame nor anything
// of the palette reaches the printer, the PDF or the command-line renders, which
// draw through CFormPainter alone. The editor carries the current box's name for
// assistive technology.
//
// Settings of the form's section: "EditTextColor" is read once at construction;
// "Hersteller" and the joined cells' setting at construction and again after the
// form defaults command; the form's leave-box hook reads its own at every run.
class CKRFormView : public CKRScrollViewBase, public CFormView
{
    Q_OBJECT

public:
    enum CursorKind { kCursorForm = 0, kCursorBox = 2, kCursorCheckBox = 3 };
    // Page Up and Page Down move the form by this many logical units.
    static constexpr int kPageScrollUnits = 700;

    CKRFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                QWidget* parent = nullptr);
    ~CKRFormView() override;

    const Forms::FormDescription& Form() const { return m_form; }

    // CFormView
    QWidget* Widget() override { return this; }
    // Scroll sizes, the top-left corner, and the document's load message.
    void OnInitialUpdate() override;
    // Re-selects the current box, which moves the text being typed into the store
    // (and runs the form's automatic formatting of that box).
    void CommitCurrentField() override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // "Einfügen" or "Überschreiben" in the main frame's status bar.
    void UpdateStatusText() override;
    // Only the active view keeps a picture of its page between paints: with many
    // notes open in tabs the pictures would add up (about 22 MB each at zoom 25),
    // and the notes behind the front one are still painted now and then.
    void OnActivateView(bool active) override;
    // Makes a box of the shown page current: the box being left is formatted by
    // the form's hook first, a joined cell goes to its first box, an index beyond
    // the page's boxes changes nothing. The editor takes the keyboard and the
    // form scrolls until it is visible.
    void GoToBox(int index);
    // The screen rectangle of a box: page 1 takes table entry `index` (the check
    // boxes follow the boxes; an index beyond the table is taken as 0), any other
    // page the follow-on box.
    Forms::BoxRect GetBoxRect(int index, int page) const;

    // Scales everything that depends on the zoom, hands the box rectangles and
    // the fonts to the editor and makes box 0 of the shown page current. Runs
    // when the view is first shown and after every zoom change. A zoom that
    // follows the window is fitted first.
    void RebuildLayout();

    int CurrentPage() const { return m_nCurrentPage; }
    int CurrentBox() const;
    // The guard box's text as the clerk sees it (while typed into, the text
    // being typed), and the check box crossed now.
    QString GuardText() const;
    int CrossedCheckBox() const;
    bool MergedGoodsRows() const { return m_merged; }
    int Publisher() const { return m_nPublisher; }
    QColor EditTextColor() const { return m_editTextColor; }
    // Whether the view holds a picture of its page for the next paint.
    bool KeepsPagePicture() const;
    CursorKind GetCursorKind() const { return m_cursorKind; }
    // Null until the view is first shown.
    CKRDFormEditWindow* FormEditor() const { return m_editor; }
    CKRDFormEditWindow* Editor() const { return m_editor; }
    CKrDocument& Document() const { return m_document; }
    // Check box k in device pixels of the unscrolled view.
    QRect CheckBoxRect(int k) const { return m_checkRects.value(k); }
    // The page-1 box whose text the form's formatting changed last, while it is
    // marked on the screen (a few seconds), else -1.
    int ChangedBoxMark() const { return m_changedBox; }

    // CKrEditHost: keys and the wheel the editor passes on, its own menu entries.
    void EditorKeyPressed(QKeyEvent* event) override;
    void EditorWheel(QWheelEvent* event) override;
    void EditorCommand(int id) override;

protected:
    void OnDraw(QPainter& painter) override;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ZoomChanged() override;
    void ZoomFollowedWindow() override;
    // The sheet, and the document size of the section's settings.
    ViewZoom::FitTarget FitTarget() const override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    // Over the crossed square: the view's menu with "Kreuz entfernen" first.
    void contextMenuEvent(QContextMenuEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void ReadFormSettings();
    // RebuildLayout; with `keepCurrentBox` the editor stays on its box with
    // its text, caret and undo, and only moves and takes the new fonts.
    void RebuildLayout(bool keepCurrentBox);
    void SetFormScrollSizes();
    // Creates the editor on first use and rebuilds an invalid layout.
    void EnsureLayout();
    void CreateEditor();
    void PlaceCheckBoxes();
    // Where the edit widget lies for a box: the part of it the box's text is
    // drawn in, by its alignment; device pixels of the unscrolled view.
    QRect EditRect(int index, int page) const;
    // After an alignment command: the widget moves to the current box's new
    // text area.
    void FollowAlignment();
    QRect ToDevice(const Forms::BoxRect& rect) const;
    // The check box (0 ..) under a point in logical units, or -1.
    int CheckBoxAt(const QPoint& logical) const;
    void ClickCheckBox(int k);
    // No square crossed: the check word 0, the document modified.
    void RemoveCross();
    // Repaints the check boxes (their cross may have come or gone).
    void UpdateCheckBoxes();
    // Tab and Shift+Tab as next and previous box; true when the key was one of them.
    bool HandleTabKey(QKeyEvent* event);
    // Whether a key is an enabled shortcut of the main window.
    bool IsFrameShortcut(const QKeyEvent* event) const;
    void NextBox();
    void PreviousBox();
    void ShowPage(int page);
    void InsertAddress();
    void RunFormDefaults();
    bool IsAddressBox() const;
    void SetCursorKind(CursorKind kind);
    // After every change of the current box: the screen mark follows it and the
    // editor takes the box's name and description.
    void CurrentBoxChanged();
    // What assistive technology calls a box, from the form's captions (made
    // once per page and publisher): e.g. "1 Absender".
    BoxName NameOf(int index, int page) const;
    // The frame around the current box, in device pixels of the unscrolled
    // view; empty until the layout stands. Drawn on the screen only.
    QRect CurrentBoxMarkRect() const;
    void DrawCurrentBoxMark(QPainter& painter) const;
    // Tells what the form's formatting changed in a box: a sentence in the
    // main frame's status bar and a mark around the box for a few seconds,
    // drawn on the screen only, outside the current box's mark.
    void ShowBoxChange(const Forms::BoxChange& change);
    QRect ChangedBoxMarkRect() const;
    void DrawChangedBoxMark(QPainter& painter) const;

    const Forms::FormDescription& m_form;
    CKrDocument& m_document;
    CMainFrame& m_frame;
    CKRDFormEditWindow* m_editor = nullptr; // child of viewport()
    QPointer<QMenu> m_contextMenu;
    std::unique_ptr<CFormPainter> m_formPainter;
    // A view outside a document window (as in tests) counts as active.
    bool m_active = true;

    int m_nCurrentPage = 1;
    int m_nPublisher = 0;
    bool m_merged = false;
    QColor m_editTextColor;
    CursorKind m_cursorKind = kCursorForm;
    QVector<QRect> m_checkRects;
    QRect m_markRect;                          // where the current box's mark was last drawn
    int m_changedBox = -1;                     // marked for a change, page 1
    QTimer* m_changedBoxTimer = nullptr;       // ends the mark; made on first use
    mutable QVector<BoxName> m_boxNames;       // page 1, made on first use
    mutable QVector<BoxName> m_followBoxNames; // the follow-on box
};
