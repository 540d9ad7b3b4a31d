// One animation step of the busiest mechanism, and one frame of the picture area.
#include "app/main_window_model.h"
#include "app/platform/qt_services.h"
#include "mechanisms/animation.h"
#include "mechanisms/picture_view.h"

#include <QApplication>
#include <QPainter>
#include <benchmark/benchmark.h>

using namespace cinemoto;

static void ChainDriveTick(benchmark::State &state)
{
    DrawingParts parts;
    DrawingState drawing;
    initialLayout(parts, drawing);
    fillWheelCentres(drawing, 5);
    showParts(parts, drawing, 5);
    for (auto _ : state) {
        animateMechanism(parts, drawing, 5);
        benchmark::DoNotOptimize(parts.secondChainRun[9].left);
    }
}
BENCHMARK(ChainDriveTick);

static void PaintFrame(benchmark::State &state)
{
    static int argc = 1;
    static char name[] = "bench";
    static char *argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication app(argc, argv);
    QtServices services;
    MainWindowModel model(services.all(), TextCatalogue::builtIn());
    model.load();
    model.selectOption(model.c.typeOptions[2]);
    model.selectOption(model.c.mechanismOptions[5]);
    model.onAnimationTick();
    PictureView view(model);
    const double scale = double(state.range(0));
    QImage image(QSize(int(379 * scale), int(208 * scale)), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        model.onAnimationTick();
        QPainter p(&image);
        view.paintScene(p, QSizeF(image.size()));
    }
}
BENCHMARK(PaintFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

BENCHMARK_MAIN();
