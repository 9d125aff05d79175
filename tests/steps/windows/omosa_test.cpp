// The weights step: loading, the unit-weight and thickness boxes at their
// limits, the 20-byte names, the infill and snow check boxes, the infill
// thickness against the frame heights and the groups open by work type.
#include <QApplication>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

#include "steps/windows/N4omosa.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kNameLimit = "文字数は半角で２０文字までです。";
const std::string kTooThick = "中詰め材の厚さがのり枠高（厚さ）を超えています。";

class OmosaTest : public InputStepTest {
public:
    N4omosa* Open() { return Load<N4omosa>(); }
    static std::vector<std::string> Boxes(const N4omosa* w) {
        std::vector<std::string> v;
        for (int i = 0; i < 4; ++i) {
            v.push_back(Str(w->txtName[i]->text()));
            v.push_back(Str(w->txtWeight[i]->text()));
        }
        v.push_back(Str(w->txtThick[0]->text()));
        v.push_back(Str(w->txtThick[1]->text()));
        v.push_back(Str(w->lblFrame[0]->text()));
        v.push_back(Str(w->lblFrame[1]->text()));
        return v;
    }
    // "1" for an open box, "0" for a closed one: names and weights of the
    // four groups, then the two thickness boxes.
    static std::string Open(const N4omosa* w) {
        std::string s;
        auto one = [&s](const QLineEdit* b) {
            const bool open = b->isEnabled();
            // A closed box has the button-face background, an open one white.
            EXPECT_EQ(Back(b), open ? QColor(255, 255, 255)
                                    : QApplication::palette().color(QPalette::Button))
                << Str(b->objectName());
            s += open ? "1" : "0";
        };
        for (int i = 0; i < 4; ++i) {
            one(w->txtName[i]);
            one(w->txtWeight[i]);
        }
        one(w->txtThick[0]);
        one(w->txtThick[1]);
        return s;
    }
    // Which reference buttons are enabled ("1011"), and which should be:
    // the frame's always, the infill's and the snow's with their check box,
    // the moving soil's with its panel.
    static std::string ReferStates(const N4omosa* w) {
        std::string s;
        for (QPushButton* b : w->cmdRefer) s += b->isEnabled() ? '1' : '0';
        return s;
    }
    static std::string ReferRule(const N4omosa* w) {
        return std::string("1") + (w->chkMaterial->isChecked() ? '1' : '0') +
               (w->chkSnow->isChecked() ? '1' : '0') + (w->txtWeight[3]->isEnabled() ? '1' : '0');
    }
};

TEST_F(OmosaTest, LoadFromANewAndAFilledDesign) {
    struct Case {
        const char* what;
        std::function<void()> design;
        std::vector<std::string> boxes;
        bool infill, snow;
        std::string open;
        bool red;
    };
    const Case cases[] = {
        {"new design",
         [] { Design.WorkType = 0; },
         {"", "", "", "", "", "", "", "", "", "", "", ""},
         true,
         false,
         "1111001110",
         false},
        {"filled, wedge failure",
         [] { FillDesign(0); },
         {"コンクリート", "   24.0", "土砂", "   18.0", "", "    3.0", "砂質土", "   18.0", "  100",
          "    1.000", " 200", " 200"},
         true,
         false,
         "1111001110",
         false},
        {"filled, ground anchors, snow, no infill, too thick",
         [] {
             FillDesign(4);
             Design.UseInfill = 0;
             Design.UseSnow = 1;
             Design.SnowRemarks = "多雪地域";
             Design.InfillThick = " 250";
         },
         {"コンクリート", "   24.0", "土砂", "   18.0", "多雪地域", "    3.0", "砂質土", "   18.0",
          "  250", "    1.000", " 200", " 200"},
         false,
         true,
         "1100110001",
         true},
        {"frame only, horizontal beams",
         [] {
             FillDesign(2);
             Design.SectionHy = "";
         },
         {"コンクリート", "   24.0", "土砂", "   18.0", "", "    3.0", "", "", "  100", "    1.000",
          "", " 200"},
         true,
         false,
         "1111000010",
         false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ResetProgramState();
        c.design();
        LowerFlags();
        N4omosa* w = Open();
        EXPECT_EQ(Boxes(w), c.boxes);
        EXPECT_EQ(w->chkMaterial->isChecked(), c.infill);
        EXPECT_EQ(w->chkSnow->isChecked(), c.snow);
        EXPECT_EQ(Open(w), c.open);
        // Activation colours the thickness without a message.
        EXPECT_EQ(Fore(w->txtThick[0]), c.red ? kRed : kBlack);
        EXPECT_EQ(Flags(), "00000");
        // Each reference button follows its panel.
        EXPECT_EQ(ReferStates(w), ReferRule(w));
        EXPECT_EQ(Str(w->cmdRefer[0]->text()), "参考値...");
        const char* captions[4] = {"のり枠", "中詰め材", "積雪", "移動土塊"};
        for (int i = 0; i < 4; ++i) EXPECT_EQ(Str(w->fraGroup[i]->title()), captions[i]);
        EXPECT_EQ(w->FocusSink->objectName(), "Text2");
    }
}

TEST_F(OmosaTest, UnitWeightAndThicknessBoxesAtTheirLimits) {
    const std::string weight = RangeMessage("0.1", "99.9");
    const std::string one = DecimalsMessage(1);
    const LimitCase cases[] = {
        {"txtWeight(0)", &Design.FrameGamma, "0.1", "    0.1", "99.9", "   99.9", "0", "100",
         weight, "24.05", one, "２４", "   24.0", "11110"},
        {"txtWeight(1)", &Design.InfillGamma, "0.1", "    0.1", "99.9", "   99.9", "0.09", "99.95",
         weight, "18.00", one, "１８．５", "   18.5", "11110"},
        {"txtWeight(2)", &Design.SnowGamma, "0.1", "    0.1", "99.9", "   99.9", "-1", "999",
         weight, "3.25", one, "３", "    3.0", "11110"},
        {"txtWeight(3)", &Design.SoilGamma, "0.1", "    0.1", "99.9", "   99.9", "0.0", "100.0",
         weight, "19.01", one, "１９．０", "   19.0", "11110"},
        {"txtThick(0)", &Design.InfillThick, "1", "    1", "1000", " 1000", "0", "1001",
         RangeMessage("1", "1000"), "100.5", kWholeNumber, "１００", "  100", "11110"},
        {"txtThick(1)", &Design.SnowDepth, "0.001", "    0.001", "9.999", "    9.999", "0", "10",
         RangeMessage("0.001", "9.999"), "1.0001", DecimalsMessage(3), "１．５", "    1.500",
         "11110"},
    };
    for (const LimitCase& c : cases) {
        ResetProgramState();
        FillDesign(1);
        Design.UseSnow = 1;     // every group open
        Design.SectionHx = "";  // no thickness warning in between
        N4omosa* w = Open();
        CheckLimits(w, c);
    }
}

TEST_F(OmosaTest, NamesAreCutTo20Bytes) {
    struct Case {
        const char* what;
        const char* stored;
        const char* typed;  // nullptr: left without a change
        const char* kept;
        bool message;
        std::string flags;
    };
    const Case cases[] = {
        {"20 half-width", "", "ABCDEFGHIJKLMNOPQRST", "ABCDEFGHIJKLMNOPQRST", false, "10000"},
        {"21 half-width", "", "ABCDEFGHIJKLMNOPQRSTU", "ABCDEFGHIJKLMNOPQRST", true, "10000"},
        {"10 full-width", "", "鉄筋コンクリート二種", "鉄筋コンクリート二種", false, "10000"},
        {"11 full-width", "", "鉄筋コンクリート二種類", "鉄筋コンクリート二種", true, "10000"},
        // The 10th full-width character would end at byte 21: dropped whole.
        {"full-width across the limit", "", "a鉄筋コンクリート二種", "a鉄筋コンクリート二", true,
         "10000"},
        {"the same text", "砂質土", "砂質土", "砂質土", false, "00000"},
        {"unchanged, stored longer than the limit", "とても長い名前の付いた土質です", nullptr,
         "とても長い名前の付いた土質です", false, "00000"},
        {"emptied", "砂質土", "", "", false, "10000"},
    };
    for (int i = 0; i < 4; ++i) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + " in group " + std::to_string(i));
            ResetProgramState();
            Design.WorkType = 0;
            Design.UseSnow = 1;
            std::string* field[4] = {&Design.FrameMaterial, &Design.InfillName, &Design.SnowRemarks,
                                     &Design.SoilName};
            *field[i] = c.stored;
            N4omosa* w = Open();
            QLineEdit* box = w->txtName[i];
            LowerFlags();
            if (c.message)
                messages.Expect(kNameLimit, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
            if (c.typed) {
                Type(box, QString::fromUtf8(c.typed));
            } else {
                Enter(box);
                Leave(box);
            }
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(Str(box->text()), c.kept);
            EXPECT_EQ(*field[i], c.kept);
            EXPECT_EQ(box->hasFocus(), c.message);
            EXPECT_EQ(Flags(), c.flags);
        }
    }
}

TEST_F(OmosaTest, CheckBoxesOpenAndCloseTheirGroupsAndRaiseTheFlags) {
    ResetProgramState();
    FillDesign(1);
    Design.InfillThick = " 300";  // thicker than the 200 mm frame
    N4omosa* w = Open();
    ASSERT_EQ(Fore(w->txtThick[0]), kRed);
    struct Step {
        QCheckBox* box;
        std::string open;
        std::int16_t useInfill, useSnow;
    };
    const Step steps[] = {
        {w->chkMaterial, "1100001100", 0, 0},
        {w->chkMaterial, "1111001110", 1, 0},
        {w->chkSnow, "1111111111", 1, 1},
        {w->chkSnow, "1111001110", 1, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.open);
        LowerFlags();
        s.box->click();
        EXPECT_EQ(Open(w), s.open);
        EXPECT_EQ(Design.UseInfill, s.useInfill);
        EXPECT_EQ(Design.UseSnow, s.useSnow);
        EXPECT_EQ(Flags(), "11110");
        EXPECT_EQ(ReferStates(w), ReferRule(w));
    }
    // Checking the infill recolours without a message: now thin enough.
    w->chkMaterial->click();
    Design.InfillThick = " 200";
    w->chkMaterial->click();
    EXPECT_EQ(Fore(w->txtThick[0]), kBlack);
}

TEST_F(OmosaTest, InfillThickerThanTheFrameIsMarkedRed) {
    struct Case {
        const char* hy;
        const char* hx;
        const char* stored;
        const char* typed;
        bool red;
    };
    const Case cases[] = {
        {" 200", " 150", "", "150", false},  // equal to the smaller height
        {" 200", " 150", "", "151", true},   // one millimetre more
        {" 150", " 300", "", "151", true},
        {" 200", " 200", "", "200", false},
        {" 200", "", "", "999", false},  // without both heights, never
        {"", " 200", "", "999", false},
        {" 200", " 150", "  160", "160", true},  // an unchanged exit checks too
        {" 200", " 150", "  160", "", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.hy) + "/" + c.hx + " <- " + c.typed);
        ResetProgramState();
        Design.WorkType = 0;
        Design.SectionHy = c.hy;
        Design.SectionHx = c.hx;
        Design.InfillThick = c.stored;
        N4omosa* w = Open();
        if (c.red) messages.Expect(kTooThick, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        Type(w->txtThick[0], c.typed);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Fore(w->txtThick[0]), c.red ? kRed : kBlack);
        EXPECT_EQ(Design.InfillThick, *c.typed ? FormatNum(c.typed, 5, 0) : "");
    }
    // A refused entry is not measured.
    ResetProgramState();
    Design.SectionHy = Design.SectionHx = " 200";
    N4omosa* w = Open();
    messages.Expect(RangeMessage("1", "1000"));
    Type(w->txtThick[0], "1001");
    EXPECT_EQ(Fore(w->txtThick[0]), kBlack);
}

TEST_F(OmosaTest, MovingSoilIsOpenForTheFailureTypesOnly) {
    for (int type = 0; type <= 4; ++type) {
        SCOPED_TRACE(type);
        ResetProgramState();
        FillDesign(static_cast<std::int16_t>(type));
        N4omosa* w = Open();
        const bool open = type < 2;
        EXPECT_EQ(w->txtName[3]->isEnabled(), open);
        EXPECT_EQ(w->txtWeight[3]->isEnabled(), open);
        w->HandleDeactivate();
        w->HandleActivate();
        w->HandleResize();
        EXPECT_EQ(w->txtName[3]->isEnabled(), open);
        EXPECT_EQ(w->txtWeight[3]->isEnabled(), open);
        EXPECT_EQ(w->cmdRefer[3]->isEnabled(), open);
    }
}

TEST_F(OmosaTest, ActivationShowsTheFrameHeightsAsStored) {
    N4omosa* w = Open();
    Design.SectionHy = " 300";
    Design.SectionHx = "  250";
    Design.InfillThick = " 280";
    w->HandleActivate();
    EXPECT_EQ(Str(w->lblFrame[0]->text()), " 300");
    EXPECT_EQ(Str(w->lblFrame[1]->text()), "  250");
    EXPECT_EQ(Fore(w->txtThick[0]), kRed);
}

TEST_F(OmosaTest, StartScreenAndTheSink) {
    ResetProgramState();
    FillDesign(0);
    N4omosa* w = Open();
    w->cmdResult->setFocus(Qt::TabFocusReason);
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    EXPECT_TRUE(w->txtName[0]->hasFocus());
    EXPECT_EQ(host->selectShown, 0);
    Enter(w->txtWeight[0]);
    w->txtWeight[0]->selectAll();
    w->txtWeight[0]->insert("２３．５");
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.FrameGamma, "   23.5");
    EXPECT_EQ(host->selectShown, 1);
}

// The window as the engineer sees it with snow and a thick infill: each
// reference button inside its group below the caption, every control inside
// its group and apart.
TEST_F(OmosaTest, TheWindowAsShownWithSnowAndAThickInfill) {
    ResetProgramState();
    FillDesign(0);
    Design.UseSnow = 1;
    Design.SnowRemarks = "多雪地域";
    Design.InfillThick = " 250";
    N4omosa* w = Open();
    EXPECT_TRUE(w->chkSnow->isChecked());
    EXPECT_EQ(Str(w->txtName[2]->text()), "多雪地域");
    EXPECT_EQ(Fore(w->txtThick[0]), kRed);
    for (int i = 0; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(w->cmdRefer[i]->parentWidget(), w->fraGroup[i]);
        EXPECT_TRUE(w->fraGroup[i]->contentsRect().contains(w->cmdRefer[i]->geometry()));
    }
    ExpectLaidOutApart(w);
    SaveShot(w, QStringLiteral("N4omosa"));
}

// A value refused by its check keeps the step, the value and the focus: a
// check box pressed to leave the box keeps its tick and its group.
TEST_F(OmosaTest, ARefusedEntryThenACheckBoxDoesNothing) {
    ResetProgramState();
    FillDesign(0);
    N4omosa* w = Open();
    for (QCheckBox* box : {w->chkMaterial, w->chkSnow}) {
        SCOPED_TRACE(Str(box->objectName()));
        const bool ticked = box->isChecked();
        const std::string open = Open(w);
        LowerFlags();
        TypeWithoutLeaving(w->txtWeight[0], "500");
        messages.Expect(RangeMessage("0.1", "99.9"));
        QTest::mouseClick(box, Qt::LeftButton);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Focused(), "txtWeight(0)");
        EXPECT_EQ(box->isChecked(), ticked);
        EXPECT_EQ(Open(w), open);
        EXPECT_EQ(Flags(), "00000");
    }
}

}  // namespace
}  // namespace talvo::test
