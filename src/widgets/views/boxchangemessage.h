#pragma once

#include "core/forms/boxchange.h"

#include <QString>

// The status-bar sentence for what a form's formatting changed in a box, e.g.
// `Feld 24 Zeile 2: "abc" ist keine Zahl und wurde entfernt.` Texts are shown
// on one line and cut short with an ellipsis when long. Empty for Kind::None.
QString BoxChangeMessage(const Forms::BoxChange& change);
