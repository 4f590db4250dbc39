#pragma once

#include "widgets/app/commandtarget.h"

#include <QString>

#include <functional>
#include <optional>

class QWidget;

// What the program needs of a form view besides its widget: the commands of the
// "Bearbeiten" menu and friends, and the first update after the document was
// loaded (where a view shows the document's load message).
//
// A view is created for one document and lives as long as the document window;
// the document outlives the view.
class CFormView : public CCommandTarget
{
public:
    virtual QWidget* Widget() = 0;
    virtual void OnInitialUpdate() = 0;
    // Moves the text being typed into the document's store (before saving).
    virtual void CommitCurrentField() = 0;
    // Shows the view's editing state in the main frame's insert pane when the
    // view becomes the active one; a view without an editor shows nothing.
    virtual void UpdateStatusText() {}
    // The view's window became the active one, or stopped being it (another
    // document came to the front, or the program lost the focus). What a view
    // keeps only for quick repaints is kept while it is active.
    virtual void OnActivateView(bool /*active*/) {}

    // The commands of other parts of the program that a view only starts: the
    // defaults dialog of its form (after which the view re-reads its settings)
    // and the address dialog, which answers the text taken over or nothing.
    // While a hook is not set its command is disabled.
    using FormDefaultsHook = std::function<void(QWidget* parent)>;
    using InsertAddressHook = std::function<std::optional<QString>(QWidget* parent)>;
    void SetFormDefaultsHook(FormDefaultsHook hook) { m_formDefaultsHook = std::move(hook); }
    void SetInsertAddressHook(InsertAddressHook hook) { m_insertAddressHook = std::move(hook); }

protected:
    FormDefaultsHook m_formDefaultsHook;
    InsertAddressHook m_insertAddressHook;
};
