#pragma once

#include "core/forms/formdescription.h"
#include "core/forms/formtables.h"

// The Kombi consignment note for national and international use as data: where
// its boxes lie on the screen and on the publishers' pre-printed sheets, its
// lines and its German captions with the French beneath.
//
// Units: 0.1 mm of an A4 sheet, origin at its top-left corner. Rectangles keep
// y as a positive distance from the top edge. The flat line tables and the
// caption points keep y negative (the drawing convention of the 0.1 mm mapping,
// where y grows upwards); drawing code with y downwards negates it.
//
// Box numbering (index: box of the printed form):
//   0 sender (A), 1 consignee (B), 2..5 dispatch place, 6..9 destination (C),
//   10/11 further loading places, 12/13 further unloading places, 14..16
//   vehicle change, 17 sender's instructions (L); 18 + 3r .. 20 + 3r goods row
//   r = 0..4: description over the columns E to H, gross weight (I), volume (K);
//   33..37 statistics numbers (SN); 38..41 dangerous goods (O); 42/43 payment
//   instructions (M); 44/45 place and date of issue (D), 46 sender's signature;
//   47/48 receipt, 49 consignee's signature (Q); 50/51 taken over, 52 carrier's
//   signature (R); 53 number of the note; 54..60 vehicle (T), 61 permit number;
//   62..69 loading and unloading times (day, hour); 70 + 8r .. 77 + 8r freight
//   row r = 0..2 (P); 94..111 subtotal, ancillary services, net amount, tax rate
//   and tax, total; 112..124 and 125..137 the pallet blocks of sender and
//   consignee. Table entries 138..141 are the terms check boxes (ADR, HGB,
//   VBGL/AGL, ADSp: terms word 1 to 4) and 142 the follow-on box.
namespace KombiLayout {

using KombiRect = FormTables::BoxRect;
using FormTables::CaptionRecord;

inline constexpr int kBoxCount = 138;
inline constexpr int kFirstTermsBox = 138;
inline constexpr int kTermsBoxCount = 4;
inline constexpr int kFollowEntry = 142;
inline constexpr int kBoxTableSize = 143;
inline constexpr int kPrintTableSize = 142;

inline constexpr int kFrameLeft = 100;
inline constexpr int kFrameTop = 50;
inline constexpr int kFrameRight = 2000;
inline constexpr int kFrameBottom = 2795;

// Line groups in table order: box lines, the heavy outline of the carrier's
// part and the freight calculation, the grey writing lines of places and dates.
enum class LineGroup { Lines, Heavy, WritingLines };
inline constexpr int kLineGroupCount = 3;

// Caption groups.
enum class CaptionGroup { Bold, Normal, Small, EditionLine };
inline constexpr Forms::CaptionFont kBoldFont{40, 700};
inline constexpr Forms::CaptionFont kNormalFont{37, 400};
inline constexpr Forms::CaptionFont kSmallFont{34, 400};

// The tables themselves: the boxes, the terms check boxes and the follow-on
// box; the lines; the captions in drawing order. Publisher 0's sheet (K) and
// every other publisher's (O) are made from the boxes (Description).
extern const Forms::BoxRecord kBoxRecords[kBoxTableSize];
extern const qint32 kLines[];
extern const CaptionRecord kCaptionRecords[];
extern const int kCaptionRecordCount;

// The text of the edition line before the publisher's name.
inline constexpr const char* kEditionText = "01.2007";

// The Kombi note for the form engine.
const Forms::FormDescription& Description();

} // namespace KombiLayout
