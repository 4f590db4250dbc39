#include "widgets/defaults/dlgtooltip.h"

#include <QFontMetrics>
#include <QStringList>
#include <QToolTip>
#include <QWidget>

namespace {

// Breaks one paragraph between words so that no line is wider than `width`; a
// single word wider than that stays whole.
QStringList WrapParagraph(const QString& paragraph, const QFontMetrics& metrics, int width)
{
    QStringList lines;
    QString line;
    for (const QString& word : paragraph.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
        if (!line.isEmpty() && metrics.horizontalAdvance(candidate) > width) {
            lines << line;
            line = word;
        } else {
            line = candidate;
        }
    }
    lines << line;
    return lines;
}

} // namespace

void CDlgToolTip::AddTool(QWidget* control, const QString& heading,
                          const QString& description) const
{
    control->setToolTip(Text(heading, description, m_descriptionWidth));
}

QString CDlgToolTip::Text(const QString& heading, const QString& description, int width)
{
    const QFontMetrics metrics(QToolTip::font());
    QStringList lines;
    for (const QString& paragraph : description.split(QLatin1Char('\n')))
        lines << WrapParagraph(paragraph, metrics, width);
    for (QString& line : lines)
        line = line.toHtmlEscaped();
    // Pre-wrapped lines: the tool tip label must not wrap them again at a width of
    // its own choosing.
    return QStringLiteral("<p style='white-space:pre'><b>%1</b><br>%2</p>")
        .arg(heading.toHtmlEscaped(), lines.join(QLatin1String("<br>")));
}
