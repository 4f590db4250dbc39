#include "widgets/printing/margincommand.h"

#include "core/forms/formdescription.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/formname.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/printing/common_dlgmargin01.h"
#include "widgets/printing/common_dlgmargin02.h"

#include <QCoreApplication>

namespace {

QString Title(const Forms::FormDescription& form)
{
    return QCoreApplication::translate("Margins", "Ränder bei Ausdruck %1")
        .arg(FormName(form.type));
}

bool EditFrontAndBack(CSettingsStore& settings, const Forms::FormDescription& form,
                      const QString& section, QWidget* parent,
                      const std::function<void(int)>& showHelp)
{
    Common_DlgMargin02 sheet(parent);
    if (showHelp)
        QObject::connect(&sheet, &Common_DlgMargin02::HelpRequested, &sheet, showHelp);
    sheet.SetPageCount(2);
    sheet.SetSheetTitle(Title(form));
    sheet.SetPageTitle(1, QCoreApplication::translate("Margins", " Vorderseite "));
    sheet.SetPageTitle(2, QCoreApplication::translate("Margins", " Rückseite "));
    sheet.SetHorizontal(1, settings.Get(section, Settings::LeftMargin1));
    sheet.SetVertical(1, settings.Get(section, Settings::TopMargin1));
    sheet.SetHorizontal(2, settings.Get(section, Settings::LeftMargin2));
    sheet.SetVertical(2, settings.Get(section, Settings::TopMargin2));
    sheet.SetDoNotShow(settings.Get(section, Settings::HideMarginDialog) != 0);
    if (sheet.exec() != QDialog::Accepted)
        return false;
    settings.Set(section, Settings::LeftMargin1, sheet.Horizontal(1));
    settings.Set(section, Settings::TopMargin1, sheet.Vertical(1));
    settings.Set(section, Settings::LeftMargin2, sheet.Horizontal(2));
    settings.Set(section, Settings::TopMargin2, sheet.Vertical(2));
    settings.Set(section, Settings::HideMarginDialog, sheet.DoNotShow() ? 1 : 0);
    return true;
}

bool EditSinglePage(CSettingsStore& settings, const Forms::FormDescription& form,
                    const QString& section, QWidget* parent,
                    const std::function<void(int)>& showHelp)
{
    Common_DlgMargin01 dialog(parent);
    if (showHelp)
        QObject::connect(&dialog, &Common_DlgMargin01::HelpRequested, &dialog, showHelp);
    dialog.SetTitle(Title(form));
    dialog.SetHorizontal(settings.Get(section, Settings::LeftMargin));
    dialog.SetVertical(settings.Get(section, Settings::TopMargin));
    dialog.SetDoNotShow(settings.Get(section, Settings::HideMarginDialog) != 0);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    settings.Set(section, Settings::LeftMargin, dialog.Horizontal());
    settings.Set(section, Settings::TopMargin, dialog.Vertical());
    settings.Set(section, Settings::HideMarginDialog, dialog.DoNotShow() ? 1 : 0);
    return true;
}

} // namespace

bool EditPrintMargins(CSettingsStore& settings, const Forms::FormDescription& form, QWidget* parent,
                      const std::function<void(int)>& showHelp)
{
    const CHelpTopicScope help(Common_DlgMargin01::kHelpContextId);
    const QString section = form.Section();
    if (form.pageCount == 2)
        return EditFrontAndBack(settings, form, section, parent, showHelp);
    return EditSinglePage(settings, form, section, parent, showHelp);
}
