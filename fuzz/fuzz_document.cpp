// Reads arbitrary bytes as each of the document types: every input must either
// load or raise CArchiveException, never crash, hang or allocate unboundedly.
#include "documents/archive.h"
#include "documents/documentfactory.h"
#include "settings/settingsstore.h"

#include <QBuffer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdint>
#include <memory>

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
        try {
            document->LoadFromDevice(buffer);
        } catch (const CArchiveException&) {
        }
    }
    return 0;
}
