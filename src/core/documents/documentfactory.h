#pragma once

#include "documents/krdocument.h"

#include <memory>

class CSettingsStore;

// A new, empty document of the form type (not yet reset: call OnNewDocument or
// OnOpenDocument).
std::unique_ptr<CKrDocument> CreateDocument(FormType type, CSettingsStore& settings);
