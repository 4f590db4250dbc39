#pragma once

#include "core/forms/formtype.h"

#include <QString>

// The one name of each form wherever the program shows it: in menus, window and
// dialog titles, the new-file chooser and messages ("Kombi-Frachtbrief"). It is
// the name of the form's document template in the new-file list. The captions
// printed on the forms themselves are the form's and stay as they are.
QString FormName(FormType type);
