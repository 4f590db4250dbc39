#include "widgets/views/loadmessage.h"

#include "core/documents/loadmessages.h"

#include <QApplication>
#include <QMessageBox>

void ShowLoadMessage(QWidget* parent, int loadError)
{
    const QString text = LoadMessageText(loadError);
    if (text.isEmpty())
        return;
    QApplication::beep();
    QMessageBox::critical(parent, QStringLiteral("Tarvelomark"), text);
}
