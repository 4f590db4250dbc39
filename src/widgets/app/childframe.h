#pragma once

#include "widgets/app/commandtarget.h"

#include <QMdiSubWindow>

#include <memory>

class CFormView;
class CKrDocument;
class CMainFrame;

// One document window: it owns the document and shows its view (which is
// destroyed with the window, before the document). Carries out the commands the
// framework gives the document: close and save under a new name; asks whether
// to save a modified document when it closes.
class CChildFrame : public QMdiSubWindow, public CCommandTarget
{
    Q_OBJECT

public:
    // Takes ownership of both; the view's widget becomes the window's widget.
    CChildFrame(std::unique_ptr<CKrDocument> document, CFormView* view, int menuResource,
                CMainFrame& frame);
    ~CChildFrame() override;

    CKrDocument& Document() const { return *m_document; }
    CFormView& View() const { return *m_view; }
    int MenuResource() const { return m_menuResource; }

    // Saves under the document's path, or asks for one; false when cancelled or
    // failed (the failure is shown).
    bool DoFileSave();
    bool DoFileSaveAs();
    // Title and modified mark of the tab from the document.
    void SyncTitle();
    // Asks whether to save a modified document (and saves it); false when the
    // user cancels or saving fails. After true the window closes without asking
    // again, so that the program can ask every window before it closes any.
    bool QueryClose();
    void SetCloseConfirmed() { m_closeConfirmed = true; }
    // The window has agreed to close and is on its way out; it no longer counts
    // as the active document.
    bool IsClosing() const { return m_closing; }

    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

Q_SIGNALS:
    void documentSaved(const QString& path);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    bool SaveTo(const QString& path);

    std::unique_ptr<CKrDocument> m_document;
    CFormView* m_view;
    int m_menuResource;
    CMainFrame& m_frame;
    bool m_closeConfirmed = false;
    bool m_closing = false;
};
