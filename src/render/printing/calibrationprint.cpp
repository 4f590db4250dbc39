#include "render/printing/calibrationprint.h"

#include "core/app/doctemplates.h"
#include "core/forms/formtables.h"
#include "core/settings/language.h"
#include "render/printing/formprint.h"
#include "render/printing/printjob.h"
#include "render/rendercontext.h"
#include "render/text/fieldpainter.h"

#include <QCoreApplication>
#include <QDate>
#include <QFontMetricsF>
#include <QLocale>
#include <QPagedPaintDevice>
#include <QPainter>

namespace {

// Sizes in 0.1 mm of the paper.
constexpr int kLinePen = 1;
constexpr int kCentreCircle = 20;
constexpr int kTickMm = 10;    // 1 mm ticks
constexpr int kTickFive = 18;  // every 5 mm
constexpr int kTickTen = 26;   // every 10 mm
constexpr int kScaleFont = 22; // numbers of the scales
constexpr int kLabelFont = 40; // the crosshair's number
constexpr int kLabelGap = 80;  // from the arms, past the numbers of the scales
constexpr int kTextFont = 35;  // the explanation
constexpr int kTitleFont = 50;
constexpr int kTextWidth = 1600;
constexpr int kTextHeight = 800; // room the explanation needs below a crosshair

QString Decimal(double value, int decimals = 1)
{
    return ProgramLocale().toString(value, 'f', decimals);
}

QString Signed(int millimetres)
{
    return millimetres > 0 ? QStringLiteral("+%1").arg(millimetres)
                           : QStringLiteral("\u2212%1").arg(-millimetres);
}

QFont PaperFont(int cellHeight, int weight = 400)
{
    QFont font = CFieldPainter::MakeFont(LogicalFont{cellHeight, weight});
    font.setStyleHint(QFont::SansSerif);
    return font;
}

QPen PaperPen(int width)
{
    QPen pen(Qt::black, width);
    pen.setCapStyle(Qt::FlatCap);
    return pen;
}

int TickLength(int millimetres)
{
    if (millimetres % 10 == 0)
        return kTickTen;
    return millimetres % 5 == 0 ? kTickFive : kTickMm;
}

// A crosshair whose arms are millimetre scales, numbered every 5 mm with the
// sign the reading takes: right and down positive. Everything of it stays on
// `page` (the printable area): arms end at its edge (see FitCrosshair), ticks
// and the circle keep within the arms, the numbers go to the side of an arm
// that has room and are left out where none has, and the label is kept on it.
void DrawCrosshair(QPainter& painter, const QPoint& c, const Calibration::CrosshairExtent& arms,
                   const QRect& page, int number, Calibration::Corner corner)
{
    painter.setPen(PaperPen(kLinePen));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(c.x() - arms.left, c.y(), c.x() + arms.right, c.y());
    painter.drawLine(c.x(), c.y() - arms.up, c.x(), c.y() + arms.down);
    painter.drawEllipse(QPoint(c), arms.circle, arms.circle);

    painter.setFont(PaperFont(kScaleFont));
    const QFontMetricsF metrics(painter.font(), painter.device());
    const QRectF inside(page);
    const auto onPage = [&inside](const QRectF& r) { return inside.contains(r); };
    // Below the horizontal arm and right of the vertical one, unless that side
    // has too little room.
    const qreal numberHeight = metrics.ascent() + metrics.descent();
    const qreal widest = metrics.horizontalAdvance(Signed(-Calibration::kScaleReach / 10));
    const bool below = c.y() + kTickTen / 2 + numberHeight <= inside.bottom();
    const bool right = c.x() + kTickTen / 2 + 5 + widest <= inside.right();
    for (int mm = -Calibration::kScaleReach / 10; mm <= Calibration::kScaleReach / 10; ++mm) {
        if (mm == 0)
            continue;
        const int at = mm * 10;
        const int half = TickLength(mm) / 2;
        if (at >= -arms.left && at <= arms.right)
            painter.drawLine(c.x() + at, c.y() - qMin(half, arms.up), c.x() + at,
                             c.y() + qMin(half, arms.down));
        if (at >= -arms.up && at <= arms.down)
            painter.drawLine(c.x() - qMin(half, arms.left), c.y() + at,
                             c.x() + qMin(half, arms.right), c.y() + at);
        if (mm % 5 != 0)
            continue;
        const QString text = Signed(mm);
        const qreal width = metrics.horizontalAdvance(text);
        if (at >= -arms.left && at <= arms.right) {
            const qreal baseline = below ? c.y() + kTickTen / 2 + metrics.ascent()
                                         : c.y() - kTickTen / 2 - metrics.descent();
            const QRectF box(c.x() + at - width / 2, baseline - metrics.ascent(), width,
                             numberHeight);
            if (onPage(box))
                painter.drawText(QPointF(box.left(), baseline), text);
        }
        if (at >= -arms.up && at <= arms.down) {
            const qreal left = right ? c.x() + kTickTen / 2 + 5 : c.x() - kTickTen / 2 - 5 - width;
            const qreal baseline = c.y() + at + metrics.capHeight() / 2;
            const QRectF box(left, baseline - metrics.ascent(), width, numberHeight);
            if (onPage(box))
                painter.drawText(QPointF(left, baseline), text);
        }
    }

    // The number and the corner it marks go into the quarter where the box
    // lies, clear of the scales, and no farther than the page's edge.
    const bool topLeft = corner == Calibration::Corner::TopLeft;
    const QString label = QStringLiteral("%1  %2").arg(number).arg(
        topLeft ? QCoreApplication::translate("CalibrationPage", "Ecke oben links")
                : QCoreApplication::translate("CalibrationPage", "Ecke unten rechts"));
    painter.setFont(PaperFont(kLabelFont, 700));
    const QFontMetricsF labelMetrics(painter.font(), painter.device());
    const QSizeF size(labelMetrics.horizontalAdvance(label),
                      labelMetrics.ascent() + labelMetrics.descent());
    QPointF corner0 =
        topLeft ? QPointF(c.x() + kLabelGap, c.y() + kLabelGap)
                : QPointF(c.x() - kLabelGap - size.width(), c.y() - kLabelGap - size.height());
    corner0.rx() = qBound(inside.left(), corner0.x(), inside.right() - size.width());
    corner0.ry() = qBound(inside.top(), corner0.y(), inside.bottom() - size.height());
    painter.drawText(QPointF(corner0.x(), corner0.y() + labelMetrics.ascent()), label);
}

// The line that says which form and publisher the page is for.
QString FormLine(const Forms::FormDescription& form, int page, int publisher)
{
    // The form's one name, as the program shows it everywhere.
    const QString formName =
        QCoreApplication::translate("FormName", DocTemplateFor(form.type).newFileName.data());
    QString publisherName = FormTables::PublisherName(publisher);
    if (publisherName.isEmpty())
        publisherName = QString::number(publisher);
    if (form.pageCount < 2)
        return QCoreApplication::translate("CalibrationPage", "Formular: %1; Hersteller: %2")
            .arg(formName, publisherName);
    const QString pageName = page == 1
                                 ? QCoreApplication::translate("CalibrationPage", "Vorderseite")
                                 : QCoreApplication::translate("CalibrationPage", "Rückseite");
    return QCoreApplication::translate("CalibrationPage", "Formular: %1, %2; Hersteller: %3")
        .arg(formName, pageName, publisherName);
}

QStringList ExplanationLines(const Forms::FormDescription& form, int page, int publisher,
                             const Calibration::PrintSettings& values)
{
    return {
        FormLine(form, page, publisher),
        QCoreApplication::translate(
            "CalibrationPage",
            "Gedruckt am %1 mit den Rändern links %2 mm und oben %3 mm und der "
            "Druckbereich-Korrektur horizontal %4 % und vertikal %5 %.")
            .arg(ProgramLocale().toString(QDate::currentDate(), QStringLiteral("dd.MM.yyyy")),
                 Decimal(values.margins.x() / 10.0), Decimal(values.margins.y() / 10.0),
                 Decimal(values.factorH / 10.0), Decimal(values.factorV / 10.0)),
        QCoreApplication::translate("CalibrationPage",
                                    "1. Legen Sie dieses Blatt genau auf ein leeres Formular und "
                                    "halten Sie beide gegen das Licht."),
        QCoreApplication::translate(
            "CalibrationPage",
            "2. Lesen Sie an jedem Kreuz ab, wie weit die Ecke des Feldes vom Mittelpunkt des "
            "Kreuzes entfernt liegt: nach rechts und nach unten mit Plus, nach links und nach "
            "oben mit Minus, in Millimetern."),
        QCoreApplication::translate(
            "CalibrationPage",
            "3. Tragen Sie die vier Werte im Assistenten \"Drucker einmessen...\" ein."),
    };
}

void DrawExplanation(QPainter& painter, const QRect& area, const QStringList& lines)
{
    painter.setFont(PaperFont(kTitleFont, 700));
    const QFontMetricsF title(painter.font(), painter.device());
    painter.drawText(QPointF(area.left(), area.top() + title.ascent()),
                     QCoreApplication::translate("CalibrationPage", "Kalibrierblatt"));
    qreal top = area.top() + title.height() * 1.6;
    painter.setFont(PaperFont(kTextFont));
    const QFontMetricsF metrics(painter.font(), painter.device());
    for (const QString& line : lines) {
        const QRectF box(area.left(), top, area.width(), area.bottom() - top);
        QRectF used;
        painter.drawText(box, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, line, &used);
        top = used.bottom() + metrics.height() * 0.6;
    }
}

} // namespace

std::array<QPoint, 2> CalibrationCrosshairs(const Forms::FormDescription& form, int page,
                                            const PrintContext& context)
{
    const int publisher = context.publisher;
    const QPoint offset = context.Margins(page);
    const Calibration::Marks marks = Calibration::MarksFor(form, page, publisher);
    CFieldPainter fields(context.fonts);
    fields.SetPrintAreaCorrection(context.correction);
    std::array<QPoint, 2> at;
    for (size_t i = 0; i < at.size(); ++i) {
        // The box as the print routine hands it to the field painter, and the
        // field painter's correction: the crosshair is where the box lands.
        const QRect r = fields.ScaledPrintRect(
            CFormPrint::PrintRect(form, marks[i].box, page, publisher, false, offset));
        at[i] = marks[i].corner == Calibration::Corner::TopLeft
                    ? r.topLeft()
                    : QPoint(r.x() + r.width(), r.y() + r.height());
    }
    return at;
}

void DrawCalibrationPage(QPainter& painter, const Forms::FormDescription& form, int page,
                         const PrintContext& context, const QSize& printable)
{
    const int publisher = context.publisher;
    const Calibration::PrintSettings values{context.Margins(page), context.correction.horizontal,
                                            context.correction.vertical};
    const Calibration::Marks marks = Calibration::MarksFor(form, page, publisher);
    const std::array<QPoint, 2> crosshairs = CalibrationCrosshairs(form, page, context);
    const QRect area(QPoint(0, 0), printable);

    painter.save();
    Render::SetUpPaperPainter(painter);
    painter.setPen(Qt::black);
    QStringList lines = ExplanationLines(form, page, publisher, values);
    for (size_t i = 0; i < crosshairs.size(); ++i) {
        const Calibration::CrosshairExtent arms =
            Calibration::FitCrosshair(crosshairs[i], printable);
        if (arms.onPage) {
            DrawCrosshair(painter, crosshairs[i], arms, area, int(i) + 1, marks[i].corner);
            continue;
        }
        lines << QCoreApplication::translate(
                     "CalibrationPage",
                     "Kreuz %1 fehlt: mit diesen Rändern läge es außerhalb des Bereichs, den der "
                     "Drucker bedrucken kann. Stellen Sie den Ausdruck zuerst mit \"Ränder...\" "
                     "grob ein.")
                     .arg(i + 1);
    }

    // Below the lower crosshair when the printable area has room, else between
    // the two.
    const int upper = qMin(crosshairs[0].y(), crosshairs[1].y());
    const int lower = qMax(crosshairs[0].y(), crosshairs[1].y());
    const int height = qMin(form.sheetHeight, printable.height());
    const int top = lower + 2 * Calibration::kScaleReach + kTextHeight <= height
                        ? lower + 2 * Calibration::kScaleReach
                        : upper + 2 * Calibration::kScaleReach;
    const int width = qMin(form.sheetWidth, printable.width());
    const int textWidth = qMin(kTextWidth, width);
    DrawExplanation(painter, QRect((width - textWidth) / 2, top, textWidth, kTextHeight), lines);
    painter.restore();
}

QSize PrintableArea(const QPaintDevice& device)
{
    // 254 tenths of a millimetre to the inch.
    return QSize(int(device.width() * 254.0 / device.logicalDpiX()),
                 int(device.height() * 254.0 / device.logicalDpiY()));
}

Error PrintCalibrationPage(QPagedPaintDevice& device, const Forms::FormDescription& form, int page,
                           const PrintContext& context)
{
    QPainter painter;
    if (painter.begin(&device)) {
        DrawCalibrationPage(painter, form, page, context, PrintableArea(device));
        if (painter.end())
            return Error();
    }
    return Error(ErrorCode::PrintJobFailed);
}

Error PrintCalibrationPageToPdf(const Forms::FormDescription& form, int page,
                                const PrintContext& context, const QString& path)
{
    return PrintToA4Pdf(path, [&](QPagedPaintDevice& device) {
        return PrintCalibrationPage(device, form, page, context);
    });
}
