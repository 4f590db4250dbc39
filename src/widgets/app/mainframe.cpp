#include "widgets/app/mainframe.h"

#include "core/documents/krdocument.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/childframe.h"
#include "widgets/app/commandids.h"
#include "widgets/app/commandprompts.h"
#include "widgets/app/commands.h"
#include "widgets/views/formview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QMessageBox>
#include <QMimeData>
#include <QPrinterInfo>
#include <QSettings>
#include <QStatusBar>
#include <QTimer>
#include <QToolBar>

namespace {

constexpr int kNoDocumentMenu = 128;
constexpr int kInsertPaneWidth = 100;
constexpr qsizetype kPrinterNameBuffer = 390;
// The window layout kept in section "Workspace"; its inner layout is ours.
const char* const kGeometryKey = "Workspace/Geometry";
const char* const kStateKey = "Workspace/State";

} // namespace

CMainFrame::CMainFrame(CSettingsStore& settings, QWidget* parent)
    : QMainWindow(parent), m_settings(settings), m_mdiArea(new QMdiArea(this)),
      m_printer(std::make_unique<QPrinter>(QPrinter::HighResolution))
{
    setObjectName(QStringLiteral("MainFrame"));
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setTabsMovable(true);
    m_mdiArea->setDocumentMode(true);
    setCentralWidget(m_mdiArea);
    setWindowTitle(QStringLiteral("Tarvelomark"));
    setAcceptDrops(true);

    CreateActions();

    m_toolBar = addToolBar(tr("Standard"));
    m_toolBar->setObjectName(QStringLiteral("Standard"));
    m_toolBar->setIconSize(QSize(16, 16));
    for (int id : ToolbarLayout()) {
        if (id == 0)
            m_toolBar->addSeparator();
        else
            m_toolBar->addAction(m_actions.value(id));
    }
    SetPrompt(m_toolBar->toggleViewAction(), Cmd::ToolbarPlaceholder);

    m_insertPane = new QLabel(this);
    m_insertPane->setFixedWidth(kInsertPaneWidth);
    m_insertPane->setAlignment(Qt::AlignCenter);
    statusBar()->addPermanentWidget(m_insertPane);
    // Pane 0 says "Bereit" whenever no command prompt is shown: a prompt is a
    // temporary message, which hides this label while it lasts.
    auto* ready = new QLabel(tr("Bereit"), this);
    ready->setObjectName(QStringLiteral("readyPane"));
    statusBar()->addWidget(ready, 1);

    RebuildMenus();
    connect(m_mdiArea, &QMdiArea::subWindowActivated, this, &CMainFrame::OnSubWindowActivated);

    // Like the framework's idle update: menus and toolbar follow the state of
    // the active view without every view having to announce each change.
    auto* idle = new QTimer(this);
    idle->setInterval(250);
    connect(idle, &QTimer::timeout, this, &CMainFrame::UpdateCommandUI);
    idle->start();
    // Until the first idle update every action would stand enabled, the
    // formatting buttons among them, with no document to act on.
    UpdateCommandUI();
    // A shortcut fires only while its action is enabled, and the idle update
    // may lag behind the last keystroke (Ctrl+S right after typing): the states
    // are brought up to date before every key is matched against the shortcuts.
    qApp->installEventFilter(this);

    QSettings& backend = m_settings.Backend();
    restoreGeometry(backend.value(QLatin1String(kGeometryKey)).toByteArray());
    restoreState(backend.value(QLatin1String(kStateKey)).toByteArray());
}

CMainFrame::~CMainFrame()
{
    // Closing the document windows while the frame is torn down activates
    // sub-windows; their actions may already be gone by then.
    qApp->removeEventFilter(this);
    disconnect(m_mdiArea, nullptr, this, nullptr);
}

void CMainFrame::SetApplicationTarget(CCommandTarget* target)
{
    m_application = target;
    UpdateCommandUI();
}

void CMainFrame::CreateActions()
{
    for (const CommandInfo& info : AllCommands()) {
        auto* action = new QAction(CommandText(info), this);
        action->setShortcuts(info.shortcuts);
        action->setShortcutContext(Qt::WindowShortcut);
        action->setIcon(CommandIcon(info));
        action->setData(info.id);
        SetPrompt(action, info.id);
        const int id = info.id;
        connect(action, &QAction::triggered, this, [this, id] { RouteCommand(id); });
        // Commands without a menu entry still need their keys.
        addAction(action);
        m_actions.insert(id, action);
    }
    for (int id : {Cmd::InsertMode, Cmd::Bold, Cmd::AlignLeft, Cmd::AlignCenter, Cmd::AlignRight,
                   Cmd::Page1, Cmd::Page2, Cmd::StatusBar, Cmd::ZoomWholePage, Cmd::ZoomPageWidth})
        m_actions.value(id)->setCheckable(true);
    m_actions.value(Cmd::StatusBar)->setChecked(true);

    for (int i = 0; i < 6; ++i) {
        auto* action = new QAction(this);
        connect(action, &QAction::triggered, this,
                [this, action] { Q_EMIT recentFileChosen(action->data().toString()); });
        m_recentActions << action;
    }
}

void CMainFrame::SetPrompt(QAction* action, int id)
{
    const CommandPrompt prompt = CommandPromptFor(id);
    action->setStatusTip(prompt.status);
    if (!prompt.toolTip.isEmpty())
        action->setToolTip(prompt.toolTip);
}

void CMainFrame::FillMenu(QMenu* menu, const QList<int>& ids)
{
    for (int id : ids) {
        if (id == 0) {
            menu->addSeparator();
        } else if (id == Cmd::RecentFirst) {
            for (QAction* action : m_recentActions)
                menu->addAction(action);
            if (m_recentFiles.isEmpty()) {
                QAction* empty = menu->addAction(tr("Letzte Datei"));
                empty->setEnabled(false);
            }
        } else if (id == Cmd::DefaultsCmr) {
            QMenu* sub = menu->addMenu(tr("Formular&vorgaben"));
            for (int form : {Cmd::DefaultsCmr, Cmd::DefaultsNational, Cmd::DefaultsKombi})
                sub->addAction(m_actions.value(form));
        } else if (id == Cmd::DefaultsNational || id == Cmd::DefaultsKombi) {
            continue; // inside the submenu above
        } else if (id == Cmd::StatusBar) {
            QMenu* bars = menu->addMenu(tr("&Symbolleisten und Andockfenster"));
            bars->addAction(m_toolBar->toggleViewAction());
            menu->addAction(m_actions.value(id));
        } else {
            menu->addAction(m_actions.value(id));
        }
    }
}

void CMainFrame::RebuildMenus()
{
    CChildFrame* child = ActiveChild();
    const int resource = child ? child->MenuResource() : kNoDocumentMenu;
    if (resource == m_menuResource)
        return;
    m_menuResource = resource;
    menuBar()->clear();
    for (const MenuLayout& layout : MainMenus(resource)) {
        QMenu* menu = menuBar()->addMenu(layout.Title());
        FillMenu(menu, layout.ids);
        connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
        // The last highlighted entry's prompt goes with the menu: "Bereit".
        connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    }
}

QMenu* CMainFrame::CreateContextMenu(int resourceId, QWidget* parent) const
{
    const MenuLayout layout = ContextMenu(resourceId);
    auto* menu = new QMenu(layout.Title(), parent);
    for (int id : layout.ids) {
        if (id == 0)
            menu->addSeparator();
        else
            menu->addAction(m_actions.value(id));
    }
    connect(menu, &QMenu::aboutToShow, this, &CMainFrame::UpdateCommandUI);
    connect(menu, &QMenu::aboutToHide, statusBar(), &QStatusBar::clearMessage);
    return menu;
}

CChildFrame* CMainFrame::ActiveChild() const
{
    // A window that is closing still sits in the MDI area's lists while the
    // area announces the change; the menus must not be built for it.
    auto open = [](QMdiSubWindow* window) {
        auto* child = qobject_cast<CChildFrame*>(window);
        return child && !child->IsClosing() ? child : nullptr;
    };
    if (CChildFrame* current = open(m_mdiArea->currentSubWindow()))
        return current;
    // Until the frame has been active once, the MDI area names no current
    // window; the document shown is the one last activated or added.
    const QList<QMdiSubWindow*> windows =
        m_mdiArea->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = windows.crbegin(); it != windows.crend(); ++it)
        if (CChildFrame* child = open(*it))
            return child;
    return nullptr;
}

QList<CChildFrame*> CMainFrame::Children() const
{
    QList<CChildFrame*> children;
    for (QMdiSubWindow* window : m_mdiArea->subWindowList())
        if (auto* child = qobject_cast<CChildFrame*>(window))
            children << child;
    return children;
}

void CMainFrame::AddChild(CChildFrame* child)
{
    // Once a window is gone, menus, caption and status bar follow what is left,
    // down to the menu of no document.
    connect(child, &QObject::destroyed, this, &CMainFrame::OnSubWindowActivated,
            Qt::QueuedConnection);
    m_mdiArea->addSubWindow(child);
    child->showMaximized();
    m_mdiArea->setActiveSubWindow(child);
    OnSubWindowActivated();
}

void CMainFrame::OnSubWindowActivated()
{
    RebuildMenus();
    UpdateCaption();
    UpdateCommandUI();
    // The insert pane belongs to the active document; with none it is empty.
    SetStatusText(QString());
    if (CChildFrame* child = ActiveChild())
        child->View().UpdateStatusText();
}

void CMainFrame::UpdateCaption()
{
    CChildFrame* child = ActiveChild();
    setWindowTitle(child ? QStringLiteral("Tarvelomark - %1").arg(child->Document().GetTitle())
                         : QStringLiteral("Tarvelomark"));
}

void CMainFrame::SetStatusText(const QString& text)
{
    m_insertPane->setText(text);
    m_insertPane->repaint();
}

QString CMainFrame::StatusText() const
{
    return m_insertPane->text();
}

void CMainFrame::ShowStatusMessage(const QString& text)
{
    statusBar()->showMessage(text, kStatusMessageMs);
}

void CMainFrame::SetRecentFiles(const QStringList& files)
{
    m_recentFiles = files;
    for (int i = 0; i < m_recentActions.size(); ++i) {
        QAction* action = m_recentActions[i];
        action->setVisible(i < files.size());
        if (i < files.size()) {
            action->setText(
                QStringLiteral("&%1 %2").arg(i + 1).arg(QFileInfo(files[i]).fileName()));
            action->setData(files[i]);
            action->setStatusTip(tr("Öffnet das Dokument."));
        }
    }
    m_menuResource = 0; // the "Letzte Datei" placeholder depends on the list
    RebuildMenus();
}

void CMainFrame::RouteCommand(int id)
{
    if (CChildFrame* child = ActiveChild()) {
        if (child->View().OnCommand(id) || child->OnCommand(id))
            return;
    }
    if (OnCommand(id))
        return;
    if (m_application)
        m_application->OnCommand(id);
}

void CMainFrame::UpdateCommandUI()
{
    CChildFrame* child = ActiveChild();
    for (auto it = m_actions.cbegin(); it != m_actions.cend(); ++it) {
        const int id = it.key();
        CommandState state;
        state.checked = it.value()->isChecked();
        const bool known = (child && (child->View().OnUpdateCommand(id, state) ||
                                      child->OnUpdateCommand(id, state))) ||
                           OnUpdateCommand(id, state) ||
                           (m_application && m_application->OnUpdateCommand(id, state));
        QAction* action = it.value();
        // A command nobody carries out right now is disabled, as the framework
        // does for commands without a handler.
        action->setEnabled(known && state.enabled);
        if (action->isCheckable())
            action->setChecked(known && state.checked);
        if (!state.text.isEmpty())
            action->setText(state.text);
    }
    if (child)
        child->SyncTitle();
    UpdateCaption();
}

bool CMainFrame::OnCommand(int id)
{
    if (id == Cmd::StatusBar) {
        statusBar()->setVisible(!statusBar()->isVisible());
        return true;
    }
    return false;
}

bool CMainFrame::OnUpdateCommand(int id, CommandState& state)
{
    if (id == Cmd::StatusBar) {
        state.checked = statusBar()->isVisible();
        return true;
    }
    return false;
}

bool CMainFrame::GetPrinterDevice(const QString& name, QPrinter* printer)
{
    if (!printer)
        return false;
    const QPrinterInfo info = QPrinterInfo::printerInfo(name);
    if (info.isNull())
        return false;
    printer->setPrinterName(info.printerName());
    return true;
}

bool CMainFrame::SelectPrinterByName(const QString& name)
{
    QPrinter candidate(QPrinter::HighResolution);
    if (!GetPrinterDevice(name, &candidate)) {
        QMessageBox::warning(this, QStringLiteral("Tarvelomark"),
                             tr("Der Drucker %1 konnte nicht gefunden werden.\n"
                                "Es wird der Standarddrucker verwendet.")
                                 .arg(name));
        return false;
    }
    m_printer->setPrinterName(candidate.printerName());
    return true;
}

bool CMainFrame::SelectPrinterByNameCopy(const QString& name)
{
    if (name.size() >= kPrinterNameBuffer)
        return false;
    return SelectPrinterByName(name);
}

bool CMainFrame::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::ShortcutOverride && isActiveWindow())
        UpdateCommandUI();
    return QMainWindow::eventFilter(watched, event);
}

void CMainFrame::changeEvent(QEvent* event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::PaletteChange)
        return;
    for (const CommandInfo& info : AllCommands())
        if (QAction* action = m_actions.value(info.id))
            action->setIcon(CommandIcon(info));
}

void CMainFrame::closeEvent(QCloseEvent* event)
{
    // Every document is asked first; a Cancel anywhere keeps all of them open.
    const QList<CChildFrame*> children = Children();
    for (CChildFrame* child : children) {
        m_mdiArea->setActiveSubWindow(child);
        if (!child->QueryClose()) {
            event->ignore();
            return;
        }
    }
    for (CChildFrame* child : children) {
        child->SetCloseConfirmed();
        child->close();
    }
    if (m_saveWorkspace) {
        QSettings& backend = m_settings.Backend();
        backend.setValue(QLatin1String(kGeometryKey), saveGeometry());
        backend.setValue(QLatin1String(kStateKey), saveState());
        backend.sync();
    }
    event->accept();
}

void CMainFrame::dragEnterEvent(QDragEnterEvent* event)
{
    if (event->mimeData()->hasUrls())
        event->acceptProposedAction();
}

void CMainFrame::dropEvent(QDropEvent* event)
{
    QStringList paths;
    for (const QUrl& url : event->mimeData()->urls())
        if (url.isLocalFile())
            paths << url.toLocalFile();
    if (!paths.isEmpty()) {
        event->acceptProposedAction();
        Q_EMIT filesDropped(paths);
    }
}
