#pragma once

#include "widgets/addresses/addressfiledialogs.h"
#include "widgets/defaults/dlgtooltip.h"

#include <QDialog>

#include <functional>

class CSettingsStore;
class QLabel;
class QLineEdit;

using CDlgProgramOptions_ToolTip = CDlgToolTip;

// Where the address file lives ("Adressdatendatei" of section "Settings"), and
// starting it anew. OK stores the path and creates the file when it is missing or
// the user asked for "Initialisieren"; nothing is written before OK, and Cancel
// drops a pending initialisation. The caller re-reads the path afterwards
// whatever the result.
class CDlgProgramOptions : public QDialog
{
    Q_OBJECT

public:
    // The data folder (ending in a separator) holds the default file and is where
    // the file chooser starts. The settings store outlives the dialog.
    CDlgProgramOptions(CSettingsStore& settings, const QString& dataFolder,
                       QWidget* parent = nullptr);

    QString PathText() const;
    bool InitialisePending() const { return m_bInitialise; }

    // The file chooser of "..."; answers the chosen path or nothing. Tests replace it.
    using FileChooser = std::function<QString(QWidget* parent, const QString& startFolder)>;
    void SetFileChooser(FileChooser chooser) { m_chooser = std::move(chooser); }

    void accept() override;

private:
    void OnBrowse();
    void OnInitialise();
    void SetInitialisePending(bool pending);

    CSettingsStore& m_settings;
    QString m_dataFolder;
    CAddressFileDialogs m_prompter{this};
    FileChooser m_chooser;
    bool m_bInitialise = false;

    QLineEdit* m_path;
    QLabel* m_ready;
    QLabel* m_pending;
};
