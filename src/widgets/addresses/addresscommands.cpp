#include "widgets/addresses/addresscommands.h"

#include "widgets/addresses/common_dlgadressdaten.h"
#include "widgets/addresses/dlgprogramoptions.h"
#include "widgets/app/helptopicscope.h"

std::optional<QString> ChooseAddress(const QString& addressFile, CSettingsStore& settings,
                                     QWidget* parent)
{
    // The address book keeps no settings; the store is taken so that the form
    // commands all have one shape.
    Q_UNUSED(settings);
    const CHelpTopicScope help(Common_DlgAdressDaten::kHelpContextId);
    Common_DlgAdressDaten dialog(parent);
    if (dialog.OpenAddressFile(addressFile) != kAddressFileOk)
        return std::nullopt;
    dialog.ShowSelectDialog();
    if (!dialog.TakenOver())
        return std::nullopt;
    return dialog.ResultText();
}

void EditAddresses(const QString& addressFile, QWidget* parent)
{
    const CHelpTopicScope help(Common_DlgAdressDaten::kHelpContextId);
    Common_DlgAdressDaten dialog(parent);
    if (dialog.OpenAddressFile(addressFile) == kAddressFileOk)
        dialog.ShowEditDialog();
}

bool EditProgramOptions(CSettingsStore& settings, const QString& dataFolder, QWidget* parent)
{
    CDlgProgramOptions dialog(settings, dataFolder, parent);
    return dialog.exec() == QDialog::Accepted;
}
