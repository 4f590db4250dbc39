#pragma once

class CKrDocument;
class CSettingsStore;
class QWidget;

// "Als PDF speichern..." of a form view: the options dialog (CDlgPdfSpeichern),
// then the file dialog, which proposes the document's name with ".pdf" beside
// the document (in the documents folder for a new one), then the whole form
// written as a PDF in one piece (SaveWholeNotePdf). The view has committed the
// box being edited before. A failure is told in a message box and leaves any
// file that was there as it was. True when a file was written; false when the
// user cancelled or writing failed.
bool RunSaveAsPdf(const CKrDocument& document, CSettingsStore& settings, QWidget* parent);
