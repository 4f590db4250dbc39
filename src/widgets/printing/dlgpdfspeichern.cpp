#include "widgets/printing/dlgpdfspeichern.h"

#include "core/settings/settingsstore.h"
#include "render/printing/printjob.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// The labels of the originals, each in its ink, one a line.
QString LabelList(const QVector<Forms::CopyLabel>& labels, bool optional)
{
    QStringList lines;
    for (const Forms::CopyLabel& label : labels)
        if (label.optional == optional)
            lines << QStringLiteral("<span style=\"color:%1\">%2</span>")
                         .arg(QColor(QRgb(label.inkRgb)).name(),
                              QString::fromUtf8(label.text).toHtmlEscaped());
    return lines.join(QLatin1String("<br>"));
}

} // namespace

CDlgPdfSpeichern::CDlgPdfSpeichern(const Forms::FormDescription& form, CSettingsStore& settings,
                                   QWidget* parent)
    : QDialog(parent), m_form(form), m_settings(settings), m_section(form.Section())
{
    setWindowTitle(tr("Als PDF speichern"));
    BuildControls();

    const int pages = m_settings.Get(m_section, Settings::PdfPages);
    m_pages->setCurrentIndex(m_form.pageCount > 1 && pages >= 1 && pages <= m_form.pageCount ? pages
                                                                                             : 0);
    m_count->setValue(
        qBound(1, m_settings.Get(m_section, Settings::PdfCopyCount), kMaxPrintCopies));
    const int labelled = m_labelled ? m_settings.Get(m_section, Settings::PdfLabelled) : 0;
    if (labelled > 0)
        m_labelled->setChecked(true);
    else
        m_plain->setChecked(true);
    if (m_optional)
        m_optional->setChecked(labelled == 2);
    UpdateControls();
}

void CDlgPdfSpeichern::BuildControls()
{
    // Pages: all of them first, then each one alone.
    m_pages = new QComboBox(this);
    m_pages->setObjectName(QStringLiteral("pages"));
    if (m_form.pageCount > 1)
        m_pages->addItem(tr("Alle Seiten"));
    for (int page = 1; page <= m_form.pageCount; ++page)
        m_pages->addItem(tr("Seite %1").arg(page));
    m_pages->setEnabled(m_form.pageCount > 1);
    auto* pagesBox = new QGroupBox(tr(" Seiten "), this);
    auto* pagesLayout = new QVBoxLayout(pagesBox);
    pagesLayout->addWidget(m_pages);

    // Copies.
    m_plain = new QRadioButton(tr("Einfache Exemplare, Anzahl:"), this);
    m_plain->setObjectName(QStringLiteral("plainCopies"));
    m_count = new QSpinBox(this);
    m_count->setObjectName(QStringLiteral("count"));
    m_count->setRange(1, kMaxPrintCopies);
    auto* copiesBox = new QGroupBox(tr(" Exemplare "), this);
    auto* copies = new QGridLayout(copiesBox);
    copies->addWidget(m_plain, 0, 0);
    copies->addWidget(m_count, 0, 1);
    copies->setColumnStretch(2, 1);

    const QVector<Forms::CopyLabel>& labels = m_form.copyLabels.copies;
    if (!labels.isEmpty()) {
        m_labelled = new QRadioButton(
            tr("Beschriftete Exemplare, jedes auf eigenen Seiten in seiner Farbe:"), this);
        m_labelled->setObjectName(QStringLiteral("labelledCopies"));
        auto* list = new QLabel(LabelList(labels, false), this);
        list->setTextFormat(Qt::RichText);
        copies->addWidget(m_labelled, 1, 0, 1, 3);
        copies->addWidget(list, 2, 0, 1, 3);
        copies->setRowMinimumHeight(1, 28);
        list->setContentsMargins(24, 0, 0, 0);
        const QString optional = LabelList(labels, true);
        if (!optional.isEmpty()) {
            m_optional = new QCheckBox(tr("Auch das zusätzliche Exemplar:"), this);
            m_optional->setObjectName(QStringLiteral("optionalCopies"));
            auto* optionalList = new QLabel(optional, this);
            optionalList->setTextFormat(Qt::RichText);
            auto* row = new QHBoxLayout;
            row->setContentsMargins(24, 0, 0, 0);
            row->addWidget(m_optional);
            row->addWidget(optionalList, 1);
            copies->addLayout(row, 3, 0, 1, 3);
        }
        connect(m_labelled, &QRadioButton::toggled, this, [this] { UpdateControls(); });
    } else {
        m_plain->setText(tr("Anzahl:"));
        m_plain->setChecked(true);
        // Nothing else to choose: the button is only a caption.
        m_plain->setEnabled(false);
    }

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(tr("Speichern..."));
    buttons->button(QDialogButtonBox::Cancel)->setText(tr("Abbrechen"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pagesBox);
    layout->addWidget(copiesBox);
    layout->addWidget(buttons);
    setMinimumWidth(380);
}

void CDlgPdfSpeichern::UpdateControls()
{
    const bool labelled = m_labelled && m_labelled->isChecked();
    m_count->setEnabled(!labelled);
    if (m_optional)
        m_optional->setEnabled(labelled);
}

WholeNoteJob CDlgPdfSpeichern::Job() const
{
    WholeNoteJob job;
    if (m_form.pageCount > 1 && m_pages->currentIndex() > 0)
        job.pages = {m_pages->currentIndex()};
    else
        job = AllPagesJob(m_form);
    if (m_labelled && m_labelled->isChecked())
        job.copies = LabelledOriginals(m_form, m_optional && m_optional->isChecked());
    else
        job.copies = CopyPlan{m_count->value(), false};
    return job;
}

void CDlgPdfSpeichern::accept()
{
    m_settings.Set(m_section, Settings::PdfPages,
                   m_form.pageCount > 1 ? m_pages->currentIndex() : 0);
    m_settings.Set(m_section, Settings::PdfCopyCount, m_count->value());
    const bool labelled = m_labelled && m_labelled->isChecked();
    m_settings.Set(m_section, Settings::PdfLabelled,
                   labelled ? (m_optional && m_optional->isChecked() ? 2 : 1) : 0);
    QDialog::accept();
}
