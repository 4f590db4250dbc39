#include "render/printing/printjob.h"

#include "core/documents/krdocument.h"
#include "core/files/safewrite.h"
#include "core/forms/formdescription.h"
#include "render/printing/formprint.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

Error PrintDocumentPages(QPagedPaintDevice& device, const CKrDocument& document,
                         const PrintContext& context, int page, int copies)
{
    if (page < 1 || page > document.Form().pageCount)
        return Error(ErrorCode::NoSuchPage, {QString::number(page)});
    if (copies < 1 || copies > kMaxPrintCopies)
        return Error(ErrorCode::CopiesOutOfRange, {QString::number(kMaxPrintCopies)});

    QPainter painter;
    if (!painter.begin(&device))
        return Error(ErrorCode::PrintJobFailed);
    CFormPrint sheet(document, context);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage()) {
            painter.end();
            return Error(ErrorCode::PrintJobFailed);
        }
        sheet.PrintPage(painter, page);
    }
    if (!painter.end())
        return Error(ErrorCode::PrintJobFailed);
    return Error();
}

Error PrintToA4Pdf(const QString& path, const PrintToDevice& print)
{
    // Made in memory and written whole, so that a failure never leaves a cut-off
    // PDF in place of the old one.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Tarvelomark"));
    if (const Error jobError = print(writer)) {
        // A file that cannot be opened is the usual cause; say which one.
        if (jobError.code() == ErrorCode::PrintJobFailed)
            return Error(ErrorCode::OutputNotWritten).inFile(path);
        return jobError;
    }
    return WriteFileSafely(path, pdf);
}

Error PrintDocumentToPdf(const CKrDocument& document, const PrintContext& context,
                         const QString& path, int page, int copies)
{
    return PrintToA4Pdf(path, [&](QPagedPaintDevice& device) {
        return PrintDocumentPages(device, document, context, page, copies);
    });
}
