#include "core/documents/loadmessages.h"

namespace {

// `form` as it follows "für den": the forms are all masculine.
QString NotForForm(const char* form)
{
    return QStringLiteral("Die von Ihnen gewählte Datei ist\nkeine Datei für den %1!\n\n"
                          "Die Datei wird nicht geladen, alle\nFelder werden zurückgesetzt!")
        .arg(QString::fromUtf8(form));
}

} // namespace

QString LoadMessageText(int id)
{
    switch (id) {
    case kLoadTooOld:
        return QStringLiteral("Die von Ihnen gewählte Datei wurde von\neiner älteren Version "
                              "dieses Programmes\nerzeugt und kann nicht geladen werden!\n\n"
                              "Alle Daten werden zurückgesetzt.");
    case kLoadTooNew:
        return QStringLiteral("Die von Ihnen gewählte Datei wurde von\neiner neueren Version "
                              "dieses Programmes\nerzeugt und kann nicht geladen werden!\n\n"
                              "Alle Daten werden zurückgesetzt.");
    case kLoadNotCmr:
        return NotForForm("CMR-Frachtbrief");
    case kLoadNotNational:
        return NotForForm("Nationalen Frachtbrief");
    case kLoadNotKombi:
        return NotForForm("Kombi-Frachtbrief");
    case kLoadNotForwarding:
        return NotForForm("Speditionsauftrag");
    default:
        return QString();
    }
}
