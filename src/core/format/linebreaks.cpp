#include "core/format/linebreaks.h"

QString ToEditLines(const QString& stored)
{
    QString text = stored;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return text;
}

QString ToStoredLines(const QString& edited)
{
    QString text = ToEditLines(edited);
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    return text;
}

QString TrimTrailingSpace(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text[end - 1].isSpace())
        --end;
    return end == text.size() ? text : text.left(end);
}
