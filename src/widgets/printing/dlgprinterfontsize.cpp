#include "widgets/printing/dlgprinterfontsize.h"

#include "core/settings/settingsstore.h"
#include "widgets/app/formname.h"
#include "widgets/printing/rangespinbox.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr std::array<FormType, 4> kRows = {FormType::Cmr, FormType::National, FormType::Kombi,
                                           FormType::Forwarding};

// The mnemonic is the name's first letter (C, N, K and S in German).
QString RowLabel(FormType type)
{
    return QLatin1Char('&') + FormName(type) + QLatin1Char(':');
}

} // namespace

CDlgPrinterFontSize::CDlgPrinterFontSize(CSettingsStore& settings, QWidget* parent)
    : QDialog(parent), m_settings(settings)
{
    setWindowTitle(tr("Schriftgrößen für Druck"));

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    for (size_t row = 0; row < kRows.size(); ++row) {
        const FormType type = kRows[row];
        // A factor far from 100 % makes the printed text useless (0 % would even
        // fall back to the driver's default size), so OK keeps to the range the
        // step buttons use.
        auto* field = new CRangeSpinBox(this);
        field->setObjectName(QString(GetFormTypeInfo(type).name));
        field->SetAllowedRange(kMinFactor, kMaxFactor);
        field->SetInitialValue(
            settings.Get(GetFormTypeInfo(type).section, Settings::PrinterFontFactor));
        auto* label = new QLabel(RowLabel(type), this);
        label->setBuddy(field);
        grid->addWidget(label, int(row), 0);
        grid->addWidget(field, int(row), 1);
        grid->addWidget(new QLabel(QStringLiteral("%"), this), int(row), 2);
        m_fields[row] = field;
    }

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    buttons->button(QDialogButtonBox::Help)->setText(tr("Hilfe"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { Q_EMIT HelpRequested(kHelpContextId); });

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(grid);
    layout->addSpacing(8);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CDlgPrinterFontSize::Factor(FormType type) const
{
    return m_fields[static_cast<size_t>(type)]->value();
}

void CDlgPrinterFontSize::accept()
{
    // Nothing is stored while one row is refused.
    std::array<int, 4> factors{};
    for (size_t row = 0; row < kRows.size(); ++row) {
        const std::optional<int> factor = m_fields[row]->CheckValue(windowTitle());
        if (!factor)
            return;
        factors[row] = *factor;
    }
    for (size_t row = 0; row < kRows.size(); ++row)
        m_settings.Set(GetFormTypeInfo(kRows[row]).section, Settings::PrinterFontFactor,
                       factors[row]);
    QDialog::accept();
}
