#pragma once

#include <QWidget>

class QCheckBox;
class QLocale;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QToolButton;

// Shifts of a printout, as the margin dialogs edit them. Values are whole tenths of a
// millimetre (the unit the settings keep), right and down positive; the dialogs show
// them in millimetres. Keeping tenths avoids the drift a float in millimetres gives
// when a value like 0.7 mm is opened and stored again.
namespace Margins {

inline constexpr int kStep = 5;    // 0.5 mm
inline constexpr int kLimit = 200; // 20 mm either way

// What a step button does at the limit. The single dialog refuses a step that would
// start at or beyond the limit; a sheet page pulls such a value back onto the limit.
enum class LimitRule { StopAtLimit, ClampToLimit };

// One step of +kStep (direction > 0) or -kStep (direction < 0).
int Step(int value, int direction, LimitRule rule);

// "1.5 mm nach rechts", "unverändert", in the program's language: the margin
// dialogs write the number with a decimal point. With `numbers`, in that
// locale's way ("1,5 mm nach rechts").
QString HorizontalText(int tenths, const QLocale* numbers = nullptr);
QString VerticalText(int tenths, const QLocale* numbers = nullptr);

// A tool tip with a bold title line, as the dialogs show for every control.
QString ToolTip(const QString& title, const QString& text);
// The tool tips of the OK, cancel and help buttons of a margin dialog.
void SetButtonToolTips(QDialogButtonBox* buttons);

} // namespace Margins

// The controls both margin dialogs share: the explanation, the four step buttons, the
// two value texts and the "do not show" check box.
class CMarginPanel : public QWidget
{
    Q_OBJECT

public:
    explicit CMarginPanel(Margins::LimitRule rule, QWidget* parent = nullptr);

    void SetShift(int horizontal, int vertical);
    int Horizontal() const { return m_horizontal; }
    int Vertical() const { return m_vertical; }

    bool DoNotShow() const;
    void SetDoNotShow(bool doNotShow);

Q_SIGNALS:
    void Stepped();

private:
    void StepHorizontal(int direction);
    void StepVertical(int direction);
    void UpdateTexts();
    // A button that shows only an arrow; `spoken` is what assistive technology
    // calls it, the tip its description.
    QToolButton* MakeStepButton(const char* name, Qt::ArrowType arrow, const QString& title,
                                const QString& tip, const QString& spoken);

    Margins::LimitRule m_rule;
    int m_horizontal = 0;
    int m_vertical = 0;
    QLineEdit* m_horizontalText;
    QLineEdit* m_verticalText;
    QCheckBox* m_doNotShow;
};
