#pragma once

#include "core/forms/formdescription.h"

#include <functional>

class CSettingsStore;
class QWidget;

// The margin command of a form view: shows the margin dialog of the form with
// the shifts stored in its section (a front and a back page for a two-page form,
// one otherwise) and, only when the user presses OK, stores the shifts and the
// "do not show before printing" flag. Returns whether OK was pressed. The margin
// help topic is the program's while the dialog is open; showHelp, when given,
// receives the help context id of the dialog's help button.
bool EditPrintMargins(CSettingsStore& settings, const Forms::FormDescription& form, QWidget* parent,
                      const std::function<void(int)>& showHelp = {});
