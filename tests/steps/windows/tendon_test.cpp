// The ground-anchor tendon step: the names with their byte limit, the loads,
// the anchor kind and its factors, the allowable loads checked against Pt
// and the required loads, shown from a new and a filled design.
#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QTest>

#include "calc/anchorload.h"
#include "steps/windows/NAgrand1.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

const std::string kNameTooLong = "文字数は半角で２８文字までです。";

class TendonTest : public InputStepTest {
protected:
    // The window over a new ground-anchor design with the design load `pt`
    // as stored, activated once, with every flag lowered.
    NAgrand1* OpenNew(const char* pt = "100.0") {
        InitDesignData();
        Design.WorkType = 4;
        Design.Pt = pt;
        NAgrand1* w = Load<NAgrand1>();
        LowerFlags();
        return w;
    }
    static std::string S(const QLabel* l) { return Str(l->text()); }
    static std::string S(const QLineEdit* t) { return Str(t->text()); }
    static QColor LabelFore(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
    // The mark of a row: sign, verdict and whether the verdict is red.
    static std::string Mark(const QLabel* sign, const QLabel* verdict) {
        return S(sign) + " " + S(verdict) + (LabelFore(verdict) == kRed ? " red" : " black");
    }
    static QStringList Texts(QWidget* w) {
        QStringList texts;
        for (QLabel* l : w->findChildren<QLabel*>()) texts << l->text();
        return texts;
    }
};

TEST_F(TendonTest, FirstActivationOfANewDesign) {
    NAgrand1* w = OpenNew();
    // Choosing the stored kind is no edit: nothing is marked changed.
    EXPECT_TRUE(w->optAnchorSelect[0]->isChecked());
    EXPECT_FALSE(w->optAnchorSelect[1]->isChecked());
    EXPECT_FALSE(w->optAnchorSelect[2]->isChecked());
    EXPECT_EQ(S(w->txtSteelName), "");
    EXPECT_EQ(S(w->txtStandardName), "");
    EXPECT_EQ(S(w->txtTus), "");
    EXPECT_EQ(S(w->txtTys), "");
    EXPECT_EQ(S(w->Label1), "0.65");
    EXPECT_EQ(S(w->Label2), "0.80");
    EXPECT_EQ(S(w->lblAncTus), "   0.00");
    EXPECT_EQ(S(w->lblAncTys), "   0.00");
    EXPECT_EQ(S(w->lblPtTus), " 100.0");
    EXPECT_EQ(S(w->lblPtTys), " 100.0");
    EXPECT_EQ(Mark(w->Label17, w->Label25), "＜ out red");
    EXPECT_EQ(Mark(w->Label18, w->Label26), "＜ out red");
    EXPECT_EQ(S(w->lblNeedTus), "  153.8");  // 100 ÷ 0.65 = 153.846…
    EXPECT_EQ(S(w->lblNeedTys), "  125.0");
    EXPECT_EQ(Design.AnchorKind, 0);
    EXPECT_EQ(Design.TusAllow, "   0.00");
    EXPECT_EQ(Design.TysAllow, "   0.00");
    EXPECT_EQ(w->FocusSink->objectName(), "Text5");
    // The first box of the keyboard order takes the focus when the step shows.
    EXPECT_EQ(Focused(), "txtSteelName");

    const QStringList texts = Texts(w);
    for (const char* t :
         {"テンドンの選定", "許容引張力の選択", "鋼材名", "規格名", "引張荷重", "降伏荷重",
          "Tus =", "Tys = ", "(kN)", "必要値", "・Tus = ", "・Tys =", "Ｐt =", "(kN/本) ･･･"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->optAnchorSelect[0]->text(), "仮設アンカー");
    EXPECT_EQ(w->optAnchorSelect[1]->text(), "永久アンカー（常時）");
    EXPECT_EQ(w->optAnchorSelect[2]->text(), "永久アンカー（地震時）");
    ExpectLaidOutApart(w);
    SaveShot(w, QStringLiteral("NAgrand1_new"));
}

TEST_F(TendonTest, AFilledDesignWithTheLoadRecalculatedOrNot) {
    // Raised: the design load is computed before it is shown, RecalcLoad is
    // lowered and the results are to be rebuilt; the stored names fill their
    // boxes without marking the design changed.
    FillDesign(4);
    RecalcLoad = 1;
    NAgrand1* w = Load<NAgrand1>();
    const std::string pt = Design.Pt;
    ASSERT_FALSE(pt.empty());
    EXPECT_EQ(Flags(), "00001");
    EXPECT_EQ(S(w->txtSteelName), "PC鋼より線");
    EXPECT_EQ(S(w->txtStandardName), "SWPR7BL 1S12.7");
    EXPECT_EQ(S(w->txtTus), "   183");
    EXPECT_EQ(S(w->txtTys), "   156");
    EXPECT_TRUE(w->optAnchorSelect[1]->isChecked());
    EXPECT_EQ(S(w->Label1), "0.60");
    EXPECT_EQ(S(w->Label2), "0.75");
    EXPECT_EQ(S(w->lblAncTus), " 109.80");
    EXPECT_EQ(S(w->lblAncTys), " 117.00");
    EXPECT_EQ(Design.TusAllow, " 109.80");
    EXPECT_EQ(Design.TysAllow, " 117.00");
    EXPECT_EQ(S(w->lblPtTus), FormatNum(pt, 4, 1));
    EXPECT_EQ(S(w->lblNeedTus), FormatNum(NumStr(NumVal(FormatNum(pt, 4, 1)) / 0.60), 5, 1));
    SaveShot(w, QStringLiteral("NAgrand1_filled"));

    // Lowered: the stored load stands, and every flag stays as it was.
    FillDesign(4);
    Design.Pt = "110.0";
    w = Load<NAgrand1>();
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Design.Pt, "110.0");
    EXPECT_EQ(S(w->lblPtTus), " 110.0");
    EXPECT_EQ(S(w->lblPtTys), " 110.0");
    EXPECT_EQ(Mark(w->Label17, w->Label25), "＜ out red");  // 109.80 < 110.0
    EXPECT_EQ(Mark(w->Label18, w->Label26), "≧ ok black");  // 117.00 ≧ 110.0
    EXPECT_EQ(S(w->lblNeedTus), "  183.3");
    EXPECT_EQ(S(w->lblNeedTys), "  146.7");

    // A new Pt at the next activation re-marks against the stored allowables.
    Design.Pt = "109.8";
    w->HandleActivate();
    EXPECT_EQ(Mark(w->Label17, w->Label25), "≧ ok black");
    EXPECT_EQ(S(w->lblNeedTus), "  183.0");
    Design.Pt = "";
    w->HandleActivate();
    EXPECT_EQ(Mark(w->Label17, w->Label25), "  black");
    EXPECT_EQ(Mark(w->Label18, w->Label26), "  black");
    EXPECT_EQ(S(w->lblPtTus), "");
    EXPECT_EQ(S(w->lblNeedTus), "    0.0");
    EXPECT_EQ(S(w->lblNeedTys), "    0.0");
    EXPECT_EQ(Flags(), "00000");
}

// A load stored with a decimal (a file may hold one) shows in its whole-kN
// box rounded, but the allowable is worked out on the load as stored:
// 0.60 × 50.6 = 30.36, not 0.60 × 51 = 30.60, which would pass a Pt of 30.4.
TEST_F(TendonTest, TheAllowablesAreWorkedOutOnTheLoadsAsStored) {
    FillDesign(4);
    Design.Tus = "  50.6";
    Design.Tys = "  40.4";
    Design.Pt = "30.4";
    NAgrand1* w = Load<NAgrand1>();
    EXPECT_EQ(S(w->txtTus), "    51");
    EXPECT_EQ(S(w->txtTys), "    40");
    EXPECT_EQ(S(w->lblAncTus), "  30.36");
    EXPECT_EQ(S(w->lblAncTys), "  30.30");  // 0.75 × 40.4, not 0.75 × 40 = 30.00
    EXPECT_EQ(Design.TusAllow, "  30.36");
    EXPECT_EQ(Design.TysAllow, "  30.30");
    EXPECT_EQ(Mark(w->Label17, w->Label25), "＜ out red");
    EXPECT_EQ(Mark(w->Label18, w->Label26), "＜ out red");
}

TEST_F(TendonTest, TheLoadedDesignStaysUnchangedInItsChain) {
    FillDesign(4);
    host->OpenChain(4);
    NAgrand1* w = nullptr;
    int step = 0;
    for (int i = 1; host->manager->Step(i) && !w; ++i) {
        w = qobject_cast<NAgrand1*>(host->manager->Step(i));
        step = i;
    }
    ASSERT_NE(w, nullptr);
    windows.emplace_back(w);
    // As after opening the file: saved, with the load to be computed.
    DataChanged = 0;
    RecalcLoad = 1;
    host->manager->ShowStep(step);
    PumpEvents();
    EXPECT_EQ(CurStep, step);
    EXPECT_EQ(S(w->txtSteelName), "PC鋼より線");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcLoad, 0);
    // Away and back again: still nothing changed.
    host->manager->ShowStep(step + 1);
    PumpEvents();
    host->manager->ShowStep(step);
    PumpEvents();
    EXPECT_EQ(S(w->txtStandardName), "SWPR7BL 1S12.7");
    EXPECT_EQ(DataChanged, 0);
}

TEST_F(TendonTest, EachRowIsMarkedAtEqualityAndOneStepPast) {
    struct Case {
        int row;         // 0 Tus, 1 Tys
        const char* pt;  // as stored
        const char* mark;
    };
    // Kind 0: 0.65 × 200 = 130.00 and 0.80 × 200 = 160.00.
    const Case cases[] = {
        {0, "130.0", "≧ ok black"}, {0, "130.1", "＜ out red"}, {0, "129.9", "≧ ok black"},
        {1, "160.0", "≧ ok black"}, {1, "160.1", "＜ out red"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.row) + " " + c.pt);
        NAgrand1* w = OpenNew(c.pt);
        Type(c.row == 0 ? w->txtTus : w->txtTys, QStringLiteral("200"));
        QLabel* allow = c.row == 0 ? w->lblAncTus : w->lblAncTys;
        EXPECT_EQ(S(allow), c.row == 0 ? " 130.00" : " 160.00");
        EXPECT_EQ(c.row == 0 ? Design.TusAllow : Design.TysAllow, S(allow));
        EXPECT_EQ(c.row == 0 ? Mark(w->Label17, w->Label25) : Mark(w->Label18, w->Label26), c.mark);
        EXPECT_EQ(Flags(), "10000");
    }
}

TEST_F(TendonTest, ChangingTheKindRecomputesBothRows) {
    NAgrand1* w = OpenNew("120.0");
    Type(w->txtTus, QStringLiteral("200"));
    Type(w->txtTys, QStringLiteral("180"));
    LowerFlags();

    w->optAnchorSelect[2]->click();
    EXPECT_EQ(Design.AnchorKind, 2);
    EXPECT_EQ(S(w->Label1), "0.75");
    EXPECT_EQ(S(w->Label2), "0.90");
    EXPECT_EQ(S(w->lblAncTus), " 150.00");
    EXPECT_EQ(S(w->lblAncTys), " 162.00");
    EXPECT_EQ(Design.TusAllow, " 150.00");
    EXPECT_EQ(Design.TysAllow, " 162.00");
    EXPECT_EQ(S(w->lblNeedTus), "  160.0");  // 120 ÷ 0.75
    EXPECT_EQ(S(w->lblNeedTys), "  133.3");  // 120 ÷ 0.90
    EXPECT_EQ(Mark(w->Label17, w->Label25), "≧ ok black");
    EXPECT_EQ(Flags(), "10000");

    // The kind in force clicked again: nothing changes.
    LowerFlags();
    w->optAnchorSelect[2]->click();
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(S(w->lblAncTus), " 150.00");

    w->optAnchorSelect[1]->click();
    EXPECT_EQ(S(w->Label1), "0.60");
    EXPECT_EQ(S(w->Label2), "0.75");
    EXPECT_EQ(S(w->lblAncTus), " 120.00");
    EXPECT_EQ(S(w->lblAncTys), " 135.00");
    EXPECT_EQ(Mark(w->Label17, w->Label25), "≧ ok black");
    EXPECT_EQ(S(w->lblNeedTus), "  200.0");
    EXPECT_EQ(Flags(), "10000");

    // Shown again from the record: the stored kind, unchanged.
    LowerFlags();
    w = Load<NAgrand1>();
    EXPECT_TRUE(w->optAnchorSelect[1]->isChecked());
    EXPECT_EQ(S(w->lblAncTys), " 135.00");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(TendonTest, AKindClickWaitsForTheEditedLoad) {
    NAgrand1* w = OpenNew();
    // A refused load keeps its box and the kind in force.
    TypeWithoutLeaving(w->txtTus, QStringLiteral("0"));
    messages.Expect(RangeMessage("1", "9999"));
    QTest::mouseClick(w->optAnchorSelect[2], Qt::LeftButton);
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(w->optAnchorSelect[0]->isChecked());
    EXPECT_FALSE(w->optAnchorSelect[2]->isChecked());
    EXPECT_EQ(Design.AnchorKind, 0);
    EXPECT_EQ(Focused(), "txtTus");
    EXPECT_EQ(Flags(), "00000");

    // An accepted load is stored first; the kind then uses it.
    TypeWithoutLeaving(w->txtTus, QStringLiteral("300"));
    QTest::mouseClick(w->optAnchorSelect[2], Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.AnchorKind, 2);
    EXPECT_EQ(Design.Tus, "   300");
    EXPECT_EQ(S(w->lblAncTus), " 225.00");
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(TendonTest, LoadsAtTheirLimits) {
    NAgrand1* w = OpenNew();
    const std::string range = RangeMessage("1", "9999");
    const LimitCase cases[] = {
        {"txtTus", &Design.Tus, "1", "     1", "9999", "  9999", "0", "10000", range, "150.5",
         kWholeNumber, "２００", "   200", "10000"},
        {"txtTys", &Design.Tys, "1", "     1", "9999", "  9999", "0", "10000", range, "150.5",
         kWholeNumber, "１８０", "   180", "10000"},
    };
    for (const LimitCase& c : cases) CheckLimits(w, c);
    // The emptied loads allow nothing, against a Pt that is there.
    EXPECT_EQ(S(w->lblAncTus), "   0.00");
    EXPECT_EQ(S(w->lblAncTys), "   0.00");
    EXPECT_EQ(Mark(w->Label17, w->Label25), "＜ out red");

    Type(w->txtTus, QStringLiteral("9999"));
    EXPECT_EQ(S(w->lblAncTus), "6499.35");
    EXPECT_EQ(Design.TusAllow, "6499.35");
}

TEST_F(TendonTest, NamesAreCutTo28Bytes) {
    struct Case {
        const char* typed;
        const char* kept;
        bool cut;
    };
    const Case cases[] = {
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ12", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12", false},
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ123", "ABCDEFGHIJKLMNOPQRSTUVWXYZ12", true},
        {"ＰＣ鋼より線ＳＷＰＲ７ＢＬ１", "ＰＣ鋼より線ＳＷＰＲ７ＢＬ１", false},   // 14: 28 bytes
        {"ＰＣ鋼より線ＳＷＰＲ７ＢＬ１Ｓ", "ＰＣ鋼より線ＳＷＰＲ７ＢＬ１", true},  // 15: 30 bytes
        // A full-width character across the limit is dropped whole.
        {"ABCDEFGHIJKLMNOPQRSTUVWXYZ1鋼", "ABCDEFGHIJKLMNOPQRSTUVWXYZ1", true},
        {"半角ｶﾅは1バイトｱｲｳｴｵｶｷｸｹｺｻｼｽｾｿﾀ", "半角ｶﾅは1バイトｱｲｳｴｵｶｷｸｹｺｻｼｽ", true},
    };
    for (const Case& c : cases) {
        for (bool steel : {true, false}) {
            SCOPED_TRACE(std::string(c.typed) + (steel ? " steel" : " standard"));
            NAgrand1* w = OpenNew();
            QLineEdit* box = steel ? w->txtSteelName : w->txtStandardName;
            const std::string& field = steel ? Design.TendonName : Design.TendonStandard;
            if (c.cut) messages.Expect(kNameTooLong);
            Type(box, QString::fromUtf8(c.typed));
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(S(box), c.kept);
            // The cut text is stored at once; the box takes the focus back.
            EXPECT_EQ(field, c.kept);
            EXPECT_EQ(box->hasFocus(), c.cut);
            EXPECT_EQ(Flags(), "10000");
            // Left again within the limit: no message.
            Leave(box);
            EXPECT_EQ(field, c.kept);
        }
    }
}

TEST_F(TendonTest, TypingANameMarksTheDesignChangedAtOnce) {
    NAgrand1* w = OpenNew();
    Enter(w->txtSteelName);
    QTest::keyClicks(w->txtSteelName, QStringLiteral("PC"));
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(Design.TendonName, "");  // stored when the box is left
    Leave(w->txtSteelName);
    EXPECT_EQ(Design.TendonName, "PC");
}

TEST_F(TendonTest, KeyboardOrderAndTheSink) {
    OpenNew();
    // The step shows with the steel name focused; Tab runs through the names
    // and the loads as they stand on the screen, the chosen kind and the
    // buttons, and the sink sends it on to the steel name.
    std::vector<std::string> order{Focused()};
    for (int i = 0; i < 11; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        PumpEvents();
        order.push_back(Focused());
    }
    EXPECT_EQ(order, (std::vector<std::string>{"txtSteelName", "txtStandardName", "txtTus",
                                               "txtTys", "optAnchorSelect(0)", "cmdBegin",
                                               "cmdBack", "cmdIndicate", "cmdNext", "cmdResult",
                                               "txtSteelName", "txtStandardName"}));
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(Flags(), "00000");
}

// Typed by keys alone in the order of the screen, each value lands in its
// own field: Tus is the upper load box.
TEST_F(TendonTest, ScreenOrderTypingStoresEachValueInItsOwnField) {
    OpenNew();
    for (const char* typed : {"SWPR7BL", "1S12.7", "549", "468"}) {
        QTest::keyClicks(QApplication::focusWidget(), QString::fromLatin1(typed));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        PumpEvents();
    }
    EXPECT_EQ(Design.TendonName, "SWPR7BL");
    EXPECT_EQ(Design.TendonStandard, "1S12.7");
    EXPECT_EQ(Design.Tus, "   549");
    EXPECT_EQ(Design.Tys, "   468");
    EXPECT_EQ(Design.TusAllow, " 356.85");  // 0.65 × 549
    EXPECT_EQ(Design.TysAllow, " 374.40");  // 0.80 × 468
    EXPECT_EQ(Focused(), "optAnchorSelect(0)");
}

// A yield load above the tensile load is refused in the box that makes the
// pair, by every way out of it: the message names both loads, the box keeps
// the focus and the last good value, and nothing is stored or moved on.
TEST_F(TendonTest, AYieldLoadAboveTheTensileLoadIsRefusedByEveryWayOut) {
    enum Way { kReturn, kTab, kClickElsewhere, kButton };
    struct Case {
        const char* name;
        Way way;
        QPushButton* NAgrand1::*button;
        bool tysLast;  // Tys typed after Tus; else Tus typed under a stored Tys
    };
    const Case cases[] = {
        {"Return", kReturn, nullptr, true},
        {"Tab", kTab, nullptr, true},
        {"click on the steel name", kClickElsewhere, nullptr, true},
        {"次画面へ", kButton, &NAgrand1::cmdNext, true},
        {"前画面へ", kButton, &NAgrand1::cmdBack, true},
        {"結果画面", kButton, &NAgrand1::cmdResult, true},
        {"初期画面", kButton, &NAgrand1::cmdBegin, true},
        {"再表示", kButton, &NAgrand1::cmdIndicate, true},
        {"Tus under Tys, Tab", kTab, nullptr, false},
        {"Tus under Tys, 次画面へ", kButton, &NAgrand1::cmdNext, false},
    };
    const std::string refusal =
        "降伏荷重が引張荷重を超えています。\r降伏荷重 Tys（600）を引張荷重 Tus（549）以下に"
        "変更してください。";
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitDesignData();
        Design.Tus = c.tysLast ? "   549" : "   700";
        Design.Tys = c.tysLast ? "   500" : "   600";
        auto* w = OpenInChain<NAgrand1>(4);
        ASSERT_NE(w, nullptr);
        const int step = CurStep;
        LowerFlags();
        QLineEdit* box = c.tysLast ? w->txtTys : w->txtTus;
        const std::string stored = c.tysLast ? Design.Tys : Design.Tus;
        box->setFocus(Qt::TabFocusReason);
        PumpEvents();
        QTest::keyClicks(box, QString::fromLatin1(c.tysLast ? "600" : "549"));
        messages.Expect(refusal, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        switch (c.way) {
            case kReturn:
                QTest::keyClick(box, Qt::Key_Return);
                break;
            case kTab:
                QTest::keyClick(box, Qt::Key_Tab);
                break;
            case kClickElsewhere:
                QTest::mouseClick(w->txtSteelName, Qt::LeftButton);
                break;
            case kButton:
                QTest::mouseClick(w->*c.button, Qt::LeftButton);
                break;
        }
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(QApplication::focusWidget(), box);
        // The last good value, selected (its leading blanks dropped) for typing over.
        EXPECT_EQ(Str(box->text()), TrimBlanks(stored));
        EXPECT_EQ(Str(box->selectedText()), TrimBlanks(stored));
        EXPECT_EQ(Design.Tus, c.tysLast ? "   549" : "   700");
        EXPECT_EQ(Design.Tys, c.tysLast ? "   500" : "   600");
        EXPECT_EQ(Flags(), "00000");
        EXPECT_EQ(CurStep, step);
        EXPECT_EQ(w->State(), WindowState::Normal);
        EXPECT_EQ(host->selectShown, 0);
        messages.Clear();
        w->MarkUnloading();
        host->manager->CloseSteps();
        PumpEvents();
        windows.clear();
    }
}

// A yield load equal to the tensile load stands, by keys as by the next
// button.
TEST_F(TendonTest, AYieldLoadEqualToTheTensileLoadIsAccepted) {
    InitDesignData();
    Design.Tus = "   549";
    auto* w = OpenInChain<NAgrand1>(4);
    ASSERT_NE(w, nullptr);
    const int step = CurStep;
    w->txtTys->setFocus(Qt::TabFocusReason);
    PumpEvents();
    QTest::keyClicks(w->txtTys, QStringLiteral("549"));
    QTest::keyClick(w->txtTys, Qt::Key_Return);
    PumpEvents();
    EXPECT_EQ(Design.Tys, "   549");
    EXPECT_EQ(Focused(), "txtTys");
    QTest::mouseClick(w->cmdNext, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(CurStep, step + 1);
}

}  // namespace
}  // namespace talvo::test
