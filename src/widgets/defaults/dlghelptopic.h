#pragma once

class CKRDWinAppEx;

// The help topic of a dialog: set while the dialog is open, the previous one back
// when it closes (Restore) or at the latest when this object goes. Outside the
// program's own application object (a test's plain QApplication) it does nothing.
class CDlgHelpTopic
{
public:
    explicit CDlgHelpTopic(int id);
    ~CDlgHelpTopic() { Restore(); }
    CDlgHelpTopic(const CDlgHelpTopic&) = delete;
    CDlgHelpTopic& operator=(const CDlgHelpTopic&) = delete;

    void Restore();
    // The general help command: the topic current at this moment.
    static void ShowCurrentTopic();

private:
    CKRDWinAppEx* m_app;
    int m_saved = 0;
    bool m_restored = false;
};
