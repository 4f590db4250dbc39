#include "widgets/defaults/dlgdefaultspeditionsauftrag.h"

#include "core/settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CDlgDefaultSpeditionsauftrag::CDlgDefaultSpeditionsauftrag(CSettingsStore& settings,
                                                           QWidget* parent, const QDate& today)
    : CDlgDefaultBase(settings, FormType::Forwarding, today, parent)
{
    const QString section = Section();
    m_strFeld1 = settings.Get(section, Settings::SpaBox1);

    m_feld1 = CreateTextBox(Settings::SpaBox1.key, m_strFeld1);
    m_sum25 = CreateCheck(tr("Summe in Feld 2&5 automatisch einfügen"), Settings::SumColumn25.key,
                          settings.Get(section, Settings::SumColumn25));
    m_sum27 = CreateCheck(tr("Summe in Feld 2&7 automatisch einfügen"), Settings::SumColumn27.key,
                          settings.Get(section, Settings::SumColumn27));
    m_sum28 = CreateCheck(tr("Summe in Feld 2&8 automatisch einfügen"), Settings::SumColumn28.key,
                          settings.Get(section, Settings::SumColumn28));
    m_decimals23 = CreateDecimalsList(Settings::DecimalsColumn23);
    m_decimals24 = CreateDecimalsList(Settings::DecimalsColumn24);
    m_publisher = CreatePublisherList();

    m_toolTip.AddTool(m_feld1, tr("Vorgabe Für Feld 1"), SenderDescription());
    const QString sums = tr("Vorgaben für automatische Summenbildung");
    m_toolTip.AddTool(m_sum25, sums,
                      tr("Bei aktivierter Option wird die Summe aus der Spalte 19 "
                         "(Anzahl) für Feld 25 errechnet und automatisch eingefügt."));
    m_toolTip.AddTool(m_sum27, sums,
                      tr("Bei aktivierter Option wird die Summe aus der Spalte 23 "
                         "(Ladegewicht) für Feld 27 errechnet und automatisch "
                         "eingefügt."));
    m_toolTip.AddTool(m_sum28, sums,
                      tr("Bei aktivierter Option wird die Summe aus der Spalte 24 "
                         "(Bruttogewicht) für Feld 28 errechnet und automatisch "
                         "eingefügt."));
    m_toolTip.AddTool(m_decimals23, tr("Vorgabe für Dezimalstellen"),
                      tr("Hier legen Sie fest, wieviel Dezimalstellen in der Spalte "
                         "23 und Feld 27 benutzt werden. Das Programm formatiert die "
                         "Eingaben automatisch."));
    m_toolTip.AddTool(m_decimals24, tr("Vorgabe für Dezimalstellen"),
                      tr("Hier legen Sie fest, wieviel Dezimalstellen in der Spalte "
                         "24 und Feld 28 benutzt werden. Das Programm formatiert die "
                         "Eingaben automatisch."));
    AddPublisherToolTip(m_publisher);

    auto* box1 = new QGroupBox(tr(" Feld 1 (Versender) "), this);
    (new QVBoxLayout(box1))->addWidget(m_feld1);

    auto* decimals = new QGridLayout;
    auto* label23 = new QLabel(tr("Dezimalstellen in Spalte 2&3"), this);
    auto* label24 = new QLabel(tr("Dezimalstellen in Spalte 2&4"), this);
    label23->setBuddy(m_decimals23);
    label24->setBuddy(m_decimals24);
    decimals->addWidget(label23, 0, 0);
    decimals->addWidget(m_decimals23, 0, 1);
    decimals->addWidget(label24, 1, 0);
    decimals->addWidget(m_decimals24, 1, 1);
    decimals->setColumnStretch(0, 1);

    auto* publisher = new QGroupBox(tr(" Formularhersteller "), this);
    (new QVBoxLayout(publisher))->addWidget(m_publisher);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(box1);
    layout->addWidget(m_sum25);
    layout->addWidget(m_sum27);
    layout->addWidget(m_sum28);
    layout->addLayout(decimals);
    layout->addWidget(publisher);
    layout->addWidget(CreateButtons(tr("Abbrechen")));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QComboBox* CDlgDefaultSpeditionsauftrag::CreateDecimalsList(const IntSetting& setting)
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(setting.key));
    list->addItems(
        {QStringLiteral("0"), QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")});
    // A stored number outside 0..3 would leave the list without a choice, and
    // OK would then store -1; such a number shows, and stores, 0 instead.
    const int stored = Store().Get(Section(), setting);
    list->setCurrentIndex(stored >= 0 && stored < list->count() ? stored : 0);
    return list;
}

void CDlgDefaultSpeditionsauftrag::accept()
{
    CSettingsStore& settings = Store();
    const QString section = Section();
    settings.Set(section, Settings::SumColumn25, Checked(m_sum25));
    settings.Set(section, Settings::SumColumn27, Checked(m_sum27));
    settings.Set(section, Settings::SumColumn28, Checked(m_sum28));
    settings.Set(section, Settings::Publisher, SelectedData(m_publisher));

    m_strFeld1 = EditText(m_feld1);
    settings.Set(section, Settings::SpaBox1, m_strFeld1);
    settings.Set(section, Settings::DecimalsColumn23, m_decimals23->currentIndex());
    settings.Set(section, Settings::DecimalsColumn24, m_decimals24->currentIndex());
    CDlgDefaultBase::accept();
}
