#include "widgets/views/krformview.h"

#include "core/documents/krdocument.h"
#include "core/forms/boxnavigation.h"
#include "core/forms/formtables.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/commandids.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/app/mainframe.h"
#include "widgets/editor/krdeditwindows.h"
#include "widgets/printing/dlgdruckereinmessen.h"
#include "widgets/printing/margincommand.h"
#include "widgets/printing/pdfcommand.h"
#include "widgets/printing/printcommand.h"
#include "widgets/views/boxchangemessage.h"
#include "widgets/views/boxnames.h"
#include "widgets/views/loadmessage.h"

#include <QAction>
#include <QApplication>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QRegion>
#include <QStatusBar>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

using Forms::BoxRect;

namespace {

// The mark around the current box: screen only, never printed. Orange reads on
// the white paper next to the black lines and the blue texts, in any palette.
const QColor kCurrentBoxMark(0xF0, 0x8C, 0x00);
constexpr int kCurrentBoxMarkWidth = 2; // pixels outside the box
// A box whose text the formatting changed: a red frame around the current
// box's mark and a light red over the box, long enough to be seen after the
// eye has gone on to the next box; the sentence stays longer, to be read.
const QColor kChangedBoxMark(0xD0, 0x20, 0x20);
const QColor kChangedBoxTint(0xD0, 0x20, 0x20, 0x30);
constexpr int kChangedBoxMarkMs = 4000;
constexpr int kBoxChangeMessageMs = 10000;

// Where the box texts are drawn: the edit widget sits exactly there.
constexpr int kTextShift = CFormPainter::kTextShift;
constexpr int kLeftTextInset = CFieldPainter::kLeftTextInset;
constexpr int kRightTextInset = CFieldPainter::kRightTextInset;

bool Contains(const BoxRect& r, const QPoint& p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

bool IsEditingCommand(int id)
{
    switch (id) {
    case Cmd::Undo:
    case Cmd::Redo:
    case Cmd::Cut:
    case Cmd::Copy:
    case Cmd::Paste:
    case Cmd::SelectAll:
    case Cmd::InsertMode:
    case Cmd::FontBigger:
    case Cmd::FontSmaller:
    case Cmd::Bold:
    case Cmd::AlignLeft:
    case Cmd::AlignCenter:
    case Cmd::AlignRight:
        return true;
    default:
        return false;
    }
}

} // namespace

CKRFormView::CKRFormView(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                         QWidget* parent)
    : CKRScrollViewBase(settings, parent), m_form(document.Form()), m_document(document),
      m_frame(frame)
{
    SetSection(m_form.Section());
    ComputeZoom();
    m_editTextColor =
        CFormPainter::ColorFromSetting(settings.Get(GetSection(), Settings::EditTextColor));
    ReadFormSettings();

    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_contextMenu = frame.CreateContextMenu(m_form.contextMenuId, this);
}

CKRFormView::~CKRFormView()
{
    // The editor hands its text to the store when it goes; let it go while the
    // view it reports to is still whole.
    delete m_editor;
    m_editor = nullptr;
}

void CKRFormView::ReadFormSettings()
{
    m_nPublisher = Settings().Get(GetSection(), Settings::Publisher);
    m_merged = m_form.MergedRowsOn(Settings());
    // Captions, and so the boxes' names, may depend on the publisher.
    m_boxNames.clear();
    m_followBoxNames.clear();
}

int CKRFormView::CurrentBox() const
{
    // Until the editor is made, the first box of the page is the current one.
    return m_editor ? m_editor->CurrentIndex() : 0;
}

QString CKRFormView::GuardText() const
{
    if (m_form.checkGuardBox < 0)
        return QString();
    // The text being typed counts: the clerk sees the number in the box.
    if (m_editor && m_nCurrentPage == 1 && CurrentBox() == m_form.checkGuardBox)
        return m_editor->EditedText();
    return m_document.GetStore().GetFieldText(quint16(m_form.checkGuardBox), 1);
}

int CKRFormView::CrossedCheckBox() const
{
    return m_form.CrossedCheckBox(m_document.GetCheckWord(), GuardText());
}

BoxRect CKRFormView::GetBoxRect(int index, int page) const
{
    return m_form.ScreenRect(index, page, m_nZoom, MergedGoodsRows());
}

QRect CKRFormView::ToDevice(const BoxRect& rect) const
{
    const QPoint topLeft = LogicalToDevice(QPoint(rect.left, rect.top));
    const QPoint bottomRight = LogicalToDevice(QPoint(rect.right, rect.bottom));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

int CKRFormView::CheckBoxAt(const QPoint& logical) const
{
    for (int k = 0; k < m_form.checkBoxCount; ++k)
        if (Contains(GetBoxRect(m_form.boxCount + k, 1), logical))
            return k;
    return -1;
}

// ---------------------------------------------------------------------------
// Layout and drawing

void CKRFormView::CreateEditor()
{
    CFieldStore& store = m_document.GetStore();
    m_editor = new CKRDFormEditWindow(Settings(), this);
    m_editor->Init(viewport(), store, &m_document, m_contextMenu, *viewport(), m_nZoom, Qt::black,
                   Qt::white);
    // The new editor is empty. Load the first box into it before anything
    // moves on, or the first move would store that emptiness over the text the
    // document was opened with.
    m_editor->ShowBox(0, quint16(m_nCurrentPage), EditRect(0, m_nCurrentPage));
    // Tab and Shift+Tab move between boxes, they are never typed into one.
    m_editor->installEventFilter(this);
    // The beep alone goes unheard on most desktops.
    connect(m_editor, &CKrEditWindow::inputRefused, this, [this](qsizetype count) {
        m_frame.ShowStatusMessage(CKrEditWindow::RefusedInputMessage(count));
    });
    // The cross follows the guard box as it is typed into, not only once the
    // box is left.
    connect(m_editor, &CKrEditWindow::documentModified, this, [this] {
        if (m_nCurrentPage == 1 && m_form.checkGuardBox >= 0 &&
            CurrentBox() == m_form.checkGuardBox)
            UpdateCheckBoxes();
    });
}

void CKRFormView::UpdateCheckBoxes()
{
    // The cross's pen reaches a little beyond its square.
    constexpr int kPenReach = 3;
    for (const QRect& check : m_checkRects)
        viewport()->update(check.translated(-ScrollPosition())
                               .adjusted(-kPenReach, -kPenReach, kPenReach, kPenReach));
}

QRect CKRFormView::EditRect(int index, int page) const
{
    BoxRect r = GetBoxRect(index, page);
    quint16 alignment = CFieldStore::kAlignLeft;
    try {
        alignment = m_document.GetStore().GetAlignment(quint16(index), quint16(page));
    } catch (const CInvalidArgException&) {
        // a box the store lacks shows left-aligned
    }
    // The edit widget covers the part of the box its text is drawn in, so that
    // the text stays in place when the box becomes current or is left. Its
    // right edge never passes the box's own, which would hide the frame line.
    if (alignment == CFieldStore::kAlignRight) {
        r.left += kTextShift;
        r.right += kTextShift - kRightTextInset;
    } else if (alignment == CFieldStore::kAlignCenter) {
        r.left += kTextShift;
    } else {
        r.left += kTextShift + kLeftTextInset;
    }
    return ToDevice(r);
}

void CKRFormView::PlaceCheckBoxes()
{
    m_checkRects.clear();
    for (int k = 0; k < m_form.checkBoxCount; ++k)
        m_checkRects.append(ToDevice(GetBoxRect(m_form.boxCount + k, 1)));
}

void CKRFormView::FollowAlignment()
{
    if (m_editor)
        m_editor->MoveTo(EditRect(CurrentBox(), m_nCurrentPage));
}

void CKRFormView::RebuildLayout()
{
    RebuildLayout(false);
}

void CKRFormView::RebuildLayout(bool keepCurrentBox)
{
    if (m_nZoom < ViewZoom::kMinZoom)
        ComputeZoom();
    if (const int fitted = FittedZoom())
        m_nZoom = qint16(fitted);
    const int zoom = m_nZoom;
    SetFormScrollSizes();
    m_formPainter = std::make_unique<CFormPainter>(m_form, zoom);
    m_formPainter->KeepPage(m_active);

    PlaceCheckBoxes();
    if (m_editor) {
        m_editor->CreateScreenFonts(*viewport(), zoom);
        if (keepCurrentBox) {
            m_editor->MoveTo(EditRect(CurrentBox(), m_nCurrentPage));
        } else {
            m_editor->Commit();
            m_editor->ShowBox(0, quint16(m_nCurrentPage), EditRect(0, m_nCurrentPage));
            m_editor->setFocus();
            // The editor took the focus without the view having it first.
            UpdateStatusText();
        }
    }
    SetLayoutValid();
    CurrentBoxChanged();
}

void CKRFormView::EnsureLayout()
{
    if (!m_editor)
        CreateEditor();
    if (!IsLayoutValid())
        RebuildLayout();
}

void CKRFormView::showEvent(QShowEvent* event)
{
    CKRScrollViewBase::showEvent(event);
    EnsureLayout();
}

void CKRFormView::OnActivateView(bool active)
{
    m_active = active;
    if (m_formPainter)
        m_formPainter->KeepPage(active);
}

bool CKRFormView::KeepsPagePicture() const
{
    return m_formPainter && m_formPainter->KeepsPage();
}

void CKRFormView::ZoomChanged()
{
    EnsureLayout();
}

void CKRFormView::ZoomFollowedWindow()
{
    // The window's size is no reason to leave the box being typed into.
    if (m_editor)
        RebuildLayout(true);
}

ViewZoom::FitTarget CKRFormView::FitTarget() const
{
    // The document size is kept in millimetres.
    const QString section = GetSection();
    return {QSize(m_form.sheetWidth, m_form.sheetHeight),
            QSize(Settings().Get(section, Settings::DocWidth) * 10,
                  Settings().Get(section, Settings::DocLength) * 10)};
}

void CKRFormView::paintEvent(QPaintEvent* event)
{
    // Placing the editor, changing the scroll range and showing the status
    // text must not happen while the window is being painted. Should the
    // layout have been invalidated without a chance to rebuild it, it is
    // rebuilt right after this painting.
    if (!m_editor || !IsLayoutValid()) {
        QTimer::singleShot(0, this, [this] {
            EnsureLayout();
            viewport()->update();
        });
        return;
    }
    CKRScrollViewBase::paintEvent(event);
}

void CKRFormView::OnDraw(QPainter& painter)
{
    if (!m_formPainter)
        return;
    // Paper is white whatever the desktop's colours; the desk around it is the
    // viewport's background.
    if (m_editor) {
        m_formPainter->DrawPage(painter, m_nCurrentPage, m_nPublisher, m_editor->Painter(),
                                m_document.GetStore(), CrossedCheckBox(), MergedGoodsRows(),
                                m_editTextColor);
    } else {
        const int zoom = m_formPainter->Zoom();
        painter.fillRect(QRect(0, 0, FormTables::Scale(m_form.sheetWidth, zoom),
                               FormTables::Scale(m_form.sheetHeight, zoom)),
                         Qt::white);
        m_formPainter->DrawForm(painter, m_nCurrentPage, m_nPublisher);
    }
    DrawCurrentBoxMark(painter);
    DrawChangedBoxMark(painter);
}

QRect CKRFormView::CurrentBoxMarkRect() const
{
    if (!m_editor || !IsLayoutValid())
        return QRect();
    const int w = kCurrentBoxMarkWidth;
    return ToDevice(GetBoxRect(CurrentBox(), m_nCurrentPage)).adjusted(-w, -w, w, w);
}

void CKRFormView::DrawCurrentBoxMark(QPainter& painter) const
{
    if (m_markRect.isEmpty())
        return;
    // In pixels, so that the frame is as thin at every zoom; it lies just
    // outside the box, where the edit widget does not cover it.
    const QRect outer = m_markRect.translated(-ScrollPosition());
    const int w = kCurrentBoxMarkWidth;
    painter.save();
    painter.resetTransform();
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(outer.adjusted(w, w, -w, -w))));
    painter.fillRect(outer, kCurrentBoxMark);
    painter.restore();
}

void CKRFormView::ShowBoxChange(const Forms::BoxChange& change)
{
    m_frame.statusBar()->showMessage(BoxChangeMessage(change), kBoxChangeMessageMs);
    if (!m_changedBoxTimer) {
        m_changedBoxTimer = new QTimer(this);
        m_changedBoxTimer->setSingleShot(true);
        connect(m_changedBoxTimer, &QTimer::timeout, this, [this] {
            viewport()->update(ChangedBoxMarkRect().translated(-ScrollPosition()));
            m_changedBox = -1;
        });
    }
    viewport()->update(ChangedBoxMarkRect().translated(-ScrollPosition()));
    m_changedBox = change.box;
    m_changedBoxTimer->start(kChangedBoxMarkMs);
    viewport()->update(ChangedBoxMarkRect().translated(-ScrollPosition()));
}

QRect CKRFormView::ChangedBoxMarkRect() const
{
    if (m_changedBox < 0 || m_nCurrentPage != 1 || !m_editor || !IsLayoutValid())
        return QRect();
    const int w = 2 * kCurrentBoxMarkWidth;
    return ToDevice(GetBoxRect(m_changedBox, 1)).adjusted(-w, -w, w, w);
}

void CKRFormView::DrawChangedBoxMark(QPainter& painter) const
{
    const QRect outer = ChangedBoxMarkRect().translated(-ScrollPosition());
    if (outer.isEmpty())
        return;
    const int w = kCurrentBoxMarkWidth;
    painter.save();
    painter.resetTransform();
    painter.fillRect(outer.adjusted(2 * w, 2 * w, -2 * w, -2 * w), kChangedBoxTint);
    painter.setClipRegion(QRegion(outer).subtracted(QRegion(outer.adjusted(w, w, -w, -w))));
    painter.fillRect(outer, kChangedBoxMark);
    painter.restore();
}

void CKRFormView::CurrentBoxChanged()
{
    const QRect mark = CurrentBoxMarkRect();
    if (mark != m_markRect) {
        const QPoint scroll = ScrollPosition();
        viewport()->update(m_markRect.translated(-scroll));
        viewport()->update(mark.translated(-scroll));
        m_markRect = mark;
    }
    if (m_editor) {
        const BoxName name = NameOf(CurrentBox(), m_nCurrentPage);
        m_editor->setAccessibleName(name.name);
        m_editor->setAccessibleDescription(name.description);
    }
}

BoxName CKRFormView::NameOf(int index, int page) const
{
    QVector<BoxName>& names = page == 1 ? m_boxNames : m_followBoxNames;
    if (names.isEmpty())
        names = BoxNames(m_form, page == 1 ? 1 : 2, m_nPublisher);
    return names.value(page == 1 ? index : 0);
}

// ---------------------------------------------------------------------------
// Boxes and pages

void CKRFormView::GoToBox(int index)
{
    if (MergedGoodsRows() && m_nCurrentPage == 1)
        index = m_form.mergedRows->Target(index);
    CFieldStore& store = m_document.GetStore();
    if (!m_editor || !store.Exists(quint16(qBound(0, index, 0xFFFF)), quint16(m_nCurrentPage)) ||
        index < 0 || index > 0xFFFF)
        return;
    // The one place where typed text reaches the store: the box being left.
    const int left = CurrentBox();
    m_editor->Commit();
    if (m_form.leaveBox && m_nCurrentPage == 1) {
        if (const Forms::BoxChange change = m_form.leaveBox(store, Settings(), left))
            ShowBoxChange(change);
    }
    m_editor->ShowBox(quint16(index), quint16(m_nCurrentPage), EditRect(index, m_nCurrentPage));
    // Leaving the guard box may switch the check box cross on or off; the
    // form's formatting may have rewritten other boxes.
    if (m_nCurrentPage == 1 && (left == m_form.checkGuardBox || m_form.leaveBox))
        RedrawNow();
    m_editor->setFocus();
    m_editor->ScrollIntoView();
    UpdateStatusText();
    CurrentBoxChanged();
}

void CKRFormView::NextBox()
{
    if (m_nCurrentPage == 1)
        GoToBox(::NextBox(m_form.boxCount, CurrentBox(), MergedGoodsRows()));
}

void CKRFormView::PreviousBox()
{
    if (m_nCurrentPage == 1)
        GoToBox(::PreviousBox(m_form.boxCount, CurrentBox(), MergedGoodsRows()));
}

void CKRFormView::ShowPage(int page)
{
    if (m_nCurrentPage == page || page < 1 || page > m_form.pageCount)
        return;
    // Scrolling first places the editor for the new scroll position; the
    // activation stores the text of the page being left before it loads box 0.
    ScrollToPosition(QPoint(0, 0));
    if (m_editor)
        m_editor->Commit();
    m_nCurrentPage = page;
    if (m_editor)
        m_editor->ShowBox(0, quint16(page), EditRect(0, page));
    CurrentBoxChanged();
    RedrawNow();
    UpdateStatusText();
}

bool CKRFormView::IsAddressBox() const
{
    return m_nCurrentPage == 1 && m_form.IsAddressBox(CurrentBox());
}

void CKRFormView::InsertAddress()
{
    if (!m_insertAddressHook || !IsAddressBox())
        return;
    const std::optional<QString> text = m_insertAddressHook(this);
    if (!text)
        return;
    m_document.GetStore().SetFieldText(quint16(CurrentBox()), *text, 1);
    m_editor->Reload();
    GoToBox(CurrentBox());
    m_document.SetModifiedFlag();
}

void CKRFormView::RunFormDefaults()
{
    if (!m_formDefaultsHook)
        return;
    m_formDefaultsHook(this);
    ReadFormSettings();
    // Merging the goods rows changes the size of their first boxes; the editor
    // must learn it now, not only at the next zoom change.
    PlaceCheckBoxes();
    if (m_editor && IsLayoutValid())
        GoToBox(CurrentBox());
    RedrawNow();
}

void CKRFormView::UpdateStatusText()
{
    if (m_editor)
        m_frame.SetStatusText(m_editor->InsertModeStatusText());
}

void CKRFormView::CommitCurrentField()
{
    if (m_editor)
        GoToBox(CurrentBox());
}

void CKRFormView::SetFormScrollSizes()
{
    // The document size is kept in millimetres, which times the zoom gives
    // logical units; a page step is 50 x 70 mm.
    const QString section = GetSection();
    SetScrollSizes(QSize(Settings().Get(section, Settings::DocWidth) * m_nZoom,
                         Settings().Get(section, Settings::DocLength) * m_nZoom),
                   QSize(50 * m_nZoom, 70 * m_nZoom));
}

void CKRFormView::OnInitialUpdate()
{
    SetFormScrollSizes();
    ScrollToPosition(QPoint(0, 0));
    ShowLoadMessage(this, m_document.GetLoadError());
}

// ---------------------------------------------------------------------------
// Commands

bool CKRFormView::OnCommand(int id)
{
    switch (id) {
    case Cmd::NextField:
        NextBox();
        return true;
    case Cmd::PreviousField:
        PreviousBox();
        return true;
    case Cmd::Page1:
    case Cmd::Page2:
        if (m_form.pageCount < 2)
            return false;
        ShowPage(id == Cmd::Page1 ? 1 : 2);
        return true;
    case Cmd::InsertAddress:
        InsertAddress();
        return true;
    case Cmd::FormDefaults:
        RunFormDefaults();
        return true;
    case Cmd::Margins:
        EditPrintMargins(Settings(), m_form, this, CHelpTopicScope::ShowTopic);
        return true;
    case Cmd::CalibratePrinter:
        RunPrinterCalibration(m_form, Settings(), m_frame, m_nCurrentPage, this);
        return true;
    case Cmd::Print:
        CommitCurrentField();
        RunPrintCommand(m_document, Settings(), m_frame, this);
        RedrawNow();
        return true;
    case Cmd::PrintSetup:
        RunPrintSetup(m_form.type, Settings(), m_frame, this);
        return true;
    case Cmd::PrintPreview:
        CommitCurrentField();
        RunPrintPreview(m_document, Settings(), m_frame, this, m_nCurrentPage);
        RedrawNow();
        return true;
    case Cmd::SaveAsPdf:
        CommitCurrentField();
        RunSaveAsPdf(m_document, Settings(), this);
        return true;
    default:
        break;
    }
    if (OnZoomCommand(id))
        return true;
    if (IsEditingCommand(id)) {
        if (!m_editor)
            return true;
        const bool handled = m_editor->OnCommand(id);
        if (id == Cmd::AlignLeft || id == Cmd::AlignCenter || id == Cmd::AlignRight)
            FollowAlignment();
        return handled;
    }
    return false;
}

bool CKRFormView::OnUpdateCommand(int id, CommandState& state)
{
    switch (id) {
    case Cmd::NextField:
    case Cmd::PreviousField:
    case Cmd::Margins:
    case Cmd::CalibratePrinter:
    case Cmd::Print:
    case Cmd::PrintSetup:
    case Cmd::PrintPreview:
    case Cmd::SaveAsPdf:
        state.enabled = true;
        return true;
    case Cmd::Page1:
    case Cmd::Page2:
        if (m_form.pageCount < 2)
            return false;
        state.enabled = true;
        state.checked = m_nCurrentPage == (id == Cmd::Page1 ? 1 : 2);
        return true;
    case Cmd::InsertAddress:
        state.enabled = m_insertAddressHook && IsAddressBox();
        return true;
    case Cmd::FormDefaults:
        state.enabled = bool(m_formDefaultsHook);
        return true;
    default:
        break;
    }
    if (OnUpdateZoomCommand(id, state))
        return true;
    if (IsEditingCommand(id)) {
        if (m_editor)
            return m_editor->OnUpdateCommand(id, state);
        state.enabled = false;
        state.checked = false;
        return true;
    }
    return false;
}

void CKRFormView::EditorCommand(int id)
{
    OnCommand(id);
}

// ---------------------------------------------------------------------------
// Keyboard and mouse

bool CKRFormView::HandleTabKey(QKeyEvent* event)
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return false;
    if (event->key() == Qt::Key_Backtab ||
        (event->key() == Qt::Key_Tab && (modifiers & Qt::ShiftModifier)))
        OnCommand(Cmd::PreviousField);
    else if (event->key() == Qt::Key_Tab)
        OnCommand(Cmd::NextField);
    else
        return false;
    return true;
}

bool CKRFormView::event(QEvent* event)
{
    // Before QWidget's own Tab handling, which would move the focus away.
    if (event->type() == QEvent::KeyPress && HandleTabKey(static_cast<QKeyEvent*>(event)))
        return true;
    return CKRScrollViewBase::event(event);
}

bool CKRFormView::IsFrameShortcut(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event->key())));
    const QList<QAction*> actions = m_frame.actions();
    return std::any_of(actions.cbegin(), actions.cend(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool CKRFormView::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_editor && m_editor) {
        if (event->type() == QEvent::ShortcutOverride) {
            auto* key = static_cast<QKeyEvent*>(event);
            // The main window's keys come before the edit widget's own, so that
            // Tab moves on and Ctrl+Z centres instead of being typed or undoing.
            // The Insert key stays the editor's: it switches the mode without
            // the status line, which catches up at the next move.
            const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
            if (key->key() == Qt::Key_Insert && modifiers == Qt::NoModifier) {
                key->accept();
                return true;
            }
            if (IsFrameShortcut(key))
                return true; // left unclaimed: the window's shortcut runs
        } else if (event->type() == QEvent::KeyPress) {
            // No window shortcut took the key (the view is not in a main window,
            // or the command is disabled there): carry it out here.
            if (HandleTabKey(static_cast<QKeyEvent*>(event)))
                return true;
        }
    }
    return CKRScrollViewBase::eventFilter(watched, event);
}

void CKRFormView::EditorKeyPressed(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
        ScrollByUnits(0, kPageScrollUnits);
        break;
    case Qt::Key_PageUp:
        ScrollByUnits(0, -kPageScrollUnits);
        break;
    case Qt::Key_Home:
        if (m_form.homeScrollsToTop)
            ScrollToTop();
        break;
    case Qt::Key_Down:
    case Qt::Key_Up:
        if (m_nCurrentPage == 1) {
            const int target = m_form.ArrowTarget(event->key() == Qt::Key_Down, CurrentBox());
            if (target >= 0)
                GoToBox(target);
        }
        break;
    default:
        break;
    }
}

void CKRFormView::EditorWheel(QWheelEvent* event)
{
    CKRScrollViewBase::wheelEvent(event);
}

void CKRFormView::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_PageUp:
    case Qt::Key_Home:
    case Qt::Key_Down:
    case Qt::Key_Up:
        EditorKeyPressed(event);
        return;
    default:
        CKRScrollViewBase::keyPressEvent(event);
    }
}

void CKRFormView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CKRScrollViewBase::mousePressEvent(event);
        return;
    }
    if (m_nCurrentPage == 1) {
        const QPoint point = DeviceToLogical(event->position().toPoint() + ScrollPosition());
        for (int i = 0; i < m_form.boxCount; ++i) {
            if (Contains(GetBoxRect(i, 1), point)) {
                GoToBox(i);
                return;
            }
        }
        const int k = CheckBoxAt(point);
        if (k >= 0 && m_form.CheckBoxesActive(GuardText())) {
            ClickCheckBox(k);
            return;
        }
    }
    QApplication::beep();
    CKRScrollViewBase::mousePressEvent(event);
}

void CKRFormView::ClickCheckBox(int k)
{
    // The check boxes act as one choice: crossing one takes the cross from the
    // others. Crossing the crossed one again changes nothing.
    const quint16 word = quint16(k + 1);
    if (m_document.GetCheckWord() == word)
        return;
    m_document.SetCheckWord(word);
    m_document.SetModifiedFlag();
    RedrawNow();
}

void CKRFormView::contextMenuEvent(QContextMenuEvent* event)
{
    // A cross can be removed where it is seen: over its own square.
    const int k = m_nCurrentPage == 1 && event->reason() == QContextMenuEvent::Mouse
                      ? CheckBoxAt(DeviceToLogical(event->pos() + ScrollPosition()))
                      : -1;
    if (k < 0 || !m_contextMenu || k != CrossedCheckBox()) {
        CKRScrollViewBase::contextMenuEvent(event);
        return;
    }
    QAction remove(tr("Kreuz entfernen"));
    connect(&remove, &QAction::triggered, this, &CKRFormView::RemoveCross);
    QAction separator;
    separator.setSeparator(true);
    QAction* first = m_contextMenu->actions().value(0);
    m_contextMenu->insertActions(first, {&remove, &separator});
    m_contextMenu->exec(event->globalPos());
    // The menu is the view's for the editor as well; the entry belongs to
    // this square only.
    if (m_contextMenu) {
        m_contextMenu->removeAction(&remove);
        m_contextMenu->removeAction(&separator);
    }
}

void CKRFormView::RemoveCross()
{
    if (m_document.GetCheckWord() == 0)
        return;
    m_document.SetCheckWord(0);
    m_document.SetModifiedFlag();
    RedrawNow();
}

void CKRFormView::mouseMoveEvent(QMouseEvent* event)
{
    CursorKind kind = kCursorForm;
    if (m_nCurrentPage == 1 && m_editor) {
        const QPoint device = event->position().toPoint() + ScrollPosition();
        const QPoint logical = DeviceToLogical(device);
        for (int i = 0; i < m_form.boxCount && kind == kCursorForm; ++i)
            if (Contains(GetBoxRect(i, 1), logical))
                kind = kCursorBox;
        if (kind == kCursorForm && m_form.CheckBoxesActive(GuardText())) {
            for (const QRect& check : m_checkRects)
                if (check.contains(device))
                    kind = kCursorCheckBox;
        }
    }
    SetCursorKind(kind);
    CKRScrollViewBase::mouseMoveEvent(event);
}

void CKRFormView::SetCursorKind(CursorKind kind)
{
    if (kind == m_cursorKind)
        return;
    m_cursorKind = kind;
    switch (kind) {
    case kCursorBox:
        viewport()->setCursor(Qt::IBeamCursor);
        break;
    case kCursorCheckBox:
        viewport()->setCursor(Qt::PointingHandCursor);
        break;
    default:
        viewport()->setCursor(Qt::ArrowCursor);
        break;
    }
}

void CKRFormView::focusInEvent(QFocusEvent* event)
{
    CKRScrollViewBase::focusInEvent(event);
    UpdateStatusText();
    if (m_editor)
        m_editor->setFocus();
}
