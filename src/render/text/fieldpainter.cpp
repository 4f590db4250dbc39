#include "render/text/fieldpainter.h"

#include "core/fields/fieldstore.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPaintEngine>
#include <QPainter>
#include <QPointF>

#include <atomic>
#include <cmath>

namespace {

constexpr int kNormalWeight = 400;
constexpr int kBoldWeight = 700;
constexpr int kDefaultCellHeight = 16;

constexpr std::array<int, 5> kInitialNormal = {30, 38, 42, 46, 52};
constexpr std::array<int, 5> kInitialBold = {28, 38, 42, 46, 52};
constexpr std::array<int, 7> kNormalSizes = {0, 1, 2, 3, 4, 8, 9};

bool IsBreak(QChar c)
{
    return c == u'\r' || c == u'\n';
}

// The text up to `end` without the spaces in front of it.
qsizetype TrimmedEnd(const QString& text, qsizetype start, qsizetype end)
{
    while (end > start && text[end - 1] == u' ')
        --end;
    return end;
}

// Breaks one paragraph (no line breaks inside) into `lines`, at most up to
// `maxLines` lines in all (-1: no limit); false once the limit is reached.
//
// A line ends at the last space (or the paragraph's end) up to which its text
// still fits. Measuring every growing candidate would cost the square of the
// paragraph's length; instead the sum of the characters' advances points at the
// candidate, and the real measure of the line's text, as it is drawn, settles
// it: one or two measures per line, so a box holding a book breaks in time
// linear in its length, and at the same places as measuring every candidate.
bool BreakParagraph(const QString& para, const QFontMetricsF& metrics, qreal width,
                    QStringList& lines, int maxLines)
{
    const qsizetype n = para.size();
    // Where a line may end: after a word, before its spaces, or at the end; and
    // before the last of two or more leading spaces, where the first line may be
    // empty when the first word does not fit after them.
    QVector<qsizetype> ends;
    qsizetype leading = 0;
    while (leading < n && para[leading] == u' ')
        ++leading;
    if (leading >= 2 && leading < n)
        ends.append(leading - 1);
    for (qsizetype i = 1; i <= n; ++i)
        if (i == n || (para[i] == u' ' && para[i - 1] != u' '))
            ends.append(i);
    // The characters' advances added up, as far as the lines reach: a box whose
    // text runs far below the page is measured only down to the page's foot.
    QVector<qreal> advance{0.0};
    const auto advanceTo = [&](qsizetype i) {
        while (advance.size() <= i) {
            const qsizetype c = advance.size() - 1;
            advance.append(advance.last() + metrics.horizontalAdvance(para[c]));
        }
        return advance[i];
    };

    const auto fits = [&](qsizetype start, qsizetype end) {
        const qsizetype textEnd = TrimmedEnd(para, start, end);
        return metrics.horizontalAdvance(para.mid(start, textEnd - start)) <= width + 1e-6;
    };
    qsizetype start = 0;
    qsizetype next = 0; // the first candidate end after `start`
    do {
        if (maxLines >= 0 && lines.size() >= maxLines)
            return false;
        while (next < ends.size() && ends[next] <= start)
            ++next;
        // The estimate: the last candidate whose characters add up to the width.
        qsizetype guess = next - 1;
        while (guess + 1 < ends.size() &&
               advanceTo(TrimmedEnd(para, start, ends[guess + 1])) - advanceTo(start) <= width)
            ++guess;
        // The measure: back while the guess does not fit, on while the next does.
        while (guess >= next && !fits(start, ends[guess]))
            --guess;
        while (guess + 1 < ends.size() && fits(start, ends[guess + 1]))
            ++guess;
        // A word wider than the box stands alone and runs past the edge.
        const qsizetype end = guess >= next ? ends[guess] : (next < ends.size() ? ends[next] : n);
        lines.append(para.mid(start, TrimmedEnd(para, start, end) - start));
        start = end;
        while (start < n && para[start] == u' ')
            ++start;
    } while (start < n);
    return true;
}

// How far the painter's device reaches, in the pixels its device transform maps
// onto: those of the device the engine draws on. A widget counts its size in
// logical pixels while the transform reaches the backing store's device pixels,
// so on a screen the desktop scales the widget's own size would end the page
// half-way down. Empty when the reach is unknown (a picture grows with what is
// recorded into it).
QSizeF DeviceReach(const QPainter& painter)
{
    const QPaintEngine* engine = painter.paintEngine();
    const QPaintDevice* target = engine ? engine->paintDevice() : nullptr;
    if (!target || target->devType() == QInternal::Picture)
        return QSizeF();
    return QSizeF(target->width(), target->height());
}

} // namespace

QStringList BreakBoxText(const QString& text, const QFontMetricsF& metrics, qreal width,
                         bool singleLine, int maxLines)
{
    QStringList lines;
    if (singleLine) {
        QString line;
        line.reserve(text.size());
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text[i] == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
                continue; // the pair counts as one break
            line.append(IsBreak(text[i]) ? QChar(u' ') : text[i]);
        }
        lines.append(line.left(TrimmedEnd(line, 0, line.size())));
        return lines;
    }

    qsizetype start = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !IsBreak(text[i]))
            continue;
        if (!BreakParagraph(text.mid(start, i - start), metrics, width, lines, maxLines))
            break;
        if (i + 1 < text.size() && text[i] == u'\r' && text[i + 1] == u'\n')
            ++i;
        start = i + 1;
    }
    return lines;
}

CFieldPainter::CFieldPainter(const CBoxFontHeights& heights) : m_heights(heights)
{
    for (Family family : {Family::Display, Family::Edit, Family::Printer})
        for (int size = 0; size <= 4; ++size) {
            Set(family, size, false, kInitialNormal[size]);
            Set(family, size, true, kInitialBold[size]);
        }
}

qreal CFieldPainter::CellToEmRatio(const QString& face, int weight)
{
    static QHash<QString, qreal> cache;
    const QString key = face + QLatin1Char('/') + QString::number(weight);
    auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;

    constexpr int kProbe = 1000;
    QFont probe(face);
    probe.setStyleHint(QFont::SansSerif);
    probe.setWeight(QFont::Weight(weight));
    probe.setPixelSize(kProbe);
    const QFontMetricsF metrics(probe);
    qreal ratio = (metrics.ascent() + metrics.descent()) / kProbe;
    if (!(ratio > 0.8 && ratio < 2.0))
        ratio = 1.117; // no usable face: Arial's proportions
    cache.insert(key, ratio);
    return ratio;
}

QFont CFieldPainter::MakeFont(const LogicalFont& logical)
{
    QFont font(logical.faceName);
    font.setStyleHint(QFont::SansSerif);
    font.setWeight(QFont::Weight(logical.weight));
    // The boxes were laid out for text without pair kerning.
    font.setKerning(false);
    if (logical.height > 0) {
        const qreal em = logical.height / CellToEmRatio(logical.faceName, logical.weight);
        font.setPixelSize(qMax(1, qRound(em)));
    } else if (logical.height < 0) {
        font.setPixelSize(-logical.height);
    }
    return font;
}

int CFieldPainter::Slot(int size)
{
    for (int i = 0; i < int(kNormalSizes.size()); ++i)
        if (kNormalSizes[i] == size)
            return i;
    return -1;
}

const CFieldPainter::Entry* CFieldPainter::Find(Family family, int size, bool bold) const
{
    const FontSet& set = family == Family::Display ? m_display
                         : family == Family::Edit  ? m_edit
                                                   : m_printer;
    const int slot = Slot(size);
    if (slot < 0 || (bold && slot >= int(set.bold.size())))
        return nullptr;
    return bold ? &set.bold[slot] : &set.normal[slot];
}

CFieldPainter::Entry* CFieldPainter::Find(Family family, int size, bool bold)
{
    return const_cast<Entry*>(std::as_const(*this).Find(family, size, bold));
}

void CFieldPainter::Set(Entry& entry, const LogicalFont& font)
{
    // Unique across painters: a new painter in the place of an old one must not
    // pass for it.
    static std::atomic<quint64> generations{0};
    m_generation = ++generations;
    if (font.height > 0)
        entry.cellHeight = font.height;
    else if (font.height < 0)
        entry.cellHeight =
            qMax(1, qRound(-font.height * CellToEmRatio(font.faceName, font.weight)));
    else
        entry.cellHeight = kDefaultCellHeight;
    entry.weight = font.weight;
    LogicalFont sized = font;
    sized.height = entry.cellHeight;
    entry.font = MakeFont(sized);
}

void CFieldPainter::Set(Family family, int size, bool bold, int cellHeight)
{
    if (Entry* entry = Find(family, size, bold))
        Set(*entry, LogicalFont{cellHeight, bold ? kBoldWeight : kNormalWeight});
}

int CFieldPainter::HeightValue(char family, int size, bool bold) const
{
    return m_heights.Height(family, size, bold);
}

void CFieldPainter::CreateScreenFonts(int screenDpiY, int zoom)
{
    zoom = qMax(1, zoom);
    for (int size : kNormalSizes)
        for (bool bold : {false, true}) {
            if (bold && size > 4)
                continue;
            // Heights in the view's units at this zoom: a value v is v / 1.2 tenths
            // of a millimetre on the form whatever the zoom.
            const int display = qMax(1, HeightValue('D', size, bold) * zoom / 12);
            Set(Family::Display, size, bold, display);

            // The edit widget works in pixels: the same length, through hundredths
            // of a millimetre, at the screen's resolution.
            const int hundredths = HeightValue('E', size, bold) * zoom / 12 * 10;
            const int pixels = qMax(1, qRound(hundredths * qreal(screenDpiY) / 2540.0));
            const int type = size <= 4 ? (bold ? 16 + size : size) : (size == 8 ? 65 : 66);
            DefineFont(type, LogicalFont{pixels, kNormalWeight});
        }
}

void CFieldPainter::CreatePrinterFonts(int factorPercent)
{
    for (int size : kNormalSizes)
        for (bool bold : {false, true}) {
            if (bold && size > 4)
                continue;
            const int height = qMax(1, HeightValue('P', size, bold) * factorPercent / 100);
            const int type = size <= 4 ? (bold ? 24 + size : 8 + size) : (size == 8 ? 67 : 68);
            DefineFont(type, LogicalFont{height, kNormalWeight});
        }
}

void CFieldPainter::DefineFont(int type, const LogicalFont& font)
{
    Family family;
    int size;
    bool bold = false;
    if (type >= 0 && type <= 4) {
        family = Family::Edit;
        size = type;
    } else if (type >= 8 && type <= 12) {
        family = Family::Printer;
        size = type - 8;
    } else if (type >= 16 && type <= 20) {
        family = Family::Edit;
        size = type - 16;
        bold = true;
    } else if (type >= 24 && type <= 28) {
        family = Family::Printer;
        size = type - 24;
        bold = true;
    } else if (type == 65 || type == 66) {
        family = Family::Edit;
        size = type == 65 ? 8 : 9;
    } else if (type == 67 || type == 68) {
        family = Family::Printer;
        size = type == 67 ? 8 : 9;
    } else {
        return;
    }
    LogicalFont forced = font;
    forced.weight = bold ? kBoldWeight : kNormalWeight;
    Set(*Find(family, size, bold), forced);
}

int CFieldPainter::CellHeight(Family family, int size, bool bold) const
{
    const Entry* entry = Find(family, size, bold);
    return entry ? entry->cellHeight : 0;
}

std::optional<QFont> CFieldPainter::Font(Family family, int size, bool bold) const
{
    const Entry* entry = Find(family, size, bold);
    if (!entry || entry->cellHeight == 0)
        return std::nullopt;
    return entry->font;
}

std::optional<QFont> CFieldPainter::FontForType(Family family, int fontType, bool bold) const
{
    if (fontType >= 0 && fontType <= 4)
        return Font(family, fontType, bold);
    if (fontType == kSmallFont8)
        return Font(family, 8, false);
    if (fontType == kSmallFont9)
        return Font(family, 9, false);
    return std::nullopt;
}

QRect CFieldPainter::ScaledPrintRect(const QRect& rect) const
{
    const qint64 factorV = m_correction.vertical;
    const qint64 factorH = m_correction.horizontal;
    qint64 left = rect.x(), right = qint64(rect.x()) + rect.width();
    qint64 top = rect.y(), bottom = qint64(rect.y()) + rect.height();
    // Integer division truncates towards zero, as the printed layout expects.
    if (factorV != 1000) {
        top = top * factorV / 1000;
        bottom = bottom * factorV / 1000;
    }
    if (factorH != 1000) {
        left = left * factorH / 1000;
        right = right * factorH / 1000;
    }
    return QRect(int(left), int(top), int(right - left), int(bottom - top));
}

void CFieldPainter::Draw(QPainter& painter, QRect rect, const std::optional<QFont>& font,
                         quint16 alignment, const QString& text, bool singleLine) const
{
    if (font)
        painter.setFont(*font);
    qreal left = rect.x();
    qreal right = qreal(rect.x()) + rect.width();
    switch (alignment) {
    case CFieldStore::kAlignLeft:
        left += kLeftTextInset;
        break;
    case CFieldStore::kAlignRight:
        right -= kRightTextInset;
        break;
    default:
        break;
    }
    if (text.isEmpty())
        return;

    const QFontMetricsF metrics(painter.font(), painter.device());
    // Text that overflows its box runs on into the boxes below, but lines that
    // lie wholly below the device's page are neither broken nor drawn.
    int maxLines = -1;
    bool invertible = false;
    const QTransform toLogical = painter.deviceTransform().inverted(&invertible);
    const QSizeF reach = DeviceReach(painter);
    if (invertible && !reach.isEmpty() && metrics.lineSpacing() > 0) {
        const qreal bottom = toLogical.mapRect(QRectF(QPointF(0, 0), reach)).bottom();
        const qreal room = bottom - rect.y();
        maxLines = room < 0 ? 0 : int(std::ceil(room / metrics.lineSpacing())) + 1;
    }
    const QStringList lines = BreakBoxText(text, metrics, right - left, singleLine, maxLines);
    qreal baseline = rect.y() + metrics.ascent();
    for (const QString& line : lines) {
        qreal x = left;
        if (alignment == CFieldStore::kAlignCenter)
            x = left + (right - left - metrics.horizontalAdvance(line)) / 2;
        else if (alignment == CFieldStore::kAlignRight)
            x = right - metrics.horizontalAdvance(line);
        if (!line.isEmpty())
            painter.drawText(QPointF(x, baseline), line);
        // The line height includes the face's leading, as on paper.
        baseline += metrics.lineSpacing();
    }
}

void CFieldPainter::DrawBoxText(QPainter& painter, const QRect& rect, int fontType,
                                quint16 alignment, const QString& text, bool bold) const
{
    Draw(painter, rect, FontForType(Family::Display, fontType, bold), alignment, text, false);
}

void CFieldPainter::PrintBoxText(QPainter& painter, const QRect& rect, int fontType,
                                 quint16 alignment, const QString& text, bool bold) const
{
    Draw(painter, ScaledPrintRect(rect), FontForType(Family::Printer, fontType, bold), alignment,
         text, false);
}

void CFieldPainter::DrawStoredField(QPainter& painter, const QRect& rect, const CFieldStore& store,
                                    quint16 index, quint16 page, bool singleLine,
                                    Family family) const
{
    // A position the store does not hold has no format and no text: nothing to
    // draw (asking the store for its format would throw).
    qsizetype position = index;
    bool exists;
    if (page == 0) {
        exists = false;
    } else if (page == 1) {
        exists = index < store.GetFieldCount() && position < store.PageFormats().size();
    } else {
        position = qsizetype(page - 2) * store.GetFollowFieldCount() + index;
        exists = index < store.GetFollowFieldCount() && position < store.FollowFormats().size();
    }
    if (!exists)
        return;

    const quint16 format =
        page == 1 ? store.PageFormats()[position] : store.FollowFormats()[position];
    const QStringList& texts = page == 1 ? store.PageTexts() : store.FollowTexts();
    const QString text = position < texts.size() ? texts[position] : QString();
    Draw(painter, rect,
         FontForType(family, format & CFieldStore::kSizeMask, format & CFieldStore::kBold),
         format & CFieldStore::kAlignMask, text, singleLine);
}

void CFieldPainter::DrawField(QPainter& painter, const QRect& rect, const CFieldStore& store,
                              quint16 index, quint16 page, bool singleLine) const
{
    DrawStoredField(painter, rect, store, index, page, singleLine, Family::Display);
}

void CFieldPainter::PrintField(QPainter& painter, const QRect& rect, const CFieldStore& store,
                               quint16 index, quint16 page, bool singleLine) const
{
    DrawStoredField(painter, ScaledPrintRect(rect), store, index, page, singleLine,
                    Family::Printer);
}
