#pragma once

#include <QDialog>

#include <optional>

class CSettingsStore;
class QLineEdit;

// Edits the print-area correction ("PrnFactorV" and "PrnFactorH" in section
// "Settings", thousandths) as per cent with a decimal point. OK accepts only values
// from 97 to 103 and then writes both; a refused value keeps the dialog open and
// writes nothing.
class Common_CDlgPrintSizeCorr : public QDialog
{
    Q_OBJECT

public:
    static constexpr double kMinPercent = 97.0;
    static constexpr double kMaxPercent = 103.0;

    explicit Common_CDlgPrintSizeCorr(CSettingsStore& settings, QWidget* parent = nullptr);

    // The per cent a field holds; nothing when it is not a number with a decimal point.
    static std::optional<double> ParsePercent(const QString& text);
    // Thousandths of a per cent value, truncated; 102.5 gives 1025.
    static int ToThousandths(double percent);

    void accept() override;

private:
    bool CheckField(QLineEdit* field, std::optional<double>& value);

    CSettingsStore& m_settings;
    QLineEdit* m_vertical;
    QLineEdit* m_horizontal;
};
