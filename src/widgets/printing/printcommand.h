#pragma once

#include "views/formtype.h"

#include <QString>

class CKrDocument;
class CMainFrame;
class CSettingsStore;
class QPrinter;
class QWidget;

// The print command of a form view, from the margin dialog to the last copy:
// the margin dialog unless it is switched off, the form's remembered printer,
// the print dialog (pages, copies), then one page per copy in one job with the
// publisher's print rectangles, the margins, the printer font factor and the
// print-area correction. The view has committed the box being edited before and
// redraws itself afterwards. True when a job was sent.
//
// The "Druckereinrichtung" button of the print dialog runs RunPrintSetup and
// then the whole command again, margin dialog included. A failing job is told
// in a message box. Printing never touches a view's zoom: the print tables are
// real size.
bool RunPrintCommand(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent);

// The print setup command of a form view: the printer dialog of the program's
// current printer; afterwards the form forgets its remembered printer, whether
// the dialog was confirmed or not.
void RunPrintSetup(FormType type, CSettingsStore& settings, CMainFrame& frame, QWidget* parent);

// The printing half, without any dialog or message box: selects the form's
// remembered printer ("Drucker", when "ReUseDrucker" is 1) through the frame,
// which tells the user when that printer no longer exists and keeps the current
// one, then prints onto the frame's current printer. For scripted printing.
bool PrintWithRememberedPrinter(const CKrDocument& document, CSettingsStore& settings,
                                CMainFrame& frame, int page, int copies, QString* error);

// Selects the form's remembered printer, if any, as the print command does
// before its dialog.
void SelectRememberedPrinter(FormType type, CSettingsStore& settings, CMainFrame& frame);

// Prints `copies` pages of page `page` (1 front, 2 back) onto a ready printer
// as one job. Each copy is a page of its own, so the printer's own copy count
// is set to 1. Drawing starts at the corner of the printable area: the
// printer's margins are set to the least it can print with (none for a PDF).
// False with a German message when the form cannot be printed or the job fails.
bool PrintOnPrinter(QPrinter& printer, const CKrDocument& document, CSettingsStore& settings,
                    int page, int copies, QString* error);
