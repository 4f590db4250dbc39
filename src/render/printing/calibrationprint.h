#pragma once

#include "core/printing/printcalibration.h"
#include "core/printing/printcontext.h"

#include <QPoint>
#include <QSize>
#include <QString>

#include <array>

class QPagedPaintDevice;
class QPaintDevice;
class QPainter;

// The calibration page of a form page, printed on plain paper: two crosshairs
// with millimetre scales where the print routine puts the top-left corner of
// the box nearest the top left and the bottom-right corner of the box nearest
// the bottom right of the form's publisher's sheet, with the page's margins and
// the print-area correction of the print context (see printcalibration.h), and
// a few lines that say what the page is and how to read it.
//
// Units and origin are those of CFormPrint: 0.1 mm of the paper, y downwards,
// from the top-left corner of the printable area; the painter's origin must be
// that corner. A QGuiApplication must exist (fonts are measured).
//

// Where the two crosshairs are printed: the box corners exactly as the box
// texts are placed.
std::array<QPoint, 2> CalibrationCrosshairs(const Forms::FormDescription& form, int page,
                                            const PrintContext& context);

// Draws the page onto the painter; its state is restored. `printable` is the
// size of the area the device can print (0.1 mm): every crosshair and text stays
// within it (see Calibration::FitCrosshair), and a crosshair whose centre lies
// outside it is left out and named in the explanation.
void DrawCalibrationPage(QPainter& painter, const Forms::FormDescription& form, int page,
                         const PrintContext& context, const QSize& printable);

// The size of what a device can print, in 0.1 mm: a printer's printable area
// (not a whole page), a PDF writer's page less its margins.
QSize PrintableArea(const QPaintDevice& device);

// One calibration page onto a device that is set up already (a printer or a
// PDF writer). PrintJobFailed when the device cannot be painted on.
Error PrintCalibrationPage(QPagedPaintDevice& device, const Forms::FormDescription& form, int page,
                           const PrintContext& context);

// The same into an A4 PDF without margins, as the command-line print does.
Error PrintCalibrationPageToPdf(const Forms::FormDescription& form, int page,
                                const PrintContext& context, const QString& path);
