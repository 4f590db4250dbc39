#pragma once

#include "core/forms/formdescription.h"
#include "render/printing/wholenote.h"

#include <QDialog>

class CKrDocument;
class CSettingsStore;
class QAction;
class QLabel;
class QPrintPreviewWidget;
class QPrinter;
class QPushButton;
class QSpinBox;

// The print preview ("Seitenansicht") of a document: every page of the form as
// the printer gets it, from the same print routine with the same settings, on
// paper of the printer's size and with its unprintable border. On pre-printed
// sheets (the default) the form lies faintly under the texts, crosses and marks,
// from the corner of the paper, so that the user sees each text inside or
// outside its box before a sheet is spent; on plain paper the whole form is shown
// as the first copy of the job prints it.
//
// The user zooms, shows one page or all of them side by side ("PreviewPages" of
// section "Settings": 1 or 2, kept when the dialog closes), steps through the
// pages, changes the margins (the preview follows at once) and asks to print,
// which ends the dialog with PrintRequested() set and CurrentPage() the page
// shown; the caller prints. The dialog itself never prints.
//
// Ownership: the document, the settings store and the printer outlive the
// dialog; the description is static. The printer's page layout is set for the
// paper as printing sets it (PrepareSheetPrinter).
class CDlgSeitenansicht : public QDialog
{
    Q_OBJECT

public:
    CDlgSeitenansicht(const CKrDocument& document, CSettingsStore& settings, QPrinter& printer,
                      QWidget* parent = nullptr);

    // Plain paper with these copies instead of the pre-printed sheet; set it
    // before the dialog is shown.
    void SetPlainPaper(const CopyPlan& copies);
    bool PlainPaper() const { return m_plain; }
    // The page shown (1 .. the form's page count).
    void SetCurrentPage(int page);
    int CurrentPage() const;
    // Both pages side by side rather than one.
    void SetBothPages(bool both);
    bool BothPages() const;
    // The text of the print button ("Drucken..." unless set).
    void SetPrintButtonText(const QString& text);
    bool PrintRequested() const { return m_printRequested; }

    // Draws the preview's pages onto a printer: what the preview widget asks
    // for, and the same drawing onto any other printer for a check.
    void PaintSheets(QPrinter* printer);
    // Draws the preview anew (after a change of the settings).
    void UpdatePreview();

    QPrintPreviewWidget* PreviewWidget() const { return m_preview; }

    void done(int result) override;

private:
    void BuildControls();
    void EditMargins();
    void SyncPageField();

    const Forms::FormDescription& m_form;
    const CKrDocument& m_document;
    CSettingsStore& m_settings;
    bool m_plain = false;
    CopyPlan m_copies;
    bool m_printRequested = false;
    int m_pendingPage = 0; // to be shown once the preview has its pages

    QPrintPreviewWidget* m_preview = nullptr;
    QAction* m_onePage = nullptr;
    QAction* m_bothPages = nullptr;
    QAction* m_margins = nullptr;
    QSpinBox* m_pageField = nullptr;
    QLabel* m_paperNote = nullptr;
    QPushButton* m_print = nullptr;
};
