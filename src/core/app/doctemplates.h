#pragma once

#include "core/forms/formtype.h"

#include <QLatin1String>
#include <QString>

#include <array>

// The four document templates in registration order: the order of the new-file
// chooser's buttons and of the shell's icons.
struct DocTemplateInfo
{
    FormType type;
    int resourceId;
    QLatin1String baseName;    // titles of new documents: base name + running number
    QLatin1String newFileName; // name in the new-file list
    QLatin1String filterName;  // "CMR-Frachtbrief (*.cmr)", to be translated ("FileFilter")
    QLatin1String extension;   // ".cmr"
    QLatin1String registryTypeId;
    QLatin1String registryTypeName;
};

const std::array<DocTemplateInfo, 4>& DocTemplates();
const DocTemplateInfo& DocTemplateFor(FormType type);

// The open dialog's combined filter in QFileDialog notation, first entry "Alle
// Tarvelomark Dateien", in the program's language.
QString OpenFileFilter();
// Save As offers the document's own filter and "Alle Dateien (*.*)".
QString SaveAsFilter(FormType type);
