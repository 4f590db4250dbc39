#include "editor/krdeditwindows.h"

#include <QKeyEvent>
#include <QWheelEvent>

void CKRDEditWindow_CMR::keyPressEvent(QKeyEvent* event)
{
    CKrEditWindow::keyPressEvent(event);
    PassKeyToHost(event);
}

void CKRDEditWindow_CMR::wheelEvent(QWheelEvent* event)
{
    PassWheelToHost(event);
}

void CKRDEditWindow_NatFb::keyPressEvent(QKeyEvent* event)
{
    CKrEditWindow::keyPressEvent(event);
    PassKeyToHost(event);
}

void CKRDEditWindow_NatFb::wheelEvent(QWheelEvent* event)
{
    PassWheelToHost(event);
}

void CKRDEditWindow_NatIntFb::keyPressEvent(QKeyEvent* event)
{
    CKrEditWindow::keyPressEvent(event);
    PassKeyToHost(event);
}

void CKRDEditWindow_NatIntFb::wheelEvent(QWheelEvent* event)
{
    PassWheelToHost(event);
}

void CKRDEditWindow_Spedauf::keyPressEvent(QKeyEvent* event)
{
    CKrEditWindow::keyPressEvent(event);
    PassKeyToHost(event);
}

void CKRDEditWindow_Spedauf::wheelEvent(QWheelEvent* event)
{
    PassWheelToHost(event);
}
