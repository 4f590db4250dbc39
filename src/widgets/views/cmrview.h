#pragma once

#include "views/cmrformpainter.h"
#include "views/cmrlayout.h"
#include "views/formview.h"
#include "views/krscrollviewbase.h"

#include <QColor>
#include <QPointer>
#include <QRect>
#include <QString>

#include <array>
#include <functional>
#include <memory>
#include <optional>

class CCMRDoc;
class CKRDEditWindow_CMR;
class CMainFrame;
class QMenu;

// The CMR consignment note on the screen: the blank two-page form, the box editor
// over the current box, the box texts and the permit cross in the edit text
// colour, and the moves between boxes and pages by keyboard, menu and mouse.
//
// Units: box rectangles (GetBoxRect) are logical units of the view, 0.1 mm of
// the sheet times zoom / 10, y downwards from the top edge of the sheet. The
// editor is handed, in device pixels of the unscrolled view, the part of each box
// that the box's text is drawn in, so that a text stays in place when its box
// becomes current.
//
// Ownership: the document, its field store, the settings store and the main
// frame outlive the view. The view owns the editor (a child of its viewport) and
// the context menu 118. The editor is created and placed when the view is first
// shown; until then the store holds every text and nothing needs committing.
//
// Settings of section "CMR": "EditTextColor" is read once at construction;
// "Hersteller" and "Feld6Modus" at construction and again after the form
// defaults command.
class CCMRView : public CKRScrollViewBase, public CFormView
{
    Q_OBJECT

public:
    enum CursorKind { kCursorForm = 0, kCursorBox = 2, kCursorPermit = 3 };
    static constexpr int kControlId = 132;
    static constexpr int kContextMenuId = 118;
    // Page Up and Page Down move the form by this many logical units.
    static constexpr int kPageScrollUnits = 700;

    CCMRView(CCMRDoc& document, CSettingsStore& settings, CMainFrame& frame,
             QWidget* parent = nullptr);
    ~CCMRView() override;

    // CFormView
    QWidget* Widget() override { return this; }
    // Scroll sizes, the top-left corner, and the document's load message.
    void OnInitialUpdate() override;
    // Re-selects the current box, which moves the text being typed into the store.
    void CommitCurrentField() override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    // "Einfügen" or "Überschreiben" in the main frame's status bar.
    void UpdateStatusText() override;
    // Makes a box of the shown page current: a merged goods-row cell goes to its
    // first box, an index beyond the page's boxes changes nothing. The editor
    // takes the keyboard and the form scrolls until it is visible.
    void GoToBox(int index);
    // The screen rectangle of a box: page 1 takes table entry `index` (176..179
    // are the permit checkboxes; any index above 180 is taken as 0), any other
    // page the back page's box.
    CmrLayout::CmrRect GetBoxRect(int index, int page) const;

    // Scales everything that depends on the zoom, hands the box rectangles and
    // the fonts to the editor and makes box 0 of the shown page current. Runs
    // when the view is first shown and after every zoom change.
    void RebuildLayout();

    int CurrentPage() const { return m_nCurrentPage; }
    int CurrentBox() const;
    bool MergedGoodsRows() const { return m_nFeld6Modus == 1; }
    int Publisher() const { return m_nPublisher; }
    QColor EditTextColor() const { return m_editTextColor; }
    CursorKind GetCursorKind() const { return m_cursorKind; }
    // Null until the view is first shown.
    CKRDEditWindow_CMR* Editor() const { return m_editor; }
    CCMRDoc& Document() const { return m_document; }
    // The permit checkbox k (0..3) in device pixels of the unscrolled view.
    QRect PermitCheckboxRect(int k) const { return m_permitRects.at(size_t(k)); }

    // CKrEditHost: keys and the wheel the editor passes on, its own menu entries.
    void EditorKeyPressed(QKeyEvent* event) override;
    void EditorWheel(QWheelEvent* event) override;
    void EditorCommand(int id) override;

protected:
    void OnDraw(QPainter& painter) override;
    void DrawFormPage1(QPainter& painter) const;
    void DrawFormPage2(QPainter& painter) const;
    void DrawBoxesPage1(QPainter& painter) const;
    void DrawBoxPage2(QPainter& painter) const;

    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void ZoomChanged() override;
    void showEvent(QShowEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;

private:
    void ReadFormSettings();
    void SetFormScrollSizes();
    // Creates the editor on first use and rebuilds an invalid layout.
    void EnsureLayout();
    void CreateEditor();
    void HandRectsToEditor();
    // Where the edit widget lies for a box: the part of it the box's text is
    // drawn in, by its alignment; device pixels of the unscrolled view.
    QRect EditRect(int index, int page) const;
    // After an alignment command: the widget moves to the current box's new
    // text area.
    void FollowAlignment();
    QRect ToDevice(const CmrLayout::CmrRect& rect) const;
    bool PermitGuardFilled() const;
    // The permit checkbox (0..3) under a point in logical units, or -1.
    int PermitCheckboxAt(const QPoint& logical) const;
    // Tab and Shift+Tab as next and previous box; true when the key was one of them.
    bool HandleTabKey(QKeyEvent* event);
    // Whether a key is an enabled shortcut of the main window.
    bool IsFrameShortcut(const QKeyEvent* event) const;
    void NextBox();
    void PreviousBox();
    void ShowPage1();
    void ShowPage2();
    void InsertAddress();
    void RunFormDefaults();
    bool IsAddressBox() const;
    void SetCursorKind(CursorKind kind);

    CCMRDoc& m_document;
    CMainFrame& m_frame;
    CKRDEditWindow_CMR* m_editor = nullptr; // child of viewport()
    QPointer<QMenu> m_contextMenu;
    std::unique_ptr<CCmrFormPainter> m_formPainter;

    int m_nFieldCount = CmrLayout::kBoxCount;
    int m_nCurrentPage = 1;
    int m_nPublisher = 0;
    int m_nFeld6Modus = 0;
    QColor m_editTextColor;
    CursorKind m_cursorKind = kCursorForm;
    std::array<QRect, CmrLayout::kPermitBoxCount> m_permitRects{};
};
