#pragma once

#include "core/printing/printcalibration.h"

#include <QDialog>

#include <array>
#include <functional>
#include <optional>

class CMainFrame;
class CSettingsStore;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

// "Drucker einmessen...": the assistant that finds a page's margins and the
// print-area correction in one pass (see printcalibration.h). The clerk prints
// the calibration page of a page of the form, lays it on a pre-printed form,
// reads at each of the two crosshairs how far the box corner lies from it, and
// types the four readings in millimetres (right and down positive; comma or
// point). The assistant shows the settings that follow, or why it refuses the
// readings, and stores them on "Werte übernehmen": the page's margin keys of the
// form's section and "PrnFactorH"/"PrnFactorV" of "Settings". It then stays
// open for a second calibration page, which shows what is left; readings of that
// page refine the values again.
//
// The description is static; the settings store must outlive the dialog.
// Printing goes through `print`, which the program connects to the form's
// printer and tests to a PDF file.
class CDlgDruckerEinmessen : public QDialog
{
    Q_OBJECT

public:
    // Prints the calibration page of a page with the settings stored now: true
    // when it was sent, false when the user cancelled, or why it failed.
    using PrintPage = std::function<Expected<bool>(int page)>;

    CDlgDruckerEinmessen(const Forms::FormDescription& form, CSettingsStore& settings, int page,
                         PrintPage print, QWidget* parent = nullptr);

    int Page() const { return m_page; }
    void SetPage(int page);

    // The four readings as the fields hold them; nothing when a field holds no
    // number.
    std::optional<Calibration::Readings> Readings() const;
    // What the readings give with the settings stored now.
    const Expected<Calibration::Solution>& Result() const { return m_result; }
    // The text of the result area: the new values, or why there are none.
    QString ResultText() const;

    // "Werte übernehmen": stores the result and makes ready for the second
    // page. False (and nothing stored) when the readings give no result; a
    // failed write is told in a message box.
    bool ApplyResult();
    // "Kalibrierblatt drucken": prints, telling a failure in a message box.
    bool PrintSheet();

protected:
    bool event(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void FitMinimumSize();
    void SetStatus(const QString& text);
    void BuildMarkLabels();
    void Recompute();

    const Forms::FormDescription& m_form;
    CSettingsStore& m_settings;
    PrintPage m_print;
    int m_page = 1;
    int m_publisher = 0;
    Calibration::Marks m_marks{};
    Calibration::PrintSettings m_current;
    Expected<Calibration::Solution> m_result{Error(ErrorCode::CalibrationReadingNotNumber)};

    QComboBox* m_pageChoice;
    QPushButton* m_printButton;
    std::array<QLabel*, 2> m_markLabels{};
    std::array<QLineEdit*, 4> m_readingFields{};
    QLabel* m_resultLabel;
    QLabel* m_statusLabel;
    QPushButton* m_applyButton;
};

// The command: the assistant for the form's page, printing onto the form's
// printer (the remembered one when the form keeps one) after the platform's
// print dialog has shown which one it is.
void RunPrinterCalibration(const Forms::FormDescription& form, CSettingsStore& settings,
                           CMainFrame& frame, int page, QWidget* parent);
