#pragma once

#include <QString>

namespace Forms {

// What a form's automatic formatting did to the text of the box being left,
// where it did more than trim it and write the same value anew, so that the
// view can tell the user and mark the box. Core names the change; the words
// are the view's.
struct BoxChange
{
    enum class Kind {
        None,
        NotANumber,        // no number in the text: emptied
        Negative,          // a number below 0: emptied
        Zero,              // 0 followed by other text: emptied
        CutToNumber,       // the number kept, the text after it dropped
        ReadWithThousands, // thousands characters left out where no groups stood
        Rounded,           // more decimals than the box keeps
    };

    Kind kind = Kind::None;
    int box = -1;   // page-1 box index of the store
    int field = 0;  // the form's number of the field the box belongs to
    int row = 0;    // the row of a table counted from 1, 0 outside one
    QString before; // the text as typed, trimmed
    QString after;  // the text the box holds now

    explicit operator bool() const { return kind != Kind::None; }
};

} // namespace Forms
