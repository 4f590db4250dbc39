#include "views/placeholderview.h"

#include "app/commandids.h"
#include "documents/krdocument.h"
#include "format/linebreaks.h"
#include "views/boxnavigation.h"
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
    const QString text = ToStoredLines(item->text());
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

bool CPlaceholderView::CurrentAddressBox(quint16& index) const
{
    const QTableWidgetItem* text = item(currentRow(), 1);
    if (!text || text->data(kPageRole).toInt() != 1)
        return false;
    index = quint16(text->data(kIndexRole).toInt());
    return IsAddressBox(m_document.GetFormType(), index);
}

bool CPlaceholderView::OnCommand(int id)
{
    quint16 index = 0;
    switch (id) {
    case Cmd::InsertAddress:
        if (m_insertAddressHook && CurrentAddressBox(index)) {
            if (const std::optional<QString> text = m_insertAddressHook(this)) {
                m_document.GetStore().SetFieldText(index, *text, 1);
                m_document.SetModifiedFlag();
                Fill();
            }
        }
        return true;
    case Cmd::FormDefaults:
        if (m_formDefaultsHook)
            m_formDefaultsHook(this);
        return true;
    default:
        return false;
    }
}

bool CPlaceholderView::OnUpdateCommand(int id, CommandState& state)
{
    quint16 index = 0;
    switch (id) {
    case Cmd::InsertAddress:
        state.enabled = m_insertAddressHook && CurrentAddressBox(index);
        return true;
    case Cmd::FormDefaults:
        state.enabled = bool(m_formDefaultsHook);
        return true;
    default:
        return false;
    }
}
