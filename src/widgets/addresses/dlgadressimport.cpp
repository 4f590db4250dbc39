#include "widgets/addresses/dlgadressimport.h"

#include "core/errors/errortext.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CDlgAdressImport::CDlgAdressImport(const QString& fileName, const AddressImport& import,
                                   QWidget* parent)
    : QDialog(parent), m_offered(import.records)
{
    setWindowTitle(tr("Adressen importieren"));

    QStringList summary;
    const QString file = QFileInfo(fileName).fileName();
    // The singular has a sentence of its own, so that the German reads right
    // without a catalogue.
    summary << (import.records.size() == 1
                    ? tr("1 neue Adresse in \"%1\".").arg(file)
                    : tr("%1 neue Adressen in \"%2\".").arg(import.records.size()).arg(file));
    if (import.duplicates == 1)
        summary << tr("1 Adresse ist schon im Adressbuch und wird übergangen.");
    else if (import.duplicates > 1)
        summary << tr("%1 Adressen sind schon im Adressbuch und werden übergangen.")
                       .arg(import.duplicates);
    auto* intro = new QLabel(summary.join(QLatin1Char(' ')), this);
    intro->setObjectName(QStringLiteral("summary"));
    intro->setWordWrap(true);

    m_records = new QListWidget(this);
    m_records->setObjectName(QStringLiteral("importRecords"));
    for (const QString& record : import.records) {
        QString shown = record;
        shown.replace(QLatin1String("\r\n"), QStringLiteral(" · "));
        auto* item = new QListWidgetItem(shown);
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(Qt::Checked);
        item->setToolTip(QString(record).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        m_records->addItem(item);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    layout->addWidget(m_records, 1);

    if (!import.refused.isEmpty()) {
        auto* refusedLabel = new QLabel(
            tr("Nicht lesbar und nicht übernommen (%1):").arg(import.refused.size()), this);
        auto* refused = new QListWidget(this);
        refused->setObjectName(QStringLiteral("refusedEntries"));
        refused->setWordWrap(true);
        refused->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        for (const Error& entry : import.refused)
            refused->addItem(ErrorMessage(entry));
        refused->setMaximumHeight(refused->sizeHintForRow(0) * 4 + 2 * refused->frameWidth());
        layout->addWidget(refusedLabel);
        layout->addWidget(refused);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Übernehmen"));
    buttons->button(QDialogButtonBox::Ok)->setEnabled(!import.records.isEmpty());
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_records, &QListWidget::itemChanged, this, [this, buttons] {
        buttons->button(QDialogButtonBox::Ok)->setEnabled(!Selected().isEmpty());
    });
    resize(520, 360);
}

QStringList CDlgAdressImport::Selected() const
{
    QStringList selected;
    for (int i = 0; i < m_records->count(); ++i)
        if (m_records->item(i)->checkState() == Qt::Checked)
            selected.append(m_offered.at(i));
    return selected;
}
