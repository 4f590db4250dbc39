#include "views/formdefinition.h"

#include "editor/fieldstore.h"
#include "settings/settingsstore.h"

NationalEdition GetNationalEdition(const CSettingsStore& settings)
{
    const int version =
        settings.Get(GetFormTypeInfo(FormType::National).section, Settings::NatVersion);
    return version == 2009 ? NationalEdition::Edition2009 : NationalEdition::Edition2007;
}

FormDefinition GetFormDefinition(FormType type, const CSettingsStore& settings)
{
    switch (type) {
    case FormType::Cmr:
        return GetCmrFormDefinition();
    case FormType::National:
        return GetNationalFormDefinition(GetNationalEdition(settings));
    case FormType::Kombi:
        return GetKombiFormDefinition();
    case FormType::Forwarding:
        return GetForwardingFormDefinition();
    }
    return GetCmrFormDefinition();
}

void ApplyFormDefinition(CFieldStore& store, const FormDefinition& definition)
{
    store.DefineFields(definition.fieldCount, definition.followCount, true);
    for (quint16 i = 0; i < definition.fieldCount; ++i) {
        store.SetFieldText(i, QString(), 1);
        const quint16 align = i < definition.alignment.size() ? definition.alignment[i] : 0;
        store.SetFieldFormat(i, 1, quint16(definition.fontSizeStep | (align << 8)));
    }
    for (quint16 i = 0; i < definition.followCount; ++i) {
        store.SetFieldText(i, QString(), 2);
        store.SetFieldFormat(i, 2, definition.fontSizeStep);
    }
}
