#pragma once

#include "core/forms/formdescription.h"

#include <QDialog>
#include <QVector>

class QToolButton;

// The chooser for a new form: a picture button per form and edition (CMR, the
// national note in its current and its 2007 edition, Kombi, forwarding order),
// "Vorhandenes Dokument öffnen..." and "Abbrechen". The result is the choice: 1
// to 4 for a form in the templates' order, 5 for the national note's 2007
// edition, 99 for opening a document.
class CDlgNeueDatei : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kNational2007 = 5;
    static constexpr int kOpenExisting = 99;

    explicit CDlgNeueDatei(QWidget* parent = nullptr);

    int Choice() const { return m_choice; }
    // The form and edition chosen; null for none or for opening a document.
    const Forms::FormDescription* ChosenForm() const;
    QToolButton* PictureButton(int choice) const;

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Takes the choice from the picture button that has the focus; without one
    // the dialog stays open.
    void OnOk();

    QList<QToolButton*> m_buttons; // in the order shown
    QVector<int> m_choices;        // the choice of each button
    QVector<const Forms::FormDescription*> m_forms;
    int m_choice = 0;
};
