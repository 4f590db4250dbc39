#include "views/formdefinition.h"

namespace {

constexpr quint16 kCmrFieldCount = 176;

constexpr quint16 kCmrCentred[] = {73,  147, 148, 150, 151, 153, 154, 157, 158,
                                   161, 162, 164, 165, 167, 168, 171, 172};

constexpr quint16 kCmrRight[] = {
    12,  13,  14,  19,  20,  21,  26,  27,  28,  33,  34,  35,  40,  41,  42,  47,
    48,  49,  54,  55,  56,  61,  62,  63,  69,  70,  71,  76,  79,  80,  82,  85,
    86,  88,  91,  92,  94,  97,  98,  100, 103, 104, 106, 109, 110, 112, 115, 116,
    128, 131, 134, 137, 140, 144, 145, 146, 149, 152, 156, 160, 163, 166, 170};

} // namespace

FormDefinition GetCmrFormDefinition()
{
    FormDefinition def{FormType::Cmr, kCmrFieldCount, 1, 2, QVector<quint8>(kCmrFieldCount, 0)};
    for (quint16 i : kCmrCentred)
        def.alignment[i] = 1;
    for (quint16 i : kCmrRight)
        def.alignment[i] = 2;
    return def;
}
