// "Drucker einmessen...": the readings a clerk types give the settings the core
// computes, OK stores them under the page's keys, a reading beyond the scales
// is refused with its reason and stores nothing; numbers show with the decimal
// comma and no text is cut at any size of the window. CTest runs this suite at
// QT_SCALE_FACTOR 1, 1.5 and 2.
#include "core/forms/cmrlayout.h"
#include "core/printing/printcalibration.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "screenshot.h"
#include "tempsettings.h"
#include "widgets/printing/dlgdruckereinmessen.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QStyleOptionFrame>
#include <QTest>

namespace {

// What `widget` shows that does not fit where it is shown: a text cut by its
// own size, or a control reaching out of the window.
QStringList CutTexts(QWidget& window)
{
    QStringList cut;
    for (QWidget* w : window.findChildren<QWidget*>()) {
        if (!w->isVisibleTo(&window) || w->isWindow())
            continue;
        const QString name = QStringLiteral("%1 \"%2\" %3x%4")
                                 .arg(QLatin1String(w->metaObject()->className()), w->objectName())
                                 .arg(w->width())
                                 .arg(w->height());
        if (!window.rect().contains(QRect(w->mapTo(&window, QPoint(0, 0)), w->size())))
            cut << name + QStringLiteral(" outside the window");
        bool fits = true;
        QString text;
        if (auto* label = qobject_cast<QLabel*>(w)) {
            text = label->text();
            if (text.isEmpty())
                continue;
            fits = label->wordWrap() ? label->minimumSizeHint().width() <= label->width() &&
                                           label->heightForWidth(label->width()) <= label->height()
                                     : label->sizeHint().width() <= label->width() &&
                                           label->sizeHint().height() <= label->height();
        } else if (auto* field = qobject_cast<QLineEdit*>(w)) {
            // The widest reading the scales allow, in the field's own font.
            text = QStringLiteral("\u221215,00");
            QStyleOptionFrame option;
            option.initFrom(field);
            option.lineWidth = field->style()->pixelMetric(QStyle::PM_DefaultFrameWidth);
            const QRect inside =
                field->style()->subElementRect(QStyle::SE_LineEditContents, &option, field);
            fits = field->fontMetrics().horizontalAdvance(text) + 4 <= inside.width() &&
                   field->fontMetrics().height() <= inside.height();
        } else if (auto* button = qobject_cast<QPushButton*>(w)) {
            text = button->text();
            fits = button->sizeHint().width() <= button->width();
        } else if (auto* box = qobject_cast<QGroupBox*>(w)) {
            text = box->title();
            fits = box->minimumSizeHint().width() <= box->width();
        } else if (auto* combo = qobject_cast<QComboBox*>(w)) {
            text = combo->currentText();
            fits = combo->minimumSizeHint().width() <= combo->width();
        }
        if (!fits)
            cut << name + QStringLiteral(": ") + text;
    }
    return cut;
}

} // namespace

Q_DECLARE_METATYPE(const Forms::FormDescription*)

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
        CDlgDruckerEinmessen dialog(form, *settings, 1, [&](int page) -> Expected<bool> {
            printed += page;
            return true;
        });
        dialog.findChild<QPushButton*>(QStringLiteral("printSheet"))->click();
        QCOMPARE(printed, 1);

        // A printer 1.5 mm too far right, 1 mm too high and 100.5 % large.
        const Calibration::Marks marks = Calibration::MarksFor(form, 1, 0);
        const Calibration::Readings readings =
            Calibration::SimulatedReadings(marks, {}, QPointF(15, -10), QPointF(1.005, 1.005));
        Type(dialog, readings);
        const Expected<Calibration::Solution> expected =
            Calibration::Solve(marks, *dialog.Readings(), {});
        QVERIFY(expected);
        QVERIFY(dialog.Result());
        QCOMPARE(dialog.Result()->settings, expected->settings);

        // As it opens on a desktop screen (the offscreen one is only 800 pixels wide).
        dialog.resize(dialog.sizeHint());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        Shot(&dialog, "calibration");
        dialog.findChild<QPushButton*>(QStringLiteral("apply"))->click();
        QCOMPARE(Calibration::ReadPrintSettings(form, 1, *settings), expected->settings);
        QCOMPARE(settings->Get(QStringLiteral("CMR"), Settings::LeftMargin2), 0);
    }

    // Every size the window can take, from its narrowest on, in each state the
    // assistant shows: the first readings' result, refused readings with their
    // reason, and the values taken with the second page's caption.
    void noTextIsCutAtAnySize_data()
    {
        QTest::addColumn<const Forms::FormDescription*>("form");
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("state");
        for (const Forms::FormDescription* form : Forms::AllFormDescriptions()) {
            for (int page = 1; page <= form->pageCount; ++page) {
                for (const char* state : {"result", "refused", "taken"})
                    QTest::addRow("%s page %d %s", GetFormTypeInfo(form->type).name.data(), page,
                                  state)
                        << form << page << QString::fromLatin1(state);
            }
        }
    }

    void noTextIsCutAtAnySize()
    {
        QFETCH(const Forms::FormDescription*, form);
        QFETCH(int, page);
        QFETCH(QString, state);
        TempSettings settings;
        CDlgDruckerEinmessen dialog(*form, *settings, page,
                                    [](int) -> Expected<bool> { return true; });
        const Calibration::Marks marks = Calibration::MarksFor(*form, page, 0);
        if (state == QLatin1String("refused"))
            Type(dialog, {QPointF(200, 0), QPointF(0, 0)});
        else
            Type(dialog, Calibration::SimulatedReadings(marks, {}, QPointF(15, -10),
                                                        QPointF(1.005, 0.996)));
        if (state == QLatin1String("taken"))
            QVERIFY(dialog.ApplyResult());
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));

        const auto check = [&](const QSize& asked) {
            dialog.resize(asked);
            QCoreApplication::processEvents();
            const QStringList cut = CutTexts(dialog);
            QVERIFY2(cut.isEmpty(), qPrintable(QStringLiteral("%1x%2: %3")
                                                   .arg(dialog.width())
                                                   .arg(dialog.height())
                                                   .arg(cut.join(QStringLiteral("; ")))));
        };
        const bool shown = form == &CmrLayout::Description() && page == 1;
        const QString shot = QStringLiteral("calibration-") + state;
        check(dialog.size()); // as it opens
        check(dialog.sizeHint());
        if (shown)
            Shot(&dialog, qPrintable(shot));
        if (QTest::currentTestFailed())
            return;
        dialog.resize(1, 1);
        QCoreApplication::processEvents();
        if (shown)
            Shot(&dialog, qPrintable(shot + QStringLiteral("-narrowest")));
        const int narrowest = dialog.width();
        QVERIFY(narrowest > 1);
        for (int width = narrowest; width <= narrowest * 3; width += 47) {
            check(QSize(width, 1));
            check(QSize(width, dialog.height() * 2));
            if (QTest::currentTestFailed())
                return;
        }
    }

    // Results, their reasons and the fields write numbers as the program's
    // German texts do; a reading typed with a point takes the comma.
    void numbersTakeTheDecimalComma()
    {
        TempSettings settings;
        const Forms::FormDescription& form = CmrLayout::Description();
        settings->Set(QStringLiteral("CMR"), Settings::LeftMargin1, 15);
        CDlgDruckerEinmessen dialog(form, *settings, 1, [](int) -> Expected<bool> { return true; });
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("reading1Right"));
        QCOMPARE(field->text(), QStringLiteral("0,0"));
        const QRegularExpression point(QStringLiteral("\\d\\.\\d"));

        Type(dialog, Calibration::SimulatedReadings(Calibration::MarksFor(form, 1, 0), {},
                                                    QPointF(15, -10), QPointF(1.005, 1.005)));
        const QString result = dialog.ResultText();
        QVERIFY2(!point.match(result).hasMatch(), qPrintable(result));
        for (const char* expected : {"99,5\u00a0% (bisher 100,0\u00a0%)", "1,0\u00a0mm nach unten",
                                     "(bisher 1,5\u00a0mm nach rechts)", "höchstens 0,"})
            QVERIFY2(result.contains(QString::fromUtf8(expected)), expected);

        Type(dialog, {QPointF(200, 0), QPointF(0, 0)});
        QVERIFY(dialog.ResultText().contains(QStringLiteral("von 20,0 mm")));
        QVERIFY(dialog.ResultText().contains(QStringLiteral("bis 15,0 mm")));

        field->setText(QStringLiteral(" -1.5"));
        QVERIFY(QMetaObject::invokeMethod(field, "editingFinished"));
        QCOMPARE(field->text(), QStringLiteral("-1,5"));
        QCOMPARE(dialog.Readings()->at(0).x(), -15.0);
    }

    void readingBeyondTheScalesIsRefused()
    {
        TempSettings settings;
        const Forms::FormDescription& form = CmrLayout::Description();
        CDlgDruckerEinmessen dialog(form, *settings, 1, [](int) -> Expected<bool> { return true; });
        Type(dialog, {QPointF(200, 0), QPointF(0, 0)});
        QVERIFY(!dialog.Result());
        QVERIFY(!dialog.findChild<QPushButton*>(QStringLiteral("apply"))->isEnabled());
        QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("result"))->text().isEmpty());
        QVERIFY(!dialog.ApplyResult());
        QCOMPARE(Calibration::ReadPrintSettings(form, 1, *settings), Calibration::PrintSettings{});
    }
};

QTEST_MAIN(CalibrationDialogTest)
#include "calibration_test.moc"
