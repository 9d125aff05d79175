// The main anchor bar step of the frame-only types: what it shows from the
// design, from a new one and from a design just read, the horizontal forces
// and τs on activation, both boxes at their limits, τs after Fs, the verdict,
// and stepping the bar with the up-down button and the arrow keys.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <functional>

#include "platform/updown.h"
#include "steps/windows/NHanchor.h"
#include "steps/windows/input_entry_fixture.h"
#include "support/qt/tab_walk.h"

namespace talvo::test {
namespace {

class AnchorBarStepTest : public InputStepTest {
protected:
    // The filled frame-only design of `type` after `adjust`, the step shown
    // with every flag lowered.
    template <class Adjust>
    NHanchor* Open(int type, Adjust adjust) {
        FillDesign(static_cast<std::int16_t>(type));
        Design.AncBarFs = "  1.5";
        Design.AncBarTauSa = "   30";
        adjust();
        LowerFlags();
        return Load<NHanchor>();
    }
    NHanchor* Open(int type = 0) {
        return Open(type, [] {});
    }
    // The step over a load Q of 12.00 kN (D22: 12 000/387.1 = 30.99…).
    NHanchor* OpenWithLoad(const char* fs, const char* tauSa) {
        NHanchor* w = Open(2, [&] {
            Design.YokoQ = "12.00";
            Design.AncBarFs = fs;
            Design.AncBarTauSa = tauSa;
        });
        // τs of this load, as after a change of the bar table.
        RecalcAnchorBar = 1;
        w->HandleActivate();
        LowerFlags();
        return w;
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    static QColor Ink(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // The bar, As, τs and the verdict as shown.
    static std::vector<std::string> Bar(const NHanchor* w) {
        return {S(w->Text7), S(w->Label14), S(w->Label11), S(w->Label20)};
    }
    static void Click(QToolButton* arrow) {
        QTest::mouseClick(arrow, Qt::LeftButton);
        PumpEvents();
    }
};

TEST_F(AnchorBarStepTest, AFilledDesignWithItsForcesRaised) {
    // Q = 6.70 kN on a horizontal span of the filled designs; D22, Fs 1.5:
    // τs = 6 700/387.1·1.5 = 25.96… → 26.0, within τsa 30.
    for (int type : {0, 1, 2}) {
        SCOPED_TRACE(type);
        FillDesign(static_cast<std::int16_t>(type));
        Design.AncBarFs = "  1.5";
        Design.AncBarTauSa = "   30";
        Design.AncBarTauS = "   99.9";
        LowerFlags();
        RecalcForce = RecalcAnchorBar = 1;
        NHanchor* w = Load<NHanchor>();
        EXPECT_EQ(Design.YokoQ, "6.70");
        EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D22", "  387.1", "   26.0", "ok"}));
        EXPECT_EQ(Design.AncBarTauS, "   26.0");
        EXPECT_EQ(Ink(w->Label20), kBlack);
        EXPECT_EQ(S(w->Text1), "   30");
        // The horizontal forces are new; the design is not changed by it.
        EXPECT_EQ(Flags(), "00001");
    }
}

TEST_F(AnchorBarStepTest, TextsFocusAndLayout) {
    NHanchor* w = Open();
    // The bar on the top line has the focus; Fs, reached by Tab, trims its
    // blanks.
    EXPECT_EQ(Focused(), "Text7");
    EXPECT_EQ(S(w->Text3), "    1.5");
    QTest::keyClick(w->Text7, Qt::Key_Tab);
    QTest::keyClick(w->UpDown1, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "Text3");
    EXPECT_EQ(S(w->Text3), "1.5");
    EXPECT_TRUE(w->Text7->isReadOnly());
    EXPECT_TRUE(w->cmdRefer->isEnabled());
    EXPECT_EQ(w->cmdRefer->text(), "参考値...");
    EXPECT_EQ(w->FocusSink, w->Text2);
    EXPECT_EQ(w->Text2->objectName(), "Text2");
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t :
         {"主アンカー(アンカーバー)の検討", "使用鋼材", "鋼材の断面積", "安全率（設計安全率）",
          "鋼材の許容せん断応力度", "鋼材のせん断応力度", "a<sub>s</sub>", "Ｆ<sub>s</sub>",
          "τ<sub>sa</sub>", "τ<sub>s</sub>", "Ｑ", "・Ｆ<sub>s</sub>", "(mm<sup>2</sup>)",
          "(N/mm<sup>2</sup>)", "･･･", "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    // With its load: τs = 6 700/387.1·1.5 = 25.96… → 26.0, within 30.
    RecalcForce = RecalcAnchorBar = 1;
    w->HandleActivate();
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D22", "  387.1", "   26.0", "ok"}));
    ExpectLaidOutApart(w);
    SaveShot(w, "NHanchor");

    // Reached with the Tab key, the sink sends the focus round to the bar.
    w->Text1->setFocus(Qt::TabFocusReason);
    PumpEvents();
    w->Text2->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_EQ(Focused(), "Text7");
}

// The step opens on its top line, the bar, and the Tab key follows the
// screen from there: the bar's up-down button, Fs, τsa, 参考値..., the
// buttons, and round again to the bar; Shift+Tab walks the same road
// backwards.
TEST_F(AnchorBarStepTest, TheFocusFollowsTheScreenFromTheBarDown) {
    FillDesign(0);
    NHanchor* w = OpenInChain<NHanchor>(0);
    ASSERT_NE(w, nullptr);
    ASSERT_EQ(Focused(), "Text7");
    EXPECT_EQ(Names(WalkTabs(w, false)),
              "Text7 UpDown1 Text3 Text1 cmdRefer cmdBegin cmdBack cmdIndicate cmdNext cmdResult ");
    EXPECT_EQ(Names(WalkTabs(w, true)),
              "Text7 cmdResult cmdNext cmdIndicate cmdBack cmdBegin cmdRefer Text1 Text3 UpDown1 ");
}

TEST_F(AnchorBarStepTest, ANewDesign) {
    InitDesignData();
    Design.WorkType = 2;
    SetAllRecalc(true);
    DataChanged = 0;
    NHanchor* w = Load<NHanchor>();
    // Bar D22, nothing entered, no load: no τs, and the verdict place says
    // why.
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D22", "  387.1", "", "荷重Ｑがありません。"}));
    EXPECT_EQ(S(w->Text1), "");
    EXPECT_EQ(Design.AncBarTauS, "");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(AnchorBarStepTest, ADesignJustReadKeepsItsTauSUntilItsLoadIsKnown) {
    // Read from a file: τs as saved, Q not (it is never saved), every flag
    // raised. Loading the step must not put a τs of no load in its place.
    FillDesign(0);
    Design.AncBarFs = "  1.5";
    Design.AncBarTauS = "   46.5";
    Design.YokoQ = "";
    SetAllRecalc(true);
    DataChanged = 0;
    auto* w = new NHanchor;
    windows.emplace_back(w);
    QMdiSubWindow* sub = host->area->addSubWindow(w);
    w->Load(sub);
    EXPECT_EQ(Design.AncBarTauS, "   46.5");
    EXPECT_EQ(S(w->Label11), "   46.5");
    // Shown, its activation computes the forces and then τs: 26.0.
    sub->show();
    host->area->setActiveSubWindow(sub);
    PumpEvents();
    EXPECT_EQ(Design.YokoQ, "6.70");
    EXPECT_EQ(Design.AncBarTauS, "   26.0");
    EXPECT_EQ(S(w->Label11), "   26.0");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcForce, 0);
    EXPECT_EQ(RecalcAnchorBar, 0);
}

TEST_F(AnchorBarStepTest, ActivationWithTheFlagsRaisedAndLowered) {
    NHanchor* w = Open();
    // Lowered: the stored τs stands, though no Q is known.
    Design.AncBarTauS = "   40.0";
    w->HandleActivate();
    EXPECT_EQ(S(w->Label11), "   40.0");
    EXPECT_EQ(Flags(), "00000");
    // The bar table edited in the settings: the area shown is the new one,
    // and τs is computed with it: 6 700/400·1.5 = 25.125 → 25.2.
    RebarSpecTable[4].Area = 4.0;
    RecalcForce = RecalcAnchorBar = 1;
    w->HandleActivate();
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D22", "  400.0", "   25.2", "ok"}));
    EXPECT_EQ(Flags(), "00001");
    // A renamed bar shows its new name. The failure load is none of this
    // step's business: RecalcLoad stays for the step that shows it.
    RebarSpecTable[4].Name = "X22";
    LowerFlags();
    RecalcLoad = 1;
    w->HandleActivate();
    EXPECT_EQ(S(w->Text7), "   X22");
    EXPECT_EQ(Flags(), "01000");
}

TEST_F(AnchorBarStepTest, BothBoxesAtTheirLimits) {
    NHanchor* w = Open();
    CheckLimits(w,
                {"Text3", &Design.AncBarFs, "0.1", "    0.1", "9.9", "    9.9", "0.05", "10",
                 RangeMessage("0.1", "9.9"), "1.25", DecimalsMessage(1), "１", "    1.0", "10000"});
    CheckLimits(w, {"Text1", &Design.AncBarTauSa, "1", "    1", "999", "  999", "0", "1000",
                    RangeMessage("1", "999"), "80.5", kWholeNumber, "８０", "   80", "10000"});
}

TEST_F(AnchorBarStepTest, FsRecomputesTauSAndTheVerdictFollows) {
    // Q 12.00, D22: Fs 1.5 gives 46.499… → 46.5; τsa 46 out, 47 ok.
    struct Case {
        QLineEdit* NHanchor::*box;
        const char* typed;
        const char *tauS, *mark;
        QColor ink;
        std::string flags;
    };
    const Case cases[] = {
        {&NHanchor::Text3, "1.5", "   46.5", "out", kRed, "10000"},
        {&NHanchor::Text1, "47", "   46.5", "ok", kBlack, "10000"},
        {&NHanchor::Text1, "46", "   46.5", "out", kRed, "10000"},
        {&NHanchor::Text3, "1.0", "   31.0", "ok", kBlack, "10000"},  // 30.99… → 31.0
        {&NHanchor::Text3, "1.0", "   31.0", "ok", kBlack, "00000"},  // unchanged
        // No Fs: no τs, and in the verdict place, in red, why.
        {&NHanchor::Text3, "", "", "Ｆsが入力されていません。", kRed, "10000"},
        {&NHanchor::Text3, "1.5", "   46.5", "out", kRed, "10000"},
        {&NHanchor::Text1, "", "   46.5", "", kBlack, "10000"},  // no τsa: no verdict
    };
    NHanchor* w = OpenWithLoad("  1.0", "   46");
    EXPECT_EQ(S(w->Label11), "   31.0");
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.typed) + " into " + Str((w->*c.box)->objectName()));
        LowerFlags();
        Type(w->*c.box, QString::fromUtf8(c.typed));
        EXPECT_EQ(S(w->Label11), c.tauS);
        EXPECT_EQ(Design.AncBarTauS, c.tauS);
        EXPECT_EQ(S(w->Label20), c.mark);
        EXPECT_EQ(Ink(w->Label20), c.ink);
        EXPECT_EQ(Flags(), c.flags);
    }
}

// Without τs nothing has passed: the verdict place says, in red, what is
// missing, and an Fs typed in then does not make a τs of nothing.
TEST_F(AnchorBarStepTest, WithoutTauSTheVerdictPlaceSaysWhy) {
    struct Case {
        const char* what;
        std::function<void()> adjust;
        const char* why;
    };
    const Case cases[] = {
        {"no horizontal span", [] { Design.SpanX = ""; }, "荷重Ｑがありません。"},
        {"no load on it",
         [] {
             Design.FrameGamma = "";
             Design.UseInfill = 0;
         },
         "荷重Ｑがありません。"},
        {"a bar of no area", [] { RebarSpecTable[4].Area = 0; }, "鋼材の断面積がありません。"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NHanchor* w = Open(0, c.adjust);
        RecalcForce = RecalcAnchorBar = 1;
        w->HandleActivate();
        EXPECT_EQ(Design.AncBarTauS, "");
        EXPECT_EQ(S(w->Label11), "");
        EXPECT_EQ(S(w->Label20), c.why);
        EXPECT_EQ(Ink(w->Label20), kRed);
        Type(w->Text3, QStringLiteral("2.0"));
        EXPECT_EQ(Design.AncBarFs, "    2.0");
        EXPECT_EQ(S(w->Label20), c.why);
        SaveShot(w, QStringLiteral("NHanchor-no-tau-s"));
    }
}

TEST_F(AnchorBarStepTest, VerdictAtEqualityAndOneStepPast) {
    // τsa 46, Fs 1.0: Q 17.80 gives 17 800/387.1 = 45.98… → 46.0 (a tie);
    // Q 17.84 gives 46.08… → 46.1.
    struct Case {
        const char* q;
        const char *tauS, *mark;
        QColor ink;
    };
    for (const Case& c :
         {Case{"17.80", "   46.0", "ok", kBlack}, Case{"17.84", "   46.1", "out", kRed}}) {
        SCOPED_TRACE(c.q);
        NHanchor* w = Open(1, [&] {
            Design.YokoQ = c.q;
            Design.AncBarFs = "  1.0";
            Design.AncBarTauSa = "   46";
        });
        RecalcAnchorBar = 1;
        w->HandleActivate();
        EXPECT_EQ(S(w->Label11), c.tauS);
        EXPECT_EQ(S(w->Label20), c.mark);
        EXPECT_EQ(Ink(w->Label20), c.ink);
    }
}

TEST_F(AnchorBarStepTest, SteppingTheBarWithTheUpDownButton) {
    NHanchor* w = OpenWithLoad("  1.5", "   40");
    // Up from D22: D25, 12 000/506.7·1.5 = 35.52… → 35.6, within 40.
    Click(w->UpDown1->UpButton());
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D25", "  506.7", "   35.6", "ok"}));
    EXPECT_EQ(Design.AncBarIndex, 5);
    EXPECT_EQ(Design.AncBarTauS, "   35.6");
    EXPECT_EQ(Flags(), "10000");
    EXPECT_EQ(Focused(), "UpDown1");

    // Down to D10 and past it: 12 000/71.33·1.5 = 252.3… → 252.4.
    for (int i = 0; i < 5; ++i) Click(w->UpDown1->DownButton());
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D10", "   71.33", "  252.4", "out"}));
    EXPECT_EQ(Ink(w->Label20), kRed);
    LowerFlags();
    w->Text3->setFocus();
    PumpEvents();
    Click(w->UpDown1->DownButton());
    EXPECT_EQ(Design.AncBarIndex, 0);
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Focused(), "UpDown1");

    // Up to D51 and past it: 12 000/2 027·1.5 = 8.87… → 8.9.
    for (int i = 0; i < 11; ++i) Click(w->UpDown1->UpButton());
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D51", " 2027.0", "    8.9", "ok"}));
    LowerFlags();
    Click(w->UpDown1->UpButton());
    EXPECT_EQ(Design.AncBarIndex, 11);
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Focused(), "UpDown1");
}

TEST_F(AnchorBarStepTest, AStepWaitsForTheBoxBeingEdited) {
    NHanchor* w = OpenWithLoad("  1.0", "   40");
    // A refused Fs keeps its box: the bar does not step.
    TypeWithoutLeaving(w->Text3, "abc");
    messages.Expect(kBadValue);
    Click(w->UpDown1->UpButton());
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.AncBarIndex, 4);
    EXPECT_EQ(Focused(), "Text3");
    EXPECT_EQ(Flags(), "00000");
    // An accepted Fs is stored first, and the step computes with it.
    TypeWithoutLeaving(w->Text3, "1.5");
    Click(w->UpDown1->UpButton());
    EXPECT_EQ(Design.AncBarFs, "    1.5");
    EXPECT_EQ(Bar(w), (std::vector<std::string>{"   D25", "  506.7", "   35.6", "ok"}));
    EXPECT_EQ(Focused(), "UpDown1");
}

TEST_F(AnchorBarStepTest, ArrowKeysInTheBarBoxStepAndNothingIsTyped) {
    NHanchor* w = OpenWithLoad("  1.5", "   40");
    w->Text7->setFocus(Qt::MouseFocusReason);
    PumpEvents();
    QTest::keyClick(w->Text7, Qt::Key_Up);
    EXPECT_EQ(S(w->Text7), "   D25");
    EXPECT_EQ(Focused(), "Text7");
    QTest::keyClick(w->Text7, Qt::Key_Down);
    QTest::keyClick(w->Text7, Qt::Key_Down);
    EXPECT_EQ(S(w->Text7), "   D19");
    EXPECT_EQ(Design.AncBarIndex, 3);
    LowerFlags();
    QTest::keyClicks(w->Text7, "D29");
    QTest::keyClick(w->Text7, Qt::Key_Backspace);
    EXPECT_EQ(S(w->Text7), "   D19");
    EXPECT_EQ(Focused(), "Text7");
    EXPECT_EQ(Flags(), "00000");
    // The arrow keys on the up-down button itself step as well.
    w->UpDown1->setFocus();
    QTest::keyClick(w->UpDown1, Qt::Key_Up);
    EXPECT_EQ(S(w->Text7), "   D22");
    EXPECT_EQ(Focused(), "UpDown1");
}

TEST_F(AnchorBarStepTest, ARefusedSafetyFactorHoldsEveryButton) {
    FillDesign(0);
    NHanchor* w = OpenInChain<NHanchor>(0);
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->Text3, QStringLiteral("10"),
                                       RangeMessage("0.1", "9.9"), &Design.AncBarFs, messages,
                                       host->selectShown);
}

}  // namespace
}  // namespace talvo::test
