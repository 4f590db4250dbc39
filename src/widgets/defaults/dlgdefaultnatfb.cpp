#include "widgets/defaults/dlgdefaultnatfb.h"

#include "core/forms/nationallayout.h"
#include "core/settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

CDlgDefaultNatFb::CDlgDefaultNatFb(CSettingsStore& settings, QWidget* parent, const QDate& today)
    : CDlgDefaultBase(settings, FormType::National, today, parent)
{
    const QString section = Section();
    m_strFeldA = settings.Get(section, Settings::NatBoxA);
    m_strFeldB1 = settings.Get(section, Settings::NatBoxB1);
    m_strFeldB2 = settings.Get(section, Settings::NatBoxB2);
    m_strFeldB3 = settings.Get(section, Settings::NatBoxB3);
    m_strStadt = settings.Get(section, Settings::City);

    m_feldA = CreateTextBox(Settings::NatBoxA.key, m_strFeldA);
    m_feldB1 = CreateLine(Settings::NatBoxB1.key, m_strFeldB1);
    m_feldB2 = CreateLine(Settings::NatBoxB2.key, m_strFeldB2);
    m_feldB3 = CreateLine(Settings::NatBoxB3.key, m_strFeldB3);
    m_openYes = CreateRadio(tr("Ja"), QStringLiteral("FeldE_Ja"));
    m_openNo = CreateRadio(tr("Nein"), QStringLiteral("FeldE_Nein"));
    (settings.Get(section, Settings::NatBoxE) == 1 ? m_openYes : m_openNo)->setChecked(true);
    m_publisher = CreatePublisherList();
    // The edition of new notes; a note keeps the edition it was made in.
    m_edition = new QComboBox(this);
    m_edition->setObjectName(QLatin1String(Settings::NatVersion.key));
    m_edition->addItem(tr("Ausgabe 07/2009"), 2009);
    m_edition->addItem(tr("Ausgabe 01/2007"), 2007);
    // Any stored value but 2009 means the older edition, as for new notes.
    m_edition->setCurrentIndex(
        GetNationalEdition(settings) == NationalEdition::Edition2009 ? 0 : 1);

    m_toolTip.AddTool(m_feldA, tr("Vorgabe für Feld A"), SenderDescription());
    for (QLineEdit* line : {m_feldB1, m_feldB2, m_feldB3})
        m_toolTip.AddTool(line, tr("Vorgaben für Feld B"),
                          tr("Geben Sie Informationen zur Beladestelle an.\nWenn Sie "
                             "hier Angaben machen, dann werden diese automatisch in "
                             "neue Dokument eingefügt."));
    m_toolTip.AddTool(m_openYes, tr("Vorgabe zur Beförderung"),
                      tr("Vorgabe: Beförderung in offenem Fahrzeug."));
    m_toolTip.AddTool(m_openNo, tr("Vorgabe zur Beförderung"),
                      tr("Vorgabe: Beförderung in geschlossenem Fahrzeug."));
    AddPublisherToolTip(m_publisher);
    m_toolTip.AddTool(m_edition, tr("Ausgabe des Formulars"),
                      tr("Die Ausgabe, in der neue nationale Frachtbriefe angelegt werden. "
                         "Vorhandene Frachtbriefe behalten ihre Ausgabe."));

    auto* boxA = new QGroupBox(tr(" Feld A Absender"), this);
    (new QVBoxLayout(boxA))->addWidget(m_feldA);

    auto* boxB = new QGroupBox(tr(" Feld B Versandort"), this);
    auto* boxBLayout = new QFormLayout(boxB);
    boxBLayout->addRow(tr("Beladestelle"), m_feldB1);
    boxBLayout->addRow(tr("Zeile 2"), m_feldB2);
    boxBLayout->addRow(tr("Zeile 3"), m_feldB3);

    IssueDateControls issue;
    auto* boxL = CreateIssueDateGroup(tr(" Feld L Tag und Ort der Ausstellung"),
                                      tr("Feld L automatisch ausfüllen"), tr("Vorgaben für Feld L"),
                                      m_strStadt, issue);
    m_autoDate = issue.autoDate;
    m_stadt = issue.place;
    m_dateFormat = issue.formats;

    auto* boxE = new QGroupBox(tr(" Beförderung in offenem Fahrzeug "), this);
    auto* boxELayout = new QHBoxLayout(boxE);
    boxELayout->addWidget(m_openYes);
    boxELayout->addWidget(m_openNo);
    boxELayout->addStretch();

    auto* publisher = new QGroupBox(tr(" Formularhersteller "), this);
    (new QVBoxLayout(publisher))->addWidget(m_publisher);
    auto* edition = new QGroupBox(tr(" Ausgabe für neue Frachtbriefe "), this);
    (new QVBoxLayout(edition))->addWidget(m_edition);

    auto* left = new QVBoxLayout;
    left->addWidget(boxA);
    left->addWidget(boxB);
    auto* right = new QVBoxLayout;
    right->addWidget(boxL);
    right->addWidget(boxE);
    right->addWidget(publisher);
    right->addWidget(edition);
    right->addStretch();
    SetColumnsLayout(left, right, tr("Abbruch"));
}

void CDlgDefaultNatFb::accept()
{
    CSettingsStore& settings = Store();
    const QString section = Section();
    settings.Set(section, Settings::NatBoxE, m_openYes->isChecked() ? 1 : 2);
    settings.Set(section, Settings::AutoDate, Checked(m_autoDate));
    settings.Set(section, Settings::DateFormat, SelectedData(m_dateFormat));
    settings.Set(section, Settings::Publisher, SelectedData(m_publisher));
    settings.Set(section, Settings::NatVersion, SelectedData(m_edition));

    m_strFeldA = EditText(m_feldA).trimmed();
    m_strFeldB1 = EditText(m_feldB1).trimmed();
    m_strFeldB2 = EditText(m_feldB2).trimmed();
    m_strFeldB3 = EditText(m_feldB3).trimmed();
    m_strStadt = EditText(m_stadt).trimmed();
    settings.Set(section, Settings::NatBoxA, m_strFeldA);
    settings.Set(section, Settings::NatBoxB1, m_strFeldB1);
    settings.Set(section, Settings::NatBoxB2, m_strFeldB2);
    settings.Set(section, Settings::NatBoxB3, m_strFeldB3);
    settings.Set(section, Settings::City, m_strStadt);
    CDlgDefaultBase::accept();
}
