#include "render/views/viewzoom.h"

#include "core/forms/formtables.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

#include <cmath>

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

int FitZoom(ZoomFit fit, const FitTarget& target, const FitArea& area)
{
    if (fit == ZoomFit::Off)
        return 0;
    // As the view turns logical units into pixels.
    const auto pixels = [](int tenthMm, int zoom, qreal perUnit) {
        return int(std::lround(FormTables::Scale(tenthMm, zoom) * perUnit));
    };
    const int extent = area.scrollBarExtent;
    for (int zoom = kMaxZoom; zoom > kMinZoom; --zoom) {
        const int docWidth = pixels(target.document.width(), zoom, area.pixelsPerUnitX);
        const int docHeight = pixels(target.document.height(), zoom, area.pixelsPerUnitY);
        // A scroll bar takes room from the other direction, which may call for
        // the other bar in turn.
        bool vertical = docHeight > area.pixels.height();
        const bool horizontal = docWidth > area.pixels.width() - (vertical ? extent : 0);
        vertical = vertical || (horizontal && docHeight > area.pixels.height() - extent);
        const int width = area.pixels.width() - (vertical ? extent : 0);
        const int height = area.pixels.height() - (horizontal ? extent : 0);
        const bool fitsWidth = pixels(target.sheet.width(), zoom, area.pixelsPerUnitX) <= width;
        const bool fitsHeight = pixels(target.sheet.height(), zoom, area.pixelsPerUnitY) <= height;
        if (fitsWidth && (fit == ZoomFit::PageWidth || fitsHeight))
            return zoom;
    }
    return kMinZoom;
}

} // namespace ViewZoom
