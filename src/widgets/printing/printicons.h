#pragma once

#include <QPixmap>

// The small pictures of the print dialog, drawn in code so that they scale with the
// screen and need no image files.
enum class PrintIcon {
    PortraitPage,  // a sheet higher than wide: the printer is set right
    LandscapePage, // a sheet wider than high
    Warning,       // something to set on the printer
    Ok,            // nothing to do
};

// size in device-independent pixels; the pixmap carries the given pixel ratio.
QPixmap PrintIconPixmap(PrintIcon icon, int size, qreal devicePixelRatio = 1.0);
