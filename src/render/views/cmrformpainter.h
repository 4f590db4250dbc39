#pragma once

#include "views/cmrlayout.h"

#include <QColor>
#include <QFont>
#include <QRect>

class CFieldPainter;
class CFieldStore;
class QPainter;

// Draws the CMR consignment note: the blank form of either page from the tables
// of CmrLayout, the texts of its boxes and the permit cross.
//
// Units: the painter's transform maps logical units of 0.1 mm onto the device
// (Render::TenthMillimetreTransform(device, 10), plus the scroll offset on the
// screen), y downwards, origin at the sheet's top-left corner. The form is drawn
// at the zoom given at construction: every table value becomes value x zoom / 10
// (truncated), so the sheet covers 205 x 298 mm x zoom / 10. Pen widths and the
// caption fonts are logical units as the zoom gives them; these are the same
// units as CFieldPainter's display fonts and as CmrLayout::GetBoxRect.
//
// The painter's pen, brush and font are changed; save and restore around the
// calls when they matter. A QGuiApplication must exist (fonts are measured).
class CCmrFormPainter
{
public:
    // The screen draws a box's text this far right of the box (logical units).
    static constexpr int kTextShift = 2;

    // `zoom` in tenths: 10 draws the form at real size.
    explicit CCmrFormPainter(int zoom);

    int Zoom() const { return m_zoom; }
    // Cell heights of the caption fonts in logical units: zoom x 37 / 12 and,
    // for box numbers and the title, zoom x 40 / 12 (truncated).
    static int CaptionFontHeight(int zoom) { return zoom * 37 / 12; }
    static int BoldCaptionFontHeight(int zoom) { return zoom * 40 / 12; }
    const QFont& CaptionFont() const { return m_captionFont; }
    const QFont& BoldCaptionFont() const { return m_boldCaptionFont; }

    // The dark grey surface right of and below the sheet, as far as a view
    // scrolls (400 x 350 mm at the zoom).
    void DrawSurround(QPainter& painter) const;
    // Lines, box numbers, title, captions and the form-version line with the
    // publisher's name (publisher as in the "Hersteller" setting).
    void DrawFormPage1(QPainter& painter, int publisher) const;
    // The translation columns in light grey, the frame of the agreements box and
    // the captions of the back page.
    void DrawFormPage2(QPainter& painter) const;

    // The texts of the page-1 boxes in `textColor`, then the cross of the permit
    // type (1..4; 0 none) when the guard box holds text.
    void DrawBoxesPage1(QPainter& painter, const CFieldPainter& fields, const CFieldStore& store,
                        quint16 permitType, bool mergedGoodsRows, const QColor& textColor) const;
    void DrawBoxPage2(QPainter& painter, const CFieldPainter& fields, const CFieldStore& store,
                      const QColor& textColor) const;

    // The rectangle a box's text is drawn into on the screen: the box at the
    // zoom, moved 2 units right.
    QRect ScreenTextRect(int index, int page, bool mergedGoodsRows) const;
    // Whether the permit cross counts: the guard box holds more than white space.
    static bool PermitGuardFilled(const CFieldStore& store);
    // A colour setting as the program stores it (0x00bbggrr).
    static QColor ColorFromSetting(int value);

private:
    QPoint Point(qint32 x, qint32 y) const; // table point (y negative) to logical
    void DrawSegments(QPainter& painter, const QVector<CmrLayout::Segment>& segments, int penWidth,
                      const QColor& color) const;

    int m_zoom;
    QFont m_captionFont;
    QFont m_boldCaptionFont;
};
