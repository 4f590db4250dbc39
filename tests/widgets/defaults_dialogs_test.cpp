// The four default-texts dialogs, driven through their controls offscreen.
#include "core/settings/settingsstore.h"
#include "screenshot.h"
#include "tempsettings.h"
#include "widgets/app/krdwinappex.h"
#include "widgets/defaults/dlgdefaultcmr.h"
#include "widgets/defaults/dlgdefaultnatfb.h"
#include "widgets/defaults/dlgdefaultnatintfb.h"
#include "widgets/defaults/dlgdefaultspeditionsauftrag.h"
#include "widgets/defaults/dlgtooltip.h"
#include "widgets/defaults/formdefaults.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolTip>

#include <memory>

Q_DECLARE_METATYPE(FormType)

namespace {

const QDate kToday(2024, 3, 5);

QString Section(FormType type)
{
    return GetFormTypeInfo(type).section;
}

std::unique_ptr<CDlgDefaultBase> MakeDialog(FormType type, CSettingsStore& settings,
                                            const QDate& today = kToday)
{
    switch (type) {
    case FormType::Cmr:
        return std::make_unique<CDlgDefaultCMR>(settings, nullptr, today);
    case FormType::National:
        return std::make_unique<CDlgDefaultNatFb>(settings, nullptr, today);
    case FormType::Kombi:
        return std::make_unique<CDlgDefaultNatIntFb>(settings, nullptr, today);
    case FormType::Forwarding:
        return std::make_unique<CDlgDefaultSpeditionsauftrag>(settings, nullptr, today);
    }
    return nullptr;
}

// The key of the multi-line sender box of each form.
const char* SenderKey(FormType type)
{
    return type == FormType::National || type == FormType::Kombi ? "FeldA" : "Feld1";
}

template <typename T> T* Child(QWidget* parent, const QString& name)
{
    T* child = parent->findChild<T*>(name);
    if (!child)
        qFatal("no child %s", qPrintable(name));
    return child;
}

void Press(QWidget* dialog, QDialogButtonBox::StandardButton which)
{
    dialog->findChild<QDialogButtonBox*>()->button(which)->click();
}

QStringList Items(QComboBox* list)
{
    QStringList items;
    for (int i = 0; i < list->count(); ++i)
        items << list->itemText(i);
    return items;
}

void AddFormRows()
{
    QTest::addColumn<FormType>("type");
    QTest::newRow("CMR") << FormType::Cmr;
    QTest::newRow("national") << FormType::National;
    QTest::newRow("Kombi") << FormType::Kombi;
    QTest::newRow("forwarding") << FormType::Forwarding;
}

} // namespace

class DefaultsDialogsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void noSettingsShowTheDefaults_data() { AddFormRows(); }
    void noSettingsShowTheDefaults();
    void storedListChoices_data();
    void storedListChoices();
    void autoDateSwitchesPlaceAndFormat();
    void trimmingOnOk_data();
    void trimmingOnOk();
    void cmrTrimsSenderAsItReads();
    void optionsOfNationalAndForwarding();
    void cancelWritesNothingAndRestoresHelp_data() { AddFormRows(); }
    void cancelWritesNothingAndRestoresHelp();
    void editFormDefaultsRunsTheFormsDialog_data();
    void editFormDefaultsRunsTheFormsDialog();
    void toolTipsWrapTheirDescription();
};

void DefaultsDialogsTest::noSettingsShowTheDefaults()
{
    QFETCH(FormType, type);
    TempSettings settings;
    auto dialog = MakeDialog(type, *settings);

    auto* publisher = Child<QComboBox>(dialog.get(), "Hersteller");
    QCOMPARE(Items(publisher), CDlgDefaultBase::PublisherNames());
    QCOMPARE(publisher->currentText(), QStringLiteral("Wilhelm Köhler Verlag"));
    QVERIFY(Child<QPlainTextEdit>(dialog.get(), SenderKey(type))->toPlainText().isEmpty());

    if (type == FormType::Forwarding) {
        for (const char* sum : {"SummeFeld25", "SummeFeld27", "SummeFeld28"})
            QVERIFY(Child<QCheckBox>(dialog.get(), sum)->isChecked());
        for (const char* decimals : {"DezimalstellenSpalte23", "DezimalstellenSpalte24"}) {
            auto* list = Child<QComboBox>(dialog.get(), decimals);
            QCOMPARE(Items(list), (QStringList{"0", "1", "2", "3"}));
            QCOMPARE(list->currentIndex(), 0);
        }
    } else {
        auto* formats = Child<QComboBox>(dialog.get(), "Datumformat");
        QCOMPARE(Items(formats),
                 (QStringList{"05.03.2024", "05.03.24", "05. März 2024", "05. März 24",
                              "03/05/2024", "03/05/24", "March 05, 2024"}));
        QCOMPARE(formats->currentData().toInt(), 2);
        QVERIFY(Child<QCheckBox>(dialog.get(), "AutoDatum")->isChecked());
        QVERIFY(formats->isEnabled());
        QVERIFY(Child<QLineEdit>(dialog.get(), "Stadt")->isEnabled());
    }
    if (type == FormType::National) {
        QVERIFY(Child<QRadioButton>(dialog.get(), "FeldE_Nein")->isChecked());
        QVERIFY(!Child<QRadioButton>(dialog.get(), "FeldE_Ja")->isChecked());
    }

    // OK writes what is shown: the defaults.
    Press(dialog.get(), QDialogButtonBox::Ok);
    QCOMPARE(settings->GetProfileInt(Section(type), "Hersteller", -1), 0);
    if (type != FormType::Forwarding) {
        QCOMPARE(settings->GetProfileInt(Section(type), "Datumformat", -1), 2);
        QCOMPARE(settings->GetProfileInt(Section(type), "AutoDatum", -1), 1);
    }
    if (type == FormType::National)
        QCOMPARE(settings->GetProfileInt(Section(type), "FeldE", -1), 2);
}

void DefaultsDialogsTest::storedListChoices_data()
{
    QTest::addColumn<FormType>("type");
    QTest::addColumn<QDate>("today");
    QTest::addColumn<int>("storedPublisher");
    QTest::addColumn<int>("storedFormat");
    QTest::addColumn<QString>("shownPublisher");
    QTest::addColumn<QString>("shownFormat");
    QTest::addColumn<int>("savedPublisher");
    QTest::addColumn<int>("savedFormat");

    QTest::newRow("publisher 7 shows and stores the first")
        << FormType::Cmr << kToday << 7 << 2 << "Wilhelm Köhler Verlag"
        << "05. März 2024" << 0 << 2;
    QTest::newRow("negative publisher")
        << FormType::Kombi << kToday << -1 << 2 << "Wilhelm Köhler Verlag"
        << "05. März 2024" << 0 << 2;
    QTest::newRow("last publisher, English format")
        << FormType::National << kToday << 3 << 18 << "Verkehrs Verlag Fischer"
        << "March 05, 2024" << 3 << 18;
    QTest::newRow("format outside the list writes like 0")
        << FormType::Cmr << kToday << 1 << 7 << "Formularverlag Henkel"
        << "05.03.2024" << 1 << 0;
    QTest::newRow("two-digit year") << FormType::Kombi << kToday << 2 << 17 << "LION GmbH"
                                    << "03/05/24" << 2 << 17;
    // In 2020 the short year "20" is also the start of the long one.
    QTest::newRow("2020, short year")
        << FormType::Cmr << QDate(2020, 3, 5) << 0 << 1 << "Wilhelm Köhler Verlag"
        << "05.03.20" << 0 << 1;
    QTest::newRow("2020, short month and year")
        << FormType::National << QDate(2020, 3, 5) << 0 << 3 << "Wilhelm Köhler Verlag"
        << "05. März 20" << 0 << 3;
    QTest::newRow("publisher on the forwarding order")
        << FormType::Forwarding << kToday << 2 << -1 << "LION GmbH" << QString() << 2 << -1;
}

void DefaultsDialogsTest::storedListChoices()
{
    QFETCH(FormType, type);
    QFETCH(QDate, today);
    QFETCH(int, storedPublisher);
    QFETCH(int, storedFormat);
    QFETCH(QString, shownPublisher);
    QFETCH(QString, shownFormat);
    QFETCH(int, savedPublisher);
    QFETCH(int, savedFormat);

    TempSettings settings;
    settings->WriteProfileInt(Section(type), "Hersteller", storedPublisher);
    if (storedFormat >= 0)
        settings->WriteProfileInt(Section(type), "Datumformat", storedFormat);
    auto dialog = MakeDialog(type, *settings, today);

    QCOMPARE(Child<QComboBox>(dialog.get(), "Hersteller")->currentText(), shownPublisher);
    if (storedFormat >= 0)
        QCOMPARE(Child<QComboBox>(dialog.get(), "Datumformat")->currentText(), shownFormat);

    Press(dialog.get(), QDialogButtonBox::Ok);
    QCOMPARE(settings->GetProfileInt(Section(type), "Hersteller", -99), savedPublisher);
    if (storedFormat >= 0)
        QCOMPARE(settings->GetProfileInt(Section(type), "Datumformat", -99), savedFormat);
}

void DefaultsDialogsTest::autoDateSwitchesPlaceAndFormat()
{
    for (FormType type : {FormType::Cmr, FormType::National, FormType::Kombi}) {
        TempSettings settings;
        settings->WriteProfileInt(Section(type), "AutoDatum", 0);
        auto dialog = MakeDialog(type, *settings);
        auto* autoDate = Child<QCheckBox>(dialog.get(), "AutoDatum");
        auto* place = Child<QLineEdit>(dialog.get(), "Stadt");
        auto* formats = Child<QComboBox>(dialog.get(), "Datumformat");
        QVERIFY(!autoDate->isChecked());
        QVERIFY(!place->isEnabled());
        QVERIFY(!formats->isEnabled());

        autoDate->click();
        QVERIFY(place->isEnabled());
        QVERIFY(formats->isEnabled());
        autoDate->click();
        QVERIFY(!place->isEnabled());
        autoDate->click();
        Press(dialog.get(), QDialogButtonBox::Ok);
        QCOMPARE(settings->GetProfileInt(Section(type), "AutoDatum", -1), 1);
    }
}

void DefaultsDialogsTest::trimmingOnOk_data()
{
    QTest::addColumn<FormType>("type");
    QTest::addColumn<QString>("sender");
    QTest::addColumn<QString>("place");

    // Typed: two empty lines, the sender indented, then empty lines and blanks; the
    // place with blanks on both sides. Stored texts break lines with CR LF.
    QTest::newRow("CMR: both ends") << FormType::Cmr << "Absender GmbH\r\nWeg 1"
                                    << "Hamburg";
    QTest::newRow("national: both ends") << FormType::National << "Absender GmbH\r\nWeg 1"
                                         << "Hamburg";
    QTest::newRow("Kombi: the end only") << FormType::Kombi << "\r\n\r\n  Absender GmbH\r\nWeg 1"
                                         << "  Hamburg";
    QTest::newRow("forwarding: as typed")
        << FormType::Forwarding << "\r\n\r\n  Absender GmbH\r\nWeg 1\r\n\r\n  " << QString();
}

void DefaultsDialogsTest::trimmingOnOk()
{
    QFETCH(FormType, type);
    QFETCH(QString, sender);
    QFETCH(QString, place);

    TempSettings settings;
    auto dialog = MakeDialog(type, *settings);
    auto* senderBox = Child<QPlainTextEdit>(dialog.get(), SenderKey(type));
    senderBox->setFocus();
    QTest::keyClick(senderBox, Qt::Key_Return);
    QTest::keyClick(senderBox, Qt::Key_Return);
    QTest::keyClicks(senderBox, QStringLiteral("  Absender GmbH"));
    QTest::keyClick(senderBox, Qt::Key_Return);
    QTest::keyClicks(senderBox, QStringLiteral("Weg 1"));
    QTest::keyClick(senderBox, Qt::Key_Return);
    QTest::keyClick(senderBox, Qt::Key_Return);
    QTest::keyClicks(senderBox, QStringLiteral("  "));
    if (type != FormType::Forwarding)
        Child<QLineEdit>(dialog.get(), "Stadt")->setText(QStringLiteral("  Hamburg  "));

    Press(dialog.get(), QDialogButtonBox::Ok);
    QCOMPARE(settings->GetProfileString(Section(type), SenderKey(type), "-"), sender);
    if (type != FormType::Forwarding)
        QCOMPARE(settings->GetProfileString(Section(type), "Stadt", "-"), place);
}

void DefaultsDialogsTest::cmrTrimsSenderAsItReads()
{
    // Only boxes 1 and 16 and the place are trimmed; boxes 22 and 23 keep their
    // blanks, both when read and when written.
    TempSettings settings;
    settings->WriteProfileString("CMR", "Feld1", "\r\n  Absender\r\n");
    settings->WriteProfileString("CMR", "Feld16", "  Frachtführer  ");
    settings->WriteProfileString("CMR", "Feld22", "  Stempel\r\n");
    settings->WriteProfileString("CMR", "Stadt", " Bremen ");
    CDlgDefaultCMR dialog(*settings, nullptr, kToday);
    QCOMPARE(Child<QPlainTextEdit>(&dialog, "Feld1")->toPlainText(), QStringLiteral("Absender"));
    QCOMPARE(Child<QPlainTextEdit>(&dialog, "Feld16")->toPlainText(),
             QStringLiteral("Frachtführer"));
    QCOMPARE(Child<QPlainTextEdit>(&dialog, "Feld22")->toPlainText(),
             QStringLiteral("  Stempel\n"));
    QCOMPARE(Child<QLineEdit>(&dialog, "Stadt")->text(), QStringLiteral("Bremen"));

    Child<QCheckBox>(&dialog, "Feld6Modus")->click();
    Press(&dialog, QDialogButtonBox::Ok);
    QCOMPARE(settings->GetProfileString("CMR", "Feld22", "-"), QStringLiteral("  Stempel\r\n"));
    QCOMPARE(settings->GetProfileString("CMR", "Feld23", "-"), QString());
    QCOMPARE(settings->GetProfileInt("CMR", "Feld6Modus", -1), 1);
}

void DefaultsDialogsTest::optionsOfNationalAndForwarding()
{
    TempSettings settings;
    settings->WriteProfileInt("NatFrachtbrief", "FeldE", 1);
    settings->WriteProfileInt("Speditionsauftrag", "SummeFeld27", 0);
    settings->WriteProfileInt("Speditionsauftrag", "DezimalstellenSpalte23", 3);
    settings->WriteProfileInt("Speditionsauftrag", "DezimalstellenSpalte24", 9);

    CDlgDefaultNatFb national(*settings, nullptr, kToday);
    QVERIFY(Child<QRadioButton>(&national, "FeldE_Ja")->isChecked());
    Child<QRadioButton>(&national, "FeldE_Nein")->click();
    auto* edition = Child<QComboBox>(&national, "Version");
    national.show();
    Shot(&national, "defaults-national");
    QCOMPARE(edition->currentData().toInt(), 2009);
    edition->setCurrentIndex(edition->findData(2007));
    Press(&national, QDialogButtonBox::Ok);
    QCOMPARE(settings->GetProfileInt("NatFrachtbrief", "FeldE", -1), 2);
    QCOMPARE(settings->GetProfileInt("NatFrachtbrief", "Version", -1), 2007);
    // The dialog shows the edition the settings hold.
    CDlgDefaultNatFb again(*settings, nullptr, kToday);
    QCOMPARE(Child<QComboBox>(&again, "Version")->currentData().toInt(), 2007);

    CDlgDefaultSpeditionsauftrag forwarding(*settings, nullptr, kToday);
    QVERIFY(Child<QCheckBox>(&forwarding, "SummeFeld25")->isChecked());
    QVERIFY(!Child<QCheckBox>(&forwarding, "SummeFeld27")->isChecked());
    QCOMPARE(Child<QComboBox>(&forwarding, "DezimalstellenSpalte23")->currentText(),
             QStringLiteral("3"));
    // A number the list does not hold shows 0 rather than no choice, which OK
    // would have stored as -1.
    QCOMPARE(Child<QComboBox>(&forwarding, "DezimalstellenSpalte24")->currentText(),
             QStringLiteral("0"));
    Child<QCheckBox>(&forwarding, "SummeFeld28")->click();
    Press(&forwarding, QDialogButtonBox::Ok);
    const QString section = QStringLiteral("Speditionsauftrag");
    QCOMPARE(settings->GetProfileInt(section, "SummeFeld25", -1), 1);
    QCOMPARE(settings->GetProfileInt(section, "SummeFeld27", -1), 0);
    QCOMPARE(settings->GetProfileInt(section, "SummeFeld28", -1), 0);
    QCOMPARE(settings->GetProfileInt(section, "DezimalstellenSpalte23", -1), 3);
    QCOMPARE(settings->GetProfileInt(section, "DezimalstellenSpalte24", -1), 0);
}

void DefaultsDialogsTest::cancelWritesNothingAndRestoresHelp()
{
    QFETCH(FormType, type);
    TempSettings settings;
    settings->WriteProfileString(Section(type), SenderKey(type), "Alt");
    settings->WriteProfileInt(Section(type), "Hersteller", 1);
    const auto before = settings.All();

    auto* app = CKRDWinAppEx::Instance();
    app->SetHelpContextId(104);
    {
        auto dialog = MakeDialog(type, *settings);
        QCOMPARE(app->HelpContextId(), 107);
        dialog->show();
        // Change every control there is.
        for (auto* edit : dialog->findChildren<QPlainTextEdit*>())
            edit->setPlainText(QStringLiteral("neu"));
        for (auto* edit : dialog->findChildren<QLineEdit*>())
            if (!qobject_cast<QComboBox*>(edit->parentWidget()))
                edit->setText(QStringLiteral("neu"));
        for (auto* check : dialog->findChildren<QCheckBox*>())
            check->click();
        for (auto* radio : dialog->findChildren<QRadioButton*>())
            if (!radio->isChecked())
                radio->click();
        for (auto* list : dialog->findChildren<QComboBox*>())
            list->setCurrentIndex(list->count() - 1);

        Press(dialog.get(), QDialogButtonBox::Cancel);
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QCOMPARE(app->HelpContextId(), 104);
    }
    QCOMPARE(settings.All(), before);
    QCOMPARE(app->HelpContextId(), 104);
    app->SetHelpContextId(100);
}

void DefaultsDialogsTest::editFormDefaultsRunsTheFormsDialog_data()
{
    QTest::addColumn<FormType>("type");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("cancelText");
    QTest::newRow("CMR") << FormType::Cmr << "Vorgabetexte für CMR-Frachtbrief"
                         << "Abbruch";
    QTest::newRow("national") << FormType::National << "Vorgabetexte für Nationaler Frachtbrief"
                              << "Abbruch";
    QTest::newRow("Kombi") << FormType::Kombi << "Vorgabetexte für Kombi-Frachtbrief"
                           << "Abbruch";
    QTest::newRow("forwarding") << FormType::Forwarding << "Vorgabetexte für Speditionsauftrag"
                                << "Abbrechen";
}

void DefaultsDialogsTest::editFormDefaultsRunsTheFormsDialog()
{
    QFETCH(FormType, type);
    QFETCH(QString, title);
    QFETCH(QString, cancelText);

    TempSettings settings;
    for (bool confirm : {false, true}) {
        QString seenTitle;
        QString seenCancel;
        int seenHelp = 0;
        QTimer::singleShot(0, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            QVERIFY(dialog);
            seenTitle = dialog->windowTitle();
            seenHelp = CKRDWinAppEx::Instance()->HelpContextId();
            auto* buttons = dialog->findChild<QDialogButtonBox*>();
            seenCancel = buttons->button(QDialogButtonBox::Cancel)->text();
            Child<QPlainTextEdit>(dialog, SenderKey(type))->setPlainText("Vorgabe");
            Press(dialog, confirm ? QDialogButtonBox::Ok : QDialogButtonBox::Cancel);
        });
        QCOMPARE(EditFormDefaults(type, *settings, nullptr), confirm);
        QCOMPARE(seenTitle, title);
        QCOMPARE(seenCancel, cancelText);
        QCOMPARE(seenHelp, 107);
        QCOMPARE(settings->GetProfileString(Section(type), SenderKey(type), "-"),
                 confirm ? QStringLiteral("Vorgabe") : QStringLiteral("-"));
    }
}

void DefaultsDialogsTest::toolTipsWrapTheirDescription()
{
    const QString description = QStringLiteral(
        "Hier können Sie die Datendatei initialisieren, d. h. neu erzeugen. Die alte Datei "
        "wird dabei überschrieben.\nZweiter Absatz");
    const QString tip = CDlgToolTip::Text(QStringLiteral("Überschrift <1>"), description, 200);
    QVERIFY(tip.contains(QStringLiteral("<b>Überschrift &lt;1&gt;</b>")));

    QString body = tip.section(QStringLiteral("</b><br>"), 1);
    body.chop(int(QStringLiteral("</p>").size()));
    const QStringList lines = body.split(QStringLiteral("<br>"));
    QVERIFY2(lines.size() > 2, qPrintable(tip));
    const QFontMetrics metrics(QToolTip::font());
    for (const QString& line : lines)
        QVERIFY2(metrics.horizontalAdvance(line) <= 200, qPrintable(line));
    // Nothing lost or reordered: the words joined again give the description.
    QCOMPARE(lines.join(QLatin1Char(' ')),
             QString(description).replace(QLatin1Char('\n'), QLatin1Char(' ')));
    QCOMPARE(lines.last(), QStringLiteral("Zweiter Absatz"));

    // The dialogs give every control its tip.
    TempSettings settings;
    CDlgDefaultNatIntFb kombi(*settings, nullptr, kToday);
    const QString publisherTip = Child<QComboBox>(&kombi, "Hersteller")->toolTip();
    QVERIFY(publisherTip.contains(QStringLiteral("Vorgabe für Formularhersteller")));
    QVERIFY(Child<QPlainTextEdit>(&kombi, "FeldA")->toolTip().contains("Vorgabe Für Feld A"));
    QVERIFY(Child<QLineEdit>(&kombi, "Feld2C")->toolTip().contains("Vorgaben zum Versandort"));
}

int main(int argc, char* argv[])
{
    CKRDWinAppEx app(argc, argv);
    DefaultsDialogsTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "defaults_dialogs_test.moc"
