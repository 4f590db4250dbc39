#pragma once

#include "views/formview.h"

#include <QTableWidget>

class CKrDocument;

// Shows a form whose drawn replica is not available yet as a plain list of its
// boxes, so that its documents can still be opened, filled in and saved.
class CPlaceholderView : public QTableWidget, public CFormView
{
    Q_OBJECT

public:
    explicit CPlaceholderView(CKrDocument& document, QWidget* parent = nullptr);

    QWidget* Widget() override { return this; }
    void OnInitialUpdate() override;
    void CommitCurrentField() override;
    bool OnCommand(int id) override;
    bool OnUpdateCommand(int id, CommandState& state) override;

private:
    void Fill();
    // The page-1 box of the current row when it takes an address.
    bool CurrentAddressBox(quint16& index) const;
    void OnItemChanged(QTableWidgetItem* item);

    CKrDocument& m_document;
    bool m_filling = false;
};
