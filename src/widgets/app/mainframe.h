#pragma once

#include <QMainWindow>

class QMdiArea;

// The program's main window: documents open as tabs of its MDI area.
class CMainFrame : public QMainWindow
{
    Q_OBJECT

public:
    explicit CMainFrame(QWidget* parent = nullptr);

    QMdiArea* MdiArea() const { return m_mdiArea; }

private:
    QMdiArea* m_mdiArea;
};
