#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: pages in the program's resources, one per topic id (100
// general, 101 about, 102 margins, 103 printing, 104 opening files, 107 default
// texts, 108 addresses, 109 printer font sizes), German in ":/help/" and each
// translation in a folder of its own that the catalogue names (English
// ":/help/en/"). A page the translation lacks is shown in German. One window is
// shared; showing a topic brings it to the front.
//
// Ownership: the window belongs to the window it was shown for (`owner`: the
// modal dialog whose help button was pressed, else the main window), so that it
// stays in front of it and takes input while that dialog blocks the rest of the
// program. When its owner is hidden (a dialog closes) it passes to the window
// below (the owner's parent) and stays open; when the last of them goes (the
// main window closes) it closes with it. It never keeps the program running.
class CHelpWindow : public QDialog
{
    Q_OBJECT

public:
    static CHelpWindow* Show(int topicId, QWidget* owner = nullptr);
    void ShowTopic(int topicId);
    int Topic() const { return m_topic; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    explicit CHelpWindow(QWidget* owner);
    void SetOwner(QWidget* owner);
    static QString LanguageFolder();

    QTextBrowser* m_browser;
    int m_topic = 0;
};

// Makes the resources of the widgets library available; call once in main()
// and in test set-up, since the library is linked statically.
void InitWidgetResources();
