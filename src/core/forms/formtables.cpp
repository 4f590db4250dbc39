#include "core/forms/formtables.h"

namespace FormTables {

namespace {

// Walks a flat table of records of `width` values: a value below the separator
// limit where a record would start ends the group (a separator takes two
// values), one at or below the end limit ends the table.
template <typename Record, typename Make>
QVector<QVector<Record>> Groups(const qint32* table, int width, Make make)
{
    QVector<QVector<Record>> groups(1);
    for (const qint32* p = table;;) {
        if (*p <= kEndLimit)
            break;
        if (*p < kSeparatorLimit) {
            p += 2;
            if (*p > kEndLimit)
                groups.append(QVector<Record>());
            continue;
        }
        groups.last().append(make(p));
        p += width;
    }
    if (groups.last().isEmpty() && groups.size() > 1)
        groups.removeLast();
    return groups;
}

} // namespace

QVector<QVector<Segment>> LineGroups(const qint32* table)
{
    return Groups<Segment>(table, 4, [](const qint32* p) {
        return Segment{p[0], p[1], p[2], p[3]};
    });
}

QVector<qint32> ScaleTable(const qint32* table, int recordWidth, int zoom)
{
    QVector<qint32> scaled;
    for (const qint32* p = table; *p > kEndLimit;) {
        if (*p < kSeparatorLimit) {
            scaled << p[0] << p[1];
            p += 2;
            continue;
        }
        for (int i = 0; i < recordWidth; ++i)
            scaled << Scale(p[i], zoom);
        p += recordWidth;
    }
    scaled << kTableEnd;
    return scaled;
}

QVector<BoxRect> SheetTable(QVector<BoxRect> screen, const QVector<ShiftRow>& shifts,
                            const QVector<RectOverride>& overrides)
{
    for (int i = 0; i < screen.size(); ++i) {
        for (const ShiftRow& row : shifts) {
            if (i < row.first || i > row.last)
                continue;
            BoxRect& r = screen[i];
            r = {r.left + row.dx, r.top + row.dy, r.right + row.dx, r.bottom + row.dy};
            break;
        }
    }
    for (const RectOverride& box : overrides)
        if (box.box >= 0 && box.box < screen.size())
            screen[box.box] = box.rect;
    return screen;
}

QString PublisherName(int publisher)
{
    switch (publisher) {
    case 0:
        return QStringLiteral("Wilhelm K\u00f6hler Verlag");
    case 1:
        return QStringLiteral("Formularverlag Henkel");
    case 2:
        return QStringLiteral("LION GmbH");
    case 3:
        return QStringLiteral("Verkehrs Verlag Fischer");
    default:
        return QString();
    }
}

QString EditionLine(const QString& edition, int publisher)
{
    const QString name = PublisherName(publisher);
    return name.isEmpty() ? edition : QStringLiteral("%1 - %2").arg(edition, name);
}

} // namespace FormTables
