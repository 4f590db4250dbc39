#include "widgets/printing/common_dlgmargin02.h"

#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

Common_DlgMargin02_Page::Common_DlgMargin02_Page(QWidget* parent)
    : CMarginPanel(Margins::LimitRule::ClampToLimit, parent)
{
    connect(this, &CMarginPanel::Stepped, this, [this] { m_modified = true; });
}

Common_DlgMargin02::Common_DlgMargin02(QWidget* parent)
    : QDialog(parent), m_tabs(new QTabWidget(this))
{
    for (int i = 0; i < kMaxPages; ++i) {
        m_pages[size_t(i)] = new Common_DlgMargin02_Page(this);
        m_pages[size_t(i)]->hide();
    }

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
    connect(m_tabs, &QTabWidget::currentChanged, this, &Common_DlgMargin02::OnPageChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(m_tabs);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

bool Common_DlgMargin02::SetPageCount(int count)
{
    if (count < 1 || count > kMaxPages) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Dialog Ränder - Fehler, zu viele Seiten"));
        return false;
    }
    m_pageCount = count;
    return true;
}

void Common_DlgMargin02::SetPageTitle(int page, const QString& title)
{
    if (page >= 1 && page <= kMaxPages)
        m_pageTitles[size_t(page - 1)] = title;
}

Common_DlgMargin02_Page* Common_DlgMargin02::Page(int page) const
{
    return page >= 1 && page <= m_pageCount ? m_pages[size_t(page - 1)] : nullptr;
}

void Common_DlgMargin02::SetHorizontal(int page, int tenths)
{
    if (Common_DlgMargin02_Page* p = Page(page))
        p->SetShift(tenths, p->Vertical());
}

void Common_DlgMargin02::SetVertical(int page, int tenths)
{
    if (Common_DlgMargin02_Page* p = Page(page))
        p->SetShift(p->Horizontal(), tenths);
}

int Common_DlgMargin02::Horizontal(int page) const
{
    const Common_DlgMargin02_Page* p = Page(page);
    return p ? p->Horizontal() : 0;
}

int Common_DlgMargin02::Vertical(int page) const
{
    const Common_DlgMargin02_Page* p = Page(page);
    return p ? p->Vertical() : 0;
}

void Common_DlgMargin02::SetDoNotShow(bool doNotShow)
{
    m_doNotShow = doNotShow;
    if (m_activeTab >= 0)
        m_pages[size_t(m_activeTab)]->SetDoNotShow(doNotShow);
}

bool Common_DlgMargin02::DoNotShow() const
{
    // While a page is showing, its check box is the flag.
    return m_activeTab >= 0 ? m_pages[size_t(m_activeTab)]->DoNotShow() : m_doNotShow;
}

void Common_DlgMargin02::showEvent(QShowEvent* event)
{
    if (!m_pagesAdded) {
        m_pagesAdded = true;
        for (int i = 0; i < m_pageCount; ++i)
            m_tabs->addTab(m_pages[size_t(i)], m_pageTitles[size_t(i)]);
    }
    QDialog::showEvent(event);
}

void Common_DlgMargin02::OnPageChanged(int index)
{
    // Each page has a check box of its own, but the flag is one for the whole sheet:
    // the page that is left hands its state on to the page that becomes active.
    if (m_activeTab >= 0)
        m_doNotShow = m_pages[size_t(m_activeTab)]->DoNotShow();
    m_activeTab = index;
    if (index >= 0)
        m_pages[size_t(index)]->SetDoNotShow(m_doNotShow);
}

void Common_DlgMargin02::accept()
{
    if (m_activeTab >= 0)
        m_doNotShow = m_pages[size_t(m_activeTab)]->DoNotShow();
    QDialog::accept();
}
