// The report of a filled work-type-4 design (ground anchors, results brought
// up to date, the first row of each set chosen): the short and the full
// report recorded by the chapter sequencer, and the recorded document turned
// into PDF. Aims: recording under 5 ms, PDF under 150 ms.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QByteArray>
#include <cstdio>

#include "../filled_design.h"
#include "platform/printcontrol.h"
#include "report/chapters/sequencer.h"
#include "report/printcommand.h"
#include "results/rebuild.h"
#include "shell/globals.h"
#include "shell/message.h"

namespace {

// Answers the question before printing results marked OUT with Yes.
class YesToAll : public talvo::MessageSink {
public:
    talvo::MsgResult Show(const talvo::MessageRequest&) override { return talvo::MsgResult::Yes; }
};

void PrepareDesign() {
    talvo::bench::FillDesign(4);
    talvo::DesignData& d = talvo::Design;
    d.DistrictName = "中川地区 地すべり対策";
    d.LineName = "市道中川線 No.22";
    // The materials and the soil unnamed, so that the page and size counters
    // stay comparable with earlier runs.
    d.FrameMaterial = d.InfillName = d.SoilName = "";
    talvo::SetAllRecalc(true);
    talvo::RunResultsActivation();
    d.KekkaPrintRow = {1, 1};
    YesToAll yes;
    talvo::MessageSink* previous = talvo::SetMessageSink(&yes);
    if (!talvo::PreparePrint()) std::fprintf(stderr, "the print rows were refused\n");
    talvo::SetMessageSink(previous);
}

void Record(talvo::PrintControl& control, int insFlg) {
    control.SetFooter("- %d -");
    talvo::report::MakeChapterReport(4)->DrawReport(control, insFlg);
}

void BM_RecordReport(benchmark::State& state) {
    PrepareDesign();
    const int insFlg = static_cast<int>(state.range(0));
    int pages = 0;
    for (auto _ : state) {
        talvo::PrintControl control;
        Record(control, insFlg);
        pages = control.PageCount();
        benchmark::DoNotOptimize(pages);
    }
    state.counters["pages"] = pages;
}
BENCHMARK(BM_RecordReport)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

void BM_ReportPdf(benchmark::State& state) {
    PrepareDesign();
    talvo::PrintControl control;
    Record(control, static_cast<int>(state.range(0)));
    qsizetype bytes = 0;
    for (auto _ : state) {
        const QByteArray pdf = control.PdfBytes();
        bytes = pdf.size();
        benchmark::DoNotOptimize(bytes);
    }
    state.counters["pages"] = control.PageCount();
    state.counters["kB"] = bytes / 1024.0;
}
BENCHMARK(BM_ReportPdf)->Arg(0)->Arg(1)->ArgName("full")->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
