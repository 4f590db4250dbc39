#include "app/formname.h"

#include "app/doctemplates.h"

#include <QCoreApplication>

QString FormName(FormType type)
{
    // The templates mark their names for translation.
    return QCoreApplication::translate("FormName", DocTemplateFor(type).newFileName.data());
}
