#pragma once

#include <QTransform>

class QPaintDevice;
class QPainter;

// Logical units of every form drawing: 0.1 mm, origin at the top-left corner of
// the sheet, y growing downwards.
namespace Render {

// The transform that maps 0.1 mm onto the device's pixels at the given zoom
// (10 = real size).
QTransform TenthMillimetreTransform(const QPaintDevice& device, int zoom = 10);

// Sets a painter up for drawing onto paper at real size: 0.1 mm from the
// origin of its device, transparent background, no brush, smooth lines and text.
void SetUpPaperPainter(QPainter& painter);

} // namespace Render
