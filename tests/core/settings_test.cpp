#include "core/settings/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>
#include <memory>

namespace {

const QString kCmr = QStringLiteral("CMR");
const QString kFont = QLatin1String(Settings::kSectionFont);
const QString kMain = QLatin1String(Settings::kSectionSettings);
const QString kRecent = QLatin1String(Settings::kSectionRecentFiles);

// Texts that an INI file could turn into something else: a list (comma), a
// variant ("@..."), a number, trimmed spaces, line breaks, an empty value.
const QString kTrickyTexts[] = {
    QStringLiteral("Müller, Hamburg\r\nHafenstr. 1"),
    QStringLiteral("  Bremen  "),
    QStringLiteral("@"),
    QStringLiteral("@Variant(x)"),
    QStringLiteral("1234"),
    QStringLiteral("a;b=c"),
    QString(""),
};

class SettingsStoreTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        QStandardPaths::setTestModeEnabled(true);
        ASSERT_TRUE(m_dir.isValid());
    }

    QString Path() const { return m_dir.filePath(QStringLiteral("Tarvelomark.ini")); }

    // A new store on the file, as the next start of the program would open it.
    std::unique_ptr<CSettingsStore> Open() const { return CSettingsStore::OpenFile(Path()); }

    QByteArray FileBytes() const
    {
        QFile file(Path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    void WriteFile(const QByteArray& bytes) const
    {
        QFile file(Path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QTemporaryDir m_dir;
};

TEST_F(SettingsStoreTest, WriteReopenOverwriteDeleteSectionDeleteAll)
{
    {
        auto store = Open();
        EXPECT_TRUE(store->Set(kCmr, Settings::Copies, 7));
        EXPECT_TRUE(store->Set(kCmr, Settings::EditTextColor, 0x0000FF));
        EXPECT_TRUE(store->WriteProfileInt(kCmr, QStringLiteral("TopMargin1"), -10));
        EXPECT_TRUE(store->WriteProfileInt(QString(), QStringLiteral("RootValue"), 3));
        EXPECT_TRUE(store->Set(kMain, Settings::Language, 0));
        EXPECT_TRUE(store->WriteProfileString(kRecent, QStringLiteral("File1"),
                                              QStringLiteral("/home/a b/x.cmr")));
        for (int i = 0; i < int(std::size(kTrickyTexts)); ++i)
            EXPECT_TRUE(
                store->WriteProfileString(kCmr, QStringLiteral("Text%1").arg(i), kTrickyTexts[i]));
        EXPECT_TRUE(store->WriteProfileInt(kFont, QLatin1String("DFont0"), 40));
        EXPECT_TRUE(store->WriteProfileInt(kFont, QLatin1String("PFont3B"), 50));
    }

    auto store = Open();
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 7);
    EXPECT_EQ(store->Get(kCmr, Settings::EditTextColor), 0x0000FF);
    EXPECT_EQ(store->GetProfileInt(kCmr, QStringLiteral("TopMargin1"), 0), -10);
    EXPECT_EQ(store->GetProfileInt(QString(), QStringLiteral("RootValue"), 0), 3);
    EXPECT_EQ(store->Get(kMain, Settings::Language), 0);
    EXPECT_EQ(store->GetProfileString(kRecent, QStringLiteral("File1"), QString()),
              QStringLiteral("/home/a b/x.cmr"));
    for (int i = 0; i < int(std::size(kTrickyTexts)); ++i)
        EXPECT_EQ(store->GetProfileString(kCmr, QStringLiteral("Text%1").arg(i),
                                          QStringLiteral("default")),
                  kTrickyTexts[i])
            << i;
    // The same key in another section is another value.
    EXPECT_EQ(store->Get(QStringLiteral("NatFrachtbrief"), Settings::Copies), 4);

    // Overwriting changes the type too: the integer key now holds a text.
    EXPECT_TRUE(store->Set(kCmr, Settings::Copies, 2));
    EXPECT_TRUE(
        store->WriteProfileString(kCmr, QStringLiteral("TopMargin1"), QStringLiteral("oben")));
    store = Open();
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 2);
    EXPECT_EQ(store->GetProfileInt(kCmr, QStringLiteral("TopMargin1"), 0), 0);
    EXPECT_EQ(store->GetProfileString(kCmr, QStringLiteral("TopMargin1"), QString()),
              QStringLiteral("oben"));

    // The font reset: the font sizes are back at their defaults, the rest stays.
    EXPECT_TRUE(store->DeleteSection(kFont));
    store = Open();
    EXPECT_EQ(store->GetProfileInt(kFont, QLatin1String("DFont0"),
                                   Settings::FontKeyDefault('D', 0, false)),
              30);
    EXPECT_EQ(store->GetProfileInt(kFont, QLatin1String("PFont3B"),
                                   Settings::FontKeyDefault('P', 3, true)),
              42);
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 2);
    EXPECT_EQ(store->GetProfileInt(QString(), QStringLiteral("RootValue"), 0), 3);
    EXPECT_FALSE(store->DeleteSection(QString())); // never the whole tree
    EXPECT_EQ(store->Get(kMain, Settings::Language), 0);

    // The full reset leaves nothing behind.
    EXPECT_TRUE(store->DeleteAll());
    store = Open();
    EXPECT_TRUE(store->Backend().allKeys().isEmpty());
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 4);
    EXPECT_EQ(store->Get(kMain, Settings::Language), -1);
    EXPECT_EQ(store->GetProfileInt(QString(), QStringLiteral("RootValue"), -1), -1);
    EXPECT_EQ(store->GetProfileString(kRecent, QStringLiteral("File1"), QStringLiteral("-")),
              QStringLiteral("-"));
}

TEST_F(SettingsStoreTest, ReadingGivesDefaultsAndWritesNothing)
{
    auto store = Open();
    EXPECT_EQ(store->Get(kMain, Settings::Language), -1);
    EXPECT_EQ(store->Get(kMain, Settings::AddressFile), QStringLiteral("@"));
    EXPECT_EQ(store->Get(kCmr, Settings::PrinterFontFactor), 95);
    EXPECT_EQ(store->Get(kCmr, Settings::Printer), QStringLiteral("@"));
    EXPECT_EQ(store->Get(kCmr, Settings::City), QString());
    EXPECT_FALSE(QFile::exists(Path()));

    // Once the file exists, reading still adds no section and no key.
    ASSERT_TRUE(store->Set(kCmr, Settings::AutoDate, 0));
    store->Get(QStringLiteral("Speditionsauftrag"), Settings::SumColumn25);
    store->Get(kCmr, Settings::DateFormat);
    store = Open();
    EXPECT_EQ(store->Backend().allKeys(), QStringList{QStringLiteral("CMR/AutoDatum")});
}

TEST_F(SettingsStoreTest, ValuesThatCannotBeReadGiveTheDefault)
{
    WriteFile("[CMR]\n"
              "DruckAnzahl=vier\n"
              "DocWidth=99999999999\n"
              "DocLength=0x10\n"
              "EditTextColor=\n"
              "ZoomFactor= 120 \n"
              "Drucker=Laser, Raum 2\n"
              "Stadt=@Invalid()\n"
              "Feld1=@ByteArray(Kiel)\n");
    const auto store = Open();
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 4);
    EXPECT_EQ(store->Get(kCmr, Settings::DocWidth), 205);
    EXPECT_EQ(store->Get(kCmr, Settings::DocLength), 350);
    EXPECT_EQ(store->Get(kCmr, Settings::EditTextColor), 0xFF0000);
    EXPECT_EQ(store->GetProfileInt(kCmr, QLatin1String(Settings::kZoomFactor), 0), 120);
    // Unquoted commas make a list of an INI value; the program writes them quoted.
    EXPECT_EQ(store->Get(kCmr, Settings::Printer), QStringLiteral("@"));
    EXPECT_EQ(store->GetProfileString(kCmr, QStringLiteral("Stadt"), QStringLiteral("-")),
              QStringLiteral("-"));
    EXPECT_EQ(store->Get(kCmr, Settings::CmrBox1), QStringLiteral("Kiel"));
}

TEST_F(SettingsStoreTest, FailedWriteKeepsTheOldValue)
{
    auto store = Open();
    ASSERT_TRUE(store->Set(kCmr, Settings::Copies, 7));

    // A folder where the file was: nothing can be written any more.
    ASSERT_TRUE(QFile::remove(Path()));
    ASSERT_TRUE(QDir(m_dir.path()).mkdir(QStringLiteral("Tarvelomark.ini")));
    EXPECT_FALSE(store->Set(kCmr, Settings::Copies, 9));
    EXPECT_FALSE(store->WriteProfileString(kCmr, QStringLiteral("Stadt"), QStringLiteral("Kiel")));
    EXPECT_FALSE(store->DeleteSection(kCmr));
    EXPECT_FALSE(store->DeleteAll());
    EXPECT_EQ(store->Get(kCmr, Settings::Copies), 7);
    EXPECT_EQ(store->Get(kCmr, Settings::City), QString());

    // Writable again: writes succeed and reach the file.
    ASSERT_TRUE(QDir(m_dir.path()).rmdir(QStringLiteral("Tarvelomark.ini")));
    EXPECT_TRUE(store->Set(kCmr, Settings::Copies, 9));
    EXPECT_EQ(Open()->Get(kCmr, Settings::Copies), 9);
}

// The checked format writes what Qt's INI format writes, byte for byte, so that
// files of earlier versions read alike and later ones stay plain INI files.
TEST_F(SettingsStoreTest, CheckedFilesAreQtsIniFiles)
{
    const QString plainPath = m_dir.filePath(QStringLiteral("plain.ini"));
    {
        auto checked = Open();
        CSettingsStore plain(std::make_unique<QSettings>(plainPath, QSettings::IniFormat));
        for (CSettingsStore* store : {checked.get(), &plain}) {
            for (int i = 0; i < int(std::size(kTrickyTexts)); ++i)
                ASSERT_TRUE(store->WriteProfileString(kRecent, QStringLiteral("File%1").arg(i),
                                                      kTrickyTexts[i]));
            ASSERT_TRUE(store->WriteProfileInt(QString(), QStringLiteral("Wurzel"), -3));
            store->Backend().setValue(QStringLiteral("Workspace/State"),
                                      QByteArray("\0\x01\xFF[]=\n", 8));
            store->Backend().sync();
        }
    }
    QFile plain(plainPath);
    ASSERT_TRUE(plain.open(QIODevice::ReadOnly));
    EXPECT_EQ(FileBytes(), plain.readAll());
    EXPECT_EQ(Open()->Backend().value(QStringLiteral("Workspace/State")).toByteArray(),
              QByteArray("\0\x01\xFF[]=\n", 8));
}

// Issue 15: a write the disk cannot take whole keeps the old file (Qt's INI
// writer commits a cut-off file, losing every setting).
TEST_F(SettingsStoreTest, AFullDiskKeepsTheSettingsFile)
{
    auto store = Open();
    for (int i = 0; i < 20; ++i)
        ASSERT_TRUE(
            store->WriteProfileString(kRecent, QStringLiteral("File%1").arg(i),
                                      QStringLiteral("/home/anna/Frachtbrief %1.cmr").arg(i)));
    const QByteArray before = FileBytes();
    {
        FileSizeLimit limit(before.size());
        EXPECT_FALSE(store->WriteProfileString(kCmr, QStringLiteral("Feld1"), QString(500, 'x')));
    }
    EXPECT_EQ(FileBytes(), before);
    EXPECT_EQ(QDir(m_dir.path()).entryList(QDir::Files | QDir::Hidden),
              QStringList{QStringLiteral("Tarvelomark.ini")});
}

// Issue 15: integers that drive drawing and printing never leave the range
// their dialogs allow, whatever the file says (at the integer limits the print
// arithmetic overflowed).
TEST_F(SettingsStoreTest, RangedIntegersAreClampedToTheirDialogsRange)
{
    const QString kNat = QStringLiteral("NatFrachtbrief");
    const struct
    {
        QString section;
        IntSetting setting;
        int stored;
        int read;
    } cases[] = {
        {kMain, Settings::PrnFactorV, INT_MIN, 970},
        {kMain, Settings::PrnFactorV, 1025, 1025},
        {kMain, Settings::PrnFactorH, INT_MAX, 1030},
        {kCmr, Settings::PrinterFontFactor, 1000000, 150},
        {kCmr, Settings::PrinterFontFactor, 0, 50},
        {kNat, Settings::PrinterFontFactor, 120, 120},
        {kCmr, Settings::LeftMargin1, INT_MIN, -200},
        {kCmr, Settings::TopMargin1, 201, 200},
        {kCmr, Settings::LeftMargin2, -15, -15},
        {kNat, Settings::TopMargin2, INT_MAX, 200},
        {kNat, Settings::LeftMargin, -201, -200},
        {kCmr, Settings::Copies, 0, 1},
        {kCmr, Settings::DocWidth, INT_MAX, 1000},
        {kCmr, Settings::DocLength, -5, 1},
        {kCmr, Settings::Publisher, 7, 7}, // unranged: an unknown publisher is allowed
    };
    auto store = Open();
    for (const auto& c : cases) {
        ASSERT_TRUE(store->Set(c.section, c.setting, c.stored));
        EXPECT_EQ(store->Get(c.section, c.setting), c.read) << c.setting.key << " " << c.stored;
        // The raw value is kept; only the typed reading clamps.
        EXPECT_EQ(store->GetProfileInt(c.section, QLatin1String(c.setting.key), 0), c.stored);
    }
}

TEST(SettingsUserStore, LivesUnderXdgConfigHomeWithoutFallbacks)
{
    // Must run before anything in this process asks QSettings for the user's
    // folder, which it looks up once; the other tests only open files by name.
    QStandardPaths::setTestModeEnabled(false);
    QTemporaryDir home;
    ASSERT_TRUE(home.isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home.path()));
    QDir(home.path()).mkdir(QStringLiteral("Norvak"));
    QFile organisationWide(home.filePath(QStringLiteral("Norvak.conf")));
    ASSERT_TRUE(organisationWide.open(QIODevice::WriteOnly));
    organisationWide.write("[Settings]\nLanguage=0\n");
    organisationWide.close();

    const auto store = CSettingsStore::OpenUserStore();
    const QString expected = home.filePath(QStringLiteral("Norvak/Tarvelomark.conf"));
    EXPECT_EQ(store->Backend().fileName(), expected);
    EXPECT_EQ(store->Get(kMain, Settings::Language), -1);
    EXPECT_TRUE(store->Set(kMain, Settings::ShowIntroHelp, 1));
    EXPECT_TRUE(QFile::exists(expected));
}

} // namespace
