#pragma once

#include "core/forms/formtype.h"

class CSettingsStore;
class QWidget;

// Runs the default-texts dialog of a form type ("Formular&vorgaben...", F8 in a
// form window, and the three entries of the main window's options menu) modally.
// True when the user confirmed with OK; only then has anything been written.
// Views re-read what they take from their section afterwards in either case.
bool EditFormDefaults(FormType type, CSettingsStore& settings, QWidget* parent);
