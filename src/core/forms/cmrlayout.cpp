#include "core/forms/cmrlayout.h"

#include "core/forms/formdescription.h"

#include <iterator>

namespace CmrLayout {

using namespace Forms;

namespace {

constexpr int kBoxNumbers = int(Page1CaptionGroup::BoxNumbers);
constexpr int kBoxCaptions = int(Page1CaptionGroup::Captions);
constexpr int kDangerousGoods = int(Page1CaptionGroup::DangerousGoods);
constexpr int kFormVersion = int(Page1CaptionGroup::FormVersion);
constexpr int kBackCaptions = 0;

} // namespace

// clang-format off

const qint32 kLinesPage1[] = {
    // dangerous-goods row dividers (2-unit pen)
    400, -1530, 400, -1650,
    1000, -1530, 1000, -1650,
    1270, -1530, 1270, -1650,
    1500, -1530, 1500, -1650,
    kGroupEnd, kGroupEndSecond,
    // frame and main division (2-unit pen)
    50, -100, 1880, -100,
    50, -100, 50, -2855,
    50, -2855, 1880, -2855,
    1880, -100, 1880, -2855,
    975, -100, 975, -355,
    975, -615, 975, -840,
    50, -355, 975, -355,
    50, -615, 975, -615,
    50, -760, 975, -760,
    50, -930, 975, -930,
    50, -1120, 975, -1120,
    365, -1120, 365, -1530,
    625, -1120, 625, -1530,
    855, -1120, 855, -1530,
    1195, -1120, 1195, -1530,
    1425, -1120, 1425, -1530,
    1655, -1120, 1655, -1530,
    50, -1530, 1880, -1530,
    50, -1650, 1880, -1650,
    975, -1650, 975, -1780,
    50, -1830, 975, -1830,
    50, -1920, 975, -1920,
    50, -1990, 975, -1990,
    50, -2060, 975, -2060,
    50, -2100, 975, -2100,
    50, -2200, 975, -2200,
    1250, -1780, 1250, -2120,
    1460, -1780, 1460, -2120,
    1640, -1780, 1640, -2120,
    975, -1835, 1880, -1835,
    660, -2200, 660, -2785,
    1270, -2200, 1270, -2785,
    50, -2460, 1880, -2460,
    50, -2495, 1880, -2495,
    50, -2560, 1880, -2560,
    290, -2495, 290, -2785,
    530, -2495, 530, -2785,
    910, -2495, 910, -2740,
    1030, -2495, 1030, -2740,
    1150, -2495, 1150, -2740,
    1520, -2495, 1520, -2740,
    1640, -2495, 1640, -2740,
    1760, -2495, 1760, -2740,
    50, -2785, 1880, -2785,
    kGroupEnd, kGroupEndSecond,
    // carrier, reservations, charges, place and date of issue (6-unit pen)
    975, -355, 1880, -355,
    975, -615, 1880, -615,
    975, -355, 975, -615,
    1880, -355, 1880, -615,
    975, -840, 1880, -840,
    975, -1120, 1880, -1120,
    975, -840, 975, -1120,
    1880, -840, 1880, -1120,
    975, -1780, 1880, -1780,
    975, -2120, 1880, -2120,
    975, -2200, 1880, -2200,
    975, -1780, 975, -2200,
    1880, -1780, 1880, -2200,
    kGroupEnd, kGroupEndSecond,
    // finer subdivisions (1-unit pen)
    1395, -145, 1855, -145,
    1395, -215, 1855, -215,
    1395, -145, 1395, -215,
    1855, -145, 1855, -215,
    975, -1875, 1880, -1875,
    975, -1915, 1880, -1915,
    975, -1955, 1880, -1955,
    975, -1995, 1880, -1995,
    975, -2035, 1880, -2035,
    975, -2075, 1880, -2075,
    1390, -1835, 1390, -2120,
    1550, -1835, 1550, -2120,
    1810, -1835, 1810, -2120,
    50, -2150, 975, -2150,
    400, -2060, 400, -2200,
    690, -2060, 690, -2200,
    50, -2605, 1880, -2605,
    50, -2650, 1880, -2650,
    50, -2695, 1880, -2695,
    50, -2740, 1880, -2740,
    1010, -2800, 1010, -2855,
    1010, -2800, 1060, -2800,
    1060, -2800, 1060, -2855,
    1240, -2800, 1240, -2855,
    1240, -2800, 1290, -2800,
    1290, -2800, 1290, -2855,
    1470, -2800, 1470, -2855,
    1470, -2800, 1520, -2800,
    1520, -2800, 1520, -2855,
    1670, -2800, 1670, -2855,
    1670, -2800, 1720, -2800,
    1720, -2800, 1720, -2855,
    kGroupEnd, kGroupEndSecond,
    kTableEnd,
};

// Page 2: the four translation columns (opposite corners of grey fills), then
// the frame of the special-agreements box.
const qint32 kLinesPage2[] = {
    75, -1300, 405, -2780,
    575, -1300, 905, -2780,
    1075, -1300, 1405, -2780,
    1565, -1300, 1895, -2780,
    70, -200, 1880, -200,
    70, -200, 70, -1130,
    1880, -200, 1880, -1130,
    70, -1130, 1880, -1130,
    kTableEnd,
};

// The boxes of page 1, the permit checkboxes and the back page's box. The
// entry comments name the box of the printed form.
const Forms::BoxRecord kBoxRecords[kBoxTableSize] = {
    {{70, 150, 950, 350}, kLeft, BoxMeaning::Sender, nullptr, &Settings::CmrBox1}, // 0: box 1 sender
    {{70, 405, 950, 605}, kLeft, BoxMeaning::Consignee}, // 1: box 2 consignee
    {{170, 660, 950, 755}, kLeft, BoxMeaning::DeliveryPlace}, // 2: box 3 place of delivery: place, country
    {{170, 805, 950, 925}, kLeft, BoxMeaning::TakingOverPlaceAndDate}, // 3: box 4 taking over: place, country, date
    {{70, 975, 950, 1115}, kLeft, BoxMeaning::AttachedDocuments}, // 4: box 5 documents attached
    {{990, 405, 1870, 605}, kLeft, BoxMeaning::Carrier, nullptr, &Settings::CmrBox16}, // 5: box 16 carrier
    {{990, 660, 1870, 835}, kLeft, BoxMeaning::SuccessiveCarriers}, // 6: box 17 successive carriers
    {{990, 885, 1870, 1115}, kLeft}, // 7: box 18 carrier's reservations
    {{70, 1168, 360, 1208}, kLeft, BoxMeaning::GoodsMarks}, // 8: goods row 1: 6 marks
    {{370, 1168, 620, 1208}, kLeft, BoxMeaning::GoodsPackages}, // 9: goods row 1: 7 packages
    {{630, 1168, 850, 1208}, kLeft, BoxMeaning::GoodsPacking}, // 10: goods row 1: 8 packing
    {{860, 1168, 1180, 1208}, kLeft, BoxMeaning::GoodsDescription}, // 11: goods row 1: 9 nature of goods
    {{1205, 1168, 1415, 1208}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 12: goods row 1: 10 statistical no.
    {{1430, 1168, 1645, 1208}, kRight, BoxMeaning::GoodsGrossWeight}, // 13: goods row 1: 11 gross weight
    {{1660, 1168, 1870, 1208}, kRight, BoxMeaning::GoodsVolume}, // 14: goods row 1: 12 volume
    {{70, 1208, 360, 1248}, kLeft, BoxMeaning::GoodsMarks}, // 15: goods row 2: 6 marks
    {{370, 1208, 620, 1248}, kLeft, BoxMeaning::GoodsPackages}, // 16: goods row 2: 7 packages
    {{630, 1208, 850, 1248}, kLeft, BoxMeaning::GoodsPacking}, // 17: goods row 2: 8 packing
    {{860, 1208, 1180, 1248}, kLeft, BoxMeaning::GoodsDescription}, // 18: goods row 2: 9 nature of goods
    {{1205, 1208, 1415, 1248}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 19: goods row 2: 10 statistical no.
    {{1430, 1208, 1645, 1248}, kRight, BoxMeaning::GoodsGrossWeight}, // 20: goods row 2: 11 gross weight
    {{1660, 1208, 1870, 1248}, kRight, BoxMeaning::GoodsVolume}, // 21: goods row 2: 12 volume
    {{70, 1248, 360, 1288}, kLeft, BoxMeaning::GoodsMarks}, // 22: goods row 3: 6 marks
    {{370, 1248, 620, 1288}, kLeft, BoxMeaning::GoodsPackages}, // 23: goods row 3: 7 packages
    {{630, 1248, 850, 1288}, kLeft, BoxMeaning::GoodsPacking}, // 24: goods row 3: 8 packing
    {{860, 1248, 1180, 1288}, kLeft, BoxMeaning::GoodsDescription}, // 25: goods row 3: 9 nature of goods
    {{1205, 1248, 1415, 1288}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 26: goods row 3: 10 statistical no.
    {{1430, 1248, 1645, 1288}, kRight, BoxMeaning::GoodsGrossWeight}, // 27: goods row 3: 11 gross weight
    {{1660, 1248, 1870, 1288}, kRight, BoxMeaning::GoodsVolume}, // 28: goods row 3: 12 volume
    {{70, 1288, 360, 1328}, kLeft, BoxMeaning::GoodsMarks}, // 29: goods row 4: 6 marks
    {{370, 1288, 620, 1328}, kLeft, BoxMeaning::GoodsPackages}, // 30: goods row 4: 7 packages
    {{630, 1288, 850, 1328}, kLeft, BoxMeaning::GoodsPacking}, // 31: goods row 4: 8 packing
    {{860, 1288, 1180, 1328}, kLeft, BoxMeaning::GoodsDescription}, // 32: goods row 4: 9 nature of goods
    {{1205, 1288, 1415, 1328}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 33: goods row 4: 10 statistical no.
    {{1430, 1288, 1645, 1328}, kRight, BoxMeaning::GoodsGrossWeight}, // 34: goods row 4: 11 gross weight
    {{1660, 1288, 1870, 1328}, kRight, BoxMeaning::GoodsVolume}, // 35: goods row 4: 12 volume
    {{70, 1328, 360, 1368}, kLeft, BoxMeaning::GoodsMarks}, // 36: goods row 5: 6 marks
    {{370, 1328, 620, 1368}, kLeft, BoxMeaning::GoodsPackages}, // 37: goods row 5: 7 packages
    {{630, 1328, 850, 1368}, kLeft, BoxMeaning::GoodsPacking}, // 38: goods row 5: 8 packing
    {{860, 1328, 1180, 1368}, kLeft, BoxMeaning::GoodsDescription}, // 39: goods row 5: 9 nature of goods
    {{1205, 1328, 1415, 1368}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 40: goods row 5: 10 statistical no.
    {{1430, 1328, 1645, 1368}, kRight, BoxMeaning::GoodsGrossWeight}, // 41: goods row 5: 11 gross weight
    {{1660, 1328, 1870, 1368}, kRight, BoxMeaning::GoodsVolume}, // 42: goods row 5: 12 volume
    {{70, 1368, 360, 1408}, kLeft, BoxMeaning::GoodsMarks}, // 43: goods row 6: 6 marks
    {{370, 1368, 620, 1408}, kLeft, BoxMeaning::GoodsPackages}, // 44: goods row 6: 7 packages
    {{630, 1368, 850, 1408}, kLeft, BoxMeaning::GoodsPacking}, // 45: goods row 6: 8 packing
    {{860, 1368, 1180, 1408}, kLeft, BoxMeaning::GoodsDescription}, // 46: goods row 6: 9 nature of goods
    {{1205, 1368, 1415, 1408}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 47: goods row 6: 10 statistical no.
    {{1430, 1368, 1645, 1408}, kRight, BoxMeaning::GoodsGrossWeight}, // 48: goods row 6: 11 gross weight
    {{1660, 1368, 1870, 1408}, kRight, BoxMeaning::GoodsVolume}, // 49: goods row 6: 12 volume
    {{70, 1408, 360, 1448}, kLeft, BoxMeaning::GoodsMarks}, // 50: goods row 7: 6 marks
    {{370, 1408, 620, 1448}, kLeft, BoxMeaning::GoodsPackages}, // 51: goods row 7: 7 packages
    {{630, 1408, 850, 1448}, kLeft, BoxMeaning::GoodsPacking}, // 52: goods row 7: 8 packing
    {{860, 1408, 1180, 1448}, kLeft, BoxMeaning::GoodsDescription}, // 53: goods row 7: 9 nature of goods
    {{1205, 1408, 1415, 1448}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 54: goods row 7: 10 statistical no.
    {{1430, 1408, 1645, 1448}, kRight, BoxMeaning::GoodsGrossWeight}, // 55: goods row 7: 11 gross weight
    {{1660, 1408, 1870, 1448}, kRight, BoxMeaning::GoodsVolume}, // 56: goods row 7: 12 volume
    {{70, 1448, 360, 1488}, kLeft, BoxMeaning::GoodsMarks}, // 57: goods row 8: 6 marks
    {{370, 1448, 620, 1488}, kLeft, BoxMeaning::GoodsPackages}, // 58: goods row 8: 7 packages
    {{630, 1448, 850, 1488}, kLeft, BoxMeaning::GoodsPacking}, // 59: goods row 8: 8 packing
    {{860, 1448, 1180, 1488}, kLeft, BoxMeaning::GoodsDescription}, // 60: goods row 8: 9 nature of goods
    {{1205, 1448, 1415, 1488}, kRight, BoxMeaning::GoodsStatisticalNumber}, // 61: goods row 8: 10 statistical no.
    {{1430, 1448, 1645, 1488}, kRight, BoxMeaning::GoodsGrossWeight}, // 62: goods row 8: 11 gross weight
    {{1660, 1448, 1870, 1488}, kRight, BoxMeaning::GoodsVolume}, // 63: goods row 8: 12 volume
    {{70, 1488, 360, 1528}, kLeft, BoxMeaning::GoodsMarks}, // 64: goods row 9: 6 marks
    {{370, 1488, 620, 1528}, kLeft, BoxMeaning::GoodsPackages}, // 65: goods row 9: 7 packages
    {{630, 1488, 850, 1528}, kLeft, BoxMeaning::GoodsPacking}, // 66: goods row 9: 8 packing
    {{860, 1488, 1180, 1528}, kLeft, BoxMeaning::GoodsDescription}, // 67: goods row 9: 9 nature of goods
    {{1205, 1488, 1415, 1528}, kLeft, BoxMeaning::GoodsStatisticalNumber}, // 68: goods row 9: 10 statistical no.
    {{1430, 1488, 1645, 1528}, kRight, BoxMeaning::GoodsGrossWeight}, // 69: goods row 9: 11 gross weight
    {{1660, 1488, 1870, 1528}, kRight, BoxMeaning::GoodsVolume}, // 70: goods row 9: 12 volume
    {{130, 1600, 390, 1645}, kRight, BoxMeaning::DangerousUnNumber, QT_TRANSLATE_NOOP("BoxNames", "Gefahrgut: UN-Nummer")}, // 71: dangerous goods: UN number
    {{410, 1600, 990, 1645}, kLeft, BoxMeaning::DangerousName, QT_TRANSLATE_NOOP("BoxNames", "Gefahrgut: Bezeichnung")}, // 72: dangerous goods: name
    {{1010, 1600, 1260, 1645}, kCentred, BoxMeaning::DangerousLabel, QT_TRANSLATE_NOOP("BoxNames", "Gefahrgut: Gefahrzettelmuster-Nr.")}, // 73: dangerous goods: label model no.
    {{1280, 1600, 1490, 1645}, kLeft, BoxMeaning::DangerousPackingGroup, QT_TRANSLATE_NOOP("BoxNames", "Gefahrgut: Verpackungsgruppe")}, // 74: dangerous goods: packing group
    {{1510, 1600, 1870, 1645}, kLeft, BoxMeaning::DangerousTunnelCode, QT_TRANSLATE_NOOP("BoxNames", "Gefahrgut: Tunnelbeschränkungscode")}, // 75: dangerous goods: tunnel restriction code
    {{1255, 1837, 1385, 1873}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Absender")}, // 76: box 20 carriage charges: sender
    {{1395, 1837, 1455, 1873}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Absender, Cent")}, // 77: box 20 carriage charges: sender cents
    {{1465, 1837, 1545, 1873}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Währung Absender")}, // 78: box 20 carriage charges: currency (sender)
    {{1555, 1837, 1635, 1873}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Währung Empfänger")}, // 79: box 20 carriage charges: currency (consignee)
    {{1645, 1837, 1805, 1873}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Empfänger")}, // 80: box 20 carriage charges: consignee
    {{1815, 1837, 1875, 1873}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Fracht, Empfänger, Cent")}, // 81: box 20 carriage charges: consignee cents
    {{1255, 1877, 1385, 1913}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Absender")}, // 82: box 20 deductions: sender
    {{1395, 1877, 1455, 1913}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Absender, Cent")}, // 83: box 20 deductions: sender cents
    {{1465, 1877, 1545, 1913}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Währung Absender")}, // 84: box 20 deductions: currency (sender)
    {{1555, 1877, 1635, 1913}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Währung Empfänger")}, // 85: box 20 deductions: currency (consignee)
    {{1645, 1877, 1805, 1913}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Empfänger")}, // 86: box 20 deductions: consignee
    {{1815, 1877, 1875, 1913}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Ermäßigungen, Empfänger, Cent")}, // 87: box 20 deductions: consignee cents
    {{1255, 1917, 1385, 1953}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Absender")}, // 88: box 20 balance: sender
    {{1395, 1917, 1455, 1953}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Absender, Cent")}, // 89: box 20 balance: sender cents
    {{1465, 1917, 1545, 1953}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Währung Absender")}, // 90: box 20 balance: currency (sender)
    {{1555, 1917, 1635, 1953}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Währung Empfänger")}, // 91: box 20 balance: currency (consignee)
    {{1645, 1917, 1805, 1953}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Empfänger")}, // 92: box 20 balance: consignee
    {{1815, 1917, 1875, 1953}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Zwischensumme, Empfänger, Cent")}, // 93: box 20 balance: consignee cents
    {{1255, 1957, 1385, 1993}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Absender")}, // 94: box 20 supplements: sender
    {{1395, 1957, 1455, 1993}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Absender, Cent")}, // 95: box 20 supplements: sender cents
    {{1465, 1957, 1545, 1993}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Währung Absender")}, // 96: box 20 supplements: currency (sender)
    {{1555, 1957, 1635, 1993}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Währung Empfänger")}, // 97: box 20 supplements: currency (consignee)
    {{1645, 1957, 1805, 1993}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Empfänger")}, // 98: box 20 supplements: consignee
    {{1815, 1957, 1875, 1993}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Zuschläge, Empfänger, Cent")}, // 99: box 20 supplements: consignee cents
    {{1255, 1997, 1385, 2033}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Absender")}, // 100: box 20 additional charges: sender
    {{1395, 1997, 1455, 2033}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Absender, Cent")}, // 101: box 20 additional charges: sender cents
    {{1465, 1997, 1545, 2033}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Währung Absender")}, // 102: box 20 additional charges: currency (sender)
    {{1555, 1997, 1635, 2033}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Währung Empfänger")}, // 103: box 20 additional charges: currency (consignee)
    {{1645, 1997, 1805, 2033}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Empfänger")}, // 104: box 20 additional charges: consignee
    {{1815, 1997, 1875, 2033}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Nebengebühren, Empfänger, Cent")}, // 105: box 20 additional charges: consignee cents
    {{1255, 2037, 1385, 2073}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Absender")}, // 106: box 20 miscellaneous: sender
    {{1395, 2037, 1455, 2073}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Absender, Cent")}, // 107: box 20 miscellaneous: sender cents
    {{1465, 2037, 1545, 2073}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Währung Absender")}, // 108: box 20 miscellaneous: currency (sender)
    {{1555, 2037, 1635, 2073}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Währung Empfänger")}, // 109: box 20 miscellaneous: currency (consignee)
    {{1645, 2037, 1805, 2073}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Empfänger")}, // 110: box 20 miscellaneous: consignee
    {{1815, 2037, 1875, 2073}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Sonstiges, Empfänger, Cent")}, // 111: box 20 miscellaneous: consignee cents
    {{1255, 2077, 1385, 2113}, kRight, BoxMeaning::PayableBySender, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Absender")}, // 112: box 20 total: sender
    {{1395, 2077, 1455, 2113}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Absender, Cent")}, // 113: box 20 total: sender cents
    {{1465, 2077, 1545, 2113}, kLeft, BoxMeaning::SenderCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Währung Absender")}, // 114: box 20 total: currency (sender)
    {{1555, 2077, 1635, 2113}, kRight, BoxMeaning::ConsigneeCurrency, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Währung Empfänger")}, // 115: box 20 total: currency (consignee)
    {{1645, 2077, 1805, 2113}, kRight, BoxMeaning::PayableByConsignee, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Empfänger")}, // 116: box 20 total: consignee
    {{1815, 2077, 1875, 2113}, kLeft, BoxMeaning::Cents, QT_TRANSLATE_NOOP("BoxNames", "20 Gesamtsumme, Empfänger, Cent")}, // 117: box 20 total: consignee cents
    {{70, 1695, 960, 1825}, kLeft, BoxMeaning::SenderInstructions}, // 118: box 13 sender's instructions
    {{70, 1875, 960, 1915}, kLeft, BoxMeaning::PaymentInstructions}, // 119: box 14 instructions as to payment
    {{250, 1925, 960, 1985}, kLeft, BoxMeaning::CashOnDelivery, QT_TRANSLATE_NOOP("BoxNames", "15 Rückerstattung")}, // 120: box 15 cash on delivery
    {{990, 1695, 1870, 1775}, kLeft, BoxMeaning::SpecialAgreements}, // 121: box 19 special agreements
    {{1175, 2125, 1480, 2195}, kLeft, BoxMeaning::PlaceOfIssue, QT_TRANSLATE_NOOP("BoxNames", "21 Ausgefertigt in"), nullptr, BoxFill::Place}, // 122: box 21 established in
    {{1545, 2125, 1870, 2195}, kLeft, BoxMeaning::DateOfIssue, QT_TRANSLATE_NOOP("BoxNames", "21 Ausgefertigt am"), nullptr, BoxFill::Date}, // 123: box 21 on (date)
    {{70, 2245, 650, 2455}, kLeft, BoxMeaning::None, nullptr, &Settings::CmrBox22}, // 124: box 22 sender's signature and stamp
    {{680, 2245, 1260, 2455}, kLeft, BoxMeaning::None, nullptr, &Settings::CmrBox23}, // 125: box 23 carrier's signature and stamp
    {{55, 2563, 285, 2602}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 1: von")}, // 126: box 25 tariff distance leg 1: from
    {{295, 2563, 525, 2602}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 1: bis")}, // 127: box 25 tariff distance leg 1: to
    {{535, 2563, 655, 2602}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 1: km")}, // 128: box 25 tariff distance leg 1: km
    {{55, 2608, 285, 2647}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 2: von")}, // 129: box 25 tariff distance leg 2: from
    {{295, 2608, 525, 2647}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 2: bis")}, // 130: box 25 tariff distance leg 2: to
    {{535, 2608, 655, 2647}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 2: km")}, // 131: box 25 tariff distance leg 2: km
    {{55, 2653, 285, 2692}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 3: von")}, // 132: box 25 tariff distance leg 3: from
    {{295, 2653, 525, 2692}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 3: bis")}, // 133: box 25 tariff distance leg 3: to
    {{535, 2653, 655, 2692}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 3: km")}, // 134: box 25 tariff distance leg 3: km
    {{55, 2698, 285, 2737}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 4: von")}, // 135: box 25 tariff distance leg 4: from
    {{295, 2698, 525, 2737}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 4: bis")}, // 136: box 25 tariff distance leg 4: to
    {{535, 2698, 655, 2737}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 4: km")}, // 137: box 25 tariff distance leg 4: km
    {{55, 2743, 285, 2782}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 5: von")}, // 138: box 25 tariff distance leg 5: from
    {{295, 2743, 525, 2782}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 5: bis")}, // 139: box 25 tariff distance leg 5: to
    {{535, 2743, 655, 2782}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "25 Tarifentfernung, Abschnitt 5: km")}, // 140: box 25 tariff distance leg 5: km
    {{500, 1995, 960, 2055}, kLeft, BoxMeaning::OrderingParty, QT_TRANSLATE_NOOP("BoxNames", "26 Vertragspartner des Frachtführers")}, // 141: box 26 carrier's contracting party
    {{405, 2105, 685, 2145}, kLeft, BoxMeaning::VehiclePlate, QT_TRANSLATE_NOOP("BoxNames", "27 Amtliches Kennzeichen, Kfz")}, // 142: box 27 registration: lorry
    {{695, 2105, 970, 2145}, kLeft, BoxMeaning::TrailerPlate, QT_TRANSLATE_NOOP("BoxNames", "27 Amtliches Kennzeichen, Anhänger")}, // 143: box 27 registration: trailer
    {{405, 2155, 685, 2195}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "27 Nutzlast in kg, Kfz")}, // 144: box 27 payload: lorry
    {{695, 2155, 970, 2195}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "27 Nutzlast in kg, Anhänger")}, // 145: box 27 payload: trailer
    {{915, 2563, 1025, 2602}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Euro-Palette, Anzahl")}, // 146: pallets at the sender, Euro pallets: number
    {{1035, 2563, 1145, 2602}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Euro-Palette, kein Tausch")}, // 147: pallets at the sender, Euro pallets: no exchange
    {{1155, 2563, 1265, 2602}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Euro-Palette, Tausch")}, // 148: pallets at the sender, Euro pallets: exchange
    {{915, 2608, 1025, 2647}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Gitterboxpalette, Anzahl")}, // 149: pallets at the sender, box pallets: number
    {{1035, 2608, 1145, 2647}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Gitterboxpalette, kein Tausch")}, // 150: pallets at the sender, box pallets: no exchange
    {{1155, 2608, 1265, 2647}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Gitterboxpalette, Tausch")}, // 151: pallets at the sender, box pallets: exchange
    {{915, 2653, 1025, 2692}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Einfach-Palette, Anzahl")}, // 152: pallets at the sender, one-way pallets: number
    {{1035, 2653, 1145, 2692}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Einfach-Palette, kein Tausch")}, // 153: pallets at the sender, one-way pallets: no exchange
    {{1155, 2653, 1265, 2692}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Einfach-Palette, Tausch")}, // 154: pallets at the sender, one-way pallets: exchange
    {{665, 2698, 905, 2737}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: andere Art")}, // 155: pallets at the sender, other kind: kind
    {{915, 2698, 1025, 2737}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: andere Art, Anzahl")}, // 156: pallets at the sender, other kind: number
    {{1035, 2698, 1145, 2737}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: andere Art, kein Tausch")}, // 157: pallets at the sender, other kind: no exchange
    {{1155, 2698, 1265, 2737}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: andere Art, Tausch")}, // 158: pallets at the sender, other kind: exchange
    {{1045, 2745, 1265, 2782}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Absender: Bestätigung des Fahrers")}, // 159: pallets at the sender: driver's confirmation
    {{1525, 2563, 1635, 2602}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Euro-Palette, Anzahl")}, // 160: pallets at the consignee, Euro pallets: number
    {{1645, 2563, 1755, 2602}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Euro-Palette, kein Tausch")}, // 161: pallets at the consignee, Euro pallets: no exchange
    {{1765, 2563, 1875, 2602}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Euro-Palette, Tausch")}, // 162: pallets at the consignee, Euro pallets: exchange
    {{1525, 2608, 1635, 2647}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Gitterboxpalette, Anzahl")}, // 163: pallets at the consignee, box pallets: number
    {{1645, 2608, 1755, 2647}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Gitterboxpalette, kein Tausch")}, // 164: pallets at the consignee, box pallets: no exchange
    {{1765, 2608, 1875, 2647}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Gitterboxpalette, Tausch")}, // 165: pallets at the consignee, box pallets: exchange
    {{1525, 2653, 1635, 2692}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Einfach-Palette, Anzahl")}, // 166: pallets at the consignee, one-way pallets: number
    {{1645, 2653, 1755, 2692}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Einfach-Palette, kein Tausch")}, // 167: pallets at the consignee, one-way pallets: no exchange
    {{1765, 2653, 1875, 2692}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Einfach-Palette, Tausch")}, // 168: pallets at the consignee, one-way pallets: exchange
    {{1275, 2698, 1515, 2737}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: andere Art")}, // 169: pallets at the consignee, other kind: kind
    {{1525, 2698, 1635, 2737}, kRight, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: andere Art, Anzahl")}, // 170: pallets at the consignee, other kind: number
    {{1645, 2698, 1755, 2737}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: andere Art, kein Tausch")}, // 171: pallets at the consignee, other kind: no exchange
    {{1765, 2698, 1875, 2737}, kCentred, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: andere Art, Tausch")}, // 172: pallets at the consignee, other kind: exchange
    {{1655, 2745, 1875, 2782}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Paletten-Empfänger: Bestätigung des Empfängers")}, // 173: pallets at the consignee: consignee's confirmation
    {{350, 2790, 1000, 2850}, kLeft, BoxMeaning::None, QT_TRANSLATE_NOOP("BoxNames", "Benutzte Genehmigungsnummer")}, // 174: permit number used
    {{1400, 150, 1850, 210}, kLeft, BoxMeaning::NoteNumber, QT_TRANSLATE_NOOP("BoxNames", "Feld neben dem Titel")}, // 175: beside the title
    {{1010, 2800, 1060, 2855}, kLeft, BoxMeaning::PermitNational}, // 176: permit checkbox 1
    {{1240, 2800, 1290, 2855}, kLeft, BoxMeaning::PermitBilateral}, // 177: permit checkbox 2
    {{1470, 2800, 1520, 2855}, kLeft, BoxMeaning::PermitEc}, // 178: permit checkbox 3
    {{1670, 2800, 1720, 2855}, kLeft, BoxMeaning::PermitCemt}, // 179: permit checkbox 4
    {{100, 250, 1870, 1100}}, // 180: back page
};

const CaptionRecord kCaptionRecordsPage1[] = {
    // box numbers, right and bottom at the point
    {104, -135, kBoxNumbers, "1 "},
    {104, -390, kBoxNumbers, "2 "},
    {104, -650, kBoxNumbers, "3 "},
    {104, -795, kBoxNumbers, "4 "},
    {104, -965, kBoxNumbers, "5 "},
    {104, -1155, kBoxNumbers, "6 "},
    {410, -1155, kBoxNumbers, "7 "},
    {670, -1155, kBoxNumbers, "8 "},
    {900, -1155, kBoxNumbers, "9 "},
    {1245, -1155, kBoxNumbers, "10 "},
    {1475, -1155, kBoxNumbers, "11 "},
    {1705, -1155, kBoxNumbers, "12 "},
    {104, -1685, kBoxNumbers, "13 "},
    {104, -1865, kBoxNumbers, "14 "},
    {104, -1960, kBoxNumbers, "15 "},
    {1035, -390, kBoxNumbers, "16 "},
    {1035, -650, kBoxNumbers, "17 "},
    {1035, -875, kBoxNumbers, "18 "},
    {1035, -1685, kBoxNumbers, "19 "},
    {1035, -1825, kBoxNumbers, "20 "},
    {1035, -2160, kBoxNumbers, "21 "},
    {104, -2235, kBoxNumbers, "22 "},
    {714, -2235, kBoxNumbers, "23 "},
    {1324, -2235, kBoxNumbers, "24 "},
    {104, -2490, kBoxNumbers, "25 "},
    {104, -2030, kBoxNumbers, "26 "},
    {104, -2095, kBoxNumbers, "27 "},
    // title lines and box captions, left and bottom at the point
    {1024, -170, kBoxCaptions, "INTERNATIONALER"},
    {1024, -220, kBoxCaptions, "FRACHTBRIEF"},
    {1024, -270, kBoxCaptions, "LETTRE DE VOITURE"},
    {1024, -320, kBoxCaptions, "INTERNATIONAL"},
    {104, -135, kBoxCaptions, "Absender (Name, Anschrift, Land)"},
    {104, -390, kBoxCaptions, "Empfänger (Name, Anschrift, Land)"},
    {104, -650, kBoxCaptions, "Auslieferungsort des Gutes"},
    {70, -695, kBoxCaptions, "Ort"},
    {70, -730, kBoxCaptions, "Land"},
    {104, -795, kBoxCaptions, "Ort und Tag der Übernahme des Gutes"},
    {70, -840, kBoxCaptions, "Ort"},
    {70, -875, kBoxCaptions, "Land"},
    {70, -910, kBoxCaptions, "Datum"},
    {104, -965, kBoxCaptions, "Beigefügte Dokumente"},
    {104, -1155, kBoxCaptions, "Kennzeichen"},
    {410, -1155, kBoxCaptions, "Anzahl"},
    {670, -1155, kBoxCaptions, "Art d. Verp."},
    {900, -1155, kBoxCaptions, "Bezeichnung"},
    {1245, -1155, kBoxCaptions, "Statistiknr."},
    {1475, -1155, kBoxCaptions, "Bruttogewicht"},
    {1705, -1155, kBoxCaptions, "Umfang in m³"},
    {104, -1685, kBoxCaptions, "Anweisungen des Absenders"},
    {104, -1960, kBoxCaptions, "Rückerst."},
    {104, -1865, kBoxCaptions, "Frachtzahlungsanweisungen"},
    {520, -1865, kBoxCaptions, "Frei"},
    {640, -1865, kBoxCaptions, "Unfrei"},
    {1035, -390, kBoxCaptions, "Frachtführer (Name, Anschrift, Land)"},
    {1035, -650, kBoxCaptions, "Nachfolgende Frachtführer (Name, Anschrift, Land)"},
    {1035, -875, kBoxCaptions, "Vorbehalte und Bemerkungen der Frachtführer"},
    {1035, -1825, kBoxCaptions, "Zu zahlen vom:"},
    {1265, -1825, kBoxCaptions, "Absender"},
    {1475, -1825, kBoxCaptions, "Währung"},
    {1655, -1825, kBoxCaptions, "Empfänger"},
    {990, -1870, kBoxCaptions, "Fracht"},
    {990, -1910, kBoxCaptions, "Ermäßigungen"},
    {990, -1950, kBoxCaptions, "Zwischensumme"},
    {990, -1990, kBoxCaptions, "Zuschläge"},
    {990, -2030, kBoxCaptions, "Nebengebühren"},
    {990, -2070, kBoxCaptions, "Sonstiges"},
    {990, -2110, kBoxCaptions, "Gesamtsumme"},
    {1035, -1685, kBoxCaptions, "Besondere Vereinbarungen"},
    {1035, -2160, kBoxCaptions, "Ausgef. in:"},
    {1500, -2160, kBoxCaptions, "am"},
    {104, -2235, kBoxCaptions, "Unterschrift und Stempel des Absenders"},
    {714, -2235, kBoxCaptions, "Unterschrift und Stempel des Frachtführers"},
    {1324, -2235, kBoxCaptions, "Gut empfangen"},
    {1290, -2300, kBoxCaptions, "Datum"},
    {1400, -2300, kBoxCaptions, "am_______________20___"},
    {1290, -2450, kBoxCaptions, "Unterschrift und Stempel des Empfängers"},
    {104, -2490, kBoxCaptions, "Angaben zur Ermittlung der Tarifentfernung"},
    {70, -2555, kBoxCaptions, "von"},
    {310, -2555, kBoxCaptions, "bis"},
    {550, -2555, kBoxCaptions, "km"},
    {104, -2030, kBoxCaptions, "Vertragspartner d. Frachtf."},
    {70, -2140, kBoxCaptions, "Amtl. Kennzeichen"},
    {70, -2190, kBoxCaptions, "Nutzlast in kg"},
    {415, -2095, kBoxCaptions, "Kfz"},
    {705, -2095, kBoxCaptions, "Anhänger"},
    {70, -2840, kBoxCaptions, "Benutzte Gen.-Nr."},
    {1075, -2850, kBoxCaptions, "National"},
    {1305, -2850, kBoxCaptions, "Bilateral"},
    {1535, -2850, kBoxCaptions, "EG"},
    {1740, -2850, kBoxCaptions, "CEMT"},
    {680, -2490, kBoxCaptions, "Paletten-Absender"},
    {1290, -2490, kBoxCaptions, "Paletten-Empfänger"},
    {680, -2555, kBoxCaptions, "Art"},
    {925, -2555, kBoxCaptions, "Anzahl"},
    {1045, -2527, kBoxCaptions, "Kein"},
    {1045, -2555, kBoxCaptions, "Tausch"},
    {1165, -2555, kBoxCaptions, "Tausch"},
    {680, -2598, kBoxCaptions, "Euro-Palette"},
    {680, -2643, kBoxCaptions, "Gitterboxpalette"},
    {680, -2688, kBoxCaptions, "Einfach-Palette"},
    {1290, -2555, kBoxCaptions, "Art"},
    {1535, -2555, kBoxCaptions, "Anzahl"},
    {1655, -2527, kBoxCaptions, "Kein"},
    {1655, -2555, kBoxCaptions, "Tausch"},
    {1775, -2555, kBoxCaptions, "Tausch"},
    {1290, -2598, kBoxCaptions, "Euro-Palette"},
    {1290, -2643, kBoxCaptions, "Gitterboxpalette"},
    {1290, -2688, kBoxCaptions, "Einfach-Palette"},
    {1290, -2778, kBoxCaptions, "Bestätigung des Empfängers"},
    {680, -2778, kBoxCaptions, "Bestätigung des Fahrers"},
    {70, -1640, kBoxCaptions, "UN"},
    // dangerous-goods row
    {70, -1590, kDangerousGoods, "UN-Nummer"},
    {420, -1570, kDangerousGoods, "Bez."},
    {420, -1590, kDangerousGoods, "s. Nr. 9"},
    {1020, -1570, kDangerousGoods, "Gefahrzettel-"},
    {1020, -1590, kDangerousGoods, "muster-Nr."},
    {1290, -1570, kDangerousGoods, "Verp."},
    {1290, -1590, kDangerousGoods, "Gruppe"},
    {1520, -1570, kDangerousGoods, "Tunnelbeschränk-"},
    {1520, -1590, kDangerousGoods, "ungscode"},
    // form-version line
    {10, -2950, kFormVersion, nullptr},
};

const CaptionRecord kCaptionRecordsPage2[] = {
    {70, -180, kBackCaptions, "Sonstige Vereinbarungen / Conventions particullères / Speciale overeenkomsten / "
                              "Convenzioni particolari / Special agreements / Saerlige aftaler"},
    {70, -1270, kBackCaptions, "NEDERLANDS TEKST"},
    {570, -1270, kBackCaptions, "TRADUZIONE ITALIANA"},
    {1070, -1270, kBackCaptions, "ENGLISH TRANSLATION"},
    {1560, -1270, kBackCaptions, "DANSK OVERSAETTELSE"},
};

// clang-format on

const int kCaptionRecordsPage1Count = int(std::size(kCaptionRecordsPage1));
const int kCaptionRecordsPage2Count = int(std::size(kCaptionRecordsPage2));

int PenWidth(Page1LineGroup group)
{
    switch (group) {
    case Page1LineGroup::DangerousGoods:
    case Page1LineGroup::MainDivision:
        return 2;
    case Page1LineGroup::Heavy:
        return 6;
    case Page1LineGroup::Fine:
        return 1;
    }
    return 1;
}

bool IsGoodsRowStart(int index)
{
    return kMergedGoodsRows.IsRowStart(index);
}

int MergedGoodsTarget(int index)
{
    return kMergedGoodsRows.Target(index);
}

CmrRect GetBoxRect(int index, int page, int zoom, bool mergedGoodsRows)
{
    return Description().ScreenRect(index, page, zoom, mergedGoodsRows);
}

CmrRect GetPrintTableRect(int index, int page, int publisher, bool mergedGoodsRows)
{
    return Description().PrintEntry(index, page, publisher, mergedGoodsRows);
}

QString FormPublisherName(int publisher)
{
    return FormTables::PublisherName(publisher);
}

QString FormVersionLine(int publisher)
{
    return FormTables::EditionLine(Description().editionText, publisher);
}

namespace {

// The publishers' sheets: publisher 0's and the one of every other publisher.
QVector<PublisherGroup> Sheets()
{
    using FormTables::SheetTable;
    const QVector<CmrRect> screen = Rects(kBoxRecords, kPrintTableSize);
    // The corner mark lies where the publisher's sheet has its first frame
    // line; the tick further down is the same on every sheet.
    const MarkPolyline tick{{50, 2130}, {50, 2100}};
    // Publisher 0's sheets carry the goods rows and every box after them 1 mm
    // higher than the screen form, the one beside the title too; its
    // checkboxes are shorter.
    const QVector<CmrRect> sheet0 = SheetTable(screen, {{kGoodsFirstBox, kBoxCount - 1, 0, -10}},
                                               {{176, {1010, 2790, 1060, 2835}},
                                                {177, {1240, 2790, 1290, 2835}},
                                                {178, {1470, 2790, 1520, 2835}},
                                                {179, {1670, 2790, 1720, 2835}}});
    // The sheets of publishers 1 to 3 match the screen form but for the permit
    // line, which sits 7 mm lower, with narrower checkboxes.
    const QVector<CmrRect> sheets1To3 =
        SheetTable(screen, {{kPermitGuardBox, kPermitGuardBox, 0, 70}},
                   {{176, {1020, 2860, 1050, 2900}},
                    {177, {1250, 2860, 1280, 2900}},
                    {178, {1480, 2860, 1510, 2900}},
                    {179, {1680, 2860, 1710, 2900}}});
    return {{{0}, sheet0, {{{50, 130}, {50, 100}, {80, 100}}, tick}},
            {{}, sheets1To3, {{{50, 150}, {50, 120}, {80, 120}}, tick}}};
}

} // namespace

const Forms::FormDescription& Description()
{
    static const FormDescription description = [] {
        const CaptionFont caption = kCaptionFont;
        const CaptionFont bold = kBoldCaptionFont;
        FormDescription d;
        d.type = FormType::Cmr;
        d.sheetWidth = kSheetWidth;
        d.sheetHeight = kSheetHeight;
        d.pageCount = 2;
        d.boxes = kBoxRecords;
        d.boxCount = kBoxCount;
        d.checkBoxCount = kPermitBoxCount;
        d.checkGuardBox = kPermitGuardBox;

        PageDrawing front;
        front.lines = kLinesPage1;
        for (int g = 0; g < kPage1LineGroupCount; ++g)
            front.lineStyles.append(LineStyle{PenWidth(Page1LineGroup(g))});
        front.captions = kCaptionRecordsPage1;
        front.captionCount = kCaptionRecordsPage1Count;
        front.captionGroups = {
            {bold, Anchor::RightBottom},                              // box numbers
            {caption, Anchor::LeftBottom, CaptionSource::Table, true, // title and captions
             kTitleLineCount, bold},
            {caption},                                                  // dangerous goods
            {caption, Anchor::LeftBottom, CaptionSource::EditionLine}}; // form version

        PageDrawing back;
        back.lines = kLinesPage2;
        back.lineStyles = {{2, 0x000000, kPage2FilledRectCount, 0xC0C0C0}};
        back.captions = kCaptionRecordsPage2;
        back.captionCount = kCaptionRecordsPage2Count;
        back.captionGroups = {{caption}};
        d.pages = {front, back};
        d.editionText = QString::fromLatin1(kEditionText);

        d.publisherGroups = Sheets();
        d.margins = {{Settings::LeftMargin1, Settings::TopMargin1},
                     {Settings::LeftMargin2, Settings::TopMargin2}};

        // The note travels as three originals, red, blue and green, and often a
        // fourth in black. Each label reads upwards in the margin right of the
        // frame and ends level with its top, where a printer's unprintable
        // border never reaches.
        d.copyLabels.copies = {{"1 Exemplar f\u00fcr den Absender", 0xC8102E},
                               {"2 Exemplar f\u00fcr den Empf\u00e4nger", 0x1F4E9C},
                               {"3 Exemplar f\u00fcr den Frachtf\u00fchrer", 0x00843D},
                               {"4 Weiteres Exemplar", 0x000000, true}};
        d.copyLabels.font = CaptionFont{48, 700, true};
        d.copyLabels.anchor = Anchor::RightBottom;
        d.copyLabels.at = QPoint(kFrameRight + 110, kFrameTop);

        d.addressBoxes = {0, 1, 5, 6};
        d.mergedRows = &kMergedGoodsRows;
        d.mergedRowsSetting = Settings::MergedGoodsRows;
        d.contextMenuId = 118;
        return d;
    }();
    return description;
}

} // namespace CmrLayout
