// The ground-anchor anchorage-length step: the seven boxes, the bond lengths
// and the anchor length, and the marks of La and Lf with their warnings on
// exactly the occasions that call for them.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "steps/windows/NBgrand2.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kBelowBond = "定着長が付着長を下回っています。";
const std::string kLaRange = "標準の入力範囲は、3～10です。";
const std::string kLfRange = "標準の入力範囲は、4～30です。";

// The anchor of the worked example: Pt 100.0, Fs 2.5, da 115, τ 0.5, ds 12.7,
// τb 0.8 give La1 1.384 → 1.4 and La2 3.133 → 3.2.
void WorkedAnchor() {
    Design.Pt = "100.0";
    Design.AnchorDs = " 12.7";
    Design.AnchorDa = "  115";
    Design.AnchorTauG = "    0.50";
    Design.AnchorTauB = "    0.80";
    Design.AnchorFs = "    2.5";
}

class AnchorLengthTest : public InputStepTest {
protected:
    // The window over a new ground-anchor design after `adjust`, activated
    // once, with every flag lowered.
    template <class Adjust>
    NBgrand2* OpenNew(Adjust adjust) {
        InitDesignData();
        Design.WorkType = 4;
        adjust();
        NBgrand2* w = Load<NBgrand2>();
        LowerFlags();
        return w;
    }
    NBgrand2* OpenNew() {
        return OpenNew([] {});
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    static std::string Colour(const QLineEdit* t) { return Fore(t) == kRed ? "red" : "black"; }
};

TEST_F(AnchorLengthTest, ANewDesignShowsNothing) {
    NBgrand2* w = OpenNew();
    for (QLineEdit* b : {w->txtds, w->txtda, w->txtTau, w->txtTaub, w->txtFs, w->txtLa, w->txtLf})
        EXPECT_EQ(S(b), "") << Str(b->objectName());
    for (QLabel* l : {w->lblLa1, w->lblLa2, w->lblLanc})
        EXPECT_EQ(S(l), "") << Str(l->objectName());
    EXPECT_EQ(Colour(w->txtLa), "black");
    EXPECT_EQ(Colour(w->txtLf), "black");
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(w->FocusSink->objectName(), "Text10");
    EXPECT_EQ(Focused(), "txtds");
    // The reference buttons are on while the step is active.
    for (QPushButton* b : w->cmdRefer) {
        EXPECT_EQ(b->text(), "参考値...");
        EXPECT_TRUE(b->isEnabled());
    }

    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
    for (const char* t : {"テンドンの見かけ径",
                          "削孔径（アンカー体径）",
                          "地盤の周面摩擦抵抗",
                          "グラウトとテンドンの許容付着応力度 ",
                          "引抜きに対する安全率",
                          "地山とグラウトの必要付着長",
                          "グラウトとテンドンの必要付着長",
                          "定着長",
                          "自由長",
                          "アンカー長 ",
                          "d<sub>s</sub>",
                          "d<sub>a</sub>",
                          "τ",
                          "τ<sub>b</sub>",
                          "Ｆ<sub>s</sub>",
                          "L<sub>a1</sub>",
                          "L<sub>a2</sub>",
                          "L<sub>a</sub>",
                          "L<sub>f</sub>",
                          "L<sub>A</sub>",
                          "=",
                          "(mm)",
                          "(N/mm<sup>2</sup>)",
                          "(m)"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    ExpectLaidOutApart(w);
}

TEST_F(AnchorLengthTest, WorkedExampleTypedIn) {
    NBgrand2* w = OpenNew([] { Design.Pt = "100.0"; });
    // Each bond input changes the bond lengths; without La nothing warns.
    Type(w->txtds, QStringLiteral("12.7"));
    Type(w->txtda, QStringLiteral("115"));
    Type(w->txtTau, QStringLiteral("0.5"));
    Type(w->txtTaub, QStringLiteral("0.8"));
    Type(w->txtFs, QStringLiteral("2.5"));
    EXPECT_EQ(Design.AnchorDs, "   12.7");
    EXPECT_EQ(Design.AnchorDa, "  115");
    EXPECT_EQ(Design.AnchorTauG, "    0.50");
    EXPECT_EQ(Design.AnchorTauB, "    0.80");
    EXPECT_EQ(Design.AnchorFs, "    2.5");
    EXPECT_EQ(S(w->lblLa1), "    1.4");
    EXPECT_EQ(S(w->lblLa2), "    3.2");
    EXPECT_EQ(Design.BondLa1Up, "1.4");
    EXPECT_EQ(Design.BondLa2Up, "3.2");

    messages.Expect(kBelowBond);
    Type(w->txtLa, QStringLiteral("3.0"));
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Colour(w->txtLa), "red");
    EXPECT_EQ(S(w->lblLanc), "");  // no Lf yet

    Type(w->txtLa, QStringLiteral("3.2"));
    EXPECT_EQ(Colour(w->txtLa), "black");
    Type(w->txtLf, QStringLiteral("5.0"));
    EXPECT_EQ(Colour(w->txtLf), "black");
    EXPECT_EQ(S(w->lblLanc), "    8.2");
    EXPECT_EQ(Design.AnchorLength, "8.2");
    EXPECT_EQ(Design.AnchorLa, "    3.2");
    EXPECT_EQ(Design.AnchorLf, "    5.0");
    // No entry here raises a recalculation flag.
    EXPECT_EQ(Flags(), "10000");
    SaveShot(w, QStringLiteral("NBgrand2_worked"));
}

TEST_F(AnchorLengthTest, ActivationRecalculatesTheLoadOnlyWhenRaised) {
    // Raised: RecalcRock gives the design load the bond lengths use.
    FillDesign(4);
    RecalcLoad = 1;
    NBgrand2* w = Load<NBgrand2>();
    EXPECT_EQ(Flags(), "00001");
    ASSERT_FALSE(Design.Pt.empty());
    // The first box has the focus, which trims its blanks.
    EXPECT_EQ(Focused(), "txtds");
    EXPECT_EQ(S(w->txtds), "12.7");
    EXPECT_EQ(S(w->txtda), "  115");
    EXPECT_EQ(S(w->txtTau), "    0.30");
    EXPECT_EQ(S(w->txtTaub), "    0.80");
    EXPECT_EQ(S(w->txtFs), "    2.5");
    EXPECT_EQ(S(w->txtLa), "    3.0");
    EXPECT_EQ(S(w->txtLf), "    4.0");
    EXPECT_EQ(S(w->lblLa1), FormatNum(Design.BondLa1Up, 5, 1));
    EXPECT_EQ(S(w->lblLa2), FormatNum(Design.BondLa2Up, 5, 1));
    EXPECT_EQ(S(w->lblLanc), "    7.0");

    // Lowered: the stored load stands; the displays follow it.
    FillDesign(4);
    WorkedAnchor();
    Design.AnchorLa = "    3.2";
    w = Load<NBgrand2>();
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Design.Pt, "100.0");
    EXPECT_EQ(S(w->lblLa1), "    1.4");
    EXPECT_EQ(S(w->lblLa2), "    3.2");
    EXPECT_EQ(Colour(w->txtLa), "black");

    // The load grows between two activations: La is marked, silently.
    Design.Pt = "110.0";
    w->HandleActivate();
    EXPECT_EQ(S(w->lblLa2), "    3.5");  // 3.446… → 3.447 → 3.5
    EXPECT_EQ(Colour(w->txtLa), "red");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(AnchorLengthTest, ActivationColoursWithoutAMessage) {
    NBgrand2* w = OpenNew([] {
        WorkedAnchor();
        Design.AnchorLa = "    3.0";
        Design.AnchorLf = "    3.9";
    });
    EXPECT_EQ(Colour(w->txtLa), "red");
    EXPECT_EQ(Colour(w->txtLf), "red");
    EXPECT_EQ(S(w->lblLanc), "    6.9");
    EXPECT_EQ(Flags(), "00000");
    SaveShot(w, QStringLiteral("NBgrand2_marked"));
    w->HandleActivate();
    EXPECT_EQ(Colour(w->txtLf), "red");
}

TEST_F(AnchorLengthTest, TheAnchorageLengthVerdict) {
    struct Case {
        const char* pt;
        const char* typed;
        const char* colour;
        const std::string* message;  // null: none
    };
    // Pt 100.0: La1 1.4, La2 3.2. Pt 50.0: La1 0.7, La2 1.6.
    const Case cases[] = {
        {"100.0", "3.2", "black", nullptr},    // equal to the larger bond length
        {"100.0", "3.1", "red", &kBelowBond},  // one step short
        {"100.0", "10", "black", nullptr},     // the top of the range
        {"100.0", "10.1", "red", &kLaRange},   // one step above
        {"50.0", "3", "black", nullptr},       // the foot of the range
        {"50.0", "2.9", "red", &kLaRange},     // one step below
        {"100.0", "2.5", "red", &kBelowBond},  // short and below: the bond only
        {"", "5.0", "black", nullptr},         // no design load yet: nothing to hold
        {"", "2.9", "red", &kLaRange},         // ... but the range still counts
        {"100.0", "", "black", nullptr},       // emptied
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.pt) + " La " + c.typed);
        NBgrand2* w = OpenNew([&] {
            WorkedAnchor();
            Design.Pt = c.pt;
            Design.AnchorLa = "    6.0";
            Design.AnchorLf = "    5.0";
        });
        if (c.message) messages.Expect(*c.message);
        Type(w->txtLa, QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Colour(w->txtLa), c.colour);
        EXPECT_EQ(Flags(), "10000");
        EXPECT_EQ(S(w->lblLanc), *c.typed ? FormatNum(NumStr(NumVal(c.typed) + 5), 5, 1) : "");
        // Left again unchanged: the same verdict, the same warning.
        if (c.message) messages.Expect(*c.message);
        Enter(w->txtLa);
        Leave(w->txtLa);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Colour(w->txtLa), c.colour);
    }
}

TEST_F(AnchorLengthTest, TheFreeLengthVerdict) {
    struct Case {
        const char* typed;
        const char* colour;
        bool warns;
    };
    const Case cases[] = {{"4", "black", false},
                          {"30", "black", false},
                          {"3.9", "red", true},
                          {"30.1", "red", true},
                          {"", "black", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        NBgrand2* w = OpenNew([] {
            WorkedAnchor();
            Design.AnchorLa = "    3.0";  // short: La stays out of this
            Design.AnchorLf = "   10.0";
        });
        if (c.warns) messages.Expect(kLfRange);
        Type(w->txtLf, QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Colour(w->txtLf), c.colour);
        EXPECT_EQ(Colour(w->txtLa), "red");
        // Left again unchanged: nothing, while the colour stays.
        Enter(w->txtLf);
        Leave(w->txtLf);
        EXPECT_EQ(Colour(w->txtLf), c.colour);
        w->HandleActivate();
        EXPECT_EQ(Colour(w->txtLf), c.colour);
    }
}

TEST_F(AnchorLengthTest, ABondInputJudgesLaOnlyWhenItChanged) {
    // La 3.2 holds the worked anchor; a weaker ground makes La1 exceed it.
    NBgrand2* w = OpenNew([] {
        WorkedAnchor();
        Design.AnchorLa = "    3.2";
    });
    EXPECT_EQ(Colour(w->txtLa), "black");
    struct Step {
        QLineEdit* box;
        const char* typed;
        const char* la1;
        const char* colour;
        bool warns;
    };
    const Step steps[] = {
        {w->txtTau, "0.2", "    3.5", "red", true},     // 3.459… → 3.460 → 3.5
        {w->txtTau, "0.20", "    3.5", "red", false},   // unchanged: no message
        {w->txtFs, "2.0", "    2.8", "black", false},   // 2.767… → 2.768 → 2.8
        {w->txtda, "90", "    3.6", "red", true},       // 3.536… → 3.537 → 3.6
        {w->txtda, "1000", "    0.4", "black", false},  // refused: nothing else
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(Str(s.box->objectName()) + " " + s.typed);
        LowerFlags();
        if (s.box == w->txtda && std::string(s.typed) == "1000")
            messages.Expect(RangeMessage("1", "999"));
        else if (s.warns)
            messages.Expect(kBelowBond);
        Type(s.box, QString::fromUtf8(s.typed));
        EXPECT_TRUE(messages.AllShown());
        if (std::string(s.typed) != "1000") {
            EXPECT_EQ(S(w->lblLa1), s.la1);
        }
    }
    EXPECT_EQ(S(w->lblLa1), "    3.6");
    EXPECT_EQ(Colour(w->txtLa), "red");
    EXPECT_EQ(Flags(), "00000");

    // Without a design load there are no bond lengths to hold La against:
    // no changed bond input warns, and La stays black.
    w = OpenNew([] {
        WorkedAnchor();
        Design.Pt = "";
        Design.AnchorLa = "    5.0";
    });
    EXPECT_EQ(Colour(w->txtLa), "black");
    for (QLineEdit* box : {w->txtds, w->txtda, w->txtTau, w->txtTaub, w->txtFs}) {
        SCOPED_TRACE(Str(box->objectName()));
        Type(box, QStringLiteral("1"));
        EXPECT_EQ(S(w->lblLa1), "");
        EXPECT_EQ(S(w->lblLa2), "");
        EXPECT_EQ(Colour(w->txtLa), "black");
    }
}

TEST_F(AnchorLengthTest, BondInputsAtTheirLimits) {
    NBgrand2* w = OpenNew();
    const std::string stress = RangeMessage("0.01", "9.99");
    const LimitCase cases[] = {
        {"txtds", &Design.AnchorDs, "0.1", "    0.1", "999.9", "  999.9", "0.09", "1000",
         RangeMessage("0.1", "999.9"), "12.75", DecimalsMessage(1), "１２．７", "   12.7", "10000"},
        {"txtda", &Design.AnchorDa, "1", "    1", "999", "  999", "0", "1000",
         RangeMessage("1", "999"), "115.5", kWholeNumber, "１１５", "  115", "10000"},
        {"txtTau", &Design.AnchorTauG, "0.01", "    0.01", "9.99", "    9.99", "0.009", "10",
         stress, "0.505", DecimalsMessage(2), "０．５", "    0.50", "10000"},
        {"txtTaub", &Design.AnchorTauB, "0.01", "    0.01", "9.99", "    9.99", "0", "10.0", stress,
         "0.805", DecimalsMessage(2), "０．８", "    0.80", "10000"},
        {"txtFs", &Design.AnchorFs, "0.1", "    0.1", "9.9", "    9.9", "0.09", "10",
         RangeMessage("0.1", "9.9"), "2.55", DecimalsMessage(1), "２．５", "    2.5", "10000"},
    };
    for (const LimitCase& c : cases) CheckLimits(w, c);
}

TEST_F(AnchorLengthTest, LengthsAtTheirLimits) {
    struct Case {
        QLineEdit* NBgrand2::*box;
        const char* typed;
        const char* shown;           // "" with `refused`: the stored value back
        const std::string* message;  // null: none
        bool refused;
    };
    const std::string range = RangeMessage("0.1", "99.9");
    const std::string decimals = DecimalsMessage(1);
    const std::string bad = kBadValue;
    // Pt 100.0: La holds from 3.2 to 10.0; Lf from 4.0 to 30.0.
    const Case cases[] = {
        {&NBgrand2::txtLa, "0.1", "    0.1", &kBelowBond, false},
        {&NBgrand2::txtLa, "99.9", "   99.9", &kLaRange, false},
        {&NBgrand2::txtLa, "０．０９", "", &range, true},
        {&NBgrand2::txtLa, "100", "", &range, true},
        {&NBgrand2::txtLa, "3.25", "", &decimals, true},
        {&NBgrand2::txtLa, "3,2", "", &bad, true},
        {&NBgrand2::txtLa, "４．５", "    4.5", nullptr, false},
        {&NBgrand2::txtLf, "0.1", "    0.1", &kLfRange, false},
        {&NBgrand2::txtLf, "99.9", "   99.9", &kLfRange, false},
        {&NBgrand2::txtLf, "0.09", "", &range, true},
        {&NBgrand2::txtLf, "100.0", "", &range, true},
        {&NBgrand2::txtLf, "5.05", "", &decimals, true},
        {&NBgrand2::txtLf, "２０", "   20.0", nullptr, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        NBgrand2* w = OpenNew([] {
            WorkedAnchor();
            Design.AnchorLa = "    6.0";
            Design.AnchorLf = "    8.0";
        });
        QLineEdit* box = w->*c.box;
        const std::string* field = box == w->txtLa ? &Design.AnchorLa : &Design.AnchorLf;
        const std::string stored = *field;
        if (c.message) messages.Expect(*c.message);
        Type(box, QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.AllShown());
        if (c.refused) {
            // The stored value is back, selected in its box.
            EXPECT_EQ(*field, stored);
            EXPECT_EQ(S(box), std::string(stored).erase(0, stored.find_first_not_of(' ')));
            EXPECT_TRUE(box->hasFocus());
            EXPECT_EQ(Flags(), "00000");
            EXPECT_EQ(S(w->lblLanc), "   14.0");
        } else {
            EXPECT_EQ(S(box), c.shown);
            EXPECT_EQ(*field, c.shown);
            EXPECT_EQ(Colour(box), c.message ? "red" : "black");
            EXPECT_EQ(Flags(), "10000");
        }
    }
}

TEST_F(AnchorLengthTest, ClearingALengthEmptiesTheAnchorLength) {
    for (bool la : {true, false}) {
        SCOPED_TRACE(la ? "La" : "Lf");
        NBgrand2* w = OpenNew([] {
            WorkedAnchor();
            Design.AnchorLa = "    2.0";
            Design.AnchorLf = "    3.0";
        });
        EXPECT_EQ(S(w->lblLanc), "    5.0");
        QLineEdit* box = la ? w->txtLa : w->txtLf;
        Type(box, QString());
        EXPECT_EQ(Colour(box), "black");
        EXPECT_EQ(S(w->lblLanc), "");
        EXPECT_EQ(Design.AnchorLength, "");
    }
}

TEST_F(AnchorLengthTest, KeyboardOrderAndTheSink) {
    OpenNew();
    // Each reference button follows its box.
    std::vector<std::string> order{Focused()};
    for (int i = 0; i < 16; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        PumpEvents();
        order.push_back(Focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtds", "txtda", "txtTau", "cmdRefer(0)", "txtTaub",
                                               "cmdRefer(1)", "txtFs", "cmdRefer(2)", "txtLa",
                                               "txtLf", "cmdBegin", "cmdBack", "cmdIndicate",
                                               "cmdNext", "cmdResult", "txtds", "txtda"}));
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(Flags(), "00000");
}

}  // namespace
}  // namespace talvo::test
