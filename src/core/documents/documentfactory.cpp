#include "core/documents/documentfactory.h"

#include "core/documents/cmrdoc.h"
#include "core/documents/natdoc.h"
#include "core/documents/natintdoc.h"
#include "core/documents/spedauftragdoc.h"

namespace {

template <typename Doc>
std::unique_ptr<CKrDocument> Make(const Forms::FormDescription&, CSettingsStore& settings)
{
    return std::make_unique<Doc>(settings);
}

std::unique_ptr<CKrDocument> MakeNational(const Forms::FormDescription& form,
                                          CSettingsStore& settings)
{
    return std::make_unique<CFrachtbriefNatDoc>(settings, NationalLayout::EditionOf(form));
}

// The document class of each form: its file format.
const struct
{
    FormType type;
    std::unique_ptr<CKrDocument> (*make)(const Forms::FormDescription&, CSettingsStore&);
} kDocuments[] = {
    {FormType::Cmr, &Make<CCMRDoc>},
    {FormType::National, &MakeNational},
    {FormType::Kombi, &Make<CFrachtbriefNatIntDoc>},
    {FormType::Forwarding, &Make<CSpeditionsauftragDoc>},
};

} // namespace

std::unique_ptr<CKrDocument> CreateDocument(FormType type, CSettingsStore& settings)
{
    return CreateDocument(Forms::DescriptionForNew(type, settings), settings);
}

std::unique_ptr<CKrDocument> CreateDocument(const Forms::FormDescription& form,
                                            CSettingsStore& settings)
{
    for (const auto& document : kDocuments)
        if (document.type == form.type)
            return document.make(form, settings);
    return std::make_unique<CCMRDoc>(settings);
}
