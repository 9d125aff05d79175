// The reports of the worked designs. With TALVO_REPORT_DIR set, each design
// file of examples/ (or of the folder TALVO_REPORT_DESIGNS names) has its
// results brought up to date, the first row of each set chosen, and its short
// and full report written there as NAME-short.pdf and NAME-full.pdf. Without
// the variable, each example's short report is only built in memory.
#include <gtest/gtest.h>

#include <QDir>
#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/printcontrol.h"
#include "report/chapters/sequencer.h"
#include "report/printcommand.h"
#include "results/checked_designs.h"
#include "results/designchecks.h"
#include "results/printrows.h"
#include "results/rebuild.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "support/filled_design.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

// Answers every question Yes (printing results marked OUT included).
class YesToAll : public MessageSink {
public:
    YesToAll() : previous_(SetMessageSink(this)) {}
    ~YesToAll() override { SetMessageSink(previous_); }
    MsgResult Show(const MessageRequest& request) override {
        texts.push_back(request.text);
        switch (request.buttons) {
            case MsgButtons::Ok:
            case MsgButtons::OkCancel:
                return MsgResult::Ok;
            default:
                return MsgResult::Yes;
        }
    }
    std::vector<std::string> texts;

private:
    MessageSink* previous_;
};

std::string Env(const char* name) {
    const char* v = std::getenv(name);
    return v ? std::string(v) : std::string();
}

// Made absolute as the tests start: a test before this one may leave the
// current folder elsewhere (a file dialog moves into the folder it chose),
// and the source path may be relative.
const fs::path kExamplesFolder =
    fs::absolute(fs::path(__FILE__).parent_path() / "../../../examples").lexically_normal();

fs::path DesignFolder() {
    const std::string named = Env("TALVO_REPORT_DESIGNS");
    if (!named.empty()) return fs::path(named);
    return kExamplesFolder;
}

std::vector<fs::path> DesignFiles(const fs::path& folder) {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(folder))
        if (entry.is_regular_file() && entry.path().extension() == ".kvd")
            files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

// Reads the design and brings its results up to date as the results window
// does.
void OpenDesign(const fs::path& file) {
    test::ResetCalcState();
    ASSERT_EQ(ReadDesignFile(file.string(), Design), DesignReadStatus::Ok);
    SetAllRecalc(true);
    RunResultsActivation();
}

// Draws the short (insFlg 0) or full (1) report of the design as it stands;
// with an output folder, saves it there as NAME-short.pdf or NAME-full.pdf.
void DrawReport(const std::string& name, int insFlg, const std::string& outDir) {
    PrintControl control;
    control.SetFooter("- %d -");
    report::MakeChapterReport(Design.WorkType)->DrawReport(control, insFlg);
    EXPECT_GT(control.PageCount(), 0);
    if (outDir.empty()) return;
    const std::string pdf =
        (fs::path(outDir) / (name + (insFlg == 0 ? "-short.pdf" : "-full.pdf"))).string();
    EXPECT_EQ(control.SavePdf(pdf), "") << pdf;
}

// Reads the design and brings its results up to date with the first row of
// each set chosen for printing.
void OpenForPrinting(const fs::path& file) {
    OpenDesign(file);
    if (::testing::Test::HasFatalFailure()) return;
    Design.KekkaPrintRow = {1, 1};
    YesToAll yes;
    ASSERT_TRUE(PreparePrint());
}

TEST(ReportDir, EachDesignsShortAndFullReport) {
    const std::string outDir = Env("TALVO_REPORT_DIR");
    const fs::path folder = DesignFolder();
    const auto files = DesignFiles(folder);
    ASSERT_FALSE(files.empty()) << folder;
    if (!outDir.empty()) QDir().mkpath(QString::fromStdString(outDir));

    for (const fs::path& file : files) {
        const std::string name = file.stem().string();
        SCOPED_TRACE(name);
        OpenForPrinting(file);
        if (HasFatalFailure()) return;

        DrawReport(name, 0, outDir);
        if (!outDir.empty()) DrawReport(name, 1, outDir);
    }
}

// The failing copies of the worked designs: each opens a design of
// examples/ and breaks one check beside the results grid, which stays clear.
// A ground anchor with the design load entered on a plate thinner than it
// needs, one whose anchorage length falls below its bond lengths, one on a
// weak tendon and one on a plate narrower than its box-out; a wedge design
// whose main anchor bar is overstressed; a rock bolt shorter than its bond
// length. With TALVO_REPORT_DIR set their short and full reports are written
// there as NAME-short.pdf and NAME-full.pdf.
void OpenExample(const char* name) {
    OpenDesign(kExamplesFolder / (std::string(name) + ".kvd"));
}

void ThinPlate() {
    OpenExample("anchor-direct");
    Design.PlateT = "  6.0";
}

void ShortAnchorage() {
    OpenExample("anchor");
    Design.AnchorLa = " 1.0";
    RunResultsActivation();
}

void WeakTendon() {
    OpenExample("anchor");
    Design.Tus = "  40.0";
    Design.Tys = "  34.0";
    test::DeriveTendonAllowables();
}

void NarrowPlate() {
    OpenExample("anchor");
    Design.PlateU = " 130";
    SetAllRecalc(true);
    RunResultsActivation();
}

void BarOverstressed() {
    OpenExample("wedge");
    Design.AncBarTauSa = "   30";
}

void RockBoltTooShort() {
    OpenExample("rockbolt");
    Design.RockLa = " 0.5";
    RunResultsActivation();
}

TEST(ReportDir, FailingDesignsReports) {
    const std::string outDir = Env("TALVO_REPORT_DIR");
    if (!outDir.empty()) QDir().mkpath(QString::fromStdString(outDir));
    const struct {
        const char* name;
        void (*design)();
        std::vector<std::string> failed;
    } designs[] = {
        {"anchor-direct-thin-plate", ThinPlate, {"アンカープレートの検討"}},
        {"anchor-short-anchorage", ShortAnchorage, {"アンカー長"}},
        {"anchor-weak-tendon", WeakTendon, {"テンドンの選定"}},
        {"anchor-narrow-plate", NarrowPlate, {"支圧応力度の検討", "アンカープレートの検討"}},
        {"wedge-bar-overstressed", BarOverstressed, {"主アンカーの検討"}},
        {"rockbolt-too-short", RockBoltTooShort, {"ロックボルト長"}},
    };
    for (const auto& d : designs) {
        SCOPED_TRACE(d.name);
        d.design();
        if (HasFatalFailure()) return;
        Design.KekkaPrintRow = {1, 1};
        // The grid holds; the question comes from the broken check alone.
        EXPECT_FALSE(PrintRowsHoldOut());
        EXPECT_EQ(FailedCheckNames(), d.failed);
        YesToAll yes;
        ASSERT_TRUE(PreparePrint());
        EXPECT_EQ(yes.texts, std::vector<std::string>{
                                 "印刷対象となっている結果にはｏｕｔとなる項目があります。\r"
                                 "印刷しますか？"});
        for (int insFlg = 0; insFlg <= 1; ++insFlg) DrawReport(d.name, insFlg, outDir);
    }
}

}  // namespace
}  // namespace talvo
