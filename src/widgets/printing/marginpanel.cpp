#include "widgets/printing/marginpanel.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPainter>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace Margins {

int Step(int value, int direction, LimitRule rule)
{
    if (direction > 0) {
        if (value < kLimit)
            return value + kStep;
        return rule == LimitRule::ClampToLimit ? kLimit : value;
    }
    if (value > -kLimit)
        return value - kStep;
    return rule == LimitRule::ClampToLimit ? -kLimit : value;
}

namespace {

QString Millimetres(int tenths, const QLocale* numbers)
{
    const double millimetres = std::abs(tenths) / 10.0;
    // Without a locale always a decimal point, whatever the system's: the
    // texts are the program's own.
    return numbers ? numbers->toString(millimetres, 'f', 1)
                   : QString::asprintf("%2.1f", millimetres);
}

QString ShiftText(int tenths, UiLanguage language, const QLocale* numbers,
                  const BilingualText& positive, const BilingualText& negative)
{
    static constexpr BilingualText kUnchanged{"unver\u00e4ndert", "unchanged"};
    if (tenths == 0)
        return kUnchanged.In(language);
    QString text =
        (tenths > 0 ? positive : negative).In(language).arg(Millimetres(tenths, numbers));
    // Where the number is written as in running text, it also stays on one
    // line with its unit.
    if (numbers)
        text.replace(QLatin1String(" mm"), QStringLiteral("\u00a0mm"));
    return text;
}

} // namespace

QString HorizontalText(int tenths, UiLanguage language, const QLocale* numbers)
{
    return ShiftText(tenths, language, numbers, {"%1 mm nach rechts", "%1 mm to the right"},
                     {"%1 mm nach links", "%1 mm to the left"});
}

QString VerticalText(int tenths, UiLanguage language, const QLocale* numbers)
{
    return ShiftText(tenths, language, numbers, {"%1 mm nach unten", "%1 mm to bottom"},
                     {"%1 mm nach oben", "%1 mm to top"});
}

QString ToolTip(const BilingualText& title, const BilingualText& text, UiLanguage language)
{
    return QStringLiteral("<p style='white-space:pre'><b>%1</b><br>%2</p>")
        .arg(title.In(language).toHtmlEscaped(), text.In(language).toHtmlEscaped());
}

void SetButtonToolTips(QDialogButtonBox* buttons, UiLanguage language)
{
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
        ok->setToolTip(ToolTip(
            {"Schaltfl\u00e4che \"OK\"", "Button \"OK\""},
            {"Dialog beenden und alle Einstellungen sichern", "Close dialog and save all settings"},
            language));
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
        cancel->setToolTip(ToolTip({"Schaltfl\u00e4che \"Abbruch\"", "Button \"Abort\""},
                                   {"Abbruch des Dialogs, ohne die \u00c4nderungen zu sichern",
                                    "Close dialog without saving the settings"},
                                   language));
    if (QPushButton* help = buttons->button(QDialogButtonBox::Help))
        help->setToolTip(ToolTip({"Schaltfl\u00e4che \"Hilfe\"", "Button \"Help\""},
                                 {"Aufruf der On-Line Hilfe", "Calls the on-line help"}, language));
}

} // namespace Margins

namespace {

// A solid arrow, larger than the style's arrow buttons draw it, so that the step
// buttons read at a glance.
QIcon ArrowIcon(Qt::ArrowType arrow, const QPalette& palette)
{
    constexpr int kSize = 16;
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(palette.color(QPalette::ButtonText));
    QPolygonF shape;
    shape << QPointF(2, 4) << QPointF(14, 4) << QPointF(8, 12); // pointing down
    qreal angle = 0;
    switch (arrow) {
    case Qt::UpArrow:
        angle = 180;
        break;
    case Qt::LeftArrow:
        angle = 90;
        break;
    case Qt::RightArrow:
        angle = -90;
        break;
    default:
        break;
    }
    QTransform turn;
    turn.translate(kSize / 2.0, kSize / 2.0).rotate(angle).translate(-kSize / 2.0, -kSize / 2.0);
    p.drawPolygon(turn.map(shape));
    p.end();
    return QIcon(pixmap);
}

} // namespace

CMarginPanel::CMarginPanel(UiLanguage textLanguage, UiLanguage controlLanguage,
                           Margins::LimitRule rule, QWidget* parent)
    : QWidget(parent), m_textLanguage(textLanguage), m_rule(rule),
      m_horizontalText(new QLineEdit(this)), m_verticalText(new QLineEdit(this)),
      m_doNotShow(new QCheckBox(this))
{
    const UiLanguage lang = controlLanguage;

    auto* explanation = new QLabel(
        BilingualText{"Durch Verschieben der gedruckten Markierung (oben links) k\u00f6nnen Sie "
                      "den Text auf dem Formular positionieren.",
                      "With moving the printed angle (in the upper left) you can position the "
                      "text on the printout to be fit into the form."}
            .In(lang),
        this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    QToolButton* left = MakeStepButton("stepLeft", Qt::LeftArrow,
                                       {"Schaltfl\u00e4che \"links\"", "Button \"left\""},
                                       {"Verschiebt die Druckmarkierung 0,5mm nach links",
                                        "Moves the print mark 0,5mm to the left"},
                                       {"Nach links", "Left"});
    QToolButton* right = MakeStepButton("stepRight", Qt::RightArrow,
                                        {"Schaltfl\u00e4che \"rechts\"", "Button \"right\""},
                                        {"Verschiebt die Druckmarkierung 0,5mm nach rechts",
                                         "Moves the print mark 0,5mm to the right"},
                                        {"Nach rechts", "Right"});
    QToolButton* up = MakeStepButton(
        "stepUp", Qt::UpArrow, {"Schaltfl\u00e4che \"oben\"", "Button \"up\""},
        {"Verschiebt die Druckmarkierung 0,5mm nach oben", "Moves the print mark 0,5mm to the top"},
        {"Nach oben", "Up"});
    QToolButton* down = MakeStepButton("stepDown", Qt::DownArrow,
                                       {"Schaltfl\u00e4che \"unten\"", "Button \"down\""},
                                       {"Verschiebt die Druckmarkierung 0,5mm nach unten",
                                        "Moves the print mark 0,5mm to the bottom"},
                                       {"Nach unten", "Down"});
    connect(left, &QToolButton::clicked, this, [this] { StepHorizontal(-1); });
    connect(right, &QToolButton::clicked, this, [this] { StepHorizontal(+1); });
    connect(up, &QToolButton::clicked, this, [this] { StepVertical(-1); });
    connect(down, &QToolButton::clicked, this, [this] { StepVertical(+1); });

    static constexpr BilingualText kCurrentValue{"Aktueller Wert", "Actual value"};
    m_horizontalText->setObjectName(QStringLiteral("horizontalText"));
    m_horizontalText->setReadOnly(true);
    m_horizontalText->setFocusPolicy(Qt::ClickFocus);
    m_horizontalText->setToolTip(
        Margins::ToolTip(kCurrentValue,
                         {"Der linke Rand wird um diesen Wert ver\u00e4ndert",
                          "The left margin will be changed with this value"},
                         textLanguage));
    m_verticalText->setObjectName(QStringLiteral("verticalText"));
    m_verticalText->setReadOnly(true);
    m_verticalText->setFocusPolicy(Qt::ClickFocus);
    m_verticalText->setToolTip(
        Margins::ToolTip(kCurrentValue,
                         {"Der obere Rand wird um diesen Wert ver\u00e4ndert",
                          "The top margin will be changed with this value"},
                         textLanguage));
    // Wide enough for the longest text either language gives.
    const QFontMetrics metrics = m_horizontalText->fontMetrics();
    const int textWidth =
        std::max(
            metrics.horizontalAdvance(Margins::HorizontalText(Margins::kLimit, UiLanguage::German)),
            metrics.horizontalAdvance(
                Margins::HorizontalText(Margins::kLimit, UiLanguage::English))) +
        24;
    m_horizontalText->setMinimumWidth(textWidth);
    m_verticalText->setMinimumWidth(textWidth);

    m_doNotShow->setObjectName(QStringLiteral("doNotShow"));
    m_doNotShow->setText(BilingualText{"Vor dem Druck diesen Dialog nicht anzeigen",
                                       "Don't show this dialog before printing"}
                             .In(lang));
    m_doNotShow->setToolTip(Margins::ToolTip(
        {"Option", "Option"},
        {"Verhindert diesen Dialog vor jedem Druckvorgang", "Disables this dialog before printing"},
        textLanguage));

    // The step buttons sit as a cross, the way the mark moves on the paper.
    auto* cross = new QGridLayout;
    cross->setSpacing(2);
    cross->addWidget(up, 0, 1);
    cross->addWidget(left, 1, 0);
    cross->addWidget(right, 1, 2);
    cross->addWidget(down, 2, 1);

    auto* values = new QGridLayout;
    values->setHorizontalSpacing(8);
    values->addWidget(new QLabel(QStringLiteral("horizontal"), this), 0, 0);
    values->addWidget(m_horizontalText, 0, 1);
    values->addWidget(new QLabel(BilingualText{"vertikal", "vertical"}.In(lang), this), 1, 0);
    values->addWidget(m_verticalText, 1, 1);

    auto* row = new QHBoxLayout;
    row->addLayout(cross);
    row->addSpacing(16);
    row->addLayout(values, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(explanation);
    layout->addSpacing(6);
    layout->addLayout(row);
    layout->addSpacing(6);
    layout->addWidget(m_doNotShow);

    UpdateTexts();
}

QToolButton* CMarginPanel::MakeStepButton(const char* name, Qt::ArrowType arrow,
                                          const BilingualText& title, const BilingualText& tip,
                                          const BilingualText& spoken)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(ArrowIcon(arrow, palette()));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(30, 30);
    button->setToolTip(Margins::ToolTip(title, tip, m_textLanguage));
    button->setAccessibleName(spoken.In(m_textLanguage));
    button->setAccessibleDescription(tip.In(m_textLanguage));
    return button;
}

void CMarginPanel::SetShift(int horizontal, int vertical)
{
    m_horizontal = horizontal;
    m_vertical = vertical;
    UpdateTexts();
}

bool CMarginPanel::DoNotShow() const
{
    return m_doNotShow->isChecked();
}

void CMarginPanel::SetDoNotShow(bool doNotShow)
{
    m_doNotShow->setChecked(doNotShow);
}

void CMarginPanel::StepHorizontal(int direction)
{
    m_horizontal = Margins::Step(m_horizontal, direction, m_rule);
    UpdateTexts();
    Q_EMIT Stepped();
}

void CMarginPanel::StepVertical(int direction)
{
    m_vertical = Margins::Step(m_vertical, direction, m_rule);
    UpdateTexts();
    Q_EMIT Stepped();
}

void CMarginPanel::UpdateTexts()
{
    m_horizontalText->setText(Margins::HorizontalText(m_horizontal, m_textLanguage));
    m_verticalText->setText(Margins::VerticalText(m_vertical, m_textLanguage));
}
