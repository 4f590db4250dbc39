#include "cli/clicommands.h"

#include "core/addresses/addressexchange.h"
#include "core/addresses/addressfile.h"
#include "core/addresses/addressmerge.h"
#include "core/documents/documentfactory.h"
#include "core/documents/documentjson.h"
#include "core/errors/errortext.h"
#include "core/errors/messageids.h"
#include "core/files/safewrite.h"
#include "core/settings/regeditmanagment.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "render/printing/printjob.h"
#include "render/printing/wholenote.h"
#include "render/views/formrender.h"

#include <QBuffer>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTextStream>

#include <functional>
#include <utility>

namespace {

// The context of the tool's texts in the catalogue.
struct Cli
{
    Q_DECLARE_TR_FUNCTIONS(Cli)
};

constexpr int kOk = 0;
constexpr int kFailed = 1;
constexpr int kUsage = 2;

int Fail(QTextStream& err, const QString& message)
{
    err << message << '\n';
    return kFailed;
}

// 0 for no error, else 1 after its message.
int Finish(QTextStream& err, const Error& error)
{
    return error ? Fail(err, ErrorMessage(error)) : kOk;
}

int Save(CKrDocument& document, const QString& path, QTextStream& err)
{
    return Finish(err, document.OnSaveDocument(path));
}

// The tool asks nobody: a missing address file is not created.
class CliAddressPrompter : public CAddressFilePrompter
{
public:
    bool AskCreateMissingFile(const QString&) override { return false; }
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
    CliAddressPrompter prompter;
    CAddressFile addresses(prompter);
    if (const Error error = addresses.LoadAddressFile(path))
        return Fail(err, ErrorMessage(error));
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
        return Fail(err, Cli::tr("%1: \"addresses\" muss eine Liste sein und steht "
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
            return Fail(err, Cli::tr("%1: Eine Adresse muss ein Text oder eine nicht "
                                     "leere Liste von Zeilen sein.")
                                 .arg(jsonPath));
        records << lines.join(QLatin1String("\r\n"));
    }
    CliAddressPrompter prompter;
    CAddressFile addresses(prompter);
    return Finish(err, addresses.SaveAddressFile(outPath, records));
}

std::optional<AddressFormat> ExchangeFormat(const QString& path, QTextStream& err)
{
    const std::optional<AddressFormat> format = AddressFormatForPath(path);
    if (!format)
        err << Cli::tr("%1: Adressen werden als .csv oder .vcf übernommen und ausgegeben.")
                   .arg(path)
            << '\n';
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
    if (import.error)
        return Fail(err, QStringLiteral("%1: %2").arg(sourcePath, ErrorMessage(import.error)));

    CliAddressPrompter prompter;
    CAddressFile addresses(prompter);
    if (QFileInfo::exists(bookPath))
        if (const Error error = addresses.LoadAddressFile(bookPath))
            return Fail(err, ErrorMessage(error));
    DropKnownAddresses(import, addresses.List());
    for (const Error& refusal : std::as_const(import.refused))
        err << sourcePath << ": " << ErrorMessage(refusal) << '\n';
    if (!import.records.isEmpty())
        if (const Error error =
                ApplyAddressChange(addresses, bookPath, AddressChange::Import(import.records)))
            return Fail(err, ErrorMessage(error));
    out << Cli::tr("Übernommen: %1, schon vorhanden: %2, nicht lesbar: %3")
               .arg(import.records.size())
               .arg(import.duplicates)
               .arg(import.refused.size())
        << '\n';
    return kOk;
}

int ExportAddresses(const QString& bookPath, const QString& outPath, QTextStream& err)
{
    const std::optional<AddressFormat> format = ExchangeFormat(outPath, err);
    if (!format)
        return kUsage;
    CliAddressPrompter prompter;
    CAddressFile addresses(prompter);
    if (const Error error = addresses.LoadAddressFile(bookPath))
        return Fail(err, ErrorMessage(error));
    const QByteArray bytes = *format == AddressFormat::Csv ? WriteAddressCsv(addresses.List())
                                                           : WriteAddressVCards(addresses.List());
    return Finish(err, WriteFileSafely(outPath, bytes));
}

// Where the bytes of an input come from: a file, or standard input for "-".
// Standard input is read once, whole, before anything is written.
struct Input
{
    QString path; // as given; "-" for standard input
    QByteArray bytes;
    bool fromStdin() const { return path == QLatin1String("-"); }
    QString name() const { return fromStdin() ? Cli::tr("Standardeingabe") : path; }
};

bool ReadInput(Input& input, QTextStream& err)
{
    QFile file;
    const bool opened = input.fromStdin()
                            ? file.open(stdin, QIODevice::ReadOnly)
                            : (file.setFileName(input.path), file.open(QIODevice::ReadOnly));
    if (!opened) {
        Fail(err, QStringLiteral("%1: %2").arg(input.name(), file.errorString()));
        return false;
    }
    input.bytes = file.readAll();
    return true;
}

// A document read from standard input has no extension to tell its form; its
// magic does.
FormType FormTypeOfInput(const Input& input)
{
    if (!input.fromStdin())
        return FormTypeForPath(input.path);
    const QByteArray& b = input.bytes;
    if (b.startsWith("KRD-FBR@"))
        return FormType::National;
    if (b.startsWith("KRD-FBNI@"))
        return FormType::Kombi;
    if (b.startsWith("KR-SPEDAUFTR@") || b.startsWith("KR-S883"))
        return FormType::Forwarding;
    return FormType::Cmr;
}

// Opens a document the way the program opens a file; null after a message.
std::unique_ptr<CKrDocument> OpenInput(const Input& input, CSettingsStore& settings,
                                       QTextStream& err)
{
    auto document = CreateDocument(FormTypeOfInput(input), settings);
    Error error;
    if (input.fromStdin()) {
        QByteArray bytes = input.bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        error = document->OpenFromDevice(buffer);
    } else {
        error = document->OnOpenDocument(input.path);
    }
    if (error) {
        const QString message = ErrorMessage(error);
        Fail(err, message.startsWith(input.path)
                      ? message
                      : QStringLiteral("%1: %2").arg(input.name(), message));
        return nullptr;
    }
    return document;
}

int Dump(const Input& input, CSettingsStore& settings, QJsonDocument::JsonFormat format,
         QTextStream& out, QTextStream& err)
{
    if (!input.fromStdin() && IsAddressFile(input.path))
        return DumpAddresses(input.path, out, err);
    const auto document = OpenInput(input, settings, err);
    if (!document)
        return kFailed;
    QJsonObject json = DocumentToJson(*document);
    json[QStringLiteral("message")] = ErrorMessage(LoadMessageError(document->GetLoadError()));
    out << QJsonDocument(json).toJson(format);
    return kOk;
}

int Build(const Input& json, const QString& outPath, CSettingsStore& settings, QTextStream& err)
{
    const QString jsonPath = json.name();
    QJsonParseError parseError;
    const QJsonDocument parsed = QJsonDocument::fromJson(json.bytes, &parseError);
    if (!parsed.isObject())
        return Fail(err,
                    Cli::tr("%1: kein JSON-Objekt (%2)").arg(jsonPath, parseError.errorString()));
    const QJsonObject object = parsed.object();
    if (object.contains(QStringLiteral("addresses")))
        return BuildAddresses(object, jsonPath, outPath, err);
    const auto form = FormTypeFromName(object.value(QStringLiteral("form")).toString());
    if (!form)
        return Fail(err, Cli::tr("%1: \"form\" muss cmr, national, kombi oder "
                                 "forwarding sein.")
                             .arg(jsonPath));
    auto document = CreateDocument(*form, settings);
    document->OnNewDocument();
    if (const Error error = ApplyDocumentJson(*document, object))
        return Fail(err, QStringLiteral("%1: %2").arg(jsonPath, ErrorMessage(error)));
    return Save(*document, outPath, err);
}

// The whole form as "Als PDF speichern..." writes it: `page` 0 for all pages,
// `copies` a number of plain copies or "labelled" / "labelled-all".
int RenderWholeNote(const CKrDocument& document, CSettingsStore& settings, const QString& path,
                    int page, const QString& copies, QTextStream& err)
{
    const Forms::FormDescription& form = document.Form();
    WholeNoteJob job = AllPagesJob(form);
    if (page != 0)
        job.pages = {page};
    const bool all = copies == QLatin1String("labelled-all");
    if (all || copies == QLatin1String("labelled")) {
        if (form.copyLabels.copies.isEmpty())
            return Fail(err, Cli::tr("Das Formular %1 hat keine beschrifteten Exemplare.")
                                 .arg(GetFormTypeInfo(document.GetFormType()).name));
        job.copies = LabelledOriginals(form, all);
    } else {
        job.copies.count = copies.isEmpty() ? 1 : copies.toInt();
    }
    return Finish(err, SaveWholeNotePdf(document, PrintContext::Read(form, settings), job, path));
}

// What render and print take besides the files.
struct DrawOptions
{
    int page = 1; // 0: all pages (render only)
    int zoom = 10;
    bool zoomGiven = false;
    QString copies;      // render: N, "labelled", "labelled-all"; empty: none given
    int printCopies = 0; // print: 0 for the form's "DruckAnzahl"
};

// One render: the screen's picture of a page, or the whole note.
int RenderOne(const Input& input, const QString& outPath, const DrawOptions& o,
              CSettingsStore& settings, QTextStream& err)
{
    const bool wholeNote = o.page == 0 || !o.copies.isEmpty();
    if (wholeNote && !outPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return Fail(err, Cli::tr("%1: Alle Seiten und Exemplare werden nur als PDF-Datei "
                                 "(.pdf) geschrieben.")
                             .arg(outPath));
    if (wholeNote && o.zoomGiven && o.zoom != 10)
        return Fail(err, Cli::tr("Alle Seiten und Exemplare werden nur in "
                                 "Originalgröße (--zoom 10) geschrieben."));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(err, Cli::tr("Zeichnen braucht eine QGuiApplication."));
    const auto document = OpenInput(input, settings, err);
    if (!document)
        return kFailed;
    // A refused file opens as a blank form; drawing that would pass it off as
    // the file's contents.
    if (const Error refused = LoadMessageError(document->GetLoadError()))
        return Fail(err, QStringLiteral("%1: %2").arg(input.name(), ErrorMessage(refused)));
    if (wholeNote)
        return RenderWholeNote(*document, settings, outPath, o.page, o.copies, err);
    return Finish(err,
                  RenderDocumentToFile(*document, PrintContext::Read(document->Form(), settings),
                                       outPath, o.page, o.zoom));
}

// What the print command sends to the printer, as an A4 PDF, with the
// settings of the store.
int PrintOne(const Input& input, const QString& outPath, const DrawOptions& o,
             CSettingsStore& settings, QTextStream& err)
{
    if (!outPath.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive))
        return Fail(err, Cli::tr("%1: Der Druck wird nur als PDF-Datei (.pdf) "
                                 "geschrieben.")
                             .arg(outPath));
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return Fail(err, Cli::tr("Drucken braucht eine QGuiApplication."));
    const auto document = OpenInput(input, settings, err);
    if (!document)
        return kFailed;
    if (const Error refused = LoadMessageError(document->GetLoadError()))
        return Fail(err, QStringLiteral("%1: %2").arg(input.name(), ErrorMessage(refused)));
    // As the print dialog would offer it.
    const int copies = o.printCopies > 0
                           ? o.printCopies
                           : qBound(1,
                                    settings.Get(GetFormTypeInfo(document->GetFormType()).section,
                                                 Settings::Copies),
                                    kMaxPrintCopies);
    return Finish(err, PrintDocumentToPdf(*document, PrintContext::Read(document->Form(), settings),
                                          outPath, o.page, copies));
}

// ---------------------------------------------------------------------------
// The command line: a table of commands, each with its arguments, options and
// function; QCommandLineParser reads the options, the messages are our own.

struct Context
{
    CSettingsStore& settings;
    QTextStream& out;
    QTextStream& err;
};

struct Command
{
    const char* name;
    const char* arguments; // as the help shows them
    const char* summary;
    QStringList options; // names from kOptions
    int minArguments;
    int maxArguments; // -1: any number
    int (*run)(const QCommandLineParser& parser, const QStringList& arguments, Context& c);
};

// The texts are translated where the help is shown, not here: the table may be
// built before the tool's language is known.
struct OptionText
{
    const char* name;
    const char* shortName; // or null
    const char* description;
    const char* valueName; // null for a switch
};

constexpr OptionText kOptions[] = {
    {"page", nullptr,
     QT_TRANSLATE_NOOP("Cli", "Seite des Formulars: 1 (Vorderseite), 2 (Rückseite); bei render "
                              "auch all (alle Seiten als ganzes Formular)."),
     QT_TRANSLATE_NOOP("Cli", "SEITE")},
    {"zoom", nullptr, QT_TRANSLATE_NOOP("Cli", "Maßstab von 10 (Originalgröße) bis 25."), "N"},
    {"copies", nullptr,
     QT_TRANSLATE_NOOP("Cli", "render: N einfache Exemplare (1 bis 99), labelled oder "
                              "labelled-all (beschriftete Exemplare); print: 1 bis 99 Kopien "
                              "(ohne Angabe \"DruckAnzahl\")."),
     QT_TRANSLATE_NOOP("Cli", "ANZAHL")},
    {"output-dir", nullptr,
     QT_TRANSLATE_NOOP("Cli", "Schreibt je Eingabedatei eine Ausgabe gleichen Namens in diesen "
                              "Ordner; nötig bei mehreren Eingabedateien."),
     QT_TRANSLATE_NOOP("Cli", "ORDNER")},
    {"format", nullptr, QT_TRANSLATE_NOOP("Cli", "Mit --output-dir: pdf (Vorgabe) oder png."),
     QT_TRANSLATE_NOOP("Cli", "FORMAT")},
    {"compact", nullptr, QT_TRANSLATE_NOOP("Cli", "JSON ohne Einrückung, eine Zeile."), nullptr},
    {"help", "h", QT_TRANSLATE_NOOP("Cli", "Diese Hilfe."), nullptr},
    {"version", nullptr, QT_TRANSLATE_NOOP("Cli", "Die Version des Programms."), nullptr},
};

// The option of that name (long or short), in the tool's language.
QCommandLineOption Option(const QString& name)
{
    for (const OptionText& option : kOptions) {
        if (name != QLatin1String(option.name) &&
            (!option.shortName || name != QLatin1String(option.shortName)))
            continue;
        QStringList names;
        if (option.shortName)
            names << QLatin1String(option.shortName);
        names << QLatin1String(option.name);
        return QCommandLineOption(names, Cli::tr(option.description),
                                  option.valueName ? Cli::tr(option.valueName) : QString());
    }
    Q_UNREACHABLE();
}

int UsageError(const QString& command, const QString& message, QTextStream& err)
{
    err << "tarvelomark-cli" << (command.isEmpty() ? QString() : QLatin1Char(' ') + command) << ": "
        << message << '\n'
        << Cli::tr("Hilfe: %1")
               .arg(QStringLiteral("tarvelomark-cli %1--help")
                        .arg(command.isEmpty() ? QString() : command + QLatin1Char(' ')))
        << '\n';
    return kUsage;
}

bool ParseNumber(const QString& text, int min, int max, int* value)
{
    bool ok = false;
    const int v = text.toInt(&ok);
    if (!ok || v < min || v > max)
        return false;
    *value = v;
    return true;
}

// The options render and print share; false after a usage message.
bool ReadDrawOptions(const QCommandLineParser& p, const QString& command, DrawOptions& o,
                     QTextStream& err)
{
    const bool render = command == QLatin1String("render");
    if (p.isSet(QStringLiteral("page"))) {
        const QString page = p.value(QStringLiteral("page"));
        if (render && page == QLatin1String("all"))
            o.page = 0;
        else if (!ParseNumber(page, 1, 2, &o.page)) {
            UsageError(command,
                       (render ? Cli::tr("--page nimmt 1 oder 2 oder all, nicht \"%1\".")
                               : Cli::tr("--page nimmt 1 oder 2, nicht \"%1\"."))
                           .arg(page),
                       err);
            return false;
        }
    }
    if (p.isSet(QStringLiteral("zoom"))) {
        if (!ParseNumber(p.value(QStringLiteral("zoom")), 10, 25, &o.zoom)) {
            UsageError(command,
                       Cli::tr("--zoom nimmt 10 bis 25, nicht \"%1\".")
                           .arg(p.value(QStringLiteral("zoom"))),
                       err);
            return false;
        }
        o.zoomGiven = true;
    }
    if (p.isSet(QStringLiteral("copies"))) {
        const QString copies = p.value(QStringLiteral("copies"));
        int n = 0;
        const bool number = ParseNumber(copies, 1, kMaxPrintCopies, &n);
        if (render && (number || copies == QLatin1String("labelled") ||
                       copies == QLatin1String("labelled-all")))
            o.copies = copies;
        else if (!render && number)
            o.printCopies = n;
        else {
            UsageError(command,
                       (render ? Cli::tr("--copies nimmt 1 bis %1, labelled oder labelled-all, "
                                         "nicht \"%2\".")
                               : Cli::tr("--copies nimmt 1 bis %1, nicht \"%2\"."))
                           .arg(kMaxPrintCopies)
                           .arg(copies),
                       err);
            return false;
        }
    }
    return true;
}

// Several inputs, or --output-dir: each input gets an output of its name in the
// folder. One that fails is named and the others still run; the command then
// ends with 1.
int RunBatch(const QString& command, const QStringList& inputs, const QString& outputDir,
             const QString& suffix, Context& c,
             const std::function<int(const Input&, const QString&)>& one)
{
    if (!QDir(outputDir).exists() && !QDir().mkpath(outputDir))
        return Fail(c.err, Cli::tr("%1: Der Ordner lässt sich nicht anlegen.").arg(outputDir));
    int failed = 0;
    QSet<QString> written;
    for (const QString& path : inputs) {
        if (path == QLatin1String("-"))
            return UsageError(command,
                              Cli::tr("Mit --output-dir werden nur Dateien gelesen, "
                                      "nicht \"-\"."),
                              c.err);
        QString out = QDir(outputDir).filePath(QFileInfo(path).completeBaseName() + suffix);
        // Two inputs of one name (from different folders) must not overwrite
        // each other's output.
        for (int n = 2; written.contains(out); ++n)
            out = QDir(outputDir).filePath(QStringLiteral("%1-%2%3")
                                               .arg(QFileInfo(path).completeBaseName())
                                               .arg(n)
                                               .arg(suffix));
        written.insert(out);
        Input input{path, {}};
        if (one(input, out) != kOk)
            ++failed;
    }
    if (failed > 0)
        c.err << Cli::tr("%1 von %n Dateien nicht verarbeitet.", nullptr, int(inputs.size()))
                     .arg(failed)
              << '\n';
    return failed > 0 ? kFailed : kOk;
}

int RunDump(const QCommandLineParser& p, const QStringList& args, Context& c)
{
    const QJsonDocument::JsonFormat format =
        p.isSet(QStringLiteral("compact")) ? QJsonDocument::Compact : QJsonDocument::Indented;
    const QString outputDir = p.value(QStringLiteral("output-dir"));
    if (outputDir.isEmpty()) {
        if (args.size() > 1)
            return UsageError(QStringLiteral("dump"),
                              Cli::tr("Mehrere Dateien brauchen --output-dir."), c.err);
        Input input{args.first(), {}};
        if (input.fromStdin() && !ReadInput(input, c.err))
            return kFailed;
        return Dump(input, c.settings, format, c.out, c.err);
    }
    return RunBatch(QStringLiteral("dump"), args, outputDir, QStringLiteral(".json"), c,
                    [&](const Input& input, const QString& out) {
                        QString json;
                        QTextStream stream(&json);
                        const int code = Dump(input, c.settings, format, stream, c.err);
                        stream.flush();
                        if (code != kOk)
                            return code;
                        return Finish(c.err, WriteFileSafely(out, json.toUtf8()));
                    });
}

// "-" names standard input or output only where a command reads or writes a
// stream; elsewhere it would quietly become a file of that name. `refusals`
// gives for each argument that must be a file, in the order of the arguments,
// the message that says so.
const char* const kOutputIsAFile =
    QT_TRANSLATE_NOOP("Cli", "Die Ausgabe ist eine Datei; \"-\" geht hier nicht.");
const char* const kSourceIsAFile =
    QT_TRANSLATE_NOOP("Cli", "Die Quelle ist eine Datei; \"-\" geht hier nicht.");
const char* const kAddressFileIsAFile =
    QT_TRANSLATE_NOOP("Cli", "Die Adressdatendatei ist eine Datei; \"-\" geht hier nicht.");

bool RefuseDash(const QString& command, const QStringList& args,
                const QList<std::pair<int, const char*>>& refusals, Context& c, int* code)
{
    for (const auto& [index, refusal] : refusals)
        if (index < args.size() && args[index] == QLatin1String("-")) {
            *code = UsageError(command, Cli::tr(refusal), c.err);
            return true;
        }
    return false;
}

int RunBuild(const QCommandLineParser&, const QStringList& args, Context& c)
{
    if (int code; RefuseDash(QStringLiteral("build"), args, {{1, kOutputIsAFile}}, c, &code))
        return code;
    Input json{args[0], {}};
    if (!ReadInput(json, c.err))
        return kFailed;
    return Build(json, args[1], c.settings, c.err);
}

int RunNew(const QCommandLineParser&, const QStringList& args, Context& c)
{
    if (int code; RefuseDash(QStringLiteral("new"), args, {{1, kOutputIsAFile}}, c, &code))
        return code;
    const auto form = FormTypeFromName(args[0]);
    if (!form)
        return UsageError(QStringLiteral("new"),
                          Cli::tr("Unbekanntes Formular \"%1\" (cmr, national, kombi, "
                                  "forwarding).")
                              .arg(args[0]),
                          c.err);
    auto document = CreateDocument(*form, c.settings);
    document->OnNewDocument();
    return Save(*document, args[1], c.err);
}

// render and print: FILE OUT, or FILE... with --output-dir.
int RunDraw(const QCommandLineParser& p, const QStringList& args, Context& c, bool render)
{
    const QString command = render ? QStringLiteral("render") : QStringLiteral("print");
    DrawOptions o;
    if (!ReadDrawOptions(p, command, o, c.err))
        return kUsage;
    const auto one = [&](const Input& input, const QString& out) {
        Input in = input;
        if (in.fromStdin() && !ReadInput(in, c.err))
            return kFailed;
        return render ? RenderOne(in, out, o, c.settings, c.err)
                      : PrintOne(in, out, o, c.settings, c.err);
    };
    const QString outputDir = p.value(QStringLiteral("output-dir"));
    if (outputDir.isEmpty()) {
        if (args.size() != 2)
            return UsageError(command,
                              args.size() < 2 ? Cli::tr("Eingabedatei und Ausgabedatei fehlen.")
                                              : Cli::tr("Mehrere Eingabedateien brauchen "
                                                        "--output-dir statt einer Ausgabedatei."),
                              c.err);
        if (args[1] == QLatin1String("-"))
            return UsageError(command,
                              Cli::tr("Die Ausgabe ist eine Datei (.png oder .pdf); "
                                      "\"-\" (Standardausgabe) geht hier nicht."),
                              c.err);
        if (p.isSet(QStringLiteral("format")))
            return UsageError(command, Cli::tr("--format gilt nur mit --output-dir."), c.err);
        return one(Input{args[0], {}}, args[1]);
    }
    QString suffix = QStringLiteral(".pdf");
    if (p.isSet(QStringLiteral("format"))) {
        const QString format = p.value(QStringLiteral("format"));
        if (render && format == QLatin1String("png"))
            suffix = QStringLiteral(".png");
        else if (format != QLatin1String("pdf"))
            return UsageError(command,
                              (render ? Cli::tr("--format nimmt pdf oder png, nicht \"%1\".")
                                      : Cli::tr("--format nimmt pdf, nicht \"%1\"."))
                                  .arg(format),
                              c.err);
    }
    return RunBatch(command, args, outputDir, suffix, c, one);
}

int RunRender(const QCommandLineParser& p, const QStringList& args, Context& c)
{
    return RunDraw(p, args, c, true);
}

int RunPrint(const QCommandLineParser& p, const QStringList& args, Context& c)
{
    return RunDraw(p, args, c, false);
}

int RunImportAddresses(const QCommandLineParser&, const QStringList& args, Context& c)
{
    if (int code; RefuseDash(QStringLiteral("import-addresses"), args,
                             {{0, kSourceIsAFile}, {1, kAddressFileIsAFile}}, c, &code))
        return code;
    return ImportAddresses(args[0], args[1], c.out, c.err);
}

int RunExportAddresses(const QCommandLineParser&, const QStringList& args, Context& c)
{
    if (int code; RefuseDash(QStringLiteral("export-addresses"), args,
                             {{0, kAddressFileIsAFile}, {1, kOutputIsAFile}}, c, &code))
        return code;
    return ExportAddresses(args[0], args[1], c.err);
}

const QList<Command>& Commands()
{
    static const QList<Command> commands = {
        {"dump",
         QT_TRANSLATE_NOOP("Cli", "DATEI|- ..."),
         QT_TRANSLATE_NOOP("Cli", "Dokument oder Adressdatendatei als JSON ausgeben (\"-\": "
                                  "Standardeingabe)."),
         {"compact", "output-dir"},
         1,
         -1,
         RunDump},
        {"build",
         QT_TRANSLATE_NOOP("Cli", "JSON|- AUSGABE"),
         QT_TRANSLATE_NOOP("Cli", "Dokument oder Adressdatendatei aus JSON erzeugen."),
         {},
         2,
         2,
         RunBuild},
        {"new",
         QT_TRANSLATE_NOOP("Cli", "FORMULAR AUSGABE"),
         QT_TRANSLATE_NOOP("Cli", "Neues Dokument (cmr, national, kombi, forwarding) mit "
                                  "Vorgabetexten."),
         {},
         2,
         2,
         RunNew},
        {"render",
         QT_TRANSLATE_NOOP("Cli", "DATEI... AUSGABE.png|AUSGABE.pdf"),
         QT_TRANSLATE_NOOP("Cli", "Formular mit Feldtexten zeichnen, wie der Bildschirm es zeigt; "
                                  "mit --copies oder --page all das ganze Formular als PDF."),
         {"page", "zoom", "copies", "output-dir", "format"},
         1,
         -1,
         RunRender},
        {"print",
         QT_TRANSLATE_NOOP("Cli", "DATEI... AUSGABE.pdf"),
         QT_TRANSLATE_NOOP("Cli", "Den Druck auf das Vordruckformular als A4-PDF schreiben, eine "
                                  "Seite je Kopie."),
         {"page", "copies", "output-dir"},
         1,
         -1,
         RunPrint},
        {"import-addresses",
         QT_TRANSLATE_NOOP("Cli", "QUELLE.csv|QUELLE.vcf ADRESSDATEI"),
         QT_TRANSLATE_NOOP("Cli", "Adressen übernehmen, die der Adressdatendatei fehlen."),
         {},
         2,
         2,
         RunImportAddresses},
        {"export-addresses",
         QT_TRANSLATE_NOOP("Cli", "ADRESSDATEI AUSGABE.csv|AUSGABE.vcf"),
         QT_TRANSLATE_NOOP("Cli",
                           "Adressen für Tabellen (CSV) oder Adressbücher (vCard) schreiben."),
         {},
         2,
         2,
         RunExportAddresses},
    };
    return commands;
}

// Help lines fit a terminal of 80 columns: words run on at `indent`.
QString Wrapped(const QString& text, int indent, int column)
{
    constexpr int kWidth = 79;
    QString result;
    int at = column;
    for (const QString& word : text.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        if (at > indent && at + 1 + word.size() > kWidth) {
            result += QLatin1Char('\n') + QString(indent, QLatin1Char(' '));
            at = indent;
        } else if (at > indent) {
            result += QLatin1Char(' ');
            ++at;
        }
        result += word;
        at += int(word.size());
    }
    return result;
}

QString OptionHelp(const QCommandLineOption& option)
{
    QStringList names;
    for (const QString& name : option.names())
        names << (name.size() == 1 ? QStringLiteral("-") : QStringLiteral("--")) + name;
    QString left = names.join(QStringLiteral(", "));
    if (!option.valueName().isEmpty())
        left += QLatin1Char(' ') + option.valueName();
    left = QStringLiteral("  %1  ").arg(left, -22);
    return left + Wrapped(option.description(), 26, int(left.size())) + QLatin1Char('\n');
}

// Each text of the help is a whole paragraph for the translator; the lines of
// the long ones are broken here, after translating.
QString Help()
{
    QString help = Cli::tr("Aufruf: tarvelomark-cli BEFEHL [OPTIONEN] ARGUMENTE") +
                   QStringLiteral("\n\n") +
                   Wrapped(Cli::tr("Liest und schreibt Frachtbriefe und Adressdaten von "
                                   "Tarvelomark ohne Fenster."),
                           0, 0) +
                   QStringLiteral("\n\n") + Cli::tr("Befehle:") + QLatin1Char('\n');
    for (const Command& command : Commands())
        help += QStringLiteral("  %1 %2\n      %3\n")
                    .arg(QLatin1String(command.name), Cli::tr(command.arguments),
                         Wrapped(Cli::tr(command.summary), 6, 6));
    help += QLatin1Char('\n') + Cli::tr("Allgemeine Optionen:") + QLatin1Char('\n') +
            OptionHelp(Option(QStringLiteral("help"))) +
            OptionHelp(Option(QStringLiteral("version"))) + QLatin1Char('\n') +
            Cli::tr("Hilfe zu einem Befehl: tarvelomark-cli BEFEHL --help\n"
                    "Exit-Status: 0 erledigt, 1 eine Datei ließ sich nicht lesen oder\n"
                    "schreiben, 2 falscher Aufruf.") +
            QLatin1Char('\n');
    return help;
}

QString CommandHelp(const Command& command)
{
    QString help = Cli::tr("Aufruf: tarvelomark-cli %1 [OPTIONEN] %2")
                       .arg(QLatin1String(command.name), Cli::tr(command.arguments)) +
                   QStringLiteral("\n\n") + Wrapped(Cli::tr(command.summary), 0, 0) +
                   QLatin1Char('\n');
    help += QLatin1Char('\n') + Cli::tr("Optionen:") + QLatin1Char('\n');
    for (const QString& name : command.options)
        help += OptionHelp(Option(name));
    help += OptionHelp(Option(QStringLiteral("help")));
    return help;
}

QString VersionText()
{
    return QStringLiteral("tarvelomark-cli %1\n").arg(CRegeditManagment::BuiltProductVersion());
}

} // namespace

int RunCli(const QStringList& args, CSettingsStore& settings, QTextStream& out, QTextStream& err)
{
    Context c{settings, out, err};
    const QString first = args.value(0);
    if (first == QLatin1String("--help") || first == QLatin1String("-h") ||
        first == QLatin1String("help")) {
        out << Help();
        return kOk;
    }
    if (first == QLatin1String("--version")) {
        out << VersionText();
        return kOk;
    }
    if (first.isEmpty()) {
        err << Help();
        return kUsage;
    }
    const Command* command = nullptr;
    for (const Command& candidate : Commands())
        if (first == QLatin1String(candidate.name))
            command = &candidate;
    if (!command)
        return UsageError(QString(), Cli::tr("Unbekannter Befehl \"%1\".").arg(first), err);

    QCommandLineParser parser;
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const QString& name : command->options)
        parser.addOption(Option(name));
    parser.addOption(Option(QStringLiteral("help")));
    parser.addOption(Option(QStringLiteral("version")));
    // The parser takes its first word as the program's name.
    if (!parser.parse(QStringList{QStringLiteral("tarvelomark-cli")} + args.mid(1))) {
        const QStringList unknown = parser.unknownOptionNames();
        const QString message =
            !unknown.isEmpty()
                ? Cli::tr("Unbekannte Option \"%1%2\".")
                      .arg(unknown.first().size() == 1 ? QStringLiteral("-") : QStringLiteral("--"),
                           unknown.first())
                : Cli::tr("Eine Option braucht einen Wert (%1).").arg(parser.errorText());
        return UsageError(first, message, err);
    }
    if (parser.isSet(QStringLiteral("help"))) {
        out << CommandHelp(*command);
        return kOk;
    }
    if (parser.isSet(QStringLiteral("version"))) {
        out << VersionText();
        return kOk;
    }
    for (const QString& name : command->options)
        if (parser.values(name).size() > 1)
            return UsageError(first, Cli::tr("--%1 steht mehr als einmal.").arg(name), err);
    const QStringList arguments = parser.positionalArguments();
    if (arguments.size() < command->minArguments ||
        (command->maxArguments >= 0 && arguments.size() > command->maxArguments))
        return UsageError(first,
                          Cli::tr("Erwartet: %1 (%2 angegeben).")
                              .arg(Cli::tr(command->arguments))
                              .arg(arguments.size()),
                          err);
    return command->run(parser, arguments, c);
}
