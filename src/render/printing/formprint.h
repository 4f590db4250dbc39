#pragma once

#include "views/formdescription.h"

#include <QColor>
#include <QPoint>
#include <QPointF>
#include <QRect>

class CFieldPainter;
class CKrDocument;
class CSettingsStore;
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
// Settings are read at the moment of printing, from the form's section:
// "Hersteller" (the publisher's sheet), the joined cells of the form (the CMR
// note's "Feld6Modus"), "DruckerSchriftFaktor" (printer font factor) and the
// page's margin keys; the field painter adds the print-area correction
// "PrnFactorV"/"PrnFactorH" of "Settings" to every box text.
//
// Ownership: the document and the settings store must outlive the object; the
// document is only read.
class CFormPrint
{
public:
    // The document's form and edition.
    CFormPrint(const CKrDocument& document, CSettingsStore& settings);

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

    // The shift of a page in 0.1 mm, right and down positive.
    QPoint PrintOffset(int page) const;

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
    CSettingsStore& m_settings;
    // Set anew for every page.
    int m_publisher = 0;
    bool m_merged = false;
    QPoint m_offset;
};
