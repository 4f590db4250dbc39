#pragma once

#include <QSize>
#include <QString>

class CSettingsStore;

// The zoom of the form views: the scale of the screen form in tenths (10 draws
// the form at its real size), its starting value from the screen and the
// settings, and the limits of the zoom commands. Kept apart from the widgets so
// that it can be computed without a screen.
namespace ViewZoom {

// The smallest zoom shows a whole page in the form window of a 1366 x 768
// screen (zoom 5 fits there), with room to spare for taller window bars.
inline constexpr int kMinZoom = 4;
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
// (The zoom commands stay within 4..25; a screen scaled by 400 % with the
// largest factor needs 100.)
inline constexpr int kMaxComputedZoom = 100;
int ComputeZoom(CSettingsStore& settings, const QString& section, const ScreenMetrics& screen);

// A zoom that follows the window: the whole sheet in sight, or the sheet as
// wide as the window. The numbers are those stored as "ZoomModus".
enum class ZoomFit { Off = 0, WholePage = 1, PageWidth = 2 };

// What a fitted zoom fits into the window, in 0.1 mm at real size: the sheet,
// and the scrollable document (whose size decides which scroll bars show).
struct FitTarget
{
    QSize sheet;
    QSize document;
};

// The window: the viewport's size in pixels without scroll bars, the width of
// a scroll bar, and the pixels of one logical unit (0.1 mm at zoom 10).
struct FitArea
{
    QSize pixels;
    int scrollBarExtent = 0;
    qreal pixelsPerUnitX = 0;
    qreal pixelsPerUnitY = 0;
};

// The largest zoom of kMinZoom..kMaxZoom at which the sheet fits the window,
// whole or by its width, besides the scroll bars the document needs at that
// zoom; kMinZoom when none fits, 0 for ZoomFit::Off.
int FitZoom(ZoomFit fit, const FitTarget& target, const FitArea& area);

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
