#include "core/forms/forwardinglayout.h"

#include "core/forms/forwardingsums.h"
#include "core/settings/settingkeys.h"

#include <iterator>

namespace ForwardingLayout {

using FormTables::kTableEnd;

using namespace Forms;

namespace {

constexpr int kTitle = int(CaptionGroupId::Title);
constexpr int kBoxCaptions = int(CaptionGroupId::Captions);
constexpr int kVdaNote = int(CaptionGroupId::VdaNote);
constexpr int kFooter = int(CaptionGroupId::Footer);

} // namespace

// clang-format off

// One group, all with the 2-unit pen.
const qint32 kLines[] = {
    // the frame: left, right and top edge (the foot stays open)
    150, -50, 150, -2850,
    2010, -50, 2010, -2850,
    150, -50, 2010, -50,
    // full-width dividers: goods table head, rows, sums; the row of fields 30 to
    // 32; the lower block; the foot
    150, -940, 2010, -940,
    150, -1025, 2010, -1025,
    150, -1405, 2010, -1405,
    150, -1490, 2010, -1490,
    150, -1955, 2010, -1955,
    150, -2040, 2010, -2040,
    150, -2605, 2010, -2605,
    // the two columns of the upper part and the goods table's contents column
    1080, -50, 1080, -1405,
    1080, -220, 2010, -220,
    1080, -730, 2010, -730,
    // the goods table's columns 19, 20, 21, 23 and 24
    620, -940, 620, -1490,
    750, -940, 750, -1490,
    1035, -940, 1035, -1405,
    1670, -940, 1670, -1490,
    1810, -940, 1810, -1490,
    // the lower block: fields 30 | 31 | 32, the halves and their rows, the
    // exchanged pallets
    1080, -2040, 1080, -2605,
    770, -1955, 770, -2040,
    1385, -1955, 1385, -2040,
    150, -2340, 1080, -2340,
    150, -2550, 1080, -2550,
    1080, -2210, 2010, -2210,
    1080, -2465, 2010, -2465,
    1720, -2465, 1720, -2605,
    // the three cells of field 7
    1820, -260, 2010, -260,
    1820, -350, 2010, -350,
    1820, -260, 1820, -350,
    1885, -260, 1885, -350,
    1950, -260, 1950, -350,
    kTableEnd,
};

// The boxes and the follow-on box. The entry comments name the field of the
// printed form. A typed line takes 4.5 mm, as a goods row does; the addresses
// have four lines or more.
const Forms::BoxRecord kBoxRecords[kBoxTableSize] = {
    {{1400, 60, 1990, 120}, kLeft, BoxMeaning::NoteNumber}, // 0: field 3 order number
    {{1090, 160, 2000, 215}, kLeft}, // 1: field 4 shipper's number at the forwarder
    {{160, 110, 1050, 300}, kLeft, BoxMeaning::Sender, nullptr, &Settings::SpaBox1}, // 2: field 1 shipper/supplier (address)
    {{400, 305, 1050, 350}, kLeft}, // 3: field 2 supplier number
    {{160, 395, 1050, 470}, kLeft, BoxMeaning::TakingOverPlace}, // 4: field 5 loading place
    {{1460, 325, 1810, 370}, kLeft}, // 5: field 8 consignment number
    {{1090, 325, 1440, 370}, kLeft, BoxMeaning::DateOfIssue}, // 6: field 6 date
    {{1825, 265, 1880, 345}, kCentred}, // 7: field 7 relation number, first cell
    {{1890, 265, 1945, 345}, kCentred}, // 8: field 7 relation number, second cell
    {{1955, 265, 2005, 345}, kCentred}, // 9: field 7 relation number, third cell
    {{1090, 410, 2000, 585}, kLeft, BoxMeaning::Forwarder}, // 10: field 9 forwarder (address)
    {{1320, 595, 2000, 640}, kLeft}, // 11: field 10 forwarder number
    {{1200, 665, 1580, 710}, kLeft, BoxMeaning::ForwarderPhone}, // 12: forwarder's telephone
    {{1660, 665, 2000, 710}, kLeft, BoxMeaning::ForwarderFax}, // 13: forwarder's fax
    {{1400, 740, 2000, 785}, kLeft}, // 14: field 13 bordereau/loading list number
    {{160, 510, 1050, 700}, kLeft, BoxMeaning::Consignee}, // 15: field 11 consignee (address)
    {{400, 705, 1050, 750}, kLeft}, // 16: field 12 consignee number
    {{160, 790, 1050, 930}, kLeft, BoxMeaning::DeliveryPlace}, // 17: field 14 delivery/unloading place (address)
    {{1090, 825, 2000, 870}, kLeft}, // 18: field 15 shipper's note for the forwarder
    {{1320, 885, 1600, 930}, kLeft}, // 19: field 16 arrival date
    {{1810, 885, 2000, 930}, kLeft}, // 20: field 17 arrival time
    {{160, 1030, 610, 1075}, kLeft, BoxMeaning::GoodsMarks}, // 21: goods row 0: 18 marks and numbers
    {{630, 1030, 740, 1075}, kRight, BoxMeaning::GoodsPackages}, // 22: goods row 0: 19 count
    {{760, 1030, 1025, 1075}, kLeft, BoxMeaning::GoodsPacking}, // 23: goods row 0: 20 package
    {{1040, 1030, 1075, 1075}, kLeft}, // 24: goods row 0: 21 SF
    {{1090, 1030, 1660, 1075}, kLeft, BoxMeaning::GoodsDescription}, // 25: goods row 0: 22 contents
    {{1675, 1030, 1805, 1075}, kRight, BoxMeaning::GoodsLoadingWeight}, // 26: goods row 0: 23 loading weight
    {{1825, 1030, 2005, 1075}, kRight, BoxMeaning::GoodsGrossWeight}, // 27: goods row 0: 24 gross weight
    {{160, 1075, 610, 1120}, kLeft, BoxMeaning::GoodsMarks}, // 28: goods row 1: 18 marks and numbers
    {{630, 1075, 740, 1120}, kRight, BoxMeaning::GoodsPackages}, // 29: goods row 1: 19 count
    {{760, 1075, 1025, 1120}, kLeft, BoxMeaning::GoodsPacking}, // 30: goods row 1: 20 package
    {{1040, 1075, 1075, 1120}, kLeft}, // 31: goods row 1: 21 SF
    {{1090, 1075, 1660, 1120}, kLeft, BoxMeaning::GoodsDescription}, // 32: goods row 1: 22 contents
    {{1675, 1075, 1805, 1120}, kRight, BoxMeaning::GoodsLoadingWeight}, // 33: goods row 1: 23 loading weight
    {{1825, 1075, 2005, 1120}, kRight, BoxMeaning::GoodsGrossWeight}, // 34: goods row 1: 24 gross weight
    {{160, 1120, 610, 1165}, kLeft, BoxMeaning::GoodsMarks}, // 35: goods row 2: 18 marks and numbers
    {{630, 1120, 740, 1165}, kRight, BoxMeaning::GoodsPackages}, // 36: goods row 2: 19 count
    {{760, 1120, 1025, 1165}, kLeft, BoxMeaning::GoodsPacking}, // 37: goods row 2: 20 package
    {{1040, 1120, 1075, 1165}, kLeft}, // 38: goods row 2: 21 SF
    {{1090, 1120, 1660, 1165}, kLeft, BoxMeaning::GoodsDescription}, // 39: goods row 2: 22 contents
    {{1675, 1120, 1805, 1165}, kRight, BoxMeaning::GoodsLoadingWeight}, // 40: goods row 2: 23 loading weight
    {{1825, 1120, 2005, 1165}, kRight, BoxMeaning::GoodsGrossWeight}, // 41: goods row 2: 24 gross weight
    {{160, 1165, 610, 1210}, kLeft, BoxMeaning::GoodsMarks}, // 42: goods row 3: 18 marks and numbers
    {{630, 1165, 740, 1210}, kRight, BoxMeaning::GoodsPackages}, // 43: goods row 3: 19 count
    {{760, 1165, 1025, 1210}, kLeft, BoxMeaning::GoodsPacking}, // 44: goods row 3: 20 package
    {{1040, 1165, 1075, 1210}, kLeft}, // 45: goods row 3: 21 SF
    {{1090, 1165, 1660, 1210}, kLeft, BoxMeaning::GoodsDescription}, // 46: goods row 3: 22 contents
    {{1675, 1165, 1805, 1210}, kRight, BoxMeaning::GoodsLoadingWeight}, // 47: goods row 3: 23 loading weight
    {{1825, 1165, 2005, 1210}, kRight, BoxMeaning::GoodsGrossWeight}, // 48: goods row 3: 24 gross weight
    {{160, 1210, 610, 1255}, kLeft, BoxMeaning::GoodsMarks}, // 49: goods row 4: 18 marks and numbers
    {{630, 1210, 740, 1255}, kRight, BoxMeaning::GoodsPackages}, // 50: goods row 4: 19 count
    {{760, 1210, 1025, 1255}, kLeft, BoxMeaning::GoodsPacking}, // 51: goods row 4: 20 package
    {{1040, 1210, 1075, 1255}, kLeft}, // 52: goods row 4: 21 SF
    {{1090, 1210, 1660, 1255}, kLeft, BoxMeaning::GoodsDescription}, // 53: goods row 4: 22 contents
    {{1675, 1210, 1805, 1255}, kRight, BoxMeaning::GoodsLoadingWeight}, // 54: goods row 4: 23 loading weight
    {{1825, 1210, 2005, 1255}, kRight, BoxMeaning::GoodsGrossWeight}, // 55: goods row 4: 24 gross weight
    {{160, 1255, 610, 1300}, kLeft, BoxMeaning::GoodsMarks}, // 56: goods row 5: 18 marks and numbers
    {{630, 1255, 740, 1300}, kRight, BoxMeaning::GoodsPackages}, // 57: goods row 5: 19 count
    {{760, 1255, 1025, 1300}, kLeft, BoxMeaning::GoodsPacking}, // 58: goods row 5: 20 package
    {{1040, 1255, 1075, 1300}, kLeft}, // 59: goods row 5: 21 SF
    {{1090, 1255, 1660, 1300}, kLeft, BoxMeaning::GoodsDescription}, // 60: goods row 5: 22 contents
    {{1675, 1255, 1805, 1300}, kRight, BoxMeaning::GoodsLoadingWeight}, // 61: goods row 5: 23 loading weight
    {{1825, 1255, 2005, 1300}, kRight, BoxMeaning::GoodsGrossWeight}, // 62: goods row 5: 24 gross weight
    {{160, 1300, 610, 1345}, kLeft, BoxMeaning::GoodsMarks}, // 63: goods row 6: 18 marks and numbers
    {{630, 1300, 740, 1345}, kRight, BoxMeaning::GoodsPackages}, // 64: goods row 6: 19 count
    {{760, 1300, 1025, 1345}, kLeft, BoxMeaning::GoodsPacking}, // 65: goods row 6: 20 package
    {{1040, 1300, 1075, 1345}, kLeft}, // 66: goods row 6: 21 SF
    {{1090, 1300, 1660, 1345}, kLeft, BoxMeaning::GoodsDescription}, // 67: goods row 6: 22 contents
    {{1675, 1300, 1805, 1345}, kRight, BoxMeaning::GoodsLoadingWeight}, // 68: goods row 6: 23 loading weight
    {{1825, 1300, 2005, 1345}, kRight, BoxMeaning::GoodsGrossWeight}, // 69: goods row 6: 24 gross weight
    {{160, 1345, 610, 1390}, kLeft, BoxMeaning::GoodsMarks}, // 70: goods row 7: 18 marks and numbers
    {{630, 1345, 740, 1390}, kRight, BoxMeaning::GoodsPackages}, // 71: goods row 7: 19 count
    {{760, 1345, 1025, 1390}, kLeft, BoxMeaning::GoodsPacking}, // 72: goods row 7: 20 package
    {{1040, 1345, 1075, 1390}, kLeft}, // 73: goods row 7: 21 SF
    {{1090, 1345, 1660, 1390}, kLeft, BoxMeaning::GoodsDescription}, // 74: goods row 7: 22 contents
    {{1675, 1345, 1805, 1390}, kRight, BoxMeaning::GoodsLoadingWeight}, // 75: goods row 7: 23 loading weight
    {{1825, 1345, 2005, 1390}, kRight, BoxMeaning::GoodsGrossWeight}, // 76: goods row 7: 24 gross weight
    {{630, 1440, 740, 1485}, kRight}, // 77: field 25 sum of the counts
    {{760, 1440, 1540, 1485}, kLeft}, // 78: field 26 volume / loading metres
    {{1675, 1440, 1805, 1485}, kRight}, // 79: field 27 sum of the loading weights
    {{1825, 1440, 2005, 1485}, kRight}, // 80: field 28 sum of the gross weights
    {{160, 1565, 380, 1745}, kLeft, BoxMeaning::DangerousUnNumber}, // 81: field 29 dangerous goods: UN number
    {{400, 1565, 1070, 1745}, kLeft, BoxMeaning::DangerousName}, // 82: field 29 dangerous goods: name
    {{1090, 1565, 1380, 1745}, kLeft, BoxMeaning::DangerousLabel}, // 83: field 29 dangerous goods: label model
    {{1400, 1565, 1700, 1745}, kLeft, BoxMeaning::DangerousPackingGroup}, // 84: field 29 dangerous goods: packing group
    {{1720, 1565, 2000, 1745}, kLeft}, // 85: field 29 dangerous goods: net mass
    {{160, 1790, 2000, 1945}, kLeft}, // 86: field 29 dangerous goods: special provisions
    {{160, 1990, 760, 2035}, kLeft, BoxMeaning::PaymentInstructions}, // 87: field 30 carriage terms
    {{780, 1990, 1375, 2035}, kLeft}, // 88: field 31 value for transport insurance
    {{1395, 1990, 2000, 2035}, kLeft, BoxMeaning::CashOnDelivery}, // 89: field 32 cash on delivery
    {{1090, 2075, 2000, 2205}, kLeft, BoxMeaning::AttachedDocuments}, // 90: field 33 enclosures
    {{160, 2075, 600, 2130}, kLeft}, // 91: field 34 customer's order number
    {{620, 2075, 1070, 2130}, kLeft}, // 92: field 35 account assignment
    {{160, 2175, 600, 2230}, kLeft, BoxMeaning::VehiclePlate}, // 93: field 36 vehicle number
    {{620, 2175, 1070, 2230}, kLeft}, // 94: field 37 lorry code
    {{160, 2275, 600, 2330}, kLeft}, // 95: field 38 kind of dispatch
    {{620, 2275, 1070, 2330}, kLeft}, // 96: field 39 billing key
    {{160, 2405, 1070, 2545}, kLeft}, // 97: field 40 receipt by the consignee
    {{1570, 2280, 2000, 2430}, kLeft}, // 98: field 41 receipt by the driver: signature
    {{1090, 2380, 1330, 2430}, kLeft}, // 99: field 41 receipt by the driver: date
    {{1350, 2380, 1550, 2430}, kLeft}, // 100: field 41 receipt by the driver: time
    {{1300, 2505, 1710, 2550}, kRight}, // 101: field 42 Euro flat pallets
    {{1300, 2555, 1710, 2600}, kRight}, // 102: field 42 Euro box pallets
    {{1925, 2505, 2005, 2550}, kRight}, // 103: field 42 Euro flat pallets exchanged
    {{1925, 2555, 2005, 2600}, kRight}, // 104: field 42 Euro box pallets exchanged
    {{160, 2620, 2005, 2850}, kLeft}, // 105: fields 43 and 46, the free area at the foot
    {{100, 250, 1870, 1100}}, // 106: the follow-on box (the form has no second page)
};

const CaptionRecord kCaptionRecords[] = {
    // the title
    {1090, -280, kTitle, "SPEDITIONSAUFTRAG"},
    // the captions, left and bottom at the point
    {160, -85, kBoxCaptions, "1) Versender/Lieferant"},
    {160, -345, kBoxCaptions, "2) Lieferanten-Nr."},
    {1090, -115, kBoxCaptions, "3) Speditionsauftrags-Nr."},
    {1090, -155, kBoxCaptions, "4) Nr. Versender beim Versand-Spediteur:"},
    {160, -390, kBoxCaptions, "5) Beladestelle"},
    {1090, -320, kBoxCaptions, "6) Datum"},
    {1825, -255, kBoxCaptions, "7) Relations-Nr."},
    {1460, -320, kBoxCaptions, "8) Sendungsnummer"},
    {1090, -405, kBoxCaptions, "9) Versandspediteur"},
    {1090, -633, kBoxCaptions, "10) Spediteur-Nr."},
    {160, -505, kBoxCaptions, "11) Empfänger"},
    {160, -745, kBoxCaptions, "12) Empfänger-Nr."},
    {1090, -780, kBoxCaptions, "13) Bordero-/Ladeliste-Nr."},
    {160, -785, kBoxCaptions, "14) Anliefer-/Abladestelle"},
    {1090, -820, kBoxCaptions, "15) Versandvermerk für den Versandspediteur"},
    {1090, -925, kBoxCaptions, "16) Eintrefftermin"},
    {1620, -925, kBoxCaptions, "17) Eintreffzeit"},
    {160, -975, kBoxCaptions, "18) Zeichen und Nr."},
    {630, -975, kBoxCaptions, "19)"},
    {760, -975, kBoxCaptions, "20)"},
    {1040, -975, kBoxCaptions, "21)"},
    {1090, -975, kBoxCaptions, "22)"},
    {1680, -975, kBoxCaptions, "23) Lade-"},
    {1820, -975, kBoxCaptions, "24) Brutto-"},
    {630, -1437, kBoxCaptions, "25)"},
    {760, -1437, kBoxCaptions, "26)"},
    {1680, -1437, kBoxCaptions, "27)"},
    {1825, -1437, kBoxCaptions, "28)"},
    {160, -1525, kBoxCaptions, "29) Gefahrgut"},
    {160, -1985, kBoxCaptions, "30) Frankatur"},
    {780, -1985, kBoxCaptions, "31) Warenwert für Transportversicherung"},
    {1395, -1985, kBoxCaptions, "32) Versender-Nachnahme"},
    {1090, -2070, kBoxCaptions, "33) Anlagen"},
    {160, -2070, kBoxCaptions, "34) Auftragsnummer-Kunde"},
    {620, -2070, kBoxCaptions, "35) Kontierung"},
    {160, -2170, kBoxCaptions, "36) Transportmittel-Nr."},
    {620, -2170, kBoxCaptions, "37) LKW-Code"},
    {160, -2270, kBoxCaptions, "38) Versandart"},
    {620, -2270, kBoxCaptions, "39) Abrechnungs-Schl."},
    {160, -2370, kBoxCaptions, "40) Empfangsbestätigung des Warenempfängers"},
    {1090, -2240, kBoxCaptions, "41) Empfangsbestätigung des Fahrers"},
    {1090, -2495, kBoxCaptions, "42) Diese Sendung enthält"},
    {160, -2885, kBoxCaptions, "43) Es gelten die Allgemeinen Deutschen Spediteurbedingungen (ADSp)"},
    {205, -2915, kBoxCaptions, "in ihrer jeweils neuesten Fassung."},
    {1300, -2885, kBoxCaptions, "46) Für"},
    {1090, -703, kBoxCaptions, "Telefon"},
    {1600, -703, kBoxCaptions, "Fax"},
    {160, -1010, kBoxCaptions, "Packstück-Identifikations-Nr."},
    {630, -1010, kBoxCaptions, "Anzahl"},
    {760, -1010, kBoxCaptions, "Packstück"},
    {1040, -1010, kBoxCaptions, "SF"},
    {1090, -1010, kBoxCaptions, "Inhalt"},
    {1680, -1010, kBoxCaptions, "Gewicht kg"},
    {1820, -1010, kBoxCaptions, "Gewicht kg"},
    {525, -1475, kBoxCaptions, "Summe"},
    {805, -1437, kBoxCaptions, "Rauminhalt cdm / Lademeter"},
    {1565, -1475, kBoxCaptions, "Summen"},
    {160, -1560, kBoxCaptions, "UN-Nr.:"},
    {400, -1560, kBoxCaptions, "Gefahrgut-Bezeichnung"},
    {1090, -1560, kBoxCaptions, "Gefahrzettelmuster-Nr."},
    {1400, -1560, kBoxCaptions, "Verpackungsgruppe"},
    {1720, -1560, kBoxCaptions, "Nettomasse kg/l"},
    {160, -1785, kBoxCaptions, "Hinweise auf Sondervorschriften"},
    {160, -2400, kBoxCaptions, "Obige Sendung vollständig und in ordnungsgemäßem Zustand erhalten"},
    {160, -2590, kBoxCaptions, "Firmenstempel / Unterschrift"},
    {1090, -2270, kBoxCaptions, "Obige Sendung vollständig und in ordnungsgemäßem Zustand übernommen"},
    {1090, -2460, kBoxCaptions, "Datum"},
    {1350, -2460, kBoxCaptions, "Uhrzeit"},
    {1570, -2460, kBoxCaptions, "Unterschnrift"},
    {1730, -2495, kBoxCaptions, "davon getauscht"},
    {1090, -2540, kBoxCaptions, "Euro-Flach-Pal."},
    {1730, -2540, kBoxCaptions, "Euro-Flach-Pal."},
    {1090, -2590, kBoxCaptions, "Euro-Gitter-Pal."},
    {1730, -2590, kBoxCaptions, "Euro-Gitter-Pal."},
    // the VDA note, upwards (moved by CaptionShift)
    {140, -2850, kVdaNote, "Vordruck entspricht VDA-Empfehlung 4922 Vers. 3, Ausgabe September 2004 nach DIN 5018"},
    // the footer, upwards (texts from CaptionText)
    {50, -2900, kFooter, nullptr},
    {130, -2900, kFooter, nullptr},
};

// clang-format on

const int kCaptionRecordCount = int(std::size(kCaptionRecords));

QPoint CaptionShift(int group, int publisher)
{
    // Publisher 0's sheet prints the note higher up, beside the goods table.
    if (group == int(CaptionGroupId::VdaNote) && publisher == 0)
        return QPoint(-30, -1500);
    return QPoint();
}

QString CaptionText(int group, int point, int publisher)
{
    if (group != int(CaptionGroupId::Footer))
        return QString();
    if (point == 0)
        return FormTables::PublisherName(publisher);
    if (point == 1 && publisher == 0)
        return QStringLiteral("Bestell-Nr. 883");
    return QString();
}

namespace {

// The publishers' sheets: K for publisher 0, O for every other.
QVector<PublisherGroup> Sheets()
{
    using FormTables::SheetTable;
    const QVector<BoxRect> screen = Rects(kBoxRecords, kPrintTableSize);
    // Publisher 0's sheet: the order number and the field below it 2 to 3 mm
    // lower, the shipper's box up to the divider, the sum row 1 mm higher, the
    // foot 1 mm lower.
    const QVector<BoxRect> sheetK =
        SheetTable(screen, {{1, 1, 0, 20}, {77, 80, 0, -10}, {105, 105, 0, 10}},
                   {{0, {1400, 90, 1990, 140}}, {2, {160, 110, 1080, 300}}});
    // Every other publisher's sheet: the goods table 1 mm further left, its sum
    // row also 1 mm higher and the gross-weight sum narrower, the dangerous
    // goods 1 mm and everything below them 2 mm higher.
    const QVector<BoxRect> sheetO = SheetTable(
        screen, {{21, 76, -10, 0}, {77, 79, -10, -10}, {81, 86, 0, -10}, {87, 105, 0, -20}},
        {{80, {1815, 1430, 1980, 1475}}});
    // The same marks on every sheet: a corner at the frame's top-left and two
    // ticks on its left edge.
    const QVector<MarkPolyline> marks = {
        {{170, 50}, {150, 50}, {150, 70}}, {{150, 1900}, {150, 1930}}, {{150, 2130}, {150, 2100}}};
    return {{{0}, sheetK, marks}, {{}, sheetO, marks}};
}

} // namespace

const Forms::FormDescription& Description()
{
    static const FormDescription description = [] {
        FormDescription d;
        d.type = FormType::Forwarding;
        d.sheetWidth = kSheetWidth;
        d.sheetHeight = kSheetHeight;
        d.pageCount = 1;
        d.boxes = kBoxRecords;
        d.boxCount = kBoxCount;

        PageDrawing page;
        page.lines = kLines;
        page.lineStyles = {LineStyle{kPenWidth}};
        page.captions = kCaptionRecords;
        page.captionCount = kCaptionRecordCount;
        page.captionGroups = {{kTitleFont},
                              {kCaptionFont},
                              {kUpwardsFont},
                              {kUpwardsFont, Anchor::LeftBottom, CaptionSource::Hook}};
        d.pages = {page};

        d.publisherGroups = Sheets();
        d.margins = {{Settings::LeftMargin, Settings::TopMargin}};

        d.addressBoxes = {2, 10, 15, 17};
        // Up and down the goods table's columns.
        d.arrowMoves = {{true, 21, 69, 7}, {false, 28, 76, -7}};
        d.homeScrollsToTop = true;
        d.contextMenuId = 119;
        d.captionText = CaptionText;
        d.captionShift = CaptionShift;
        d.leaveBox = ForwardingSums::LeaveBoxHook;
        return d;
    }();
    return description;
}

} // namespace ForwardingLayout
