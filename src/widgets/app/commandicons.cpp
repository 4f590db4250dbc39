#include "widgets/app/commandids.h"
#include "widgets/app/commands.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPixmap>

// Toolbar pictures drawn in code, so that the program looks the same on every
// desktop whether or not an icon theme is installed. Drawn on a 32 x 32 canvas
// and scaled down by the toolbar.
//
// The strokes take the palette's text colour, so that they read on light and on
// dark toolbars alike; sheets of paper stay white with dark writing, as paper
// is. The main window draws the pictures again when the palette changes.
namespace {

const QColor kPaper(0xFF, 0xFF, 0xFF);
const QColor kPaperEdge(0x26, 0x3A, 0x5C);
// What is written on a sheet: it lies on white paper in every palette.
const QColor kOnPaper(0x2F, 0x6E, 0xC8);

QColor Ink()
{
    return QGuiApplication::palette().color(QPalette::WindowText);
}

void Sheet(QPainter& p, const QRectF& r)
{
    QPainterPath path;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - 6, r.top());
    path.lineTo(r.right(), r.top() + 6);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    // Paper keeps a dark edge, so that stacked sheets stay apart on any toolbar.
    const QPen pen = p.pen();
    p.setPen(QPen(kPaperEdge, 2));
    p.setBrush(kPaper);
    p.drawPath(path);
    p.setPen(pen);
}

void TextLines(QPainter& p, qreal left, qreal top, const qreal (&widths)[4], qreal step = 6)
{
    for (int i = 0; i < 4; ++i)
        p.drawLine(QPointF(left, top + i * step), QPointF(left + widths[i], top + i * step));
}

void Glyph(QPainter& p, const QString& text, int pixelSize, bool bold = true)
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(pixelSize);
    font.setBold(bold);
    p.setFont(font);
    p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, text);
}

void Magnifier(QPainter& p, const QColor& ink, bool plus)
{
    p.setBrush(kPaper);
    p.drawEllipse(QPointF(13, 13), 9, 9);
    p.setPen(QPen(ink, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(28, 28));
    p.setPen(QPen(kOnPaper, 2.5)); // inside the white lens
    p.drawLine(QPointF(8, 13), QPointF(18, 13));
    if (plus)
        p.drawLine(QPointF(13, 8), QPointF(13, 18));
}

// A coloured disc with a white sign: reads on any toolbar.
void Badge(QPainter& p, const QColor& ink, const QString& sign)
{
    p.setBrush(kOnPaper);
    p.drawEllipse(QPointF(16, 16), 13, 13);
    p.setPen(kPaper);
    Glyph(p, sign, 20);
    p.setPen(QPen(ink, 2));
}

bool Draw(QPainter& p, int id)
{
    const QColor ink = Ink();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(ink, 2));
    switch (id) {
    case Cmd::New:
        Sheet(p, QRectF(6, 3, 20, 26));
        p.setPen(QPen(kOnPaper, 2.5));
        p.drawLine(QPointF(16, 11), QPointF(16, 23));
        p.drawLine(QPointF(10, 17), QPointF(22, 17));
        return true;
    case Cmd::Open: {
        p.setBrush(QColor(0xE8, 0xB8, 0x4A));
        QPainterPath folder;
        folder.moveTo(3, 27);
        folder.lineTo(3, 6);
        folder.lineTo(12, 6);
        folder.lineTo(15, 10);
        folder.lineTo(27, 10);
        folder.lineTo(27, 27);
        folder.closeSubpath();
        p.drawPath(folder);
        p.drawLine(QPointF(3, 14), QPointF(27, 14));
        return true;
    }
    case Cmd::Save:
        p.setBrush(QColor(0x3C, 0x6E, 0xB4));
        p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(9, 5, 14, 9));
        p.drawRect(QRectF(10, 19, 12, 8));
        return true;
    case Cmd::Exit:
        // A door and the way out.
        p.setBrush(QColor(0xB0, 0x7A, 0x46));
        p.drawRect(QRectF(4, 3, 14, 26));
        p.setPen(QPen(QColor(0xD0, 0x30, 0x30), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 16), QPointF(29, 16));
        p.drawLine(QPointF(23, 10), QPointF(29, 16));
        p.drawLine(QPointF(23, 22), QPointF(29, 16));
        return true;
    case Cmd::HelpGeneral:
        Badge(p, ink, QStringLiteral("?"));
        return true;
    case Cmd::About:
        Badge(p, ink, QStringLiteral("i"));
        return true;
    case Cmd::Cut:
        p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
        p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
        p.drawLine(QPointF(12, 20), QPointF(22, 3));
        p.drawLine(QPointF(20, 20), QPointF(10, 3));
        return true;
    case Cmd::Copy:
        Sheet(p, QRectF(4, 3, 16, 20));
        Sheet(p, QRectF(12, 9, 16, 20));
        return true;
    case Cmd::Paste:
        p.setBrush(QColor(0xC8, 0x9B, 0x5A));
        p.drawRoundedRect(QRectF(4, 5, 20, 24), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(10, 2, 8, 6));
        Sheet(p, QRectF(13, 12, 15, 18));
        return true;
    case Cmd::Print:
        Sheet(p, QRectF(8, 3, 16, 10));
        p.setBrush(QColor(0xD8, 0xDE, 0xE8));
        p.drawRoundedRect(QRectF(3, 12, 26, 12), 2, 2);
        p.setBrush(kPaper);
        p.drawRect(QRectF(8, 20, 16, 9));
        return true;
    case Cmd::PrintPreview:
        Sheet(p, QRectF(4, 3, 20, 26));
        p.setBrush(kPaper);
        p.drawEllipse(QPointF(19, 18), 6.5, 6.5);
        p.setPen(QPen(ink, 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(24, 23), QPointF(29, 28));
        return true;
    case Cmd::AlignLeft: {
        const qreal w[4] = {24, 16, 24, 12};
        TextLines(p, 4, 7, w);
        return true;
    }
    case Cmd::AlignCenter:
        p.drawLine(QPointF(4, 7), QPointF(28, 7));
        p.drawLine(QPointF(8, 13), QPointF(24, 13));
        p.drawLine(QPointF(4, 19), QPointF(28, 19));
        p.drawLine(QPointF(10, 25), QPointF(22, 25));
        return true;
    case Cmd::AlignRight:
        p.drawLine(QPointF(4, 7), QPointF(28, 7));
        p.drawLine(QPointF(12, 13), QPointF(28, 13));
        p.drawLine(QPointF(4, 19), QPointF(28, 19));
        p.drawLine(QPointF(16, 25), QPointF(28, 25));
        return true;
    case Cmd::ZoomIn:
    case Cmd::ZoomOut:
        Magnifier(p, ink, id == Cmd::ZoomIn);
        return true;
    case Cmd::ZoomWholePage:
        // The whole sheet between the window's corners.
        Sheet(p, QRectF(10, 6, 12, 20));
        p.setPen(QPen(ink, 2.5, Qt::SolidLine, Qt::SquareCap));
        for (const QPointF& corner :
             {QPointF(3, 3), QPointF(29, 3), QPointF(3, 29), QPointF(29, 29)}) {
            const qreal dx = corner.x() < 16 ? 6 : -6;
            const qreal dy = corner.y() < 16 ? 6 : -6;
            p.drawLine(corner, corner + QPointF(dx, 0));
            p.drawLine(corner, corner + QPointF(0, dy));
        }
        return true;
    case Cmd::ZoomPageWidth:
        // The sheet from one edge of the window to the other.
        Sheet(p, QRectF(5, 3, 22, 26));
        p.setPen(QPen(ink, 2.5));
        p.drawLine(QPointF(2, 3), QPointF(2, 29));
        p.drawLine(QPointF(30, 3), QPointF(30, 29));
        p.setPen(QPen(kOnPaper, 2.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(8, 16), QPointF(24, 16));
        p.drawLine(QPointF(8, 16), QPointF(12, 12));
        p.drawLine(QPointF(8, 16), QPointF(12, 20));
        p.drawLine(QPointF(24, 16), QPointF(20, 12));
        p.drawLine(QPointF(24, 16), QPointF(20, 20));
        return true;
    case Cmd::Bold:
        // The initial of the word for bold, which is the reader's.
        Glyph(p, QCoreApplication::translate("Commands", "F", "letter on the bold button"), 24);
        return true;
    case Cmd::FontBigger:
        Glyph(p, QStringLiteral("A⁺"), 22);
        return true;
    case Cmd::FontSmaller:
        Glyph(p, QStringLiteral("A⁻"), 16);
        return true;
    case Cmd::InsertAddress:
        Sheet(p, QRectF(5, 3, 22, 26));
        p.setPen(QPen(kOnPaper, 2));
        {
            const qreal w[4] = {14, 10, 14, 8};
            TextLines(p, 9, 10, w, 5);
        }
        return true;
    case Cmd::Margins:
        Sheet(p, QRectF(5, 3, 22, 26));
        p.setPen(QPen(kOnPaper, 1.5, Qt::DashLine));
        p.drawRect(QRectF(10, 8, 12, 16));
        return true;
    case Cmd::Page1:
    case Cmd::Page2:
        Sheet(p, QRectF(6, 3, 20, 26));
        p.setPen(kOnPaper);
        Glyph(p, id == Cmd::Page1 ? QStringLiteral("1") : QStringLiteral("2"), 18);
        return true;
    default:
        return false;
    }
}

} // namespace

QIcon DrawnCommandIcon(int id)
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    if (!Draw(painter, id))
        return QIcon();
    painter.end();
    return QIcon(pixmap);
}
