#include "widgets/views/loadmessage.h"

#include "core/errors/errortext.h"
#include "core/errors/messageids.h"

#include <QApplication>
#include <QMessageBox>

void ShowLoadMessage(QWidget* parent, int loadError)
{
    const QString text = ErrorMessage(LoadMessageError(loadError));
    if (text.isEmpty())
        return;
    QApplication::beep();
    QMessageBox::critical(parent, QStringLiteral("Tarvelomark"), text);
}
