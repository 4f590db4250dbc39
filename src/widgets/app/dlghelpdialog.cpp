#include "widgets/app/dlghelpdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

// The I-beam the form views show over a box that takes input, drawn large.
QPixmap InputCursorPicture()
{
    QPixmap pixmap(32, 32);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath beam;
    beam.moveTo(10, 4);
    beam.quadTo(16, 4, 16, 8);
    beam.quadTo(16, 4, 22, 4);
    beam.moveTo(16, 8);
    beam.lineTo(16, 24);
    beam.moveTo(10, 28);
    beam.quadTo(16, 28, 16, 24);
    beam.quadTo(16, 28, 22, 28);
    beam.moveTo(12, 16);
    beam.lineTo(20, 16);
    p.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(beam);
    p.setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawPath(beam);
    return pixmap;
}

} // namespace

CDlgHelpDialog::CDlgHelpDialog(QWidget* parent)
    : QDialog(parent), m_first(new QLabel(this)), m_second(new QLabel(this)),
      m_cursorIcon(new QLabel(this)), m_questionIcon(new QLabel(this)),
      m_check(new QCheckBox(tr("Diesen Dialog nicht mehr anzeigen"), this))
{
    setWindowTitle(QStringLiteral(" "));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);
    m_first->setWordWrap(true);
    m_second->setWordWrap(true);
    m_cursorIcon->setPixmap(InputCursorPicture());
    m_questionIcon->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxQuestion).pixmap(32, 32));
    for (QLabel* icon : {m_cursorIcon, m_questionIcon})
        icon->setAlignment(Qt::AlignCenter);

    auto* ok = new QPushButton(tr("OK"), this);
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);

    auto* icons = new QHBoxLayout;
    icons->addStretch();
    icons->addWidget(m_cursorIcon);
    icons->addWidget(m_questionIcon);
    icons->addStretch();
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addStretch();

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_first);
    layout->addLayout(icons);
    layout->addWidget(m_second);
    layout->addLayout(buttons);
    layout->addWidget(m_check, 0, Qt::AlignHCenter);
    // 187 x 142 dialog units in the original; the texts are broken by hand
    // for about that width.
    setFixedWidth(380);
    SetMode(1);
}

void CDlgHelpDialog::SetMode(quint16 mode)
{
    m_mode = mode;
    m_check->setChecked(false);
    m_dontShowAgain = 0;
    if (mode == 1) {
        m_first->setText(
            tr("Die Eingabe der Daten in diesem Programm erfolgt\ndirekt im Formular. Immer "
               "wenn Sie mit der Maus über\neiner Fläche sind, auf der Eingaben möglich sind,\n"
               "erscheint der unten abgebildete Cursor."));
        m_second->setText(tr("Sie müssen jetzt nur noch mit der linken Maustaste\n"
                             "klicken und schon ist eine Dateneingabe möglich."));
    } else if (mode == 2) {
        m_first->setText(
            tr("Zu jedem Formular ist es möglich, einige Felder, die immer wieder mit dem gleichen "
               "Text beschrieben werden (Absender etc.) vorzudefinieren."));
        m_second->setText(
            tr("Sie erreichen die Dialoge zur Definition der Vorgabe-\ntexte in jedem "
               "Formular mit der Taste F8."));
    }
    // Another mode keeps both pictures, as the dialog was laid out.
    m_cursorIcon->setVisible(mode != 2);
    m_questionIcon->setVisible(mode != 1);
}

void CDlgHelpDialog::accept()
{
    m_dontShowAgain = m_check->isChecked() ? 1 : 0;
    QDialog::accept();
}
