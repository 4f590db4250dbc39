#pragma once

#include <QDialog>

class QToolButton;

// The chooser for a new form: four picture buttons (CMR, national, Kombi,
// forwarding order), "Vorhandenes Dokument öffnen..." and "Abbrechen".
// The result is the choice: 1 to 4 for a form, 99 for opening a document.
class CDlgNeueDatei : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kOpenExisting = 99;

    explicit CDlgNeueDatei(QWidget* parent = nullptr);

    int Choice() const { return m_choice; }
    QToolButton* PictureButton(int choice) const { return m_buttons.value(choice - 1); }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    // Takes the choice from the picture button that has the focus; without one
    // the dialog stays open.
    void OnOk();

    QList<QToolButton*> m_buttons;
    int m_choice = 0;
};
