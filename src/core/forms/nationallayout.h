#pragma once

#include "core/forms/formdescription.h"
#include "core/forms/formtables.h"

#include <QVector>

class CSettingsStore;

// The national note exists in two editions; the 2009 one has the tunnel
// restriction code as an extra box at index 44.
enum class NationalEdition { Edition2007, Edition2009 };
// "Version" of the national section: 2009 selects the 2009 edition, any other
// value the 2007 one.
NationalEdition GetNationalEdition(const CSettingsStore& settings);

// The national consignment note as data, in its two editions: where its boxes
// lie on the screen and on the publishers' pre-printed sheets, and its lines and
// captions.
//
// Units: 0.1 mm of the sheet (205 x 298 mm), origin at its top-left corner.
// Rectangles keep y as a positive distance from the top edge; the flat line
// tables and the caption points keep y negative (see FormTables).
//
// The sheet: a left strip with the 45 typing-line numbers (one line every
// 6.35 mm, the first ending 11.3 mm from the top; the boxes keep to these
// lines), the groups A to P, and at the right edge, between 153.5 mm and 195 mm,
// boxed areas with heavy rules: title and note number, the vehicle data of N,
// the special provisions, and the sums and totals of the freight calculation P.
//
// Box numbering of the 2009 edition (index: box of the printed form): 0 sender
// (A), 1 note number, 2..4 dispatch place (B), 5 consignee (C), 6 notify
// address, 7..9 destination (D), 10..13 declarations (E), 14..15 further
// loading places (F), 16..17 further unloading places (G), 18..19 change of
// vehicle, 20 + 4r .. 23 + 4r goods row r = 0..4 (H), 40..44 the dangerous-goods
// line, 45 (I), 46 (K), 47 special provisions, 48 place and date of issue (L),
// 49 receipt (M), 50..52 taken over (O), 53..69 vehicle, times and reservations
// (N), 70 + 6r .. 75 + 6r freight row r = 0..2 (P), 88..98 sub-total to total,
// 99..112 and 113..126 the pallets of sender and consignee. Entries 127 and 128
// are the check boxes "ja" and "nein", 129 the follow-on page's box.
//
// The 2007 edition has the same boxes without the tunnel restriction code: 0 to
// 43 as above (the label model number and the packing group wider), and every
// later box one index lower; its check boxes are entries 126 and 127.
namespace NationalLayout {

using FormTables::BoxRect;
using FormTables::CaptionRecord;

inline constexpr int kBoxCount2009 = 127;
inline constexpr int kBoxCount2007 = 126;
inline constexpr int kCheckBoxCount = 2; // "ja", "nein"
inline constexpr int kBoxTableSize2009 = kBoxCount2009 + kCheckBoxCount + 1;
// The 2009 edition's box the 2007 edition lacks; the boxes after it move down one
// index in the 2007 edition.
inline constexpr int kTunnelCodeBox = 44;
inline constexpr int kLabelModelBox = 42;
inline constexpr int kPackingGroupBox = 43;

inline constexpr int kSheetWidth = 2050;
inline constexpr int kSheetHeight = 2980;

// Line groups in table order; the pen width (logical units of the 0.1 mm
// mapping) each is drawn with.
enum class LineGroup { MainDivision, Heavy, Only2007, Only2009, Fine };
inline constexpr int kLineGroupCount = 5;
int PenWidth(LineGroup group);

// Caption groups. Only2007 and Only2009 are drawn in one edition each.
enum class CaptionGroup {
    Letters,
    LineNumbers,
    Headings,
    Captions,
    Only2007,
    Only2009,
    EditionLine
};
inline constexpr int kCaptionGroupCount = 7;
// The two caption fonts of every form: normal, and bold for the group letters
// and the title.
inline constexpr Forms::CaptionFont kCaptionFont{37, 400};
inline constexpr Forms::CaptionFont kBoldCaptionFont{40, 700};

// The tables themselves. The 2009 edition's boxes, check boxes and follow-on
// box; the 2007 edition's boxes and both editions' publishers' sheets are made
// from these (Description).
extern const Forms::BoxRecord kBoxRecords2009[kBoxTableSize2009];
// The 2007 edition's label model number and packing group.
extern const BoxRect kDangerousGoods2007[2];
// Lines and captions of both editions, the captions in drawing order; the
// edition decides which of the edition groups is drawn.
extern const qint32 kLines[];
extern const CaptionRecord kCaptionRecords[];
extern const int kCaptionRecordCount;

// The editions' texts of the edition line, before the publisher's name.
inline constexpr const char* kEditionText2007 = "01/2007";
inline constexpr const char* kEditionText2009 = "07/2009";

// The national note of an edition for the form engine.
const Forms::FormDescription& Description(NationalEdition edition);
// The edition a description of the national note is.
NationalEdition EditionOf(const Forms::FormDescription& form);

} // namespace NationalLayout
