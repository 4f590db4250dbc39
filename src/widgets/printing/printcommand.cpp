#include "widgets/printing/printcommand.h"

#include "core/documents/krdocument.h"
#include "core/errors/errortext.h"
#include "core/settings/settingsstore.h"
#include "render/printing/printjob.h"
#include "render/views/formrender.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/app/mainframe.h"
#include "widgets/printing/dlgdrucken.h"
#include "widgets/printing/dlgseitenansicht.h"
#include "widgets/printing/margincommand.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString Section(FormType type)
{
    return GetFormTypeInfo(type).section;
}

// The preview of what the print dialog would print now; printing from there
// accepts the dialog with the page the preview showed.
void PreviewFromPrintDialog(CDlgDrucken& dialog, const CKrDocument& document,
                            CSettingsStore& settings, QPrinter& printer)
{
    bool print = false;
    int page = 1;
    {
        CDlgSeitenansicht preview(document, settings, printer, &dialog);
        if (dialog.PlainPaper())
            preview.SetPlainPaper(CopyPlan{dialog.ChosenCopies(), dialog.LabelledCopies()});
        preview.SetCurrentPage(dialog.ChosenPage());
        preview.SetPrintButtonText(QCoreApplication::translate("PrintCommand", "Drucken"));
        preview.exec();
        print = preview.PrintRequested();
        page = preview.CurrentPage();
    }
    if (!print)
        return;
    dialog.SelectPage(page);
    dialog.accept();
}

} // namespace

void SelectRememberedPrinter(FormType type, CSettingsStore& settings, CMainFrame& frame)
{
    const QString section = Section(type);
    const QString name = settings.Get(section, Settings::Printer);
    if (name != QString::fromUtf8(Settings::Printer.defaultValue) &&
        settings.Get(section, Settings::ReusePrinter) == 1)
        frame.SelectPrinterByNameCopy(name);
}

void PrepareSheetPrinter(QPrinter& printer, bool wholeForm)
{
    // Copies are pages of the job; a copy count of the printer's own (from its
    // setup dialog) would multiply them.
    printer.setCopyCount(1);
    // The sheets are laid out from the corner of what the printer can reach.
    // Qt puts a margin of its own around that (10 pt by default, or what a
    // setup dialog left behind), which would shift every box; a PDF reaches
    // the whole page. The whole form is laid out from the corner of the paper.
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    printer.setFullPage(wholeForm);
}

namespace {

void NameJob(QPrinter& printer, const CKrDocument& document)
{
    // The spooler shows the job by this name.
    printer.setDocName(document.GetTitle().isEmpty() ? QStringLiteral("Tarvelomark")
                                                     : document.GetTitle());
}

// A spooler that refused the job after it was drawn shows only in the state.
Error JobResult(const QPrinter& printer)
{
    return printer.printerState() == QPrinter::Error ? Error(ErrorCode::PrintJobFailed) : Error();
}

} // namespace

Error PrintOnPrinter(QPrinter& printer, const CKrDocument& document, CSettingsStore& settings,
                     int page, int copies)
{
    PrepareSheetPrinter(printer, false);
    printer.setFromTo(1, copies);
    NameJob(printer, document);
    if (Error error = PrintDocumentPages(
            printer, document, PrintContext::Read(document.Form(), settings), page, copies))
        return error;
    return JobResult(printer);
}

Error PrintWholeFormOnPrinter(QPrinter& printer, const CKrDocument& document,
                              CSettingsStore& settings, int page, const CopyPlan& copies)
{
    PrepareSheetPrinter(printer, true);
    printer.setFromTo(1, qMax(1, copies.count));
    NameJob(printer, document);
    WholeNoteJob job;
    job.pages = {page};
    job.copies = copies;
    if (Error error =
            PrintWholeNote(printer, document, PrintContext::Read(document.Form(), settings), job))
        return error;
    return JobResult(printer);
}

Error PrintWithRememberedPrinter(const CKrDocument& document, CSettingsStore& settings,
                                 CMainFrame& frame, int page, int copies)
{
    SelectRememberedPrinter(document.GetFormType(), settings, frame);
    return PrintOnPrinter(frame.CurrentPrinter(), document, settings, page, copies);
}

bool RunPrintCommand(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent, int initialPage)
{
    const FormType type = document.GetFormType();
    const QString section = Section(type);
    // The printer setup button leads back here: the command starts over with the
    // printer chosen there.
    for (;;) {
        if (settings.Get(section, Settings::HideMarginDialog) != 1) {
            EditPrintMargins(settings, document.Form(), parent, CHelpTopicScope::ShowTopic);
        }

        SelectRememberedPrinter(type, settings, frame);
        QPrinter& printer = frame.CurrentPrinter();
        int result;
        int page;
        int copies;
        bool setupRequested;
        bool plainPaper;
        bool labelled;
        {
            CHelpTopicScope help(CDlgDrucken::kHelpContextId);
            CDlgDrucken dialog(settings, printer, parent);
            dialog.SetForm(document.Form());
            dialog.SetInitialPage(initialPage);
            QObject::connect(&dialog, &CDlgDrucken::HelpRequested, &dialog,
                             CHelpTopicScope::ShowTopic);
            QObject::connect(&dialog, &CDlgDrucken::PreviewRequested, &dialog,
                             [&] { PreviewFromPrintDialog(dialog, document, settings, printer); });
            result = dialog.exec();
            page = dialog.PrintPage();
            copies = dialog.Copies();
            setupRequested = dialog.PrinterSetupRequested();
            plainPaper = dialog.PlainPaper();
            labelled = dialog.LabelledCopies();
        }
        if (result == QDialog::Accepted) {
            const Error error = plainPaper
                                    ? PrintWholeFormOnPrinter(printer, document, settings, page,
                                                              CopyPlan{copies, labelled})
                                    : PrintOnPrinter(printer, document, settings, page, copies);
            if (!error)
                return true;
            QMessageBox::warning(parent, QStringLiteral("Tarvelomark"), ErrorMessage(error));
            return false;
        }
        if (!setupRequested)
            return false;
        RunPrintSetup(type, settings, frame, parent);
    }
}

bool RunPrintPreview(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent, int page)
{
    const FormType type = document.GetFormType();
    SelectRememberedPrinter(type, settings, frame);
    bool print = false;
    {
        CDlgSeitenansicht preview(document, settings, frame.CurrentPrinter(), parent);
        const QString section = Section(type);
        if (settings.Get(section, Settings::PlainPaper) == 1)
            preview.SetPlainPaper(
                CopyPlan{qBound(1, settings.Get(section, Settings::Copies), kMaxPrintCopies),
                         settings.Get(section, Settings::LabelCopies) == 1});
        preview.SetCurrentPage(page);
        preview.exec();
        print = preview.PrintRequested();
        page = preview.CurrentPage();
    }
    return print && RunPrintCommand(document, settings, frame, parent, page);
}

void RunPrintSetup(FormType type, CSettingsStore& settings, CMainFrame& frame, QWidget* parent)
{
    {
        // Choosing the printer and its paper; pages and copies belong to the
        // program's own print dialog.
        QPrintDialog dialog(&frame.CurrentPrinter(), parent);
        dialog.setWindowTitle(QCoreApplication::translate("PrintCommand", "Druckeinrichtung"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        dialog.exec();
    }
    // The printer just chosen is the one to use, not a remembered one.
    const QString section = Section(type);
    settings.Set(section, Settings::Printer, QString::fromUtf8(Settings::Printer.defaultValue));
    settings.Set(section, Settings::ReusePrinter, 0);
}
