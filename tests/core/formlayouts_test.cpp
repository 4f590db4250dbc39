// What every form description of the engine must keep, whatever its geometry:
// boxes on the sheet and apart from each other, no line through a typing area,
// a print rectangle for every box and check box of every publisher group, on
// the paper, caption records of existing groups on the sheet that stay clear of
// the boxes, the lines and each other, box records with a valid alignment, a
// name that says something and default-text and date roles that a new note can
// fill, moves and address boxes that name boxes of the form, labels of the
// originals in the margin, and a kept page picture that shows what drawing
// anew shows. Each form's telling rows are tested with the form.
#include "core/fields/fieldstore.h"
#include "core/forms/formdescription.h"
#include "formtablestest.h"
#include "guienvironment.h"
#include "render/rendercontext.h"
#include "render/text/fieldpainter.h"
#include "render/views/formpainter.h"
#include "testsupport.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QRegularExpression>
#include <QTransform>

#include <gtest/gtest.h>

#include <ostream>

TVM_GUI_TEST_ENVIRONMENT();

namespace {

using Forms::BoxRect;
using Forms::FormDescription;
using FormTables::Segment;

bool InteriorsOverlap(const BoxRect& a, const BoxRect& b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool OnSheet(const BoxRect& r, int width, int height)
{
    return r.left >= 0 && r.top >= 0 && r.right <= width && r.bottom <= height &&
           r.left < r.right && r.top < r.bottom;
}

// Table segments have y negative; rectangles y positive. Only horizontal and
// vertical lines exist on the forms.
bool CrossesInterior(const Segment& s, const BoxRect& r)
{
    const int x1 = qMin(s.x1, s.x2), x2 = qMax(s.x1, s.x2);
    const int y1 = qMin(-s.y1, -s.y2), y2 = qMax(-s.y1, -s.y2);
    if (y1 == y2)
        return y1 > r.top && y1 < r.bottom && x1 < r.right && x2 > r.left;
    return x1 > r.left && x1 < r.right && y1 < r.bottom && y2 > r.top;
}

QRectF ToRectF(const BoxRect& r)
{
    return QRectF(QPointF(r.left, r.top), QPointF(r.right, r.bottom));
}

QRectF LineArea(const Segment& s, int penWidth)
{
    const qreal half = penWidth / 2.0;
    return QRectF(QPointF(qMin(s.x1, s.x2), -qMax(s.y1, s.y2)),
                  QPointF(qMax(s.x1, s.x2), -qMin(s.y1, s.y2)))
        .adjusted(-half, -half, half, half);
}

// The segments of a page the edition draws, each with its pen width; filled
// rectangles left out.
QVector<QPair<Segment, int>> DrawnLines(const FormDescription& form, int page)
{
    QVector<QPair<Segment, int>> lines;
    const Forms::PageDrawing& drawing = form.pages[page - 1];
    const auto groups = FormTables::LineGroups(drawing.lines);
    for (int g = 0; g < groups.size() && g < drawing.lineStyles.size(); ++g) {
        const Forms::LineStyle& style = drawing.lineStyles[g];
        if (!style.drawn)
            continue;
        for (int i = style.filledRects; i < groups[g].size(); ++i)
            lines.append({groups[g][i], style.penWidth});
    }
    return lines;
}

// What the glyphs of a caption cover. A caption may leave a run of blanks for a
// box typed into its middle ("+        % Umsatzsteuer"): its words on either
// side are measured on their own.
QVector<QRectF> CaptionInks(const CFormPainter& painter, const CFormPainter::PlacedCaption& c)
{
    static const QRegularExpression gap(QStringLiteral("  +"));
    if (!c.text.contains(gap))
        return {painter.CaptionInk(c)};
    const QFontMetricsF metrics(painter.Font(c.font));
    const qreal start = c.alignRight ? -metrics.horizontalAdvance(c.text) : 0;
    QTransform frame = QTransform::fromTranslate(c.at.x(), c.at.y());
    if (c.font.upwards)
        frame.rotate(-90);
    QVector<QRectF> inks;
    static const QRegularExpression piece(QStringLiteral("\\S+(?: \\S+)*"));
    for (auto it = piece.globalMatch(c.text); it.hasNext();) {
        const auto m = it.next();
        const qreal x = start + metrics.horizontalAdvance(c.text.left(m.capturedStart()));
        inks.append(frame.mapRect(
            metrics.tightBoundingRect(m.captured()).translated(x, -metrics.descent())));
    }
    return inks;
}

class FormLayouts : public testing::TestWithParam<const FormDescription*>
{
protected:
    const FormDescription& Form() const { return *GetParam(); }
    // Settings under which the program uses this description of its form.
    void ChooseEdition(CSettingsStore& settings) const
    {
        if (Form().type == FormType::National)
            settings.Set(Form().Section(), Settings::NatVersion,
                         Form().boxCount == 127 ? 2009 : 2007);
    }
};

TEST_P(FormLayouts, BoxesLieOnTheSheetAndNoTwoOverlap)
{
    const FormDescription& form = Form();
    const int entries = form.boxCount + form.checkBoxCount;
    for (int i = 0; i < entries; ++i) {
        const BoxRect a = form.BoxEntry(i, 1);
        EXPECT_TRUE(OnSheet(a, form.sheetWidth, form.sheetHeight)) << "box " << i << ' ' << a;
        for (int j = i + 1; j < entries; ++j)
            EXPECT_FALSE(InteriorsOverlap(a, form.BoxEntry(j, 1))) << "boxes " << i << " and " << j;
    }
    EXPECT_TRUE(OnSheet(form.FollowBox(), form.sheetWidth, form.sheetHeight));
}

TEST_P(FormLayouts, NoLineRunsThroughATypingArea)
{
    const FormDescription& form = Form();
    for (int page = 1; page <= form.pageCount; ++page) {
        for (const auto& line : DrawnLines(form, page)) {
            const Segment& s = line.first;
            EXPECT_TRUE(s.x1 == s.x2 || s.y1 == s.y2)
                << "slanted " << s.x1 << ',' << s.y1 << ' ' << s.x2 << ',' << s.y2;
            const int boxes = page == 1 ? form.boxCount : 1;
            for (int i = 0; i < boxes; ++i)
                EXPECT_FALSE(CrossesInterior(s, form.BoxEntry(i, page)))
                    << "page " << page << " segment " << s.x1 << ',' << s.y1 << ' ' << s.x2 << ','
                    << s.y2 << " crosses box " << i;
        }
    }
}

TEST_P(FormLayouts, PrintRectanglesAndMarksLieOnTheA4Paper)
{
    const FormDescription& form = Form();
    ASSERT_FALSE(form.publisherGroups.isEmpty());
    int catchAll = 0;
    QVector<int> listed;
    for (const Forms::PublisherGroup& group : form.publisherGroups) {
        catchAll += group.publishers.isEmpty() ? 1 : 0;
        for (int publisher : group.publishers) {
            EXPECT_FALSE(listed.contains(publisher)) << "publisher " << publisher << " twice";
            listed.append(publisher);
        }
        ASSERT_EQ(group.printRects.size(), form.boxCount + form.checkBoxCount);
        for (int i = 0; i < form.boxCount + form.checkBoxCount; ++i)
            EXPECT_TRUE(OnSheet(group.printRects[i], 2100, 2970)) << "print box " << i;
        EXPECT_FALSE(group.marks.isEmpty());
        for (const Forms::MarkPolyline& mark : group.marks)
            for (const QPoint& p : mark)
                EXPECT_TRUE(QRect(0, 0, 2100, 2970).contains(p)) << p.x() << ',' << p.y();
    }
    EXPECT_EQ(catchAll, 1) << "one group takes every publisher the others do not list";
    EXPECT_EQ(form.margins.size(), form.pageCount);
}

TEST_P(FormLayouts, TablesMatchTheirDescriptions)
{
    const FormDescription& form = Form();
    ASSERT_EQ(form.pages.size(), form.pageCount);
    for (const Forms::PageDrawing& drawing : form.pages) {
        EXPECT_EQ(FormTables::LineGroups(drawing.lines).size(), drawing.lineStyles.size());
        ASSERT_GT(drawing.captionCount, 0);
        for (int i = 0; i < drawing.captionCount; ++i) {
            const FormTables::CaptionRecord& caption = drawing.captions[i];
            ASSERT_TRUE(caption.group >= 0 && caption.group < drawing.captionGroups.size())
                << "caption " << i << " of group " << caption.group;
            // A caption has a text of its own exactly where its group takes
            // the records' texts.
            const bool ownText =
                drawing.captionGroups[caption.group].source == Forms::CaptionSource::Table;
            EXPECT_EQ(caption.text != nullptr, ownText) << "caption " << i;
            if (caption.text) {
                EXPECT_STRNE(caption.text, "") << "caption " << i;
            }
            // The point lies on the sheet, for every publisher the group may move it for.
            for (int publisher : {0, 1, 2, 3, 9}) {
                const QPoint shift =
                    form.captionShift ? form.captionShift(caption.group, publisher) : QPoint();
                EXPECT_TRUE(QRect(0, 0, form.sheetWidth + 1, form.sheetHeight + 1)
                                .contains(caption.x + shift.x(), -caption.y + shift.y()))
                    << "caption " << i << " at " << caption.x << ',' << caption.y;
            }
        }
    }
}

// The records of the boxes: alignments the format word can hold, names that say
// something, and roles a new note can fill, each once and on a box of page 1.
TEST_P(FormLayouts, BoxRecordsHoldWhatANewNoteNeeds)
{
    const FormDescription& form = Form();
    QVector<QByteArray> settings;
    int dates = 0, places = 0, datesWithPlace = 0;
    for (int i = 0; i <= form.boxCount + form.checkBoxCount; ++i) {
        const Forms::BoxRecord& box = form.Box(i);
        EXPECT_LE(box.align, Forms::kRight) << "box " << i;
        if (box.name) {
            EXPECT_FALSE(QString::fromUtf8(box.name).trimmed().isEmpty()) << "box " << i;
        }
        if (i >= form.boxCount) {
            // Check boxes and the follow-on box are drawn and crossed only.
            EXPECT_EQ(box.align, Forms::kLeft) << "box " << i;
            EXPECT_EQ(box.name, nullptr) << "box " << i;
            EXPECT_EQ(box.defaultText, nullptr) << "box " << i;
            EXPECT_EQ(box.fill, Forms::BoxFill::None) << "box " << i;
            continue;
        }
        if (box.defaultText) {
            EXPECT_FALSE(settings.contains(box.defaultText->key)) << box.defaultText->key;
            settings.append(box.defaultText->key);
        }
        switch (box.fill) {
        case Forms::BoxFill::None:
            break;
        case Forms::BoxFill::Date:
            ++dates;
            break;
        case Forms::BoxFill::PlaceAndDate:
            ++datesWithPlace;
            break;
        case Forms::BoxFill::Place:
        case Forms::BoxFill::PlaceIfGiven:
            ++places;
            break;
        }
        // A box a new note writes a date or place into takes no default text.
        EXPECT_FALSE(box.defaultText && box.fill != Forms::BoxFill::None) << "box " << i;
    }
    // One date at most; a place of its own only beside a date without one.
    EXPECT_LE(dates + datesWithPlace, 1);
    EXPECT_LE(places, dates);
}

TEST_P(FormLayouts, MovesAndAddressBoxesNameBoxesOfTheForm)
{
    const FormDescription& form = Form();
    for (const Forms::ArrowMove& move : form.arrowMoves) {
        EXPECT_LE(0, move.from);
        EXPECT_LE(move.from, move.to);
        EXPECT_LT(move.to + move.delta, form.boxCount);
        EXPECT_LE(0, move.from + move.delta);
    }
    for (int i = 0; i < form.addressBoxes.size(); ++i) {
        const int box = form.addressBoxes[i];
        EXPECT_TRUE(box >= 0 && box < form.boxCount) << box;
        EXPECT_EQ(form.addressBoxes.indexOf(box), i) << "address box " << box << " twice";
    }
    EXPECT_TRUE(form.checkGuardBox < form.boxCount);
}

TEST_P(FormLayouts, TheStoreGetsTheFormsBoxes)
{
    TestEnvironment env;
    const FormDescription& form = Form();
    ChooseEdition(env.Settings());
    EXPECT_EQ(&Forms::DescriptionForNew(form.type, env.Settings()), &form);
    CFieldStore store;
    form.DefineBoxes(store);
    EXPECT_EQ(store.GetFieldCount(), form.boxCount);
    EXPECT_EQ(store.GetFollowFieldCount(), 1);
}

// Measured with the real fonts at real size: every caption on the sheet, off
// the boxes and the lines, and no two captions on each other.
TEST_P(FormLayouts, CaptionsStayClearOfBoxesLinesAndEachOther)
{
    const FormDescription& form = Form();
    const CFormPainter painter(form, 10);
    for (int page = 1; page <= form.pageCount; ++page) {
        for (int publisher : {0, 1, 2, 3, 9}) {
            const auto captions = painter.Captions(page, publisher);
            QVector<QRectF> bands;
            for (const CFormPainter::PlacedCaption& c : captions) {
                const std::string name = c.text.toStdString();
                for (const QRectF& ink : CaptionInks(painter, c)) {
                    EXPECT_TRUE(QRectF(0, 0, form.sheetWidth, form.sheetHeight).contains(ink))
                        << name;
                    const int boxes = page == 1 ? form.boxCount + form.checkBoxCount : 1;
                    for (int i = 0; i < boxes; ++i)
                        EXPECT_FALSE(ink.intersects(ToRectF(form.BoxEntry(i, page))))
                            << name << " over box " << i;
                    for (const auto& line : DrawnLines(form, page))
                        EXPECT_FALSE(ink.intersects(LineArea(line.first, line.second)))
                            << name << " on the line " << line.first.x1 << ',' << line.first.y1
                            << ' ' << line.first.x2 << ',' << line.first.y2;
                }
                // The band from the baseline to the cap height over the advance:
                // descenders and accents may reach into the next line's gap.
                const QFontMetricsF metrics(painter.Font(c.font));
                const qreal advance = metrics.horizontalAdvance(c.text);
                const QRectF inText(c.alignRight ? -advance : 0,
                                    -metrics.descent() - metrics.capHeight(), advance,
                                    metrics.capHeight());
                QTransform frame = QTransform::fromTranslate(c.at.x(), c.at.y());
                if (c.font.upwards)
                    frame.rotate(-90);
                const QRectF band = frame.mapRect(inText);
                for (int b = 0; b < bands.size(); ++b)
                    EXPECT_FALSE(band.intersects(bands[b]))
                        << name << " / " << captions[b].text.toStdString();
                bands.append(band);
            }
        }
    }
}

// The labels of the originals stand in the margin: on the sheet, clear of every
// box, line and caption of each page; the mandatory ones come first and no two
// originals share an ink.
TEST_P(FormLayouts, CopyLabelsStandInTheMargin)
{
    const FormDescription& form = Form();
    const CFormPainter painter(form, 10);
    const QVector<Forms::CopyLabel>& labels = form.copyLabels.copies;
    for (int k = 0; k < labels.size(); ++k) {
        const std::string name = labels[k].text;
        if (k > 0) {
            EXPECT_FALSE(labels[k - 1].optional && !labels[k].optional) << name;
        }
        for (int j = 0; j < k; ++j)
            EXPECT_NE(labels[j].inkRgb, labels[k].inkRgb) << name;
        const QRectF ink = painter.CaptionInk(painter.CopyLabelCaption(labels[k].text));
        EXPECT_TRUE(QRectF(0, 0, form.sheetWidth, form.sheetHeight).contains(ink)) << name;
        for (int page = 1; page <= form.pageCount; ++page) {
            const int boxes = page == 1 ? form.boxCount + form.checkBoxCount : 1;
            for (int i = 0; i < boxes; ++i)
                EXPECT_FALSE(ink.intersects(ToRectF(form.BoxEntry(i, page))))
                    << name << " over box " << i;
            for (const auto& line : DrawnLines(form, page))
                EXPECT_FALSE(ink.intersects(LineArea(line.first, line.second))) << name;
            for (const CFormPainter::PlacedCaption& c : painter.Captions(page, 0))
                for (const QRectF& caption : CaptionInks(painter, c))
                    EXPECT_FALSE(ink.intersects(caption)) << name << " / " << c.text.toStdString();
        }
    }
}

// The view paints through a kept picture of the page: it must show what drawing
// the page anew shows, scrolled by whole or by part pixels, and follow every
// change of the texts, their formats, the check word and the fonts.
TEST_P(FormLayouts, KeptPageHasThePixelsOfDrawingAnew)
{
    TestEnvironment env;
    const FormDescription& form = Form();
    ChooseEdition(env.Settings());
    CFieldStore store;
    form.DefineBoxes(store);
    for (quint16 i = 0; i < store.GetFieldCount(); ++i)
        store.SetFieldText(i, QStringLiteral("Mustermann %1\r\nHafenstraße").arg(i), 1);
    constexpr int kZoom = 15;
    CFieldPainter fields(CBoxFontHeights::Read(env.Settings()));
    fields.CreateScreenFonts(96, kZoom);
    const CFormPainter painter(form, kZoom);
    quint16 checkWord = 1;

    // Drawn anew, glyphs cut by the picture's edge come out a shade different
    // from whole glyphs cut afterwards; so the page drawn anew is drawn into a
    // larger picture and cut to size.
    constexpr int kMargin = 50;
    const auto paint = [&](const QTransform& scroll, bool kept) {
        const int margin = kept ? 0 : kMargin;
        QImage image(900 + 2 * margin, 700 + 2 * margin, QImage::Format_RGB32);
        image.fill(QColor(80, 90, 100)); // the desk
        QPainter p(&image);
        p.setTransform(Render::TenthMillimetreTransform(image, 10) * scroll *
                       QTransform::fromTranslate(margin, margin));
        if (kept) {
            painter.DrawPage(p, 1, 0, fields, store, form.CrossedCheckBox(checkWord, store), false,
                             Qt::blue);
        } else {
            p.fillRect(QRect(0, 0, FormTables::Scale(form.sheetWidth, kZoom),
                             FormTables::Scale(form.sheetHeight, kZoom)),
                       Qt::white);
            painter.DrawForm(p, 1, 0);
            painter.DrawBoxes(p, 1, fields, store, form.CrossedCheckBox(checkWord, store), false,
                              Qt::blue);
        }
        p.end();
        return image.copy(margin, margin, 900, 700);
    };
    // Each step ends on whole pixels and the next begins on them: a picture kept
    // from before the change would be used if the change went unnoticed.
    const auto expectSame = [&](const char* step) {
        for (const QTransform& scroll :
             {QTransform(), QTransform::fromTranslate(-10.5, -20.25),
              QTransform::fromTranslate(-120, -300), QTransform::fromTranslate(-700, -1100)}) {
            const QImage anew = paint(scroll, false);
            EXPECT_TRUE(paint(scroll, true) == anew) << step << " at " << scroll.dx();
            EXPECT_TRUE(paint(scroll, true) == anew) << step << " kept, at " << scroll.dx();
        }
    };
    expectSame("first paint");
    store.SetFieldText(3, QStringLiteral("Geändert"), 1);
    expectSame("text");
    store.SetFieldFormat(3, 1, quint16(store.GetFieldFormat(3, 1) ^ CFieldStore::kBold));
    expectSame("format");
    checkWord = 2;
    expectSame("check word");
    fields.CreateScreenFonts(120, kZoom);
    expectSame("fonts");
}

INSTANTIATE_TEST_SUITE_P(Forms, FormLayouts, testing::ValuesIn(Forms::AllFormDescriptions()),
                         [](const testing::TestParamInfo<const FormDescription*>& info) {
                             return FormTestName(info.param);
                         });

} // namespace
