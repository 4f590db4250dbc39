#pragma once

#include "core/addresses/addressexchange.h"

#include <QDialog>

class QListWidget;

// Shows what an import file offers before anything is written: each new address
// with a tick (the user may leave out a header row or a record he does not
// want), how many the book has already, and every entry that could not be read
// with the reason. OK takes the ticked addresses; the dialog itself writes
// nothing.
class CDlgAdressImport : public QDialog
{
    Q_OBJECT

public:
    CDlgAdressImport(const QString& fileName, const AddressImport& import,
                     QWidget* parent = nullptr);

    // The ticked addresses, in file order.
    QStringList Selected() const;

private:
    QListWidget* m_records = nullptr;
    QStringList m_offered;
};
