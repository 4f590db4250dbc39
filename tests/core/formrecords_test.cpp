// The forms' tables in the shape of the paper (a record per box, a record per
// caption, each publisher's sheet as shift rows over the screen) hold entry by
// entry what the flat tables the forms are drawn and printed from hold: every
// box and print rectangle, every caption's point, group and text in drawing
// order, every alignment, name and default-text role.
#include "formtablestest.h"
#include "testsupport.h"
#include "views/cmrlayout.h"
#include "views/formdescription.h"
#include "views/forwardinglayout.h"
#include "views/kombilayout.h"
#include "views/nationallayout.h"

#include <gtest/gtest.h>

#include <cstring>
#include <iterator>

namespace {

using Forms::BoxFill;
using Forms::BoxRecord;
using Forms::FormDescription;
using FormTables::CaptionRecord;

struct PaperTables
{
    QVector<BoxRecord> boxes;
    QVector<QVector<CaptionRecord>> pages;
    QVector<Forms::PublisherGroup> sheets;
};

template <typename T> QVector<T> Copy(const T* table, int count)
{
    return QVector<T>(table, table + count);
}

PaperTables TablesOf(const FormDescription& form)
{
    switch (form.type) {
    case FormType::Cmr:
        return {Copy(CmrLayout::kBoxRecords, CmrLayout::kBoxTableSize),
                {Copy(CmrLayout::kCaptionRecordsPage1, CmrLayout::kCaptionRecordsPage1Count),
                 Copy(CmrLayout::kCaptionRecordsPage2, CmrLayout::kCaptionRecordsPage2Count)},
                CmrLayout::Sheets()};
    case FormType::National: {
        const NationalEdition edition = NationalLayout::EditionOf(form);
        return {NationalLayout::BoxRecords(edition),
                {Copy(NationalLayout::kCaptionRecords, NationalLayout::kCaptionRecordCount)},
                NationalLayout::Sheets(edition)};
    }
    case FormType::Kombi:
        return {Copy(KombiLayout::kBoxRecords, KombiLayout::kBoxTableSize),
                {Copy(KombiLayout::kCaptionRecords, KombiLayout::kCaptionRecordCount)},
                KombiLayout::Sheets()};
    case FormType::Forwarding:
        return {Copy(ForwardingLayout::kBoxRecords, ForwardingLayout::kBoxTableSize),
                {Copy(ForwardingLayout::kCaptionRecords, ForwardingLayout::kCaptionRecordCount)},
                ForwardingLayout::Sheets()};
    }
    return {};
}

// The captions of a flat page as the painter walked them: the points group by
// group, each taking the next caption string where its group's texts come
// from the string table (drawn or not), none otherwise.
QVector<CaptionRecord> WalkedCaptions(const Forms::PageDrawing& page)
{
    QVector<CaptionRecord> walked;
    const auto groups = FormTables::CaptionPointGroups(page.captionPoints);
    int next = 0;
    for (int g = 0; g < groups.size(); ++g) {
        const bool fromTable = page.captionGroups[g].source == Forms::CaptionSource::Table;
        for (const FormTables::CaptionPoint& p : groups[g]) {
            const char* text = nullptr;
            if (fromTable)
                text = next < page.captionCount ? page.captions[next] : "";
            next += fromTable ? 1 : 0;
            walked.append({p.x, p.y, g, text});
        }
    }
    return walked;
}

class FormRecords : public testing::TestWithParam<const FormDescription*>
{
protected:
    const FormDescription& Form() const { return *GetParam(); }
};

TEST_P(FormRecords, BoxesAlignmentsAndNamesAreTheTables)
{
    const FormDescription& form = Form();
    const QVector<BoxRecord> boxes = TablesOf(form).boxes;
    ASSERT_EQ(boxes.size(), form.boxCount + form.checkBoxCount + 1);
    for (int i = 0; i < boxes.size(); ++i) {
        EXPECT_EQ(boxes[i].rect, form.BoxEntry(i, 1)) << "box " << i;
        if (i >= form.boxCount)
            continue;
        EXPECT_EQ(boxes[i].align, form.alignments[i]) << "box " << i;
        const QString name = form.boxName ? form.boxName(i) : QString();
        EXPECT_EQ(QString::fromUtf8(boxes[i].name), name) << "box " << i;
        EXPECT_EQ(boxes[i].name == nullptr, name.isEmpty()) << "box " << i;
    }
    EXPECT_EQ(boxes.last().rect, form.FollowBox());
}

TEST_P(FormRecords, DefaultTextsDateAndPlaceAreTheTables)
{
    const FormDescription& form = Form();
    const QVector<BoxRecord> boxes = TablesOf(form).boxes;
    QVector<QPair<int, QByteArray>> texts, expectedTexts;
    int date = -1, place = -1;
    Forms::PlaceOfIssue placeOfIssue = Forms::PlaceOfIssue::None;
    for (int i = 0; i < form.boxCount; ++i) {
        if (boxes[i].defaultText) {
            EXPECT_STREQ(boxes[i].defaultText->defaultValue, "") << i;
            texts.append({i, boxes[i].defaultText->key});
        }
        switch (boxes[i].fill) {
        case BoxFill::None:
            break;
        case BoxFill::Date:
        case BoxFill::PlaceAndDate:
            EXPECT_EQ(date, -1) << "two date boxes";
            date = i;
            if (boxes[i].fill == BoxFill::PlaceAndDate)
                placeOfIssue = Forms::PlaceOfIssue::BeforeDate;
            break;
        case BoxFill::Place:
        case BoxFill::PlaceIfGiven:
            EXPECT_EQ(place, -1) << "two place boxes";
            place = i;
            placeOfIssue = boxes[i].fill == BoxFill::Place ? Forms::PlaceOfIssue::OwnBox
                                                           : Forms::PlaceOfIssue::OwnBoxIfGiven;
            break;
        }
    }
    for (const Forms::DefaultText& text : form.defaultTexts) {
        EXPECT_STREQ(text.setting.defaultValue, "");
        expectedTexts.append({text.box, text.setting.key});
    }
    EXPECT_EQ(texts, expectedTexts);
    EXPECT_EQ(date, form.dateBox);
    EXPECT_EQ(place, form.placeBox);
    EXPECT_EQ(placeOfIssue, form.placeOfIssue);
}

TEST_P(FormRecords, EverySheetIsItsFlatTable)
{
    const FormDescription& form = Form();
    const QVector<Forms::PublisherGroup> sheets = TablesOf(form).sheets;
    ASSERT_EQ(sheets.size(), form.publisherGroups.size());
    for (int g = 0; g < sheets.size(); ++g) {
        const Forms::PublisherGroup& flat = form.publisherGroups[g];
        EXPECT_EQ(sheets[g].publishers, flat.publishers) << "group " << g;
        EXPECT_EQ(sheets[g].marks, flat.marks) << "group " << g;
        ASSERT_EQ(sheets[g].printRects.size(), form.boxCount + form.checkBoxCount);
        for (int i = 0; i < form.boxCount + form.checkBoxCount; ++i)
            EXPECT_EQ(sheets[g].printRects[i], flat.printRects[i]) << "group " << g << " box " << i;
    }
}

TEST_P(FormRecords, CaptionsAreTheWalkedPointsAndStrings)
{
    const FormDescription& form = Form();
    const QVector<QVector<CaptionRecord>> pages = TablesOf(form).pages;
    ASSERT_EQ(pages.size(), form.pages.size());
    for (int page = 0; page < pages.size(); ++page) {
        const QVector<CaptionRecord> walked = WalkedCaptions(form.pages[page]);
        ASSERT_EQ(pages[page].size(), walked.size()) << "page " << page + 1;
        for (int i = 0; i < walked.size(); ++i) {
            const CaptionRecord& record = pages[page][i];
            const CaptionRecord& expected = walked[i];
            SCOPED_TRACE(testing::Message() << "page " << page + 1 << " caption " << i);
            EXPECT_EQ(record.x, expected.x);
            EXPECT_EQ(record.y, expected.y);
            EXPECT_EQ(record.group, expected.group);
            ASSERT_EQ(record.text == nullptr, expected.text == nullptr);
            if (expected.text) {
                EXPECT_STREQ(record.text, expected.text);
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, FormRecords, testing::ValuesIn(Forms::AllFormDescriptions()),
                         [](const testing::TestParamInfo<const FormDescription*>& info) {
                             return FormTestName(info.param);
                         });

} // namespace
