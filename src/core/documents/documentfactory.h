#pragma once

#include "core/documents/krdocument.h"

#include <memory>

class CSettingsStore;

// A new, empty document (not yet reset: call OnNewDocument or OnOpenDocument):
// of the form type, in the edition a new note of it gets now, or of exactly the
// form and edition given.
std::unique_ptr<CKrDocument> CreateDocument(FormType type, CSettingsStore& settings);
std::unique_ptr<CKrDocument> CreateDocument(const Forms::FormDescription& form,
                                            CSettingsStore& settings);
