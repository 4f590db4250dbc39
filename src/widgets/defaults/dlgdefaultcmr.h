#pragma once

#include "widgets/defaults/dlgdefaultbase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

using CDlgDefaultCMR_ToolTip = CDlgToolTip;

// The default texts and options of the CMR form (section "CMR"): the texts of
// boxes 1, 16, 22 and 23, the place and automatic date of box 21, the one-box
// mode of the goods boxes 6 to 9 and the form publisher. The sender, the
// carrier and the place are kept without white space at either end.
class CDlgDefaultCMR : public CDlgDefaultBase
{
    Q_OBJECT

public:
    explicit CDlgDefaultCMR(CSettingsStore& settings, QWidget* parent = nullptr,
                            const QDate& today = QDate::currentDate());

    void accept() override;

private:
    QString m_strFeld1;
    QString m_strFeld16;
    QString m_strFeld22;
    QString m_strFeld23;
    QString m_strStadt;

    QPlainTextEdit* m_feld1;
    QPlainTextEdit* m_feld16;
    QPlainTextEdit* m_feld22;
    QPlainTextEdit* m_feld23;
    QCheckBox* m_autoDate;
    QLineEdit* m_stadt;
    QComboBox* m_dateFormat;
    QCheckBox* m_feld6Modus;
    QComboBox* m_publisher;
};
