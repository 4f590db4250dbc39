// The small windows of the application shell: display size, introductory help,
// splash window, reset question, about box and support information.
#include "screenshot.h"
#include "widgets/app/common_dlgsetdisplaysizefactor.h"
#include "widgets/app/common_dlgsupportinfo.h"
#include "widgets/app/dlgabout.h"
#include "widgets/app/dlghelpdialog.h"
#include "widgets/app/helpwindow.h"
#include "widgets/app/splashwnd.h"
#include "widgets/settings/resetcommands.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QCommandLinkButton>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QTextBrowser>
#include <QTextCursor>
#include <QTranslator>
#include <QVBoxLayout>

// Gives the help window's folder text as the catalogue of a language would,
// without a compiled catalogue.
class HelpFolderTranslator : public QTranslator
{
public:
    explicit HelpFolderTranslator(QString folder) : m_folder(std::move(folder)) {}
    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* /*disambiguation*/,
                      int /*n*/) const override
    {
        return qstrcmp(context, "CHelpWindow") == 0 && qstrcmp(sourceText, ":/help/") == 0
                   ? m_folder
                   : QString();
    }

private:
    QString m_folder;
};

class TestShellDialogs : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void displaySizeShowsTheScreenScaleAndTheStoredChoice()
    {
        Common_DlgSetDisplaySizeFactor dialog(135, 125);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, "display-size");
        QCOMPARE(dialog.windowTitle(), QStringLiteral("Anzeigegröße verändern"));
        QCOMPARE(dialog.Choice(0)->text(), QStringLiteral("Systemeinstellung benutzen (125%)"));
        QVERIFY(dialog.Choice(4)->isChecked());
        QCOMPARE(dialog.SelectedScaling(), 130);
        dialog.Choice(0)->click();
        QCOMPARE(dialog.SelectedScaling(), 0);
        QVERIFY(dialog.Choice(6)->toolTip().contains(QStringLiteral("Darstellung mit 150% Größe")));
    }

    void helpDialogModesAndItsCheckBox_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("escape");
        QTest::addColumn<int>("dontShowAgain");
        QTest::newRow("mode 1, OK") << 1 << false << 1;
        QTest::newRow("mode 2, OK") << 2 << false << 1;
        QTest::newRow("mode 1, Escape") << 1 << true << 0;
    }

    void helpDialogModesAndItsCheckBox()
    {
        QFETCH(int, mode);
        QFETCH(bool, escape);
        QFETCH(int, dontShowAgain);
        CDlgHelpDialog dialog;
        dialog.SetMode(quint16(mode));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, mode == 1 ? "intro-help-1" : "intro-help-2");
        QCOMPARE(dialog.CursorIcon()->isVisible(), mode == 1);
        QCOMPARE(dialog.QuestionIcon()->isVisible(), mode == 2);
        QVERIFY(dialog.SecondText()->text().contains(mode == 1 ? "linken Maustaste" : "F8"));
        QVERIFY(!dialog.CheckBox()->isChecked());
        dialog.CheckBox()->setChecked(true);
        if (escape)
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else
            QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(!dialog.isVisible());
        QCOMPARE(dialog.DontShowAgain(), dontShowAgain);
    }

    // The splash window belongs to no window and stays on top of none; the key
    // or click that closes it still reaches the window it was meant for.
    void splashWindowPassesTheFirstKeyAndClickOn()
    {
        QWidget main;
        auto* layout = new QVBoxLayout(&main);
        auto* edit = new QLineEdit(&main);
        auto* button = new QPushButton(QStringLiteral("Knopf"), &main);
        layout->addWidget(edit);
        layout->addWidget(button);
        main.resize(700, 500);
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        QSignalSpy clicks(button, &QPushButton::clicked);

        CSplashWnd::EnableSplashScreen(false);
        CSplashWnd::ShowSplashScreen(5, QStringLiteral("0.1.00"));
        QVERIFY(!CSplashWnd::Current());

        CSplashWnd::EnableSplashScreen(true);
        CSplashWnd::ShowSplashScreen(5, QStringLiteral("3.1.05"));
        QPointer<CSplashWnd> splash = CSplashWnd::Current();
        QVERIFY(splash);
        QVERIFY(QTest::qWaitForWindowExposed(splash));
        Shot(splash, "splash");
        CSplashWnd::ShowSplashScreen(5, QStringLiteral("3.1.05"));
        QCOMPARE(CSplashWnd::Current(), splash.data()); // one at a time
        QCOMPARE(splash->size(), QSize(500, 320));
        QVERIFY(!splash->parentWidget());
        QVERIFY(!(splash->windowFlags() & Qt::WindowStaysOnTopHint));

        QTest::mouseClick(button, Qt::LeftButton);
        QVERIFY(!CSplashWnd::Current());
        QCOMPARE(clicks.count(), 1);
        QTRY_VERIFY(!splash);

        CSplashWnd::ShowSplashScreen(5, QStringLiteral("3.1.05"));
        QVERIFY(CSplashWnd::Current());
        edit->setFocus();
        QTest::keyClick(edit, Qt::Key_A);
        QVERIFY(!CSplashWnd::Current());
        QCOMPARE(edit->text(), QStringLiteral("a"));

        // A window coming up makes the picture go: it never lies over one.
        CSplashWnd::ShowSplashScreen(5, QStringLiteral("3.1.05"));
        QVERIFY(CSplashWnd::Current());
        QDialog dialog;
        dialog.show();
        QVERIFY(!CSplashWnd::Current());
        CSplashWnd::EnableSplashScreen(false);
    }

    // What the reset and display size messages say is what the program does: it
    // closes the normal way, asking about changed documents first, and keeps its
    // settings in a settings file, not in a "Registry".
    void resetAndDisplaySizeTextsTellWhatHappens_data()
    {
        QTest::addColumn<QString>("text");
        for (ResetKind kind : {ResetKind::All, ResetKind::Workspace, ResetKind::Font})
            QTest::addRow("reset %d", int(kind)) << ResetTitle(kind) + '\n' + ResetText(kind);
        Common_DlgSetDisplaySizeFactor dialog(0, 125);
        QStringList texts = {dialog.findChild<QLabel*>("restartNote")->text()};
        for (int i = 0; i < 7; ++i)
            texts << dialog.Choice(i)->text() << dialog.Choice(i)->toolTip();
        QTest::newRow("display size dialog") << texts.join('\n');
        QTest::newRow("display size question") << Common_DlgSetDisplaySizeFactor::RestartQuestion();
    }

    void resetAndDisplaySizeTextsTellWhatHappens()
    {
        QFETCH(QString, text);
        text = text.simplified();
        for (const char* untrue : {"Registry", "Windows", "ohne Rückfrage", "nicht gesichert",
                                   "verloren", "werden alle werden"})
            QVERIFY2(!text.contains(QString::fromUtf8(untrue)), untrue);
        QVERIFY2(text.contains(QStringLiteral("ob es gespeichert werden soll")), qPrintable(text));
    }

    void resetQuestionPreselectsNoAndEscapeCancels()
    {
        for (ResetKind kind : {ResetKind::All, ResetKind::Workspace, ResetKind::Font}) {
            CResetQuestion question(kind);
            question.show();
            QVERIFY(QTest::qWaitForWindowExposed(&question));
            Shot(&question, kind == ResetKind::All         ? "reset-all"
                            : kind == ResetKind::Workspace ? "reset-workspace"
                                                           : "reset-font");
            QCOMPARE(question.windowTitle(), ResetTitle(kind));
            QVERIFY(question.CancelButton()->isDefault());
            QTest::keyClick(&question, Qt::Key_Escape);
            QCOMPARE(question.result(), kResetCancel);
        }
        CResetQuestion question(ResetKind::Font);
        question.show();
        question.ProceedButton()->click();
        QCOMPARE(question.result(), kResetProceed);
    }

    void supportInformationIsCopiedWhole()
    {
        SupportInfo info;
        info.rows = {{QStringLiteral("Version"), QStringLiteral("3.1.05")},
                     {QStringLiteral("Einstellungsdatei"),
                      QStringLiteral("/home/anna/.config/Norvak/Tarvelomark.conf")}};
        Common_DlgSupportInfo dialog(info);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, "support-info");
        QGuiApplication::clipboard()->clear();
        dialog.CopyButton()->click();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Version: 3.1.05\n"
                                "Einstellungsdatei: /home/anna/.config/Norvak/Tarvelomark.conf\n"));
    }

    void aboutBoxNamesVersionDateAndPublishers()
    {
        CDlgAbout dialog(QStringLiteral("3.1.05"), QStringLiteral("14.07.2023"));
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, "about");
        QStringList texts;
        for (QLabel* label : dialog.findChildren<QLabel*>())
            texts << label->text();
        const QString all = texts.join(QLatin1Char('\n'));
        for (const char* expected :
             {"Version 3.1.05", "14.07.2023", "Wilhelm Köhler Verlag", "Formularverlag Henkel",
              "LION GmbH", "Verkehrs Verlag Fischer"})
            QVERIFY2(all.contains(QString::fromUtf8(expected)), expected);
        QSignalSpy support(&dialog, &CDlgAbout::SupportInfoRequested);
        dialog.SupportButton()->click();
        QCOMPARE(support.count(), 1);
    }

    // Every German help page has its English page, and the pages link only to
    // pages of their own language, so that a link never leads into German.
    void everyHelpPageHasItsEnglishPage()
    {
        const QStringList german = QDir(QStringLiteral(":/help")).entryList({"*.html"}, QDir::Files);
        QVERIFY(german.contains(QStringLiteral("100.html")));
        QCOMPARE(QDir(QStringLiteral(":/help/en")).entryList({"*.html"}, QDir::Files), german);
        const QRegularExpression link(QStringLiteral("href=\"([^\"]+)\""));
        for (const QString& folder : QStringList{":/help/", ":/help/en/"}) {
            for (const QString& name : german) {
                QFile page(folder + name);
                QVERIFY(page.open(QIODevice::ReadOnly));
                const QString html = QString::fromUtf8(page.readAll());
                for (auto it = link.globalMatch(html); it.hasNext();) {
                    const QString target = it.next().captured(1);
                    const QString path = (target == QLatin1String("style.css") ? ":/help/" : folder) + target;
                    QVERIFY2(QFile::exists(path), qPrintable(folder + name + QLatin1String(" -> ") + target));
                }
            }
        }
    }

    // The catalogue names the folder of the help pages; a page the language
    // lacks, and the style sheet (which the browser only takes with its type
    // named), come from the German folder. One window serves all rows, so a
    // change of language also shows on a page already open.
    void helpShowsThePagesOfTheProgramsLanguage_data()
    {
        QTest::addColumn<QString>("folder"); // empty: no catalogue
        QTest::addColumn<int>("topic");
        QTest::addColumn<int>("shownTopic");
        QTest::addColumn<QString>("text");
        QTest::newRow("German, topic without a page")
            << QString() << 105 << 100 << QStringLiteral("Ein Formular ausfüllen");
        QTest::newRow("German") << QString() << 103 << 103 << QStringLiteral("Drucken");
        QTest::newRow("English, same page") << QStringLiteral(":/help/en/") << 103 << 103
                                            << QStringLiteral("Printing");
        QTest::newRow("English, topic without a page")
            << QStringLiteral(":/help/en/") << 105 << 100 << QStringLiteral("Filling in a form");
        QTest::newRow("language without its pages")
            << QStringLiteral(":/help/xx/") << 108 << 108 << QStringLiteral("Adressdaten");
    }

    void helpShowsThePagesOfTheProgramsLanguage()
    {
        QFETCH(QString, folder);
        QFETCH(int, topic);
        QFETCH(int, shownTopic);
        QFETCH(QString, text);
        HelpFolderTranslator translator(folder);
        if (!folder.isEmpty())
            QVERIFY(QCoreApplication::installTranslator(&translator));
        const auto removeTranslator =
            qScopeGuard([&translator] { QCoreApplication::removeTranslator(&translator); });

        CHelpWindow* window = CHelpWindow::Show(topic);
        QVERIFY(QTest::qWaitForWindowExposed(window));
        Shot(window, qPrintable(QLatin1String("help-") + QString(QTest::currentDataTag()).replace(' ', '-')));
        QCOMPARE(window->Topic(), shownTopic);
        auto* browser = window->findChild<QTextBrowser*>();
        QVERIFY(browser);
        QVERIFY2(browser->toPlainText().contains(text), qPrintable(browser->toPlainText()));
        QCOMPARE(QTextCursor(browser->document()).charFormat().foreground().color(), QColor(0x263a5c));
    }
};

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    InitWidgetResources();
    TestShellDialogs test;
    return QTest::qExec(&test, argc, argv);
}

#include "shell_dialogs_test.moc"
