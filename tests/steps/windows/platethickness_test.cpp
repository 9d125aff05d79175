// The plate thickness step of the ground anchors: what it shows from the
// design and from a new one, the anchor load rerun on activation, both boxes
// at their limits, the thickness colour after either entry and the warning
// after every accepted thickness.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "steps/windows/NMprate.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kTooThin = "プレートの必要厚さを下回っています。";

class PlateThicknessTest : public InputStepTest {
protected:
    // The filled design: 200 mm beams (D = 150), u = 150, σpa 185, t 12, with
    // Pt 150.0 as stored: Pt/2 = 75 000 N, M = 75 000·150/4 = 2 812 500 N·mm,
    // t ≧ √(6·2 812 500/(150·185)) = 24.65… → 24.7.
    template <class Adjust>
    NMprate* Open(Adjust adjust) {
        FillDesign(4);
        Design.Pt = "150.0";
        adjust();
        LowerFlags();
        return Load<NMprate>();
    }
    NMprate* Open() {
        return Open([] {});
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    // u, D, M and the required thickness as shown.
    static std::vector<std::string> Shown(const NMprate* w) {
        return {S(w->lblPlateWidth), S(w->lblDiameter), S(w->lblMoment), S(w->lblThick)};
    }
};

TEST_F(PlateThicknessTest, AFilledDesign) {
    NMprate* w = Open();
    EXPECT_EQ(Shown(w), (std::vector<std::string>{"   150", "   150", " 2812500", "      24.7"}));
    // The stress box has the focus, which trims its blanks.
    EXPECT_EQ(Focused(), "txtStress");
    EXPECT_EQ(Str(w->txtStress->text()), "185");
    EXPECT_EQ(Str(w->txtPlateThick->text()), "      12");
    // 12 is short of 24.7: red, but activation warns of nothing.
    EXPECT_EQ(Fore(w->txtPlateThick), kRed);
    EXPECT_TRUE(messages.Shown().empty());
    EXPECT_EQ(Flags(), "00000");
    // The catalogue's button is on while the step is active.
    EXPECT_TRUE(w->cmdRefer->isEnabled());
    EXPECT_EQ(w->cmdRefer->text(), "参考値...");

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t : {"アンカープレート",
                          "プレートの検討",
                          "プレートの許容曲げ応力度",
                          "プレートの幅",
                          "アンカーの箱抜き径",
                          "曲げモーメント",
                          "プレートの必要厚さ",
                          "プレートの厚さ",
                          "σ<sub>pa</sub>",
                          "u",
                          "D",
                          "Ｍ =",
                          "(Ｐ<sub>t</sub>／２)・Ｄ",
                          "４",
                          "ｔ ≧",
                          "６・Ｍ",
                          "ｕ・σ<sub>pa</sub>",
                          "ｔ",
                          "(N/mm<sup>2</sup>)",
                          "(mm)",
                          "(N･mm)",
                          "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    // The root sign is drawn over its fraction.
    ExpectLaidOutApart(w, {"RootSign"});
    SaveShot(w, "NMprate");

    EXPECT_EQ(w->FocusSink, w->Text3);
    EXPECT_EQ(w->Text3->objectName(), "Text3");
    w->cmdResult->setFocus(Qt::TabFocusReason);
    PumpEvents();
    w->Text3->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_EQ(Focused(), "txtStress");
}

TEST_F(PlateThicknessTest, ANewDesign) {
    InitDesignData();
    Design.WorkType = 4;
    LowerFlags();
    NMprate* w = Load<NMprate>();
    // No load: Pt/2 and M are 0; without a width or stress no thickness.
    EXPECT_EQ(Shown(w), (std::vector<std::string>{"", "   150", "       0", ""}));
    EXPECT_EQ(Str(w->txtStress->text()), "");
    EXPECT_EQ(Str(w->txtPlateThick->text()), "");
    EXPECT_EQ(Fore(w->txtPlateThick), kBlack);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(PlateThicknessTest, ActivationRerunsTheAnchorLoadOnlyWhenItIsRaised) {
    NMprate* w = Open();
    w->HandleActivate();
    EXPECT_EQ(S(w->lblThick), "      24.7");
    EXPECT_EQ(Flags(), "00000");
    // Raised: the design's own Pt of 29.5 kN: M = 14 750·150/4 = 553 125,
    // t ≧ √(6·553 125/(150·185)) = 10.93… → 11.0, which 12 satisfies.
    RecalcLoad = 1;
    w->HandleActivate();
    EXPECT_EQ(Design.Pt, "29.5");
    EXPECT_EQ(Shown(w), (std::vector<std::string>{"   150", "   150", "  553125", "      11.0"}));
    EXPECT_EQ(Fore(w->txtPlateThick), kBlack);
    EXPECT_EQ(Flags(), "00001");
}

TEST_F(PlateThicknessTest, BothBoxesAtTheirLimits) {
    // A new design requires no thickness, so no entry is warned of. A refused
    // value comes back and the focus goes on.
    InitDesignData();
    Design.WorkType = 4;
    LowerFlags();
    NMprate* w = Load<NMprate>();
    CheckLimits(
        w, {"txtStress", &Design.PlateSigma, "1", "     1", "999", "   999", "0", "1000",
            RangeMessage("1", "999"), "150.5", kWholeNumber, "１８５", "   185", "10000", false});
    CheckLimits(w,
                {"txtPlateThick", &Design.PlateT, "1", "       1", "99", "      99", "0", "100",
                 RangeMessage("1", "99"), "9.5", kWholeNumber, "１２", "      12", "10000", false});
}

TEST_F(PlateThicknessTest, ThicknessWarnedAfterEveryAcceptedEntry) {
    // σpa 180: t ≧ √(6·2 812 500/(150·180)) = √625 = 25.0 exactly.
    struct Case {
        const char* typed;
        bool warned;
        QColor colour;
        std::string flags;
    };
    const Case cases[] = {
        {"25", false, kBlack, "10000"},  // equal: enough
        {"24", true, kRed, "10000"},     // one short
        {"24", true, kRed, "00000"},     // unchanged: warned again
        {"２４", true, kRed, "00000"},  {"26", false, kBlack, "10000"},
        {"", false, kBlack, "10000"},   // no thickness given: nothing to judge
        {"0", false, kBlack, "00000"},  // refused: the stored (empty) value stays
    };
    NMprate* w = Open([] { Design.PlateSigma = "   180"; });
    EXPECT_EQ(S(w->lblThick), "      25.0");
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        LowerFlags();
        if (std::string(c.typed) == "0") messages.Expect(RangeMessage("1", "99"));
        if (c.warned) messages.Expect(kTooThin);
        Type(w->txtPlateThick, QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Fore(w->txtPlateThick), c.colour);
        EXPECT_EQ(Flags(), c.flags);
    }
    for (const MessageRequest& m : messages.Shown()) {
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.title, kAppTitle);
    }
}

TEST_F(PlateThicknessTest, TheStressRepaintsTheThicknessWithoutAWarning) {
    // M 2 812 500, u 150, t 25: σpa 170 needs √(112 500/170) = 25.72… → 25.8
    // (red); 200 needs 23.71… → 23.8 (black); emptied, nothing is required.
    struct Case {
        const char* typed;
        const char* required;  // stored
        const char* shown;
        QColor colour;
    };
    const Case cases[] = {
        {"170", "25.8", "      25.8", kRed},
        {"200", "23.8", "      23.8", kBlack},
        {"１７０", "25.8", "      25.8", kRed},
        {"", "", "", kBlack},
    };
    NMprate* w = Open([] {
        Design.PlateSigma = "   180";
        Design.PlateT = "      25";
    });
    EXPECT_EQ(Fore(w->txtPlateThick), kBlack);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        LowerFlags();
        Type(w->txtStress, QString::fromUtf8(c.typed));
        EXPECT_EQ(Design.PlateTReq, c.required);
        EXPECT_EQ(S(w->lblThick), c.shown);
        EXPECT_EQ(Fore(w->txtPlateThick), c.colour);
        EXPECT_EQ(Str(w->txtPlateThick->text()), "      25");
        EXPECT_EQ(Flags(), "10000");
    }
    EXPECT_TRUE(messages.Shown().empty());
}

// A refused value comes back and the focus goes where it was sent, but the
// button that took it does not act: the step stays, with nothing stored.
TEST_F(PlateThicknessTest, ARefusedValueHoldsTheButtonThatTookTheFocus) {
    FillDesign(4);
    Design.PlateT = "      12";
    NMprate* w = OpenInChain<NMprate>(4);
    ASSERT_NE(w, nullptr);
    const int step = CurStep;
    for (QPushButton* button : {w->cmdNext, w->cmdBack, w->cmdResult, w->cmdBegin}) {
        SCOPED_TRACE(Str(button->objectName()));
        LowerFlags();
        TypeWithoutLeaving(w->txtPlateThick, QStringLiteral("100"));
        messages.Expect(RangeMessage("1", "99"));
        PressButton(button, Qt::Key_N, Press::Mouse);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(CurStep, step);
        EXPECT_EQ(w->State(), WindowState::Normal);
        EXPECT_EQ(Design.PlateT, "      12");
        EXPECT_EQ(Str(w->txtPlateThick->text()), "      12");
        EXPECT_EQ(host->selectShown, 0);
        EXPECT_EQ(Flags(), "00000");
    }
}

}  // namespace
}  // namespace talvo::test
