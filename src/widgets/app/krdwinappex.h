#pragma once

#include <QApplication>

#include <memory>

class CSettingsStore;

// The maker's common application base: settings store, program folder, message
// language, help topics and the pending-reset flag. One per process.
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

    virtual void ResetWorkspaceSettings(bool silent);
    // Makes the file in the data folder writable for every user of the machine.
    virtual void GrantFileAccess(const QString& fileName);

    QString DataFolder() const;

    int m_nLanguage = 1;
    QString m_strProgramDir;
    int m_nHelpContextId = 100;
    bool m_bResetPending = false;

private:
    std::unique_ptr<CSettingsStore> m_settings;
};
