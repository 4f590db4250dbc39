#include "app/helpwindow.h"

#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

void InitWidgetResources()
{
    Q_INIT_RESOURCE(widgets);
}

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent), m_browser(new QTextBrowser(this))
{
    setWindowTitle(QStringLiteral("Tarvelomark - Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    resize(560, 620);
}

CHelpWindow* CHelpWindow::Show(int topicId)
{
    static QPointer<CHelpWindow> window;
    if (!window)
        window = new CHelpWindow;
    window->ShowTopic(topicId);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CHelpWindow::ShowTopic(int topicId)
{
    // Topics without a page of their own fall back to the general page.
    const QString page = QStringLiteral("%1.html").arg(topicId);
    m_topic = QFile::exists(QStringLiteral(":/help/") + page) ? topicId : 100;
    m_browser->setSource(QUrl(QStringLiteral("%1.html").arg(m_topic)));
}
