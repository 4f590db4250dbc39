// The national form view in a document window of the real main window,
// offscreen: the open-vehicle question's cross on the screen and in the
// document, the arrow keys between table rows, and the edition the "Version"
// setting chooses.
#include "core/documents/natdoc.h"
#include "formviewwindow.h"

#include <QTest>

namespace {

const QString kSection = QStringLiteral("NatFrachtbrief");
constexpr int kJa = 0;
constexpr int kNein = 1;

} // namespace

class NationalViewTest : public QObject, private FormViewFixture<CFrachtbriefNatDoc>
{
    Q_OBJECT

private:
    int CurrentBox() const { return m_view->CurrentBox(); }

    // Scrolls the question into sight and clicks the middle of check box k.
    void ClickCheckBox(int k)
    {
        const QRect box = m_view->CheckBoxRect(k);
        m_view->ScrollToPosition(QPoint(0, m_view->GetBoxRect(10, 1).top));
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          box.center() - m_view->ScrollPosition());
    }

    // Pixels of the edit text colour (blue) inside check box k, its square left out.
    int CrossPixels(int k) const
    {
        const QImage image = m_view->viewport()->grab().toImage();
        const QRect box = m_view->CheckBoxRect(k).adjusted(3, 3, -3, -3);
        const QPoint scroll = m_view->ScrollPosition();
        int count = 0;
        for (int y = box.top(); y <= box.bottom(); ++y)
            for (int x = box.left(); x <= box.right(); ++x) {
                const QColor c = image.pixelColor(QPoint(x, y) - scroll);
                count += c.blue() > 160 && c.red() < 120;
            }
        return count;
    }

private Q_SLOTS:
    void init() { UseSettings(kSection, 14); }
    void cleanup() { Close(); }

    // Without settings: the 2009 edition, and the defaults' "nein" crossed.
    // "ja" takes the cross with a click and marks the document modified; a
    // second click changes nothing, nor does a click beside the squares.
    void openVehicleQuestion()
    {
        Open();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_view->Form().boxCount, 127);
        QCOMPARE(m_view->Form().editionText, QStringLiteral("07/2009"));
        QCOMPARE(int(m_doc->m_wFeldE), 2);
        m_view->ScrollToPosition(QPoint(0, m_view->GetBoxRect(10, 1).top));
        QVERIFY(CrossPixels(kNein) > 20);
        QCOMPARE(CrossPixels(kJa), 0);

        ClickCheckBox(kJa);
        QCOMPARE(int(m_doc->m_wFeldE), 1);
        QVERIFY(m_doc->IsModified());
        QVERIFY(CrossPixels(kJa) > 20);
        QCOMPARE(CrossPixels(kNein), 0);
        QCOMPARE(CurrentBox(), 0); // a check box is no box

        m_doc->SetModifiedFlag(false);
        ClickCheckBox(kJa);
        QCOMPARE(int(m_doc->m_wFeldE), 1);
        QVERIFY(!m_doc->IsModified());

        // Between the squares, on the caption "ja".
        const QPoint between =
            (m_view->CheckBoxRect(kJa).center() + m_view->CheckBoxRect(kNein).center()) / 2;
        QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::NoModifier,
                          between - m_view->ScrollPosition());
        QCOMPARE(int(m_doc->m_wFeldE), 1);
        QVERIFY(!m_doc->IsModified());
        QCOMPARE(CurrentBox(), 0);
    }

    void arrowKeysMoveBetweenRows_data()
    {
        QTest::addColumn<int>("version");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("current");
        QTest::newRow("down from the last goods row but one")
            << 2009 << 35 << int(Qt::Key_Down) << 39;
        QTest::newRow("down from the last goods row") << 2009 << 36 << int(Qt::Key_Down) << 36;
        QTest::newRow("up from the sub-total") << 2009 << 88 << int(Qt::Key_Up) << 87;
        QTest::newRow("2007: up from the sub-total") << 2007 << 87 << int(Qt::Key_Up) << 86;
    }

    // As the user presses them in the box editor.
    void arrowKeysMoveBetweenRows()
    {
        QFETCH(int, version);
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, current);
        m_settings->Set(kSection, Settings::NatVersion, version);
        Open();
        if (QTest::currentTestFailed())
            return;
        m_view->GoToBox(start);
        QTest::keyClick(m_view->Editor(), Qt::Key(key));
        QCOMPARE(CurrentBox(), current);
        QVERIFY(m_view->Editor()->hasFocus());
    }

    // "Version" 2007: 126 boxes, its edition line, and the check boxes as the
    // entries after them.
    void version2007GivesThe2007Edition()
    {
        m_settings->Set(kSection, Settings::NatVersion, 2007);
        Open();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(m_view->Form().boxCount, 126);
        QCOMPARE(int(m_doc->GetStore().GetFieldCount()), 126);
        QCOMPARE(m_view->Form().editionText, QStringLiteral("01/2007"));
        const Forms::BoxRect ja = m_view->GetBoxRect(126, 1);
        QCOMPARE(ja.left, 635 * 14 / 10);
        ClickCheckBox(kJa);
        QCOMPARE(int(m_doc->m_wFeldE), 1);
    }
};

QTEST_MAIN(NationalViewTest)
#include "nationalview_test.moc"
