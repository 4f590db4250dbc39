#include "clicommands.h"

#include "addresses/addressexchange.h"
#include "addresses/addressfile.h"
#include "addresses/addressmerge.h"
#include "documents/documentfactory.h"
#include "documents/documentjson.h"
#include "documents/loadmessages.h"
#include "files/safewrite.h"
#include "printing/printjob.h"
#include "printing/wholenote.h"
#include "settings/settingsstore.h"
#include "views/formrender.h"

#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

namespace {

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Usage(QTextStream& err)
{
    err << "Aufruf:\n"
           "  tarvelomark-cli dump DATEI          Dokument als JSON ausgeben\n"
           "  tarvelomark-cli build JSON AUSGABE  Dokument aus JSON erzeugen\n"
           "  tarvelomark-cli new FORMULAR AUSGABE\n"
           "                                      neues Dokument (cmr, national, kombi,\n"
           "                                      forwarding) mit Vorgabetexten\n"
           "  tarvelomark-cli render DATEI AUSGABE.png|AUSGABE.pdf [--page 1|2] [--zoom N]\n"
           "                                      Formular mit Feldtexten zeichnen\n"
           "                                      (Zoom 10 bis 25, 10 = Originalgröße)\n"
           "  tarvelomark-cli render DATEI AUSGABE.pdf [--page 1|2|all]\n"
           "                  --copies N|labelled|labelled-all\n"
           "                                      ganzes Formular als PDF wie \"Als PDF\n"
           "                                      speichern...\": N einfache Exemplare oder\n"
           "                                      die beschrifteten Exemplare (labelled-all:\n"
           "                                      mit den zusätzlichen)\n"
           "  tarvelomark-cli print DATEI AUSGABE.pdf [--page 1|2] [--copies N]\n"
           "                                      Druck auf das Vordruckformular als PDF\n"
           "                                      (A4, eine Seite je Kopie, 1 bis 99;\n"
           "                                      ohne --copies \"DruckAnzahl\")\n"
           "  tarvelomark-cli import-addresses QUELLE.csv|QUELLE.vcf ADRESSDATEI\n"
           "                                      Adressen übernehmen, die noch fehlen\n"
           "  tarvelomark-cli export-addresses ADRESSDATEI AUSGABE.csv|AUSGABE.vcf\n"
           "                                      Adressen für Tabellen oder Adressbücher\n"
           "  Adressdatendateien: dump erkennt sie am Dateikopf, build am Schlüssel\n"
           "  \"addresses\" (Liste von Adressen, jede als Liste ihrer Zeilen).\n";
    return kUsage;
}

int Fail(QTextStream& err, const QString& message)
{
    err << message << '\n';
    return kFailed;
}

int Save(CKrDocument& document, const QString& path, QTextStream& err)
{
    QString error;
    return document.OnSaveDocument(path, &error) ? kOk : Fail(err, error);
}

// The tool asks nobody: a missing address file is not created, and the messages
// go to the error stream.
class CliAddressPrompter : public CAddressFilePrompter
{
public:
    CliAddressPrompter(QTextStream& err, bool createMissing)
        : m_err(err), m_createMissing(createMissing)
    {
    }
    bool AskCreateMissingFile(const QString&) override { return m_createMissing; }
    void ShowMessage(const QString& text, Icon) override { m_err << text << '\n'; }

private:
    QTextStream& m_err;
    bool m_createMissing;
};

// An address file is told by its header; everything else is a document, whose
// type the extension decides.
bool IsAddressFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) &&
           AddressFileHeaderOf(file.read(32)) != AddressFileHeader::Unknown;
}

// A record is shown as the list of its lines, split at CR LF; joining them with
// CR LF gives the record back exactly, whatever else it holds.
int DumpAddresses(const QString& path, QTextStream& out, QTextStream& err)
{
    CliAddressPrompter prompter(err, false);
    CAddressFile addresses(prompter);
    if (addresses.LoadAddressFile(path) != kAddressFileOk)
        return kFailed;
    QJsonArray records;
    for (const QString& record : addresses.List())
        records.append(QJsonArray::fromStringList(record.split(QLatin1String("\r\n"))));
    out << QJsonDocument(QJsonObject{{QStringLiteral("addresses"), records}})
               .toJson(QJsonDocument::Indented);
    return kOk;
}

// Records may be given as lists of lines or as single strings.
int BuildAddresses(const QJsonObject& object, const QString& jsonPath, const QString& outPath,
                   QTextStream& err)
{
    const QJsonValue value = object.value(QStringLiteral("addresses"));
    if (object.size() != 1 || !value.isArray())
        return Fail(err, QStringLiteral("%1: \"addresses\" muss eine Liste sein und steht "
                                        "allein.")
                             .arg(jsonPath));
    QStringList records;
    for (const QJsonValue& entry : value.toArray()) {
        if (entry.isString()) {
            records << entry.toString();
            continue;
        }
        const QJsonArray lineValues = entry.toArray();
        QStringList lines;
        for (const QJsonValue& line : lineValues)
            if (line.isString())
                lines << line.toString();
        if (!entry.isArray() || lineValues.isEmpty() || lines.size() != lineValues.size())
            return Fail(err, QStringLiteral("%1: Eine Adresse muss ein Text oder eine nicht "
                                            "leere Liste von Zeilen sein.")
                                 .arg(jsonPath));
        records << lines.join(QLatin1String("\r\n"));
    }
    CliAddressPrompter prompter(err, false);
    CAddressFile addresses(prompter);
    return addresses.SaveAddressFile(outPath, records) ? kOk : kFailed;
}

std::optional<AddressFormat> ExchangeFormat(const QString& path, QTextStream& err)
{
    const std::optional<AddressFormat> format = AddressFormatForPath(path);
    if (!format)
        err << QStringLiteral("%1: Adressen werden als .csv oder .vcf übernommen und "
                              "ausgegeben.\n")
                   .arg(path);
    return format;
}

// Takes from a CSV or vCard file the addresses the book lacks, through the same
// merge as the address dialog: records another user saved meanwhile stay. A
// missing book is created with the imported records alone. Refused entries are
// named on err; the import still takes the others.
int ImportAddresses(const QString& sourcePath, const QString& bookPath, QTextStream& out,
                    QTextStream& err)
{
    const std::optional<AddressFormat> format = ExchangeFormat(sourcePath, err);
    if (!format)
        return kUsage;
    QFile source(sourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return Fail(err, QStringLiteral("%1: %2").arg(sourcePath, source.errorString()));
    AddressImport import = ReadAddresses(source.readAll(), *format);
    if (!import.error.isEmpty())
        return Fail(err, QStringLiteral("%1: %2").arg(sourcePath, import.error));

    CliAddressPrompter prompter(err, false);
    CAddressFile addresses(prompter);
    if (QFileInfo::exists(bookPath) && addresses.LoadAddressFile(bookPath) != kAddressFileOk)
        return kFailed;
    DropKnownAddresses(import, addresses.List());
    for (const QString& refusal : std::as_const(import.refused))
        err << sourcePath << ": " << refusal << '\n';
    if (!import.records.isEmpty() &&
        !ApplyAddressChange(addresses, bookPath, AddressChange::Import(import.records)))
        return kFailed;
    out << QStringLiteral("Übernommen: %1, schon vorhanden: %2, nicht lesbar: %3\n")
               .arg(import.records.size())
               .arg(import.duplicates)
               .arg(import.refused.size());
    return kOk;
}

int ExportAddresses(const QString& bookPath, const QString& outPath, QTextStream& err)
{
    const std::optional<AddressFormat> format = ExchangeFormat(outPath, err);
    if (!format)
        return kUsage;
    CliAddressPrompter prompter(err, false);
    CAddressFile addresses(prompter);
    if (addresses.LoadAddressFile(bookPath) != kAddressFileOk)
        return kFailed;
    const QByteArray bytes = *format == AddressFormat::Csv ? WriteAddressCsv(addresses.List())
                                                           : WriteAddressVCards(addresses.List());
    QString error;
    return WriteFileSafely(outPath, bytes, &error) ? kOk : Fail(err, error);
}

int Dump(const QString& path, CSettingsStore& settings, QTextStream& out, QTextStream& err)
{
    if (IsAddressFile(path))
        return DumpAddresses(path, out, err);
    auto document = CreateDocument(FormTypeForPath(path), settings);
    QString error;
    if (!document->OnOpenDocument(path, &error))
        return Fail(err, error);
    out << QJsonDocument(DocumentToJson(*document)).toJson(QJsonDocument::Indented);
    return kOk;
}

int Build(const QString& jsonPath, const QString& outPath, CSettingsStore& settings,
          QTextStream& err)
{
    QFile file(jsonPath);
    if (!file.open(QIODevice::ReadOnly))
        return Fail(err, QStringLiteral("%1: %2").arg(jsonPath, file.errorString()));
    QJsonParseError parseError;
    const QJsonDocument json = QJsonDocument::fromJson(file.readAll(), &parseError);
    if (!json.isObject())
        return Fail(
            err,
            QStringLiteral("%1: kein JSON-Objekt (%2)").arg(jsonPath, parseError.errorString()));
    const QJsonObject object = json.object();
    if (object.contains(QStringLiteral("addresses")))
        return BuildAddresses(object, jsonPath, outPath, err);
    const auto form = FormTypeFromName(object.value(QStringLiteral("form")).toString());
    if (!form)
        return Fail(err, QStringLiteral("%1: \"form\" muss cmr, national, kombi oder "
                                        "forwarding sein.")
                             .arg(jsonPath));
    auto document = CreateDocument(*form, settings);
    document->OnNewDocument();
    QString error;
    if (!ApplyDocumentJson(*document, object, &error))
        return Fail(err, QStringLiteral("%1: %2").arg(jsonPath, error));
    return Save(*document, outPath, err);
}

int New(const QString& formName, const QString& outPath, CSettingsStore& settings, QTextStream& err)
{
    const auto form = FormTypeFromName(formName);
    if (!form)
        return Usage(err);
    auto document = CreateDocument(*form, settings);
    document->OnNewDocument();
    return Save(*document, outPath, err);
}

// The whole form as "Als PDF speichern..." writes it: `page` 0 for all pages,
// `copies` a number of plain copies or "labelled" / "labelled-all".
int RenderWholeNote(const CKrDocument& document, CSettingsStore& settings, const QString& path,
                    int page, const QString& copies, QTextStream& err)
{
    QString error;
    const Forms::FormDescription* form = DrawnForm(document, settings, &error);
    if (!form)
        return Fail(err, error);
    WholeNoteJob job = AllPagesJob(*form);
    if (page != 0)
        job.pages = {page};
    const bool all = copies == QLatin1String("labelled-all");
    if (all || copies == QLatin1String("labelled")) {
        if (form->copyLabels.copies.isEmpty())
            return Fail(err, QStringLiteral("Das Formular %1 hat keine beschrifteten Exemplare.")
                                 .arg(GetFormTypeInfo(document.GetFormType()).name));
        job.copies = LabelledOriginals(*form, all);
    } else {
        job.copies.count = copies.isEmpty() ? 1 : copies.toInt();
    }
    return SaveWholeNotePdf(document, settings, job, path, &error) ? kOk : Fail(err, error);
}

// render FILE OUT [--page 1|2|all] [--zoom N] [--copies N|labelled|labelled-all]
int Render(const QStringList& args, CSettingsStore& settings, QTextStream& err)
{
    if (args.size() < 3 || args.size() % 2 == 0)
        return Usage(err);
    int page = 1; // 0: all pages
    int zoom = 10;
    bool zoomGiven = false;
    QString copies;
    for (int i = 3; i < args.size(); i += 2) {
        bool ok = false;
        const QString& text = args[i + 1];
        const int value = text.toInt(&ok);
        if (args[i] == QLatin1String("--page") && ok && (value == 1 || value == 2))
            page = value;
        else if (args[i] == QLatin1String("--page") && text == QLatin1String("all"))
            page = 0;
        else if (args[i] == QLatin1String("--zoom") && ok && value >= 10 && value <= 25) {
            zoom = value;
            zoomGiven = true;
        } else if (args[i] == QLatin1String("--copies") &&
                   ((ok && value >= 1 && value <= kMaxPrintCopies) ||
                    text == QLatin1String("labelled") || text == QLatin1String("labelled-all")))
            copies = text;
        else
            return Usage(err);
    }
    const bool wholeNote = page == 0 || !copies.isEmpty();
    if (wholeNote && !args[2].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return Fail(err, QStringLiteral("%1: Alle Seiten und Exemplare werden nur als PDF-Datei "
                                        "(.pdf) geschrieben.")
                             .arg(args[2]));
    if (wholeNote && zoomGiven && zoom != 10)
        return Fail(err, QStringLiteral("Alle Seiten und Exemplare werden nur in "
                                        "Originalgröße (--zoom 10) geschrieben."));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(err, QStringLiteral("Zeichnen braucht eine QGuiApplication."));
    auto document = CreateDocument(FormTypeForPath(args[1]), settings);
    QString error;
    if (!document->OnOpenDocument(args[1], &error))
        return Fail(err, error);
    // A refused file opens as a blank form; drawing that would pass it off as
    // the file's contents.
    if (document->GetLoadError() != 0)
        return Fail(err, LoadMessageText(document->GetLoadError()));
    if (wholeNote)
        return RenderWholeNote(*document, settings, args[2], page, copies, err);
    return RenderDocumentToFile(*document, settings, args[2], page, zoom, &error)
               ? kOk
               : Fail(err, error);
}

// print FILE OUT.pdf [--page 1|2] [--copies N]: what the print command sends to
// the printer, with the settings of the store.
int Print(const QStringList& args, CSettingsStore& settings, QTextStream& err)
{
    if (args.size() < 3 || args.size() % 2 == 0)
        return Usage(err);
    const FormType type = FormTypeForPath(args[1]);
    int page = 1;
    // As the print dialog would offer it.
    int copies =
        qBound(1, settings.Get(GetFormTypeInfo(type).section, Settings::Copies), kMaxPrintCopies);
    for (int i = 3; i < args.size(); i += 2) {
        bool ok = false;
        const int value = args[i + 1].toInt(&ok);
        if (args[i] == QLatin1String("--page") && ok && (value == 1 || value == 2))
            page = value;
        else if (args[i] == QLatin1String("--copies") && ok && value >= 1 &&
                 value <= kMaxPrintCopies)
            copies = value;
        else
            return Usage(err);
    }
    if (!args[2].endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return Fail(err, QStringLiteral("%1: Der Druck wird nur als PDF-Datei (.pdf) "
                                        "geschrieben.")
                             .arg(args[2]));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(err, QStringLiteral("Drucken braucht eine QGuiApplication."));
    auto document = CreateDocument(type, settings);
    QString error;
    if (!document->OnOpenDocument(args[1], &error))
        return Fail(err, error);
    // A refused file opens as a blank form; drawing that would pass it off as
    // the file's contents.
    if (document->GetLoadError() != 0)
        return Fail(err, LoadMessageText(document->GetLoadError()));
    return PrintDocumentToPdf(*document, settings, args[2], page, copies, &error)
               ? kOk
               : Fail(err, error);
}

} // namespace

int RunCli(const QStringList& args, CSettingsStore& settings, QTextStream& out, QTextStream& err)
{
    const QString command = args.value(0);
    if (command == QLatin1String("dump") && args.size() == 2)
        return Dump(args[1], settings, out, err);
    if (command == QLatin1String("build") && args.size() == 3)
        return Build(args[1], args[2], settings, err);
    if (command == QLatin1String("new") && args.size() == 3)
        return New(args[1], args[2], settings, err);
    if (command == QLatin1String("render"))
        return Render(args, settings, err);
    if (command == QLatin1String("print"))
        return Print(args, settings, err);
    if (command == QLatin1String("import-addresses") && args.size() == 3)
        return ImportAddresses(args[1], args[2], out, err);
    if (command == QLatin1String("export-addresses") && args.size() == 3)
        return ExportAddresses(args[1], args[2], err);
    return Usage(err);
}
