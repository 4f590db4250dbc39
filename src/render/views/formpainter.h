#pragma once

#include "core/forms/formdescription.h"

#include <QColor>
#include <QFont>
#include <QPoint>
#include <QRect>
#include <QRectF>
#include <QString>
#include <QVector>

#include <memory>

class CFieldPainter;
class CFieldStore;
class QPainter;

// Draws any form of the engine from its description: the blank form of a page
// (lines and captions), the texts of its boxes and the cross of its check word.
//
// Units: the painter's transform maps logical units of 0.1 mm onto the device
// (Render::TenthMillimetreTransform(device, 10), plus the scroll offset on the
// screen), y downwards, origin at the sheet's top-left corner. The form is drawn
// at the zoom given at construction: every table value becomes value x zoom / 10
// (truncated), so the sheet covers its size x zoom / 10. Pen widths and caption
// font heights are logical units as the zoom gives them; these are the same
// units as CFieldPainter's display fonts and as FormDescription::ScreenRect.
//
// The painter's pen, brush and font are changed; save and restore around the
// calls when they matter. A QGuiApplication must exist (fonts are measured).
//
// Ownership: the description is static data and outlives the painter. DrawPage
// keeps one picture of the page (the sheet's size in device pixels).
class CFormPainter
{
public:
    // The screen draws a box's text this far right of the box (logical units).
    static constexpr int kTextShift = 2;
    // The cross over a check box, screen and paper alike.
    static constexpr int kCrossPenWidth = 6;

    // A caption as it is drawn: its text in its font with the anchoring corner
    // at `at` (logical units, y downwards, the publisher's shift applied).
    struct PlacedCaption
    {
        QString text;
        Forms::CaptionFont font;
        QPoint at;
        bool alignRight = false;
    };

    // `zoom` in tenths: 10 draws the form at real size.
    CFormPainter(const Forms::FormDescription& form, int zoom);

    const Forms::FormDescription& Form() const { return m_form; }
    int Zoom() const { return m_zoom; }

    // The cell height of a caption font at a zoom, in logical units.
    static int FontHeight(const Forms::CaptionFont& font, int zoom)
    {
        return zoom * font.heightTwelfths / 12;
    }
    // The caption font at this painter's zoom.
    QFont Font(const Forms::CaptionFont& font) const;

    // Lines and captions of a page (1 or 2), with the publisher's edition line
    // and what the form's hooks supply. A valid `ink` draws the whole form in
    // that one colour, its shaded areas as a tint of it (an original's colour,
    // or a faint form under a print preview); otherwise the form's own colours.
    void DrawForm(QPainter& painter, int page, int publisher, const QColor& ink = QColor()) const;
    // The lines of a page alone, in the same way.
    void DrawLines(QPainter& painter, int page, const QColor& ink = QColor()) const;
    // The label of an original where the form keeps it (CopyLabels), in `ink`;
    // nothing for a form without labels or an empty text.
    void DrawCopyLabel(QPainter& painter, const QString& text, const QColor& ink) const;
    // The label as it is drawn, for measuring.
    PlacedCaption CopyLabelCaption(const QString& text) const;
    // The texts of a page's boxes in `textColor`, then on page 1 the cross over
    // check box `crossed` (-1: none; see FormDescription::CrossedCheckBox).
    void DrawBoxes(QPainter& painter, int page, const CFieldPainter& fields,
                   const CFieldStore& store, int crossed, bool merged,
                   const QColor& textColor) const;

    // The whole page as the view shows it: the paper (the sheet at the zoom, in
    // white), DrawForm and DrawBoxes. On a raster device under a transform that
    // only scales and shifts, the page is drawn once into a picture of the
    // device's pixels and copied from there as long as nothing it shows has
    // changed (the store's texts and formats, the fonts, the arguments, the
    // scale); the copy has the same pixels as drawing anew. Text that runs past
    // the sheet's bottom edge ends there. Other devices (PDF, printer) and
    // screens scaled by the desktop (device pixel ratio other than 1) are drawn
    // directly.
    void DrawPage(QPainter& painter, int page, int publisher, const CFieldPainter& fields,
                  const CFieldStore& store, int crossed, bool merged,
                  const QColor& textColor) const;
    // Forgets the kept picture of DrawPage.
    void DropPageCache() const;
    // Whether DrawPage may keep a picture (it may by default); a painter that may
    // not drops the one it has and draws every page directly.
    void KeepPage(bool keep);
    bool KeepsPage() const { return m_pageCache != nullptr; }

    // The captions of a page in drawing order, the groups the edition does not
    // draw left out.
    QVector<PlacedCaption> Captions(int page, int publisher) const;
    void DrawCaption(QPainter& painter, const PlacedCaption& caption) const;
    // What the glyphs of a caption cover, in logical units.
    QRectF CaptionInk(const PlacedCaption& caption) const;

    // The rectangle a box's text is drawn into on the screen: the box at the
    // zoom, moved kTextShift units right.
    QRect ScreenTextRect(int index, int page, bool merged) const;
    // A colour setting as the program stores it (0x00bbggrr).
    static QColor ColorFromSetting(int value);

private:
    struct PageCache;

    QPoint Point(qint32 x, qint32 y) const; // table point (y negative) to logical
    QRect SheetRect() const;
    void DrawPageDirectly(QPainter& painter, int page, int publisher, const CFieldPainter& fields,
                          const CFieldStore& store, int crossed, bool merged,
                          const QColor& textColor) const;

    const Forms::FormDescription& m_form;
    int m_zoom;
    // The fonts of the caption groups, made once per painter.
    mutable QVector<QPair<Forms::CaptionFont, QFont>> m_fonts;
    // The last page DrawPage drew through a picture; shared so that the painter
    // stays copyable.
    mutable std::shared_ptr<PageCache> m_pageCache;
    bool m_keepPage = true;
};
