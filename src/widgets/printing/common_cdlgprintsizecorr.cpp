#include "widgets/printing/common_cdlgprintsizecorr.h"

#include "core/settings/settingsstore.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

const QString kSection = QLatin1String(Settings::kSectionSettings);

QString PercentText(int thousandths)
{
    return QLocale::c().toString(thousandths / 10.0, 'g', 6);
}

} // namespace

Common_CDlgPrintSizeCorr::Common_CDlgPrintSizeCorr(CSettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings), m_vertical(new QLineEdit(this)),
      m_horizontal(new QLineEdit(this))
{
    setWindowTitle(tr("Druckbereich-Korrektur"));

    m_vertical->setObjectName(QStringLiteral("vertical"));
    m_horizontal->setObjectName(QStringLiteral("horizontal"));
    m_vertical->setText(PercentText(settings.Get(kSection, Settings::PrnFactorV)));
    m_horizontal->setText(PercentText(settings.Get(kSection, Settings::PrnFactorH)));
    for (QLineEdit* field : {m_vertical, m_horizontal}) {
        field->setAlignment(Qt::AlignRight);
        field->setMaxLength(12);
        field->setFixedWidth(field->fontMetrics().horizontalAdvance(QStringLiteral("0000.000")) +
                             16);
    }

    auto* warning = new QLabel(tr("Diese Einstellungen verändern den Ausdruck!"), this);
    QFont bold = warning->font();
    bold.setBold(true);
    warning->setFont(bold);

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    auto* verticalLabel = new QLabel(tr("Korrektur &vertikal:"), this);
    verticalLabel->setBuddy(m_vertical);
    auto* horizontalLabel = new QLabel(tr("Korrektur &horizontal:"), this);
    horizontalLabel->setBuddy(m_horizontal);
    grid->addWidget(verticalLabel, 0, 0);
    grid->addWidget(m_vertical, 0, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 0, 2);
    grid->addWidget(horizontalLabel, 1, 0);
    grid->addWidget(m_horizontal, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("%"), this), 1, 2);
    grid->setColumnStretch(3, 1);

    auto* decimalNote = new QLabel(tr("Eingabe mit Punkt; kein Komma!"), this);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(warning);
    layout->addSpacing(4);
    layout->addLayout(grid);
    layout->addWidget(decimalNote);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::optional<double> Common_CDlgPrintSizeCorr::ParsePercent(const QString& text)
{
    // The C locale: a decimal point whatever the user's locale, a comma is an error.
    QLocale c = QLocale::c();
    c.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double value = c.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

int Common_CDlgPrintSizeCorr::ToThousandths(double percent)
{
    // Truncates the decimal the user typed, not its binary neighbour: 100.1 is
    // 1000.99999... in binary and would otherwise be stored as 1000.
    return static_cast<int>(std::floor(percent * 10.0 + 1e-6));
}

bool Common_CDlgPrintSizeCorr::CheckField(QLineEdit* field, std::optional<double>& value)
{
    value = ParsePercent(field->text());
    QString message;
    if (!value)
        message = tr("Geben Sie eine Zahl ein.");
    else if (!(*value >= kMinPercent && *value <= kMaxPercent))
        message = tr("Geben Sie eine Zahl zwischen 97 und 103 ein.");
    if (message.isEmpty())
        return true;
    QMessageBox::warning(this, windowTitle(), message);
    field->setFocus();
    field->selectAll();
    return false;
}

void Common_CDlgPrintSizeCorr::accept()
{
    std::optional<double> vertical;
    std::optional<double> horizontal;
    if (!CheckField(m_vertical, vertical) || !CheckField(m_horizontal, horizontal))
        return;
    m_settings.Set(kSection, Settings::PrnFactorV, ToThousandths(*vertical));
    m_settings.Set(kSection, Settings::PrnFactorH, ToThousandths(*horizontal));
    QDialog::accept();
}
