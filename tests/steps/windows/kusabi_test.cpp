// The wedge failure step offscreen: the five input patterns, the values
// derived from each pair, the red marks and warnings of a failure longer than
// the slope or not flatter than it, and the undoing of a pattern choice when
// an entry is refused.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>
#include <string>
#include <vector>

#include "input_entry_fixture.h"
#include "steps/windows/N6kusabi.h"

namespace talvo::test {
namespace {

class WedgeStepTest : public InputStepTest {
protected:
    N6kusabi* Open() {
        w = Load<N6kusabi>();
        return w;
    }
    static QColor LabelFore(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // Entered boxes of the pattern now shown, as "Text1,Text2".
    std::string ShownBoxes() const {
        std::string s;
        for (QLineEdit* b : {w->Text1, w->Text2, w->Text3, w->Text11})
            if (b->isVisibleTo(w)) s += (s.empty() ? "" : ",") + Str(b->objectName());
        return s;
    }
    N6kusabi* w = nullptr;
};

TEST_F(WedgeStepTest, LoadAndActivationShowTheStoredWedge) {
    FillDesign(0);
    RecalcKusabi = 1;  // as after reading the design file
    Open();
    EXPECT_EQ(RecalcKusabi, 0);
    EXPECT_EQ(ShownBoxes(), "Text1,Text2");
    EXPECT_TRUE(w->SSOption1[0]->isChecked());
    EXPECT_EQ(Str(w->Text1->text()), "  5.000");
    EXPECT_EQ(Str(w->Text2->text()), "  2.000");
    EXPECT_EQ(Str(w->Label3->text()), "  3.536");
    EXPECT_EQ(Str(w->Label11->text()), "  32.57");
    EXPECT_EQ(Str(w->Label9->text()), "45.00");
    EXPECT_EQ(Design.KusabiH, "  3.536");
    EXPECT_EQ(Design.KusabiAlpha, "  32.57");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(Str(w->FocusSink->objectName()), "Text4");
    // The captions' click areas lie over the option captions on purpose, and
    // so does the frame round the pattern holding the focus.
    std::set<QString> clickAreas;
    for (int i = 0; i < 5; ++i) {
        clickAreas.insert(QStringLiteral("lblOp(%1)").arg(i));
        clickAreas.insert(QStringLiteral("Shp1(%1)").arg(i));
    }
    ExpectLaidOutApart(w, clickAreas);
    SaveShot(w, QStringLiteral("N6kusabi"));

    ResetProgramState();
    Open();
    EXPECT_EQ(ShownBoxes(), "Text1,Text2");
    for (QLabel* l : {w->Label1, w->Label2, w->Label3, w->Label11, w->Label9})
        EXPECT_EQ(Str(l->text()), "");
    for (QLineEdit* b : {w->Text1, w->Text2, w->Text3, w->Text11}) EXPECT_EQ(Str(b->text()), "");
}

TEST_F(WedgeStepTest, EveryBoxAtItsLimits) {
    // Without a slope length or angle no warning interferes.
    struct Row {
        int pattern;
        LimitCase c;
    };
    const std::string len = RangeMessage("0.001", "99.999"), ang = RangeMessage("0.01", "89.99");
    const Row rows[] = {
        {0,
         {"Text1", &Design.KusabiL1, "0.001", "  0.001", "99.999", " 99.999", "0", "100", len,
          "1.0001", DecimalsMessage(3), "１２．５", " 12.500", "11000"}},
        {0,
         {"Text2", &Design.KusabiL2, "0.001", "  0.001", "99.999", " 99.999", "0.0009", "100.001",
          len, "2.0005", DecimalsMessage(3), "３", "  3.000", "11000"}},
        {2,
         {"Text3", &Design.KusabiH, "0.001", "  0.001", "99.999", " 99.999", "-1", "100", len,
          "1.2345", DecimalsMessage(3), "４．２５", "  4.250", "11000"}},
        {1,
         {"Text11", &Design.KusabiAlpha, "0.01", "   0.01", "89.99", "  89.99", "0", "90", ang,
          "30.001", DecimalsMessage(2), "３０．５", "  30.50", "11000"}},
    };
    Open();
    for (const Row& r : rows) {
        w->SSOption1[r.pattern]->click();
        CheckLimits(w, r.c);
        EXPECT_TRUE(w->SSOption1[r.pattern]->isChecked());
    }
}

TEST_F(WedgeStepTest, EachPatternDerivesTheOtherPair) {
    struct Case {
        int pattern;
        QLineEdit* N6kusabi::*first;
        const char* a;
        QLineEdit* N6kusabi::*second;
        const char* b;
        const char* boxes;
        // L1, L2, H, α as stored
        const char* l1;
        const char* l2;
        const char* h;
        const char* alpha;
    };
    // θ0 = 45°; worked by hand: e.g. pattern 4, L1 = 2·sin30°/sin15° = 3.864,
    // H = 3.864·sin45° = 2.732.
    const Case cases[] = {
        {0, &N6kusabi::Text1, "5", &N6kusabi::Text2, "2", "Text1,Text2", "  5.000", "  2.000",
         "  3.536", "  32.57"},
        {1, &N6kusabi::Text1, "5", &N6kusabi::Text11, "30", "Text1,Text11", "  5.000", "  2.590",
         "  3.536", "  30.00"},
        {2, &N6kusabi::Text3, "3", &N6kusabi::Text2, "2", "Text2,Text3", "  4.243", "  2.000",
         "  3.000", "  30.96"},
        {3, &N6kusabi::Text3, "3", &N6kusabi::Text11, "30", "Text3,Text11", "  4.243", "  2.200",
         "  3.000", "  30.00"},
        {4, &N6kusabi::Text11, "30", &N6kusabi::Text2, "2", "Text2,Text11", "  3.864", "  2.000",
         "  2.732", "  30.00"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pattern " << c.pattern);
        ResetProgramState();
        Design.SlopeAngle = "45.00";
        Open();
        w->SSOption1[c.pattern]->click();
        EXPECT_EQ(ShownBoxes(), c.boxes);
        LowerFlags();
        Type(w->*c.first, QString::fromUtf8(c.a));
        EXPECT_EQ(Flags(), "11000");
        Type(w->*c.second, QString::fromUtf8(c.b));
        EXPECT_EQ(Design.KusabiL1, c.l1);
        EXPECT_EQ(Design.KusabiL2, c.l2);
        EXPECT_EQ(Design.KusabiH, c.h);
        EXPECT_EQ(Design.KusabiAlpha, c.alpha);
        // Every value is seen, in its box or its label.
        EXPECT_EQ(Str(w->Label1->text()), c.l1);
        EXPECT_EQ(Str(w->Label2->text()), c.l2);
        EXPECT_EQ(Str(w->Label3->text()), c.h);
        EXPECT_EQ(Str(w->Label11->text()), c.alpha);
        EXPECT_EQ(RecalcKusabi, 0);

        // Emptying an entered value empties what was derived from it.
        Type(w->*c.second, QString());
        EXPECT_EQ(Flags(), "11000");
        if (c.pattern == 4) {
            EXPECT_EQ(Design.KusabiL1, "");
            EXPECT_EQ(Str(w->Label1->text()), "");
        }
    }
}

TEST_F(WedgeStepTest, RedMarksAndWarnings) {
    FillDesign(0);  // L_y = 9.000, θ0 = 45.00
    Open();
    struct Step {
        int pattern;
        const char* box;
        const char* typed;
        std::vector<std::string> messages;
        bool lengthRed;
        bool angleRed;
    };
    const std::string kLong = N6kusabi::kTooLong, kSteep = N6kusabi::kTooSteep;
    const Step steps[] = {
        {0, "Text1", "9", {}, false, false},         // equal to the slope length
        {0, "Text1", "9.5", {kLong}, true, false},   // longer
        {0, "Text1", "9.5", {kLong}, true, false},   // the same again: warned again
        {0, "Text2", "3", {}, true, false},          // L2: red stays, no warning
        {2, "Text3", "7", {kLong}, true, false},     // H = 7 gives L1 = 9.899
        {2, "Text3", "6", {}, false, false},         // L1 = 8.485
        {1, "Text11", "45", {kSteep}, false, true},  // α = θ0
        {1, "Text11", "45", {kSteep}, false, true},  // unchanged: warned, still red
        {1, "Text11", "44.99", {}, false, false},   {1, "Text11", "60", {kSteep}, false, true},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(std::string(s.box) + " " + s.typed);
        if (!w->SSOption1[s.pattern]->isChecked()) w->SSOption1[s.pattern]->click();
        for (const std::string& m : s.messages) messages.Expect(m);
        Type(w->findChild<QLineEdit*>(QString::fromUtf8(s.box)), QString::fromUtf8(s.typed));
        EXPECT_TRUE(messages.AllShown());
        const QColor len = s.lengthRed ? kRed : kBlack, ang = s.angleRed ? kRed : kBlack;
        EXPECT_EQ(Fore(w->Text1), len);
        EXPECT_EQ(Fore(w->Text3), len);
        EXPECT_EQ(LabelFore(w->Label1), len);
        EXPECT_EQ(LabelFore(w->Label3), len);
        EXPECT_EQ(Fore(w->Text11), ang);
        EXPECT_EQ(LabelFore(w->Label11), ang);
    }
}

TEST_F(WedgeStepTest, ActivationRepaintsWithoutMessages) {
    struct Case {
        const char* l1;
        const char* alpha;
        const char* totalY;
        const char* theta;
        bool lengthRed;
        bool angleRed;
    };
    // α equal to θ0 derives nothing and is red at activation as after its
    // entry; empty operands mark nothing.
    const Case cases[] = {
        {"  9.500", "  45.00", " 9.000", "45.00", true, true},
        {"  9.000", "  44.99", " 9.000", "45.00", false, false},
        {"  9.500", "  50.00", "", "", false, false},
        {"", "  60.00", " 9.000", "45.00", false, true},
    };
    bool shot = false;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.l1) + " / " + c.alpha);
        ResetProgramState();
        Design.KusabiInputMode = 1;
        Design.KusabiL1 = c.l1;
        Design.KusabiAlpha = c.alpha;
        Design.TotalLengthY = c.totalY;
        Design.SlopeAngle = c.theta;
        Open();  // any message would fail the test
        EXPECT_EQ(Fore(w->Text1), c.lengthRed ? kRed : kBlack);
        EXPECT_EQ(LabelFore(w->Label3), c.lengthRed ? kRed : kBlack);
        EXPECT_EQ(Fore(w->Text11), c.angleRed ? kRed : kBlack);
        EXPECT_EQ(LabelFore(w->Label11), c.angleRed ? kRed : kBlack);
        w->HandleActivate();
        EXPECT_EQ(Fore(w->Text11), c.angleRed ? kRed : kBlack);
        if (c.lengthRed && c.angleRed && !shot) {
            SaveShot(w, QStringLiteral("N6kusabi_red"));
            shot = true;
        }
    }
}

TEST_F(WedgeStepTest, ChoosingAPattern) {
    FillDesign(0);
    Open();
    struct Case {
        int pattern;
        const char* boxes;
        int dataChanged;
        const char* first;  // the text of the first box shown, as its label had it
    };
    const Case cases[] = {
        {0, "Text1,Text2", 0, "  5.000"},  // the pattern in force: nothing changes
        {3, "Text3,Text11", 1, "  3.536"},
        {4, "Text2,Text11", 1, "  2.000"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pattern);
        LowerFlags();
        w->SSOption1[c.pattern]->click();
        EXPECT_EQ(ShownBoxes(), c.boxes);
        EXPECT_EQ(DataChanged, c.dataChanged);
        EXPECT_EQ(Flags().substr(1), "0000");
        EXPECT_EQ(RecalcKusabi, 0);
        EXPECT_EQ(Design.KusabiInputMode, c.pattern);
        // The values stay; the former derived pair is now editable.
        EXPECT_EQ(Design.KusabiH, "  3.536");
        EXPECT_EQ(Design.KusabiAlpha, "  32.57");
    }
    EXPECT_EQ(Str(w->Text11->text()), "  32.57");
    EXPECT_EQ(Str(w->Text2->text()), "  2.000");

    // A click on a caption chooses its pattern once the edited box is stored.
    Type(w->Text2, QStringLiteral("2.5"));
    Enter(w->Text2);
    w->Text2->selectAll();
    w->Text2->insert(QStringLiteral("3"));
    QTest::mouseClick(w->lblOp[2], Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.KusabiL2, "  3.000");
    EXPECT_EQ(Design.KusabiInputMode, 2);
    EXPECT_TRUE(w->SSOption1[2]->isChecked());
    EXPECT_EQ(ShownBoxes(), "Text2,Text3");
    EXPECT_EQ(Focused(), "SSOption1(2)");
    EXPECT_TRUE(w->Shp1[2]->isVisibleTo(w));
}

TEST_F(WedgeStepTest, ARefusedEntryKeepsThePatternOfItsBox) {
    FillDesign(0);
    Open();
    struct Case {
        const char* how;
        bool caption;  // a click on the caption label, else on the option button
    };
    for (Case c : {Case{"option button", false}, Case{"caption", true}}) {
        SCOPED_TRACE(c.how);
        Enter(w->Text1);
        w->Text1->selectAll();
        w->Text1->insert(QStringLiteral("abc"));
        messages.Expect(kBadValue);
        if (c.caption)
            QTest::mouseClick(w->lblOp[3], Qt::LeftButton);
        else
            QTest::mouseClick(w->SSOption1[3], Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Design.KusabiInputMode, 0);
        EXPECT_TRUE(w->SSOption1[0]->isChecked());
        EXPECT_EQ(ShownBoxes(), "Text1,Text2");
        EXPECT_EQ(Focused(), "Text1");
        EXPECT_EQ(Str(w->Text1->text()), "5.000");  // selected whole, blanks dropped
        EXPECT_EQ(Design.KusabiL1, "  5.000");
        Leave(w->Text1);
    }
}

TEST_F(WedgeStepTest, StartScreenAndTabOrder) {
    Open();
    Type(w->Text1, QStringLiteral("4"));
    Enter(w->Text1);
    w->Text1->selectAll();
    w->Text1->insert(QStringLiteral("6"));
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(Design.KusabiL1, "  6.000");
    EXPECT_EQ(host->selectShown, 1);

    // Tab from the last button comes round to the chosen pattern through the
    // sink.
    w->cmdResult->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_EQ(Focused(), "SSOption1(0)");
    EXPECT_EQ(host->selectShown, 1);
}

}  // namespace
}  // namespace talvo::test
