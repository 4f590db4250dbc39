#include "clirunner.h"
#include "core/addresses/addressfile.h"
#include "core/documents/archive.h"
#include "core/errors/errortext.h"
#include "core/errors/messageids.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QTextStream>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

const QByteArray kHeader = QByteArrayLiteral("Adressdaten 2.00KRD.............");
const QByteArray kOldHeader = QByteArrayLiteral("Tarvelomark.....Adressdaten 1.00");
const QString kWrongType =
    QStringLiteral("Adressdatei konnte nicht geöffent werden (Falscher Typ)");

class RecordingPrompter : public CAddressFilePrompter
{
public:
    bool create = true;
    QStringList asked;

    bool AskCreateMissingFile(const QString& path) override
    {
        asked << path;
        return create;
    }
};

class AddressFileTest : public ::testing::Test
{
protected:
    TestEnvironment env;
    RecordingPrompter prompter;
    CAddressFile addresses{prompter};
    int sleeps = 0;

    void SetUp() override
    {
        addresses.SetSleep([this](int ms) {
            EXPECT_EQ(ms, 1000);
            ++sleeps;
        });
    }

    QString Write(const QString& name, const QByteArray& bytes)
    {
        const QString path = env.FilePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return path;
    }

    static QByteArray Read(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
};

TEST_F(AddressFileTest, WrittenFileHasTheDocumentedBytes)
{
    const QString path = env.FilePath(QStringLiteral("TMAdress.dat"));
    ASSERT_TRUE(Succeeded(addresses.SaveAddressFile(path, {"A", "B"})));
    EXPECT_EQ(Read(path), kHeader + Hex("0200 FFFEFF01 4100 FFFEFF01 4200 40"));
    EXPECT_FALSE(QFile::exists(path + ".lock"));

    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(path)));
    EXPECT_TRUE(addresses.IsLoaded());
    EXPECT_EQ(addresses.List(), QStringList({"A", "B"}));
}

TEST_F(AddressFileTest, ReadsBothHeadersAndWritesTheCurrentOne)
{
    EXPECT_TRUE(Succeeded(addresses.LoadAddressFile(Write("leer.dat", kHeader + Hex("0000 40")))));
    EXPECT_TRUE(addresses.List().isEmpty());

    // The old header with 8-bit records in the Windows code page.
    const QString old = Write("alt.dat", kOldHeader + Word(2) +
                                             NarrowString("M\xfcller\r\nStra\xdf"
                                                          "e 1") +
                                             NarrowString("\x80-Kasse"));
    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(old)));
    const QStringList records{QStringLiteral("Müller\r\nStraße 1"), QStringLiteral("€-Kasse")};
    EXPECT_EQ(addresses.List(), records);
    ASSERT_TRUE(Succeeded(addresses.SaveAddressFile(old, addresses.List())));
    EXPECT_EQ(Read(old),
              kHeader + Word(2) + CountedString(records[0]) + CountedString(records[1]) + '\x40');
}

TEST_F(AddressFileTest, ForeignOrShortFileIsRefusedAndTheListKept)
{
    QByteArray otherHeader = kHeader;
    otherHeader[13] = '1';
    for (const QByteArray& bytes :
         {QByteArray(), kHeader.left(31), otherHeader + Hex("0000 40"), kOldHeader.toLower()}) {
        addresses.List() = QStringList{"vorher"};
        const Error error = addresses.LoadAddressFile(Write("x.dat", bytes));
        EXPECT_EQ(AddressFileResultOf(error), kAddressFileWrongType) << bytes.toHex().toStdString();
        EXPECT_EQ(ErrorMessage(error), kWrongType);
        EXPECT_FALSE(addresses.IsLoaded());
        EXPECT_EQ(addresses.List(), QStringList{"vorher"});
    }
}

TEST_F(AddressFileTest, EveryTruncationIsAnArchiveErrorOrTheWrongType)
{
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        WriteAddressList(buffer, {QStringLiteral("Spedition\r\nKai 3"), QString(), "B"});
    }
    for (qsizetype size = 0; size < bytes.size(); ++size) {
        QByteArray part = bytes.left(size);
        QBuffer buffer(&part);
        buffer.open(QIODevice::ReadOnly);
        QStringList records{"unverändert"};
        if (size < 32) {
            EXPECT_EQ(ReadAddressList(buffer, records), AddressFileHeader::Unknown) << size;
        } else if (size < bytes.size() - 1) {
            EXPECT_THROW(ReadAddressList(buffer, records), Error) << size;
        } else {
            EXPECT_EQ(ReadAddressList(buffer, records), AddressFileHeader::Current);
            EXPECT_EQ(records.size(), 3); // the end mark is never read
            continue;
        }
        EXPECT_EQ(records, QStringList{"unverändert"}) << size;
    }

    // The file is named, and where it ends: inside the record count.
    addresses.List() = QStringList{"vorher"};
    const QString cut = Write("kurz.dat", bytes.left(33));
    const Error error = addresses.LoadAddressFile(cut);
    EXPECT_EQ(AddressFileResultOf(error), kAddressFileDamaged);
    EXPECT_EQ(error, Error(ErrorCode::Truncated).at(33).inFile(cut));
    EXPECT_EQ(addresses.List(), QStringList{"vorher"});
    EXPECT_FALSE(addresses.IsLoaded());
}

TEST_F(AddressFileTest, MissingFileIsCreatedWithTheSampleOnRequest)
{
    const QString path = env.FilePath(QStringLiteral("neu.dat"));
    prompter.create = false;
    EXPECT_EQ(AddressFileResultOf(addresses.LoadAddressFile(path)), kAddressFileNotCreated);
    EXPECT_EQ(prompter.asked, QStringList{path});
    EXPECT_FALSE(QFile::exists(path));

    prompter.create = true;
    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(path)));
    const QString inNewFolder = env.FilePath(QStringLiteral("Dokumente/tarvelomark/TMAdress.dat"));
    CAddressFile fresh(prompter);
    EXPECT_TRUE(Succeeded(fresh.LoadAddressFile(inNewFolder)));
    EXPECT_TRUE(QFile::exists(inNewFolder));
    EXPECT_EQ(addresses.List(), QStringList{QStringLiteral("Beispieladresse\r\nStrasse\r\nOrt")});
    EXPECT_EQ(Read(path), kHeader + Word(1) +
                              CountedString(QStringLiteral("Beispieladresse\r\nStrasse\r\nOrt")) +
                              '\x40');

    // A missing folder is made; one that cannot be made (a file stands in its
    // place) leaves the file unwritten.
    QFile(env.FilePath(QStringLiteral("datei"))).open(QIODevice::WriteOnly);
    const QString unreachable = env.FilePath(QStringLiteral("datei/neu.dat"));
    const Error error = addresses.LoadAddressFile(unreachable);
    EXPECT_EQ(AddressFileResultOf(error), kAddressFileNotWritten);
    EXPECT_EQ(ErrorMessage(error),
              QStringLiteral("Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet "
                             "werden\n\nDie Sperrdatei %1.lock konnte nicht angelegt werden.\nDer "
                             "Ordner ist nicht vorhanden.")
                  .arg(unreachable));
    EXPECT_FALSE(addresses.IsLoaded());
}

TEST_F(AddressFileTest, FolderAtThePathIsAccessDenied)
{
    const QString path = env.FilePath(QStringLiteral("ordner.dat"));
    ASSERT_TRUE(QDir().mkpath(path));
    const Error error = addresses.LoadAddressFile(path);
    EXPECT_EQ(AddressFileResultOf(error), kAddressFileAccessDenied);
    EXPECT_TRUE(prompter.asked.isEmpty());
    EXPECT_EQ(ErrorMessage(error),
              QStringLiteral("Zugriff auf die Datei %1 wurde verweigert.\nBitte wählen Sie eine "
                             "Datei bzw. Speicherort aus, zu dem Sie Zugriffsrechte haben")
                  .arg(path));
    EXPECT_EQ(sleeps, 0);
}

TEST_F(AddressFileTest, LockedFileIsRetriedOnceASecondForAHundredSeconds)
{
    const QString path = Write("TMAdress.dat", kHeader + Word(1) + CountedString("A") + '\x40');
    QLockFile other(path + ".lock");
    ASSERT_TRUE(other.tryLock(0));

    addresses.List() = QStringList{"vorher"};
    const Error error = addresses.LoadAddressFile(path);
    EXPECT_EQ(AddressFileResultOf(error), kAddressFileLocked);
    EXPECT_EQ(sleeps, 100);
    EXPECT_EQ(ErrorMessage(error),
              QStringLiteral("Adressdatei konnte nicht geöffent werden\nDie Datei %1 wird von "
                             "einem anderen Programm verwendet.")
                  .arg(path));
    EXPECT_EQ(addresses.List(), QStringList{"vorher"});

    // A writer holds the lock while it saves; the save of another one fails and
    // leaves the file as it was.
    EXPECT_EQ(addresses.SaveAddressFile(path, {"B"}).code(), ErrorCode::AddressFileNotWritable);
    EXPECT_EQ(Read(path), kHeader + Word(1) + CountedString("A") + '\x40');

    // Released while the reader waits: the reader goes on.
    sleeps = 0;
    addresses.SetSleep([&](int) {
        if (++sleeps == 3)
            other.unlock();
    });
    EXPECT_TRUE(Succeeded(addresses.LoadAddressFile(path)));
    EXPECT_EQ(sleeps, 3);
    EXPECT_EQ(addresses.List(), QStringList{"A"});
}

// Issue 15: a lock that cannot be made is no reason to wait, and a save the disk
// cannot take leaves the address book as it was.
TEST_F(AddressFileTest, FullDiskFailsAtOnceAndKeepsTheOldFile)
{
    const QByteArray old = kHeader + Word(1) + CountedString("A") + '\x40';
    const QString path = Write("TMAdress.dat", old);
    {
        FileSizeLimit limit(10); // not even the lock fits
        const Error error = addresses.LoadAddressFile(path);
        EXPECT_EQ(AddressFileResultOf(error), kAddressFileNoLock);
        EXPECT_EQ(sleeps, 0);
        EXPECT_TRUE(ErrorMessage(error).startsWith(
            QStringLiteral("Adressdatei konnte nicht geöffent werden\nDie Sperrdatei %1.lock "
                           "konnte nicht angelegt werden.")
                .arg(path)));
        EXPECT_EQ(addresses.SaveAddressFile(path, {"B"}).code(), ErrorCode::AddressFileNotWritable);
        EXPECT_EQ(sleeps, 0);
    }
    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(path)));
    Error tooLarge;
    {
        FileSizeLimit limit(300); // the lock fits, the list does not
        tooLarge = addresses.SaveAddressFile(path, {QString(300, 'B')});
    }
    EXPECT_EQ(ErrorMessage(tooLarge),
              QStringLiteral("Die Adressdatei \"%1\"\nkonnte nicht zum Schreiben geöffnet "
                             "werden\n\nDie Datei wird zu groß.")
                  .arg(path));
    EXPECT_EQ(Read(path), old);
    EXPECT_EQ(QDir(env.FilePath(QString()))
                  .entryList({"TMAdress*", ".TMAdress*"}, QDir::Files | QDir::Hidden),
              QStringList{"TMAdress.dat"});
}

TEST_F(AddressFileTest, CreateReplacesTheFileAndRemembersThePath)
{
    const QString path =
        Write("voll.dat", kHeader + Word(2) + CountedString("A") + CountedString("B") + '\x40');
    ASSERT_TRUE(Succeeded(CreateAddressFile(path, env.Settings())));
    EXPECT_EQ(Read(path), kHeader + Word(1) +
                              CountedString(QStringLiteral("Beispieladresse\r\nStrasse\r\nOrt")) +
                              '\x40');
    const QString section = QLatin1String(Settings::kSectionSettings);
    EXPECT_EQ(env.Settings().Get(section, Settings::AddressFile), path);

    QFile(env.FilePath("datei")).open(QIODevice::WriteOnly);
    EXPECT_EQ(ErrorMessage(CreateAddressFile(env.FilePath("datei/a.dat"), env.Settings())),
              QStringLiteral("Adressdatei konnte nicht zum Schreiben geöffnet werden\n\nDie "
                             "Sperrdatei %1.lock konnte nicht angelegt werden.\nDer Ordner ist "
                             "nicht vorhanden.")
                  .arg(env.FilePath("datei/a.dat")));
    EXPECT_EQ(env.Settings().Get(section, Settings::AddressFile), path);
}

TEST_F(AddressFileTest, SeedFilesLoadAndTheCurrentOneRoundTrips)
{
    // Loading opens for writing and locks, so it works on copies.
    const QString dir = QStringLiteral(TVM_TEST_DATA_DIR "/");
    const QByteArray current = Read(dir + "addresses.dat");
    ASSERT_TRUE(
        Succeeded(addresses.LoadAddressFile(Write("alt.dat", Read(dir + "addresses-old.dat")))));
    EXPECT_EQ(addresses.List(), QStringList({QStringLiteral("Müller\r\nStraße 1"), "B"}));
    const QString copy = Write("kopie.dat", current);
    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(copy)));
    EXPECT_EQ(addresses.List().size(), 3);
    ASSERT_TRUE(Succeeded(addresses.SaveAddressFile(copy, addresses.List())));
    EXPECT_EQ(Read(copy), current);
}

// The command-line tool tells an address file by its header, whatever its name.
class AddressCliTest : public AddressFileTest
{
protected:
    CliRunner cli{env.Settings()};
    QString& out = cli.out;
    QString& err = cli.err;

    int Run(const QStringList& args) { return cli.Run(args); }
};

TEST_F(AddressCliTest, DumpAndBuildRoundTripRecordsAsLines)
{
    const QStringList records{QStringLiteral("Spedition Nord\r\nKai 3\r\nHamburg"), QString(),
                              QStringLiteral("nur LF\nund CR\r")};
    const QString path = env.FilePath(QStringLiteral("adressen.cmr"));
    ASSERT_TRUE(Succeeded(addresses.SaveAddressFile(path, records)));

    ASSERT_EQ(Run({"dump", path}), 0) << err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(json.keys(), QStringList{"addresses"});
    const QJsonArray dumped = json["addresses"].toArray();
    ASSERT_EQ(dumped.size(), 3);
    EXPECT_EQ(dumped[0].toArray(), QJsonArray({"Spedition Nord", "Kai 3", "Hamburg"}));
    EXPECT_EQ(dumped[1].toArray(), QJsonArray({""}));

    const QString jsonPath = Write("adressen.json", QJsonDocument(json).toJson());
    const QString rebuilt = env.FilePath(QStringLiteral("neu.dat"));
    ASSERT_EQ(Run({"build", jsonPath, rebuilt}), 0) << err.toStdString();
    EXPECT_EQ(Read(rebuilt), Read(path));

    // A record may also be given as one string.
    const QString plain = Write("plain.json", R"({"addresses": ["A\r\nB"]})");
    ASSERT_EQ(Run({"build", plain, rebuilt}), 0) << err.toStdString();
    EXPECT_EQ(Read(rebuilt), kHeader + Word(1) + CountedString("A\r\nB") + '\x40');
}

TEST_F(AddressCliTest, BadInputFailsWithoutWriting)
{
    const QString target = env.FilePath(QStringLiteral("nie.dat"));
    for (const char* json : {R"({"addresses": "A"})", R"({"addresses": [1]})",
                             R"({"addresses": [["A", 2]]})", R"({"addresses": [[]]})"}) {
        EXPECT_EQ(Run({"build", Write("bad.json", json), target}), 1) << json;
        EXPECT_FALSE(err.isEmpty()) << json;
    }
    EXPECT_FALSE(QFile::exists(target));
    EXPECT_EQ(Run({"build", Write("extra.json", R"({"addresses": [], "form": "cmr"})"), target}),
              1);
    EXPECT_EQ(Run({"build", Write("extra.json", R"({"addresses": [], "notiz": "x"})"), target}), 1);
    EXPECT_FALSE(QFile::exists(target));

    // A damaged address file is a read failure, not a document with a message.
    EXPECT_EQ(Run({"dump", Write("kaputt.dat", kHeader + Word(3))}), 1);
    EXPECT_FALSE(err.isEmpty());

    // The tool creates no missing address book, and says so.
    const QString missing = env.FilePath(QStringLiteral("fehlt.dat"));
    EXPECT_EQ(Run({"export-addresses", missing, env.FilePath(QStringLiteral("a.csv"))}), 1);
    EXPECT_EQ(err, QStringLiteral("Die Datei\n%1\nist nicht vorhanden!\n").arg(missing));
}

// A spreadsheet's list goes in through the shared-file merge: what the book has
// is skipped, a cut-off row is named; the book comes out as CSV and vCard and
// either goes back in unchanged.
TEST_F(AddressCliTest, ImportTakesWhatTheBookLacksAndExportsGoBackIn)
{
    const QString berg = QStringLiteral("Spedition Berg GmbH\r\nHafenstraße 12\r\n24103 Kiel");
    const QString nord = QStringLiteral("Nordtrans KG\r\nAm Kai 3\r\n24143 Kiel");
    const QString book = env.FilePath(QStringLiteral("TMAdress.dat"));
    ASSERT_TRUE(Succeeded(addresses.SaveAddressFile(book, {berg})));
    const QString csv = Write("liste.csv", "\xEF\xBB\xBF"
                                           "Spedition Berg GmbH;Hafenstra\xC3\x9F"
                                           "e 12;24103 Kiel\r\n"
                                           "Nordtrans KG;Am Kai 3;24143 Kiel\r\n"
                                           "\"Halb");
    ASSERT_EQ(Run({"import-addresses", csv, book}), 0) << err.toStdString();
    EXPECT_EQ(out, QStringLiteral("Übernommen: 1, schon vorhanden: 1, nicht lesbar: 1\n"));
    EXPECT_TRUE(err.contains(QStringLiteral("Zeile 3"))) << err.toStdString();
    ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(book)));
    EXPECT_EQ(addresses.List(), QStringList({berg, nord}));

    for (const char* name : {"export.csv", "export.vcf"}) {
        const QString exported = env.FilePath(QString::fromLatin1(name));
        ASSERT_EQ(Run({"export-addresses", book, exported}), 0) << err.toStdString();
        const QString copy = env.FilePath(QStringLiteral("kopie.dat"));
        QFile::remove(copy);
        ASSERT_EQ(Run({"import-addresses", exported, copy}), 0) << err.toStdString();
        ASSERT_TRUE(Succeeded(addresses.LoadAddressFile(copy)));
        EXPECT_EQ(addresses.List(), QStringList({berg, nord})) << name;
    }

    const QByteArray before = Read(book);
    EXPECT_EQ(Run({"import-addresses", Write("liste.txt", "A;B"), book}), 2);
    EXPECT_EQ(Run({"import-addresses", Write("leer.vcf", "FN:A\r\n"), book}), 1);
    EXPECT_TRUE(err.contains(QStringLiteral("BEGIN:VCARD"))) << err.toStdString();
    EXPECT_EQ(Run({"export-addresses", book, env.FilePath(QStringLiteral("x.xls"))}), 2);
    EXPECT_EQ(Read(book), before);
}

} // namespace

namespace {

// Issue 15: two builds of one address file at once; the second waits for the
// first as dump does, instead of failing.
TEST_F(AddressCliTest, BuildWaitsWhileAnotherProgramHoldsTheLock)
{
    const QString path = Write("TMAdress.dat", kHeader + Word(0) + '\x40');
    QLockFile other(path + ".lock");
    ASSERT_TRUE(other.tryLock(0));
    std::thread release([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1200));
        other.unlock();
    });
    const QString json = Write("a.json", R"({"addresses": ["A"]})");
    const int code = Run({"build", json, path});
    release.join();
    EXPECT_EQ(code, 0) << err.toStdString();
    EXPECT_EQ(Read(path), kHeader + Word(1) + CountedString("A") + '\x40');
}

} // namespace
