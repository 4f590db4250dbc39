#pragma once

#include <QAbstractListModel>
#include <QStringList>

#include <vector>

// The address book's list: one row per record, showing its list text
// (Common_DlgAdressDaten::ListText), sorted as people read a list of names —
// letters before case, umlauts with their base letters — and equal names in
// file order. Qt::UserRole gives the record's index in the file's list.
//
// The model keeps only the list texts and indexes; the records stay with the
// address file. SetRecords replaces all rows at once, so that an address book of
// a hundred thousand records opens without a signal per row.
class CAddressListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    explicit CAddressListModel(QObject* parent = nullptr);

    void SetRecords(const QStringList& records);
    // The record shown in a row, or -1 for a row the list does not have.
    int RecordAt(int row) const;

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    struct Row
    {
        QString text;
        int record;
    };
    std::vector<Row> m_rows;
};
