// The vertical-beam force steps: ΔFs and Mmax, ΔFs and Smax, the load
// calculation on activation, the ΔFs entry and the start-screen button.
#include <gtest/gtest.h>

#include <QGroupBox>

#include "calc/windows/NCtatemoment.h"
#include "calc/windows/NDtatesendan.h"
#include "calc/windows/force_step_fixture.h"
#include "shell/numtext.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

constexpr int kMoment = 6;  // NCtatemoment in the chains of work types 0 and 1
constexpr int kShear = 7;   // NDtatesendan

const char* const kRangeDeltaFs = "値が有効範囲にありません。\r有効範囲（0.01～1.00）";
const char* const kDecimals2 =
    "入力値が有効精度を超えています。\r有効精度内（小数第2位）に変更してください。";

class TateMomentTest : public ForceStepTest {
protected:
    NCtatemoment* Moment() { return Step<NCtatemoment>(kMoment); }
    NDtatesendan* Shear() { return Step<NDtatesendan>(kShear); }
    static std::string Text(const QLabel* l) { return l->text().toStdString(); }
    static std::string Text(const QLineEdit* t) { return t->text().toStdString(); }
};

TEST_F(TateMomentTest, LoadShowsDeltaFsAndTheStaticTexts) {
    Open(0);
    NCtatemoment* w = Moment();
    EXPECT_EQ(Text(w->Text1), "   0.20");
    QStringList texts;
    for (QLabel* l : w->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t :
         {"すべりに対してのり枠で増加させる安全率", "ΔＦs  =", "ΔＦs = 1.0 ：",
          "すべり面でのすべり抵抗を考慮せず崩壊土塊の", "全荷重をのり枠で抑止しようとする場合",
          "ΔＦs = 0.2 ：", "すべり面でのすべり抵抗を考慮して崩壊土塊の", "(0.5)",
          "全荷重の２割（５割）をのり枠で抑止しようとする場合", "最大曲げモーメント",
          "Ｍmax  =", "(kN･m)"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    // The guidance sits in its group box.
    QStringList guidance;
    for (QLabel* l : w->Frame1->findChildren<QLabel*>()) guidance << l->text();
    for (const char* t : {"ΔＦs = 1.0 ：", "全荷重をのり枠で抑止しようとする場合", "(0.5)",
                          "全荷重の２割（５割）をのり枠で抑止しようとする場合"})
        EXPECT_TRUE(guidance.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(w->Text2->objectName(), "Text2");
    EXPECT_EQ(w->FocusSink, w->Text2);

    NDtatesendan* s = Shear();
    texts.clear();
    for (QLabel* l : s->findChildren<QLabel*>())
        if (!l->text().isEmpty()) texts << l->text();
    for (const char* t : {"増加させる安全率", "ΔＦｓ =", "最大せん断力", "Ｓmax =", "(kN)"})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(t))) << t;
    EXPECT_EQ(s->FocusSink, nullptr);
}

struct LoadCase {
    int type;
    const char* mmax;  // what NCtatemoment shows after computing
    const char* smax;  // what NDtatesendan shows after computing
};

TEST_F(TateMomentTest, ActivationComputesOnceByTheLoadFlag) {
    for (LoadCase c : {LoadCase{0, "    5.85", "    3.51"}, LoadCase{1, "   30.05", "   18.40"}}) {
        SCOPED_TRACE(c.type);
        Open(c.type);
        // Stale stored values show whether anything was computed.
        Design.TateMmax[c.type] = "77.77";
        Design.TateSmax[c.type] = "66.66";
        Design.HoukaiWcy = Design.EnkoRadius = "stale";

        // Flag lowered: the stored values are shown as they are; showing
        // them writes nothing.
        Show(kMoment);
        EXPECT_EQ(Text(Moment()->lblMmax), "   77.77");
        EXPECT_EQ(Design.TateMmax[c.type], "77.77");
        EXPECT_EQ(RecalcResult, 0);

        // Flag raised: the procedure of the work type runs once.
        Show(kShear);
        RecalcLoad = 1;
        Show(kMoment);
        EXPECT_EQ(Text(Moment()->lblMmax), c.mmax);
        EXPECT_EQ(Design.TateMmax[c.type], TrimBlanks(c.mmax));
        if (c.type == 0) SaveShotIfAsked(Moment()->SubWindow(), "NCtatemoment");
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(RecalcResult, 1);
        EXPECT_EQ(DataChanged, 0);
        if (c.type == 0) {
            EXPECT_EQ(Design.HoukaiWcy, "4.80");
            EXPECT_EQ(Design.EnkoRadius, "stale");  // the arc was not computed
        } else {
            EXPECT_EQ(Design.EnkoRadius, "3.750");
            EXPECT_EQ(Design.HoukaiWcy, "stale");  // the wedge was not computed
        }

        // The shear step right after finds the flag lowered and computes nothing.
        Design.TateSmax[c.type] = "66.66";
        RecalcResult = 0;
        Show(kShear);
        EXPECT_EQ(Text(Shear()->Label7), "    0.20");
        EXPECT_EQ(Text(Shear()->Label5), "   66.66");
        EXPECT_EQ(Design.TateSmax[c.type], "66.66");
        EXPECT_EQ(RecalcResult, 0);

        // Raised again, the shear step computes by itself.
        RecalcLoad = 1;
        Show(kMoment);
        RecalcLoad = 1;
        RecalcResult = 0;
        Show(kShear);
        EXPECT_EQ(Text(Shear()->Label5), c.smax);
        EXPECT_EQ(Design.TateSmax[c.type], TrimBlanks(c.smax));
        if (c.type == 0) SaveShotIfAsked(Shear()->SubWindow(), "NDtatesendan");
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(RecalcResult, 1);
    }
}

struct DeltaFsCase {
    const char* typed;
    const char* message;  // nullptr: accepted
    const char* box;
    const char* stored;
    bool changed;
    const char* mmax;
};

TEST_F(TateMomentTest, DeltaFsEntry) {
    const DeltaFsCase cases[] = {
        {"0.01", nullptr, "   0.01", "   0.01", true, "    0.30"},
        {"1", nullptr, "   1.00", "   1.00", true, "   29.27"},
        {"０．５", nullptr, "   0.50", "   0.50", true, "   14.63"},
        {" 0.25 ", nullptr, "   0.25", "   0.25", true, "    7.32"},
        {"", nullptr, "", "", true, "    0.00"},
        // The stored value written differently is no change.
        {"0.2", nullptr, "   0.20", "0.20", false, "    5.85"},
        // A refused entry shows the stored value again; taking the focus back
        // selects it whole, without its leading blanks.
        {"0", kRangeDeltaFs, "0.20", "0.20", false, "    5.85"},
        {"1.01", kRangeDeltaFs, "0.20", "0.20", false, "    5.85"},
        {"0.005", kRangeDeltaFs, "0.20", "0.20", false, "    5.85"},
        {"0.255", kDecimals2, "0.20", "0.20", false, "    5.85"},
        {"0.2a", "値が正しくありません。", "0.20", "0.20", false, "    5.85"},
    };
    for (const DeltaFsCase& c : cases) {
        SCOPED_TRACE(c.typed);
        Open(0);
        RecalcLoad = 1;
        Show(kMoment);
        ASSERT_EQ(Text(Moment()->lblMmax), "    5.85");
        LowerFlags();
        Design.HoukaiW = "stale";

        NCtatemoment* w = Moment();
        Type(w->Text1, QString::fromUtf8(c.typed));
        if (c.message) messages.Expect(c.message);
        FocusTo(w->cmdIndicate);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(Text(w->Text1), c.box);
        EXPECT_EQ(Design.DeltaFs, c.stored);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcResult, c.changed ? 1 : 0);
        // A change computes at once and leaves the load flag alone.
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(Design.HoukaiW == "stale", !c.changed);
        EXPECT_EQ(Text(w->lblMmax), c.mmax);
        EXPECT_EQ(Design.TateMmax[0], TrimBlanks(c.mmax));
        // A refused entry takes the focus back.
        EXPECT_EQ(QApplication::focusWidget(), c.message ? static_cast<QWidget*>(w->Text1)
                                                         : static_cast<QWidget*>(w->cmdIndicate));
        if (c.message) {
            EXPECT_EQ(w->Text1->selectedText(), w->Text1->text());
        }
    }
}

TEST_F(TateMomentTest, ArcTypeRecalculatesWithItsOwnProcedure) {
    Open(1);
    Show(kMoment);
    Type(Moment()->Text1, "0.5");
    FocusTo(Moment()->cmdIndicate);
    EXPECT_EQ(Text(Moment()->lblMmax), "   75.12");
    EXPECT_EQ(Design.EnkoRadius, "3.750");
}

struct BeginCase {
    int step;
    const char* typed;    // nullptr: nothing typed
    const char* message;  // the check's refusal, if any
    bool started;
    const char* stored;  // DeltaFs afterwards
};

TEST_F(TateMomentTest, StartScreenButtonChecksTheEditedBoxFirst) {
    const BeginCase cases[] = {
        {kMoment, "0.5", nullptr, true, "   0.50"},
        {kMoment, "2", kRangeDeltaFs, false, "0.20"},
        {kMoment, nullptr, nullptr, true, "0.20"},
        {kShear, nullptr, nullptr, true, "0.20"},
    };
    for (const BeginCase& c : cases) {
        SCOPED_TRACE(testing::Message() << c.step << " " << (c.typed ? c.typed : "-"));
        Open(0);
        Show(c.step);
        StepForm* w = M().Step(c.step);
        if (c.typed) Type(Moment()->Text1, c.typed);
        if (c.message) messages.Expect(c.message);
        w->cmdBegin->click();
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(host->selectShown, c.started ? 1 : 0);
        EXPECT_EQ(M().ChainOpen(), !c.started);
        EXPECT_EQ(Design.DeltaFs, c.stored);
        EXPECT_EQ(ClickPending, 0);
        host->selectShown = 0;
        if (M().ChainOpen()) M().CloseSteps();
        PumpEvents();
    }
}

TEST_F(TateMomentTest, TabbingOntoTheSinkGoesOnToTheDeltaFsBox) {
    Open(0);
    Show(kMoment);
    NCtatemoment* w = Moment();
    FocusTo(w->cmdResult);
    w->Text2->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_EQ(QApplication::focusWidget(), w->Text1);
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_TRUE(M().ChainOpen());
}

}  // namespace
}  // namespace talvo::test
