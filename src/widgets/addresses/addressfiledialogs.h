#pragma once

#include "core/addresses/addressfile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

class QProgressDialog;

// The question and the messages of the address file as dialogs over a window of
// the program (or none).
class CAddressFileDialogs : public CAddressFilePrompter
{
public:
    explicit CAddressFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    bool AskCreateMissingFile(const QString& path) override;
    // What an operation of the address file returned, as the program has always
    // shown it: a file that could not be opened in two boxes (that it could
    // not, then why), a refused access and a damaged file with an error icon,
    // the others without. Nothing for no error, nor for a missing file the user
    // chose not to create.
    void ShowError(const Error& error);

private:
    void ShowMessage(const QString& text, bool errorIcon);

    QPointer<QWidget> m_parent;
};

// While it lives, a locked address file is waited for with a progress dialog
// that keeps the program's windows painted and lets the user stop waiting. The
// dialog appears only once the first attempt has failed. Put one around each
// loading or saving of `file`; both must outlive it.
class CAddressLockProgress
{
    Q_DECLARE_TR_FUNCTIONS(CAddressLockProgress)

public:
    CAddressLockProgress(CAddressFile& file, QWidget* parent);
    ~CAddressLockProgress();
    CAddressLockProgress(const CAddressLockProgress&) = delete;
    CAddressLockProgress& operator=(const CAddressLockProgress&) = delete;

private:
    bool Progress(int failedAttempts, int maxAttempts);
    void Sleep(int milliseconds);

    CAddressFile& m_file;
    QPointer<QWidget> m_parent;
    QProgressDialog* m_dialog = nullptr;
};
