#pragma once

#include "app/commandtarget.h"

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
};
