#include "widgets/printing/printicons.h"

#include <QPainter>
#include <QPainterPath>

namespace {

void DrawPage(QPainter& p, const QRectF& page)
{
    const qreal fold = std::min(page.width(), page.height()) * 0.28;
    QPainterPath sheet;
    sheet.moveTo(page.topLeft());
    sheet.lineTo(page.right() - fold, page.top());
    sheet.lineTo(page.right(), page.top() + fold);
    sheet.lineTo(page.bottomRight());
    sheet.lineTo(page.bottomLeft());
    sheet.closeSubpath();
    p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
    p.setBrush(Qt::white);
    p.drawPath(sheet);

    QPainterPath corner;
    corner.moveTo(page.right() - fold, page.top());
    corner.lineTo(page.right() - fold, page.top() + fold);
    corner.lineTo(page.right(), page.top() + fold);
    p.setBrush(QColor(0xd8, 0xd8, 0xd8));
    p.drawPath(corner);

    // Text lines, so that the sheet reads as a printed page and its direction shows.
    p.setPen(QPen(QColor(0x30, 0x60, 0xb0), 1.0));
    const qreal left = page.left() + page.width() * 0.18;
    const qreal right = page.right() - page.width() * 0.18;
    for (qreal y = page.top() + fold + 3; y < page.bottom() - 3; y += 3.5)
        p.drawLine(QPointF(left, y), QPointF(right, y));
}

void DrawWarning(QPainter& p, const QRectF& box)
{
    QPainterPath triangle;
    triangle.moveTo(box.center().x(), box.top() + 1);
    triangle.lineTo(box.right() - 1, box.bottom() - 2);
    triangle.lineTo(box.left() + 1, box.bottom() - 2);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(0x9a, 0x6a, 0x00), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf8, 0xc8, 0x20));
    p.drawPath(triangle);

    const qreal w = box.width();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::black);
    const QPointF c(box.center().x(), box.top());
    p.drawRoundedRect(QRectF(c.x() - w * 0.05, c.y() + w * 0.32, w * 0.1, w * 0.34), 1, 1);
    p.drawEllipse(QPointF(c.x(), c.y() + w * 0.77), w * 0.06, w * 0.06);
}

void DrawOk(QPainter& p, const QRectF& box)
{
    const QRectF circle = box.adjusted(2, 2, -2, -2);
    p.setPen(QPen(QColor(0x1e, 0x6e, 0x1e), 1.2));
    p.setBrush(QColor(0x3c, 0xa8, 0x3c));
    p.drawEllipse(circle);
    const qreal w = circle.width();
    QPainterPath tick;
    tick.moveTo(circle.left() + w * 0.25, circle.top() + w * 0.52);
    tick.lineTo(circle.left() + w * 0.43, circle.top() + w * 0.70);
    tick.lineTo(circle.left() + w * 0.76, circle.top() + w * 0.32);
    p.setPen(QPen(Qt::white, w * 0.12, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(tick);
}

} // namespace

QPixmap PrintIconPixmap(PrintIcon icon, int size, qreal devicePixelRatio)
{
    QPixmap pixmap(QSize(size, size) * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF box(0, 0, size, size);
    switch (icon) {
    case PrintIcon::PortraitPage:
        DrawPage(p, QRectF(size * 0.2, 1.5, size * 0.6, size - 3));
        break;
    case PrintIcon::LandscapePage:
        DrawPage(p, QRectF(1.5, size * 0.2, size - 3, size * 0.6));
        break;
    case PrintIcon::Warning:
        DrawWarning(p, box);
        break;
    case PrintIcon::Ok:
        DrawOk(p, box);
        break;
    }
    return pixmap;
}
