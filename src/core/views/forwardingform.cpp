#include "views/formdefinition.h"

namespace {

constexpr quint16 kForwardingFieldCount = 106;
constexpr quint16 kFirstGoodsBox = 21;
constexpr int kGoodsRows = 8;
constexpr int kGoodsColumns = 7;

} // namespace

FormDefinition GetForwardingFormDefinition()
{
    FormDefinition def{FormType::Forwarding, kForwardingFieldCount, 1, 2,
                       QVector<quint8>(kForwardingFieldCount, 0)};
    for (int i : {7, 8, 9}) // the three cells of the relation number
        def.alignment[i] = 1;
    // Count, loading weight and gross weight of every goods row, their sums and
    // the pallet counts.
    for (int row = 0; row < kGoodsRows; ++row)
        for (int column : {1, 5, 6})
            def.alignment[kFirstGoodsBox + kGoodsColumns * row + column] = 2;
    for (int i : {77, 79, 80, 101, 102, 103, 104})
        def.alignment[i] = 2;
    return def;
}
