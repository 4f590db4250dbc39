// The address dialog, its file questions and the program options, driven through
// their controls offscreen on address files in a folder of their own.
#include "core/addresses/addressexchange.h"
#include "core/settings/language.h"
#include "core/settings/settingsstore.h"
#include "screenshot.h"
#include "widgets/addresses/addresscommands.h"
#include "widgets/addresses/addresslistmodel.h"
#include "widgets/addresses/common_dlgadressdaten.h"
#include "widgets/addresses/dlgmissingaddressfile.h"
#include "widgets/addresses/dlgprogramoptions.h"
#include "widgets/app/krdwinappex.h"

#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialogButtonBox>
#include <QElapsedTimer>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QLockFile>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProgressDialog>
#include <QPushButton>
#include <QSettings>
#include <QStyle>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <deque>
#include <functional>
#include <memory>

namespace {

const QString kSample = QStringLiteral("Beispieladresse\r\nStrasse\r\nOrt");

class QuietPrompter : public CAddressFilePrompter
{
public:
    bool AskCreateMissingFile(const QString&) override { return false; }
};

// Address files and settings in a folder of their own.
class Fixture
{
public:
    Fixture()
        : m_settings(std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
              m_dir.filePath(QStringLiteral("settings.ini")), QSettings::IniFormat)))
    {
    }

    CSettingsStore& Settings() { return *m_settings; }
    QString Path(const QString& name = QStringLiteral("TMAdress.dat")) const
    {
        return m_dir.filePath(name);
    }
    QString Folder() const { return m_dir.path() + QLatin1Char('/'); }

    QString Write(const QStringList& records, const QString& name = QStringLiteral("TMAdress.dat"))
    {
        QuietPrompter prompter;
        CAddressFile file(prompter);
        if (file.SaveAddressFile(Path(name), records))
            qFatal("cannot write %s", qPrintable(Path(name)));
        return Path(name);
    }

    QStringList Read(const QString& name = QStringLiteral("TMAdress.dat")) const
    {
        QuietPrompter prompter;
        CAddressFile file(prompter);
        if (file.LoadAddressFile(Path(name)))
            return {QStringLiteral("<nicht lesbar>")};
        return file.List();
    }

private:
    QTemporaryDir m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
};

// Hands each modal window that comes up to the next action, in order; message
// boxes that no action is left for are answered with OK. The texts of all
// message boxes are kept.
class ModalDriver
{
public:
    ModalDriver()
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
    }

    // A new action is meant for the next window that comes up, even when that is
    // the dialog of the last one shown again.
    ModalDriver& Then(std::function<void(QWidget*)> action)
    {
        if (m_actions.empty())
            m_handled = nullptr;
        m_actions.push_back(std::move(action));
        return *this;
    }
    bool Done() const { return m_actions.empty(); }

    QStringList messages;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_handled)
            return;
        m_handled = modal;
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (box)
            messages << box->text();
        if (!m_actions.empty()) {
            auto action = std::move(m_actions.front());
            m_actions.pop_front();
            action(modal);
            // A failed check leaves the window open; close everything so that the
            // test ends instead of waiting for its timeout.
            if (QTest::currentTestFailed()) {
                m_actions.clear();
                for (int i = 0; i < 10; ++i)
                    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
                        dialog->done(QDialog::Rejected);
            }
        } else if (box) {
            box->done(QMessageBox::Ok);
        }
    }

    std::deque<std::function<void(QWidget*)>> m_actions;
    QPointer<QWidget> m_handled;
    QTimer m_timer;
};

template <typename T> T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void Click(QWidget* parent, const char* name)
{
    Child<QAbstractButton>(parent, name)->click();
}

QListView* List(QWidget* dialog)
{
    return Child<QListView>(dialog, "addressList");
}

QPlainTextEdit* Record(QWidget* dialog)
{
    return Child<QPlainTextEdit>(dialog, "recordText");
}

QStringList Entries(QWidget* dialog)
{
    QStringList entries;
    const QAbstractItemModel* model = List(dialog)->model();
    for (int i = 0; i < model->rowCount(); ++i)
        entries << model->index(i, 0).data().toString();
    return entries;
}

QStringList VisibleButtons(QWidget* dialog)
{
    QStringList shown;
    for (auto* button : dialog->findChildren<QPushButton*>())
        if (!button->isHidden())
            shown << button->text();
    shown.sort();
    return shown;
}

void Select(QWidget* dialog, const QString& entry)
{
    const QAbstractItemModel* model = List(dialog)->model();
    const auto found =
        model->match(model->index(0, 0), Qt::DisplayRole, entry, 1, Qt::MatchExactly);
    if (found.isEmpty())
        qFatal("no entry %s", qPrintable(entry));
    List(dialog)->setCurrentIndex(found.first());
}

void DoubleClick(QWidget* dialog, const QString& entry)
{
    Select(dialog, entry);
    QListView* list = List(dialog);
    const QPoint at = list->visualRect(list->currentIndex()).center();
    // A widget's double click comes after the press of a first click, as from a
    // real mouse.
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, at);
    QTest::mouseDClick(list->viewport(), Qt::LeftButton, {}, at);
}

void Answer(QWidget* modal, QMessageBox::StandardButton button)
{
    auto* box = qobject_cast<QMessageBox*>(modal);
    QVERIFY(box);
    box->button(button)->click();
}

} // namespace

class AddressDialogTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void listText_data();
    void listText();
    void listIsSortedAndOpensOnTheFirst();
    void listModelOrder_data();
    void listModelOrder();
    void buttonsOfTheModes();
    void savingAnEditRebuildsTheList();
    void newRecordAndDelete();
    void escapeAndCloseBoxKeepTheEditModeOpen();
    void pickerTakesEnterAndCancelsOnEscape();
    void selectModeTakesOverTheWholeRecord();
    void notLoadedRefusesToOpen();
    void missingFileQuestion();
    void twoDialogsAddingKeepBothRecords();
    void lockedFileShowsProgress();
    void importShowsWhatItTakesAndKeepsOthersRecords();

    void programOptionsPath();
    void programOptionsRefusesEmptyPath_data();
    void programOptionsRefusesEmptyPath();
    void programOptionsInitialise();
    void programOptionsLanguage_data();
    void programOptionsLanguage();
    void programOptionsRestartNote_data();
    void programOptionsRestartNote();
};

void AddressDialogTest::listText_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<QString>("entry");
    QTest::newRow("first line") << "Spedition Nord\r\nHafenweg 1\r\nKiel"
                                << "Spedition Nord";
    QTest::newRow("one line") << "Nur Name"
                              << "Nur Name";
    QTest::newRow("bare line feed") << "Name\nWeg"
                                    << "Name";
    QTest::newRow("begins with a line break") << "\r\nHafenweg 1\r\nKiel"
                                              << " Hafenweg 1 Kiel";
    QTest::newRow("empty") << ""
                           << "";
}

void AddressDialogTest::listText()
{
    QFETCH(QString, record);
    QFETCH(QString, entry);
    QCOMPARE(Common_DlgAdressDaten::ListText(record), entry);
}

void AddressDialogTest::listModelOrder_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QList<int>>("order"); // record indexes, top row first
    QTest::newRow("case and umlauts")
        << QStringList{"zander", "Ölmühle", "Oma", "ober", "Zahn"} << QList<int>{3, 1, 2, 4, 0};
    // Equal names differ only in their other lines or in case: file order.
    QTest::newRow("equal names") << QStringList{"Nord\r\nKiel", "Ost", "nord", "Nord\r\nHusum"}
                                 << QList<int>{0, 2, 3, 1};
    QTest::newRow("digits and empty")
        << QStringList{"Halle 2", "", "Halle 10", "\r\nOrt"} << QList<int>{1, 3, 2, 0};
    QTest::newRow("empty book") << QStringList{} << QList<int>{};
}

void AddressDialogTest::listModelOrder()
{
    QFETCH(QStringList, records);
    QFETCH(QList<int>, order);
    CAddressListModel model;
    model.SetRecords({"alt"});
    model.SetRecords(records); // replaces, never appends
    QList<int> shown;
    for (int row = 0; row < model.rowCount(); ++row) {
        const int record = model.RecordAt(row);
        QCOMPARE(model.index(row).data(Qt::UserRole).toInt(), record);
        QCOMPARE(model.index(row).data().toString(),
                 Common_DlgAdressDaten::ListText(records.value(record)));
        shown << record;
    }
    QCOMPARE(shown, order);
    QCOMPARE(model.RecordAt(model.rowCount()), -1);
}

void AddressDialogTest::listIsSortedAndOpensOnTheFirst()
{
    Fixture f;
    f.Write({"Zeta\r\nZweite Zeile", "alpha\r\nAm Markt 2", "Mitte", "Ärzte GmbH\r\nPlatz 3"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    ModalDriver driver;
    driver.Then([](QWidget* d) {
        // Letters before case, umlauts with their base letter.
        QCOMPARE(Entries(d), (QStringList{"alpha", "Ärzte GmbH", "Mitte", "Zeta"}));
        QCOMPARE(List(d)->currentIndex().row(), 0);
        QCOMPARE(Record(d)->toPlainText(), QStringLiteral("alpha\nAm Markt 2"));
        QVERIFY(!Record(d)->isEnabled());
        Select(d, "Zeta");
        QCOMPARE(Record(d)->toPlainText(), QStringLiteral("Zeta\nZweite Zeile"));
        Click(d, "closeDialog");
    });
    QCOMPARE(dialog.ShowEditDialog(), int(QDialog::Accepted));
    QVERIFY(driver.Done());
}

void AddressDialogTest::buttonsOfTheModes()
{
    Fixture f;
    f.Write({"A\r\nWeg"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    ModalDriver driver;
    driver.Then([](QWidget* d) {
        QCOMPARE(VisibleButtons(d),
                 (QStringList{"Bearbeiten", "Datensatz löschen", "Dialog beenden", "Exportieren...",
                              "Importieren...", "Neuer Datensatz"}));
        Click(d, "editRecord");
        QCOMPARE(VisibleButtons(d), (QStringList{"Abbruch", "Speichern"}));
        QVERIFY(Record(d)->isEnabled());
        QVERIFY(Record(d)->hasFocus());
        Record(d)->setPlainText(QStringLiteral("verworfen"));
        Click(d, "cancelEdit");
        QCOMPARE(Record(d)->toPlainText(), QStringLiteral("A\nWeg"));
        QVERIFY(!Record(d)->isEnabled());
        QCOMPARE(VisibleButtons(d).size(), 6);
        Click(d, "closeDialog");
    });
    dialog.ShowEditDialog();

    driver.Then([](QWidget* d) {
        QCOMPARE(VisibleButtons(d), (QStringList{"Abbrechen", "Daten übernehmen"}));
        Click(d, "closeDialog");
    });
    dialog.ShowSelectDialog();
    QVERIFY(!dialog.TakenOver());
    QCOMPARE(f.Read(), QStringList{"A\r\nWeg"});
}

void AddressDialogTest::savingAnEditRebuildsTheList()
{
    Fixture f;
    f.Write({"Berta\r\nWeg 1", "Anton"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    ModalDriver driver;
    driver.Then([](QWidget* d) {
        Select(d, "Berta");
        DoubleClick(d, "Berta"); // as "Bearbeiten"
        QVERIFY(Record(d)->isEnabled());
        QTest::keyClick(Record(d), Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(Record(d), QStringLiteral("a"));
        QTest::keyClick(Record(d), Qt::Key_Return);
        QTest::keyClicks(Record(d), QStringLiteral("Kiel  "));
        QTest::keyClick(Record(d), Qt::Key_Return);
        Click(d, "saveRecord");
        // The list is built again and shows its first entry, not the edited one.
        QCOMPARE(Entries(d), (QStringList{"Anton", "Berta"}));
        QCOMPARE(Record(d)->toPlainText(), QStringLiteral("Anton"));
        QVERIFY(!Record(d)->isEnabled());
        QVERIFY(List(d)->hasFocus());
        Click(d, "closeDialog");
    });
    dialog.ShowEditDialog();
    // Trailing blanks and line breaks go; the lines are kept with CR LF.
    QCOMPARE(f.Read(), (QStringList{"Berta\r\nWeg 1a\r\nKiel", "Anton"}));
}

void AddressDialogTest::newRecordAndDelete()
{
    Fixture f;
    f.Write({"Berta", "Anton", "Cäsar"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    ModalDriver driver;
    driver
        .Then([](QWidget* d) {
            Click(d, "newRecord");
            QVERIFY(Record(d)->toPlainText().isEmpty());
            QTest::keyClicks(Record(d), QStringLiteral("Dora"));
            QTest::keyClick(Record(d), Qt::Key_Return);
            QTest::keyClicks(Record(d), QStringLiteral("Dorfstr. 4"));
            Click(d, "saveRecord");
            QCOMPARE(Entries(d), (QStringList{"Anton", "Berta", "Cäsar", "Dora"}));
            Select(d, "Berta");
            QTimer::singleShot(0, d, [d] { Click(d, "deleteRecord"); });
        })
        .Then([](QWidget* question) { Answer(question, QMessageBox::No); })
        .Then([](QWidget* d) {
            QCOMPARE(Entries(d).size(), 4);
            QTimer::singleShot(0, d, [d] { Click(d, "deleteRecord"); });
        })
        .Then([](QWidget* question) { Answer(question, QMessageBox::Yes); })
        .Then([](QWidget* d) {
            // The remaining records, the first of them shown.
            QCOMPARE(Entries(d), (QStringList{"Anton", "Cäsar", "Dora"}));
            QCOMPARE(Record(d)->toPlainText(), QStringLiteral("Anton"));
            Click(d, "closeDialog");
        });
    dialog.ShowEditDialog();
    QVERIFY(driver.Done());
    QCOMPARE(driver.messages, (QStringList{"Wollen Sie den Datensatz wirklich löschen?",
                                           "Wollen Sie den Datensatz wirklich löschen?"}));
    QCOMPARE(f.Read(), (QStringList{"Anton", "Cäsar", "Dora\r\nDorfstr. 4"}));
}

void AddressDialogTest::escapeAndCloseBoxKeepTheEditModeOpen()
{
    Fixture f;
    f.Write({"A"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    ModalDriver driver;
    bool stayedOpen = false;
    driver.Then([&](QWidget* d) {
        QTest::keyClick(List(d), Qt::Key_Escape);
        d->close();
        QTest::qWait(20);
        stayedOpen = d->isVisible();
        Click(d, "closeDialog");
    });
    dialog.ShowEditDialog();
    QVERIFY(stayedOpen);
}

// The picker (F2) is worked from the keyboard: arrows choose, Enter takes the
// address over, Escape and the close box cancel.
void AddressDialogTest::pickerTakesEnterAndCancelsOnEscape()
{
    Fixture f;
    const QString path = f.Write({"Zeta", "Mitte\r\nLange Str. 5", "Alpha"});
    ModalDriver driver;
    driver.Then([](QWidget* d) {
        Shot(d, "address-picker");
        QVERIFY(Child<QPushButton>(d, "takeOver")->isDefault());
        QVERIFY(!Child<QPushButton>(d, "closeDialog")->isDefault());
        QTRY_VERIFY(List(d)->hasFocus());
        QTest::keyClick(List(d), Qt::Key_Down); // from Alpha to Mitte
        QTest::keyClick(List(d), Qt::Key_Return);
    });
    QCOMPARE(ChooseAddress(path, f.Settings(), nullptr),
             std::optional<QString>(QStringLiteral("Mitte\r\nLange Str. 5")));

    for (const bool escape : {true, false}) {
        bool closed = false;
        driver.Then([&closed, escape](QWidget* d) {
            Select(d, "Zeta");
            if (escape)
                QTest::keyClick(List(d), Qt::Key_Escape);
            else
                d->close();
            closed = !d->isVisible();
            if (!closed)
                Click(d, "closeDialog");
        });
        QCOMPARE(ChooseAddress(path, f.Settings(), nullptr), std::nullopt);
        QVERIFY2(closed, escape ? "Escape" : "close box");
    }
    QVERIFY(driver.Done());
}

void AddressDialogTest::selectModeTakesOverTheWholeRecord()
{
    Fixture f;
    const QString path = f.Write({"Zeta", "Mitte\r\nLange Str. 5\r\n12345 Ort", "Alpha"});
    auto* app = CKRDWinAppEx::Instance();
    app->SetHelpContextId(100);

    ModalDriver driver;
    int helpWhileOpen = 0;
    driver.Then([&](QWidget* d) {
        helpWhileOpen = app->HelpContextId();
        DoubleClick(d, "Mitte");
    });
    QCOMPARE(ChooseAddress(path, f.Settings(), nullptr),
             std::optional<QString>(QStringLiteral("Mitte\r\nLange Str. 5\r\n12345 Ort")));
    QCOMPARE(helpWhileOpen, 108);
    QCOMPARE(app->HelpContextId(), 100);

    driver.Then([](QWidget* d) {
        Select(d, "Zeta");
        Click(d, "takeOver");
    });
    QCOMPARE(ChooseAddress(path, f.Settings(), nullptr), std::optional<QString>("Zeta"));

    driver.Then([](QWidget* d) { Click(d, "closeDialog"); }); // "Abbrechen"
    QCOMPARE(ChooseAddress(path, f.Settings(), nullptr), std::nullopt);

    // With no record there is nothing to take over, not even an empty text.
    f.Write({});
    driver.Then([](QWidget* d) {
        Click(d, "takeOver");
        QVERIFY(d->isVisible());
        Click(d, "closeDialog");
    });
    QCOMPARE(ChooseAddress(path, f.Settings(), nullptr), std::nullopt);
    QVERIFY(driver.Done());
    QCOMPARE(f.Read().size(), 0);
}

void AddressDialogTest::notLoadedRefusesToOpen()
{
    Fixture f;
    Common_DlgAdressDaten dialog;
    ModalDriver driver;
    QCOMPARE(dialog.ShowEditDialog(), Common_DlgAdressDaten::kNotLoaded);
    QCOMPARE(driver.messages, QStringList{"Fehler: Adressdatendatei nicht definiert!"});

    // A file that failed to load keeps it closed as well.
    QFile foreign(f.Path("fremd.dat"));
    QVERIFY(foreign.open(QIODevice::WriteOnly));
    foreign.write("kein Adressbuch");
    foreign.close();
    QCOMPARE(dialog.OpenAddressFile(f.Path("fremd.dat")), int(kAddressFileWrongType));
    QCOMPARE(dialog.ShowSelectDialog(), Common_DlgAdressDaten::kNotLoaded);
    QCOMPARE(driver.messages,
             (QStringList{"Fehler: Adressdatendatei nicht definiert!",
                          "Adressdatei konnte nicht geöffent werden (Falscher Typ)",
                          "Fehler: Adressdatendatei nicht definiert!"}));
}

void AddressDialogTest::missingFileQuestion()
{
    Fixture f;
    const QString path = f.Path(QStringLiteral("neu.dat"));
    QStringList links;
    QString text;
    QStringList detailLabels;
    bool detailsHiddenFirst = false;

    ModalDriver driver;
    driver.Then([&](QWidget* question) {
        QCOMPARE(question->windowTitle(), QStringLiteral("Adressdatendatei"));
        text = Child<QLabel>(question, "text")->text();
        for (auto* link : question->findChildren<QCommandLinkButton*>())
            links << link->text();
        QVERIFY(Child<QPushButton>(question, "create")->isDefault());
        // The first use of the address book is no fault: information, not error.
        const int size = question->style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
        const QImage information = question->style()
                                       ->standardIcon(QStyle::SP_MessageBoxInformation)
                                       .pixmap(size, size)
                                       .toImage();
        int informationIcons = 0;
        for (auto* label : question->findChildren<QLabel*>())
            informationIcons += label->pixmap().toImage() == information;
        QCOMPARE(informationIcons, 1);
        Shot(question, "missing-address-file");
        auto* details = Child<QPushButton>(question, "details");
        detailLabels << details->text();
        detailsHiddenFirst = Child<QLabel>(question, "detailsText")->isHidden();
        details->click();
        detailLabels << details->text();
        Click(question, "cancel");
    });
    Common_DlgAdressDaten declined;
    QCOMPARE(declined.OpenAddressFile(path), int(kAddressFileNotCreated));
    QVERIFY(!QFile::exists(path));
    QCOMPARE(text, QStringLiteral("Die Datei\n%1\nist nicht vorhanden!").arg(path));
    QCOMPARE(links, (QStringList{"Die Datei &neu erzeugen.", "&Abbruch, Datei nicht erzeugen."}));
    QCOMPARE(detailLabels, (QStringList{"Mehr Informationen", "Weniger Informationen"}));
    QVERIFY(detailsHiddenFirst);

    driver.Then([](QWidget* question) { Click(question, "create"); }).Then([](QWidget* d) {
        QCOMPARE(Entries(d), QStringList{"Beispieladresse"});
        Click(d, "closeDialog");
    });
    EditAddresses(path, nullptr);
    QVERIFY(driver.Done());
    QCOMPARE(f.Read("neu.dat"), QStringList{kSample});
}

void AddressDialogTest::twoDialogsAddingKeepBothRecords()
{
    // Two users of one address book on a shared drive, both with their dialog open.
    Fixture f;
    f.Write({"Alt"});
    Common_DlgAdressDaten anna;
    Common_DlgAdressDaten bernd;
    QCOMPARE(anna.OpenAddressFile(f.Path()), 0);
    QCOMPARE(bernd.OpenAddressFile(f.Path()), 0);

    const auto add = [](const QString& text) {
        return [text](QWidget* d) {
            Click(d, "newRecord");
            Record(d)->setPlainText(text);
            Click(d, "saveRecord");
            Click(d, "closeDialog");
        };
    };
    ModalDriver driver;
    driver.Then(add(QStringLiteral("Anna")));
    anna.ShowEditDialog();
    driver.Then([&](QWidget* d) { add(QStringLiteral("Bernd"))(d); });
    bernd.ShowEditDialog();
    QCOMPARE(f.Read(), (QStringList{"Alt", "Anna", "Bernd"}));

    // The second one's list now holds the first one's record too.
    driver.Then([](QWidget* d) {
        QCOMPARE(Entries(d), (QStringList{"Alt", "Anna", "Bernd"}));
        Click(d, "closeDialog");
    });
    bernd.ShowEditDialog();
    QVERIFY(driver.messages.isEmpty());
}

void AddressDialogTest::lockedFileShowsProgress()
{
    Fixture f;
    f.Write({"A"});
    QLockFile other(f.Path() + QStringLiteral(".lock"));
    QVERIFY(other.tryLock(0));

    ModalDriver driver;
    QString progressTitle;
    driver.Then([&](QWidget* modal) {
        auto* progress = qobject_cast<QProgressDialog*>(modal);
        QVERIFY(progress);
        progressTitle = progress->windowTitle();
        progress->cancel();
    });
    Common_DlgAdressDaten dialog;
    QElapsedTimer timer;
    timer.start();
    QCOMPARE(dialog.OpenAddressFile(f.Path()), int(kAddressFileLocked));
    QVERIFY(timer.elapsed() < 5000); // given up at once, not after 100 seconds
    QCOMPARE(progressTitle, QStringLiteral("Adressdatendatei"));
    QCOMPARE(driver.messages.value(0), QStringLiteral("Adressdatei konnte nicht geöffent werden"));
    QCOMPARE(driver.messages.size(), 2);
    for (QWidget* w : QApplication::topLevelWidgets())
        QVERIFY(!qobject_cast<QProgressDialog*>(w) || !w->isVisible());
}

void AddressDialogTest::programOptionsPath()
{
    Fixture f;
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        QCOMPARE(dialog.PathText(), f.Folder() + QStringLiteral("TMAdress.dat"));
        QVERIFY(!Child<QLabel>(&dialog, "statusReady")->isHidden());
        QVERIFY(Child<QLabel>(&dialog, "statusPending")->isHidden());
    }

    // An existing file is kept as it is; the path is stored without the blanks.
    const QString existing = f.Write({"A", "B"}, QStringLiteral("vorhanden.dat"));
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        QString startFolder;
        dialog.SetFileChooser([&](QWidget*, const QString& start) {
            startFolder = start;
            return existing;
        });
        Click(&dialog, "browse");
        QCOMPARE(startFolder, f.Folder());
        QCOMPARE(dialog.PathText(), existing);
        Child<QLineEdit>(&dialog, "path")->setText(QStringLiteral("  ") + existing + "  ");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(f.Settings().GetProfileString("Settings", "Adressdatendatei", "-"), existing);
    QCOMPARE(f.Read("vorhanden.dat"), (QStringList{"A", "B"}));

    // A path with no file gets a new one with the sample, without a question.
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        QCOMPARE(dialog.PathText(), existing);
        ModalDriver driver;
        Child<QLineEdit>(&dialog, "path")->setText(f.Path("neu.dat"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QVERIFY(driver.messages.isEmpty());
    }
    QCOMPARE(f.Read("neu.dat"), QStringList{kSample});
    QCOMPARE(f.Settings().GetProfileString("Settings", "Adressdatendatei", "-"), f.Path("neu.dat"));
}

void AddressDialogTest::programOptionsRefusesEmptyPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("empty") << "";
    QTest::newRow("blanks") << "   ";
}

void AddressDialogTest::programOptionsRefusesEmptyPath()
{
    QFETCH(QString, path);
    Fixture f;
    f.Settings().WriteProfileString("Settings", "Adressdatendatei", f.Path());
    CDlgProgramOptions dialog(f.Settings(), f.Folder());
    dialog.show();
    Child<QLineEdit>(&dialog, "path")->setText(path);
    Child<QComboBox>(&dialog, "language")->setCurrentText(QStringLiteral("English"));
    ModalDriver driver;
    dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    QCOMPARE(driver.messages, QStringList{"Es ist kein Dateiname für die Adressdaten "
                                          "angegeben.\n\nBitte einen Dateinamen definieren."});
    QVERIFY(dialog.isVisible());
    QCOMPARE(f.Settings().GetProfileString("Settings", "Adressdatendatei", "-"), f.Path());
    // A refused OK stores nothing, the language neither.
    QVERIFY(!f.Settings().Backend().contains(QStringLiteral("Settings/Language")));
}

void AddressDialogTest::programOptionsInitialise()
{
    Fixture f;
    const QString path = f.Write({"A", "B", "C"});
    f.Settings().WriteProfileString("Settings", "Adressdatendatei", path);
    const QString question = QStringLiteral(
        "Mit dieser Option wird die aktuelle Datenbankdatei\nfür die Adressdaten gelöscht und "
        "eine neue, leere\nDatei angelegt. Alle bisherigen Daten werden gelöscht!\n\nMöchten "
        "Sie wirklich die Datei initialisieren?");

    // Confirmed, then cancelled: nothing happens.
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        ModalDriver driver;
        driver.Then([](QWidget* box) { Answer(box, QMessageBox::Yes); });
        Click(&dialog, "initialise");
        QCOMPARE(driver.messages, QStringList{question});
        QVERIFY(dialog.InitialisePending());
        QVERIFY(!Child<QLabel>(&dialog, "statusPending")->isHidden());
        QVERIFY(Child<QLabel>(&dialog, "statusReady")->isHidden());
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }
    QCOMPARE(f.Read(), (QStringList{"A", "B", "C"}));

    // Confirmed, then declined again: OK keeps the file.
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        ModalDriver driver;
        driver.Then([](QWidget* box) { Answer(box, QMessageBox::Yes); }).Then([](QWidget* box) {
            Answer(box, QMessageBox::No);
        });
        Click(&dialog, "initialise");
        Click(&dialog, "initialise");
        QVERIFY(!dialog.InitialisePending());
        QVERIFY(Child<QLabel>(&dialog, "statusPending")->isHidden());
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    QCOMPARE(f.Read(), (QStringList{"A", "B", "C"}));

    // Confirmed and OK: the file holds the sample record only.
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        ModalDriver driver;
        driver.Then([](QWidget* box) { Answer(box, QMessageBox::Yes); });
        Click(&dialog, "initialise");
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    }
    QCOMPARE(f.Read(), QStringList{kSample});

    // A file that cannot be made (a file stands where its folder should) is
    // tried and told once.
    QFile(f.Path("datei")).open(QIODevice::WriteOnly);
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        ModalDriver driver;
        driver.Then([](QWidget* box) { Answer(box, QMessageBox::Yes); });
        Click(&dialog, "initialise");
        Child<QLineEdit>(&dialog, "path")->setText(f.Path("datei/neu.dat"));
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(driver.messages.size(), 2);
        QVERIFY(driver.messages.last().startsWith(
            QStringLiteral("Adressdatei konnte nicht zum Schreiben geöffnet werden\n\n")));
    }
}

// "Language" of "Settings": 0 German, 1 English, missing for "Wie das System";
// -1 in the rows stands for a missing value.
void AddressDialogTest::programOptionsLanguage_data()
{
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("written");
    QTest::newRow("system kept") << -1 << "Wie das System"
                                 << "Wie das System" << -1;
    QTest::newRow("system to English") << -1 << "Wie das System"
                                       << "English" << 1;
    QTest::newRow("German kept") << 0 << "Deutsch"
                                 << "Deutsch" << 0;
    QTest::newRow("German to system") << 0 << "Deutsch"
                                      << "Wie das System" << -1;
    QTest::newRow("English to German") << 1 << "English"
                                       << "Deutsch" << 0;
    QTest::newRow("no language to German") << 7 << "Wie das System"
                                           << "Deutsch" << 0;
}

void AddressDialogTest::programOptionsLanguage()
{
    QFETCH(int, stored);
    QFETCH(QString, shown);
    QFETCH(QString, chosen);
    QFETCH(int, written);
    Fixture f;
    f.Settings().WriteProfileString("Settings", "Adressdatendatei", f.Write({"A"}));
    const QString key = QStringLiteral("Settings/Language");
    if (stored >= 0)
        f.Settings().WriteProfileInt("Settings", "Language", stored);
    const QVariant before = f.Settings().Backend().value(key);

    const auto choose = [&](CDlgProgramOptions& dialog) {
        auto* combo = Child<QComboBox>(&dialog, "language");
        QCOMPARE(combo->currentText(), shown);
        QCOMPARE(combo->count(), 3);
        combo->setCurrentIndex(combo->findText(chosen));
        QCOMPARE(combo->currentText(), chosen);
    };
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        choose(dialog);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->click();
    }
    QCOMPARE(f.Settings().Backend().value(key), before);
    {
        CDlgProgramOptions dialog(f.Settings(), f.Folder());
        choose(dialog);
        dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
    QCOMPARE(f.Settings().Backend().contains(key), written >= 0);
    if (written >= 0)
        QCOMPARE(f.Settings().GetProfileInt("Settings", "Language", -1), written);
}

namespace {


} // namespace

// The note tells that the language changes at the next start: for a language
// other than the running one, and for "Wie das System" when the setting changes.
void AddressDialogTest::programOptionsRestartNote_data()
{
    QTest::addColumn<bool>("runningEnglish");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("noteShown");
    QTest::newRow("German, as stored") << false << 0 << "Deutsch" << false;
    QTest::newRow("German, to English") << false << 0 << "English" << true;
    QTest::newRow("German, system kept") << false << -1 << "Wie das System" << false;
    QTest::newRow("German, system to German") << false << -1 << "Deutsch" << false;
    QTest::newRow("German, to system") << false << 0 << "Wie das System" << true;
    QTest::newRow("German, English stored before") << false << 1 << "English" << true;
    QTest::newRow("English, as stored") << true << 1 << "English" << false;
    QTest::newRow("English, to German") << true << 1 << "Deutsch" << true;
}

void AddressDialogTest::programOptionsRestartNote()
{
    QFETCH(bool, runningEnglish);
    QFETCH(int, stored);
    QFETCH(QString, chosen);
    QFETCH(bool, noteShown);
    if (runningEnglish)
        QVERIFY(InstallTranslators(ProgramLanguage::English));
    Fixture f;
    if (stored >= 0)
        f.Settings().WriteProfileInt("Settings", "Language", stored);
    CDlgProgramOptions dialog(f.Settings(), f.Folder());
    auto* combo = Child<QComboBox>(&dialog, "language");
    combo->setCurrentIndex(combo->findText(chosen));
    const bool shown = !Child<QLabel>(&dialog, "restartNote")->isHidden();
    InstallTranslators(ProgramLanguage::German);
    QCOMPARE(shown, noteShown);
}

int main(int argc, char* argv[])
{
    CKRDWinAppEx app(argc, argv);
    AddressDialogTest test;
    return QTest::qExec(&test, argc, argv);
}

// A spreadsheet list comes in while another user adds a record: the preview
// shows the new addresses ticked, the known one counted and the unreadable row
// named; what the user unticks stays out, and nothing of the other user's is
// lost. The export then writes the whole book.
void AddressDialogTest::importShowsWhatItTakesAndKeepsOthersRecords()
{
    Fixture f;
    f.Write({"Alt"});
    Common_DlgAdressDaten dialog;
    QCOMPARE(dialog.OpenAddressFile(f.Path()), 0);
    f.Write({"Alt", "Bernd"}); // saved by another user meanwhile

    QFile csv(f.Path(QStringLiteral("liste.csv")));
    QVERIFY(csv.open(QIODevice::WriteOnly));
    csv.write("Name;Ort\r\nAlt\r\nNeu GmbH;Kiel\r\n\"halb");
    csv.close();

    ModalDriver driver;
    driver.Then([](QWidget* d) {
        auto* records = d->findChild<QListWidget*>(QStringLiteral("importRecords"));
        QVERIFY(records);
        QCOMPARE(records->count(), 2);
        QCOMPARE(records->item(0)->text(), QStringLiteral("Name · Ort"));
        QCOMPARE(records->item(1)->checkState(), Qt::Checked);
        QVERIFY(d->findChild<QLabel*>(QStringLiteral("summary"))
                    ->text()
                    .contains(QStringLiteral("1 Adresse ist schon im Adressbuch")));
        auto* refused = d->findChild<QListWidget*>(QStringLiteral("refusedEntries"));
        QVERIFY(refused && refused->count() == 1);
        QVERIFY(refused->item(0)->text().startsWith(QStringLiteral("Zeile 4")));
        Shot(d, "address-import");
        records->item(0)->setCheckState(Qt::Unchecked); // the header row
        d->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok)->click();
    });
    QVERIFY(dialog.ImportFromFile(csv.fileName()));
    QVERIFY(driver.Done());
    QCOMPARE(f.Read(), (QStringList{"Alt", "Bernd", "Neu GmbH\r\nKiel"}));

    const QString vcf = f.Path(QStringLiteral("alle.vcf"));
    QVERIFY(dialog.ExportToFile(vcf));
    QFile exported(vcf);
    QVERIFY(exported.open(QIODevice::ReadOnly));
    QCOMPARE(ReadAddressVCards(exported.readAll()).records, f.Read());

    // A file that is no address list changes nothing and says why.
    QFile other(f.Path(QStringLiteral("bild.vcf")));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(QByteArray("\x89PNG\0\0", 6));
    other.close();
    QVERIFY(!dialog.ImportFromFile(other.fileName()));
    QCOMPARE(driver.messages.size(), 1);
    QVERIFY(driver.messages.first().contains(QStringLiteral("nichts übernommen")));
    QCOMPARE(f.Read(), (QStringList{"Alt", "Bernd", "Neu GmbH\r\nKiel"}));
}

#include "address_dialog_test.moc"
