#include "core/settings/language.h"

#include "core/settings/settingsstore.h"

UiLanguage CurrentLanguage(const CSettingsStore& settings)
{
    return settings.Get(QLatin1String(Settings::kSectionSettings), Settings::Language) == 1
               ? UiLanguage::English
               : UiLanguage::German;
}

QLocale ProgramLocale()
{
    return QLocale(QLocale::German, QLocale::Germany);
}
