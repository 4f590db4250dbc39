#pragma once

#include <QDialog>

#include <array>

class QRadioButton;

// The display size dialog (command 32873 "An&zeigegröße"): seven choices, the
// screen's own scale or 100 to 150 per cent. It only chooses; the caller asks,
// stores and restarts the program (CTarvelomarkApp).
class Common_DlgSetDisplaySizeFactor : public QDialog
{
    Q_OBJECT

public:
    // `formScaling` is the stored "FormScaling"; `screenScale` the screen's scale
    // in per cent (100 x logical dots per inch / 96).
    Common_DlgSetDisplaySizeFactor(int formScaling, int screenScale, QWidget* parent = nullptr);

    // 0 for the screen's scale, else the chosen percentage.
    int SelectedScaling() const;
    QRadioButton* Choice(int index) const { return m_choices[size_t(index)]; }

    // What the caller asks before it closes the program for the new size.
    static QString RestartQuestion();

    // The screen's scale of the screen `widget` is on (or the primary screen).
    static int ScreenScale(const QWidget* widget);

private:
    std::array<QRadioButton*, 7> m_choices{};
};
