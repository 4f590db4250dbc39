#include "render/views/formpainter.h"

#include "core/fields/fieldstore.h"
#include "render/text/fieldpainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPaintEngine>
#include <QPainter>
#include <QTransform>
#include <QtMath>

#include <cmath>

using namespace Forms;
using FormTables::Scale;

namespace {

// Pens are widths in logical units, as the screen's mapping mode knew them:
// never thinner than one device pixel, so that the thin lines of a form seen
// at screen resolution do not break up.
QPen FormPen(const QPainter& painter, int width, const QColor& color)
{
    const QTransform& t = painter.deviceTransform();
    const qreal scale = std::hypot(t.m11(), t.m12());
    // A recorded picture (the print preview's pages) is shown scaled, where a
    // cosmetic pen would keep its width in the recording's pixels.
    if (painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Picture) {
        QPen pen(color, qMax(1.0 / scale, qreal(width)));
        pen.setCapStyle(Qt::SquareCap);
        pen.setJoinStyle(Qt::MiterJoin);
        return pen;
    }
    QPen pen(color, qMax(1.0, std::round(width * scale)));
    pen.setCosmetic(true);
    pen.setCapStyle(Qt::SquareCap);
    pen.setJoinStyle(Qt::MiterJoin);
    return pen;
}

QColor FromRgb(quint32 rgb)
{
    return QColor(QRgb(rgb));
}

// A shaded area in one ink: as much of the ink as the form's own grey has of
// black, so that black ink gives the grey back.
QColor Tint(const QColor& ink, quint32 fillRgb)
{
    const qreal share = 1.0 - FromRgb(fillRgb).lightnessF();
    const auto mix = [share](int channel) { return qRound(255 - (255 - channel) * share); };
    return QColor(mix(ink.red()), mix(ink.green()), mix(ink.blue()));
}

// A caption is placed by its cell's bottom edge: the baseline lies the descent
// above it. Upwards text turns about its point, so its bottom edge faces right.
QPointF BaselineOrigin(const QFontMetricsF& metrics, const CFormPainter::PlacedCaption& caption)
{
    const qreal x = caption.alignRight ? -metrics.horizontalAdvance(caption.text) : 0;
    return QPointF(x, -metrics.descent());
}

QTransform CaptionFrame(const CFormPainter::PlacedCaption& caption)
{
    QTransform frame = QTransform::fromTranslate(caption.at.x(), caption.at.y());
    if (caption.font.upwards)
        frame.rotate(-90);
    return frame;
}

} // namespace

// What a kept picture of a page shows, and the picture. The store's lists are
// implicitly shared copies: keeping them costs nothing until the store changes,
// and comparing them is cheap while it has not.
struct CFormPainter::PageCache
{
    int page = 0;
    int publisher = 0;
    const CFieldPainter* fields = nullptr;
    quint64 fontGeneration = 0;
    QStringList pageTexts, followTexts;
    QVector<quint16> pageFormats, followFormats;
    int crossed = -1;
    bool merged = false;
    QRgb textColor = 0;
    QFont painterFont;
    QPainter::RenderHints hints;
    QTransform scale; // the painter's transform without its whole-pixel shift
    QImage image;

    bool Shows(const PageCache& other) const
    {
        return page == other.page && publisher == other.publisher && fields == other.fields &&
               fontGeneration == other.fontGeneration && crossed == other.crossed &&
               merged == other.merged && textColor == other.textColor && hints == other.hints &&
               scale == other.scale && painterFont == other.painterFont &&
               pageFormats == other.pageFormats && followFormats == other.followFormats &&
               pageTexts == other.pageTexts && followTexts == other.followTexts;
    }
};

namespace {

// A picture larger than this is not kept (about 64 MB); such a page is drawn
// anew every time.
constexpr qint64 kMaxCachePixels = 16 * 1024 * 1024;

bool IsRasterDevice(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    return engine && engine->type() == QPaintEngine::Raster && painter.device() &&
           painter.device()->devType() != QInternal::Picture;
}

} // namespace

CFormPainter::CFormPainter(const FormDescription& form, int zoom) : m_form(form), m_zoom(zoom) {}

QPoint CFormPainter::Point(qint32 x, qint32 y) const
{
    return QPoint(Scale(x, m_zoom), -Scale(y, m_zoom));
}

QFont CFormPainter::Font(const CaptionFont& font) const
{
    for (const auto& made : m_fonts)
        if (made.first == font)
            return made.second;
    QFont made = CFieldPainter::MakeFont(LogicalFont{FontHeight(font, m_zoom), font.weight});
    made.setStyleHint(QFont::SansSerif); // the swiss family
    m_fonts.append({font, made});
    return made;
}

void CFormPainter::DrawForm(QPainter& painter, int page, int publisher, const QColor& ink) const
{
    if (page < 1 || page > m_form.pages.size())
        return;
    DrawLines(painter, page, ink);
    painter.setPen(ink.isValid() ? ink : QColor(Qt::black));
    for (const PlacedCaption& caption : Captions(page, publisher))
        DrawCaption(painter, caption);
}

void CFormPainter::DrawLines(QPainter& painter, int page, const QColor& ink) const
{
    const bool inked = ink.isValid();
    if (page < 1 || page > m_form.pages.size())
        return;
    const PageDrawing& drawing = m_form.pages[page - 1];
    const auto groups = FormTables::LineGroups(drawing.lines);
    for (int g = 0; g < groups.size() && g < drawing.lineStyles.size(); ++g) {
        const LineStyle& style = drawing.lineStyles[g];
        if (!style.drawn)
            continue;
        const QVector<FormTables::Segment>& segments = groups[g];
        const int filled = qMin(style.filledRects, int(segments.size()));
        for (int i = 0; i < filled; ++i) {
            const FormTables::Segment& s = segments[i];
            painter.fillRect(QRect(Point(s.x1, s.y1), Point(s.x2, s.y2)).normalized(),
                             inked ? Tint(ink, style.fillRgb) : FromRgb(style.fillRgb));
        }
        if (filled == segments.size())
            continue;
        painter.setPen(FormPen(painter, style.penWidth, inked ? ink : FromRgb(style.rgb)));
        for (int i = filled; i < segments.size(); ++i) {
            const FormTables::Segment& s = segments[i];
            painter.drawLine(Point(s.x1, s.y1), Point(s.x2, s.y2));
        }
    }
}

CFormPainter::PlacedCaption CFormPainter::CopyLabelCaption(const QString& text) const
{
    const CopyLabels& labels = m_form.copyLabels;
    return {text, labels.font, QPoint(Scale(labels.at.x(), m_zoom), Scale(labels.at.y(), m_zoom)),
            labels.anchor == Anchor::RightBottom};
}

void CFormPainter::DrawCopyLabel(QPainter& painter, const QString& text, const QColor& ink) const
{
    if (m_form.copyLabels.copies.isEmpty() || text.isEmpty())
        return;
    painter.setPen(ink);
    DrawCaption(painter, CopyLabelCaption(text));
}

QVector<CFormPainter::PlacedCaption> CFormPainter::Captions(int page, int publisher) const
{
    QVector<PlacedCaption> captions;
    if (page < 1 || page > m_form.pages.size())
        return captions;
    const PageDrawing& drawing = m_form.pages[page - 1];
    // How many captions of each group came before: the leading ones take the
    // group's leading font, and the hook tells its captions apart by it.
    QVector<int> counted(drawing.captionGroups.size(), 0);
    for (int r = 0; r < drawing.captionCount; ++r) {
        const FormTables::CaptionRecord& record = drawing.captions[r];
        if (record.group < 0 || record.group >= drawing.captionGroups.size())
            continue;
        const CaptionGroup& group = drawing.captionGroups[record.group];
        const int i = counted[record.group]++;
        if (!group.drawn)
            continue;
        QString text;
        switch (group.source) {
        case CaptionSource::Table:
            text = QString::fromUtf8(record.text);
            break;
        case CaptionSource::EditionLine:
            text = FormTables::EditionLine(m_form.editionText, publisher);
            break;
        case CaptionSource::Hook:
            if (m_form.captionText)
                text = m_form.captionText(record.group, i, publisher);
            break;
        }
        if (text.isEmpty())
            continue;
        const QPoint shift =
            m_form.captionShift ? m_form.captionShift(record.group, publisher) : QPoint();
        captions.append({text, i < group.leadingCount ? group.leadingFont : group.font,
                         Point(record.x + shift.x(), record.y - shift.y()),
                         group.anchor == Anchor::RightBottom});
    }
    return captions;
}

void CFormPainter::DrawCaption(QPainter& painter, const PlacedCaption& caption) const
{
    const QFont font = Font(caption.font);
    painter.setFont(font);
    const QFontMetricsF metrics(font, painter.device());
    const QPointF origin = BaselineOrigin(metrics, caption);
    if (!caption.font.upwards) {
        painter.drawText(origin + caption.at, caption.text);
        return;
    }
    painter.save();
    painter.setTransform(CaptionFrame(caption), true);
    painter.drawText(origin, caption.text);
    painter.restore();
}

QRectF CFormPainter::CaptionInk(const PlacedCaption& caption) const
{
    const QFontMetricsF metrics(Font(caption.font));
    const QRectF ink =
        metrics.tightBoundingRect(caption.text).translated(BaselineOrigin(metrics, caption));
    return CaptionFrame(caption).mapRect(ink);
}

void CFormPainter::DrawBoxes(QPainter& painter, int page, const CFieldPainter& fields,
                             const CFieldStore& store, int crossed, bool merged,
                             const QColor& textColor) const
{
    painter.setPen(textColor);
    if (page != 1) {
        fields.DrawField(painter, ScreenTextRect(0, page, false), store, 0, 2, false);
        return;
    }
    for (int i = 0; i < m_form.boxCount; ++i)
        fields.DrawField(painter, ScreenTextRect(i, 1, merged), store, quint16(i), 1, false);

    if (crossed < 0)
        return;
    const BoxRect r = m_form.ScreenRect(m_form.boxCount + crossed, 1, m_zoom, false);
    painter.setPen(FormPen(painter, kCrossPenWidth, textColor));
    painter.drawLine(QPoint(r.left, r.top), QPoint(r.right, r.bottom));
    painter.drawLine(QPoint(r.left, r.bottom), QPoint(r.right, r.top));
}

QRect CFormPainter::SheetRect() const
{
    return QRect(0, 0, Scale(m_form.sheetWidth, m_zoom), Scale(m_form.sheetHeight, m_zoom));
}

void CFormPainter::DrawPageDirectly(QPainter& painter, int page, int publisher,
                                    const CFieldPainter& fields, const CFieldStore& store,
                                    int crossed, bool merged, const QColor& textColor) const
{
    painter.fillRect(SheetRect(), Qt::white);
    DrawForm(painter, page, publisher);
    DrawBoxes(painter, page, fields, store, crossed, merged, textColor);
}

void CFormPainter::DrawPage(QPainter& painter, int page, int publisher, const CFieldPainter& fields,
                            const CFieldStore& store, int crossed, bool merged,
                            const QColor& textColor) const
{
    const QTransform transform = painter.combinedTransform();
    // On a screen scaled by the desktop the widget's painter and a picture's
    // disagree about the scale; such a view is drawn anew every time.
    if (!m_keepPage || !IsRasterDevice(painter) || painter.device()->devicePixelRatio() != 1 ||
        transform.type() > QTransform::TxScale || transform.m11() <= 0 || transform.m22() <= 0) {
        DrawPageDirectly(painter, page, publisher, fields, store, crossed, merged, textColor);
        return;
    }
    // The picture is drawn without the whole pixels of the shift, so that
    // scrolling copies the same picture to another place with the same pixels.
    const qreal shiftX = std::floor(transform.dx());
    const qreal shiftY = std::floor(transform.dy());
    PageCache wanted;
    wanted.page = page;
    wanted.publisher = publisher;
    wanted.fields = &fields;
    wanted.fontGeneration = fields.FontGeneration();
    wanted.pageTexts = store.PageTexts();
    wanted.followTexts = store.FollowTexts();
    wanted.pageFormats = store.PageFormats();
    wanted.followFormats = store.FollowFormats();
    wanted.crossed = crossed;
    wanted.merged = merged;
    wanted.textColor = textColor.rgba();
    wanted.painterFont = painter.font();
    wanted.hints = painter.renderHints();
    wanted.scale = QTransform(transform.m11(), 0, 0, transform.m22(), transform.dx() - shiftX,
                              transform.dy() - shiftY);

    if (!m_pageCache || !m_pageCache->Shows(wanted)) {
        const QRectF sheet = wanted.scale.mapRect(QRectF(SheetRect()));
        const QSize size(qCeil(sheet.right()), qCeil(sheet.bottom()));
        if (size.isEmpty() || qint64(size.width()) * size.height() > kMaxCachePixels) {
            m_pageCache.reset();
            DrawPageDirectly(painter, page, publisher, fields, store, crossed, merged, textColor);
            return;
        }
        // Transparent around the paper, so that the desk shows where the sheet
        // covers only part of a pixel or none.
        wanted.image = QImage(size, QImage::Format_ARGB32_Premultiplied);
        wanted.image.fill(Qt::transparent);
        QPainter picture(&wanted.image);
        picture.setRenderHints(wanted.hints);
        picture.setFont(wanted.painterFont);
        picture.setTransform(wanted.scale);
        DrawPageDirectly(picture, page, publisher, fields, store, crossed, merged, textColor);
        picture.end();
        m_pageCache = std::make_shared<PageCache>(std::move(wanted));
    }
    painter.save();
    painter.resetTransform();
    painter.drawImage(QPointF(shiftX, shiftY), m_pageCache->image);
    painter.restore();
}

void CFormPainter::DropPageCache() const
{
    m_pageCache.reset();
}

void CFormPainter::KeepPage(bool keep)
{
    m_keepPage = keep;
    if (!keep)
        DropPageCache();
}

QRect CFormPainter::ScreenTextRect(int index, int page, bool merged) const
{
    const BoxRect r = m_form.ScreenRect(index, page, m_zoom, merged);
    return QRect(r.left + kTextShift, r.top, r.right - r.left, r.bottom - r.top);
}

QColor CFormPainter::ColorFromSetting(int value)
{
    return QColor(value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF);
}
