#pragma once

#include "core/forms/formdescription.h"
#include "core/forms/formtables.h"

#include <ostream>
#include <string>

// Found by argument-dependent lookup from the assertions on table entries.
namespace FormTables {

inline bool operator==(const BoxRect& a, const BoxRect& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

inline bool operator==(const Segment& a, const Segment& b)
{
    return a.x1 == b.x1 && a.y1 == b.y1 && a.x2 == b.x2 && a.y2 == b.y2;
}

inline std::ostream& operator<<(std::ostream& os, const BoxRect& r)
{
    return os << '(' << r.left << ", " << r.top << ", " << r.right << ", " << r.bottom << ')';
}

inline std::ostream& operator<<(std::ostream& os, const Segment& s)
{
    return os << '(' << s.x1 << ", " << s.y1 << ", " << s.x2 << ", " << s.y2 << ')';
}

} // namespace FormTables

// A row the paper form fixes exactly: entry `index` of the box table
// (publisher -1) or of a publisher's print table.
struct TellingRow
{
    const char* what;
    int publisher;
    int index;
    FormTables::BoxRect expected;

    FormTables::BoxRect Actual(const Forms::FormDescription& form) const
    {
        return publisher < 0 ? form.BoxEntry(index, 1)
                             : form.PrintEntry(index, 1, publisher, false);
    }
};

inline void PrintTo(const TellingRow& row, std::ostream* os)
{
    *os << row.what;
}

// A test name for every form and edition of the engine: "cmr2009", "national072009".
inline std::string FormTestName(const Forms::FormDescription* form)
{
    std::string name = GetFormTypeInfo(form->type).name.data();
    for (const QChar c : form->editionText)
        if (c.isLetterOrNumber())
            name += char(c.toLatin1());
    return name;
}
