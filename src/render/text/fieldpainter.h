#pragma once

#include "core/printing/printcontext.h"

#include <QFont>
#include <QRect>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

class CFieldStore;
class QPainter;

class QFontMetricsF;

// A font as the program asks for one: face, weight and height. A positive height
// is a cell height (ascent plus descent, the line without its leading), a negative
// one an em height, both in the units of the device the font is used on.
struct LogicalFont
{
    int height = 0;
    int weight = 400;
    QString faceName = QStringLiteral("Arial");
};

// The font table of the box texts and the drawing of a box's text.
//
// Three families of fonts, each with the size steps 0..4 (normal and bold) and
// the small sizes 8 and 9 (normal only):
//   - display fonts draw the boxes on screen; their heights are in the painter's
//     logical units, which for the screen are the view's 0.1 mm units already
//     multiplied by zoom / 10 (the same units as the view's scaled box rectangles);
//   - edit fonts are for the edit widget and are in device pixels of the screen;
//   - printer fonts draw onto paper; their heights are in 0.1 mm of the sheet.
// Heights come from the font heights the painter is given (the section "Font"
// of the settings, read by the caller), taken every time a family is rebuilt.
// Until then the table holds the program's initial heights; the small sizes do
// not exist before the first rebuild.
//
// Drawing contract (DrawBoxText, DrawField, PrintBoxText, PrintField):
//   - The caller sets up the painter: its transform maps the logical units onto
//     the device (for instance Render::TenthMillimetreTransform), y grows
//     downwards, and the pen colour and background mode it holds are the ones the
//     text is drawn with. The painter's font is replaced only when a font type
//     selects a font; types that select none draw in the painter's current font.
//   - Rectangles are in those logical units; left = rect.x(), right = rect.x() +
//     rect.width() (the right and bottom edges are exclusive, as QRect(x, y, w, h)
//     gives them).
//   - Left-aligned text starts 10 units right of the left edge, right-aligned
//     text ends 12 units left of the right edge, centred text uses the whole
//     width. Text starts at the top edge.
//   - Lines break at CR LF (and at a lone CR or LF) and, when a line is wider than
//     the box, at the last space that lets it fit; a single word wider than the
//     box runs past its right edge. Nothing is clipped: lines beyond the bottom
//     are drawn below the box. Single-line mode draws everything on one line.
//   - The Print variants scale the rectangle by the print-area correction
//     (per mille, about the origin of the logical coordinates, see
//     SetPrintAreaCorrection) before doing the same as the Draw variants.
//   - The painter's state is left as it was found, except its font when one was
//     selected.
// A QGuiApplication must exist (fonts are measured through the font database).
//
// The painter reads no settings; the field store is only read, during the call.
class CFieldPainter
{
public:
    enum class Family { Display, Edit, Printer };

    // Font types of the drawing calls: 0..4 the size steps (bold or normal by the
    // bold flag), 65 and 66 the small sizes 8 and 9; any other value selects no font.
    static constexpr int kSmallFont8 = 65;
    static constexpr int kSmallFont9 = 66;
    // Where a box's text lies in its rectangle: left-aligned text starts this far
    // inside the left edge, right-aligned text ends this far inside the right one
    // (logical units).
    static constexpr int kLeftTextInset = 10;
    static constexpr int kRightTextInset = 12;

    explicit CFieldPainter(const CBoxFontHeights& heights = CBoxFontHeights());

    // The heights the next rebuild of a family takes.
    void SetFontHeights(const CBoxFontHeights& heights) { m_heights = heights; }
    // The print-area correction of the Print variants (none unless set).
    void SetPrintAreaCorrection(const PrintAreaCorrection& correction)
    {
        m_correction = correction;
    }

    // Display fonts for the zoom (tenths, 10 = real size): height = value × zoom / 12.
    // Edit fonts: the same length converted to pixels at the screen's vertical
    // resolution (dots per inch).
    void CreateScreenFonts(int screenDpiY, int zoom);
    // Printer fonts: height = value × factor / 100 (factor in per cent).
    void CreatePrinterFonts(int factorPercent);
    // Replaces one edit or printer font (types 0-4, 8-12, 16-20, 24-28, 65-68);
    // the weight is forced to 400 or 700 by the type. Other types change nothing.
    void DefineFont(int type, const LogicalFont& font);

    // The cell height of a font, or 0 when the entry does not exist. `size` is
    // 0..4, 8 or 9.
    int CellHeight(Family family, int size, bool bold) const;
    // The font of an entry, sized so that its cell height is CellHeight(); empty
    // when the entry does not exist.
    std::optional<QFont> Font(Family family, int size, bool bold) const;
    // The font a drawing call with this font type selects (none for other types).
    std::optional<QFont> FontForType(Family family, int fontType, bool bold) const;

    void DrawBoxText(QPainter& painter, const QRect& rect, int fontType, quint16 alignment,
                     const QString& text, bool bold) const;
    void DrawField(QPainter& painter, const QRect& rect, const CFieldStore& store, quint16 index,
                   quint16 page, bool singleLine) const;
    void PrintBoxText(QPainter& painter, const QRect& rect, int fontType, quint16 alignment,
                      const QString& text, bool bold) const;
    void PrintField(QPainter& painter, const QRect& rect, const CFieldStore& store, quint16 index,
                    quint16 page, bool singleLine) const;

    // The printed rectangle of a box before the edge moves.
    QRect ScaledPrintRect(const QRect& rect) const;
    // Changes whenever a font of the table changes, and differs between painters,
    // so that a drawing kept from an earlier paint can tell that it is out of date.
    quint64 FontGeneration() const { return m_generation; }

    // Cell height of a face divided by its em height (about 1.117 for Arial and
    // Liberation Sans); a font of cell height h has the pixel size h / ratio.
    static qreal CellToEmRatio(const QString& face, int weight);
    static QFont MakeFont(const LogicalFont& font);

private:
    struct Entry
    {
        int cellHeight = 0; // 0: the entry does not exist
        int weight = 400;
        QFont font;
    };
    // Per family: sizes 0..4, then 8 and 9; bold sizes 0..4.
    struct FontSet
    {
        std::array<Entry, 7> normal;
        std::array<Entry, 5> bold;
    };

    static int Slot(int size); // 0..6, or -1
    Entry* Find(Family family, int size, bool bold);
    const Entry* Find(Family family, int size, bool bold) const;
    void Set(Family family, int size, bool bold, int cellHeight);
    void Set(Entry& entry, const LogicalFont& font);
    int HeightValue(char family, int size, bool bold) const;

    void Draw(QPainter& painter, QRect rect, const std::optional<QFont>& font, quint16 alignment,
              const QString& text, bool singleLine) const;
    void DrawStoredField(QPainter& painter, const QRect& rect, const CFieldStore& store,
                         quint16 index, quint16 page, bool singleLine, Family family) const;

    CBoxFontHeights m_heights;
    PrintAreaCorrection m_correction;
    FontSet m_display, m_edit, m_printer;
    quint64 m_generation = 0;
};

// The lines a box text is drawn in, by the rules above: `width` is the width
// left after the edge moves, in the metrics' units. Trailing spaces of a line are
// not part of it. With `maxLines` at 0 or more, breaking stops after that many
// lines (the rest would not be seen).
QStringList BreakBoxText(const QString& text, const QFontMetricsF& metrics, qreal width,
                         bool singleLine, int maxLines = -1);
