#pragma once

#include "widgets/printing/marginpanel.h"

#include <QDialog>

#include <array>

class QTabWidget;

// One page of the margin sheet: the shifts of one page of the form.
class Common_DlgMargin02_Page : public CMarginPanel
{
    Q_OBJECT

public:
    explicit Common_DlgMargin02_Page(QWidget* parent = nullptr);

    bool IsModified() const { return m_modified; }

private:
    bool m_modified = false;
};

// The margin dialog of forms with several pages: one tab per page, each with its own
// shifts, and one "do not show before printing" flag for all of them. The caller
// sets everything before exec() and reads it back after Accepted; the sheet itself
// stores nothing. Shifts are tenths of a millimetre; pages count from 1.
class Common_DlgMargin02 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 102;
    static constexpr int kMaxPages = 6;

    explicit Common_DlgMargin02(QWidget* parent = nullptr);

    // 1 to kMaxPages. Any other count is refused with a message and the previous
    // count stays; returns whether the count was taken.
    bool SetPageCount(int count);
    int PageCount() const { return m_pageCount; }

    void SetSheetTitle(const QString& title) { setWindowTitle(title); }
    void SetPageTitle(int page, const QString& title);

    void SetDoNotShow(bool doNotShow);
    bool DoNotShow() const;

    // Pages beyond the page count read as 0 and ignore what is set.
    void SetHorizontal(int page, int tenths);
    void SetVertical(int page, int tenths);
    int Horizontal(int page) const;
    int Vertical(int page) const;

    void accept() override;

Q_SIGNALS:
    void HelpRequested(int contextId);

protected:
    void showEvent(QShowEvent* event) override;

private:
    Common_DlgMargin02_Page* Page(int page) const;
    void OnPageChanged(int index);

    int m_pageCount = 1;
    bool m_doNotShow = false;
    bool m_pagesAdded = false;
    int m_activeTab = -1;
    std::array<Common_DlgMargin02_Page*, kMaxPages> m_pages{};
    std::array<QString, kMaxPages> m_pageTitles;
    QTabWidget* m_tabs;
};
