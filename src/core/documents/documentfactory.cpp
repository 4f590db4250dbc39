#include "documents/documentfactory.h"

#include "documents/cmrdoc.h"

std::unique_ptr<CKrDocument> CreateDocument(FormType type, CSettingsStore& settings)
{
    switch (type) {
    case FormType::Cmr:
    case FormType::National:
    case FormType::Kombi:
    case FormType::Forwarding:
        break;
    }
    return std::make_unique<CCMRDoc>(settings);
}
