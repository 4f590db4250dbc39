// Opens arbitrary bytes as a CMR note and draws it the two ways the program
// does: the form with its texts as the screen shows it (RenderFormPage, into a
// small picture) and the print job onto the pre-printed sheet
// (PrintDocumentPages, into a PDF in memory; a QImage is no paged device). The
// page, the zoom and one of a few settings stores are chosen by the input; the
// stores hold ordinary values, the dialogs' limits and values far beyond them,
// which the drawing must survive. Nothing may crash, hang or trip the
// sanitizers; a print job must succeed.
#include "fuzzsupport.h"
#include "render/printing/printjob.h"
#include "render/views/formrender.h"

#include <QGuiApplication>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include <climits>
#include <cstdint>
#include <vector>

namespace {

const QString kCmr = QStringLiteral("CMR");
const QString kMain = QStringLiteral("Settings");

struct Profile
{
    int publisher, mergedGoodsRows, fontFactor, margin, correction;
};

// Everyday values, the dialogs' limits and the integer limits.
const Profile kProfiles[] = {
    {0, 0, 95, 0, 1000},
    {2, 1, 150, 200, 1030},
    {7, 1, INT_MAX, INT_MIN, INT_MIN},
    {1, 0, INT_MIN, INT_MAX, INT_MAX},
};

std::vector<std::unique_ptr<CSettingsStore>> MakeStores()
{
    std::vector<std::unique_ptr<CSettingsStore>> stores;
    for (const Profile& p : kProfiles) {
        auto settings = Fuzz::MakeSettings();
        settings->Set(kCmr, Settings::Publisher, p.publisher);
        settings->Set(kCmr, Settings::MergedGoodsRows, p.mergedGoodsRows);
        settings->Set(kCmr, Settings::PrinterFontFactor, p.fontFactor);
        for (const IntSetting& margin : {Settings::LeftMargin1, Settings::TopMargin1,
                                         Settings::LeftMargin2, Settings::TopMargin2})
            settings->Set(kCmr, margin, p.margin);
        settings->Set(kMain, Settings::PrnFactorV, p.correction);
        settings->Set(kMain, Settings::PrnFactorH, p.correction);
        stores.push_back(std::move(settings));
    }
    return stores;
}

void EnsureGuiApplication()
{
    if (QGuiApplication::instance())
        return;
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "fuzz_render";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv); // lives as long as the process
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    EnsureGuiApplication();
    static const auto stores = MakeStores();

    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    // The same input always meets the same settings, so that a crash replays.
    const quint16 sum = qChecksum(bytes);
    CSettingsStore& settings = *stores[sum % stores.size()];
    const int zoom = 10 + (sum >> 8) % 16;
    const int page = 1 + (sum >> 12) % 2;

    auto document = CreateDocument(FormType::Cmr, settings);
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    if (const Error damaged = document->OpenFromDevice(buffer))
        return 0;

    // The sheet at a tenth of its size: the same drawing in a small picture.
    QImage image(210, 350, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.scale(1.0 / zoom, 1.0 / zoom);
        RenderFormPage(painter, *document, PrintContext::Read(document->Form(), settings), page,
                       zoom);
    }

    QByteArray pdf;
    QBuffer out(&pdf);
    out.open(QIODevice::WriteOnly);
    QPdfWriter writer(&out);
    writer.setResolution(72);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
    if (const Error error = PrintDocumentPages(
            writer, *document, PrintContext::Read(document->Form(), settings), page, 1))
        std::abort();
    return 0;
}
