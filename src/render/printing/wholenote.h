#pragma once

#include "core/errors/error.h"
#include "core/forms/formdescription.h"
#include "core/printing/printcontext.h"

#include <QByteArray>
#include <QColor>
#include <QString>
#include <QVector>

class CKrDocument;
class QPagedPaintDevice;
class QPainter;

// The whole form on plain paper, for a PDF or for a printer without pre-printed
// sheets: the form's lines and captions, the texts of its boxes and the cross of
// its check word, at true size from the top-left corner of the sheet, exactly
// where the screen shows them. The texts are black, as typed onto a form; the
// form's ink is its own, or the colour of one of its originals, whose label
// stands in the margin.
//
// Units: 0.1 mm of the sheet, y downwards. Drawing starts at the origin of the
// painter's device, which must be the corner of the paper (a PDF page, or a
// printer in full-page mode); the 0.1 mm transform is set here.
//
// The print context gives the publisher (the edition line), the joined cells
// and the box fonts.
// A QGuiApplication must exist. Failures come back as false with a German
// message in `error`; nothing is shown to the user here.

// One copy: its label (empty for a plain copy) and the form's ink.
struct NoteCopy
{
    QString label;
    QColor ink = Qt::black;
};

// `count` copies. Labelled, the first ones are the form's originals in their
// order, each with its label and ink, and any beyond them are plain; otherwise
// all are plain copies in the form's own colours.
struct CopyPlan
{
    int count = 1;
    bool labelled = false;
};

// The form's mandatory originals, or all of them with the optional ones; a
// single plain copy for a form without labelled originals.
CopyPlan LabelledOriginals(const Forms::FormDescription& form, bool withOptional);
QVector<NoteCopy> PlanCopies(const Forms::FormDescription& form, const CopyPlan& plan);

// The pages of the form to draw (each 1 .. pageCount, in this order) for every
// copy: all pages of the first copy, then those of the second, and so on.
struct WholeNoteJob
{
    QVector<int> pages{1};
    CopyPlan copies;
};

// Every page of the form once, plain.
WholeNoteJob AllPagesJob(const Forms::FormDescription& form);

// One page of the whole note for one copy. The painter's state is kept.
void DrawWholeNotePage(QPainter& painter, const CKrDocument& document, const PrintContext& context,
                       int page, const NoteCopy& copy);

// The job onto a device that is set up already (a printer in full-page mode);
// one page of the device per page of the job. NoPageChosen, NoSuchPage,
// NoteCopiesOutOfRange, or PrintJobFailed when the device refuses to paint or a
// new page.
Error PrintWholeNote(QPagedPaintDevice& device, const CKrDocument& document,
                     const PrintContext& context, const WholeNoteJob& job);

// The job as a PDF in memory: pages of the sheet's size, real text, the
// document's title as the PDF's title and the program with its version as its
// creator.
Expected<QByteArray> WholeNotePdf(const CKrDocument& document, const PrintContext& context,
                                  const WholeNoteJob& job);
// The same written to `path` as one piece (WriteFileSafely): a failure keeps
// any file that was there.
Error SaveWholeNotePdf(const CKrDocument& document, const PrintContext& context,
                       const WholeNoteJob& job, const QString& path);
