#include "render/printing/printjob.h"

#include "core/documents/krdocument.h"
#include "core/files/safewrite.h"
#include "core/forms/formdescription.h"
#include "render/printing/formprint.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

void SetError(QString* error, const QString& message)
{
    if (error)
        *error = message;
}

} // namespace

QString PrintJobFailedMessage()
{
    return QCoreApplication::translate("PrintJob",
                                       "Der Druckauftrag konnte nicht ausgeführt werden.");
}

bool PrintDocumentPages(QPagedPaintDevice& device, const CKrDocument& document,
                        const PrintContext& context, int page, int copies, QString* error)
{
    if (page < 1 || page > document.Form().pageCount) {
        SetError(
            error,
            QCoreApplication::translate("PrintJob", "Das Formular hat keine Seite %1.").arg(page));
        return false;
    }
    if (copies < 1 || copies > kMaxPrintCopies) {
        SetError(error, QCoreApplication::translate(
                            "PrintJob", "Die Anzahl der Kopien muss zwischen 1 und %1 liegen.")
                            .arg(kMaxPrintCopies));
        return false;
    }

    QPainter painter;
    if (!painter.begin(&device)) {
        SetError(error, PrintJobFailedMessage());
        return false;
    }
    CFormPrint sheet(document, context);
    for (int copy = 0; copy < copies; ++copy) {
        if (copy > 0 && !device.newPage()) {
            painter.end();
            SetError(error, PrintJobFailedMessage());
            return false;
        }
        sheet.PrintPage(painter, page);
    }
    if (!painter.end()) {
        SetError(error, PrintJobFailedMessage());
        return false;
    }
    return true;
}

bool PrintToA4Pdf(const QString& path, const PrintToDevice& print, QString* error)
{
    // Made in memory and written whole, so that a failure never leaves a cut-off
    // PDF in place of the old one.
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    writer.setCreator(QStringLiteral("Tarvelomark"));
    QString jobError;
    if (!print(writer, &jobError)) {
        // A file that cannot be opened is the usual cause; say which one.
        SetError(error, jobError == PrintJobFailedMessage()
                            ? QCoreApplication::translate(
                                  "PrintJob", "%1: Die Datei konnte nicht geschrieben werden.")
                                  .arg(path)
                            : jobError);
        return false;
    }
    return WriteFileSafely(path, pdf, error);
}

bool PrintDocumentToPdf(const CKrDocument& document, const PrintContext& context,
                        const QString& path, int page, int copies, QString* error)
{
    return PrintToA4Pdf(
        path,
        [&](QPagedPaintDevice& device, QString* jobError) {
            return PrintDocumentPages(device, document, context, page, copies, jobError);
        },
        error);
}
