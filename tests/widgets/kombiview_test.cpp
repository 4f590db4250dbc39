// The Kombi form view in a document window of the real main window, offscreen,
// driven by mouse and keys: the terms check boxes as one choice, the arrow moves
// between table rows and the address boxes.
#include "core/documents/natintdoc.h"
#include "formviewwindow.h"
#include "widgets/app/commandids.h"
#include "widgets/app/mainframe.h"

#include <QTest>

namespace {

const QString kKombi = QStringLiteral("KombiFrachtbrief");
constexpr int kZoom = 14;
constexpr int kAdr = KombiLayout::kFirstTermsBox;
constexpr int kAdsp = KombiLayout::kFirstTermsBox + 3;

} // namespace

class KombiViewTest : public QObject, private FormViewFixture<CFrachtbriefNatIntDoc>
{
    Q_OBJECT

private:
    int CurrentBox() const { return m_view->CurrentBox(); }

    QRect DeviceRect(int index) const { return ::DeviceRect(*m_view, index); }
    void ScrollTo(int index)
    {
        m_view->ScrollToPosition(QPoint(0, qMax(0, m_view->GetBoxRect(index, 1).top - 300)));
    }
    void Click(int index) { ClickBox(*m_view, index); }
    bool Crossed(int index) { return ShowsCross(*m_view, index); }
    CommandState State(int id) const { return ViewCommandState(*m_view, id); }

private Q_SLOTS:
    void init() { UseSettings(kKombi, kZoom); }
    void cleanup() { Close(); }

    // The four squares act as one choice: a click crosses one and takes the
    // cross from the others; clicking the crossed one again changes nothing.
    void termsCheckBoxesActAsOneChoice()
    {
        Open();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(int(m_doc->m_wTerms), 0);
        for (int k = 0; k < KombiLayout::kTermsBoxCount; ++k)
            QVERIFY2(!Crossed(kAdr + k), qPrintable(QString::number(k)));
        QVERIFY(!m_doc->IsModified());

        ScrollTo(kAdr);
        QTest::mouseMove(m_view->viewport(), DeviceRect(kAdr).center() - m_view->ScrollPosition());
        QCOMPARE(m_view->GetCursorKind(), CKRFormView::kCursorCheckBox);
        Click(kAdr);
        QCOMPARE(int(m_doc->m_wTerms), 1);
        QVERIFY(m_doc->IsModified());
        QVERIFY(Crossed(kAdr));
        QCOMPARE(CurrentBox(), 0); // a check box is no box

        Click(kAdsp);
        QCOMPARE(int(m_doc->m_wTerms), 4);
        QVERIFY(Crossed(kAdsp));
        QVERIFY(!Crossed(kAdr));

        m_doc->SetModifiedFlag(false);
        Click(kAdsp);
        QCOMPARE(int(m_doc->m_wTerms), 4);
        QVERIFY(!m_doc->IsModified());
    }

    void arrowKeysMoveBetweenTableRows_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("current");
        QTest::newRow("goods row 1 volume down") << 20 << int(Qt::Key_Down) << 23;
        QTest::newRow("goods row 5 volume down") << 30 << int(Qt::Key_Down) << 30;
        QTest::newRow("single-use pallets down") << 118 << int(Qt::Key_Down) << 122;
        QTest::newRow("free row up") << 122 << int(Qt::Key_Up) << 118;
        QTest::newRow("tax rate down") << 107 << int(Qt::Key_Down) << 107;
    }

    void arrowKeysMoveBetweenTableRows()
    {
        QFETCH(int, start);
        QFETCH(int, key);
        QFETCH(int, current);
        Open();
        if (QTest::currentTestFailed())
            return;
        m_view->GoToBox(start);
        QCOMPARE(CurrentBox(), start);
        QTest::keyClick(m_view->Editor(), Qt::Key(key));
        QCOMPARE(CurrentBox(), current);
        QVERIFY(m_view->Editor()->hasFocus());
        QVERIFY(!m_doc->IsModified());
    }

    // "Vorgaben einfügen..." takes an address on the sender, the consignee and
    // the country line of the dispatch place only.
    void addressesGoIntoTheirBoxesOnly()
    {
        Open();
        if (QTest::currentTestFailed())
            return;
        m_view->SetInsertAddressHook([](QWidget*) { return QStringLiteral("Berg KG\r\nKiel"); });
        for (int box : {0, 1, 2, 4, 5, 6, 9, 137}) {
            m_view->GoToBox(box);
            QCOMPARE(State(Cmd::InsertAddress).enabled, box == 0 || box == 1 || box == 5);
        }
        m_view->GoToBox(5);
        m_frame->UpdateCommandUI();
        QTest::keyClick(m_view->Editor(), Qt::Key_F2);
        m_view->CommitCurrentField();
        QCOMPARE(m_doc->GetStore().GetFieldText(5, 1), QStringLiteral("Berg KG\r\nKiel"));
        QVERIFY(m_doc->IsModified());
    }
};

QTEST_MAIN(KombiViewTest)
#include "kombiview_test.moc"
