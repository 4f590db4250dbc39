#include "core/documents/archive.h"
#include "testsupport.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <functional>

namespace {

QByteArray Written(const std::function<void(CArchive&)>& write)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    CArchive ar(&buffer, CArchive::Store);
    write(ar);
    return bytes;
}

template <typename Read> auto ReadFrom(const QByteArray& bytes, Read read)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    CArchive ar(&buffer, CArchive::Load);
    return read(ar);
}

Error ErrorReading(const QByteArray& bytes, const std::function<void(CArchive&)>& read)
{
    try {
        ReadFrom(bytes, [&](CArchive& ar) {
            read(ar);
            return 0;
        });
    } catch (const Error& e) {
        return e;
    }
    ADD_FAILURE() << "no archive error for " << bytes.toHex(' ').constData();
    return Error();
}

TEST(ArchiveWrite, EncodingsAreByteExact)
{
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteString(QString()); }), Hex("FF FEFF 00"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteString(QStringLiteral("Ab")); }),
              Hex("FF FEFF 02 4100 6200"));
    // 255 units no longer fit the one-byte length; 0xFFFE units not the word.
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteString(QString(255, u'x')); }).left(6),
              Hex("FF FEFF FF FF00"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteString(QString(0xFFFE, u'x')); }).left(10),
              Hex("FF FEFF FF FFFF FEFF0000"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteCount(0xFFFE); }), Hex("FEFF"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteCount(0xFFFF); }), Hex("FFFF FFFF0000"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteLineString(QStringLiteral("PC")); }),
              Hex("5000 4300 0A00"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteWordList({1, 0x1206}); }), Hex("0200 0100 0612"));
    EXPECT_EQ(Written([](CArchive& ar) { ar.WriteStringList({QString()}); }), Hex("0100 FFFEFF00"));
}

struct StringCase
{
    const char* name;
    QByteArray bytes;
    QString expected;
};

void PrintTo(const StringCase& c, std::ostream* os)
{
    *os << c.name;
}

class ArchiveReadString : public ::testing::TestWithParam<StringCase>
{
};

TEST_P(ArchiveReadString, DecodesEveryLengthForm)
{
    const StringCase& c = GetParam();
    EXPECT_EQ(ReadFrom(c.bytes, [](CArchive& ar) { return ar.ReadString(); }), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Forms, ArchiveReadString,
    ::testing::Values(
        StringCase{"narrow_1252", Hex("04 80 E4 9F 41"), QStringLiteral("€äŸA")},
        StringCase{"narrow_word_length", Hex("FF 0200 4142"), QStringLiteral("AB")},
        StringCase{"narrow_dword_length", Hex("FF FFFF 02000000 4142"), QStringLiteral("AB")},
        StringCase{"narrow_qword_length", Hex("FF FFFF FFFFFFFF 0100000000000000 41"),
                   QStringLiteral("A")},
        StringCase{"wide_byte_length", Hex("FF FEFF 01 DC00"), QStringLiteral("Ü")},
        StringCase{"wide_word_length", Hex("FF FEFF FF 0100 4100"), QStringLiteral("A")},
        StringCase{"wide_dword_length", Hex("FF FEFF FF FFFF 01000000 4100"), QStringLiteral("A")},
        StringCase{"empty_wide", Hex("FF FEFF 00"), QString()},
        StringCase{"empty_narrow", Hex("00"), QString()}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ArchiveRead, LineStringEndsAtLineFeedCarriageReturnOrEnd)
{
    auto readTwo = [](const QByteArray& bytes) {
        return ReadFrom(bytes, [](CArchive& ar) {
            const QString first = ar.ReadLineString();
            return QStringList{first, ar.ReadLineString()};
        });
    };
    EXPECT_EQ(readTwo(Hex("4100 0A00 4200 0A00")), QStringList({"A", "B"}));
    // CR ends the string and swallows the unit after it, whatever it is.
    EXPECT_EQ(readTwo(Hex("4100 0D00 0A00 4200")), QStringList({"A", "B"}));
    EXPECT_EQ(readTwo(Hex("4100 0D00 5800 4200")), QStringList({"A", "B"}));
    // At the end of the file a line string yields what was read so far.
    EXPECT_EQ(readTwo(Hex("4100 42")), QStringList({"A", ""}));
}

TEST(ArchiveRead, CountAndLists)
{
    EXPECT_EQ(ReadFrom(Hex("FFFF 02000100"), [](CArchive& ar) { return ar.ReadCount(); }),
              0x10002u);
    EXPECT_EQ(ReadFrom(Hex("0200 0100 FFFF"), [](CArchive& ar) { return ar.ReadWordList(); }),
              QVector<quint16>({1, 0xFFFF}));
    EXPECT_EQ(
        ReadFrom(Hex("0200 00 FFFEFF01 4100"), [](CArchive& ar) { return ar.ReadStringList(); }),
        QStringList({"", "A"}));
}

TEST(ArchiveRead, TruncatedItemsAndImpossibleLengthsAreArchiveErrors)
{
    using C = ErrorCode;
    const std::function<void(CArchive&)> word = [](CArchive& ar) { ar.ReadWord(); };
    const std::function<void(CArchive&)> string = [](CArchive& ar) { ar.ReadString(); };
    const std::function<void(CArchive&)> strings = [](CArchive& ar) { ar.ReadStringList(); };
    const std::function<void(CArchive&)> words = [](CArchive& ar) { ar.ReadWordList(); };
    const struct
    {
        const char* bytes;
        const std::function<void(CArchive&)>& read;
        ErrorCode code;
        qint64 offset; // where the file ends, or where the item that cannot fit starts
    } cases[] = {
        {"01", word, C::Truncated, 1},
        {"FF FE", string, C::Truncated, 2},
        {"FF FEFF 02 4100 42", string, C::BadStringLength, 4},
        // Lengths the file cannot hold are refused before anything is allocated.
        {"FF FFFF FFFFFFFF FFFFFFFFFFFFFFFF", string, C::BadStringLength, 15},
        {"FF FEFF FF FFFF FFFFFFFF 0000000000000080", string, C::BadStringLength, 18},
        {"FFFF FFFFFFFF", strings, C::BadStringListLength, 6},
        {"FFFF FFFFFF7F 0100", words, C::BadWordListLength, 6},
        {"0300 00 00", strings, C::BadStringListLength, 2},
    };
    for (const auto& c : cases) {
        const Error error = ErrorReading(Hex(c.bytes), c.read);
        EXPECT_EQ(error.code(), c.code) << c.bytes;
        EXPECT_EQ(error.position(), c.offset) << c.bytes;
    }
}

TEST(Archive, WrongDirectionIsAnArchiveError)
{
    QByteArray bytes = Hex("0100");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    CArchive loading(&buffer, CArchive::Load);
    CArchive storing(&buffer, CArchive::Store);
    try {
        loading.WriteWord(1);
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), ErrorCode::ArchiveOpenForReading);
    }
    try {
        storing.ReadWord();
        FAIL();
    } catch (const Error& e) {
        EXPECT_EQ(e.code(), ErrorCode::ArchiveOpenForWriting);
    }
}

} // namespace
