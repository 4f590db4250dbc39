#include "clirunner.h"
#include "cmrfixtures.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentjson.h"
#include "guienvironment.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>

namespace {

TVM_GUI_TEST_ENVIRONMENT(); // render and print

class CliTest : public ::testing::Test
{
protected:
    TestEnvironment env;
    CliRunner cli{env.Settings()};
    QString& out = cli.out;
    QString& err = cli.err;

    int Run(const QStringList& args) { return cli.Run(args); }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = env.FilePath(name);
        QFile file(path);
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return path;
    }

    QJsonObject DumpJson(const QString& path)
    {
        EXPECT_EQ(Run({"dump", path}), 0) << err.toStdString();
        return QJsonDocument::fromJson(out.toUtf8()).object();
    }
};

TEST_F(CliTest, DumpShowsTheDocumentAsStored)
{
    QStringList texts = CmrFixture::Numbered(176);
    texts[0] = QStringLiteral("Zeile 1\r\nZeile 2");
    // An unknown extension opens as a CMR note, as in the program.
    const QString path = Write("note.TXT", CmrFixture::Current(302, 3, texts, "hinten"));
    const QJsonObject json = DumpJson(path);
    EXPECT_EQ(json["form"].toString(), "cmr");
    EXPECT_EQ(json["version"].toInt(), 302);
    EXPECT_EQ(json["loadError"].toInt(), 0);
    EXPECT_EQ(json["message"].toString(), "");
    EXPECT_EQ(json["word"].toInt(), 3);
    EXPECT_EQ(json["pageWord"].toInt(), 0x2002);
    EXPECT_EQ(json["followCount"].toInt(), 1);
    const QJsonArray fields = json["fields"].toArray();
    ASSERT_EQ(fields.size(), 176);
    EXPECT_EQ(fields[0].toArray()[0].toString(), "Zeile 1\r\nZeile 2");
    EXPECT_EQ(fields[0].toArray()[1].toInt(), 2);
    EXPECT_EQ(json["followFields"].toArray()[0].toArray()[0].toString(), "hinten");
}

TEST_F(CliTest, ExitCodesTellOpenedFailedAndUsage)
{
    const QJsonObject refused = DumpJson(Write("alt.cmr", CmrFixture::Header(100)));
    EXPECT_EQ(refused["loadError"].toInt(), 24);
    EXPECT_TRUE(refused["message"].toString().startsWith("Die von Ihnen gewählte Datei"));

    EXPECT_EQ(Run({"dump", Write("kurz.cmr", CmrFixture::Header(302))}), 1);
    EXPECT_FALSE(err.isEmpty());
    EXPECT_EQ(Run({"dump", env.FilePath("fehlt.cmr")}), 1);
    EXPECT_EQ(Run({"dump"}), 2);
    EXPECT_EQ(Run({"frobnicate", "a", "b"}), 2);
    EXPECT_EQ(Run({"new", "lkw", env.FilePath("x.cmr")}), 2);
}

// --help goes to standard output with 0, for the tool and for each command; a
// usage error names what is wrong on standard error with 2.
TEST_F(CliTest, HelpVersionAndUsageErrors)
{
    for (const QStringList& args :
         {QStringList{"--help"}, QStringList{"-h"}, QStringList{"render", "--help"},
          QStringList{"dump", "-h"}, QStringList{"--version"}}) {
        EXPECT_EQ(Run(args), 0) << args.join(' ').toStdString();
        EXPECT_FALSE(out.isEmpty());
        EXPECT_TRUE(err.isEmpty()) << err.toStdString();
    }
    EXPECT_TRUE(Run({"print", "--help"}) == 0 && out.contains("--copies"));

    const struct
    {
        QStringList args;
        const char* message;
    } errors[] = {
        {{"render", "a.cmr", "a.png", "--pag", "2"}, "Unbekannte Option \"--pag\""},
        {{"render", "a.cmr", "a.png", "--page", "3"}, "--page nimmt 1 oder 2 oder all"},
        {{"render", "a.cmr", "a.png", "--page", "1", "--page", "2"}, "mehr als einmal"},
        {{"print", "a.cmr", "a.pdf", "--copies", "labelled"}, "--copies nimmt 1 bis 99"},
        {{"dump", "a.cmr", "b.cmr"}, "--output-dir"},
        {{"build", "a.json"}, "Erwartet: JSON|- AUSGABE"},
        {{"lkw"}, "Unbekannter Befehl \"lkw\""},
        // "-" where a file must be named: refused, not written as a file "-".
        {{"build", "a.json", "-"}, "Die Ausgabe ist eine Datei"},
        {{"new", "cmr", "-"}, "Die Ausgabe ist eine Datei"},
        {{"render", "a.cmr", "-"}, "\"-\" (Standardausgabe) geht hier nicht"},
        {{"import-addresses", "-", "a.dat"}, "Die Quelle ist eine Datei"},
        {{"export-addresses", "a.dat", "-"}, "Die Ausgabe ist eine Datei"},
    };
    for (const auto& e : errors) {
        EXPECT_EQ(Run(e.args), 2) << e.args.join(' ').toStdString();
        EXPECT_TRUE(err.contains(QString::fromUtf8(e.message))) << err.toStdString();
        EXPECT_TRUE(out.isEmpty());
    }
    EXPECT_FALSE(QFileInfo::exists(QStringLiteral("-")));
}

// Several notes at once: one JSON file each, compact on request.
TEST_F(CliTest, DumpWritesAFolderOfJson)
{
    const QString a = env.FilePath("a.cmr");
    ASSERT_EQ(Run({"new", "cmr", a}), 0);
    const QString b = env.FilePath("b.spa");
    ASSERT_EQ(Run({"new", "forwarding", b}), 0);
    const QString dir = env.FilePath("json");
    ASSERT_EQ(Run({"dump", a, b, "--output-dir", dir, "--compact"}), 0) << err.toStdString();
    QFile json(dir + "/b.json");
    ASSERT_TRUE(json.open(QIODevice::ReadOnly));
    const QByteArray bytes = json.readAll();
    EXPECT_EQ(bytes.count('\n'), 0);
    EXPECT_EQ(QJsonDocument::fromJson(bytes).object()["form"].toString(), "forwarding");
    EXPECT_TRUE(QFile::exists(dir + "/a.json"));
}

TEST_F(CliTest, BuildWritesWhatDumpShows)
{
    const QString json = Write("in.json", R"({"form": "cmr", "word": 4,
        "fields": [["Absender GmbH\r\nWeg 2", 18], ["Empfänger"]],
        "followFields": [["Rückseite", 3]]})");
    const QString cmr = env.FilePath("out.cmr");
    ASSERT_EQ(Run({"build", json, cmr}), 0) << err.toStdString();

    const QJsonObject dumped = DumpJson(cmr);
    EXPECT_EQ(dumped["word"].toInt(), 4);
    const QJsonArray fields = dumped["fields"].toArray();
    EXPECT_EQ(fields[0].toArray(), QJsonArray({"Absender GmbH\r\nWeg 2", 18}));
    EXPECT_EQ(fields[1].toArray(), QJsonArray({"Empfänger", 2}));
    EXPECT_EQ(fields[2].toArray(), QJsonArray({"", 2})); // left out: new-document contents
    EXPECT_EQ(dumped["followFields"].toArray()[0].toArray(), QJsonArray({"Rückseite", 3}));

    // Feeding the dump back in gives the same file.
    const QString again = Write("again.json", QJsonDocument(dumped).toJson());
    const QString cmr2 = env.FilePath("out2.cmr");
    ASSERT_EQ(Run({"build", again, cmr2}), 0) << err.toStdString();
    QFile a(cmr), b(cmr2);
    a.open(QIODevice::ReadOnly);
    b.open(QIODevice::ReadOnly);
    EXPECT_EQ(a.readAll(), b.readAll());
}

TEST_F(CliTest, BuildRefusesMalformedJsonWithoutWriting)
{
    const QString out = env.FilePath("nie.cmr");
    for (const char* json :
         {"[1]", R"({"form": "lkw"})", R"({"form": "cmr", "fields": [[1]]})",
          R"({"form": "cmr", "fields": [["a", 70000]]})", R"({"form": "cmr", "word": -1})",
          // Issue 15: what the tool would drop is refused too.
          R"({"form": "cmr", "fields": "abc"})", R"({"form": "cmr", "fields": {}})",
          R"({"form": "cmr", "followFields": {"0": ["x"]}})",
          R"({"form": "cmr", "feilds": [["Absender"]]})", R"({"form": "cmr", "version": "302"})",
          R"({"form": "forwarding", "word": 1})"}) {
        EXPECT_EQ(Run({"build", Write("bad.json", json), out}), 1) << json;
        EXPECT_FALSE(err.isEmpty());
    }
    EXPECT_FALSE(QFile::exists(out));
}

// Issue 15: a file whose record keeps follow-on texts but no follow-on boxes
// (F = 0) opens with those texts; follow-on fields given for it are refused
// instead of being dropped.
TEST_F(CliTest, FollowOnTextsForAFormWithoutFollowOnBoxesAreRefused)
{
    QByteArray bytes = CmrFixture::Current(302, 1, CmrFixture::Numbered(176), "hinten");
    const QByteArray followPart = Word(0x2002) + Word(1) + CmrFixture::StringList({"hinten"});
    const qsizetype at = bytes.lastIndexOf(followPart);
    ASSERT_GT(at, 0);
    bytes.replace(at, followPart.size(),
                  Word(0x1000) + Word(0) + CmrFixture::StringList({"hinten"}));
    CCMRDoc document(env.Settings());
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    ASSERT_TRUE(Succeeded(document.OpenFromDevice(buffer)));
    ASSERT_EQ(document.GetStore().GetFollowFieldCount(), 0);
    ASSERT_EQ(document.GetStore().FollowTexts().size(), 1);

    const QJsonObject json{{"followFields", QJsonArray{QJsonArray{"Rückseite"}}}};
    EXPECT_EQ(ApplyDocumentJson(document, json).code(), ErrorCode::JsonTooManyFollowBoxes);
    EXPECT_EQ(document.GetStore().FollowTexts(), QStringList{"hinten"});
}

// Issue 15: a file the program refuses with a load message is no form to draw.
TEST_F(CliTest, RenderAndPrintOfARefusedFileWriteNothing)
{
    const QString refused = Write("alt.cmr", CmrFixture::Header(100));
    for (const QStringList& args : {QStringList{"render", refused, env.FilePath("a.png")},
                                    QStringList{"render", refused, env.FilePath("a.pdf")},
                                    QStringList{"print", refused, env.FilePath("a.pdf")}}) {
        EXPECT_EQ(Run(args), 1) << args.join(' ').toStdString();
        // Named, so that a batch tells which of its files it was.
        EXPECT_TRUE(err.startsWith(refused + ": Die von Ihnen gewählte Datei"))
            << err.toStdString();
    }
    EXPECT_EQ(QDir(env.FilePath(QString())).entryList({"a.*"}, QDir::Files), QStringList());
}

// Issue 15: on a full disk every command that writes fails and keeps the file
// it would have replaced (before, build and new left it empty and said done).
TEST_F(CliTest, FullDiskFailsEveryWriteAndKeepsTheOldFile)
{
    const QString note = Write("note.cmr", CmrFixture::Current(302, 1, CmrFixture::Numbered(176)));
    const QString json = Write("in.json", R"({"form": "cmr", "fields": [["Absender"]]})");
    const struct
    {
        QStringList args;
        const char* target;
    } cases[] = {
        {{"build", json}, "out.cmr"},  {{"new", "cmr"}, "out.cmr"},  {{"render", note}, "out.png"},
        {{"render", note}, "out.pdf"}, {{"print", note}, "out.pdf"},
    };
    for (const auto& c : cases) {
        const QString target = Write(c.target, "alt");
        const QStringList args = c.args + QStringList{target};
        int code;
        {
            FileSizeLimit limit(64);
            code = Run(args);
        }
        SCOPED_TRACE(args.join(' ').toStdString());
        EXPECT_EQ(code, 1);
        EXPECT_TRUE(err.contains("Die Datei wird zu groß.")) << err.toStdString();
        QFile file(target);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        EXPECT_EQ(file.readAll(), "alt");
        EXPECT_EQ(QDir(env.FilePath(QString())).entryList({".out*"}, QDir::Files | QDir::Hidden),
                  QStringList());
    }
}

TEST_F(CliTest, NewWritesADefaultDocument)
{
    const QString path = env.FilePath("neu.cmr");
    ASSERT_EQ(Run({"new", "cmr", path}), 0);
    const QJsonObject json = DumpJson(path);
    EXPECT_EQ(json["word"].toInt(), 1);
    EXPECT_EQ(json["fields"].toArray().size(), 176);
}

} // namespace
