#include "widgets/app/krdwinappex.h"

#include "core/app/datafolder.h"
#include "core/settings/language.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/helpwindow.h"
#include "widgets/settings/resetcommands.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QSettings>
#include <QStandardPaths>

CKRDWinAppEx::CKRDWinAppEx(int& argc, char** argv) : QApplication(argc, argv)
{
    setOrganizationName(QLatin1String(CSettingsStore::kOrganisation));
    setApplicationName(QLatin1String(CSettingsStore::kApplication));
    // Until InitInstance has read the settings, the program speaks its source
    // language, and so do Qt's own dialogs and buttons.
    InstallTranslators(ProgramLanguage::German);
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
    // Before the first window, which would otherwise be built in German.
    InstallTranslators(ChooseProgramLanguage(*m_settings));
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
    // Above the dialog that asked for it: a modal dialog blocks every window that
    // is not its own.
    QWidget* owner = activeModalWidget();
    CHelpWindow::Show(id, owner ? owner : DialogParent());
}

void CKRDWinAppEx::ResetAllSettings()
{
    RunReset(ResetKind::All);
}

void CKRDWinAppEx::ResetWorkspaceSettings(bool silent)
{
    if (!silent) {
        RunReset(ResetKind::Workspace);
        return;
    }
    DeleteResetPart(*m_settings, ResetKind::Workspace);
    m_bResetPending = true;
}

void CKRDWinAppEx::ResetFontSettings()
{
    RunReset(ResetKind::Font);
}

void CKRDWinAppEx::RunReset(ResetKind kind)
{
    CResetQuestion question(kind, DialogParent());
    if (question.exec() != kResetProceed)
        return;
    // The close comes first: removing the settings and then staying alive after
    // a cancelled save question would leave a running program whose settings
    // were half gone and whose exit silently dropped the recent files.
    m_bResetPending = true;
    if (!CloseMainWindow(false)) {
        m_bResetPending = false;
        return;
    }
    DeleteResetPart(*m_settings, kind);
}

bool CKRDWinAppEx::CloseMainWindow(bool keepWorkspace)
{
    Q_UNUSED(keepWorkspace);
    return true;
}

bool CKRDWinAppEx::StartNewInstance()
{
    if (m_newInstanceStarter)
        return m_newInstanceStarter();
    return QProcess::startDetached(applicationFilePath(), {});
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
