#include "app/formthumbnail.h"

#include <QPainter>

namespace {

struct Block
{
    qreal x, y, w, h; // fractions of the sheet
};

// The characteristic arrangement of each form's main blocks, enough to tell the
// four apart at a glance.
QList<Block> Blocks(FormType type)
{
    switch (type) {
    case FormType::Cmr:
        return {{0.06, 0.10, 0.44, 0.09}, {0.50, 0.10, 0.44, 0.09}, {0.06, 0.19, 0.44, 0.09},
                {0.50, 0.19, 0.44, 0.09}, {0.06, 0.28, 0.44, 0.12}, {0.50, 0.28, 0.44, 0.12},
                {0.06, 0.40, 0.88, 0.20}, {0.06, 0.60, 0.44, 0.14}, {0.50, 0.60, 0.44, 0.14},
                {0.06, 0.74, 0.29, 0.12}, {0.35, 0.74, 0.30, 0.12}, {0.65, 0.74, 0.29, 0.12}};
    case FormType::National:
        return {{0.06, 0.10, 0.44, 0.10}, {0.50, 0.10, 0.44, 0.10}, {0.06, 0.20, 0.88, 0.08},
                {0.06, 0.28, 0.88, 0.30}, {0.06, 0.58, 0.44, 0.14}, {0.50, 0.58, 0.44, 0.14},
                {0.06, 0.72, 0.88, 0.14}};
    case FormType::Kombi:
        return {{0.06, 0.10, 0.44, 0.10}, {0.50, 0.10, 0.44, 0.10}, {0.06, 0.20, 0.44, 0.10},
                {0.50, 0.20, 0.44, 0.10}, {0.06, 0.30, 0.88, 0.28}, {0.06, 0.58, 0.88, 0.12},
                {0.06, 0.70, 0.44, 0.16}, {0.50, 0.70, 0.44, 0.16}};
    case FormType::Forwarding:
        return {{0.06, 0.10, 0.44, 0.12}, {0.50, 0.10, 0.44, 0.06}, {0.50, 0.16, 0.44, 0.06},
                {0.06, 0.22, 0.88, 0.08}, {0.06, 0.30, 0.88, 0.34}, {0.06, 0.64, 0.88, 0.08},
                {0.06, 0.72, 0.88, 0.14}};
    }
    return {};
}

QString Title(FormType type)
{
    switch (type) {
    case FormType::Cmr:
        return QStringLiteral("CMR");
    case FormType::National:
        return QStringLiteral("Frachtbrief");
    case FormType::Kombi:
        return QStringLiteral("Kombi");
    case FormType::Forwarding:
        return QStringLiteral("Speditionsauftrag");
    }
    return QString();
}

} // namespace

QPixmap FormThumbnail(FormType type, const QSize& size)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);

    // An A4 sheet, centred, with a soft shadow.
    const qreal h = size.height() - 4;
    const qreal w = h * 210.0 / 297.0;
    const QRectF sheet((size.width() - w) / 2, 1, w, h);
    p.fillRect(sheet.translated(2, 2), QColor(0, 0, 0, 40));
    p.fillRect(sheet, Qt::white);
    p.setPen(QPen(QColor(0x9A, 0xA4, 0xB2), 1));
    p.drawRect(sheet);

    const QColor line = type == FormType::Cmr ? QColor(0xC0, 0x30, 0x30) : QColor(0x30, 0x50, 0x90);
    p.setPen(QPen(line, 1));
    for (const Block& b : Blocks(type))
        p.drawRect(QRectF(sheet.left() + b.x * w, sheet.top() + b.y * h, b.w * w, b.h * h));

    QFont font(QStringLiteral("Arial"));
    font.setBold(true);
    font.setPixelSize(qMax(6, int(h * 0.045)));
    p.setFont(font);
    p.setPen(line);
    p.drawText(QRectF(sheet.left(), sheet.top() + 0.02 * h, w, 0.07 * h), Qt::AlignCenter,
               Title(type));
    return pixmap;
}
