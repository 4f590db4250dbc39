#pragma once

#include <QDialog>

class QTextBrowser;

// The program's help: German pages in the program's resources, one per topic id
// (100 general, 101 about, 102 margins, 103 printing, 104 opening files, 107
// default texts, 108 addresses, 109 printer font sizes). One window is shared;
// showing a topic brings it to the front.
class CHelpWindow : public QDialog
{
    Q_OBJECT

public:
    static CHelpWindow* Show(int topicId);
    void ShowTopic(int topicId);
    int Topic() const { return m_topic; }

private:
    explicit CHelpWindow(QWidget* parent = nullptr);
    QTextBrowser* m_browser;
    int m_topic = 0;
};

// Makes the resources of the widgets library available; call once in main()
// and in test set-up, since the library is linked statically.
void InitWidgetResources();
