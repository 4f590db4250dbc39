#include "core/app/datafolder.h"

#include <QDir>

QString DataFolder(const QString& documentsFolder, const QString& programBaseName)
{
    if (documentsFolder.isEmpty())
        return QStringLiteral("/");
    return QDir(documentsFolder).filePath(programBaseName) + QLatin1Char('/');
}

QString ResolveAddressFile(const QString& setting, const QString& dataFolder)
{
    if (setting.isEmpty() || setting == QLatin1String("@"))
        return dataFolder + QLatin1String(kDefaultAddressFileName);
    return setting;
}
