#include "widgets/views/krscrollviewbase.h"

#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "render/rendercontext.h"
#include "widgets/app/commandids.h"

#include <QGuiApplication>
#include <QOperatingSystemVersion>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>

#include <cmath>

namespace {

constexpr qreal kUnitsPerInch = 254.0;

int ToPixels(int units, qreal pixelsPerUnit)
{
    return int(std::lround(units * pixelsPerUnit));
}

} // namespace

CKRScrollViewBase::CKRScrollViewBase(CSettingsStore& settings, QWidget* parent)
    : QAbstractScrollArea(parent), m_strSection(QLatin1String(Settings::kSectionSettings)),
      m_settings(settings)
{
    // The desk the sheet lies on, in the desktop's colours; the views draw the
    // sheet itself, which is paper whatever the palette.
    viewport()->setBackgroundRole(QPalette::Dark);
    viewport()->setAutoFillBackground(true);
}

CKRScrollViewBase::~CKRScrollViewBase() = default;

void CKRScrollViewBase::SetSection(const QString& name)
{
    m_strSection = name;
}

int CKRScrollViewBase::ComputeZoom()
{
    m_nZoom = qint16(ViewZoom::ComputeZoom(m_settings, m_strSection, CurrentScreenMetrics()));
    m_zoomFit = ViewZoom::ZoomFit(m_settings.Get(m_strSection, Settings::ZoomFit));
    return m_nZoom;
}

int CKRScrollViewBase::FittedZoom() const
{
    const ViewZoom::FitTarget target = FitTarget();
    if (m_zoomFit == ViewZoom::ZoomFit::Off || target.sheet.isEmpty())
        return 0;
    const ViewZoom::FitArea area{maximumViewportSize(), verticalScrollBar()->sizeHint().width(),
                                 PixelsPerUnitX(), PixelsPerUnitY()};
    return ViewZoom::FitZoom(m_zoomFit, target, area);
}

ViewZoom::ScreenMetrics CKRScrollViewBase::CurrentScreenMetrics() const
{
    return ScreenMetricsOf(this);
}

ViewZoom::ScreenMetrics CKRScrollViewBase::ScreenMetricsOf(const QWidget* widget)
{
    ViewZoom::ScreenMetrics metrics;
#ifdef Q_OS_WIN
    metrics.windows8OrLater =
        QOperatingSystemVersion::current() >= QOperatingSystemVersion::Windows8;
#endif
    const QScreen* screen =
        widget && widget->screen() ? widget->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return metrics;
    // The height counts the display's own pixels, as the starting zoom was made
    // for. The resolution is the logical one: Qt already draws every logical
    // pixel as devicePixelRatio pixels, so a form scaled by that ratio once more
    // would come out twice too large on a scaled screen.
    metrics.desktopHeight = qRound(screen->geometry().height() * screen->devicePixelRatio());
    metrics.dpiX = qRound(screen->logicalDotsPerInchX());
    return metrics;
}

void CKRScrollViewBase::OnZoomIn()
{
    if (!CanZoomIn())
        return;
    StoreZoomFit(ViewZoom::ZoomFit::Off);
    m_nZoom = qint16(ViewZoom::ZoomedIn(m_nZoom));
    AfterZoomChange(true);
}

void CKRScrollViewBase::OnZoomOut()
{
    if (!CanZoomOut())
        return;
    StoreZoomFit(ViewZoom::ZoomFit::Off);
    m_nZoom = qint16(ViewZoom::ZoomedOut(m_nZoom));
    AfterZoomChange(true);
}

void CKRScrollViewBase::SetZoomFit(ViewZoom::ZoomFit fit)
{
    StoreZoomFit(fit);
    const int zoom = FittedZoom();
    if (zoom == 0 || zoom == m_nZoom)
        return;
    m_nZoom = qint16(zoom);
    // The zoom the user chose by steps stays stored for a return to steps.
    AfterZoomChange(false);
}

void CKRScrollViewBase::StoreZoomFit(ViewZoom::ZoomFit fit)
{
    if (fit == m_zoomFit)
        return;
    m_zoomFit = fit;
    m_settings.Set(m_strSection, Settings::ZoomFit, int(fit));
}

void CKRScrollViewBase::AfterZoomChange(bool stored)
{
    if (stored)
        m_settings.WriteProfileInt(m_strSection, QLatin1String(Settings::kZoomFactor), m_nZoom);
    m_bLayoutValid = false;
    ZoomChanged();
    RedrawNow();
    ScrollToPosition(QPoint(0, 0));
}

bool CKRScrollViewBase::OnZoomCommand(int id)
{
    if (id == Cmd::ZoomIn)
        OnZoomIn();
    else if (id == Cmd::ZoomOut)
        OnZoomOut();
    else if (id == Cmd::ZoomWholePage)
        SetZoomFit(ViewZoom::ZoomFit::WholePage);
    else if (id == Cmd::ZoomPageWidth)
        SetZoomFit(ViewZoom::ZoomFit::PageWidth);
    else
        return false;
    return true;
}

bool CKRScrollViewBase::OnUpdateZoomCommand(int id, CommandState& state) const
{
    if (id == Cmd::ZoomIn) {
        state.enabled = CanZoomIn();
    } else if (id == Cmd::ZoomOut) {
        state.enabled = CanZoomOut();
    } else if (id == Cmd::ZoomWholePage || id == Cmd::ZoomPageWidth) {
        const auto fit =
            id == Cmd::ZoomWholePage ? ViewZoom::ZoomFit::WholePage : ViewZoom::ZoomFit::PageWidth;
        state.enabled = !FitTarget().sheet.isEmpty();
        state.checked = m_zoomFit == fit;
    } else {
        return false;
    }
    return true;
}

void CKRScrollViewBase::BeginPrintZoom()
{
    m_nSavedZoom = m_nZoom;
    m_nZoom = ViewZoom::kPrintZoom;
}

void CKRScrollViewBase::EndPrintZoom()
{
    m_nZoom = m_nSavedZoom;
}

void CKRScrollViewBase::SetScrollSizes(const QSize& total, const QSize& page, const QSize& line)
{
    m_totalSize = total;
    m_pageSize = page.isEmpty() ? total / 10 : page;
    m_lineSize = line.isEmpty() ? m_pageSize / 10 : line;
    UpdateScrollBars();
}

void CKRScrollViewBase::UpdateScrollBars()
{
    const QSize view = viewport()->size();
    const int width = ToPixels(m_totalSize.width(), PixelsPerUnitX());
    const int height = ToPixels(m_totalSize.height(), PixelsPerUnitY());
    horizontalScrollBar()->setRange(0, qMax(0, width - view.width()));
    verticalScrollBar()->setRange(0, qMax(0, height - view.height()));
    horizontalScrollBar()->setPageStep(
        qMax(1, qMin(view.width(), ToPixels(m_pageSize.width(), PixelsPerUnitX()))));
    verticalScrollBar()->setPageStep(
        qMax(1, qMin(view.height(), ToPixels(m_pageSize.height(), PixelsPerUnitY()))));
    horizontalScrollBar()->setSingleStep(qMax(1, ToPixels(m_lineSize.width(), PixelsPerUnitX())));
    verticalScrollBar()->setSingleStep(qMax(1, ToPixels(m_lineSize.height(), PixelsPerUnitY())));
}

void CKRScrollViewBase::ScrollToPosition(const QPoint& logical)
{
    const QPoint device = LogicalToDevice(logical);
    horizontalScrollBar()->setValue(device.x());
    verticalScrollBar()->setValue(device.y());
}

qreal CKRScrollViewBase::PixelsPerUnitX() const
{
    return viewport()->logicalDpiX() / kUnitsPerInch;
}

qreal CKRScrollViewBase::PixelsPerUnitY() const
{
    return viewport()->logicalDpiY() / kUnitsPerInch;
}

QTransform CKRScrollViewBase::LogicalTransform() const
{
    const QPoint scroll = ScrollPosition();
    return Render::TenthMillimetreTransform(*viewport(), 10) *
           QTransform::fromTranslate(-scroll.x(), -scroll.y());
}

QPoint CKRScrollViewBase::DeviceToLogical(const QPoint& device) const
{
    // Through hundredths of a millimetre, as the program converted clicks.
    const qint64 dpiX = qMax(1, viewport()->logicalDpiX());
    const qint64 dpiY = qMax(1, viewport()->logicalDpiY());
    return QPoint(int(device.x() * 2540LL / dpiX / 10), int(device.y() * 2540LL / dpiY / 10));
}

QPoint CKRScrollViewBase::LogicalToDevice(const QPoint& logical) const
{
    return QPoint(ToPixels(logical.x(), PixelsPerUnitX()), ToPixels(logical.y(), PixelsPerUnitY()));
}

QPoint CKRScrollViewBase::ScrollPosition() const
{
    return QPoint(horizontalScrollBar()->value(), verticalScrollBar()->value());
}

QRect CKRScrollViewBase::VisibleScreenRect() const
{
    return QRect(viewport()->mapToGlobal(QPoint(0, 0)), viewport()->size());
}

void CKRScrollViewBase::ScrollByUnits(int dx, int dy)
{
    horizontalScrollBar()->setValue(horizontalScrollBar()->value() +
                                    ToPixels(dx, PixelsPerUnitX()));
    verticalScrollBar()->setValue(verticalScrollBar()->value() + ToPixels(dy, PixelsPerUnitY()));
}

void CKRScrollViewBase::ScrollToTop()
{
    verticalScrollBar()->setValue(0);
}

void CKRScrollViewBase::RedrawNow()
{
    viewport()->repaint();
}

void CKRScrollViewBase::paintEvent(QPaintEvent* event)
{
    Q_UNUSED(event);
    QPainter painter(viewport());
    painter.setTransform(LogicalTransform());
    OnDraw(painter);
}

void CKRScrollViewBase::resizeEvent(QResizeEvent* event)
{
    QAbstractScrollArea::resizeEvent(event);
    UpdateScrollBars();
    FollowWindow();
}

void CKRScrollViewBase::FollowWindow()
{
    // A hidden view takes its zoom when it is laid out to be shown.
    if (!isVisible() || !m_bLayoutValid)
        return;
    const int zoom = FittedZoom();
    if (zoom == 0 || zoom == m_nZoom)
        return;
    // The same part of the form stays in sight.
    const QPoint scroll = ScrollPosition();
    const int before = m_nZoom;
    m_nZoom = qint16(zoom);
    m_bLayoutValid = false;
    ZoomFollowedWindow();
    horizontalScrollBar()->setValue(scroll.x() * zoom / before);
    verticalScrollBar()->setValue(scroll.y() * zoom / before);
    viewport()->update();
}

void CKRScrollViewBase::scrollContentsBy(int dx, int dy)
{
    // Moves the pixels and the child widgets (the box editor) with the form.
    viewport()->scroll(dx, dy);
}
