#pragma once

#include "core/app/recentfiles.h"
#include "core/forms/formdescription.h"
#include "core/forms/formtype.h"
#include "widgets/app/commandtarget.h"
#include "widgets/app/krdwinappex.h"
#include "widgets/app/mainframe.h"

#include <QPointer>

#include <array>

class CChildFrame;
struct SupportInfo;

// The program: document templates, start-up sequence, the file commands and the
// other commands that are not bound to a document.
class CTarvelomarkApp : public CKRDWinAppEx, public CCommandTarget
{
    Q_OBJECT

public:
    CTarvelomarkApp(int& argc, char** argv);
    ~CTarvelomarkApp() override;

    static CTarvelomarkApp* Instance() { return static_cast<CTarvelomarkApp*>(qApp); }

    // The start-up sequence for the given command-line arguments (without the
    // program name). False: end the process (after "-init", or on failure).
    bool InitInstance(const QStringList& arguments);
    bool InitInstance() override { return InitInstance(arguments().mid(1)); }
    int ExitInstance() override;

    CMainFrame* MainFrame() const { return m_mainFrame; }
    QString AddressFile() const { return m_strAddressFile; }

    // Opens a document by name as the document manager does: cleaned, made
    // absolute, an open one activated, the template chosen by extension.
    // Returns the window showing it, or nullptr (failures are shown).
    CChildFrame* OpenDocumentFile(const QString& name);
    // A new document of the template's form in a window of its own.
    // A new note of the form in the edition its settings choose, or of exactly
    // the form and edition given.
    CChildFrame* NewDocument(FormType type);
    CChildFrame* NewDocument(const Forms::FormDescription& form);
    // "Neu aus diesem Dokument": a new document with the texts of the one in
    // `source`, which stays as it is.
    CChildFrame* NewDocumentFrom(CChildFrame& source);
    // The new-file chooser; 1..4 new form, 99 open dialog.
    void OnFileNew();
    void OnFileOpen();

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

    QString m_strAddressFile = QStringLiteral("@");

    // The desktop file and icon name the program is known by on Linux desktops.
    static constexpr const char* kDesktopFileName = "de.norvak.tarvelomark";

    // The display size command: the dialog, the question, and on Yes the normal
    // close; only once that has succeeded the size is stored and the program
    // started anew.
    void OnDisplaySize();
    // The facts of the support information dialog.
    SupportInfo SupportInformation() const;
    // The build date as "14.07.2023", for the about box and the support information.
    QString BuildDateText() const;
    // "Anzeigegröße" as the support information names it: 0 is the system setting.
    static QString DisplaySizeText(int formScaling);

protected:
    bool CloseMainWindow(bool keepWorkspace) override;
    QWidget* DialogParent() const override;

private:
    void RegisterShellEntries();
    void ShowIntroductoryHelp();
    void ShowAbout();
    void ShowSupportInfo();
    CChildFrame* ShowDocument(std::unique_ptr<class CKrDocument> document);
    // Gives a new document the next title of its template (CMR-Frachtbrief2, ...).
    void NumberUntitled(class CKrDocument& document);
    void ReadAddressFileSetting();

    QPointer<CMainFrame> m_mainFrame;
    CRecentFileList m_recentFiles;
    std::array<int, 4> m_untitledCount{};
};
