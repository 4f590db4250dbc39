// Drives the real application object and main window offscreen.
#include "core/addresses/addressfile.h"
#include "core/documents/cmrdoc.h"
#include "core/documents/documentfactory.h"
#include "core/forms/nationallayout.h"
#include "core/settings/settingsstore.h"
#include "palettes.h"
#include "screenshot.h"
#include "testlanguage.h"
#include "widgets/addresses/dlgprogramoptions.h"
#include "widgets/app/childframe.h"
#include "widgets/app/commandids.h"
#include "widgets/app/common_dlgsetdisplaysizefactor.h"
#include "widgets/app/common_dlgsupportinfo.h"
#include "widgets/app/dlghelpdialog.h"
#include "widgets/app/dlgneuedatei.h"
#include "widgets/app/helpwindow.h"
#include "widgets/app/splashwnd.h"
#include "widgets/app/tarvelomarkapp.h"
#include "widgets/editor/krdeditwindows.h"
#include "widgets/settings/resetcommands.h"
#include "widgets/update/common_dlgwebupdated.h"
#include "widgets/update/webupdatecommands.h"
#include "widgets/views/formview.h"
#include "widgets/views/krformview.h"

#include <QAccessible>
#include <QAction>
#include <QCheckBox>
#include <QCommandLinkButton>
#include <QDesktopServices>
#include <QDir>
#include <QEnterEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenuBar>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSettings>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolBar>
#include <QToolButton>
#include <QWindow>

namespace {

QStringList MenuTexts(const QList<QAction*>& actions)
{
    QStringList texts;
    for (QAction* action : actions)
        texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
    return texts;
}

QMenu* TopMenu(CMainFrame* frame, const QString& title)
{
    for (QAction* action : frame->menuBar()->actions())
        if (action->text() == title)
            return action->menu();
    return nullptr;
}

// Answers the next message box with the given button once it appears.
void AnswerNextMessageBox(QMessageBox::StandardButton answer)
{
    QTimer::singleShot(0, [answer] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                box->button(answer)->click();
                return;
            }
        AnswerNextMessageBox(answer); // not shown yet
    });
}

// Answers the next message boxes, one answer each, in order.
void AnswerMessageBoxes(QList<QMessageBox::StandardButton> answers)
{
    if (answers.isEmpty())
        return;
    QTimer::singleShot(0, [answers]() mutable {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                box->button(answers.takeFirst())->click();
                AnswerMessageBoxes(answers);
                return;
            }
        AnswerMessageBoxes(answers); // not shown yet
    });
}

// Runs `act` on the next visible top-level window of type T once it appears.
template <typename T, typename F> void OnNextWindow(F act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* window = qobject_cast<T*>(w); window && window->isVisible()) {
                act(window);
                return;
            }
        OnNextWindow<T>(act); // not shown yet
    });
}

const QString kMain = QLatin1String(Settings::kSectionSettings);

// The class names of the windows that come up, in order, while it exists.
class WindowsShown : public QObject
{
public:
    WindowsShown() { qApp->installEventFilter(this); }
    ~WindowsShown() override { qApp->removeEventFilter(this); }

    QStringList classes;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* widget = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && widget && widget->isWindow())
            classes << QString::fromLatin1(widget->metaObject()->className());
        return false;
    }
};

// Pixels of a toolbar picture (16 x 16) that stand out from the toolbar's
// ground by at least 96 grey levels: what the eye reads.
int LegiblePixels(const QIcon& icon, QIcon::Mode mode, const QColor& ground)
{
    const QImage picture =
        icon.pixmap(QSize(16, 16), mode).toImage().convertToFormat(QImage::Format_ARGB32);
    int legible = 0;
    for (int y = 0; y < picture.height(); ++y) {
        for (int x = 0; x < picture.width(); ++x) {
            const QColor c = picture.pixelColor(x, y);
            const qreal a = c.alphaF();
            const int gray = qRound(a * qGray(c.rgb()) + (1 - a) * qGray(ground.rgb()));
            legible += std::abs(gray - qGray(ground.rgb())) >= 96;
        }
    }
    return legible;
}
// Takes the addresses the program hands to the desktop instead of a browser.
class UrlCatcher : public QObject
{
    Q_OBJECT

public:
    QList<QUrl> urls;

public Q_SLOTS:
    void open(const QUrl& url) { urls << url; }
};

// Closes the next modal dialog once it appears and tells its title. The caller
// opens the dialog at once; the watch ends after a while in any case, so that
// it never outlives `title`.
void RejectNextDialog(QString* title, int tries = 100)
{
    QTimer::singleShot(10, [title, tries] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) {
            *title = dialog->windowTitle();
            dialog->reject();
        } else if (tries > 1) {
            RejectNextDialog(title, tries - 1); // not shown yet
        }
    });
}

} // namespace

class TestApplication : public QObject
{
    Q_OBJECT

public:
    explicit TestApplication(CTarvelomarkApp& app, QTemporaryDir& dir) : m_app(app), m_dir(dir) {}

private:
    QString WriteDocument(const QString& name, FormType type)
    {
        auto doc = CreateDocument(type, m_app.Settings());
        doc->OnNewDocument();
        const QString path = m_dir.filePath(name);
        doc->OnSaveDocument(path);
        return path;
    }
    CMainFrame* Frame() const { return m_app.MainFrame(); }
    // A running program with one modified note, as after a start with a file.
    void StartWithModifiedNote()
    {
        const QString path = WriteDocument(QStringLiteral("laufend.cmr"), FormType::Cmr);
        QVERIFY(m_app.InitInstance({path}));
        QVERIFY(Frame()->isVisible());
        Frame()->ActiveChild()->Document().SetModifiedFlag();
    }

    CTarvelomarkApp& m_app;
    QTemporaryDir& m_dir;

private Q_SLOTS:
    void startsWithTheFileNamedOnTheCommandLine()
    {
        const QString path = WriteDocument(QStringLiteral("Mein Frachtbrief.cmr"), FormType::Cmr);
        // A quoted path with blanks, as the desktop passes it.
        QVERIFY(m_app.InitInstance({QLatin1Char('"') + path + QLatin1Char('"')}));
        QVERIFY(Frame());
        QCOMPARE(Frame()->Children().size(), 1);
        QCOMPARE(Frame()->ActiveChild()->Document().GetPathName(), path);
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Tarvelomark - Mein Frachtbrief.cmr"));
    }

    void openingRuleChoosesTemplateAndActivatesOpenDocuments()
    {
        const QString national = WriteDocument(QStringLiteral("x.FBR"), FormType::National);
        CChildFrame* child = m_app.OpenDocumentFile(national);
        QVERIFY(child);
        QCOMPARE(child->Document().GetFormType(), FormType::National);

        const QString text = m_dir.filePath(QStringLiteral("x.txt"));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("Mein Frachtbrief.cmr")), text));
        CChildFrame* cmr = m_app.OpenDocumentFile(text);
        QVERIFY(cmr);
        QCOMPARE(cmr->Document().GetFormType(), FormType::Cmr);
        QCOMPARE(cmr->Document().GetLoadError(), 0);

        // An unquoted path with blanks is one name; the open one is activated.
        const int open = Frame()->Children().size();
        const QStringList words = m_dir.filePath(QStringLiteral("Mein Frachtbrief.cmr")).split(' ');
        CChildFrame* again = m_app.OpenDocumentFile(words.join(' '));
        QCOMPARE(Frame()->Children().size(), open);
        QCOMPARE(again, Frame()->Children().constFirst());
        QCOMPARE(Frame()->ActiveChild(), again);
    }

    // "Öffnen" takes several files: each opens in its own window, an open one is
    // only activated, and one that cannot be read is named in its message while
    // the others still open.
    void openDialogTakesSeveralFiles()
    {
        const QString open = WriteDocument(QStringLiteral("offen.cmr"), FormType::Cmr);
        WriteDocument(QStringLiteral("zwei.fbr"), FormType::National);
        const QString broken = WriteDocument(QStringLiteral("kaputt.cmr"), FormType::Cmr);
        QVERIFY(QFile::resize(broken, 40)); // ends inside the first box
        WriteDocument(QStringLiteral("drei.spa"), FormType::Forwarding);
        QVERIFY(m_app.OpenDocumentFile(open));
        const int before = Frame()->Children().size();

        QFileDialog::FileMode mode = QFileDialog::AnyFile;
        OnNextWindow<QFileDialog>([this, &mode](QFileDialog* dialog) {
            mode = dialog->fileMode();
            dialog->setDirectory(m_dir.path());
            if (auto* name = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit")))
                name->setText(
                    QStringLiteral("\"offen.cmr\" \"zwei.fbr\" \"kaputt.cmr\" \"drei.spa\""));
            // As the user's "Öffnen": the dialog checks the names typed.
            QMetaObject::invokeMethod(dialog, "accept", Qt::DirectConnection);
            if (dialog->isVisible())
                dialog->reject();
        });
        // Every message box is read and closed while the command runs.
        QStringList messages;
        QTimer watch;
        connect(&watch, &QTimer::timeout, [&messages] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* box = qobject_cast<QMessageBox*>(w); box && box->isVisible()) {
                    messages << box->text();
                    box->accept();
                }
        });
        watch.start(5);
        m_app.OnCommand(Cmd::Open);
        watch.stop();

        QCOMPARE(mode, QFileDialog::ExistingFiles);
        QCOMPARE(messages.size(), 1);
        QVERIFY2(messages.constFirst().contains(QStringLiteral("kaputt.cmr")),
                 qPrintable(messages.constFirst()));
        QStringList titles;
        for (CChildFrame* child : Frame()->Children().mid(before))
            titles << child->Document().GetTitle();
        QCOMPARE(titles, QStringList({"zwei.fbr", "drei.spa"}));
        QCOMPARE(Frame()->ActiveChild()->Document().GetTitle(), QStringLiteral("drei.spa"));
        int openOnce = 0;
        for (CChildFrame* child : Frame()->Children())
            openOnce += child->Document().GetPathName() == open;
        QCOMPARE(openOnce, 1);
    }

    void newDocumentsAreNumberedPerTemplate()
    {
        QCOMPARE(m_app.NewDocument(FormType::Forwarding)->Document().GetTitle(),
                 QStringLiteral("Speditionsauftrag1"));
        QCOMPARE(m_app.NewDocument(FormType::Forwarding)->Document().GetTitle(),
                 QStringLiteral("Speditionsauftrag2"));
        QCOMPARE(m_app.NewDocument(FormType::Cmr)->Document().GetTitle(),
                 QStringLiteral("CMR-Frachtbrief1"));
    }

    // Only the note in front keeps a picture of its page between paints; one
    // behind another tab lets it go, even when it is painted there, and keeps
    // one again when it comes to the front.
    void notesBehindOtherTabsKeepNoPagePicture()
    {
        const auto viewOf = [](CChildFrame* child) {
            return dynamic_cast<CKRFormView*>(child->View().Widget());
        };
        // Painted as the window system asks once the tab has been shown.
        const auto paint = [](CKRFormView* view) {
            QCoreApplication::processEvents();
            view->viewport()->repaint();
        };
        CChildFrame* first = m_app.NewDocument(FormType::Cmr);
        CKRFormView* firstView = viewOf(first);
        QVERIFY(firstView);
        paint(firstView);
        QVERIFY(firstView->KeepsPagePicture());

        CChildFrame* second = m_app.NewDocument(FormType::National);
        paint(viewOf(second));
        QVERIFY(viewOf(second)->KeepsPagePicture());
        paint(firstView);
        QVERIFY(!firstView->KeepsPagePicture());

        Frame()->MdiArea()->setActiveSubWindow(first);
        QVERIFY(!viewOf(second)->KeepsPagePicture());
        paint(firstView);
        QVERIFY(firstView->KeepsPagePicture());
    }

    void chooserTakesTheFocusedPictureButton()
    {
        for (int choice = 1; choice <= 4; ++choice) {
            CDlgNeueDatei dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            dialog.PictureButton(choice)->setFocus();
            QTest::keyClick(&dialog, Qt::Key_Return);
            QCOMPARE(dialog.result(), int(QDialog::Accepted));
            QCOMPARE(dialog.Choice(), choice);
        }

        // The national note's 2007 edition is a choice of its own, whatever
        // edition the settings give new notes.
        {
            CDlgNeueDatei dialog;
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(dialog.PictureButton(CDlgNeueDatei::kNational2007)->accessibleName(),
                     QStringLiteral("Nationaler Frachtbrief (Ausgabe 01/2007)"));
            dialog.PictureButton(CDlgNeueDatei::kNational2007)->setFocus();
            QTest::keyClick(&dialog, Qt::Key_Return);
            QCOMPARE(dialog.Choice(), CDlgNeueDatei::kNational2007);
            QVERIFY(dialog.ChosenForm());
            CChildFrame* frame = m_app.NewDocument(*dialog.ChosenForm());
            QVERIFY(frame);
            QCOMPARE(&frame->Document().Form(),
                     &NationalLayout::Description(NationalEdition::Edition2007));
        }

        CDlgNeueDatei dialog;
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        const auto buttons = dialog.findChildren<QPushButton*>();
        QPushButton* open = nullptr;
        for (QPushButton* b : buttons)
            if (b->text() == QStringLiteral("Vorhandenes Dokument öffnen..."))
                open = b;
        QVERIFY(open);
        open->setFocus();
        QTest::keyClick(&dialog, Qt::Key_Return); // no picture button has the focus
        QVERIFY(dialog.isVisible());
        open->click();
        QCOMPARE(dialog.Choice(), CDlgNeueDatei::kOpenExisting);
    }

    // Each form has one name in the chooser, the menus, the titles of its new
    // documents and of its defaults dialog.
    void eachFormHasOneName_data()
    {
        QTest::addColumn<FormType>("type");
        QTest::addColumn<QString>("name");
        QTest::newRow("CMR") << FormType::Cmr << "CMR-Frachtbrief";
        QTest::newRow("national") << FormType::National << "Nationaler Frachtbrief";
        QTest::newRow("Kombi") << FormType::Kombi << "Kombi-Frachtbrief";
        QTest::newRow("forwarding") << FormType::Forwarding << "Speditionsauftrag";
    }

    void eachFormHasOneName()
    {
        QFETCH(FormType, type);
        QFETCH(QString, name);
        const int choice = int(type) + 1;
        CDlgNeueDatei chooser;
        if (type == FormType::Cmr) {
            chooser.show();
            QVERIFY(QTest::qWaitForWindowExposed(&chooser));
            Shot(&chooser, "chooser");
        }
        QCOMPARE(chooser.PictureButton(choice)->accessibleName(), name);
        QStringList labels;
        for (QLabel* label : chooser.findChildren<QLabel*>())
            labels << label->text();
        QVERIFY2(labels.contains(name), qPrintable(labels.join(" | ")));

        QCOMPARE(m_app.NewDocument(type)->Document().GetTitle().chopped(1), name);

        const int command = type == FormType::Cmr        ? Cmd::DefaultsCmr
                            : type == FormType::National ? Cmd::DefaultsNational
                            : type == FormType::Kombi    ? Cmd::DefaultsKombi
                                                         : Cmd::FormDefaults;
        if (command != Cmd::FormDefaults)
            QCOMPARE(Frame()->Action(command)->text(), name + QStringLiteral("..."));
        QString title;
        RejectNextDialog(&title);
        Frame()->UpdateCommandUI();
        Frame()->RouteCommand(command);
        QCOMPARE(title, QStringLiteral("Vorgabetexte f\u00fcr ") + name);
    }

    void menusFollowTheActiveForm()
    {
        QVERIFY(m_app.NewDocument(FormType::Cmr));
        Frame()->UpdateCommandUI();
        QCOMPARE(MenuTexts(Frame()->menuBar()->actions()),
                 QStringList({"&Datei", "&Bearbeiten", "&Optionen", "&Ansicht", "&Hilfe"}));
        QCOMPARE(MenuTexts(TopMenu(Frame(), "&Bearbeiten")->actions()),
                 QStringList({"Vorgaben einfügen...",
                              "-",
                              "&Rückgängig (nicht möglich)",
                              "&Wiederherstellen (nicht möglich)",
                              "&Ausschneiden",
                              "&Kopieren",
                              "&Einfügen",
                              "Alles aus&wählen",
                              "Einfügemodus ausschalten",
                              "-",
                              "&Nächstes Eingabefeld",
                              "&Voheriges Eingabefeld",
                              "Seite &1",
                              "Seite &2",
                              "-",
                              "Schrift &größer",
                              "Schrift &kleiner",
                              "Schrift &fett",
                              "-",
                              "Text &linksbündig",
                              "Text &zentriert",
                              "Text &rechtsbündig"}));

        QVERIFY(m_app.NewDocument(FormType::Kombi));
        QVERIFY(!MenuTexts(TopMenu(Frame(), "&Bearbeiten")->actions()).contains("Seite &1"));

        // Without a document: menu 128, no "Bearbeiten".
        Frame()->MdiArea()->closeAllSubWindows();
        QTRY_VERIFY(Frame()->Children().isEmpty());
        QCOMPARE(MenuTexts(Frame()->menuBar()->actions()),
                 QStringList({"&Datei", "&Optionen", "&Ansicht", "&Hilfe"}));
        Frame()->UpdateCommandUI();
        QVERIFY(!Frame()->Action(Cmd::AlignCenter)->isEnabled());
    }

    // The whole menu bar speaks the language the settings choose, with a note
    // open and without one (run in both languages).
    void mainMenuSpeaksTheProgramLanguage()
    {
        QVERIFY(m_app.InitInstance({WriteDocument(QStringLiteral("sprache.cmr"), FormType::Cmr)}));
        const QString file = InTestLanguage("&Datei", "&File");
        const QString edit = InTestLanguage("&Bearbeiten", "&Edit");
        const QString options = InTestLanguage("&Optionen", "&Options");
        const QString view = InTestLanguage("&Ansicht", "&View");
        const QString help = InTestLanguage("&Hilfe", "&Help");
        QCOMPARE(MenuTexts(Frame()->menuBar()->actions()),
                 QStringList({file, edit, options, view, help}));
        Frame()->MdiArea()->closeAllSubWindows();
        QTRY_COMPARE(MenuTexts(Frame()->menuBar()->actions()),
                     QStringList({file, options, view, help}));
    }

    // The national note's drawn view takes addresses on its address boxes and
    // opens its defaults.
    void addressCommandFollowsTheFormsAddressBoxes()
    {
        CChildFrame* child = m_app.NewDocument(FormType::National);
        auto* view = qobject_cast<CKRFormView*>(child->View().Widget());
        QVERIFY(view);
        QTRY_VERIFY(view->Editor() && view->IsLayoutValid());
        view->GoToBox(1);
        Frame()->UpdateCommandUI();
        QVERIFY(!Frame()->Action(Cmd::InsertAddress)->isEnabled());
        view->GoToBox(5);
        Frame()->UpdateCommandUI();
        QVERIFY(Frame()->Action(Cmd::InsertAddress)->isEnabled());
        QVERIFY(Frame()->Action(Cmd::FormDefaults)->isEnabled());
    }

    // A Kombi note opens in its drawn form, where F8 opens the Kombi defaults.
    void kombiNoteOpensInItsFormWithItsDefaults()
    {
        CChildFrame* child = m_app.NewDocument(FormType::Kombi);
        auto* view = dynamic_cast<CKRFormView*>(&child->View());
        QVERIFY(view);
        QTRY_VERIFY(view->Editor() && view->Editor()->hasFocus());
        Frame()->UpdateCommandUI();
        QString title;
        RejectNextDialog(&title);
        QTest::keyClick(view->Editor(), Qt::Key_F8);
        QCOMPARE(title, QStringLiteral("Vorgabetexte f\u00fcr Kombi-Frachtbrief"));
    }

    void acceleratorsAreThoseOfTheTable()
    {
        const struct
        {
            int id;
            QKeySequence key;
        } table[] = {
            {Cmd::AlignCenter, QKeySequence(Qt::CTRL | Qt::Key_Z)},
            {Cmd::Undo, QKeySequence(Qt::ALT | Qt::Key_Backspace)},
            {Cmd::Redo, QKeySequence(Qt::CTRL | Qt::Key_Y)},
            {Cmd::Redo, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
            {Cmd::Bold, QKeySequence(Qt::CTRL | Qt::Key_F)},
            {Cmd::NextField, QKeySequence(Qt::Key_Tab)},
            {Cmd::Page2, QKeySequence(Qt::ALT | Qt::Key_2)},
            {Cmd::InsertAddress, QKeySequence(Qt::Key_F2)},
            {Cmd::FormDefaults, QKeySequence(Qt::Key_F8)},
            {Cmd::PrintAreaCorrection, QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::ALT | Qt::Key_P)},
        };
        for (const auto& row : table)
            QVERIFY2(Frame()->Action(row.id)->shortcuts().contains(row.key),
                     qPrintable(QString::number(row.id)));
        QVERIFY(Frame()->Action(Cmd::Copy)->shortcuts().contains(
            QKeySequence(Qt::CTRL | Qt::Key_Insert)));
    }

    void closingAModifiedDocumentAsksFirst()
    {
        CChildFrame* child = m_app.NewDocument(FormType::Cmr);
        child->Document().SetModifiedFlag();
        AnswerNextMessageBox(QMessageBox::Cancel);
        QVERIFY(!child->close());
        QVERIFY(Frame()->Children().contains(child));
        AnswerNextMessageBox(QMessageBox::No);
        QVERIFY(child->close());
    }

    // Closing the program asks about every modified document before closing
    // any; a Cancel keeps them all.
    void closingTheProgramAsksEveryDocumentFirst()
    {
        Frame()->MdiArea()->closeAllSubWindows();
        QTRY_VERIFY(Frame()->Children().isEmpty());
        for (int i = 0; i < 3; ++i)
            m_app.NewDocument(FormType::Kombi)->Document().SetModifiedFlag();

        AnswerMessageBoxes({QMessageBox::No, QMessageBox::Cancel});
        QVERIFY(!Frame()->close());
        QCOMPARE(Frame()->Children().size(), 3);

        AnswerMessageBoxes({QMessageBox::No, QMessageBox::No, QMessageBox::No});
        QVERIFY(Frame()->close());
        QTRY_VERIFY(Frame()->Children().isEmpty());
    }

    // The program options name the address book; the program uses the new file at
    // once, and "@" stands for the default file in the data folder.
    void programOptionsChangeTheAddressFile()
    {
        const QString book = m_dir.filePath(QStringLiteral("Adressen/firma.dat"));
        QDir().mkpath(QFileInfo(book).absolutePath());
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        WriteAddressList(file, {QStringLiteral("Spedition Nord")});
        file.close();

        QTimer::singleShot(0, [book] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<CDlgProgramOptions*>(w)) {
                    dialog->findChild<QLineEdit*>()->setText(book);
                    dialog->accept();
                }
        });
        QVERIFY(m_app.OnCommand(Cmd::ProgramOptions));
        QCOMPARE(m_app.AddressFile(), book);

        m_app.Settings().Set(QLatin1String(Settings::kSectionSettings), Settings::AddressFile,
                             QStringLiteral("@"));
        QTimer::singleShot(0, [] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<CDlgProgramOptions*>(w))
                    dialog->reject();
        });
        m_app.OnCommand(Cmd::ProgramOptions);
        QCOMPARE(m_app.AddressFile(), m_app.DataFolder() + QStringLiteral("TMAdress.dat"));
    }

    void webCommandsOpenTheHomePageAndTheUpdateDialog()
    {
        Frame()->UpdateCommandUI();
        QVERIFY(Frame()->Action(Cmd::Homepage)->isEnabled());
        QVERIFY(Frame()->Action(Cmd::WebUpdate)->isEnabled());

        UrlCatcher catcher;
        QDesktopServices::setUrlHandler(QStringLiteral("https"), &catcher, "open");
        m_app.Settings().Set(QLatin1String(Settings::kSectionSettings), Settings::Homepage,
                             QStringLiteral("https://www.example.org/tm"));
        QVERIFY(m_app.OnCommand(Cmd::Homepage));
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QCOMPARE(catcher.urls, QList<QUrl>{QUrl(QStringLiteral("https://www.example.org/tm"))});

        QStringList shown;
        QTimer::singleShot(0, [&shown] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* dialog = qobject_cast<Common_DlgWebUpdateD*>(w);
                    dialog && dialog->isVisible()) {
                    shown << dialog->findChild<QLabel*>(QStringLiteral("programName"))->text()
                          << dialog->findChild<QLabel*>(QStringLiteral("installedVersion"))->text();
                    dialog->reject();
                }
        });
        QVERIFY(m_app.OnCommand(Cmd::WebUpdate));
        QCOMPARE(shown, QStringList({QStringLiteral("Tarvelomark"),
                                     FormatIndexVersion(InstalledProgramVersion())}));
    }

    // The recent-file list is in the settings as soon as a file is opened or
    // saved under a new name, without waiting for an exit; the exit after a
    // reset writes nothing back.
    void recentFilesAreStoredAtOnce()
    {
        const auto stored = [this](int entry) {
            return m_app.Settings().GetProfileString("Recent File List",
                                                     QStringLiteral("File%1").arg(entry), "none");
        };
        const QString opened = WriteDocument(QStringLiteral("zuletzt.cmr"), FormType::Cmr);
        CChildFrame* child = m_app.OpenDocumentFile(opened);
        QVERIFY(child);
        QCOMPARE(stored(1), opened);

        const QString renamed = m_dir.filePath(QStringLiteral("umbenannt.cmr"));
        QTimer::singleShot(0, [renamed] {
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* files = qobject_cast<QFileDialog*>(w); files && files->isVisible()) {
                    files->selectFile(renamed);
                    static_cast<QDialog*>(files)->accept();
                }
        });
        QVERIFY(child->DoFileSaveAs());
        QCOMPARE(stored(1), renamed);
        QCOMPARE(stored(2), opened);

        m_app.Settings().DeleteSection(QStringLiteral("Recent File List"));
        m_app.m_bResetPending = true;
        QCOMPARE(m_app.ExitInstance(), 0);
        QCOMPARE(stored(1), QStringLiteral("none"));
        m_app.m_bResetPending = false;
    }

    // Start-up shows the splash window before any other window, and the first
    // window that comes up closes it, so that it never lies over one; then come
    // the chooser, the main window and the introductory help twice (Escape keeps
    // it for the next start, the check box and OK switch it off).
    void startupShowsTheSplashFirstAndTheIntroductoryHelp()
    {
        m_app.Settings().Set(kMain, Settings::ShowIntroHelp, 0);
        m_app.Settings().Set(kMain, Settings::ShowDefaultTextHelp, 0);
        m_app.Settings().Set(kMain, Settings::SplashScreen, 5);
        WindowsShown shown;
        OnNextWindow<CDlgNeueDatei>([](CDlgNeueDatei* chooser) {
            chooser->PictureButton(2)->setFocus();
            QTest::keyClick(chooser, Qt::Key_Return);
        });
        QList<int> modes;
        OnNextWindow<CDlgHelpDialog>([&modes](CDlgHelpDialog* first) {
            modes << first->Mode();
            first->CheckBox()->setChecked(true);
            QTest::keyClick(first, Qt::Key_Escape);
            OnNextWindow<CDlgHelpDialog>([&modes](CDlgHelpDialog* second) {
                modes << second->Mode();
                second->CheckBox()->setChecked(true);
                second->accept();
            });
        });
        QVERIFY(m_app.InitInstance({}));
        QCOMPARE(shown.classes.mid(0, 3),
                 QStringList({"CSplashWnd", "CDlgNeueDatei", "CMainFrame"}));
        QVERIFY(!CSplashWnd::Current());
        QCOMPARE(Frame()->ActiveChild()->Document().GetFormType(), FormType::National);
        QCOMPARE(modes, QList<int>({1, 2}));
        QCOMPARE(m_app.Settings().Get(kMain, Settings::ShowIntroHelp), 0);
        QCOMPARE(m_app.Settings().Get(kMain, Settings::ShowDefaultTextHelp), 1);
        m_app.Settings().Set(kMain, Settings::ShowIntroHelp, 1);
        m_app.Settings().Set(kMain, Settings::SplashScreen, 0);
    }

    // "FormScaling" 115 preselects 110 %; choosing 110 % asks, and only a close
    // that went through stores the size and starts the program anew.
    void displaySizeRestartsOnlyAfterTheNormalClose()
    {
        int restarts = 0;
        m_app.SetNewInstanceStarter([&restarts] {
            ++restarts;
            return true;
        });
        m_app.Settings().Set(kMain, Settings::FormScaling, 115);
        StartWithModifiedNote();

        const auto choose110 = [](Common_DlgSetDisplaySizeFactor* dialog) {
            QVERIFY(dialog->Choice(2)->isChecked());
            QCOMPARE(dialog->Choice(2)->text(), QStringLiteral("110%"));
            dialog->Choice(2)->click();
            dialog->accept();
        };
        // Yes to the restart, then Cancel at the note's save question.
        OnNextWindow<Common_DlgSetDisplaySizeFactor>(choose110);
        AnswerMessageBoxes({QMessageBox::Yes, QMessageBox::Cancel});
        m_app.OnCommand(Cmd::DisplaySize);
        QVERIFY(Frame()->isVisible());
        QCOMPARE(restarts, 0);
        QCOMPARE(m_app.Settings().Get(kMain, Settings::FormScaling), 115);

        // No at the restart question changes nothing either.
        OnNextWindow<Common_DlgSetDisplaySizeFactor>(choose110);
        AnswerNextMessageBox(QMessageBox::No);
        m_app.OnCommand(Cmd::DisplaySize);
        QVERIFY(Frame()->isVisible());
        QCOMPARE(restarts, 0);

        OnNextWindow<Common_DlgSetDisplaySizeFactor>(choose110);
        AnswerMessageBoxes({QMessageBox::Yes, QMessageBox::No});
        m_app.OnCommand(Cmd::DisplaySize);
        QVERIFY(!Frame()->isVisible());
        QCOMPARE(restarts, 1);
        QCOMPARE(m_app.Settings().Get(kMain, Settings::FormScaling), 110);
        QCOMPARE(m_app.Settings().GetProfileInt(kMain, "WinFormScaledFactorOv", 0), 110);
        QCOMPARE(m_app.ExitInstance(), 0);

        // OK without a change asks nothing.
        StartWithModifiedNote();
        OnNextWindow<Common_DlgSetDisplaySizeFactor>(
            [](Common_DlgSetDisplaySizeFactor* dialog) { dialog->accept(); });
        m_app.OnCommand(Cmd::DisplaySize);
        QVERIFY(Frame()->isVisible());
        QCOMPARE(restarts, 1);
        m_app.SetNewInstanceStarter(nullptr);
    }

    void resetRemovesExactlyItsPart_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<QStringList>("removed");
        const QStringList all = {"Settings/Language", "Font/DFont0", "Workspace/State",
                                 "CMR/Hersteller"};
        QTest::newRow("fonts") << int(Cmd::ResetFonts) << QStringList{"Font/DFont0"};
        QTest::newRow("menus") << int(Cmd::ResetMenus) << QStringList{"Workspace/State"};
        QTest::newRow("all") << int(Cmd::ResetAll) << all;
    }

    void resetRemovesExactlyItsPart()
    {
        QFETCH(int, command);
        QFETCH(QStringList, removed);
        QSettings& store = m_app.Settings().Backend();
        const QStringList keys = {"Settings/Language", "Font/DFont0", "Workspace/State",
                                  "CMR/Hersteller"};
        const auto fill = [&store, &keys] {
            for (const QString& key : keys)
                store.setValue(key, key == "Settings/Language" ? QVariant(0) : QVariant(77));
            store.sync();
        };
        const auto present = [&store, &keys] {
            QStringList found;
            for (const QString& key : keys)
                if (store.contains(key))
                    found << key;
            return found;
        };
        const auto answer = [](int choice) {
            OnNextWindow<CResetQuestion>([choice](CResetQuestion* question) {
                QVERIFY(question->CancelButton()->isDefault());
                (choice == kResetProceed ? question->ProceedButton() : question->CancelButton())
                    ->click();
            });
        };
        fill();
        StartWithModifiedNote();

        // 202, and a cancelled save question, keep everything and the program.
        answer(kResetCancel);
        m_app.OnCommand(command);
        answer(kResetProceed);
        AnswerNextMessageBox(QMessageBox::Cancel);
        m_app.OnCommand(command);
        QVERIFY(Frame()->isVisible());
        QVERIFY(!m_app.m_bResetPending);
        QCOMPARE(present(), keys);

        m_app.Settings().DeleteSection(QStringLiteral("Recent File List"));
        answer(kResetProceed);
        AnswerNextMessageBox(QMessageBox::No);
        m_app.OnCommand(command);
        QVERIFY(!Frame()->isVisible());
        QVERIFY(m_app.m_bResetPending);
        QCOMPARE(m_app.ExitInstance(), 0);
        QStringList expected = keys;
        for (const QString& key : removed)
            expected.removeAll(key);
        QCOMPARE(present(), expected);
        QCOMPARE(m_app.Settings().GetProfileString("Recent File List", "File1", "none"),
                 QStringLiteral("none"));

        // What a new start reads: defaults only for the part reset.
        m_app.m_bResetPending = false;
        const int language = removed.contains("Settings/Language") ? -1 : TestLanguageSetting();
        QCOMPARE(m_app.Settings().Get(kMain, Settings::Language), language);
        store.clear();
        // Back to the fixture's own settings for the next rows and tests.
        m_app.Settings().Set(kMain, Settings::Language, TestLanguageSetting());
        m_app.Settings().Set(kMain, Settings::ShowIntroHelp, 1);
        m_app.Settings().Set(kMain, Settings::ShowDefaultTextHelp, 1);
        m_app.Settings().Set(kMain, Settings::SplashScreen, 0);
    }

    // Issue 16: whatever way the last document goes, the menu bar is that of no
    // document, with the defaults of the three forms reachable again.
    void issue16_closingTheLastDocumentShowsMenu128()
    {
        const QStringList menu128 = {"&Datei", "&Optionen", "&Ansicht", "&Hilfe"};
        const QString path = WriteDocument(QStringLiteral("schliessen.cmr"), FormType::Cmr);
        const auto closeAndCheck = [&] {
            Frame()->RouteCommand(Cmd::Close); // "Schließen"
            QTRY_VERIFY(Frame()->Children().isEmpty());
            QTRY_COMPARE(MenuTexts(Frame()->menuBar()->actions()), menu128);
            QMenu* options = TopMenu(Frame(), "&Optionen");
            QVERIFY(options);
            QMenu* defaults = options->actions().value(0)->menu();
            QVERIFY(defaults);
            QCOMPARE(defaults->title(), QStringLiteral("Formular&vorgaben"));
            Frame()->UpdateCommandUI();
            for (QAction* action : defaults->actions())
                QVERIFY(action->isEnabled());
            QVERIFY(!MenuTexts(TopMenu(Frame(), "&Datei")->actions()).contains("&Speichern"));
        };

        QVERIFY(m_app.InitInstance({path})); // started with a file
        closeAndCheck();
        QVERIFY(m_app.NewDocument(FormType::Cmr)); // as the chooser opens one
        closeAndCheck();
        // With two documents, closing one leaves the other's menus.
        m_app.NewDocument(FormType::Cmr);
        m_app.NewDocument(FormType::Kombi);
        Frame()->RouteCommand(Cmd::Close);
        QTRY_COMPARE(Frame()->Children().size(), 1);
        QTRY_VERIFY(MenuTexts(Frame()->menuBar()->actions()).contains("&Bearbeiten"));
        closeAndCheck();
    }

    // Issue 16: pane 0 shows the first line of a command's prompt while its menu
    // entry is highlighted or the pointer rests on its toolbar button, and
    // "Bereit" again afterwards; pane 1 follows the active document.
    void issue16_statusBarShowsPromptsAndTheActiveDocumentsMode()
    {
        QVERIFY(m_app.InitInstance({WriteDocument(QStringLiteral("status.cmr"), FormType::Cmr)}));
        QStatusBar* bar = Frame()->statusBar();
        auto* ready = bar->findChild<QLabel*>(QStringLiteral("readyPane"));
        QVERIFY(ready);
        const auto paneZero = [bar, ready] {
            return bar->currentMessage().isEmpty() && ready->isVisible() ? ready->text()
                                                                         : bar->currentMessage();
        };
        QCOMPARE(paneZero(), QStringLiteral("Bereit"));

        // A highlighted menu entry.
        QMenu* file = TopMenu(Frame(), "&Datei");
        file->popup(Frame()->mapToGlobal(QPoint(10, 10)));
        QVERIFY(QTest::qWaitForWindowExposed(file));
        QTest::keyClick(file, Qt::Key_Down); // "&Neu"
        QCOMPARE(paneZero(), QStringLiteral("Erstellt ein neues Formular."));
        QTest::keyClick(file, Qt::Key_Escape);
        QTRY_VERIFY(!file->isVisible());
        QTRY_COMPARE(paneZero(), QStringLiteral("Bereit"));

        // The pointer on a toolbar button, then off it.
        QWidget* bold = nullptr;
        for (QToolButton* button : Frame()->findChildren<QToolButton*>())
            if (button->defaultAction() == Frame()->Action(Cmd::Bold))
                bold = button;
        QVERIFY(bold);
        QEnterEvent enter(QPointF(2, 2), QPointF(2, 2), bold->mapToGlobal(QPointF(2, 2)));
        QApplication::sendEvent(bold, &enter);
        QCOMPARE(paneZero(), QStringLiteral("Schaltet Fettschrift ein bzw. aus"));
        QCOMPARE(Frame()->Action(Cmd::Bold)->toolTip(), QStringLiteral("Fettschrift ein/aus"));
        QEvent leave(QEvent::Leave);
        QApplication::sendEvent(bold, &leave);
        QCOMPARE(paneZero(), QStringLiteral("Bereit"));

        // Pane 1: the insert mode of the document shown; empty without one.
        CChildFrame* first = Frame()->ActiveChild();
        QTRY_COMPARE(Frame()->StatusText(), QStringLiteral("Einfügen"));
        Frame()->RouteCommand(Cmd::InsertMode);
        QCOMPARE(Frame()->StatusText(), QStringLiteral("Überschreiben"));
        CChildFrame* second = m_app.NewDocument(FormType::Cmr);
        QTRY_COMPARE(Frame()->StatusText(), QStringLiteral("Einfügen"));
        Frame()->MdiArea()->setActiveSubWindow(first);
        QTRY_COMPARE(Frame()->StatusText(), QStringLiteral("Überschreiben"));
        Frame()->MdiArea()->setActiveSubWindow(second);
        QTRY_COMPARE(Frame()->StatusText(), QStringLiteral("Einfügen"));
        Frame()->MdiArea()->closeAllSubWindows();
        QTRY_VERIFY(Frame()->Children().isEmpty());
        QTRY_COMPARE(Frame()->StatusText(), QString());
    }

    // Issue 16: "Hilfe" in a modal dialog shows the help above that dialog and
    // usable while it is open; the help outlives the dialog and goes with the
    // main window, so that "Beenden" ends the program.
    void issue16_helpWindowComesAboveTheDialogAndClosesWithTheProgram()
    {
        QVERIFY(m_app.InitInstance({WriteDocument(QStringLiteral("hilfe.cmr"), FormType::Cmr)}));
        QVERIFY(QTest::qWaitForWindowExposed(Frame()));
        QPointer<CHelpWindow> help;
        QDialog dialog(Frame());
        QTimer::singleShot(0, [&] {
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QCOMPARE(QApplication::activeModalWidget(), &dialog);
            m_app.ShowHelpTopic(103); // the dialog's help button
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* window = qobject_cast<CHelpWindow*>(w); window && window->isVisible())
                    help = window;
            QVERIFY(help);
            QVERIFY(help->windowHandle());
            QCOMPARE(help->windowHandle()->transientParent(), dialog.windowHandle());
            dialog.reject();
        });
        dialog.exec();
        QVERIFY(help);
        QVERIFY(help->isVisible());
        QCOMPARE(help->Topic(), 103);
        QCOMPARE(help->windowHandle()->transientParent(), Frame()->windowHandle());

        // An open help window never counts as a main window that keeps the
        // program running.
        QVERIFY(help->parentWidget() || !help->testAttribute(Qt::WA_QuitOnClose));
        m_app.OnCommand(Cmd::Exit);
        QVERIFY(!Frame()->isVisible());
        QTRY_VERIFY(!help || !help->isVisible());
    }

    // Issue 16: buttons that show only a picture tell assistive technology what
    // they do.
    void issue16_toolbarButtonsHaveAccessibleNames()
    {
        QVERIFY(m_app.InitInstance({WriteDocument(QStringLiteral("a11y.cmr"), FormType::Cmr)}));
        const QList<QToolButton*> buttons = Frame()->findChildren<QToolButton*>();
        int named = 0;
        for (QToolButton* button : buttons) {
            if (!button->defaultAction() || button->defaultAction()->isSeparator())
                continue;
            QAccessibleInterface* face = QAccessible::queryAccessibleInterface(button);
            QVERIFY(face);
            QVERIFY2(!face->text(QAccessible::Name).trimmed().isEmpty(),
                     qPrintable(QString::number(button->defaultAction()->data().toInt())));
            ++named;
        }
        QVERIFY(named >= 20);
    }

    // Issue 16: the toolbar pictures read on a light and on a dark desktop, and
    // follow a change of the palette while the program runs.
    void issue16_toolbarPicturesReadOnLightAndDark()
    {
        QVERIFY(m_app.InitInstance({WriteDocument(QStringLiteral("bilder.cmr"), FormType::Cmr)}));
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        auto* toolbar = Frame()->findChild<QToolBar*>(QStringLiteral("Standard"));
        QVERIFY(toolbar);
        for (const QPalette& palette : {light, DarkPalette(light)}) {
            QApplication::setPalette(palette);
            QTRY_COMPARE(toolbar->palette().color(QPalette::Window),
                         palette.color(QPalette::Window));
            const QColor ground = palette.color(QPalette::Window);
            for (QAction* action : toolbar->actions()) {
                if (action->isSeparator())
                    continue;
                const int legible = LegiblePixels(action->icon(), QIcon::Normal, ground);
                QVERIFY2(legible >= 8, qPrintable(QStringLiteral("%1 on %2: %3 pixels")
                                                      .arg(action->data().toInt())
                                                      .arg(ground.name())
                                                      .arg(legible)));
            }
        }
    }

    // With no note open the formatting buttons are disabled from the start, and
    // look it on a light and on a dark toolbar: a picture drawn in the text
    // colour keeps its strokes when Qt greys it.
    void formattingButtonsAreDisabledWithNoNoteOpen()
    {
        CMainFrame frame(m_app.Settings());
        const QPalette light = QApplication::palette();
        const auto restore = qScopeGuard([&light] { QApplication::setPalette(light); });
        for (const QPalette& palette : {light, DarkPalette(light)}) {
            QApplication::setPalette(palette);
            QTRY_COMPARE(frame.palette().color(QPalette::Window), palette.color(QPalette::Window));
            const QColor ground = palette.color(QPalette::Window);
            for (int id : {Cmd::FontBigger, Cmd::FontSmaller, Cmd::Bold, Cmd::AlignLeft,
                           Cmd::AlignCenter, Cmd::AlignRight}) {
                QAction* action = frame.Action(id);
                QVERIFY2(!action->isEnabled(), qPrintable(QString::number(id)));
                QVERIFY(LegiblePixels(action->icon(), QIcon::Normal, ground) >= 8);
                QVERIFY2(LegiblePixels(action->icon(), QIcon::Disabled, ground) == 0,
                         qPrintable(QStringLiteral("%1 on %2").arg(id).arg(ground.name())));
            }
        }
    }

    void supportInformationNamesTheFilesAndVersion()
    {
        const SupportInfo info = m_app.SupportInformation();
        const QString text = info.Text();
        Common_DlgSupportInfo dialog(info);
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, "support-info-app");
        for (const char* label : {"Version: ", "Erstellt am: ", "Qt-Version: ", "Plattform: ",
                                  "Einstellungsdatei: ", "Adressdatei: ", "Datenordner: "})
            QVERIFY2(text.contains(QLatin1String(label)), label);
        QVERIFY(text.contains(m_app.Registry().GetVersionText()));
        QVERIFY(text.contains(m_app.Settings().Backend().fileName()));
        QVERIFY(text.contains(m_app.AddressFile()));
        // German dates; a display size of 0 is the system setting.
        QVERIFY2(text.contains(QRegularExpression(
                     QStringLiteral("Erstellt am: \\d\\d\\.\\d\\d\\.\\d\\d\\d\\d\\n"))),
                 qPrintable(text));
        m_app.Settings().Set(kMain, Settings::FormScaling, 0);
        QVERIFY(m_app.SupportInformation().Text().contains(
            QStringLiteral("Anzeigegröße: 0 (Systemeinstellung)\n")));
        m_app.Settings().Set(kMain, Settings::FormScaling, 110);
        QVERIFY(m_app.SupportInformation().Text().contains(QStringLiteral("Anzeigegröße: 110%\n")));
        m_app.Settings().Set(kMain, Settings::FormScaling, 0);
    }

    void initRunsWithoutAWindow()
    {
        m_app.Settings().Backend().setValue("Workspace/State", QByteArray("x"));
        QVERIFY(!m_app.InitInstance({"-init"}));
        QVERIFY(m_app.m_bResetPending);
        QVERIFY(!m_app.Settings().Backend().contains("Workspace/State"));
        m_app.m_bResetPending = false;
    }
};

int main(int argc, char* argv[])
{
    // The program writes into the user's folders (templates, documents): here
    // they are the test's own.
    QTemporaryDir home;
    qputenv("HOME", home.path().toLocal8Bit());
    CTarvelomarkApp app(argc, argv);
    InitWidgetResources();
    QTemporaryDir dir;
    app.SetSettingsStore(std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)));
    // The test's language throughout: from the start, and as the program's own
    // choice whenever a test starts it.
    if (!InstallTestLanguage())
        return 1;
    app.Settings().Set(kMain, Settings::Language, TestLanguageSetting());
    // Start-ups show neither the introductory help nor the splash window unless
    // a test asks for them.
    app.Settings().Set(kMain, Settings::ShowIntroHelp, 1);
    app.Settings().Set(kMain, Settings::ShowDefaultTextHelp, 1);
    app.Settings().Set(kMain, Settings::SplashScreen, 0);
    TestApplication test(app, dir);
    return QTest::qExec(&test, argc, argv);
}

#include "app_test.moc"
