#include "documents/documentfactory.h"

#include "documents/cmrdoc.h"
#include "documents/natdoc.h"
#include "documents/natintdoc.h"
#include "documents/spedauftragdoc.h"

std::unique_ptr<CKrDocument> CreateDocument(FormType type, CSettingsStore& settings)
{
    switch (type) {
    case FormType::Cmr:
        break;
    case FormType::National:
        return std::make_unique<CFrachtbriefNatDoc>(settings);
    case FormType::Kombi:
        return std::make_unique<CFrachtbriefNatIntDoc>(settings);
    case FormType::Forwarding:
        return std::make_unique<CSpeditionsauftragDoc>(settings);
    }
    return std::make_unique<CCMRDoc>(settings);
}
