#include "core/documents/archive.h"
#include "core/fields/fieldstore.h"
#include "core/forms/cmrlayout.h"
#include "testsupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

namespace {

QByteArray Record(CFieldStore& store)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::Store);
    store.Serialize(ar);
    return bytes;
}

void Read(CFieldStore& store, QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::Load);
    store.Serialize(ar);
}

// A record as an older program wrote it: page-1 texts and formats, and for
// version 2 the page word, F and the follow-on lists.
QByteArray RecordBytes(quint16 version, const QStringList& texts, const QVector<quint16>& formats,
                       const QStringList& follow = {}, quint16 followCount = 1)
{
    QByteArray bytes = Word(0x1206) + Word(version) + Word(quint16(texts.size()));
    for (const QString& t : texts)
        bytes += CountedString(t);
    bytes += Word(quint16(formats.size()));
    for (quint16 f : formats)
        bytes += Word(f);
    if (version >= 2) {
        bytes += Word(0x2002) + Word(followCount) + Word(quint16(follow.size()));
        for (const QString& t : follow)
            bytes += CountedString(t);
        bytes += Word(quint16(follow.size()));
        for (qsizetype i = 0; i < follow.size(); ++i)
            bytes += Word(2);
    }
    return bytes;
}

CFieldStore CmrStore()
{
    CFieldStore store;
    CmrLayout::Description().DefineBoxes(store);
    return store;
}

TEST(FieldStoreRecord, EmptyStoresAreByteExact)
{
    CFieldStore none;
    EXPECT_EQ(Record(none), Hex("0612 0200 0000 0000 0010 0000 0000 0000"));

    CFieldStore cmr = CmrStore();
    const QByteArray record = Record(cmr);
    EXPECT_EQ(record.size(), 1078);
    EXPECT_EQ(record.mid(4, 6), Hex("B000 FFFEFF00"));
    EXPECT_EQ(record.right(14), Hex("0220 0100 0100 FFFEFF00 0100 0200"));
}

TEST(FieldStoreRecord, WritingTrimsTheStoreItself)
{
    CFieldStore store;
    store.DefineFields(1, 1, true);
    store.SetFieldText(0, QStringLiteral("abc  \r\n"), 1);
    store.SetFieldText(0, QStringLiteral("x "), 2);
    const QByteArray record = Record(store);
    EXPECT_TRUE(record.contains(CountedString(QStringLiteral("abc"))));
    EXPECT_TRUE(record.contains(CountedString(QStringLiteral("x"))));
    EXPECT_EQ(store.GetFieldText(0, 1), QStringLiteral("abc"));
    EXPECT_EQ(store.GetFieldText(0, 2), QStringLiteral("x"));
}

TEST(FieldStoreRecord, ReadingTrimsPageOneButNotFollowOnTexts)
{
    CFieldStore store;
    store.DefineFields(1, 1, true);
    Read(store, RecordBytes(2, {QStringLiteral("a\t")}, {3}, {QStringLiteral("b\t")}));
    EXPECT_EQ(store.GetFieldText(0, 1), QStringLiteral("a"));
    EXPECT_EQ(store.GetFieldText(0, 2), QStringLiteral("b\t"));
    EXPECT_EQ(store.GetFieldFormat(0, 1), 3);
}

TEST(FieldStoreRecord, FewerTextsArePaddedMoreTextsGrowTheStore)
{
    QStringList texts(173, QStringLiteral("t"));
    CFieldStore fewer = CmrStore();
    Read(fewer, RecordBytes(2, texts, QVector<quint16>(173, 3)));
    EXPECT_EQ(fewer.GetFieldCount(), 176);
    EXPECT_EQ(fewer.GetFieldText(175, 1), QString());
    EXPECT_EQ(fewer.GetFieldFormat(175, 1), 0);
    EXPECT_EQ(fewer.GetFieldFormat(172, 1), 3);

    texts = QStringList(177, QStringLiteral("t"));
    CFieldStore more = CmrStore();
    Read(more, RecordBytes(2, texts, QVector<quint16>(177, 3)));
    EXPECT_EQ(more.GetFieldCount(), 177);
    EXPECT_EQ(more.GetFieldFormat(176, 1), 1); // whatever was stored for it
    EXPECT_EQ(more.GetFieldFormat(175, 1), 3);
}

TEST(FieldStoreRecord, MoreBoxesThanIndicesCanAddressAreRefusedBeforeReading)
{
    // 65536 one-byte texts fit into the file but not into 16-bit box indices.
    CFieldStore store = CmrStore();
    QByteArray bytes = Word(0x1206) + Word(2) + Hex("FFFF 00000100") + QByteArray(0x10000, '\0');
    EXPECT_THROW(Read(store, bytes), Error);
    EXPECT_EQ(store.GetFieldCount(), 176);
}

TEST(FieldStoreRecord, VersionOneHasNoFollowOnPages)
{
    CFieldStore store = CmrStore();
    Read(store, RecordBytes(1, {QStringLiteral("a")}, {1}));
    EXPECT_EQ(store.GetPageWord(), 0x1000);
    EXPECT_EQ(store.GetFollowFieldCount(), 0);
    EXPECT_EQ(store.GetPageCount(), 1);
    EXPECT_FALSE(store.Exists(0, 2));
}

TEST(FieldStoreRecord, ForeignMagicOrNewerVersionCutsBackToOneField)
{
    for (const QByteArray& bytes : {Hex("0712 0200"), Hex("0612 0300")}) {
        CFieldStore store = CmrStore();
        store.SetFieldText(0, QStringLiteral("keep"), 1);
        store.SetFieldText(1, QStringLiteral("gone"), 1);
        Read(store, bytes);
        EXPECT_EQ(store.GetFieldCount(), 1);
        EXPECT_EQ(store.GetFollowFieldCount(), 0);
        EXPECT_EQ(store.GetFieldText(0, 1), QStringLiteral("keep"));
    }
}

TEST(FieldStoreRecord, MismatchedListsNeverLeaveFieldsWithoutFormat)
{
    // Three texts but one format word, and a page 2 without any stored text: a
    // damaged or hand-made file must not make later access to those fields fail.
    CFieldStore store;
    store.DefineFields(3, 1, true);
    Read(store, RecordBytes(2, {"a", "b", "c"}, {5}, {}, 1));
    EXPECT_EQ(store.GetFieldFormat(2, 1), 0);
    store.SetFieldText(0, QStringLiteral("p2"), 2);
    EXPECT_EQ(store.GetFieldText(0, 2), QStringLiteral("p2"));
    EXPECT_EQ(store.GetFontSize(0, 2), 0);
}

TEST(FieldStore, OutOfRangeAnswersAsDocumented)
{
    CFieldStore store = CmrStore();
    const quint16 n = store.GetFieldCount();
    EXPECT_EQ(store.GetFontSize(n, 1), 64);
    EXPECT_EQ(store.GetAlignment(n, 1), 0);
    EXPECT_THROW(store.GetFieldFormat(n, 1), CInvalidArgException);
    EXPECT_THROW(store.SetFontSize(n, 1, 2), CInvalidArgException);
    EXPECT_THROW(store.IsBold(n, 1), CInvalidArgException);
    EXPECT_THROW(store.GetFieldTextLength(n, 1), CInvalidArgException);

    store.SetFieldText(n, QStringLiteral("x"), 1);
    EXPECT_EQ(store.GetFieldText(n, 1), QString());
    EXPECT_FALSE(store.Exists(n, 1));
    EXPECT_FALSE(store.Exists(1, 2));
    EXPECT_TRUE(store.Exists(0, 2));
    // There is no page 0: a box is always named with its page.
    EXPECT_FALSE(store.Exists(0, 0));
    EXPECT_THROW(store.GetFieldFormat(0, 0), CInvalidArgException);
}

TEST(FieldStore, FormatWordOperations)
{
    CFieldStore store = CmrStore();
    store.SetFieldFormat(3, 1, 0x0200 | CFieldStore::kBold | 1);
    EXPECT_TRUE(store.IsBold(3, 1));
    store.SetFontSize(3, 1, 3);
    EXPECT_EQ(store.GetFieldFormat(3, 1), 0x0203);
    EXPECT_EQ(store.GetAlignment(3, 1), 0x0200);
    EXPECT_EQ(store.GetAlignment(73, 1), 0x0100); // the alignment table's centred box
    EXPECT_EQ(store.GetFieldFormat(0, 2), 2);
}

// The format lists are implicitly shared: a write into one store used to change
// every copy of it and every list handed out before.
TEST(FieldStore, FormatWritesLeaveCopiesAlone)
{
    CFieldStore store = CmrStore();
    const quint16 before3 = store.GetFieldFormat(3, 1);
    const quint16 before4 = store.GetFieldFormat(4, 1);
    const quint16 beforeFollow = store.GetFieldFormat(0, 2);
    const CFieldStore copy = store;
    const QVector<quint16> pageFormats = store.PageFormats();
    const QVector<quint16> followFormats = store.FollowFormats();
    store.SetFieldFormat(3, 1, 0x0200 | CFieldStore::kBold | 1);
    store.SetFontSize(4, 1, 3);
    store.SetFieldFormat(0, 2, 0x0100);
    EXPECT_EQ(copy.GetFieldFormat(3, 1), before3);
    EXPECT_EQ(copy.GetFieldFormat(4, 1), before4);
    EXPECT_EQ(copy.GetFieldFormat(0, 2), beforeFollow);
    EXPECT_EQ(pageFormats[3], before3);
    EXPECT_EQ(followFormats[0], beforeFollow);
    EXPECT_EQ(store.GetFieldFormat(3, 1), 0x0200 | CFieldStore::kBold | 1);
    EXPECT_EQ(store.GetFieldFormat(4, 1) & CFieldStore::kSizeMask, 3);
    EXPECT_EQ(store.GetFieldFormat(0, 2), 0x0100);
}

TEST(FieldStore, InsertAndDeleteShiftPageOneOnly)
{
    CFieldStore store = CmrStore();
    store.SetFieldText(75, QStringLiteral("old75"), 1);
    store.InsertField(75, 1);
    store.SetFontSize(75, 1, 2);
    EXPECT_EQ(store.GetFieldCount(), 177);
    EXPECT_EQ(store.GetFieldText(76, 1), QStringLiteral("old75"));
    EXPECT_EQ(store.GetFieldText(75, 1), QString());
    EXPECT_EQ(store.GetFieldFormat(75, 1), 2);

    store.DeleteField(75, 1);
    EXPECT_EQ(store.GetFieldText(75, 1), QStringLiteral("old75"));
    EXPECT_THROW(store.DeleteField(176, 1), CInvalidArgException);
    EXPECT_THROW(store.InsertField(177, 1), CInvalidArgException);

    // The follow-on pages share their boxes: nothing changes there.
    store.InsertField(0, 2);
    store.DeleteField(0, 3);
    EXPECT_EQ(store.GetFollowFieldCount(), 1);
}

TEST(FieldStore, DefineFieldsKeepsExistingEntries)
{
    CFieldStore store;
    store.DefineFields(2, 0, true);
    store.SetFieldText(1, QStringLiteral("b"), 1);
    store.SetFieldFormat(1, 1, 7);
    store.DefineFields(4, 2, true);
    EXPECT_EQ(store.GetFieldText(1, 1), QStringLiteral("b"));
    EXPECT_EQ(store.GetFieldFormat(1, 1), 7);
    EXPECT_EQ(store.GetFieldFormat(3, 1), 1);
    EXPECT_EQ(store.GetPageWord(), 0x2002);
    EXPECT_EQ(store.GetPageCount(), 2);
    store.DefineFields(4, 2, false);
    store.DefineFields(5, 2, false);
    EXPECT_EQ(store.GetFieldFormat(4, 1), 0);
}

// The format commands act on one box of one page; bold, size and alignment
// keep the rest of the format word.
TEST(FieldStoreFormat, SizeStepStopsAtBothEndsAndKeepsTheOtherBits)
{
    CFieldStore store;
    store.DefineFields(3, 1, true);
    struct Case
    {
        quint16 size;
        bool bigger, smaller;
    };
    for (const Case& c : {Case{0, true, false}, Case{1, true, true}, Case{3, true, true},
                          Case{4, false, true}, Case{7, false, true}}) {
        SCOPED_TRACE(c.size);
        const quint16 before = quint16(CFieldStore::kAlignRight | CFieldStore::kBold | c.size);
        store.SetFieldFormat(1, 1, before);
        EXPECT_EQ(store.CanFontBigger(1, 1), c.bigger);
        EXPECT_EQ(store.CanFontSmaller(1, 1), c.smaller);
        store.FontBigger(1, 1);
        EXPECT_EQ(store.GetFieldFormat(1, 1), c.bigger ? before + 1 : before);
        store.SetFieldFormat(1, 1, before);
        store.FontSmaller(1, 1);
        EXPECT_EQ(store.GetFieldFormat(1, 1), c.smaller ? before - 1 : before);
    }
    EXPECT_FALSE(store.CanFontBigger(3, 1)); // no such box
}

TEST(FieldStoreFormat, BoldAndAlignmentTouchTheirBitsOfOneBox)
{
    CFieldStore store;
    store.DefineFields(3, 1, true);
    store.SetFieldFormat(1, 1, 0x0203);
    store.SetBold(1, 1, true);
    store.SetBold(1, 1, true);
    EXPECT_EQ(store.GetFieldFormat(1, 1), 0x0213);
    store.SetBold(1, 1, false);
    EXPECT_EQ(store.GetFieldFormat(1, 1), 0x0203);

    store.SetAlignment(1, 1, CFieldStore::kAlignCenter);
    EXPECT_EQ(store.GetFieldFormat(1, 1), 0x0103);
    store.SetAlignment(0, 2, CFieldStore::kAlignRight); // same index, other page
    EXPECT_EQ(store.GetFieldFormat(0, 2), 0x0201);
    EXPECT_EQ(store.GetFieldFormat(0, 1), 0x0001);
    EXPECT_THROW(store.SetAlignment(3, 1, CFieldStore::kAlignLeft), CInvalidArgException);
}

} // namespace
