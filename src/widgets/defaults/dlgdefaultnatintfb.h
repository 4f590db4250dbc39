#pragma once

#include "widgets/defaults/dlgdefaultbase.h"

class QCheckBox;
class QComboBox;
class QLineEdit;
class QPlainTextEdit;

using CDlgDefaultNatIntFb_ToolTip = CDlgToolTip;

// The default texts and options of the Kombi form (section "KombiFrachtbrief"):
// the sender of box A, the four lines of the dispatch place, the place and
// automatic date of box D and the form publisher. Texts lose trailing white space
// only; leading empty lines of the sender stay.
class CDlgDefaultNatIntFb : public CDlgDefaultBase
{
    Q_OBJECT

public:
    explicit CDlgDefaultNatIntFb(CSettingsStore& settings, QWidget* parent = nullptr,
                                 const QDate& today = QDate::currentDate());

    void accept() override;

private:
    QString m_strFeldA;
    QString m_strFeld2A;
    QString m_strFeld2B;
    QString m_strFeld2C;
    QString m_strFeld2D;
    QString m_strStadt;

    QPlainTextEdit* m_feldA;
    QLineEdit* m_feld2A;
    QLineEdit* m_feld2B;
    QLineEdit* m_feld2C;
    QLineEdit* m_feld2D;
    QCheckBox* m_autoDate;
    QLineEdit* m_stadt;
    QComboBox* m_dateFormat;
    QComboBox* m_publisher;
};
