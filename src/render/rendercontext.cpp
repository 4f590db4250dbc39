#include "render/rendercontext.h"

#include <QPaintDevice>
#include <QPainter>

namespace Render {

QTransform TenthMillimetreTransform(const QPaintDevice& device, int zoom)
{
    // 254 tenths of a millimetre to the inch.
    const qreal sx = device.logicalDpiX() / 254.0 * zoom / 10.0;
    const qreal sy = device.logicalDpiY() / 254.0 * zoom / 10.0;
    return QTransform::fromScale(sx, sy);
}

void SetUpPaperPainter(QPainter& painter)
{
    painter.setTransform(TenthMillimetreTransform(*painter.device(), 10));
    painter.setBackgroundMode(Qt::TransparentMode);
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
}

} // namespace Render
