// Reads arbitrary bytes as a CSV and as a vCard file of addresses: every input
// must give records, refusals or a message for the whole file, never crash, hang
// or allocate unboundedly. What was taken must survive being exported and
// imported again: exactly as CSV, record for record as vCard.
#include "core/addresses/addressexchange.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (AddressFormat format : {AddressFormat::Csv, AddressFormat::VCard}) {
        const AddressImport import = ReadAddresses(bytes, format);
        if (import.error || import.records.isEmpty())
            continue;
        const AddressImport csv = ReadAddressCsv(WriteAddressCsv(import.records));
        if (csv.records != import.records || !csv.refused.isEmpty())
            std::abort();
        const AddressImport vcf = ReadAddressVCards(WriteAddressVCards(import.records));
        if (vcf.records.size() != import.records.size() || !vcf.refused.isEmpty())
            std::abort();
    }
    return 0;
}
