#pragma once

#include "core/update/updateindex.h"
#include "widgets/update/updatequery.h"

#include <QDialog>

#include <functional>

class QLabel;
class QPushButton;
class QUrl;

// Opens an address in the user's web browser; false when no browser could be
// started. The program uses QDesktopServices; tests put in their own.
using BrowserOpener = std::function<bool(const QUrl&)>;

// The message when no web browser could be started.
QString NoBrowserText();
// A configured web address ("UpdateServer", "Homepage") that is not one.
QString InvalidWebAddressText(const char* key, const QString& value);

struct WebUpdateSetup
{
    QString programName = QStringLiteral("Tarvelomark");
    ProgramVersion installed;
    QString updateServer; // as configured; checked when used
    QString homePage;     // as configured; checked when used
    QString pageFolder;   // where "Update.html" goes; empty: the current folder
    BrowserOpener openBrowser;
};

// "KRD WebUpdate": asks the update server whether a newer version exists and,
// when one does, writes a download page and opens it in the browser.
//
// "Updateinformationen vom Internet laden" runs the query; while it runs the
// wait cursor shows and the button is off. The status line then tells the
// result. A network failure is shown in a message box with the system's text
// and leaves the dialog as it was. When the index offers another version the
// query button is switched off and "Download..." (the OK button) on.
// "Download..." writes "Update.html" into the page folder (whole or not at all),
// opens it and closes the dialog; a page that cannot be written, or a download
// path that does not lead to the update server, is reported and the dialog
// stays open. Closing the dialog ends a running query.
class Common_DlgWebUpdateD : public QDialog
{
    Q_OBJECT

public:
    explicit Common_DlgWebUpdateD(WebUpdateSetup setup, QWidget* parent = nullptr);
    ~Common_DlgWebUpdateD() override;

    // The entry of the last query: "@" before a query and when none was found.
    const UpdateIndexEntry& Entry() const { return m_entry; }
    QString PagePath() const;
    CUpdateIndexQuery& Query() { return m_query; }

    void OnQuery();
    void accept() override; // "Download..."
    void done(int result) override;

private:
    void OnAnswer(const CUpdateIndexQuery::Answer& answer);
    void SetWaiting(bool waiting);
    void ShowError(const QString& text);

    WebUpdateSetup m_setup;
    UpdateIndexEntry m_entry;
    CUpdateIndexQuery m_query;
    bool m_waiting = false;
    QLabel* m_programName;
    QLabel* m_version;
    QLabel* m_status;
    QPushButton* m_queryButton;
    QPushButton* m_download;
};
