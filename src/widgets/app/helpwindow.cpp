#include "widgets/app/helpwindow.h"

#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

void InitWidgetResources()
{
    Q_INIT_RESOURCE(widgets);
}

CHelpWindow::CHelpWindow(QWidget* owner) : QDialog(nullptr), m_browser(new QTextBrowser(this))
{
    setWindowTitle(tr("Tarvelomark - Hilfe"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose, false);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_browser);
    m_browser->setOpenLinks(true);
    m_browser->setSearchPaths({QStringLiteral(":/help")});
    resize(560, 620);
    SetOwner(owner);
}

CHelpWindow* CHelpWindow::Show(int topicId, QWidget* owner)
{
    static QPointer<CHelpWindow> window;
    if (!window)
        window = new CHelpWindow(owner);
    else
        window->SetOwner(owner);
    window->ShowTopic(topicId);
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void CHelpWindow::SetOwner(QWidget* owner)
{
    owner = owner ? owner->window() : nullptr;
    if (owner == this || owner == parentWidget())
        return;
    if (QWidget* previous = parentWidget())
        previous->removeEventFilter(this);
    // A new parent hides the window; it comes back where it was.
    const bool visible = isVisible();
    const QPoint position = pos();
    setParent(owner, windowFlags());
    if (owner)
        owner->installEventFilter(this);
    if (visible) {
        move(position);
        show();
    }
}

bool CHelpWindow::eventFilter(QObject* watched, QEvent* event)
{
    // A minimised owner hides spontaneously and comes back; only a window that
    // closes hands the help on.
    if (watched == parentWidget() && event->type() == QEvent::Hide && !event->spontaneous()) {
        QWidget* owner = parentWidget();
        QWidget* below = owner->parentWidget() ? owner->parentWidget()->window() : nullptr;
        if (below)
            SetOwner(below);
        else
            close();
    }
    return QDialog::eventFilter(watched, event);
}

void CHelpWindow::ShowTopic(int topicId)
{
    // Topics without a page of their own fall back to the general page.
    const QString page = QStringLiteral("%1.html").arg(topicId);
    m_topic = QFile::exists(QStringLiteral(":/help/") + page) ? topicId : 100;
    m_browser->setSource(QUrl(QStringLiteral("%1.html").arg(m_topic)));
}
