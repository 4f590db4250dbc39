#include "widgets/app/helpwindow.h"

#include <QDir>
#include <QEvent>
#include <QFile>
#include <QPointer>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace {
const QString kGermanFolder = QStringLiteral(":/help");

// Where the browser looks for a page, the folder of the language first: pages
// and the style sheet it lacks come from the German folder.
QStringList HelpSearchPaths(const QString& languageFolder)
{
    QStringList paths{QDir::cleanPath(languageFolder), kGermanFolder};
    paths.removeDuplicates();
    return paths;
}
} // namespace

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

QString CHelpWindow::LanguageFolder()
{
    //: Folder of the help pages of this language in the program's resources; the
    //: German pages are in ":/help/", the English ones in ":/help/en/".
    return tr(":/help/");
}

void CHelpWindow::ShowTopic(int topicId)
{
    // Topics without a page of their own fall back to the general page; every
    // topic has a German page.
    const QString page = QStringLiteral("%1.html").arg(topicId);
    m_topic = QFile::exists(kGermanFolder + QLatin1Char('/') + page) ? topicId : 100;
    // Pages are named relative to the search paths, so that links and the style
    // sheet fall back to German one by one.
    const QStringList paths = HelpSearchPaths(LanguageFolder());
    const bool otherLanguage = paths != m_browser->searchPaths();
    m_browser->setSearchPaths(paths);
    m_browser->setSource(QUrl(QStringLiteral("%1.html").arg(m_topic)));
    // The browser keeps a page it already shows; in another language it reads it anew.
    if (otherLanguage)
        m_browser->reload();
}
