#pragma once

#include "editor/kreditwindow.h"

// The box editor as the form views use it: it passes every key on to its view
// after the editor's own handling (the view scrolls with the page keys and, in
// the forms with tables, moves between rows with the arrow keys) and hands the
// mouse wheel to its view instead of scrolling the box text.
class CKRDFormEditWindow : public CKrEditWindow
{
    Q_OBJECT

public:
    using CKrEditWindow::CKrEditWindow;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
};

// One editor class per form, so that each view owns the editor of its own form.
class CKRDEditWindow_CMR : public CKRDFormEditWindow
{
    Q_OBJECT

public:
    using CKRDFormEditWindow::CKRDFormEditWindow;
};

class CKRDEditWindow_NatFb : public CKRDFormEditWindow
{
    Q_OBJECT

public:
    using CKRDFormEditWindow::CKRDFormEditWindow;
};

class CKRDEditWindow_NatIntFb : public CKRDFormEditWindow
{
    Q_OBJECT

public:
    using CKRDFormEditWindow::CKRDFormEditWindow;
};

class CKRDEditWindow_Spedauf : public CKRDFormEditWindow
{
    Q_OBJECT

public:
    using CKRDFormEditWindow::CKRDFormEditWindow;
};
