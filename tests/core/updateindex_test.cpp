#include "core/update/updateindex.h"
#include "core/update/updatepage.h"
#include "testsupport.h"
#include "updatefixtures.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>

#include <gtest/gtest.h>

namespace {

using End = UpdateIndexReading::End;
namespace F = UpdateFixtures;

const QString kProgram = QStringLiteral("Tarvelomark");
constexpr ProgramVersion kInstalled{3, 1, 5};

UpdateIndexReading Read(const QByteArray& bytes)
{
    QByteArray copy = bytes;
    QBuffer buffer(&copy);
    buffer.open(QIODevice::ReadOnly);
    return ReadUpdateIndex(buffer, kProgram);
}

// A sequential device that hands out at most seven bytes per read, as a network
// reply may.
class TrickleDevice : public QIODevice
{
public:
    explicit TrickleDevice(const QByteArray& bytes) : m_bytes(bytes) { open(ReadOnly); }
    bool isSequential() const override { return true; }

protected:
    qint64 readData(char* data, qint64 maxSize) override
    {
        const qint64 n = std::min<qint64>({maxSize, 7, m_bytes.size() - m_position});
        if (n <= 0)
            return -1;
        memcpy(data, m_bytes.constData() + m_position, size_t(n));
        m_position += n;
        return n;
    }
    qint64 writeData(const char*, qint64) override { return -1; }

private:
    QByteArray m_bytes;
    qint64 m_position = 0;
};

struct ReadCase
{
    const char* name;
    QByteArray bytes;
    End end;
    int lineEndLength;
    int entriesRead;
    const char* entryName;
};

void PrintTo(const ReadCase& c, std::ostream* os)
{
    *os << c.name;
}

class UpdateIndexRead : public ::testing::TestWithParam<ReadCase>
{
};

TEST_P(UpdateIndexRead, StopsWhereTheIndexSays)
{
    const ReadCase& c = GetParam();
    for (bool trickle : {false, true}) {
        TrickleDevice device(c.bytes);
        const UpdateIndexReading r = trickle ? ReadUpdateIndex(device, kProgram) : Read(c.bytes);
        EXPECT_EQ(r.end, c.end) << "trickle " << trickle;
        EXPECT_EQ(r.lineEndLength, c.lineEndLength) << "trickle " << trickle;
        EXPECT_EQ(r.entriesRead, c.entriesRead) << "trickle " << trickle;
        EXPECT_EQ(r.entry.name, QString::fromUtf8(c.entryName)) << "trickle " << trickle;
    }
}

const QByteArray kApache404 =
    "<!DOCTYPE HTML PUBLIC \"-//IETF//DTD HTML 2.0//EN\">\n<html><head>\n<title>404 Not "
    "Found</title>\n</head><body>\n<h1>Not Found</h1>\n<p>The requested URL was not found on "
    "this server.</p>\n</body></html>\n";

INSTANTIATE_TEST_SUITE_P(
    Files, UpdateIndexRead,
    ::testing::Values(
        ReadCase{"crlf_ours_second", F::ThreePrograms("3.01.006"), End::Found, 2, 2, "Tarvelomark"},
        ReadCase{"lf_ours_second", F::ThreePrograms("3.01.006", "\n"), End::Found, 1, 2,
                 "Tarvelomark"},
        ReadCase{"single_cr", F::ThreePrograms("3.01.006", "\r"), End::Found, 1, 2, "Tarvelomark"},
        // n + 2 entries are read at most: ours as the fourth of "1" is never seen.
        ReadCase{
            "limit_n_plus_2",
            F::Index({{"A", "1"}, {"B", "1"}, {"C", "1"}, {"Tarvelomark", "3.01.005"}}, "\r\n", 1),
            End::LimitReached, 2, 3, "C"},
        ReadCase{"missing_ours_runs_out", F::Index({{"A", "1"}, {"B", "1"}}), End::ReadFailed, 2, 2,
                 "@"},
        ReadCase{"name_is_case_sensitive", F::Index({{"TARVELOMARK", "3.01.005"}}), End::ReadFailed,
                 2, 1, "@"},
        ReadCase{"count_blank_digit", F::Index({{"A", "1"}}, "\r\n", 0).replace(23, 2, " 1"),
                 End::ReadFailed, 2, 1, "@"},
        ReadCase{"count_not_a_number",
                 F::Index({{"A", "1"}, {"B", "1"}, {"C", "1"}}, "\r\n", 0).replace(23, 2, "xx"),
                 End::LimitReached, 2, 2, "B"},
        ReadCase{"short_error_page", "<html>404</html>", End::NoHeader, 2, 0, "@"},
        ReadCase{"html_error_page", kApache404, End::ReadFailed, 1, 0, "@"},
        ReadCase{"empty", "", End::NoHeader, 2, 0, "@"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateIndex, FieldsAreReadFromTheirColumns)
{
    F::Entry ours{"Tarvelomark", "3.01.006", "/dl/Setup 301.exe", "12,4 MB", "Neu in 3.01"};
    QByteArray bytes = F::Index({{"A", "1"}, ours});
    // Windows-1252 text, a NUL that ends its field, blanks kept only at 28.
    bytes.replace(27 + 178 + 80, 10, QByteArray("\x80 5 MB\0xx ", 10));
    const UpdateIndexReading r = Read(bytes);
    ASSERT_EQ(r.end, End::Found);
    EXPECT_EQ(r.entry.version, QStringLiteral("3.01.006"));
    EXPECT_EQ(r.entry.reserved, QStringLiteral("20240115"));
    EXPECT_EQ(r.entry.downloadPath, QStringLiteral("/dl/Setup 301.exe"));
    EXPECT_EQ(r.entry.downloadNote, QStringLiteral("€ 5 MB"));
    EXPECT_EQ(r.entry.unused90, QStringLiteral("Setup"));
    EXPECT_EQ(r.entry.infoPage, QStringLiteral("Neu in 3.01"));

    QByteArray spaced = F::Index({ours});
    spaced.replace(27 + 28, 8, "  1 2   ");
    EXPECT_EQ(Read(spaced).entry.reserved, QStringLiteral("  1 2   "));
}

// Every cut of an index either still holds our entry or ends the search with
// "@" and says where the bytes ran out.
TEST(UpdateIndex, EveryTruncationEndsCleanly)
{
    for (const QByteArray& lineEnd : {QByteArray("\r\n"), QByteArray("\n")}) {
        const QByteArray bytes = F::ThreePrograms("3.01.005", lineEnd);
        const qsizetype oursEnds = 25 + lineEnd.size() + 2 * (176 + lineEnd.size());
        for (qsizetype size = 0; size <= bytes.size(); ++size) {
            const UpdateIndexReading r = Read(bytes.left(size));
            if (size >= oursEnds) {
                EXPECT_EQ(r.end, End::Found) << size;
                continue;
            }
            EXPECT_EQ(r.entry.name, QStringLiteral("@")) << size;
            EXPECT_EQ(DecideUpdate(r.entry, kProgram, kInstalled),
                      UpdateCheckOutcome::TransferError)
                << size;
            if (r.end == End::ReadFailed)
                EXPECT_EQ(r.failedAt, size) << size;
            else
                EXPECT_EQ(r.end, End::NoHeader) << size;
        }
    }
}

struct DecisionCase
{
    const char* name;
    const char* entryName;
    const char* entryVersion;
    UpdateCheckOutcome outcome;
    const char* status;
};

void PrintTo(const DecisionCase& c, std::ostream* os)
{
    *os << c.name;
}

class UpdateDecision : public ::testing::TestWithParam<DecisionCase>
{
};

TEST_P(UpdateDecision, ComparesVersionTexts)
{
    const DecisionCase& c = GetParam();
    UpdateIndexEntry entry;
    entry.name = QString::fromUtf8(c.entryName);
    entry.version = QString::fromUtf8(c.entryVersion);
    const UpdateCheckOutcome outcome = DecideUpdate(entry, kProgram, kInstalled);
    EXPECT_EQ(outcome, c.outcome);
    EXPECT_EQ(UpdateStatusText(outcome, kProgram, entry.version), QString::fromUtf8(c.status));
}

INSTANTIATE_TEST_SUITE_P(
    Versions, UpdateDecision,
    ::testing::Values(
        DecisionCase{"same", "Tarvelomark", "3.01.005", UpdateCheckOutcome::UpToDate,
                     "Die benutzte Version von Tarvelomark ist auf dem aktuellen Stand."},
        DecisionCase{"newer_build", "Tarvelomark", "3.01.006", UpdateCheckOutcome::UpdateAvailable,
                     "Die derzeit aktuelle Version von Tarvelomark ist die Version 3.01.006"},
        DecisionCase{"new_major", "Tarvelomark", "4.00.000", UpdateCheckOutcome::UpdateAvailable,
                     "Die derzeit aktuelle Version von Tarvelomark ist die Version 4.00.000"},
        DecisionCase{"lower_offered_too", "Tarvelomark", "3.01.004",
                     UpdateCheckOutcome::UpdateAvailable,
                     "Die derzeit aktuelle Version von Tarvelomark ist die Version 3.01.004"},
        DecisionCase{"same_number_other_spelling", "Tarvelomark", "3.1.5",
                     UpdateCheckOutcome::UpdateAvailable,
                     "Die derzeit aktuelle Version von Tarvelomark ist die Version 3.1.5"},
        DecisionCase{"no_entry", "@", "3.01.005", UpdateCheckOutcome::TransferError,
                     "Fehler bei der Übertragung"},
        DecisionCase{"placeholder_in_version", "Tarvelomark", "%1%2",
                     UpdateCheckOutcome::UpdateAvailable,
                     "Die derzeit aktuelle Version von Tarvelomark ist die Version %1%2"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(UpdateVersion, FormatAndMajorNumber)
{
    EXPECT_EQ(FormatIndexVersion({3, 1, 5}), QStringLiteral("3.01.005"));
    EXPECT_EQ(FormatIndexVersion({3, 12, 7}), QStringLiteral("3.12.007"));
    EXPECT_EQ(FormatIndexVersion({0, 1, 0}), QStringLiteral("0.01.000"));

    struct
    {
        ProgramVersion installed;
        const char* entry;
        bool free;
    } cases[] = {
        {{3, 1, 5}, "3.01.006", true},   {{3, 1, 5}, "4.00.000", false},
        {{3, 1, 5}, "3.01.004", true},   {{10, 0, 0}, "10.00.001", true},
        {{1, 0, 0}, "10.00.000", false}, {{3, 1, 5}, "", false},
        {{3, 1, 5}, "x3.01", false},     {{3, 1, 5}, "99999999999.0", false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsFreeUpdate(c.installed, QString::fromUtf8(c.entry)), c.free) << c.entry;
}

TEST(UpdateAddresses, OnlyWebAddressesOnTheUpdateServer)
{
    for (const char* bad : {"", "ftp://www.norvak.de", "javascript:alert(1)", "file:///etc",
                            "https://", "https://www.norvak.de/?x=1", "www.norvak.de"})
        EXPECT_FALSE(WebAddress(QString::fromUtf8(bad))) << bad;

    const QUrl server = *WebAddress(QStringLiteral("http://127.0.0.1:8080/update/"));
    EXPECT_EQ(UpdateIndexUrl(server).toString(),
              QStringLiteral("http://127.0.0.1:8080/update/UpdateIndex.krdidx"));
    EXPECT_EQ(UpdateIndexUrl(*WebAddress(QStringLiteral("https://www.norvak.de"))).toString(),
              QStringLiteral("https://www.norvak.de/UpdateIndex.krdidx"));

    struct
    {
        const char* path;
        const char* url;
    } cases[] = {
        {"/download/Setup.exe", "http://127.0.0.1:8080/update/download/Setup.exe"},
        {"download/Setup.exe", "http://127.0.0.1:8080/update/download/Setup.exe"},
        // Whatever the path holds, it stays a path on the server.
        {"//evil.example/x", "http://127.0.0.1:8080/update/evil.example/x"},
        {"@evil.example/x", "http://127.0.0.1:8080/update/@evil.example/x"},
        {"x\"><script>", "http://127.0.0.1:8080/update/x%22%3E%3Cscript%3E"},
    };
    for (const auto& c : cases) {
        const std::optional<QUrl> url = DownloadUrl(server, QString::fromUtf8(c.path));
        ASSERT_TRUE(url) << c.path;
        EXPECT_EQ(url->toString(QUrl::FullyEncoded), QString::fromUtf8(c.url)) << c.path;
    }
}

UpdatePageInput PageInput(const UpdateIndexEntry& entry)
{
    const QUrl server = *WebAddress(QStringLiteral("https://update.norvak.de"));
    return {entry, kInstalled, *DownloadUrl(server, entry.downloadPath),
            *WebAddress(QStringLiteral("https://www.norvak.de/"))};
}

UpdateIndexEntry Entry(const char* version)
{
    UpdateIndexEntry entry;
    entry.name = kProgram;
    entry.version = QString::fromUtf8(version);
    entry.downloadPath = QStringLiteral("/download/TarvelomarkSetup.exe");
    entry.downloadNote = QStringLiteral("12,4 MB");
    entry.infoPage = QStringLiteral("Tarvelomark301");
    return entry;
}

TEST(UpdatePage, HoldsTheDownloadInOrder)
{
    const QString page = QString::fromUtf8(BuildUpdatePage(PageInput(Entry("3.01.006"))));
    const QStringList pieces = {
        "<!DOCTYPE HTML PUBLIC><HTML><HEAD>",
        "charset=utf-8",
        "</TITLE>\r\n<script type=\"text/javascript\" language=\"JavaScript\">\r\n<!--\r\n"
        "function OpenWin(Item)\r\n{\r\n",
        "window.open('https://www.norvak.de/' + Item + '.html', Item, "
        "'toolbar=no,directories=no,menubar=no,width=600,height=350,resizable=yes,"
        "scrollbars=yes');\r\n}\r\n//-->\r\n</script>\r\n</HEAD>\r\n",
        "<BODY><CENTER><P><FONT SIZE=5 COLOR=#800000><B> Update für Tarvelomark auf Ihren "
        "Rechner laden </B></FONT>\r\n",
        "<BR><BR>Laden Sie die Datei auf Ihren Rechner und f&uuml;hren Sie diese aus. Beenden "
        "Sie vorher das Programm, das Sie aktualisieren möchten.<BR>Sie installieren damit die "
        "aktualisierte Fassung über Ihre bestehende Version (3.01.005) und sind auf dem "
        "aktuellen Stand.<BR>\r\n",
        "Dieses Update ist kostenfrei.<BR><BR>",
        "<TABLE BORDER=1 CELLSPACING=0 CELLPADDING=5><TR><TD ALIGN=CENTER><FONT "
        "COLOR=#0000FF><SMALL><B>Download</B></SMALL></FONT></TR><TR>",
        "<A HREF=\"https://update.norvak.de/download/TarvelomarkSetup.exe\" "
        "onmouseover=\"window.status='Tarvelomark Update laden';return true\">Tarvelomark "
        "Version 3.01.006 laden </A><BR><SMALL>(12,4 MB)</SMALL><BR>\r\n",
        "<TR><TD ALIGN=CENTER COLSPAN=2><A HREF=\"javascript:OpenWin('Tarvelomark301')\" "
        "onmouseover=\"window.status='Versionsinformation';return "
        "true\">Versionsinformationen</A><BR>\r\n</TR></TABLE>\r\n",
        "<A HREF=\"https://www.norvak.de\"",
        "\r\n</P></CENTER></BODY></HTML>",
    };
    qsizetype at = 0;
    for (const QString& piece : pieces) {
        const qsizetype found = page.indexOf(piece, at);
        ASSERT_GE(found, 0) << piece.toStdString();
        at = found + piece.size();
    }
    EXPECT_EQ(at, page.size());
    EXPECT_FALSE(page.contains(QStringLiteral("kostenpflichtig")));

    const QString upgrade = QString::fromUtf8(BuildUpdatePage(PageInput(Entry("4.00.000"))));
    EXPECT_TRUE(upgrade.contains(QStringLiteral(
        "<B>Dieses Upgrade ist kostenpflichtig!</B></FONT><BR><A "
        "HREF=\"https://www.norvak.de/Preisliste.html\" TARGET=\"_blank\">Informationen zu "
        "Upgradepreisen finden Sie auf der hier.</A><BR><BR><TABLE")));
    EXPECT_FALSE(upgrade.contains(QStringLiteral("kostenfrei")));
}

TEST(UpdatePage, IndexTextsCannotAddMarkupOrScript)
{
    UpdateIndexEntry hostile = Entry("3.01.006\"><i>");
    hostile.name = QStringLiteral("<script>alert(1)</script>");
    hostile.downloadNote = QStringLiteral("</SMALL>&amp;");
    hostile.infoPage = QStringLiteral("');alert(1);//%27\\");
    hostile.downloadPath = QStringLiteral("/x'\"><b>");
    const QByteArray page = BuildUpdatePage(PageInput(hostile));

    EXPECT_FALSE(page.contains("<script>alert"));
    EXPECT_TRUE(page.contains(" Update für &lt;script&gt;alert(1)&lt;/script&gt; auf "));
    EXPECT_TRUE(page.contains("(&lt;/SMALL&gt;&amp;amp;)"));
    EXPECT_TRUE(page.contains("javascript:OpenWin('\\u0027\\u0029\\u003balert\\u00281\\u0029"
                              "\\u003b//\\u002527\\u005c')\""));
    EXPECT_TRUE(page.contains("HREF=\"https://update.norvak.de/x&#39;%22%3E%3Cb%3E\""));
    EXPECT_EQ(F::MarkupSkeleton(page),
              F::MarkupSkeleton(BuildUpdatePage(PageInput(Entry("3.01.006")))));
}

TEST(UpdatePage, WrittenWholeIntoAFolderItMakes)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("Dokumente/Update.html"));
    ASSERT_TRUE(Succeeded(WriteUpdatePage(path, "<HTML>neu</HTML>")));
    ASSERT_TRUE(Succeeded(WriteUpdatePage(path, "<HTML>zweite</HTML>")));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), QByteArray("<HTML>zweite</HTML>"));
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("Dokumente"))).entryList(QDir::Files),
              QStringList{QStringLiteral("Update.html")});

    // A folder in the page's place: the save fails with a reason and leaves it.
    const QString blocked = dir.filePath(QStringLiteral("Update.html"));
    ASSERT_TRUE(QDir().mkpath(blocked + QStringLiteral("/inhalt")));
    const Error error = WriteUpdatePage(blocked, "<HTML/>");
    EXPECT_EQ(error.code(), ErrorCode::UpdatePageNotWritten);
    EXPECT_EQ(error.file(), blocked);
    ASSERT_TRUE(error.cause());
    EXPECT_EQ(error.cause()->code(), ErrorCode::TargetIsFolder);
    EXPECT_TRUE(QFileInfo(blocked + QStringLiteral("/inhalt")).isDir());
}

} // namespace
