#pragma once

#include "core/exchange/consignment.h"
#include "core/exchange/exchangereport.h"
#include "core/forms/formdescription.h"

#include <QStringList>

class CKrDocument;

// A note's boxes read into the consignment record, and a record written into
// the boxes of a form. What a box means is its meaning in the form's box table
// (Forms::BoxRecord::meaning); how it holds it (whole text, address lines,
// number, date) follows from the meaning: see meaningslots.h, addresssplit.h
// and boxvalues.h.
namespace Exchange {

// The record of a note: its form and edition, its page-1 box texts (by index,
// line breaks CR LF or LF; missing ones count as empty) and its check-box word.
// Boxes without a meaning that hold text are listed as free boxes. A check box
// counts only while the form's guard box holds text, as on the screen.
Consignment ReadNote(const Forms::FormDescription& form, const QStringList& texts,
                     quint16 checkWord);
// The same for a document: its form, the texts of its store and its word (the
// caller has written the box being typed into the store first).
Consignment ReadNote(const CKrDocument& document);

struct WriteOptions
{
    int dateFormat = 0; // a date format code of CStringFormat (the form's "Datumformat")
};

// A form's boxes for a record.
struct BoxTexts
{
    QStringList texts; // page 1, one per box of the form, line breaks CR LF
    quint16 checkWord = 0;
    // What the form has no box for (NoBox) and where lines were joined
    // (LinesJoined).
    Report report;
};

// Writes every value of the record into the box that means it. Where the
// record was read from boxes of the same meaning and still says what they said
// (a source), their texts are written as they were; otherwise the value is
// written as the form's boxes hold it: numbers with the form's separators,
// dates in `options.dateFormat`, addresses as ComposeAddress writes them. Free
// boxes go back only into the form and edition they were read from.
BoxTexts BoxTextsFor(const Consignment& consignment, const Forms::FormDescription& form,
                     const WriteOptions& options);

} // namespace Exchange
