#pragma once

#include <QDialog>

class QPushButton;

// The about box: program name and version, build date, the publishers whose
// sheets the program prints on, a notice, and buttons for the home page and
// the support information (they send their commands through `commands`).
class CDlgAbout : public QDialog
{
    Q_OBJECT

public:
    CDlgAbout(const QString& versionText, const QString& buildDate, QWidget* parent = nullptr);

    QPushButton* HomepageButton() const { return m_homepage; }
    QPushButton* SupportButton() const { return m_support; }

Q_SIGNALS:
    void HomepageRequested();
    void SupportInfoRequested();

private:
    QPushButton* m_homepage;
    QPushButton* m_support;
};
