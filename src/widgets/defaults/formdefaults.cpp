#include "defaults/formdefaults.h"

#include "defaults/dlgdefaultcmr.h"
#include "defaults/dlgdefaultnatfb.h"
#include "defaults/dlgdefaultnatintfb.h"
#include "defaults/dlgdefaultspeditionsauftrag.h"

#include <memory>

bool EditFormDefaults(FormType type, CSettingsStore& settings, QWidget* parent)
{
    std::unique_ptr<QDialog> dialog;
    switch (type) {
    case FormType::Cmr:
        dialog = std::make_unique<CDlgDefaultCMR>(settings, parent);
        break;
    case FormType::National:
        dialog = std::make_unique<CDlgDefaultNatFb>(settings, parent);
        break;
    case FormType::Kombi:
        dialog = std::make_unique<CDlgDefaultNatIntFb>(settings, parent);
        break;
    case FormType::Forwarding:
        dialog = std::make_unique<CDlgDefaultSpeditionsauftrag>(settings, parent);
        break;
    }
    return dialog && dialog->exec() == QDialog::Accepted;
}
