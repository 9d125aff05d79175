// The bearing pressure step of the ground anchors: what it shows from the
// design and from a new one, the anchor load rerun on activation, the plate
// width at its limits, the two width warnings after every accepted entry,
// and the verdict with its sign and colour.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>

#include "steps/windows/NMsiatu.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kUnderBoxOut = "アンカーの箱抜き径を下回っています。";
const std::string kOverFrame = "のり枠の幅を超えています。";

class BearingTest : public InputStepTest {
protected:
    // The bearing example: b = 300 (class 2) with its box-out set to 100,
    // u = 150, σck = 18, Pt = 100.0 as stored. A = 90 000; Ap = 150² −
    // π·100²/4 = 14 646.0… → 14646; σba1 = (0.25 + 0.05·90 000/14 646)·18 =
    // 10.03… so σba2 = 0.5·18 = 9.00 governs; σb = 100 000/14 646 = 6.827…
    // → 6.83 (rounded up).
    NMsiatu* OpenExample() {
        FillDesign(4);
        Design.SectionBx = Design.SectionBy = " 300";
        RebarCountRule.BoxOutDia[1][2] = "100";
        Design.PlateU = "    150";
        Design.Pt = "100.0";
        LowerFlags();
        return Load<NMsiatu>();
    }
    // The filled design (200 mm beams: b = 200, D = 150) with Pt 100.0.
    NMsiatu* OpenFilled() {
        FillDesign(4);
        Design.Pt = "100.0";
        LowerFlags();
        return Load<NMsiatu>();
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static QColor Ink(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // Ap, σb, σba and the verdict as shown.
    static std::vector<std::string> Check(const NMsiatu* w) {
        return {S(w->Label7), S(w->Label8), S(w->Label9), S(w->Label22), S(w->Label20)};
    }
};

TEST_F(BearingTest, TheWorkedExampleAsShown) {
    NMsiatu* w = OpenExample();
    EXPECT_EQ(S(w->Label3), "     18");
    EXPECT_EQ(Design.PlateU, "    150");
    EXPECT_EQ(S(w->Label4), "    100");
    EXPECT_EQ(S(w->Label5), "    300");
    EXPECT_EQ(S(w->Label6), "  90000");
    EXPECT_EQ(Check(w),
              (std::vector<std::string>{"  14646", "    6.83", "    9.00", "≦", "･･･ok"}));
    EXPECT_EQ(Ink(w->Label20), kBlack);
    EXPECT_EQ(Fore(w->Text1), kBlack);
    // Showing the step changed nothing of the design.
    EXPECT_EQ(Flags(), "00000");

    // The plate width box: right of its caption, with the focus first.
    EXPECT_EQ(Focused(), "Text1");
    EXPECT_EQ(Str(w->Text1->text()), "150");
    EXPECT_EQ(w->FocusSink, w->Text2);
    EXPECT_EQ(w->Text2->objectName(), "Text2");
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t : {"支圧応力度",
                          "コンクリートの設計基準強度",
                          "プレートの幅",
                          "アンカーの箱抜き径",
                          "枠　幅",
                          "コンクリートの全面積",
                          "プレートの有効面積",
                          "支圧応力度の照査",
                          "σ<sub>ck</sub>",
                          "u",
                          "D",
                          "b",
                          "A",
                          "A<sub>p</sub>",
                          "(mm)",
                          "(mm<sup>2</sup>)",
                          "(N/mm<sup>2</sup>)",
                          "σ<sub>b</sub> =",
                          "Ｐ<sub>t</sub>",
                          "Ａ<sub>p</sub>",
                          "σ<sub>ba</sub> =",
                          "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    ExpectLaidOutApart(w);
    SaveShot(w, "NMsiatu");

    // Reached with the Tab key, the sink sends the focus to the plate width.
    w->Text2->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_EQ(Focused(), "Text1");
}

TEST_F(BearingTest, ANewDesign) {
    InitDesignData();
    Design.WorkType = 4;
    LowerFlags();
    NMsiatu* w = Load<NMsiatu>();
    EXPECT_EQ(S(w->Label3), "");
    EXPECT_EQ(Str(w->Text1->text()), "");
    // No beams yet: width class 0 with its box-out, and no area.
    EXPECT_EQ(S(w->Label4), "    150");
    EXPECT_EQ(S(w->Label5), "");
    EXPECT_EQ(S(w->Label6), "      0");
    EXPECT_EQ(Check(w), (std::vector<std::string>{"", "", "", "", "･･･"}));
    EXPECT_EQ(Fore(w->Text1), kBlack);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(BearingTest, ActivationRerunsTheAnchorLoadOnlyWhenItIsRaised) {
    NMsiatu* w = OpenExample();
    // Lowered: the stored Pt stands.
    w->HandleActivate();
    EXPECT_EQ(S(w->Label8), "    6.83");
    EXPECT_EQ(Flags(), "00000");
    // Raised: Pt of the restraint conditions and the 300 mm beams, 29.6 kN:
    // σb = 29 600/14 646 = 2.021… → 2.03.
    RecalcLoad = 1;
    w->HandleActivate();
    EXPECT_EQ(Design.Pt, "29.6");
    EXPECT_EQ(Check(w),
              (std::vector<std::string>{"  14646", "    2.03", "    9.00", "≦", "･･･ok"}));
    EXPECT_EQ(Flags(), "00001");
}

TEST_F(BearingTest, VerdictAtEqualityAndOneStepPast) {
    // Ap 14646, σba 9.00: Pt 131.8 gives σb = 8.999… → 9.00, Pt 131.9 gives
    // 9.005… → 9.01.
    struct Case {
        const char* pt;
        const char *sigmaB, *sign, *mark;
        QColor ink;
    };
    const Case cases[] = {
        {"131.8", "    9.00", "≦", "･･･ok", kBlack},
        {"131.9", "    9.01", "＞", "･･･out", kRed},
        {"", "    0.00", "≦", "･･･ok", kBlack},       // no load yet bears nothing
        {"131.8", "    9.00", "≦", "･･･ok", kBlack},  // red does not stay
    };
    NMsiatu* w = OpenExample();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pt);
        Design.Pt = c.pt;
        w->HandleActivate();
        EXPECT_EQ(S(w->Label8), c.sigmaB);
        EXPECT_EQ(S(w->Label9), "    9.00");
        EXPECT_EQ(S(w->Label22), c.sign);
        EXPECT_EQ(S(w->Label20), c.mark);
        EXPECT_EQ(Ink(w->Label20), c.ink);
    }
}

TEST_F(BearingTest, PlateWidthAtItsLimits) {
    // Without beams or a box-out nothing is warned of, so only the limits speak.
    InitDesignData();
    Design.WorkType = 4;
    RebarCountRule.BoxOutDia[1][0] = "";
    LowerFlags();
    NMsiatu* w = Load<NMsiatu>();
    CheckLimits(w, {"Text1", &Design.PlateU, "1", "      1", "999", "    999", "0", "1000",
                    RangeMessage("1", "999"), "12.5", kWholeNumber, "１２０", "    120", "10000"});
}

TEST_F(BearingTest, WidthWarningsAfterEveryAcceptedEntry) {
    // b = 200, D = 150, Pt 100.0. u 201: Ap = 40 401 − 17 671.4… = 22729.5…
    // → 22730; σba1 = (0.25 + 0.05·40 000/22 730)·18 = 6.08…, σb = 4.399… →
    // 4.40. u 200: Ap = 22 328.5… → 22329; σba1 = 6.11…, σb = 4.478… → 4.48.
    struct Case {
        const char* typed;
        const char* message;  // none when null
        QColor colour;
        std::string flags;
        std::vector<std::string> check;
    };
    const std::vector<std::string> none = {"", "", "", "", "･･･"};
    const Case cases[] = {
        {"149", kUnderBoxOut.c_str(), kRed, "10000", none},
        {"149", kUnderBoxOut.c_str(), kRed, "00000", none},    // unchanged: warned again
        {" 149 ", kUnderBoxOut.c_str(), kRed, "00000", none},  // blanks around it
        // As wide as the box-out: no warning, and the plate bears on its
        // corners. Ap = 22 500 − 17 671.4… → 4829; σba1 = (0.25 + 0.05·40 000/
        // 4829)·18 = 11.95…, so σba2 = 9.00 governs; σb = 20.708… → 20.71.
        {"150", nullptr, kBlack, "10000", {"   4829", "   20.71", "    9.00", "＞", "･･･out"}},
        {"201",
         kOverFrame.c_str(),
         kRed,
         "10000",
         {"  22730", "    4.40", "    6.08", "≦", "･･･ok"}},
        {"201",
         kOverFrame.c_str(),
         kRed,
         "00000",
         {"  22730", "    4.40", "    6.08", "≦", "･･･ok"}},
        {"200", nullptr, kBlack, "10000", {"  22329", "    4.48", "    6.11", "≦", "･･･ok"}},
        {"", nullptr, kBlack, "10000", none},
        {"", nullptr, kBlack, "00000", none},
    };
    NMsiatu* w = OpenFilled();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        LowerFlags();
        if (c.message) messages.Expect(c.message);
        Type(w->Text1, QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Fore(w->Text1), c.colour);
        EXPECT_EQ(Flags(), c.flags);
        EXPECT_EQ(Check(w), c.check);
    }
    // Every warning is a plain exclamation with an OK button and the
    // program's title.
    for (const MessageRequest& m : messages.Shown()) {
        EXPECT_EQ(m.buttons, MsgButtons::Ok);
        EXPECT_EQ(m.icon, MsgIcon::Exclamation);
        EXPECT_EQ(m.title, kAppTitle);
    }
}

TEST_F(BearingTest, ActivationPaintsTheWidthWithoutAWarning) {
    struct Case {
        const char* u;
        QColor colour;
    };
    for (const Case& c : {Case{"    149", kRed}, Case{"    150", kBlack}, Case{"    200", kBlack},
                          Case{"    201", kRed}, Case{"", kBlack}}) {
        SCOPED_TRACE(c.u);
        FillDesign(4);
        Design.PlateU = c.u;
        LowerFlags();
        NMsiatu* w = Load<NMsiatu>();
        EXPECT_EQ(Fore(w->Text1), c.colour);
        EXPECT_TRUE(messages.Shown().empty());
    }
}

TEST_F(BearingTest, ARefusedWidthHoldsEveryButton) {
    FillDesign(4);
    NMsiatu* w = OpenInChain<NMsiatu>(4);
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->Text1, QStringLiteral("1000"),
                                       RangeMessage("1", "999"), &Design.PlateU, messages,
                                       host->selectShown);
}

}  // namespace
}  // namespace talvo::test
