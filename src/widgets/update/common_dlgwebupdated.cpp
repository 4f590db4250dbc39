#include "widgets/update/common_dlgwebupdated.h"

#include "core/errors/errortext.h"
#include "core/settings/settingkeys.h"
#include "core/update/updatepage.h"

#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QFileInfo>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

const QString kMessageTitle = QStringLiteral("Tarvelomark");

} // namespace

QString NoBrowserText()
{
    return Common_DlgWebUpdateD::tr(
        "Das Programm konnte auf Ihrem Rechner\nleider keinen Internet-Browser finden.");
}

QString InvalidWebAddressText(const char* key, const QString& value)
{
    return Common_DlgWebUpdateD::tr("Die Adresse \"%1\" in der Einstellung \"%2\" ist keine "
                                    "gültige http- oder https-Adresse.")
        .arg(value, QLatin1String(key));
}

Common_DlgWebUpdateD::Common_DlgWebUpdateD(WebUpdateSetup setup, QWidget* parent)
    : QDialog(parent), m_setup(std::move(setup)), m_programName(new QLabel(this)),
      m_version(new QLabel(this)), m_status(new QLabel(UpdateStatusNoData(), this)),
      m_queryButton(new QPushButton(tr("Updateinformationen vom Internet laden"), this)),
      m_download(new QPushButton(tr("Download..."), this))
{
    setWindowTitle(tr("KRD WebUpdate"));
    setMinimumWidth(316 * fontMetrics().averageCharWidth() / 4);

    auto* intro = new QLabel(tr("Sie können jetzt informationen aus dem Internet abfragen, ob eine "
                                "aktualisierte Version Ihres Programms vorliegt. Dazu muß eine "
                                "Verbindung zum Internet verfügbar sein."),
                             this);
    intro->setWordWrap(true);

    // Texts from the index are shown as they are, never as markup.
    for (QLabel* label : {m_programName, m_version, m_status})
        label->setTextFormat(Qt::PlainText);
    m_programName->setObjectName(QStringLiteral("programName"));
    m_programName->setText(m_setup.programName);
    m_version->setObjectName(QStringLiteral("installedVersion"));
    m_version->setText(FormatIndexVersion(m_setup.installed));
    m_status->setObjectName(QStringLiteral("status"));
    m_status->setWordWrap(true);
    m_status->setFrameShape(QFrame::StyledPanel);
    m_status->setFrameShadow(QFrame::Sunken);
    m_status->setMargin(4);
    m_status->setTextInteractionFlags(Qt::TextSelectableByMouse);
    // Room for two lines, so that a long result neither clips nor makes the
    // dialog jump.
    m_status->setMinimumHeight(2 * m_status->fontMetrics().lineSpacing() +
                               2 * (m_status->margin() + m_status->frameWidth()) + 2);

    auto* grid = new QGridLayout;
    grid->addWidget(new QLabel(tr("Programm:"), this), 0, 0);
    grid->addWidget(m_programName, 0, 1);
    grid->addWidget(new QLabel(tr("Version:"), this), 1, 0);
    grid->addWidget(m_version, 1, 1);
    grid->setColumnStretch(1, 1);

    m_queryButton->setObjectName(QStringLiteral("query"));
    m_download->setObjectName(QStringLiteral("download"));
    auto* cancel = new QPushButton(tr("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("cancel"));
    m_download->setDefault(true);
    m_download->setEnabled(false);
    connect(m_queryButton, &QPushButton::clicked, this, &Common_DlgWebUpdateD::OnQuery);
    connect(m_download, &QPushButton::clicked, this, &Common_DlgWebUpdateD::accept);
    connect(cancel, &QPushButton::clicked, this, &Common_DlgWebUpdateD::reject);
    connect(&m_query, &CUpdateIndexQuery::Finished, this, &Common_DlgWebUpdateD::OnAnswer);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_queryButton);
    buttons->addStretch(1);
    buttons->addWidget(m_download);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addSpacing(6);
    layout->addLayout(grid);
    layout->addSpacing(6);
    layout->addWidget(m_status);
    layout->addSpacing(6);
    layout->addLayout(buttons);

    m_queryButton->setFocus();
}

Common_DlgWebUpdateD::~Common_DlgWebUpdateD()
{
    m_query.Abort();
    SetWaiting(false);
}

QString Common_DlgWebUpdateD::PagePath() const
{
    return m_setup.pageFolder.isEmpty()
               ? QString::fromLatin1(kUpdatePageFileName)
               : QDir(m_setup.pageFolder).filePath(QLatin1String(kUpdatePageFileName));
}

void Common_DlgWebUpdateD::SetWaiting(bool waiting)
{
    if (waiting == m_waiting)
        return;
    m_waiting = waiting;
    if (waiting)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

void Common_DlgWebUpdateD::ShowError(const QString& text)
{
    // Plain text: a message may quote a text of the index.
    QMessageBox box(QMessageBox::Critical, kMessageTitle, text, QMessageBox::Ok, this);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

void Common_DlgWebUpdateD::OnQuery()
{
    if (m_query.IsRunning())
        return;
    const std::optional<QUrl> server = WebAddress(m_setup.updateServer);
    if (!server) {
        ShowError(InvalidWebAddressText(Settings::UpdateServer.key, m_setup.updateServer));
        return;
    }
    m_queryButton->setEnabled(false);
    SetWaiting(true);
    m_query.Start(UpdateIndexUrl(*server));
}

void Common_DlgWebUpdateD::OnAnswer(const CUpdateIndexQuery::Answer& answer)
{
    SetWaiting(false);
    if (!answer.transferred) {
        m_queryButton->setEnabled(true);
        ShowError(answer.error);
        return;
    }
    QByteArray body = answer.body;
    QBuffer buffer(&body);
    buffer.open(QIODevice::ReadOnly);
    m_entry = ReadUpdateIndex(buffer, m_setup.programName).entry;

    const UpdateCheckOutcome outcome =
        DecideUpdate(m_entry, m_setup.programName, m_setup.installed);
    m_status->setText(UpdateStatusText(outcome, m_setup.programName, m_entry.version));
    const bool offered = outcome == UpdateCheckOutcome::UpdateAvailable;
    m_queryButton->setEnabled(!offered);
    m_download->setEnabled(offered);
    (offered ? m_download : m_queryButton)->setFocus();
}

void Common_DlgWebUpdateD::accept()
{
    // Only an offered update has a page to write.
    if (!m_download->isEnabled())
        return;
    const std::optional<QUrl> server = WebAddress(m_setup.updateServer);
    const std::optional<QUrl> home = WebAddress(m_setup.homePage);
    if (!server || !home) {
        ShowError(!server ? InvalidWebAddressText(Settings::UpdateServer.key, m_setup.updateServer)
                          : InvalidWebAddressText(Settings::Homepage.key, m_setup.homePage));
        return;
    }
    const std::optional<QUrl> download = DownloadUrl(*server, m_entry.downloadPath);
    if (!download) {
        ShowError(tr("Der Download-Pfad \"%1\" aus dem Updateverzeichnis führt nicht "
                     "auf den Update-Server.")
                      .arg(m_entry.downloadPath));
        return;
    }

    const QString path = PagePath();
    if (const Error error = WriteUpdatePage(
            path, BuildUpdatePage({m_entry, m_setup.installed, *download, *home}))) {
        ShowError(ErrorMessage(error));
        return;
    }
    // Without a browser the page still waits in the folder; the dialog has
    // done all it can.
    if (!m_setup.openBrowser ||
        !m_setup.openBrowser(QUrl::fromLocalFile(QFileInfo(path).absoluteFilePath())))
        QMessageBox::warning(this, kMessageTitle, NoBrowserText());
    QDialog::accept();
}

void Common_DlgWebUpdateD::done(int result)
{
    m_query.Abort();
    SetWaiting(false);
    QDialog::done(result);
}
