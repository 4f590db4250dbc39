#pragma once

#include "core/forms/boxchange.h"
#include "core/forms/formtables.h"
#include "core/forms/formtype.h"
#include "core/settings/settingkeys.h"

#include <QPoint>
#include <QString>
#include <QVector>

class CFieldStore;
class CSettingsStore;

// A form (and edition) as data: everything in which the four forms differ, so
// that one painter draws any of them, one print routine prints any of them and
// one form view edits any of them. A form is a table file that fills one of
// these, plus the few hooks declared at the end.
//
// Units and conventions are those of FormTables: 0.1 mm of the sheet, box
// rectangles with y downwards, flat line tables and caption points with y
// negative.
//
// Lifetime: descriptions are static data of the program; the pointers inside
// point at static tables. Nothing here is ever freed or changed.
namespace Forms {

using FormTables::BoxRect;

// How a line group of a page is drawn: segments with a pen of `penWidth`
// logical units in `rgb` (0xRRGGBB); the group's first `filledRects` segments
// are rectangles (corner to corner) filled in `fillRgb` instead. A group the
// edition does not show is skipped.
struct LineStyle
{
    int penWidth = 1;
    quint32 rgb = 0x000000;
    int filledRects = 0;
    quint32 fillRgb = 0xC0C0C0;
    bool drawn = true;
};

// A caption font: Arial, `weight` (400 normal, 700 bold), a cell height of
// zoom x heightTwelfths / 12 logical units (truncated); `upwards` turns the
// text a quarter left, so that it reads from bottom to top.
struct CaptionFont
{
    int heightTwelfths = 37;
    int weight = 400;
    bool upwards = false;

    friend bool operator==(const CaptionFont& a, const CaptionFont& b)
    {
        return a.heightTwelfths == b.heightTwelfths && a.weight == b.weight &&
               a.upwards == b.upwards;
    }
};

// Which corner of a caption's text lies on its point.
enum class Anchor { LeftBottom, RightBottom };

// Where a caption group's texts come from: each caption record's own text; the
// form's edition line with the publisher; or the form's caption hook.
enum class CaptionSource { Table, EditionLine, Hook };

struct CaptionGroup
{
    CaptionFont font;
    Anchor anchor = Anchor::LeftBottom;
    CaptionSource source = CaptionSource::Table;
    bool drawn = true;
    // The group's first `leadingCount` captions in `leadingFont` (title lines).
    int leadingCount = 0;
    CaptionFont leadingFont;
};

// One page of the form as the screen shows it: its flat line table with a style
// per group, and its `captionCount` captions in drawing order, each naming one
// of the caption groups.
struct PageDrawing
{
    const qint32* lines = nullptr;
    QVector<LineStyle> lineStyles;
    const FormTables::CaptionRecord* captions = nullptr;
    int captionCount = 0;
    QVector<CaptionGroup> captionGroups;
};

// A polyline of a registration mark, relative to the print shift of the page.
using MarkPolyline = QVector<QPoint>;

// The publishers that share a sheet: where every box and check box lies on it
// (entries as in the box table, without the follow-on box; the forms make them
// with FormTables::SheetTable from the screen's rectangles) and the marks
// printed for lining the sheet up. An empty `publishers` list stands for every
// publisher no other group lists.
struct PublisherGroup
{
    QVector<int> publishers;
    QVector<BoxRect> printRects;
    QVector<MarkPolyline> marks;
};

// The settings keys of a printed page's shift, right and down positive.
struct PageMargins
{
    IntSetting left;
    IntSetting top;
};

// One of the originals a form travels as, told apart by a label in the margin
// and by the colour of the form's ink (0xRRGGBB). The optional ones are made
// only on request.
struct CopyLabel
{
    const char* text; // UTF-8
    quint32 inkRgb;
    bool optional = false;
};

// Where the label of an original goes: its text in `font`, the anchoring corner
// at `at` (0.1 mm of the sheet, y downwards), outside the form's frame.
struct CopyLabels
{
    QVector<CopyLabel> copies; // empty: the form has plain copies only
    CaptionFont font;
    Anchor anchor = Anchor::LeftBottom;
    QPoint at;
};

// What a box means to the data exchange with other programs (the consignment
// record, core/exchange). None: free text, which nothing reads by its meaning.
//
// Most meanings lie on one box of a form. A line meaning (marked "lines") may
// lie on several boxes, which then hold the lines of one text in index order. A
// row meaning (marked "row") starts a row in every box that has it: the n-th box
// of the meaning, in index order, belongs to row n (goods item n, charge n).
// Cents lies right after the box of the amount whose cents it holds.
//
// The meanings of check boxes say what their cross means; the check word w
// crosses check box w - 1.
enum class BoxMeaning : quint8 {
    None,
    NoteNumber,
    PlaceOfIssue,
    DateOfIssue,
    PlaceAndDateOfIssue, // "place - date"
    // Parties: name and address lines, contact lines.
    Sender,
    Consignee,
    Carrier,
    SuccessiveCarriers, // one party, or several apart by a blank line
    Forwarder,
    OrderingParty, // one line: the carrier's contracting party, parts apart by commas
    ForwarderPhone,
    ForwarderFax,
    // Places and dates of the carriage.
    TakingOverPlace,        // lines
    TakingOverPlaceAndDate, // place and country lines and a date line
    TakingOverDate,
    TakingOverTime,
    DeliveryPlace,         // lines
    FurtherLoadingPlace,   // row
    FurtherUnloadingPlace, // row
    // Goods items, each a row.
    GoodsMarks,
    GoodsPackages,
    GoodsPacking,
    GoodsPackagesAndPacking, // "12 Paletten"
    GoodsDescription,
    GoodsStatisticalNumber,
    GoodsGrossWeight,
    GoodsVolume,
    GoodsWeightOrVolume, // kg, or m³ where the text says so
    GoodsLoadingWeight,
    // The dangerous goods of the note.
    DangerousUnNumber,
    DangerousName,
    DangerousLabel,
    DangerousPackingGroup,
    DangerousTunnelCode,
    // Instructions, agreements, payment.
    SenderInstructions, // lines
    SpecialAgreements,  // lines
    AttachedDocuments,
    PaymentInstructions, // "frei", "unfrei", the carriage terms
    CashOnDelivery,
    // The table of charges to be paid by the sender or the consignee: row n is
    // the n-th kind of charge of the international note (carriage charges,
    // deductions, balance, supplements, other charges, miscellaneous, total).
    PayableBySender,    // row
    SenderCurrency,     // row
    ConsigneeCurrency,  // row
    PayableByConsignee, // row
    // A freight calculation in euros.
    FreightSum,    // row
    ServiceAmount, // row
    Subtotal,
    NetAmount,
    TaxAmount,
    TotalAmount,
    Cents,
    // The vehicle.
    VehiclePlate,
    TrailerPlate,
    // Check boxes.
    PermitNational,
    PermitBilateral,
    PermitEc,
    PermitCemt,
    OpenVehicleYes,
    OpenVehicleNo,
    TermsAdr,
    TermsHgb,
    TermsVbglAgl,
    TermsAdsp,
};

// What a new note writes into a box by itself, with the automatic date.
enum class BoxFill : quint8 {
    None,
    Date,         // the date
    PlaceAndDate, // "place - date", or the date alone without a place
    Place,        // the place of issue as the setting holds it (empty too)
    PlaceIfGiven, // the place of issue, trimmed, unless it is empty
};

// How a box aligns its text (the format word's alignment).
inline constexpr quint8 kLeft = 0;
inline constexpr quint8 kCentred = 1;
inline constexpr quint8 kRight = 2;

// A box of the form: where the screen shows it, how a new note aligns its
// text, what it means for the data exchange, what assistive technology calls
// it where the captions do not tell (UTF-8, or null: the box is then named
// after the captions nearest to it), the setting a new note takes its text
// from (or null) and what a new note writes into it by itself. Check boxes and
// the follow-on box use the rectangle alone.
struct BoxRecord
{
    BoxRect rect;
    quint8 align = kLeft;
    BoxMeaning meaning = BoxMeaning::None;
    const char* name = nullptr;
    const TextSetting* defaultText = nullptr;
    BoxFill fill = BoxFill::None;
};

// The rectangles of the first `count` records, for the publishers' sheets
// (FormTables::SheetTable).
QVector<BoxRect> Rects(const BoxRecord* boxes, int count);

// An arrow key's move between the rows of a table: from every box of
// `from`..`to` to the box `delta` further on.
struct ArrowMove
{
    bool down;
    int from;
    int to;
    int delta;
};

struct FormDescription
{
    FormType type = FormType::Cmr;
    // The sheet in 0.1 mm; the frame the form's lines keep to.
    int sheetWidth = 2100;
    int sheetHeight = 2970;
    // Pages the form shows and prints (the CMR note has a back page; every form
    // keeps one follow-on box for the editor).
    int pageCount = 1;

    // The box table: `boxCount` boxes, then `checkBoxCount` check boxes, then
    // the follow-on box. The records of the boxes hold their alignments,
    // names, default texts and automatic dates.
    const BoxRecord* boxes = nullptr;
    int boxCount = 0;
    int checkBoxCount = 0;
    // The font-size step every box of a new note starts with.
    int fontSizeStep = 2;
    // The box whose text must hold more than white space for the check boxes to
    // count (cross shown, click taken), or -1.
    int checkGuardBox = -1;

    QVector<PageDrawing> pages;
    // The text of the edition line (caption groups of source EditionLine).
    QString editionText;

    QVector<PublisherGroup> publisherGroups;
    QVector<PageMargins> margins; // one per page

    // The labelled originals of the whole form on plain paper; the mandatory
    // ones come first.
    CopyLabels copyLabels;

    // Boxes that take an address from the address book (page 1).
    QVector<int> addressBoxes;
    QVector<ArrowMove> arrowMoves;
    // Home scrolls to the top-left corner of the form.
    bool homeScrollsToTop = false;
    // Cells that the setting `mergedRowsSetting` (1: joined) joins; null when
    // the form has none.
    const FormTables::MergedRows* mergedRows = nullptr;
    IntSetting mergedRowsSetting{nullptr, 0};

    // The context menu of the view.
    int contextMenuId = 119;

    // Declared hooks; null where the form has none.
    //
    // The text of a group's caption `point` (counted within the group, in
    // drawing order) for a group of source Hook, for a publisher.
    QString (*captionText)(int group, int point, int publisher) = nullptr;
    // How far a caption group lies from its points for a publisher (y downwards).
    QPoint (*captionShift)(int group, int publisher) = nullptr;
    // Runs when the view leaves page-1 box `box` (and when it re-selects it
    // before saving or printing), before the next box becomes current: the
    // form's automatic formatting, on the text the store holds for `box` (the
    // view has written the text being typed there first). Returns
    // what the formatting changed in that box beyond trimming it and writing
    // the same value anew (Kind::None for nothing to tell).
    BoxChange (*leaveBox)(CFieldStore& store, const CSettingsStore& settings, int box) = nullptr;

    // The section of the form's settings.
    QString Section() const { return GetFormTypeInfo(type).section; }
    // The format word a page-1 box of a new note starts with (page 2: the
    // font-size step alone).
    quint16 InitialFormat(int index, int page) const;
    // Gives the store the form's boxes, all empty, in their initial formats.
    void DefineBoxes(CFieldStore& store) const;
    // Record `index` of the box table (0 .. boxCount + checkBoxCount; any
    // other index is taken as 0).
    const BoxRecord& Box(int index) const;
    // Entry `index` of the box table: page 1 takes 0 .. boxCount + checkBoxCount
    // (any other index is taken as 0), any other page the follow-on box.
    BoxRect BoxEntry(int index, int page) const;
    BoxRect FollowBox() const { return boxes[boxCount + checkBoxCount].rect; }
    // The screen rectangle of a box at the zoom, joined cells stretched.
    BoxRect ScreenRect(int index, int page, int zoom, bool merged) const;
    // The publishers' sheet a publisher prints on.
    const PublisherGroup& GroupOf(int publisher) const;
    // The rectangle of a box on a publisher's sheet before the print shift:
    // page 1 boxes and check boxes from the group's table (any other index is
    // taken as 0), any other page the follow-on box, which lies alike on every
    // sheet. Joined cells stretched.
    BoxRect PrintEntry(int index, int page, int publisher, bool merged) const;
    // Whether joined cells are on: the form has them and its setting is 1.
    bool MergedRowsOn(const CSettingsStore& settings) const;
    // The check box a check word crosses (0 .. checkBoxCount - 1), or -1: no
    // cross for 0, for a word beyond the check boxes (a damaged file), or while
    // the guard box is blank: its stored text, or the text it shows while it is
    // being typed into.
    int CrossedCheckBox(quint16 word, const CFieldStore& store) const;
    int CrossedCheckBox(quint16 word, const QString& guardText) const;
    // Whether the check boxes take a click now (the guard box, if any, filled).
    bool CheckBoxesActive(const CFieldStore& store) const;
    bool CheckBoxesActive(const QString& guardText) const;
    // Where an arrow key leads from a page-1 box, or -1 when it does not move.
    int ArrowTarget(bool down, int index) const;
    bool IsAddressBox(int index) const { return addressBoxes.contains(index); }
};

// The description a new note of a form gets: the national note's edition is the
// one its settings choose now. A note keeps its description for its life.
const FormDescription& DescriptionForNew(FormType type, const CSettingsStore& settings);
// A form's newest edition.
const FormDescription& NewestDescription(FormType type);
// Every form and edition the engine knows.
QVector<const FormDescription*> AllFormDescriptions();

} // namespace Forms
