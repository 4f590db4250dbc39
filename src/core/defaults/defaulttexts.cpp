#include "defaults/defaulttexts.h"

void FillDefaultTexts(FormType type, CFieldStore& store, const CSettingsStore& settings,
                      const QDate& today)
{
    Q_UNUSED(type);
    Q_UNUSED(store);
    Q_UNUSED(settings);
    Q_UNUSED(today);
}
