// The rock-bolt anchorage length step: the six entries, the bar's diameter,
// the two required bond lengths and the bolt length, and the red mark and
// warning of an anchorage length shorter than a bond length.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "steps/windows/NBrock2.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kShort = "定着長が付着長を下回っています。";

class RockLengthTest : public InputStepTest {
protected:
    // The filled rock-bolt design after `adjust`, loaded and activated with
    // RecalcLoad lowered (the load as `adjust` leaves it), every flag
    // lowered afterwards.
    template <class Adjust>
    NBrock2* Open(Adjust adjust) {
        FillDesign(3);
        adjust();
        LowerFlags();
        NBrock2* w = Load<NBrock2>();
        LowerFlags();
        return w;
    }
    // The worked example: the D25 bar (ds 25.4), Pt 100.0, Fs 2.0, da 65,
    // τ 0.49, τb 1.6: La1 = 1.99880 → 1.999 → 2.0, La2 = 0.78324 → 0.784 →
    // 0.8. La 2.0 and Lf 3.5 give LA 5.5.
    static void Worked() {
        Design.Pt = "100.0";
        Design.RockFs = "    2.0";
        Design.RockDa = "   65";
        Design.RockTauG = "    0.49";
        Design.RockTauB = "    1.60";
        Design.RockLa = "    2.0";
        Design.RockLf = "    3.5";
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    static void ExpectLengths(NBrock2* w, const char* la1, const char* la2, const char* total) {
        EXPECT_EQ(S(w->Label15), la1);
        EXPECT_EQ(S(w->Label16), la2);
        EXPECT_EQ(S(w->Label17), total);
    }
};

TEST_F(RockLengthTest, AFilledDesignWithTheLoadFlagRaised) {
    // RecalcRock gives Pt 29.6; da 65, τ 0.20, τb 1.60, Fs 2.5 and ds 25.4:
    // La1 = 29600·2.5/(π·0.065·200000) = 1.81192 → 1.9, La2 = 29600/(π·
    // 0.0254·1600000) = 0.23184 → 0.3; La 2.0 passes; LA = 2.0 + 1.5.
    FillDesign(3);
    LowerFlags();
    RecalcLoad = 1;
    NBrock2* w = Load<NBrock2>();
    EXPECT_EQ(Design.Pt, "29.6");
    EXPECT_EQ(S(w->Label14), "   25.4");
    ExpectLengths(w, "    1.9", "    0.3", "    3.5");
    EXPECT_EQ(Design.BondLa1, "1.812");
    EXPECT_EQ(Design.BondLa2, "0.232");
    EXPECT_EQ(Design.RockLength, "3.5");
    for (auto [box, shown] : {std::pair{w->Text2, "    0.20"}, std::pair{w->Text3, "    1.60"},
                              std::pair{w->Text4, "    2.5"}, std::pair{w->Text5, "    2.0"},
                              std::pair{w->Text7, "    1.5"}})
        EXPECT_EQ(S(box), shown) << Str(box->objectName());
    // Without its leading blanks when the box holds the focus.
    EXPECT_EQ(Str(w->Text1->text().trimmed()), "65");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    EXPECT_EQ(Flags(), "00001");
    EXPECT_EQ(w->FocusSink->objectName(), "Text9");
    EXPECT_EQ(w->Text9, w->FocusSink);
    for (QPushButton* b : w->cmdRefer) {
        EXPECT_EQ(b->text(), "参考値...");
        EXPECT_TRUE(b->isEnabled());  // on while the step is active
    }

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"鋼材の公称径",
                          "ds",
                          "mm",
                          "削孔径",
                          "da",
                          "地盤の周面摩擦抵抗",
                          "τ",
                          "N/mm<sup>2</sup>",
                          "グラウトと鋼材の許容付着応力度",
                          "τ<sub>b</sub>",
                          "引抜きに対する安全率",
                          "Ｆs",
                          "地山とグラウトの必要付着長",
                          "L<sub>a1</sub>",
                          "m",
                          "グラウトと鋼材の必要付着長",
                          "L<sub>a2</sub>",
                          "定着長",
                          "L<sub>a</sub>",
                          "地表面から想定すべり面までの距離",
                          "L<sub>f</sub>",
                          "ロックボルト長 ",
                          "L<sub>A</sub>",
                          "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    ExpectLaidOutApart(w);
    SaveShot(w, "nbrock2_filled");
}

TEST_F(RockLengthTest, ANewDesign) {
    for (bool recalcLoad : {false, true}) {
        SCOPED_TRACE(recalcLoad);
        InitDesignData();
        Design.WorkType = 3;
        LowerFlags();
        RecalcLoad = recalcLoad ? 1 : 0;
        NBrock2* w = Load<NBrock2>();
        for (QLineEdit* b : {w->Text1, w->Text2, w->Text3, w->Text4, w->Text5, w->Text7})
            EXPECT_EQ(S(b), "") << Str(b->objectName());
        EXPECT_EQ(S(w->Label14), "   25.4");
        ExpectLengths(w, "", "", "");
        EXPECT_EQ(Fore(w->Text5), kBlack);
        EXPECT_EQ(Flags(), recalcLoad ? "00001" : "00000");
        if (!recalcLoad) SaveShot(w, "nbrock2_new");
    }
}

TEST_F(RockLengthTest, WorkedLengthsAndTheVerdictAtTheirBoundary) {
    NBrock2* w = Open(Worked);
    ExpectLengths(w, "    2.0", "    0.8", "    5.5");
    EXPECT_EQ(Fore(w->Text5), kBlack);  // La equal to the larger length

    // 1.9 is one step short: red, and the warning on leaving.
    messages.Expect(kShort);
    Type(w->Text5, "1.9");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Fore(w->Text5), kRed);
    EXPECT_EQ(Design.RockLa, "    1.9");
    EXPECT_EQ(S(w->Label17), "    5.4");
    EXPECT_EQ(Flags(), "10000");
    SaveShot(w, "nbrock2_short");

    // Left again unchanged: the warning again, and nothing stored.
    LowerFlags();
    messages.Expect(kShort);
    Type(w->Text5, "1.9");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Flags(), "00000");

    // Back to 2.0: black, no message.
    Type(w->Text5, "2");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    EXPECT_EQ(S(w->Text5), "    2.0");

    // With Pt 50.0 the ground length comes to exactly 1.000: 1.0, not 1.1.
    w = Open([] {
        Worked();
        Design.Pt = "50.0";
    });
    ExpectLengths(w, "    1.0", "    0.4", "    5.5");
    EXPECT_EQ(Design.BondLa1, "1.000");
    EXPECT_EQ(Design.BondLa2, "0.392");
}

TEST_F(RockLengthTest, ABondEntryReColoursTheLengthWithoutAWarning) {
    struct Case {
        const char* box;
        const char* typed;
        const char *la1, *la2;
        QColor colour;
    };
    // From the worked example, each change alone.
    const Case cases[] = {
        {"Text1", "60", "    2.2", "    0.8", kRed},    // 2.16535 → 2.166
        {"Text2", "0.45", "    2.2", "    0.8", kRed},  // 2.17647 → 2.177
        {"Text3", "0.3", "    2.0", "    4.2", kRed},   // 4.17728 → 4.178
        {"Text4", "2.1", "    2.1", "    0.8", kRed},   // 2.09874 → 2.099
        {"Text4", "1.5", "    1.5", "    0.8", kBlack},
        {"Text1", "", "", "    0.8", kRed},  // no ground length: nothing passes La
        {"Text3", "", "    2.0", "", kRed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + " " + c.typed);
        NBrock2* w = Open(Worked);
        Type(w->findChild<QLineEdit*>(c.box), QString::fromUtf8(c.typed));
        ExpectLengths(w, c.la1, c.la2, "    5.5");
        EXPECT_EQ(Fore(w->Text5), c.colour);
        EXPECT_EQ(Flags(), "10000");
    }
}

TEST_F(RockLengthTest, AnAnchorageLengthWithoutALoadIsNotJudged) {
    // Before a design load exists there are no bond lengths to hold La
    // against: no red, no warning, whatever is typed or left.
    NBrock2* w = Open([] {
        Design.Pt = "";
        Design.RockLa = "";
    });
    ExpectLengths(w, "", "", "");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    Type(w->Text5, "3");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    EXPECT_EQ(S(w->Label17), "    4.5");
    Type(w->Text2, "0.20");
    Type(w->Text5, "3");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    w->HandleActivate();
    EXPECT_EQ(Fore(w->Text5), kBlack);
    // Emptied: judged no more, and no bolt length.
    Type(w->Text5, "");
    EXPECT_EQ(Fore(w->Text5), kBlack);
    EXPECT_EQ(Design.RockLa, "");
    EXPECT_EQ(Design.RockLength, "");
    EXPECT_EQ(S(w->Label17), "");
}

TEST_F(RockLengthTest, TheDistanceToTheSlipSurfaceChangesOnlyTheBoltLength) {
    NBrock2* w = Open([] {
        Worked();
        Design.RockLa = "    1.9";
    });
    EXPECT_EQ(Fore(w->Text5), kRed);  // activation repaints without a message
    Type(w->Text7, "4");
    EXPECT_EQ(S(w->Label17), "    5.9");
    EXPECT_EQ(Fore(w->Text5), kRed);
    Type(w->Text7, "");
    EXPECT_EQ(S(w->Label17), "");
    EXPECT_EQ(Design.RockLf, "");
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(RockLengthTest, ABarChangedInTheSteelStepShowsOnReturn) {
    NBrock2* w = Open(Worked);
    Design.RockBarIndex = 4;  // D22, ds 22.2: La2 = 100000/(π·0.0222·1600000) = 0.896 → 0.9
    w->HandleActivate();
    EXPECT_EQ(S(w->Label14), "   22.2");
    ExpectLengths(w, "    2.0", "    0.9", "    5.5");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(RockLengthTest, EveryBoxAtItsLimits) {
    // A load of 0.1 kN needs only 0.1 m of either bond, so every accepted
    // anchorage length passes and leaving its box warns of nothing. The
    // lengths go first: each box ends emptied, and an emptied anchorage
    // length is judged no more when the bond entries empty the bond lengths.
    NBrock2* w = Open([] { Design.Pt = "0.1"; });
    const LimitCase cases[] = {
        {"Text5", &Design.RockLa, "0.1", "    0.1", "99.9", "   99.9", "0.09", "100",
         RangeMessage("0.1", "99.9"), "2.05", DecimalsMessage(1), "２", "    2.0", "10000"},
        {"Text7", &Design.RockLf, "0.1", "    0.1", "99.9", "   99.9", "0", "99.91",
         RangeMessage("0.1", "99.9"), "1.55", DecimalsMessage(1), "１．５", "    1.5", "10000"},
        {"Text1", &Design.RockDa, "1", "    1", "999", "  999", "0", "1000",
         RangeMessage("1", "999"), "65.5", kWholeNumber, "６５", "   65", "10000"},
        {"Text2", &Design.RockTauG, "0.01", "    0.01", "9.99", "    9.99", "0", "10",
         RangeMessage("0.01", "9.99"), "0.201", DecimalsMessage(2), "０．４９", "    0.49",
         "10000"},
        {"Text3", &Design.RockTauB, "0.01", "    0.01", "9.99", "    9.99", "0.009", "9.991",
         RangeMessage("0.01", "9.99"), "1.605", DecimalsMessage(2), "１．６", "    1.60", "10000"},
        {"Text4", &Design.RockFs, "0.1", "    0.1", "9.9", "    9.9", "0", "10",
         RangeMessage("0.1", "9.9"), "2.55", DecimalsMessage(1), "２．５", "    2.5", "10000"},
    };
    for (const LimitCase& c : cases) CheckLimits(w, c);
    EXPECT_EQ(Fore(w->Text5), kBlack);
}

TEST_F(RockLengthTest, ARefusedLengthHoldsEveryButtonWithoutTheShortWarning) {
    // The stored 1.9 is short of 2.0; only an accepted length warns of it.
    FillDesign(3);
    Worked();
    Design.RockLa = "    1.9";
    NBrock2* w = OpenInChain<NBrock2>(3);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Fore(w->Text5), kRed);
    ExpectRefusedEntryHoldsEveryButton(w, w->Text5, QStringLiteral("100"),
                                       RangeMessage("0.1", "99.9"), &Design.RockLa, messages,
                                       host->selectShown);
}

TEST_F(RockLengthTest, TheSinkSendsTheFocusToTheDrillHole) {
    NBrock2* w = Open(Worked);
    w->cmdResult->setFocus();
    PumpEvents();
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "Text1");
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
