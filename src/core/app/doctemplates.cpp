#include "core/app/doctemplates.h"

#include <QCoreApplication>
#include <QStringList>

namespace {

// The new-file names are the forms' names wherever the program shows them.
const std::array<DocTemplateInfo, 4> kTemplates = {{
    {FormType::Cmr, 130, QLatin1String("CMR-Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "CMR-Frachtbrief")),
     QLatin1String(QT_TRANSLATE_NOOP("FileFilter", "CMR-Frachtbrief (*.cmr)")),
     QLatin1String(".cmr"), QLatin1String("CMR-Frachtbrief.Dokument"),
     QLatin1String("CMR-Frachtbrief Dokument")},
    {FormType::National, 131, QLatin1String("Nationaler Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Nationaler Frachtbrief")),
     QLatin1String(QT_TRANSLATE_NOOP("FileFilter", "Nationaler Frachtbrief (*.fbr)")),
     QLatin1String(".fbr"), QLatin1String("Frachtbrief.Dokument"),
     QLatin1String("Frachtbrief Dokument")},
    {FormType::Kombi, 132, QLatin1String("Kombi-Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Kombi-Frachtbrief")),
     QLatin1String(QT_TRANSLATE_NOOP("FileFilter", "Kombi-Frachtbrief (*.fb1)")),
     QLatin1String(".fb1"), QLatin1String("Kombi-Frachtbrief.Dokument"),
     QLatin1String("Kombi-Frachtbrief Dokument")},
    {FormType::Forwarding, 133, QLatin1String("Speditionsauftrag"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Speditionsauftrag")),
     QLatin1String(QT_TRANSLATE_NOOP("FileFilter", "Speditionsauftrag (*.spa)")),
     QLatin1String(".spa"), QLatin1String("Speditionsauftrag.Dokument"),
     QLatin1String("Speditionsauftrag Dokument")},
}};

QString AllFiles()
{
    return QCoreApplication::translate("FileFilter", "Alle Dateien (*.*)");
}

QString Filter(const DocTemplateInfo& info)
{
    return QCoreApplication::translate("FileFilter", info.filterName.data());
}

} // namespace

const std::array<DocTemplateInfo, 4>& DocTemplates()
{
    return kTemplates;
}

const DocTemplateInfo& DocTemplateFor(FormType type)
{
    return kTemplates[static_cast<size_t>(type)];
}

QString OpenFileFilter()
{
    // QFileDialog takes "Text (patterns)"; the display texts that already name
    // their pattern are used as they are.
    QStringList filters{QCoreApplication::translate(
        "FileFilter", "Alle Tarvelomark Dateien (*.cmr *.fbr *.fb1 *.spa)")};
    for (const DocTemplateInfo& t : kTemplates)
        filters << Filter(t);
    filters << AllFiles();
    return filters.join(QLatin1String(";;"));
}

QString SaveAsFilter(FormType type)
{
    return Filter(DocTemplateFor(type)) + QLatin1String(";;") + AllFiles();
}
