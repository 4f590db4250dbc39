#pragma once

class QWidget;

// After a document was opened: beeps and shows the message the document left
// for a file it could not take (wrong form, too old, too new). Nothing for 0.
void ShowLoadMessage(QWidget* parent, int loadError);
