#pragma once

#include "core/forms/formtype.h"

#include <QDialog>

#include <array>

class CRangeSpinBox;
class CSettingsStore;

// Edits the printer font factor of each form type ("DruckerSchriftFaktor" in the four
// form sections, per cent of the printer font). Reads the factors when built and
// writes all four on OK, which refuses a factor outside 50..150 or an empty field
// with a message and keeps the dialog open; Cancel writes nothing.
class CDlgPrinterFontSize : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 109;
    static constexpr int kMinFactor = 50;
    static constexpr int kMaxFactor = 150;

    explicit CDlgPrinterFontSize(CSettingsStore& settings, QWidget* parent = nullptr);

    // The factor the row shows (as typed; -1 while empty).
    int Factor(FormType type) const;

    void accept() override;

Q_SIGNALS:
    void HelpRequested(int contextId);

private:
    CSettingsStore& m_settings;
    std::array<CRangeSpinBox*, 4> m_fields{};
};
