#pragma once

// Where "next" and "previous box" lead on page 1 of a form. Moves wrap from the
// form's last box to box 0 and back. With merged goods rows (CMR only) each goods row's boxes 6 to 10
// behave as two boxes, its first and its last; moves do not wrap in that mode.
//
// `fieldCount` is the number of boxes the form defines (not the store's count,
// which files of older layouts may have raised by one).
int NextBox(int fieldCount, int current, bool mergedGoodsRows = false);
int PreviousBox(int fieldCount, int current, bool mergedGoodsRows = false);
