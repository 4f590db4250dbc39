#include "widgets/addresses/addresslistmodel.h"

#include "widgets/addresses/common_dlgadressdaten.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

CAddressListModel::CAddressListModel(QObject* parent) : QAbstractListModel(parent) {}

void CAddressListModel::SetRecords(const QStringList& records)
{
    std::vector<Row> rows;
    rows.reserve(size_t(records.size()));
    for (int i = 0; i < records.size(); ++i)
        rows.push_back({Common_DlgAdressDaten::ListText(records[i]), i});

    // One collation key per name instead of two collations per comparison: the
    // comparisons of a sort outnumber the names many times over.
    QCollator collator{QLocale(QLocale::German, QLocale::Germany)};
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> keys;
    keys.reserve(rows.size());
    for (const Row& row : rows)
        keys.push_back(collator.sortKey(row.text));
    std::vector<int> order(rows.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; });

    beginResetModel();
    m_rows.clear();
    m_rows.reserve(rows.size());
    for (int i : order)
        m_rows.push_back(std::move(rows[size_t(i)]));
    endResetModel();
}

int CAddressListModel::RecordAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? m_rows[size_t(row)].record : -1;
}

int CAddressListModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

QVariant CAddressListModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const Row& row = m_rows[size_t(index.row())];
    if (role == Qt::DisplayRole)
        return row.text;
    if (role == Qt::UserRole)
        return row.record;
    return QVariant();
}
