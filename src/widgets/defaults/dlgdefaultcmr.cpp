#include "widgets/defaults/dlgdefaultcmr.h"

#include "core/settings/settingsstore.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace {

QGroupBox* Group(const QString& title, QWidget* content, QWidget* parent)
{
    auto* group = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(group);
    layout->addWidget(content);
    return group;
}

} // namespace

CDlgDefaultCMR::CDlgDefaultCMR(CSettingsStore& settings, QWidget* parent, const QDate& today)
    : CDlgDefaultBase(settings, FormType::Cmr, today, parent)
{
    const QString section = Section();
    m_strFeld1 = settings.Get(section, Settings::CmrBox1).trimmed();
    m_strFeld16 = settings.Get(section, Settings::CmrBox16).trimmed();
    m_strFeld22 = settings.Get(section, Settings::CmrBox22);
    m_strFeld23 = settings.Get(section, Settings::CmrBox23);
    m_strStadt = settings.Get(section, Settings::City).trimmed();

    m_feld1 = CreateTextBox(Settings::CmrBox1.key, m_strFeld1);
    m_feld16 = CreateTextBox(Settings::CmrBox16.key, m_strFeld16);
    m_feld22 = CreateTextBox(Settings::CmrBox22.key, m_strFeld22);
    m_feld23 = CreateTextBox(Settings::CmrBox23.key, m_strFeld23);
    m_feld6Modus = CreateCheck(tr("Feld 6 bis 9 bei der Eingabe\nals ein Feld behandeln"),
                               Settings::MergedGoodsRows.key,
                               settings.Get(section, Settings::MergedGoodsRows) != 0);
    m_publisher = CreatePublisherList();

    const QString senderTip = SenderDescription();
    const QString carrierTip =
        tr("Geben Sie den Namen und die Adresse des Frachtführers ein.\nWenn Sie hier Angaben "
           "machen, dann werden diese automatisch in neue Dokument eingefügt.");
    m_toolTip.AddTool(m_feld1, tr("Vorgabe für Feld 1"), senderTip);
    m_toolTip.AddTool(m_feld16, tr("Vorgabe für Feld 16"), carrierTip);
    m_toolTip.AddTool(m_feld22, tr("Vorgabe für Feld 22"), senderTip);
    m_toolTip.AddTool(m_feld23, tr("Vorgabe für Feld 23"), carrierTip);
    m_toolTip.AddTool(m_feld6Modus, tr("Option für Feld 6 bis 9 (Warenbezeichnungen)"),
                      tr("Wenn Sie diese Option aktivieren, dann werden die Felder "
                         "6 bis 9 als ein Eingabefeld behandelt"));
    AddPublisherToolTip(m_publisher);

    auto* texts = new QGridLayout;
    texts->addWidget(Group(tr(" Feld 1 - Absender "), m_feld1, this), 0, 0);
    texts->addWidget(Group(tr(" Feld 16 - Frachtführer "), m_feld16, this), 0, 1);
    texts->addWidget(Group(tr(" Feld 22 - Absender "), m_feld22, this), 1, 0);
    texts->addWidget(Group(tr(" Feld 23 - Frachtführer "), m_feld23, this), 1, 1);

    IssueDateControls issue;
    auto* box21 = CreateIssueDateGroup(tr(" Feld 21 "), tr("Feld automatisch ausfüllen"),
                                       tr("Vorgabe für Feld 21"), m_strStadt, issue);
    m_autoDate = issue.autoDate;
    m_stadt = issue.place;
    m_dateFormat = issue.formats;

    auto* goods = new QGroupBox(this);
    auto* goodsLayout = new QVBoxLayout(goods);
    goodsLayout->addWidget(m_feld6Modus);

    auto* options = new QVBoxLayout;
    options->addWidget(goods);
    options->addWidget(Group(tr(" Formularhersteller "), m_publisher, this));
    options->addStretch();

    auto* lower = new QHBoxLayout;
    lower->addWidget(box21, 1);
    lower->addLayout(options, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(texts);
    layout->addLayout(lower);
    layout->addWidget(CreateButtons(tr("Abbruch")));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void CDlgDefaultCMR::accept()
{
    m_strFeld1 = EditText(m_feld1).trimmed();
    m_strFeld16 = EditText(m_feld16).trimmed();
    m_strFeld22 = EditText(m_feld22);
    m_strFeld23 = EditText(m_feld23);
    m_strStadt = EditText(m_stadt).trimmed();

    CSettingsStore& settings = Store();
    const QString section = Section();
    settings.Set(section, Settings::CmrBox1, m_strFeld1);
    settings.Set(section, Settings::CmrBox16, m_strFeld16);
    settings.Set(section, Settings::CmrBox22, m_strFeld22);
    settings.Set(section, Settings::CmrBox23, m_strFeld23);
    settings.Set(section, Settings::City, m_strStadt);
    settings.Set(section, Settings::AutoDate, Checked(m_autoDate));
    settings.Set(section, Settings::MergedGoodsRows, Checked(m_feld6Modus));
    settings.Set(section, Settings::DateFormat, SelectedData(m_dateFormat));
    settings.Set(section, Settings::Publisher, SelectedData(m_publisher));
    CDlgDefaultBase::accept();
}
