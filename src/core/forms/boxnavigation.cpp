#include "core/forms/boxnavigation.h"

#include "core/forms/cmrlayout.h"

namespace {

// From a goods row's first box to its last (8 → 12).
constexpr int kMergedRowSpan = 4;

} // namespace

int NextBox(int fieldCount, int current, bool mergedGoodsRows)
{
    const int last = fieldCount - 1;
    if (!mergedGoodsRows)
        return current >= last ? 0 : current + 1;
    if (CmrLayout::IsGoodsRowStart(current))
        return current + kMergedRowSpan;
    return current < last ? current + 1 : current;
}

int PreviousBox(int fieldCount, int current, bool mergedGoodsRows)
{
    if (!mergedGoodsRows)
        return current <= 0 ? fieldCount - 1 : current - 1;
    if (CmrLayout::IsGoodsRowStart(current - kMergedRowSpan))
        return current - kMergedRowSpan;
    return current > 0 ? current - 1 : current;
}
