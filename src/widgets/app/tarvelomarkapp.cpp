#include "app/tarvelomarkapp.h"

#include "addresses/addresscommands.h"
#include "app/childframe.h"
#include "app/commandids.h"
#include "app/commandline.h"
#include "app/datafolder.h"
#include "app/dlgneuedatei.h"
#include "app/doctemplates.h"
#include "app/helptopicscope.h"
#include "app/mainframe.h"
#include "defaults/formdefaults.h"
#include "documents/documentfactory.h"
#include "printing/common_cdlgprintsizecorr.h"
#include "printing/dlgprinterfontsize.h"
#include "settings/settingsstore.h"
#include "views/formview.h"
#include "views/viewfactory.h"

#include <QFileDialog>
#include <QMdiArea>
#include <QMessageBox>
#include <QPrintDialog>

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

CTarvelomarkApp::CTarvelomarkApp(int& argc, char** argv) : CKRDWinAppEx(argc, argv) {}

CTarvelomarkApp::~CTarvelomarkApp()
{
    delete m_mainFrame;
}

bool CTarvelomarkApp::InitInstance(const QStringList& arguments)
{
    if (!CKRDWinAppEx::InitInstance())
        return false;

    m_recentFiles.Load(Settings());

    const StartupRequest request = ParseCommandLine(arguments);
    if (request.kind == StartupRequest::Initialise) {
        ResetWorkspaceSettings(true);
        GrantFileAccess(QLatin1String(kDefaultAddressFileName));
        return false;
    }

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
            m_recentFiles.Remove(path);
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
    return true;
}

int CTarvelomarkApp::ExitInstance()
{
    if (m_bResetPending)
        return 0;
    m_recentFiles.Save(Settings());
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
        m_recentFiles.Add(path);
        m_mainFrame->SetRecentFiles(m_recentFiles.Files());
    });
    m_mainFrame->AddChild(child);
    view->OnInitialUpdate();
    return child;
}

CChildFrame* CTarvelomarkApp::NewDocument(FormType type)
{
    auto document = CreateDocument(type, Settings());
    document->OnNewDocument();
    int& count = m_untitledCount[static_cast<size_t>(type)];
    document->SetTitle(QString(DocTemplateFor(type).baseName) + QString::number(++count));
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
    QString error;
    if (!document->OnOpenDocument(path, &error)) {
        QMessageBox::warning(m_mainFrame, QStringLiteral("Tarvelomark"), error);
        return nullptr;
    }
    if (!document->GetPathName().isEmpty()) { // not a file the document refused
        m_recentFiles.Add(path);
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
    else if (dialog.Choice() >= 1 && dialog.Choice() <= 4)
        NewDocument(DocTemplates()[size_t(dialog.Choice() - 1)].type);
}

void CTarvelomarkApp::OnFileOpen()
{
    CHelpTopicScope help(kHelpOpenFile);
    QFileDialog dialog(m_mainFrame, QStringLiteral("Öffnen"));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(OpenFileFilter());
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        OpenDocumentFile(dialog.selectedFiles().constFirst());
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
    case Cmd::PrintSetup: {
        QPrintDialog dialog(&m_mainFrame->CurrentPrinter(), m_mainFrame);
        dialog.setWindowTitle(QStringLiteral("Druckeinrichtung"));
        dialog.exec();
        return true;
    }
    case Cmd::About: {
        CHelpTopicScope help(kHelpAbout);
        QMessageBox::about(m_mainFrame, QStringLiteral("Info über Tarvelomark"),
                           QStringLiteral("<b>Tarvelomark</b> Version %1<br>"
                                          "Frachtbriefe ausfüllen und drucken.")
                               .arg(QStringLiteral(TVM_VERSION)));
        return true;
    }
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
    default:
        return false;
    }
}

bool CTarvelomarkApp::OnUpdateCommand(int id, CommandState& state)
{
    Q_UNUSED(state);
    switch (id) {
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
        return true;
    default:
        return false;
    }
}
