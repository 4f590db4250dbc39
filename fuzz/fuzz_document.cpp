// Opens arbitrary bytes as each of the document types, the way the program opens
// a file: every input must either open or be refused with a message, never
// crash, hang or allocate unboundedly. The settings that change how a file is
// read take each of their values: "Feld6Modus" empties goods boxes of legacy CMR
// files, "Version" of the national form inserts or deletes box 44. A document
// that opens must survive a save and a reload with the same box texts, formats
// and check-box word; a forwarding order must first survive the automatic
// formatting of every box, as a user leaving each one runs it.
#include "fuzzsupport.h"

#include "core/format/stringformat.h"
#include "core/forms/forwardingsums.h"

#include <QRegularExpression>

#include <cstdint>
#include <cstdlib>

namespace {

struct Reader
{
    FormType type;
    CSettingsStore* settings;
};

void LeaveEveryBox(CKrDocument& document, CSettingsStore& settings)
{
    CFieldStore& store = document.GetStore();
    const CStringFormat format(RegionalValues::ForCountry(49));
    for (quint16 box = 0; box < store.GetFieldCount(); ++box) {
        ForwardingSums::LeaveBox(store, settings, box, format);
    }
    // Counts and their sum are whole numbers written plainly, or nothing.
    static const QRegularExpression whole(QStringLiteral("^(-?[1-9][0-9]*)?$"));
    for (int row = 0; row <= ForwardingSums::kGoodsRows; ++row) {
        const int box = row < ForwardingSums::kGoodsRows ? ForwardingSums::kFirstGoodsBox + 1 +
                                                               row * ForwardingSums::kGoodsColumns
                                                         : ForwardingSums::kCountSumBox;
        if (!whole.match(store.GetFieldText(quint16(box), 1)).hasMatch())
            std::abort();
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto plain = Fuzz::MakeSettings();
    static const auto varied = [] {
        auto settings = Fuzz::MakeSettings();
        settings->Set(QStringLiteral("CMR"), Settings::MergedGoodsRows, 1);
        settings->Set(QStringLiteral("NatFrachtbrief"), Settings::NatVersion, 2007);
        return settings;
    }();
    static const Reader readers[] = {
        {FormType::Cmr, plain.get()},      {FormType::Cmr, varied.get()},
        {FormType::National, plain.get()}, {FormType::National, varied.get()},
        {FormType::Kombi, plain.get()},    {FormType::Forwarding, plain.get()},
    };

    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (const Reader& reader : readers) {
        auto document = CreateDocument(reader.type, *reader.settings);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        const Error failed = document->OpenFromDevice(buffer);
        if (failed || document->GetLoadError() != 0)
            continue;
        if (reader.type == FormType::Forwarding)
            LeaveEveryBox(*document, *reader.settings);
        Fuzz::CheckSaveAndReload(*document, *reader.settings);
    }
    return 0;
}
