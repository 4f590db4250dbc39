#pragma once

#include "widgets/editor/kreditwindow.h"

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
