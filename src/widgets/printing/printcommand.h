#pragma once

#include "core/forms/formtype.h"
#include "render/printing/wholenote.h"

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
// then the whole command again, margin dialog included. Its "Seitenansicht"
// button shows the preview of the dialog's choices, from which the user may
// print at once. When the user chooses plain paper, the whole form is printed
// instead (PrintWholeFormOnPrinter); the pre-printed job is not touched. A
// failing job is told in a message box. Printing never touches a view's zoom:
// the print tables are real size. `page` is the page the dialog offers first.
bool RunPrintCommand(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent, int page = 1);

// The print preview command of a form view: the form's remembered printer is
// selected as for printing, then the preview (CDlgSeitenansicht) shows the
// pages on the paper the print dialog last chose, starting at `page`. When the
// user prints from there, the print command follows with that page. True when a
// job was sent; false without one.
bool RunPrintPreview(CKrDocument& document, CSettingsStore& settings, CMainFrame& frame,
                     QWidget* parent, int page = 1);

// The print setup command of a form view: the printer dialog of the program's
// current printer; afterwards the form forgets its remembered printer, whether
// the dialog was confirmed or not.
void RunPrintSetup(FormType type, CSettingsStore& settings, CMainFrame& frame, QWidget* parent);

// The printing half, without any dialog or message box: selects the form's
// remembered printer ("Drucker", when "ReUseDrucker" is 1) through the frame,
// which tells the user when that printer no longer exists and keeps the current
// one, then prints onto the frame's current printer. For scripted printing.
Error PrintWithRememberedPrinter(const CKrDocument& document, CSettingsStore& settings,
                                 CMainFrame& frame, int page, int copies);

// Selects the form's remembered printer, if any, as the print command does
// before its dialog.
void SelectRememberedPrinter(FormType type, CSettingsStore& settings, CMainFrame& frame);

// Prints `copies` pages of page `page` (1 front, 2 back) onto a ready printer
// as one job, set up by PrepareSheetPrinter. The error when the form cannot be
// printed or the job fails (PrintJobFailed).
Error PrintOnPrinter(QPrinter& printer, const CKrDocument& document, CSettingsStore& settings,
                     int page, int copies);

// Page `page` of the whole form onto plain paper, once per planned copy, as
// "Als PDF speichern..." draws it: from the corner of the paper (full-page
// mode), so that the form lies on the sheet as on the PDF page and only what a
// printer cannot reach at the very edge is lost. Otherwise as PrintOnPrinter.
Error PrintWholeFormOnPrinter(QPrinter& printer, const CKrDocument& document,
                              CSettingsStore& settings, int page, const CopyPlan& copies);

// Sets a printer up as the jobs above do, for pre-printed sheets or, with
// `wholeForm`, for plain paper: one copy of the printer's own, the drawing from
// the corner of the printable area with the least margins the printer allows,
// or from the corner of the paper.
void PrepareSheetPrinter(QPrinter& printer, bool wholeForm);
