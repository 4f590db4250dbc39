#pragma once

#include <QString>

class CSettingsStore;

// The zoom of the form views: the scale of the screen form in tenths (10 draws
// the form at its real size), its starting value from the screen and the
// settings, and the limits of the zoom commands. Kept apart from the widgets so
// that it can be computed without a screen.
namespace ViewZoom {

inline constexpr int kMinZoom = 10;
inline constexpr int kMaxZoom = 25;
// The zoom of printing: the printer receives true 0.1 mm.
inline constexpr int kPrintZoom = 10;

// What the zoom is computed from: the desktop's height in device pixels, the
// screen's horizontal resolution (dots per inch; 0 or less when there is no
// screen) and whether the system counts as Windows 8 or later (every other
// platform does).
struct ScreenMetrics
{
    int desktopHeight = 0;
    int dpiX = 0;
    bool windows8OrLater = true;
};

// The screen's own zoom before the settings: 22 below 490 pixels of height, 18
// below 610, 16 below 770, else 14; 3 less on Windows 8 or later.
int StartingZoom(int desktopHeight, bool windows8OrLater);
// The display's scale in per cent: 100 x dpi / 96, rounded; 100 without a screen.
int ScaledFactor(int dpiX);

// The view's ComputeZoom: reads "ZoomFactor" of `section` (default: the
// starting zoom), writes it back as "ZoomFactorLU" and the display's scale as
// "WinFormScaledFactor", reads "WinFormScaledFactorOv" of section "Settings"
// (default: the display's scale) and answers override x factor / 100. The
// answer lies between 1 and kMaxComputedZoom: a zero, negative or absurd stored
// value would otherwise leave an empty form or one of millions of pixels.
// (The zoom commands stay within 10..25; a screen scaled by 400 % with the
// largest factor needs 100.)
inline constexpr int kMaxComputedZoom = 100;
int ComputeZoom(CSettingsStore& settings, const QString& section, const ScreenMetrics& screen);

// The zoom commands: one step, nothing beyond the limits.
inline bool CanZoomIn(int zoom)
{
    return zoom < kMaxZoom;
}
inline bool CanZoomOut(int zoom)
{
    return zoom > kMinZoom;
}
inline int ZoomedIn(int zoom)
{
    return CanZoomIn(zoom) ? zoom + 1 : zoom;
}
inline int ZoomedOut(int zoom)
{
    return CanZoomOut(zoom) ? zoom - 1 : zoom;
}

} // namespace ViewZoom
