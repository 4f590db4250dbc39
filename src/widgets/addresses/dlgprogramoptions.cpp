#include "widgets/addresses/dlgprogramoptions.h"

#include "core/app/datafolder.h"
#include "core/settings/language.h"
#include "core/settings/settingsstore.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

// The state of the address file: a sheet with a tick while the file is kept, the
// same sheet crossed out in red while it is to be started anew.
QPixmap StatusPixmap(bool pending, int size, qreal ratio)
{
    QPixmap pixmap(QSize(size, size) * ratio);
    pixmap.setDevicePixelRatio(ratio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    const qreal s = size;
    painter.setPen(QPen(Qt::darkGray, 1));
    painter.setBrush(Qt::white);
    painter.drawRect(QRectF(s * 0.2, s * 0.05, s * 0.6, s * 0.9));
    if (pending) {
        painter.setPen(QPen(QColor(200, 0, 0), s * 0.14, Qt::SolidLine, Qt::RoundCap));
        painter.drawLine(QPointF(s * 0.2, s * 0.2), QPointF(s * 0.8, s * 0.8));
        painter.drawLine(QPointF(s * 0.8, s * 0.2), QPointF(s * 0.2, s * 0.8));
    } else {
        painter.setPen(QPen(QColor(0, 140, 0), s * 0.14, Qt::SolidLine, Qt::RoundCap));
        painter.drawPolyline(QPolygonF{QPointF(s * 0.3, s * 0.55), QPointF(s * 0.45, s * 0.72),
                                       QPointF(s * 0.72, s * 0.3)});
    }
    return pixmap;
}

QString ChooseFile(QWidget* parent, const QString& startFolder)
{
    QFileDialog dialog(
        parent,
        QCoreApplication::translate("CDlgProgramOptions", "Datendatei für Adressen auswählen"),
        startFolder,
        QCoreApplication::translate("CDlgProgramOptions", "Adressdaten-Datei (*.dat)"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDefaultSuffix(QStringLiteral("dat"));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return {};
    return QFileInfo(dialog.selectedFiles().constFirst()).absoluteFilePath();
}

} // namespace

CDlgProgramOptions::CDlgProgramOptions(CSettingsStore& settings, const QString& dataFolder,
                                       QWidget* parent)
    : QDialog(parent), m_settings(settings), m_dataFolder(dataFolder), m_chooser(ChooseFile)
{
    setWindowTitle(tr("Programmeinstellungen"));

    m_path =
        new QLineEdit(ResolveAddressFile(settings.Get(QLatin1String(Settings::kSectionSettings),
                                                      Settings::AddressFile),
                                         dataFolder),
                      this);
    m_path->setObjectName(QStringLiteral("path"));
    m_path->setMinimumWidth(fontMetrics().averageCharWidth() * 66);
    auto* browse = new QPushButton(QStringLiteral("..."), this);
    browse->setObjectName(QStringLiteral("browse"));
    browse->setAutoDefault(false);
    browse->setFixedWidth(fontMetrics().horizontalAdvance(QStringLiteral("...")) * 3);
    auto* initialise = new QPushButton(tr("Initialisieren"), this);
    initialise->setObjectName(QStringLiteral("initialise"));
    initialise->setAutoDefault(false);

    const int iconSize = m_path->sizeHint().height();
    m_ready = new QLabel(this);
    m_ready->setObjectName(QStringLiteral("statusReady"));
    m_ready->setPixmap(StatusPixmap(false, iconSize, devicePixelRatioF()));
    m_pending = new QLabel(this);
    m_pending->setObjectName(QStringLiteral("statusPending"));
    m_pending->setPixmap(StatusPixmap(true, iconSize, devicePixelRatioF()));

    auto* group = new QGroupBox(tr(" Datendateien "), this);
    auto* grid = new QGridLayout(group);
    grid->addWidget(new QLabel(tr("Datendatei für Adressen"), group), 0, 0, 1, 4);
    grid->addWidget(m_path, 1, 0);
    grid->addWidget(browse, 1, 1);
    grid->addWidget(initialise, 1, 2);
    grid->addWidget(m_ready, 1, 3);
    grid->addWidget(m_pending, 1, 3);
    grid->setColumnStretch(0, 1);

    m_language = new QComboBox(this);
    m_language->setObjectName(QStringLiteral("language"));
    // Each language is named in its own words, so that it is found whatever the
    // program speaks now.
    m_language->addItem(tr("Wie das System"), kSystemLanguage);
    m_language->addItem(QStringLiteral("Deutsch"), 0);
    m_language->addItem(QStringLiteral("English"), 1);
    m_language->setCurrentIndex(m_language->findData(StoredLanguage(settings)));
    m_openedLanguage = m_language->currentIndex();
    auto* languageLabel = new QLabel(tr("Sprache"), this);
    languageLabel->setBuddy(m_language);
    m_restartNote = new QLabel(tr("Die Sprache wechselt beim nächsten Start des Programms."), this);
    m_restartNote->setObjectName(QStringLiteral("restartNote"));
    m_restartNote->setWordWrap(true);
    auto* languageGrid = new QGridLayout;
    languageGrid->addWidget(languageLabel, 0, 0);
    languageGrid->addWidget(m_language, 0, 1, Qt::AlignLeft);
    languageGrid->addWidget(m_restartNote, 1, 1);
    languageGrid->setColumnStretch(1, 1);
    // The group's frame and the row below it start at one left edge.
    languageGrid->setContentsMargins(group->layout()->contentsMargins().left(), 0, 0, 0);
    connect(m_language, &QComboBox::currentIndexChanged, this, [this] { UpdateRestartNote(); });

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    ok->setText(tr("OK"));
    cancel->setText(tr("Abbrechen"));
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(browse, &QPushButton::clicked, this, [this] { OnBrowse(); });
    connect(initialise, &QPushButton::clicked, this, [this] { OnInitialise(); });

    const CDlgProgramOptions_ToolTip tips(200);
    tips.AddTool(m_path, tr("Dateiname der Datendatei für die Adressen"),
                 tr("Hier tragen Sie den Speicherort der Datendatei für die im Programm "
                    "hinterlegten Adressen ein."));
    tips.AddTool(browse, tr("Schaltfläche zur Dateiauswahl"),
                 tr("Hier können Sie in einem Explorerfenster die Datei auswählen."));
    tips.AddTool(initialise, tr("Schaltfläche zur Datei-Initialisierung"),
                 tr("Hier können Sie die Datendatei initialisieren, d. h. neu erzeugen. Die alte "
                    "Datei wird dabei überschrieben."));
    tips.AddTool(m_language, tr("Sprache des Programms"),
                 tr("Hier wählen Sie die Sprache der Menüs, Dialoge und Meldungen. \"Wie das "
                    "System\" folgt der Sprache, die im System eingestellt ist."));
    tips.AddTool(ok, tr("Schaltfläche \"OK\""),
                 tr("Dialog beenden und alle Einstellungen sichern"));
    tips.AddTool(cancel, tr("Schaltfläche \"Abbruch\""),
                 tr("Abbruch des Dialogs, ohne die Änderungen zu sichern"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(languageGrid);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    SetInitialisePending(false);
    UpdateRestartNote();
}

QString CDlgProgramOptions::PathText() const
{
    return m_path->text();
}

int CDlgProgramOptions::StoredLanguage(const CSettingsStore& settings)
{
    const int stored =
        settings.GetProfileInt(QLatin1String(Settings::kSectionSettings),
                               QLatin1String(Settings::Language.key), kSystemLanguage);
    // A value edited by hand that names no language counts as none.
    return stored == 0 || stored == 1 ? stored : kSystemLanguage;
}

int CDlgProgramOptions::ChosenLanguage() const
{
    return m_language->currentData().toInt();
}

int CDlgProgramOptions::RunningLanguage()
{
    return InstalledLanguage() == ProgramLanguage::English ? 1 : 0;
}

void CDlgProgramOptions::UpdateRestartNote()
{
    // What "Wie das System" gives is decided at start from the system's locale;
    // the note then tells only that the setting changed.
    const int chosen = ChosenLanguage();
    const bool changes = chosen == kSystemLanguage ? m_language->currentIndex() != m_openedLanguage
                                                   : chosen != RunningLanguage();
    m_restartNote->setVisible(changes);
}

void CDlgProgramOptions::SetInitialisePending(bool pending)
{
    m_bInitialise = pending;
    m_ready->setVisible(!pending);
    m_pending->setVisible(pending);
}

void CDlgProgramOptions::OnBrowse()
{
    const QString chosen = m_chooser(this, m_dataFolder);
    if (!chosen.isEmpty())
        m_path->setText(chosen);
}

void CDlgProgramOptions::OnInitialise()
{
    const QString question =
        tr("Mit dieser Option wird die aktuelle Datenbankdatei\nfür die Adressdaten gelöscht und "
           "eine neue, leere\nDatei angelegt. Alle bisherigen Daten werden gelöscht!\n\nMöchten "
           "Sie wirklich die Datei initialisieren?");
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Tarvelomark"), question,
                    QMessageBox::Yes | QMessageBox::No, this);
    SetInitialisePending(box.exec() == QMessageBox::Yes);
}

void CDlgProgramOptions::accept()
{
    const QString path = m_path->text().trimmed();
    if (path.isEmpty()) {
        QMessageBox::warning(this, QStringLiteral("Tarvelomark"),
                             tr("Es ist kein Dateiname für die Adressdaten angegeben.\n\nBitte "
                                "einen Dateinamen definieren."));
        return;
    }
    const QString section = QLatin1String(Settings::kSectionSettings);
    const int language = ChosenLanguage();
    if (language == kSystemLanguage)
        m_settings.DeleteValue(section, QLatin1String(Settings::Language.key));
    else
        m_settings.Set(section, Settings::Language, language);
    m_settings.Set(section, Settings::AddressFile, path);
    // One attempt: a file that could not be made now is no more likely to be
    // made a moment later, and the user is told once.
    if (m_bInitialise || !QFileInfo::exists(path))
        m_prompter.ShowError(CreateAddressFile(path, m_settings));
    QDialog::accept();
}
