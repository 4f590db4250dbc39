#include "clicommands.h"

#include "documents/documentfactory.h"
#include "documents/documentjson.h"
#include "settings/settingsstore.h"

#include <QFile>
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
           "                                      forwarding) mit Vorgabetexten\n";
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

int Dump(const QString& path, CSettingsStore& settings, QTextStream& out, QTextStream& err)
{
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
        return Fail(err, QStringLiteral("%1: kein JSON-Objekt (%2)")
                             .arg(jsonPath, parseError.errorString()));
    const QJsonObject object = json.object();
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

int New(const QString& formName, const QString& outPath, CSettingsStore& settings,
        QTextStream& err)
{
    const auto form = FormTypeFromName(formName);
    if (!form)
        return Usage(err);
    auto document = CreateDocument(*form, settings);
    document->OnNewDocument();
    return Save(*document, outPath, err);
}

} // namespace

int RunCli(const QStringList& args, CSettingsStore& settings, QTextStream& out,
           QTextStream& err)
{
    const QString command = args.value(0);
    if (command == QLatin1String("dump") && args.size() == 2)
        return Dump(args[1], settings, out, err);
    if (command == QLatin1String("build") && args.size() == 3)
        return Build(args[1], args[2], settings, err);
    if (command == QLatin1String("new") && args.size() == 3)
        return New(args[1], args[2], settings, err);
    return Usage(err);
}
