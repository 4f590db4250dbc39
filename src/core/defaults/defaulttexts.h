#pragma once

#include "core/forms/formdescription.h"

#include <QDate>

class CFieldStore;
class CSettingsStore;

// Writes the default texts of a new or reset document of the given form into
// page 1 of its store, reading every key afresh from the form's settings section:
// the boxes' default texts (BoxRecord::defaultText) and, with the automatic
// date, the date and the place of issue ("Stadt") where the form's boxes keep
// them (BoxRecord::fill).
//
// The automatic date ("AutoDatum", default on) is today in the section's
// "Datumformat" (default 2: "05. März 2024"). Boxes not named keep their text;
// texts are set as they are, and a box the store lacks is skipped. The
// documents' own words (box E of the national form, the Kombi terms) are the
// documents' business.
void FillDefaultTexts(const Forms::FormDescription& form, CFieldStore& store,
                      const CSettingsStore& settings, const QDate& today);

// Writes the automatic date afresh into its box, as a new document receives it,
// and nothing else (the national note's "place - date" included); nothing for a
// form without a date box or while the automatic date is off.
void ApplyAutomaticDate(const Forms::FormDescription& form, CFieldStore& store,
                        const CSettingsStore& settings, const QDate& today);
