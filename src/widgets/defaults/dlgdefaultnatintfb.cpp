#include "widgets/defaults/dlgdefaultnatintfb.h"

#include "core/settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

CDlgDefaultNatIntFb::CDlgDefaultNatIntFb(CSettingsStore& settings, QWidget* parent,
                                         const QDate& today)
    : CDlgDefaultBase(settings, FormType::Kombi, today, parent)
{
    const QString section = Section();
    m_strFeldA = settings.Get(section, Settings::KombiBoxA);
    m_strFeld2A = settings.Get(section, Settings::KombiBox2A);
    m_strFeld2B = settings.Get(section, Settings::KombiBox2B);
    m_strFeld2C = settings.Get(section, Settings::KombiBox2C);
    m_strFeld2D = settings.Get(section, Settings::KombiBox2D);
    m_strStadt = settings.Get(section, Settings::City);

    m_feldA = CreateTextBox(Settings::KombiBoxA.key, m_strFeldA);
    m_feld2A = CreateLine(Settings::KombiBox2A.key, m_strFeld2A);
    m_feld2B = CreateLine(Settings::KombiBox2B.key, m_strFeld2B);
    m_feld2C = CreateLine(Settings::KombiBox2C.key, m_strFeld2C);
    m_feld2D = CreateLine(Settings::KombiBox2D.key, m_strFeld2D);
    m_publisher = CreatePublisherList();

    m_toolTip.AddTool(m_feldA, tr("Vorgabe Für Feld A"), SenderDescription());
    for (QLineEdit* line : {m_feld2A, m_feld2B, m_feld2C, m_feld2D})
        m_toolTip.AddTool(line, tr("Vorgaben zum Versandort"),
                          tr("Geben Sie Informationen zum Versandort an.\nWenn Sie "
                             "hier Angaben machen, dann werden diese automatisch in "
                             "neue Dokument eingefügt."));
    AddPublisherToolTip(m_publisher);

    auto* boxA = new QGroupBox(tr(" Feld A - Absender (Name und Anschrift) "), this);
    (new QVBoxLayout(boxA))->addWidget(m_feldA);

    auto* boxB = new QGroupBox(tr(" Feld B Versandort "), this);
    auto* boxBLayout = new QFormLayout(boxB);
    boxBLayout->addRow(tr("Ort"), m_feld2A);
    boxBLayout->addRow(tr("Beladestelle"), m_feld2B);
    boxBLayout->addRow(tr("Gemeindeb."), m_feld2C);
    boxBLayout->addRow(tr("Land"), m_feld2D);

    IssueDateControls issue;
    auto* boxDGroup = CreateIssueDateGroup(tr(" Feld D Tag und Ort der Ausstellung"),
                                           tr("Feld D automatisch ausfüllen"),
                                           tr("Vorgaben für Feld D"), m_strStadt, issue);
    m_autoDate = issue.autoDate;
    m_stadt = issue.place;
    m_dateFormat = issue.formats;

    auto* publisher = new QGroupBox(tr(" Formularhersteller "), this);
    (new QVBoxLayout(publisher))->addWidget(m_publisher);

    auto* left = new QVBoxLayout;
    left->addWidget(boxA);
    left->addWidget(publisher);
    left->addStretch();
    auto* right = new QVBoxLayout;
    right->addWidget(boxB);
    right->addWidget(boxDGroup);
    right->addStretch();
    SetColumnsLayout(left, right, tr("Abbruch"));
}

void CDlgDefaultNatIntFb::accept()
{
    CSettingsStore& settings = Store();
    const QString section = Section();
    settings.Set(section, Settings::AutoDate, Checked(m_autoDate));
    settings.Set(section, Settings::DateFormat, SelectedData(m_dateFormat));
    settings.Set(section, Settings::Publisher, SelectedData(m_publisher));

    m_strFeldA = TrimRight(EditText(m_feldA));
    m_strFeld2A = TrimRight(EditText(m_feld2A));
    m_strFeld2B = TrimRight(EditText(m_feld2B));
    m_strFeld2C = TrimRight(EditText(m_feld2C));
    m_strFeld2D = TrimRight(EditText(m_feld2D));
    m_strStadt = TrimRight(EditText(m_stadt));
    settings.Set(section, Settings::KombiBoxA, m_strFeldA);
    settings.Set(section, Settings::KombiBox2A, m_strFeld2A);
    settings.Set(section, Settings::KombiBox2B, m_strFeld2B);
    settings.Set(section, Settings::KombiBox2C, m_strFeld2C);
    settings.Set(section, Settings::KombiBox2D, m_strFeld2D);
    settings.Set(section, Settings::City, m_strStadt);
    CDlgDefaultBase::accept();
}
