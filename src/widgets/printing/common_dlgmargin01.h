#pragma once

#include <QDialog>

class CMarginPanel;

// The margin dialog of the one-page forms. It edits a horizontal and a vertical shift
// in tenths of a millimetre and the "do not show before printing" flag; the caller
// sets them before exec() and reads them after it returned Accepted. The dialog
// itself stores nothing.
class Common_DlgMargin01 : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 102;

    explicit Common_DlgMargin01(QWidget* parent = nullptr);

    void SetTitle(const QString& title) { setWindowTitle(title); }
    void SetHorizontal(int tenths);
    void SetVertical(int tenths);
    void SetDoNotShow(bool doNotShow);
    bool DoNotShow() const;
    int Horizontal() const;
    int Vertical() const;

Q_SIGNALS:
    void HelpRequested(int contextId);

private:
    CMarginPanel* m_panel;
};
