#include "clirunner.h"
#include "core/documents/documentfactory.h"
#include "core/documents/natdoc.h"
#include "core/errors/messageids.h"
#include "core/forms/forwardinglayout.h"
#include "core/forms/kombilayout.h"
#include "docfixtures.h"

#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextStream>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace DocFixture;
using Edition = NationalEdition;

const QByteArray kMagic = QByteArrayLiteral("KRD-FBR@");

QByteArray Current(quint16 version, quint16 feldE, const QStringList& texts)
{
    return Header(kMagic, version) + Word(feldE) + Record(texts) + '\x40';
}

// Versions 102 to 309 but 300: flag byte of box E, a byte and a word nobody
// reads, then the box texts.
QByteArray Legacy(quint16 version, char feldE, const QByteArray& list)
{
    return kMagic + Word(version) + feldE + '\x77' + Word(0x1234) + list;
}

class NatDocTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    void UseEdition(Edition edition)
    {
        env.Settings().Set(GetFormTypeInfo(FormType::National).section, Settings::NatVersion,
                           edition == Edition::Edition2009 ? 2009 : 2007);
    }

    std::unique_ptr<CFrachtbriefNatDoc> Load(Edition edition, const QByteArray& bytes)
    {
        UseEdition(edition);
        return LoadAs<CFrachtbriefNatDoc>(env.Settings(), bytes);
    }
};

TEST_F(NatDocTest, EachEditionSavesItsOwnVersionAndRoundTrips)
{
    for (const auto& [edition, version, boxes] :
         {std::tuple{Edition::Edition2009, 310, 127}, std::tuple{Edition::Edition2007, 300, 126}}) {
        SCOPED_TRACE(version);
        UseEdition(edition);
        CFrachtbriefNatDoc doc(env.Settings());
        doc.OnNewDocument();
        doc.m_wFeldE = 1;
        doc.GetStore().SetFieldText(quint16(boxes - 1), QStringLiteral("Paletten"), 1);
        const QByteArray bytes = SavedBytes(doc);

        EXPECT_EQ(bytes.left(50), Header(kMagic, quint16(version)));
        EXPECT_EQ(bytes.mid(50, 2), Word(1));
        EXPECT_EQ(bytes.mid(52, 6), Hex("0612 0200") + Word(quint16(boxes)));
        EXPECT_EQ(bytes.right(1), QByteArray("\x40"));

        const auto back = Load(edition, bytes);
        EXPECT_EQ(back->GetLoadError(), 0);
        EXPECT_EQ(back->m_wFeldE, 1);
        EXPECT_EQ(back->GetStore().GetFieldCount(), boxes);
        EXPECT_EQ(Text(*back, boxes - 1), QStringLiteral("Paletten"));
        EXPECT_EQ(SavedBytes(*back), bytes);
    }
}

TEST_F(NatDocTest, NewDocumentTakesBoxEFromTheSettings)
{
    CFrachtbriefNatDoc doc(env.Settings());
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_wFeldE, 2);
    env.Settings().Set(GetFormTypeInfo(FormType::National).section, Settings::NatBoxE, 1);
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_wFeldE, 1);
    // A refused file leaves the reset value, not the file's.
    EXPECT_EQ(Load(Edition::Edition2009, Header(kMagic, 400))->m_wFeldE, 1);
}

struct NatCase
{
    const char* name;
    Edition edition;
    QByteArray bytes;
    int message;
    std::function<void(const CFrachtbriefNatDoc&)> check;
};

void PrintTo(const NatCase& c, std::ostream* os)
{
    *os << c.name;
}

class NatLoad : public NatDocTest, public ::testing::WithParamInterface<NatCase>
{
};

TEST_P(NatLoad, LoadsConvertsOrRefuses)
{
    const NatCase& c = GetParam();
    const auto doc = Load(c.edition, c.bytes);
    EXPECT_EQ(doc->GetLoadError(), c.message);
    if (c.message != 0) {
        EXPECT_EQ(doc->m_wFeldE, 2);
        EXPECT_EQ(doc->GetStore().GetFieldCount(), c.edition == Edition::Edition2009 ? 127 : 126);
    }
    if (c.check)
        c.check(*doc);
}

const NatCase kNatCases[] = {
    {"empty_file", Edition::Edition2009, QByteArray(), 0,
     [](const CFrachtbriefNatDoc& d) { EXPECT_EQ(d.GetStore().GetFieldCount(), 127); }},
    {"magic_first_byte", Edition::Edition2009, "XRD-FBR@" + Word(310), kLoadNotNational, nullptr},
    {"magic_last_byte", Edition::Edition2007, "KRD-FBR#" + Word(310), kLoadNotNational, nullptr},
    {"cmr_file", Edition::Edition2009, CmrFixture::Header(302), kLoadNotNational, nullptr},
    {"version_101", Edition::Edition2009, Header(kMagic, 101), kLoadTooOld, nullptr},
    {"version_311", Edition::Edition2009, Header(kMagic, 311), kLoadTooNew, nullptr},
    {"v310_into_2009", Edition::Edition2009, Current(310, 1, Numbered(127)), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.m_wFeldE, 1);
         EXPECT_EQ(d.GetStore().GetFieldCount(), 127);
         EXPECT_EQ(Text(d, 44), QStringLiteral("b44"));
         EXPECT_EQ(Text(d, 126), QStringLiteral("b126"));
     }},
    {"v310_into_2007_loses_box_44", Edition::Edition2007, Current(310, 0, Numbered(127)), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.m_wFeldE, 0);
         EXPECT_EQ(d.GetStore().GetFieldCount(), 126);
         EXPECT_EQ(Text(d, 43), QStringLiteral("b43"));
         EXPECT_EQ(Text(d, 44), QStringLiteral("b45"));
         EXPECT_EQ(Text(d, 125), QStringLiteral("b126"));
     }},
    // Issue 15 (found by fuzzing): a 2009 file one box short lost the 2007 form's
    // last box with box 44, and only the next open gave it back.
    {"v310_one_box_short_into_2007", Edition::Edition2007, Current(310, 0, Numbered(126)), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.GetStore().GetFieldCount(), 126);
         EXPECT_EQ(Text(d, 124), QStringLiteral("b125"));
         EXPECT_EQ(Text(d, 125), QString());
         EXPECT_EQ(Format(d, 125), 0x0102); // the 2007 form's last box: step 2, centred
     }},
    {"v300_into_2007", Edition::Edition2007, Current(300, 2, Numbered(126)), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.GetStore().GetFieldCount(), 126);
         EXPECT_EQ(Text(d, 44), QStringLiteral("b44"));
     }},
    {"v300_into_2009_gains_box_44", Edition::Edition2009, Current(300, 1, Numbered(126)), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(Text(d, 43), QStringLiteral("b43"));
         EXPECT_EQ(Text(d, 44), QString());
         EXPECT_EQ(Format(d, 44), 2);
         EXPECT_EQ(Text(d, 45), QStringLiteral("b44"));
         EXPECT_EQ(Text(d, 126), QStringLiteral("b125"));
     }},
    {"legacy_110_reorders_40_to_42", Edition::Edition2007,
     Legacy(110, '\0', StringList(Numbered(126))), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.m_wFeldE, 2);
         EXPECT_EQ(Text(d, 39), QStringLiteral("b39"));
         EXPECT_EQ(Text(d, 40), QStringLiteral("b42"));
         EXPECT_EQ(Text(d, 41), QString());
         EXPECT_EQ(Text(d, 42), QStringLiteral("b41"));
         EXPECT_EQ(Text(d, 43), QStringLiteral("b43"));
     }},
    {"legacy_102_shifts_then_reorders", Edition::Edition2007,
     Legacy(102, '\x01', StringList(WithBoxes(Numbered(126), {{40, "a"}, {41, "b"}, {42, "c"}}))),
     0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.m_wFeldE, 1);
         EXPECT_EQ(Text(d, 39), QStringLiteral("b39"));
         EXPECT_EQ(Text(d, 40), QStringLiteral("b"));
         EXPECT_EQ(Text(d, 41), QString());
         EXPECT_EQ(Text(d, 42), QStringLiteral("a"));
         EXPECT_EQ(Text(d, 43), QStringLiteral("c"));
         EXPECT_EQ(Text(d, 125), QStringLiteral("b124")); // the old 125 is gone
     }},
    {"legacy_111_into_2009", Edition::Edition2009, Legacy(111, '\x80', StringList(Numbered(126))),
     0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(d.m_wFeldE, 1);
         EXPECT_EQ(Text(d, 41), QStringLiteral("b41"));
         EXPECT_EQ(Text(d, 44), QString());
         EXPECT_EQ(Format(d, 44), 2);
         EXPECT_EQ(Text(d, 45), QStringLiteral("b44"));
         EXPECT_EQ(Text(d, 126), QStringLiteral("b125"));
     }},
    {"legacy_short_list_of_8bit_strings", Edition::Edition2007,
     Legacy(309, '\0', Word(2) + NarrowString("Gr\xfc\xdf") + NarrowString("\x80")), 0,
     [](const CFrachtbriefNatDoc& d) {
         EXPECT_EQ(Text(d, 0), QStringLiteral("Grüß"));
         EXPECT_EQ(Text(d, 1), QStringLiteral("€"));
         EXPECT_EQ(Text(d, 2), QString());
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, NatLoad, ::testing::ValuesIn(kNatCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(NatDocTest, EveryTruncationIsAnArchiveError)
{
    CFrachtbriefNatDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.GetStore().SetFieldText(5, QStringLiteral("Empfänger"), 1);
    const QByteArray bytes = SavedBytes(doc);
    // The end mark is never read.
    for (qsizetype size = 1; size < bytes.size() - 1; ++size)
        EXPECT_THROW(Load(Edition::Edition2009, bytes.left(size)), Error) << size;
    EXPECT_EQ(Text(*Load(Edition::Edition2009, bytes.chopped(1)), 5), QStringLiteral("Empfänger"));

    const QByteArray legacy = Legacy(110, '\0', StringList(Numbered(3)));
    for (qsizetype size = 1; size < legacy.size(); ++size)
        EXPECT_THROW(Load(Edition::Edition2007, legacy.left(size)), Error) << size;
}

TEST_F(NatDocTest, EditionConversionOfARefusedRecordFailsTheOpen)
{
    // A record with an unknown magic leaves one box; there is no box 44 to add
    // or remove, so the file must fail like a damaged one rather than abort.
    const QByteArray badRecord = Header(kMagic, 300) + Word(2) + Word(0x9999) + '\x40';
    EXPECT_THROW(Load(Edition::Edition2009, badRecord), Error);
    QByteArray v310 = badRecord;
    v310[8] = char(310 & 0xFF);
    EXPECT_THROW(Load(Edition::Edition2007, v310), Error);

    const QString path = env.FilePath(QStringLiteral("kaputt.fbr"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(badRecord);
    file.close();
    UseEdition(Edition::Edition2009);
    CFrachtbriefNatDoc doc(env.Settings());
    EXPECT_EQ(doc.OnOpenDocument(path).code(), ErrorCode::DocumentOpenFailed);
}

struct AlignmentCase
{
    const Forms::FormDescription* form;
    int box;
    int alignment; // 0 left, 1 centred, 2 right
};

TEST(FormDescriptions, BoxesTakeTheAlignmentOfTheirColumn)
{
    const auto* nat2009 = &NationalLayout::Description(Edition::Edition2009);
    const auto* nat2007 = &NationalLayout::Description(Edition::Edition2007);
    const auto* kombi = &KombiLayout::Description();
    const auto* forwarding = &ForwardingLayout::Description();
    for (const Forms::FormDescription* d : Forms::AllFormDescriptions()) {
        EXPECT_NE(d->boxes, nullptr);
        EXPECT_EQ(d->fontSizeStep, 2);
    }
    EXPECT_EQ(nat2009->boxCount, 127);
    EXPECT_EQ(nat2007->boxCount, 126);
    EXPECT_EQ(kombi->boxCount, 138);
    EXPECT_EQ(forwarding->boxCount, 106);

    const AlignmentCase cases[] = {
        // National 2009: goods weight, freight sums, pallets (number, exchange, kind).
        {nat2009, 22, 0},
        {nat2009, 39, 2},
        {nat2009, 44, 0},
        {nat2009, 54, 2},
        {nat2009, 71, 0},
        {nat2009, 72, 2},
        {nat2009, 73, 0},
        {nat2009, 87, 2},
        {nat2009, 89, 0},
        {nat2009, 94, 2},
        {nat2009, 96, 0},
        {nat2009, 98, 2},
        {nat2009, 99, 2},
        {nat2009, 101, 1},
        {nat2009, 105, 0},
        {nat2009, 106, 2},
        {nat2009, 119, 0},
        {nat2009, 124, 2},
        {nat2009, 126, 1},
        // National 2007: the same boxes one place lower from 44 on.
        {nat2007, 39, 2},
        {nat2007, 44, 0},
        {nat2007, 53, 2},
        {nat2007, 87, 2},
        {nat2007, 98, 2},
        {nat2007, 125, 1},
        // Kombi: goods, freight euros and cents, totals, pallets.
        {kombi, 18, 0},
        {kombi, 19, 2},
        {kombi, 20, 2},
        {kombi, 55, 2},
        {kombi, 76, 2},
        {kombi, 77, 0},
        {kombi, 92, 2},
        {kombi, 93, 0},
        {kombi, 96, 0},
        {kombi, 97, 2},
        {kombi, 107, 0},
        {kombi, 110, 2},
        {kombi, 121, 0},
        {kombi, 122, 2},
        {kombi, 124, 1},
        {kombi, 134, 0},
        {kombi, 135, 2},
        {kombi, 137, 1},
        // Forwarding order: relation number, goods columns 19/23/24, sums, pallets.
        {forwarding, 6, 0},
        {forwarding, 7, 1},
        {forwarding, 9, 1},
        {forwarding, 21, 0},
        {forwarding, 22, 2},
        {forwarding, 25, 0},
        {forwarding, 26, 2},
        {forwarding, 76, 2},
        {forwarding, 77, 2},
        {forwarding, 78, 0},
        {forwarding, 80, 2},
        {forwarding, 100, 0},
        {forwarding, 104, 2},
        {forwarding, 105, 0},
    };
    for (const AlignmentCase& c : cases)
        EXPECT_EQ(c.form->InitialFormat(c.box, 1), 2 | (c.alignment << 8))
            << GetFormTypeInfo(c.form->type).name.data() << " " << c.form->boxCount << " box "
            << c.box;
}

TEST(FormDescriptions, NationalEditionOfANewNoteFollowsTheVersionSetting)
{
    TestEnvironment env;
    const QString section = GetFormTypeInfo(FormType::National).section;
    EXPECT_EQ(Forms::DescriptionForNew(FormType::National, env.Settings()).boxCount, 127);
    for (int version : {2007, 2010, 0}) {
        env.Settings().Set(section, Settings::NatVersion, version);
        EXPECT_EQ(Forms::DescriptionForNew(FormType::National, env.Settings()).boxCount, 126)
            << version;
    }
}

// The three forms below share the factory, the refusal of foreign files and the
// command-line tool with the CMR note.

struct FormCase
{
    FormType type;
    int boxes;
    bool hasWord;
};

void PrintTo(const FormCase& c, std::ostream* os)
{
    *os << GetFormTypeInfo(c.type).name.data();
}

class NewForms : public ::testing::TestWithParam<FormCase>
{
protected:
    TestEnvironment env;
};

TEST_P(NewForms, RefusedForeignFileIsNotSavedOverItsPath)
{
    const FormCase& c = GetParam();
    auto doc = CreateDocument(c.type, env.Settings());
    EXPECT_EQ(doc->GetFormType(), c.type);
    EXPECT_EQ(doc->HasCheckWord(), c.hasWord);

    const QString path = env.FilePath(QStringLiteral("fremd") + GetFormTypeInfo(c.type).extension);
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(CmrFixture::Current(302, 3, Numbered(176)));
    file.close();

    ASSERT_TRUE(Succeeded(doc->OnOpenDocument(path)));
    EXPECT_EQ(doc->GetLoadError(), GetFormTypeInfo(c.type).wrongFileMessage);
    EXPECT_EQ(doc->GetStore().GetFieldCount(), c.boxes);
    EXPECT_FALSE(doc->IsModified());
    EXPECT_EQ(doc->GetTitle(), QFileInfo(path).fileName());
    EXPECT_TRUE(doc->GetPathName().isEmpty());
}

TEST_P(NewForms, CommandLineToolWritesReadsAndRebuildsTheForm)
{
    const FormCase& c = GetParam();
    const QString name = GetFormTypeInfo(c.type).name;
    const QString extension = GetFormTypeInfo(c.type).extension;
    CliRunner cli(env.Settings());
    const QString& out = cli.out;
    const QString& err = cli.err;
    auto run = [&](const QStringList& args) { return cli.Run(args); };

    const QString fresh = env.FilePath(QStringLiteral("neu") + extension);
    ASSERT_EQ(run({"new", name, fresh}), 0) << err.toStdString();
    ASSERT_EQ(run({"dump", fresh}), 0) << err.toStdString();
    QJsonObject json = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(json["form"].toString(), name);
    EXPECT_EQ(json["fields"].toArray().size(), c.boxes);
    EXPECT_EQ(json.contains("word"), c.hasWord);

    QJsonArray fields = json["fields"].toArray();
    fields[1] = QJsonArray{"Zeile 1\r\nZeile 2", 0x0213};
    json["fields"] = fields;
    const QString jsonPath = env.FilePath(QStringLiteral("in.json"));
    QFile file(jsonPath);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QJsonDocument(json).toJson());
    file.close();
    const QString built = env.FilePath(QStringLiteral("gebaut") + extension);
    ASSERT_EQ(run({"build", jsonPath, built}), 0) << err.toStdString();
    ASSERT_EQ(run({"dump", built}), 0) << err.toStdString();
    const QJsonObject again = QJsonDocument::fromJson(out.toUtf8()).object();
    EXPECT_EQ(again["fields"].toArray(), fields);
    EXPECT_EQ(again["loadError"].toInt(), 0);
}

TEST(SeedFiles, OpenWithoutAMessageAndCurrentOnesRoundTrip)
{
    TestEnvironment env;
    const QString section = GetFormTypeInfo(FormType::National).section;
    const struct
    {
        const char* name;
        int edition;
        bool current;
    } seeds[] = {
        {"national-2009.fbr", 2009, true},
        {"national-2007.fbr", 2007, true},
        {"national-legacy-102.fbr", 2009, false},
        {"national-legacy-110.fbr", 2007, false},
        {"kombi.fb1", 2009, true},
        {"kombi-legacy-102.fb1", 2009, false},
        {"forwarding.spa", 2009, true},
        {"forwarding-s883-2004.spa", 2009, false},
        {"forwarding-s883.spa", 2009, false},
    };
    for (const auto& seed : seeds) {
        SCOPED_TRACE(seed.name);
        env.Settings().Set(section, Settings::NatVersion, seed.edition);
        const QString path = QStringLiteral(TVM_TEST_DATA_DIR "/") + QLatin1String(seed.name);
        auto doc = CreateDocument(FormTypeForPath(path), env.Settings());
        ASSERT_TRUE(Succeeded(doc->OnOpenDocument(path)));
        EXPECT_EQ(doc->GetLoadError(), 0);
        if (seed.current) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            EXPECT_EQ(SavedBytes(*doc), file.readAll());
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, NewForms,
                         ::testing::Values(FormCase{FormType::National, 127, true},
                                           FormCase{FormType::Kombi, 138, true},
                                           FormCase{FormType::Forwarding, 106, false}),
                         [](const auto& info) {
                             return std::string(GetFormTypeInfo(info.param.type).name.data());
                         });

} // namespace
