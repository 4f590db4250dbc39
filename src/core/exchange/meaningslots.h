#pragma once

#include "core/exchange/consignment.h"
#include "core/forms/formdescription.h"

#include <QVector>

// How the box meanings of a form's table make up the record's values: which
// boxes hold one value together (a slot), derived from the table alone.
namespace Exchange {

using Forms::BoxMeaning;

// How a meaning spreads over the boxes that have it.
enum class Spread : quint8 {
    Single, // one box
    Lines,  // the boxes hold the lines of one text, in index order
    Rows,   // each box starts a row: the n-th box is row n
    Cents,  // the cents of the amount in the box before
    Check,  // a check box
};
Spread SpreadOf(BoxMeaning meaning);

// The boxes of a party's name and address lines (not the one-line ordering
// party): they need room for several lines.
bool IsAddressBlock(BoxMeaning meaning);
// The amounts; only they may have a cents box after them.
bool IsAmount(BoxMeaning meaning);

// The boxes of one value of a form: a meaning and its row, the boxes in index
// order and the cents box after an amount (-1 for none).
struct Slot
{
    BoxMeaning meaning = BoxMeaning::None;
    int row = 0;
    QVector<int> boxes;
    int centsBox = -1;
};

// The slots of a form's page-1 boxes, in the order of their first box. Boxes
// without a meaning have none; a cents box that follows no amount, and a
// second box of a single meaning, have none either (the form tables' test
// holds them to this).
QVector<Slot> Slots(const Forms::FormDescription& form);
// The slot of a meaning and row, or null.
const Slot* FindSlot(const QVector<Slot>& slots, BoxMeaning meaning, int row = 0);

// The kinds of charge of the rows of the table of charges payable by sender
// and consignee (row meanings PayableBySender ... PayableByConsignee).
ChargeKind PayableRowKind(int row);
int PayableRowCount();
// The slot meaning and row that hold a charge on a form, for a charge of the
// table of charges the one of its amount.
BoxMeaning ChargeMeaning(const Charge& charge, int* row);

// What a check box's cross means, written into the record and read from it.
void SetCheck(Consignment& consignment, BoxMeaning meaning);
bool IsChecked(const Consignment& consignment, BoxMeaning meaning);

} // namespace Exchange
