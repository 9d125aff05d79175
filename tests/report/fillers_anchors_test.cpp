// The fillers of the failure-shape page, the anchor study tables and the main
// anchor bar check, and the angle arcs over the failure figure.

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "report/engine/headings.h"
#include "report/engine/layoutform.h"
#include "report/engine/recorder.h"
#include "report/pages/anchors.h"
#include "report/pages/failureshape.h"
#include "report/report_fixture.h"
#include "shell/design.h"
#include "support/filled_design.h"

namespace talvo::report {
namespace {

using fixture::Captions;
using fixture::ExpectCaptions;

TEST(FailureShapeFillers, CaptionsOfBothShapes) {
    struct Case {
        std::int16_t workType;
        const char* form;
        void (*fill)(LayoutForm&);
        Captions captions;
    };
    const std::vector<Case> cases = {
        {0,
         "InsHoukaiKusabi",
         SetInsHoukaiKusabi,
         {{"Lab1", "     5.000"},
          {"Lab2", "     2.000"},
          {"Lab3", "     3"},
          {"Lab4", "     3.536"},
          {"Lab5", "    32.57"},
          {"Lab6", "    45.00"}}},
        {1,
         "InsHoukaiEnko",
         SetInsHoukaiEnko,
         {{"Lab1", "     6.000"},
          {"Lab2", "     1.500"},
          {"Lab3", "     3"},
          {"Lab4", "     1.000"},
          {"Lab5", "    45.00"}}},
    };
    for (const Case& c : cases) {
        test::FillDesign(c.workType);
        Design.HoukaiN = "3";
        auto form = LoadForm(c.form);
        c.fill(*form);
        ExpectCaptions(*form, c.captions);
    }
}

TEST(FailureShapeFillers, EmptyDimensionPrintsSixSpaces) {
    test::FillDesign(0);
    Design.KusabiL2.clear();
    auto form = LoadForm("InsHoukaiKusabi");
    SetInsHoukaiKusabi(*form);
    ExpectCaptions(*form, {{"Lab2", "      "}, {"Lab3", "      "}});
}

std::vector<LineOp> Lines(const RecordingOutput& out) {
    std::vector<LineOp> lines;
    for (const RecordedPage& page : out.Document().pages)
        for (const DrawOp& op : page.ops)
            if (const auto* line = std::get_if<LineOp>(&op)) lines.push_back(*line);
    return lines;
}

TEST(AngleArcs, EachArcRunsFromItsStartToItsEndAngle) {
    struct Case {
        std::int16_t workType;
        int left, top;
        double widthRatio, heightRatio;
        int arc;                 // 0 the first arc, 1 the second
        int x0, y0, xEnd, yEnd;  // first and last point in page twips
    };
    const std::vector<Case> cases = {
        // θ0 at the toe: −64° to 0°, centre (1650, 4950), radius 400.
        {0, 0, 0, 1.0, 1.0, 0, 1825, 4590, 2050, 4950},
        // α at the sliding plane's lower end: −38° to 0°, centre (2100, 4050).
        {0, 0, 0, 1.0, 1.0, 1, 2415, 3804, 2500, 4050},
        {1, 0, 0, 1.0, 1.0, 0, 1825, 4590, 2050, 4950},
        // The failure circle: 98° to −44°, centre (2265, 2820), radius 1240.
        {1, 0, 0, 1.0, 1.0, 1, 2092, 4048, 3157, 1959},
        // Scaled and placed at the block's origin: left + x·wr, top + y·hr.
        {0, 750, 500, 1.5, 2.0, 0, 3488, 9681, 3825, 10400},
        {1, 750, 500, 1.5, 2.0, 1, 3889, 8596, 5485, 4417},
    };
    for (const Case& c : cases) {
        test::FillDesign(c.workType);
        RecordingOutput out;
        out.StartDoc();
        DrawAngleArcs(out, c.left, c.top, c.widthRatio, c.heightRatio);
        const std::vector<LineOp> lines = Lines(out);
        ASSERT_EQ(lines.size(), 200u) << c.workType;
        const auto first = lines.begin() + 100 * c.arc;
        const LineOp& head = first[0];
        const LineOp& tail = first[99];
        EXPECT_EQ(head.x1, c.x0) << c.workType << " arc " << c.arc;
        EXPECT_EQ(head.y1, c.y0) << c.workType << " arc " << c.arc;
        EXPECT_EQ(tail.x2, c.xEnd) << c.workType << " arc " << c.arc;
        EXPECT_EQ(tail.y2, c.yEnd) << c.workType << " arc " << c.arc;
        for (int i = 1; i < 100; ++i) {
            EXPECT_EQ(first[i].x1, first[i - 1].x2);
            EXPECT_EQ(first[i].y1, first[i - 1].y2);
        }
    }
}

TEST(AngleArcs, OtherWorkTypesDrawNothing) {
    for (std::int16_t workType : {2, 3, 4, 5}) {
        test::FillDesign(workType);
        RecordingOutput out;
        out.StartDoc();
        DrawAngleArcs(out, 600, 400, 1.2, 1.2);
        EXPECT_TRUE(Lines(out).empty()) << workType;
    }
}

TEST(AngleArcs, ArcTakesTheCurrentPen) {
    test::FillDesign(0);
    RecordingOutput out;
    out.StartDoc();
    out.SetPenStyle(PenStyle::Dot);
    out.SetPenWidth(10);
    DrawArc(out, {1000, 1000}, 100, 0, Pi / 2, 1.0, 1.0);
    const std::vector<LineOp> lines = Lines(out);
    ASSERT_EQ(lines.size(), 100u);
    EXPECT_EQ(lines.front().pen.style, PenStyle::Dot);
    EXPECT_EQ(lines.back().pen.width, 10);
    EXPECT_EQ(lines.back().x2, 1000);
    EXPECT_EQ(lines.back().y2, 1100);
}

void FillStudyResults() {
    Design.Pt = "45.23";
    Design.BondLa1Up = "1.50";
    Design.BondLa2Up = "0.80";
}

TEST(StudyTables, RockBoltTable) {
    struct Case {
        std::int16_t frictionMode;
        std::string rockLa, rockLf, rockLength;
        Captions captions;
    };
    const std::vector<Case> cases = {
        {0,
         " 2.0",
         " 1.5",
         "3.5",
         {{"Label6", "    50.0"},    {"Label7", "    30.0"},   {"Label8", "    30.0"},
          {"Label32", " φ"},         {"Label33", "°"},         {"Label9", "     1.20"},
          {"Label12", "     2.000"}, {"Label10", "     5"},    {"Label11", "    15.0"},
          {"Label14", "   D25"},     {"Label15", "   506.7"},  {"Label22", "    80"},
          {"Label25", "   160"},     {"Label16", "    25.4"},  {"Label17", "    65"},
          {"Label18", "     0.20"},  {"Label19", "     1.60"}, {"Label20", "     2.5"},
          {"Label13", "    45.23"},  {"Label29", "     1.50"}, {"Label28", "     0.80"},
          {"Label27", "     2.0"},   {"Label30", "     1.5"},  {"Label31", "     3.5"}}},
        {1,
         "",
         "",
         "",
         {{"Label8", "     0.577"},
          {"Label32", "tanφ"},
          {"Label33", "―"},
          {"Label27", "      "},
          {"Label30", "―"},
          {"Label31", "―"}}},
    };
    for (const Case& c : cases) {
        test::FillDesign(3);
        FillStudyResults();
        Design.FrictionInputMode = c.frictionMode;
        Design.TanPhi = "0.577";
        Design.RockLa = c.rockLa;
        Design.RockLf = c.rockLf;
        Design.RockLength = c.rockLength;
        auto form = LoadForm("InsRockKento");
        SetInsRockKento(*form);
        ExpectCaptions(*form, c.captions);
    }
}

TEST(StudyTables, BarOutsideTheTablePrintsBlank) {
    test::FillDesign(3);
    Design.RockBarIndex = 12;
    auto form = LoadForm("InsRockKento");
    SetInsRockKento(*form);
    ExpectCaptions(*form, {{"Label14", "      "}, {"Label15", "      "}, {"Label16", "      "}});
}

TEST(StudyTables, GroundAnchorTable) {
    struct Case {
        std::string tendonName, anchorLf;
        Captions captions;
    };
    const std::vector<Case> cases = {
        {"PC鋼より線",
         " 4.0",
         {{"Label14", "        PC鋼より線"},
          {"Label15", "SWPR7BL 1S12.7"},
          {"Label22", "   183.0"},
          {"Label25", "   156.0"},
          {"Label16", "    12.7"},
          {"Label17", "   115"},
          {"Label18", "     0.30"},
          {"Label19", "     0.80"},
          {"Label20", "     2.5"},
          {"Label13", "    45.23"},
          {"Label27", "     3.0"},
          {"Label30", "     4.0"},
          {"Label31", "―"}}},
        // Ten characters, full or half width, get four spaces alike.
        {"ＰＣ鋼より線ＳＷＰＲ", "", {{"Label14", "    ＰＣ鋼より線ＳＷＰＲ"}, {"Label30", "―"}}},
        {"ABCDEFGHIJ", "", {{"Label14", "    ABCDEFGHIJ"}}},
    };
    for (const Case& c : cases) {
        test::FillDesign(4);
        FillStudyResults();
        Design.TendonName = c.tendonName;
        Design.AnchorLf = c.anchorLf;
        auto form = LoadForm("InsAnchorKento");
        SetInsAnchorKento(*form);
        ExpectCaptions(*form, c.captions);
    }
}

TEST(MainAnchorBar, SummaryTable) {
    struct Case {
        std::int16_t workType;
        std::int16_t bar;
        Captions captions;
    };
    const std::vector<Case> cases = {
        {0,
         4,
         {{"Lab1", "   D22"},
          {"Lab2", "   387.1"},
          {"Lab3", "     1.5"},
          {"Lab4", "    80"},
          {"Lab5", "    38.8"}}},
        {1, 0, {{"Lab1", "   D10"}, {"Lab2", "    71.33"}}},
        {2, 9, {{"Lab1", "   D38"}, {"Lab2", "  1140"}}},
        {2, -1, {{"Lab1", "      "}, {"Lab2", "      "}}},
    };
    for (const Case& c : cases) {
        test::FillDesign(c.workType);
        Design.AncBarIndex = c.bar;
        Design.AncBarFs = "1.5";
        Design.AncBarTauSa = "80";
        Design.AncBarTauS = "38.8";
        auto form = LoadForm("InsAncBarKento");
        SetInsAncBarKento(*form);
        ExpectCaptions(*form, c.captions);
    }
}

// The worked check's labels, as the filler needs them.
constexpr const char* kSyuAncBarForm = R"(form InsSyuAncBar
label Label2 240 0 6000 "Label2"
label Label21 1200 600 360 "D21"
label Label24 2400 600 720 "0024.00"
label Label29 2400 840 480 "029"
label Label34 2400 1080 600 "034.00"
label Label6 2400 1320 480 "000.6"
label Label30 1440 2400 600 "030.00"
label Label13 1440 2640 720 "0013.00"
label Label27 2400 2520 360 "2.7"
label Label19 1440 3000 480 "019.0"
label Label16 2160 3000 240 "16"
label Label14 3000 3000 480 "140"
label Label11 5400 3000 480 "11"
label LabOut(0) 1200 3000 3600 ""
)";

TEST(MainAnchorBar, WorkedCheckAndVerdict) {
    struct Case {
        std::string tauS, tauSa;
        const char* sign;
        const char* verdict;
        std::uint32_t colour;
    };
    const std::vector<Case> cases = {
        {"38.8", "80", "≦", "ＯＫ", 0},
        {"80.0", "80", "≦", "ＯＫ", 0},
        {"80.1", "80", "＞", "ＯＵＴ", 255},
        // A stress that was never computed is no pass, and no comparison:
        // one red line stands in the row instead.
        {"", "80", "", "", 255},
    };
    for (const Case& c : cases) {
        test::FillDesign(0);
        ResetHeadingNumbers();
        Design.AncBarIndex = 4;
        Design.YokoQ = "12.34";
        Design.AncBarFs = "1.5";
        Design.AncBarTauSa = c.tauSa;
        Design.AncBarTauS = c.tauS;
        LayoutForm form = ParseForm(kSyuAncBarForm);
        SetInsSyuAncBar(form);
        const bool compared = c.verdict[0] != '\0';
        ExpectCaptions(form,
                       {{"Label2", "１ 主アンカーの検討"},
                        {"Label34", " 12.34"},
                        {"Label30", " 12.34"},
                        {"Label21", "D22"},
                        {"Label24", " 387.1"},
                        {"Label13", " 387.1"},
                        {"Label6", "  1.5"},
                        {"Label27", "1.5"},
                        {"Label14", compared ? " " + c.tauSa : ""},
                        {"Label29", " " + c.tauSa},
                        {"Label16", c.sign},
                        {"Label11", c.verdict},
                        {"LabOut(0)", compared ? "" : "主アンカーを照査できない。・・・ ＯＵＴ"}});
        EXPECT_EQ(form.Label(compared ? "Label11" : "LabOut(0)")->foreColor, c.colour) << c.tauS;
        if (compared) {
            EXPECT_EQ(form.Label("Label19")->foreColor, c.colour) << c.tauS;
        }
        EXPECT_EQ(form.Label("Label14")->foreColor, kWindowTextColor);
    }
}

}  // namespace
}  // namespace talvo::report
