#pragma once

#include <QPoint>
#include <QRect>

class QKeyEvent;
class QWheelEvent;

// What the box editor needs of the form view it lies on. The view implements it
// and hands itself to the editor; the view outlives its editor.
//
// Units: scroll positions and the visible rectangle are in device pixels; scroll
// steps are in the view's logical units (0.1 mm at its zoom, the units of its
// form tables), positive to the right and downwards.
class CKrEditHost
{
public:
    virtual ~CKrEditHost() = default;

    // Distance of the visible part from the top-left corner of the whole form.
    virtual QPoint ScrollPosition() const = 0;
    // The visible part of the view in global (screen) coordinates.
    virtual QRect VisibleScreenRect() const = 0;
    // Scrolls by a number of logical units. The editor, a child of the view's
    // visible area, must move with the form (QWidget::scroll moves children).
    virtual void ScrollByUnits(int dx, int dy) = 0;
    // Scrolls to the top of the form, keeping the horizontal position.
    virtual void ScrollToTop() = 0;

    // Keys and the mouse wheel the editor passes on after (keys) or instead of
    // (wheel) its own handling: page keys scroll the form, the arrow keys move
    // between table rows in some forms.
    virtual void EditorKeyPressed(QKeyEvent* event) = 0;
    virtual void EditorWheel(QWheelEvent* event) = 0;

    // Shows "Einfügen" or "Überschreiben" in the status bar by the editor's insert
    // mode (CKrEditWindow::InsertModeStatusText). The editor asks for it after
    // the insert-mode command; the Insert key leaves the status bar as it is.
    virtual void UpdateStatusText() = 0;

    // A command of the editor's own context-menu entries (AddContextMenuItem);
    // the view carries it out like a menu command.
    virtual void EditorCommand(int id) = 0;
};
