#pragma once

#include "widgets/defaults/dlgdefaultbase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;

using CDlgDefaultNatFb_ToolTip = CDlgToolTip;

// The default texts and options of the national form (section "NatFrachtbrief"):
// the sender of box A, the three lines of box B, the place and automatic date of
// box L, the open-vehicle choice of box E and the form publisher. Every text is
// kept without white space at either end.
class CDlgDefaultNatFb : public CDlgDefaultBase
{
    Q_OBJECT

public:
    explicit CDlgDefaultNatFb(CSettingsStore& settings, QWidget* parent = nullptr,
                              const QDate& today = QDate::currentDate());

    void accept() override;

private:
    QString m_strFeldA;
    QString m_strFeldB1;
    QString m_strFeldB2;
    QString m_strFeldB3;
    QString m_strStadt;

    QPlainTextEdit* m_feldA;
    QLineEdit* m_feldB1;
    QLineEdit* m_feldB2;
    QLineEdit* m_feldB3;
    QCheckBox* m_autoDate;
    QLineEdit* m_stadt;
    QComboBox* m_dateFormat;
    QRadioButton* m_openYes;
    QRadioButton* m_openNo;
    QComboBox* m_publisher;
    QComboBox* m_edition;
};
