#pragma once

#include <QDialog>

class QCheckBox;
class QLabel;

// The introductory help shown at the first starts: mode 1 explains typing into
// the form (with the picture of the input cursor), mode 2 the default texts
// (F8). The caller sets the mode, runs the dialog and reads the check box
// "Diesen Dialog nicht mehr anzeigen" afterwards: 1 only when the user checked
// it and closed with OK; Escape and the close box give 0.
class CDlgHelpDialog : public QDialog
{
    Q_OBJECT

public:
    explicit CDlgHelpDialog(QWidget* parent = nullptr);

    void SetMode(quint16 mode);
    quint16 Mode() const { return m_mode; }
    int DontShowAgain() const { return m_dontShowAgain; }

    QLabel* FirstText() const { return m_first; }
    QLabel* SecondText() const { return m_second; }
    QCheckBox* CheckBox() const { return m_check; }
    // The two pictures: the input cursor (mode 1) and the question sign (mode 2).
    QLabel* CursorIcon() const { return m_cursorIcon; }
    QLabel* QuestionIcon() const { return m_questionIcon; }

    void accept() override;

private:
    quint16 m_mode = 1;
    int m_dontShowAgain = 0;
    QLabel* m_first;
    QLabel* m_second;
    QLabel* m_cursorIcon;
    QLabel* m_questionIcon;
    QCheckBox* m_check;
};
