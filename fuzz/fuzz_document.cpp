// Opens arbitrary bytes as each of the document types, the way the program opens
// a file: every input must either open or be refused with a message, never
// crash, hang or allocate unboundedly. A document that opens must survive a save
// and a reload with the same box texts.
#include "documents/documentfactory.h"
#include "settings/settingsstore.h"

#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>
#include <memory>

namespace {

QStringList AllTexts(const CKrDocument& document)
{
    return document.GetStore().PageTexts() + document.GetStore().FollowTexts();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static QTemporaryDir dir;
    static CSettingsStore settings(std::make_unique<QSettings>(
        dir.filePath(QStringLiteral("fuzz.ini")), QSettings::IniFormat));

    QByteArray bytes(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    for (FormType type : {FormType::Cmr, FormType::National, FormType::Kombi,
                          FormType::Forwarding}) {
        auto document = CreateDocument(type, settings);
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::ReadOnly);
        if (!document->OpenFromDevice(buffer) || document->GetLoadError() != 0)
            continue;

        QByteArray saved;
        QBuffer out(&saved);
        out.open(QIODevice::WriteOnly);
        document->SaveToDevice(out); // trims the texts it writes, in the store too
        auto reloaded = CreateDocument(type, settings);
        QBuffer in(&saved);
        in.open(QIODevice::ReadOnly);
        if (!reloaded->OpenFromDevice(in) || AllTexts(*reloaded) != AllTexts(*document))
            std::abort();
    }
    return 0;
}
