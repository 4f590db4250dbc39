// The print preview, the whole form on plain paper and "Als PDF speichern..."
// in the program: the commands in the menu and the toolbar, the preview dialog
// with its pages, views, margins and its way to the printer, the plain-paper
// choice of the print dialog, and the PDF command with its options, all
// answered by the test and printing into PDF files read back with the poppler
// tools.
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/errors/errortext.h"
#include "core/forms/cmrlayout.h"
#include "core/forms/kombilayout.h"
#include "core/settings/settingsstore.h"
#include "formviewwindow.h"
#include "modalanswerer.h"
#include "pdfreadback.h"
#include "printingfixture.h"
#include "widgets/app/childframe.h"
#include "widgets/app/commandids.h"
#include "widgets/app/mainframe.h"
#include "widgets/printing/common_dlgmargin02.h"
#include "widgets/printing/dlgdrucken.h"
#include "widgets/printing/dlgpdfspeichern.h"
#include "widgets/printing/dlgseitenansicht.h"
#include "widgets/printing/pdfcommand.h"
#include "widgets/printing/printcommand.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QMenuBar>
#include <QPrintPreviewWidget>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>

#include <memory>

namespace {

const QString kCmr = QStringLiteral("CMR");
const QString kSettings = QStringLiteral("Settings");
const char* const kSender = "Nordwind-Logistik";
const char* const kBack = "Vereinbarung";

QStringList ActionTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (const QAction* action : actions)
        texts << action->text();
    return texts;
}

template <typename T> T* Child(QWidget* parent, const char* name)
{
    return parent->findChild<T*>(QLatin1String(name));
}

} // namespace

Q_DECLARE_METATYPE(FormType)

class PrintPreviewTest : public QObject, PrintingFixture
{
    Q_OBJECT

private:
    // The words of a PDF, failing the test when they cannot be read.
    PrintedPdf Words(const QString& pdf)
    {
        QString error;
        const PrintedPdf read = ReadPdfWords(pdf, &error);
        if (!error.isEmpty())
            qWarning("%s", qPrintable(error));
        return read;
    }

private Q_SLOTS:
    void init()
    {
        if (!PopplerToolsInstalled())
            QSKIP("pdftotext and pdftoppm (poppler-utils) are not installed; scripts/deps.sh "
                  "installs them");
        Open([](const QTemporaryDir& dir) { return FormViewSettings(dir, kCmr, 14); });
        m_document->GetStore().SetFieldText(0, QString::fromUtf8(kSender), 1);
        m_document->GetStore().SetFieldText(0, QString::fromUtf8(kBack), 2);
        const Error error = m_document->OnSaveDocument(Path("note.cmr"));
        QVERIFY2(!error, qPrintable(ErrorMessage(error)));
    }

    void cleanup() { Close(); }

    // Both commands sit in the Datei menu and the preview on the toolbar, and
    // every form has them.
    void commandsInMenuAndToolbar_data()
    {
        QTest::addColumn<FormType>("form");
        QTest::newRow("CMR") << FormType::Cmr;
        QTest::newRow("Kombi") << FormType::Kombi;
        QTest::newRow("national") << FormType::National;
        QTest::newRow("forwarding") << FormType::Forwarding;
    }
    void commandsInMenuAndToolbar()
    {
        QFETCH(FormType, form);
        auto document = CreateDocument(form, *m_settings);
        document->OnNewDocument();
        CFormView* view = CreateFormView(*document, *m_settings, *m_frame);
        m_frame->AddChild(
            new CChildFrame(std::move(document), view, DocTemplateFor(form).resourceId, *m_frame));
        m_frame->UpdateCommandUI();
        QMenu* file = nullptr;
        for (QAction* action : m_frame->menuBar()->actions())
            if (action->text() == QLatin1String("&Datei"))
                file = action->menu();
        QVERIFY(file);
        const QStringList texts = ActionTexts(file->actions());
        QVERIFY(texts.indexOf("Als PDF speichern...") == texts.indexOf("Speichern &unter...") + 1);
        QVERIFY(texts.indexOf("Seitenansicht") == texts.indexOf("&Drucken...") + 1);
        auto* toolbar = Child<QToolBar>(m_frame.get(), "Standard");
        QVERIFY(toolbar->actions().contains(m_frame->Action(Cmd::PrintPreview)));
        QVERIFY(m_frame->Action(Cmd::PrintPreview)->isEnabled());
        QVERIFY(m_frame->Action(Cmd::SaveAsPdf)->isEnabled());
    }

    // Every page of the form, one at a time or side by side; the choice is
    // kept for the next preview.
    void pagesAndViews()
    {
        {
            CDlgSeitenansicht preview(*m_document, *m_settings, m_frame->CurrentPrinter());
            preview.show();
            QVERIFY(QTest::qWaitForWindowExposed(&preview));
            QCOMPARE(preview.PreviewWidget()->pageCount(), 2);
            QCOMPARE(preview.PreviewWidget()->viewMode(), QPrintPreviewWidget::SinglePageView);
            Child<QSpinBox>(&preview, "page")->setValue(2);
            QCOMPARE(preview.PreviewWidget()->currentPage(), 2);
            Child<QAction>(&preview, "bothPages")->trigger();
            QCOMPARE(preview.PreviewWidget()->viewMode(), QPrintPreviewWidget::AllPagesView);
            Child<QPushButton>(&preview, "close")->click();
            QVERIFY(!preview.PrintRequested());
        }
        QCOMPARE(m_settings->Get(kSettings, Settings::PreviewPages), 2);
        CDlgSeitenansicht again(*m_document, *m_settings, m_frame->CurrentPrinter());
        QVERIFY(again.BothPages());

        // A one-page form has nothing to show beside its page.
        auto kombi = CreateDocument(FormType::Kombi, *m_settings);
        kombi->OnNewDocument();
        CDlgSeitenansicht single(*kombi, *m_settings, m_frame->CurrentPrinter());
        single.show();
        QVERIFY(QTest::qWaitForWindowExposed(&single));
        QCOMPARE(single.PreviewWidget()->pageCount(), 1);
        QVERIFY(!single.BothPages());
        QVERIFY(!Child<QAction>(&single, "bothPages")->isEnabled());
    }

    // What the preview draws onto a printer holds the texts exactly where the
    // printer gets them, and the form's captions besides: for the publisher with
    // print tables of its own and for one that shares them.
    void previewShowsTheTextsWhereThePrinterGetsThem_data()
    {
        QTest::addColumn<int>("publisher");
        QTest::newRow("publisher 0") << 0;
        QTest::newRow("publisher 2") << 2;
    }
    void previewShowsTheTextsWhereThePrinterGetsThem()
    {
        QFETCH(int, publisher);
        m_settings->Set(kCmr, Settings::Publisher, publisher);
        m_settings->Set(kCmr, Settings::LeftMargin1, 15);
        m_settings->Set(kCmr, Settings::TopMargin1, -10);
        const Error error =
            PrintOnPrinter(m_frame->CurrentPrinter(), *m_document, *m_settings, 1, 1);
        QVERIFY2(!error, qPrintable(ErrorMessage(error)));
        const PrintedPdf printed = Words(Pdf());

        QPrinter other(QPrinter::HighResolution);
        other.setOutputFormat(QPrinter::PdfFormat);
        other.setOutputFileName(Path("preview.pdf"));
        CDlgSeitenansicht preview(*m_document, *m_settings, other);
        preview.PaintSheets(&other);
        const PrintedPdf shown = Words(Path("preview.pdf"));
        QCOMPARE(shown.pages.size(), 2);
        const auto word = FindWord(printed.pages.value(0), kSender);
        const auto same = FindWord(shown.pages[0], kSender);
        QVERIFY(word && same);
        QVERIFY(qAbs(word->mm.left() - same->mm.left()) < 0.01);
        QVERIFY(qAbs(word->mm.top() - same->mm.top()) < 0.01);
        if (publisher == 2) {
            QVERIFY(qAbs(same->mm.left() - 9.5) < 0.3); // 1.5 mm right, 1 mm up
            QVERIFY(qAbs(same->mm.top() - 14.0) < 0.3);
        }
        QVERIFY(FindWord(shown.pages[0], "INTERNATIONALER"));
        QVERIFY(!FindWord(printed.pages.value(0), "INTERNATIONALER"));
        QVERIFY(FindWord(shown.pages[1], kBack));
    }

    // "Ränder..." in the preview stores the margins and draws the preview anew.
    void marginsFromThePreview()
    {
        CDlgSeitenansicht preview(*m_document, *m_settings, m_frame->CurrentPrinter());
        preview.show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QSignalSpy redrawn(preview.PreviewWidget(), &QPrintPreviewWidget::paintRequested);
        ModalAnswerer answerer([](QWidget* modal) {
            if (auto* margins = qobject_cast<Common_DlgMargin02*>(modal)) {
                margins->SetHorizontal(1, 25);
                margins->accept();
            }
        });
        Child<QAction>(&preview, "margins")->trigger();
        QCOMPARE(m_settings->Get(kCmr, Settings::LeftMargin1), 25);
        QCOMPARE(redrawn.count(), 1);
    }

    // From the menu's preview the print command follows, with the page the
    // preview showed offered first.
    void printFromThePreview()
    {
        int shownPage = 0;
        bool plainPaper = true;
        int offeredPage = 0;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* preview = qobject_cast<CDlgSeitenansicht*>(modal)) {
                shownPage = preview->PreviewWidget()->currentPage();
                plainPaper = preview->PlainPaper();
                Child<QPushButton>(preview, "print")->click();
            } else if (auto* margins = qobject_cast<Common_DlgMargin02*>(modal)) {
                margins->accept();
            } else if (auto* print = qobject_cast<CDlgDrucken*>(modal)) {
                offeredPage = print->ChosenPage();
                Child<QSpinBox>(print, "copies")->setValue(2);
                print->accept();
            }
        });
        QVERIFY(RunPrintPreview(*m_document, *m_settings, *m_frame, nullptr, 2));
        QCOMPARE(answerer.seen,
                 QStringList({"CDlgSeitenansicht", "Common_DlgMargin02", "CDlgDrucken"}));
        QCOMPARE(shownPage, 2);
        QVERIFY(!plainPaper);
        QCOMPARE(offeredPage, 2);
        const PrintedPdf printed = Words(Pdf());
        QCOMPARE(printed.pages.size(), 2);
        QVERIFY(FindWord(printed.pages[0], kBack));
    }

    // Plain paper in the print dialog: its preview shows the whole form, and
    // printing from there prints the copies as the labelled originals.
    void plainPaperFromThePrintDialog()
    {
        m_settings->Set(kCmr, Settings::HideMarginDialog, 1);
        QVector<bool> labelsEnabled;
        bool previewPlain = false;
        bool previewMargins = true;
        ModalAnswerer answerer([&](QWidget* modal) {
            if (auto* print = qobject_cast<CDlgDrucken*>(modal)) {
                auto* labels = Child<QCheckBox>(print, "labelCopies");
                labelsEnabled << labels->isEnabled(); // pre-printed: nothing to label
                Child<QRadioButton>(print, "plainPaper")->setChecked(true);
                labelsEnabled << labels->isEnabled();
                labels->setChecked(true);
                Child<QSpinBox>(print, "copies")->setValue(4);
                // The preview opens modally; the answerer must be free to
                // answer it.
                QTimer::singleShot(0, Child<QPushButton>(print, "preview"), &QPushButton::click);
            } else if (auto* preview = qobject_cast<CDlgSeitenansicht*>(modal)) {
                previewPlain = preview->PlainPaper();
                previewMargins = Child<QAction>(preview, "margins")->isEnabled();
                Child<QPushButton>(preview, "print")->click();
            }
        });
        QVERIFY(RunPrintCommand(*m_document, *m_settings, *m_frame, nullptr));
        QCOMPARE(answerer.seen, QStringList({"CDlgDrucken", "CDlgSeitenansicht"}));
        QCOMPARE(labelsEnabled, QVector<bool>({false, true}));
        QVERIFY(previewPlain);
        QVERIFY(!previewMargins);
        QCOMPARE(m_settings->Get(kCmr, Settings::PlainPaper), 1);
        QCOMPARE(m_settings->Get(kCmr, Settings::LabelCopies), 1);
        const PrintedPdf printed = Words(Pdf());
        QCOMPARE(printed.pages.size(), 4);
        const QStringList labels = {"1 Exemplar für den Absender", "2 Exemplar für den Empfänger",
                                    "3 Exemplar für den Frachtführer", "4 Weiteres Exemplar"};
        for (int i = 0; i < 4; ++i) {
            const QString text = PdfPageText(Pdf(), i + 1, nullptr);
            QVERIFY2(text.contains(labels[i]), qPrintable(text));
            const auto sender = FindWord(printed.pages[i], kSender);
            QVERIFY(sender);
            // From the corner of the paper, as on the PDF page.
            QVERIFY(qAbs(sender->mm.left() - 8.2) < 0.3);
            QVERIFY(FindWord(printed.pages[i], "INTERNATIONALER"));
        }
    }

    // "Als PDF speichern...": options, then the file beside the document.
    void saveAsPdf()
    {
        QString proposed;
        auto answerer = std::make_unique<ModalAnswerer>([&](QWidget* modal) {
            if (auto* options = qobject_cast<CDlgPdfSpeichern*>(modal)) {
                Child<QComboBox>(options, "pages")->setCurrentIndex(1); // page 1
                Child<QRadioButton>(options, "labelledCopies")->setChecked(true);
                Child<QCheckBox>(options, "optionalCopies")->setChecked(true);
                options->accept();
            } else if (auto* files = qobject_cast<QFileDialog*>(modal)) {
                proposed = files->selectedFiles().value(0);
                files->selectFile(Path("ausgabe.pdf"));
                static_cast<QDialog*>(files)->accept(); // as the Save button does
            }
        });
        QVERIFY(RunSaveAsPdf(*m_document, *m_settings, nullptr));
        answerer.reset();
        QCOMPARE(QFileInfo(proposed).fileName(), QStringLiteral("note.pdf"));
        QCOMPARE(Words(Path("ausgabe.pdf")).pages.size(), 4);
        QCOMPARE(m_settings->Get(kCmr, Settings::PdfPages), 1);
        QCOMPARE(m_settings->Get(kCmr, Settings::PdfLabelled), 2);

        // Cancelled options: no file dialog, no file, nothing stored.
        m_settings->Set(kCmr, Settings::PdfLabelled, 0);
        ModalAnswerer cancel([](QWidget* modal) { qobject_cast<QDialog*>(modal)->reject(); });
        QVERIFY(!RunSaveAsPdf(*m_document, *m_settings, nullptr));
        QCOMPARE(cancel.seen, QStringList{"CDlgPdfSpeichern"});
        QCOMPARE(m_settings->Get(kCmr, Settings::PdfLabelled), 0);
    }

    // The options as the form has them: the CMR note's originals, the Kombi
    // note's plain copies on its one page.
    void pdfOptionsFollowTheForm()
    {
        CDlgPdfSpeichern cmr(CmrLayout::Description(), *m_settings);
        QCOMPARE(cmr.Job().pages, QVector<int>({1, 2}));
        Child<QRadioButton>(&cmr, "labelledCopies")->setChecked(true);
        QCOMPARE(cmr.Job().copies.count, 3);
        QVERIFY(cmr.Job().copies.labelled);
        Child<QCheckBox>(&cmr, "optionalCopies")->setChecked(true);
        QCOMPARE(cmr.Job().copies.count, 4);

        CDlgPdfSpeichern kombi(KombiLayout::Description(), *m_settings);
        QVERIFY(!Child<QRadioButton>(&kombi, "labelledCopies"));
        QVERIFY(!Child<QComboBox>(&kombi, "pages")->isEnabled());
        Child<QSpinBox>(&kombi, "count")->setValue(3);
        QCOMPARE(kombi.Job().pages, QVector<int>({1}));
        QCOMPARE(kombi.Job().copies.count, 3);
        QVERIFY(!kombi.Job().copies.labelled);
    }
};

QTEST_MAIN(PrintPreviewTest)
#include "printpreview_test.moc"
