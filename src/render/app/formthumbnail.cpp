#include "render/app/formthumbnail.h"

#include "render/views/formpainter.h"

#include <QPainter>

QPixmap FormThumbnail(const Forms::FormDescription& form, const QSize& size, qreal devicePixelRatio)
{
    QPixmap pixmap(size * devicePixelRatio);
    pixmap.setDevicePixelRatio(devicePixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // The sheet in its proportions, centred, with a soft shadow.
    const qreal h = size.height() - 4;
    const qreal w = h * form.sheetWidth / form.sheetHeight;
    const QRectF sheet((size.width() - w) / 2, 1, w, h);
    p.fillRect(sheet.translated(2, 2), QColor(0, 0, 0, 40));
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xB2), 1));
    p.drawRect(sheet);

    // The form at real size (zoom 10), scaled down onto the sheet; its captions
    // would only be grey dust at this size.
    p.translate(sheet.topLeft());
    p.scale(w / form.sheetWidth, h / form.sheetHeight);
    CFormPainter(form, 10).DrawLines(p, 1, QColor(0x30, 0x50, 0x90));
    return pixmap;
}
