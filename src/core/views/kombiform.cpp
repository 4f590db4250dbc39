#include "views/formdefinition.h"

namespace {

constexpr quint16 kKombiFieldCount = 138;

constexpr quint16 kKombiCentred[] = {113, 114, 116, 117, 119, 120, 123, 124,
                                     126, 127, 129, 130, 132, 133, 136, 137};

constexpr quint16 kKombiRight[] = {
    19,  20,  22,  23,  25,  26,  28,  29, 31, 32, // goods: gross weight and volume
    55,  57,                                       // payloads
    70,  72,  75,  76,                             // freight rows: weight, freight, amount, sum
    78,  80,  83,  84,  86,  88,  91,  92, 94, 97,
    100, 103, 105, 108, 110,                 // euro cells of the totals
    112, 115, 118, 122, 125, 128, 131, 135}; // pallet numbers

} // namespace

FormDefinition GetKombiFormDefinition()
{
    FormDefinition def{FormType::Kombi, kKombiFieldCount, 1, 2,
                       QVector<quint8>(kKombiFieldCount, 0)};
    for (quint16 i : kKombiCentred)
        def.alignment[i] = 1;
    for (quint16 i : kKombiRight)
        def.alignment[i] = 2;
    return def;
}
