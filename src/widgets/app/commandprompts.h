#pragma once

#include <QString>

// What the program says about a command while a menu entry is highlighted or the
// pointer rests on a toolbar button: the prompt in the status bar's first pane
// and the short tool tip. Both empty for a command without a text of its own
// (the tool tip is then the menu text).
struct CommandPrompt
{
    QString status;
    QString toolTip;
};

CommandPrompt CommandPromptFor(int id);
