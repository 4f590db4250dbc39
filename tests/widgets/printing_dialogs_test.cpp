#include "core/settings/settingsstore.h"
#include "tempsettings.h"
#include "testlanguage.h"
#include "widgets/printing/common_cdlgprintsizecorr.h"
#include "widgets/printing/common_dlgmargin01.h"
#include "widgets/printing/common_dlgmargin02.h"
#include "widgets/printing/dlgdrucken.h"
#include "widgets/printing/dlgprinterfontsize.h"
#include "widgets/printing/margincommand.h"
#include "widgets/printing/papernames.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <functional>
#include <memory>

Q_DECLARE_METATYPE(FormType)

namespace {

const QString kCmr = QStringLiteral("CMR");
const QString kKombi = QStringLiteral("KombiFrachtbrief");
const QString kSettings = QStringLiteral("Settings");

void SetLanguage(TempSettings& settings, int language)
{
    settings->WriteProfileInt(kSettings, QStringLiteral("Language"), language);
}

// Acts on modal windows as they open: runs the action on the first one that is not
// `except`, and closes every message box, keeping its text.
class ModalWatcher
{
public:
    explicit ModalWatcher(std::function<void(QWidget*)> action = {}, QWidget* except = nullptr)
        : m_action(std::move(action)), m_except(except)
    {
        QObject::connect(&m_timer, &QTimer::timeout, [this] { Poll(); });
        m_timer.start(5);
    }
    QStringList messages;

private:
    void Poll()
    {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == m_except)
            return;
        if (auto* box = qobject_cast<QMessageBox*>(modal)) {
            messages << box->text();
            box->done(QMessageBox::Ok);
            return;
        }
        if (m_action) {
            auto action = std::move(m_action);
            m_action = nullptr;
            action(modal);
        }
    }

    std::function<void(QWidget*)> m_action;
    QWidget* m_except;
    QTimer m_timer;
};

template <typename T> T* Child(QWidget* parent, const char* name)
{
    T* child = parent->findChild<T*>(QLatin1String(name));
    if (!child)
        qFatal("no child %s", name);
    return child;
}

void Click(QWidget* parent, const char* name, int times = 1)
{
    auto* button = Child<QAbstractButton>(parent, name);
    for (int i = 0; i < times; ++i)
        button->click();
}

void ClickStandard(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

QString Text(QWidget* parent, const char* name)
{
    return Child<QLineEdit>(parent, name)->text();
}

} // namespace

class PrintingDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void paperNames_data();
    void paperNames();
    void printDialogHints_data();
    void printDialogHints();
    void printDialogFormKinds_data();
    void printDialogFormKinds();
    void printDialogOkStoresChoices_data();
    void printDialogOkStoresChoices();
    void printDialogCancelAndSetupStoreNothing();
    void printDialogDescribesPrinter();

    void marginTexts_data();
    void marginTexts();
    void marginStepLimits_data();
    void marginStepLimits();
    void marginCommand_data();
    void marginCommand();
    void marginSheetSharesFlagAcrossPages();
    void marginSheetPageCount();
    void marginLanguage();

    void printerFontSize();
    void issue16_numberFieldsRefuseWhatTheyCannotUse_data();
    void issue16_numberFieldsRefuseWhatTheyCannotUse();
    void issue16_stepButtonsLeadBackIntoTheRange();
    void printSizeCorrection_data();
    void printSizeCorrection();
    void printSizeCorrectionOpensStoredValues();
    void printSizeCorrectionSpeaksTheProgramLanguage();
};

// ---- Paper names ---------------------------------------------------------------

void PrintingDialogsTest::paperNames_data()
{
    QTest::addColumn<QPageSize>("pageSize");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("name");
    QTest::newRow("A4") << QPageSize(QPageSize::A4) << 9 << "A4 210 x 297 mm";
    QTest::newRow("Letter") << QPageSize(QPageSize::Letter) << 1 << "Letter 8 1/2 x 11 in";
    QTest::newRow("Legal") << QPageSize(QPageSize::Legal) << 5 << "Legal 8 1/2 x 14 in";
    QTest::newRow("A5") << QPageSize(QPageSize::A5) << 11 << "A5 148 x 210 mm";
    QTest::newRow("DL envelope") << QPageSize(QPageSize::EnvelopeDL) << 27
                                 << "Briefumschlag DL 110 x 220mm";
    QTest::newRow("ISO B4") << QPageSize(QPageSize::B4) << 42 << "B4 (ISO) 250 x 353 mm";
    // Codes beyond the table name no paper, even when Qt knows the size.
    QTest::newRow("A6") << QPageSize(QPageSize::A6) << 70 << "Unbekanntes Papierformat";
    QTest::newRow("own size") << QPageSize(QSizeF(100, 200), QPageSize::Millimeter) << 256
                              << "Benutzerdefiniert";
    QTest::newRow("no size") << QPageSize() << 0 << "Unbekanntes Papierformat";
}

void PrintingDialogsTest::paperNames()
{
    QFETCH(QPageSize, pageSize);
    QFETCH(int, code);
    QFETCH(QString, name);
    QCOMPARE(PaperCodeForPageSize(pageSize), code);
    QCOMPARE(PaperNameForCode(code), name);

    // Codes no page size of Qt gives: the placeholders, the ends of the table, the
    // texts with odd characters and spacing.
    QCOMPARE(PaperNameForCode(43), QStringLiteral("Unbekanntes Papierformat"));
    QCOMPARE(PaperNameForCode(47), QStringLiteral("Unbekanntes Papierformat"));
    QCOMPARE(PaperNameForCode(300), QStringLiteral("Unbekanntes Papierformat"));
    QCOMPARE(PaperNameForCode(46), QStringLiteral("15 x 11 in"));
    QCOMPARE(PaperNameForCode(22), QStringLiteral("Briefumschlag #12 4 ¾ x 11"));
    QCOMPARE(PaperNameForCode(29), QStringLiteral("Briefumschlag C3  324 x 458 mm"));
}

// ---- Print dialog ----------------------------------------------------------------

void PrintingDialogsTest::printDialogHints_data()
{
    QTest::addColumn<bool>("portrait");
    QTest::addColumn<int>("paperCode");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QStringList>("icons");

    const QString landscapeHint = QStringLiteral(
        "Stellen Sie Ihren Drucker auf \"Hochformat\" um, damit das Formular richtig "
        "ausgedruckt wird.");
    const QString paperHint = QStringLiteral(
        "Beachten Sie die Papiereinstellung \"A4\", die aktuell benutzten Formulare sind in "
        "diesem Format (Laserdrucker).");
    QTest::newRow("landscape A4") << false << 9 << landscapeHint
                                  << QStringList{"iconWarning", "iconLandscape", "hintIcon"};
    QTest::newRow("landscape Legal")
        << false << 5 << landscapeHint << QStringList{"iconWarning", "iconLandscape", "hintIcon"};
    QTest::newRow("portrait A4") << true << 9 << paperHint
                                 << QStringList{"iconWarning", "iconPortrait", "hintIcon"};
    QTest::newRow("portrait own size")
        << true << 256 << paperHint << QStringList{"iconWarning", "iconPortrait", "hintIcon"};
    QTest::newRow("portrait Legal")
        << true << 5 << QString() << QStringList{"iconOk", "iconPortrait"};
}

void PrintingDialogsTest::printDialogHints()
{
    QFETCH(bool, portrait);
    QFETCH(int, paperCode);
    QFETCH(QString, hint);
    QFETCH(QStringList, icons);

    TempSettings settings;
    CDlgDrucken dialog(*settings, PrinterDescription{QStringLiteral("Laser"), portrait, paperCode});
    dialog.show();
    QCOMPARE(dialog.HintText(), hint);
    QStringList shown;
    for (const char* name : {"iconWarning", "iconOk", "iconLandscape", "iconPortrait", "hintIcon"})
        if (Child<QLabel>(&dialog, name)->isVisible())
            shown << QLatin1String(name);
    shown.sort();
    icons.sort();
    QCOMPARE(shown, icons);
}

void PrintingDialogsTest::printDialogFormKinds_data()
{
    QTest::addColumn<FormType>("kind");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("section");
    QTest::addColumn<QStringList>("pages");
    const QStringList both{"Seite 1 drucken", "Seite 2 drucken"};
    const QStringList front{"Seite 1 drucken"};
    QTest::newRow("CMR") << FormType::Cmr << "CMR-Frachtbrief drucken"
                         << "CMR" << both;
    QTest::newRow("national") << FormType::National << "Nationaler Frachtbrief drucken"
                              << "NatFrachtbrief" << front;
    QTest::newRow("Kombi") << FormType::Kombi << "Kombi-Frachtbrief drucken"
                           << "KombiFrachtbrief" << front;
    QTest::newRow("forwarding") << FormType::Forwarding << "Speditionsauftrag drucken"
                                << "Speditionsauftrag" << front;
}

void PrintingDialogsTest::printDialogFormKinds()
{
    QFETCH(FormType, kind);
    QFETCH(QString, title);
    QFETCH(QString, section);
    QFETCH(QStringList, pages);

    TempSettings settings;
    settings->WriteProfileInt(section, QStringLiteral("DruckAnzahl"), 7);
    settings->WriteProfileInt(section, QStringLiteral("ReUseDrucker"), 1);
    CDlgDrucken dialog(*settings, PrinterDescription{QStringLiteral("Laser"), true, 9});
    dialog.SetForm(Forms::NewestDescription(kind));
    dialog.show();

    QCOMPARE(dialog.windowTitle(), title);
    auto* pageList = Child<QComboBox>(&dialog, "pageList");
    QStringList entries;
    for (int i = 0; i < pageList->count(); ++i)
        entries << pageList->itemText(i);
    QCOMPARE(entries, pages);
    QCOMPARE(pageList->currentIndex(), 0);
    QCOMPARE(pageList->isEnabled(), pages.size() == 2);
    // The stored choices of this form's section, not of another one.
    QCOMPARE(Child<QSpinBox>(&dialog, "copies")->value(), 7);
    QVERIFY(Child<QCheckBox>(&dialog, "reusePrinter")->isChecked());
}

void PrintingDialogsTest::printDialogOkStoresChoices_data()
{
    QTest::addColumn<QString>("printerName");
    QTest::addColumn<bool>("reuse");
    QTest::addColumn<QString>("storedPrinter");
    QTest::newRow("reuse") << "Laser 2" << true << "Laser 2";
    QTest::newRow("no reuse") << "Laser 2" << false << "@";
    QTest::newRow("reuse, printer without name") << "" << true << "@";
}

void PrintingDialogsTest::printDialogOkStoresChoices()
{
    QFETCH(QString, printerName);
    QFETCH(bool, reuse);
    QFETCH(QString, storedPrinter);

    TempSettings settings;
    settings->WriteProfileString(kCmr, QStringLiteral("Drucker"), QStringLiteral("Old"));
    CDlgDrucken dialog(*settings, PrinterDescription{printerName, true, 9});
    dialog.show();
    auto* copies = Child<QSpinBox>(&dialog, "copies");
    QCOMPARE(copies->value(), 4); // "DruckAnzahl" missing
    copies->setValue(3);
    Child<QCheckBox>(&dialog, "reusePrinter")->setChecked(reuse);
    Child<QComboBox>(&dialog, "pageList")->setCurrentIndex(1);
    ClickStandard(&dialog, QDialogButtonBox::Ok);

    QCOMPARE(dialog.result(), int(QDialog::Accepted));
    QCOMPARE(dialog.Copies(), 3);
    QCOMPARE(dialog.PrintPage(), 2);
    QCOMPARE(settings->GetProfileInt(kCmr, QStringLiteral("DruckAnzahl"), 0), 3);
    QCOMPARE(settings->GetProfileInt(kCmr, QStringLiteral("ReUseDrucker"), -1), reuse ? 1 : 0);
    QCOMPARE(settings->GetProfileString(kCmr, QStringLiteral("Drucker"), QString()), storedPrinter);
}

void PrintingDialogsTest::printDialogCancelAndSetupStoreNothing()
{
    for (const char* button : {"cancel", "printerSetup"}) {
        TempSettings settings;
        CDlgDrucken dialog(*settings, PrinterDescription{QStringLiteral("Laser"), true, 9});
        dialog.show();
        Child<QSpinBox>(&dialog, "copies")->setValue(9);
        Child<QCheckBox>(&dialog, "reusePrinter")->setChecked(true);
        if (qstrcmp(button, "cancel") == 0)
            ClickStandard(&dialog, QDialogButtonBox::Cancel);
        else
            Click(&dialog, button);

        QCOMPARE(dialog.result(), int(QDialog::Rejected));
        QCOMPARE(dialog.PrinterSetupRequested(), qstrcmp(button, "printerSetup") == 0);
        QVERIFY(settings->Backend().allKeys().isEmpty());
    }
}

void PrintingDialogsTest::printDialogDescribesPrinter()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setPageSize(QPageSize(QPageSize::Legal));
    printer.setPageOrientation(QPageLayout::Landscape);
    const PrinterDescription landscape = DescribePrinter(printer);
    QCOMPARE(landscape.portrait, false);
    QCOMPARE(landscape.paperCode, 5);

    printer.setPageOrientation(QPageLayout::Portrait);
    TempSettings settings;
    settings->WriteProfileInt(kKombi, QStringLiteral("DruckAnzahl"), 5);
    CDlgDrucken dialog(*settings, printer);
    dialog.SetForm(Forms::NewestDescription(FormType::Kombi));
    dialog.show();
    QCOMPARE(dialog.PaperName(), QStringLiteral("Legal 8 1/2 x 14 in"));
    QVERIFY(dialog.HintText().isEmpty());
    ClickStandard(&dialog, QDialogButtonBox::Ok);
    // One page per copy.
    QCOMPARE(printer.fromPage(), 1);
    QCOMPARE(printer.toPage(), 5);
    QCOMPARE(dialog.PrintPage(), 1);
}

// ---- Margin dialogs ----------------------------------------------------------------

void PrintingDialogsTest::marginTexts_data()
{
    QTest::addColumn<int>("tenths");
    QTest::addColumn<QString>("horizontal");
    QTest::addColumn<QString>("vertical");
    // In the language the test runs in (tests/CMakeLists.txt runs it twice).
    const auto right = [](const char* mm) {
        return QString::fromUtf8(mm) + InTestLanguage(" mm nach rechts", " mm to the right");
    };
    const auto left = [](const char* mm) {
        return QString::fromUtf8(mm) + InTestLanguage(" mm nach links", " mm to the left");
    };
    const auto down = [](const char* mm) {
        return QString::fromUtf8(mm) + InTestLanguage(" mm nach unten", " mm down");
    };
    const auto up = [](const char* mm) {
        return QString::fromUtf8(mm) + InTestLanguage(" mm nach oben", " mm up");
    };
    const QString unchanged = InTestLanguage("unverändert", "unchanged");
    QTest::newRow("15") << 15 << right("1.5") << down("1.5");
    QTest::newRow("-10") << -10 << left("1.0") << up("1.0");
    QTest::newRow("0") << 0 << unchanged << unchanged;
    QTest::newRow("200") << 200 << right("20.0") << down("20.0");
    QTest::newRow("-5") << -5 << left("0.5") << up("0.5");
    // A value stored by hand in tenths is shown as it is, not rounded to a step.
    QTest::newRow("7") << 7 << right("0.7") << down("0.7");
}

void PrintingDialogsTest::marginTexts()
{
    QFETCH(int, tenths);
    QFETCH(QString, horizontal);
    QFETCH(QString, vertical);

    Common_DlgMargin01 single;
    single.SetHorizontal(tenths);
    single.SetVertical(tenths);
    QCOMPARE(Text(&single, "horizontalText"), horizontal);
    QCOMPARE(Text(&single, "verticalText"), vertical);

    Common_DlgMargin02 sheet;
    sheet.SetPageCount(2);
    sheet.SetHorizontal(2, tenths);
    sheet.SetVertical(2, tenths);
    sheet.show();
    QWidget* back = sheet.findChild<QTabWidget*>()->widget(1);
    QCOMPARE(Text(back, "horizontalText"), horizontal);
    QCOMPARE(Text(back, "verticalText"), vertical);
}

void PrintingDialogsTest::marginStepLimits_data()
{
    QTest::addColumn<bool>("sheet");
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("presses");
    QTest::addColumn<int>("horizontal");
    QTest::addColumn<int>("vertical");
    QTest::newRow("single R x41") << false << "stepRight" << 0 << 41 << 200 << 0;
    QTest::newRow("sheet R x41") << true << "stepRight" << 0 << 41 << 200 << 0;
    QTest::newRow("single L x50") << false << "stepLeft" << 0 << 50 << -200 << 0;
    QTest::newRow("single O x3") << false << "stepUp" << 0 << 3 << 0 << -15;
    QTest::newRow("sheet U x2") << true << "stepDown" << 0 << 2 << 0 << 10;
    // A value off the half-millimetre grid steps past the limit once; the sheet pulls
    // it back onto the limit, the single dialog leaves it.
    QTest::newRow("single R from 197") << false << "stepRight" << 197 << 2 << 202 << 197;
    QTest::newRow("sheet R from 197") << true << "stepRight" << 197 << 2 << 200 << 197;
    QTest::newRow("sheet O from -250") << true << "stepUp" << -250 << 1 << -250 << -200;
    QTest::newRow("single O from -250") << false << "stepUp" << -250 << 1 << -250 << -250;
    QTest::newRow("single L from 3") << false << "stepLeft" << 3 << 1 << -2 << 3;
}

void PrintingDialogsTest::marginStepLimits()
{
    QFETCH(bool, sheet);
    QFETCH(QString, button);
    QFETCH(int, start);
    QFETCH(int, presses);
    QFETCH(int, horizontal);
    QFETCH(int, vertical);

    const QByteArray name = button.toLatin1();
    if (sheet) {
        Common_DlgMargin02 dialog;
        dialog.SetHorizontal(1, start);
        dialog.SetVertical(1, start);
        dialog.show();
        Click(dialog.findChild<QTabWidget*>()->widget(0), name.constData(), presses);
        QCOMPARE(dialog.Horizontal(1), horizontal);
        QCOMPARE(dialog.Vertical(1), vertical);
    } else {
        Common_DlgMargin01 dialog;
        dialog.SetHorizontal(start);
        dialog.SetVertical(start);
        Click(&dialog, name.constData(), presses);
        QCOMPARE(dialog.Horizontal(), horizontal);
        QCOMPARE(dialog.Vertical(), vertical);
    }
}

void PrintingDialogsTest::marginCommand_data()
{
    // The user steps right twice and up once on the last page and ticks "do not show".
    QTest::addColumn<FormType>("type");
    QTest::addColumn<bool>("ok");
    QTest::addColumn<int>("left"); // stored before, first page
    QTest::addColumn<int>("top");
    QTest::addColumn<QString>("shownLeft");
    QTest::addColumn<QString>("shownTop");
    QTest::addColumn<QStringList>("stored");
    QTest::addColumn<QString>("title");
    const QString cmr = QStringLiteral("Ränder bei Ausdruck CMR-Frachtbrief");
    const QString kombi = QStringLiteral("Ränder bei Ausdruck Kombi-Frachtbrief");
    QTest::newRow("CMR OK") << FormType::Cmr << true << 15 << -10 << "1.5 mm nach rechts"
                            << "1.0 mm nach oben"
                            << QStringList{"LeftMargin1=15", "TopMargin1=-10", "LeftMargin2=10",
                                           "TopMargin2=-5", "ShowMarginDlg=1"}
                            << cmr;
    QTest::newRow("CMR cancel") << FormType::Cmr << false << 15 << -10 << "1.5 mm nach rechts"
                                << "1.0 mm nach oben"
                                << QStringList{"LeftMargin1=15", "TopMargin1=-10"} << cmr;
    // Values off the half-millimetre grid come back exactly, not one tenth short.
    QTest::newRow("Kombi OK") << FormType::Kombi << true << 7 << -193 << "0.7 mm nach rechts"
                              << "19.3 mm nach oben"
                              << QStringList{"LeftMargin=17", "TopMargin=-198", "ShowMarginDlg=1"}
                              << kombi;
    QTest::newRow("Kombi cancel") << FormType::Kombi << false << 7 << -193 << "0.7 mm nach rechts"
                                  << "19.3 mm nach oben"
                                  << QStringList{"LeftMargin=7", "TopMargin=-193"} << kombi;
    QTest::newRow("national OK") << FormType::National << true << 20 << 30 << "2.0 mm nach rechts"
                                 << "3.0 mm nach unten"
                                 << QStringList{"LeftMargin=30", "TopMargin=25", "ShowMarginDlg=1"}
                                 << QStringLiteral("Ränder bei Ausdruck Nationaler Frachtbrief");
    QTest::newRow("forwarding OK")
        << FormType::Forwarding << true << 0 << 0 << "unverändert"
        << "unverändert" << QStringList{"LeftMargin=10", "TopMargin=-5", "ShowMarginDlg=1"}
        << QStringLiteral("Ränder bei Ausdruck Speditionsauftrag");
}

void PrintingDialogsTest::marginCommand()
{
    QFETCH(FormType, type);
    QFETCH(bool, ok);
    QFETCH(int, left);
    QFETCH(int, top);
    QFETCH(QString, shownLeft);
    QFETCH(QString, shownTop);
    QFETCH(QStringList, stored);
    QFETCH(QString, title);

    TempSettings settings;
    const QString section = GetFormTypeInfo(type).section;
    const bool cmr = type == FormType::Cmr;
    settings->WriteProfileInt(section, QLatin1String(cmr ? "LeftMargin1" : "LeftMargin"), left);
    settings->WriteProfileInt(section, QLatin1String(cmr ? "TopMargin1" : "TopMargin"), top);

    QString shownTitle, leftText, topText;
    ModalWatcher watcher([&](QWidget* dialog) {
        shownTitle = dialog->windowTitle();
        auto* tabs = dialog->findChild<QTabWidget*>();
        QCOMPARE(tabs != nullptr, cmr);
        QWidget* page = tabs ? tabs->widget(0) : dialog;
        leftText = Text(page, "horizontalText");
        topText = Text(page, "verticalText");
        if (tabs) {
            tabs->setCurrentIndex(1);
            page = tabs->widget(1);
        }
        Click(page, "stepRight", 2);
        Click(page, "stepUp");
        Child<QCheckBox>(page, "doNotShow")->setChecked(true);
        ClickStandard(dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
    });
    QCOMPARE(EditPrintMargins(*settings, Forms::NewestDescription(type), nullptr), ok);

    QCOMPARE(shownTitle, title);
    QCOMPARE(leftText, shownLeft);
    QCOMPARE(topText, shownTop);
    QStringList actual;
    QSettings& backend = settings->Backend();
    backend.beginGroup(section);
    for (const QString& key : backend.childKeys())
        actual << key + "=" + backend.value(key).toString();
    backend.endGroup();
    actual.sort();
    stored.sort();
    QCOMPARE(actual, stored);
}

void PrintingDialogsTest::marginSheetSharesFlagAcrossPages()
{
    Common_DlgMargin02 sheet;
    sheet.SetPageCount(2);
    sheet.SetDoNotShow(true);
    sheet.show();
    auto* tabs = sheet.findChild<QTabWidget*>();
    auto* front = Child<QCheckBox>(tabs->widget(0), "doNotShow");
    auto* back = Child<QCheckBox>(tabs->widget(1), "doNotShow");
    QVERIFY(front->isChecked());

    tabs->setCurrentIndex(1);
    QVERIFY(back->isChecked());
    back->setChecked(false);
    tabs->setCurrentIndex(0);
    QVERIFY(!front->isChecked());
    front->setChecked(true);
    ClickStandard(&sheet, QDialogButtonBox::Ok);
    QVERIFY(sheet.DoNotShow());
}

void PrintingDialogsTest::marginSheetPageCount()
{
    Common_DlgMargin02 sheet;
    QVERIFY(sheet.SetPageCount(2));
    {
        ModalWatcher watcher;
        QVERIFY(!sheet.SetPageCount(7));
        QVERIFY(!sheet.SetPageCount(0));
        QCOMPARE(watcher.messages,
                 QStringList(2, QStringLiteral("Dialog Ränder - Fehler, zu viele Seiten")));
    }
    QCOMPARE(sheet.PageCount(), 2);

    sheet.SetHorizontal(3, 40);
    sheet.SetVertical(3, 40);
    QCOMPARE(sheet.Horizontal(3), 0);
    QCOMPARE(sheet.Vertical(3), 0);
    sheet.SetPageTitle(1, QStringLiteral(" Vorderseite "));
    sheet.SetPageTitle(2, QStringLiteral(" Rückseite "));
    sheet.show();
    auto* tabs = sheet.findChild<QTabWidget*>();
    QCOMPARE(tabs->count(), 2);
    QCOMPARE(tabs->tabText(1), QStringLiteral(" Rückseite "));
}

// The margin dialogs speak the program's one language, which the installed
// catalogue gives; "Language" no longer picks texts of their own. Without a
// catalogue they are German whatever the setting says.
void PrintingDialogsTest::marginLanguage()
{
    for (int language : {-1, 0, 1}) {
        TempSettings settings;
        if (language >= 0)
            SetLanguage(settings, language);
        Common_DlgMargin01 single;
        auto* buttons = single.findChild<QDialogButtonBox*>();
        QCOMPARE(buttons->button(QDialogButtonBox::Cancel)->text(), QStringLiteral("Abbrechen"));
        QCOMPARE(buttons->button(QDialogButtonBox::Help)->text(), QStringLiteral("Hilfe"));
        QCOMPARE(Child<QCheckBox>(&single, "doNotShow")->text(),
                 QStringLiteral("Vor dem Druck diesen Dialog nicht anzeigen"));
        QVERIFY(Child<QLabel>(&single, "explanation")->text().startsWith("Durch Verschieben"));
        QVERIFY(Child<QToolButton>(&single, "stepLeft")
                    ->toolTip()
                    .contains("Verschiebt die Druckmarkierung 0,5mm nach links"));
        // Issue 16: the arrow-only buttons have names for assistive technology.
        for (const char* name : {"stepLeft", "stepRight", "stepUp", "stepDown"}) {
            QAccessibleInterface* face =
                QAccessible::queryAccessibleInterface(Child<QToolButton>(&single, name));
            QVERIFY(face);
            QVERIFY2(!face->text(QAccessible::Name).isEmpty(), name);
        }
        QCOMPARE(Child<QToolButton>(&single, "stepLeft")->accessibleName(),
                 QStringLiteral("Nach links"));

        Common_DlgMargin02 sheet;
        sheet.show();
        QWidget* page = sheet.findChild<QTabWidget*>()->widget(0);
        QCOMPARE(Child<QCheckBox>(page, "doNotShow")->text(),
                 QStringLiteral("Vor dem Druck diesen Dialog nicht anzeigen"));
        QVERIFY(Child<QToolButton>(page, "stepRight")
                    ->toolTip()
                    .contains("Verschiebt die Druckmarkierung 0,5mm nach rechts"));
    }
}

// ---- Printer font size and print-area correction --------------------------------------

void PrintingDialogsTest::printerFontSize()
{
    const QString key = QStringLiteral("DruckerSchriftFaktor");
    for (bool ok : {true, false}) {
        TempSettings settings;
        settings->WriteProfileInt(kCmr, key, 120);
        settings->WriteProfileInt(kKombi, key, 500);
        CDlgPrinterFontSize dialog(*settings);
        auto* cmr = Child<QSpinBox>(&dialog, "cmr");
        auto* forwarding = Child<QSpinBox>(&dialog, "forwarding");
        QCOMPARE(cmr->value(), 120);
        QCOMPARE(forwarding->value(), 95);
        // A stored factor outside the range shows at the nearer end.
        QCOMPARE(Child<QSpinBox>(&dialog, "kombi")->value(), 150);
        forwarding->setValue(110);
        ClickStandard(&dialog, ok ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);

        const int unset = -1;
        QCOMPARE(settings->GetProfileInt(QStringLiteral("Speditionsauftrag"), key, unset),
                 ok ? 110 : unset);
        QCOMPARE(settings->GetProfileInt(kCmr, key, unset), 120);
        QCOMPARE(settings->GetProfileInt(kKombi, key, unset), ok ? 150 : 500);
        QCOMPARE(settings->GetProfileInt(QStringLiteral("NatFrachtbrief"), key, unset),
                 ok ? 95 : unset);
    }
}

// A count or factor the user did not mean must never reach the printer or the
// settings: the field keeps what was typed, OK refuses it with a message and
// leaves the focus in the field.
void PrintingDialogsTest::issue16_numberFieldsRefuseWhatTheyCannotUse_data()
{
    QTest::addColumn<QString>("field"); // "copies" of the print dialog, else a font-size row
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("stored"); // -1: refused, nothing written
    QTest::newRow("copies 0") << "copies"
                              << "0" << -1;
    QTest::newRow("copies 150") << "copies"
                                << "150" << -1;
    QTest::newRow("copies empty") << "copies"
                                  << "" << -1;
    QTest::newRow("copies 12") << "copies"
                               << "12" << 12;
    QTest::newRow("copies 99") << "copies"
                               << "99" << 99;
    QTest::newRow("font 200") << "cmr"
                              << "200" << -1;
    QTest::newRow("font 40") << "cmr"
                             << "40" << -1;
    QTest::newRow("font empty") << "cmr"
                                << "" << -1;
    QTest::newRow("font 150") << "cmr"
                              << "150" << 150;
    QTest::newRow("font 50") << "cmr"
                             << "50" << 50;
}

void PrintingDialogsTest::issue16_numberFieldsRefuseWhatTheyCannotUse()
{
    QFETCH(QString, field);
    QFETCH(QString, typed);
    QFETCH(int, stored);
    TempSettings settings;
    const bool copies = field == QLatin1String("copies");
    std::unique_ptr<QDialog> dialog;
    if (copies)
        dialog = std::make_unique<CDlgDrucken>(
            *settings, PrinterDescription{QStringLiteral("Laser"), true, 9});
    else
        dialog = std::make_unique<CDlgPrinterFontSize>(*settings);
    const char* key = copies ? "DruckAnzahl" : "DruckerSchriftFaktor";
    const QString message =
        copies ? QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 1 und 99 ein.")
               : QStringLiteral("Bitte geben Sie eine ganze Zahl zwischen 50 und 150 ein.");
    dialog->show();
    QVERIFY(QTest::qWaitForWindowActive(dialog.get()));

    auto* spin = Child<QSpinBox>(dialog.get(), qPrintable(field));
    auto* edit = spin->findChild<QLineEdit*>();
    spin->setFocus();
    edit->selectAll();
    QTest::keyClick(spin, Qt::Key_Delete);
    QTest::keyClicks(spin, typed);
    // Leaving the field, as a click on OK does, keeps what was typed.
    QPushButton* ok = dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
    ok->setFocus();
    QCOMPARE(edit->text(), typed);

    ModalWatcher watcher;
    ok->click();
    if (stored < 0) {
        QCOMPARE(watcher.messages, QStringList{message});
        QVERIFY(dialog->isVisible());
        // The field that is the dialog's focus once the message has gone.
        QCOMPARE(dialog->focusWidget(), static_cast<QWidget*>(spin));
        QCOMPARE(edit->text(), typed);
        QVERIFY(!settings.Has(kCmr, key));
    } else {
        QVERIFY(watcher.messages.isEmpty());
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QCOMPARE(settings->GetProfileInt(kCmr, QLatin1String(key), -1), stored);
        if (copies)
            QCOMPARE(static_cast<CDlgDrucken*>(dialog.get())->Copies(), stored);
    }
}

// The step buttons of a refused entry bring it into the range at the nearer end
// and never beyond it.
void PrintingDialogsTest::issue16_stepButtonsLeadBackIntoTheRange()
{
    TempSettings settings;
    CDlgDrucken dialog(*settings, PrinterDescription{QStringLiteral("Laser"), true, 9});
    auto* copies = Child<QSpinBox>(&dialog, "copies");
    auto* edit = copies->findChild<QLineEdit*>();
    const struct
    {
        const char* typed;
        int steps;
        const char* shown;
    } rows[] = {{"", 1, "1"},    {"", -1, "99"}, {"150", -1, "99"}, {"0", 1, "1"},
                {"99", 1, "99"}, {"1", -1, "1"}, {"4", 2, "6"}};
    for (const auto& row : rows) {
        edit->setText(QLatin1String(row.typed));
        copies->stepBy(row.steps);
        QCOMPARE(edit->text(), QLatin1String(row.shown));
    }
}

void PrintingDialogsTest::printSizeCorrection_data()
{
    QTest::addColumn<QString>("vertical");
    QTest::addColumn<int>("storedV"); // -1: refused, nothing written
    QTest::addColumn<QString>("message");
    const QString range = QStringLiteral("Geben Sie eine Zahl zwischen 97 und 103 ein.");
    const QString notNumber = QStringLiteral("Geben Sie eine Zahl ein.");
    QTest::newRow("102.5") << "102.5" << 1025 << "";
    QTest::newRow("100.1 stays 1001") << "100.1" << 1001 << "";
    QTest::newRow("truncated") << "100.15" << 1001 << "";
    QTest::newRow("lower limit") << "97" << 970 << "";
    QTest::newRow("upper limit") << " 103.0 " << 1030 << "";
    QTest::newRow("96.9") << "96.9" << -1 << range;
    QTest::newRow("103.01") << "103.01" << -1 << range;
    QTest::newRow("comma") << "102,5" << -1 << notNumber;
    QTest::newRow("empty") << "" << -1 << notNumber;
    QTest::newRow("nan") << "nan" << -1 << notNumber;
}

void PrintingDialogsTest::printSizeCorrection()
{
    QFETCH(QString, vertical);
    QFETCH(int, storedV);
    QFETCH(QString, message);

    TempSettings settings;
    SetLanguage(settings, 0);
    Common_CDlgPrintSizeCorr dialog(*settings);
    dialog.show();
    Child<QLineEdit>(&dialog, "vertical")->setText(vertical);
    Child<QLineEdit>(&dialog, "horizontal")->setText(QStringLiteral("99"));
    {
        ModalWatcher watcher({}, &dialog);
        ClickStandard(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(watcher.messages, message.isEmpty() ? QStringList() : QStringList{message});
    }
    const bool accepted = storedV != -1;
    QCOMPARE(dialog.isVisible(), !accepted);
    QCOMPARE(settings->GetProfileInt(kSettings, QStringLiteral("PrnFactorV"), -1), storedV);
    QCOMPARE(settings->GetProfileInt(kSettings, QStringLiteral("PrnFactorH"), -1),
             accepted ? 990 : -1);
}

void PrintingDialogsTest::printSizeCorrectionOpensStoredValues()
{
    TempSettings settings;
    settings->WriteProfileInt(kSettings, QStringLiteral("PrnFactorV"), 1025);
    {
        Common_CDlgPrintSizeCorr dialog(*settings);
        QCOMPARE(Text(&dialog, "vertical"), QStringLiteral("102.5"));
        QCOMPARE(Text(&dialog, "horizontal"), QStringLiteral("100"));
        // Opening and confirming keeps the stored values exactly.
        ClickStandard(&dialog, QDialogButtonBox::Ok);
        QCOMPARE(settings->GetProfileInt(kSettings, QStringLiteral("PrnFactorV"), -1), 1025);
        QCOMPARE(settings->GetProfileInt(kSettings, QStringLiteral("PrnFactorH"), -1), 1000);
    }
    // German without a catalogue, even where "Language" asked for English.
    SetLanguage(settings, 1);
    Common_CDlgPrintSizeCorr german(*settings);
    QCOMPARE(german.windowTitle(), QStringLiteral("Druckbereich-Korrektur"));
    QVERIFY(german.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text() ==
            QStringLiteral("Abbrechen"));
    const QList<QLabel*> labels = german.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(), [](QLabel* label) {
        return label->text() == QStringLiteral("Eingabe mit Punkt; kein Komma!");
    }));
}

// Whatever "Language" says, the dialog speaks the language the program was
// started in.
void PrintingDialogsTest::printSizeCorrectionSpeaksTheProgramLanguage()
{
    TempSettings settings;
    SetLanguage(settings, TestLanguage() == ProgramLanguage::English ? 0 : 1);
    Common_CDlgPrintSizeCorr dialog(*settings);
    QCOMPARE(dialog.windowTitle(),
             InTestLanguage("Druckbereich-Korrektur", "Print area correction"));
    QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
             InTestLanguage("Abbrechen", "Cancel"));
    const QString note =
        InTestLanguage("Eingabe mit Punkt; kein Komma!", "Use a decimal point, not a comma!");
    const QList<QLabel*> labels = dialog.findChildren<QLabel*>();
    QVERIFY(std::any_of(labels.begin(), labels.end(),
                        [&note](QLabel* label) { return label->text() == note; }));
}

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    if (!InstallTestLanguage())
        return 1;
    PrintingDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}
#include "printing_dialogs_test.moc"
