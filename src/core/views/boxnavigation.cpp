#include "views/boxnavigation.h"

#include "views/cmrlayout.h"

#include <algorithm>
#include <iterator>

namespace {

// From a goods row's first box to its last (8 → 12).
constexpr int kMergedRowSpan = 4;

// Sender, consignee and carrier boxes of each form.
constexpr int kCmrAddresses[] = {0, 1, 5, 6};
constexpr int kKombiAddresses[] = {0, 1, 5};
constexpr int kNationalAddresses[] = {0, 5};
constexpr int kForwardingAddresses[] = {2, 10, 15, 17};

template <size_t N> bool Contains(const int (&boxes)[N], int index)
{
    return std::find(std::begin(boxes), std::end(boxes), index) != std::end(boxes);
}

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

bool IsAddressBox(FormType type, int index)
{
    switch (type) {
    case FormType::Cmr:
        return Contains(kCmrAddresses, index);
    case FormType::Kombi:
        return Contains(kKombiAddresses, index);
    case FormType::National:
        return Contains(kNationalAddresses, index);
    case FormType::Forwarding:
        return Contains(kForwardingAddresses, index);
    }
    return false;
}
