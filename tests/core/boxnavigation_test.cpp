#include "core/forms/boxnavigation.h"
#include "core/forms/formdescription.h"

#include <QMap>

#include <gtest/gtest.h>

namespace {

struct MoveCase
{
    const char* what;
    int fieldCount;
    bool merged;
    int from;
    int next;
    int previous;
};

TEST(BoxNavigation, MovesWrapPerFormAndMergedRowsJump)
{
    const MoveCase cases[] = {
        {"cmr last wraps", 176, false, 175, 0, 174},
        {"cmr first wraps back", 176, false, 0, 1, 175},
        {"kombi", 138, false, 137, 0, 136},
        {"kombi first", 138, false, 0, 1, 137},
        {"national 2009", 127, false, 126, 0, 125},
        {"national 2007", 126, false, 125, 0, 124},
        {"forwarding", 106, false, 105, 0, 104},
        {"forwarding first", 106, false, 0, 1, 105},
        {"merged row start jumps to its end", 176, true, 8, 12, 7},
        {"merged row end goes back to its start", 176, true, 12, 13, 8},
        {"last merged row", 176, true, 64, 68, 63},
        {"merged mode does not wrap at the end", 176, true, 175, 175, 174},
        {"merged mode does not wrap at the start", 176, true, 0, 1, 0},
    };
    for (const MoveCase& c : cases) {
        EXPECT_EQ(NextBox(c.fieldCount, c.from, c.merged), c.next) << c.what;
        EXPECT_EQ(PreviousBox(c.fieldCount, c.from, c.merged), c.previous) << c.what;
    }
}

// F2 takes an address only in the sender, consignee and carrier boxes; both
// editions of the national note share theirs.
TEST(BoxNavigation, AddressBoxesPerForm)
{
    const QMap<FormType, QVector<int>> expected = {
        {FormType::Cmr, {0, 1, 5, 6}},
        {FormType::National, {0, 5}},
        {FormType::Kombi, {0, 1, 5}},
        {FormType::Forwarding, {2, 10, 15, 17}},
    };
    for (const Forms::FormDescription* form : Forms::AllFormDescriptions()) {
        QVector<int> actual;
        for (int box = 0; box < form->boxCount; ++box) {
            if (form->IsAddressBox(box))
                actual.append(box);
        }
        EXPECT_EQ(actual, expected.value(form->type)) << int(form->type);
    }
}

} // namespace
