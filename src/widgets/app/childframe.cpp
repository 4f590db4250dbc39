#include "widgets/app/childframe.h"

#include "core/app/doctemplates.h"
#include "core/documents/krdocument.h"
#include "core/errors/errortext.h"
#include "widgets/app/commandids.h"
#include "widgets/app/mainframe.h"
#include "widgets/views/formview.h"

#include <QCloseEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QMessageBox>
#include <QWidget>

CChildFrame::CChildFrame(std::unique_ptr<CKrDocument> document, CFormView* view, int menuResource,
                         CMainFrame& frame)
    : m_document(std::move(document)), m_view(view), m_menuResource(menuResource), m_frame(frame)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWidget(m_view->Widget());
    setWindowIcon(frame.windowIcon());
    SyncTitle();
    connect(this, &QMdiSubWindow::windowStateChanged, this,
            [this](Qt::WindowStates before, Qt::WindowStates now) {
                if ((before ^ now) & Qt::WindowActive)
                    m_view->OnActivateView(now & Qt::WindowActive);
            });
}

CChildFrame::~CChildFrame()
{
    // The view's widget is a child of this window and goes with it; the
    // document must outlive it, so it is released only afterwards.
    delete widget();
    m_document.reset();
}

void CChildFrame::SyncTitle()
{
    const QString title = m_document->GetTitle() + QLatin1String("[*]");
    if (windowTitle() != title)
        setWindowTitle(title);
    setWindowModified(m_document->IsModified());
}

bool CChildFrame::SaveTo(const QString& path)
{
    m_view->CommitCurrentField();
    if (const Error error = m_document->OnSaveDocument(path)) {
        QMessageBox::warning(this, QStringLiteral("Tarvelomark"), ErrorMessage(error));
        return false;
    }
    SyncTitle();
    Q_EMIT documentSaved(path);
    return true;
}

bool CChildFrame::DoFileSave()
{
    if (m_document->GetPathName().isEmpty())
        return DoFileSaveAs();
    return SaveTo(m_document->GetPathName());
}

bool CChildFrame::DoFileSaveAs()
{
    const DocTemplateInfo& info = DocTemplateFor(m_document->GetFormType());
    QFileDialog dialog(this, tr("Speichern unter"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter(SaveAsFilter(m_document->GetFormType()));
    dialog.setDefaultSuffix(QString(info.extension).mid(1));
    QString proposal = m_document->GetPathName();
    if (proposal.isEmpty())
        proposal = QFileInfo(m_document->GetTitle()).completeBaseName() + info.extension;
    dialog.selectFile(proposal);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    return SaveTo(dialog.selectedFiles().constFirst());
}

bool CChildFrame::OnCommand(int id)
{
    switch (id) {
    case Cmd::Close:
        close();
        return true;
    case Cmd::Save:
        DoFileSave();
        return true;
    case Cmd::SaveAs:
        DoFileSaveAs();
        return true;
    default:
        return false;
    }
}

bool CChildFrame::OnUpdateCommand(int id, CommandState& state)
{
    if (id == Cmd::Save) {
        state.enabled = m_document->IsModified();
        return true;
    }
    return id == Cmd::Close || id == Cmd::SaveAs;
}

bool CChildFrame::QueryClose()
{
    m_view->CommitCurrentField();
    if (!m_document->IsModified())
        return true;
    const auto answer = QMessageBox::question(
        this, QStringLiteral("Tarvelomark"),
        tr("Änderungen in %1 speichern?").arg(m_document->GetTitle()),
        QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes);
    return answer == QMessageBox::No || (answer == QMessageBox::Yes && DoFileSave());
}

void CChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_closeConfirmed && !QueryClose()) {
        event->ignore();
        return;
    }
    m_closing = true;
    // The MDI area learns of the close only through its own handling.
    QMdiSubWindow::closeEvent(event);
}
