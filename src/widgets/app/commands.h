#pragma once

#include <QKeySequence>
#include <QList>
#include <QString>

class QAction;
class QIcon;
class QObject;

// What every command looks like: its menu text (with & mnemonic), its keys and
// its toolbar picture.
struct CommandInfo
{
    int id;
    const char* text; // German, marked for translation in context "Commands"
    QList<QKeySequence> shortcuts;
    const char* themeIcon; // freedesktop icon name, or nullptr
    const char* glyph;     // drawn when the theme has no icon, or nullptr
};

const CommandInfo* FindCommand(int id);
const QList<CommandInfo>& AllCommands();
// The menu text in the program's language; empty for a command that has none.
QString CommandText(const CommandInfo& info);

// A menu or toolbar layout: command ids, 0 for a separator.
struct MenuLayout
{
    const char* title; // German, marked like the command texts
    QList<int> ids;

    QString Title() const;
};

// The main menus while no document is open (resource 128) and while a document
// of the given template is active (130 to 133); the context menus 118 (CMR) and
// 119 (the other forms); the toolbar.
QList<MenuLayout> MainMenus(int resourceId);
MenuLayout ContextMenu(int resourceId);
QList<int> ToolbarLayout();

// The toolbar picture of a command: the theme's icon, else a small drawn one in
// the colours of the application's palette at this moment.
QIcon CommandIcon(const CommandInfo& info);
// A picture drawn in code for the commands that have one; null otherwise.
QIcon DrawnCommandIcon(int id);
