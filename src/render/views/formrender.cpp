#include "render/views/formrender.h"

#include "core/documents/krdocument.h"
#include "core/files/safewrite.h"
#include "core/forms/formdescription.h"
#include "render/rendercontext.h"
#include "render/text/fieldpainter.h"
#include "render/views/formpainter.h"
#include "render/views/viewzoom.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QtMath>

namespace {

constexpr int kPngDotsPerInch = 96;
constexpr qreal kMmPerInch = 25.4;

QSizeF ZoomedSheetMm(const Forms::FormDescription& form, int zoom)
{
    return QSizeF(form.sheetWidth / 10.0, form.sheetHeight / 10.0) * zoom / 10.0;
}

void DrawPage(QPaintDevice& device, QPainter& painter, const Forms::FormDescription& form,
              const CKrDocument& document, const PrintContext& context, int page, int zoom)
{
    painter.setTransform(Render::TenthMillimetreTransform(device, 10));
    const QSizeF sheet = ZoomedSheetMm(form, zoom) * 10;
    painter.fillRect(QRectF(QPointF(0, 0), sheet), Qt::white);
    RenderFormPage(painter, document, context, page, zoom);
}

} // namespace

void RenderFormPage(QPainter& painter, const CKrDocument& document, const PrintContext& context,
                    int page, int zoom, const PageColours& colours)
{
    painter.save();
    const CFormPainter formPainter(document.Form(), zoom);
    CFieldPainter fields(context.fonts);
    fields.CreateScreenFonts(painter.device() ? painter.device()->logicalDpiY() : 96, zoom);
    const QColor textColor =
        colours.text.isValid() ? colours.text : CFormPainter::ColorFromSetting(context.textColor);
    formPainter.DrawForm(painter, page, context.publisher, colours.ink);
    const CFieldStore& store = document.GetStore();
    formPainter.DrawBoxes(painter, page, fields, store,
                          document.Form().CrossedCheckBox(document.GetCheckWord(), store),
                          context.mergedRows, textColor);
    painter.restore();
}

Error RenderDocumentToFile(const CKrDocument& document, const PrintContext& context,
                           const QString& path, int page, int zoom)
{
    const Forms::FormDescription* form = &document.Form();
    if (page < 1 || page > form->pageCount)
        return Error(ErrorCode::NoSuchPage, {QString::number(page)});
    if (zoom < ViewZoom::kMinZoom || zoom > ViewZoom::kMaxZoom)
        return Error(ErrorCode::ZoomOutOfRange,
                     {QString::number(ViewZoom::kMinZoom), QString::number(ViewZoom::kMaxZoom)});
    const QString suffix = QFileInfo(path).suffix().toLower();
    const QSizeF sheetMm = ZoomedSheetMm(*form, zoom);

    if (suffix == QLatin1String("png")) {
        const qreal dotsPerMm = kPngDotsPerInch / kMmPerInch;
        QImage image(qCeil(sheetMm.width() * dotsPerMm), qCeil(sheetMm.height() * dotsPerMm),
                     QImage::Format_RGB32);
        image.setDotsPerMeterX(qRound(dotsPerMm * 1000));
        image.setDotsPerMeterY(qRound(dotsPerMm * 1000));
        image.fill(Qt::white);
        {
            QPainter painter(&image);
            painter.setRenderHint(QPainter::TextAntialiasing);
            DrawPage(image, painter, *form, document, context, page, zoom);
        }
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG"))
            return Error(ErrorCode::OutputNotWritten).inFile(path);
        return WriteFileSafely(path, png);
    }

    if (suffix == QLatin1String("pdf")) {
        // Made in memory and written whole, so that a failure never leaves a cut-off
        // PDF in place of the old one.
        QByteArray pdf;
        QBuffer buffer(&pdf);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setPageLayout(
            QPageLayout(QPageSize(sheetMm, QPageSize::Millimeter, QString(), QPageSize::ExactMatch),
                        QPageLayout::Portrait, QMarginsF()));
        writer.setCreator(QStringLiteral("Tarvelomark"));
        QPainter painter;
        if (!painter.begin(&writer))
            return Error(ErrorCode::OutputNotWritten).inFile(path);
        DrawPage(writer, painter, *form, document, context, page, zoom);
        if (!painter.end())
            return Error(ErrorCode::OutputNotWritten).inFile(path);
        return WriteFileSafely(path, pdf);
    }

    return Error(ErrorCode::UnsupportedOutputType).inFile(path);
}
