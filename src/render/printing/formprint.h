#pragma once

#include "core/forms/formdescription.h"
#include "core/printing/printcontext.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>

class CFieldPainter;
class CKrDocument;
class QPainter;

// One printed page of any form of the engine on its publisher's pre-printed
// sheet: the texts of the boxes, the cross of the check word and the
// registration marks. The sheet already carries the lines and captions, so they
// are never printed.
//
// Units: 0.1 mm of the paper at real size, y downwards, origin at the top-left
// corner of the printable area. The caller hands a painter whose origin is that
// corner (a QPrinter out of full-page mode, or a PDF page without margins);
// PrintPage sets the 0.1 mm transform itself and never scales to fit the paper.
// The zoom of any view plays no part: the print tables are real size.
//
// What the settings say (publisher, joined cells, margins, printer font factor,
// print-area correction, box fonts) comes in the print context, read once per
// job; nothing is read while printing.
//
// Ownership: the document must outlive the object and is only read; the
// context is copied.
class CFormPrint
{
public:
    // The document's form and edition, printed as the context says.
    CFormPrint(const CKrDocument& document, const PrintContext& context);

    // Prints page 1 (front) or, on a form with a back page, page 2 (any other
    // value counts as 2) onto the painter. The painter's state is restored.
    void PrintPage(QPainter& painter, int page);

    // The print preview of a page: the form as the sheet carries it, in a faint
    // ink, drawn from the corner of the paper, under exactly what PrintPage
    // prints. `printableCorner` is where the painter's origin (the printable
    // area) lies on the paper, in 0.1 mm right and down; the form is drawn that
    // far up and left of the origin, as the paper lies under a printer that
    // cannot reach its edge. The painter's state is restored.
    void PreviewPage(QPainter& painter, int page, const QPointF& printableCorner);
    // The ink of that faint form.
    static QColor PreviewFormInk();

    // Where the text of a box is printed, before the print-area correction: the
    // publisher's rectangle (page 1, the check boxes after the boxes) or the
    // follow-on box (any other page), moved by the offset. Right and bottom are
    // exclusive, as the field painter takes them.
    static QRect PrintRect(const Forms::FormDescription& form, int index, int page, int publisher,
                           bool merged, const QPoint& offset);

private:
    QRect GetPrintRect(int index, int page) const;
    void PrintMarks(QPainter& painter) const;
    void PrintBoxes(QPainter& painter, const CFieldPainter& fields) const;
    void PrintFollowBox(QPainter& painter, const CFieldPainter& fields) const;

    const Forms::FormDescription& m_form;
    const CKrDocument& m_document;
    const PrintContext m_context;
    // The shift of the page being printed.
    QPoint m_offset;
};
