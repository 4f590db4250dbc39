// "Drucker einmessen...": the readings a clerk types give the settings the core
// computes, OK stores them under the page's keys, a reading beyond the scales
// is refused with its reason and stores nothing.
#include "printing/dlgdruckereinmessen.h"
#include "printing/printcalibration.h"
#include "settings/settingkeys.h"
#include "settings/settingsstore.h"
#include "screenshot.h"
#include "tempsettings.h"
#include "views/cmrlayout.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

class CalibrationDialogTest : public QObject
{
    Q_OBJECT

private:
    static void Type(QWidget& dialog, const Calibration::Readings& readings)
    {
        const char* names[] = {"reading1Right", "reading1Down", "reading2Right", "reading2Down"};
        for (int i = 0; i < 4; ++i) {
            auto* field = dialog.findChild<QLineEdit*>(QLatin1String(names[i]));
            QVERIFY(field);
            const QPointF& r = readings[size_t(i / 2)];
            // As a German clerk types it: millimetres with a decimal comma.
            field->setText(QString::number((i % 2 ? r.y() : r.x()) / 10.0, 'f', 1)
                               .replace(QLatin1Char('.'), QLatin1Char(',')));
        }
    }

private Q_SLOTS:
    void readingsGiveTheSettingsAndOkStoresThem()
    {
        TempSettings settings;
        const Forms::FormDescription& form = CmrLayout::Description();
        int printed = 0;
        CDlgDruckerEinmessen dialog(form, *settings, 1, [&](int page, QString*) {
            printed += page;
            return true;
        });
        dialog.findChild<QPushButton*>(QStringLiteral("printSheet"))->click();
        QCOMPARE(printed, 1);

        // A printer 1.5 mm too far right, 1 mm too high and 100.5 % large.
        const Calibration::Marks marks = Calibration::MarksFor(form, 1, 0);
        const Calibration::Readings readings = Calibration::SimulatedReadings(
            marks, {}, QPointF(15, -10), QPointF(1.005, 1.005));
        Type(dialog, readings);
        const Calibration::Result expected = Calibration::Solve(marks, *dialog.Readings(), {});
        QVERIFY(expected.ok());
        QVERIFY(dialog.Result().ok());
        QCOMPARE(dialog.Result().settings, expected.settings);

        dialog.show();
        Shot(&dialog, "calibration");
        dialog.findChild<QPushButton*>(QStringLiteral("apply"))->click();
        QCOMPARE(Calibration::ReadPrintSettings(form, 1, *settings), expected.settings);
        QCOMPARE(settings->Get(QStringLiteral("CMR"), Settings::LeftMargin2), 0);
    }

    void readingBeyondTheScalesIsRefused()
    {
        TempSettings settings;
        const Forms::FormDescription& form = CmrLayout::Description();
        CDlgDruckerEinmessen dialog(form, *settings, 1, [](int, QString*) { return true; });
        Type(dialog, {QPointF(200, 0), QPointF(0, 0)});
        QVERIFY(!dialog.Result().ok());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("result"))->text().isEmpty());
        QVERIFY(!dialog.ApplyResult());
        QCOMPARE(Calibration::ReadPrintSettings(form, 1, *settings), Calibration::PrintSettings{});
    }
};

QTEST_MAIN(CalibrationDialogTest)
#include "calibration_test.moc"
