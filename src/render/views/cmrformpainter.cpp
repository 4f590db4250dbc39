#include "views/cmrformpainter.h"

#include "editor/fieldpainter.h"
#include "editor/fieldstore.h"

#include <QFontMetricsF>
#include <QPainter>

#include <cmath>

using namespace CmrLayout;

namespace {

const QColor kLightGrey(0xC0, 0xC0, 0xC0);
const QColor kDarkGrey(0x80, 0x80, 0x80);
constexpr int kEditPenWidth = 6;
constexpr int kPage2LineWidth = 2;

// Pens are widths in logical units, as the screen's mapping mode knew them:
// never thinner than one device pixel, so that the thin lines of a form seen
// at screen resolution do not break up.
QPen FormPen(const QPainter& painter, int width, const QColor& color)
{
    const QTransform& t = painter.deviceTransform();
    const qreal scale = std::hypot(t.m11(), t.m12());
    QPen pen(color, qMax(1.0, std::round(width * scale)));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QFont CaptionFontOf(int height, int weight)
{
    QFont font = CFieldPainter::MakeFont(LogicalFont{height, weight});
    font.setStyleHint(QFont::SansSerif); // the swiss family
    return font;
}

// Text placed by the cell's bottom edge, as the form's captions are: the cell
// reaches from the baseline by the descent downwards.
void DrawCaption(QPainter& painter, const QPoint& at, const QString& text, bool alignRight)
{
    const QFontMetricsF metrics(painter.font(), painter.device());
    qreal x = at.x();
    if (alignRight)
        x -= metrics.horizontalAdvance(text);
    painter.drawText(QPointF(x, at.y() - metrics.descent()), text);
}

} // namespace

CCmrFormPainter::CCmrFormPainter(int zoom)
    : m_zoom(zoom), m_captionFont(CaptionFontOf(CaptionFontHeight(zoom), 400)),
      m_boldCaptionFont(CaptionFontOf(BoldCaptionFontHeight(zoom), 700))
{
}

QPoint CCmrFormPainter::Point(qint32 x, qint32 y) const
{
    return QPoint(Scale(x, m_zoom), -Scale(y, m_zoom));
}

void CCmrFormPainter::DrawSegments(QPainter& painter, const QVector<Segment>& segments,
                                   int penWidth, const QColor& color) const
{
    painter.setPen(FormPen(painter, penWidth, color));
    for (const Segment& s : segments)
        painter.drawLine(Point(s.x1, s.y1), Point(s.x2, s.y2));
}

void CCmrFormPainter::DrawSurround(QPainter& painter) const
{
    const int z = m_zoom;
    painter.fillRect(QRect(QPoint(205 * z, 0), QPoint(400 * z - 1, 350 * z - 1)), kDarkGrey);
    painter.fillRect(QRect(QPoint(0, 298 * z), QPoint(400 * z - 1, 350 * z - 1)), kDarkGrey);
}

void CCmrFormPainter::DrawFormPage1(QPainter& painter, int publisher) const
{
    const auto lineGroups = LineGroups(kLinesPage1);
    for (int g = 0; g < lineGroups.size() && g < kPage1LineGroupCount; ++g)
        DrawSegments(painter, lineGroups[g], PenWidth(Page1LineGroup(g)), Qt::black);

    painter.setPen(Qt::black);
    const auto pointGroups = CaptionPointGroups(kCaptionPointsPage1);
    int text = 0;
    for (int g = 0; g < pointGroups.size(); ++g) {
        const auto group = Page1CaptionGroup(g);
        for (int i = 0; i < pointGroups[g].size(); ++i, ++text) {
            const CaptionPoint& p = pointGroups[g][i];
            const bool bold = group == Page1CaptionGroup::BoxNumbers ||
                              (group == Page1CaptionGroup::Captions && i < kTitleLineCount);
            painter.setFont(bold ? m_boldCaptionFont : m_captionFont);
            const QString caption = group == Page1CaptionGroup::FormVersion
                                        ? FormVersionLine(publisher)
                                        : CaptionText(1, text);
            DrawCaption(painter, Point(p.x, p.y), caption, group == Page1CaptionGroup::BoxNumbers);
        }
    }
}

void CCmrFormPainter::DrawFormPage2(QPainter& painter) const
{
    const auto groups = LineGroups(kLinesPage2);
    const QVector<Segment> segments = groups.value(0);
    for (int i = 0; i < segments.size() && i < kPage2FilledRectCount; ++i) {
        const Segment& s = segments[i];
        painter.fillRect(QRect(Point(s.x1, s.y1), Point(s.x2, s.y2)).normalized(), kLightGrey);
    }
    if (segments.size() > kPage2FilledRectCount)
        DrawSegments(painter, segments.mid(kPage2FilledRectCount), kPage2LineWidth, Qt::black);

    painter.setPen(Qt::black);
    painter.setFont(m_captionFont);
    const auto points = CaptionPointGroups(kCaptionPointsPage2).value(0);
    for (int i = 0; i < points.size(); ++i)
        DrawCaption(painter, Point(points[i].x, points[i].y), CaptionText(2, i), false);
}

QRect CCmrFormPainter::ScreenTextRect(int index, int page, bool mergedGoodsRows) const
{
    const CmrRect r = GetBoxRect(index, page, m_zoom, mergedGoodsRows);
    return QRect(r.left + kTextShift, r.top, r.right - r.left, r.bottom - r.top);
}

bool CCmrFormPainter::PermitGuardFilled(const CFieldStore& store)
{
    return !store.GetFieldText(kPermitGuardBox, 1).trimmed().isEmpty();
}

QColor CCmrFormPainter::ColorFromSetting(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}

void CCmrFormPainter::DrawBoxesPage1(QPainter& painter, const CFieldPainter& fields,
                                     const CFieldStore& store, quint16 permitType,
                                     bool mergedGoodsRows, const QColor& textColor) const
{
    painter.setPen(textColor);
    for (int i = 0; i < kBoxCount; ++i)
        fields.DrawField(painter, ScreenTextRect(i, 1, mergedGoodsRows), store, quint16(i), 1,
                         false);

    if (permitType == 0 || permitType > kPermitBoxCount || !PermitGuardFilled(store))
        return;
    const CmrRect r = GetBoxRect(kFirstPermitBox + permitType - 1, 1, m_zoom, false);
    painter.setPen(FormPen(painter, kEditPenWidth, textColor));
    painter.drawLine(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    painter.drawLine(QPoint(r.left, r.bottom), QPoint(r.right, r.top));
}

void CCmrFormPainter::DrawBoxPage2(QPainter& painter, const CFieldPainter& fields,
                                   const CFieldStore& store, const QColor& textColor) const
{
    painter.setPen(textColor);
    fields.DrawField(painter, ScreenTextRect(0, 2, false), store, 0, 2, false);
}
