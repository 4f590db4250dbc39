#include "widgets/printing/common_dlgmargin01.h"

#include "widgets/printing/marginpanel.h"

#include <QDialogButtonBox>
#include <QPushButton>
#include <QVBoxLayout>

Common_DlgMargin01::Common_DlgMargin01(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(tr("Ränder einstellen"));
    m_panel = new CMarginPanel(Margins::LimitRule::StopAtLimit, this);

    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    buttons->button(QDialogButtonBox::Help)->setText(tr("Hilfe"));
    Margins::SetButtonToolTips(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [this] { Q_EMIT HelpRequested(kHelpContextId); });

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_panel);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void Common_DlgMargin01::SetHorizontal(int tenths)
{
    m_panel->SetShift(tenths, m_panel->Vertical());
}

void Common_DlgMargin01::SetVertical(int tenths)
{
    m_panel->SetShift(m_panel->Horizontal(), tenths);
}

void Common_DlgMargin01::SetDoNotShow(bool doNotShow)
{
    m_panel->SetDoNotShow(doNotShow);
}

bool Common_DlgMargin01::DoNotShow() const
{
    return m_panel->DoNotShow();
}

int Common_DlgMargin01::Horizontal() const
{
    return m_panel->Horizontal();
}

int Common_DlgMargin01::Vertical() const
{
    return m_panel->Vertical();
}
