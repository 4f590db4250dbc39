// The print command with its dialogs answered by the test, printing into PDF
// files: the order of the dialogs, the copies as pages, the printer setup that
// starts the command over, and a remembered printer that no longer exists.
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/errors/errortext.h"
#include "core/forms/cmrlayout.h"
#include "core/settings/settingsstore.h"
#include "modalanswerer.h"
#include "printingfixture.h"
#include "widgets/app/mainframe.h"
#include "widgets/printing/common_dlgmargin02.h"
#include "widgets/printing/dlgdrucken.h"
#include "widgets/printing/printcommand.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QSettings>
#include <QSpinBox>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <functional>
#include <memory>

namespace {

const QString kCmr = QStringLiteral("CMR");
const QString kUnknownPrinterMessage =
    QStringLiteral("Der Drucker %1 konnte nicht gefunden werden.\n"
                   "Es wird der Standarddrucker verwendet.");

// Qt writes every page object uncompressed with "/Type /Page".
int PdfPageCount(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
    int count = 0;
    for (auto it = page.globalMatch(QString::fromLatin1(file.readAll())); it.hasNext(); it.next())
        ++count;
    return count;
}

} // namespace

Q_DECLARE_METATYPE(FormType)

class TestPrintCommand : public QObject, PrintingFixture
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        Open([](const QTemporaryDir& dir) {
            return std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
                dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        });
        m_document->GetStore().SetFieldText(0, QStringLiteral("Spedition"), 1);
    }

    void cleanup() { Close(); }

    // The margin sheet comes first unless switched off; whatever the user does
    // there, the print dialog follows. The copies chosen there are the pages.
    void copiesOfTheChosenPage_data()
    {
        QTest::addColumn<int>("hideMargins");
        QTest::addColumn<bool>("acceptMargins");
        QTest::addColumn<int>("copies");
        QTest::addColumn<QStringList>("dialogs");
        const QStringList both = {QStringLiteral("Common_DlgMargin02"),
                                  QStringLiteral("CDlgDrucken")};
        QTest::newRow("margins accepted") << 0 << true << 3 << both;
        QTest::newRow("margins cancelled") << 0 << false << 2 << both;
        QTest::newRow("margins switched off")
            << 1 << true << 1 << QStringList{QStringLiteral("CDlgDrucken")};
    }
    void copiesOfTheChosenPage()
    {
        QFETCH(int, hideMargins);
        QFETCH(bool, acceptMargins);
        QFETCH(int, copies);
        QFETCH(QStringList, dialogs);
        m_settings->Set(kCmr, Settings::HideMarginDialog, hideMargins);

        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* margins = qobject_cast<Common_DlgMargin02*>(modal)) {
                acceptMargins ? margins->accept() : margins->reject();
            } else if (auto* print = qobject_cast<CDlgDrucken*>(modal)) {
                print->findChild<QSpinBox*>(QStringLiteral("copies"))->setValue(copies);
                print->findChild<QComboBox*>(QStringLiteral("pageList"))->setCurrentIndex(1);
                print->accept();
            } else {
                modal->close();
            }
        });
        QVERIFY(RunPrintCommand(*m_document, *m_settings, *m_frame, nullptr));
        QCOMPARE(answerer.seen, dialogs);
        QCOMPARE(PdfPageCount(Pdf()), copies);
        QCOMPARE(m_settings->Get(kCmr, Settings::Copies), copies);
    }

    void cancelledPrintDialogPrintsNothing()
    {
        m_settings->Set(kCmr, Settings::HideMarginDialog, 1);
        ModalAnswerer answerer([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QVERIFY(!RunPrintCommand(*m_document, *m_settings, *m_frame, nullptr));
        QVERIFY(!QFile::exists(Pdf()));
    }

    // The setup button: the printer dialog, the remembered printer forgotten,
    // then the command from the start, margin sheet included.
    void printerSetupStartsTheCommandOver()
    {
        m_settings->Set(kCmr, Settings::Printer, QStringLiteral("Verschwunden"));
        m_settings->Set(kCmr, Settings::ReusePrinter, 1);
        int printDialogs = 0;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* print = qobject_cast<CDlgDrucken*>(modal)) {
                if (++printDialogs == 1)
                    print->findChild<QPushButton*>(QStringLiteral("printerSetup"))->click();
                else
                    print->reject();
                return;
            }
            qobject_cast<QDialog*>(modal)->reject();
        });
        QVERIFY(!RunPrintCommand(*m_document, *m_settings, *m_frame, nullptr));
        QCOMPARE(
            answerer.seen,
            QStringList({QStringLiteral("Common_DlgMargin02"), QStringLiteral("QMessageBox"),
                         QStringLiteral("CDlgDrucken"), QStringLiteral("QPrintDialog"),
                         QStringLiteral("Common_DlgMargin02"), QStringLiteral("CDlgDrucken")}));
        // Told once: after the setup no printer is remembered any more.
        QCOMPARE(answerer.messages,
                 QStringList{kUnknownPrinterMessage.arg(QStringLiteral("Verschwunden"))});
        QCOMPARE(m_settings->Get(kCmr, Settings::Printer), QStringLiteral("@"));
        QCOMPARE(m_settings->Get(kCmr, Settings::ReusePrinter), 0);
    }

    // Without dialogs: a remembered printer that is gone is told, and the job
    // goes to the current printer all the same.
    void unknownRememberedPrinterPrintsOnTheCurrentOne_data()
    {
        QTest::addColumn<QString>("remembered");
        QTest::addColumn<int>("reuse");
        QTest::addColumn<int>("messages");
        QTest::newRow("gone, reused") << QStringLiteral("Laser im Keller") << 1 << 1;
        QTest::newRow("gone, not reused") << QStringLiteral("Laser im Keller") << 0 << 0;
        QTest::newRow("none remembered") << QStringLiteral("@") << 1 << 0;
    }
    void unknownRememberedPrinterPrintsOnTheCurrentOne()
    {
        QFETCH(QString, remembered);
        QFETCH(int, reuse);
        QFETCH(int, messages);
        m_settings->Set(kCmr, Settings::Printer, remembered);
        m_settings->Set(kCmr, Settings::ReusePrinter, reuse);
        ModalAnswerer answerer([](QWidget* modal) { modal->close(); });
        const Error error = PrintWithRememberedPrinter(*m_document, *m_settings, *m_frame, 1, 2);
        QVERIFY2(!error, qPrintable(ErrorMessage(error)));
        QCOMPARE(answerer.messages.size(), messages);
        if (messages)
            QCOMPARE(answerer.messages.first(), kUnknownPrinterMessage.arg(remembered));
        QCOMPARE(m_frame->CurrentPrinter().outputFormat(), QPrinter::PdfFormat);
        QCOMPARE(PdfPageCount(Pdf()), 2);
    }

    // A PDF has no unprintable border: margins left in the printer (by its
    // setup dialog) must not move the printout.
    void pdfPrinterPrintsFromThePageCorner()
    {
        const QString tool = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
        if (tool.isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed; scripts/deps.sh installs it");
        QPrinter& printer = m_frame->CurrentPrinter();
        printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
        const Error error = PrintOnPrinter(printer, *m_document, *m_settings, 1, 1);
        QVERIFY2(!error, qPrintable(ErrorMessage(error)));
        QCOMPARE(PdfPageCount(Pdf()), 1);

        QProcess process;
        process.start(tool, {QStringLiteral("-bbox"), Pdf(), QStringLiteral("-")});
        QVERIFY(process.waitForFinished(30000));
        const QString html = QString::fromUtf8(process.readAllStandardOutput());
        const auto m =
            QRegularExpression(QStringLiteral(R"re(<word xMin="([\d.]+)" yMin="([\d.]+)"[^>]*>)re"
                                              R"re(Spedition</word>)re"))
                .match(html);
        QVERIFY2(m.hasMatch(), qPrintable(html));
        // Box 1 (the sender) starts at 7 mm, 15 mm; its text 1 mm further right.
        QVERIFY(qAbs(m.captured(1).toDouble() * 25.4 / 72 - 8.0) < 0.3);
        QVERIFY(qAbs(m.captured(2).toDouble() * 25.4 / 72 - 15.0) < 0.3);
    }

    // Nothing reaches the printer for a request the form cannot serve.
    void refusedRequestsStartNoJob_data()
    {
        QTest::addColumn<FormType>("form");
        QTest::addColumn<int>("page");
        QTest::addColumn<int>("copies");
        QTest::newRow("CMR page 3") << FormType::Cmr << 3 << 1;
        QTest::newRow("no copies") << FormType::Cmr << 1 << 0;
        QTest::newRow("national note page 2") << FormType::National << 2 << 1;
    }
    void refusedRequestsStartNoJob()
    {
        QFETCH(FormType, form);
        QFETCH(int, page);
        QFETCH(int, copies);
        const auto document = CreateDocument(form, *m_settings);
        document->OnNewDocument();
        QVERIFY(PrintOnPrinter(m_frame->CurrentPrinter(), *document, *m_settings, page, copies)
                    .code() != ErrorCode::None);
        QVERIFY(!QFile::exists(Pdf()));
    }
};

QTEST_MAIN(TestPrintCommand)
#include "printcommand_test.moc"
