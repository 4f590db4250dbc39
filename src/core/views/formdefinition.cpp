#include "views/formdefinition.h"

#include "editor/fieldstore.h"

FormDefinition GetFormDefinition(FormType type, const CSettingsStore& settings)
{
    Q_UNUSED(settings);
    switch (type) {
    case FormType::Cmr:
        return GetCmrFormDefinition();
    case FormType::National:
    case FormType::Kombi:
    case FormType::Forwarding:
        break;
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
