// Start-up of Talvo-SI until the main window is shown and idle, offscreen:
// settings file, help-file search, main window with its tools and the
// selection step, optionally the sample design from the command line.
// Reports the first (cold) start separately, and the peak memory of the run.
#include "shell/windows/Startup.h"

#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "shell/windows/MainWindow.h"

namespace {

std::string g_folder;
const std::string kSample =
    (std::filesystem::path(__FILE__).parent_path() / "../../examples/sample.kvd")
        .lexically_normal()
        .string();

void Idle() {
    for (int i = 0; i < 3; ++i) {
        QCoreApplication::sendPostedEvents();
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

talvo::MainFrame* StartOnce(bool withSample) {
    talvo::StartupEnvironment env;
    env.programFolder = g_folder;
    env.currentFolder = g_folder;
    if (withSample) env.args = {kSample};
    talvo::MainFrame* main = talvo::StartTalvo(env);
    Idle();
    return main;
}

double PeakMegabytes() {
    rusage ru{};
    getrusage(RUSAGE_SELF, &ru);
    return ru.ru_maxrss / 1024.0;  // kilobytes on Linux
}

void BM_StartUp(benchmark::State& state) {
    const bool withSample = state.range(0) != 0;
    for (auto _ : state) {
        talvo::MainFrame* main = StartOnce(withSample);
        state.PauseTiming();
        main->SetEndProcess({});
        delete main;
        Idle();
        state.ResumeTiming();
    }
    state.counters["peak_MB"] = PeakMegabytes();
}
BENCHMARK(BM_StartUp)->Arg(0)->Arg(1)->ArgName("sample")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QTemporaryDir dir;
    g_folder = dir.path().toStdString();
    std::ofstream(g_folder + "/Talvo-SI.HLP") << "help";

    // The first start pays for loading fonts, styles and the platform plugin.
    QElapsedTimer cold;
    cold.start();
    talvo::MainFrame* first = StartOnce(true);
    const double coldMs = cold.nsecsElapsed() / 1e6;
    delete first;
    Idle();
    std::printf("cold start with the sample design: %.1f ms, peak memory %.1f MB\n", coldMs,
                PeakMegabytes());

    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    std::printf("peak memory of the run: %.1f MB\n", PeakMegabytes());
    return 0;
}
