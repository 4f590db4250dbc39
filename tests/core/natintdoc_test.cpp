#include "core/documents/natintdoc.h"
#include "core/errors/messageids.h"
#include "docfixtures.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace DocFixture;

const QByteArray kMagic = QByteArrayLiteral("KRD-FBNI@");

QByteArray Current(quint16 version, quint16 terms, const QStringList& texts)
{
    return Header(kMagic, version) + Word(terms) + Record(texts) + '\x40';
}

// Versions 102 to 299: 7 bytes nobody reads, then the box texts.
QByteArray Legacy(quint16 version, const QByteArray& list)
{
    return kMagic + Word(version) + Hex("01 0203 0405 0607") + list;
}

class KombiDocTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    std::unique_ptr<CFrachtbriefNatIntDoc> Load(const QByteArray& bytes)
    {
        return LoadAs<CFrachtbriefNatIntDoc>(env.Settings(), bytes);
    }
};

TEST_F(KombiDocTest, SavedFileHasTheDocumentedLayoutAndRoundTrips)
{
    CFrachtbriefNatIntDoc doc(env.Settings());
    doc.OnNewDocument();
    EXPECT_EQ(doc.m_wTerms, 0);
    doc.m_wTerms = 4;
    doc.GetStore().SetFieldText(137, QStringLiteral("Tausch"), 1);
    const QByteArray bytes = SavedBytes(doc);

    EXPECT_EQ(bytes.left(11), kMagic + Hex("2C01"));
    EXPECT_EQ(bytes.mid(15, 17), QByteArray(17, '\xFF'));
    EXPECT_EQ(bytes.mid(32, 18), Utf16(QStringLiteral("PC1\nanna\n")));
    EXPECT_EQ(bytes.mid(50, 2), Word(4));
    EXPECT_EQ(bytes.mid(52, 6), Hex("0612 0200") + Word(138));
    EXPECT_EQ(bytes.right(1), QByteArray("\x40"));

    const auto back = Load(bytes);
    EXPECT_EQ(back->GetLoadError(), 0);
    EXPECT_EQ(back->GetFileVersion(), 300);
    EXPECT_EQ(back->m_wTerms, 4);
    EXPECT_EQ(Text(*back, 137), QStringLiteral("Tausch"));
    EXPECT_EQ(SavedBytes(*back), bytes);
}

struct KombiCase
{
    const char* name;
    QByteArray bytes;
    int message;
    std::function<void(const CFrachtbriefNatIntDoc&)> check;
};

void PrintTo(const KombiCase& c, std::ostream* os)
{
    *os << c.name;
}

class KombiLoad : public KombiDocTest, public ::testing::WithParamInterface<KombiCase>
{
};

TEST_P(KombiLoad, LoadsConvertsOrRefuses)
{
    const KombiCase& c = GetParam();
    const auto doc = Load(c.bytes);
    EXPECT_EQ(doc->GetLoadError(), c.message);
    EXPECT_EQ(doc->GetStore().GetFieldCount(), 138);
    if (c.message != 0) {
        EXPECT_EQ(doc->m_wTerms, 0);
    }
    if (c.check)
        c.check(*doc);
}

const KombiCase kKombiCases[] = {
    {"empty_file", QByteArray(), 0, nullptr},
    {"magic_ninth_byte", "KRD-FBNI#" + Word(300), kLoadNotKombi, nullptr},
    {"national_file", Header("KRD-FBR@", 310), kLoadNotKombi, nullptr},
    {"version_101", Header(kMagic, 101), kLoadTooOld, nullptr},
    {"version_301", Header(kMagic, 301), kLoadTooNew, nullptr},
    {"version_300", Current(300, 2, Numbered(138)), 0,
     [](const CFrachtbriefNatIntDoc& d) {
         EXPECT_EQ(d.m_wTerms, 2);
         EXPECT_EQ(Text(d, 38), QStringLiteral("b38"));
         EXPECT_EQ(Text(d, 137), QStringLiteral("b137"));
     }},
    {"legacy_102_swaps_38_and_39", Legacy(102, StringList(Numbered(138))), 0,
     [](const CFrachtbriefNatIntDoc& d) {
         EXPECT_EQ(d.m_wTerms, 0);
         EXPECT_EQ(Text(d, 37), QStringLiteral("b37"));
         EXPECT_EQ(Text(d, 38), QStringLiteral("b39"));
         EXPECT_EQ(Text(d, 39), QStringLiteral("b38"));
         EXPECT_EQ(Text(d, 40), QStringLiteral("b40"));
     }},
    {"legacy_299_keeps_order_and_pads", Legacy(299, StringList(Numbered(40))), 0,
     [](const CFrachtbriefNatIntDoc& d) {
         EXPECT_EQ(Text(d, 38), QStringLiteral("b38"));
         EXPECT_EQ(Text(d, 39), QStringLiteral("b39"));
         EXPECT_EQ(Text(d, 40), QString());
     }},
    {"legacy_long_list_is_cut", Legacy(150, StringList(Numbered(140))), 0,
     [](const CFrachtbriefNatIntDoc& d) { EXPECT_EQ(Text(d, 137), QStringLiteral("b137")); }},
};

INSTANTIATE_TEST_SUITE_P(Files, KombiLoad, ::testing::ValuesIn(kKombiCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(KombiDocTest, EveryTruncationIsAnArchiveError)
{
    CFrachtbriefNatIntDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.GetStore().SetFieldText(0, QStringLiteral("Absender"), 1);
    const QByteArray bytes = SavedBytes(doc);
    for (qsizetype size = 1; size < bytes.size() - 1; ++size)
        EXPECT_THROW(Load(bytes.left(size)), Error) << size;
    EXPECT_EQ(Text(*Load(bytes.chopped(1)), 0), QStringLiteral("Absender"));

    const QByteArray legacy = Legacy(110, StringList(Numbered(3)));
    for (qsizetype size = 1; size < legacy.size(); ++size)
        EXPECT_THROW(Load(legacy.left(size)), Error) << size;
}

} // namespace
