#pragma once

class CKRDWinAppEx;

// The application's help topic while a dialog with a topic of its own is open:
// set on construction, the previous one back on Restore() or at the latest when
// this object goes. Outside the program's own application object (a test's
// plain QApplication) it does nothing.
class CHelpTopicScope
{
public:
    explicit CHelpTopicScope(int id);
    ~CHelpTopicScope() { Restore(); }
    CHelpTopicScope(const CHelpTopicScope&) = delete;
    CHelpTopicScope& operator=(const CHelpTopicScope&) = delete;

    void Restore();
    // The general help command: the topic current at this moment.
    static void ShowCurrentTopic();
    // A topic of its own, e.g. for a dialog's help button.
    static void ShowTopic(int id);

private:
    CKRDWinAppEx* m_app;
    int m_saved = 0;
    bool m_restored = false;
};
