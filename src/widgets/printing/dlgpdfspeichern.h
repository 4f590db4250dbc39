#pragma once

#include "core/forms/formdescription.h"
#include "render/printing/wholenote.h"

#include <QDialog>

class CSettingsStore;
class QCheckBox;
class QComboBox;
class QRadioButton;
class QSpinBox;

// The options of "Als PDF speichern...": the pages of the form (all, or one)
// and the copies: a number of plain copies or, for a form that has them, its
// labelled originals, the optional ones only on request. It writes no file.
//
// The choices start from the form's section ("PdfSeiten", "PdfAnzahl",
// "PdfBeschriftet") and are stored there on OK only.
//
// Ownership: the settings store outlives the dialog; the description is static.
class CDlgPdfSpeichern : public QDialog
{
    Q_OBJECT

public:
    CDlgPdfSpeichern(const Forms::FormDescription& form, CSettingsStore& settings,
                     QWidget* parent = nullptr);

    // What to write, as the controls stand.
    WholeNoteJob Job() const;

    void accept() override;

private:
    void BuildControls();
    void UpdateControls();

    const Forms::FormDescription& m_form;
    CSettingsStore& m_settings;
    QString m_section;

    QComboBox* m_pages = nullptr;
    QRadioButton* m_plain = nullptr;
    QSpinBox* m_count = nullptr;
    QRadioButton* m_labelled = nullptr;
    QCheckBox* m_optional = nullptr;
};
