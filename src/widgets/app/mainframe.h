#pragma once

#include "widgets/app/commandtarget.h"

#include <QHash>
#include <QMainWindow>
#include <QPrinter>

#include <memory>

class CChildFrame;
class CSettingsStore;
class QAction;
class QLabel;
class QMdiArea;
class QMenu;
class QToolBar;

// The program's main window: menu bar, toolbar, status bar, and the documents as
// tabs of its MDI area. It owns every command's QAction and routes a command to
// the active view first, then the document window, itself and the application.
// It also keeps the application's current printer.
class CMainFrame : public QMainWindow, public CCommandTarget
{
    Q_OBJECT

public:
    explicit CMainFrame(CSettingsStore& settings, QWidget* parent = nullptr);
    ~CMainFrame() override;

    // The application: the last target of every command. Not owned.
    void SetApplicationTarget(CCommandTarget* target);

    QMdiArea* MdiArea() const { return m_mdiArea; }
    CChildFrame* ActiveChild() const;
    QList<CChildFrame*> Children() const;
    void AddChild(CChildFrame* child);

    QAction* Action(int id) const { return m_actions.value(id); }
    // A context menu of the views (118 for the CMR form, 119 for the others)
    // built from the shared actions; the caller owns it.
    QMenu* CreateContextMenu(int resourceId, QWidget* parent) const;

    // Pane 1 of the status bar: the editor's insert or overwrite state. Pane 0
    // shows the prompt of the highlighted menu entry or toolbar button, else
    // "Bereit".
    void SetStatusText(const QString& text);
    QString StatusText() const;
    // A message in pane 0 for a few seconds (kStatusMessageMs), in place of
    // "Bereit"; the next prompt or message replaces it.
    static constexpr int kStatusMessageMs = 5000;
    void ShowStatusMessage(const QString& text);

    // Printer services of the views. GetPrinterDevice fills a QPrinter for the
    // named printer; SelectPrinterByName makes it the current printer or tells
    // the user that the default printer is used.
    static bool GetPrinterDevice(const QString& name, QPrinter* printer);
    bool SelectPrinterByName(const QString& name);
    bool SelectPrinterByNameCopy(const QString& name);
    QPrinter& CurrentPrinter() { return *m_printer; }

    void SetRecentFiles(const QStringList& files);
    // A pending settings reset must not be undone by writing the window layout
    // back at exit.
    void SetSaveWorkspaceOnClose(bool save) { m_saveWorkspace = save; }

    void RouteCommand(int id);
    // Brings enabled state, check marks and texts of all actions up to date.
    void UpdateCommandUI();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

Q_SIGNALS:
    void filesDropped(const QStringList& paths);
    void recentFileChosen(const QString& path);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // A new palette (a light or dark desktop) redraws the toolbar pictures.
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;

private:
    void CreateActions();
    void RebuildMenus();
    void FillMenu(QMenu* menu, const QList<int>& ids);
    // The command's status-bar prompt and tool tip.
    static void SetPrompt(QAction* action, int id);
    void OnSubWindowActivated();
    void UpdateCaption();

    CSettingsStore& m_settings;
    CCommandTarget* m_application = nullptr;
    QMdiArea* m_mdiArea;
    QToolBar* m_toolBar = nullptr;
    QLabel* m_insertPane = nullptr;
    QHash<int, QAction*> m_actions;
    QList<QAction*> m_recentActions;
    QStringList m_recentFiles;
    int m_menuResource = 0;
    bool m_saveWorkspace = true;
    std::unique_ptr<QPrinter> m_printer;
};
