#include "widgets/printing/dlgdrucken.h"

#include "core/forms/formdescription.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/formname.h"
#include "widgets/printing/papernames.h"
#include "widgets/printing/printicons.h"
#include "widgets/printing/rangespinbox.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// The copies are pages of one job, and a job never has more than 99 pages.
constexpr int kMaxCopies = 99;
constexpr int kIconSize = 32;

QString Title(FormType kind)
{
    return QCoreApplication::translate("CDlgDrucken", "%1 drucken").arg(FormName(kind));
}

QLabel* IconLabel(PrintIcon icon, const char* name, QWidget* parent)
{
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setPixmap(PrintIconPixmap(icon, kIconSize, parent->devicePixelRatioF()));
    label->setFixedSize(kIconSize, kIconSize);
    return label;
}

} // namespace

PrinterDescription DescribePrinter(const QPrinter& printer)
{
    const QPageLayout layout = printer.pageLayout();
    const QRectF sheet = layout.fullRectPoints();
    PrinterDescription description;
    description.name = printer.printerName();
    description.portrait = sheet.height() > sheet.width();
    description.paperCode = PaperCodeForPageSize(layout.pageSize());
    return description;
}

CDlgDrucken::CDlgDrucken(CSettingsStore& settings, QPrinter& printer, QWidget* parent)
    : CDlgDrucken(settings, DescribePrinter(printer), parent)
{
    m_printer = &printer;
}

CDlgDrucken::CDlgDrucken(CSettingsStore& settings, const PrinterDescription& printer,
                         QWidget* parent)
    : QDialog(parent), m_settings(settings), m_description(printer)
{
    BuildControls();
}

void CDlgDrucken::BuildControls()
{
    // Printer and orientation.
    m_printerName = new QLabel(m_description.name, this);
    m_printerName->setObjectName(QStringLiteral("printerName"));
    QFont bold = m_printerName->font();
    bold.setBold(true);
    m_printerName->setFont(bold);
    m_printerName->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_iconWarning = IconLabel(PrintIcon::Warning, "iconWarning", this);
    m_iconOk = IconLabel(PrintIcon::Ok, "iconOk", this);
    m_iconLandscape = IconLabel(PrintIcon::LandscapePage, "iconLandscape", this);
    m_iconPortrait = IconLabel(PrintIcon::PortraitPage, "iconPortrait", this);

    auto* printerBox = new QGroupBox(tr(" Ausgewählter Drucker "), this);
    auto* orientation = new QHBoxLayout;
    orientation->addWidget(new QLabel(tr("Ausrichtung:"), printerBox));
    orientation->addSpacing(6);
    orientation->addWidget(m_iconWarning);
    orientation->addWidget(m_iconOk);
    orientation->addWidget(m_iconLandscape);
    orientation->addWidget(m_iconPortrait);
    orientation->addStretch();
    auto* printerLayout = new QVBoxLayout(printerBox);
    printerLayout->addWidget(m_printerName);
    printerLayout->addLayout(orientation);

    // Paper.
    m_paperName = new QLabel(PaperNameForCode(m_description.paperCode), this);
    m_paperName->setObjectName(QStringLiteral("paperName"));
    auto* paperBox = new QGroupBox(tr(" Papierformat "), this);
    auto* paperLayout = new QVBoxLayout(paperBox);
    paperLayout->addWidget(m_paperName);

    // Hints: the group stays in place even without a hint, so that the dialog does not
    // change its shape from one printer to the next.
    m_hintIcon = IconLabel(PrintIcon::Warning, "hintIcon", this);
    m_hintText = new QLabel(this);
    m_hintText->setObjectName(QStringLiteral("hintText"));
    m_hintText->setWordWrap(true);
    m_hintText->setMinimumHeight(m_hintText->fontMetrics().lineSpacing() * 3);
    m_hintText->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QWidget* hint : {static_cast<QWidget*>(m_hintIcon), static_cast<QWidget*>(m_hintText)}) {
        QSizePolicy policy = hint->sizePolicy();
        policy.setRetainSizeWhenHidden(true);
        hint->setSizePolicy(policy);
    }
    auto* hintBox = new QGroupBox(tr(" Hinweise "), this);
    auto* hintLayout = new QHBoxLayout(hintBox);
    hintLayout->addWidget(m_hintIcon, 0, Qt::AlignTop);
    hintLayout->addWidget(m_hintText, 1);

    // Choices.
    m_pageList = new QComboBox(this);
    m_pageList->setObjectName(QStringLiteral("pageList"));
    m_copiesField = new CRangeSpinBox(this);
    m_copiesField->setObjectName(QStringLiteral("copies"));
    m_copiesField->SetAllowedRange(1, kMaxCopies);
    m_reusePrinter =
        new QCheckBox(tr("Diesen Drucker für dieses Formular wieder benutzen"), this);
    m_reusePrinter->setObjectName(QStringLiteral("reusePrinter"));
    auto* choicesBox = new QGroupBox(tr(" Druckvorgaben "), this);
    auto* choices = new QGridLayout(choicesBox);
    choices->addWidget(m_pageList, 0, 0, 1, 3);
    choices->addWidget(new QLabel(tr("Anzahl:"), choicesBox), 1, 0);
    choices->addWidget(m_copiesField, 1, 1);
    choices->setColumnStretch(2, 1);
    choices->addWidget(m_reusePrinter, 2, 0, 1, 3);

    // Paper: the pre-printed path stays exactly as it is; plain paper is a
    // separate job of the whole form.
    m_prePrinted = new QRadioButton(tr("Auf den Vordruck (nur Feldtexte und Markierungen)"), this);
    m_prePrinted->setObjectName(QStringLiteral("prePrinted"));
    m_plainPaper = new QRadioButton(tr("Auf Normalpapier (ganzes Formular)"), this);
    m_plainPaper->setObjectName(QStringLiteral("plainPaper"));
    m_labelCopies = new QCheckBox(tr("Exemplare beschriften"), this);
    m_labelCopies->setObjectName(QStringLiteral("labelCopies"));
    auto* paperChoice = new QGroupBox(tr(" Ausgabe "), this);
    auto* paperChoiceLayout = new QVBoxLayout(paperChoice);
    paperChoiceLayout->addWidget(m_prePrinted);
    paperChoiceLayout->addWidget(m_plainPaper);
    auto* labelRow = new QHBoxLayout;
    labelRow->addSpacing(22);
    labelRow->addWidget(m_labelCopies);
    paperChoiceLayout->addLayout(labelRow);
    connect(m_plainPaper, &QRadioButton::toggled, this, [this] { UpdatePaperControls(); });

    // Buttons.
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    buttons->button(QDialogButtonBox::Help)->setText(tr("Hilfe"));
    // Apart from the others: it leaves the dialog for another one.
    auto* setup = new QPushButton(tr("Druckereinrichtung"), this);
    setup->setAutoDefault(false);
    setup->setObjectName(QStringLiteral("printerSetup"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { Q_EMIT HelpRequested(kHelpContextId); });
    connect(setup, &QPushButton::clicked, this, [this] {
        m_printerSetupRequested = true;
        reject();
    });
    auto* preview = new QPushButton(tr("Seitenansicht"), this);
    preview->setAutoDefault(false);
    preview->setObjectName(QStringLiteral("preview"));
    connect(preview, &QPushButton::clicked, this, [this] {
        EnsureInitialised();
        Q_EMIT PreviewRequested();
    });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(printerBox);
    layout->addWidget(paperBox);
    layout->addWidget(hintBox);
    layout->addWidget(choicesBox);
    layout->addWidget(paperChoice);
    auto* buttonRow = new QHBoxLayout;
    buttonRow->addWidget(setup);
    buttonRow->addWidget(preview);
    buttonRow->addSpacing(24);
    buttonRow->addWidget(buttons, 1);
    layout->addLayout(buttonRow);
    setMinimumWidth(480);
}

void CDlgDrucken::showEvent(QShowEvent* event)
{
    EnsureInitialised();
    QDialog::showEvent(event);
}

void CDlgDrucken::EnsureInitialised()
{
    if (!m_initialised) {
        m_initialised = true;
        InitDialog();
    }
}

void CDlgDrucken::InitDialog()
{
    // Only portrait matches the forms; a landscape printer gets the one hint that
    // matters and no paper hint on top of it.
    const bool portrait = m_description.portrait;
    m_iconOk->setVisible(portrait);
    m_iconPortrait->setVisible(portrait);
    m_iconWarning->setVisible(!portrait);
    m_iconLandscape->setVisible(!portrait);
    m_hintIcon->setVisible(!portrait);
    m_hintText->setVisible(!portrait);
    if (!portrait)
        m_hintText->setText(tr("Stellen Sie Ihren Drucker auf \"Hochformat\" um, damit das "
                               "Formular richtig ausgedruckt wird."));

    setWindowTitle(Title(m_form->type));
    m_section = m_form->Section();
    const int pageCount = m_form->pageCount;
    m_pageList->clear();
    for (int page = 1; page <= pageCount; ++page)
        m_pageList->addItem(tr("Seite %1 drucken").arg(page));
    m_pageList->setCurrentIndex(
        m_initialPage >= 1 && m_initialPage <= m_pageList->count() ? m_initialPage - 1 : 0);
    m_pageList->setEnabled(pageCount > 1);

    if (portrait && m_description.paperCode != PaperCodes::kLegal) {
        m_hintText->setText(tr("Beachten Sie die Papiereinstellung \"A4\", die aktuell benutzten "
                               "Formulare sind in diesem Format (Laserdrucker)."));
        m_hintText->show();
        m_hintIcon->show();
        m_iconWarning->show();
        m_iconOk->hide();
    }

    m_copiesField->SetInitialValue(m_settings.Get(m_section, Settings::Copies));
    m_reusePrinter->setChecked(m_settings.Get(m_section, Settings::ReusePrinter) == 1);

    QStringList labels;
    for (const Forms::CopyLabel& label : m_form->copyLabels.copies)
        labels << QString::fromUtf8(label.text);
    m_formHasLabels = !labels.isEmpty();
    m_labelCopies->setVisible(m_formHasLabels);
    m_labelCopies->setToolTip(
        tr("Die Kopien werden als die Exemplare des Formulars gedruckt, jedes in seiner Farbe "
           "und mit seiner Beschriftung am Rand:\n%1\nWeitere Kopien bleiben ohne Beschriftung.")
            .arg(labels.join(QLatin1Char('\n'))));
    const bool plain = m_settings.Get(m_section, Settings::PlainPaper) == 1;
    m_plainPaper->setChecked(plain);
    m_prePrinted->setChecked(!plain);
    m_labelCopies->setChecked(m_settings.Get(m_section, Settings::LabelCopies) == 1);
    UpdatePaperControls();
    m_pageList->setFocus();
}

void CDlgDrucken::UpdatePaperControls()
{
    m_labelCopies->setEnabled(m_plainPaper->isChecked() && m_formHasLabels);
}

bool CDlgDrucken::PlainPaper() const
{
    return m_plainPaper->isChecked();
}

bool CDlgDrucken::LabelledCopies() const
{
    return m_plainPaper->isChecked() && m_formHasLabels && m_labelCopies->isChecked();
}

int CDlgDrucken::ChosenPage() const
{
    return m_pageList->currentIndex() + 1;
}

int CDlgDrucken::ChosenCopies() const
{
    return m_copiesField->value();
}

void CDlgDrucken::SelectPage(int page)
{
    EnsureInitialised();
    if (page >= 1 && page <= m_pageList->count())
        m_pageList->setCurrentIndex(page - 1);
}

QString CDlgDrucken::PaperName() const
{
    return m_paperName->text();
}

QString CDlgDrucken::HintText() const
{
    return m_hintText->isHidden() ? QString() : m_hintText->text();
}

void CDlgDrucken::accept()
{
    EnsureInitialised();
    // A count the user did not mean wastes pre-printed forms: an entry outside
    // the range is refused, never replaced.
    const std::optional<int> copies = m_copiesField->CheckValue(windowTitle());
    if (!copies)
        return;
    m_printPage = m_pageList->currentIndex() + 1;
    m_copies = *copies;
    const bool reuse = m_reusePrinter->isChecked();
    m_settings.Set(m_section, Settings::Copies, m_copies);
    m_settings.Set(m_section, Settings::ReusePrinter, reuse ? 1 : 0);
    m_settings.Set(m_section, Settings::PlainPaper, m_plainPaper->isChecked() ? 1 : 0);
    m_settings.Set(m_section, Settings::LabelCopies, m_labelCopies->isChecked() ? 1 : 0);
    // A printer without a name cannot be selected again, so it is not remembered.
    const bool remember = reuse && !m_description.name.isEmpty();
    m_settings.Set(m_section, Settings::Printer,
                   remember ? m_description.name
                            : QString::fromUtf8(Settings::Printer.defaultValue));
    if (m_printer)
        m_printer->setFromTo(1, m_copies);
    QDialog::accept();
}
