#pragma once

#include <QString>
#include <QVector>

// The table types every form is drawn from, the walker of its flat line tables
// and the maker of its publishers' sheets.
//
// Units: 0.1 mm of the sheet, origin at its top-left corner. Rectangles keep y
// as a positive distance from the top edge. The flat line tables and the
// caption points keep y negative (the drawing convention of the 0.1 mm mapping,
// where y grows upwards); drawing code with y downwards negates it.
//
// A flat line table is a run of records (4 values for a line segment) in
// groups: a group ends with the pair (kGroupEnd, kGroupEndSecond); any value
// below kSeparatorLimit where a record would start ends a group, and one at or
// below kEndLimit ends the table.
namespace FormTables {

// Left, top, right, bottom; y downwards.
struct BoxRect
{
    qint32 left;
    qint32 top;
    qint32 right;
    qint32 bottom;
};

struct Segment
{
    qint32 x1, y1, x2, y2;
};

// A caption of a page: its point (x, y, y negative as in the line tables), its
// caption group (an index into the page's groups, which say font, anchor and
// where the text comes from) and its text (UTF-8), or null where the group
// takes its texts from elsewhere (the edition line, a hook).
struct CaptionRecord
{
    qint32 x;
    qint32 y;
    int group;
    const char* text;
};

inline constexpr qint32 kGroupEnd = -2500;
inline constexpr qint32 kGroupEndSecond = -1;
inline constexpr qint32 kTableEnd = -6000;
inline constexpr qint32 kSeparatorLimit = -1000;
inline constexpr qint32 kEndLimit = -5000;

// The groups of a flat line table (each segment x1, y1, x2, y2 as stored). A
// table without separators is one group.
QVector<QVector<Segment>> LineGroups(const qint32* table);

// The scale of the screen: a table value times the zoom (tenths, 10 = real size)
// divided by 10, truncated towards zero.
inline qint32 Scale(qint32 value, int zoom)
{
    return qint32(qint64(value) * zoom / 10);
}
inline BoxRect Scale(const BoxRect& r, int zoom)
{
    return {Scale(r.left, zoom), Scale(r.top, zoom), Scale(r.right, zoom), Scale(r.bottom, zoom)};
}
// A flat table of records of `recordWidth` values (4 for lines) scaled for the
// zoom, up to its end. Separators are copied, not scaled: scaled, a separator
// would reach the end limit from zoom 20 on and cut the table short. The copy
// ends with kTableEnd.
QVector<qint32> ScaleTable(const qint32* table, int recordWidth, int zoom);

// Where a publisher's sheet has the boxes of the screen's table: the entries
// `first` to `last` moved right by `dx` and down by `dy`.
struct ShiftRow
{
    int first;
    int last;
    int dx;
    int dy;
};

// A box that the sheet has in a size of its own.
struct RectOverride
{
    int box;
    BoxRect rect;
};

// A publisher's sheet made from the screen's table: every entry of `screen`
// where the screen has it, moved by the first shift row that names it, and the
// overridden entries replaced (the last override of an entry wins). Rows and
// overrides beyond the table are ignored.
QVector<BoxRect> SheetTable(QVector<BoxRect> screen, const QVector<ShiftRow>& shifts,
                            const QVector<RectOverride>& overrides = {});

// Cells of a table's rows that a setting joins into one box: in each of `rows`
// rows (the first starting at `firstBox`, each `stride` boxes after the one
// before), the first box reaches over the next `span - 1` boxes of its row.
struct MergedRows
{
    int firstBox;
    int stride;
    int rows;
    int span;

    // Whether an index is the first box of a joined row.
    bool IsRowStart(int index) const
    {
        const int offset = index - firstBox;
        return offset >= 0 && offset % stride == 0 && offset / stride < rows;
    }
    // The box a click or a move into a joined cell goes to: the first box of
    // its row for the boxes it covers, the index itself otherwise.
    int Target(int index) const
    {
        const int offset = index - firstBox;
        if (offset < 0 || offset >= stride * rows)
            return index;
        const int column = offset % stride;
        return column >= 1 && column < span ? index - column : index;
    }
};

// The form publisher's name ("Hersteller": 0 to 3), empty for any other value.
QString PublisherName(int publisher);
// A form's edition line: the edition text, " - " and the publisher's name, or
// the edition text alone for an unknown publisher.
QString EditionLine(const QString& edition, int publisher);

} // namespace FormTables
