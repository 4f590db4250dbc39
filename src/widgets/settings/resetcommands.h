#pragma once

#include <QDialog>

class CSettingsStore;
class QCommandLinkButton;

// The three commands that reset stored settings: everything of the program
// (Ctrl+Shift+Alt+R), the window and bar layout in "Workspace" (Ctrl+Shift+Alt+M)
// and the font sizes in "Font" (Ctrl+Shift+Alt+F). Each asks first, then the
// program ends through its normal close and the next start has the defaults of
// that part. The application runs them (CKRDWinAppEx::RunReset).
enum class ResetKind { All, Workspace, Font };

// The choices of the question.
inline constexpr int kResetProceed = 201;
inline constexpr int kResetCancel = 202;

QString ResetTitle(ResetKind kind);
QString ResetText(ResetKind kind);

// Removes the part of the settings the reset is for. False when the store
// cannot be written.
bool DeleteResetPart(CSettingsStore& settings, ResetKind kind);

// The question: "Achtung!" with the warning sign, the command's text and two
// command links, 202 "Nein, zurück zum Programm." preselected. exec() gives
// kResetProceed or kResetCancel (also for Escape and the close box).
class CResetQuestion : public QDialog
{
    Q_OBJECT

public:
    explicit CResetQuestion(ResetKind kind, QWidget* parent = nullptr);

    QCommandLinkButton* ProceedButton() const { return m_proceed; }
    QCommandLinkButton* CancelButton() const { return m_cancel; }

    void reject() override { done(kResetCancel); }

private:
    QCommandLinkButton* m_proceed;
    QCommandLinkButton* m_cancel;
};
