#include "widgets/app/splashwnd.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QTimer>

namespace {

bool g_enabled = false;
QPointer<CSplashWnd> g_current;

constexpr int kWidth = 500;
constexpr int kHeight = 320;

QFont ArialFont(int pixelHeight, int weight)
{
    QFont font(QStringLiteral("Arial"));
    font.setStyleHint(QFont::SansSerif);
    font.setPixelSize(pixelHeight);
    font.setWeight(QFont::Weight(weight));
    return font;
}

// A sheet of a consignment note with ruled boxes, seen slightly tilted.
void DrawSheet(QPainter& p, const QRectF& sheet)
{
    p.save();
    p.translate(sheet.center());
    p.rotate(-6);
    p.translate(-sheet.center());
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1.2));
    p.setBrush(QColor(0xff, 0xfd, 0xf6));
    p.drawRect(sheet);
    p.setPen(QPen(QColor(0xc0, 0x30, 0x30), 1.0));
    const qreal rowHeight = sheet.height() / 9;
    for (int row = 1; row < 9; ++row) {
        const qreal y = sheet.top() + row * rowHeight;
        p.drawLine(QPointF(sheet.left(), y), QPointF(sheet.right(), y));
    }
    p.drawLine(QPointF(sheet.center().x(), sheet.top()),
               QPointF(sheet.center().x(), sheet.top() + 5 * rowHeight));
    p.setPen(QPen(QColor(0x20, 0x40, 0xc0), 1.6));
    for (int row = 0; row < 5; ++row) {
        const qreal y = sheet.top() + row * rowHeight + rowHeight * 0.6;
        p.drawLine(QPointF(sheet.left() + 6, y), QPointF(sheet.left() + 6 + 18 + 7 * row, y));
    }
    p.restore();
}

// A lorry in side view, the program's sign.
void DrawLorry(QPainter& p, const QPointF& origin)
{
    p.save();
    p.translate(origin);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x4e, 0x8c));
    p.drawRoundedRect(QRectF(0, 0, 130, 58), 4, 4); // box
    QPainterPath cab;
    cab.moveTo(134, 58);
    cab.lineTo(134, 14);
    cab.lineTo(160, 14);
    cab.lineTo(176, 36);
    cab.lineTo(176, 58);
    cab.closeSubpath();
    p.setBrush(QColor(0xd9, 0x3a, 0x2b));
    p.drawPath(cab);
    p.setBrush(QColor(0xcf, 0xe6, 0xf7));
    p.drawPolygon(
        QPolygonF({QPointF(150, 19), QPointF(159, 19), QPointF(170, 35), QPointF(150, 35)}));
    p.setBrush(QColor(0x33, 0x33, 0x33));
    for (qreal x : {26.0, 104.0, 154.0})
        p.drawEllipse(QPointF(x, 62), 11, 11);
    p.setBrush(QColor(0xbb, 0xbb, 0xbb));
    for (qreal x : {26.0, 104.0, 154.0})
        p.drawEllipse(QPointF(x, 62), 4.5, 4.5);
    p.restore();
}

} // namespace

void CSplashWnd::EnableSplashScreen(bool enable)
{
    g_enabled = enable;
}

void CSplashWnd::ShowSplashScreen(int seconds, const QString& versionText)
{
    if (!g_enabled || g_current)
        return;
    auto* window = new CSplashWnd(seconds, versionText);
    g_current = window;
    window->show();
    window->repaint();
}

void CSplashWnd::HideSplashScreen()
{
    if (!g_current)
        return;
    CSplashWnd* window = g_current;
    g_current = nullptr;
    // Gone for the user at once, even before the window itself is deleted.
    qApp->removeEventFilter(window);
    window->close();
    window->deleteLater();
}

CSplashWnd* CSplashWnd::Current()
{
    return g_current;
}

CSplashWnd::CSplashWnd(int seconds, const QString& versionText)
    : QWidget(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_picture(Picture()), m_versionText(versionText)
{
    setObjectName(QStringLiteral("SplashWnd"));
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_ShowWithoutActivating);
    // Closing the program while the picture is still up must end it.
    setAttribute(Qt::WA_QuitOnClose, false);
    setFixedSize(m_picture.deviceIndependentSize().toSize());
    setCursor(Qt::PointingHandCursor);
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());

    // A day is more than anyone waits; the bound keeps the milliseconds in range.
    const int bounded = qBound(1, seconds, 24 * 3600);
    QTimer::singleShot(bounded * 1000, this, &CSplashWnd::HideSplashScreen);
    qApp->installEventFilter(this);
}

CSplashWnd::~CSplashWnd()
{
    qApp->removeEventFilter(this);
    if (g_current == this)
        g_current = nullptr;
}

bool CSplashWnd::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Show: {
        // A window the user works in has come up: the picture makes way.
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget && widget != this && widget->isWindow() && widget->windowType() != Qt::ToolTip &&
            widget->windowType() != Qt::Popup)
            HideSplashScreen();
        break;
    }
    // A key arrives as a shortcut override first; a key that is a shortcut never
    // becomes a key press.
    case QEvent::ShortcutOverride:
    case QEvent::KeyPress:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonDblClick:
    case QEvent::NonClientAreaMouseButtonPress:
    case QEvent::NonClientAreaMouseButtonDblClick:
        HideSplashScreen();
        break;
    default:
        break;
    }
    // Nothing is taken: the key or click does what it was meant to do.
    return QWidget::eventFilter(watched, event);
}

void CSplashWnd::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.drawPixmap(0, 0, m_picture);
    // Texts in device pixels, as placed on the picture: a notice right-aligned
    // to x = 480, a name line, the title line (empty), the web address and the
    // version.
    p.setPen(Qt::black);
    p.setFont(ArialFont(14, 400));
    p.drawText(QRect(0, 25, 480, 16), Qt::AlignRight | Qt::AlignTop,
               tr("© Norvak – Formulare für den Straßengüterverkehr"));
    p.setFont(ArialFont(14, 400));
    p.drawText(QPoint(35, 100 + p.fontMetrics().ascent()),
               tr("Frachtbriefe ausfüllen und drucken"));
    p.setPen(Qt::red);
    p.drawText(QPoint(135, 290 + p.fontMetrics().ascent()), QStringLiteral("www.norvak.de"));
    p.setPen(Qt::black);
    p.setFont(ArialFont(16, 400));
    p.drawText(QPoint(380, 175 + p.fontMetrics().ascent()), tr("Version: %1").arg(m_versionText));
}

QPixmap CSplashWnd::Picture()
{
    QPixmap pixmap(kWidth, kHeight);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, kHeight);
    sky.setColorAt(0, QColor(0xf4, 0xf8, 0xfc));
    sky.setColorAt(1, QColor(0xc9, 0xdc, 0xee));
    p.fillRect(pixmap.rect(), sky);
    p.fillRect(QRect(0, 262, kWidth, 4), QColor(0x1f, 0x4e, 0x8c));

    DrawSheet(p, QRectF(388, 58, 80, 104));
    DrawLorry(p, QPointF(175, 188));

    p.setPen(QColor(0x1f, 0x4e, 0x8c));
    p.setFont(ArialFont(44, 700));
    p.drawText(QPoint(33, 168), QStringLiteral("Tarvelomark"));
    p.setPen(QPen(QColor(0x9a, 0xa8, 0xb8), 1));
    p.setBrush(Qt::NoBrush);
    p.drawRect(pixmap.rect().adjusted(0, 0, -1, -1));
    return pixmap;
}
