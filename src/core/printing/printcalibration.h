#pragma once

#include "core/errors/error.h"
#include "core/forms/formdescription.h"

#include <QPoint>
#include <QPointF>
#include <QSize>
#include <QString>

#include <array>

class CSettingsStore;

// Measuring a printer against a form's pre-printed sheet in one pass.
//
// A calibration page carries two crosshairs where the printer puts the corners
// of two boxes far apart: the top-left corner of the box nearest the top left
// of the page and the bottom-right corner of the box nearest the bottom right,
// on the sheet of the form's publisher. Laid on a pre-printed form, each
// crosshair shows how far the printer misses the box corner. From the two
// readings the page's margins and the print-area correction follow.
//
// The print routine places a point of the publisher's sheet (0.1 mm from the
// origin of the printable area) at L = (p + margin) x factor / 1000 per axis,
// truncated, "PrnFactorH" across and "PrnFactorV" down. The printer then puts
// L at e + k x L on the paper, with an offset e and a scale k of its own that
// nobody knows. Two readings give e and k per axis; the factor that cancels
// k is 1000 / k, and the margin is the one that brings both corners, on
// average, onto their boxes with that factor.
//
// Units: 0.1 mm, x to the right and y downwards; factors in thousandths.
namespace Calibration {

// The print-area correction the correction dialog accepts (97 % to 103 %).
inline constexpr int kMinFactor = 970;
inline constexpr int kMaxFactor = 1030;
// The shift the margin dialogs reach either way (20 mm).
inline constexpr int kMarginLimit = 200;
// A reading beyond the arms of the crosshair's scales (15 mm) cannot be read.
inline constexpr int kScaleReach = 150;

// What the print routine applies to a page.
struct PrintSettings
{
    QPoint margins; // right and down positive
    int factorH = 1000;
    int factorV = 1000;

    friend bool operator==(const PrintSettings& a, const PrintSettings& b)
    {
        return a.margins == b.margins && a.factorH == b.factorH && a.factorV == b.factorV;
    }
};

// The settings a page of the form prints with now: the page's margin keys from
// its section and the program's correction.
PrintSettings ReadPrintSettings(const Forms::FormDescription& form, int page,
                                const CSettingsStore& settings);
// Stores the page's margins and the correction. False when a value could not
// be written (what was written stays).
bool WritePrintSettings(const Forms::FormDescription& form, int page, const PrintSettings& values,
                        CSettingsStore& settings);

// Where the print routine prints a point of the sheet with these settings: the
// box texts' own arithmetic (shift, then scale about the origin, truncating).
QPoint PrintedPosition(const QPoint& sheet, const PrintSettings& settings);

enum class Corner { TopLeft, BottomRight };

// One crosshair: the corner of a box (index in the page's box table; page 2 has
// its one box 0) and where that corner lies on the publisher's sheet.
struct Mark
{
    int box = 0;
    Corner corner = Corner::TopLeft;
    QPoint sheet;
};
using Marks = std::array<Mark, 2>;

// The two crosshairs of a page (1: the boxes of the page, check boxes left out;
// any other page: its follow-on box) on a publisher's sheet. Single cells are
// taken as they are, whatever joins the form may show.
Marks MarksFor(const Forms::FormDescription& form, int page, int publisher);

// The circle round a crosshair's centre (radius); the ticks across the arms
// reach no farther from them.
inline constexpr int kCrosshairCircle = 20;

// How a crosshair at `centre` fits on a printable area of `area` (0.1 mm from the
// area's top-left corner, where the print routine's origin lies): how far each
// arm reaches, the whole scale (kScaleReach) where there is room and else up to
// a tenth inside the edge, and the circle, no larger than the arms. A centre
// that leaves no arm a tenth of room (margins that push the corner off the
// paper) gets no crosshair at all.
struct CrosshairExtent
{
    bool onPage = false;
    int left = 0;
    int right = 0;
    int up = 0;
    int down = 0;
    int circle = 0;
};
CrosshairExtent FitCrosshair(const QPoint& centre, const QSize& area);

// How far a box corner lies from its crosshair, right and down positive.
using Reading = QPointF;
using Readings = std::array<Reading, 2>;

// What the readings give: the settings that bring the two corners onto their
// boxes, and what the crosshairs of a second calibration page should show with
// them, as far as the two readings tell: the whole tenths the printer cannot do
// better.
struct Solution
{
    PrintSettings settings;
    Readings residual{};
};

// The solution for the readings of a calibration page printed with `current`,
// or why there is none: CalibrationReadingOutOfRange... (a reading beyond the
// scales: the crosshair, the reading and the reach in mm),
// CalibrationCorrectionOutOfRange... (the per cent the printer would need),
// CalibrationMarginOutOfRange... (the margin the page would need and the
// largest, in mm) or CalibrationMarksTooClose.
Expected<Solution> Solve(const Marks& marks, const Readings& readings,
                         const PrintSettings& current);

// What the printer would show at the crosshairs: the readings of a page printed
// with `settings` on a printer with offset (0.1 mm) and scale (1 = true) per axis.
// For tests and for telling the residual.
Readings SimulatedReadings(const Marks& marks, const PrintSettings& settings,
                           const QPointF& printerOffset, const QPointF& printerScale);

} // namespace Calibration
