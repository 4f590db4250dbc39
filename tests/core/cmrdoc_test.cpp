#include "cmrfixtures.h"
#include "core/documents/archive.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/errors/errortext.h"
#include "core/errors/messageids.h"

#include <QBuffer>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace CmrFixture;

class CmrDocTest : public ::testing::Test
{
protected:
    TestEnvironment env;

    std::unique_ptr<CCMRDoc> Load(QByteArray bytes)
    {
        auto doc = std::make_unique<CCMRDoc>(env.Settings());
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        doc->LoadFromDevice(buffer);
        return doc;
    }

    QByteArray Saved(CCMRDoc& doc)
    {
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        doc.SaveToDevice(buffer);
        return bytes;
    }

    QString Text(const CCMRDoc& doc, int box, int page = 1)
    {
        return doc.GetStore().GetFieldText(quint16(box), quint16(page));
    }
};

TEST_F(CmrDocTest, SavedFileHasTheDocumentedLayoutAndRoundTrips)
{
    // No automatic date: the file's size must not depend on the day.
    env.Settings().Set(QStringLiteral("CMR"), Settings::AutoDate, 0);
    CCMRDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.m_wPermitType = 3;
    doc.GetStore().SetFieldText(0, QStringLiteral("Spedition Beispiel\r\nHafenstr. 1"), 1);
    doc.GetStore().SetFieldText(0, QStringLiteral("Rückseite"), 2);
    doc.GetStore().SetFieldFormat(0, 1, 0x0213);
    const QByteArray bytes = Saved(doc);

    EXPECT_EQ(bytes.left(10), QByteArray("KRD-CMR@") + Hex("2E01"));
    EXPECT_EQ(bytes.mid(14, 18), QByteArray(18, '\xFF'));
    EXPECT_EQ(bytes.mid(32, 18), Utf16(QStringLiteral("PC1\nanna\n")));
    EXPECT_EQ(bytes.mid(50, 2), Word(3));
    EXPECT_EQ(bytes.right(1), QByteArray("\x40"));
    // Header, names, permit type, the empty record, the end mark, and the two texts.
    EXPECT_EQ(bytes.size(), 32 + 18 + 2 + 1078 + 1 + 2 * (31 + 9));

    const auto back = Load(bytes);
    EXPECT_EQ(back->GetLoadError(), 0);
    EXPECT_EQ(back->GetFileVersion(), 302);
    EXPECT_EQ(back->m_wPermitType, 3);
    EXPECT_EQ(back->GetStore().PageTexts(), doc.GetStore().PageTexts());
    EXPECT_EQ(back->GetStore().PageFormats(), doc.GetStore().PageFormats());
    EXPECT_EQ(Text(*back, 0, 2), QStringLiteral("Rückseite"));
    EXPECT_EQ(Saved(*back), bytes);
}

TEST_F(CmrDocTest, MissingComputerNameIsASingleLineFeed)
{
    const SaverIdentity nobody{QString(), QStringLiteral("anna")};
    SetSaverIdentityOverride(&nobody);
    CCMRDoc doc(env.Settings());
    doc.OnNewDocument();
    EXPECT_EQ(Saved(doc).mid(32, 12), Utf16(QStringLiteral("\nanna\n")));
}

struct LoadCase
{
    const char* name;
    QByteArray bytes;
    int message;
    std::function<void(const CCMRDoc&)> check;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

class CmrLoad : public CmrDocTest, public ::testing::WithParamInterface<LoadCase>
{
};

TEST_P(CmrLoad, LoadsOrRefusesAsTheFileDemands)
{
    const LoadCase& c = GetParam();
    const auto doc = Load(c.bytes);
    EXPECT_EQ(doc->GetLoadError(), c.message);
    if (c.message != 0) {
        // A refused file leaves the reset document: permit type 1, 176 boxes.
        EXPECT_EQ(doc->m_wPermitType, 1);
        EXPECT_EQ(doc->GetStore().GetFieldCount(), 176);
    }
    if (c.check)
        c.check(*doc);
}

QString At(const CCMRDoc& doc, int box, int page = 1)
{
    return doc.GetStore().GetFieldText(quint16(box), quint16(page));
}

QStringList WithBox(QStringList texts, int box, const QString& text)
{
    texts[box] = text;
    return texts;
}

const LoadCase kLoadCases[] = {
    {"empty_file", QByteArray(), 0,
     [](const CCMRDoc& d) { EXPECT_EQ(d.GetStore().GetFieldCount(), 176); }},
    {"magic_first_byte", QByteArray("XRD-CMR@") + Word(302), kLoadNotCmr, nullptr},
    {"magic_last_byte", QByteArray("KRD-CMR#") + Word(302), kLoadNotCmr, nullptr},
    {"magic_case", QByteArray("krd-cmr@") + Word(302), kLoadNotCmr, nullptr},
    {"version_109", Header(109), kLoadTooOld, nullptr},
    {"version_303", Header(303), kLoadTooNew, nullptr},
    {"version_302", Current(302, 4, WithBox(Numbered(176), 175, QStringLiteral("last"))), 0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(d.m_wPermitType, 4);
         EXPECT_EQ(At(d, 175), QStringLiteral("last"));
         EXPECT_EQ(d.GetStore().GetFieldCount(), 176);
     }},
    {"version_301_splits_142_and_144",
     Current(301, 2,
             WithBox(WithBox(Numbered(174), 142, QStringLiteral("Ort\r\nDatum")), 143,
                     QStringLiteral("a\r\nb\r\nc"))),
     0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(At(d, 142), QStringLiteral("Ort"));
         EXPECT_EQ(At(d, 143), QStringLiteral("Datum"));
         EXPECT_EQ(At(d, 144), QStringLiteral("a"));
         EXPECT_EQ(At(d, 145), QStringLiteral("b\r\nc"));
         EXPECT_EQ(At(d, 146), QStringLiteral("b144"));
         // The inserted boxes take the step and alignment of the form.
         EXPECT_EQ(d.GetStore().GetFieldFormat(143, 1), 0x0002);
         EXPECT_EQ(d.GetStore().GetFieldFormat(145, 1), 0x0202);
     }},
    {"version_301_without_break",
     Current(301, 1, WithBox(Numbered(174), 142, QStringLiteral("one line"))), 0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(At(d, 142), QStringLiteral("one line"));
         EXPECT_EQ(At(d, 143), QString());
     }},
    {"version_300_inserts_75", Current(300, 1, Numbered(175)), 0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(At(d, 74), QStringLiteral("b74"));
         EXPECT_EQ(At(d, 75), QString());
         EXPECT_EQ(At(d, 76), QStringLiteral("b75"));
         EXPECT_EQ(d.GetStore().GetFieldFormat(75, 1), 2);
     }},
    {"legacy_110_rotates_71_to_73",
     Legacy(110, 2, StringList(Numbered(173)), StringList({QStringLiteral("hinten")})), 0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(d.m_wPermitType, 2);
         EXPECT_EQ(At(d, 71), QStringLiteral("b73"));
         EXPECT_EQ(At(d, 72), QStringLiteral("b71"));
         EXPECT_EQ(At(d, 73), QStringLiteral("b72"));
         EXPECT_EQ(At(d, 75), QString()); // then box 75 is inserted
         EXPECT_EQ(At(d, 76), QStringLiteral("b75"));
         EXPECT_EQ(At(d, 0, 2), QStringLiteral("hinten"));
     }},
    {"legacy_111_does_not_rotate", Legacy(111, 1, StringList(Numbered(173)), StringList({})), 0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(At(d, 71), QStringLiteral("b71"));
         EXPECT_EQ(At(d, 73), QStringLiteral("b73"));
         EXPECT_EQ(At(d, 0, 2), QString());
     }},
    {"legacy_short_list_and_8bit_strings",
     Legacy(200, 1, Word(2) + NarrowString("M\xfcller") + NarrowString("\x80 5"),
            StringList({"x", "y"})),
     0,
     [](const CCMRDoc& d) {
         EXPECT_EQ(At(d, 0), QStringLiteral("Müller"));
         EXPECT_EQ(At(d, 1), QStringLiteral("€ 5"));
         EXPECT_EQ(At(d, 2), QString());
         EXPECT_EQ(At(d, 0, 2), QStringLiteral("x"));
     }},
};

INSTANTIATE_TEST_SUITE_P(Files, CmrLoad, ::testing::ValuesIn(kLoadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CmrDocTest, LegacyGoodsBoxesAreClearedInMergedRowMode)
{
    env.Settings().WriteProfileInt(QStringLiteral("CMR"), QStringLiteral("Feld6Modus"), 1);
    const auto doc = Load(Legacy(150, 1, StringList(Numbered(173)), StringList({})));
    for (int row = 0; row < 9; ++row) {
        EXPECT_EQ(At(*doc, 8 + 7 * row), QStringLiteral("b%1").arg(8 + 7 * row));
        for (int box = 9; box <= 11; ++box)
            EXPECT_EQ(At(*doc, box + 7 * row), QString()) << box + 7 * row;
        EXPECT_EQ(At(*doc, 12 + 7 * row), QStringLiteral("b%1").arg(12 + 7 * row));
    }
}

TEST_F(CmrDocTest, EveryTruncationIsAnArchiveError)
{
    CCMRDoc doc(env.Settings());
    doc.OnNewDocument();
    doc.GetStore().SetFieldText(3, QStringLiteral("Hamburg"), 1);
    doc.GetStore().SetFieldText(0, QStringLiteral("back"), 2);
    const QByteArray bytes = Saved(doc);
    // The end mark is never read, so only its own loss goes unnoticed. A read
    // that runs into the end tells where the file ends; a length that cannot
    // fit is told where it stands, before the end or at it.
    for (qsizetype size = 1; size < bytes.size() - 1; ++size) {
        try {
            Load(bytes.left(size));
            ADD_FAILURE() << "no archive error at size " << size;
        } catch (const Error& e) {
            if (e.code() == ErrorCode::Truncated)
                EXPECT_EQ(e.position(), size);
            else
                EXPECT_LE(e.position(), size) << int(e.code());
        }
    }
    EXPECT_EQ(At(*Load(bytes.left(bytes.size() - 1)), 3), QStringLiteral("Hamburg"));

    const QByteArray legacy =
        Legacy(110, 1, StringList(Numbered(5)), StringList({QStringLiteral("x")}));
    for (qsizetype size = 1; size < legacy.size(); ++size)
        EXPECT_THROW(Load(legacy.left(size)), Error) << size;
}

TEST_F(CmrDocTest, ForeignRecordInAnOlderLayoutIsADamagedFile)
{
    // The store cuts itself back to one box; the conversion of versions 300 and
    // 301 then has nothing to insert into.
    for (quint16 version : {300, 301})
        EXPECT_THROW(Load(Header(version) + Word(1) + Word(0x9999) + Word(2)), Error) << version;
}

TEST_F(CmrDocTest, UnknownRecordInACurrentFileIsDamagedNotACutForm)
{
    // Cut back to one box, the form would lose all others at the next save.
    const QString path = env.FilePath(QStringLiteral("fremd.cmr"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(Header(302) + Word(1) + Word(0x9999) + Word(2) + QByteArray(40, '\0'));
    file.close();
    CCMRDoc doc(env.Settings());
    const Error error = doc.OnOpenDocument(path);
    EXPECT_EQ(error.code(), ErrorCode::DocumentOpenFailed);
    const Error* unknown = error.find(ErrorCode::UnknownFieldRecord);
    ASSERT_TRUE(unknown);
    EXPECT_EQ(unknown->position(), Header(302).size() + 2); // after the permit word
    EXPECT_EQ(doc.GetStore().GetFieldCount(), 176);
}

TEST_F(CmrDocTest, OpeningAnyTruncatedFileOfAnyFormFailsCleanly)
{
    // Through the whole open path: after the failure the document is reset
    // with its default texts, which must find every box of the form.
    env.Settings().Set(QStringLiteral("CMR"), Settings::City, QStringLiteral("Kiel"));
    for (FormType type :
         {FormType::Cmr, FormType::National, FormType::Kombi, FormType::Forwarding}) {
        auto source = CreateDocument(type, env.Settings());
        source->OnNewDocument();
        source->GetStore().SetFieldText(1, QStringLiteral("Empfänger"), 1);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        source->SaveToDevice(buffer);

        const QString path = env.FilePath(QStringLiteral("kurz") + GetFormTypeInfo(type).extension);
        for (qsizetype size = 1; size < bytes.size() - 1; ++size) {
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
            file.write(bytes.left(size));
            file.close();
            auto doc = CreateDocument(type, env.Settings());
            EXPECT_EQ(doc->OnOpenDocument(path).code(), ErrorCode::DocumentOpenFailed)
                << GetFormTypeInfo(type).name.data() << size;
            EXPECT_EQ(doc->GetStore().GetFieldCount(), source->GetStore().GetFieldCount());
        }
    }
}

TEST_F(CmrDocTest, RefusedFileIsNotSavedOverTheFileItCameFrom)
{
    const QString path = env.FilePath(QStringLiteral("neuer.cmr"));
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray newer = Header(400) + QByteArray("data of a newer program");
    file.write(newer);
    file.close();

    CCMRDoc doc(env.Settings());
    ASSERT_TRUE(Succeeded(doc.OnOpenDocument(path)));
    EXPECT_EQ(doc.GetLoadError(), kLoadTooNew);
    EXPECT_FALSE(doc.IsModified());
    EXPECT_EQ(doc.GetTitle(), QStringLiteral("neuer.cmr"));
    EXPECT_TRUE(doc.GetPathName().isEmpty());
}

TEST_F(CmrDocTest, OpenAndSaveReportFailuresAndReplaceFilesWhole)
{
    CCMRDoc doc(env.Settings());
    const QString missing = env.FilePath(QStringLiteral("fehlt.cmr"));
    const Error notFound = doc.OnOpenDocument(missing);
    EXPECT_EQ(notFound.code(), ErrorCode::DocumentNotFound);
    EXPECT_EQ(notFound.file(), missing);

    const QString damaged = env.FilePath(QStringLiteral("kaputt.cmr"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray cut = Header(302) + Word(1) + Word(0x1206);
    file.write(cut);
    file.close();
    const Error truncated = doc.OnOpenDocument(damaged);
    EXPECT_EQ(truncated.file(), damaged);
    ASSERT_TRUE(truncated.find(ErrorCode::Truncated));
    EXPECT_EQ(truncated.find(ErrorCode::Truncated)->position(), cut.size());
    EXPECT_EQ(ErrorMessage(truncated),
              QStringLiteral("Fehler beim Öffnen des Dokuments.\nUnerwartetes Dateiende bei Byte "
                             "%1.")
                  .arg(cut.size()));

    // Saving over a longer file leaves exactly the new document.
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(5000, 'x'));
    file.close();
    doc.OnNewDocument();
    ASSERT_TRUE(Succeeded(doc.OnSaveDocument(damaged)));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), Saved(doc));
    EXPECT_EQ(doc.GetPathName(), damaged);

    const Error unwritten = doc.OnSaveDocument(env.FilePath(QStringLiteral("no/such/dir/a.cmr")));
    EXPECT_EQ(unwritten.code(), ErrorCode::DocumentSaveFailed);
    EXPECT_TRUE(unwritten.find(ErrorCode::FolderMissing));
}

} // namespace
