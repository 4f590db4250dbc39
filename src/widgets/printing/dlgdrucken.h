#pragma once

#include "core/forms/formdescription.h"

#include <QDialog>

class CRangeSpinBox;
class CSettingsStore;
class QCheckBox;
class QComboBox;
class QLabel;
class QPrinter;
class QRadioButton;

// What the print dialog shows of the printer that will print.
struct PrinterDescription
{
    QString name;
    bool portrait = true;
    int paperCode = 0; // Windows paper code, see printing/papernames.h
};

PrinterDescription DescribePrinter(const QPrinter& printer);

// The print dialog of the form views. It shows the printer, its orientation and paper
// with hints, and lets the user choose the page of the form, the number of copies and
// whether this printer is used again for the form type. It prints nothing.
//
// OK refuses a copy count outside 1..99 or an empty one with a message and keeps
// the dialog open.
//
// It also offers the paper: the pre-printed sheet, which gets only the texts, the
// cross and the marks, or plain paper, which gets the whole form, its copies
// labelled as the form's originals when the form has them and the user asks.
//
// On OK it stores "DruckAnzahl", "ReUseDrucker", "Drucker", "Normalpapier" and
// "ExemplareBeschriften" in the form's section and, when built on a QPrinter, sets
// the printer's page range to 1..copies: each copy is one page of the job. On
// cancel nothing is stored. When the user asks for the printer setup the dialog
// ends as cancelled with PrinterSetupRequested() set; the caller shows the setup
// and starts printing again. The "Seitenansicht" button only tells the caller
// (PreviewRequested), which shows the preview of the choices made so far and
// may accept the dialog from there.
class CDlgDrucken : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 103;

    // The printer must outlive the dialog.
    CDlgDrucken(CSettingsStore& settings, QPrinter& printer, QWidget* parent = nullptr);
    CDlgDrucken(CSettingsStore& settings, const PrinterDescription& printer,
                QWidget* parent = nullptr);

    // The note's form and edition; the CMR note unless set. Set it before the
    // dialog is shown.
    void SetForm(const Forms::FormDescription& form) { m_form = &form; }
    // The page selected when the dialog opens (1 unless set; a page the form
    // does not have selects page 1).
    void SetInitialPage(int page) { m_initialPage = page; }

    int Copies() const { return m_copies; }
    int PrintPage() const { return m_printPage; } // 1 front, 2 back
    bool PrinterSetupRequested() const { return m_printerSetupRequested; }
    // The paper chosen: after OK, and while the dialog is open the current
    // choices (for the preview).
    bool PlainPaper() const;
    bool LabelledCopies() const;
    int ChosenPage() const;
    int ChosenCopies() const;
    // Selects a page in the page list, as the user would.
    void SelectPage(int page);

    QString PaperName() const;
    // The hint shown to the user; empty when there is none.
    QString HintText() const;

    void accept() override;

Q_SIGNALS:
    void HelpRequested(int contextId);
    void PreviewRequested();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildControls();
    void InitDialog();
    void EnsureInitialised();
    void UpdatePaperControls();

    CSettingsStore& m_settings;
    QPrinter* m_printer = nullptr;
    PrinterDescription m_description;
    const Forms::FormDescription* m_form = &Forms::NewestDescription(FormType::Cmr);
    int m_initialPage = 1;
    bool m_formHasLabels = false;
    QString m_section;
    bool m_initialised = false;
    int m_copies = 0;
    int m_printPage = 1;
    bool m_printerSetupRequested = false;

    QLabel* m_printerName = nullptr;
    QLabel* m_iconWarning = nullptr; // orientation row: something to set
    QLabel* m_iconLandscape = nullptr;
    QLabel* m_iconPortrait = nullptr;
    QLabel* m_iconOk = nullptr; // orientation row: nothing to set
    QLabel* m_paperName = nullptr;
    QLabel* m_hintIcon = nullptr;
    QLabel* m_hintText = nullptr;
    QComboBox* m_pageList = nullptr;
    CRangeSpinBox* m_copiesField = nullptr;
    QCheckBox* m_reusePrinter = nullptr;
    QRadioButton* m_prePrinted = nullptr;
    QRadioButton* m_plainPaper = nullptr;
    QCheckBox* m_labelCopies = nullptr;
};
