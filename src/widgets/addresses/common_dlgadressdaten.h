#pragma once

#include "core/addresses/addressfile.h"
#include "core/errors/messageids.h"
#include "widgets/addresses/addressfiledialogs.h"
#include "widgets/defaults/dlgtooltip.h"

#include <QDialog>

struct AddressChange;
class CAddressListModel;
class QListView;
class QPlainTextEdit;
class QPushButton;

using Common_DlgAdressDaten_ToolTip = CDlgToolTip;

// The address book: the records of the address file as a sorted list of their
// first lines beside the full text of the chosen one.
//
// Edit mode: the user adds, edits and deletes records; every change is saved at
// once, as a change, so that records other users saved meanwhile stay
// (addressmerge.h). Select mode: the user picks a record; the caller reads
// TakenOver() and ResultText() afterwards.
//
// Calling order: OpenAddressFile(path), and only when it answered 0 one of the
// two Show functions. Records are kept with CR LF line breaks, as the file and
// the boxes of a form hold them. In the select mode "Daten übernehmen" is the
// default button and Escape or the close box cancel; in the edit mode they leave
// the dialog open, only its own button closes it.
class Common_DlgAdressDaten : public QDialog
{
    Q_OBJECT

public:
    static constexpr int kHelpContextId = 108;
    static constexpr int kNotLoaded = 3;

    explicit Common_DlgAdressDaten(QWidget* parent = nullptr);

    // Remembers the path and loads the file: 0, or LoadAddressFile's failure code
    // after its message.
    int OpenAddressFile(const QString& path);
    // Modal; kNotLoaded, after a message, when the file is not loaded.
    int ShowEditDialog();
    int ShowSelectDialog();

    // Edit mode's import and export, after the file dialogs: the import shows
    // what the file offers (CDlgAdressImport) and saves the ticked addresses the
    // book lacks as one change; the export writes the book as CSV or vCard,
    // chosen by the extension. False after a message when nothing was written.
    bool ImportFromFile(const QString& path);
    bool ExportToFile(const QString& path);

    bool TakenOver() const { return m_bTakenOver; }
    QString ResultText() const { return m_strResultText; }

    // The list text of a record: its first line, or the whole record (line breaks
    // as spaces) when the first line is empty.
    static QString ListText(const QString& record);

    void reject() override;

private:
    int Show(bool selectMode);
    void InitDialog();
    int FillList();
    void ShowRecord(int index);
    void ShowSelectedRecord();
    int SelectedRecord() const;
    void SetEditButtons(bool editing);
    bool Save(const AddressChange& change);

    void OnSelectionChanged();
    void OnDoubleClick();
    void OnEdit();
    void OnNewRecord();
    void OnSave();
    void OnCancelEdit();
    void OnDelete();
    void OnTakeOver();
    void OnClose();
    void OnImport();
    void OnExport();

    CAddressFileDialogs m_prompter;
    CAddressFile m_file;
    QString m_strPath;
    QString m_strRecordText;
    int m_nCurrentRecord = 0;
    bool m_bSelectMode = false;
    bool m_bEditing = false;
    bool m_bNewRecord = false;
    bool m_bTakenOver = false;
    bool m_bFilling = false; // the list is being rebuilt: its selection means nothing yet
    QString m_strResultText;

    CAddressListModel* m_model;
    QListView* m_list;
    QPlainTextEdit* m_record;
    QPushButton* m_newButton;
    QPushButton* m_editButton;
    QPushButton* m_deleteButton;
    QPushButton* m_importButton = nullptr;
    QPushButton* m_exportButton = nullptr;
    QPushButton* m_closeButton;
    QPushButton* m_cancelEditButton;
    QPushButton* m_saveButton;
    QPushButton* m_takeOverButton;
};
