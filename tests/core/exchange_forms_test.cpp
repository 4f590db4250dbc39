// What every form's box table says about the meanings of its boxes: each
// meaning only where it is meant, as often as it may be, in boxes that can
// hold it.
#include "core/exchange/meaningslots.h"
#include "core/forms/formdescription.h"
#include "core/forms/nationallayout.h"
#include "core/printing/printcontext.h"
#include "formtablestest.h"

#include <gtest/gtest.h>

#include <QSet>

namespace {

using Exchange::Slot;
using Exchange::Spread;
using Forms::BoxFill;
using Forms::BoxMeaning;
using Forms::FormDescription;

class FormMeanings : public ::testing::TestWithParam<const FormDescription*>
{
protected:
    const FormDescription& Form() const { return *GetParam(); }
    BoxMeaning Meaning(int box) const { return Form().boxes[box].meaning; }
};

// Every box with a meaning belongs to a slot, once; single meanings lie on one
// box; a cents box follows the box of an amount.
TEST_P(FormMeanings, everyMeaningBoxBelongsToExactlyOneSlot)
{
    QVector<int> owners(Form().boxCount, 0);
    for (const Slot& slot : Exchange::Slots(Form())) {
        for (int box : slot.boxes)
            ++owners[box];
        if (slot.centsBox >= 0)
            ++owners[slot.centsBox];
        if (Exchange::SpreadOf(slot.meaning) == Spread::Single) {
            EXPECT_EQ(slot.boxes.size(), 1) << "box " << slot.boxes.first();
        }
    }
    for (int box = 0; box < Form().boxCount; ++box)
        EXPECT_EQ(owners[box], Meaning(box) == BoxMeaning::None ? 0 : 1) << "box " << box;
}

TEST_P(FormMeanings, checkBoxesAndOnlyTheyMeanACrossOfOneKind)
{
    for (int box = 0; box < Form().boxCount; ++box)
        EXPECT_NE(Exchange::SpreadOf(Meaning(box)), Spread::Check) << "box " << box;
    QSet<BoxMeaning> crosses;
    for (int k = 0; k < Form().checkBoxCount; ++k) {
        const BoxMeaning meaning = Meaning(Form().boxCount + k);
        EXPECT_EQ(Exchange::SpreadOf(meaning), Spread::Check) << "check box " << k;
        crosses.insert(meaning);
    }
    EXPECT_EQ(crosses.size(), Form().checkBoxCount);
    // One word crosses one of them: they are one question.
    Exchange::Consignment both;
    for (BoxMeaning meaning : crosses)
        Exchange::SetCheck(both, meaning);
    int checked = 0;
    for (BoxMeaning meaning : crosses)
        checked += Exchange::IsChecked(both, meaning) ? 1 : 0;
    EXPECT_EQ(checked, crosses.isEmpty() ? 0 : 1);
}

// A party's name and address need several lines; they are the boxes that take
// an address from the address book.
TEST_P(FormMeanings, addressBlocksAreMultiLineAddressBoxes)
{
    const int lineHeight = CBoxFontHeights().Height('D', Form().fontSizeStep, false);
    for (int box = 0; box < Form().boxCount; ++box) {
        if (!Exchange::IsAddressBlock(Meaning(box)))
            continue;
        const FormTables::BoxRect& r = Form().boxes[box].rect;
        EXPECT_GE((r.bottom - r.top) / lineHeight, 3) << "box " << box;
        EXPECT_TRUE(Form().IsAddressBox(box)) << "box " << box;
    }
}

// The boxes a new note fills with the place and date of issue mean them.
TEST_P(FormMeanings, automaticDateAndPlaceBoxesMeanTheIssue)
{
    for (int box = 0; box < Form().boxCount; ++box) {
        switch (Form().boxes[box].fill) {
        case BoxFill::Date:
            EXPECT_EQ(Meaning(box), BoxMeaning::DateOfIssue) << "box " << box;
            break;
        case BoxFill::PlaceAndDate:
            EXPECT_EQ(Meaning(box), BoxMeaning::PlaceAndDateOfIssue) << "box " << box;
            break;
        case BoxFill::Place:
        case BoxFill::PlaceIfGiven:
            EXPECT_EQ(Meaning(box), BoxMeaning::PlaceOfIssue) << "box " << box;
            break;
        case BoxFill::None:
            break;
        }
    }
}

// Rows are counted down the form: row n + 1 lies below row n, and the columns
// of a table have as many rows as each other.
TEST_P(FormMeanings, rowsRunDownTheFormAndColumnsAreEqualInLength)
{
    QHash<BoxMeaning, QVector<int>> rows;
    for (const Slot& slot : Exchange::Slots(Form()))
        if (Exchange::SpreadOf(slot.meaning) == Spread::Rows)
            rows[slot.meaning].append(slot.boxes.first());
    for (auto it = rows.cbegin(); it != rows.cend(); ++it)
        for (int r = 1; r < it.value().size(); ++r)
            EXPECT_GT(Form().boxes[it.value()[r]].rect.top,
                      Form().boxes[it.value()[r - 1]].rect.top)
                << "meaning " << int(it.key()) << " row " << r;

    QSet<int> goodsRows;
    for (BoxMeaning column :
         {BoxMeaning::GoodsMarks, BoxMeaning::GoodsPackages, BoxMeaning::GoodsPacking,
          BoxMeaning::GoodsPackagesAndPacking, BoxMeaning::GoodsDescription,
          BoxMeaning::GoodsStatisticalNumber, BoxMeaning::GoodsGrossWeight, BoxMeaning::GoodsVolume,
          BoxMeaning::GoodsWeightOrVolume, BoxMeaning::GoodsLoadingWeight})
        if (rows.contains(column))
            goodsRows.insert(int(rows[column].size()));
    EXPECT_EQ(goodsRows.size(), 1);
    for (BoxMeaning column : {BoxMeaning::PayableBySender, BoxMeaning::SenderCurrency,
                              BoxMeaning::ConsigneeCurrency, BoxMeaning::PayableByConsignee})
        if (rows.contains(column)) {
            EXPECT_EQ(rows[column].size(), Exchange::PayableRowCount());
        }
}

// Weights, volumes and amounts of charges are numbers: their boxes align them
// to the right, as the form prints them.
TEST_P(FormMeanings, numberBoxesAreRightAligned)
{
    const QSet<BoxMeaning> measures{BoxMeaning::GoodsGrossWeight, BoxMeaning::GoodsVolume,
                                    BoxMeaning::GoodsWeightOrVolume,
                                    BoxMeaning::GoodsLoadingWeight};
    for (int box = 0; box < Form().boxCount; ++box) {
        const BoxMeaning meaning = Meaning(box);
        const bool charge = Exchange::IsAmount(meaning) && meaning != BoxMeaning::CashOnDelivery;
        if (charge || measures.contains(meaning)) {
            EXPECT_EQ(Form().boxes[box].align, Forms::kRight) << "box " << box;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(AllForms, FormMeanings, ::testing::ValuesIn(Forms::AllFormDescriptions()),
                         [](const ::testing::TestParamInfo<const FormDescription*>& info) {
                             return FormTestName(info.param);
                         });

// The 2007 national note means what the 2009 one means, box for box, but for
// the tunnel restriction code it lacks.
TEST(NationalMeanings, the2007EditionLacksOnlyTheTunnelCode)
{
    const FormDescription& form2009 = NationalLayout::Description(NationalEdition::Edition2009);
    const FormDescription& form2007 = NationalLayout::Description(NationalEdition::Edition2007);
    for (int box = 0; box < form2009.boxCount + form2009.checkBoxCount; ++box) {
        if (box == NationalLayout::kTunnelCodeBox) {
            EXPECT_EQ(form2009.boxes[box].meaning, BoxMeaning::DangerousTunnelCode);
            continue;
        }
        const int box2007 = box < NationalLayout::kTunnelCodeBox ? box : box - 1;
        EXPECT_EQ(form2007.boxes[box2007].meaning, form2009.boxes[box].meaning) << "box " << box;
    }
}

} // namespace
