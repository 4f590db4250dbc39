#include "core/printing/printcalibration.h"

#include "core/settings/language.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

#include <QLocale>

#include <cmath>
#include <limits>

namespace Calibration {

namespace {

// Two corners closer than this (5 cm) along an axis would turn the unsteadiness
// of a reading into a large error of the scale.
constexpr int kMinBaseline = 500;

QString MainSection()
{
    return QString::fromLatin1(Settings::kSectionSettings);
}

const Forms::PageMargins& MarginKeys(const Forms::FormDescription& form, int page)
{
    return form.margins.at(qBound(1, page, int(form.margins.size())) - 1);
}

qint64 Scaled(qint64 value, qint64 factor)
{
    // Integer division truncates towards zero, as the box texts are placed.
    return factor == 1000 ? value : value * factor / 1000;
}

QString Millimetres(double tenths)
{
    return ProgramLocale().toString(tenths / 10.0, 'f', 1);
}

QString Percent(double thousandths)
{
    return std::isfinite(thousandths) ? ProgramLocale().toString(thousandths / 10.0, 'f', 1)
                                      : QStringLiteral("∞");
}

struct AxisFit
{
    Error error;
    int margin = 0;
    int factor = 1000;
    double offset = 0; // the printer's own, as measured
    double scale = 1;
};

// One axis: the sheet positions of the two corners, where the page told the
// printer to put them, and the readings.
AxisFit FitAxis(bool horizontal, const double sheet[2], const double printed[2],
                const double reading[2])
{
    AxisFit fit;
    if (std::abs(printed[1] - printed[0]) < kMinBaseline) {
        fit.error = Error(ErrorCode::CalibrationMarksTooClose);
        return fit;
    }
    // Where the printer really put the crosshairs: on the box corners, less the
    // readings.
    const double paper0 = sheet[0] - reading[0];
    const double paper1 = sheet[1] - reading[1];
    fit.scale = (paper1 - paper0) / (printed[1] - printed[0]);
    fit.offset = paper0 - fit.scale * printed[0];

    const double exactFactor =
        fit.scale > 0 ? 1000.0 / fit.scale : std::numeric_limits<double>::infinity();
    if (!(exactFactor >= kMinFactor - 0.5 && exactFactor < kMaxFactor + 0.5)) {
        fit.error = Error(horizontal ? ErrorCode::CalibrationCorrectionOutOfRangeAcross
                                     : ErrorCode::CalibrationCorrectionOutOfRangeDown,
                          {Percent(exactFactor)});
        return fit;
    }
    fit.factor = int(std::lround(exactFactor));

    // With the factor in whole thousandths the two corners cannot both land
    // exactly; the margin splits what is left between them.
    const double gain = fit.scale * fit.factor / 1000.0;
    const double margin =
        ((sheet[0] - fit.offset) / gain - sheet[0] + (sheet[1] - fit.offset) / gain - sheet[1]) / 2;
    if (!(std::abs(margin) < kMarginLimit + 0.5)) {
        fit.error = Error(horizontal ? ErrorCode::CalibrationMarginOutOfRangeLeft
                                     : ErrorCode::CalibrationMarginOutOfRangeTop,
                          {Millimetres(margin), Millimetres(kMarginLimit)});
        return fit;
    }
    fit.margin = int(std::lround(margin));
    return fit;
}

// The farther of the two corners of one axis from its crosshair, printed with
// `margin` and `factor` on the printer as fitted.
double WorstResidual(const double sheet[2], int margin, int factor, const AxisFit& fit)
{
    double worst = 0;
    for (int i = 0; i < 2; ++i) {
        const double told = double(Scaled(qint64(std::lround(sheet[i])) + margin, factor));
        worst = qMax(worst, std::abs(sheet[i] - (fit.offset + fit.scale * told)));
    }
    return worst;
}

} // namespace

PrintSettings ReadPrintSettings(const Forms::FormDescription& form, int page,
                                const CSettingsStore& settings)
{
    const Forms::PageMargins& keys = MarginKeys(form, page);
    const QString section = form.Section();
    PrintSettings values;
    values.margins = QPoint(settings.Get(section, keys.left), settings.Get(section, keys.top));
    values.factorH = settings.Get(MainSection(), Settings::PrnFactorH);
    values.factorV = settings.Get(MainSection(), Settings::PrnFactorV);
    return values;
}

bool WritePrintSettings(const Forms::FormDescription& form, int page, const PrintSettings& values,
                        CSettingsStore& settings)
{
    const Forms::PageMargins& keys = MarginKeys(form, page);
    const QString section = form.Section();
    return settings.Set(section, keys.left, values.margins.x()) &&
           settings.Set(section, keys.top, values.margins.y()) &&
           settings.Set(MainSection(), Settings::PrnFactorH, values.factorH) &&
           settings.Set(MainSection(), Settings::PrnFactorV, values.factorV);
}

QPoint PrintedPosition(const QPoint& sheet, const PrintSettings& settings)
{
    return QPoint(int(Scaled(qint64(sheet.x()) + settings.margins.x(), settings.factorH)),
                  int(Scaled(qint64(sheet.y()) + settings.margins.y(), settings.factorV)));
}

Marks MarksFor(const Forms::FormDescription& form, int page, int publisher)
{
    if (page != 1) {
        const Forms::BoxRect r = form.PrintEntry(0, page, publisher, false);
        return {Mark{0, Corner::TopLeft, QPoint(r.left, r.top)},
                Mark{0, Corner::BottomRight, QPoint(r.right, r.bottom)}};
    }
    Marks marks{Mark{0, Corner::TopLeft, {}}, Mark{0, Corner::BottomRight, {}}};
    qint64 nearest = std::numeric_limits<qint64>::max();
    qint64 farthest = std::numeric_limits<qint64>::min();
    for (int i = 0; i < form.boxCount; ++i) {
        const Forms::BoxRect r = form.PrintEntry(i, 1, publisher, false);
        if (qint64(r.left) + r.top < nearest) {
            nearest = qint64(r.left) + r.top;
            marks[0] = Mark{i, Corner::TopLeft, QPoint(r.left, r.top)};
        }
        if (qint64(r.right) + r.bottom > farthest) {
            farthest = qint64(r.right) + r.bottom;
            marks[1] = Mark{i, Corner::BottomRight, QPoint(r.right, r.bottom)};
        }
    }
    return marks;
}

CrosshairExtent FitCrosshair(const QPoint& centre, const QSize& area)
{
    // A tenth of room at the edge: a line drawn on it would be half off.
    const auto reach = [](int room) { return qMin(kScaleReach, room - 1); };
    CrosshairExtent extent;
    extent.left = reach(centre.x());
    extent.right = reach(area.width() - centre.x());
    extent.up = reach(centre.y());
    extent.down = reach(area.height() - centre.y());
    extent.circle =
        qMin(qMin(kCrosshairCircle, qMin(extent.left, extent.right)), qMin(extent.up, extent.down));
    extent.onPage = extent.circle >= 1;
    return extent;
}

Expected<Solution> Solve(const Marks& marks, const Readings& readings, const PrintSettings& current)
{
    for (int i = 0; i < 2; ++i) {
        for (const bool horizontal : {true, false}) {
            const double value = horizontal ? readings[i].x() : readings[i].y();
            if (!(std::abs(value) <= kScaleReach))
                return Error(
                    horizontal ? ErrorCode::CalibrationReadingOutOfRangeAcross
                               : ErrorCode::CalibrationReadingOutOfRangeDown,
                    {QString::number(i + 1), Millimetres(value), Millimetres(kScaleReach)});
        }
    }

    const QPoint printed[2] = {PrintedPosition(marks[0].sheet, current),
                               PrintedPosition(marks[1].sheet, current)};
    AxisFit fits[2];
    for (const bool horizontal : {true, false}) {
        const auto pick = [horizontal](const auto& p) -> double {
            return horizontal ? p.x() : p.y();
        };
        const double sheet[2] = {pick(marks[0].sheet), pick(marks[1].sheet)};
        const double at[2] = {pick(printed[0]), pick(printed[1])};
        const double read[2] = {pick(readings[0]), pick(readings[1])};
        AxisFit& fit = fits[horizontal ? 0 : 1];
        fit = FitAxis(horizontal, sheet, at, read);
        if (fit.error)
            return fit.error;
        // A change that brings the corners no closer is none. The fit runs
        // through positions the print routine truncated, so a page whose
        // crosshairs lie on their corners would otherwise move the printout
        // by a tenth each time its values were taken.
        const int currentMargin = horizontal ? current.margins.x() : current.margins.y();
        const int currentFactor = horizontal ? current.factorH : current.factorV;
        if (WorstResidual(sheet, currentMargin, currentFactor, fit) <=
            WorstResidual(sheet, fit.margin, fit.factor, fit) + 1e-6) {
            fit.margin = currentMargin;
            fit.factor = currentFactor;
        }
    }
    Solution solution;
    solution.settings.margins = QPoint(fits[0].margin, fits[1].margin);
    solution.settings.factorH = fits[0].factor;
    solution.settings.factorV = fits[1].factor;
    solution.residual =
        SimulatedReadings(marks, solution.settings, QPointF(fits[0].offset, fits[1].offset),
                          QPointF(fits[0].scale, fits[1].scale));
    return solution;
}

Readings SimulatedReadings(const Marks& marks, const PrintSettings& settings,
                           const QPointF& printerOffset, const QPointF& printerScale)
{
    Readings readings{};
    for (int i = 0; i < 2; ++i) {
        const QPoint told = PrintedPosition(marks[i].sheet, settings);
        const QPointF paper(printerOffset.x() + printerScale.x() * told.x(),
                            printerOffset.y() + printerScale.y() * told.y());
        readings[i] = QPointF(marks[i].sheet) - paper;
    }
    return readings;
}

} // namespace Calibration
