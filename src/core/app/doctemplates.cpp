#include "core/app/doctemplates.h"

#include <QStringList>

namespace {

// The new-file names are the forms' names wherever the program shows them.
const std::array<DocTemplateInfo, 4> kTemplates = {{
    {FormType::Cmr, 130, QLatin1String("CMR-Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "CMR-Frachtbrief")),
     QLatin1String("CMR-Frachtbrief (*.cmr)"), QLatin1String(".cmr"),
     QLatin1String("CMR-Frachtbrief.Dokument"), QLatin1String("CMR-Frachtbrief Dokument")},
    {FormType::National, 131, QLatin1String("Nationaler Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Nationaler Frachtbrief")),
     QLatin1String("Nationaler Frachtbrief (*.fbr)"), QLatin1String(".fbr"),
     QLatin1String("Frachtbrief.Dokument"), QLatin1String("Frachtbrief Dokument")},
    {FormType::Kombi, 132, QLatin1String("Kombi-Frachtbrief"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Kombi-Frachtbrief")),
     QLatin1String("Kombi-Frachtbrief (*.fb1)"), QLatin1String(".fb1"),
     QLatin1String("Kombi-Frachtbrief.Dokument"), QLatin1String("Kombi-Frachtbrief Dokument")},
    {FormType::Forwarding, 133, QLatin1String("Speditionsauftrag"),
     QLatin1String(QT_TRANSLATE_NOOP("FormName", "Speditionsauftrag")),
     QLatin1String("Speditionsauftrag (*.spa)"), QLatin1String(".spa"),
     QLatin1String("Speditionsauftrag.Dokument"), QLatin1String("Speditionsauftrag Dokument")},
}};

const QLatin1String kAllFiles("Alle Dateien (*.*)");

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
    QStringList filters{QStringLiteral("Alle Tarvelomark Dateien (*.cmr *.fbr *.fb1 *.spa)")};
    for (const DocTemplateInfo& t : kTemplates)
        filters << t.filterName;
    filters << kAllFiles;
    return filters.join(QLatin1String(";;"));
}

QString SaveAsFilter(FormType type)
{
    return DocTemplateFor(type).filterName + QLatin1String(";;") + kAllFiles;
}
