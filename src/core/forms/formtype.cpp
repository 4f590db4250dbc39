#include "core/forms/formtype.h"

#include <array>

namespace {

const std::array<FormTypeInfo, 4> kForms = {{
    {FormType::Cmr, QLatin1String("cmr"), QLatin1String("CMR"), QLatin1String(".cmr"), 26},
    {FormType::National, QLatin1String("national"), QLatin1String("NatFrachtbrief"),
     QLatin1String(".fbr"), 27},
    {FormType::Kombi, QLatin1String("kombi"), QLatin1String("KombiFrachtbrief"),
     QLatin1String(".fb1"), 28},
    {FormType::Forwarding, QLatin1String("forwarding"), QLatin1String("Speditionsauftrag"),
     QLatin1String(".spa"), 29},
}};

} // namespace

const FormTypeInfo& GetFormTypeInfo(FormType type)
{
    return kForms[static_cast<size_t>(type)];
}

std::optional<FormType> FormTypeFromName(const QString& name)
{
    for (const FormTypeInfo& info : kForms)
        if (name == info.name)
            return info.type;
    return std::nullopt;
}

FormType FormTypeForPath(const QString& path)
{
    for (const FormTypeInfo& info : kForms)
        if (path.endsWith(info.extension, Qt::CaseInsensitive))
            return info.type;
    return FormType::Cmr;
}
