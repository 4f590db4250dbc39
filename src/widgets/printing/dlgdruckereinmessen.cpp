#include "widgets/printing/dlgdruckereinmessen.h"

#include "core/app/doctemplates.h"
#include "core/errors/errortext.h"
#include "core/forms/formtables.h"
#include "core/settings/language.h"
#include "core/settings/settingsstore.h"
#include "render/printing/calibrationprint.h"
#include "render/printing/printjob.h"
#include "widgets/app/formname.h"
#include "widgets/app/helptopicscope.h"
#include "widgets/app/mainframe.h"
#include "widgets/printing/marginpanel.h"
#include "widgets/printing/printcommand.h"
#include "widgets/views/boxnames.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QResizeEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The margin dialogs' help topic: the assistant sets the same values.
constexpr int kHelpTopic = 102;

QLabel* WrappedLabel(const QString& text, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

// A wrapped label whose preferred width is its text on one line: a plain
// wrapped label proposes a few short lines for itself. The window opens wide
// enough for each crosshair's name on one line; narrower, the names wrap.
class OneLineLabel : public QLabel
{
public:
    using QLabel::QLabel;

    QSize sizeHint() const override
    {
        const QMargins margins = contentsMargins();
        const int width = fontMetrics().horizontalAdvance(text()) + margins.left() +
                          margins.right() + 2 * margin() + 1;
        return QSize(width, heightForWidth(width));
    }
};

// A reading in millimetres, typed with a decimal comma or point and an
// optional sign; nothing for anything else.
std::optional<double> ParseMillimetres(QString text)
{
    text = text.trimmed();
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    text.replace(QChar(0x2212), QLatin1Char('-'));
    if (text.startsWith(QLatin1Char('+')))
        text.remove(0, 1);
    bool ok = false;
    const double value = QLocale::c().toDouble(text, &ok);
    if (!ok || !std::isfinite(value))
        return std::nullopt;
    return value;
}

QString ZeroReading()
{
    return ProgramLocale().toString(0.0, 'f', 1);
}

QString Percent(int thousandths)
{
    // Never broken between the number and its sign.
    return QStringLiteral("%1\u00a0%").arg(ProgramLocale().toString(thousandths / 10.0, 'f', 1));
}

QString Shift(int tenths, bool horizontal)
{
    const QLocale numbers = ProgramLocale();
    return horizontal ? Margins::HorizontalText(tenths, &numbers)
                      : Margins::VerticalText(tenths, &numbers);
}

// A reading as the program writes numbers, whichever mark was typed.
QString WithDecimalMark(QString text)
{
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    return text.replace(QLatin1Char('.'), ProgramLocale().decimalPoint());
}

// The width a reading field needs for the widest reading the scales allow, in
// its own font and style.
int ReadingFieldWidth(const QLineEdit& field)
{
    QStyleOptionFrame option;
    option.initFrom(&field);
    option.lineWidth = field.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &field);
    const QFontMetrics metrics(field.font());
    const QMargins margins = field.textMargins() + field.contentsMargins();
    // The line edit keeps 2 pixels of its own on either side of the text.
    const QSize text(metrics.horizontalAdvance(WithDecimalMark(QStringLiteral("\u221215.00"))) + 4 +
                         margins.left() + margins.right(),
                     metrics.height());
    return field.style()->sizeFromContents(QStyle::CT_LineEdit, &option, text, &field).width();
}

QString PageTitle(const Forms::FormDescription& form, int page)
{
    if (form.pageCount < 2)
        return CDlgDruckerEinmessen::tr("Seite 1");
    return page == 1 ? CDlgDruckerEinmessen::tr("Vorderseite")
                     : CDlgDruckerEinmessen::tr("Rückseite");
}

} // namespace

CDlgDruckerEinmessen::CDlgDruckerEinmessen(const Forms::FormDescription& form,
                                           CSettingsStore& settings, int page, PrintPage print,
                                           QWidget* parent)
    : QDialog(parent), m_form(form), m_settings(settings), m_print(std::move(print))
{
    setWindowTitle(tr("Drucker einmessen - %1").arg(FormName(form.type)));
    m_publisher = settings.Get(form.Section(), Settings::Publisher);

    // 1. The calibration page. Every explanation wraps, so that no text is cut
    // however narrow the window; the fields keep the widths their contents need.
    auto* sheetBox = new QGroupBox(tr("1. Kalibrierblatt drucken"), this);
    m_pageChoice = new QComboBox(sheetBox);
    m_pageChoice->setObjectName(QStringLiteral("page"));
    for (int p = 1; p <= form.pageCount; ++p)
        m_pageChoice->addItem(PageTitle(form, p), p);
    m_pageChoice->setEnabled(form.pageCount > 1);
    const QString publisherName = FormTables::PublisherName(m_publisher);
    m_printButton = new QPushButton(tr("Kalibrierblatt drucken..."), sheetBox);
    m_printButton->setObjectName(QStringLiteral("printSheet"));
    m_printButton->setAutoDefault(false);
    auto* pageRow = new QHBoxLayout;
    pageRow->addWidget(new QLabel(tr("Seite:"), sheetBox));
    pageRow->addWidget(m_pageChoice);
    pageRow->addWidget(m_printButton);
    pageRow->addStretch(1);
    auto* sheetLayout = new QVBoxLayout(sheetBox);
    sheetLayout->addWidget(
        WrappedLabel(tr("Das Kalibrierblatt trägt zwei Kreuze mit Millimeterskalen dort, wo der "
                        "Drucker die Ecken zweier Felder hinsetzt. Drucken Sie es auf normales "
                        "Papier, eingelegt wie ein Formular."),
                     sheetBox));
    sheetLayout->addLayout(pageRow);
    sheetLayout->addWidget(WrappedLabel(
        tr("Hersteller: %1")
            .arg(publisherName.isEmpty() ? QString::number(m_publisher) : publisherName),
        sheetBox));

    // 2. The readings: the crosshairs' names take what width is left, the
    // fields stay beside them.
    auto* readingBox = new QGroupBox(tr("2. Ablesen"), this);
    auto* readingLayout = new QGridLayout(readingBox);
    readingLayout->addWidget(
        WrappedLabel(tr("Legen Sie das Blatt genau auf ein leeres Formular und halten Sie beide "
                        "gegen das Licht. Tragen Sie ein, wie weit die Ecke des Feldes vom "
                        "Mittelpunkt des Kreuzes entfernt liegt, in Millimetern: nach rechts und "
                        "nach unten mit Plus, nach links und nach oben mit Minus."),
                     readingBox),
        0, 0, 1, 5);
    readingLayout->addWidget(new QLabel(tr("nach rechts"), readingBox), 1, 1, 1, 2);
    readingLayout->addWidget(new QLabel(tr("nach unten"), readingBox), 1, 3, 1, 2);
    for (int mark = 0; mark < 2; ++mark) {
        m_markLabels[size_t(mark)] = new OneLineLabel(readingBox);
        m_markLabels[size_t(mark)]->setWordWrap(true);
        readingLayout->addWidget(m_markLabels[size_t(mark)], 2 + mark, 0);
        for (int axis = 0; axis < 2; ++axis) {
            auto* field = new QLineEdit(ZeroReading(), readingBox);
            field->setObjectName(
                QStringLiteral("reading%1%2")
                    .arg(mark + 1)
                    .arg(axis == 0 ? QStringLiteral("Right") : QStringLiteral("Down")));
            field->setAlignment(Qt::AlignRight);
            const int width = ReadingFieldWidth(*field);
            field->setMinimumWidth(width);
            field->setMaximumWidth(width * 3 / 2);
            m_readingFields[size_t(mark * 2 + axis)] = field;
            readingLayout->addWidget(field, 2 + mark, 1 + axis * 2);
            readingLayout->addWidget(new QLabel(QStringLiteral("mm"), readingBox), 2 + mark,
                                     2 + axis * 2);
            connect(field, &QLineEdit::textChanged, this, [this] { Recompute(); });
            // What was typed with a point shows as the program writes numbers.
            connect(field, &QLineEdit::editingFinished, field, [field] {
                if (ParseMillimetres(field->text()))
                    field->setText(WithDecimalMark(field->text().trimmed()));
            });
        }
    }
    readingLayout->setColumnStretch(0, 1);

    // 3. The result.
    auto* resultBox = new QGroupBox(tr("3. Ergebnis"), this);
    m_resultLabel = WrappedLabel(QString(), resultBox);
    m_resultLabel->setObjectName(QStringLiteral("result"));
    m_resultLabel->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_statusLabel = WrappedLabel(QString(), resultBox);
    m_statusLabel->setObjectName(QStringLiteral("status"));
    auto* resultLayout = new QVBoxLayout(resultBox);
    resultLayout->addWidget(m_resultLabel);
    resultLayout->addWidget(m_statusLabel);

    auto* buttons = new QDialogButtonBox(this);
    m_applyButton = buttons->addButton(tr("Werte übernehmen"), QDialogButtonBox::ApplyRole);
    m_applyButton->setObjectName(QStringLiteral("apply"));
    QPushButton* close = buttons->addButton(tr("Schließen"), QDialogButtonBox::RejectRole);
    close->setObjectName(QStringLiteral("close"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(sheetBox);
    layout->addWidget(readingBox);
    layout->addWidget(resultBox);
    // Height to spare goes below the steps, not between their lines.
    layout->addStretch(1);
    layout->addWidget(buttons);

    connect(m_pageChoice, &QComboBox::currentIndexChanged, this,
            [this] { SetPage(m_pageChoice->currentData().toInt()); });
    connect(m_printButton, &QPushButton::clicked, this, [this] { PrintSheet(); });
    connect(m_applyButton, &QPushButton::clicked, this, [this] { ApplyResult(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    SetPage(qBound(1, page, form.pageCount));
}

bool CDlgDruckerEinmessen::event(QEvent* event)
{
    const bool handled = QDialog::event(event);
    // The layout has just taken in changed texts (a result, a button's caption).
    if (event->type() == QEvent::LayoutRequest)
        FitMinimumSize();
    return handled;
}

void CDlgDruckerEinmessen::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    FitMinimumSize();
}

void CDlgDruckerEinmessen::FitMinimumSize()
{
    // Wrapped texts need more lines the narrower the window, which a window's
    // minimum size does not follow by itself: the minimum height is that of
    // the contents at the present width, so no line is ever cut off.
    QLayout* contents = layout();
    contents->activate();
    const int minimumWidth = contents->totalMinimumSize().width();
    const int minimumHeight = contents->totalHeightForWidth(qMax(width(), minimumWidth));
    setMinimumSize(minimumWidth, qMax(minimumHeight, contents->totalMinimumSize().height()));
}

void CDlgDruckerEinmessen::SetPage(int page)
{
    m_page = qBound(1, page, m_form.pageCount);
    {
        const QSignalBlocker blocker(m_pageChoice);
        m_pageChoice->setCurrentIndex(m_page - 1);
    }
    m_marks = Calibration::MarksFor(m_form, m_page, m_publisher);
    m_printButton->setText(tr("Kalibrierblatt drucken..."));
    SetStatus(QString());
    BuildMarkLabels();
    // Readings of one page say nothing about another.
    for (QLineEdit* field : m_readingFields) {
        const QSignalBlocker blocker(field);
        field->setText(ZeroReading());
    }
    Recompute();
}

void CDlgDruckerEinmessen::SetStatus(const QString& text)
{
    m_statusLabel->setText(text);
    // An empty line would still take its room below the result.
    m_statusLabel->setVisible(!text.isEmpty());
}

void CDlgDruckerEinmessen::BuildMarkLabels()
{
    const QVector<BoxName> names = BoxNames(m_form, m_page, m_publisher);
    for (int mark = 0; mark < 2; ++mark) {
        const Calibration::Mark& m = m_marks[size_t(mark)];
        const bool topLeft = m.corner == Calibration::Corner::TopLeft;
        const QString box = names.value(m.box).name;
        QString text;
        if (box.isEmpty())
            text =
                topLeft ? tr("Kreuz %1 (Ecke oben links):") : tr("Kreuz %1 (Ecke unten rechts):");
        else
            text = topLeft ? tr("Kreuz %1 (Ecke oben links von \"%2\"):")
                           : tr("Kreuz %1 (Ecke unten rechts von \"%2\"):");
        text = text.arg(mark + 1);
        m_markLabels[size_t(mark)]->setText(box.isEmpty() ? text : text.arg(box));
    }
}

std::optional<Calibration::Readings> CDlgDruckerEinmessen::Readings() const
{
    Calibration::Readings readings{};
    for (int mark = 0; mark < 2; ++mark) {
        const auto right = ParseMillimetres(m_readingFields[size_t(mark * 2)]->text());
        const auto down = ParseMillimetres(m_readingFields[size_t(mark * 2 + 1)]->text());
        if (!right || !down)
            return std::nullopt;
        readings[size_t(mark)] = QPointF(*right * 10, *down * 10);
    }
    return readings;
}

void CDlgDruckerEinmessen::Recompute()
{
    m_current = Calibration::ReadPrintSettings(m_form, m_page, m_settings);
    const auto readings = Readings();
    m_result = readings ? Calibration::Solve(m_marks, *readings, m_current)
                        : Error(ErrorCode::CalibrationReadingNotNumber,
                                {ProgramLocale().toString(1.5, 'f', 1),
                                 ProgramLocale().toString(-0.5, 'f', 1)});
    const bool changes = m_result && !(m_result->settings == m_current);
    m_applyButton->setEnabled(changes);
    m_resultLabel->setText(ResultText());
    QPalette palette = m_resultLabel->palette();
    palette.setColor(QPalette::WindowText, m_result ? this->palette().color(QPalette::WindowText)
                                                    : QColor(Qt::red).darker(130));
    m_resultLabel->setPalette(palette);
}

QString CDlgDruckerEinmessen::ResultText() const
{
    if (!m_result)
        return ErrorMessage(m_result.error());
    const Calibration::PrintSettings& found = m_result->settings;
    if (found == m_current)
        return tr("Die Ablesungen ergeben keine Änderung: die Kreuze liegen auf den Ecken der "
                  "Felder.");
    double residual = 0;
    for (const QPointF& r : m_result->residual)
        residual = qMax(residual, qMax(std::abs(r.x()), std::abs(r.y())));
    const QString title = PageTitle(m_form, m_page);
    return QStringList{
        tr("Neue Werte (%1):").arg(title),
        tr("Verschiebung horizontal: %1 (bisher %2)")
            .arg(Shift(found.margins.x(), true), Shift(m_current.margins.x(), true)),
        tr("Verschiebung vertikal: %1 (bisher %2)")
            .arg(Shift(found.margins.y(), false), Shift(m_current.margins.y(), false)),
        tr("Druckbereich horizontal: %1 (bisher %2)")
            .arg(Percent(found.factorH), Percent(m_current.factorH)),
        tr("Druckbereich vertikal: %1 (bisher %2)")
            .arg(Percent(found.factorV), Percent(m_current.factorV)),
        tr("Erwartete Abweichung auf dem zweiten Kalibrierblatt: höchstens %1 mm.")
            .arg(ProgramLocale().toString(std::ceil(residual) / 10.0, 'f', 1)),
        tr("Die Druckbereich-Korrektur gilt für alle Formulare."),
    }
        .join(QLatin1Char('\n'));
}

bool CDlgDruckerEinmessen::ApplyResult()
{
    Recompute();
    if (!m_applyButton->isEnabled())
        return false;
    if (!Calibration::WritePrintSettings(m_form, m_page, m_result->settings, m_settings)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Die Einstellungen konnten nicht gespeichert werden."));
        Recompute();
        return false;
    }
    for (QLineEdit* field : m_readingFields) {
        const QSignalBlocker blocker(field);
        field->setText(ZeroReading());
    }
    m_printButton->setText(tr("Zweites Kalibrierblatt drucken..."));
    SetStatus(tr("Die Werte sind gespeichert. Drucken Sie zur Kontrolle ein zweites "
                 "Kalibrierblatt: die Kreuze sollten nun auf den Ecken der Felder liegen. Was "
                 "noch fehlt, tragen Sie wieder ein."));
    Recompute();
    return true;
}

bool CDlgDruckerEinmessen::PrintSheet()
{
    if (!m_print)
        return false;
    const Expected<bool> sent = m_print(m_page);
    if (!sent)
        QMessageBox::warning(this, windowTitle(), ErrorMessage(sent.error()));
    return sent && *sent;
}

void RunPrinterCalibration(const Forms::FormDescription& form, CSettingsStore& settings,
                           CMainFrame& frame, int page, QWidget* parent)
{
    CHelpTopicScope help(kHelpTopic);
    const auto print = [&form, &settings, &frame, parent](int sheetPage) -> Expected<bool> {
        SelectRememberedPrinter(form.type, settings, frame);
        QPrinter& printer = frame.CurrentPrinter();
        {
            QPrintDialog dialog(&printer, parent);
            dialog.setWindowTitle(CDlgDruckerEinmessen::tr("Kalibrierblatt drucken"));
            dialog.setOptions(QAbstractPrintDialog::PrintToFile |
                              QAbstractPrintDialog::PrintShowPageSize);
            if (dialog.exec() != QDialog::Accepted)
                return false;
        }
        PrepareSheetPrinter(printer, false);
        printer.setFromTo(1, 1);
        printer.setDocName(CDlgDruckerEinmessen::tr("Kalibrierblatt"));
        if (Error error =
                PrintCalibrationPage(printer, form, sheetPage, PrintContext::Read(form, settings)))
            return error;
        if (printer.printerState() == QPrinter::Error)
            return Error(ErrorCode::PrintJobFailed);
        return true;
    };
    CDlgDruckerEinmessen dialog(form, settings, page, print, parent);
    dialog.exec();
}
