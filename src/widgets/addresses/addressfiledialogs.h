#pragma once

#include "core/addresses/addressfile.h"

#include <QCoreApplication>
#include <QPointer>
#include <QWidget>

class QProgressDialog;

// The questions and messages of the address file as dialogs over a window of
// the program (or none).
class CAddressFileDialogs : public CAddressFilePrompter
{
public:
    explicit CAddressFileDialogs(QWidget* parent = nullptr) : m_parent(parent) {}

    void SetParent(QWidget* parent) { m_parent = parent; }

    bool AskCreateMissingFile(const QString& path) override;
    void ShowMessage(const QString& text, Icon icon) override;

private:
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
