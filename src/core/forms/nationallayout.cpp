#include "core/forms/nationallayout.h"

#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"

#include <iterator>

namespace NationalLayout {

using FormTables::kGroupEnd;
using FormTables::kGroupEndSecond;
using FormTables::kTableEnd;

using namespace Forms;

namespace {

constexpr int kLetters = int(CaptionGroup::Letters);
constexpr int kLineNumbers = int(CaptionGroup::LineNumbers);
constexpr int kHeadings = int(CaptionGroup::Headings);
constexpr int kBoxCaptions = int(CaptionGroup::Captions);
constexpr int kOnly2007 = int(CaptionGroup::Only2007);
constexpr int kOnly2009 = int(CaptionGroup::Only2009);
constexpr int kEditionLine = int(CaptionGroup::EditionLine);

} // namespace

// clang-format off

const BoxRect kDangerousGoods2007[2] = {
    {415, 1576, 800, 1634}, // dangerous goods: label model number
    {820, 1576, 990, 1634}, // dangerous goods: packing group
};

const qint32 kLines[] = {
    // frame, left strip and main division (2-unit pen)
    20, -50, 80, -50, // left strip
    20, -50, 20, -2906,
    80, -50, 80, -2906,
    20, -2906, 80, -2906,
    100, -50, 1535, -50, // frame
    100, -50, 100, -1065,
    100, -1065, 100, -2906,
    100, -2906, 1225, -2906,
    1225, -2906, 1950, -2906,
    930, -50, 930, -1065, // A, C, E | B, D, F, G
    100, -303, 1535, -303,
    100, -684, 930, -684, // C | E
    930, -557, 1535, -557, // D | F
    930, -748, 1535, -748, // F | G
    930, -938, 1535, -938, // G | change of vehicle
    100, -1065, 1535, -1065, // H: caption, column headings, rows
    100, -1129, 1535, -1129,
    100, -1192, 1535, -1192,
    100, -1510, 1535, -1510, // dangerous goods and K
    100, -1637, 1535, -1637,
    1000, -1510, 1000, -1637,
    100, -1700, 1535, -1700, // I | L, O
    690, -1700, 690, -2018, // L | O
    100, -2018, 1535, -2018, // P: headings, rows
    100, -2081, 1950, -2081,
    100, -2272, 1535, -2272, // M, pallets | totals
    1225, -2272, 1225, -2843,
    100, -2526, 1225, -2526, // M | pallets
    675, -2526, 675, -2906, // pallets of the sender | of the consignee
    1225, -2780, 1535, -2780, // below the totals
    kGroupEnd, kGroupEndSecond,
    // boxed areas at the right edge (6-unit pen)
    1535, -50, 1950, -50, // title and number
    1950, -50, 1950, -2906, // right edge
    1535, -50, 1535, -303,
    1535, -303, 1950, -303, // N: vehicle, times, reservations
    1535, -303, 1535, -1700,
    1535, -748, 1950, -748,
    1535, -1256, 1950, -1256,
    1535, -1700, 1950, -1700, // special provisions
    1535, -1700, 1535, -2018,
    1535, -2018, 1950, -2018, // freight sums and totals
    1535, -2018, 1535, -2780,
    1535, -2780, 1950, -2780,
    kGroupEnd, kGroupEndSecond,
    // the 2007 edition's dangerous-goods column (1-unit pen)
    810, -1510, 810, -1637,
    kGroupEnd, kGroupEndSecond,
    // the 2009 edition's dangerous-goods columns (1-unit pen)
    620, -1510, 620, -1637,
    760, -1510, 760, -1637,
    kGroupEnd, kGroupEndSecond,
    // inner lines (1-unit pen)
    20, -113, 80, -113, // the 45 line ticks
    20, -176, 80, -176,
    20, -240, 80, -240,
    20, -303, 80, -303,
    20, -367, 80, -367,
    20, -430, 80, -430,
    20, -494, 80, -494,
    20, -557, 80, -557,
    20, -621, 80, -621,
    20, -684, 80, -684,
    20, -748, 80, -748,
    20, -811, 80, -811,
    20, -875, 80, -875,
    20, -938, 80, -938,
    20, -1002, 80, -1002,
    20, -1065, 80, -1065,
    20, -1129, 80, -1129,
    20, -1192, 80, -1192,
    20, -1256, 80, -1256,
    20, -1319, 80, -1319,
    20, -1383, 80, -1383,
    20, -1446, 80, -1446,
    20, -1510, 80, -1510,
    20, -1573, 80, -1573,
    20, -1637, 80, -1637,
    20, -1700, 80, -1700,
    20, -1764, 80, -1764,
    20, -1827, 80, -1827,
    20, -1891, 80, -1891,
    20, -1954, 80, -1954,
    20, -2018, 80, -2018,
    20, -2081, 80, -2081,
    20, -2145, 80, -2145,
    20, -2208, 80, -2208,
    20, -2272, 80, -2272,
    20, -2335, 80, -2335,
    20, -2399, 80, -2399,
    20, -2462, 80, -2462,
    20, -2526, 80, -2526,
    20, -2589, 80, -2589,
    20, -2653, 80, -2653,
    20, -2716, 80, -2716,
    20, -2780, 80, -2780,
    20, -2843, 80, -2843,
    20, -2907, 80, -2907,
    635, -1008, 685, -1008, // the check boxes "ja" and "nein"
    685, -1008, 685, -1058,
    685, -1058, 635, -1058,
    635, -1058, 635, -1008,
    735, -1008, 785, -1008,
    785, -1008, 785, -1058,
    785, -1058, 735, -1058,
    735, -1058, 735, -1008,
    930, -176, 1535, -176, // typing lines of B and D
    930, -240, 1535, -240,
    930, -430, 1535, -430,
    930, -494, 1535, -494,
    100, -557, 930, -557, // consignee | notify address
    420, -1129, 420, -1510, // goods columns and rows
    660, -1129, 660, -1510,
    1250, -1129, 1250, -1510,
    100, -1256, 1535, -1256,
    100, -1319, 1535, -1319,
    100, -1383, 1535, -1383,
    100, -1446, 1535, -1446,
    290, -1510, 290, -1637, // dangerous-goods columns and the line below the headings
    405, -1510, 405, -1637,
    100, -1573, 1000, -1573,
    690, -1764, 1535, -1764, // O: day and hour, signature
    690, -1827, 1535, -1827,
    340, -2052, 340, -2272, // P columns and rows
    640, -2018, 640, -2272,
    900, -2018, 900, -2272,
    1250, -2018, 1250, -2272,
    100, -2145, 1950, -2145,
    100, -2208, 1950, -2208,
    1225, -2335, 1950, -2335, // totals
    1225, -2399, 1950, -2399,
    1225, -2462, 1950, -2462,
    1225, -2526, 1950, -2526,
    1225, -2589, 1950, -2589,
    1225, -2653, 1950, -2653,
    1225, -2716, 1950, -2716,
    330, -2560, 330, -2843, // pallet columns and rows
    905, -2560, 905, -2843,
    445, -2526, 445, -2843,
    560, -2526, 560, -2843,
    1012, -2526, 1012, -2843,
    1119, -2526, 1119, -2843,
    100, -2589, 1225, -2589,
    100, -2653, 1225, -2653,
    100, -2716, 1225, -2716,
    100, -2780, 1225, -2780,
    100, -2843, 1950, -2843,
    1812, -303, 1812, -557, // N: vehicle
    1535, -430, 1950, -430,
    1535, -557, 1950, -557,
    1535, -621, 1950, -621,
    1535, -684, 1950, -684,
    1680, -557, 1680, -748,
    1535, -875, 1950, -875, // N: times
    1535, -1002, 1950, -1002,
    1535, -1129, 1950, -1129,
    1535, -1510, 1950, -1510, // N: reservations
    kGroupEnd, kGroupEndSecond,
    kTableEnd,
};

// The 2009 edition's boxes, check boxes and follow-on box. The entry comments
// name the box of the printed form. Boxes keep to the typing lines of the left
// strip: the n-th line ends at 113 + 63.5 (n - 1).
const Forms::BoxRecord kBoxRecords2009[kBoxTableSize2009] = {
    {{120, 113, 900, 300}, kLeft, BoxMeaning::Sender, nullptr, &Settings::NatBoxA}, // 0: A sender
    {{1660, 187, 1930, 239}, kLeft, BoxMeaning::NoteNumber}, // 1: note number (NR.)
    {{1050, 116, 1520, 173}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::NatBoxB1}, // 2: B dispatch place: loading place (Belade-stelle)
    {{945, 179, 1520, 237}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::NatBoxB2}, // 3: B dispatch place: second line
    {{945, 243, 1520, 300}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::NatBoxB3}, // 4: B dispatch place: third line
    {{120, 370, 900, 554}, kLeft, BoxMeaning::Consignee}, // 5: C consignee
    {{300, 560, 900, 681}, kLeft}, // 6: C notify address (Meldeadresse)
    {{1060, 370, 1520, 427}, kLeft, BoxMeaning::DeliveryPlace}, // 7: D destination: unloading place (Entlade-stelle)
    {{945, 433, 1520, 491}, kLeft, BoxMeaning::DeliveryPlace}, // 8: D destination: second line
    {{945, 497, 1520, 554}, kLeft, BoxMeaning::DeliveryPlace}, // 9: D destination: third line
    {{120, 751, 900, 808}, kLeft, BoxMeaning::SpecialAgreements}, // 10: E declarations and agreements, line 1
    {{120, 814, 900, 872}, kLeft, BoxMeaning::SpecialAgreements}, // 11: E declarations and agreements, line 2
    {{120, 878, 900, 935}, kLeft, BoxMeaning::SpecialAgreements}, // 12: E declarations and agreements, line 3
    {{120, 941, 900, 999}, kLeft, BoxMeaning::SpecialAgreements}, // 13: E declarations and agreements, line 4
    {{945, 624, 1520, 681}, kLeft, BoxMeaning::FurtherLoadingPlace}, // 14: F further loading places, line 1
    {{945, 687, 1520, 745}, kLeft, BoxMeaning::FurtherLoadingPlace}, // 15: F further loading places, line 2
    {{945, 814, 1520, 872}, kLeft, BoxMeaning::FurtherUnloadingPlace}, // 16: G further unloading places, line 1
    {{945, 878, 1520, 935}, kLeft, BoxMeaning::FurtherUnloadingPlace}, // 17: G further unloading places, line 2
    {{1150, 941, 1520, 999}, kLeft}, // 18: change of vehicle in (KFZ-Wechsel in), line 1
    {{945, 1005, 1520, 1062}, kLeft}, // 19: change of vehicle in, line 2
    {{110, 1195, 410, 1253}, kLeft, BoxMeaning::GoodsPackagesAndPacking}, // 20: H goods row 1: number, kind and packing
    {{430, 1195, 650, 1253}, kLeft, BoxMeaning::GoodsMarks}, // 21: H goods row 1: marks and numbers
    {{670, 1195, 1240, 1253}, kLeft, BoxMeaning::GoodsDescription}, // 22: H goods row 1: description and contents
    {{1260, 1195, 1525, 1253}, kRight, BoxMeaning::GoodsWeightOrVolume}, // 23: H goods row 1: gross weight or volume
    {{110, 1259, 410, 1316}, kLeft, BoxMeaning::GoodsPackagesAndPacking}, // 24: H goods row 2: number, kind and packing
    {{430, 1259, 650, 1316}, kLeft, BoxMeaning::GoodsMarks}, // 25: H goods row 2: marks and numbers
    {{670, 1259, 1240, 1316}, kLeft, BoxMeaning::GoodsDescription}, // 26: H goods row 2: description and contents
    {{1260, 1259, 1525, 1316}, kRight, BoxMeaning::GoodsWeightOrVolume}, // 27: H goods row 2: gross weight or volume
    {{110, 1322, 410, 1380}, kLeft, BoxMeaning::GoodsPackagesAndPacking}, // 28: H goods row 3: number, kind and packing
    {{430, 1322, 650, 1380}, kLeft, BoxMeaning::GoodsMarks}, // 29: H goods row 3: marks and numbers
    {{670, 1322, 1240, 1380}, kLeft, BoxMeaning::GoodsDescription}, // 30: H goods row 3: description and contents
    {{1260, 1322, 1525, 1380}, kRight, BoxMeaning::GoodsWeightOrVolume}, // 31: H goods row 3: gross weight or volume
    {{110, 1386, 410, 1443}, kLeft, BoxMeaning::GoodsPackagesAndPacking}, // 32: H goods row 4: number, kind and packing
    {{430, 1386, 650, 1443}, kLeft, BoxMeaning::GoodsMarks}, // 33: H goods row 4: marks and numbers
    {{670, 1386, 1240, 1443}, kLeft, BoxMeaning::GoodsDescription}, // 34: H goods row 4: description and contents
    {{1260, 1386, 1525, 1443}, kRight, BoxMeaning::GoodsWeightOrVolume}, // 35: H goods row 4: gross weight or volume
    {{110, 1449, 410, 1507}, kLeft, BoxMeaning::GoodsPackagesAndPacking}, // 36: H goods row 5: number, kind and packing
    {{430, 1449, 650, 1507}, kLeft, BoxMeaning::GoodsMarks}, // 37: H goods row 5: marks and numbers
    {{670, 1449, 1240, 1507}, kLeft, BoxMeaning::GoodsDescription}, // 38: H goods row 5: description and contents
    {{1260, 1449, 1525, 1507}, kRight, BoxMeaning::GoodsWeightOrVolume}, // 39: H goods row 5: gross weight or volume
    {{160, 1576, 280, 1634}, kLeft, BoxMeaning::DangerousUnNumber}, // 40: dangerous goods: UN number
    {{300, 1576, 395, 1634}, kLeft, BoxMeaning::DangerousName}, // 41: dangerous goods: name (Ben.)
    {{415, 1576, 610, 1634}, kLeft, BoxMeaning::DangerousLabel}, // 42: dangerous goods: label model number
    {{630, 1576, 750, 1634}, kLeft, BoxMeaning::DangerousPackingGroup}, // 43: dangerous goods: packing group
    {{772, 1576, 990, 1634}, kLeft, BoxMeaning::DangerousTunnelCode}, // 44: dangerous goods: tunnel restriction code
    {{310, 1640, 1525, 1697}, kLeft, BoxMeaning::PaymentInstructions}, // 45: I free-delivery note (Freivermerk)
    {{1010, 1576, 1525, 1634}, kLeft, BoxMeaning::CashOnDelivery}, // 46: K cash on delivery (Nachnahmebetrag)
    {{1545, 1767, 1940, 2012}, kLeft}, // 47: special provisions (Sondervorschriften)
    {{120, 1760, 680, 1950}, kLeft, BoxMeaning::PlaceAndDateOfIssue, nullptr, nullptr, BoxFill::PlaceAndDate}, // 48: L place and date of issue
    {{120, 2338, 1215, 2459}, kLeft}, // 49: M receipt of the consignment
    {{760, 1767, 950, 1824}, kLeft, BoxMeaning::TakingOverDate}, // 50: O taken over: day
    {{1060, 1767, 1250, 1824}, kLeft, BoxMeaning::TakingOverTime}, // 51: O taken over: hour
    {{700, 1830, 1525, 1951}, kLeft}, // 52: O taken over: carrier's signature area
    {{1545, 370, 1802, 427}, kLeft, BoxMeaning::VehiclePlate}, // 53: N lorry registration (Amtl. Kennz. LKW)
    {{1822, 370, 1940, 427}, kRight}, // 54: N lorry payload
    {{1545, 497, 1802, 554}, kLeft, BoxMeaning::TrailerPlate}, // 55: N trailer
    {{1822, 497, 1940, 554}, kRight}, // 56: N trailer payload
    {{1688, 560, 1940, 618}, kLeft}, // 57: N driver (Fahrzeugführer)
    {{1688, 624, 1940, 681}, kLeft}, // 58: N co-driver (Begleiter)
    {{1688, 687, 1940, 742}, kLeft}, // 59: N distance in km
    {{1597, 814, 1717, 872}, kLeft}, // 60: N vehicle provided for loading: day
    {{1818, 814, 1940, 872}, kLeft}, // 61: N vehicle provided for loading: hour
    {{1597, 941, 1717, 999}, kLeft}, // 62: N loading finished: day
    {{1818, 941, 1940, 999}, kLeft}, // 63: N loading finished: hour
    {{1597, 1068, 1717, 1126}, kLeft}, // 64: N vehicle provided for unloading: day
    {{1818, 1068, 1940, 1126}, kLeft}, // 65: N vehicle provided for unloading: hour
    {{1597, 1195, 1717, 1250}, kLeft}, // 66: N unloading finished: day
    {{1818, 1195, 1940, 1250}, kLeft}, // 67: N unloading finished: hour
    {{1545, 1386, 1940, 1507}, kLeft}, // 68: N carrier's reservations: short reason
    {{1545, 1576, 1940, 1694}, kLeft}, // 69: N carrier's reservations: place, date, signature
    {{110, 2084, 330, 2142}, kLeft}, // 70: P freight row 1: chargeable weight
    {{350, 2084, 630, 2142}, kLeft}, // 71: P freight row 1: description
    {{650, 2084, 890, 2142}, kRight}, // 72: P freight row 1: agreed freight
    {{910, 2084, 1240, 2142}, kLeft}, // 73: P freight row 1: additional agreements
    {{1260, 2084, 1525, 2142}, kRight}, // 74: P freight row 1: amount
    {{1545, 2087, 1940, 2142}, kRight, BoxMeaning::FreightSum}, // 75: P freight row 1: sum
    {{110, 2148, 330, 2205}, kLeft}, // 76: P freight row 2: chargeable weight
    {{350, 2148, 630, 2205}, kLeft}, // 77: P freight row 2: description
    {{650, 2148, 890, 2205}, kRight}, // 78: P freight row 2: agreed freight
    {{910, 2148, 1240, 2205}, kLeft}, // 79: P freight row 2: additional agreements
    {{1260, 2148, 1525, 2205}, kRight}, // 80: P freight row 2: amount
    {{1545, 2148, 1940, 2205}, kRight, BoxMeaning::FreightSum}, // 81: P freight row 2: sum
    {{110, 2211, 330, 2269}, kLeft}, // 82: P freight row 3: chargeable weight
    {{350, 2211, 630, 2269}, kLeft}, // 83: P freight row 3: description
    {{650, 2211, 890, 2269}, kRight}, // 84: P freight row 3: agreed freight
    {{910, 2211, 1240, 2269}, kLeft}, // 85: P freight row 3: additional agreements
    {{1260, 2211, 1525, 2269}, kRight}, // 86: P freight row 3: amount
    {{1545, 2211, 1940, 2269}, kRight, BoxMeaning::FreightSum}, // 87: P freight row 3: sum
    {{1545, 2275, 1940, 2332}, kRight, BoxMeaning::Subtotal}, // 88: sub-total (Zwischensumme)
    {{1235, 2402, 1525, 2459}, kLeft}, // 89: additional services 1: text
    {{1545, 2402, 1940, 2459}, kRight, BoxMeaning::ServiceAmount}, // 90: additional services 1: amount
    {{1235, 2465, 1525, 2523}, kLeft}, // 91: additional services 2: text
    {{1545, 2465, 1940, 2523}, kRight, BoxMeaning::ServiceAmount}, // 92: additional services 2: amount
    {{1235, 2529, 1525, 2586}, kLeft}, // 93: additional services 3: text
    {{1545, 2529, 1940, 2586}, kRight, BoxMeaning::ServiceAmount}, // 94: additional services 3: amount
    {{1545, 2592, 1940, 2650}, kRight, BoxMeaning::NetAmount}, // 95: net amount (Nettobetrag)
    {{1257, 2656, 1315, 2713}, kLeft}, // 96: tax rate (+ .. % Umsatzsteuer)
    {{1545, 2656, 1940, 2713}, kRight, BoxMeaning::TaxAmount}, // 97: tax amount
    {{1545, 2719, 1940, 2774}, kRight, BoxMeaning::TotalAmount}, // 98: total (Beförderungsentgelt, Gesamtsumme)
    {{340, 2592, 435, 2650}, kRight}, // 99: pallets of the sender, Euro pallets: number
    {{455, 2592, 550, 2650}, kCentred}, // 100: pallets of the sender, Euro pallets: no exchange
    {{570, 2592, 665, 2650}, kCentred}, // 101: pallets of the sender, Euro pallets: exchange
    {{340, 2656, 435, 2713}, kRight}, // 102: pallets of the sender, grid box pallets: number
    {{455, 2656, 550, 2713}, kCentred}, // 103: pallets of the sender, grid box pallets: no exchange
    {{570, 2656, 665, 2713}, kCentred}, // 104: pallets of the sender, grid box pallets: exchange
    {{110, 2719, 320, 2777}, kLeft}, // 105: pallets of the sender, free row 1: kind
    {{340, 2719, 435, 2777}, kRight}, // 106: pallets of the sender, free row 1: number
    {{455, 2719, 550, 2777}, kCentred}, // 107: pallets of the sender, free row 1: no exchange
    {{570, 2719, 665, 2777}, kCentred}, // 108: pallets of the sender, free row 1: exchange
    {{110, 2783, 320, 2840}, kLeft}, // 109: pallets of the sender, free row 2: kind
    {{340, 2783, 435, 2840}, kRight}, // 110: pallets of the sender, free row 2: number
    {{455, 2783, 550, 2840}, kCentred}, // 111: pallets of the sender, free row 2: no exchange
    {{570, 2783, 665, 2840}, kCentred}, // 112: pallets of the sender, free row 2: exchange
    {{915, 2592, 1002, 2650}, kRight}, // 113: pallets of the consignee, Euro pallets: number
    {{1022, 2592, 1109, 2650}, kCentred}, // 114: pallets of the consignee, Euro pallets: no exchange
    {{1129, 2592, 1215, 2650}, kCentred}, // 115: pallets of the consignee, Euro pallets: exchange
    {{915, 2656, 1002, 2713}, kRight}, // 116: pallets of the consignee, grid box pallets: number
    {{1022, 2656, 1109, 2713}, kCentred}, // 117: pallets of the consignee, grid box pallets: no exchange
    {{1129, 2656, 1215, 2713}, kCentred}, // 118: pallets of the consignee, grid box pallets: exchange
    {{685, 2719, 895, 2777}, kLeft}, // 119: pallets of the consignee, free row 1: kind
    {{915, 2719, 1002, 2777}, kRight}, // 120: pallets of the consignee, free row 1: number
    {{1022, 2719, 1109, 2777}, kCentred}, // 121: pallets of the consignee, free row 1: no exchange
    {{1129, 2719, 1215, 2777}, kCentred}, // 122: pallets of the consignee, free row 1: exchange
    {{685, 2783, 895, 2840}, kLeft}, // 123: pallets of the consignee, free row 2: kind
    {{915, 2783, 1002, 2840}, kRight}, // 124: pallets of the consignee, free row 2: number
    {{1022, 2783, 1109, 2840}, kCentred}, // 125: pallets of the consignee, free row 2: no exchange
    {{1129, 2783, 1215, 2840}, kCentred}, // 126: pallets of the consignee, free row 2: exchange
    {{635, 1008, 685, 1058}, kLeft, BoxMeaning::OpenVehicleYes}, // 127: check box "ja" (open vehicle)
    {{735, 1008, 785, 1058}, kLeft, BoxMeaning::OpenVehicleNo}, // 128: check box "nein"
    {{100, 250, 1870, 1100}}, // 129: the follow-on page's box
};

const CaptionRecord kCaptionRecords[] = {
    // letters of the groups, bold, left and bottom at the point
    {1550, -100, kLetters, "FRACHTBRIEF"},
    {1550, -235, kLetters, "NR."},
    {110, -107, kLetters, "A"},
    {945, -107, kLetters, "B"},
    {110, -361, kLetters, "C"},
    {945, -361, kLetters, "D"},
    {110, -742, kLetters, "E"},
    {945, -615, kLetters, "F"},
    {945, -805, kLetters, "G"},
    {110, -1123, kLetters, "H"},
    {110, -1674, kLetters, "I"},
    {1010, -1567, kLetters, "K"},
    {110, -1758, kLetters, "L"},
    {110, -2329, kLetters, "M"},
    {1543, -361, kLetters, "N"},
    {700, -1758, kLetters, "O"},
    {110, -2048, kLetters, "P"},
    // line numbers of the left strip, right and bottom at the point
    {65, -100, kLineNumbers, "1"},
    {65, -163, kLineNumbers, "2"},
    {65, -227, kLineNumbers, "3"},
    {65, -290, kLineNumbers, "4"},
    {65, -354, kLineNumbers, "5"},
    {65, -417, kLineNumbers, "6"},
    {65, -481, kLineNumbers, "7"},
    {65, -544, kLineNumbers, "8"},
    {65, -608, kLineNumbers, "9"},
    {65, -671, kLineNumbers, "10"},
    {65, -735, kLineNumbers, "11"},
    {65, -798, kLineNumbers, "12"},
    {65, -862, kLineNumbers, "13"},
    {65, -925, kLineNumbers, "14"},
    {65, -989, kLineNumbers, "15"},
    {65, -1052, kLineNumbers, "16"},
    {65, -1116, kLineNumbers, "17"},
    {65, -1179, kLineNumbers, "18"},
    {65, -1243, kLineNumbers, "19"},
    {65, -1306, kLineNumbers, "20"},
    {65, -1370, kLineNumbers, "21"},
    {65, -1433, kLineNumbers, "22"},
    {65, -1497, kLineNumbers, "23"},
    {65, -1560, kLineNumbers, "24"},
    {65, -1624, kLineNumbers, "25"},
    {65, -1687, kLineNumbers, "26"},
    {65, -1751, kLineNumbers, "27"},
    {65, -1814, kLineNumbers, "28"},
    {65, -1878, kLineNumbers, "29"},
    {65, -1941, kLineNumbers, "30"},
    {65, -2005, kLineNumbers, "31"},
    {65, -2068, kLineNumbers, "32"},
    {65, -2132, kLineNumbers, "33"},
    {65, -2195, kLineNumbers, "34"},
    {65, -2259, kLineNumbers, "35"},
    {65, -2322, kLineNumbers, "36"},
    {65, -2386, kLineNumbers, "37"},
    {65, -2449, kLineNumbers, "38"},
    {65, -2513, kLineNumbers, "39"},
    {65, -2576, kLineNumbers, "40"},
    {65, -2640, kLineNumbers, "41"},
    {65, -2703, kLineNumbers, "42"},
    {65, -2767, kLineNumbers, "43"},
    {65, -2830, kLineNumbers, "44"},
    {65, -2894, kLineNumbers, "45"},
    // group captions
    {150, -2048, kHeadings, "Frachtberechnung"},
    {1550, -140, kHeadings, "für den gewerblichen"},
    {1550, -172, kHeadings, "Güterfernverkehr"},
    {150, -107, kHeadings, "Absender"},
    {985, -107, kHeadings, "Versandort"},
    {150, -361, kHeadings, "Empfänger"},
    {985, -361, kHeadings, "Bestimmungsort"},
    {150, -742, kHeadings, "Erklärungen, Vereinbarungen"},
    {985, -615, kHeadings, "Weitere Beladestellen"},
    {985, -805, kHeadings, "Weitere Entladestellen"},
    {150, -1123, kHeadings, "Bezeichnung der Sendung"},
    {150, -1674, kHeadings, "Freivermerk"},
    {1050, -1567, kHeadings, "Nachnahmebetrag"},
    {150, -1758, kHeadings, "Ort und Tag der Ausstellung"},
    {150, -2329, kHeadings, "Empfang der Sendung bescheinigt"},
    {740, -1758, kHeadings, "Gut und Frachtbrief übernommen"},
    // box captions
    {120, -594, kBoxCaptions, "Meldeadresse"},
    {945, -143, kBoxCaptions, "Belade-"},
    {945, -172, kBoxCaptions, "stelle"},
    {945, -397, kBoxCaptions, "Entlade-"},
    {945, -426, kBoxCaptions, "stelle"},
    {945, -975, kBoxCaptions, "KFZ-Wechsel in"},
    {180, -1056, kBoxCaptions, "Beförderung mit offenem Fahrzeug"},
    {695, -1056, kBoxCaptions, "ja"},
    {795, -1056, kBoxCaptions, "nein"},
    {110, -1159, kBoxCaptions, "Anzahl, Art,"},
    {110, -1188, kBoxCaptions, "Verpackung"},
    {430, -1159, kBoxCaptions, "Zeichen"},
    {430, -1188, kBoxCaptions, "Nr."},
    {670, -1159, kBoxCaptions, "Bezeichnung des Gutes"},
    {670, -1188, kBoxCaptions, "Inhalt"},
    {1260, -1159, kBoxCaptions, "Brutogewicht kg/"},
    {1260, -1188, kBoxCaptions, "Volumen m³"},
    {1545, -1758, kBoxCaptions, "Sondervorschriften"},
    {700, -1801, kBoxCaptions, "Tag"},
    {965, -1801, kBoxCaptions, "Stunde"},
    {120, -2010, kBoxCaptions, "Unterschrift des Absenders"},
    {120, -2518, kBoxCaptions, "Unterschrift des Empfängers"},
    {700, -2010, kBoxCaptions, "Anschrift und Unterschrift des Frachtführers"},
    {1545, -1290, kBoxCaptions, "Vorbehalte bei Übernahme"},
    {1545, -1317, kBoxCaptions, "durch den Frachtführer"},
    {1545, -1377, kBoxCaptions, "kurze Begründung"},
    {1545, -1567, kBoxCaptions, "Ort/Datum/Unterschrift"},
    {1572, -361, kBoxCaptions, "Amtl. Kennz. LKW"},
    {1822, -361, kBoxCaptions, "Nutzlast"},
    {1545, -488, kBoxCaptions, "Anhänger"},
    {1822, -488, kBoxCaptions, "Nutzlast"},
    {1545, -587, kBoxCaptions, "Fahrzeug-"},
    {1545, -617, kBoxCaptions, "Führer"},
    {1545, -658, kBoxCaptions, "Begleiter"},
    {1545, -714, kBoxCaptions, "Entfer-"},
    {1545, -744, kBoxCaptions, "nung km"},
    {1542, -805, kBoxCaptions, "Beladung Fahrzg. bereitgestellt"},
    {1545, -848, kBoxCaptions, "Tag"},
    {1724, -848, kBoxCaptions, "Stunde"},
    {1542, -932, kBoxCaptions, "Beladung beendet"},
    {1545, -975, kBoxCaptions, "Tag"},
    {1724, -975, kBoxCaptions, "Stunde"},
    {1542, -1059, kBoxCaptions, "Entladung Fahrzg. bereitgestellt"},
    {1545, -1102, kBoxCaptions, "Tag"},
    {1724, -1102, kBoxCaptions, "Stunde"},
    {1542, -1186, kBoxCaptions, "Entladung beendet"},
    {1545, -1229, kBoxCaptions, "Tag"},
    {1724, -1229, kBoxCaptions, "Stunde"},
    {110, -2077, kBoxCaptions, "frachtpfl. Gew. kg"},
    {350, -2077, kBoxCaptions, "Bezeichnung"},
    {650, -2048, kBoxCaptions, "vereinbarte Fracht"},
    {650, -2077, kBoxCaptions, "Betrag"},
    {910, -2048, kBoxCaptions, "zusätzliche"},
    {910, -2077, kBoxCaptions, "Vereinbarungen"},
    {1260, -2077, kBoxCaptions, "Betrag"},
    {1545, -2077, kBoxCaptions, "Summe"},
    {1235, -2309, kBoxCaptions, "Zwischensumme"},
    {1235, -2391, kBoxCaptions, "Nebenleistungen"},
    {1235, -2626, kBoxCaptions, "Nettobetrag"},
    {1235, -2690, kBoxCaptions, "+"},
    {1321, -2690, kBoxCaptions, "% Umsatzsteuer"},
    {1235, -2746, kBoxCaptions, "Beförderungs-"},
    {1235, -2776, kBoxCaptions, "entgelt, Gesamtsumme"},
    {110, -2556, kBoxCaptions, "Paletten - Absender -"},
    {685, -2556, kBoxCaptions, "Paletten - Empfänger -"},
    {110, -2585, kBoxCaptions, "Art"},
    {110, -2626, kBoxCaptions, "Euro-Palette"},
    {110, -2690, kBoxCaptions, "Gitterbox-Palette"},
    {340, -2585, kBoxCaptions, "Anzahl"},
    {455, -2556, kBoxCaptions, "Kein"},
    {455, -2585, kBoxCaptions, "Tausch"},
    {570, -2585, kBoxCaptions, "Tausch"},
    {685, -2585, kBoxCaptions, "Art"},
    {685, -2626, kBoxCaptions, "Euro-Palette"},
    {685, -2690, kBoxCaptions, "Gitterbox-Palette"},
    {915, -2585, kBoxCaptions, "Anzahl"},
    {1022, -2556, kBoxCaptions, "Kein"},
    {1022, -2585, kBoxCaptions, "Tausch"},
    {1129, -2585, kBoxCaptions, "Tausch"},
    {685, -2899, kBoxCaptions, "Bestätigung des Empfängers/Datum/Unterschrift"},
    {110, -2899, kBoxCaptions, "Bestätigung des Fahrers/Datum/Unterschrift"},
    {110, -1567, kBoxCaptions, "UN-Nummer"},
    {110, -1610, kBoxCaptions, "UN"},
    {300, -1540, kBoxCaptions, "Ben."},
    {300, -1569, kBoxCaptions, "s. oben"},
    // 2007 edition only: dangerous-goods headings
    {413, -1567, kOnly2007, "Gefahrenzettelmuster-Nr."},
    {820, -1567, kOnly2007, "Verp.-Gruppe"},
    // 2009 edition only: dangerous-goods headings
    {413, -1540, kOnly2009, "Gefahrenzettel-"},
    {413, -1569, kOnly2009, "muster-Nr."},
    {630, -1540, kOnly2009, "Verp.-"},
    {630, -1569, kOnly2009, "Gruppe"},
    {767, -1540, kOnly2009, "Tunnelbeschränk-"},
    {767, -1569, kOnly2009, "ungscode"},
    // edition line with the publisher
    {10, -2950, kEditionLine, nullptr},
};

// clang-format on

const int kCaptionRecordCount = int(std::size(kCaptionRecords));

int PenWidth(LineGroup group)
{
    switch (group) {
    case LineGroup::MainDivision:
        return 2;
    case LineGroup::Heavy:
        return 6;
    case LineGroup::Only2007:
    case LineGroup::Only2009:
    case LineGroup::Fine:
        return 1;
    }
    return 1;
}

namespace {

// The boxes of an edition numbered as in the 2009 edition: the 2007 edition's
// label model number and packing group take the room of the tunnel
// restriction code, which InEdition then drops.
QVector<BoxRecord> RecordsIn2009Numbering(NationalEdition edition)
{
    QVector<BoxRecord> records(std::begin(kBoxRecords2009), std::end(kBoxRecords2009));
    if (edition == NationalEdition::Edition2007) {
        records[kLabelModelBox].rect = kDangerousGoods2007[0];
        records[kPackingGroupBox].rect = kDangerousGoods2007[1];
    }
    return records;
}

// A table in the 2009 numbering as the edition has it: in the 2007 edition
// every entry after the tunnel restriction code one index lower.
template <typename Entry> QVector<Entry> InEdition(QVector<Entry> table, NationalEdition edition)
{
    if (edition == NationalEdition::Edition2007)
        table.remove(kTunnelCodeBox);
    return table;
}

// An edition's boxes, check boxes and follow-on box.
QVector<BoxRecord> BoxRecords(NationalEdition edition)
{
    return InEdition(RecordsIn2009Numbering(edition), edition);
}

// An edition's publishers' sheets: K for publishers 0 and 1, L for every other.
QVector<PublisherGroup> Sheets(NationalEdition edition)
{
    using FormTables::SheetTable;
    // A sheet holds the boxes and check boxes; the follow-on box lies alike on
    // every sheet.
    const QVector<BoxRecord> boxes = RecordsIn2009Numbering(edition);
    const QVector<BoxRect> screen = Rects(boxes.constData(), kBoxCount2009 + kCheckBoxCount);
    // Sheet K (publishers 0 and 1) has the columns of the screen, but the rows
    // of its sheet lie lower or higher by region: its open-vehicle question
    // has a line of its own below E, and its goods table more room above it.
    const QVector<BoxRect> sheetK =
        SheetTable(screen,
                   {{0, 0, 0, -10},    // A
                    {1, 1, 0, 20},     // note number
                    {2, 4, 0, -10},    // B
                    {5, 9, 0, 20},     // C, notify address, D
                    {10, 19, 0, 60},   // E, F, G, change of vehicle
                    {20, 39, 0, 110},  // H
                    {40, 52, 0, 90},   // dangerous goods, I, K, special provisions, L, M, O
                    {53, 67, 0, 60},   // N: vehicle and times
                    {68, 126, 0, 90}}, // N: reservations, P, totals, pallets
                   {{127, {630, 1145, 680, 1195}}, {128, {735, 1145, 785, 1195}}});
    // Sheet L (every other publisher) is the screen's but for the check boxes.
    const QVector<BoxRect> sheetL =
        SheetTable(screen, {}, {{127, {630, 1020, 670, 1060}}, {128, {730, 1020, 770, 1060}}});
    // The corner mark at the sheet's upper left, and a tick further down.
    return {{{0, 1},
             InEdition(sheetK, edition),
             {{{100, 75}, {100, 45}, {130, 45}}, {{100, 2130}, {100, 2100}}}},
            {{},
             InEdition(sheetL, edition),
             {{{120, 63}, {100, 63}, {100, 83}}, {{100, 1800}, {100, 1820}}}}};
}

// Arrow-key moves of the 2009 edition: to the same cell of the next or previous
// row of a table.
constexpr Forms::ArrowMove kArrowMoves2009[] = {
    {true, 20, 35, 4},     // goods rows 1 to 4
    {true, 70, 81, 6},     // freight rows 1 and 2
    {true, 87, 87, 1},     // sum of freight row 3 to the sub-total
    {true, 88, 92, 2},     // sub-total and additional services
    {true, 94, 94, 1},     // last service amount to the net amount
    {true, 95, 95, 2},     // net amount to the tax amount
    {true, 97, 97, 1},     // tax amount to the total
    {true, 99, 101, 3},    // Euro pallets of the sender
    {true, 113, 115, 3},   // ... of the consignee
    {true, 102, 108, 4},   // grid box and first free row of the sender
    {true, 116, 122, 4},   // ... of the consignee
    {false, 24, 39, -4},   // goods rows 2 to 5
    {false, 76, 87, -6},   // freight rows 2 and 3
    {false, 88, 88, -1},   // sub-total to the sum of freight row 3
    {false, 90, 90, -2},   // first service amount to the sub-total
    {false, 91, 94, -2},   // additional services
    {false, 95, 95, -1},   // net amount to the last service amount
    {false, 97, 97, -2},   // tax amount to the net amount
    {false, 98, 98, -1},   // total to the tax amount
    {false, 102, 104, -3}, // grid box pallets of the sender
    {false, 116, 118, -3}, // ... of the consignee
    {false, 106, 112, -4}, // free rows of the sender
    {false, 120, 126, -4}, // ... of the consignee
};

// The same moves join the same boxes of the 2007 edition, whose boxes after the
// tunnel restriction code have an index one lower.
QVector<ArrowMove> ArrowMoves(NationalEdition edition)
{
    QVector<Forms::ArrowMove> moves(std::begin(kArrowMoves2009), std::end(kArrowMoves2009));
    if (edition == NationalEdition::Edition2009)
        return moves;
    for (Forms::ArrowMove& move : moves) {
        if (move.from > kTunnelCodeBox) {
            --move.from;
            --move.to;
        }
    }
    return moves;
}

FormDescription MakeDescription(NationalEdition edition)
{
    const bool is2009 = edition == NationalEdition::Edition2009;
    // The 2007 edition's boxes live as long as the program.
    static const QVector<BoxRecord> boxes2007 = BoxRecords(NationalEdition::Edition2007);

    FormDescription d;
    d.type = FormType::National;
    d.sheetWidth = kSheetWidth;
    d.sheetHeight = kSheetHeight;
    d.pageCount = 1;
    d.boxes = is2009 ? kBoxRecords2009 : boxes2007.constData();
    d.boxCount = is2009 ? kBoxCount2009 : kBoxCount2007;
    d.checkBoxCount = kCheckBoxCount;

    PageDrawing page;
    page.lines = kLines;
    for (int g = 0; g < kLineGroupCount; ++g) {
        const LineGroup group = LineGroup(g);
        LineStyle style{PenWidth(group)};
        style.drawn =
            (group != LineGroup::Only2007 || !is2009) && (group != LineGroup::Only2009 || is2009);
        page.lineStyles.append(style);
    }
    page.captions = kCaptionRecords;
    page.captionCount = kCaptionRecordCount;
    const CaptionFont caption = kCaptionFont;
    page.captionGroups = {{kBoldCaptionFont, Anchor::LeftBottom}, // letters, title
                          {caption, Anchor::RightBottom},         // line numbers
                          {caption},                              // group captions
                          {caption},                              // box captions
                          {caption, Anchor::LeftBottom, CaptionSource::Table, !is2009}, // 2007 only
                          {caption, Anchor::LeftBottom, CaptionSource::Table, is2009},  // 2009 only
                          {caption, Anchor::LeftBottom, CaptionSource::EditionLine}};
    d.pages = {page};
    d.editionText = QString::fromLatin1(is2009 ? kEditionText2009 : kEditionText2007);

    d.publisherGroups = Sheets(edition);
    d.margins = {{Settings::LeftMargin, Settings::TopMargin}};

    d.addressBoxes = {0, 5};
    d.arrowMoves = ArrowMoves(edition);
    d.contextMenuId = 119;
    return d;
}

} // namespace

NationalEdition EditionOf(const Forms::FormDescription& form)
{
    return form.boxCount == kBoxCount2007 ? NationalEdition::Edition2007
                                          : NationalEdition::Edition2009;
}

const Forms::FormDescription& Description(NationalEdition edition)
{
    static const Forms::FormDescription edition2009 = MakeDescription(NationalEdition::Edition2009);
    static const Forms::FormDescription edition2007 = MakeDescription(NationalEdition::Edition2007);
    return edition == NationalEdition::Edition2009 ? edition2009 : edition2007;
}

} // namespace NationalLayout

NationalEdition GetNationalEdition(const CSettingsStore& settings)
{
    const int version =
        settings.Get(GetFormTypeInfo(FormType::National).section, Settings::NatVersion);
    return version == 2009 ? NationalEdition::Edition2009 : NationalEdition::Edition2007;
}
