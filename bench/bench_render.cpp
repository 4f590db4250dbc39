// Drawing a completely filled CMR front page at the largest zoom: what one
// repaint of the view costs in the worst case.
#include "documents/cmrdoc.h"
#include "rendercontext.h"
#include "settings/settingsstore.h"
#include "views/formrender.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSettings>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

namespace {

void BM_RenderFilledCmrPage1Zoom25(benchmark::State& state)
{
    QTemporaryDir dir;
    CSettingsStore settings(
        std::make_unique<QSettings>(dir.filePath(QStringLiteral("b.ini")), QSettings::IniFormat));
    CCMRDoc doc(settings);
    doc.OnNewDocument();
    for (quint16 i = 0; i < doc.GetStore().GetFieldCount(); ++i)
        doc.GetStore().SetFieldText(i, QStringLiteral("Mustermann GmbH\r\nHafenstraße %1").arg(i),
                                    1);
    constexpr int kZoom = 25;
    QImage image(int(205 * kZoom / 10.0 / 25.4 * 96) + 1, int(298 * kZoom / 10.0 / 25.4 * 96) + 1,
                 QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setTransform(Render::TenthMillimetreTransform(image, 10));
        RenderFormPage(painter, doc, settings, 1, kZoom);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderFilledCmrPage1Zoom25)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
