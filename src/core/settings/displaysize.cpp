#include "core/settings/displaysize.h"

#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

namespace DisplaySize {

int ChoiceForScaling(int formScaling)
{
    if (formScaling < 100)
        return 0;
    if (formScaling >= 150)
        return kChoiceCount - 1;
    return 1 + (formScaling - 100) / 10;
}

int ScalingForChoice(int choice)
{
    if (choice <= 0 || choice >= kChoiceCount)
        return 0;
    return 100 + (choice - 1) * 10;
}

bool Store(CSettingsStore& settings, int formScaling)
{
    const QString section = QLatin1String(Settings::kSectionSettings);
    const QString override = QLatin1String(Settings::kWinFormScaledFactorOv);
    const bool stored = formScaling == 0 ? settings.DeleteValue(section, override)
                                         : settings.WriteProfileInt(section, override, formScaling);
    return stored && settings.Set(section, Settings::FormScaling, formScaling);
}

} // namespace DisplaySize
