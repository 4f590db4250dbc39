// The crosses of the forms' check boxes (the CMR permit, the Kombi terms, the
// national note's open-vehicle question) in a document window of the real main
// window, offscreen: a cross is taken away from the menu of its square.
#include "core/documents/documentfactory.h"
#include "core/forms/cmrlayout.h"
#include "formviewwindow.h"
#include "widgets/editor/krdeditwindows.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMenu>
#include <QTest>
#include <QTimer>

namespace {

const QString kRemove = QStringLiteral("Kreuz entfernen");
constexpr int kZoom = 14;

// Right-clicks the middle of check box `k` and answers the menu that comes:
// chooses "Kreuz entfernen" when `remove` and the menu has it, else closes
// the menu. Returns the menu's entries, empty when no menu came.
QStringList RightClickCheckBox(CKRFormView& view, int k, bool remove)
{
    const int index = view.Form().boxCount + k;
    view.ScrollToPosition(QPoint(0, qMax(0, view.GetBoxRect(index, 1).top - 300)));
    const QPoint at = DeviceRect(view, index).center() - view.ScrollPosition();
    QStringList texts;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        if (!menu)
            return;
        poll.stop();
        QAction* chosen = nullptr;
        for (QAction* action : menu->actions()) {
            texts << (action->isSeparator() ? QStringLiteral("-") : action->text());
            if (remove && action->text() == kRemove)
                chosen = action;
        }
        if (chosen)
            chosen->trigger();
        menu->close();
    });
    poll.start();
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, view.viewport()->mapToGlobal(at));
    QApplication::sendEvent(view.viewport(), &event);
    poll.stop();
    return texts;
}

} // namespace

Q_DECLARE_METATYPE(FormType)

class CheckBoxCrossTest : public QObject, private FormViewFixture<CKrDocument>
{
    Q_OBJECT

private Q_SLOTS:
    void cleanup() { Close(); }

    void crossIsRemovedFromItsSquaresMenu_data()
    {
        QTest::addColumn<FormType>("type");
        QTest::addColumn<int>("word");
        QTest::addColumn<QString>("guard"); // the CMR permit number
        QTest::addColumn<int>("clicked");   // the check box right-clicked
        QTest::addColumn<bool>("offered");
        const QString number = QStringLiteral("4711");
        QTest::newRow("CMR permit") << FormType::Cmr << 2 << number << 1 << true;
        QTest::newRow("Kombi terms") << FormType::Kombi << 3 << QString() << 2 << true;
        QTest::newRow("national nein") << FormType::National << 2 << QString() << 1 << true;
        QTest::newRow("Kombi, square not crossed")
            << FormType::Kombi << 3 << QString() << 0 << false;
        // No cross shows while the permit number is blank.
        QTest::newRow("CMR, guard blank") << FormType::Cmr << 2 << QString() << 1 << false;
    }

    // Over the crossed square the view's menu starts with "Kreuz entfernen",
    // which leaves no square crossed and the document modified; elsewhere the
    // entry is not offered. Clicking a square still only crosses it.
    void crossIsRemovedFromItsSquaresMenu()
    {
        QFETCH(FormType, type);
        QFETCH(int, word);
        QFETCH(QString, guard);
        QFETCH(int, clicked);
        QFETCH(bool, offered);
        UseSettings(GetFormTypeInfo(type).section, kZoom);
        OpenDocument(CreateDocument(type, *m_settings), [&](CKrDocument& doc) {
            doc.SetCheckWord(quint16(word));
            doc.GetStore().SetFieldText(CmrLayout::kPermitGuardBox, guard, 1);
        });
        if (QTest::currentTestFailed())
            return;
        const int square = m_view->Form().boxCount + clicked;

        const QStringList menu = RightClickCheckBox(*m_view, clicked, true);
        QCOMPARE(menu.value(0) == kRemove, offered);
        if (offered)
            QVERIFY(menu.contains(QStringLiteral("&Ausschneiden"))); // the view's own menu
        QCOMPARE(int(m_doc->GetCheckWord()), offered ? 0 : word);
        QCOMPARE(m_doc->IsModified(), offered);
        if (offered) {
            QVERIFY(!ShowsCross(*m_view, square));
            // With the cross gone, its square offers nothing more.
            QVERIFY(!RightClickCheckBox(*m_view, clicked, false).contains(kRemove));
        }
    }
};

QTEST_MAIN(CheckBoxCrossTest)
#include "checkboxcross_test.moc"
