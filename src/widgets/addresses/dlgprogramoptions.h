#pragma once

#include "widgets/addresses/addressfiledialogs.h"
#include "widgets/defaults/dlgtooltip.h"

#include <QDialog>

#include <functional>

class CSettingsStore;
class QComboBox;
class QLabel;
class QLineEdit;

using CDlgProgramOptions_ToolTip = CDlgToolTip;

// Where the address file lives ("Adressdatendatei" of section "Settings"), and
// starting it anew; and the program's language ("Language" of "Settings": 0
// German, 1 English, missing: as the system). OK stores the path and the
// language and creates the file when it is missing or the user asked for
// "Initialisieren"; nothing is written before OK, and Cancel drops a pending
// initialisation. The caller re-reads the path afterwards whatever the result;
// the language takes effect at the next start, which a note under the choice
// says whenever the choice would change it.
class CDlgProgramOptions : public QDialog
{
    Q_OBJECT

public:
    // The data folder (ending in a separator) holds the default file and is where
    // the file chooser starts. The settings store outlives the dialog.
    CDlgProgramOptions(CSettingsStore& settings, const QString& dataFolder,
                       QWidget* parent = nullptr);

    QString PathText() const;
    // 0 German, 1 English, kSystemLanguage for "Wie das System".
    static constexpr int kSystemLanguage = -1;
    int ChosenLanguage() const;
    bool InitialisePending() const { return m_bInitialise; }

    // The file chooser of "..."; answers the chosen path or nothing. Tests replace it.
    using FileChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    void accept() override;

private:
    void OnBrowse();
    void OnInitialise();
    void SetInitialisePending(bool pending);
    void UpdateRestartNote();
    static int StoredLanguage(const CSettingsStore& settings);
    static int RunningLanguage();

    CSettingsStore& m_settings;
    QString m_dataFolder;
    CAddressFileDialogs m_prompter{this};
    FileChooser m_chooser;
    bool m_bInitialise = false;

    QLineEdit* m_path;
    QLabel* m_ready;
    QLabel* m_pending;
    QComboBox* m_language;
    int m_openedLanguage = 0;
    QLabel* m_restartNote;
};
