// The rock-bolt steel step: the allowables, the bar stepped by the up-down
// control and by the arrow keys, the area, the two stresses stored by the
// one rule of the load calculation, and their verdicts.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QToolButton>

#include "platform/updown.h"
#include "steps/windows/NArock1.h"
#include "steps/windows/NBrock2.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

class RockSteelTest : public InputStepTest {
protected:
    // The filled rock-bolt design after `adjust`, loaded and activated with
    // RecalcLoad as `recalcLoad`; DataChanged and the other flags lowered
    // before the load.
    template <class Adjust>
    NArock1* Open(Adjust adjust, bool recalcLoad = false) {
        FillDesign(3);
        adjust();
        LowerFlags();
        RecalcLoad = recalcLoad ? 1 : 0;
        return Load<NArock1>();
    }
    NArock1* Open() {
        return Open([] {});
    }
    // The design as its load calculation leaves it: S 20.9, Pt 29.6 and the
    // stresses over the D25 bar.
    static void Computed() {
        Design.RockS = "20.9";
        Design.Pt = "29.6";
        Design.RockTau = "41.3";
        Design.RockSigma = "58.5";
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    // Every shown text of the window: the check texts, the stresses with
    // their verdicts, the bar and its area.
    static void ExpectShown(NArock1* w, const char* bar, const char* area, const char* tau,
                            const char* tauVerdict, const char* sigma, const char* sigmaVerdict) {
        EXPECT_EQ(S(w->Text7), bar);
        EXPECT_EQ(S(w->Label21), area);
        EXPECT_EQ(S(w->Label23), tau);
        EXPECT_EQ(S(w->Label25), tauVerdict);
        EXPECT_EQ(S(w->Label24), sigma);
        EXPECT_EQ(S(w->Label26), sigmaVerdict);
    }
    static void Step(NArock1* w, bool up) {
        QTest::mouseClick(up ? w->UpDown1->UpButton() : w->UpDown1->DownButton(), Qt::LeftButton);
        PumpEvents();
    }
};

TEST_F(RockSteelTest, ActivationOfAFilledDesignRunsTheLoadCalculation) {
    // S = 20.9, Pt = 29.6 over the D25 bar's 506.7 mm²: τs 41.247 → 41.3 and
    // σs 58.417 → 58.5, against τsa 80 and σsa 160.
    NArock1* w = Open(Computed, true);
    EXPECT_EQ(Design.RockS, "20.9");
    EXPECT_EQ(Design.Pt, "29.6");
    EXPECT_EQ(Design.RockTau, "41.3");
    EXPECT_EQ(Design.RockSigma, "58.5");
    ExpectShown(w, "   D25", "506.7", "    41.3", "ok", "    58.5", "ok");
    EXPECT_EQ(Fore(w->Label25), kBlack);
    EXPECT_EQ(Fore(w->Label26), kBlack);
    // Without its leading blanks when the box holds the focus.
    EXPECT_EQ(Str(w->Text1->text().trimmed()), "80");
    EXPECT_EQ(Design.RockTauSa, " 80");
    EXPECT_EQ(S(w->Text2), "   160");
    // Computing what the design holds is no change of the design.
    EXPECT_EQ(Flags(), "00001");
    EXPECT_EQ(w->FocusSink->objectName(), "Text3");
    EXPECT_EQ(w->Text3, w->FocusSink);

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"鋼材の許容応力度", "許容せん断応力度", "τ<sub>sa</sub>",
                          "許容引張応力度", "σ<sub>sa</sub>", "(N/mm<sup>2</sup>)", "応力度の照査",
                          "使用鋼材", "(Ａs = ", "mm<sup>2</sup>)", "せん断応力度", "τ<sub>s</sub>",
                          "Ｓ", "Ａs", "引張応力度", "σ<sub>s</sub>", "Ｐt", " ･････", "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->cmdRefer->text(), "参考値...");
    ExpectLaidOutApart(w);
    SaveShot(w, "narock1_filled");
}

TEST_F(RockSteelTest, ActivationWithTheLoadFlagLoweredKeepsTheForces) {
    // S and Pt stand as stored; the stresses follow them and the bar: 10.0
    // over 506.7 is 19.7355, rounded up to 19.8.
    NArock1* w = Open([] {
        Design.RockS = "10.0";
        Design.Pt = "29.6";
        Design.RockTau = "19.8";
        Design.RockSigma = "58.5";
    });
    EXPECT_EQ(Design.RockS, "10.0");
    ExpectShown(w, "   D25", "506.7", "    19.8", "ok", "    58.5", "ok");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(RockSteelTest, ANewDesignShowsTheBarAndNothingElse) {
    for (bool recalcLoad : {false, true}) {
        SCOPED_TRACE(recalcLoad);
        InitDesignData();
        Design.WorkType = 3;
        LowerFlags();
        RecalcLoad = recalcLoad ? 1 : 0;
        NArock1* w = Load<NArock1>();
        EXPECT_EQ(S(w->Text1), "");
        EXPECT_EQ(S(w->Text2), "");
        ExpectShown(w, "   D25", "506.7", "", "", "", "");
        EXPECT_EQ(Design.RockTau, "");
        EXPECT_EQ(Design.RockSigma, "");
        EXPECT_EQ(Flags(), recalcLoad ? "00001" : "00000");
        EXPECT_TRUE(w->cmdRefer->isEnabled());
        if (!recalcLoad) SaveShot(w, "narock1_new");
    }
}

TEST_F(RockSteelTest, AnActivationStoresOnlyWhatReallyChanged) {
    NArock1* w = Open(Computed);
    EXPECT_EQ(Flags(), "00000");
    // Activated again with nothing changed: nothing is marked.
    w->HandleActivate();
    EXPECT_EQ(Flags(), "00000");
    // The bar table edited in the settings: the area and the stresses follow
    // on the next activation, and the stored stresses did change.
    RebarSpecTable[5].Area = 5.0;
    w->HandleActivate();
    ExpectShown(w, "   D25", "500.0", "    41.8", "ok", "    59.2", "ok");
    EXPECT_EQ(Design.RockTau, "41.8");
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(RockSteelTest, VerdictsAtEqualityAndOneStepPast) {
    struct Case {
        const char *s, *pt;
        const char *tau, *tauVerdict, *sigma, *sigmaVerdict;
    };
    // τsa 80, σsa 160. 40.5·1000/506.7 = 79.93 → 80.0; 40.55 → 80.03 → 80.1;
    // 81.07 → 159.996 → 160.0; 81.1 → 160.06 → 160.1.
    const Case cases[] = {
        {"40.5", "81.07", "    80.0", "ok", "   160.0", "ok"},
        {"40.55", "81.1", "    80.1", "out", "   160.1", "out"},
        {"40.55", "", "    80.1", "out", "", ""},
        {"", "81.07", "", "", "   160.0", "ok"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.s) + " " + c.pt);
        NArock1* w = Open([&] {
            Design.RockS = c.s;
            Design.Pt = c.pt;
        });
        ExpectShown(w, "   D25", "506.7", c.tau, c.tauVerdict, c.sigma, c.sigmaVerdict);
        EXPECT_EQ(Fore(w->Label25), std::string(c.tauVerdict) == "out" ? kRed : kBlack);
        EXPECT_EQ(Fore(w->Label26), std::string(c.sigmaVerdict) == "out" ? kRed : kBlack);
        if (std::string(c.tauVerdict) == "out") SaveShot(w, "narock1_out");
    }
}

TEST_F(RockSteelTest, AnAllowableEntryReMarksItsVerdict) {
    NArock1* w = Open(Computed);  // τs 41.3, σs 58.5
    struct Case {
        QLineEdit* box;
        const char* typed;
        QLabel* verdict;
        const char* shown;
        QColor colour;
        std::string flags;
    };
    const Case cases[] = {
        {w->Text1, "41", w->Label25, "out", kRed, "10000"},
        {w->Text1, "42", w->Label25, "ok", kBlack, "10000"},
        {w->Text1, "41", w->Label25, "out", kRed, "10000"},
        {w->Text1, "", w->Label25, "", kBlack, "10000"},
        {w->Text2, "58", w->Label26, "out", kRed, "10000"},
        {w->Text2, "５９", w->Label26, "ok", kBlack, "10000"},
        // The stored value again, with blanks around it: nothing changes.
        {w->Text2, " 59 ", w->Label26, "ok", kBlack, "00000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(Str(c.box->objectName()) + " " + c.typed);
        LowerFlags();
        Type(c.box, QString::fromUtf8(c.typed));
        EXPECT_EQ(S(c.verdict), c.shown);
        EXPECT_EQ(Fore(c.verdict), c.colour);
        EXPECT_EQ(Flags(), c.flags);
    }
    EXPECT_EQ(Design.RockTauSa, "");
    EXPECT_EQ(Design.RockSigmaSa, "    59");
    // The other verdict stood through it all.
    EXPECT_EQ(S(w->Label26), "ok");
}

TEST_F(RockSteelTest, BothAllowablesAtTheirLimits) {
    NArock1* w = Open(Computed);
    for (auto [box, field] :
         {std::pair{"Text1", &Design.RockTauSa}, std::pair{"Text2", &Design.RockSigmaSa}}) {
        CheckLimits(w, {box, field, "1", "     1", "999", "   999", "0", "1000",
                        RangeMessage("1", "999"), "80.5", kWholeNumber, "８０", "    80", "10000"});
    }
}

TEST_F(RockSteelTest, TheBarStepsThroughTheTableAndStopsAtItsEnds) {
    NArock1* w = Open(Computed);
    w->Text1->setFocus();
    PumpEvents();
    // One step down: D22, 387.1 mm², τs 20.9·1000/387.1 = 53.99 → 54.0,
    // σs 29.6·1000/387.1 = 76.47 → 76.5. The design is changed; the focus
    // stays where it was.
    Step(w, false);
    EXPECT_EQ(Design.RockBarIndex, 4);
    ExpectShown(w, "   D22", "387.1", "    54.0", "ok", "    76.5", "ok");
    EXPECT_EQ(Design.RockTau, "54.0");
    EXPECT_EQ(Design.RockSigma, "76.5");
    EXPECT_EQ(Flags(), "10000");
    EXPECT_EQ(Focused(), "Text1");

    // Down to D10: 71.33 mm², τs 293.004 → 293.1 > 80, σs 414.97 → 415.0 > 160.
    for (int i = 0; i < 4; ++i) Step(w, false);
    ExpectShown(w, "   D10", "71.33", "   293.1", "out", "   415.0", "out");
    EXPECT_EQ(Fore(w->Label25), kRed);
    LowerFlags();
    Step(w, false);
    EXPECT_EQ(Design.RockBarIndex, 0);
    EXPECT_EQ(S(w->Text7), "   D10");
    EXPECT_EQ(Flags(), "00000");

    // Up to D51 and once more.
    for (int i = 0; i < 11; ++i) Step(w, true);
    ExpectShown(w, "   D51", "2027.0", "    10.4", "ok", "    14.7", "ok");
    EXPECT_EQ(Fore(w->Label25), kBlack);
    LowerFlags();
    Step(w, true);
    EXPECT_EQ(Design.RockBarIndex, 11);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(RockSteelTest, AStepWaitsForTheAllowableBeingEdited) {
    NArock1* w = Open(Computed);
    // A refused allowable keeps its box: the bar does not step.
    TypeWithoutLeaving(w->Text1, "abc");
    messages.Expect(kBadValue);
    Step(w, true);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.RockBarIndex, 5);
    EXPECT_EQ(Focused(), "Text1");
    EXPECT_EQ(Flags(), "00000");
    // An accepted one is stored first and judges the stepped bar: D29,
    // 642.4 mm², τs 20.9·1000/642.4 = 32.53 → 32.6 > 30. The focus stays.
    TypeWithoutLeaving(w->Text1, "30");
    Step(w, true);
    EXPECT_EQ(Design.RockTauSa, "    30");
    ExpectShown(w, "   D29", "642.4", "    32.6", "out", "    46.1", "ok");
    EXPECT_EQ(Focused(), "Text1");
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(RockSteelTest, TheArrowKeysInTheBarBoxStepTheBar) {
    NArock1* w = Open(Computed);
    w->Text7->setFocus();
    PumpEvents();
    QTest::keyClick(w->Text7, Qt::Key_Up);
    EXPECT_EQ(S(w->Text7), "   D29");
    EXPECT_EQ(Design.RockBarIndex, 6);
    QTest::keyClick(w->Text7, Qt::Key_Down);
    QTest::keyClick(w->Text7, Qt::Key_Down);
    EXPECT_EQ(S(w->Text7), "   D22");
    EXPECT_EQ(S(w->Label21), "387.1");
    // Nothing typed reaches the box, and the focus stays in it.
    QTest::keyClicks(w->Text7, "x9");
    QTest::keyClick(w->Text7, Qt::Key_Backspace);
    EXPECT_EQ(S(w->Text7), "   D22");
    EXPECT_EQ(Design.RockBarIndex, 4);
    EXPECT_EQ(Focused(), "Text7");
    // The up-down control with the focus steps as well.
    w->UpDown1->setFocus();
    QTest::keyClick(w->UpDown1, Qt::Key_Up);
    EXPECT_EQ(S(w->Text7), "   D25");
}

TEST_F(RockSteelTest, TheStepsOfTheRockBoltChain) {
    // The steel step stands seventh in the chain of work type 3, the length
    // step eighth; Next leads from one to the other.
    FillDesign(3);
    LowerFlags();
    RecalcLoad = 1;
    NArock1* w = OpenInChain<NArock1>(3);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(CurStep, 7);
    EXPECT_EQ(Str(w->Caption()), "7.ロックボルト鋼材の選定");
    EXPECT_EQ(Str(w->Text7->text()), "   D25");
    PressButton(w->cmdNext, Qt::Key_N, Press::Mouse);
    EXPECT_EQ(CurStep, 8);
    auto* next = qobject_cast<NBrock2*>(host->manager->Step(8));
    ASSERT_NE(next, nullptr);
    EXPECT_EQ(Str(next->Caption()), "8.ロックボルト長の算出");
    EXPECT_EQ(next->State(), WindowState::Normal);
    EXPECT_EQ(w->State(), WindowState::Minimized);
    EXPECT_EQ(Str(next->Label15->text()), "    1.9");
}

TEST_F(RockSteelTest, ARefusedAllowableHoldsEveryButton) {
    FillDesign(3);
    NArock1* w = OpenInChain<NArock1>(3);
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->Text1, QStringLiteral("1000"),
                                       RangeMessage("1", "999"), &Design.RockTauSa, messages,
                                       host->selectShown);
}

TEST_F(RockSteelTest, TheSinkSendsTheFocusToTheShearAllowable) {
    NArock1* w = Open(Computed);
    w->cmdResult->setFocus();
    PumpEvents();
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "Text1");
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
