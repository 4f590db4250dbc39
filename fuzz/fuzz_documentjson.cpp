// Feeds arbitrary bytes to `tarvelomark-cli build` as its JSON: the JSON is read
// and applied to a new document of every form, as the tool does for the form it
// names. A refused JSON must leave the document exactly as it was (nothing half
// applied); an accepted one must give a document that survives a save and a
// reload, and a dump of it must build the same document again.
#include "core/documents/documentjson.h"
#include "core/errors/errortext.h"
#include "fuzzsupport.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const auto settings = Fuzz::MakeSettings();

    const QJsonDocument json = QJsonDocument::fromJson(
        QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size)));
    if (!json.isObject())
        return 0;
    for (FormType type :
         {FormType::Cmr, FormType::National, FormType::Kombi, FormType::Forwarding}) {
        auto document = CreateDocument(type, *settings);
        document->OnNewDocument();
        const QJsonObject before = DocumentToJson(*document);
        if (const Error error = ApplyDocumentJson(*document, json.object())) {
            if (ErrorMessage(error).isEmpty() || DocumentToJson(*document) != before ||
                document->IsModified())
                std::abort();
            continue;
        }
        Fuzz::CheckSaveAndReload(*document, *settings);

        auto rebuilt = CreateDocument(type, *settings);
        rebuilt->OnNewDocument();
        if (ApplyDocumentJson(*rebuilt, DocumentToJson(*document)) ||
            !Fuzz::SameContents(*document, *rebuilt))
            std::abort();
    }
    return 0;
}
