#pragma once

#include "core/settings/regeditmanagment.h"

#include <QApplication>

#include <functional>
#include <memory>

class CSettingsStore;

enum class ResetKind;

// The maker's common application base: settings store, program folder, message
// language, help topics, the registry helper (version, data folder), the resets
// of the stored settings and the pending-reset flag. One per process.
class CKRDWinAppEx : public QApplication
{
    Q_OBJECT

public:
    CKRDWinAppEx(int& argc, char** argv);
    ~CKRDWinAppEx() override;

    // The running application object.
    static CKRDWinAppEx* Instance() { return static_cast<CKRDWinAppEx*>(qApp); }

    // Binds the settings store and reads the language; false ends the process.
    virtual bool InitInstance();
    // The exit code. While a settings reset is pending nothing is written back.
    virtual int ExitInstance();

    CSettingsStore& Settings() const { return *m_settings; }
    // For tests: a store on a file of their own instead of the user's.
    void SetSettingsStore(std::unique_ptr<CSettingsStore> settings);

    virtual void ShowHelpTopic(int id);
    // Dialogs with a help topic set theirs while open and restore the old one.
    int HelpContextId() const { return m_nHelpContextId; }
    void SetHelpContextId(int id) { m_nHelpContextId = id; }

    // The resets (Ctrl+Shift+Alt+R, M, F): ask, end the program through the
    // normal close, and only once that has succeeded remove the part of the
    // settings; nothing is written back at exit. A close the user cancels (at a
    // save question) keeps the program running with its settings untouched.
    // The silent workspace reset ("-init") neither asks nor closes.
    virtual void ResetAllSettings();
    virtual void ResetWorkspaceSettings(bool silent);
    virtual void ResetFontSettings();
    void RunReset(ResetKind kind);
    // Makes the file in the data folder writable for every user of the machine.
    virtual void GrantFileAccess(const QString& fileName);

    QString DataFolder() const;
    CRegeditManagment& Registry() { return m_Registry; }
    const CRegeditManagment& Registry() const { return m_Registry; }

    // Starts the program anew as a separate process, without arguments; false
    // when it cannot be started. Tests replace it.
    bool StartNewInstance();
    void SetNewInstanceStarter(std::function<bool()> starter)
    {
        m_newInstanceStarter = std::move(starter);
    }

    QString m_strProgramDir;
    int m_nHelpContextId = 100;
    bool m_bResetPending = false;

protected:
    // The normal close of the main window (which asks about modified
    // documents); true when it closed. `keepWorkspace` false: the window layout
    // is not written back.
    virtual bool CloseMainWindow(bool keepWorkspace);
    // The window dialogs are owned by: the main window, once there is one.
    virtual QWidget* DialogParent() const { return activeWindow(); }

    CRegeditManagment m_Registry;

private:
    std::unique_ptr<CSettingsStore> m_settings;
    std::function<bool()> m_newInstanceStarter;
};
