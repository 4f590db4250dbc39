#pragma once

#include <QDate>
#include <QString>
#include <QtGlobal>

class QSettings;

// The program's version as the maker packs it: major x 65536 + minor x 256 +
// build. The parts come from a product version text such as "3.1.5.0".
struct ProductVersion
{
    quint16 top = 0; // the byte above the major number of the packed value
    quint16 major = 0;
    quint16 minor = 0;
    quint16 build = 0;
    quint32 packed = 0;
};

// Reads a product version text: the number before the first dot, the one
// between the first and the second dot and the number of at most two characters
// after the second dot; each stops at its first non-digit. "3.1.5.0" gives
// 3, 1, 5 and 196869; "3.12.7" gives 3, 12, 7. Empty text gives nothing (false).
bool ParseProductVersion(const QString& text, ProductVersion* version);
// "%d.%01d.%02d": 3.1.05.
QString FormatVersionText(const ProductVersion& version);

// The program's own installation facts: version, build date, program file and
// folder, data folder, user and computer name, and the version values it keeps
// for the maker's tools (below "KRD" and the program file's base name: on Linux
// the per-user file XDG_CONFIG_HOME/KRD/<base name>.conf).
//
// Owned by the application. Nothing here reports to the user; failures of the
// version values are ignored, as nothing in the program depends on them.
class CRegeditManagment
{
public:
    static constexpr const char* kCompany = "KRD";

    CRegeditManagment();
    virtual ~CRegeditManagment();

    // The version and build date compiled into this program (one version,
    // defined in the build) and the date in the compiler's form ("Jul 14 2023").
    static QString BuiltProductVersion();
    static QString BuiltCreationDate();

    // Takes the program file, its build date and product version, and writes
    // the version values into `versionValues` (the user's KRD file when null).
    // False when the product version cannot be read: the version is then 0.
    virtual bool Init(const QString& programFile, const QString& creationDate,
                      const QString& productVersion, QSettings* versionValues = nullptr);
    bool IsInitialized() const { return m_bInitialized; }

    virtual quint32 GetVersion() const { return m_version.packed; }
    virtual QString GetVersionText() const { return FormatVersionText(m_version); }
    const ProductVersion& Version() const { return m_version; }
    QString CreationDate() const { return m_strCreationDate; }
    // The build date as a date, read from the compiler's form ("Jul 14 2023",
    // "Jul  4 2023"); invalid when the text is not of that form.
    static QDate ParseCreationDate(const QString& creationDate);

    // "Version" (packed) and "Path" (program folder without a final separator)
    // and, since Linux has no machine-wide place the program may write,
    // "CreationDate" beside them. False before Init or when the values cannot
    // be written.
    virtual bool WriteVersionValues(QSettings& values) const;

    // The names the system reports, or empty text.
    virtual QString GetUserName() const;
    virtual QString GetComputerName() const;
    // The user's documents folder plus the program file's base name, without
    // (GetPersonalDataFolder) and with (GetDataFolder) a final separator. Empty
    // and "/" when the system names no documents folder.
    virtual QString GetPersonalDataFolder() const;
    virtual QString GetDataFolder() const;

    QString ExeName() const { return m_strExeName; } // base name, no folder or suffix
    QString ExePath() const { return m_strExePath; }
    QString ProgramFolder() const; // without a final separator

private:
    QString m_strCreationDate;
    bool m_bInitialized = false;
    ProductVersion m_version;
    QString m_strCompany;
    QString m_strExeName;
    QString m_strExePath;
};
