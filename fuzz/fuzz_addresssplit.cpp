// Reads arbitrary bytes as the text of an address box, as a party's and as a
// place's: the splitter must never crash or hang, must drop nothing (every
// digit of the text is still in the address it gives: postcodes, house and
// telephone numbers), and what it gives must survive being written back and
// read again unchanged.
#include "core/exchange/addresssplit.h"

#include <cstdint>
#include <cstdlib>

namespace {

QString Digits(const QString& text)
{
    QString digits;
    for (const QChar c : text)
        if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
            digits += c;
    std::sort(digits.begin(), digits.end());
    return digits;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), qsizetype(size));
    for (Exchange::AddressRole role :
         {Exchange::AddressRole::Party, Exchange::AddressRole::Place}) {
        const Exchange::AddressSplit split = Exchange::SplitAddress(text, role);
        const QString written = Exchange::ComposeAddress(split.address, split.contact, role);
        if (Digits(written) != Digits(text))
            std::abort();
        const Exchange::AddressSplit again = Exchange::SplitAddress(written, role);
        if (!(again.address == split.address) || !(again.contact == split.contact))
            std::abort();
    }
    return 0;
}
