// Every form on a screen the desktop scales: the texts of the lowest boxes of a
// page are drawn as on an unscaled screen, whether they come with the document
// or were just typed and left. CTest runs this suite at QT_SCALE_FACTOR 1, 1.5
// and 2.
#include "core/documents/documentfactory.h"
#include "formviewwindow.h"
#include "widgets/app/mainframe.h"
#include "widgets/editor/krdeditwindows.h"

#include <QScrollBar>
#include <QTest>

namespace {

constexpr int kZoom = 14;
const QString kText = QStringLiteral("MMM");

// The page-1 box whose bottom edge lies lowest on the sheet: the last one a cut
// at the page's foot would lose.
int LowestBox(const Forms::FormDescription& form)
{
    int lowest = 0;
    for (int i = 1; i < form.boxCount; ++i)
        if (form.BoxEntry(i, 1).bottom > form.BoxEntry(lowest, 1).bottom)
            lowest = i;
    return lowest;
}

} // namespace

Q_DECLARE_METATYPE(FormType)

class ScaledScreenTest : public QObject
{
    Q_OBJECT

private:
    // Dark pixels the view shows inside a box, its edges left out, with the
    // form scrolled until the box lies at the window's foot.
    int InkInBox(int index) const
    {
        const QRect box = DeviceRect(*m_view, index);
        m_view->verticalScrollBar()->setValue(box.bottom() + 4 - m_view->viewport()->height());
        if (!m_view->viewport()->rect().contains(box.translated(-m_view->ScrollPosition())))
            return -1; // the form cannot be scrolled so far
        const QImage image = m_view->viewport()->grab().toImage();
        const QPoint scroll = m_view->ScrollPosition();
        const qreal ratio = image.devicePixelRatio();
        int ink = 0;
        const QRect inner = box.adjusted(3, 3, -3, -3);
        for (int y = inner.top(); y <= inner.bottom(); ++y)
            for (int x = inner.left(); x <= inner.right(); ++x) {
                const QPoint at = (QPoint(x, y) - scroll) * ratio;
                if (image.rect().contains(at) && image.pixelColor(at).lightness() < 160)
                    ++ink;
            }
        return ink;
    }

    void Open(FormType type, const std::function<void(CKrDocument&)>& prepare = {})
    {
        m_frame = std::make_unique<CMainFrame>(*m_settings);
        auto doc = CreateDocument(type, *m_settings);
        doc->OnNewDocument();
        if (prepare)
            prepare(*doc);
        m_doc = doc.get();
        m_view = OpenFormView(std::move(doc), *m_settings, *m_frame);
        QVERIFY(m_view);
    }

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CMainFrame> m_frame;
    CKRFormView* m_view = nullptr;
    CKrDocument* m_doc = nullptr;

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = FormViewSettings(*m_dir, QString(), kZoom);
        for (FormType type :
             {FormType::Cmr, FormType::National, FormType::Kombi, FormType::Forwarding})
            m_settings->WriteProfileInt(GetFormTypeInfo(type).section,
                                        QLatin1String(Settings::kZoomFactor), kZoom);
    }
    void cleanup()
    {
        if (m_doc)
            m_doc->SetModifiedFlag(false);
        m_frame.reset();
        m_view = nullptr;
        m_doc = nullptr;
    }

    void lowestBoxShowsItsText_data()
    {
        QTest::addColumn<FormType>("type");
        QTest::newRow("CMR") << FormType::Cmr;
        QTest::newRow("national") << FormType::National;
        QTest::newRow("Kombi") << FormType::Kombi;
        QTest::newRow("forwarding") << FormType::Forwarding;
    }
    // The texts a document comes with, and a text typed into the lowest box and
    // left: both stay on the screen.
    void lowestBoxShowsItsText()
    {
        QFETCH(FormType, type);
        int lowest = -1;
        Open(type, [&lowest](CKrDocument& doc) {
            lowest = LowestBox(doc.Form());
            doc.GetStore().SetFieldText(quint16(lowest), kText, 1);
        });
        if (QTest::currentTestFailed())
            return;
        QVERIFY2(InkInBox(lowest) > 20, "the lowest box's text from the document");

        // Typed anew and left.
        m_view->GoToBox(lowest);
        QTest::keyClick(m_view->FormEditor(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(m_view->FormEditor(), Qt::Key_Delete);
        QTest::keyClicks(m_view->FormEditor(), kText);
        m_view->GoToBox(0);
        QCOMPARE(m_doc->GetStore().GetFieldText(quint16(lowest), 1), kText);
        QVERIFY2(InkInBox(lowest) > 20, "a text typed into the lowest box and left");
    }
};

QTEST_MAIN(ScaledScreenTest)
#include "scaledscreen_test.moc"
