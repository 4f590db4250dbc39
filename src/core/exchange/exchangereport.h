#pragma once

#include "core/exchange/consignment.h"
#include "core/forms/formdescription.h"

#include <QString>
#include <QVector>

// What the data exchange tells about a note it read, exported or wrote: one
// structured item per finding, never a sentence. The widgets and the
// command-line tool phrase them (the box numbers are page-1 indices of the
// note's form; a caller shows them as the form's box names).
namespace Exchange {

enum class ReportKind : quint8 {
    // A box without a meaning holds text; an export leaves it out (box, text).
    FreeText,
    // A value the schema has no element for; an export leaves it out (box,
    // meaning, text).
    NoElement,
    // A text longer than the element allows, written as repeated elements of at
    // most `limit` characters each (box, element, limit).
    Split,
    // A text longer than the element allows where the element does not repeat:
    // written whole (box, element, limit, text). Beyond the schema type's own
    // maximum the document then no longer validates (`breaksSchema`).
    TooLong,
    // A box's text did not read as a number, a date or a code the element takes;
    // the element is left out (box, element, text).
    NotANumber,
    NotADate,
    NotACode,
    // A number beyond the digits the element allows; left out (box, element, text).
    OutOfRange,
    // A number with more decimals than the element takes, written rounded to
    // `limit` decimals (box, element, text).
    Rounded,
    // A goods row's value that the document holds only as part of the
    // consignment's total (box, element).
    Summed,
    // A value the note does not give, taken from the export's options (box,
    // element, text: the value taken).
    Assumed,
    // The address splitter could not place all lines of a box; they are kept
    // whole (box, element, issue).
    AddressNotSplit,
    // Writing a form's boxes: the form has no box for a value of the record
    // (meaning, row, text; a free box of another form: meaning None, row its
    // box there).
    NoBox,
    // Writing a form's boxes: a text has more lines than the form has boxes for
    // it; the last box holds the rest, joined by ", " (box).
    LinesJoined,
};

struct ReportItem
{
    ReportKind kind = ReportKind::FreeText;
    int box = -1; // page-1 index of the note's form, -1 where no box is concerned
    Forms::BoxMeaning meaning = Forms::BoxMeaning::None;
    int row = -1;
    QString element; // the element's path below the document's root
    int limit = 0;
    bool breaksSchema = false;
    AddressIssue issue = AddressIssue::NoTown;
    QString text;
};

bool operator==(const ReportItem& a, const ReportItem& b);

using Report = QVector<ReportItem>;

} // namespace Exchange
