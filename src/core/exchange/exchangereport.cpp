#include "core/exchange/exchangereport.h"

namespace Exchange {

bool operator==(const ReportItem& a, const ReportItem& b)
{
    return a.kind == b.kind && a.box == b.box && a.meaning == b.meaning && a.row == b.row &&
           a.element == b.element && a.limit == b.limit && a.breaksSchema == b.breaksSchema &&
           a.issue == b.issue && a.text == b.text;
}

} // namespace Exchange
