#pragma once

#include "core/forms/formdescription.h"
#include "core/forms/formtables.h"

#include <QPoint>
#include <QString>

// The forwarding order (Speditionsauftrag) as data: where its boxes lie on the
// screen and on the publishers' pre-printed sheets, and its lines and captions.
// The form follows the VDA recommendation named in its note: an A4 sheet laid
// out on the UN layout key (2.54 mm character pitch, 4.23 mm line pitch), the
// numbered fields 1 to 46 around the goods table in the middle, the note and
// the publisher's footer turned to read upwards along the left edge.
//
// Units: 0.1 mm of the A4 sheet, origin at its top-left corner. Rectangles keep
// y as a positive distance from the top edge; the flat line table and the
// caption points keep y negative (FormTables).
//
// Box numbering (index: field of the printed form):
//   0 (3) order number, 1 (4) shipper's number at the forwarder, 2 (1) shipper,
//   3 (2), 4 (5), 5 (8), 6 (6), 7..9 (7) the three cells of the relation number,
//   10 (9) forwarder, 11 (10), 12/13 the forwarder's telephone and fax, 14 (13),
//   15 (11) consignee, 16 (12), 17 (14) delivery place, 18 (15), 19 (16),
//   20 (17); 21 + 7r .. 27 + 7r goods row r = 0..7, columns 18 to 24; 77..80 the
//   fields 25 to 28 of the sum row; 81..86 the dangerous goods (29); 87..96 the
//   fields 30 to 39; 97 (40); 98..100 (41) signature, date, time; 101..104 (42)
//   the pallet counts, flat and box pallets, then the exchanged ones; 105 the
//   free area at the foot (43, 46). Table entry 106 is the follow-on box.
namespace ForwardingLayout {

using FormTables::BoxRect;
using FormTables::CaptionRecord;

inline constexpr int kBoxCount = 106;
inline constexpr int kFollowEntry = 106;
inline constexpr int kBoxTableSize = 107;
inline constexpr int kPrintTableSize = 106;

inline constexpr int kSheetWidth = 2100;
inline constexpr int kSheetHeight = 2970;

// Caption groups.
enum class CaptionGroupId { Title, Captions, VdaNote, Footer };
inline constexpr Forms::CaptionFont kTitleFont{72, 700};         // 6 x zoom
inline constexpr Forms::CaptionFont kCaptionFont{34, 400};       // 34 x zoom / 12
inline constexpr Forms::CaptionFont kUpwardsFont{30, 400, true}; // 30 x zoom / 12
// Every line of the form is drawn with this pen (logical units).
inline constexpr int kPenWidth = 2;

// The tables themselves: the boxes and the follow-on box; the lines; the
// captions in drawing order, the footer's without texts of their own
// (CaptionText). Publisher 0's sheet (K) and every other publisher's (O) are
// made from the boxes (Description).
extern const Forms::BoxRecord kBoxRecords[kBoxTableSize];
extern const qint32 kLines[];
extern const CaptionRecord kCaptionRecords[];
extern const int kCaptionRecordCount;

// Where the VDA note lies from its point for a publisher (y downwards): on
// publisher 0's sheet 3 mm further left and 150 mm higher, on the others at
// its point. The other groups lie at their points.
QPoint CaptionShift(int group, int publisher);
// The footer's texts: at the first point the publisher's name (nothing for an
// unknown publisher), at the second the order number of publisher 0's sheet.
QString CaptionText(int group, int point, int publisher);

// The forwarding order for the form engine.
const Forms::FormDescription& Description();

} // namespace ForwardingLayout
