#pragma once

#include "render/views/viewzoom.h"
#include "widgets/app/commandtarget.h"
#include "widgets/editor/kredithost.h"

#include <QAbstractScrollArea>
#include <QSize>
#include <QString>
#include <QTransform>

class CSettingsStore;
class QPainter;

// The scrolling, zoomable base of the form views.
//
// Units: the view draws in logical units of 0.1 mm of the screen, y downwards,
// origin at the top-left corner of the form. A form view multiplies its table
// values by the zoom and divides by 10 (CmrLayout::Scale), so the form appears
// zoom / 10 times its real size; the base maps logical units to pixels by the
// screen's resolution only. Scroll positions are device pixels of the viewport;
// scroll sizes and scroll steps are logical units.
//
// Life cycle: after construction the zoom is 0, the layout is invalid and the
// section is "Settings". The derived view's constructor calls SetSection and
// ComputeZoom. Before drawing, the derived view rebuilds whatever depends on the
// zoom when IsLayoutValid() is false (calling ComputeZoom again when the zoom is
// below the smallest, and taking FittedZoom() when the zoom follows the
// window), and then calls SetLayoutValid(). A zoom command invalidates the
// layout, stores the new zoom as "ZoomFactor" of the section, redraws at once
// and scrolls to the top-left corner. While the zoom follows the window, a new
// size of the window may change the zoom (ZoomFollowedWindow).
//
// Ownership: the settings store must outlive the view. The box editor, when the
// derived view creates one, is a child of viewport() and moves with the form.
// The editor host's key, wheel and command callbacks are the derived view's.
class CKRScrollViewBase : public QAbstractScrollArea, public CKrEditHost
{
    Q_OBJECT

public:
    explicit CKRScrollViewBase(CSettingsStore& settings, QWidget* parent = nullptr);
    ~CKRScrollViewBase() override;

    // The settings section of the form type ("CMR", ...).
    virtual void SetSection(const QString& name);
    // Computes the zoom from the screen and the settings, stores and returns it;
    // reads whether the zoom follows the window as well.
    virtual int ComputeZoom();

    QString GetSection() const { return m_strSection; }
    int GetZoom() const { return m_nZoom; }
    bool IsLayoutValid() const { return m_bLayoutValid; }
    void SetLayoutValid() { m_bLayoutValid = true; }
    CSettingsStore& Settings() const { return m_settings; }

    // "Anzeige &größer" and "Anzeige &kleiner": one step, nothing beyond the
    // limits 25 and 4; a zoom that followed the window stops following it.
    void OnZoomIn();
    void OnZoomOut();
    // "Ganze Seite" and "Seitenbreite": the zoom follows the window from now
    // on (stored as "ZoomModus" of the section, "ZoomFactor" stays), until a
    // zoom step. Off: the zoom stays as it is.
    void SetZoomFit(ViewZoom::ZoomFit fit);
    ViewZoom::ZoomFit GetZoomFit() const { return m_zoomFit; }
    bool CanZoomIn() const { return ViewZoom::CanZoomIn(m_nZoom); }
    bool CanZoomOut() const { return ViewZoom::CanZoomOut(m_nZoom); }
    // The zoom commands for the derived view's command routing: true when `id`
    // is one of them (handled, or its state set).
    bool OnZoomCommand(int id);
    bool OnUpdateZoomCommand(int id, CommandState& state) const;

    // Printing draws at zoom 10; the screen zoom is kept aside meanwhile.
    void BeginPrintZoom();
    void EndPrintZoom();

    // The scrollable area: total size, the step of a page and of a line, all in
    // logical units. An empty page size is a tenth of the total, an empty line
    // size a tenth of the page.
    void SetScrollSizes(const QSize& total, const QSize& page, const QSize& line = QSize());
    QSize GetTotalSize() const { return m_totalSize; }
    // Scrolls so that a logical point is at the top-left corner of the viewport.
    void ScrollToPosition(const QPoint& logical);

    // Pixels of the viewport per logical unit.
    qreal PixelsPerUnitX() const;
    qreal PixelsPerUnitY() const;
    // Logical units to viewport pixels, with the scroll position.
    QTransform LogicalTransform() const;
    // A distance from the form's top-left corner in device pixels (a viewport
    // position plus the scroll position) in logical units, truncated.
    QPoint DeviceToLogical(const QPoint& device) const;
    QPoint LogicalToDevice(const QPoint& logical) const;

    // CKrEditHost: the scrolling part; the derived view adds the rest.
    QPoint ScrollPosition() const override;
    QRect VisibleScreenRect() const override;
    void ScrollByUnits(int dx, int dy) override;
    void ScrollToTop() override;

protected:
    // Draws the view; the painter maps logical units onto the viewport
    // (LogicalTransform). The viewport is filled with the palette's dark colour
    // (the desk); the view draws its sheet on it.
    virtual void OnDraw(QPainter& painter) = 0;
    // The screen ComputeZoom reads; tests replace it.
    virtual ViewZoom::ScreenMetrics CurrentScreenMetrics() const;
    // What "Ganze Seite" and "Seitenbreite" fit into the window; a view with
    // an empty sheet offers neither.
    virtual ViewZoom::FitTarget FitTarget() const { return {}; }
    // The zoom that fits the window now, for the zoom that follows the window;
    // 0 when it follows nothing.
    int FittedZoom() const;

public:
    // The metrics of the screen a widget is on (the primary screen without
    // one): the display's height in its own pixels and its logical resolution,
    // which Qt's device pixel ratio has already taken into account.
    static ViewZoom::ScreenMetrics ScreenMetricsOf(const QWidget* widget);

protected:
    // Invalidate, erase and update at once.
    void RedrawNow();
    // A zoom command has changed the zoom and invalidated the layout; the view is
    // redrawn right after. A derived view that moves child widgets with the
    // layout rebuilds it here, since that must not happen while painting.
    virtual void ZoomChanged() {}
    // A zoom that follows the window has changed with the window's size and
    // invalidated the layout. A derived view rebuilds it here, keeping what
    // the user was doing; the scroll position is scaled afterwards.
    virtual void ZoomFollowedWindow() {}

    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void scrollContentsBy(int dx, int dy) override;

    qint16 m_nZoom = 0;
    ViewZoom::ZoomFit m_zoomFit = ViewZoom::ZoomFit::Off;
    qint16 m_nSavedZoom = 0;
    bool m_bLayoutValid = false;
    QString m_strSection;

private:
    // `stored`: the new zoom is written as "ZoomFactor".
    void AfterZoomChange(bool stored);
    void StoreZoomFit(ViewZoom::ZoomFit fit);
    void FollowWindow();
    void UpdateScrollBars();

    CSettingsStore& m_settings;
    QSize m_totalSize;
    QSize m_pageSize;
    QSize m_lineSize;
};
