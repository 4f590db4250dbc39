#include "core/settings/regeditmanagment.h"

#include "core/app/datafolder.h"
#include "core/documents/saveridentity.h"

#include <QFileInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

#ifndef TVM_VERSION
#error "TVM_VERSION comes from the project version of the build"
#endif

namespace {

// Digits from `pos` on, at most `maxDigits` of them, as a decimal number.
quint32 LeadingNumber(const QString& text, qsizetype pos, qsizetype maxDigits)
{
    quint32 value = 0;
    for (qsizetype i = pos; i < text.size() && i < pos + maxDigits && text[i].isDigit(); ++i)
        value = value * 10 + quint32(text[i].digitValue());
    return value;
}

} // namespace

bool ParseProductVersion(const QString& text, ProductVersion* version)
{
    if (!version)
        return false;
    *version = {};
    if (text.isEmpty())
        return false;
    // A product version has a handful of digits per part; more would only
    // overflow, so each part is read from at most five.
    constexpr qsizetype kPartDigits = 5;
    const qsizetype firstDot = text.indexOf(QLatin1Char('.'));
    const qsizetype secondDot = firstDot < 0 ? -1 : text.indexOf(QLatin1Char('.'), firstDot + 1);
    const quint32 major = LeadingNumber(text, 0, kPartDigits);
    const quint32 minor = firstDot < 0 ? 0 : LeadingNumber(text, firstDot + 1, kPartDigits);
    const quint32 build = secondDot < 0 ? 0 : LeadingNumber(text, secondDot + 1, 2);
    version->packed = major * 65536u + minor * 256u + build;
    // The parts are the bytes of the packed value, as the maker's tools read them.
    version->top = quint16((version->packed >> 24) & 0xFF);
    version->major = quint16((version->packed >> 16) & 0xFF);
    version->minor = quint16((version->packed >> 8) & 0xFF);
    version->build = quint16(version->packed & 0xFF);
    return true;
}

QString FormatVersionText(const ProductVersion& version)
{
    return QString::asprintf("%d.%01d.%02d", int(version.major), int(version.minor),
                             int(version.build));
}

CRegeditManagment::CRegeditManagment() : m_strCompany(QLatin1String(kCompany)) {}

CRegeditManagment::~CRegeditManagment() = default;

QString CRegeditManagment::BuiltProductVersion()
{
    return QStringLiteral(TVM_VERSION);
}

QString CRegeditManagment::BuiltCreationDate()
{
    // The compiler's own form, e.g. "Jul 14 2023"; reproducible builds pin it
    // through SOURCE_DATE_EPOCH.
    return QString::fromLatin1(__DATE__);
}

QDate CRegeditManagment::ParseCreationDate(const QString& creationDate)
{
    // English month names whatever the user's locale; a day below 10 is padded
    // with a blank.
    return QLocale::c().toDate(creationDate.simplified(), QStringLiteral("MMM d yyyy"));
}

bool CRegeditManagment::Init(const QString& programFile, const QString& creationDate,
                             const QString& productVersion, QSettings* versionValues)
{
    const QFileInfo info(programFile);
    m_strExePath = info.absoluteFilePath();
    m_strExeName = info.completeBaseName();
    m_strCreationDate = creationDate;
    const bool haveVersion = ParseProductVersion(productVersion, &m_version);
    m_bInitialized = true;
    if (versionValues) {
        WriteVersionValues(*versionValues);
    } else {
        QSettings values(QSettings::NativeFormat, QSettings::UserScope, m_strCompany, m_strExeName);
        values.setFallbacksEnabled(false);
        WriteVersionValues(values);
    }
    return haveVersion;
}

QString CRegeditManagment::ProgramFolder() const
{
    return QFileInfo(m_strExePath).absolutePath();
}

bool CRegeditManagment::WriteVersionValues(QSettings& values) const
{
    if (!m_bInitialized || !values.isWritable())
        return false;
    values.setValue(QStringLiteral("Version"), m_version.packed);
    values.setValue(QStringLiteral("Path"), ProgramFolder());
    values.setValue(QStringLiteral("CreationDate"), m_strCreationDate);
    values.sync();
    return values.status() == QSettings::NoError;
}

QString CRegeditManagment::GetUserName() const
{
    return PlatformSaverIdentity().userName;
}

QString CRegeditManagment::GetComputerName() const
{
    return PlatformSaverIdentity().computerName;
}

QString CRegeditManagment::GetPersonalDataFolder() const
{
    QString folder = GetDataFolder();
    if (folder == QLatin1String("/"))
        return {};
    folder.chop(1);
    return folder;
}

QString CRegeditManagment::GetDataFolder() const
{
    return DataFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                      m_strExeName);
}
