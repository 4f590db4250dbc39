#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "widgets/app/commandids.h"
#include "widgets/views/krscrollviewbase.h"

#include <QPainter>
#include <QScrollBar>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace {

// A view on a fixed screen that records its drawing.
class TestView : public CKRScrollViewBase
{
public:
    explicit TestView(CSettingsStore& settings) : CKRScrollViewBase(settings) {}

    ViewZoom::ScreenMetrics screen{1080, 96, false};
    int draws = 0;
    bool layoutValidWhenDrawn = true;
    QTransform drawTransform;

    void EditorKeyPressed(QKeyEvent*) override {}
    void EditorWheel(QWheelEvent*) override {}
    void EditorCommand(int) override {}
    void UpdateStatusText() override {}

protected:
    void OnDraw(QPainter& painter) override
    {
        ++draws;
        layoutValidWhenDrawn = IsLayoutValid();
        drawTransform = painter.transform();
        SetLayoutValid();
    }
    ViewZoom::ScreenMetrics CurrentScreenMetrics() const override { return screen; }
};

const QString kSection = QStringLiteral("CMR");

} // namespace

class ScrollViewBaseTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;

    int Stored(const char* key, const QString& section = kSection) const
    {
        return m_settings->GetProfileInt(section, QLatin1String(key), -1);
    }

    // A shown view of the CMR section whose zoom starts at `zoom`.
    std::unique_ptr<TestView> ShownView(int zoom)
    {
        m_settings->WriteProfileInt(kSection, QLatin1String(Settings::kZoomFactor), zoom);
        auto view = std::make_unique<TestView>(*m_settings);
        view->SetSection(kSection);
        view->ComputeZoom();
        view->resize(400, 300);
        view->show();
        if (!QTest::qWaitForWindowExposed(view.get()))
            return nullptr;
        view->SetScrollSizes(QSize(205 * zoom, 350 * zoom), QSize(50 * zoom, 70 * zoom));
        return view;
    }

private Q_SLOTS:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
            m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
    }

    void startsUncomputedInTheGeneralSection()
    {
        TestView view(*m_settings);
        QCOMPARE(view.GetZoom(), 0);
        QVERIFY(!view.IsLayoutValid());
        QCOMPARE(view.GetSection(), QStringLiteral("Settings"));
    }

    void computeZoomUsesTheSectionAndTheScreen()
    {
        TestView view(*m_settings);
        view.SetSection(kSection);
        view.screen = {768, 96, false};
        QCOMPARE(view.ComputeZoom(), 16);
        QCOMPARE(view.GetZoom(), 16);
        QCOMPARE(Stored(Settings::kZoomFactorLU), 16);
        QCOMPARE(Stored(Settings::kWinFormScaledFactor), 100);
        QCOMPARE(Stored(Settings::kZoomFactorLU, QStringLiteral("Settings")), -1);
    }

    void zoomCommands_data()
    {
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("changed");
        QTest::newRow("in from 24") << 24 << int(Cmd::ZoomIn) << 25 << true;
        QTest::newRow("in at 25") << 25 << int(Cmd::ZoomIn) << 25 << false;
        QTest::newRow("in beyond 25") << 30 << int(Cmd::ZoomIn) << 30 << false;
        QTest::newRow("out from 11") << 11 << int(Cmd::ZoomOut) << 10 << true;
        QTest::newRow("out below real size") << 10 << int(Cmd::ZoomOut) << 9 << true;
        QTest::newRow("out from 5") << 5 << int(Cmd::ZoomOut) << 4 << true;
        QTest::newRow("out at 4") << 4 << int(Cmd::ZoomOut) << 4 << false;
        QTest::newRow("in below 4") << 3 << int(Cmd::ZoomIn) << 4 << true;
    }

    // A change stores the new zoom, redraws at once with the layout invalid and
    // returns to the top-left corner; a refused step changes nothing.
    void zoomCommands()
    {
        QFETCH(int, start);
        QFETCH(int, command);
        QFETCH(int, zoom);
        QFETCH(bool, changed);
        const auto view = ShownView(start);
        QVERIFY(view);
        QCOMPARE(view->GetZoom(), start);
        view->ScrollByUnits(300, 700);
        QVERIFY(view->ScrollPosition() != QPoint(0, 0));
        QCoreApplication::processEvents();
        view->draws = 0;
        view->SetLayoutValid();

        QVERIFY(view->OnZoomCommand(command));
        QCOMPARE(view->GetZoom(), zoom);
        QCOMPARE(Stored(Settings::kZoomFactor), changed ? zoom : start);
        if (changed) {
            QVERIFY(view->draws >= 1); // drawn before the command returned
            QVERIFY(!view->layoutValidWhenDrawn);
            QCOMPARE(view->ScrollPosition(), QPoint(0, 0));
        } else {
            QCOMPARE(view->draws, 0);
            QVERIFY(view->IsLayoutValid());
            QVERIFY(view->ScrollPosition() != QPoint(0, 0));
        }
    }

    void commandStatesFollowTheLimits_data()
    {
        QTest::addColumn<int>("zoom");
        QTest::addColumn<bool>("in");
        QTest::addColumn<bool>("out");
        QTest::newRow("4") << 4 << true << false;
        QTest::newRow("10") << 10 << true << true;
        QTest::newRow("24") << 24 << true << true;
        QTest::newRow("25") << 25 << false << true;
    }

    void commandStatesFollowTheLimits()
    {
        QFETCH(int, zoom);
        QFETCH(bool, in);
        QFETCH(bool, out);
        m_settings->WriteProfileInt(kSection, QLatin1String(Settings::kZoomFactor), zoom);
        TestView view(*m_settings);
        view.SetSection(kSection);
        view.ComputeZoom();
        CommandState state;
        QVERIFY(view.OnUpdateZoomCommand(Cmd::ZoomIn, state));
        QCOMPARE(state.enabled, in);
        QVERIFY(view.OnUpdateZoomCommand(Cmd::ZoomOut, state));
        QCOMPARE(state.enabled, out);
        QVERIFY(!view.OnUpdateZoomCommand(Cmd::Print, state));
        QVERIFY(!view.OnZoomCommand(Cmd::Print));
    }

    void printingKeepsTheScreenZoom()
    {
        m_settings->WriteProfileInt(kSection, QLatin1String(Settings::kZoomFactor), 17);
        TestView view(*m_settings);
        view.SetSection(kSection);
        view.ComputeZoom();
        view.BeginPrintZoom();
        QCOMPARE(view.GetZoom(), 10);
        view.EndPrintZoom();
        QCOMPARE(view.GetZoom(), 17);
    }

    // Logical units are 0.1 mm of the screen: at 96 dots per inch, 254 units
    // are 96 pixels.
    void scrollingAndMappingInLogicalUnits()
    {
        const auto view = ShownView(10);
        QVERIFY(view);
        QCOMPARE(view->PixelsPerUnitY() * 254, qreal(view->viewport()->logicalDpiY()));
        const int dpiX = view->viewport()->logicalDpiX();
        const int dpiY = view->viewport()->logicalDpiY();

        QCOMPARE(view->verticalScrollBar()->maximum(),
                 qRound(3500 * dpiY / 254.0) - view->viewport()->height());
        QCOMPARE(view->verticalScrollBar()->pageStep(),
                 qMin(view->viewport()->height(), qRound(700 * dpiY / 254.0)));

        view->ScrollByUnits(254, 254);
        QCOMPARE(view->ScrollPosition(), QPoint(dpiX, dpiY));
        QCOMPARE(view->DeviceToLogical(QPoint(dpiX, dpiY)), QPoint(254, 254));
        QCOMPARE(view->LogicalTransform().map(QPointF(254, 508)), QPointF(0, dpiY));

        view->ScrollToTop();
        QCOMPARE(view->ScrollPosition(), QPoint(dpiX, 0));
        view->ScrollToPosition(QPoint(0, 0));
        QCOMPARE(view->ScrollPosition(), QPoint(0, 0));
    }

    // The box editor lies on the viewport and must stay over its box.
    void childrenOfTheViewportMoveWithTheForm()
    {
        const auto view = ShownView(10);
        QVERIFY(view);
        QWidget editor(view->viewport());
        editor.setGeometry(100, 200, 50, 20);
        editor.show();
        view->ScrollByUnits(0, 254);
        const int dpiY = view->viewport()->logicalDpiY();
        QCOMPARE(editor.pos(), QPoint(100, 200 - dpiY));
    }

    void drawingGetsTheLogicalTransform()
    {
        const auto view = ShownView(10);
        QVERIFY(view);
        view->ScrollByUnits(0, 254);
        view->viewport()->repaint();
        const int dpiY = view->viewport()->logicalDpiY();
        QCOMPARE(view->drawTransform.map(QPointF(0, 508)), QPointF(0, dpiY));
    }
};

QTEST_MAIN(ScrollViewBaseTest)
#include "krscrollviewbase_test.moc"
