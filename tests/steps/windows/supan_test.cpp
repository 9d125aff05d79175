// The spans step offscreen: its boxes, the frame totals, the span-length box
// that follows the vertical count, the missing-beam refusal of every
// navigation button, and the plan sketch.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <functional>
#include <string>
#include <vector>

#include "input_entry_fixture.h"
#include "steps/windows/FrameSketch.h"
#include "steps/windows/N3supan.h"

namespace talvo::test {
namespace {

class SpansStepTest : public InputStepTest {
protected:
    N3supan* Open() {
        w = Load<N3supan>();
        return w;
    }
    QLineEdit* Box(const char* name) { return w->findChild<QLineEdit*>(QString::fromUtf8(name)); }
    N3supan* w = nullptr;
};

const char* const kBoxes[8] = {"txtSpanNum(0)", "txtSpanLength(0)", "txtUpper(0)", "txtDown(0)",
                               "txtSpanNum(1)", "txtSpanLength(1)", "txtUpper(1)", "txtDown(1)"};

TEST_F(SpansStepTest, LoadShowsTheStoredLayout) {
    struct Case {
        const char* design;
        std::function<void()> fill;
        std::vector<const char*> shown;  // in the order of kBoxes
    };
    const Case cases[] = {
        {"filled",
         [] { FillDesign(0); },
         {"  4", "  2.000", "  0.500", "  0.500", "  3", "  2.000", "  0.500", "  0.300"}},
        {"new", [] {}, {"", "", "", "", "", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.design);
        ResetProgramState();
        c.fill();
        const std::string totalY = Design.TotalLengthY, totalX = Design.TotalLengthX;
        Open();
        for (int k = 0; k < 8; ++k) EXPECT_EQ(Str(Box(kBoxes[k])->text()), c.shown[k]) << kBoxes[k];
        EXPECT_TRUE(w->txtSpanLength[0]->isEnabled());
        // Loading recomputes no total and changes nothing.
        EXPECT_EQ(Design.TotalLengthY, totalY);
        EXPECT_EQ(Design.TotalLengthX, totalX);
        EXPECT_EQ(DataChanged, 0);
        EXPECT_EQ(Str(w->lblFrame[0]->text()), "縦枠");
        EXPECT_EQ(Str(w->lblFrame[1]->text()), "横枠");
        EXPECT_EQ(Str(w->FocusSink->objectName()), "Text9");
    }
}

TEST_F(SpansStepTest, EveryBoxAtItsLimits) {
    FillDesign(0);
    Open();
    const std::string count0 = RangeMessage("0", "98"), count1 = RangeMessage("1", "98");
    const std::string span = RangeMessage("1.000", "10.000");
    const std::string over = RangeMessage("0.000", "10.000");
    const std::string dec3 = DecimalsMessage(3);
    // 10.0005 is out of range before it has too many decimals.
    const LimitCase cases[] = {
        {"txtSpanNum(0)", &Design.SpanCountY, "0", "  0", "98", " 98", "-1", "99", count0, "5.",
         kWholeNumber, "１２", " 12", "11110"},
        {"txtSpanLength(0)", &Design.SpanY, "1", "  1.000", "10", " 10.000", "0.999", "10.0005",
         span, "5.0001", dec3, "７．５", "  7.500", "11110"},
        {"txtUpper(0)", &Design.OverhangUpper, "0", "  0.000", "10", " 10.000", "-0.001", "10.001",
         over, "0.0001", dec3, "０．５", "  0.500", "11110"},
        {"txtDown(0)", &Design.OverhangLower, "0", "  0.000", "10", " 10.000", "-0.001", "10.001",
         over, "0.0001", dec3, "１．２５", "  1.250", "11110"},
        {"txtSpanNum(1)", &Design.SpanCountX, "1", "  1", "98", " 98", "0", "99", count1, "2.0",
         kWholeNumber, "３", "  3", "11110"},
        {"txtSpanLength(1)", &Design.SpanX, "1", "  1.000", "10", " 10.000", "0.999", "10.0005",
         span, "2.1234", dec3, "９", "  9.000", "11110"},
        {"txtUpper(1)", &Design.OverhangLeft, "0", "  0.000", "10", " 10.000", "-0.001", "10.001",
         over, "0.0001", dec3, "０．７５", "  0.750", "11110"},
        {"txtDown(1)", &Design.OverhangRight, "0", "  0.000", "10", " 10.000", "-0.001", "10.001",
         over, "0.0001", dec3, "２", "  2.000", "11110"},
    };
    for (const LimitCase& c : cases) CheckLimits(w, c);
    EXPECT_EQ(RecalcKusabi, 0);
}

TEST_F(SpansStepTest, EntriesKeepTheFrameTotals) {
    FillDesign(0);
    Open();
    LowerFlags();
    struct Step {
        const char* box;
        const char* typed;
        const char* totalY;
        const char* totalX;
        const char* flags;
    };
    // L_y has one form whichever vertical box changed it.
    const Step steps[] = {
        {"txtSpanNum(0)", "3", "7.000", " 6.800", "11110"},
        {"txtUpper(0)", "1.5", "8.000", " 6.800", "11110"},
        {"txtSpanNum(0)", "3", "8.000", " 6.800", "00000"},  // unchanged: nothing recomputed
        {"txtDown(0)", "", "7.500", " 6.800", "11110"},      // emptied: counts as 0
        {"txtSpanNum(1)", "5", "7.500", "10.800", "11110"},
        {"txtSpanLength(1)", "3.5", "7.500", "18.300", "11110"},
        {"txtSpanNum(0)", "12", "25.500", "18.300", "11110"},
        {"txtDown(1)", "0", "25.500", "18.000", "11110"},  // L_y untouched
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.box) + " " + s.typed);
        LowerFlags();
        Type(Box(s.box), QString::fromUtf8(s.typed));
        EXPECT_EQ(Design.TotalLengthY, s.totalY);
        EXPECT_EQ(Design.TotalLengthX, s.totalX);
        EXPECT_EQ(Flags(), s.flags);
    }
}

TEST_F(SpansStepTest, AZeroVerticalCountEmptiesAndLocksTheSpanLength) {
    FillDesign(0);
    Open();
    Type(w->txtUpper[0], QStringLiteral("1.5"));
    Type(w->txtDown[0], QStringLiteral("0"));
    Type(w->txtSpanNum[0], QStringLiteral("0"));
    EXPECT_EQ(Design.TotalLengthY, "1.500");
    EXPECT_EQ(Design.SpanY, "");
    EXPECT_EQ(Str(w->txtSpanLength[0]->text()), "");
    EXPECT_FALSE(w->txtSpanLength[0]->isEnabled());
    const QColor buttonFace = QApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(Back(w->txtSpanLength[0]), buttonFace);

    // The same 0 again changes nothing but still keeps the box locked.
    LowerFlags();
    Type(w->txtSpanNum[0], QStringLiteral("0"));
    EXPECT_EQ(Flags(), "00000");
    EXPECT_FALSE(w->txtSpanLength[0]->isEnabled());

    // An emptied count frees the box again, as does a count of spans.
    Type(w->txtSpanNum[0], QString());
    EXPECT_TRUE(w->txtSpanLength[0]->isEnabled());
    EXPECT_EQ(Back(w->txtSpanLength[0]), QColor(255, 255, 255));
    Type(w->txtSpanNum[0], QStringLiteral("0"));
    Type(w->txtSpanNum[0], QStringLiteral("2"));
    EXPECT_TRUE(w->txtSpanLength[0]->isEnabled());
    Type(w->txtSpanLength[0], QStringLiteral("2.5"));
    EXPECT_EQ(Design.TotalLengthY, "6.500");
}

TEST_F(SpansStepTest, TheStoredCountDecidesTheSpanLengthBoxAtLoad) {
    struct Case {
        const char* count;
        bool enabled;
        const char* spanAfter;
    };
    for (Case c : {Case{" 0", false, ""}, Case{"", true, " 2.000"}, Case{" 1", true, " 2.000"}}) {
        SCOPED_TRACE(std::string("count '") + c.count + "'");
        ResetProgramState();
        FillDesign(0);
        Design.SpanCountY = c.count;
        Open();
        EXPECT_EQ(w->txtSpanLength[0]->isEnabled(), c.enabled);
        EXPECT_EQ(Design.SpanY, c.spanAfter);
        EXPECT_EQ(Str(w->txtSpanLength[0]->text()), c.enabled ? "  2.000" : "");
        if (!c.enabled) {
            EXPECT_EQ(Back(w->txtSpanLength[0]), N3supan::kInactiveCaption);
        }
        EXPECT_EQ(DataChanged, 0);  // emptying the span length at load is no change
    }
}

// ---- Navigation without a vertical beam ----

class SpansChainTest : public SpansStepTest {
protected:
    // The chain of work type 0 with the spans step current.
    void OpenAtSpans() {
        host->OpenChain(0);
        host->manager->ShowStep(2);
        PumpEvents();
        w = qobject_cast<N3supan*>(host->manager->Step(2));
        ASSERT_NE(w, nullptr);
        ASSERT_EQ(CurStep, 2);
    }
};

TEST_F(SpansChainTest, NoVerticalBeamKeepsTheEngineerInTheStep) {
    struct Case {
        const char* name;
        const char* count;
        const char* upper;
        const char* lower;
        const char* totalY;
        bool refused;
    };
    const Case cases[] = {
        {"no span, no overhang", " 0", " 0.000", " 0.000", "  0.000", true},
        {"an upper overhang", " 0", " 1.500", " 0.000", "  1.500", false},
        {"count empty", "", " 0.000", " 0.000", "", false},
        {"overhangs empty", " 0", "", "", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        host.reset();
        ResetProgramState();
        host = std::make_unique<StepTestHost>();
        Design.SpanCountY = c.count;
        Design.OverhangUpper = c.upper;
        Design.OverhangLower = c.lower;
        Design.TotalLengthY = c.totalY;
        Design.SpanCountX = " 2";
        OpenAtSpans();
        if (!w) return;
        if (c.refused) {
            for (QPushButton* b : {w->cmdBack, w->cmdNext, w->cmdResult, w->cmdBegin}) {
                SCOPED_TRACE(Str(b->objectName()));
                messages.Expect(N3supan::kNoVerticalBeam);
                QTest::mouseClick(b, Qt::LeftButton);
                PumpEvents();
                EXPECT_TRUE(messages.AllShown());
                EXPECT_EQ(CurStep, 2);
                EXPECT_EQ(w->State(), WindowState::Normal);
                EXPECT_EQ(host->selectShown, 0);
            }
            messages.Expect(N3supan::kNoVerticalBeam);
            w->cmdIndicate->click();
            PumpEvents();
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(Focused(), "cmdIndicate");

            // A span entered lets the step go.
            Type(w->txtSpanNum[0], QStringLiteral("1"));
            w->cmdNext->click();
            PumpEvents();
            EXPECT_EQ(CurStep, 3);
        } else {
            w->cmdIndicate->click();
            PumpEvents();
            EXPECT_EQ(Focused(), "cmdIndicate");
            w->cmdNext->click();
            PumpEvents();
            EXPECT_EQ(CurStep, 3);
            host->manager->ShowStep(2);
            PumpEvents();
            w->cmdBack->click();
            PumpEvents();
            EXPECT_EQ(CurStep, 1);
        }
    }
}

// A refused entry keeps the step, its value and the focus, whatever button
// the engineer reached for: without a vertical beam not even Redisplay
// answers with the missing-beam message for that press.
TEST_F(SpansChainTest, ARefusedEntryHoldsEveryButtonWithoutAVerticalBeam) {
    Design.SpanCountY = " 0";
    Design.OverhangUpper = " 0.000";
    Design.OverhangLower = " 0.000";
    Design.TotalLengthY = "  0.000";
    Design.SpanCountX = " 2";
    OpenAtSpans();
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->txtSpanNum[1], QStringLiteral("0"),
                                       RangeMessage("1", "98"), &Design.SpanCountX, messages,
                                       host->selectShown);
    // The box left with its good value again: Redisplay moves the focus and
    // then tells that the frame has no vertical beam.
    Type(w->txtSpanNum[1], QStringLiteral("3"));
    Enter(w->txtSpanNum[1]);
    messages.Expect(N3supan::kNoVerticalBeam);
    PressButton(w->cmdIndicate, Qt::Key_R, Press::Mouse);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Focused(), "cmdIndicate");
}

// Back, Next and Result reach the step after the box being edited has been
// checked once: the value is stored, its check has run one time, and the
// missing-beam message shows once.
TEST_F(SpansChainTest, TheEditedBoxIsCheckedOnceBeforeANavigation) {
    Design.SpanCountY = " 0";
    Design.OverhangUpper = " 0.000";
    Design.OverhangLower = " 0.000";
    Design.TotalLengthY = "  0.000";
    Design.SpanCountX = " 2";
    OpenAtSpans();
    ASSERT_NE(w, nullptr);
    NumBox* rule = w->Entries()->Rule(w->txtSpanNum[0]);
    int checks = 0;
    const std::function<void()> accepted = rule->onAccepted;
    rule->onAccepted = [&] {
        ++checks;
        accepted();
    };
    for (const NavKey& k : NavKeys(w)) {
        for (Press how : {Press::Mouse, Press::AltKey}) {
            SCOPED_TRACE(Str(k.button->objectName()) + (how == Press::Mouse ? " mouse" : " Alt"));
            checks = 0;
            TypeWithoutLeaving(w->txtSpanNum[0], QStringLiteral("0"));
            messages.Expect(N3supan::kNoVerticalBeam);
            PressButton(k.button, k.key, how);
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(checks, 1);
            EXPECT_EQ(CurStep, 2);
            EXPECT_EQ(host->selectShown, 0);
        }
    }
}

TEST_F(SpansChainTest, AnEntryThatRemovesTheBeamIsCheckedBeforeTheButtonActs) {
    Design.SpanCountY = " 1";
    Design.SpanY = " 2.000";
    Design.OverhangUpper = " 0.000";
    Design.OverhangLower = " 0.000";
    Design.TotalLengthY = "2.000";
    OpenAtSpans();
    // Typed and then the button pressed: the count is stored first, and the
    // frame it leaves has no vertical beam.
    Enter(w->txtSpanNum[0]);
    w->txtSpanNum[0]->selectAll();
    w->txtSpanNum[0]->insert(QStringLiteral("0"));
    messages.Expect(N3supan::kNoVerticalBeam);
    w->cmdNext->click();
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.SpanCountY, "  0");
    EXPECT_EQ(CurStep, 2);
}

// ---- The start-screen button and the focus sink ----

TEST_F(SpansStepTest, StartScreenActionRunsAfterTheEditedBox) {
    FillDesign(0);
    Open();
    // Refused: the box keeps the focus and the action does not run.
    Enter(w->txtSpanNum[1]);
    w->txtSpanNum[1]->selectAll();
    w->txtSpanNum[1]->insert(QStringLiteral("0"));
    messages.Expect(RangeMessage("1", "98"));
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(Focused(), "txtSpanNum(1)");

    // Accepted: stored first, then the selection step is shown.
    w->txtSpanNum[1]->selectAll();
    w->txtSpanNum[1]->insert(QStringLiteral("5"));
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(Design.SpanCountX, "  5");
    EXPECT_EQ(Design.TotalLengthX, "10.800");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(ClickPending, 0);
}

TEST_F(SpansStepTest, TabFromTheLastButtonWrapsToTheVerticalCount) {
    Open();
    w->cmdResult->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "txtSpanNum(0)");
    EXPECT_EQ(host->selectShown, 0);
}

// ---- The plan sketch ----

// What the sketch must show for n vertical and m horizontal spans: a cell
// exactly where its row and column exist, the beams reaching to the last
// cell, the overhang cells 555 and the span cells 630 twips, and a break
// mark where more spans follow than the two drawn.
void ExpectPicture(const FrameSketch& s, int n, int m) {
    SCOPED_TRACE(testing::Message() << "n=" << n << " m=" << m);
    const int rows = n == 0 ? 2 : n == 1 ? 3 : 4;
    const int cols = m <= 1 ? 3 : 4;
    const int rowTop[4] = {705, 1365, 2100, 2835};
    const int colLeft[4] = {600, 1260, 1995, 2730};
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) {
            const SketchPiece& cell = s.Piece(QStringLiteral("imgWeed%1(%2)").arg(r + 1).arg(c));
            EXPECT_EQ(cell.shown, r < rows && c < cols) << "cell " << r + 1 << "," << c;
            if (r < rows) {
                EXPECT_EQ(cell.height, (r == 0 || r == rows - 1) ? 555 : 630);
            }
            if (c < cols) {
                EXPECT_EQ(cell.width, (c == 0 || c == cols - 1) ? 555 : 630);
            }
        }
    const int bottom = rowTop[rows - 1] + 555, right = colLeft[cols - 1] + 555;
    for (int i = 0; i < 3; ++i) {
        const SketchPiece& v = s.Piece(QStringLiteral("imgFrame2(%1)").arg(i));
        const SketchPiece& h = s.Piece(QStringLiteral("imgFrame1(%1)").arg(i));
        EXPECT_EQ(v.shown, i < cols - 1) << "vertical beam " << i;
        EXPECT_EQ(h.shown, i < rows - 1) << "horizontal beam " << i;
        EXPECT_EQ(v.top + v.height, bottom);
        EXPECT_EQ(h.left + h.width, right);
    }
    const SketchPiece& b1 = s.Piece(QStringLiteral("Picture1"));
    const SketchPiece& b2 = s.Piece(QStringLiteral("Picture2"));
    EXPECT_EQ(b1.shown, n > 2);
    EXPECT_EQ(b2.shown, m > 2);
    EXPECT_EQ(b1.width, m <= 1 ? 1080 : 1800);
    EXPECT_EQ(b2.height, n == 0 ? 405 : n == 1 ? 1050 : 1800);
    // The dimension chains end at the frame's ends.
    EXPECT_EQ(s.Piece(QStringLiteral("Line9")).left, right - 15);
    const SketchPiece& d = s.Piece(QStringLiteral("Line12"));
    EXPECT_EQ(d.top + d.height, bottom - 15);
    EXPECT_EQ(s.Piece(QStringLiteral("Line11")).top, bottom - 15);
    EXPECT_EQ(s.Piece(QStringLiteral("Line14")).shown, n >= 1);
    EXPECT_EQ(s.Piece(QStringLiteral("Pic7")).shown, n >= 1);
    EXPECT_EQ(s.Piece(QStringLiteral("Line2(2)")).shown, m >= 2);
    EXPECT_EQ(s.Piece(QStringLiteral("Line1(1)")).shown, n >= 1);
    EXPECT_EQ(s.Piece(QStringLiteral("Line1(2)")).shown, n >= 2);
}

TEST(FrameSketchTest, ThePictureFollowsBothCountsInAnyOrder) {
    // Loaded with one pair of counts (vertical first, then horizontal), then
    // one count changed at a time: only the changed direction is adapted.
    const int counts[] = {0, 1, 2, 3};
    for (int n0 : counts)
        for (int m0 : counts) {
            FrameSketch loaded;
            loaded.AdaptVertical(n0, m0);
            loaded.AdaptHorizontal(m0, n0);
            ExpectPicture(loaded, n0, m0);
            for (int k : counts) {
                FrameSketch a;
                a.AdaptVertical(n0, m0);
                a.AdaptHorizontal(m0, n0);
                a.AdaptVertical(k, m0);
                ExpectPicture(a, k, m0);
                a.AdaptHorizontal(k == 0 ? 3 : 1, k);
                ExpectPicture(a, k, k == 0 ? 3 : 1);
                FrameSketch b;
                b.AdaptVertical(n0, m0);
                b.AdaptHorizontal(m0, n0);
                b.AdaptHorizontal(k, n0);
                ExpectPicture(b, n0, k);
            }
        }
}

TEST(FrameSketchTest, PiecesAsTheShapesPlaceThem) {
    struct Prop {
        const char* piece;
        char what;  // l left, t top, w width, h height
        int value;
    };
    struct Case {
        int n, m;
        std::vector<Prop> props;
    };
    const Case cases[] = {
        {0,
         0,
         {{"Pic10", 't', 1545},
          {"Label10(1)", 't', 1620},
          {"Line12", 't', 1320},
          {"Pic12", 'l', 2050},
          {"Label12(1)", 'l', 2300},
          {"Line8", 'l', 1800},
          {"Line8", 'w', 735},
          {"imgFrame2(0)", 'h', 1215}}},
        {1,
         5,
         {{"Pic10", 't', 2300},
          {"Label10(1)", 't', 2390},
          {"Line12", 't', 1800},
          {"Line12", 'h', 840},
          {"Pic12", 'l', 2800},
          {"Label12(1)", 'l', 3000},
          {"Line8", 'l', 2670},
          {"Line8", 'w', 600}}},
        {4,
         2,
         {{"Pic10", 't', 2970},
          {"Label10(1)", 't', 3060},
          {"Line12", 't', 2760},
          {"Line12", 'h', 615},
          {"imgFrame1(1)", 'w', 2685}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "n=" << c.n << " m=" << c.m);
        FrameSketch s;
        s.AdaptVertical(c.n, c.m);
        s.AdaptHorizontal(c.m, c.n);
        for (const Prop& p : c.props) {
            const SketchPiece& x = s.Piece(QString::fromUtf8(p.piece));
            const int got = p.what == 'l'   ? x.left
                            : p.what == 't' ? x.top
                            : p.what == 'w' ? x.width
                                            : x.height;
            EXPECT_EQ(got, p.value) << p.piece << " " << p.what;
        }
    }
}

// Where more spans follow than the two drawn, the break mark cuts the beams
// it crosses: the cells' ground shows in the gap of each beam, and nowhere
// along the mark does the panel's own colour show through as a line across
// the cells.
TEST_F(SpansStepTest, TheBreakMarksCutTheBeamsOnThePlantedGround) {
    struct Case {
        const char* name;
        const char* n;
        const char* m;
    };
    const Case cases[] = {{"N3supan", " 4", " 3"}, {"N3supan_one_span", " 1", " 1"}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ResetProgramState();
        FillDesign(0);
        Design.SpanCountY = c.n;
        Design.SpanCountX = c.m;
        Open();
        ExpectLaidOutApart(w);
        SaveShot(w, QString::fromUtf8(c.name));
        const FrameSketch& s = *w->picFrame;
        const QImage img = w->picFrame->grab().toImage();
        const auto px = [&](double x, double y) {
            return QColor(img.pixel(static_cast<int>(x / TwipsPerPixelX()),
                                    static_cast<int>(y / TwipsPerPixelY())));
        };
        const auto planted = [](const QColor& c) {
            return c.green() > c.red() + 20 && c.green() > c.blue() + 20;
        };
        for (const char* mark : {"Picture1", "Picture2"}) {
            SCOPED_TRACE(mark);
            const SketchPiece& b = s.Piece(QString::fromUtf8(mark));
            if (!b.shown) continue;
            for (int x = b.left; x < b.left + b.width; x += 15)
                for (int y = b.top; y < b.top + b.height; y += 15)
                    ASSERT_NE(px(x, y), kFrameSketchBack) << "at " << x << "," << y;
            const bool acrossVertical = std::string(mark) == "Picture1";
            int cut = 0;
            for (int i = 0; i < 3; ++i) {
                const SketchPiece& beam = s.Piece(
                    QString::fromLatin1(acrossVertical ? "imgFrame2(%1)" : "imgFrame1(%1)").arg(i));
                if (!beam.shown) continue;
                const double cx =
                    acrossVertical ? beam.left + beam.width / 2.0 : b.left + b.width / 2.0;
                const double cy =
                    acrossVertical ? b.top + b.height / 2.0 : beam.top + beam.height / 2.0;
                if (cx < b.left || cx > b.left + b.width || cy < b.top || cy > b.top + b.height)
                    continue;
                EXPECT_TRUE(planted(px(cx, cy))) << "beam " << i << " is not cut";
                ++cut;
            }
            EXPECT_GE(cut, 2);
        }
    }
}

TEST_F(SpansStepTest, ACountRedrawsOnlyItsOwnDirection) {
    FillDesign(0);
    Open();
    const FrameSketch& s = *w->picFrame;
    ExpectPicture(s, 4, 3);
    // Behind the window's back the horizontal count changes: an entry of the
    // vertical count redraws the vertical direction alone, and an overhang
    // redraws nothing.
    Design.SpanCountX = " 1";
    Design.SpanCountY = " 1";
    Type(w->txtUpper[0], QStringLiteral("0.8"));
    ExpectPicture(s, 4, 3);
    Type(w->txtSpanNum[0], QStringLiteral("2"));
    EXPECT_FALSE(s.Piece(QStringLiteral("Picture1")).shown);
    EXPECT_EQ(s.Piece(QStringLiteral("Picture1")).width, 1800);  // still the three-beam mark
    EXPECT_TRUE(s.Piece(QStringLiteral("Picture2")).shown);
    Type(w->txtSpanNum[1], QStringLiteral("3"));
    ExpectPicture(s, 2, 3);
}

}  // namespace
}  // namespace talvo::test
