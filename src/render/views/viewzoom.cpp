#include "views/viewzoom.h"

#include "settings/settingkeys.h"
#include "settings/settingsstore.h"

namespace ViewZoom {

namespace {

constexpr int kWindows8Step = 3;
constexpr int kDefaultDpi = 96;

} // namespace

int StartingZoom(int desktopHeight, bool windows8OrLater)
{
    int zoom = 14;
    if (desktopHeight < 490)
        zoom = 22;
    else if (desktopHeight < 610)
        zoom = 18;
    else if (desktopHeight < 770)
        zoom = 16;
    return windows8OrLater ? zoom - kWindows8Step : zoom;
}

int ScaledFactor(int dpiX)
{
    const int dpi = dpiX > 0 ? dpiX : kDefaultDpi;
    // Rounded to the nearest integer, halves upwards.
    return int((200LL * dpi + kDefaultDpi) / (2 * kDefaultDpi));
}

int ComputeZoom(CSettingsStore& settings, const QString& section, const ScreenMetrics& screen)
{
    const int factor =
        settings.GetProfileInt(section, QLatin1String(Settings::kZoomFactor),
                               StartingZoom(screen.desktopHeight, screen.windows8OrLater));
    settings.WriteProfileInt(section, QLatin1String(Settings::kZoomFactorLU), factor);
    const int scaled = ScaledFactor(screen.dpiX);
    settings.WriteProfileInt(section, QLatin1String(Settings::kWinFormScaledFactor), scaled);
    const int override =
        settings.GetProfileInt(QLatin1String(Settings::kSectionSettings),
                               QLatin1String(Settings::kWinFormScaledFactorOv), scaled);
    const qint64 zoom = qint64(override) * factor / 100;
    return int(qBound(qint64(1), zoom, qint64(kMaxComputedZoom)));
}

} // namespace ViewZoom
