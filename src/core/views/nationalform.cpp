#include "views/formdefinition.h"

namespace {

constexpr quint16 kBoxes2009 = 127;
// The 2007 edition lacks the tunnel restriction code of the dangerous-goods line.
constexpr quint16 kTunnelCodeBox = 44;

// Indices of the 2009 edition; the 2007 table follows by dropping box 44.
constexpr quint16 kCentred2009[] = {100, 101, 103, 104, 107, 108, 111, 112,
                                    114, 115, 117, 118, 121, 122, 125, 126};

constexpr quint16 kRight2009[] = {
    23, 27,  31,  35,  39,                    // gross weight of the five goods rows
    54, 56,                                   // payloads
    72, 74,  75,  78,  80,  81,  84,  86, 87, // freight rows: agreed freight, amount, sum
    88, 90,  92,  94,  95,  97,  98,          // sub-total, services, net, tax, total
    99, 102, 106, 110, 113, 116, 120, 124};   // pallet numbers

} // namespace

FormDefinition GetNationalFormDefinition(NationalEdition edition)
{
    FormDefinition def{FormType::National, kBoxes2009, 1, 2, QVector<quint8>(kBoxes2009, 0)};
    for (quint16 i : kCentred2009)
        def.alignment[i] = 1;
    for (quint16 i : kRight2009)
        def.alignment[i] = 2;
    if (edition == NationalEdition::Edition2007) {
        def.alignment.remove(kTunnelCodeBox);
        def.fieldCount = quint16(def.alignment.size());
    }
    return def;
}
