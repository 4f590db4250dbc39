#pragma once

#include "views/formtype.h"

#include <QDate>

class CFieldStore;
class CSettingsStore;

// Writes the default texts of a new or reset document of the given form into
// page 1 of its store, reading every key afresh from the form's settings section:
//
//   CMR         box 0 "Feld1", 5 "Feld16", 124 "Feld22", 125 "Feld23"; with the
//               automatic date, 123 the date and 122 "Stadt" as stored (empty too)
//   national    box 0 "FeldA", 2..4 "FeldB1".."FeldB3"; with the automatic date,
//               box L holds "place - date", or the date alone when the trimmed
//               place is empty. Box L is 48 in the 2009 edition and 47 in the 2007
//               one, told apart by the store's box count (126 in 2007)
//   Kombi       box 0 "FeldA", 2..5 "Feld2A".."Feld2D"; with the automatic date,
//               44 the trimmed place unless it is empty, and 45 the date
//   forwarding  box 2 "Feld1"; no automatic date
//
// The automatic date ("AutoDatum", default on) is today in the section's
// "Datumformat" (default 2: "05. März 2024"). Boxes not named keep their text;
// texts are set as they are, and a box the store lacks is skipped. The
// documents' own words (box E of the national form, the Kombi terms) are the
// documents' business.
void FillDefaultTexts(FormType type, CFieldStore& store, const CSettingsStore& settings,
                      const QDate& today);

// Writes the automatic date afresh into its box, as a new document receives it,
// and nothing else: CMR box 123, national box L ("place - date"), Kombi box 45;
// nothing for the forwarding order or while the automatic date is off.
void ApplyAutomaticDate(FormType type, CFieldStore& store, const CSettingsStore& settings,
                        const QDate& today);
