#include "printing/printcommand.h"

#include "app/helptopicscope.h"
#include "app/mainframe.h"
#include "documents/krdocument.h"
#include "printing/dlgdrucken.h"
#include "printing/margincommand.h"
#include "printing/printjob.h"
#include "settings/settingsstore.h"

#include <QMessageBox>
#include <QPageLayout>
#include <QPrintDialog>
#include <QPrinter>

namespace {

QString Section(FormType type)
{
    return GetFormTypeInfo(type).section;
}

// The text typed into the current box lives in the edit widget until the store
// takes it back; the printout must show it.
void CommitEditedBox(CKrDocument& document)
{
    CFieldStore& store = document.GetStore();
    if (store.GetEditor())
        store.CommitCurrent();
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

bool PrintOnPrinter(QPrinter& printer, const CKrDocument& document, CSettingsStore& settings,
                    int page, int copies, QString* error)
{
    // Copies are pages of the job; a copy count of the printer's own (from its
    // setup dialog) would multiply them.
    printer.setCopyCount(1);
    // The sheets are laid out from the corner of what the printer can reach.
    // Qt puts a margin of its own around that (10 pt by default, or what a
    // setup dialog left behind), which would shift every box; a PDF reaches
    // the whole page.
    printer.setFullPage(false);
    const QPageLayout layout = printer.pageLayout();
    printer.setPageMargins(layout.minimumMargins(), layout.units());
    printer.setFromTo(1, copies);
    // The spooler shows the job by this name.
    printer.setDocName(document.GetTitle().isEmpty() ? QStringLiteral("Tarvelomark")
                                                     : document.GetTitle());
    if (!PrintDocumentPages(printer, document, settings, page, copies, error))
        return false;
    if (printer.printerState() == QPrinter::Error) {
        if (error)
            *error = QStringLiteral("Der Druckauftrag konnte nicht ausgef\u00fchrt werden.");
        return false;
    }
    return true;
}

bool PrintWithRememberedPrinter(const CKrDocument& document, CSettingsStore& settings,
                                CMainFrame& frame, int page, int copies, QString* error)
{
    SelectRememberedPrinter(document.GetFormType(), settings, frame);
    return PrintOnPrinter(frame.CurrentPrinter(), document, settings, page, copies, error);
}

bool RunPrintCommand(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent)
{
    const FormType type = document.GetFormType();
    const QString section = Section(type);
    // The printer setup button leads back here: the command starts over with the
    // printer chosen there.
    for (;;) {
        if (settings.Get(section, Settings::HideMarginDialog) != 1) {
            EditPrintMargins(settings, type, parent, CHelpTopicScope::ShowTopic);
        }
        CommitEditedBox(document);

        SelectRememberedPrinter(type, settings, frame);
        QPrinter& printer = frame.CurrentPrinter();
        int result;
        int page;
        int copies;
        bool setupRequested;
        {
            CHelpTopicScope help(CDlgDrucken::kHelpContextId);
            CDlgDrucken dialog(settings, printer, parent);
            dialog.SetFormKind(type);
            QObject::connect(&dialog, &CDlgDrucken::HelpRequested, &dialog, CHelpTopicScope::ShowTopic);
            result = dialog.exec();
            page = dialog.PrintPage();
            copies = dialog.Copies();
            setupRequested = dialog.PrinterSetupRequested();
        }
        if (result == QDialog::Accepted) {
            QString error;
            if (PrintOnPrinter(printer, document, settings, page, copies, &error))
                return true;
            QMessageBox::warning(parent, QStringLiteral("Tarvelomark"), error);
            return false;
        }
        if (!setupRequested)
            return false;
        RunPrintSetup(type, settings, frame, parent);
    }
}

void RunPrintSetup(FormType type, CSettingsStore& settings, CMainFrame& frame, QWidget* parent)
{
    {
        // Choosing the printer and its paper; pages and copies belong to the
        // program's own print dialog.
        QPrintDialog dialog(&frame.CurrentPrinter(), parent);
        dialog.setWindowTitle(QStringLiteral("Druckeinrichtung"));
        dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                          QAbstractPrintDialog::PrintShowPageSize);
        dialog.exec();
    }
    // The printer just chosen is the one to use, not a remembered one.
    const QString section = Section(type);
    settings.Set(section, Settings::Printer, QString::fromUtf8(Settings::Printer.defaultValue));
    settings.Set(section, Settings::ReusePrinter, 0);
}
