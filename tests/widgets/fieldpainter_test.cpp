#include "core/fields/fieldstore.h"
#include "core/settings/settingkeys.h"
#include "core/settings/settingsstore.h"
#include "render/text/fieldpainter.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <functional>
#include <memory>

namespace {

struct Ink
{
    QRect box;     // bounding box of the dark pixels; null when none
    int count = 0; // number of dark pixels
};

Ink InkOf(const QImage& image)
{
    Ink ink;
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) {
                ++ink.count;
                left = qMin(left, x);
                right = qMax(right, x);
                top = qMin(top, y);
                bottom = qMax(bottom, y);
            }
    if (ink.count)
        ink.box = QRect(QPoint(left, top), QPoint(right, bottom));
    return ink;
}

// One logical unit is one pixel here, so that positions can be checked directly.
QImage Render(const std::function<void(QPainter&)>& draw)
{
    QImage image(800, 400, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setPen(Qt::black);
    draw(painter);
    return image;
}

} // namespace

class FieldPainterTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<CSettingsStore> m_settings;
    std::unique_ptr<CFieldPainter> m_painter;

    void WriteSetting(const char* section, const char* key, int value)
    {
        m_settings->WriteProfileInt(QLatin1String(section), QLatin1String(key), value);
    }

private Q_SLOTS:
    void init()
    {
        // A fresh settings file per test: every value starts at its default.
        m_dir = std::make_unique<QTemporaryDir>();
        m_settings = std::make_unique<CSettingsStore>(std::make_unique<QSettings>(
            m_dir->filePath(QStringLiteral("settings.ini")), QSettings::IniFormat));
        m_painter = std::make_unique<CFieldPainter>(CBoxFontHeights::Read(*m_settings));
    }

    void fontHeightsFollowZoomFactorAndSettings();
    void fontsHaveTheirCellHeight();
    void defineFontForcesTheWeight();
    void lineBreaking_data();
    void lineBreaking();
    void alignmentMovesTheEdges_data();
    void alignmentMovesTheEdges();
    void linesAreNotClipped();
    void boldDrawsHeavierThanNormal();
    void unknownFontTypeKeepsThePaintersFont();
    void printFactorsScaleAboutTheOrigin_data();
    void printFactorsScaleAboutTheOrigin();
    void printedTextMovesWithTheFactors();
    void storedFieldsDrawWithTheirFormat();
};

void FieldPainterTest::fontHeightsFollowZoomFactorAndSettings()
{
    using F = CFieldPainter::Family;
    CFieldPainter& p = *m_painter;
    // Before the first build: the initial table, and no small sizes.
    QCOMPARE(p.CellHeight(F::Display, 0, false), 30);
    QCOMPARE(p.CellHeight(F::Printer, 0, true), 28);
    QCOMPARE(p.CellHeight(F::Display, 8, false), 0);
    QVERIFY(!p.FontForType(F::Printer, CFieldPainter::kSmallFont9, false));

    p.CreateScreenFonts(96, 14);
    QCOMPARE(p.CellHeight(F::Display, 0, false), 35);
    QCOMPARE(p.CellHeight(F::Display, 0, true), 32); // 28 × 14 / 12 rounds down
    QCOMPARE(p.CellHeight(F::Display, 9, false), 25);
    // Edit fonts: the same length in pixels, 35 tenths of a millimetre at 96 dpi.
    QCOMPARE(p.CellHeight(F::Edit, 0, false), 13);
    p.CreateScreenFonts(254, 10);
    QCOMPARE(p.CellHeight(F::Display, 0, false), 25);
    QCOMPARE(p.CellHeight(F::Display, 0, true), 23);
    QCOMPARE(p.CellHeight(F::Edit, 4, false), 43);

    p.CreatePrinterFonts(95);
    const QList<int> normal = {20, 30, 34, 39, 43}, bold = {20, 30, 36, 39, 43};
    for (int size = 0; size <= 4; ++size) {
        QCOMPARE(p.CellHeight(F::Printer, size, false), normal[size]);
        QCOMPARE(p.CellHeight(F::Printer, size, true), bold[size]);
    }
    QCOMPARE(p.CellHeight(F::Printer, 8, false), 22);
    QCOMPARE(p.CellHeight(F::Printer, 9, false), 18);
    // Printing leaves the edit fonts alone.
    QCOMPARE(p.CellHeight(F::Edit, 4, false), 43);

    // The heights given are taken at every build; unusable settings fall back.
    WriteSetting(Settings::kSectionFont, "DFont2", 60);
    WriteSetting(Settings::kSectionFont, "PFont0B", -4);
    p.SetFontHeights(CBoxFontHeights::Read(*m_settings));
    p.CreateScreenFonts(96, 12);
    p.CreatePrinterFonts(100);
    QCOMPARE(p.CellHeight(F::Display, 2, false), 60);
    QCOMPARE(p.CellHeight(F::Printer, 0, true), 22);
}

void FieldPainterTest::fontsHaveTheirCellHeight()
{
    m_painter->CreatePrinterFonts(100);
    for (bool bold : {false, true})
        for (int size = 0; size <= 4; ++size) {
            const auto font = m_painter->Font(CFieldPainter::Family::Printer, size, bold);
            QVERIFY(font);
            const QFontMetricsF metrics(*font);
            const int cell = m_painter->CellHeight(CFieldPainter::Family::Printer, size, bold);
            QVERIFY2(qAbs(metrics.ascent() + metrics.descent() - cell) <= 1.0,
                     qPrintable(QStringLiteral("size %1: %2 vs %3")
                                    .arg(size)
                                    .arg(metrics.ascent() + metrics.descent())
                                    .arg(cell)));
            QCOMPARE(font->bold(), bold);
        }
}

void FieldPainterTest::defineFontForcesTheWeight()
{
    using F = CFieldPainter::Family;
    m_painter->DefineFont(16, LogicalFont{50, 400});
    QCOMPARE(m_painter->CellHeight(F::Edit, 0, true), 50);
    QVERIFY(m_painter->Font(F::Edit, 0, true)->bold());
    m_painter->DefineFont(9, LogicalFont{44, 700});
    QCOMPARE(m_painter->CellHeight(F::Printer, 1, false), 44);
    QVERIFY(!m_painter->Font(F::Printer, 1, false)->bold());
    m_painter->DefineFont(67, LogicalFont{12});
    QCOMPARE(m_painter->CellHeight(F::Printer, 8, false), 12);
    // Types outside the table change nothing.
    m_painter->DefineFont(5, LogicalFont{99});
    m_painter->DefineFont(40, LogicalFont{99});
    QCOMPARE(m_painter->CellHeight(F::Edit, 4, false), 52);
    QCOMPARE(m_painter->CellHeight(F::Display, 0, false), 30);
}

void FieldPainterTest::lineBreaking_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("widthOf"); // the box is exactly as wide as this text
    QTest::addColumn<bool>("singleLine");
    QTest::addColumn<QStringList>("lines");

    const QString crlf = QStringLiteral("\r\n");
    QTest::newRow("fits") << "Hamburg Bremen"
                          << "Hamburg Bremen" << false << QStringList{"Hamburg Bremen"};
    QTest::newRow("breaks at the last space that fits")
        << "alpha beta gamma"
        << "alpha beta" << false << QStringList{"alpha beta", "gamma"};
    QTest::newRow("long word runs past the edge")
        << "Donaudampfschiff ab"
        << "Donau" << false << QStringList{"Donaudampfschiff", "ab"};
    QTest::newRow("CR LF breaks, empty line kept")
        << "Ort" + crlf + crlf + "Land"
        << "Ort Land Wort" << false << QStringList{"Ort", "", "Land"};
    QTest::newRow("lone LF and CR break too") << "a\nb\rc"
                                              << "a b c d" << false << QStringList{"a", "b", "c"};
    QTest::newRow("single line ignores breaks")
        << "Ort" + crlf + "Land und Leute"
        << "Ort" << true << QStringList{"Ort Land und Leute"};
    QTest::newRow("empty text is one empty line") << ""
                                                  << "x" << false << QStringList{""};
}

void FieldPainterTest::lineBreaking()
{
    QFETCH(QString, text);
    QFETCH(QString, widthOf);
    QFETCH(bool, singleLine);
    QFETCH(QStringList, lines);
    const QFontMetricsF metrics(*m_painter->Font(CFieldPainter::Family::Display, 2, false));
    QCOMPARE(BreakBoxText(text, metrics, metrics.horizontalAdvance(widthOf), singleLine), lines);
}

void FieldPainterTest::alignmentMovesTheEdges_data()
{
    QTest::addColumn<int>("alignment");
    QTest::addColumn<int>("expectedLeft");  // -1: not checked
    QTest::addColumn<int>("expectedRight"); // -1: not checked
    QTest::addColumn<bool>("centred");
    QTest::newRow("left: 10 units in") << int(CFieldStore::kAlignLeft) << 110 << -1 << false;
    QTest::newRow("right: 12 units in") << int(CFieldStore::kAlignRight) << -1 << 588 << false;
    QTest::newRow("centred") << int(CFieldStore::kAlignCenter) << -1 << -1 << true;
    QTest::newRow("other value: left edge unmoved") << 0x0300 << 100 << -1 << false;
}

void FieldPainterTest::alignmentMovesTheEdges()
{
    QFETCH(int, alignment);
    QFETCH(int, expectedLeft);
    QFETCH(int, expectedRight);
    QFETCH(bool, centred);
    const QRect box(100, 100, 500, 100); // right edge 600
    const Ink ink = InkOf(Render([&](QPainter& p) {
        m_painter->DrawBoxText(p, box, 3, quint16(alignment), QStringLiteral("HHHH"), false);
    }));
    QVERIFY(ink.count > 0);
    // Glyph bearings leave a few pixels between the pen position and the ink.
    if (expectedLeft >= 0)
        QVERIFY2(ink.box.left() >= expectedLeft && ink.box.left() <= expectedLeft + 5,
                 qPrintable(QString::number(ink.box.left())));
    if (expectedRight >= 0)
        QVERIFY2(ink.box.right() < expectedRight && ink.box.right() >= expectedRight - 5,
                 qPrintable(QString::number(ink.box.right())));
    if (centred)
        QVERIFY(qAbs(ink.box.center().x() - 350) <= 3);
    QVERIFY(ink.box.top() >= 100);
}

void FieldPainterTest::linesAreNotClipped()
{
    const int cell = m_painter->CellHeight(CFieldPainter::Family::Display, 2, false);
    const QRect box(50, 50, 600, cell + 3); // one line high
    const auto draw = [&](const QString& text, const QRect& rect) {
        return InkOf(Render([&](QPainter& p) {
            m_painter->DrawBoxText(p, rect, 2, CFieldStore::kAlignLeft, text, false);
        }));
    };
    const Ink one = draw(QStringLiteral("Zeile"), box);
    const Ink three = draw(QStringLiteral("Zeile\r\nZeile\r\nZeile"), box);
    QVERIFY(one.box.bottom() <= box.bottom());
    QVERIFY(three.box.bottom() > box.bottom() + cell); // the third line lies well below
    QCOMPARE(three.count, 3 * one.count);

    // A word wider than the box runs past its right edge, on the first line.
    const Ink wide = draw(QStringLiteral("Donaudampfschiff"), QRect(50, 50, 60, 3 * cell));
    QVERIFY(wide.box.right() > 110);
    QCOMPARE(wide.box.height(), draw(QStringLiteral("Dampf"), box).box.height());
}

void FieldPainterTest::boldDrawsHeavierThanNormal()
{
    const auto draw = [&](bool bold) {
        return InkOf(Render([&](QPainter& p) {
            m_painter->DrawBoxText(p, QRect(10, 10, 700, 100), 2, CFieldStore::kAlignLeft,
                                   QStringLiteral("Frachtbrief"), bold);
        }));
    };
    QVERIFY(draw(true).count > draw(false).count * 5 / 4);
}

void FieldPainterTest::unknownFontTypeKeepsThePaintersFont()
{
    const auto draw = [&](int type) {
        return InkOf(Render([&](QPainter& p) {
            QFont big(QStringLiteral("Arial"));
            big.setPixelSize(120);
            p.setFont(big);
            m_painter->DrawBoxText(p, QRect(10, 10, 700, 200), type, CFieldStore::kAlignLeft,
                                   QStringLiteral("H"), false);
        }));
    };
    QVERIFY(draw(7).box.height() > 70);
    QVERIFY(draw(0).box.height() < 30);
    // The small sizes exist only after a build; before that they select nothing.
    QVERIFY(draw(CFieldPainter::kSmallFont8).box.height() > 70);
    m_painter->CreateScreenFonts(96, 10);
    QVERIFY(draw(CFieldPainter::kSmallFont8).box.height() < 30);
}

void FieldPainterTest::printFactorsScaleAboutTheOrigin_data()
{
    QTest::addColumn<int>("factorV");
    QTest::addColumn<int>("factorH");
    QTest::addColumn<QRect>("expected");
    QTest::newRow("unchanged") << 1000 << 1000 << QRect(500, 1000, 1000, 200);
    QTest::newRow("wider") << 1000 << 1020 << QRect(510, 1000, 1020, 200);
    QTest::newRow("lower") << 990 << 1000 << QRect(500, 990, 1000, 198);
    QTest::newRow("truncates") << 1000 << 999 << QRect(499, 1000, 999, 200); // 1498.5 → 1498
}

void FieldPainterTest::printFactorsScaleAboutTheOrigin()
{
    QFETCH(int, factorV);
    QFETCH(int, factorH);
    QFETCH(QRect, expected);
    m_painter->SetPrintAreaCorrection({factorH, factorV});
    QCOMPARE(m_painter->ScaledPrintRect(QRect(500, 1000, 1000, 200)), expected);
}

void FieldPainterTest::printedTextMovesWithTheFactors()
{
    m_painter->CreatePrinterFonts(95);
    const auto print = [&] {
        return InkOf(Render([&](QPainter& p) {
            m_painter->PrintBoxText(p, QRect(500, 200, 200, 100), 1, CFieldStore::kAlignLeft,
                                    QStringLiteral("HH"), false);
        }));
    };
    const Ink plain = print();
    m_painter->SetPrintAreaCorrection({1020, 1000});
    const Ink wider = print();
    QCOMPARE(wider.box.left() - plain.box.left(), 10);
    QCOMPARE(wider.box.top(), plain.box.top());
    m_painter->SetPrintAreaCorrection({1020, 970});
    const Ink higher = print();
    QCOMPARE(higher.box.top() - plain.box.top(), -6);
    // Drawing for the screen ignores the factors.
    const Ink screen = InkOf(Render([&](QPainter& p) {
        m_painter->DrawBoxText(p, QRect(500, 200, 200, 100), 1, CFieldStore::kAlignLeft,
                               QStringLiteral("HH"), false);
    }));
    QVERIFY(screen.box.left() - plain.box.left() < 3);
}

void FieldPainterTest::storedFieldsDrawWithTheirFormat()
{
    CFieldStore store;
    store.DefineFields(2, 1, true);
    store.SetFieldText(0, QStringLiteral("Ort\r\nLand"), 1);
    store.SetFieldFormat(0, 1, CFieldStore::kAlignRight | 2);
    store.SetFieldText(0, QStringLiteral("Seite zwei"), 2);
    const QRect box(100, 100, 500, 40);

    const auto field = [&](quint16 index, quint16 page, bool single) {
        return InkOf(
            Render([&](QPainter& p) { m_painter->DrawField(p, box, store, index, page, single); }));
    };
    const auto text = [&](const QString& t, quint16 alignment, bool bold) {
        return InkOf(
            Render([&](QPainter& p) { m_painter->DrawBoxText(p, box, 2, alignment, t, bold); }));
    };
    const Ink stored = field(0, 1, false);
    const Ink same = text(QStringLiteral("Ort\r\nLand"), CFieldStore::kAlignRight, false);
    QCOMPARE(stored.box, same.box);
    QCOMPARE(stored.count, same.count);
    // Single-line mode puts both words on the first line.
    QVERIFY(field(0, 1, true).box.height() < stored.box.height() / 2 + 2);

    store.SetFieldFormat(0, 1, CFieldStore::kBold | 2);
    QCOMPARE(field(0, 1, false).count, text(QStringLiteral("Ort\r\nLand"), 0, true).count);

    // The follow-on text is at its own position; there is no page 0.
    QVERIFY(field(0, 2, false).count > 0);
    QCOMPARE(field(0, 0, false).count, 0);

    // Positions the store does not hold draw nothing and do not fail.
    QCOMPARE(field(2, 1, false).count, 0);
    QCOMPARE(field(1, 2, false).count, 0);
    QCOMPARE(field(0, 3, false).count, 0);
}

QTEST_MAIN(FieldPainterTest)
#include "fieldpainter_test.moc"
