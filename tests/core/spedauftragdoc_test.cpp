#include "core/documents/spedauftragdoc.h"
#include "core/errors/messageids.h"
#include "docfixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace DocFixture;

const QByteArray kMagic = QByteArrayLiteral("KR-SPEDAUFTR@ ");

QByteArray Current(quint16 version, const QStringList& texts)
{
    return Header(kMagic, version) + Record(texts) + '\x40';
}

// "KR-S883_2004@ ", a word and 16 bytes nobody reads, a text line of single
// bytes, then the field store record.
QByteArray S883_2004(const QStringList& texts)
{
    return "KR-S883_2004@ " + Word(7) + QByteArray(16, 'x') + "Speditionsauftrag 2004\r\n" +
           Record(texts);
}

// "KR-S883@" and six bytes of any kind, 14 bytes nobody reads, a text line, two
// words, then the box texts and their format words in the old arrangement.
QByteArray S883(const QByteArray& listAndWords)
{
    return "KR-S883@" + Hex("00 FF 0A 41 42 43") + QByteArray(14, '\0') + "alt\n" +
           Hex("0612 0100") + listAndWords;
}

// Old texts "a0".."a127" with format words 100 + i.
QByteArray OldBoxes(int texts, int words)
{
    QVector<quint16> formats;
    for (int i = 0; i < words; ++i)
        formats << quint16(100 + i);
    return StringList(Numbered(texts, QStringLiteral("a"))) + WordList(formats);
}

class SpaDocTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    std::unique_ptr<CSpeditionsauftragDoc> Load(const QByteArray& bytes)
    {
        return LoadAs<CSpeditionsauftragDoc>(env.Settings(), bytes);
    }
};

TEST_F(SpaDocTest, SavedFileHasTheDocumentedLayoutAndRoundTrips)
{
    CSpeditionsauftragDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.GetStore().SetFieldText(105, QStringLiteral("Fußzeile"), 1);
    const QByteArray bytes = SavedBytes(doc);

    // A 14-byte magic still gives a 32-byte header.
    EXPECT_EQ(bytes.left(16), kMagic + Hex("2C01"));
    EXPECT_EQ(bytes.mid(20, 12), QByteArray(12, '\xFF'));
    EXPECT_EQ(bytes.mid(32, 18), Utf16(QStringLiteral("PC1\nanna\n")));
    EXPECT_EQ(bytes.mid(50, 6), Hex("0612 0200") + Word(106)); // no check word
    EXPECT_EQ(bytes.right(1), QByteArray("\x40"));

    const auto back = Load(bytes);
    EXPECT_EQ(back->GetLoadError(), 0);
    EXPECT_EQ(Text(*back, 105), QStringLiteral("Fußzeile"));
    EXPECT_EQ(SavedBytes(*back), bytes);
}

struct SpaCase
{
    const char* name;
    QByteArray bytes;
    int message;
    std::function<void(const CSpeditionsauftragDoc&)> check;
};

void PrintTo(const SpaCase& c, std::ostream* os)
{
    *os << c.name;
}

class SpaLoad : public SpaDocTest, public ::testing::WithParamInterface<SpaCase>
{
};

TEST_P(SpaLoad, LoadsConvertsOrRefuses)
{
    const SpaCase& c = GetParam();
    const auto doc = Load(c.bytes);
    EXPECT_EQ(doc->GetLoadError(), c.message);
    if (c.check)
        c.check(*doc);
}

void ExpectUntouched(const CSpeditionsauftragDoc& d)
{
    EXPECT_EQ(d.GetStore().GetFieldCount(), 106);
    EXPECT_EQ(d.GetStore().GetFollowFieldCount(), 1);
    EXPECT_EQ(Text(d, 0), QString());
}

const SpaCase kSpaCases[] = {
    {"empty_file", QByteArray(), 0, ExpectUntouched},
    {"magic_last_byte", "KR-SPEDAUFTR@_" + Word(300), kLoadNotForwarding, ExpectUntouched},
    {"magic_s883_variant", "KR-S883_2005@ " + Word(300), kLoadNotForwarding, ExpectUntouched},
    {"kombi_file", Header("KRD-FBNI@", 300), kLoadNotForwarding, ExpectUntouched},
    {"version_301", Header(kMagic, 301), kLoadTooNew, ExpectUntouched},
    // An older version of the current header holds nothing that is read.
    {"version_299", kMagic + Word(299), 0, ExpectUntouched},
    {"version_0", kMagic + Word(0) + "anything", 0, ExpectUntouched},
    {"version_300", Current(300, WithBoxes(Numbered(106), {{0, "Auftrag 7"}})), 0,
     [](const CSpeditionsauftragDoc& d) {
         EXPECT_EQ(d.GetFileVersion(), 300);
         EXPECT_EQ(Text(d, 0), QStringLiteral("Auftrag 7"));
         EXPECT_EQ(Text(d, 105), QStringLiteral("b105"));
     }},
    {"s883_2004", S883_2004(Numbered(106)), 0,
     [](const CSpeditionsauftragDoc& d) {
         EXPECT_EQ(d.GetFileVersion(), 0);
         EXPECT_EQ(Text(d, 0), QStringLiteral("b0"));
         EXPECT_EQ(Text(d, 105), QStringLiteral("b105"));
         EXPECT_EQ(d.GetStore().GetFollowFieldCount(), 1);
     }},
    {"s883_converts_the_old_arrangement", S883(OldBoxes(128, 128)), 0,
     [](const CSpeditionsauftragDoc& d) {
         // Old entry 7 and old entries 78 to 98 are gone; 77 to 80 come from old
         // 99 to 101 and 99; 81 to 86 are new and empty; 87 takes old 105.
         const std::pair<int, int> fromOld[] = {{0, 0},    {6, 6},     {7, 8},    {76, 77},
                                                {77, 99},  {79, 101},  {80, 99},  {87, 105},
                                                {88, 107}, {104, 123}, {105, 127}};
         for (const auto& [box, old] : fromOld) {
             EXPECT_EQ(Text(d, box), QStringLiteral("a%1").arg(old)) << box;
             EXPECT_EQ(Format(d, box), 100 + old) << box;
         }
         for (int box = 81; box <= 86; ++box) {
             EXPECT_EQ(Text(d, box), QString()) << box;
             EXPECT_EQ(Format(d, box), 1) << box;
         }
         EXPECT_EQ(d.GetStore().GetFieldCount(), 106);
         EXPECT_EQ(d.GetStore().GetFollowFieldCount(), 0);
         EXPECT_EQ(d.GetStore().GetPageWord(), 0x1000);
     }},
    {"s883_short_lists_are_padded", S883(OldBoxes(100, 100)), 0,
     [](const CSpeditionsauftragDoc& d) {
         EXPECT_EQ(Text(d, 77), QStringLiteral("a99"));
         EXPECT_EQ(Text(d, 78), QString());
         EXPECT_EQ(Format(d, 78), 0);
         EXPECT_EQ(Text(d, 105), QString());
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, SpaLoad, ::testing::ValuesIn(kSpaCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SpaDocTest, OldestLayoutWithoutTheBoxesToDropIsDamaged)
{
    // Fewer than 8 texts, or lists too short for the boxes the conversion
    // removes, cannot come from the old program.
    for (const auto& [texts, words] :
         {std::pair{7, 7}, std::pair{98, 98}, std::pair{99, 98}, std::pair{99, 7}}) {
        EXPECT_THROW(Load(S883(OldBoxes(texts, words))), Error)
            << texts << " texts, " << words << " words";
    }
    EXPECT_EQ(Load(S883(OldBoxes(99, 99)))->GetLoadError(), 0);
}

TEST_F(SpaDocTest, EveryTruncationIsAnArchiveError)
{
    CSpeditionsauftragDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.GetStore().SetFieldText(2, QStringLiteral("Versender"), 1);
    const QByteArray bytes = SavedBytes(doc);
    for (qsizetype size = 1; size < bytes.size() - 1; ++size)
        EXPECT_THROW(Load(bytes.left(size)), Error) << size;
    EXPECT_EQ(Text(*Load(bytes.chopped(1)), 2), QStringLiteral("Versender"));

    // The older layouts have no end mark.
    for (const QByteArray& old : {S883_2004(Numbered(3)), S883(OldBoxes(100, 100))})
        for (qsizetype size = 1; size < old.size(); ++size)
            EXPECT_THROW(Load(old.left(size)), Error) << size;
}

} // namespace
