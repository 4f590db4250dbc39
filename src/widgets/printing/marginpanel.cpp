#include "widgets/printing/marginpanel.h"

#include "core/settings/language.h"

#include <QCheckBox>
#include <QCoreApplication>
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

QString ShiftText(int tenths, const QLocale* numbers, const char* positive, const char* negative)
{
    if (tenths == 0)
        return QCoreApplication::translate("Margins", "unverändert");
    QString text = QCoreApplication::translate("Margins", tenths > 0 ? positive : negative)
                       .arg(Millimetres(tenths, numbers));
    // Where the number is written as in running text, it also stays on one
    // line with its unit.
    if (numbers)
        text.replace(QLatin1String(" mm"), QStringLiteral("\u00a0mm"));
    return text;
}

} // namespace

QString HorizontalText(int tenths, const QLocale* numbers)
{
    return ShiftText(tenths, numbers, QT_TRANSLATE_NOOP("Margins", "%1 mm nach rechts"),
                     QT_TRANSLATE_NOOP("Margins", "%1 mm nach links"));
}

QString VerticalText(int tenths, const QLocale* numbers)
{
    return ShiftText(tenths, numbers, QT_TRANSLATE_NOOP("Margins", "%1 mm nach unten"),
                     QT_TRANSLATE_NOOP("Margins", "%1 mm nach oben"));
}

QString ToolTip(const QString& title, const QString& text)
{
    return QStringLiteral("<p style='white-space:pre'><b>%1</b><br>%2</p>")
        .arg(title.toHtmlEscaped(), text.toHtmlEscaped());
}

void SetButtonToolTips(QDialogButtonBox* buttons)
{
    if (QPushButton* ok = buttons->button(QDialogButtonBox::Ok))
        ok->setToolTip(ToolTip(QCoreApplication::translate("Margins", "Schaltfläche \"OK\""),
                               QCoreApplication::translate(
                                   "Margins", "Dialog beenden und alle Einstellungen sichern")));
    if (QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel))
        cancel->setToolTip(
            ToolTip(QCoreApplication::translate("Margins", "Schaltfläche \"Abbruch\""),
                    QCoreApplication::translate(
                        "Margins", "Abbruch des Dialogs, ohne die Änderungen zu sichern")));
    if (QPushButton* help = buttons->button(QDialogButtonBox::Help))
        help->setToolTip(
            ToolTip(QCoreApplication::translate("Margins", "Schaltfläche \"Hilfe\""),
                    QCoreApplication::translate("Margins", "Aufruf der On-Line Hilfe")));
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

CMarginPanel::CMarginPanel(Margins::LimitRule rule, QWidget* parent)
    : QWidget(parent), m_rule(rule), m_horizontalText(new QLineEdit(this)),
      m_verticalText(new QLineEdit(this)), m_doNotShow(new QCheckBox(this))
{
    auto* explanation =
        new QLabel(tr("Durch Verschieben der gedruckten Markierung (oben links) können Sie "
                      "den Text auf dem Formular positionieren."),
                   this);
    explanation->setObjectName(QStringLiteral("explanation"));
    explanation->setWordWrap(true);

    // The step is a number in running text, written as the program writes numbers.
    const QString step = ProgramLocale().toString(Margins::kStep / 10.0, 'f', 1);
    QToolButton* left = MakeStepButton(
        "stepLeft", Qt::LeftArrow, tr("Schaltfläche \"links\""),
        tr("Verschiebt die Druckmarkierung %1mm nach links").arg(step), tr("Nach links"));
    QToolButton* right = MakeStepButton(
        "stepRight", Qt::RightArrow, tr("Schaltfläche \"rechts\""),
        tr("Verschiebt die Druckmarkierung %1mm nach rechts").arg(step), tr("Nach rechts"));
    QToolButton* up = MakeStepButton("stepUp", Qt::UpArrow, tr("Schaltfläche \"oben\""),
                                     tr("Verschiebt die Druckmarkierung %1mm nach oben").arg(step),
                                     tr("Nach oben"));
    QToolButton* down = MakeStepButton(
        "stepDown", Qt::DownArrow, tr("Schaltfläche \"unten\""),
        tr("Verschiebt die Druckmarkierung %1mm nach unten").arg(step), tr("Nach unten"));
    connect(left, &QToolButton::clicked, this, [this] { StepHorizontal(-1); });
    connect(right, &QToolButton::clicked, this, [this] { StepHorizontal(+1); });
    connect(up, &QToolButton::clicked, this, [this] { StepVertical(-1); });
    connect(down, &QToolButton::clicked, this, [this] { StepVertical(+1); });

    m_horizontalText->setObjectName(QStringLiteral("horizontalText"));
    m_horizontalText->setReadOnly(true);
    m_horizontalText->setFocusPolicy(Qt::ClickFocus);
    m_horizontalText->setToolTip(Margins::ToolTip(
        tr("Aktueller Wert"), tr("Der linke Rand wird um diesen Wert verändert")));
    m_verticalText->setObjectName(QStringLiteral("verticalText"));
    m_verticalText->setReadOnly(true);
    m_verticalText->setFocusPolicy(Qt::ClickFocus);
    m_verticalText->setToolTip(Margins::ToolTip(
        tr("Aktueller Wert"), tr("Der obere Rand wird um diesen Wert verändert")));
    // Wide enough for the longest text the step buttons can lead to.
    const QFontMetrics metrics = m_horizontalText->fontMetrics();
    int textWidth = 0;
    for (int tenths : {-Margins::kLimit, 0, Margins::kLimit})
        for (const QString& text : {Margins::HorizontalText(tenths), Margins::VerticalText(tenths)})
            textWidth = std::max(textWidth, metrics.horizontalAdvance(text));
    m_horizontalText->setMinimumWidth(textWidth + 24);
    m_verticalText->setMinimumWidth(textWidth + 24);

    m_doNotShow->setObjectName(QStringLiteral("doNotShow"));
    m_doNotShow->setText(tr("Vor dem Druck diesen Dialog nicht anzeigen"));
    m_doNotShow->setToolTip(
        Margins::ToolTip(tr("Option"), tr("Verhindert diesen Dialog vor jedem Druckvorgang")));

    // The step buttons sit as a cross, the way the mark moves on the paper.
    auto* cross = new QGridLayout;
    cross->setSpacing(2);
    cross->addWidget(up, 0, 1);
    cross->addWidget(left, 1, 0);
    cross->addWidget(right, 1, 2);
    cross->addWidget(down, 2, 1);

    auto* values = new QGridLayout;
    values->setHorizontalSpacing(8);
    values->addWidget(new QLabel(tr("horizontal"), this), 0, 0);
    values->addWidget(m_horizontalText, 0, 1);
    values->addWidget(new QLabel(tr("vertikal"), this), 1, 0);
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
                                          const QString& title, const QString& tip,
                                          const QString& spoken)
{
    auto* button = new QToolButton(this);
    button->setObjectName(QLatin1String(name));
    button->setIcon(ArrowIcon(arrow, palette()));
    button->setIconSize(QSize(16, 16));
    button->setFixedSize(30, 30);
    button->setToolTip(Margins::ToolTip(title, tip));
    button->setAccessibleName(spoken);
    button->setAccessibleDescription(tip);
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
    m_horizontalText->setText(Margins::HorizontalText(m_horizontal));
    m_verticalText->setText(Margins::VerticalText(m_vertical));
}
