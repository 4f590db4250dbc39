#include "core/documents/saveridentity.h"

#include <QSysInfo>

#include <optional>

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

std::optional<SaverIdentity>& Override()
{
    static std::optional<SaverIdentity> identity;
    return identity;
}

QString PlatformUserName()
{
#ifdef Q_OS_UNIX
    if (const passwd* pw = getpwuid(geteuid()))
        return QString::fromLocal8Bit(pw->pw_name);
#endif
    QString name = qEnvironmentVariable("USER");
    return name.isEmpty() ? qEnvironmentVariable("USERNAME") : name;
}

} // namespace

SaverIdentity CurrentSaverIdentity()
{
    if (Override())
        return *Override();
    return PlatformSaverIdentity();
}

SaverIdentity PlatformSaverIdentity()
{
    return {QSysInfo::machineHostName(), PlatformUserName()};
}

void SetSaverIdentityOverride(const SaverIdentity* identity)
{
    if (identity)
        Override() = *identity;
    else
        Override().reset();
}
