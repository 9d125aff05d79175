// The settings file at exit and at the next start: written through a
// temporary file (fsync, rename) and read back, with edited Japanese tables.
#include "shell/settings.h"

#include <benchmark/benchmark.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "shell/globals.h"
#include "shell/tables.h"

namespace {

void EditedSettings() {
    talvo::InitAllTables();
    talvo::WinLeft = 1200, talvo::WinTop = 900, talvo::WinWidth = 12000, talvo::WinHeight = 9000;
    talvo::RecentCount = 4;
    for (int n = 1; n <= 4; ++n)
        talvo::RecentFile[n] = "/home/技師/現場" + std::to_string(n) + "/のり枠,試算.kvd";
    talvo::UnitWeightTable[0][4] = {"モルタル（軽量）", "19.5"};
}

void BM_SaveAndLoad(benchmark::State& state) {
    EditedSettings();
    const std::string path = "/tmp/talvo_bench_" + std::to_string(::getpid()) + ".ini";
    for (auto _ : state) {
        if (!talvo::SaveSettings(path)) state.SkipWithError("save failed");
        benchmark::DoNotOptimize(talvo::LoadSettings(path, 19200, 14400));
    }
    std::remove(path.c_str());
}
BENCHMARK(BM_SaveAndLoad)->Unit(benchmark::kMicrosecond);

void BM_LoadOnly(benchmark::State& state) {
    EditedSettings();
    const std::string path = "/tmp/talvo_bench_" + std::to_string(::getpid()) + "_r.ini";
    talvo::SaveSettings(path);
    for (auto _ : state) benchmark::DoNotOptimize(talvo::LoadSettings(path, 19200, 14400));
    std::remove(path.c_str());
}
BENCHMARK(BM_LoadOnly)->Unit(benchmark::kMicrosecond);

// The same without the disk: what the program itself spends.
void BM_SaveAndLoadInMemory(benchmark::State& state) {
    EditedSettings();
    for (auto _ : state) {
        const std::string bytes = talvo::SerializeSettings();
        benchmark::DoNotOptimize(talvo::LoadSettingsFromBytes(bytes, 19200, 14400));
    }
}
BENCHMARK(BM_SaveAndLoadInMemory)->Unit(benchmark::kMicrosecond);

// A file with a line lost in the middle: the reader lines it up with the layout.
void BM_LoadDamagedInMemory(benchmark::State& state) {
    EditedSettings();
    std::string bytes = talvo::SerializeSettings();
    std::size_t at = 0;
    for (int k = 0; k < 40; ++k) at = bytes.find("\r\n", at) + 2;
    bytes.erase(at, bytes.find("\r\n", at) + 2 - at);
    for (auto _ : state)
        benchmark::DoNotOptimize(talvo::LoadSettingsFromBytes(bytes, 19200, 14400));
}
BENCHMARK(BM_LoadDamagedInMemory)->Unit(benchmark::kMicrosecond);

}  // namespace
