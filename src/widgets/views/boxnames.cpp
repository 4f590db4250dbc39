#include "widgets/views/boxnames.h"

#include "render/views/formpainter.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <cstdlib>
#include <optional>
#include <tuple>

namespace {

// Distances in 0.1 mm of the sheet. A caption may start this far left of its
// box (labels of sub-lines push the box right) or sit this far inside its top.
constexpr int kReachLeft = 100;
constexpr int kInsideTop = 10;
// A heading lies at most this far above the caption it heads.
constexpr int kHeadingReach = 100;
// A row caption lies at most this far left of its box.
constexpr int kRowReach = 400;
// Points this close are the same point (a number and its caption).
constexpr int kSamePoint = 2;

struct Label
{
    QString text;
    QString number; // drawn right-aligned at the same point, or empty
    QPoint at;      // the left end of the text's baseline cell, y downwards
};

QVector<Label> Labels(const Forms::FormDescription& form, int page, int publisher)
{
    // Captions at zoom 10 are placed in the description's own units.
    const QVector<CFormPainter::PlacedCaption> captions =
        CFormPainter(form, 10).Captions(page, publisher);
    QVector<Label> labels;
    for (const CFormPainter::PlacedCaption& caption : captions) {
        if (caption.alignRight || caption.text.trimmed().isEmpty())
            continue;
        Label label{caption.text.simplified(), QString(), caption.at};
        for (const CFormPainter::PlacedCaption& number : captions) {
            if (number.alignRight && (number.at - caption.at).manhattanLength() <= kSamePoint)
                label.number = number.text.simplified();
        }
        labels.append(label);
    }
    // A number drawn without a caption beside it names its box alone.
    for (const CFormPainter::PlacedCaption& number : captions) {
        if (!number.alignRight || number.text.trimmed().isEmpty())
            continue;
        bool taken = false;
        for (const Label& label : labels)
            taken = taken || (number.at - label.at).manhattanLength() <= kSamePoint;
        if (!taken)
            labels.append({number.text.simplified(), QString(), number.at});
    }
    return labels;
}

QString Full(const Label& label)
{
    return label.number.isEmpty() ? label.text : label.number + QLatin1Char(' ') + label.text;
}

QString Short(const Label& label)
{
    // "Absender (Name, Anschrift, Land)" is the box "Absender"; the bracket says
    // what goes into it and stays in the description. Of a caption in several
    // languages ("Sonstige Vereinbarungen / Conventions ...") the first one.
    static const QRegularExpression hint(QStringLiteral("\\s*\\([^()]*\\)$"));
    QString text = label.text.section(QStringLiteral(" / "), 0, 0);
    text.remove(hint);
    if (text.isEmpty())
        text = label.text;
    return label.number.isEmpty() ? text : label.number + QLatin1Char(' ') + text;
}

// The caption above the box that reaches over it: nearest above, then nearest
// to the box's left edge.
std::optional<int> ColumnCaption(const QVector<Label>& labels, const Forms::BoxRect& box)
{
    std::optional<int> best;
    for (int i = 0; i < labels.size(); ++i) {
        const QPoint at = labels[i].at;
        if (at.x() < box.left - kReachLeft || at.x() >= box.right || at.y() > box.top + kInsideTop)
            continue;
        if (!best)
            best = i;
        const QPoint b = labels[*best].at;
        if (at.y() > b.y() ||
            (at.y() == b.y() && std::abs(at.x() - box.left) < std::abs(b.x() - box.left)))
            best = i;
    }
    return best;
}

// The one caption left of the box within its rows; none when there are several
// (they name lines of one box, such as "Ort" and "Land").
std::optional<int> RowCaption(const QVector<Label>& labels, const Forms::BoxRect& box)
{
    std::optional<int> found;
    for (int i = 0; i < labels.size(); ++i) {
        const QPoint at = labels[i].at;
        if (at.x() >= box.left || at.x() < box.left - kRowReach || at.y() <= box.top ||
            at.y() > box.bottom + kInsideTop)
            continue;
        if (found)
            return std::nullopt;
        found = i;
    }
    return found;
}

// The heading of an unnumbered caption: the nearest caption just above it that
// starts left of it or about where it starts.
std::optional<int> Heading(const QVector<Label>& labels, const Label& caption)
{
    std::optional<int> best;
    for (int i = 0; i < labels.size(); ++i) {
        const QPoint at = labels[i].at;
        if (at.y() >= caption.at.y() || at.y() < caption.at.y() - kHeadingReach ||
            at.x() > caption.at.x() + kReachLeft)
            continue;
        if (!best)
            best = i;
        const QPoint b = labels[*best].at;
        if (at.y() > b.y() || (at.y() == b.y() && at.x() > b.x()))
            best = i;
    }
    return best;
}

} // namespace

QVector<BoxName> BoxNames(const Forms::FormDescription& form, int page, int publisher)
{
    const QVector<Label> labels = Labels(form, page, publisher);
    const int count = page == 1 ? form.boxCount : 1;

    struct Parts
    {
        std::optional<int> heading, column, row;
    };
    QVector<Parts> parts(count);
    for (int i = 0; i < count; ++i) {
        const Forms::BoxRect box = form.BoxEntry(i, page);
        Parts& p = parts[i];
        p.column = ColumnCaption(labels, box);
        p.row = RowCaption(labels, box);
        if (p.row == p.column)
            p.row.reset();
        if (p.column && labels[*p.column].number.isEmpty())
            p.heading = Heading(labels, labels[*p.column]);
    }

    // Boxes whose captions say the same are told apart by their place: rows
    // from the top, or in reading order where they share a row.
    auto key = [&parts](int i) {
        const Parts& p = parts[i];
        return std::make_tuple(p.heading.value_or(-1), p.column.value_or(-1), p.row.value_or(-1));
    };
    auto compose = [&labels](const Parts& p, QString (*text)(const Label&)) {
        QString name;
        if (p.heading)
            name = text(labels[*p.heading]) + QStringLiteral(": ");
        if (p.column)
            name += text(labels[*p.column]);
        if (p.column && p.row)
            name += QStringLiteral(", ");
        if (p.row)
            name += text(labels[*p.row]);
        return name;
    };

    QVector<BoxName> names(count);
    for (int i = 0; i < count; ++i) {
        const Parts& p = parts[i];
        if (page == 1 && form.Box(i).name) {
            const QString own = QCoreApplication::translate("BoxNames", form.Box(i).name);
            names[i] = {own, own};
            continue;
        }
        if (!p.column && !p.row) {
            names[i].name = QCoreApplication::translate("BoxNames", "Feld %1").arg(i + 1);
            continue;
        }
        names[i] = {compose(p, Short), compose(p, Full)};
        QVector<int> same;
        for (int j = 0; j < count; ++j)
            if (key(j) == key(i))
                same.append(j);
        if (same.size() < 2)
            continue;
        const Forms::BoxRect box = form.BoxEntry(i, page);
        int rank = 1;
        bool sharedRow = false;
        for (int j : same) {
            const Forms::BoxRect other = form.BoxEntry(j, page);
            if (j != i && other.top == box.top)
                sharedRow = true;
            if (other.top < box.top || (other.top == box.top && other.left < box.left))
                ++rank;
        }
        const QString place = sharedRow
                                  ? QStringLiteral(" (%1)").arg(rank)
                                  : QCoreApplication::translate("BoxNames", ", Zeile %1").arg(rank);
        names[i].name += place;
        names[i].description += place;
    }
    return names;
}
