#pragma once

#include "views/formtype.h"

#include <QDate>

class CFieldStore;
class CSettingsStore;

// Writes the default texts of a new or reset document of the given form into its
// store: the texts kept in the form's settings section and, when the automatic
// date is on, the place and date of issue.
void FillDefaultTexts(FormType type, CFieldStore& store, const CSettingsStore& settings,
                      const QDate& today);
