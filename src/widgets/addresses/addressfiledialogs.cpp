#include "widgets/addresses/addressfiledialogs.h"

#include "core/errors/errortext.h"
#include "widgets/addresses/dlgmissingaddressfile.h"

#include <QEventLoop>
#include <QMessageBox>
#include <QProgressDialog>
#include <QThread>
#include <QTimer>

bool CAddressFileDialogs::AskCreateMissingFile(const QString& path)
{
    CDlgMissingAddressFile dialog(path, m_parent);
    return dialog.exec() == QDialog::Accepted;
}

void CAddressFileDialogs::ShowError(const Error& error)
{
    switch (error.code()) {
    case ErrorCode::None:
    case ErrorCode::AddressFileNotCreated:
        return;
    case ErrorCode::AddressFileNotOpened:
        ShowMessage(ErrorMessage(Error(error.code())), false);
        if (const Error* cause = error.cause())
            ShowMessage(ErrorMessage(*cause), true);
        return;
    case ErrorCode::AddressFileWrongType:
    case ErrorCode::AddressFileNotWritable:
    case ErrorCode::NewAddressFileNotWritable:
        ShowMessage(ErrorMessage(error), false);
        return;
    default:
        ShowMessage(ErrorMessage(error), true);
        return;
    }
}

void CAddressFileDialogs::ShowMessage(const QString& text, bool errorIcon)
{
    QMessageBox box(errorIcon ? QMessageBox::Critical : QMessageBox::NoIcon,
                    QStringLiteral("Tarvelomark"), text, QMessageBox::Ok, m_parent);
    box.exec();
}

CAddressLockProgress::CAddressLockProgress(CAddressFile& file, QWidget* parent)
    : m_file(file), m_parent(parent)
{
    m_file.SetProgress([this](int failed, int most) { return Progress(failed, most); });
    m_file.SetSleep([this](int ms) { Sleep(ms); });
}

CAddressLockProgress::~CAddressLockProgress()
{
    m_file.SetProgress({});
    m_file.SetSleep([](int ms) { QThread::msleep(ulong(ms)); });
    delete m_dialog;
}

bool CAddressLockProgress::Progress(int failedAttempts, int maxAttempts)
{
    if (!m_dialog) {
        m_dialog = new QProgressDialog(
            tr("Die Adressdatei wird gerade von einem anderen Benutzer verwendet.\nBitte "
               "warten..."),
            tr("Abbrechen"), 0, maxAttempts, m_parent);
        m_dialog->setObjectName(QStringLiteral("addressLockProgress"));
        m_dialog->setWindowTitle(tr("Adressdatendatei"));
        m_dialog->setWindowModality(Qt::ApplicationModal);
        m_dialog->setMinimumDuration(0);
        m_dialog->setAutoReset(false);
        m_dialog->setAutoClose(false);
        m_dialog->show();
    }
    if (m_dialog->wasCanceled())
        return false;
    m_dialog->setValue(failedAttempts);
    return true;
}

void CAddressLockProgress::Sleep(int milliseconds)
{
    // Waiting in an event loop keeps the windows painted; the modal progress
    // dialog keeps the user from starting anything else meanwhile.
    QEventLoop loop;
    QTimer::singleShot(milliseconds, &loop, &QEventLoop::quit);
    if (m_dialog)
        QObject::connect(m_dialog, &QProgressDialog::canceled, &loop, &QEventLoop::quit);
    loop.exec();
}
