// "Neu aus diesem Dokument": the new note carries everything the original's file
// would carry, with only the automatic date written afresh, and leaves the
// original as it was.
#include "core/documents/documentfactory.h"
#include "core/documents/newdocumentfrom.h"
#include "core/fields/fieldstore.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "testsupport.h"

#include <gtest/gtest.h>

namespace {

const QDate kToday(2024, 3, 5);
const QString kDate = QStringLiteral("05. M\u00e4rz 2024");

struct Case
{
    const char* name;
    FormType type;
    int dateBox; // -1: the form has no automatic date
    quint16 checkWord;
};

// Every box of every page holds a text of its own and a format other than the
// form's, so that a box the copy misses or mixes up shows.
std::unique_ptr<CKrDocument> FilledNote(const Case& c, TestEnvironment& env)
{
    auto document = CreateDocument(c.type, env.Settings());
    document->OnNewDocument();
    CFieldStore& store = document->GetStore();
    for (quint16 page = 1; page <= 2; ++page) {
        const quint16 count = page == 1 ? store.GetFieldCount() : store.GetFollowFieldCount();
        for (quint16 i = 0; i < count; ++i) {
            store.SetFieldText(i, QStringLiteral("Seite %1\r\nFeld %2").arg(page).arg(i), page);
            store.SetFieldFormat(i, page, 3);
        }
    }
    if (document->HasCheckWord())
        document->SetCheckWord(c.checkWord);
    // Saved, so that it has a path and counts as unchanged.
    EXPECT_TRUE(Succeeded(document->OnSaveDocument(env.FilePath(QStringLiteral("original")))));
    return document;
}

QStringList Texts(const CKrDocument& document)
{
    return document.GetStore().PageTexts() + document.GetStore().FollowTexts();
}

class NewDocumentFromTest : public testing::TestWithParam<Case>
{
protected:
    TestEnvironment env;
};

TEST_P(NewDocumentFromTest, CopiesEveryBoxAndRenewsOnlyTheDate)
{
    const Case& c = GetParam();
    const auto original = FilledNote(c, env);
    const QStringList before = Texts(*original);

    const auto copy = NewDocumentFrom(*original, env.Settings(), kToday);

    QStringList expected = before;
    if (c.dateBox >= 0)
        expected[c.dateBox] = kDate;
    EXPECT_EQ(Texts(*copy), expected);
    EXPECT_EQ(copy->GetStore().PageFormats(), original->GetStore().PageFormats());
    EXPECT_EQ(copy->GetStore().FollowFormats(), original->GetStore().FollowFormats());
    if (copy->HasCheckWord()) {
        EXPECT_EQ(copy->GetCheckWord(), c.checkWord);
    }
    EXPECT_TRUE(copy->GetPathName().isEmpty());
    EXPECT_TRUE(copy->IsModified());

    EXPECT_EQ(Texts(*original), before);
    EXPECT_FALSE(original->IsModified());
    EXPECT_EQ(original->GetPathName(), env.FilePath(QStringLiteral("original")));
}

TEST_P(NewDocumentFromTest, WithoutTheAutomaticDateEveryTextStays)
{
    const Case& c = GetParam();
    const QString section = GetFormTypeInfo(c.type).section;
    env.Settings().Set(section, Settings::AutoDate, 0);
    const auto original = FilledNote(c, env);
    EXPECT_EQ(Texts(*NewDocumentFrom(*original, env.Settings(), kToday)), Texts(*original));
}

INSTANTIATE_TEST_SUITE_P(Forms, NewDocumentFromTest,
                         testing::Values(Case{"cmr", FormType::Cmr, 123, 2},
                                         Case{"national", FormType::National, 48, 1},
                                         Case{"kombi", FormType::Kombi, 45, 4},
                                         Case{"forwarding", FormType::Forwarding, -1, 0}),
                         [](const testing::TestParamInfo<Case>& info) {
                             return std::string(info.param.name);
                         });

} // namespace
