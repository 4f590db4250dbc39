// The program's one language: the choice from the setting and the system
// locale, the translators that make it speak it, and the numbers in its texts.
#include "core/settings/language.h"
#include "testsupport.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

#include <gtest/gtest.h>

#include <ostream>
#include <string>

namespace {

constexpr ProgramLanguage kGerman = ProgramLanguage::German;
constexpr ProgramLanguage kEnglish = ProgramLanguage::English;

struct LocaleCase
{
    const char* locale;
    ProgramLanguage withoutSetting;
};

void PrintTo(const LocaleCase& row, std::ostream* out)
{
    *out << '"' << row.locale << '"';
}

class LanguageChoice : public testing::TestWithParam<LocaleCase>
{
};

// Whatever the locale, a stored 0 or 1 decides; without one the locale does.
TEST_P(LanguageChoice, SettingDecidesAndTheLocaleOnlyWithoutIt)
{
    const QString locale = QString::fromLatin1(GetParam().locale);
    EXPECT_EQ(ChooseProgramLanguage(std::nullopt, locale), GetParam().withoutSetting);
    EXPECT_EQ(ChooseProgramLanguage(0, locale), kGerman);
    EXPECT_EQ(ChooseProgramLanguage(1, locale), kEnglish);
    // Values no dialog writes leave the choice to the locale, as a missing one.
    EXPECT_EQ(ChooseProgramLanguage(2, locale), GetParam().withoutSetting);
    EXPECT_EQ(ChooseProgramLanguage(-1, locale), GetParam().withoutSetting);
}

INSTANTIATE_TEST_SUITE_P(
    Locales, LanguageChoice,
    testing::Values(LocaleCase{"de_DE", kGerman}, LocaleCase{"de_AT", kGerman},
                    LocaleCase{"de_CH", kGerman}, LocaleCase{"C", kGerman},
                    LocaleCase{"POSIX", kGerman}, LocaleCase{"en_GB", kEnglish},
                    LocaleCase{"en_US", kEnglish}, LocaleCase{"fr_FR", kEnglish},
                    // Spellings of the environment and of BCP 47, and no locale at all.
                    LocaleCase{"de_DE.UTF-8", kGerman}, LocaleCase{"de-BE", kGerman},
                    LocaleCase{"de_DE@euro", kGerman}, LocaleCase{"C.UTF-8", kGerman},
                    LocaleCase{"", kGerman}, LocaleCase{"nl_NL.UTF-8", kEnglish},
                    // A language code that merely begins like German's.
                    LocaleCase{"dsb_DE", kEnglish}),
    [](const testing::TestParamInfo<LocaleCase>& info) {
        const std::string name = TestCaseName(info.param.locale);
        return name.empty() ? std::string("NoLocale") : name;
    });

// The stored setting of the running program; under the C locale CTest gives,
// a missing value means German, not the key table's default.
TEST(LanguageSetting, StoredChoiceOrTheLocale)
{
    if (QLocale::system().name() != QLatin1String("C"))
        GTEST_SKIP() << "needs the C locale, as CTest runs it";
    TestEnvironment env;
    const QString section = QLatin1String(Settings::kSectionSettings);
    const QString key = QLatin1String(Settings::Language.key);
    EXPECT_EQ(ChooseProgramLanguage(env.Settings()), kGerman);
    ASSERT_TRUE(env.Settings().WriteProfileInt(section, key, 1));
    EXPECT_EQ(ChooseProgramLanguage(env.Settings()), kEnglish);
    ASSERT_TRUE(env.Settings().WriteProfileInt(section, key, 0));
    EXPECT_EQ(ChooseProgramLanguage(env.Settings()), kGerman);
    ASSERT_TRUE(env.Settings().WriteProfileString(section, key, QStringLiteral("Englisch")));
    EXPECT_EQ(ChooseProgramLanguage(env.Settings()), kGerman);
}

class Translators : public testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "test_language";
        static char* argv[] = {name, nullptr};
        s_app = new QCoreApplication(argc, argv);
    }
    static void TearDownTestSuite()
    {
        delete s_app;
        s_app = nullptr;
    }
    void TearDown() override { InstallTranslators(kGerman); }

    // A standard text of Qt's own, which its German catalogue translates.
    static std::string QtCancel()
    {
        return QCoreApplication::translate("QPlatformTheme", "Cancel").toStdString();
    }
    // A text of the program, which its English catalogue translates.
    static std::string FormName()
    {
        return QCoreApplication::translate("FormName", "CMR-Frachtbrief").toStdString();
    }
    static std::string OneAndAHalf() { return ProgramLocale().toString(1.5, 'f', 1).toStdString(); }

    static QCoreApplication* s_app;
};

QCoreApplication* Translators::s_app = nullptr;

TEST_F(Translators, EachLanguageReplacesTheOther)
{
    ASSERT_TRUE(InstallTranslators(kGerman));
    EXPECT_EQ(InstalledLanguage(), kGerman);
    EXPECT_EQ(QtCancel(), "Abbrechen");
    EXPECT_EQ(FormName(), "CMR-Frachtbrief");
    EXPECT_EQ(OneAndAHalf(), "1,5");

    // The catalogue is compiled in; Qt's German must not stay behind.
    ASSERT_TRUE(InstallTranslators(kEnglish));
    EXPECT_EQ(InstalledLanguage(), kEnglish);
    EXPECT_EQ(QtCancel(), "Cancel");
    EXPECT_EQ(FormName(), "CMR consignment note");
    EXPECT_EQ(OneAndAHalf(), "1.5");

    ASSERT_TRUE(InstallTranslators(kGerman));
    EXPECT_EQ(FormName(), "CMR-Frachtbrief");
}

// A translator someone else installed stays through a change of language.
TEST_F(Translators, LeaveOtherTranslatorsAlone)
{
    QTranslator foreign;
    ASSERT_TRUE(foreign.load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                             QStringLiteral("_"),
                             QLibraryInfo::path(QLibraryInfo::TranslationsPath)));
    QCoreApplication::installTranslator(&foreign);
    ASSERT_TRUE(InstallTranslators(kEnglish));
    EXPECT_EQ(QtCancel(), "Abbrechen");
    QCoreApplication::removeTranslator(&foreign);
    EXPECT_EQ(QtCancel(), "Cancel");
}

} // namespace
