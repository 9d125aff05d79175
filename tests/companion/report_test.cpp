#include "companion/report.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "companion/search.h"
#include "companion/study.h"
#include "fixture.h"
#include "report/engine/recorder.h"
#include "report/engine/renderer.h"

namespace talvo::companion {
namespace {

using report::LoadForm;

class CompanionReportTest : public ::testing::Test {
protected:
    void SetUp() override { test::SetUpStudy(); }
};

TEST_F(CompanionReportTest, ConditionsBlock) {
    SlopeAngle = "33.69";
    ArcTopDistance = "1.5";
    auto form = LoadForm("InsatuJouken");
    SetInsatuTitleKusabi(*form);
    SetInsatuJouken(*form);
    EXPECT_EQ(form->Label("Label2")->caption, "抑止可能な崩壊の規模 -くさび形-");
    EXPECT_EQ(form->Label("Label73")->caption, "     － ");
    EXPECT_EQ(form->Label("Label72")->caption, "     33.69");
    EXPECT_EQ(form->Label("Label75")->caption, "    180");
    EXPECT_EQ(form->Label("Label68")->caption, "     20.0");
    SetInsatuTitleEnko(*form);
    EXPECT_EQ(form->Label("Label2")->caption, "抑止可能な崩壊の規模 -円弧形-");
    EXPECT_EQ(form->Label("Label73")->caption, "      1.5");
    InfillMode = 0;
    SetInsatuJouken(*form);
    EXPECT_EQ(form->Label("Label68")->caption, "     － ");
}

TEST_F(CompanionReportTest, ResultsBlockTextsAndColours) {
    PatHeight[0] = "200";
    PatEffHeight[0] = "200";    // not above: both red
    PatInfillThick[1] = "400";  // thicker than the 300 frame: red, dash or not
    PatBarCount[1] = "9";       // does not fit
    KekkaL[0][0] = "****";
    KekkaH[0][0] = "****";
    KekkaL[1][2] = " 5.60";
    KekkaH[3][1] = " -  ";
    InfillMode = 0;
    auto form = LoadForm("InsatuKekka");
    SetInsatuKekka(*form);
    EXPECT_EQ(form->Label("Label6(0)")->caption, "     1.200");
    EXPECT_EQ(form->Label("Label22(1)")->caption, "       300");
    EXPECT_EQ(form->Label("Label26(1)")->caption, "D13");
    EXPECT_EQ(form->Label("Label30(1)")->caption, "1.0");
    EXPECT_EQ(form->Label("Label31(0)")->caption, "*****");
    EXPECT_EQ(form->Label("Label32(0)")->caption, "*****");
    EXPECT_EQ(form->Label("Label33(2)")->caption, " 5.60");
    EXPECT_EQ(form->Label("Label33(3)")->caption, "");
    EXPECT_EQ(form->Label("Label8(0)")->caption, "        －");
    EXPECT_EQ(form->Label("Label23(0)")->foreColor, 255u);
    EXPECT_EQ(form->Label("Label24(0)")->foreColor, 255u);
    EXPECT_EQ(form->Label("Label23(1)")->foreColor, 0u);
    EXPECT_EQ(form->Label("Label8(1)")->foreColor, 255u);
    EXPECT_EQ(form->Label("Label8(0)")->foreColor, 0u);
    EXPECT_EQ(form->Label("Label28(1)")->foreColor, 255u);
    // de + cover + φ/2 above the frame height: the bars do not fit either.
    EXPECT_EQ(form->Label("Label28(0)")->foreColor, 255u);
    PatEffHeight[0] = "155";
    auto fits = LoadForm("InsatuKekka");
    SetInsatuKekka(*fits);
    EXPECT_EQ(fits->Label("Label28(0)")->foreColor, 0u);
    EXPECT_EQ(fits->Label("Label23(0)")->foreColor, 0u);
    ShapeMode = 1;
    auto arc = LoadForm("InsatuKekka");
    SetInsatuKekka(*arc);
    EXPECT_EQ(arc->Label("Label34(1)")->caption, "   -    ");
}

TEST_F(CompanionReportTest, OnePageWithTheShapesArcs) {
    for (int shape : {0, 1}) {
        ShapeMode = shape;
        report::RecordingOutput out;
        DrawCompanionReport(out);
        EXPECT_EQ(out.PageCount(), 1);
        EXPECT_TRUE(out.Document().ended);
        std::string all;
        std::size_t lines = 0;
        for (const auto& op : out.Document().pages.at(0).ops) {
            if (const auto* t = std::get_if<report::TextOp>(&op)) all += t->text + "|";
            if (std::holds_alternative<report::LineOp>(op)) ++lines;
        }
        EXPECT_NE(all.find(shape ? "-円弧形-" : "-くさび形-"), std::string::npos);
        EXPECT_NE(all.find("崩壊形状図"), std::string::npos);
        // The figure's lines plus 100 segments per arc: one arc for the
        // wedge, two for the arc.
        EXPECT_GE(lines, static_cast<std::size_t>(shape ? 200 : 100));
    }
}

// A frame that still holds at 100 m prints the bound of its length, and for
// the wedge that of its height.
TEST_F(CompanionReportTest, ResultBeyondTheSearchedRange) {
    FailDepth = {"0.1", "", "", "", ""};
    YokusiKeisan(0);
    auto form = LoadForm("InsatuKekka");
    SetInsatuKekka(*form);
    EXPECT_EQ(form->Label("Label31(0)")->caption, "≧100");
    EXPECT_EQ(form->Label("Label32(0)")->caption, "≧70.71");
}

// The angle mark is centred on the toe of the slope as the figure block is
// drawn on the page, and the failure arc ends on the slope face.
TEST_F(CompanionReportTest, MarksSitOnTheFigure) {
    for (int shape : {0, 1}) {
        ShapeMode = shape;
        report::RecordingOutput out;
        DrawCompanionReport(out);
        std::vector<report::LineOp> lines;
        for (const auto& op : out.Document().pages.at(0).ops)
            if (const auto* l = std::get_if<report::LineOp>(&op)) lines.push_back(*l);
        // The face is the figure's one slanted thick line; the toe its lower end.
        const report::LineOp* face = nullptr;
        for (const auto& l : lines)
            if (l.x1 != l.x2 && l.y1 != l.y2 && (!face || l.pen.width > face->pen.width)) face = &l;
        ASSERT_NE(face, nullptr) << shape;
        const bool firstLow = face->y1 > face->y2;
        const double toeX = firstLow ? face->x1 : face->x2, toeY = firstLow ? face->y1 : face->y2;
        const double topX = firstLow ? face->x2 : face->x1, topY = firstLow ? face->y2 : face->y1;

        // The arcs are drawn last, 100 segments each, the angle mark last of all.
        ASSERT_GE(lines.size(), shape ? 200u : 100u);
        const double wr = out.PageWidth() / report::kDesignPageWidth;
        const double hr = out.PageHeight() / report::kDesignPageHeight;
        for (std::size_t i = lines.size() - 100; i < lines.size(); ++i) {
            const double dx = (lines[i].x1 - toeX) / wr, dy = (lines[i].y1 - toeY) / hr;
            EXPECT_NEAR(std::hypot(dx, dy), 264, 3) << shape << " segment " << i;
        }
        EXPECT_NEAR(lines.back().y2, toeY, 2) << shape;  // the mark ends on the base
        if (shape == 0) continue;

        // Distance of a point from the face, and where along it the point lies.
        const double fx = topX - toeX, fy = topY - toeY, len = std::hypot(fx, fy);
        auto off = [&](double x, double y) {
            return std::fabs((x - toeX) * fy - (y - toeY) * fx) / len;
        };
        auto along = [&](double x, double y) {
            return ((x - toeX) * fx + (y - toeY) * fy) / (len * len);
        };
        const report::LineOp& first = lines[lines.size() - 200];
        const report::LineOp& last = lines[lines.size() - 101];
        EXPECT_LT(off(first.x1, first.y1), 50);  // under 1 mm
        EXPECT_LT(off(last.x2, last.y2), 50);
        for (double t : {along(first.x1, first.y1), along(last.x2, last.y2)}) {
            EXPECT_GT(t, 0);
            EXPECT_LT(t, 1);
        }
    }
}

}  // namespace
}  // namespace talvo::companion
