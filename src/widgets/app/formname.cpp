#include "widgets/app/formname.h"

#include "core/app/doctemplates.h"

#include <QCoreApplication>

QString FormName(FormType type)
{
    // The templates mark their names for translation.
    return QCoreApplication::translate("FormName", DocTemplateFor(type).newFileName.data());
}
