// The design-load steps NIrockst (rock bolts) and NIrockpt (ground anchors)
// offscreen: the worked design shown on activation, each restraint choice
// and the planned-safety-factor box clicked as the engineer does, the load
// that leaves the design unchanged, and the note of a negative ΔPr.
#include <QCheckBox>
#include <QGroupBox>
#include <QRadioButton>

#include "calc/anchorload.h"
#include "steps/windows/NIrockpt.h"
#include "steps/windows/NIrockst.h"
#include "steps/windows/input_entry_fixture.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

class DesignLoadWindow : public InputStepTest, public ::testing::WithParamInterface<int> {
protected:
    bool Rock() const { return GetParam() == 3; }

    // The worked design, as the restraint step leaves it (the load flag
    // raised), loaded into the twin of the work type.
    DesignLoadStep* Open() {
        FillWorkedAnchorDesign(static_cast<std::int16_t>(GetParam()));
        RecalcLoad = 1;
        return Reload();
    }
    DesignLoadStep* Reload() {
        if (Rock()) return Load<NIrockst>();
        return Load<NIrockpt>();
    }

    static void Click(QAbstractButton* b) {
        QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(6, b->height() / 2));
        PumpEvents();
    }
    static std::string Text(const QLabel* l) { return l->text().toStdString(); }
};

TEST_P(DesignLoadWindow, WorkedDesignShownOnActivation) {
    DesignLoadStep* w = Open();
    // S = (50.0 + 5.0)·2.000 / 1 = 110.0; Pt = 110.0 / cos 45° = 155.56.
    EXPECT_EQ(w->Label3 != nullptr, Rock());
    if (Rock()) {
        EXPECT_EQ(Text(w->Label3), "   110.0");
    }
    EXPECT_EQ(Text(w->Label16), "     5.0");
    EXPECT_EQ(Text(w->DeltaPrUnit), "(kN/m)");
    EXPECT_EQ(Text(w->Label19), "cosβ");
    EXPECT_EQ(Text(w->Label21), "   155.6");
    // The activation consumed the load flag and asks for the results again;
    // it changed nothing of the design.
    EXPECT_EQ(Flags(), "00001");

    EXPECT_EQ(w->DeltaPrUnit, Rock() ? w->Label14 : w->Label2);
    EXPECT_EQ(w->DeltaPrUnit->objectName(), Rock() ? "Label14" : "Label2");
    EXPECT_EQ(w->fraRestraint->title().toStdString(),
              Rock() ? "ロックボルトの抑止効果" : "アンカーの抑止効果");
    auto* fraLoad = w->findChild<QGroupBox*>("fraLoad");
    ASSERT_NE(fraLoad, nullptr);
    EXPECT_EQ(fraLoad->title().toStdString(),
              Rock() ? "ロックボルト１本当たりの設計荷重" : "アンカー1本当たりの設計荷重");
    EXPECT_EQ(w->findChild<QLabel*>("Label3") != nullptr, Rock());
    EXPECT_TRUE(w->SSOption1[1]->isChecked());
    EXPECT_FALSE(w->Check1->isChecked());
    EXPECT_TRUE(w->Check1->isEnabled());
    ExpectLaidOutApart(w);
    SaveShot(w, Rock() ? QStringLiteral("NIrockst") : QStringLiteral("NIrockpt"));
}

TEST_P(DesignLoadWindow, EachChoiceRecomputesTheLoadAtOnce) {
    DesignLoadStep* w = Open();
    const char* pfs = Rock() ? "ＰＦs" : "PFs";
    struct Step {
        QAbstractButton* control;
        std::string term;
        const char* pt;
        bool planFsOpen;
        const char* flags;
        const char* arithmetic;
    };
    const Step steps[] = {
        {w->SSOption1[0], "sinβ･tanφ", "   269.4", false, "10001",
         "c = sin 45°·tan 30° = 0.40825; 110.0 / 0.40825 = 269.44"},
        // The closed box takes no click.
        {w->Check1, "sinβ･tanφ", "   269.4", false, "00000", "PFs closed in tightening"},
        {w->SSOption1[2], "sinβ･tanφ＋cosβ", "    98.6", true, "10001",
         "c = 0.40825 + 0.70711 = 1.11536; 110.0 / 1.11536 = 98.62"},
        {w->Check1, std::string("sinβ･tanφ＋cosβ･") + pfs, "    65.4", true, "10001",
         "c = 0.40825 + 0.70711·1.80 = 1.68104; 110.0 / 1.68104 = 65.44"},
        {w->SSOption1[1], std::string("cosβ･") + pfs, "    86.4", true, "10001",
         "c = 0.70711·1.80 = 1.27279; 110.0 / 1.27279 = 86.42"},
        // The option in force: nothing.
        {w->SSOption1[1], std::string("cosβ･") + pfs, "    86.4", true, "00000", "holding again"},
        {w->Check1, "cosβ", "   155.6", true, "10001", "c = cos 45°; 110.0 / 0.70711 = 155.56"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.arithmetic);
        LowerFlags();
        Click(s.control);
        EXPECT_EQ(Text(w->Label19), s.term);
        EXPECT_EQ(Text(w->Label21), s.pt);
        EXPECT_EQ(w->Check1->isEnabled(), s.planFsOpen);
        EXPECT_EQ(Flags(), s.flags);
        if (Rock()) {
            EXPECT_EQ(Text(w->Label3), "   110.0");
        }
        EXPECT_EQ(Text(w->Label16), "     5.0");
        // The longest restraint term under its bar.
        if (s.term.size() > std::string("sinβ･tanφ＋cosβ").size())
            SaveShot(w, Rock() ? QStringLiteral("NIrockst_both_pfs")
                               : QStringLiteral("NIrockpt_both_pfs"));
    }
    EXPECT_EQ(Design.RestraintMode, 1);
    EXPECT_EQ(Design.UsePlanFs, 0);
}

TEST_P(DesignLoadWindow, TheLoadShowsTheStoredChoicesWithoutAChange) {
    // Tightening with PFs kept: the box shows its value, closed.
    FillWorkedAnchorDesign(static_cast<std::int16_t>(GetParam()));
    Design.RestraintMode = 0;
    Design.UsePlanFs = 1;
    RecalcRock();
    LowerFlags();
    DesignLoadStep* w = Reload();
    EXPECT_TRUE(w->SSOption1[0]->isChecked());
    EXPECT_TRUE(w->Check1->isChecked());
    EXPECT_FALSE(w->Check1->isEnabled());
    EXPECT_EQ(Text(w->Label19), "sinβ･tanφ");
    EXPECT_EQ(Text(w->Label21), "   269.4");
    EXPECT_EQ(Flags(), "00000");
    // Holding takes the kept PFs: 110.0 / (0.70711·1.80) = 86.42.
    Click(w->SSOption1[1]);
    EXPECT_EQ(Text(w->Label19), Rock() ? "cosβ･ＰＦs" : "cosβ･PFs");
    EXPECT_EQ(Text(w->Label21), "    86.4");
    EXPECT_TRUE(w->Check1->isEnabled());
    EXPECT_EQ(Flags(), "10001");
}

TEST_P(DesignLoadWindow, ANegativeIncreaseIsShownBesideTheZeroItTakes) {
    // PFs = 0.80: ΔPr = 0.80·12.5·sin 30° − 12.5·cos 30°·tan 30° = −1.25;
    // Pt = 50.0·2.000 / 1 / cos 45° = 141.42.
    FillWorkedAnchorDesign(static_cast<std::int16_t>(GetParam()));
    Design.PlanFs = "    0.80";
    LowerFlags();
    RecalcLoad = 1;
    DesignLoadStep* w = Reload();
    EXPECT_EQ(Text(w->Label16), "     0.0");
    EXPECT_EQ(Text(w->DeltaPrUnit), "<-1.3>  (kN/m)");
    EXPECT_EQ(w->DeltaPrUnit->textFormat(), Qt::PlainText);
    EXPECT_EQ(Text(w->Label21), "   141.4");
    if (Rock()) {
        EXPECT_EQ(Text(w->Label3), "   100.0");
    }
    SaveShot(w, Rock() ? QStringLiteral("NIrockst_negative") : QStringLiteral("NIrockpt_negative"));

    // A load that cannot be worked out (no rows) leaves the values empty.
    Design.RowCount.clear();
    RecalcLoad = 1;
    w->HandleActivate();
    EXPECT_EQ(Text(w->Label21), "");
    if (Rock()) {
        EXPECT_EQ(Text(w->Label3), "");
    }
}

TEST_P(DesignLoadWindow, ArrowKeysChooseAndTabGoesRoundToTheChoice) {
    DesignLoadStep* w = Open();
    LowerFlags();
    w->SSOption1[1]->setFocus(Qt::TabFocusReason);
    PumpEvents();
    QTest::keyClick(w->SSOption1[1], Qt::Key_Down);
    PumpEvents();
    EXPECT_TRUE(w->SSOption1[2]->isChecked());
    EXPECT_EQ(Design.RestraintMode, 2);
    EXPECT_EQ(Text(w->Label21), "    98.6");
    EXPECT_EQ(Flags(), "10001");

    // After the last button the Tab key goes round to the choice, on the
    // option chosen: the sink takes no stop the engineer could not see.
    w->cmdResult->setFocus(Qt::TabFocusReason);
    PumpEvents();
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "SSOption1(2)");
    EXPECT_EQ(host->selectShown, 0);
}

INSTANTIATE_TEST_SUITE_P(Twins, DesignLoadWindow, ::testing::Values(3, 4),
                         [](const ::testing::TestParamInfo<int>& info) {
                             return info.param == 3 ? std::string("NIrockst")
                                                    : std::string("NIrockpt");
                         });

}  // namespace
}  // namespace talvo::test
