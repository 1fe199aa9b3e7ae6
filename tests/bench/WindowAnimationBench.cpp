// The main window's animation: one tick with its paint and both presents, and a whole
// animated move of 1000 pixels at speed 10 from the choice to the last paint. Runs on the
// offscreen platform unless QT_QPA_PLATFORM says otherwise (for example xcb under Xvfb).
#include "JpegWriter.h"
#include "TempDir.h"
#include "TestFiles.h"
#include "app/qt/TForm1.h"

#include <QApplication>
#include <QComboBox>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>

namespace orvd {
namespace {

using orvd::testing::EncodeJpeg;
using orvd::testing::TempDir;
using orvd::testing::WriteFile;

// A main window at its initial size on a 4000 x 3000 map, crosshair on, speed 10.
struct Program {
    TempDir dir;
    std::unique_ptr<TForm1> form;

    Program() {
        static int argc = 1;
        static char name[] = "window_animation_bench";
        static char* argv[] = {name, nullptr};
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
            qputenv("QT_QPA_PLATFORM", "offscreen");
        static QApplication app(argc, argv);

        Image map(4000, 3000);
        for (int y = 0; y < map.Height(); ++y)
            for (int x = 0; x < map.Width(); ++x)
                map.Set(x, y, MakePixel(std::uint8_t(x), std::uint8_t(y), std::uint8_t(x ^ y)));
        WriteFile(dir.File("NR.map"), EncodeJpeg(map, 85));
        WriteFile(dir.File("NR_small.map"), EncodeJpeg(Image(200, 150, MakePixel(9, 99, 9))));
        // Far lies 1000 pixels right of Start, which is under the crosshair at (0, 0).
        WriteFile(
            dir.File("NR_Engli.dat"),
            "[PROPERTIES]\r\nlanguage=English\r\n[DATA]\r\nFar=1193,199\r\nStart=193,199\r\n");
        WriteFile(dir.File("ORVDMAP.ini"),
                  "[Config]\r\nAnimationSpeed=10\r\nAnimate=1\r\nCross=1\r\n");
        form = std::make_unique<TForm1>(dir.File("ORVDMAP"), "");
        form->show();
        const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
        while (std::chrono::steady_clock::now() < until)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
};

void BM_WindowAnimationTick(benchmark::State& state) {
    Program p;
    bool forth = true;
    for (auto _ : state) {
        if (!p.form->State().Animation.Animating()) {
            p.form->MoveMap(forth ? 3700 : -100, forth ? 2700 : -100, true);
            forth = !forth;
        }
        p.form->Timer1Timer();
    }
}

// Wall time from the user's choice until the tick that ends the slide has painted.
void BM_AnimatedMove1000AtSpeed10(benchmark::State& state) {
    Program p;
    auto* list = p.form->findChild<QComboBox*>("ComboBox1");
    auto* timer = p.form->findChild<QTimer*>("Timer1");
    int ticks = 0;
    QObject::connect(timer, &QTimer::timeout, [&] { ++ticks; });
    int index = 0; // Far, then Start, then Far ...
    for (auto _ : state) {
        ticks = 0;
        const auto start = std::chrono::steady_clock::now();
        list->setCurrentIndex(index);
        emit list->activated(index);
        while (timer->isActive())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        state.SetIterationTime(
            std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
        if (ticks != 101)
            state.SkipWithError("the move did not take 101 ticks");
        index = 1 - index;
    }
    state.counters["ticks"] = ticks;
}

BENCHMARK(BM_WindowAnimationTick)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_AnimatedMove1000AtSpeed10)
    ->UseManualTime()
    ->Iterations(6)
    ->Unit(benchmark::kMillisecond);

} // namespace
} // namespace orvd
