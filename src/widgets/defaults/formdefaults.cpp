#include "widgets/defaults/formdefaults.h"

#include "widgets/defaults/dlgdefaultcmr.h"
#include "widgets/defaults/dlgdefaultnatfb.h"
#include "widgets/defaults/dlgdefaultnatintfb.h"
#include "widgets/defaults/dlgdefaultspeditionsauftrag.h"

#include <memory>

namespace {

template <typename Dialog> std::unique_ptr<QDialog> Make(CSettingsStore& settings, QWidget* parent)
{
    return std::make_unique<Dialog>(settings, parent);
}

// Each form's defaults dialog.
const struct
{
    FormType type;
    std::unique_ptr<QDialog> (*make)(CSettingsStore&, QWidget*);
} kDialogs[] = {
    {FormType::Cmr, &Make<CDlgDefaultCMR>},
    {FormType::National, &Make<CDlgDefaultNatFb>},
    {FormType::Kombi, &Make<CDlgDefaultNatIntFb>},
    {FormType::Forwarding, &Make<CDlgDefaultSpeditionsauftrag>},
};

} // namespace

bool EditFormDefaults(FormType type, CSettingsStore& settings, QWidget* parent)
{
    for (const auto& entry : kDialogs)
        if (entry.type == type)
            return entry.make(settings, parent)->exec() == QDialog::Accepted;
    return false;
}
