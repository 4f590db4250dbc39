#pragma once

class CFieldStore;
class CSettingsStore;
class CStringFormat;

// The forwarding order's automatic formatting, run for the box the user leaves
// (and for the current box when Save or Print re-select it):
//
//   - every box: leading and trailing white space removed;
//   - a count of column 19 (boxes 22 + 7r): its leading whole number as the C
//     library reads one (white space, a sign, the digits up to the first other
//     character), nothing for 0, so "7 Paletten" becomes "7"; with "SummeFeld25"
//     on, box 77 gets the sum of the eight counts;
//   - a weight of column 23 or 24 (boxes 26 + 7r, 27 + 7r): read with the
//     regional separators (German: "," decimal comma, "." thousands point),
//     emptied when 0 or less, else written with them and the decimals of
//     "DezimalstellenSpalte23"/"...24" (0 to 5; any other number counts as 0);
//     with "SummeFeld27"/"...28" on, box 79/80 gets the column's sum in the
//     same format (0 included).
//
// Counts are added exactly, whatever their number of digits, so a sum never
// wraps round into a wrong or negative total.
//
// Settings are read from the section "Speditionsauftrag" at every run. The
// store's current box must be `box` (page 1); its edited text is taken from the
// editor first. Sum boxes are written directly, without becoming current.
// Boxes outside the store are ignored.
namespace ForwardingSums {

inline constexpr int kFirstGoodsBox = 21;
inline constexpr int kGoodsRows = 8;
inline constexpr int kGoodsColumns = 7;
inline constexpr int kCountSumBox = 77;
inline constexpr int kLoadingWeightSumBox = 79;
inline constexpr int kGrossWeightSumBox = 80;

// Formats `box` and the sum of its column with the regional separators of
// `format`.
void LeaveBox(CFieldStore& store, const CSettingsStore& settings, int box,
              const CStringFormat& format);
// The form's leave-box hook: LeaveBox with the user's regional settings as the
// program's locale gives them (QLocale()).
void LeaveBoxHook(CFieldStore& store, const CSettingsStore& settings, int box);

} // namespace ForwardingSums
