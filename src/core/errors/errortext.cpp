#include "core/errors/errortext.h"

#include <QCoreApplication>
#include <QDir>

#include <array>
#include <initializer_list>

namespace {

// What fills %1, %2, ... of a text, in this order.
enum class Part { File, Position, Arg1, Arg2, Arg3 };

struct ErrorText
{
    ErrorCode code;
    const char* text;
    std::array<Part, 3> parts;
    int partCount;
    // The address book's messages leave a blank line before the cause.
    bool blankLineBeforeCause;
};

constexpr ErrorText Row(ErrorCode code, const char* text, std::initializer_list<Part> parts = {},
                        bool blankLineBeforeCause = false)
{
    ErrorText row{code, text, {}, 0, blankLineBeforeCause};
    for (Part part : parts)
        row.parts[size_t(row.partCount++)] = part;
    return row;
}

using P = Part;
using C = ErrorCode;

// One row per code, in the order of the enumeration. The German texts are the
// program's own, as it has always shown them ("geöffent" included).
constexpr std::array<ErrorText, kErrorCodeCount> kTexts = {{
    Row(C::None, ""),

    Row(C::Truncated, QT_TRANSLATE_NOOP("Error", "Unerwartetes Dateiende bei Byte %1."),
        {P::Position}),
    Row(C::ReadFailed, QT_TRANSLATE_NOOP("Error", "Lesefehler bei Byte %1: %2"),
        {P::Position, P::Arg1}),
    Row(C::BadBlockLength,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: ein Datenblock bei Byte %1 verlangt %2 "
                                   "Bytes, es folgen nur noch %3."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::BadStringLength,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: eine Zeichenkette bei Byte %1 verlangt "
                                   "%2 Bytes, es folgen nur noch %3."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::BadStringListLength,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: eine Textliste bei Byte %1 verlangt %2 "
                                   "Bytes, es folgen nur noch %3."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::BadWordListLength,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: eine Wortliste bei Byte %1 verlangt %2 "
                                   "Bytes, es folgen nur noch %3."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::TooManyStrings,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: eine Textliste bei Byte %1 hat %2 "
                                   "Einträge, höchstens %3 sind möglich."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::TooManyWords,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: eine Wortliste bei Byte %1 hat %2 "
                                   "Einträge, höchstens %3 sind möglich."),
        {P::Position, P::Arg1, P::Arg2}),
    Row(C::UnknownFieldRecord,
        QT_TRANSLATE_NOOP("Error",
                          "Beschädigte Datei: der Datensatz der Felder bei Byte %1 ist unbekannt."),
        {P::Position}),
    Row(C::FieldsDoNotFitForm,
        QT_TRANSLATE_NOOP("Error",
                          "Beschädigte Datei: die Felder bei Byte %1 passen nicht zum Formular."),
        {P::Position}),
    Row(C::TooFewBoxes,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei: der Datensatz vor Byte %1 hat nur %2 "
                                   "Felder."),
        {P::Position, P::Arg1}),
    Row(C::ShortList,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei vor Byte %1: die Liste hat nur %2 Einträge."),
        {P::Position, P::Arg1}),
    Row(C::TooFewBoxTexts,
        QT_TRANSLATE_NOOP("Error", "Beschädigte Datei vor Byte %1: nur %2 Feldtexte."),
        {P::Position, P::Arg1}),
    Row(C::ArchiveOpenForWriting,
        QT_TRANSLATE_NOOP("Error", "Das Archiv ist zum Schreiben geöffnet.")),
    Row(C::ArchiveOpenForReading, QT_TRANSLATE_NOOP("Error", "Das Archiv ist zum Lesen geöffnet.")),
    Row(C::ArchiveWriteFailed, QT_TRANSLATE_NOOP("Error", "Schreibfehler: %1"), {P::Arg1}),
    Row(C::OutOfMemoryForFile,
        QT_TRANSLATE_NOOP("Error", "Für diese Datei reicht der Arbeitsspeicher nicht.")),

    Row(C::FileTooOld,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei wurde von\neiner älteren "
                                   "Version dieses Programmes\nerzeugt und kann nicht geladen "
                                   "werden!\n\nAlle Daten werden zurückgesetzt.")),
    Row(C::FileTooNew,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei wurde von\neiner neueren "
                                   "Version dieses Programmes\nerzeugt und kann nicht geladen "
                                   "werden!\n\nAlle Daten werden zurückgesetzt.")),
    Row(C::NotCmrFile,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei ist\nkeine Datei für den "
                                   "CMR-Frachtbrief!\n\nDie Datei wird nicht geladen, "
                                   "alle\nFelder werden zurückgesetzt!")),
    Row(C::NotNationalFile,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei ist\nkeine Datei für den "
                                   "Nationalen Frachtbrief!\n\nDie Datei wird nicht geladen, "
                                   "alle\nFelder werden zurückgesetzt!")),
    Row(C::NotKombiFile,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei ist\nkeine Datei für den "
                                   "Kombi-Frachtbrief!\n\nDie Datei wird nicht geladen, "
                                   "alle\nFelder werden zurückgesetzt!")),
    Row(C::NotForwardingFile,
        QT_TRANSLATE_NOOP("Error", "Die von Ihnen gewählte Datei ist\nkeine Datei für den "
                                   "Speditionsauftrag!\n\nDie Datei wird nicht geladen, "
                                   "alle\nFelder werden zurückgesetzt!")),

    Row(C::DocumentNotFound,
        QT_TRANSLATE_NOOP("Error", "%1\nDie Datei kann nicht gefunden werden.\nÜberprüfen Sie, "
                                   "ob der korrekte Pfad und Dateiname angegeben wurde."),
        {P::File}),
    Row(C::DocumentOpenFailed, QT_TRANSLATE_NOOP("Error", "Fehler beim Öffnen des Dokuments.")),
    Row(C::DocumentSaveFailed, QT_TRANSLATE_NOOP("Error", "Fehler beim Speichern des Dokuments")),
    Row(C::OutOfMemoryForDocument,
        QT_TRANSLATE_NOOP("Error", "%1\nFür dieses Dokument reicht der Arbeitsspeicher nicht."),
        {P::File}),

    Row(C::WriteFailed, QT_TRANSLATE_NOOP("Error", "Die Datei %1 konnte nicht geschrieben werden."),
        {P::File}),
    Row(C::WriteFailedOldKept,
        QT_TRANSLATE_NOOP("Error", "Die Datei %1 konnte nicht geschrieben werden; die bisherige "
                                   "Datei bleibt unverändert."),
        {P::File}),
    Row(C::FileNotOpened, QT_TRANSLATE_NOOP("Error", "Die Datei %1 konnte nicht geöffnet werden."),
        {P::File}),
    Row(C::FileInUse,
        QT_TRANSLATE_NOOP("Error", "Die Datei %1 wird von einem anderen Programm verwendet."),
        {P::File}),
    Row(C::LockDenied,
        QT_TRANSLATE_NOOP("Error",
                          "Die Sperrdatei %1 darf nicht angelegt werden (Zugriff verweigert)."),
        {P::File}),
    Row(C::LockFailed,
        QT_TRANSLATE_NOOP("Error", "Die Sperrdatei %1 konnte nicht angelegt werden."), {P::File}),
    Row(C::DiskFull, QT_TRANSLATE_NOOP("Error", "Auf dem Datenträger ist nicht genug Platz.")),
    Row(C::QuotaExceeded,
        QT_TRANSLATE_NOOP("Error", "Der zugeteilte Speicherplatz ist erschöpft.")),
    Row(C::FileTooLarge, QT_TRANSLATE_NOOP("Error", "Die Datei wird zu groß.")),
    Row(C::AccessDenied, QT_TRANSLATE_NOOP("Error", "Zugriff verweigert.")),
    Row(C::ReadOnlyDisk, QT_TRANSLATE_NOOP("Error", "Der Datenträger ist schreibgeschützt.")),
    Row(C::FolderMissing, QT_TRANSLATE_NOOP("Error", "Der Ordner ist nicht vorhanden.")),
    Row(C::TargetIsFolder, QT_TRANSLATE_NOOP("Error", "Am Ziel steht ein Ordner.")),
    Row(C::TargetNotRegularFile,
        QT_TRANSLATE_NOOP("Error", "Am Ziel steht keine gewöhnliche Datei.")),
    Row(C::ForeignLink,
        QT_TRANSLATE_NOOP("Error", "%1 ist eine Verknüpfung, die einem anderen Benutzer gehört; "
                                   "durch sie wird nicht geschrieben."),
        {P::File}),
    Row(C::TooManyLinks,
        QT_TRANSLATE_NOOP("Error", "Zu viele Verknüpfungen auf dem Weg zur Datei.")),
    Row(C::NameTooLong, QT_TRANSLATE_NOOP("Error", "Der Dateiname ist zu lang.")),
    Row(C::DiskIoError, QT_TRANSLATE_NOOP("Error", "Ein- oder Ausgabefehler des Datenträgers.")),
    Row(C::SystemError, QT_TRANSLATE_NOOP("Error", "Systemfehler %1 (%2)."), {P::Arg1, P::Arg2}),
    Row(C::SystemMessage, QT_TRANSLATE_NOOP("Error", "%1"), {P::Arg1}),

    Row(C::AddressFileNotCreated, QT_TRANSLATE_NOOP("Error", "Die Datei\n%1\nist nicht vorhanden!"),
        {P::File}),
    Row(C::AddressFileAccessDenied,
        QT_TRANSLATE_NOOP("Error", "Zugriff auf die Datei %1 wurde verweigert.\nBitte wählen Sie "
                                   "eine Datei bzw. Speicherort aus, zu dem Sie Zugriffsrechte "
                                   "haben"),
        {P::File}),
    Row(C::AddressFileNotOpened,
        QT_TRANSLATE_NOOP("Error", "Adressdatei konnte nicht geöffent werden")),
    Row(C::AddressFileWrongType,
        QT_TRANSLATE_NOOP("Error", "Adressdatei konnte nicht geöffent werden (Falscher Typ)")),
    Row(C::AddressFileNotWritable,
        QT_TRANSLATE_NOOP("Error",
                          "Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet werden"),
        {P::File}, true),
    Row(C::NewAddressFileNotWritable,
        QT_TRANSLATE_NOOP("Error", "Adressdatei konnte nicht zum Schreiben geöffnet werden"), {},
        true),

    Row(C::NotCsvText,
        QT_TRANSLATE_NOOP("Error", "Die Datei ist keine Textdatei und damit keine CSV-Datei.")),
    Row(C::NotVCardText,
        QT_TRANSLATE_NOOP("Error", "Die Datei ist keine Textdatei und damit keine vCard-Datei.")),
    Row(C::NoAddresses, QT_TRANSLATE_NOOP("Error", "Die Datei enthält keine Adressen.")),
    Row(C::NoVCardEntries,
        QT_TRANSLATE_NOOP("Error", "Die Datei enthält keine vCard-Einträge (BEGIN:VCARD).")),
    Row(C::CsvUnclosedQuote,
        QT_TRANSLATE_NOOP("Error", "Zeile %1: Ein Anführungszeichen wird nicht geschlossen; die "
                                   "Datei ist wohl unvollständig."),
        {P::Position}),
    Row(C::VCardUnterminated,
        QT_TRANSLATE_NOOP("Error",
                          "Eintrag %1: END:VCARD fehlt; die Datei ist wohl unvollständig."),
        {P::Position}),
    Row(C::VCardUnsupportedVersion,
        QT_TRANSLATE_NOOP("Error", "Eintrag %1: vCard-Version \"%2\" wird nicht gelesen (nur 3.0 "
                                   "und 4.0)."),
        {P::Position, P::Arg1}),
    Row(C::VCardNoNameOrAddress,
        QT_TRANSLATE_NOOP("Error", "Eintrag %1: ohne Namen und Anschrift."), {P::Position}),

    Row(C::JsonFieldNotPair,
        QT_TRANSLATE_NOOP("Error", "Ein Feld muss als [Text, Format] angegeben werden.")),
    Row(C::JsonFormatOutOfRange,
        QT_TRANSLATE_NOOP("Error", "Das Format eines Feldes muss eine Zahl von 0 bis 65535 sein.")),
    Row(C::JsonUnknownMember,
        QT_TRANSLATE_NOOP("Error", "Unbekannter Eintrag \"%1\" (erlaubt: form, fields, "
                                   "followFields, word, version, loadError, message, pageWord, "
                                   "followCount)."),
        {P::Arg1}),
    Row(C::JsonNotFieldList, QT_TRANSLATE_NOOP("Error", "\"%1\" muss eine Liste von Feldern sein."),
        {P::Arg1}),
    Row(C::JsonWrongType, QT_TRANSLATE_NOOP("Error", "\"%1\" hat den falschen Typ."), {P::Arg1}),
    Row(C::JsonNumberOutOfRange,
        QT_TRANSLATE_NOOP("Error", "\"%1\" muss eine Zahl von 0 bis 65535 sein."), {P::Arg1}),
    Row(C::JsonNoCheckBoxes,
        QT_TRANSLATE_NOOP("Error",
                          "Das Formular %1 hat keine Ankreuzfelder; \"word\" gibt es hier nicht."),
        {P::Arg1}),
    Row(C::JsonTooManyFields, QT_TRANSLATE_NOOP("Error", "Zu viele Felder.")),
    Row(C::JsonTooManyFollowBoxes,
        QT_TRANSLATE_NOOP("Error", "Das Formular hat nur %1 Felder auf den Folgeseiten."),
        {P::Arg1}),

    Row(C::UpdatePageNotWritten,
        QT_TRANSLATE_NOOP("Error", "Die Seite %1 konnte nicht geschrieben werden."), {P::File}),

    Row(C::CalibrationReadingNotNumber,
        QT_TRANSLATE_NOOP("Error", "Bitte tragen Sie jede Ablesung als Zahl in Millimetern ein, "
                                   "zum Beispiel %1 oder %2."),
        {P::Arg1, P::Arg2}),
    Row(C::CalibrationReadingOutOfRangeAcross,
        QT_TRANSLATE_NOOP("Error", "Die Ablesung am Kreuz %1 (waagerecht) von %2 mm liegt "
                                   "außerhalb der Skala, die nur bis %3 mm reicht. Bitte prüfen "
                                   "Sie die Eingabe oder stellen Sie den Ausdruck zuerst mit "
                                   "\"Ränder...\" grob ein."),
        {P::Arg1, P::Arg2, P::Arg3}),
    Row(C::CalibrationReadingOutOfRangeDown,
        QT_TRANSLATE_NOOP("Error", "Die Ablesung am Kreuz %1 (senkrecht) von %2 mm liegt "
                                   "außerhalb der Skala, die nur bis %3 mm reicht. Bitte prüfen "
                                   "Sie die Eingabe oder stellen Sie den Ausdruck zuerst mit "
                                   "\"Ränder...\" grob ein."),
        {P::Arg1, P::Arg2, P::Arg3}),
    Row(C::CalibrationCorrectionOutOfRangeAcross,
        QT_TRANSLATE_NOOP("Error", "Aus diesen Ablesungen ergäbe sich eine Druckbereich-Korrektur "
                                   "(horizontal) von %1 %; möglich sind 97 bis 103 %. Bitte "
                                   "prüfen Sie die Ablesungen."),
        {P::Arg1}),
    Row(C::CalibrationCorrectionOutOfRangeDown,
        QT_TRANSLATE_NOOP("Error", "Aus diesen Ablesungen ergäbe sich eine Druckbereich-Korrektur "
                                   "(vertikal) von %1 %; möglich sind 97 bis 103 %. Bitte prüfen "
                                   "Sie die Ablesungen."),
        {P::Arg1}),
    Row(C::CalibrationMarginOutOfRangeLeft,
        QT_TRANSLATE_NOOP("Error", "Aus diesen Ablesungen ergäbe sich ein linker Rand von %1 mm; "
                                   "die Ränder reichen nur bis %2 mm. Bitte prüfen Sie die "
                                   "Ablesungen."),
        {P::Arg1, P::Arg2}),
    Row(C::CalibrationMarginOutOfRangeTop,
        QT_TRANSLATE_NOOP("Error", "Aus diesen Ablesungen ergäbe sich ein oberer Rand von %1 mm; "
                                   "die Ränder reichen nur bis %2 mm. Bitte prüfen Sie die "
                                   "Ablesungen."),
        {P::Arg1, P::Arg2}),
    Row(C::CalibrationMarksTooClose,
        QT_TRANSLATE_NOOP("Error", "Die beiden Kreuze liegen zu nahe beieinander, um den Maßstab "
                                   "des Druckers zu messen.")),

    Row(C::NoSuchPage, QT_TRANSLATE_NOOP("Error", "Das Formular hat keine Seite %1."), {P::Arg1}),
    Row(C::ZoomOutOfRange, QT_TRANSLATE_NOOP("Error", "Der Zoom muss zwischen %1 und %2 liegen."),
        {P::Arg1, P::Arg2}),
    Row(C::CopiesOutOfRange,
        QT_TRANSLATE_NOOP("Error", "Die Anzahl der Kopien muss zwischen 1 und %1 liegen."),
        {P::Arg1}),
    Row(C::NoteCopiesOutOfRange,
        QT_TRANSLATE_NOOP("Error", "Die Anzahl der Exemplare muss zwischen 1 und %1 liegen."),
        {P::Arg1}),
    Row(C::NoPageChosen, QT_TRANSLATE_NOOP("Error", "Es ist keine Seite gewählt.")),
    Row(C::PrintJobFailed,
        QT_TRANSLATE_NOOP("Error", "Der Druckauftrag konnte nicht ausgeführt werden.")),
    Row(C::OutputNotWritten,
        QT_TRANSLATE_NOOP("Error", "%1: Die Datei konnte nicht geschrieben werden."), {P::File}),
    Row(C::UnsupportedOutputType,
        QT_TRANSLATE_NOOP("Error", "%1: Nur PNG- und PDF-Dateien (.png, .pdf) können geschrieben "
                                   "werden."),
        {P::File}),
}};

constexpr bool InEnumerationOrder()
{
    for (size_t i = 0; i < kTexts.size(); ++i)
        if (int(kTexts[i].code) != int(i))
            return false;
    return true;
}
static_assert(InEnumerationOrder(), "one row per ErrorCode, in the order of the enumeration");

QString PartText(const Error& error, Part part)
{
    switch (part) {
    case Part::File:
        return QDir::toNativeSeparators(error.file());
    case Part::Position:
        return QString::number(error.position());
    case Part::Arg1:
        return error.arguments().value(0);
    case Part::Arg2:
        return error.arguments().value(1);
    case Part::Arg3:
        return error.arguments().value(2);
    }
    return QString();
}

// In one pass, so that a file name holding "%2" stays as it is. A % that no
// digit follows ("103 %") is text.
QString Fill(const QString& text, const QStringList& values)
{
    QString out;
    out.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const int n =
            c == QLatin1Char('%') && i + 1 < text.size() ? text.at(i + 1).digitValue() : -1;
        if (n >= 1 && n <= values.size()) {
            out += values.at(n - 1);
            ++i;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString ErrorMessage(const Error& error)
{
    if (!error)
        return QString();
    const ErrorText& row = kTexts[size_t(error.code())];
    QStringList values;
    for (int i = 0; i < row.partCount; ++i)
        values << PartText(error, row.parts[size_t(i)]);
    QString message = Fill(QCoreApplication::translate("Error", row.text), values);
    if (const Error* cause = error.cause())
        message += QLatin1String(row.blankLineBeforeCause ? "\n\n" : "\n") + ErrorMessage(*cause);
    return message;
}
