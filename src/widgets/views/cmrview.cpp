#include "views/cmrview.h"

#include "app/commandids.h"
#include "app/helptopicscope.h"
#include "app/mainframe.h"
#include "documents/archiveexception.h"
#include "documents/cmrdoc.h"
#include "editor/krdeditwindows.h"
#include "printing/margincommand.h"
#include "printing/printcommand.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "views/boxnavigation.h"
#include "views/loadmessage.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

#include <algorithm>

using namespace CmrLayout;

namespace {

// Where the box texts are drawn: the edit widget sits exactly there.
constexpr int kTextShift = CCmrFormPainter::kTextShift;
constexpr int kLeftTextInset = CFieldPainter::kLeftTextInset;
constexpr int kRightTextInset = CFieldPainter::kRightTextInset;

bool Contains(const CmrRect& r, const QPoint& p)
{
    return p.x() >= r.left && p.x() < r.right && p.y() >= r.top && p.y() < r.bottom;
}

bool IsEditingCommand(int id)
{
    switch (id) {
    case Cmd::Undo:
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

CCMRView::CCMRView(CCMRDoc& document, CSettingsStore& settings, CMainFrame& frame, QWidget* parent)
    : CKRScrollViewBase(settings, parent), m_document(document), m_frame(frame)
{
    SetSection(GetFormTypeInfo(FormType::Cmr).section);
    ComputeZoom();
    m_editTextColor =
        CCmrFormPainter::ColorFromSetting(settings.Get(GetSection(), Settings::EditTextColor));
    ReadFormSettings();

    setFocusPolicy(Qt::StrongFocus);
    viewport()->setMouseTracking(true);
    m_contextMenu = frame.CreateContextMenu(kContextMenuId, this);
}

CCMRView::~CCMRView()
{
    // The editor hands its text to the store when it goes; let it go while the
    // view it reports to is still whole.
    delete m_editor;
    m_editor = nullptr;
}

void CCMRView::ReadFormSettings()
{
    m_nPublisher = Settings().Get(GetSection(), Settings::Publisher);
    m_nFeld6Modus = Settings().Get(GetSection(), Settings::MergedGoodsRows);
}

int CCMRView::CurrentBox() const
{
    return m_document.GetStore().GetCurrentField();
}

CmrRect CCMRView::GetBoxRect(int index, int page) const
{
    return CmrLayout::GetBoxRect(index, page, m_nZoom, MergedGoodsRows());
}

QRect CCMRView::ToDevice(const CmrRect& rect) const
{
    const QPoint topLeft = LogicalToDevice(QPoint(rect.left, rect.top));
    const QPoint bottomRight = LogicalToDevice(QPoint(rect.right, rect.bottom));
    return QRect(topLeft, bottomRight - QPoint(1, 1));
}

bool CCMRView::PermitGuardFilled() const
{
    return CCmrFormPainter::PermitGuardFilled(m_document.GetStore());
}

int CCMRView::PermitCheckboxAt(const QPoint& logical) const
{
    for (int k = 0; k < kPermitBoxCount; ++k)
        if (Contains(GetBoxRect(kFirstPermitBox + k, 1), logical))
            return k;
    return -1;
}

// ---------------------------------------------------------------------------
// Layout and drawing

void CCMRView::CreateEditor()
{
    CFieldStore& store = m_document.GetStore();
    m_editor = new CKRDEditWindow_CMR(Settings(), this);
    m_editor->Init(viewport(), kControlId, store, &m_document, m_contextMenu, *viewport(), m_nZoom,
                   Qt::black, Qt::white);
    // The new editor is empty. Load the current box into it before anything
    // activates a box, or the first activation would store that emptiness over
    // the text the document was opened with.
    const quint16 current = store.GetCurrentField();
    const quint16 page = store.GetCurrentPage();
    m_editor->FieldActivated(current, page, store.GetFieldText(current, page));
    // Tab and Shift+Tab move between boxes, they are never typed into one.
    m_editor->installEventFilter(this);
}

QRect CCMRView::EditRect(int index, int page) const
{
    CmrRect r = GetBoxRect(index, page);
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

void CCMRView::HandRectsToEditor()
{
    CFieldStore& store = m_document.GetStore();
    for (int i = 0; i < m_nFieldCount; ++i)
        store.SetFieldRect(quint16(i), EditRect(i, 1));
    store.SetFollowFieldRect(0, EditRect(0, 2));
    for (int k = 0; k < kPermitBoxCount; ++k)
        m_permitRects[size_t(k)] = ToDevice(GetBoxRect(kFirstPermitBox + k, 1));
}

void CCMRView::FollowAlignment()
{
    CFieldStore& store = m_document.GetStore();
    const quint16 current = store.GetCurrentField();
    if (m_nCurrentPage == 1)
        store.SetFieldRect(current, EditRect(current, 1));
    else
        store.SetFollowFieldRect(current, EditRect(current, 2));
    store.CommitCurrent(); // places the widget on the new rectangle
}

void CCMRView::RebuildLayout()
{
    if (m_nZoom < ViewZoom::kMinZoom)
        ComputeZoom();
    const int zoom = m_nZoom;
    SetFormScrollSizes();
    m_formPainter = std::make_unique<CCmrFormPainter>(zoom);

    HandRectsToEditor();
    if (m_editor) {
        m_editor->CreateScreenFonts(*viewport(), zoom);
        m_document.GetStore().ActivateField(0, quint16(m_nCurrentPage));
        m_editor->setFocus();
        // The editor took the focus without the view having it first.
        UpdateStatusText();
    }
    SetLayoutValid();
}

void CCMRView::EnsureLayout()
{
    if (!m_editor)
        CreateEditor();
    if (!IsLayoutValid())
        RebuildLayout();
}

void CCMRView::showEvent(QShowEvent* event)
{
    CKRScrollViewBase::showEvent(event);
    EnsureLayout();
}

void CCMRView::ZoomChanged()
{
    EnsureLayout();
}

void CCMRView::paintEvent(QPaintEvent* event)
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

void CCMRView::OnDraw(QPainter& painter)
{
    if (!m_formPainter)
        return;
    m_formPainter->DrawSurround(painter);
    if (m_nCurrentPage == 1) {
        DrawFormPage1(painter);
        DrawBoxesPage1(painter);
    } else {
        DrawFormPage2(painter);
        DrawBoxPage2(painter);
    }
}

void CCMRView::DrawFormPage1(QPainter& painter) const
{
    m_formPainter->DrawFormPage1(painter, m_nPublisher);
}

void CCMRView::DrawFormPage2(QPainter& painter) const
{
    m_formPainter->DrawFormPage2(painter);
}

void CCMRView::DrawBoxesPage1(QPainter& painter) const
{
    if (!m_editor)
        return;
    m_formPainter->DrawBoxesPage1(painter, m_editor->Painter(), m_document.GetStore(),
                                  m_document.m_wPermitType, MergedGoodsRows(), m_editTextColor);
}

void CCMRView::DrawBoxPage2(QPainter& painter) const
{
    if (!m_editor)
        return;
    m_formPainter->DrawBoxPage2(painter, m_editor->Painter(), m_document.GetStore(),
                                m_editTextColor);
}

// ---------------------------------------------------------------------------
// Boxes and pages

void CCMRView::GoToBox(int index)
{
    if (MergedGoodsRows() && m_nCurrentPage == 1)
        index = MergedGoodsTarget(index);
    if (index < 0 || index > 0xFFFF)
        return;
    CFieldStore& store = m_document.GetStore();
    const int left = store.GetCurrentField();
    store.ActivateField(quint16(index), 0);
    // Leaving the guard box may switch the permit cross on or off.
    if (left == kPermitGuardBox && m_nCurrentPage == 1)
        RedrawNow();
    if (m_editor) {
        m_editor->setFocus();
        m_editor->ScrollIntoView();
    }
    UpdateStatusText();
}

void CCMRView::NextBox()
{
    if (m_nCurrentPage == 1)
        GoToBox(::NextBox(m_nFieldCount, CurrentBox(), MergedGoodsRows()));
}

void CCMRView::PreviousBox()
{
    if (m_nCurrentPage == 1)
        GoToBox(::PreviousBox(m_nFieldCount, CurrentBox(), MergedGoodsRows()));
}

void CCMRView::ShowPage1()
{
    if (m_nCurrentPage == 1)
        return;
    // Scrolling first places the editor for the new scroll position; the
    // activation stores the text of the back page before it loads box 0.
    ScrollToPosition(QPoint(0, 0));
    m_nCurrentPage = 1;
    m_document.GetStore().ActivateField(0, 1);
    RedrawNow();
    UpdateStatusText();
}

void CCMRView::ShowPage2()
{
    if (m_nCurrentPage == 2)
        return;
    ScrollToPosition(QPoint(0, 0));
    m_nCurrentPage = 2;
    m_document.GetStore().ActivateField(0, 2);
    RedrawNow();
    UpdateStatusText();
}

bool CCMRView::IsAddressBox() const
{
    return m_nCurrentPage == 1 && ::IsAddressBox(FormType::Cmr, CurrentBox());
}

void CCMRView::InsertAddress()
{
    if (!m_insertAddressHook || !IsAddressBox())
        return;
    const std::optional<QString> text = m_insertAddressHook(this);
    if (!text)
        return;
    m_document.GetStore().SetCurrentText(*text);
    GoToBox(CurrentBox());
    m_document.SetModifiedFlag();
}

void CCMRView::RunFormDefaults()
{
    if (!m_formDefaultsHook)
        return;
    m_formDefaultsHook(this);
    ReadFormSettings();
    // Merging the goods rows changes the size of their first boxes; the editor
    // must learn it now, not only at the next zoom change.
    HandRectsToEditor();
    if (m_editor && IsLayoutValid())
        GoToBox(CurrentBox());
    RedrawNow();
}

void CCMRView::UpdateStatusText()
{
    if (m_editor)
        m_frame.SetStatusText(m_editor->InsertModeStatusText());
}

void CCMRView::CommitCurrentField()
{
    if (m_editor)
        GoToBox(CurrentBox());
}

void CCMRView::SetFormScrollSizes()
{
    // The document size is kept in millimetres, which times the zoom gives
    // logical units; a page step is 50 x 70 mm.
    const QString section = GetSection();
    SetScrollSizes(QSize(Settings().Get(section, Settings::DocWidth) * m_nZoom,
                         Settings().Get(section, Settings::DocLength) * m_nZoom),
                   QSize(50 * m_nZoom, 70 * m_nZoom));
}

void CCMRView::OnInitialUpdate()
{
    SetFormScrollSizes();
    ScrollToPosition(QPoint(0, 0));
    ShowLoadMessage(this, m_document.GetLoadError());
}

// ---------------------------------------------------------------------------
// Commands

bool CCMRView::OnCommand(int id)
{
    switch (id) {
    case Cmd::NextField:
        NextBox();
        return true;
    case Cmd::PreviousField:
        PreviousBox();
        return true;
    case Cmd::Page1:
        ShowPage1();
        return true;
    case Cmd::Page2:
        ShowPage2();
        return true;
    case Cmd::InsertAddress:
        InsertAddress();
        return true;
    case Cmd::FormDefaults:
        RunFormDefaults();
        return true;
    case Cmd::Margins:
        EditPrintMargins(Settings(), FormType::Cmr, this, CHelpTopicScope::ShowTopic);
        return true;
    case Cmd::Print:
        CommitCurrentField();
        RunPrintCommand(m_document, Settings(), m_frame, this);
        RedrawNow();
        return true;
    case Cmd::PrintSetup:
        RunPrintSetup(FormType::Cmr, Settings(), m_frame, this);
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

bool CCMRView::OnUpdateCommand(int id, CommandState& state)
{
    switch (id) {
    case Cmd::NextField:
    case Cmd::PreviousField:
    case Cmd::Margins:
    case Cmd::Print:
    case Cmd::PrintSetup:
        state.enabled = true;
        return true;
    case Cmd::Page1:
    case Cmd::Page2:
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

void CCMRView::EditorCommand(int id)
{
    OnCommand(id);
}

// ---------------------------------------------------------------------------
// Keyboard and mouse

bool CCMRView::HandleTabKey(QKeyEvent* event)
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

bool CCMRView::event(QEvent* event)
{
    // Before QWidget's own Tab handling, which would move the focus away.
    if (event->type() == QEvent::KeyPress && HandleTabKey(static_cast<QKeyEvent*>(event)))
        return true;
    return CKRScrollViewBase::event(event);
}

bool CCMRView::IsFrameShortcut(const QKeyEvent* event) const
{
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    const QKeySequence pressed(QKeyCombination(modifiers, Qt::Key(event->key())));
    const QList<QAction*> actions = m_frame.actions();
    return std::any_of(actions.cbegin(), actions.cend(), [&pressed](const QAction* action) {
        return action->isEnabled() && action->shortcuts().contains(pressed);
    });
}

bool CCMRView::eventFilter(QObject* watched, QEvent* event)
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

void CCMRView::EditorKeyPressed(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageDown)
        ScrollByUnits(0, kPageScrollUnits);
    else if (event->key() == Qt::Key_PageUp)
        ScrollByUnits(0, -kPageScrollUnits);
}

void CCMRView::EditorWheel(QWheelEvent* event)
{
    CKRScrollViewBase::wheelEvent(event);
}

void CCMRView::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_PageDown || event->key() == Qt::Key_PageUp) {
        EditorKeyPressed(event);
        return;
    }
    CKRScrollViewBase::keyPressEvent(event);
}

void CCMRView::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        CKRScrollViewBase::mousePressEvent(event);
        return;
    }
    if (m_nCurrentPage == 1) {
        const QPoint point = DeviceToLogical(event->position().toPoint() + ScrollPosition());
        for (int i = 0; i < m_nFieldCount; ++i) {
            if (Contains(GetBoxRect(i, 1), point)) {
                GoToBox(i);
                return;
            }
        }
        const int k = PermitCheckboxAt(point);
        if (k >= 0 && PermitGuardFilled()) {
            const quint16 type = quint16(k + 1);
            if (m_document.m_wPermitType != type) {
                m_document.SetModifiedFlag();
                m_document.m_wPermitType = type;
                RedrawNow();
            }
            return;
        }
    }
    QApplication::beep();
    CKRScrollViewBase::mousePressEvent(event);
}

void CCMRView::mouseMoveEvent(QMouseEvent* event)
{
    CursorKind kind = kCursorForm;
    if (m_nCurrentPage == 1 && m_editor) {
        const QPoint device = event->position().toPoint() + ScrollPosition();
        const QPoint logical = DeviceToLogical(device);
        for (int i = 0; i < m_nFieldCount && kind == kCursorForm; ++i)
            if (Contains(GetBoxRect(i, 1), logical))
                kind = kCursorBox;
        if (kind == kCursorForm && PermitGuardFilled()) {
            for (const QRect& permit : m_permitRects)
                if (permit.contains(device))
                    kind = kCursorPermit;
        }
    }
    SetCursorKind(kind);
    CKRScrollViewBase::mouseMoveEvent(event);
}

void CCMRView::SetCursorKind(CursorKind kind)
{
    if (kind == m_cursorKind)
        return;
    m_cursorKind = kind;
    switch (kind) {
    case kCursorBox:
        viewport()->setCursor(Qt::IBeamCursor);
        break;
    case kCursorPermit:
        viewport()->setCursor(Qt::PointingHandCursor);
        break;
    default:
        viewport()->setCursor(Qt::ArrowCursor);
        break;
    }
}

void CCMRView::focusInEvent(QFocusEvent* event)
{
    CKRScrollViewBase::focusInEvent(event);
    UpdateStatusText();
    if (m_editor)
        m_editor->setFocus();
}
