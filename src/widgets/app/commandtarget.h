#pragma once

#include <QString>

// How a command looks in menus and on the toolbar at this moment.
struct CommandState
{
    bool enabled = true;
    bool checked = false;
    QString text; // empty: keep the menu's own text
};

// Something that carries out commands: a form view, the main window, the
// application. Commands go to the active view first, then to the main window and
// the application; the first target that knows a command handles it.
class CCommandTarget
{
public:
    virtual ~CCommandTarget() = default;
    // True when the command was handled (or belongs to this target).
    virtual bool OnCommand(int id) = 0;
    // True when the target knows the command; it may then change the state.
    virtual bool OnUpdateCommand(int id, CommandState& state) = 0;
};
