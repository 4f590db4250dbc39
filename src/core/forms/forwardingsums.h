#pragma once

#include "core/forms/boxchange.h"

class CFieldStore;
class CSettingsStore;
class CStringFormat;

// The forwarding order's automatic formatting, run for the box the user leaves
// (and for the current box when Save or Print re-select it):
//
//   - every box: leading and trailing white space removed;
//   - a count of column 19 (boxes 22 + 7r): a whole number grouped in threes
//     by the regional thousands character is read whole ("1.000" and "12.500"
//     under German settings); any other text gives its leading whole number as
//     the C library reads one (white space, a sign, the digits up to the first
//     other character), so "7 Paletten" becomes "7" and "1.00" becomes "1";
//     nothing is written for 0. With "SummeFeld25" on, box 77 gets the sum of
//     the eight counts;
//   - a weight of column 23 or 24 (boxes 26 + 7r, 27 + 7r): read with the
//     regional separators (German: "," decimal comma, "." thousands point),
//     emptied when 0 or less, else written with them and the decimals of
//     "DezimalstellenSpalte23"/"...24" (0 to 5; any other number counts as 0),
//     an exact half of the last place rounded away from zero on the digits as
//     typed; with "SummeFeld27"/"...28" on, box 79/80 gets the column's sum in
//     the same format (0 included).
//
// Counts and weights are added digit for digit, so a sum never wraps round into
// a wrong or negative total and rounds as exactly as its cells.
//
// Settings are read from the section "Speditionsauftrag" at every run. The
// text of page-1 box `box` is taken from the store, where the view has written
// what was typed into it. Boxes outside the store are ignored.
//
// What the formatting did to a goods cell beyond trimming it and writing the
// same value anew is returned, with the cell's field (19, 23 or 24) and row
// (1 to 8): a text without a number emptied (NotANumber), a negative weight
// emptied (Negative), 0 followed by other text emptied (Zero), the text after
// the number dropped (CutToNumber), a weight whose thousands characters stood
// outside groups of three ("12.5" read as 125, ReadWithThousands), a weight
// with more decimals than its column keeps (Rounded). Trimming, a count of 0
// or a weight of 0 emptied, and a number written with other separators, signs
// or zeros ("+0012" as "12", "1500" as "1.500,00") are not reported.
namespace ForwardingSums {

inline constexpr int kFirstGoodsBox = 21;
inline constexpr int kGoodsRows = 8;
inline constexpr int kGoodsColumns = 7;
inline constexpr int kCountSumBox = 77;
inline constexpr int kLoadingWeightSumBox = 79;
inline constexpr int kGrossWeightSumBox = 80;

// Formats `box` and the sum of its column with the regional separators of
// `format`.
Forms::BoxChange LeaveBox(CFieldStore& store, const CSettingsStore& settings, int box,
                          const CStringFormat& format);
// The form's leave-box hook: LeaveBox with the user's regional settings as the
// program's locale gives them (QLocale()).
Forms::BoxChange LeaveBoxHook(CFieldStore& store, const CSettingsStore& settings, int box);

} // namespace ForwardingSums
