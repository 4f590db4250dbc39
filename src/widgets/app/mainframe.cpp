#include "app/mainframe.h"

#include <QMdiArea>

CMainFrame::CMainFrame(QWidget* parent) : QMainWindow(parent), m_mdiArea(new QMdiArea(this))
{
    m_mdiArea->setViewMode(QMdiArea::TabbedView);
    m_mdiArea->setTabsClosable(true);
    m_mdiArea->setTabsMovable(true);
    setCentralWidget(m_mdiArea);
    setWindowTitle(QStringLiteral("Tarvelomark"));
    resize(1024, 768);
}
