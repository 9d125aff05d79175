// The worked designs in examples/: one per work type beside the sample. With
// TALVO_WRITE_EXAMPLES set, the files are written anew from the filled
// designs; every run reads each examples/*.kvd back, checks its work type
// against its name and brings its results up to date without a message.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "calc/calc_fixture.h"
#include "results/rebuild.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "steps/anchorbar.h"
#include "steps/groundanchor.h"
#include "steps/plate.h"
#include "support/scripted_messages.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

fs::path ExamplesFolder() {
    return (fs::path(__FILE__).parent_path() / "../../../examples").lexically_normal();
}

struct Example {
    const char* name;
    std::int16_t workType;
    bool ptDirect;
    const char* district;
    const char* line;
};

const Example kExamples[] = {
    {"wedge", 0, false, "北沢地区 切土のり面", "町道１号線 No.12+5.0"},
    {"arc", 1, false, "南台地区 盛土のり面", "県道３号線 No.40"},
    {"greening", 2, false, "東山地区 緑化のり面", "林道東山線 No.7"},
    {"rockbolt", 3, false, "西谷地区 岩盤のり面", "国道８号線 No.105+10.0"},
    {"anchor", 4, false, "中川地区 地すべり対策", "市道中川線 No.22"},
    {"anchor-direct", 4, true, "中川地区 地すべり対策（荷重直接入力）", "市道中川線 No.24"},
};

// The work type each file name stands for.
std::map<std::string, std::int16_t> NamedTypes() {
    std::map<std::string, std::int16_t> types{{"sample", 0}};
    for (const Example& e : kExamples) types[e.name] = e.workType;
    return types;
}

TEST(Examples, WrittenFromTheFilledDesignsWhenAsked) {
    const char* write = std::getenv("TALVO_WRITE_EXAMPLES");
    if (!write || !*write) GTEST_SKIP() << "TALVO_WRITE_EXAMPLES not set";
    for (const Example& e : kExamples) {
        SCOPED_TRACE(e.name);
        test::FillDesign(e.workType);
        Design.DistrictName = e.district;
        Design.LineName = e.line;
        if (e.ptDirect) {
            Design.PtDirect = 1;
            Design.PtInput = " 60.0";
        }
        // What the engineer enters in the last steps and what those steps
        // derive on the way through them: the main anchor bar's safety
        // factor and allowable shear stress (frames without anchors), the
        // tendon's allowable loads and a plate wider than its box-out
        // (ground anchors).
        SetAllRecalc(true);
        if (e.workType <= 2) {
            Design.AncBarFs = "1.5";
            Design.AncBarTauSa = " 80";
            RunAnchorBarOnActivation();
        }
        if (e.workType == 4) {
            const auto kind = static_cast<std::size_t>(AnchorKindInUse(Design.AnchorKind));
            Design.TusAllow = TendonAllowable(Design.TusCoef[kind], Design.Tus);
            Design.TysAllow = TendonAllowable(Design.TysCoef[kind], Design.Tys);
            Design.PlateU = " 200";
            RunBearingOnActivation();
            RunPlateOnActivation();
        }
        const fs::path path = ExamplesFolder() / (std::string(e.name) + ".kvd");
        const DesignWriteResult r = WriteDesignFile(path.string(), Design);
        EXPECT_TRUE(r.ok) << r.error;
    }
}

TEST(Examples, EveryDesignFileReadsBackAndItsResultsComeUpToDate) {
    const auto types = NamedTypes();
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(ExamplesFolder()))
        if (entry.path().extension() == ".kvd") files.push_back(entry.path());
    ASSERT_FALSE(files.empty());
    for (const auto& [name, type] : types)
        EXPECT_TRUE(fs::exists(ExamplesFolder() / (name + ".kvd"))) << name;

    for (const fs::path& file : files) {
        const std::string name = file.stem().string();
        SCOPED_TRACE(name);
        test::ResetCalcState();
        ASSERT_EQ(ReadDesignFile(file.string(), Design), DesignReadStatus::Ok);
        if (const auto it = types.find(name); it != types.end())
            EXPECT_EQ(Design.WorkType, it->second);
        else
            EXPECT_TRUE(Design.WorkType >= 0 && Design.WorkType <= 4) << Design.WorkType;
        EXPECT_FALSE(Design.DistrictName.empty());

        // No message may stop the results on the way.
        test::ScriptedMessages messages;
        SetAllRecalc(true);
        RunResultsActivation();
        EXPECT_TRUE(messages.Shown().empty());
        if (Design.WorkType >= 3) {
            EXPECT_FALSE(Design.Pt.empty());
            if (Design.PtDirect != 0) {
                EXPECT_EQ(Design.Pt, Design.PtInput);
            }
        }
    }
}

}  // namespace
}  // namespace talvo
