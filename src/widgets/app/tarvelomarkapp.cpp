#include "widgets/app/tarvelomarkapp.h"

#include "core/app/commandline.h"
#include "core/app/datafolder.h"
#include "core/app/doctemplates.h"
#include "core/app/newfiletemplate.h"
#include "core/documents/documentfactory.h"
#include "core/documents/newdocumentfrom.h"
#include "core/errors/errortext.h"
#include "core/format/stringformat.h"
#include "core/settings/displaysize.h"
#include "core/settings/settingsstore.h"
#include "widgets/addresses/addresscommands.h"
#include "widgets/app/childframe.h"
#include "widgets/app/commandids.h"
#include "widgets/app/common_dlgsetdisplaysizefactor.h"
#include "widgets/app/common_dlgsupportinfo.h"
#include "widgets/app/dlgabout.h"
#include "widgets/app/dlghelpdialog.h"
#include "widgets/app/dlgneuedatei.h"
#include "widgets/app/formname.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/app/mainframe.h"
#include "widgets/app/splashwnd.h"
#include "widgets/defaults/formdefaults.h"
#include "widgets/printing/common_cdlgprintsizecorr.h"
#include "widgets/printing/dlgprinterfontsize.h"
#include "widgets/settings/resetcommands.h"
#include "widgets/update/webupdatecommands.h"
#include "widgets/views/formview.h"
#include "widgets/views/viewfactory.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QIcon>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QStandardPaths>
#include <QSysInfo>

namespace {

constexpr int kHelpOpenFile = 104;
constexpr int kHelpAbout = 101;

// The default texts and the address book are the application's: the views only
// start them. The address file is looked up when the command runs, so that a
// path changed in the program options applies to the windows already open.
void ConnectFormCommands(CFormView* view, FormType type, CTarvelomarkApp& app)
{
    view->SetFormDefaultsHook(
        [&app, type](QWidget* parent) { EditFormDefaults(type, app.Settings(), parent); });
    view->SetInsertAddressHook([&app](QWidget* parent) {
        return ChooseAddress(app.AddressFile(), app.Settings(), parent);
    });
}

} // namespace

CTarvelomarkApp::CTarvelomarkApp(int& argc, char** argv) : CKRDWinAppEx(argc, argv)
{
    // The desktop matches windows to the installed desktop file by this name.
    setDesktopFileName(QLatin1String(kDesktopFileName));
    QIcon icon;
    for (int size : {16, 32, 48, 64, 128, 256})
        icon.addFile(QStringLiteral(":/icons/tarvelomark-%1.png").arg(size), QSize(size, size));
    setWindowIcon(icon);
}

CTarvelomarkApp::~CTarvelomarkApp()
{
    delete m_mainFrame;
}

bool CTarvelomarkApp::InitInstance(const QStringList& arguments)
{
    if (!CKRDWinAppEx::InitInstance())
        return false;

    m_recentFiles.Load(Settings());
    RegisterShellEntries();

    const StartupRequest request = ParseCommandLine(arguments);
    if (request.kind == StartupRequest::Initialise) {
        ResetWorkspaceSettings(true);
        GrantFileAccess(QLatin1String(kDefaultAddressFileName));
        return false;
    }

    // The picture comes before the first window, so that it never lies over one;
    // the first window shown closes it.
    const QString section = QLatin1String(Settings::kSectionSettings);
    const QString splashKey = QLatin1String(Settings::SplashScreen.key);
    CSplashWnd::EnableSplashScreen(Settings().GetProfileInt(section, splashKey, 1) != 0);
    CSplashWnd::ShowSplashScreen(Settings().Get(section, Settings::SplashScreen),
                                 m_Registry.GetVersionText());

    m_mainFrame = new CMainFrame(Settings());
    m_mainFrame->SetApplicationTarget(this);
    m_mainFrame->SetRecentFiles(m_recentFiles.Files());
    // Dropped files are opened once the drop is over: a load message must not
    // keep the program the files came from waiting.
    connect(
        m_mainFrame, &CMainFrame::filesDropped, this,
        [this](const QStringList& paths) {
            for (const QString& path : paths)
                OpenDocumentFile(path);
        },
        Qt::QueuedConnection);
    connect(m_mainFrame, &CMainFrame::recentFileChosen, this, [this](const QString& path) {
        if (!OpenDocumentFile(path)) {
            m_recentFiles.RemoveAndStore(path, Settings());
            m_mainFrame->SetRecentFiles(m_recentFiles.Files());
        }
    });

    if (request.kind == StartupRequest::OpenFile)
        OpenDocumentFile(request.fileName);
    else
        OnFileNew();

    m_mainFrame->showMaximized();
    // A document opened before the frame was shown is not the active window yet;
    // without that its commands and keys would stay disabled.
    if (CChildFrame* child = m_mainFrame->Children().value(0))
        m_mainFrame->MdiArea()->setActiveSubWindow(child);
    ReadAddressFileSetting();
    ShowIntroductoryHelp();
    return true;
}

void CTarvelomarkApp::RegisterShellEntries()
{
    if (!m_Registry.Init(applicationFilePath(), CRegeditManagment::BuiltCreationDate(),
                         CRegeditManagment::BuiltProductVersion()))
        QMessageBox::critical(nullptr, QStringLiteral("Tarvelomark"), tr("ERROR"));
    // File types, icons and the desktop entry come with the installation; what
    // is the user's own is the "new document" template.
    WriteNewFileTemplate(QStandardPaths::writableLocation(QStandardPaths::TemplatesLocation));
}

void CTarvelomarkApp::ShowIntroductoryHelp()
{
    const QString section = QLatin1String(Settings::kSectionSettings);
    const std::pair<quint16, IntSetting> dialogs[] = {{1, Settings::ShowIntroHelp},
                                                      {2, Settings::ShowDefaultTextHelp}};
    for (const auto& [mode, setting] : dialogs) {
        if (Settings().Get(section, setting) != 0)
            continue;
        CDlgHelpDialog dialog(m_mainFrame);
        dialog.SetMode(mode);
        dialog.exec();
        Settings().Set(section, setting, dialog.DontShowAgain());
    }
}

QWidget* CTarvelomarkApp::DialogParent() const
{
    return m_mainFrame;
}

bool CTarvelomarkApp::CloseMainWindow(bool keepWorkspace)
{
    if (!m_mainFrame)
        return true;
    m_mainFrame->SetSaveWorkspaceOnClose(keepWorkspace);
    const bool closed = m_mainFrame->close();
    m_mainFrame->SetSaveWorkspaceOnClose(true);
    return closed;
}

void CTarvelomarkApp::OnDisplaySize()
{
    const QString section = QLatin1String(Settings::kSectionSettings);
    const int stored = Settings().Get(section, Settings::FormScaling);
    Common_DlgSetDisplaySizeFactor dialog(
        stored, Common_DlgSetDisplaySizeFactor::ScreenScale(m_mainFrame), m_mainFrame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const int chosen = dialog.SelectedScaling();
    if (chosen == stored)
        return;
    if (QMessageBox::question(m_mainFrame, QStringLiteral("Tarvelomark"),
                              Common_DlgSetDisplaySizeFactor::RestartQuestion(),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // A save question the user cancels keeps this program, so nothing may be
    // stored or started before the close has gone through.
    if (!CloseMainWindow(true))
        return;
    DisplaySize::Store(Settings(), chosen);
    StartNewInstance();
}

QString CTarvelomarkApp::BuildDateText() const
{
    const QDate date = CRegeditManagment::ParseCreationDate(m_Registry.CreationDate());
    return date.isValid() ? CStringFormat::FormatDate(0, date) : m_Registry.CreationDate();
}

QString CTarvelomarkApp::DisplaySizeText(int formScaling)
{
    // 0 is no size of its own: the forms follow the screen.
    return formScaling == 0 ? tr("0 (Systemeinstellung)") : QStringLiteral("%1%").arg(formScaling);
}

SupportInfo CTarvelomarkApp::SupportInformation() const
{
    const QScreen* screen =
        m_mainFrame && m_mainFrame->screen() ? m_mainFrame->screen() : primaryScreen();
    QString display = QStringLiteral("-");
    if (screen)
        display = tr("%1 x %2 Pixel, %3 dpi, Faktor %4")
                      .arg(screen->size().width())
                      .arg(screen->size().height())
                      .arg(qRound(screen->logicalDotsPerInchX()))
                      .arg(screen->devicePixelRatio());
    const QString section = QLatin1String(Settings::kSectionSettings);
    SupportInfo info;
    info.rows = {
        {tr("Programm"), QStringLiteral("Tarvelomark")},
        {tr("Version"),
         tr("%1 (%2, Nummer %3)")
             .arg(m_Registry.GetVersionText(), CRegeditManagment::BuiltProductVersion())
             .arg(m_Registry.GetVersion())},
        {tr("Erstellt am"), BuildDateText()},
        {tr("Programmdatei"), m_Registry.ExePath()},
        {tr("Qt-Version"),
         tr("%1 (erstellt mit %2)")
             .arg(QString::fromLatin1(qVersion()), QStringLiteral(QT_VERSION_STR))},
        {tr("Plattform"),
         QStringLiteral("%1, %2 %3, %4, %5")
             .arg(QSysInfo::prettyProductName(), QSysInfo::kernelType(), QSysInfo::kernelVersion(),
                  QSysInfo::currentCpuArchitecture(), platformName())},
        {tr("Bildschirm"), display},
        {tr("Anzeigegröße"), DisplaySizeText(Settings().Get(section, Settings::FormScaling))},
        {tr("Benutzer"), m_Registry.GetUserName()},
        {tr("Computer"), m_Registry.GetComputerName()},
        {tr("Einstellungsdatei"), Settings().Backend().fileName()},
        {tr("Adressdatei"), m_strAddressFile},
        {tr("Datenordner"), DataFolder()},
    };
    return info;
}

void CTarvelomarkApp::ShowAbout()
{
    CHelpTopicScope help(kHelpAbout);
    CDlgAbout dialog(m_Registry.GetVersionText(), BuildDateText(), m_mainFrame);
    // The home page belongs to the web update; the button follows its command.
    QAction* homepage = m_mainFrame->Action(Cmd::Homepage);
    m_mainFrame->UpdateCommandUI();
    dialog.HomepageButton()->setEnabled(homepage && homepage->isEnabled());
    connect(&dialog, &CDlgAbout::HomepageRequested, this,
            [this] { m_mainFrame->RouteCommand(Cmd::Homepage); });
    connect(&dialog, &CDlgAbout::SupportInfoRequested, this, [this] { ShowSupportInfo(); });
    dialog.exec();
}

void CTarvelomarkApp::ShowSupportInfo()
{
    Common_DlgSupportInfo dialog(SupportInformation(), m_mainFrame);
    dialog.exec();
}

int CTarvelomarkApp::ExitInstance()
{
    if (m_bResetPending)
        return 0;
    // The recent-file list is stored with each change: written again here, it
    // would drop what another copy of the program added since.
    return CKRDWinAppEx::ExitInstance();
}

void CTarvelomarkApp::ReadAddressFileSetting()
{
    m_strAddressFile = ResolveAddressFile(
        Settings().Get(QLatin1String(Settings::kSectionSettings), Settings::AddressFile),
        DataFolder());
}

CChildFrame* CTarvelomarkApp::ShowDocument(std::unique_ptr<CKrDocument> document)
{
    CKrDocument& doc = *document;
    CFormView* view = CreateFormView(doc, Settings(), *m_mainFrame);
    ConnectFormCommands(view, doc.GetFormType(), *this);
    auto* child = new CChildFrame(std::move(document), view,
                                  DocTemplateFor(doc.GetFormType()).resourceId, *m_mainFrame);
    connect(child, &CChildFrame::documentSaved, this, [this](const QString& path) {
        m_recentFiles.AddAndStore(path, Settings());
        m_mainFrame->SetRecentFiles(m_recentFiles.Files());
    });
    m_mainFrame->AddChild(child);
    view->OnInitialUpdate();
    return child;
}

void CTarvelomarkApp::NumberUntitled(CKrDocument& document)
{
    const FormType type = document.GetFormType();
    int& count = m_untitledCount[static_cast<size_t>(type)];
    document.SetTitle(FormName(type) + QString::number(++count));
}

CChildFrame* CTarvelomarkApp::NewDocument(FormType type)
{
    return NewDocument(Forms::DescriptionForNew(type, Settings()));
}

CChildFrame* CTarvelomarkApp::NewDocument(const Forms::FormDescription& form)
{
    auto document = CreateDocument(form, Settings());
    document->OnNewDocument();
    NumberUntitled(*document);
    return ShowDocument(std::move(document));
}

CChildFrame* CTarvelomarkApp::NewDocumentFrom(CChildFrame& source)
{
    source.View().CommitCurrentField();
    auto document = ::NewDocumentFrom(source.Document(), Settings());
    NumberUntitled(*document);
    return ShowDocument(std::move(document));
}

CChildFrame* CTarvelomarkApp::OpenDocumentFile(const QString& name)
{
    const QString path = ResolveDocumentPath(CleanDocumentName(name));
    if (path.isEmpty())
        return nullptr;
    for (CChildFrame* child : m_mainFrame->Children()) {
        if (SameDocumentPath(child->Document().GetPathName(), path)) {
            m_mainFrame->MdiArea()->setActiveSubWindow(child);
            return child;
        }
    }
    auto document = CreateDocument(FormTypeForPath(path), Settings());
    if (const Error error = document->OnOpenDocument(path)) {
        // With several files opened at once the message must tell which one.
        QString message = ErrorMessage(error);
        if (!message.contains(QDir::toNativeSeparators(path)))
            message = QDir::toNativeSeparators(path) + QLatin1Char('\n') + message;
        QMessageBox::warning(m_mainFrame, QStringLiteral("Tarvelomark"), message);
        return nullptr;
    }
    if (!document->GetPathName().isEmpty()) { // not a file the document refused
        m_recentFiles.AddAndStore(path, Settings());
        m_mainFrame->SetRecentFiles(m_recentFiles.Files());
    }
    return ShowDocument(std::move(document));
}

void CTarvelomarkApp::OnFileNew()
{
    CDlgNeueDatei dialog(m_mainFrame);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (dialog.Choice() == CDlgNeueDatei::kOpenExisting)
        OnFileOpen();
    else if (const Forms::FormDescription* form = dialog.ChosenForm())
        NewDocument(*form);
}

void CTarvelomarkApp::OnFileOpen()
{
    CHelpTopicScope help(kHelpOpenFile);
    QFileDialog dialog(m_mainFrame, tr("Öffnen"));
    dialog.setFileMode(QFileDialog::ExistingFiles);
    dialog.setNameFilter(OpenFileFilter());
    if (dialog.exec() != QDialog::Accepted)
        return;
    // Each file on its own, as if chosen alone: one that fails says so and the
    // others still open.
    for (const QString& path : dialog.selectedFiles())
        OpenDocumentFile(path);
}

bool CTarvelomarkApp::OnCommand(int id)
{
    switch (id) {
    case Cmd::New:
        OnFileNew();
        return true;
    case Cmd::Open:
        OnFileOpen();
        return true;
    case Cmd::NewFromDocument:
        if (CChildFrame* child = m_mainFrame->ActiveChild())
            NewDocumentFrom(*child);
        return true;
    case Cmd::PrintSetup: {
        QPrintDialog dialog(&m_mainFrame->CurrentPrinter(), m_mainFrame);
        dialog.setWindowTitle(tr("Druckeinrichtung"));
        dialog.exec();
        return true;
    }
    case Cmd::About:
        ShowAbout();
        return true;
    case Cmd::Exit:
        m_mainFrame->close();
        return true;
    case Cmd::HelpContents:
        ShowHelpTopic(100);
        return true;
    case Cmd::PrinterFontSizes: {
        CHelpTopicScope help(CDlgPrinterFontSize::kHelpContextId);
        CDlgPrinterFontSize dialog(Settings(), m_mainFrame);
        connect(&dialog, &CDlgPrinterFontSize::HelpRequested, this,
                [this](int topic) { ShowHelpTopic(topic); });
        dialog.exec();
        return true;
    }
    case Cmd::PrintAreaCorrection: {
        Common_CDlgPrintSizeCorr dialog(Settings(), m_mainFrame);
        dialog.exec();
        return true;
    }
    case Cmd::HelpGeneral:
        ShowHelpTopic(m_nHelpContextId);
        return true;
    // Default texts and the address book.
    case Cmd::DefaultsCmr:
        EditFormDefaults(FormType::Cmr, Settings(), m_mainFrame);
        return true;
    case Cmd::DefaultsNational:
        EditFormDefaults(FormType::National, Settings(), m_mainFrame);
        return true;
    case Cmd::DefaultsKombi:
        EditFormDefaults(FormType::Kombi, Settings(), m_mainFrame);
        return true;
    case Cmd::EditAddresses:
        EditAddresses(m_strAddressFile, m_mainFrame);
        return true;
    case Cmd::ProgramOptions:
        EditProgramOptions(Settings(), DataFolder(), m_mainFrame);
        ReadAddressFileSetting();
        return true;
    // Display size, support information and the resets.
    case Cmd::DisplaySize:
        OnDisplaySize();
        return true;
    case Cmd::SupportInfo:
        ShowSupportInfo();
        return true;
    case Cmd::ResetAll:
        ResetAllSettings();
        return true;
    case Cmd::ResetMenus:
        ResetWorkspaceSettings(false);
        return true;
    case Cmd::ResetFonts:
        ResetFontSettings();
        return true;
    // The maker's web server.
    case Cmd::WebUpdate:
        CheckForUpdate(Settings(), m_mainFrame);
        return true;
    case Cmd::Homepage:
        OpenHomepage(Settings(), m_mainFrame);
        return true;
    default:
        return false;
    }
}

bool CTarvelomarkApp::OnUpdateCommand(int id, CommandState& state)
{
    switch (id) {
    case Cmd::NewFromDocument:
        state.enabled = m_mainFrame && m_mainFrame->ActiveChild();
        return true;
    case Cmd::New:
    case Cmd::Open:
    case Cmd::PrintSetup:
    case Cmd::About:
    case Cmd::Exit:
    case Cmd::HelpContents:
    case Cmd::HelpGeneral:
    case Cmd::PrinterFontSizes:
    case Cmd::PrintAreaCorrection:
    case Cmd::DefaultsCmr:
    case Cmd::DefaultsNational:
    case Cmd::DefaultsKombi:
    case Cmd::EditAddresses:
    case Cmd::ProgramOptions:
    case Cmd::DisplaySize:
    case Cmd::SupportInfo:
    case Cmd::ResetAll:
    case Cmd::ResetMenus:
    case Cmd::ResetFonts:
    case Cmd::WebUpdate:
    case Cmd::Homepage:
        return true;
    default:
        return false;
    }
}
