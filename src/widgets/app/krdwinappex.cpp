#include "app/krdwinappex.h"

#include "app/datafolder.h"
#include "app/helpwindow.h"
#include "settings/settingsstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTranslator>

CKRDWinAppEx::CKRDWinAppEx(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QLatin1String(CSettingsStore::kOrganisation));
    setApplicationName(QLatin1String(CSettingsStore::kApplication));
    // The program speaks German; so should Qt's own dialogs and buttons.
    auto* translator = new QTranslator(this);
    if (translator->load(QLocale(QLocale::German, QLocale::Germany), QStringLiteral("qtbase"),
                         QStringLiteral("_"),
                         QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        installTranslator(translator);
}

CKRDWinAppEx::~CKRDWinAppEx() = default;

void CKRDWinAppEx::SetSettingsStore(std::unique_ptr<CSettingsStore> settings)
{
    m_settings = std::move(settings);
}

bool CKRDWinAppEx::InitInstance()
{
    if (!m_settings)
        m_settings = CSettingsStore::OpenUserStore();
    m_nLanguage = m_settings->Get(QLatin1String(Settings::kSectionSettings), Settings::Language);
    m_strProgramDir = applicationDirPath();
    if (!m_strProgramDir.endsWith(QLatin1Char('/')))
        m_strProgramDir += QLatin1Char('/');
    return true;
}

int CKRDWinAppEx::ExitInstance()
{
    return 0;
}

void CKRDWinAppEx::ShowHelpTopic(int id)
{
    CHelpWindow::Show(id);
}

void CKRDWinAppEx::ResetWorkspaceSettings(bool silent)
{
    Q_UNUSED(silent);
    m_settings->Backend().remove(QLatin1String(Settings::kSectionWorkspace));
    m_settings->Backend().sync();
    m_bResetPending = true;
}

QString CKRDWinAppEx::DataFolder() const
{
    return ::DataFolder(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
                        QFileInfo(applicationFilePath()).completeBaseName());
}

void CKRDWinAppEx::GrantFileAccess(const QString& fileName)
{
    // The address book may be shared by every user of the machine. Results are
    // not checked, as nothing depends on them.
    QFile file(DataFolder() + fileName);
    if (file.exists())
        file.setPermissions(file.permissions() | QFileDevice::ReadUser | QFileDevice::WriteUser |
                            QFileDevice::ReadGroup | QFileDevice::WriteGroup |
                            QFileDevice::ReadOther | QFileDevice::WriteOther);
}
