#include "views/placeholderview.h"

#include "documents/krdocument.h"
#include "views/loadmessage.h"

#include <QHeaderView>

namespace {

constexpr int kPageRole = Qt::UserRole;
constexpr int kIndexRole = Qt::UserRole + 1;

} // namespace

CPlaceholderView::CPlaceholderView(CKrDocument& document, QWidget* parent)
    : QTableWidget(parent), m_document(document)
{
    setColumnCount(2);
    setHorizontalHeaderLabels({QStringLiteral("Feld"), QStringLiteral("Text")});
    horizontalHeader()->setStretchLastSection(true);
    verticalHeader()->hide();
    setWordWrap(true);
    Fill();
    connect(this, &QTableWidget::itemChanged, this, &CPlaceholderView::OnItemChanged);
}

void CPlaceholderView::Fill()
{
    m_filling = true;
    const CFieldStore& store = m_document.GetStore();
    const int pageOne = store.GetFieldCount();
    const int follow = store.GetFollowFieldCount();
    setRowCount(pageOne + follow);
    for (int row = 0; row < pageOne + follow; ++row) {
        const quint16 page = row < pageOne ? 1 : 2;
        const auto index = quint16(row < pageOne ? row : row - pageOne);
        auto* label = new QTableWidgetItem(page == 1 ? QStringLiteral("%1").arg(index + 1)
                                                     : QStringLiteral("Rückseite %1").arg(index + 1));
        label->setFlags(Qt::ItemIsEnabled);
        setItem(row, 0, label);
        auto* text = new QTableWidgetItem(store.GetFieldText(index, page));
        text->setData(kPageRole, page);
        text->setData(kIndexRole, index);
        setItem(row, 1, text);
    }
    resizeRowsToContents();
    m_filling = false;
}

void CPlaceholderView::OnItemChanged(QTableWidgetItem* item)
{
    if (m_filling || item->column() != 1)
        return;
    QString text = item->text();
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\n'), QLatin1String("\r\n"));
    m_document.GetStore().SetFieldText(quint16(item->data(kIndexRole).toInt()), text,
                                       quint16(item->data(kPageRole).toInt()));
    m_document.SetModifiedFlag();
}

void CPlaceholderView::OnInitialUpdate()
{
    ShowLoadMessage(this, m_document.GetLoadError());
}

void CPlaceholderView::CommitCurrentField()
{
    if (QWidget* editor = indexWidget(currentIndex()))
        commitData(editor);
}

bool CPlaceholderView::OnCommand(int id)
{
    Q_UNUSED(id);
    return false;
}

bool CPlaceholderView::OnUpdateCommand(int id, CommandState& state)
{
    Q_UNUSED(id);
    Q_UNUSED(state);
    return false;
}
