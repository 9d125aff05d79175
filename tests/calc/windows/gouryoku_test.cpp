// The allowable-stress step: the five stress boxes, the shear stress method
// and its save question, the reference button and the start-screen button.
#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QList>
#include <QRadioButton>
#include <cstdlib>
#include <utility>

#include "calc/windows/NGouryoku.h"
#include "calc/windows/force_step_fixture.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

// Position of the step in the chain of each work type.
int GouryokuStep(int type) {
    switch (type) {
        case 2:
            return 7;
        case 3:
        case 4:
            return 12;
        default:
            return 10;
    }
}

std::string Text(const QLineEdit* t) {
    return t->text().toStdString();
}

class GouryokuTest : public ForceStepTest {
protected:
    int type = 2;
    NGouryoku* W() { return Step<NGouryoku>(GouryokuStep(type)); }
    // Opens the filled design of `type` with the step current, flags lowered.
    template <class Adjust>
    void OpenAt(Adjust adjust) {
        Open(type, adjust);
        Show(GouryokuStep(type));
        LowerFlags();
    }
    void OpenAt() {
        OpenAt([] {});
    }
};

TEST_F(GouryokuTest, EveryChainHasTheStepAndItsTexts) {
    for (int t : {0, 1, 2, 3, 4}) {
        SCOPED_TRACE(t);
        type = t;
        Open(type);
        ASSERT_NE(W(), nullptr);
    }
    NGouryoku* w = W();
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t : {"コンクリート", "鉄筋", "せん断応力度τcの照査方法", "設計基準強度",
                          "許容圧縮応力度", "許容せん断応力度", "許容付着応力度", "許容引張応力度",
                          "σ", "τ", "ck", "ca", "oa", "sa", "="})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->optAverage->text(), "平均せん断応力度[Ｓmax/(b･d)]");
    EXPECT_EQ(w->optMax->text(), "最大せん断応力度[Ｓmax/(b･j･d)]");
    EXPECT_EQ(w->cmdRefer->text(), "参考値...");
    EXPECT_EQ(w->FocusSink, w->Text4);
    EXPECT_EQ(w->Text4->objectName(), "Text4");
}

// Where a label's text is drawn across: from its left edge (no frame, so
// no indent) for the width of the text in the label's font.
std::pair<int, int> InkSpan(const QLabel* l) {
    return {l->x(), l->x() + QFontMetrics(l->font()).horizontalAdvance(l->text())};
}

TEST_F(GouryokuTest, EveryStressReadsItsUnitWithTheSquareInItsOwnRoom) {
    // N/mm² of each row: "(N/mm", a smaller raised "2", then ")", each text
    // clear of the next. The "2" once lay over the blank of "(N/mm )",
    // which is narrower than the "2", and ran into the ")".
    OpenAt();
    NGouryoku* w = W();
    SaveShotIfAsked(w->SubWindow(), "NGouryoku");
    const QList<QLabel*> labels = w->findChildren<QLabel*>();
    auto rightAfter = [&labels](const QLabel* of, const QString& text) -> QLabel* {
        QLabel* found = nullptr;
        for (QLabel* l : labels)
            if (l->text() == text && l->x() > of->x() && l->x() - of->x() < 100 &&
                std::abs(l->geometry().center().y() - of->geometry().center().y()) < 10 &&
                (!found || l->x() < found->x()))
                found = l;
        return found;
    };
    for (QLineEdit* box :
         {w->txtStandard, w->txtCompress, w->txtShear, w->txtAdhesion, w->txtPull}) {
        SCOPED_TRACE(box->objectName().toStdString());
        QLabel* open = nullptr;
        for (QLabel* l : labels)
            if (l->text() == "(N/mm" && l->y() == box->y() && l->x() > box->geometry().right())
                open = l;
        ASSERT_NE(open, nullptr);
        QLabel* square = rightAfter(open, "2");
        ASSERT_NE(square, nullptr);
        QLabel* close = rightAfter(square, ")");
        ASSERT_NE(close, nullptr);
        EXPECT_LE(InkSpan(open).second, InkSpan(square).first);
        EXPECT_LE(InkSpan(square).second, InkSpan(close).first);
        // Raised and smaller than the text it follows; the ")" on the line.
        EXPECT_LT(square->y(), open->y());
        EXPECT_LT(square->font().pointSizeF(), open->font().pointSizeF());
        EXPECT_EQ(close->geometry().center().y(), open->geometry().center().y());
    }
}

struct LoadCase {
    const char* name;
    bool filled;
    std::int16_t mode;
    std::array<const char*, 5> boxes;
    bool maxShown;
    std::int16_t modeAfter;
    std::int16_t recalcResult;
};

TEST_F(GouryokuTest, LoadShowsTheRecordAndCorrectsAnUnknownMethod) {
    const LoadCase cases[] = {
        {"filled", true, 1, {"   18", "    6.0", "    0.33", "    0.8", "  160"}, true, 1, 0},
        {"average", true, 0, {"   18", "    6.0", "    0.33", "    0.8", "  160"}, false, 0, 0},
        // A method outside 0 and 1 is shown as the maximum and replaced, which
        // needs a new result but is no change of the engineer's.
        {"unknown", true, 5, {"   18", "    6.0", "    0.33", "    0.8", "  160"}, true, 1, 1},
        {"new", false, 1, {"", "", "", "", ""}, true, 1, 0},
    };
    for (const LoadCase& c : cases) {
        SCOPED_TRACE(c.name);
        if (M().ChainOpen()) M().CloseSteps();
        PumpEvents();
        if (c.filled) {
            FillDesign(static_cast<std::int16_t>(type));
        } else {
            InitDesignData();
        }
        Design.ShearStressMode = c.mode;
        LowerFlags();
        host->OpenChain(type);
        NGouryoku* w = W();
        EXPECT_EQ(Text(w->txtStandard), c.boxes[0]);
        EXPECT_EQ(Text(w->txtCompress), c.boxes[1]);
        EXPECT_EQ(Text(w->txtShear), c.boxes[2]);
        EXPECT_EQ(Text(w->txtAdhesion), c.boxes[3]);
        EXPECT_EQ(Text(w->txtPull), c.boxes[4]);
        EXPECT_EQ(w->optMax->isChecked(), c.maxShown);
        EXPECT_EQ(w->optAverage->isChecked(), !c.maxShown);
        EXPECT_EQ(Design.ShearStressMode, c.modeAfter);
        EXPECT_EQ(RecalcResult, c.recalcResult);
        EXPECT_EQ(DataChanged, 0);
        // The stored texts are shown, not rewritten.
        if (c.filled) {
            EXPECT_EQ(Design.TauOa, "0.80");
        }
    }
}

TEST_F(GouryokuTest, ChangingTheMethodAsksForASave) {
    OpenAt();
    NGouryoku* w = W();
    ASSERT_EQ(Design.ShearStressMode, 1);

    // The method already in force: nothing.
    QTest::mouseClick(w->optMax, Qt::LeftButton);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(DataChanged, 0);

    QTest::mouseClick(w->optAverage, Qt::LeftButton);
    EXPECT_TRUE(w->optAverage->isChecked());
    EXPECT_EQ(Design.ShearStressMode, 0);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 1);

    LowerFlags();
    QTest::mouseClick(w->optAverage, Qt::LeftButton);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(DataChanged, 0);

    QTest::mouseClick(w->optMax, Qt::LeftButton);
    EXPECT_EQ(Design.ShearStressMode, 1);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(DataChanged, 1);
}

const char* const kNotValid = "値が正しくありません。";
const char* const kWhole =
    "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";
const char* const kDecimals1 =
    "入力値が有効精度を超えています。\r有効精度内（小数第1位）に変更してください。";
const char* const kDecimals2 =
    "入力値が有効精度を超えています。\r有効精度内（小数第2位）に変更してください。";

struct EntryCase {
    const char* box;  // object name
    const char* typed;
    const char* message;  // nullptr: accepted
    const char* shown;    // the box afterwards
    const char* stored;   // the field afterwards
    bool changed;
};

std::string& FieldOf(const std::string& box) {
    if (box == "txtStandard") return Design.SigmaCk;
    if (box == "txtCompress") return Design.SigmaCa;
    if (box == "txtShear") return Design.TauCa;
    if (box == "txtAdhesion") return Design.TauOa;
    return Design.SigmaSa;
}

TEST_F(GouryokuTest, EachBoxChecksItsRangeAndDecimals) {
    const EntryCase cases[] = {
        {"txtStandard", "1", nullptr, "    1", "    1", true},
        {"txtStandard", "99", nullptr, "   99", "   99", true},
        {"txtStandard", "0", "値が有効範囲にありません。\r有効範囲（1～99）", "18", "18", false},
        {"txtStandard", "100", "値が有効範囲にありません。\r有効範囲（1～99）", "18", "18", false},
        {"txtStandard", "24.5", kWhole, "18", "18", false},
        {"txtStandard", "２４", nullptr, "   24", "   24", true},
        {"txtStandard", "18", nullptr, "   18", "18", false},
        {"txtStandard", "", nullptr, "", "", true},
        {"txtCompress", "0.1", nullptr, "    0.1", "    0.1", true},
        {"txtCompress", "99.9", nullptr, "   99.9", "   99.9", true},
        {"txtCompress", "0", "値が有効範囲にありません。\r有効範囲（0.1～99.9）", "6.0", " 6.0",
         false},
        {"txtCompress", "100", "値が有効範囲にありません。\r有効範囲（0.1～99.9）", "6.0", " 6.0",
         false},
        {"txtCompress", "7.25", kDecimals1, "6.0", " 6.0", false},
        {"txtCompress", "１２．５", nullptr, "   12.5", "   12.5", true},
        {"txtCompress", "6", nullptr, "    6.0", " 6.0", false},
        {"txtShear", "0.01", nullptr, "    0.01", "    0.01", true},
        {"txtShear", "0.99", nullptr, "    0.99", "    0.99", true},
        {"txtShear", "1", "値が有効範囲にありません。\r有効範囲（0.01～0.99）", "0.33", "0.33",
         false},
        {"txtShear", "0.005", "値が有効範囲にありません。\r有効範囲（0.01～0.99）", "0.33", "0.33",
         false},
        {"txtShear", "0.333", kDecimals2, "0.33", "0.33", false},
        {"txtShear", "0.3a", kNotValid, "0.33", "0.33", false},
        {"txtAdhesion", "0.1", nullptr, "    0.1", "    0.1", true},
        {"txtAdhesion", "9.9", nullptr, "    9.9", "    9.9", true},
        {"txtAdhesion", "10", "値が有効範囲にありません。\r有効範囲（0.1～9.9）", "0.8", "0.80",
         false},
        {"txtAdhesion", "0.85", kDecimals1, "0.8", "0.80", false},
        // 0.80 is stored with one decimal too many; the box's 0.8 differs from it.
        {"txtAdhesion", "0.8", nullptr, "    0.8", "    0.8", true},
        {"txtPull", "1", nullptr, "    1", "    1", true},
        {"txtPull", "999", nullptr, "  999", "  999", true},
        {"txtPull", "1000", "値が有効範囲にありません。\r有効範囲（1～999）", "160", "160", false},
        {"txtPull", "-5", "値が有効範囲にありません。\r有効範囲（1～999）", "160", "160", false},
        {"txtPull", "160", nullptr, "  160", "160", false},
    };
    OpenAt();
    NGouryoku* w = W();
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.box << " " << c.typed);
        FillDesign(static_cast<std::int16_t>(type));
        w->Entries()->ShowAllStored();
        LowerFlags();
        auto* box = w->findChild<QLineEdit*>(c.box);
        ASSERT_NE(box, nullptr);
        Type(box, QString::fromUtf8(c.typed));
        if (c.message) messages.Expect(c.message);
        FocusTo(w->cmdIndicate);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Text(box), c.shown);
        EXPECT_EQ(FieldOf(c.box), c.stored);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, c.changed ? 1 : 0);
        EXPECT_EQ(QApplication::focusWidget(),
                  c.message ? static_cast<QWidget*>(box) : static_cast<QWidget*>(w->cmdIndicate));
        FocusTo(w->cmdIndicate);
    }
}

TEST_F(GouryokuTest, EqualValueInAnotherFormRaisesNothing) {
    OpenAt([] { Design.TauCa = "0.30"; });
    NGouryoku* w = W();
    Type(w->txtShear, "0.3");
    FocusTo(w->cmdIndicate);
    EXPECT_EQ(Text(w->txtShear), "    0.30");
    EXPECT_EQ(Design.TauCa, "0.30");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcResult, 0);
}

TEST_F(GouryokuTest, ActivationComputesNothingAndTheReferenceButtonFollowsTheStep) {
    type = 3;
    Open(type);
    RecalcLoad = 1;
    RecalcForce = 1;
    Design.Mmax[0][0] = "stale";
    Show(GouryokuStep(type));
    NGouryoku* w = W();
    EXPECT_EQ(RecalcLoad, 1);
    EXPECT_EQ(RecalcForce, 1);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(Design.Mmax[0][0], "stale");
    EXPECT_TRUE(w->cmdNext->isEnabled());
    // The catalogue of design strengths opens from the active step only.
    EXPECT_TRUE(w->cmdRefer->isEnabled());
    Show(GouryokuStep(type) - 1);
    EXPECT_FALSE(w->cmdRefer->isEnabled());
    EXPECT_FALSE(w->cmdNext->isEnabled());
}

struct BeginCase {
    const char* typed;    // into txtStandard; nullptr: nothing typed
    const char* message;  // the check's refusal, if any
    bool started;
    const char* stored;  // SigmaCk afterwards
};

TEST_F(GouryokuTest, StartScreenButtonChecksTheEditedBoxFirst) {
    const BeginCase cases[] = {
        {"21", nullptr, true, "   21"},
        {"100", "値が有効範囲にありません。\r有効範囲（1～99）", false, "18"},
        {nullptr, nullptr, true, "18"},
    };
    for (const BeginCase& c : cases) {
        SCOPED_TRACE(c.typed ? c.typed : "-");
        OpenAt();
        NGouryoku* w = W();
        if (c.typed) Type(w->txtStandard, c.typed);
        if (c.message) messages.Expect(c.message);
        w->cmdBegin->click();
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(host->selectShown, c.started ? 1 : 0);
        EXPECT_EQ(M().ChainOpen(), !c.started);
        EXPECT_EQ(Design.SigmaCk, c.stored);
        EXPECT_EQ(ClickPending, 0);
        host->selectShown = 0;
    }
}

TEST_F(GouryokuTest, TabbingOntoTheSinkGoesOnToTheStrengthBox) {
    OpenAt();
    NGouryoku* w = W();
    FocusTo(w->cmdResult);
    w->Text4->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->txtStandard);
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_TRUE(M().ChainOpen());
}

// The two methods are one stop of the Tab key, held by the one chosen,
// whichever it is; the arrow keys choose the other.
TEST_F(GouryokuTest, TheTabKeyEntersTheMethodsAtTheOneChosen) {
    for (const std::int16_t mode : {0, 1}) {
        SCOPED_TRACE(mode);
        OpenAt([mode] { Design.ShearStressMode = mode; });
        NGouryoku* w = W();
        QRadioButton* chosen = mode == 0 ? w->optAverage : w->optMax;
        QRadioButton* other = mode == 0 ? w->optMax : w->optAverage;
        FocusTo(w->txtPull);
        QTest::keyClick(w->txtPull, Qt::Key_Tab);
        PumpEvents();
        EXPECT_EQ(QApplication::focusWidget(), chosen);
        QTest::keyClick(chosen, Qt::Key_Tab);
        PumpEvents();
        EXPECT_EQ(QApplication::focusWidget(), w->cmdBegin);
        QTest::keyClick(w->cmdBegin, Qt::Key_Tab, Qt::ShiftModifier);
        PumpEvents();
        EXPECT_EQ(QApplication::focusWidget(), chosen);
        QTest::keyClick(chosen, mode == 0 ? Qt::Key_Right : Qt::Key_Left);
        PumpEvents();
        EXPECT_TRUE(other->isChecked());
        EXPECT_EQ(QApplication::focusWidget(), other);
        EXPECT_EQ(Design.ShearStressMode, mode == 0 ? 1 : 0);
    }
}

}  // namespace
}  // namespace talvo::test
