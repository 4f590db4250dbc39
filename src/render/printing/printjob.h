#pragma once

#include "core/errors/error.h"
#include "core/printing/printcontext.h"

#include <QString>

#include <functional>

class CKrDocument;
class QPagedPaintDevice;

// A print job onto pre-printed sheets: the same page of a document once per
// copy, each copy a page of its own in one job. The printer and the PDF output
// of the command-line tool receive exactly the same drawing.
//
// A QGuiApplication must exist (fonts are measured). Failures come back as an
// Error; nothing is shown to the user here.

// The largest number of copies one job takes; the print dialog offers no more.
inline constexpr int kMaxPrintCopies = 99;

// Prints `copies` pages onto the device, which must be set up already (printer,
// paper, output file). The painter origin is the device's printable area; see
// CFormPrint. NoSuchPage, CopiesOutOfRange, or PrintJobFailed when the device
// cannot be painted on or refuses a new page.
Error PrintDocumentPages(QPagedPaintDevice& device, const CKrDocument& document,
                         const PrintContext& context, int page, int copies);

// The same into a PDF file: A4 portrait at true size without margins (a PDF has
// no unprintable border), with the texts as real text.
Error PrintDocumentToPdf(const CKrDocument& document, const PrintContext& context,
                         const QString& path, int page, int copies);

// Runs `print` on such a PDF file. A job the file refused (PrintJobFailed) is
// told as a file that could not be written (OutputNotWritten); other errors of
// `print` are passed on.
using PrintToDevice = std::function<Error(QPagedPaintDevice& device)>;
Error PrintToA4Pdf(const QString& path, const PrintToDevice& print);
