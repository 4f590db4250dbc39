#pragma once

#include "views/cmrlayout.h"
#include "views/formpainter.h"

// The form painter on the CMR note, with the names of its two caption fonts.
class CCmrFormPainter : public CFormPainter
{
public:
    explicit CCmrFormPainter(int zoom) : CFormPainter(CmrLayout::Description(), zoom) {}

    // Cell heights of the caption fonts in logical units: zoom x 37 / 12 and,
    // for box numbers and the title, zoom x 40 / 12 (truncated).
    static int CaptionFontHeight(int zoom) { return FontHeight(CmrLayout::kCaptionFont, zoom); }
    static int BoldCaptionFontHeight(int zoom)
    {
        return FontHeight(CmrLayout::kBoldCaptionFont, zoom);
    }
    QFont CaptionFont() const { return Font(CmrLayout::kCaptionFont); }
    QFont BoldCaptionFont() const { return Font(CmrLayout::kBoldCaptionFont); }
};
