#include "rendercontext.h"

#include <QPaintDevice>

namespace Render {

QTransform TenthMillimetreTransform(const QPaintDevice& device, int zoom)
{
    // 254 tenths of a millimetre to the inch.
    const qreal sx = device.logicalDpiX() / 254.0 * zoom / 10.0;
    const qreal sy = device.logicalDpiY() / 254.0 * zoom / 10.0;
    return QTransform::fromScale(sx, sy);
}

} // namespace Render
