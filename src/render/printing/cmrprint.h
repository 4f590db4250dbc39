#pragma once

#include <QPoint>
#include <QRect>

class CFieldPainter;
class CKrDocument;
class CSettingsStore;
class QPainter;

// One printed page of a CMR consignment note on the publisher's pre-printed
// sheet: the texts of the boxes, the permit cross and the two alignment marks.
// The sheet already carries the lines and captions, so they are never printed.
//
// Units: 0.1 mm of the paper at real size, y downwards, origin at the top-left
// corner of the printable area. The caller hands a painter whose origin is that
// corner (a QPrinter out of full-page mode, or a PDF page without margins);
// PrintPage sets the 0.1 mm transform itself and never scales to fit the paper.
// The zoom of any view plays no part: the print tables are real size.
//
// Settings are read at the moment of printing, from the CMR section:
// "Hersteller" (the publisher's print table; 0 has its own, every other value
// the table of publishers 1 to 3), "Feld6Modus" (merged goods rows),
// "DruckerSchriftFaktor" (printer font factor) and "LeftMargin1"/"TopMargin1"
// or "LeftMargin2"/"TopMargin2"; the field painter adds the print-area
// correction "PrnFactorV"/"PrnFactorH" of "Settings" to every box text.
//
// Ownership: the document and the settings store must outlive the object; the
// document is only read.
class CCmrPrint
{
public:
    CCmrPrint(const CKrDocument& document, CSettingsStore& settings);

    // Prints page 1 (front) or 2 (back; any other value counts as 2) onto the
    // painter. The painter's state is restored afterwards.
    void PrintPage(QPainter& painter, int page);

    // The shift of a page in 0.1 mm, right and down positive.
    QPoint PrintOffset(int page) const;

    // Where the text of a box is printed, before the print-area correction:
    // the publisher's rectangle (page 1, index 0..179 with the permit boxes at
    // 176..179) or the back page's box (any other page), moved by the offset.
    // Right and bottom are exclusive, as the field painter takes them.
    static QRect PrintRect(int index, int page, int publisher, bool mergedGoodsRows,
                           const QPoint& offset);

private:
    QRect GetPrintRect(int index, int page) const;
    void PrintAlignmentMarks(QPainter& painter) const;
    void PrintBoxesPage1(QPainter& painter, const CFieldPainter& fields) const;
    void PrintBoxPage2(QPainter& painter, const CFieldPainter& fields) const;

    const CKrDocument& m_document;
    CSettingsStore& m_settings;
    // Set anew for every page.
    int m_publisher = 0;
    bool m_mergedGoodsRows = false;
    QPoint m_offset;
};
