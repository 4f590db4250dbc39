#include "render/printing/wholenote.h"

#include "core/documents/krdocument.h"
#include "core/files/safewrite.h"
#include "core/settings/regeditmanagment.h"
#include "render/printing/printjob.h"
#include "render/rendercontext.h"
#include "render/views/formpainter.h"
#include "render/views/formrender.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

namespace {

// Why the job cannot be drawn; empty when it can.
Error CheckJob(const CKrDocument& document, const WholeNoteJob& job)
{
    if (job.pages.isEmpty())
        return Error(ErrorCode::NoPageChosen);
    for (int page : job.pages)
        if (page < 1 || page > document.Form().pageCount)
            return Error(ErrorCode::NoSuchPage, {QString::number(page)});
    if (job.copies.count < 1 || job.copies.count > kMaxPrintCopies)
        return Error(ErrorCode::NoteCopiesOutOfRange, {QString::number(kMaxPrintCopies)});
    return Error();
}

QString CreatorText()
{
    ProductVersion version;
    if (!ParseProductVersion(CRegeditManagment::BuiltProductVersion(), &version))
        return QStringLiteral("Tarvelomark");
    return QStringLiteral("Tarvelomark %1").arg(FormatVersionText(version));
}

} // namespace

CopyPlan LabelledOriginals(const Forms::FormDescription& form, bool withOptional)
{
    int count = 0;
    for (const Forms::CopyLabel& label : form.copyLabels.copies)
        if (withOptional || !label.optional)
            ++count;
    if (count == 0)
        return CopyPlan{};
    return CopyPlan{count, true};
}

QVector<NoteCopy> PlanCopies(const Forms::FormDescription& form, const CopyPlan& plan)
{
    QVector<NoteCopy> copies;
    const QVector<Forms::CopyLabel>& labels = form.copyLabels.copies;
    for (int k = 0; k < plan.count; ++k) {
        if (plan.labelled && k < labels.size())
            copies.append({QString::fromUtf8(labels[k].text), QColor(QRgb(labels[k].inkRgb))});
        else
            copies.append(NoteCopy{});
    }
    return copies;
}

WholeNoteJob AllPagesJob(const Forms::FormDescription& form)
{
    WholeNoteJob job;
    job.pages.clear();
    for (int page = 1; page <= form.pageCount; ++page)
        job.pages.append(page);
    return job;
}

void DrawWholeNotePage(QPainter& painter, const CKrDocument& document, const PrintContext& context,
                       int page, const NoteCopy& copy)
{
    painter.save();
    Render::SetUpPaperPainter(painter);
    // A plain copy keeps the form's own colours (its grey shading); an original
    // is all in its ink.
    const QColor ink = copy.label.isEmpty() ? QColor() : copy.ink;
    RenderFormPage(painter, document, context, page, 10, PageColours{ink, Qt::black});
    CFormPainter(document.Form(), 10).DrawCopyLabel(painter, copy.label, copy.ink);
    painter.restore();
}

Error PrintWholeNote(QPagedPaintDevice& device, const CKrDocument& document,
                     const PrintContext& context, const WholeNoteJob& job)
{
    if (Error error = CheckJob(document, job))
        return error;
    QPainter painter;
    if (!painter.begin(&device))
        return Error(ErrorCode::PrintJobFailed);
    bool first = true;
    for (const NoteCopy& copy : PlanCopies(document.Form(), job.copies)) {
        for (int page : job.pages) {
            if (!first && !device.newPage()) {
                painter.end();
                return Error(ErrorCode::PrintJobFailed);
            }
            first = false;
            DrawWholeNotePage(painter, document, context, page, copy);
        }
    }
    if (!painter.end())
        return Error(ErrorCode::PrintJobFailed);
    return Error();
}

Expected<QByteArray> WholeNotePdf(const CKrDocument& document, const PrintContext& context,
                                  const WholeNoteJob& job)
{
    if (Error error = CheckJob(document, job))
        return error;
    const Forms::FormDescription& form = document.Form();
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&buffer);
        const QSizeF sheetMm(form.sheetWidth / 10.0, form.sheetHeight / 10.0);
        writer.setPageLayout(
            QPageLayout(QPageSize(sheetMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        writer.setTitle(document.GetTitle());
        writer.setCreator(CreatorText());
        if (Error error = PrintWholeNote(writer, document, context, job))
            return error;
    }
    return bytes;
}

Error SaveWholeNotePdf(const CKrDocument& document, const PrintContext& context,
                       const WholeNoteJob& job, const QString& path)
{
    const Expected<QByteArray> pdf = WholeNotePdf(document, context, job);
    if (!pdf)
        return pdf.error();
    return WriteFileSafely(path, *pdf);
}
