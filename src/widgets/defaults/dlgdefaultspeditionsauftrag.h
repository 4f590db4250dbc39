#pragma once

#include "core/settings/settingkeys.h"
#include "widgets/defaults/dlgdefaultbase.h"

class QCheckBox;
class QComboBox;
class QPlainTextEdit;

using CDlgDefaultSpeditionsauftrag_ToolTip = CDlgToolTip;

// The default text and options of the forwarding order (section
// "Speditionsauftrag"): the shipper of box 1, exactly as typed, the automatic sums
// of boxes 25, 27 and 28, the decimal places of columns 23 and 24 and the form
// publisher.
class CDlgDefaultSpeditionsauftrag : public CDlgDefaultBase
{
    Q_OBJECT

public:
    explicit CDlgDefaultSpeditionsauftrag(CSettingsStore& settings, QWidget* parent = nullptr,
                                          const QDate& today = QDate::currentDate());

    void accept() override;

private:
    QComboBox* CreateDecimalsList(const IntSetting& setting);

    QString m_strFeld1;

    QPlainTextEdit* m_feld1;
    QCheckBox* m_sum25;
    QCheckBox* m_sum27;
    QCheckBox* m_sum28;
    QComboBox* m_decimals23;
    QComboBox* m_decimals24;
    QComboBox* m_publisher;
};
