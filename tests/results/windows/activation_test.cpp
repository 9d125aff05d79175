// Passing the step windows changes nothing the design stores. A design file
// opened through the open command and walked from its first step to the
// results with each step's 次画面へ saves the same record as the same file
// opened and taken straight to the results with 結果画面, and the same as
// the report's own road (the file read, every result brought up to date by
// the core, no window at all): what a window shows is never what the design
// keeps, and a report printed from a file prints what the program prints.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "report/failing_designs.h"
#include "results/checked_designs.h"
#include "results/rebuild.h"
#include "results/windows/results_chain.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/windows/shell_fixture.h"
#include "steps/windows/N0select.h"
#include "support/filled_design.h"
#include "support/stored_record.h"

namespace talvo::test {
namespace {

namespace fs = std::filesystem;

const fs::path kExamplesFolder =
    fs::absolute(fs::path(__FILE__).parent_path() / "../../../examples").lexically_normal();

// The steps of a failing design warn as they would for the engineer; what
// they say is not looked at here. Every message is answered with OK, or
// with No where it asks.
class AnyMessage : public MessageSink {
public:
    AnyMessage() : previous_(SetMessageSink(this)) {}
    ~AnyMessage() override { SetMessageSink(previous_); }
    MsgResult Show(const MessageRequest& request) override {
        switch (request.buttons) {
            case MsgButtons::Ok:
            case MsgButtons::OkCancel:
                return MsgResult::Ok;
            default:
                return MsgResult::No;
        }
    }

private:
    MessageSink* previous_;
};

// A design as its file holds it: a file of examples/, or a record built in
// the core and written by the program's writer.
struct Source {
    const char* name;
    std::function<std::string()> bytes;
};

std::string ExampleBytes(const char* file) {
    return ReadAll((kExamplesFolder / file).string());
}

std::string Built(const std::function<void()>& build) {
    ResetCalcState();
    build();
    return SerializeDesign(Design);
}

// The worked ground anchor, changed by `change` and saved as the program
// saves it: its results and the tendon's allowables from the values stored.
std::string AnchorWith(const std::function<void()>& change) {
    return Built([&change] {
        EXPECT_EQ(ReadDesignFile((kExamplesFolder / "anchor.kvd").string(), Design),
                  DesignReadStatus::Ok);
        change();
        DeriveTendonAllowables();
        SetAllRecalc(true);
        RunResultsActivation();
    });
}

const std::vector<Source>& Sources() {
    static const std::vector<Source> sources = {
        {"examples/sample.kvd", [] { return ExampleBytes("sample.kvd"); }},
        {"examples/wedge.kvd", [] { return ExampleBytes("wedge.kvd"); }},
        {"examples/arc.kvd", [] { return ExampleBytes("arc.kvd"); }},
        {"examples/greening.kvd", [] { return ExampleBytes("greening.kvd"); }},
        {"examples/rockbolt.kvd", [] { return ExampleBytes("rockbolt.kvd"); }},
        {"examples/anchor.kvd", [] { return ExampleBytes("anchor.kvd"); }},
        {"examples/anchor-direct.kvd", [] { return ExampleBytes("anchor-direct.kvd"); }},
        {"wedge: main anchor bar over τsa", [] { return Built(WedgeBarOverstressed); }},
        {"wedge: main anchor bar without τsa", [] { return Built(WedgeBarWithoutAllowable); }},
        {"greening: main anchor bar over τsa", [] { return Built(GreeningBarOverstressed); }},
        {"rock bolt too short", [] { return Built(RockBoltTooShort); }},
        {"rock bolt over τsa", [] { return Built(RockBoltOverstressed); }},
        {"ground anchor on a weak tendon", [] { return Built(WeakTendonAnchor); }},
        {"ground anchor on a narrow plate", [] { return Built(NarrowPlateAnchor); }},
        {"ground anchor entered directly on a thin plate",
         [] { return Built(ThinPlateDirectAnchor); }},
        {"ground anchor short of its bond lengths", [] { return Built(ShortAnchorage); }},
        // A tensile load with a decimal, which the whole-kN box shows rounded.
        {"ground anchor, Tus 50.6", [] { return AnchorWith([] { Design.Tus = "  50.6"; }); }},
        {"ground anchor, Tus 183.4 and Tys 156.5",
         [] {
             return AnchorWith([] {
                 Design.Tus = " 183.4";
                 Design.Tys = " 156.5";
             });
         }},
        {"ground anchor, no Tus", [] { return AnchorWith([] { Design.Tus = ""; }); }},
        // Files whose worked-out values are older than their inputs, as an
        // earlier version of the program could leave them: the allowable of
        // the rounded load, the height of an earlier frame.
        {"ground anchor, Tus 50.6 saved with the allowable of 51 kN",
         [] {
             return Built([] {
                 EXPECT_EQ(ReadDesignFile((kExamplesFolder / "anchor.kvd").string(), Design),
                           DesignReadStatus::Ok);
                 Design.Tus = "  50.6";
                 Design.TusAllow = "  30.60";
             });
         }},
        {"wedge, saved with the slope height of an earlier frame",
         [] {
             return Built([] {
                 EXPECT_EQ(ReadDesignFile((kExamplesFolder / "wedge.kvd").string(), Design),
                           DesignReadStatus::Ok);
                 Design.SlopeHeight = "  9.999";
             });
         }},
        // A τs the file does not hold, although its inputs give one.
        {"wedge, no τs stored",
         [] {
             return Built([] {
                 PassingDesign(0);
                 Design.AncBarTauS = "";
             });
         }},
        {"greening, no Fs so no τs",
         [] {
             return Built([] {
                 PassingDesign(2);
                 Design.AncBarFs = "";
                 SetAllRecalc(true);
                 RunResultsActivation();
             });
         }},
    };
    return sources;
}

class ActivationTest : public ResultsChainTest {
protected:
    // Opens `path` through the open command and leaves the selection step
    // with `button` (検討開始 or 結果画面).
    void OpenFile(const std::string& path, bool toResults) {
        Open();
        dialogs.Expect(1, path);
        Click("ID_ファイルを開く");
        Settle();
        N0select* select = Select();
        ASSERT_NE(select, nullptr);
        QTest::mouseClick(toResults ? select->cmdResult : select->cmdStart, Qt::LeftButton);
        Settle();
        ASSERT_NE(Results(), nullptr);
    }
    void Close() {
        main.reset();
        Settle();
    }

    // The file walked from its first step to the results with 次画面へ.
    NamedValues Walked(const std::string& path) {
        OpenFile(path, false);
        if (HasFatalFailure()) return {};
        EXPECT_EQ(CurStep, 1);
        for (int n = 1; n < Last(); ++n) {
            StepForm* step = Steps()->Step(n);
            SCOPED_TRACE(step->ClassName().toStdString());
            QTest::mouseClick(step->cmdNext, Qt::LeftButton);
            Settle();
            EXPECT_EQ(CurStep, n + 1);
        }
        const NamedValues record = StoredValues(Design);
        Close();
        return record;
    }

    // The file taken straight to the results.
    NamedValues Straight(const std::string& path) {
        OpenFile(path, true);
        if (HasFatalFailure()) return {};
        EXPECT_EQ(CurStep, Last());
        const NamedValues record = StoredValues(Design);
        Close();
        return record;
    }
};

// The report's road: the file read, its results brought up to date.
NamedValues Reported(const std::string& path) {
    ResetCalcState();
    EXPECT_EQ(ReadDesignFile(path, Design), DesignReadStatus::Ok);
    SetAllRecalc(true);
    RunResultsActivation();
    return StoredValues(Design);
}

TEST_F(ActivationTest, WalkingEveryStepSavesWhatAFreshOpenSaves) {
    AnyMessage answered;
    int n = 0;
    for (const Source& source : Sources()) {
        SCOPED_TRACE(source.name);
        const std::string path = Path("design" + std::to_string(++n) + ".kvd");
        WriteAll(path, source.bytes());
        // The tables as the program starts with them.
        ResetCalcState();

        const NamedValues straight = Straight(path);
        if (HasFatalFailure()) return;
        const NamedValues walked = Walked(path);
        if (HasFatalFailure()) return;
        const NamedValues reported = Reported(path);

        const std::string afterSteps = Differences(walked, straight, "fresh open");
        EXPECT_TRUE(afterSteps.empty()) << "every step passed:\n" << afterSteps;
        const std::string report = Differences(reported, straight, "fresh open");
        EXPECT_TRUE(report.empty()) << "the report's road:\n" << report;
    }
}

}  // namespace
}  // namespace talvo::test
