// The program's version helper, the display size in the settings and the
// "new document" template.
#include "core/app/newfiletemplate.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/settings/displaysize.h"
#include "core/settings/regeditmanagment.h"
#include "render/views/viewzoom.h"
#include "testsupport.h"

#include <QBuffer>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

const QString kMain = QLatin1String(Settings::kSectionSettings);

struct VersionCase
{
    const char* text;
    bool ok;
    int major, minor, build;
    quint32 packed;
    const char* shown;
};

class VersionParsing : public ::testing::TestWithParam<VersionCase>
{
};

TEST_P(VersionParsing, GivesPartsPackedValueAndText)
{
    const VersionCase& c = GetParam();
    ProductVersion v;
    EXPECT_EQ(ParseProductVersion(QString::fromLatin1(c.text), &v), c.ok);
    EXPECT_EQ(v.major, c.major);
    EXPECT_EQ(v.minor, c.minor);
    EXPECT_EQ(v.build, c.build);
    EXPECT_EQ(v.packed, c.packed);
    EXPECT_EQ(FormatVersionText(v), QString::fromLatin1(c.shown));
}

INSTANTIATE_TEST_SUITE_P(Texts, VersionParsing,
                         ::testing::Values(VersionCase{"3.1.5.0", true, 3, 1, 5, 196869, "3.1.05"},
                                           VersionCase{"3.12.7", true, 3, 12, 7, 199687, "3.12.07"},
                                           // At most two characters of the build count.
                                           VersionCase{"2.0.123", true, 2, 0, 12, 131084, "2.0.12"},
                                           VersionCase{"4.2.1a", true, 4, 2, 1, 262657, "4.2.01"},
                                           VersionCase{"7", true, 7, 0, 0, 458752, "7.0.00"},
                                           VersionCase{"", false, 0, 0, 0, 0, "0.0.00"}));

// The build date in the compiler's form, whatever the user's locale; the
// program shows it in German form.
TEST(RegeditManagment, ReadsTheCompilersBuildDate)
{
    const QLocale saved;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    EXPECT_EQ(CRegeditManagment::ParseCreationDate(QStringLiteral("Jul 14 2023")),
              QDate(2023, 7, 14));
    EXPECT_EQ(CRegeditManagment::ParseCreationDate(QStringLiteral("Mar  4 2024")),
              QDate(2024, 3, 4));
    EXPECT_EQ(CRegeditManagment::ParseCreationDate(QStringLiteral("Dec 31 1999")),
              QDate(1999, 12, 31));
    EXPECT_FALSE(CRegeditManagment::ParseCreationDate(QStringLiteral("14.07.2023")).isValid());
    EXPECT_TRUE(
        CRegeditManagment::ParseCreationDate(CRegeditManagment::BuiltCreationDate()).isValid());
    QLocale::setDefault(saved);
}

TEST(RegeditManagment, TheBuiltVersionIsReadableAndInitWritesTheVersionValues)
{
    TestEnvironment env;
    ProductVersion built;
    ASSERT_TRUE(ParseProductVersion(CRegeditManagment::BuiltProductVersion(), &built));
    EXPECT_FALSE(CRegeditManagment::BuiltCreationDate().isEmpty());

    QSettings values(env.FilePath(QStringLiteral("krd.ini")), QSettings::IniFormat);
    CRegeditManagment registry;
    EXPECT_FALSE(registry.WriteVersionValues(values)); // not initialised yet
    ASSERT_TRUE(registry.Init(QStringLiteral("/opt/tvm/bin/tarvelomark"),
                              QStringLiteral("Jul 14 2023"), QStringLiteral("3.1.5.0"), &values));
    EXPECT_EQ(registry.GetVersion(), 196869u);
    EXPECT_EQ(registry.GetVersionText(), QStringLiteral("3.1.05"));
    EXPECT_EQ(registry.ExeName(), QStringLiteral("tarvelomark"));
    EXPECT_TRUE(registry.GetDataFolder().endsWith(QStringLiteral("/tarvelomark/")));
    EXPECT_EQ(registry.GetPersonalDataFolder() + QLatin1Char('/'), registry.GetDataFolder());

    QSettings reread(env.FilePath(QStringLiteral("krd.ini")), QSettings::IniFormat);
    EXPECT_EQ(reread.value("Version").toUInt(), 196869u);
    EXPECT_EQ(reread.value("Path").toString(), QStringLiteral("/opt/tvm/bin"));
    EXPECT_EQ(reread.value("CreationDate").toString(), QStringLiteral("Jul 14 2023"));

    // Without a product version the program still runs, as version 0.
    CRegeditManagment none;
    EXPECT_FALSE(none.Init(QStringLiteral("/x/tarvelomark"), QString(), QString(), &values));
    EXPECT_EQ(none.GetVersion(), 0u);
}

TEST(DisplaySize, StoredScalingSelectsItsChoiceAndBack)
{
    const std::pair<int, int> rows[] = {{-5, 0},  {0, 0},   {99, 0},  {100, 1},
                                        {109, 1}, {110, 2}, {115, 2}, {129, 3},
                                        {130, 4}, {149, 5}, {150, 6}, {1000, 6}};
    for (const auto& [scaling, choice] : rows)
        EXPECT_EQ(DisplaySize::ChoiceForScaling(scaling), choice) << scaling;
    const int values[] = {0, 100, 110, 120, 130, 140, 150};
    for (int choice = 0; choice < DisplaySize::kChoiceCount; ++choice)
        EXPECT_EQ(DisplaySize::ScalingForChoice(choice), values[choice]);
    EXPECT_EQ(DisplaySize::ScalingForChoice(7), 0);
}

// The chosen size reaches the views through their own scale setting; the
// screen's own scale gives them back the screen's.
TEST(DisplaySize, TheChosenSizeIsTheScaleOfTheViews)
{
    TestEnvironment env;
    CSettingsStore& settings = env.Settings();
    const QString cmr = QStringLiteral("CMR");
    settings.WriteProfileInt(cmr, QLatin1String(Settings::kZoomFactor), 20);
    const ViewZoom::ScreenMetrics screen{1080, 120, false}; // 125 %

    EXPECT_EQ(ViewZoom::ComputeZoom(settings, cmr, screen), 25);
    ASSERT_TRUE(DisplaySize::Store(settings, 110));
    EXPECT_EQ(settings.Get(kMain, Settings::FormScaling), 110);
    EXPECT_EQ(ViewZoom::ComputeZoom(settings, cmr, screen), 22);

    ASSERT_TRUE(DisplaySize::Store(settings, 0));
    EXPECT_EQ(settings.Get(kMain, Settings::FormScaling), 0);
    EXPECT_FALSE(settings.Backend().contains(kMain + QLatin1Char('/') +
                                             QLatin1String(Settings::kWinFormScaledFactorOv)));
    EXPECT_EQ(ViewZoom::ComputeZoom(settings, cmr, screen), 25);
}

// The template is a note the program opens without a message, with no box
// filled: neither the user's default texts nor a date that a copy would carry
// into the future.
TEST(NewFileTemplate, IsAnEmptyNoteThatOpensCleanly)
{
    TestEnvironment env;
    env.Settings().WriteProfileString(QStringLiteral("CMR"), QStringLiteral("Feld1"),
                                      QStringLiteral("Spedition Nord"));
    env.Settings().WriteProfileString(QStringLiteral("CMR"), QStringLiteral("Stadt"),
                                      QStringLiteral("Bremen"));
    const QString folder = env.FilePath(QStringLiteral("Vorlagen"));
    EXPECT_TRUE(WriteNewFileTemplate(folder).isEmpty()); // no templates folder: nothing
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString path = WriteNewFileTemplate(folder);
    ASSERT_EQ(path, QDir(folder).filePath(QStringLiteral("CMR-Frachtbrief.cmr")));

    CCMRDoc doc(env.Settings());
    ASSERT_TRUE(Succeeded(doc.OnOpenDocument(path)));
    EXPECT_EQ(doc.GetLoadError(), 0);
    for (quint16 box = 0; box < doc.GetStore().GetFieldCount(); ++box)
        EXPECT_TRUE(doc.GetStore().GetFieldText(box, 1).isEmpty()) << box;

    // A template the user changed stays as it is.
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::Append));
    file.write("x");
    file.close();
    const qint64 size = QFileInfo(path).size();
    EXPECT_EQ(WriteNewFileTemplate(folder), path);
    EXPECT_EQ(QFileInfo(path).size(), size);
}

} // namespace
