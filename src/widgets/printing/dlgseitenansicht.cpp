#include "widgets/printing/dlgseitenansicht.h"

#include "core/documents/krdocument.h"
#include "core/settings/settingsstore.h"
#include "render/printing/formprint.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/printing/margincommand.h"
#include "widgets/printing/printcommand.h"

#include <QAction>
#include <QActionGroup>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPageLayout>
#include <QPainter>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolBar>
#include <QVBoxLayout>

namespace {

const QString kSettingsSection = QLatin1String(Settings::kSectionSettings);

QAction* AddAction(QToolBar* bar, const QString& text, const char* name)
{
    QAction* action = bar->addAction(text);
    action->setObjectName(QLatin1String(name));
    return action;
}

} // namespace

CDlgSeitenansicht::CDlgSeitenansicht(const CKrDocument& document, CSettingsStore& settings,
                                     QPrinter& printer, QWidget* parent)
    : QDialog(parent), m_form(document.Form()), m_document(document), m_settings(settings)
{
    m_preview = new QPrintPreviewWidget(&printer, this);
    m_preview->setObjectName(QStringLiteral("preview"));
    connect(m_preview, &QPrintPreviewWidget::paintRequested, this, &CDlgSeitenansicht::PaintSheets);
    connect(m_preview, &QPrintPreviewWidget::previewChanged, this,
            &CDlgSeitenansicht::SyncPageField);
    BuildControls();
    setWindowTitle(tr("Seitenansicht - %1").arg(document.GetTitle()));
    SetBothPages(m_settings.Get(kSettingsSection, Settings::PreviewPages) == 2);

    // Room for a whole page at a size that can be read.
    if (const QScreen* screen = parent ? parent->screen() : QGuiApplication::primaryScreen()) {
        const QRect available = screen->availableGeometry();
        resize(qMin(available.width() * 9 / 10, 1100), available.height() * 9 / 10);
    }
}

void CDlgSeitenansicht::BuildControls()
{
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextOnly);
    auto* pages = new QActionGroup(this);
    m_onePage = AddAction(bar, tr("Eine Seite"), "onePage");
    m_bothPages = AddAction(bar, tr("Beide Seiten"), "bothPages");
    for (QAction* action : {m_onePage, m_bothPages}) {
        action->setCheckable(true);
        pages->addAction(action);
    }
    m_bothPages->setEnabled(m_form.pageCount > 1);
    connect(m_onePage, &QAction::triggered, this, [this] { SetBothPages(false); });
    connect(m_bothPages, &QAction::triggered, this, [this] { SetBothPages(true); });
    bar->addSeparator();

    QAction* zoomIn = AddAction(bar, tr("Vergrößern"), "zoomIn");
    zoomIn->setShortcut(QKeySequence::ZoomIn);
    connect(zoomIn, &QAction::triggered, m_preview, [this] { m_preview->zoomIn(1.25); });
    QAction* zoomOut = AddAction(bar, tr("Verkleinern"), "zoomOut");
    zoomOut->setShortcut(QKeySequence::ZoomOut);
    connect(zoomOut, &QAction::triggered, m_preview, [this] { m_preview->zoomOut(1.25); });
    connect(AddAction(bar, tr("Ganze Seite"), "fitPage"), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitInView);
    connect(AddAction(bar, tr("Seitenbreite"), "fitWidth"), &QAction::triggered, m_preview,
            &QPrintPreviewWidget::fitToWidth);
    bar->addSeparator();

    m_pageField = new QSpinBox(bar);
    m_pageField->setObjectName(QStringLiteral("page"));
    m_pageField->setRange(1, m_form.pageCount);
    m_pageField->setEnabled(m_form.pageCount > 1);
    bar->addWidget(new QLabel(tr(" Seite "), bar));
    bar->addWidget(m_pageField);
    bar->addWidget(new QLabel(tr(" von %1 ").arg(m_form.pageCount), bar));
    connect(m_pageField, qOverload<int>(&QSpinBox::valueChanged), m_preview,
            &QPrintPreviewWidget::setCurrentPage);
    bar->addSeparator();

    m_margins = AddAction(bar, tr("Ränder..."), "margins");
    connect(m_margins, &QAction::triggered, this, &CDlgSeitenansicht::EditMargins);

    m_paperNote = new QLabel(this);
    m_paperNote->setObjectName(QStringLiteral("paperNote"));
    m_print = new QPushButton(tr("Drucken..."), this);
    m_print->setObjectName(QStringLiteral("print"));
    m_print->setAutoDefault(false);
    auto* close = new QPushButton(tr("Schließen"), this);
    close->setObjectName(QStringLiteral("close"));
    close->setDefault(true);
    connect(m_print, &QPushButton::clicked, this, [this] {
        m_printRequested = true;
        accept();
    });
    connect(close, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(m_paperNote, 1);
    buttons->addWidget(m_print);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 6);
    layout->addWidget(bar);
    layout->addWidget(m_preview, 1);
    auto* bottom = new QWidget(this);
    bottom->setLayout(buttons);
    buttons->setContentsMargins(9, 0, 9, 0);
    layout->addWidget(bottom);
    m_paperNote->setText(
        tr("Druck auf den Vordruck: Feldtexte und Markierungen, das Formular blass darunter."));
}

void CDlgSeitenansicht::SetPlainPaper(const CopyPlan& copies)
{
    m_plain = true;
    m_copies = copies;
    m_paperNote->setText(tr("Druck auf Normalpapier: das ganze Formular."));
    // Margins shift only what goes onto a pre-printed sheet.
    m_margins->setEnabled(false);
    // A preview not shown yet is drawn when it shows.
    if (m_preview->isVisible())
        UpdatePreview();
}

void CDlgSeitenansicht::SetCurrentPage(int page)
{
    // Until the preview has drawn its pages it has none to go to; the page is
    // taken up when they are there.
    m_pendingPage = qBound(1, page, m_form.pageCount);
    m_pageField->setValue(m_pendingPage);
    m_preview->setCurrentPage(m_pendingPage);
}

int CDlgSeitenansicht::CurrentPage() const
{
    return m_pageField->value();
}

void CDlgSeitenansicht::SetBothPages(bool both)
{
    both = both && m_form.pageCount > 1;
    m_bothPages->setChecked(both);
    m_onePage->setChecked(!both);
    if (both)
        m_preview->setAllPagesViewMode();
    else
        m_preview->setSinglePageViewMode();
    m_preview->fitInView();
    m_preview->setCurrentPage(CurrentPage());
}

bool CDlgSeitenansicht::BothPages() const
{
    return m_bothPages->isChecked();
}

void CDlgSeitenansicht::SetPrintButtonText(const QString& text)
{
    m_print->setText(text);
}

void CDlgSeitenansicht::UpdatePreview()
{
    m_preview->updatePreview();
}

void CDlgSeitenansicht::PaintSheets(QPrinter* printer)
{
    PrepareSheetPrinter(*printer, m_plain);
    // Read once per repaint: the margins may have changed since the last one.
    const PrintContext context = PrintContext::Read(m_form, m_settings);
    QPainter painter;
    if (!painter.begin(printer))
        return;
    if (m_plain) {
        const NoteCopy copy = PlanCopies(m_form, m_copies).value(0);
        for (int page = 1; page <= m_form.pageCount; ++page) {
            if (page > 1)
                printer->newPage();
            DrawWholeNotePage(painter, m_document, context, page, copy);
        }
        return;
    }
    // Where the printable area begins on the paper: there the printer starts,
    // and the form lies from the paper's own corner.
    const QPointF corner = printer->pageLayout().paintRect(QPageLayout::Millimeter).topLeft() * 10;
    CFormPrint sheet(m_document, context);
    for (int page = 1; page <= m_form.pageCount; ++page) {
        if (page > 1)
            printer->newPage();
        sheet.PreviewPage(painter, page, corner);
    }
}

void CDlgSeitenansicht::EditMargins()
{
    if (EditPrintMargins(m_settings, m_form, this, CHelpTopicScope::ShowTopic))
        UpdatePreview();
}

void CDlgSeitenansicht::SyncPageField()
{
    if (m_pendingPage > 0 && m_preview->pageCount() >= m_pendingPage) {
        const int page = m_pendingPage;
        m_pendingPage = 0;
        m_preview->setCurrentPage(page);
    }
    const QSignalBlocker quiet(m_pageField);
    if (m_preview->currentPage() >= 1)
        m_pageField->setValue(m_preview->currentPage());
}

void CDlgSeitenansicht::done(int result)
{
    m_settings.Set(kSettingsSection, Settings::PreviewPages, BothPages() ? 2 : 1);
    QDialog::done(result);
}
