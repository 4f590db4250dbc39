#pragma once

#include "core/forms/formdescription.h"
#include "core/forms/formtables.h"

#include <QString>
#include <QVector>

// The CMR consignment note as data: where its boxes lie on the screen and on the
// publishers' pre-printed sheets, and the lines and captions of its two pages.
//
// Units: 0.1 mm of the sheet (205 x 298 mm), origin at its top-left corner.
// Rectangles keep y as a positive distance from the top edge. The flat line
// tables and the caption points keep y negative (the drawing convention of the
// 0.1 mm mapping, where y grows upwards); drawing code with y downwards negates
// it.
//
// Box numbering of page 1 (index: box of the printed form):
//   0 sender (1), 1 consignee (2), 2 place of delivery (3), 3 place and date of
//   taking over (4), 4 documents (5), 5 carrier (16), 6 successive carriers (17),
//   7 reservations (18); 8 + 7r .. 14 + 7r goods row r = 0..8, columns 6 to 12;
//   71..75 the dangerous-goods row; 76 + 6k .. 81 + 6k charges row k = 0..6 of
//   box 20; 118 (13), 119 (14), 120 (15), 121 (19), 122/123 place and date of
//   issue (21), 124 (22), 125 (23); 126 + 3k .. 128 + 3k tariff distance leg k
//   (25); 141 (26); 142..145 registration and payload of lorry and trailer (27);
//   146..159 and 160..173 the pallet blocks of sender and consignee, each ending
//   with its confirmation box; 174 the permit number used; 175 the box beside
//   the title. Table entries 176..179 are the four permit checkboxes and 180 the
//   box of the back page.
namespace CmrLayout {

using CmrRect = FormTables::BoxRect;
using FormTables::CaptionRecord;
using FormTables::Segment;

using FormTables::kEndLimit;
using FormTables::kGroupEnd;
using FormTables::kGroupEndSecond;
using FormTables::kSeparatorLimit;
using FormTables::kTableEnd;
using FormTables::LineGroups;
using FormTables::Scale;
using FormTables::ScaleTable;

inline constexpr int kBoxCount = 176;
inline constexpr int kFirstPermitBox = 176;
inline constexpr int kPermitBoxCount = 4;
inline constexpr int kPage2Entry = 180;
inline constexpr int kBoxTableSize = 181;
inline constexpr int kPrintTableSize = 180;

// Boxes 6 to 9 of a goods row (indices 8 + 7r .. 11 + 7r) become one box when
// the goods rows are merged ("Feld6Modus").
inline constexpr int kGoodsFirstBox = 8;
inline constexpr int kGoodsRowStride = 7;
inline constexpr int kGoodsRowCount = 9;
inline constexpr FormTables::MergedRows kMergedGoodsRows{kGoodsFirstBox, kGoodsRowStride,
                                                         kGoodsRowCount, 4};

// The box whose text decides whether the permit cross is drawn and can be set.
inline constexpr int kPermitGuardBox = 174;

inline constexpr int kSheetWidth = 2050;
inline constexpr int kSheetHeight = 2980;
inline constexpr int kFrameLeft = 50;
inline constexpr int kFrameTop = 100;
inline constexpr int kFrameRight = 1880;
inline constexpr int kFrameBottom = 2855;

// Line groups of page 1, in table order, and the pen width (logical units of
// the 0.1 mm mapping, not scaled by the zoom) each is drawn with.
enum class Page1LineGroup { DangerousGoods, MainDivision, Heavy, Fine };
inline constexpr int kPage1LineGroupCount = 4;
int PenWidth(Page1LineGroup group);

// Caption groups of page 1.
enum class Page1CaptionGroup { BoxNumbers, Captions, DangerousGoods, FormVersion };
inline constexpr int kTitleLineCount = 4; // the first captions of the Captions group
// The caption font and the bold one of box numbers and title lines.
inline constexpr Forms::CaptionFont kCaptionFont{37, 400};
inline constexpr Forms::CaptionFont kBoldCaptionFont{40, 700};
inline constexpr int kPage2FilledRectCount = 4;

// The tables themselves: the boxes, the permit checkboxes and the back page's
// box; the lines and the captions of each page, in drawing order. The
// publishers' sheets are made from the boxes (Description).
extern const Forms::BoxRecord kBoxRecords[kBoxTableSize];
extern const qint32 kLinesPage1[];
extern const qint32 kLinesPage2[];
extern const CaptionRecord kCaptionRecordsPage1[];
extern const int kCaptionRecordsPage1Count;
extern const CaptionRecord kCaptionRecordsPage2[];
extern const int kCaptionRecordsPage2Count;

// The text of the form-version line before the publisher's name.
inline constexpr const char* kEditionText = "2009";

// The CMR note for the form engine.
const Forms::FormDescription& Description();

// Goods-row merging: whether an index is the first box of a goods row, and the
// box a click or a move into a merged cell goes to (the index itself otherwise).
bool IsGoodsRowStart(int index);
int MergedGoodsTarget(int index);

// The screen rectangle of a box at the zoom (the view's GetBoxRect): page 1
// takes entry `index` (0..180; any other index is taken as 0), any other page
// the back page's box. With merged goods rows the first box of a row reaches to
// the right and bottom of the row's fourth box.
CmrRect GetBoxRect(int index, int page, int zoom, bool mergedGoodsRows);

// The rectangle of a box on the publisher's sheet, before the print margins
// (y downwards from the top of the printable area). Publisher 0 has a table of
// its own; every other value uses the table of publishers 1 to 3. Page 1 takes
// entry `index` (0..179; any other index is taken as 0); any other page the back
// page's box, which lies alike on every sheet.
CmrRect GetPrintTableRect(int index, int page, int publisher, bool mergedGoodsRows);

// The form publisher's name for the foot of the form, empty for an unknown value.
QString FormPublisherName(int publisher);
// The form-version line: "2009 - <publisher>", or "2009" alone for an unknown
// publisher.
QString FormVersionLine(int publisher);

} // namespace CmrLayout
