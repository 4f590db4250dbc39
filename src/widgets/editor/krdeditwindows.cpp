#include "widgets/editor/krdeditwindows.h"

#include <QKeyEvent>
#include <QWheelEvent>

void CKRDFormEditWindow::keyPressEvent(QKeyEvent* event)
{
    CKrEditWindow::keyPressEvent(event);
    PassKeyToHost(event);
}

void CKRDFormEditWindow::wheelEvent(QWheelEvent* event)
{
    PassWheelToHost(event);
}
