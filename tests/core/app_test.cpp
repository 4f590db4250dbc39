#include "core/app/commandline.h"
#include "core/app/doctemplates.h"
#include "core/app/recentfiles.h"
#include "testsupport.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QSettings>

#include <gtest/gtest.h>

namespace {

struct CommandLineCase
{
    QStringList arguments;
    StartupRequest::Kind kind;
    QString fileName;
};

TEST(CommandLine, OnlyAFileNameOrInitAtTheVeryStart)
{
    const CommandLineCase cases[] = {
        {{}, StartupRequest::NewDocument, ""},
        {{"-init"}, StartupRequest::Initialise, ""},
        {{"-initialise", "x"}, StartupRequest::Initialise, ""},
        {{" -init"}, StartupRequest::OpenFile, " -init"},
        {{"-INIT"}, StartupRequest::OpenFile, "-INIT"},
        {{"/tmp/Mein", "Frachtbrief.cmr"}, StartupRequest::OpenFile, "/tmp/Mein Frachtbrief.cmr"},
        {{"-p", "a.cmr"}, StartupRequest::OpenFile, "-p a.cmr"},
    };
    for (const CommandLineCase& c : cases) {
        const StartupRequest r = ParseCommandLine(c.arguments);
        EXPECT_EQ(r.kind, c.kind) << c.arguments.join('|').toStdString();
        EXPECT_EQ(r.fileName, c.fileName);
    }
}

TEST(CommandLine, NamesAreCleanedLikeTheDocumentManagerDoes)
{
    EXPECT_EQ(CleanDocumentName("\"C:/Fracht briefe/a.cmr\""), "C:/Fracht briefe/a.cmr");
    EXPECT_EQ(CleanDocumentName("a.cmr\" extra \"tail"), "a.cmr\" extra ");
    EXPECT_EQ(CleanDocumentName("plain name.cmr"), "plain name.cmr");
    EXPECT_EQ(CleanDocumentName(QString(300, 'x')).size(), 259);
    EXPECT_EQ(CleanDocumentName("\"" + QString(300, 'x')).size(), 259);
}

TEST(CommandLine, ResolvedPathsAreAbsoluteAndFollowLinks)
{
    TestEnvironment env;
    const QString target = env.FilePath("ziel.cmr");
    QFile(target).open(QIODevice::WriteOnly);
    const QString link = env.FilePath("verknuepfung.cmr");
    ASSERT_TRUE(QFile::link(target, link));
    EXPECT_EQ(ResolveDocumentPath(link), target);
    EXPECT_TRUE(QDir::isAbsolutePath(ResolveDocumentPath("relativ.cmr")));
    EXPECT_TRUE(ResolveDocumentPath("  ").isEmpty());
}

TEST(DocTemplates, FiltersOfferEveryFormAndAllFiles)
{
    EXPECT_EQ(OpenFileFilter(), "Alle Tarvelomark Dateien (*.cmr *.fbr *.fb1 *.spa);;"
                                "CMR-Frachtbrief (*.cmr);;Nationaler Frachtbrief (*.fbr);;"
                                "Kombi-Frachtbrief (*.fb1);;Speditionsauftrag (*.spa);;"
                                "Alle Dateien (*.*)");
    EXPECT_EQ(SaveAsFilter(FormType::Kombi), "Kombi-Frachtbrief (*.fb1);;Alle Dateien (*.*)");
    int position = 0;
    for (const DocTemplateInfo& t : DocTemplates()) {
        EXPECT_EQ(t.resourceId, 130 + position++);
        EXPECT_EQ(QString(t.extension), QString(GetFormTypeInfo(t.type).extension));
    }
}

TEST(RecentFiles, MostRecentFirstSixAtMostKeptInSettings)
{
    TestEnvironment env;
    CRecentFileList list;
    for (int i = 1; i <= 7; ++i)
        list.Add(QStringLiteral("/f/%1.cmr").arg(i));
    list.Add("/f/4.cmr");
    EXPECT_EQ(list.Files(), QStringList({"/f/4.cmr", "/f/7.cmr", "/f/6.cmr", "/f/5.cmr", "/f/3.cmr",
                                         "/f/2.cmr"}));
    list.Remove("/f/6.cmr");
    list.Save(env.Settings());

    CRecentFileList again;
    again.Load(env.Settings());
    EXPECT_EQ(again.Files(), list.Files());
    EXPECT_EQ(env.Settings().GetProfileString("Recent File List", "File1", ""), "/f/4.cmr");
    EXPECT_EQ(env.Settings().GetProfileString("Recent File List", "File6", "x"), "");
}

// Each change is in the settings file at once, made to the list as the file
// holds it: what another copy of the program stored meanwhile stays.
TEST(RecentFiles, ChangesAreStoredAtOnceOverWhatOthersStored)
{
    TestEnvironment env;
    const QString file = env.Settings().Backend().fileName();
    const auto stored = [&file] {
        QFile ini(file);
        return ini.open(QIODevice::ReadOnly) ? QString::fromUtf8(ini.readAll()) : QString();
    };
    CRecentFileList list;
    list.Load(env.Settings());
    ASSERT_TRUE(list.AddAndStore(QStringLiteral("/f/1.cmr"), env.Settings()));
    EXPECT_TRUE(stored().contains(QStringLiteral("File1=/f/1.cmr"))) << stored().toStdString();

    // Another copy adds a file of its own; its file is newer than our cache.
    QFile other(file);
    ASSERT_TRUE(other.open(QIODevice::WriteOnly));
    other.write("[Recent%20File%20List]\nFile1=/f/anderes.fbr\nFile2=/f/1.cmr\n");
    other.close();
    const QDateTime later = QDateTime::currentDateTime().addSecs(5);
    ASSERT_TRUE(other.open(QIODevice::ReadWrite));
    ASSERT_TRUE(other.setFileTime(later, QFileDevice::FileModificationTime));
    other.close();

    ASSERT_TRUE(list.AddAndStore(QStringLiteral("/f/2.spa"), env.Settings()));
    const QStringList expected = {"/f/2.spa", "/f/anderes.fbr", "/f/1.cmr"};
    EXPECT_EQ(list.Files(), expected);
    CRecentFileList again;
    again.Load(*CSettingsStore::OpenFile(file));
    EXPECT_EQ(again.Files(), expected);

    ASSERT_TRUE(list.RemoveAndStore(QStringLiteral("/f/anderes.fbr"), env.Settings()));
    EXPECT_TRUE(stored().contains(QStringLiteral("File1=/f/2.spa\nFile2=/f/1.cmr\nFile3=\n")))
        << stored().toStdString();
}

} // namespace
