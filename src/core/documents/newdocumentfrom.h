#pragma once

#include "core/documents/krdocument.h"

#include <QDate>

#include <memory>

class CSettingsStore;

// "Neu aus diesem Dokument": a new, untitled document of the original's form
// that carries everything the original's file would carry (the text and format
// of every box on every page, the field counts and the check-box word), with
// the automatic date written afresh for `today` (see ApplyAutomaticDate). The
// copy has no path, the title of a new document and counts as modified, since
// it holds what nobody has saved yet.
//
// The original is only read; the caller commits the box being edited in it
// first (the view's CommitCurrentField).
std::unique_ptr<CKrDocument> NewDocumentFrom(const CKrDocument& original, CSettingsStore& settings,
                                             const QDate& today = QDate::currentDate());
