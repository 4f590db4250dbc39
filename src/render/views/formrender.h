#pragma once

#include "core/errors/error.h"
#include "core/printing/printcontext.h"

#include <QColor>
#include <QSizeF>
#include <QString>

class CKrDocument;
class QPainter;

// A document's form (and edition) as the screen shows it, drawn into a picture
// or a PDF: the blank form of one page with the texts of its boxes in the edit
// text colour, as the print context has the publisher, the joined cells, the
// text colour and the box fonts.
//
// A QGuiApplication must exist.

// The colours of a drawn page: the form's lines and captions in `ink` (invalid:
// the form's own colours) and the box texts in `text` (invalid: the form's
// text colour of the context, as on the screen).
struct PageColours
{
    QColor ink;
    QColor text;
};

// Draws page `page` (1 or 2) at `zoom` (tenths, 10 = real size) onto a painter
// whose transform maps 0.1 mm, y downwards, origin at the top-left corner of the
// sheet. The painter's state is kept.
void RenderFormPage(QPainter& painter, const CKrDocument& document, const PrintContext& context,
                    int page, int zoom, const PageColours& colours = {});

// Renders into `path`: a PNG (".png", 96 dots per inch, the sheet at the zoom on
// white) or a PDF (".pdf", one page of the sheet's size at the zoom), chosen by
// the extension. On failure UnsupportedOutputType for another extension,
// NoSuchPage, ZoomOutOfRange, OutputNotWritten when the picture cannot be made,
// or the writer's error.
Error RenderDocumentToFile(const CKrDocument& document, const PrintContext& context,
                           const QString& path, int page, int zoom);
