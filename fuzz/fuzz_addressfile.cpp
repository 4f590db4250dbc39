// Reads arbitrary bytes as an address data file: every input must either load,
// be refused for its header or throw the archive's Error, never crash, hang or
// allocate unboundedly. A list that loads must come back unchanged from being
// written and read again.
#include "core/addresses/addressfile.h"
#include "core/documents/archive.h"

#include <QBuffer>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    QBuffer in(&bytes);
    in.open(QIODevice::ReadOnly);
    QStringList records;
    try {
        if (ReadAddressList(in, records) == AddressFileHeader::Unknown)
            return 0;
    } catch (const Error&) {
        return 0;
    }

    QByteArray written;
    QBuffer out(&written);
    out.open(QIODevice::WriteOnly);
    WriteAddressList(out, records);
    out.close();
    out.open(QIODevice::ReadOnly);
    QStringList again;
    if (ReadAddressList(out, again) != AddressFileHeader::Current || again != records)
        std::abort();
    return 0;
}
