#include "core/app/commandline.h"

#include <QDir>
#include <QFileInfo>

StartupRequest ParseCommandLine(const QStringList& arguments)
{
    const QString tail = arguments.join(QLatin1Char(' '));
    if (tail.isEmpty())
        return {StartupRequest::NewDocument, QString()};
    // Compared case-sensitively at the very start: " -init" is a file name.
    if (tail.startsWith(QLatin1String("-init")))
        return {StartupRequest::Initialise, QString()};
    return {StartupRequest::OpenFile, tail};
}

QString CleanDocumentName(const QString& name)
{
    constexpr qsizetype kMaxPath = 259;
    QString cleaned = name.startsWith(QLatin1Char('"')) ? name.mid(1) : name;
    cleaned.truncate(kMaxPath);
    const qsizetype quote = cleaned.lastIndexOf(QLatin1Char('"'));
    if (quote >= 0)
        cleaned.truncate(quote);
    return cleaned;
}

QString ResolveDocumentPath(const QString& name)
{
    if (name.trimmed().isEmpty())
        return QString();
    QFileInfo info(name);
    if (info.isSymLink()) {
        const QString target = info.symLinkTarget();
        if (!target.isEmpty())
            info.setFile(target);
    }
    return QDir::cleanPath(info.absoluteFilePath());
}

bool SameDocumentPath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return a.compare(b, Qt::CaseInsensitive) == 0;
#else
    return a == b;
#endif
}
