// The one way failures travel: every code has its words, the words name what
// the error carries, and the numbers the program has always told refusals by
// stand for the right codes.
#include "core/documents/documentfactory.h"
#include "core/errors/errortext.h"
#include "core/errors/messageids.h"
#include "testsupport.h"

#include <QBuffer>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <cerrno>

namespace {

TEST(ErrorText, EveryCodeHasGermanWordsWithEverythingFilledIn)
{
    const QRegularExpression placeholder(QStringLiteral("%\\d"));
    EXPECT_TRUE(ErrorMessage(Error()).isEmpty());
    for (int i = 1; i < kErrorCodeCount; ++i) {
        const Error error = Error(ErrorCode(i), {QStringLiteral("eins"), QStringLiteral("zwei"),
                                                 QStringLiteral("drei")})
                                .inFile(QStringLiteral("/daten/notiz.cmr"))
                                .at(4711);
        const QString text = ErrorMessage(error);
        EXPECT_FALSE(text.trimmed().isEmpty()) << i;
        EXPECT_FALSE(text.contains(placeholder)) << i << ": " << text.toStdString();
    }
}

// What each kind of error shows of what it carries, cause included.
TEST(ErrorText, FileOffsetArgumentsAndCauseReachTheWords)
{
    const struct
    {
        Error error;
        const char* text;
    } cases[] = {
        {Error(ErrorCode::Truncated).at(40), "Unerwartetes Dateiende bei Byte 40."},
        {Error(ErrorCode::BadStringLength, {"16", "2"}).at(38),
         "Beschädigte Datei: eine Zeichenkette bei Byte 38 verlangt 16 Bytes, es folgen nur "
         "noch 2."},
        {Error(ErrorCode::WriteFailedOldKept)
             .inFile("/daten/a%2b.cmr")
             .because(Error(ErrorCode::DiskFull)),
         "Die Datei /daten/a%2b.cmr konnte nicht geschrieben werden; die bisherige Datei bleibt "
         "unverändert.\nAuf dem Datenträger ist nicht genug Platz."},
        {Error(ErrorCode::DocumentSaveFailed)
             .because(Error(ErrorCode::WriteFailed)
                          .inFile("/daten/a.cmr")
                          .because(Error(ErrorCode::SystemMessage, {"Permission denied"}))),
         "Fehler beim Speichern des Dokuments\nDie Datei /daten/a.cmr konnte nicht geschrieben "
         "werden.\nPermission denied"},
        {Error(ErrorCode::AddressFileNotWritable)
             .inFile("/daten/TMAdress.dat")
             .because(Error(ErrorCode::FileInUse).inFile("/daten/TMAdress.dat")),
         "Die Adressdatei \"/daten/TMAdress.dat\"\nkonnte nicht zum Schreiben geöffnet "
         "werden\n\nDie Datei /daten/TMAdress.dat wird von einem anderen Programm verwendet."},
        {Error(ErrorCode::VCardUnsupportedVersion, {"2.1"}).at(3),
         "Eintrag 3: vCard-Version \"2.1\" wird nicht gelesen (nur 3.0 und 4.0)."},
        {Error(ErrorCode::CalibrationCorrectionOutOfRangeDown, {"104,0"}),
         "Aus diesen Ablesungen ergäbe sich eine Druckbereich-Korrektur (vertikal) von 104,0 %; "
         "möglich sind 97 bis 103 %. Bitte prüfen Sie die Ablesungen."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ErrorMessage(c.error), QString::fromUtf8(c.text));
}

TEST(ErrorText, SystemErrorNumbersBecomeTheirCauses)
{
    EXPECT_EQ(SystemError(ENOSPC), Error(ErrorCode::DiskFull));
    EXPECT_EQ(SystemError(EACCES), Error(ErrorCode::AccessDenied));
    EXPECT_EQ(SystemError(ENOTDIR), Error(ErrorCode::FolderMissing));
    // One without words of our own keeps its number and the system's text.
    const Error other = SystemError(EXDEV);
    EXPECT_EQ(other.code(), ErrorCode::SystemError);
    EXPECT_TRUE(ErrorMessage(other).startsWith(QStringLiteral("Systemfehler %1 (").arg(EXDEV)))
        << ErrorMessage(other).toStdString();
}

TEST(MessageIds, LoadMessagesStandForTheirRefusals)
{
    const struct
    {
        int id;
        ErrorCode code;
    } cases[] = {
        {kLoadOk, ErrorCode::None},
        {kLoadTooOld, ErrorCode::FileTooOld},
        {kLoadTooNew, ErrorCode::FileTooNew},
        {kLoadNotCmr, ErrorCode::NotCmrFile},
        {kLoadNotNational, ErrorCode::NotNationalFile},
        {kLoadNotKombi, ErrorCode::NotKombiFile},
        {kLoadNotForwarding, ErrorCode::NotForwardingFile},
        {30, ErrorCode::None},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LoadMessageError(c.id).code(), c.code) << c.id;
    EXPECT_EQ(kLoadTooOld, 24);
    EXPECT_EQ(kLoadNotForwarding, 29);

    // The id a document leaves for a file of another form names its own form.
    const struct
    {
        FormType type;
        ErrorCode code;
    } forms[] = {
        {FormType::Cmr, ErrorCode::NotCmrFile},
        {FormType::National, ErrorCode::NotNationalFile},
        {FormType::Kombi, ErrorCode::NotKombiFile},
        {FormType::Forwarding, ErrorCode::NotForwardingFile},
    };
    TestEnvironment env;
    for (const auto& f : forms) {
        auto document = CreateDocument(f.type, env.Settings());
        QByteArray bytes("KEIN-FORMULAR-DIESER-ART-UND-LANG-GENUG");
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        ASSERT_TRUE(Succeeded(document->OpenFromDevice(buffer)));
        EXPECT_EQ(LoadMessageError(document->GetLoadError()).code(), f.code)
            << GetFormTypeInfo(f.type).name.data();
    }
    EXPECT_EQ(ErrorMessage(LoadMessageError(kLoadNotCmr)),
              QStringLiteral("Die von Ihnen gewählte Datei ist\nkeine Datei für den "
                             "CMR-Frachtbrief!\n\nDie Datei wird nicht geladen, alle\nFelder "
                             "werden zurückgesetzt!"));
}

TEST(MessageIds, AddressFileErrorsGiveTheirFailureCodes)
{
    const QString path = QStringLiteral("/daten/TMAdress.dat");
    const struct
    {
        Error error;
        AddressFileResult code;
    } cases[] = {
        {Error(), kAddressFileOk},
        {Error(ErrorCode::AddressFileNotWritable).inFile(path), kAddressFileNotWritten},
        {Error(ErrorCode::AddressFileNotOpened)
             .because(Error(ErrorCode::LockFailed).because(Error(ErrorCode::DiskFull))),
         kAddressFileNoLock},
        {Error(ErrorCode::AddressFileAccessDenied).inFile(path), kAddressFileAccessDenied},
        {Error(ErrorCode::Truncated).at(33).inFile(path), kAddressFileDamaged},
        {Error(ErrorCode::BadStringListLength, {"3", "1"}).at(34), kAddressFileDamaged},
        {Error(ErrorCode::AddressFileWrongType).inFile(path), kAddressFileWrongType},
        {Error(ErrorCode::AddressFileNotOpened).because(Error(ErrorCode::FileInUse).inFile(path)),
         kAddressFileLocked},
        {Error(ErrorCode::AddressFileNotCreated).inFile(path), kAddressFileNotCreated},
    };
    for (const auto& c : cases)
        EXPECT_EQ(AddressFileResultOf(c.error), c.code) << ErrorMessage(c.error).toStdString();
    EXPECT_EQ(int(kAddressFileNotWritten), 3);
    EXPECT_EQ(int(kAddressFileNoLock), 250);
    EXPECT_EQ(int(kAddressFileNotCreated), 255);
}

} // namespace
