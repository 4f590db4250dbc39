#include "widgets/defaults/dlgdefaultbase.h"

#include "core/format/linebreaks.h"
#include "core/format/stringformat.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/formname.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Stored box texts break lines with CR LF (a lone CR or LF from elsewhere counts
// too); the edit boxes break them with LF.

} // namespace

CDlgDefaultBase::CDlgDefaultBase(CSettingsStore& settings, FormType type, const QDate& today,
                                 QWidget* parent)
    : QDialog(parent), m_settings(settings), m_type(type), m_today(today)
{
    // The command is "Formularvorgaben"; the title adds the form's one name.
    setWindowTitle(tr("Vorgabetexte für %1").arg(FormName(type)));
}

QStringList CDlgDefaultBase::PublisherNames()
{
    return {QStringLiteral("Wilhelm Köhler Verlag"), QStringLiteral("Formularverlag Henkel"),
            QStringLiteral("LION GmbH"), QStringLiteral("Verkehrs Verlag Fischer")};
}

const QList<int>& CDlgDefaultBase::DateFormatCodes()
{
    static const QList<int> codes{0, 1, 2, 3, 16, 17, 18};
    return codes;
}

void CDlgDefaultBase::done(int result)
{
    m_helpTopic.Restore();
    QDialog::done(result);
}

QString CDlgDefaultBase::Section() const
{
    return GetFormTypeInfo(m_type).section;
}

QPlainTextEdit* CDlgDefaultBase::CreateTextBox(const char* key, const QString& storedText)
{
    auto* edit = new QPlainTextEdit(ToEditLines(storedText), this);
    edit->setObjectName(QLatin1String(key));
    edit->setTabChangesFocus(true);
    edit->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    edit->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    const QFontMetrics metrics(edit->font());
    edit->setFixedHeight(metrics.lineSpacing() * 5 + 2 * edit->frameWidth() +
                         int(2 * edit->document()->documentMargin()));
    edit->setMinimumWidth(metrics.averageCharWidth() * 36);
    return edit;
}

QLineEdit* CDlgDefaultBase::CreateLine(const char* key, const QString& storedText)
{
    auto* edit = new QLineEdit(storedText, this);
    edit->setObjectName(QLatin1String(key));
    return edit;
}

QCheckBox* CDlgDefaultBase::CreateCheck(const QString& text, const char* key, bool checked)
{
    auto* check = new QCheckBox(text, this);
    check->setObjectName(QLatin1String(key));
    check->setChecked(checked);
    check->setCursor(Qt::PointingHandCursor);
    return check;
}

QRadioButton* CDlgDefaultBase::CreateRadio(const QString& text, const QString& name)
{
    auto* radio = new QRadioButton(text, this);
    radio->setObjectName(name);
    radio->setCursor(Qt::PointingHandCursor);
    return radio;
}

QComboBox* CDlgDefaultBase::CreatePublisherList()
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(Settings::Publisher.key));
    const QStringList names = PublisherNames();
    for (int number = 0; number < names.size(); ++number)
        list->addItem(names[number], number);
    list->setCurrentIndex(0);
    const int stored = list->findData(m_settings.Get(Section(), Settings::Publisher));
    if (stored >= 0)
        list->setCurrentIndex(stored);
    return list;
}

QComboBox* CDlgDefaultBase::CreateDateFormatList()
{
    auto* list = new QComboBox(this);
    list->setObjectName(QLatin1String(Settings::DateFormat.key));
    for (int code : DateFormatCodes())
        list->addItem(CStringFormat::FormatDate(code, m_today), code);

    // The stored format is found by the text it gives today, so that a number
    // the list does not hold shows the format it writes like (format 0). An
    // exact match comes first: in a year such as 2020 the two-digit year of one
    // format is the start of another's four-digit year.
    const QString today =
        CStringFormat::FormatDate(m_settings.Get(Section(), Settings::DateFormat), m_today);
    int index = list->findText(today, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index < 0)
        index = list->findText(today, Qt::MatchStartsWith);
    list->setCurrentIndex(qMax(index, 0));
    return list;
}

QGroupBox* CDlgDefaultBase::CreateIssueDateGroup(const QString& title, const QString& switchText,
                                                 const QString& heading, const QString& storedPlace,
                                                 IssueDateControls& controls)
{
    controls.autoDate = CreateCheck(switchText, Settings::AutoDate.key,
                                    m_settings.Get(Section(), Settings::AutoDate) != 0);
    controls.place = CreateLine(Settings::City.key, storedPlace);
    controls.formats = CreateDateFormatList();

    m_toolTip.AddTool(controls.place, heading,
                      tr("Geben Sie hier den Ort an, der im Feld zum Datum "
                         "eingesetzt werden soll."));
    m_toolTip.AddTool(controls.autoDate, heading,
                      tr("Wenn Sie diese Option aktivieren, dann wird bei neuen "
                         "Dokumenten automatisch das aktuelle Datum eingesetzt"));
    m_toolTip.AddTool(controls.formats, heading,
                      tr("Wählen Sie hier, welches Datumformat benutzt werden soll."));

    QLineEdit* place = controls.place;
    QComboBox* formats = controls.formats;
    const auto apply = [place, formats](bool on) {
        place->setEnabled(on);
        formats->setEnabled(on);
    };
    apply(controls.autoDate->isChecked());
    connect(controls.autoDate, &QCheckBox::toggled, place, apply);

    auto* group = new QGroupBox(title, this);
    auto* layout = new QFormLayout(group);
    layout->addRow(controls.autoDate);
    layout->addRow(tr("Stadt"), controls.place);
    layout->addRow(tr("Datumformat"), controls.formats);
    return group;
}

void CDlgDefaultBase::SetColumnsLayout(QLayout* left, QLayout* right, const QString& cancelText)
{
    auto* columns = new QHBoxLayout;
    columns->addLayout(left, 1);
    columns->addLayout(right, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addWidget(CreateButtons(cancelText));
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

QDialogButtonBox* CDlgDefaultBase::CreateButtons(const QString& cancelText)
{
    auto* buttons = new QDialogButtonBox(
        QDialogButtonBox::Ok | QDialogButtonBox::Cancel | QDialogButtonBox::Help, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    QPushButton* cancel = buttons->button(QDialogButtonBox::Cancel);
    QPushButton* help = buttons->button(QDialogButtonBox::Help);
    ok->setText(tr("OK"));
    cancel->setText(cancelText);
    help->setText(tr("Hilfe"));
    m_toolTip.AddTool(ok, tr("Schaltfläche \"OK\""),
                      tr("Dialog beenden und alle Einstellungen sichern"));
    m_toolTip.AddTool(cancel, tr("Schaltfläche \"Abbruch\""),
                      tr("Abbruch des Dialogs, ohne die Änderungen zu sichern"));
    m_toolTip.AddTool(help, tr("Schaltfläche \"Hilfe\""), tr("Aufruf der On-Line Hilfe"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(buttons, &QDialogButtonBox::helpRequested, this,
            [] { CHelpTopicScope::ShowCurrentTopic(); });
    return buttons;
}

int CDlgDefaultBase::SelectedData(const QComboBox* list)
{
    return list->currentData().toInt();
}

QString CDlgDefaultBase::EditText(const QPlainTextEdit* edit)
{
    return ToStoredLines(edit->toPlainText());
}

QString CDlgDefaultBase::EditText(const QLineEdit* edit)
{
    return edit->text();
}

int CDlgDefaultBase::Checked(const QCheckBox* check)
{
    return check->isChecked() ? 1 : 0;
}

QString CDlgDefaultBase::TrimRight(const QString& text)
{
    return TrimTrailingSpace(text);
}

QString CDlgDefaultBase::SenderDescription()
{
    return tr("Geben Sie den Namen und die Adresse des Absenders an.\nWenn Sie hier Angaben "
              "machen, dann werden diese automatisch in neue Dokument eingefügt.");
}

void CDlgDefaultBase::AddPublisherToolTip(QComboBox* list) const
{
    m_toolTip.AddTool(list, tr("Vorgabe für Formularhersteller"),
                      tr("Wählen Sie hier den Hersteller des Formulars aus, um die "
                         "Ausdrucke passgenau zu bedrucken."));
}
