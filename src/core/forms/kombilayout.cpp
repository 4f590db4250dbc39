#include "core/forms/kombilayout.h"

#include "core/settings/settingkeys.h"

#include <iterator>

namespace KombiLayout {

using FormTables::kGroupEnd;
using FormTables::kGroupEndSecond;
using FormTables::kTableEnd;

using namespace Forms;

namespace {

constexpr int kBold = int(CaptionGroup::Bold);
constexpr int kNormal = int(CaptionGroup::Normal);
constexpr int kSmall = int(CaptionGroup::Small);
constexpr int kEditionLine = int(CaptionGroup::EditionLine);

} // namespace

// clang-format off

const qint32 kLines[] = {
    // frame and box lines (2-unit pen)
    100, -50, 2000, -50, // frame
    100, -50, 100, -2795,
    100, -2795, 2000, -2795,
    2000, -50, 2000, -2795,
    950, -50, 950, -860, // sender, consignee and destination | title, dispatch place, declarations
    100, -330, 950, -330,
    100, -610, 950, -610,
    130, -700, 940, -700, // destination: writing lines
    130, -745, 940, -745,
    130, -800, 940, -800,
    130, -845, 940, -845,
    1490, -245, 1990, -245, // under the note number
    950, -260, 2000, -260,
    975, -345, 1990, -345, // dispatch place: writing lines
    975, -390, 1990, -390,
    975, -445, 1990, -445,
    950, -500, 2000, -500,
    950, -625, 2000, -625,
    950, -715, 2000, -715,
    100, -860, 2000, -860,
    1310, -860, 1310, -1040, // sender's instructions | payment instructions
    1310, -960, 2000, -960,
    100, -1040, 2000, -1040,
    100, -1078, 2000, -1078, // goods: under the title
    150, -1078, 150, -1330, // goods: column lines
    1440, -1078, 1440, -1330,
    1720, -1078, 1720, -1330,
    440, -1078, 440, -1130, // goods: columns E to H, heads only
    740, -1078, 740, -1130,
    1000, -1078, 1000, -1130,
    100, -1130, 2000, -1130,
    100, -1170, 2000, -1170, // goods: row lines
    100, -1210, 2000, -1210,
    100, -1250, 2000, -1250,
    100, -1290, 2000, -1290,
    100, -1330, 2000, -1330,
    480, -1330, 480, -1700, // statistics numbers | dangerous goods, vehicle
    100, -1395, 480, -1395, // statistics numbers: row lines
    100, -1445, 480, -1445,
    100, -1495, 480, -1495,
    100, -1545, 480, -1545,
    100, -1595, 480, -1595,
    100, -1645, 480, -1645,
    480, -1392, 2000, -1392,
    800, -1392, 800, -1495, // dangerous goods: columns
    1160, -1392, 1160, -1495,
    1460, -1392, 1460, -1495,
    480, -1495, 2000, -1495,
    850, -1495, 850, -1600, // vehicle: columns
    1000, -1495, 1000, -1600,
    1200, -1495, 1200, -1600,
    1350, -1495, 1350, -1600,
    1570, -1495, 1570, -1600,
    1790, -1495, 1790, -1600,
    480, -1600, 2000, -1600,
    860, -1655, 1410, -1655, // under the permit number
    100, -1700, 1310, -1700,
    828, -1700, 828, -1990, // sender's | consignee's signature
    100, -2040, 1100, -2040, // freight calculation: under the title
    315, -2040, 315, -2215, // freight calculation: columns
    560, -2040, 560, -2215,
    780, -2040, 780, -2215,
    710, -2070, 710, -2215,
    975, -2070, 975, -2215,
    1240, -2040, 1240, -2495,
    100, -2135, 1310, -2135, // freight rows
    100, -2175, 1310, -2175,
    100, -2255, 1310, -2255, // Nebenleistungen
    100, -2295, 1310, -2295,
    100, -2335, 1310, -2335,
    100, -2375, 1310, -2375,
    1100, -2415, 1310, -2415,
    100, -2535, 1310, -2535, // loading and unloading times
    100, -2585, 1310, -2585,
    100, -2635, 1310, -2635,
    100, -2685, 1310, -2685,
    100, -2735, 1310, -2735,
    1310, -2035, 2000, -2035, // sender's pallets
    1310, -2090, 2000, -2090,
    1310, -2130, 2000, -2130,
    1310, -2170, 2000, -2170,
    1310, -2210, 2000, -2210,
    1310, -2250, 2000, -2250,
    1560, -2035, 1560, -2250,
    1750, -2035, 1750, -2250,
    1875, -2035, 1875, -2250,
    1310, -2435, 2000, -2435, // consignee's pallets
    1310, -2490, 2000, -2490,
    1310, -2530, 2000, -2530,
    1310, -2570, 2000, -2570,
    1310, -2610, 2000, -2610,
    1310, -2650, 2000, -2650,
    1560, -2435, 1560, -2650,
    1750, -2435, 1750, -2650,
    1875, -2435, 1875, -2650,
    1310, -2390, 2000, -2390,
    100, -2820, 130, -2820, // ADR square
    130, -2820, 130, -2850,
    100, -2850, 130, -2850,
    100, -2820, 100, -2850,
    1050, -2860, 1080, -2860, // HGB square
    1080, -2860, 1080, -2890,
    1050, -2890, 1080, -2890,
    1050, -2860, 1050, -2890,
    1500, -2815, 1530, -2815, // VBGL / AGL square
    1530, -2815, 1530, -2845,
    1500, -2845, 1530, -2845,
    1500, -2815, 1500, -2845,
    1500, -2895, 1530, -2895, // ADSp square
    1530, -2895, 1530, -2925,
    1500, -2925, 1530, -2925,
    1500, -2895, 1500, -2925,
    kGroupEnd, kGroupEndSecond,
    // the carrier's part and the freight calculation (6-unit pen)
    1310, -1700, 2000, -1700, // carrier's part of the signature row
    1310, -1700, 1310, -1990,
    2000, -1700, 2000, -1990,
    100, -1990, 2000, -1990, // top of the freight calculation and the pallets
    100, -1990, 100, -2495, // freight calculation
    1310, -1990, 1310, -2495,
    100, -2495, 1310, -2495,
    100, -2095, 1310, -2095,
    100, -2215, 1310, -2215,
    1100, -2040, 1310, -2040, // sum column and total
    1100, -2040, 1100, -2495,
    1100, -2455, 1310, -2455,
    kGroupEnd, kGroupEndSecond,
    // writing lines of the places and dates (2-unit grey pen)
    150, -1780, 460, -1780, // place of issue
    503, -1780, 818, -1780, // date of issue
    843, -1792, 1045, -1792, // receipt: place
    1098, -1792, 1300, -1792, // receipt: date
    1375, -1792, 1600, -1792, // taken over: day
    1700, -1792, 1990, -1792, // taken over: hour
    kGroupEnd, kGroupEndSecond,
    kTableEnd,
};

// The boxes, the terms check boxes and the follow-on box. The entry comments
// name the box of the printed form.
const Forms::BoxRecord kBoxRecords[kBoxTableSize] = {
    {{120, 100, 930, 320}, kLeft, BoxMeaning::Sender, nullptr, &Settings::KombiBoxA}, // 0: A sender
    {{120, 380, 930, 600}, kLeft, BoxMeaning::Consignee}, // 1: B consignee
    {{1180, 300, 1980, 345}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::KombiBox2A}, // 2: dispatch place: place
    {{1180, 345, 1980, 390}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::KombiBox2B}, // 3: dispatch place: loading place
    {{1180, 390, 1980, 445}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::KombiBox2C}, // 4: dispatch place: municipal area
    {{1180, 445, 1980, 490}, kLeft, BoxMeaning::TakingOverPlace, nullptr, &Settings::KombiBox2D}, // 5: dispatch place: country
    {{330, 655, 930, 700}, kLeft, BoxMeaning::DeliveryPlace}, // 6: C destination: place
    {{330, 700, 930, 745}, kLeft, BoxMeaning::DeliveryPlace}, // 7: C destination: unloading place
    {{330, 745, 930, 800}, kLeft, BoxMeaning::DeliveryPlace}, // 8: C destination: municipal area
    {{330, 800, 930, 845}, kLeft, BoxMeaning::DeliveryPlace}, // 9: C destination: country
    {{1200, 540, 1980, 580}, kLeft, BoxMeaning::FurtherLoadingPlace}, // 10: further loading places, line 1
    {{1200, 580, 1980, 620}, kLeft, BoxMeaning::FurtherLoadingPlace}, // 11: further loading places, line 2
    {{1200, 630, 1980, 670}, kLeft, BoxMeaning::FurtherUnloadingPlace}, // 12: further unloading places, line 1
    {{1200, 670, 1980, 710}, kLeft, BoxMeaning::FurtherUnloadingPlace}, // 13: further unloading places, line 2
    {{1200, 720, 1980, 760}, kLeft}, // 14: vehicle change, line 1
    {{1200, 760, 1980, 800}, kLeft}, // 15: vehicle change, line 2
    {{1200, 800, 1980, 840}, kLeft}, // 16: vehicle change, line 3
    {{120, 915, 1290, 1030}, kLeft, BoxMeaning::SenderInstructions}, // 17: L sender's instructions
    {{160, 1130, 1430, 1170}, kLeft, BoxMeaning::GoodsDescription}, // 18: goods row 1: E-H description
    {{1450, 1130, 1710, 1170}, kRight, BoxMeaning::GoodsGrossWeight}, // 19: goods row 1: I gross weight
    {{1730, 1130, 1990, 1170}, kRight, BoxMeaning::GoodsVolume}, // 20: goods row 1: K volume
    {{160, 1170, 1430, 1210}, kLeft, BoxMeaning::GoodsDescription}, // 21: goods row 2: E-H description
    {{1450, 1170, 1710, 1210}, kRight, BoxMeaning::GoodsGrossWeight}, // 22: goods row 2: I gross weight
    {{1730, 1170, 1990, 1210}, kRight, BoxMeaning::GoodsVolume}, // 23: goods row 2: K volume
    {{160, 1210, 1430, 1250}, kLeft, BoxMeaning::GoodsDescription}, // 24: goods row 3: E-H description
    {{1450, 1210, 1710, 1250}, kRight, BoxMeaning::GoodsGrossWeight}, // 25: goods row 3: I gross weight
    {{1730, 1210, 1990, 1250}, kRight, BoxMeaning::GoodsVolume}, // 26: goods row 3: K volume
    {{160, 1250, 1430, 1290}, kLeft, BoxMeaning::GoodsDescription}, // 27: goods row 4: E-H description
    {{1450, 1250, 1710, 1290}, kRight, BoxMeaning::GoodsGrossWeight}, // 28: goods row 4: I gross weight
    {{1730, 1250, 1990, 1290}, kRight, BoxMeaning::GoodsVolume}, // 29: goods row 4: K volume
    {{160, 1290, 1430, 1330}, kLeft, BoxMeaning::GoodsDescription}, // 30: goods row 5: E-H description
    {{1450, 1290, 1710, 1330}, kRight, BoxMeaning::GoodsGrossWeight}, // 31: goods row 5: I gross weight
    {{1730, 1290, 1990, 1330}, kRight, BoxMeaning::GoodsVolume}, // 32: goods row 5: K volume
    {{170, 1398, 470, 1443}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 33: SN statistics number 1
    {{170, 1448, 470, 1493}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 34: SN statistics number 2
    {{170, 1498, 470, 1543}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 35: SN statistics number 3
    {{170, 1548, 470, 1593}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 36: SN statistics number 4
    {{170, 1598, 470, 1643}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 37: SN statistics number 5
    {{545, 1445, 790, 1490}, kLeft, BoxMeaning::DangerousUnNumber}, // 38: O dangerous goods: UN number
    {{810, 1445, 1150, 1490}, kLeft, BoxMeaning::DangerousLabel}, // 39: O dangerous goods: label model number
    {{1170, 1445, 1450, 1490}, kLeft, BoxMeaning::DangerousPackingGroup}, // 40: O dangerous goods: packing group
    {{1470, 1445, 1990, 1490}, kLeft, BoxMeaning::DangerousName}, // 41: O dangerous goods: name
    {{1480, 915, 1980, 960}, kLeft, BoxMeaning::PaymentInstructions}, // 42: M Freivermerk
    {{1480, 960, 1980, 1005}, kLeft, BoxMeaning::CashOnDelivery}, // 43: M Nachnahme
    {{160, 1738, 450, 1778}, kLeft, BoxMeaning::PlaceOfIssue, nullptr, nullptr, BoxFill::PlaceIfGiven}, // 44: D place of issue
    {{508, 1738, 818, 1778}, kLeft, BoxMeaning::DateOfIssue, nullptr, nullptr, BoxFill::Date}, // 45: D date of issue
    {{120, 1815, 813, 1930}, kLeft}, // 46: D sender's signature and stamp
    {{848, 1752, 1045, 1790}, kLeft}, // 47: Q receipt: place
    {{1103, 1752, 1300, 1790}, kLeft}, // 48: Q receipt: date
    {{848, 1815, 1300, 1930}, kLeft}, // 49: Q consignee's signature and stamp
    {{1380, 1748, 1600, 1790}, kLeft, BoxMeaning::TakingOverDate}, // 50: R taken over: day
    {{1705, 1748, 1990, 1790}, kLeft, BoxMeaning::TakingOverTime}, // 51: R taken over: hour
    {{1330, 1815, 1990, 1930}, kLeft}, // 52: R carrier's signature and stamp
    {{1500, 195, 1980, 245}, kLeft, BoxMeaning::NoteNumber}, // 53: number of the note
    {{490, 1550, 840, 1595}, kLeft, BoxMeaning::VehiclePlate}, // 54: T lorry registration
    {{860, 1550, 990, 1595}, kRight}, // 55: T lorry payload
    {{1010, 1550, 1190, 1595}, kLeft, BoxMeaning::TrailerPlate}, // 56: T trailer
    {{1210, 1550, 1340, 1595}, kRight}, // 57: T trailer payload
    {{1360, 1550, 1560, 1595}, kLeft}, // 58: T driver
    {{1580, 1550, 1780, 1595}, kLeft}, // 59: T co-driver
    {{1800, 1550, 1990, 1595}, kLeft}, // 60: T distance in km
    {{870, 1610, 1400, 1655}, kLeft}, // 61: permit number
    {{550, 2538, 790, 2583}, kLeft}, // 62: vehicle provided for loading: day
    {{895, 2538, 1300, 2583}, kLeft}, // 63: vehicle provided for loading: hour
    {{550, 2588, 790, 2633}, kLeft}, // 64: loading finished: day
    {{895, 2588, 1300, 2633}, kLeft}, // 65: loading finished: hour
    {{550, 2638, 790, 2683}, kLeft}, // 66: vehicle provided for unloading: day
    {{895, 2638, 1300, 2683}, kLeft}, // 67: vehicle provided for unloading: hour
    {{550, 2688, 790, 2733}, kLeft}, // 68: unloading finished: day
    {{895, 2688, 1300, 2733}, kLeft}, // 69: unloading finished: hour
    {{110, 2095, 305, 2135}, kRight}, // 70: P freight row 1: chargeable weight
    {{325, 2095, 550, 2135}, kLeft}, // 71: P freight row 1: description
    {{570, 2095, 700, 2135}, kRight}, // 72: P freight row 1: agreed freight, euros
    {{715, 2095, 775, 2135}, kLeft}, // 73: P freight row 1: agreed freight, cents
    {{790, 2095, 965, 2135}, kLeft}, // 74: P freight row 1: additional agreements
    {{985, 2095, 1090, 2135}, kRight}, // 75: P freight row 1: amount
    {{1110, 2095, 1230, 2135}, kRight, BoxMeaning::FreightSum}, // 76: P freight row 1: sum, euros
    {{1245, 2095, 1305, 2135}, kLeft, BoxMeaning::Cents}, // 77: P freight row 1: sum, cents
    {{110, 2135, 305, 2175}, kRight}, // 78: P freight row 2: chargeable weight
    {{325, 2135, 550, 2175}, kLeft}, // 79: P freight row 2: description
    {{570, 2135, 700, 2175}, kRight}, // 80: P freight row 2: agreed freight, euros
    {{715, 2135, 775, 2175}, kLeft}, // 81: P freight row 2: agreed freight, cents
    {{790, 2135, 965, 2175}, kLeft}, // 82: P freight row 2: additional agreements
    {{985, 2135, 1090, 2175}, kRight}, // 83: P freight row 2: amount
    {{1110, 2135, 1230, 2175}, kRight, BoxMeaning::FreightSum}, // 84: P freight row 2: sum, euros
    {{1245, 2135, 1305, 2175}, kLeft, BoxMeaning::Cents}, // 85: P freight row 2: sum, cents
    {{110, 2175, 305, 2215}, kRight}, // 86: P freight row 3: chargeable weight
    {{325, 2175, 550, 2215}, kLeft}, // 87: P freight row 3: description
    {{570, 2175, 700, 2215}, kRight}, // 88: P freight row 3: agreed freight, euros
    {{715, 2175, 775, 2215}, kLeft}, // 89: P freight row 3: agreed freight, cents
    {{790, 2175, 965, 2215}, kLeft}, // 90: P freight row 3: additional agreements
    {{985, 2175, 1090, 2215}, kRight}, // 91: P freight row 3: amount
    {{1110, 2175, 1230, 2215}, kRight, BoxMeaning::FreightSum}, // 92: P freight row 3: sum, euros
    {{1245, 2175, 1305, 2215}, kLeft, BoxMeaning::Cents}, // 93: P freight row 3: sum, cents
    {{1110, 2215, 1230, 2255}, kRight, BoxMeaning::Subtotal}, // 94: Zwischensumme, euros
    {{1245, 2215, 1305, 2255}, kLeft, BoxMeaning::Cents}, // 95: Zwischensumme, cents
    {{325, 2255, 1090, 2295}, kLeft}, // 96: Nebenleistungen 1: text
    {{1110, 2255, 1230, 2295}, kRight, BoxMeaning::ServiceAmount}, // 97: Nebenleistungen 1: euros
    {{1245, 2255, 1305, 2295}, kLeft, BoxMeaning::Cents}, // 98: Nebenleistungen 1: cents
    {{325, 2295, 1090, 2335}, kLeft}, // 99: Nebenleistungen 2: text
    {{1110, 2295, 1230, 2335}, kRight, BoxMeaning::ServiceAmount}, // 100: Nebenleistungen 2: euros
    {{1245, 2295, 1305, 2335}, kLeft, BoxMeaning::Cents}, // 101: Nebenleistungen 2: cents
    {{325, 2335, 1090, 2375}, kLeft}, // 102: Nebenleistungen 3: text
    {{1110, 2335, 1230, 2375}, kRight, BoxMeaning::ServiceAmount}, // 103: Nebenleistungen 3: euros
    {{1245, 2335, 1305, 2375}, kLeft, BoxMeaning::Cents}, // 104: Nebenleistungen 3: cents
    {{1110, 2375, 1230, 2415}, kRight, BoxMeaning::NetAmount}, // 105: net amount, euros
    {{1245, 2375, 1305, 2415}, kLeft, BoxMeaning::Cents}, // 106: net amount, cents
    {{852, 2415, 902, 2455}, kLeft}, // 107: value-added tax rate
    {{1110, 2415, 1230, 2455}, kRight, BoxMeaning::TaxAmount}, // 108: value-added tax, euros
    {{1245, 2415, 1305, 2455}, kLeft, BoxMeaning::Cents}, // 109: value-added tax, cents
    {{1110, 2455, 1230, 2495}, kRight, BoxMeaning::TotalAmount}, // 110: total, euros
    {{1245, 2455, 1305, 2495}, kLeft, BoxMeaning::Cents}, // 111: total, cents
    {{1570, 2090, 1740, 2130}, kRight}, // 112: sender's pallets, Euro pallets: number
    {{1760, 2090, 1865, 2130}, kCentred}, // 113: sender's pallets, Euro pallets: no exchange
    {{1885, 2090, 1990, 2130}, kCentred}, // 114: sender's pallets, Euro pallets: exchange
    {{1570, 2130, 1740, 2170}, kRight}, // 115: sender's pallets, grid box pallets: number
    {{1760, 2130, 1865, 2170}, kCentred}, // 116: sender's pallets, grid box pallets: no exchange
    {{1885, 2130, 1990, 2170}, kCentred}, // 117: sender's pallets, grid box pallets: exchange
    {{1570, 2170, 1740, 2210}, kRight}, // 118: sender's pallets, single-use pallets: number
    {{1760, 2170, 1865, 2210}, kCentred}, // 119: sender's pallets, single-use pallets: no exchange
    {{1885, 2170, 1990, 2210}, kCentred}, // 120: sender's pallets, single-use pallets: exchange
    {{1320, 2210, 1550, 2250}, kLeft}, // 121: sender's pallets, free row: kind
    {{1570, 2210, 1740, 2250}, kRight}, // 122: sender's pallets, free row: number
    {{1760, 2210, 1865, 2250}, kCentred}, // 123: sender's pallets, free row: no exchange
    {{1885, 2210, 1990, 2250}, kCentred}, // 124: sender's pallets, free row: exchange
    {{1570, 2490, 1740, 2530}, kRight}, // 125: consignee's pallets, Euro pallets: number
    {{1760, 2490, 1865, 2530}, kCentred}, // 126: consignee's pallets, Euro pallets: no exchange
    {{1885, 2490, 1990, 2530}, kCentred}, // 127: consignee's pallets, Euro pallets: exchange
    {{1570, 2530, 1740, 2570}, kRight}, // 128: consignee's pallets, grid box pallets: number
    {{1760, 2530, 1865, 2570}, kCentred}, // 129: consignee's pallets, grid box pallets: no exchange
    {{1885, 2530, 1990, 2570}, kCentred}, // 130: consignee's pallets, grid box pallets: exchange
    {{1570, 2570, 1740, 2610}, kRight}, // 131: consignee's pallets, single-use pallets: number
    {{1760, 2570, 1865, 2610}, kCentred}, // 132: consignee's pallets, single-use pallets: no exchange
    {{1885, 2570, 1990, 2610}, kCentred}, // 133: consignee's pallets, single-use pallets: exchange
    {{1320, 2610, 1550, 2650}, kLeft}, // 134: consignee's pallets, free row: kind
    {{1570, 2610, 1740, 2650}, kRight}, // 135: consignee's pallets, free row: number
    {{1760, 2610, 1865, 2650}, kCentred}, // 136: consignee's pallets, free row: no exchange
    {{1885, 2610, 1990, 2650}, kCentred}, // 137: consignee's pallets, free row: exchange
    {{100, 2820, 130, 2850}, kLeft, BoxMeaning::TermsAdr}, // 138: ADR check box
    {{1050, 2860, 1080, 2890}, kLeft, BoxMeaning::TermsHgb}, // 139: HGB check box
    {{1500, 2815, 1530, 2845}, kLeft, BoxMeaning::TermsVbglAgl}, // 140: VBGL / AGL check box
    {{1500, 2895, 1530, 2925}, kLeft, BoxMeaning::TermsAdsp}, // 141: ADSp check box
    {{100, 250, 1870, 1100}}, // 142: follow-on page
};

const CaptionRecord kCaptionRecords[] = {
    // bold: title, box letters, goods row numbers
    {990, -105, kBold, "FRACHTBRIEF"},
    {990, -145, kBold, "national* / international*"},
    {1440, -238, kBold, "Nr."},
    {108, -85, kBold, "A"},
    {108, -365, kBold, "B"},
    {108, -645, kBold, "C"},
    {108, -1733, kBold, "D"},
    {156, -1107, kBold, "E"},
    {446, -1107, kBold, "F"},
    {746, -1107, kBold, "G"},
    {1006, -1107, kBold, "H"},
    {1446, -1107, kBold, "I"},
    {1726, -1107, kBold, "K"},
    {108, -895, kBold, "L"},
    {1318, -895, kBold, "M"},
    {488, -1364, kBold, "O"},
    {108, -2030, kBold, "P"},
    {836, -1731, kBold, "Q"},
    {1320, -1733, kBold, "R"},
    {488, -1545, kBold, "T"},
    {108, -1364, kBold, "SN"},
    {117, -1164, kBold, "1"},
    {117, -1204, kBold, "2"},
    {117, -1244, kBold, "3"},
    {117, -1284, kBold, "4"},
    {117, -1324, kBold, "5"},
    // normal: headings
    {1540, -100, kNormal, "für den gewerblichen"},
    {1540, -130, kNormal, "Güterfernverkehr"},
    {985, -292, kNormal, "Versandort"},
    {140, -643, kNormal, "Bestimmungsort"},
    {985, -532, kNormal, "Erklärungen, Vereinbarungen"},
    {985, -567, kNormal, "Weitere"},
    {985, -592, kNormal, "Beladestellen"},
    {985, -657, kNormal, "Weitere"},
    {985, -682, kNormal, "Entladestellen"},
    {985, -747, kNormal, "KFZ-Wechsel"},
    {985, -772, kNormal, "in"},
    {140, -1070, kNormal, "Bezeichnung der Sendung"},
    {140, -2026, kNormal, "Frachtberechnung im Binnenverkehr"},
    {142, -2848, kNormal, "Beförderung vereinbart nach Abschnitt 1.5.1 des ADR (M 121)"},
    {1430, -1650, kNormal, "Güterkraftverkehr innerdeutsch"},
    // small: German captions and the French beneath
    {140, -76, kSmall, "Absender (Name, Anschrift, Land)"},
    {140, -99, kSmall, "Expéditeur (nom, adresse, pays)"},
    {140, -356, kSmall, "Empfänger (Name, Anschrift, Land)"},
    {140, -379, kSmall, "Destinataire (nom, adresse, pays)"},
    {140, -887, kSmall, "Anweisungen des Absenders (Zoll- und sonstige amtliche Behandlung)"},
    {140, -911, kSmall, "Instructions de l'expéditeur (formalités douaniéres et autres)"},
    {985, -340, kSmall, "Ort / Lieu"},
    {985, -385, kSmall, "Beladestelle"},
    {985, -416, kSmall, "Gemeinde-"},
    {985, -439, kSmall, " bereich"},
    {985, -485, kSmall, "Land / Pays"},
    {140, -695, kSmall, "Ort / Lieu"},
    {140, -740, kSmall, "Entladestelle"},
    {140, -771, kSmall, "Gemeinde-"},
    {140, -794, kSmall, " bereich"},
    {140, -840, kSmall, "Land / Pays"},
    {186, -1104, kSmall, "Kennzeichen/Nr."},
    {186, -1128, kSmall, "Marques et numéros"},
    {476, -1104, kSmall, "Anzahl der Packstücke"},
    {476, -1128, kSmall, "Nombre dés colis"},
    {776, -1104, kSmall, "Art der Verpackung"},
    {776, -1128, kSmall, "Mode d`emballage"},
    {1036, -1104, kSmall, "Bezeichnung des Gutes"},
    {1036, -1128, kSmall, "Nature de la marchandise"},
    {1476, -1104, kSmall, "Bruttogewicht kg"},
    {1476, -1128, kSmall, "Pois brut. kg"},
    {1756, -1104, kSmall, "Umfang in m³"},
    {1756, -1128, kSmall, "Cubage m³"},
    {990, -178, kSmall, "*nichtzutreffendes streichen!"},
    {495, -1650, kSmall, "Ordnungs-Nr. der Genehmigung"},
    {520, -1545, kSmall, "Amtliches Kennzeichen LKW"},
    {865, -1545, kSmall, "Nutzlast"},
    {1015, -1545, kSmall, "Anhänger"},
    {1215, -1545, kSmall, "Nutzlast"},
    {1365, -1521, kSmall, "Fahrzeug-"},
    {1365, -1545, kSmall, "führer"},
    {1585, -1545, kSmall, "Begleiter"},
    {1805, -1521, kSmall, "Entfer-"},
    {1805, -1545, kSmall, "nung km"},
    {110, -2575, kSmall, "Beladung Fahrzeug bereitgestellt"},
    {500, -2575, kSmall, "Tag"},
    {810, -2575, kSmall, "Stunde"},
    {110, -2625, kSmall, "Beladung beendet"},
    {500, -2625, kSmall, "Tag"},
    {810, -2625, kSmall, "Stunde"},
    {110, -2675, kSmall, "Entladung Fahrzeug bereitgestellt"},
    {500, -2675, kSmall, "Tag"},
    {810, -2675, kSmall, "Stunde"},
    {110, -2725, kSmall, "Entladung beendet"},
    {500, -2725, kSmall, "Tag"},
    {810, -2725, kSmall, "Stunde"},
    {160, -1356, kSmall, "Statistiknummer"},
    {160, -1380, kSmall, "No. statistique"},
    {130, -1433, kSmall, "1"},
    {130, -1483, kSmall, "2"},
    {130, -1533, kSmall, "3"},
    {130, -1583, kSmall, "4"},
    {130, -1633, kSmall, "5"},
    {520, -1356, kSmall, "Sondervorschriften"},
    {520, -1380, kSmall, "Prescriptions particulières"},
    {1350, -887, kSmall, "Frachtzahlungsanweisungen"},
    {1350, -911, kSmall, "Prescription d´affranchissement"},
    {1325, -955, kSmall, "Freivermerk"},
    {1325, -1000, kSmall, "Nachnahme"},
    {160, -1733, kSmall, "Ausgefertigt in"},
    {160, -1808, kSmall, "Etablie à"},
    {868, -1727, kSmall, "Empfang der Sendung bescheinigt"},
    {868, -1751, kSmall, "Réception des marchandises"},
    {1350, -1730, kSmall, "Gut und Frachtbrief übernommen"},
    {458, -1773, kSmall, ",den"},
    {1050, -1785, kSmall, ",den"},
    {1330, -1785, kSmall, "Tag"},
    {1620, -1785, kSmall, "Stunde"},
    {120, -1955, kSmall, "Unterschrift und Stempel des Absenders"},
    {120, -1979, kSmall, "(Signature et timbre de l`expéditeur)"},
    {838, -1955, kSmall, "Unterschrift und Stempel des Empfängers"},
    {838, -1979, kSmall, "(Signature et timbre de destinataire)"},
    {1330, -1955, kSmall, "Unterschrift und Stempel des Frachtführers"},
    {1330, -1979, kSmall, "(Signature et timbre de transporteur)"},
    {110, -2090, kSmall, "frachtpfl. Gew. kg"},
    {325, -2090, kSmall, "Bezeichnung"},
    {567, -2066, kSmall, "vereinbarte Fracht"},
    {567, -2090, kSmall, "Betrag"},
    {785, -2066, kSmall, "zusätzliche Vereinbarungen"},
    {985, -2090, kSmall, "Betrag"},
    {1110, -2090, kSmall, "Summe"},
    {900, -2250, kSmall, "Zwischensumme"},
    {110, -2290, kSmall, "Nebenleistungen"},
    {970, -2410, kSmall, "Nettobtrag"},
    {835, -2450, kSmall, "+        % Umsatzsteuer"},
    {686, -2490, kSmall, "Beförderungsentgelt"},
    {921, -2490, kSmall, "Gesamtsumme"},
    {1325, -2025, kSmall, "Paletten-Absender - Expéditeur des palettes"},
    {1325, -2425, kSmall, "Paletten-Empfänger - Destinataire des palettes"},
    {1325, -2086, kSmall, "Art"},
    {1575, -2086, kSmall, "Anzahl"},
    {1765, -2062, kSmall, "Kein"},
    {1765, -2086, kSmall, "Tausch"},
    {1890, -2086, kSmall, "Tausch"},
    {1325, -2486, kSmall, "Art"},
    {1575, -2486, kSmall, "Anzahl"},
    {1765, -2462, kSmall, "Kein"},
    {1765, -2486, kSmall, "Tausch"},
    {1890, -2486, kSmall, "Tausch"},
    {1325, -2125, kSmall, "Euro-Palette"},
    {1325, -2165, kSmall, "Gitterbox-Palette"},
    {1325, -2205, kSmall, "Einfach-Palette"},
    {1325, -2525, kSmall, "Euro-Palette"},
    {1325, -2565, kSmall, "Gitterbox-Palette"},
    {1325, -2605, kSmall, "Einfach-Palette"},
    {1325, -2785, kSmall, "Bestätigung des Empfängers/Datum/Unterschrift"},
    {1325, -2380, kSmall, "Bestätigung des Fahrers/Datum/Unterschrift"},
    {1092, -2852, kSmall, "Für die Beförderung gelten"},
    {1092, -2874, kSmall, "die Bestimmungen"},
    {1092, -2896, kSmall, "des HGB §§ 407 ff (ohne allge-"},
    {1092, -2918, kSmall, "meine Geschäftsbedingungen)"},
    {1542, -2826, kSmall, "Für die Beförderung"},
    {1542, -2848, kSmall, "gelten die Bestimmungen"},
    {1542, -2870, kSmall, "des VBGL / AGL"},
    {1542, -2908, kSmall, "Für die Beförderung"},
    {1542, -2930, kSmall, "gelten die Bestimmungen"},
    {1542, -2952, kSmall, "der ADSp"},
    {1475, -1418, kSmall, "Bez."},
    {1532, -1418, kSmall, "s.H."},
    {1475, -1442, kSmall, "Nom"},
    {1535, -1442, kSmall, "voit H"},
    {815, -1418, kSmall, "Gefahrzettelmuster-Nr."},
    {815, -1442, kSmall, "Numéro d'etiquette"},
    {495, -1418, kSmall, "UN-Nummer"},
    {495, -1442, kSmall, "Numéro UN"},
    {495, -1482, kSmall, "UN"},
    {1175, -1418, kSmall, "Verp.-Gruppe"},
    {1175, -1442, kSmall, "Groupe d'emballage"},
    // edition line
    {100, -2970, kEditionLine, nullptr},
};

// clang-format on

const int kCaptionRecordCount = int(std::size(kCaptionRecords));

namespace {

// The publishers' sheets: K for publisher 0, O for every other.
QVector<PublisherGroup> Sheets()
{
    using FormTables::SheetTable;
    const QVector<KombiRect> screen = Rects(kBoxRecords, kPrintTableSize);
    // Publisher 0's sheet sits 1 mm lower at the top and has the loading and
    // unloading times under the vehicle data, in narrower rows; so the
    // signature row, the freight calculation and the sender's pallets lie
    // 16.7 mm lower, the consignee's pallets 5.1 mm lower, and the terms check
    // boxes higher than on the screen.
    const QVector<KombiRect> sheetK =
        SheetTable(screen,
                   {{0, 43, 0, 10},      // addresses, places, goods, dangerous goods, payment
                    {44, 52, 0, 167},    // place and date of issue, receipt, taking over
                    {53, 61, 0, 10},     // note number, vehicle, permit number
                    {70, 124, 0, 167},   // freight calculation, sender's pallets
                    {125, 137, 0, 51},   // consignee's pallets
                    {138, 138, 10, -70}, // ADR
                    {139, 141, 0, -20}}, // HGB, VBGL / AGL, ADSp
                   {{62, {550, 1712, 790, 1750}}, // vehicle provided for loading
                    {63, {895, 1712, 1300, 1750}},
                    {64, {550, 1750, 790, 1788}}, // loading finished
                    {65, {895, 1750, 1300, 1788}},
                    {66, {550, 1788, 790, 1826}}, // vehicle provided for unloading
                    {67, {895, 1788, 1300, 1826}},
                    {68, {550, 1826, 790, 1864}}, // unloading finished
                    {69, {895, 1826, 1300, 1864}}});
    // The other publishers' sheets match the screen form; only their terms
    // check boxes sit 2 mm higher.
    const QVector<KombiRect> sheetO =
        SheetTable(screen, {{kFirstTermsBox, kFollowEntry - 1, 0, -20}});
    // The corner at the top-left of the frame and the two ticks further down
    // are alike on every sheet; the mark beside the consignee's box follows
    // the publisher's sheet.
    const MarkPolyline corner{{100, 80}, {100, 50}, {130, 50}};
    const MarkPolyline lowTick{{100, 2620}, {100, 2650}};
    const MarkPolyline midTick{{100, 2130}, {100, 2100}};
    return {{{0},
             sheetK,
             {corner, lowTick, {{100, 335}, {100, 355}}, {{100, 345}, {120, 345}}, midTick}},
            {{},
             sheetO,
             {corner, lowTick, {{100, 315}, {100, 335}}, {{100, 325}, {120, 325}}, midTick}}};
}

} // namespace

const Forms::FormDescription& Description()
{
    static const FormDescription description = [] {
        FormDescription d;
        d.type = FormType::Kombi;
        d.sheetWidth = 2100;
        d.sheetHeight = 2970;
        d.pageCount = 1;
        d.boxes = kBoxRecords;
        d.boxCount = kBoxCount;
        d.checkBoxCount = kTermsBoxCount;

        PageDrawing page;
        page.lines = kLines;
        page.lineStyles = {{2, 0x000000}, {6, 0x000000}, {2, 0x808080}};
        page.captions = kCaptionRecords;
        page.captionCount = kCaptionRecordCount;
        page.captionGroups = {{kBoldFont},
                              {kNormalFont},
                              {kSmallFont},
                              {kSmallFont, Anchor::LeftBottom, CaptionSource::EditionLine}};
        d.pages = {page};
        d.editionText = QString::fromLatin1(kEditionText);

        d.publisherGroups = Sheets();
        d.margins = {{Settings::LeftMargin, Settings::TopMargin}};

        d.addressBoxes = {0, 1, 5};
        // clang-format off
        d.arrowMoves = {
            {true, 18, 29, 3},    // goods rows 1 to 4
            {true, 70, 85, 8},    // freight rows 1 and 2
            {true, 92, 93, 2},    // sum of freight row 3 to the subtotal
            {true, 94, 101, 3},   // subtotal and ancillary services
            {true, 103, 104, 2},  // last ancillary service to the net amount
            {true, 105, 106, 3},  // net amount to the tax
            {true, 108, 109, 2},  // tax to the total
            {true, 112, 117, 3},  // sender's Euro and grid box pallets
            {true, 125, 130, 3},  // consignee's Euro and grid box pallets
            {true, 118, 120, 4},  // single-use pallets to the free row, past its kind
            {true, 131, 133, 4},
            {false, 21, 32, -3},
            {false, 78, 93, -8},
            {false, 94, 95, -2},
            {false, 97, 104, -3},
            {false, 105, 106, -2},
            {false, 108, 109, -3},
            {false, 110, 111, -2},
            {false, 115, 120, -3},
            {false, 128, 133, -3},
            {false, 122, 124, -4},
            {false, 135, 137, -4},
        };
        // clang-format on
        d.contextMenuId = 119;
        return d;
    }();
    return description;
}

} // namespace KombiLayout
