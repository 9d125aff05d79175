// The beam cross-section step: loading, the section boxes at their limits,
// the same-section box with its question, the h-d marks, the standard
// sections and the navigation of the first step.
#include <QCheckBox>
#include <QGroupBox>
#include <QListWidget>
#include <QPushButton>

#include "steps/windows/N2danmen.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kDepth = "枠高が有効高を下回っています。";
const std::string kClear = "枠幅・枠高・有効高の値をクリアします。";

class DanmenTest : public InputStepTest {
protected:
    N2danmen* Open() { return Load<N2danmen>(); }
    // The six boxes as text: b, h, d of the vertical, then of the horizontal beams.
    static std::vector<std::string> Boxes(const N2danmen* w) {
        return {Str(w->txtWidth[0]->text()),     Str(w->txtHeight[0]->text()),
                Str(w->txtMidHeight[0]->text()), Str(w->txtWidth[1]->text()),
                Str(w->txtHeight[1]->text()),    Str(w->txtMidHeight[1]->text())};
    }
    static std::vector<std::string> Fields() {
        return {Design.SectionBy, Design.SectionHy, Design.SectionDy,
                Design.SectionBx, Design.SectionHx, Design.SectionDx};
    }
    static void SetSections(const char* by, const char* hy, const char* dy, const char* bx,
                            const char* hx, const char* dx, std::int16_t same) {
        Design.SectionBy = by;
        Design.SectionHy = hy;
        Design.SectionDy = dy;
        Design.SectionBx = bx;
        Design.SectionHx = hx;
        Design.SectionDx = dx;
        Design.SameSection = same;
    }
    // Red marks of the h and d boxes of both directions, "vertical,horizontal".
    static std::string Marks(const N2danmen* w) {
        std::string s;
        for (int k = 0; k < 2; ++k) {
            const bool h = Fore(w->txtHeight[k]) == kRed;
            const bool d = Fore(w->txtMidHeight[k]) == kRed;
            s += h && d ? "R" : (!h && !d ? "B" : "?");
        }
        return s;
    }
};

TEST_F(DanmenTest, LoadShowsTheStoredSectionsAndTheirMarksWithoutMessages) {
    struct Case {
        const char* what;
        std::function<void()> design;
        std::vector<std::string> boxes;
        bool same;
        std::string marks;
        std::string flags;  // after the load
        std::int16_t kekkaTab;
        const char* shot = nullptr;  // the picture saved when asked
    };
    const Case cases[] = {
        {"new design", [] {}, {"", "", "", "", "", ""}, true, "BB", "00000", 1},
        {"filled design",
         [] { FillDesign(0); },
         {" 200", " 200", " 150", " 200", " 200", " 150"},
         true,
         "BB",
         "00000",
         1},
        // Separate sections uncheck the box at load: no question, but the
        // unchecking runs its handling (the chain keeps DataChanged itself).
        {"separate sections",
         [] { SetSections(" 300", " 300", " 235", " 200", " 200", " 155", 0); },
         {" 300", " 300", " 235", " 200", " 200", " 155"},
         false,
         "BB",
         "10001",
         0},
        // d >= h is marked red at load, without the message.
        {"d equal to h, d above h",
         [] { SetSections(" 200", " 200", " 200", " 200", " 150", " 160", 0); },
         {" 200", " 200", " 200", " 200", " 150", " 160"},
         false,
         "RR",
         "10001",
         0},
        {"one box of a pair empty",
         [] { SetSections(" 200", "", " 300", " 200", " 100", "", 0); },
         {" 200", "", " 300", " 200", " 100", ""},
         false,
         "BB",
         "10001",
         0},
        {"separate sections, horizontal d equal to h",
         [] { SetSections(" 300", " 300", " 235", " 200", " 200", " 200", 0); },
         {" 300", " 300", " 235", " 200", " 200", " 200"},
         false,
         "BR",
         "10001",
         0,
         "N2danmen"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        c.design();
        Design.KekkaTab = 1;
        LowerFlags();
        N2danmen* w = Open();
        EXPECT_EQ(Boxes(w), c.boxes);
        EXPECT_EQ(w->chkMeasur->isChecked(), c.same);
        EXPECT_EQ(Design.SameSection, c.same ? 1 : 0);
        EXPECT_EQ(Design.KekkaTab, c.kekkaTab);
        EXPECT_EQ(Marks(w), c.marks);
        EXPECT_EQ(Flags(), c.flags);
        // The window as it stands after activation.
        EXPECT_EQ(Str(w->chkMeasur->text()), "縦横同じ寸法");
        EXPECT_EQ(Str(w->fraSection[0]->title()), "縦枠");
        EXPECT_EQ(Str(w->fraSection[1]->title()), "横枠");
        for (int i = 0; i < 2; ++i) {
            EXPECT_EQ(Str(w->cmdSelect[i]->text()), "標準断面の選択");
            EXPECT_TRUE(w->cmdSelect[i]->isEnabled());
            EXPECT_FALSE(w->lstSection[i]->isVisible());
        }
        EXPECT_FALSE(w->cmdBack->isEnabled());
        EXPECT_TRUE(w->cmdBegin->isEnabled());
        EXPECT_TRUE(w->cmdNext->isEnabled());
        EXPECT_TRUE(w->cmdResult->isEnabled());
        EXPECT_TRUE(w->cmdIndicate->isEnabled());
        EXPECT_EQ(w->FocusSink->objectName(), "Text6");
        ExpectLaidOutApart(w);
        if (c.shot) SaveShot(w, QString::fromUtf8(c.shot));
    }
}

// The h-d check reads a height as the entry check took it: a box of blanks
// is an emptied box (no value, so no message and no mark), and so is a
// height of blanks read from a file.
TEST_F(DanmenTest, AHeightOfBlanksIsNoHeight) {
    struct Case {
        const char* what;
        const char* storedH;  // vertical h; d is 250
        std::string marksAtLoad;
        const char* box;
        const char* typed;
        std::string marks;
        const char* storedHAfter;
    };
    const Case cases[] = {
        {"h emptied", " 200", "RB", "txtHeight(0)", "", "BB", ""},
        {"h of blanks typed", " 200", "RB", "txtHeight(0)", "   ", "BB", ""},
        {"d under an empty h", "", "BB", "txtMidHeight(0)", "300", "BB", ""},
        {"d under a stored h of blanks", "   ", "BB", "txtMidHeight(0)", "300", "BB", "   "},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        SetSections(" 200", c.storedH, " 250", " 200", " 300", " 150", 0);
        N2danmen* w = Open();
        EXPECT_EQ(Marks(w), c.marksAtLoad);
        // No message is expected: one would fail the scripted messages.
        Type(w->findChild<QLineEdit*>(c.box), QString::fromUtf8(c.typed));
        EXPECT_TRUE(messages.Shown().empty());
        EXPECT_EQ(Marks(w), c.marks);
        EXPECT_EQ(Design.SectionHy, c.storedHAfter);
        messages.Clear();
    }
}

TEST_F(DanmenTest, SectionBoxesAtTheirLimits) {
    const std::string widthRange = RangeMessage("100", "1000");
    const LimitCase cases[] = {
        {"txtWidth(0)", &Design.SectionBy, "100", " 100", "1000", "1000", "99", "1001", widthRange,
         "150.5", kWholeNumber, "１５０", " 150", "11110"},
        {"txtHeight(0)", &Design.SectionHy, "100", " 100", "1000", "1000", "99", "1001", widthRange,
         "200.", kWholeNumber, "２００", " 200", "11110"},
        {"txtMidHeight(0)", &Design.SectionDy, "50", "  50", "1000", "1000", "49", "1001",
         RangeMessage("50", "1000"), "75.0", kWholeNumber, "７５", "  75", "11110"},
        {"txtWidth(1)", &Design.SectionBx, "100", " 100", "1000", "1000", "99", "1001", widthRange,
         "150.5", kWholeNumber, "３００", " 300", "11110"},
        {"txtHeight(1)", &Design.SectionHx, "100", " 100", "1000", "1000", "99.9", "1000.5",
         widthRange, "200.0", kWholeNumber, "４００", " 400", "11110"},
        {"txtMidHeight(1)", &Design.SectionDx, "50", "  50", "1000", "1000", "-50", "2000",
         RangeMessage("50", "1000"), "60.5", kWholeNumber, "６０", "  60", "11110"},
    };
    for (const LimitCase& c : cases) {
        ResetProgramState();
        Design.SameSection = 0;  // no copies, no question: the box alone
        // Widths stored, so that a refusal has a value to bring back; h and d
        // empty, so that no h-d message comes in between.
        Design.SectionBy = Design.SectionBx = " 200";
        N2danmen* w = Open();
        CheckLimits(w, c);
    }
}

TEST_F(DanmenTest, SameSectionCopiesEachEntryToTheOtherDirection) {
    struct Case {
        bool same;
        const char* box;
        const char* typed;
        std::vector<std::string> fields;  // b, h, d vertical, then horizontal
    };
    const Case cases[] = {
        {true, "txtWidth(0)", "250", {" 250", "", "", " 250", "", ""}},
        {true, "txtHeight(1)", "300", {"", " 300", "", "", " 300", ""}},
        {true, "txtMidHeight(0)", "75", {"", "", "  75", "", "", "  75"}},
        {false, "txtWidth(0)", "250", {" 250", "", "", "", "", ""}},
        {false, "txtHeight(1)", "300", {"", "", "", "", " 300", ""}},
        {false, "txtMidHeight(0)", "75", {"", "", "  75", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.box) + (c.same ? " same" : " separate"));
        ResetProgramState();
        Design.SameSection = c.same ? 1 : 0;
        N2danmen* w = Open();
        Type(w->findChild<QLineEdit*>(c.box), c.typed);
        EXPECT_EQ(Fields(), c.fields);
        EXPECT_EQ(Boxes(w), c.fields);
    }
}

// The h-d marks after an entry: the message and red boxes for h <= d in the
// direction entered; the other direction, with the same section, is marked
// from the new value without a message before it takes the copy.
TEST_F(DanmenTest, HeightNotAboveEffectiveHeightIsMarkedRed) {
    struct Case {
        const char* what;
        std::int16_t same;
        const char* hy;
        const char* dy;
        const char* hx;
        const char* dx;
        const char* box;
        const char* typed;
        bool message;
        std::string marks;
    };
    const Case cases[] = {
        {"h = d", 0, " 200", " 150", " 200", " 150", "txtHeight(0)", "150", true, "RB"},
        {"h < d", 0, " 200", " 150", " 200", " 150", "txtHeight(1)", "100", true, "BR"},
        {"h > d", 0, " 200", " 200", " 200", " 150", "txtHeight(0)", "201", false, "BB"},
        {"d = h", 0, " 200", " 150", " 200", " 150", "txtMidHeight(1)", "200", true, "BR"},
        {"d > h", 0, " 200", " 150", " 200", " 150", "txtMidHeight(0)", "300", true, "RB"},
        {"d < h clears a red mark", 0, " 200", " 250", " 200", " 150", "txtMidHeight(0)", "150",
         false, "BB"},
        {"h with d empty", 0, " 200", "", " 200", " 150", "txtHeight(0)", "100", false, "BB"},
        {"d with h empty", 0, "", " 150", " 200", " 150", "txtMidHeight(0)", "900", false, "BB"},
        {"emptied h", 0, " 200", " 250", " 200", " 150", "txtHeight(0)", "", false, "BB"},
        // Same section: the copy carries the mark across, without a message.
        {"same: h copied", 1, " 200", " 150", " 200", " 150", "txtHeight(0)", "150", true, "RR"},
        {"same: d copied", 1, " 200", " 150", " 200", " 150", "txtMidHeight(1)", "250", true, "RR"},
        {"same: good h", 1, " 200", " 150", " 200", " 150", "txtHeight(1)", "300", false, "BB"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        Design.SectionBy = Design.SectionBx = " 200";
        Design.SectionHy = c.hy;
        Design.SectionDy = c.dy;
        Design.SectionHx = c.hx;
        Design.SectionDx = c.dx;
        Design.SameSection = c.same;
        N2danmen* w = Open();
        if (c.message) messages.Expect(kDepth, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        Type(w->findChild<QLineEdit*>(c.box), c.typed);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Marks(w), c.marks);
        // The value is kept either way.
        EXPECT_EQ(Str(w->findChild<QLineEdit*>(c.box)->text()),
                  *c.typed ? FormatNum(c.typed, 4, 0) : "");
    }
}

TEST_F(DanmenTest, CheckingTheSameSectionAsksOnlyWhenTheDirectionsDiffer) {
    struct Case {
        const char* what;
        std::vector<std::string> start;  // b, h, d vertical, then horizontal
        bool asked;
        MsgResult answer;
        bool checked;
        std::vector<std::string> fields;
    };
    const std::vector<std::string> differ = {" 300", " 300", " 235", " 200", " 200", " 155"};
    const std::vector<std::string> equal = {" 300", " 300", " 235", " 300", "300", "235"};
    const std::vector<std::string> empty(6, "");
    const Case cases[] = {
        {"differ, OK clears", differ, true, MsgResult::Ok, true, empty},
        {"differ, Cancel keeps them apart", differ, true, MsgResult::Cancel, false, differ},
        {"equal by value", equal, false, MsgResult::Ok, true, equal},
        {"both empty", empty, false, MsgResult::Ok, true, empty},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        const auto& s = c.start;
        SetSections(s[0].c_str(), s[1].c_str(), s[2].c_str(), s[3].c_str(), s[4].c_str(),
                    s[5].c_str(), 0);
        N2danmen* w = Open();
        ASSERT_FALSE(w->chkMeasur->isChecked());
        Design.KekkaTab = 1;
        LowerFlags();
        if (c.asked) messages.Expect(kClear, MsgButtons::OkCancel, MsgIcon::Exclamation, c.answer);
        w->chkMeasur->click();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(w->chkMeasur->isChecked(), c.checked);
        EXPECT_EQ(Design.SameSection, c.checked ? 1 : 0);
        EXPECT_EQ(Design.KekkaTab, c.checked ? 1 : 0);
        EXPECT_EQ(Fields(), c.fields);
        EXPECT_EQ(Boxes(w), c.fields);
        EXPECT_EQ(Flags(), "10001");
    }
    // Unchecking never asks and points the results at the vertical beams.
    ResetProgramState();
    N2danmen* w = Open();
    Design.KekkaTab = 1;
    LowerFlags();
    w->chkMeasur->click();
    EXPECT_EQ(Design.SameSection, 0);
    EXPECT_EQ(Design.KekkaTab, 0);
    EXPECT_EQ(Flags(), "10001");
}

class StandardSectionTest : public DanmenTest {
public:
    void OpenList(N2danmen* w, int i) {
        QTest::mouseClick(w->cmdSelect[i], Qt::LeftButton);
        PumpEvents();
        ASSERT_TRUE(w->lstSection[i]->isVisible());
        ASSERT_TRUE(w->lstSection[i]->hasFocus());
    }
    static void ClickItem(QListWidget* list, int row) {
        const QRect r = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, r.center());
        PumpEvents();
    }
};

TEST_F(StandardSectionTest, TheListOpensInPlaceOfItsButton) {
    N2danmen* w = Open();
    std::vector<std::string> items;
    for (int r = 0; r < w->lstSection[0]->count(); ++r)
        items.push_back(Str(w->lstSection[0]->item(r)->text()));
    EXPECT_EQ(items,
              (std::vector<std::string>{"150*150  d= 75", "200*200  d=155", "300*300  d=235",
                                        "400*400  d=315", "500*500  d=410", "600*600  d=510"}));
    OpenList(w, 0);
    EXPECT_FALSE(w->cmdSelect[0]->isEnabled());
    EXPECT_FALSE(w->cmdIndicate->isEnabled());
    EXPECT_TRUE(w->cmdSelect[1]->isEnabled());
    // Leaving the list shuts it and gives the buttons back, picking nothing.
    w->txtWidth[1]->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_FALSE(w->lstSection[0]->isVisible());
    EXPECT_TRUE(w->cmdSelect[0]->isEnabled());
    EXPECT_TRUE(w->cmdIndicate->isEnabled());
    EXPECT_EQ(Fields(), std::vector<std::string>(6, ""));
}

TEST_F(StandardSectionTest, ArrowsBrowseEnterAndClickApply) {
    struct Case {
        const char* what;
        std::int16_t same;
        int list;
        std::function<void(StandardSectionTest*, N2danmen*)> pick;
        std::vector<std::string> fields;
    };
    const std::vector<std::string> none(6, "");
    const Case cases[] = {
        {"a click applies at once",
         0,
         0,
         [](StandardSectionTest*, N2danmen* w) { ClickItem(w->lstSection[0], 0); },
         {" 150", " 150", "  75", "", "", ""}},
        {"a click with the same section fills both",
         1,
         1,
         [](StandardSectionTest*, N2danmen* w) { ClickItem(w->lstSection[1], 5); },
         {" 600", " 600", " 510", " 600", " 600", " 510"}},
        {"arrow keys only browse", 0, 1,
         [](StandardSectionTest*, N2danmen* w) {
             QTest::keyClick(w->lstSection[1], Qt::Key_Down);
             QTest::keyClick(w->lstSection[1], Qt::Key_Down);
             QTest::keyClick(w->lstSection[1], Qt::Key_Up);
         },
         none},
        {"Enter applies the highlighted item",
         0,
         1,
         [](StandardSectionTest*, N2danmen* w) {
             // The list opens with the first section highlighted.
             for (int k = 0; k < 2; ++k) QTest::keyClick(w->lstSection[1], Qt::Key_Down);
             QTest::keyClick(w->lstSection[1], Qt::Key_Return);
         },
         {"", "", "", " 300", " 300", " 235"}},
        // The mark Enter leaves makes the next click in that list pass once.
        {"the click after Enter is ignored once",
         0,
         0,
         [](StandardSectionTest* t, N2danmen* w) {
             QTest::keyClick(w->lstSection[0], Qt::Key_Down);
             QTest::keyClick(w->lstSection[0], Qt::Key_Return);
             EXPECT_TRUE(w->KeyMark(0));
             t->OpenList(w, 0);
             ClickItem(w->lstSection[0], 3);
             EXPECT_FALSE(w->KeyMark(0));
             EXPECT_TRUE(w->lstSection[0]->isVisible());
             ClickItem(w->lstSection[0], 4);
         },
         {" 500", " 500", " 410", "", "", ""}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        Design.SameSection = c.same;
        N2danmen* w = Open();
        LowerFlags();
        OpenList(w, c.list);
        c.pick(this, w);
        const bool applied = c.fields != none;
        EXPECT_EQ(w->lstSection[c.list]->isVisible(), !applied);
        EXPECT_EQ(Fields(), c.fields);
        // The box that took the focus from the list selects its text without
        // its leading blanks; leaving it shows the stored text again.
        if (QWidget* f = QApplication::focusWidget()) f->clearFocus();
        PumpEvents();
        EXPECT_EQ(Boxes(w), c.fields);
        EXPECT_EQ(Fields(), c.fields);
        EXPECT_EQ(Flags(), applied ? "11110" : "00000");
        if (applied) {
            EXPECT_TRUE(w->cmdSelect[c.list]->isEnabled());
            EXPECT_TRUE(w->cmdIndicate->isEnabled());
        }
    }
}

TEST_F(StandardSectionTest, PickingTheStoredSectionStillRaisesTheFlagsAndClearsARedMark) {
    SetSections(" 200", " 150", " 155", "", "", "", 0);
    N2danmen* w = Open();
    EXPECT_EQ(Marks(w), "RB");
    LowerFlags();
    OpenList(w, 0);
    ClickItem(w->lstSection[0], 1);
    EXPECT_EQ(Fields(), (std::vector<std::string>{" 200", " 200", " 155", "", "", ""}));
    EXPECT_EQ(Marks(w), "BB");
    LowerFlags();
    OpenList(w, 0);
    ClickItem(w->lstSection[0], 1);
    EXPECT_EQ(Flags(), "11110");
}

TEST_F(StandardSectionTest, ActivationClearsTheKeyMarks) {
    N2danmen* w = Open();
    OpenList(w, 0);
    QTest::keyClick(w->lstSection[0], Qt::Key_Down);
    QTest::keyClick(w->lstSection[0], Qt::Key_Return);
    ASSERT_TRUE(w->KeyMark(0));
    w->HandleActivate();
    EXPECT_FALSE(w->KeyMark(0));
}

// The first step inside the chain of a work type: its buttons, the next
// step and the start screen, which waits for the box being edited.
class DanmenChainTest : public DanmenTest {
protected:
    N2danmen* OpenInChain() {
        host->OpenChain(2);
        host->manager->ShowStep(1);
        PumpEvents();
        auto* w = dynamic_cast<N2danmen*>(host->manager->Step(1));
        EXPECT_NE(w, nullptr);
        return w;
    }
};

TEST_F(DanmenChainTest, ButtonsFollowActivationAndNextMinimisesTheStep) {
    N2danmen* w = OpenInChain();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(CurStep, 1);
    EXPECT_EQ(Str(w->Caption()), "1.のり枠断面の形状寸法");
    w->HandleDeactivate();
    for (QPushButton* b : {w->cmdBegin, w->cmdNext, w->cmdResult, w->cmdSelect[0], w->cmdSelect[1]})
        EXPECT_FALSE(b->isEnabled()) << Str(b->objectName());
    EXPECT_TRUE(w->cmdIndicate->isEnabled());
    w->HandleActivate();
    for (QPushButton* b : {w->cmdBegin, w->cmdNext, w->cmdResult, w->cmdSelect[0], w->cmdSelect[1]})
        EXPECT_TRUE(b->isEnabled()) << Str(b->objectName());
    EXPECT_FALSE(w->cmdBack->isEnabled());

    w->cmdNext->click();
    PumpEvents();
    EXPECT_EQ(w->State(), WindowState::Minimized);
    EXPECT_EQ(host->manager->Step(2)->State(), WindowState::Normal);
    EXPECT_EQ(CurStep, 2);
}

TEST_F(DanmenChainTest, StartScreenWaitsForTheEditedBox) {
    N2danmen* w = OpenInChain();
    ASSERT_NE(w, nullptr);
    Design.SameSection = 1;
    // A refused entry keeps the step open.
    Enter(w->txtWidth[0]);
    w->txtWidth[0]->insert("50");
    messages.Expect(RangeMessage("100", "1000"));
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_TRUE(host->manager->ChainOpen());
    EXPECT_TRUE(w->txtWidth[0]->hasFocus());
    // An accepted one is stored first, then the selection step is shown.
    w->txtWidth[0]->selectAll();
    w->txtWidth[0]->insert("２５０");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.SectionBy, " 250");
    EXPECT_EQ(Design.SectionBx, " 250");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_FALSE(host->manager->ChainOpen());
    EXPECT_EQ(ClickPending, 0);
}

// A value refused by its check keeps the step, the value and the focus,
// whatever the engineer pressed to leave the box: the navigation buttons by
// mouse and by their Alt keys, the standard-section button and the
// same-section box.
TEST_F(DanmenChainTest, ARefusedEntryHoldsEveryButtonAndTheSectionControls) {
    Design.SectionBy = Design.SectionBx = " 200";
    Design.SameSection = 0;
    N2danmen* w = OpenInChain();
    ASSERT_NE(w, nullptr);
    ExpectRefusedEntryHoldsEveryButton(w, w->txtWidth[0], QStringLiteral("50"),
                                       RangeMessage("100", "1000"), &Design.SectionBy, messages,
                                       host->selectShown);
    for (QAbstractButton* control : {static_cast<QAbstractButton*>(w->cmdSelect[1]),
                                     static_cast<QAbstractButton*>(w->chkMeasur)}) {
        SCOPED_TRACE(Str(control->objectName()));
        LowerFlags();
        TypeWithoutLeaving(w->txtWidth[0], QStringLiteral("50"));
        messages.Expect(RangeMessage("100", "1000"));
        QTest::mouseClick(control, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Focused(), "txtWidth(0)");
        EXPECT_FALSE(w->lstSection[1]->isVisible());
        EXPECT_FALSE(w->chkMeasur->isChecked());
        EXPECT_EQ(Design.SameSection, 0);
        EXPECT_EQ(Flags(), "00000");
    }
}

TEST_F(DanmenChainTest, TabbingOntoTheSinkGoesRoundToTheCheckBox) {
    N2danmen* w = OpenInChain();
    ASSERT_NE(w, nullptr);
    w->cmdResult->setFocus(Qt::TabFocusReason);
    PumpEvents();
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(w->chkMeasur->hasFocus());
    EXPECT_EQ(host->selectShown, 0);
}

}  // namespace
}  // namespace talvo::test
