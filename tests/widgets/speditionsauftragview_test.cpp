// The forwarding-order view in a document window of the real main window,
// offscreen: typing into the goods table and leaving a cell formats it and
// updates the sums, also when Ctrl+S saves, and tells what it changed; the
// arrow keys move along the goods columns.
#include "core/documents/spedauftragdoc.h"
#include "core/errors/errortext.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "formviewwindow.h"
#include "screenshot.h"
#include "widgets/app/mainframe.h"

#include <QLocale>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QString kSection = QStringLiteral("Speditionsauftrag");
constexpr int kZoom = 14;
constexpr int kCountSum = 77;
constexpr int kLoadingSum = 79;

} // namespace

class SpeditionsauftragViewTest : public QObject, private FormViewFixture<CSpeditionsauftragDoc>
{
    Q_OBJECT

private:
    QLocale m_savedLocale;

    CSettingsStore& UserSettings() { return *m_settings; }
    CFieldStore& Store() const { return m_doc->GetStore(); }
    QString Text(int box) const { return Store().GetFieldText(quint16(box), 1); }

    // Scrolls the box into sight and clicks its middle.
    void ClickBox(int index)
    {
        ::ClickBox(*m_view, index);
        QCOMPARE(m_view->CurrentBox(), index);
    }

    void TypeInto(int box, const QString& text)
    {
        ClickBox(box);
        QTest::keyClicks(m_view->Editor(), text);
    }

private Q_SLOTS:
    void init()
    {
        m_savedLocale = QLocale();
        UseSettings(kSection, kZoom);
    }

    void cleanup()
    {
        Close();
        QLocale::setDefault(m_savedLocale);
    }

    // With the default settings the counts of two rows add up in box 77 as
    // soon as each cell is left, by Tab or by an arrow key.
    void countsAddUpWhenTheirCellsAreLeft()
    {
        Open();
        if (QTest::currentTestFailed())
            return;
        TypeInto(22, QStringLiteral("12"));
        QTest::keyClick(m_view->Editor(), Qt::Key_Tab);
        QCOMPARE(m_view->CurrentBox(), 23);
        QCOMPARE(Text(kCountSum), QStringLiteral("12"));
        TypeInto(29, QStringLiteral("8"));
        QCOMPARE(Text(kCountSum), QStringLiteral("12")); // typing alone changes nothing
        QTest::keyClick(m_view->Editor(), Qt::Key_Down);
        QCOMPARE(m_view->CurrentBox(), 36);
        QCOMPARE(Text(kCountSum), QStringLiteral("20"));
    }

    void leavingACellFormatsIt_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<int>("decimals");
        QTest::addColumn<int>("box");
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<int>("sumBox");
        QTest::addColumn<QString>("sum");

        QTest::newRow("count with a word") << "de_DE" << 0 << 22 << "7 Paletten"
                                           << "7" << kCountSum << "7";
        QTest::newRow("count of 0") << "de_DE" << 0 << 29 << "0"
                                    << "" << kCountSum << "";
        QTest::newRow("German weight") << "de_DE" << 2 << 26 << "1500"
                                       << "1.500,00" << kLoadingSum << "1.500,00";
        QTest::newRow("English weight") << "en_GB" << 2 << 26 << "1500"
                                        << "1,500.00" << kLoadingSum << "1,500.00";
    }

    // The regional settings decide the separators of the weights.
    void leavingACellFormatsIt()
    {
        QFETCH(QString, locale);
        QFETCH(int, decimals);
        QFETCH(int, box);
        QFETCH(QString, typed);
        QFETCH(QString, cell);
        QFETCH(int, sumBox);
        QFETCH(QString, sum);
        QLocale::setDefault(QLocale(locale));
        UserSettings().Set(kSection, Settings::DecimalsColumn23, decimals);
        Open();
        if (QTest::currentTestFailed())
            return;
        TypeInto(box, typed);
        QTest::keyClick(m_view->Editor(), Qt::Key_Tab);
        QCOMPARE(Text(box), cell);
        QCOMPARE(Text(sumBox), sum);
    }

    // What the formatting changed beyond the same value is told in the status
    // bar, and the cell is marked on the screen for a few seconds.
    void leavingAChangedCellTellsTheClerk()
    {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        Open();
        if (QTest::currentTestFailed())
            return;
        constexpr int grossRow2 = 34;
        TypeInto(grossRow2, QStringLiteral("abc"));
        QTest::keyClick(m_view->Editor(), Qt::Key_Tab);
        QCOMPARE(Text(grossRow2), QString());
        QCOMPARE(m_frame->statusBar()->currentMessage(),
                 QStringLiteral("Feld 24 Zeile 2: \"abc\" ist keine Zahl und wurde entfernt."));
        QCOMPARE(m_view->ChangedBoxMark(), grossRow2);

        // The mark is drawn around the cell, outside the current box's mark.
        const QRect cell = DeviceRect(*m_view, grossRow2).translated(-m_view->ScrollPosition());
        m_view->viewport()->repaint();
        const QImage shown = m_view->viewport()->grab().toImage();
        Shot(m_frame.get(), "spedition_changed_cell");
        QCOMPARE(shown.pixelColor(cell.center().x(), cell.top() - 3), QColor(0xD0, 0x20, 0x20));

        // Leaving a cell whose value stays as it was tells nothing new.
        m_frame->statusBar()->clearMessage();
        TypeInto(26, QStringLiteral("1500"));
        QTest::keyClick(m_view->Editor(), Qt::Key_Tab);
        QCOMPARE(m_frame->statusBar()->currentMessage(), QString());
        QCOMPARE(m_view->ChangedBoxMark(), grossRow2);

        QTRY_COMPARE_WITH_TIMEOUT(m_view->ChangedBoxMark(), -1, 6000);
        m_view->viewport()->repaint();
        QVERIFY(m_view->viewport()->grab().toImage().pixelColor(
                    cell.center().x(), cell.top() - 3) != QColor(0xD0, 0x20, 0x20));
    }

    // Saving moves the text being typed into the store through the same rules.
    void ctrlSFormatsTheCurrentCellBeforeSaving()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("auftrag.spa"));
        Open([&path](CSpeditionsauftragDoc& doc) {
            const Error error = doc.OnSaveDocument(path);
            QVERIFY2(!error, qPrintable(ErrorMessage(error)));
        });
        if (QTest::currentTestFailed())
            return;
        TypeInto(22, QStringLiteral("7 Paletten"));
        QVERIFY(m_doc->IsModified());
        // What fits into the narrow cell.
        const QString typed = m_view->Editor()->EditedText();
        QTest::keyClick(m_view->Editor(), Qt::Key_S, Qt::ControlModifier);
        QTRY_VERIFY(!m_doc->IsModified());
        QCOMPARE(m_view->CurrentBox(), 22);
        QCOMPARE(Text(22), QStringLiteral("7"));
        QCOMPARE(Text(kCountSum), QStringLiteral("7"));
        QCOMPARE(m_frame->statusBar()->currentMessage(),
                 QStringLiteral("Feld 19 Zeile 1: \"%1\" wurde zu \"7\".").arg(typed));
        QVERIFY(typed.startsWith(QLatin1String("7 P")));
        QCOMPARE(m_view->ChangedBoxMark(), 22);
        Shot(m_frame.get(), "spedition_saved_changed_cell");

        CSpeditionsauftragDoc saved(UserSettings());
        const Error error = saved.OnOpenDocument(path);
        QVERIFY2(!error, qPrintable(ErrorMessage(error)));
        QCOMPARE(saved.GetStore().GetFieldText(22, 1), QStringLiteral("7"));
        QCOMPARE(saved.GetStore().GetFieldText(kCountSum, 1), QStringLiteral("7"));
    }

    void arrowKeysMoveAlongTheGoodsColumns_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("to");
        QTest::newRow("down to the last row") << 64 << int(Qt::Key_Down) << 71;
        QTest::newRow("down from the last row") << 71 << int(Qt::Key_Down) << 71;
        QTest::newRow("up from the second row") << 28 << int(Qt::Key_Up) << 21;
        QTest::newRow("up from the first row") << 27 << int(Qt::Key_Up) << 27;
        QTest::newRow("down outside the table") << 18 << int(Qt::Key_Down) << 18;
    }

    void arrowKeysMoveAlongTheGoodsColumns()
    {
        QFETCH(int, from);
        QFETCH(int, key);
        QFETCH(int, to);
        Open();
        if (QTest::currentTestFailed())
            return;
        ClickBox(from);
        QTest::keyClick(m_view->Editor(), Qt::Key(key));
        QCOMPARE(m_view->CurrentBox(), to);
    }

    void homeScrollsToTheTopLeftCorner()
    {
        Open();
        if (QTest::currentTestFailed())
            return;
        ClickBox(97);
        QVERIFY(m_view->ScrollPosition().y() > 0);
        QTest::keyClick(m_view->Editor(), Qt::Key_Home);
        QCOMPARE(m_view->ScrollPosition(), QPoint(0, 0));
        QCOMPARE(m_view->CurrentBox(), 97);
    }
};

QTEST_MAIN(SpeditionsauftragViewTest)
#include "speditionsauftragview_test.moc"
