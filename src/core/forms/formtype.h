#pragma once

#include <QLatin1String>
#include <QString>

#include <optional>

// The four forms the program fills in.
enum class FormType { Cmr, National, Kombi, Forwarding };

struct FormTypeInfo
{
    FormType type;
    QLatin1String name;      // command-line and JSON name: "cmr", "national", ...
    QLatin1String section;   // settings section
    QLatin1String extension; // with the dot
    int wrongFileMessage;    // load message for a file of another form
};

const FormTypeInfo& GetFormTypeInfo(FormType type);
std::optional<FormType> FormTypeFromName(const QString& name);
// The program's open rule: the extension decides, case-insensitively; a file with
// an unknown extension is opened as a CMR note.
FormType FormTypeForPath(const QString& path);
