#include "widgets/addresses/common_dlgadressdaten.h"

#include "core/addresses/addressexchange.h"
#include "core/addresses/addressmerge.h"
#include "core/errors/errortext.h"
#include "core/files/safewrite.h"
#include "core/format/linebreaks.h"
#include "widgets/addresses/addresslistmodel.h"
#include "widgets/addresses/dlgadressimport.h"

#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QListView>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Dialog units of the dialog's font, so that the layout keeps its proportions
// with any font.
int DluX(const QWidget* widget, int units)
{
    return units * widget->fontMetrics().averageCharWidth() / 4;
}

int DluY(const QWidget* widget, int units)
{
    return units * widget->fontMetrics().height() / 8;
}

QPushButton* Button(const QString& text, const char* name, QWidget* parent)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QLatin1String(name));
    button->setAutoDefault(false);
    button->setMinimumWidth(DluX(parent, 66));
    return button;
}

} // namespace

Common_DlgAdressDaten::Common_DlgAdressDaten(QWidget* parent)
    : QDialog(parent), m_prompter(parent), m_file(m_prompter)
{
    setWindowTitle(tr("Adressdaten"));

    auto* intro = new QLabel(
        tr(" Wählen Sie im linken Fenster den Datensatz aus, den Sie bearbeiten möchten."), this);
    intro->setWordWrap(true);

    m_model = new CAddressListModel(this);
    m_list = new QListView(this);
    m_list->setObjectName(QStringLiteral("addressList"));
    m_list->setModel(m_model);
    m_list->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    // Every entry is one line of text; without this the view measures all of
    // them before it shows the first.
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_list->setMinimumSize(DluX(this, 150), DluY(this, 78));

    m_record = new QPlainTextEdit(this);
    m_record->setObjectName(QStringLiteral("recordText"));
    m_record->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_record->setTabChangesFocus(true);
    m_record->setMinimumSize(DluX(this, 144), DluY(this, 45));

    m_newButton = Button(tr("Neuer Datensatz"), "newRecord", this);
    m_editButton = Button(tr("Bearbeiten"), "editRecord", this);
    m_deleteButton = Button(tr("Datensatz löschen"), "deleteRecord", this);
    m_closeButton = Button(tr("Dialog beenden"), "closeDialog", this);
    m_closeButton->setDefault(true);
    m_cancelEditButton = Button(tr("Abbruch"), "cancelEdit", this);
    m_saveButton = Button(tr("Speichern"), "saveRecord", this);
    m_takeOverButton = Button(tr("Daten übernehmen"), "takeOver", this);
    m_importButton = Button(tr("Importieren..."), "importAddresses", this);
    m_exportButton = Button(tr("Exportieren..."), "exportAddresses", this);

    // Each pair shares a place; only one of a pair is shown at a time.
    auto* buttons = new QGridLayout;
    buttons->addWidget(m_newButton, 0, 0);
    buttons->addWidget(m_cancelEditButton, 0, 0);
    buttons->addWidget(m_editButton, 0, 1);
    buttons->addWidget(m_saveButton, 0, 1);
    buttons->addWidget(m_deleteButton, 1, 0);
    buttons->addWidget(m_takeOverButton, 1, 0);
    buttons->addWidget(m_closeButton, 1, 1);
    buttons->addWidget(m_importButton, 2, 0);
    buttons->addWidget(m_exportButton, 2, 1);

    auto* right = new QVBoxLayout;
    right->addWidget(m_record, 1);
    right->addLayout(buttons);

    auto* layout = new QGridLayout(this);
    layout->addWidget(intro, 0, 0, 1, 2);
    layout->addWidget(m_list, 1, 0);
    layout->addLayout(right, 1, 1);
    layout->setColumnStretch(0, 1);
    layout->setColumnStretch(1, 1);

    connect(m_list->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            [this] { OnSelectionChanged(); });
    connect(m_list, &QListView::doubleClicked, this, [this] { OnDoubleClick(); });
    connect(m_editButton, &QPushButton::clicked, this, [this] { OnEdit(); });
    connect(m_newButton, &QPushButton::clicked, this, [this] { OnNewRecord(); });
    connect(m_saveButton, &QPushButton::clicked, this, [this] { OnSave(); });
    connect(m_cancelEditButton, &QPushButton::clicked, this, [this] { OnCancelEdit(); });
    connect(m_deleteButton, &QPushButton::clicked, this, [this] { OnDelete(); });
    connect(m_takeOverButton, &QPushButton::clicked, this, [this] { OnTakeOver(); });
    connect(m_closeButton, &QPushButton::clicked, this, [this] { OnClose(); });
    connect(m_importButton, &QPushButton::clicked, this, [this] { OnImport(); });
    connect(m_exportButton, &QPushButton::clicked, this, [this] { OnExport(); });
}

int Common_DlgAdressDaten::OpenAddressFile(const QString& path)
{
    m_strPath = path;
    CAddressLockProgress progress(m_file, parentWidget());
    const Error error = m_file.LoadAddressFile(path);
    m_prompter.ShowError(error);
    return AddressFileResultOf(error);
}

int Common_DlgAdressDaten::ShowEditDialog()
{
    return Show(false);
}

int Common_DlgAdressDaten::ShowSelectDialog()
{
    return Show(true);
}

int Common_DlgAdressDaten::Show(bool selectMode)
{
    if (!m_file.IsLoaded()) {
        QMessageBox::critical(parentWidget(), QStringLiteral("Tarvelomark"),
                              tr("Fehler: Adressdatendatei nicht definiert!"));
        return kNotLoaded;
    }
    m_bSelectMode = selectMode;
    m_bTakenOver = false;
    m_strResultText.clear();
    InitDialog();
    m_prompter.SetParent(this);
    const int result = exec();
    m_prompter.SetParent(parentWidget());
    return result;
}

QString Common_DlgAdressDaten::ListText(const QString& record)
{
    const qsizetype lineFeed = record.indexOf(QLatin1Char('\n'));
    if (lineFeed < 0)
        return record;
    QString first = record.left(lineFeed);
    if (first.endsWith(QLatin1Char('\r')))
        first.chop(1);
    if (!first.isEmpty())
        return first;
    // A record that starts with a line break would otherwise be an empty entry
    // that nobody can tell from another.
    QString whole = record;
    whole.replace(QLatin1String("\r\n"), QLatin1String(" "));
    whole.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return whole;
}

void Common_DlgAdressDaten::InitDialog()
{
    m_record->setEnabled(false);
    if (FillList() > 0)
        ShowSelectedRecord();
    else
        m_record->clear();
    m_bEditing = false;
    m_bNewRecord = false;

    m_editButton->setVisible(!m_bSelectMode);
    m_newButton->setVisible(!m_bSelectMode);
    m_deleteButton->setVisible(!m_bSelectMode);
    m_importButton->setVisible(!m_bSelectMode);
    m_exportButton->setVisible(!m_bSelectMode);
    m_saveButton->setVisible(false);
    m_cancelEditButton->setVisible(false);
    m_takeOverButton->setVisible(m_bSelectMode);
    m_closeButton->setVisible(true);
    m_closeButton->setText(m_bSelectMode ? tr("Abbrechen") : tr("Dialog beenden"));
    // Picking an address is a matter of keys: the arrows in the list choose,
    // Enter takes the selected one over.
    m_takeOverButton->setDefault(m_bSelectMode);
    m_closeButton->setDefault(!m_bSelectMode);
    m_list->setFocus();

    const Common_DlgAdressDaten_ToolTip tips(300);
    tips.AddTool(m_record, tr("Adressdetails"), tr("Anzeige der kompletten Adresse"));
    tips.AddTool(m_list, tr("Adressliste"),
                 tr("Anzeige der gespeicherten Adressen\nDoppelklick zur Bearbeitung"));
    tips.AddTool(m_editButton, tr("Schaltfläche \"Bearbeiten\""),
                 tr("Gibt den ausgewählten Adresseintrag zur Bearbeitung frei"));
    tips.AddTool(m_newButton, tr("Schaltfläche \"Neuer Datensatz\""),
                 tr("Erzeugt einen neuen Adresseintrag"));
    tips.AddTool(m_deleteButton, tr("Schaltfläche \"Datensatz löschen\""),
                 tr("Ausgewählten Adresseintrag löschen"));
    tips.AddTool(m_takeOverButton, tr("Schaltfläche \"Daten übernehmen\""),
                 tr("Ausgewählte Daten werden in das Formular übernommen"));
    tips.AddTool(m_saveButton, tr("Schaltfläche \"Speichern\""),
                 tr("Die Änderungen am Adresseintrag werden gesichert"));
    tips.AddTool(m_cancelEditButton, tr("Schaltfläche \"Abbruch\""),
                 tr("Editieren abbrechen und Änderungen verwerfen"));
    tips.AddTool(m_importButton, tr("Schaltfläche \"Importieren\""),
                 tr("Übernimmt Adressen aus einer CSV-Datei (Tabelle) oder vCard-Datei"));
    tips.AddTool(m_exportButton, tr("Schaltfläche \"Exportieren\""),
                 tr("Schreibt alle Adressen als CSV-Datei oder vCard-Datei"));
    tips.AddTool(m_closeButton, tr("Schaltfläche \"Dialog beenden\""), tr("Dialog beenden"));
}

int Common_DlgAdressDaten::FillList()
{
    const QStringList& records = m_file.List();
    m_bFilling = true;
    m_model->SetRecords(records);
    if (m_model->rowCount() > 0)
        m_list->setCurrentIndex(m_model->index(0));
    m_bFilling = false;
    return int(records.size());
}

void Common_DlgAdressDaten::ShowRecord(int index)
{
    if (index < 0 || index >= m_file.List().size())
        return;
    m_strRecordText = m_file.List().at(index);
    m_record->setPlainText(ToEditLines(m_strRecordText));
    m_nCurrentRecord = index;
    m_bEditing = false;
}

int Common_DlgAdressDaten::SelectedRecord() const
{
    const QModelIndex current = m_list->currentIndex();
    return current.isValid() ? m_model->RecordAt(current.row()) : -1;
}

void Common_DlgAdressDaten::ShowSelectedRecord()
{
    ShowRecord(SelectedRecord());
}

void Common_DlgAdressDaten::SetEditButtons(bool editing)
{
    m_editButton->setVisible(!editing);
    m_newButton->setVisible(!editing);
    m_deleteButton->setVisible(!editing);
    m_closeButton->setVisible(!editing);
    m_importButton->setVisible(!editing);
    m_exportButton->setVisible(!editing);
    m_saveButton->setVisible(editing);
    m_cancelEditButton->setVisible(editing);
    m_record->setEnabled(editing);
    // The default button goes with the close button: Enter in the list closes the
    // dialog, but not while a record is being edited.
    m_closeButton->setDefault(!editing);
}

bool Common_DlgAdressDaten::Save(const AddressChange& change)
{
    CAddressLockProgress progress(m_file, this);
    const Error error = ApplyAddressChange(m_file, m_strPath, change);
    m_prompter.ShowError(error);
    return !error;
}

void Common_DlgAdressDaten::OnSelectionChanged()
{
    if (!m_bFilling)
        ShowSelectedRecord();
}

void Common_DlgAdressDaten::OnDoubleClick()
{
    if (m_bSelectMode)
        OnTakeOver();
    else
        OnEdit();
}

void Common_DlgAdressDaten::OnEdit()
{
    if (m_bSelectMode)
        return;
    m_bEditing = true;
    SetEditButtons(true);
    m_record->setFocus();
}

void Common_DlgAdressDaten::OnNewRecord()
{
    if (m_bSelectMode)
        return;
    OnEdit();
    m_bNewRecord = true;
    m_record->clear();
}

void Common_DlgAdressDaten::OnSave()
{
    const QString text = TrimTrailingSpace(ToStoredLines(m_record->toPlainText()));
    const QStringList& records = m_file.List();
    if (m_bNewRecord || m_nCurrentRecord >= records.size())
        Save(AddressChange::Add(text));
    else
        Save(AddressChange::Replace(m_nCurrentRecord, records.at(m_nCurrentRecord), text));
    m_bNewRecord = false;
    m_bEditing = false;
    FillList();
    ShowSelectedRecord();
    SetEditButtons(false);
    m_list->setFocus();
}

void Common_DlgAdressDaten::OnCancelEdit()
{
    SetEditButtons(false);
    m_bEditing = false;
    m_bNewRecord = false;
    ShowSelectedRecord();
    m_list->setFocus();
}

void Common_DlgAdressDaten::OnDelete()
{
    const int index = SelectedRecord();
    if (m_bSelectMode || index < 0 || index >= m_file.List().size())
        return;
    if (QMessageBox::question(this, QStringLiteral("Tarvelomark"),
                              tr("Wollen Sie den Datensatz wirklich löschen?"),
                              QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    Save(AddressChange::Delete(index, m_file.List().at(index)));
    if (FillList() > 0)
        ShowSelectedRecord();
    else
        m_record->clear();
}

void Common_DlgAdressDaten::OnTakeOver()
{
    // Without a record there is nothing to take over; an empty text would only
    // wipe the box of the form.
    if (!m_bSelectMode || SelectedRecord() < 0)
        return;
    m_strResultText = ToStoredLines(m_record->toPlainText());
    m_bTakenOver = true;
    accept();
}

void Common_DlgAdressDaten::OnClose()
{
    if (m_bEditing) {
        m_bEditing = false;
        ShowSelectedRecord();
    }
    accept();
}

void Common_DlgAdressDaten::reject()
{
    // Picking an address changes nothing, so Escape and the close box simply
    // cancel it. The edit mode ends only through its own button: an Escape
    // meant for the record being typed must not throw the dialog away.
    if (m_bSelectMode)
        QDialog::reject();
}

bool Common_DlgAdressDaten::ImportFromFile(const QString& path)
{
    const auto warn = [this](const QString& text) {
        QMessageBox::warning(this, tr("Adressen importieren"), text);
        return false;
    };
    const std::optional<AddressFormat> format = AddressFormatForPath(path);
    if (!format)
        return warn(tr("%1:\nAdressen werden aus .csv- oder .vcf-Dateien importiert.").arg(path));
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return warn(QStringLiteral("%1:\n%2").arg(path, file.errorString()));
    AddressImport import = ReadAddresses(file.readAll(), *format);
    if (import.error)
        return warn(
            tr("%1:\n%2\nEs wurde nichts übernommen.").arg(path, ErrorMessage(import.error)));
    DropKnownAddresses(import, m_file.List());

    CDlgAdressImport preview(path, import, this);
    if (preview.exec() != QDialog::Accepted)
        return false;
    const QStringList chosen = preview.Selected();
    if (chosen.isEmpty() || !Save(AddressChange::Import(chosen)))
        return false;
    if (FillList() > 0)
        ShowSelectedRecord();
    return true;
}

bool Common_DlgAdressDaten::ExportToFile(const QString& path)
{
    const std::optional<AddressFormat> format = AddressFormatForPath(path);
    QString error;
    if (!format)
        error = tr("%1:\nAdressen werden als .csv- oder .vcf-Datei exportiert.").arg(path);
    else if (const Error written = WriteFileSafely(path, *format == AddressFormat::Csv
                                                             ? WriteAddressCsv(m_file.List())
                                                             : WriteAddressVCards(m_file.List())))
        error = ErrorMessage(written);
    else
        return true;
    QMessageBox::warning(this, tr("Adressen exportieren"), error);
    return false;
}

void Common_DlgAdressDaten::OnImport()
{
    const QString path = QFileDialog::getOpenFileName(
        this, tr("Adressen importieren"), QString(),
        tr("Adressen (*.csv *.vcf *.vcard);;CSV-Dateien (*.csv);;vCard-Dateien (*.vcf *.vcard)"));
    if (!path.isEmpty())
        ImportFromFile(path);
}

void Common_DlgAdressDaten::OnExport()
{
    QString filter;
    QString path = QFileDialog::getSaveFileName(
        this, tr("Adressen exportieren"), tr("Adressen.csv"),
        tr("CSV für Tabellen (*.csv);;vCard für Adressbücher (*.vcf)"), &filter);
    if (path.isEmpty())
        return;
    if (!AddressFormatForPath(path))
        path +=
            filter.contains(QLatin1String("vcf")) ? QStringLiteral(".vcf") : QStringLiteral(".csv");
    ExportToFile(path);
}
