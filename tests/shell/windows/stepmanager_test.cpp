// The step-window manager over a bare main window: chains, captions, icons,
// navigation, closing and rebuilding.
#include <gtest/gtest.h>

#include <QTest>
#include <map>

#include "shell/windows/FileCommands.h"
#include "shell/windows/step_test_host.h"
#include "support/scripted_messages.h"

namespace talvo::test {
namespace {

class StepManagerTest : public ::testing::Test {
protected:
    // The manager is tested with plain step windows: the real windows of the
    // chains have inputs and checks of their own.
    void SetUp() override {
        ResetProgramState();
        for (int type = 0; type <= 4; ++type)
            for (int pt = 0; pt <= 1; ++pt)
                for (const std::string& name : StepChain(type, pt))
                    if (!saved_.count(name)) saved_[name] = RegisterStepWindow(name, nullptr);
        host = std::make_unique<StepTestHost>();
    }
    void TearDown() override {
        host.reset();
        for (auto& [name, factory] : saved_) RegisterStepWindow(name, factory);
    }

    StepManager& M() { return *host->manager; }
    QString Icon(int i) const { return QString::fromStdString(StepIconId(i)); }
    std::string Caption(int i) { return M().Step(i)->Caption().toStdString(); }

    // Step k current: it normal with its full name, every other minimised
    // with its short name, CurStep = k.
    void ExpectCurrent(int k) {
        const StepNameTable& names = M().StepNames();
        EXPECT_EQ(CurStep, k);
        for (int i = 1; i <= M().StepForms()->Count(); ++i) {
            SCOPED_TRACE(testing::Message() << "step " << i << " with " << k << " current");
            StepForm* f = M().Step(i);
            if (i == k) {
                EXPECT_EQ(f->State(), WindowState::Normal);
                EXPECT_EQ(Caption(i), names.FullName[i]);
                // At the common position with the common size.
                const TwipsBox b = GetTwipsGeometry(f->SubWindow());
                EXPECT_NEAR(b.width, StepForm::kWidthTwips, 15);
                EXPECT_NEAR(b.height, StepForm::kHeightTwips, 15);
                EXPECT_EQ(b.left, 0);
                EXPECT_EQ(b.top, 0);
            } else {
                EXPECT_EQ(f->State(), WindowState::Minimized);
                EXPECT_EQ(Caption(i), names.ShortName[i]);
            }
        }
        EXPECT_EQ(host->area->activeSubWindow(), M().Step(k)->SubWindow());
    }

    ScriptedMessages messages;
    std::unique_ptr<StepTestHost> host;

private:
    std::map<std::string, StepFactory> saved_;
};

struct ChainCase {
    int workType;
    int ptDirect;
    int length;
};

TEST_F(StepManagerTest, EveryChainOpensWithItsNamesAndIconsAndCanBeWalked) {
    for (ChainCase c :
         {ChainCase{0, 0, 12}, ChainCase{1, 0, 12}, ChainCase{2, 0, 9}, ChainCase{3, 0, 13},
          ChainCase{3, 1, 9}, ChainCase{4, 0, 15}, ChainCase{4, 1, 11}}) {
        SCOPED_TRACE(testing::Message() << "type " << c.workType << " pt " << c.ptDirect);
        CurrentFile = "/data/a.kvd";
        host->OpenChain(c.workType, c.ptDirect);
        ASSERT_TRUE(M().ChainOpen());
        ASSERT_EQ(M().StepForms()->Count(), c.length);
        EXPECT_EQ(host->ShownWindows(), c.length);
        EXPECT_EQ(host->caption, ChainCaption(c.workType, CurrentFile));
        EXPECT_EQ(StepsReady, 1);

        const std::vector<std::string> chain = StepChain(c.workType, c.ptDirect);
        const StepNameTable& names = M().StepNames();
        for (int i = 1; i <= 15; ++i) {
            SCOPED_TRACE(testing::Message() << "step " << i);
            if (i > c.length) {
                EXPECT_FALSE(host->tools->Visible(Icon(i)));
                continue;
            }
            StepForm* f = M().Step(i);
            EXPECT_EQ(f->ClassName().toStdString(), chain[i - 1]);
            EXPECT_EQ(Caption(i), names.ShortName[i]);
            EXPECT_EQ(f->HelpContextID(), names.HelpId[i]);
            EXPECT_TRUE(host->tools->Visible(Icon(i)));
            EXPECT_EQ(host->tools->Caption(Icon(i)).toStdString(),
                      StepIconCaption(i, names.IconName[i]));
            EXPECT_FALSE(host->tools->Picture(Icon(i)).isNull());
            // Every step opens as an icon of the workspace.
            EXPECT_EQ(f->State(), WindowState::Minimized);
        }

        // Forward with the next buttons to the results window, then back.
        M().ShowStep(1);
        PumpEvents();
        ExpectCurrent(1);
        for (int k = 2; k <= c.length; ++k) {
            M().Step(k - 1)->cmdNext->click();
            PumpEvents();
            ExpectCurrent(k);
        }
        StepForm* results = M().Step(c.length);
        EXPECT_EQ(results->ClassName(), QStringLiteral("NNkekka"));
        EXPECT_EQ(results->cmdNext, nullptr);
        EXPECT_EQ(results->cmdResult, nullptr);
        for (int k = c.length - 1; k >= 1; --k) {
            M().Step(k + 1)->cmdBack->click();
            PumpEvents();
            ExpectCurrent(k);
        }
        // Back on the first step goes nowhere.
        M().Step(1)->cmdBack->click();
        PumpEvents();
        ExpectCurrent(1);

        M().CloseSteps();
        PumpEvents();
    }
}

TEST_F(StepManagerTest, ShowStepOutsideTheChainChangesNothing) {
    host->OpenChain(2);
    M().ShowStep(4);
    PumpEvents();
    ExpectCurrent(4);
    for (int n : {0, -1, 10, 99}) {
        M().ShowStep(n);
        PumpEvents();
        ExpectCurrent(4);
    }
}

TEST_F(StepManagerTest, MinimisingAndRestoringAStep) {
    host->OpenChain(0);
    M().ShowStep(3);
    PumpEvents();
    StepForm* f = M().Step(3);
    for (QPushButton* b : {f->cmdBegin, f->cmdBack, f->cmdIndicate, f->cmdNext, f->cmdResult})
        EXPECT_TRUE(b->isEnabled());
    f->SetState(WindowState::Minimized);
    PumpEvents();
    EXPECT_EQ(Caption(3), "3.枠重量");
    for (QPushButton* b : {f->cmdBegin, f->cmdBack, f->cmdIndicate, f->cmdNext, f->cmdResult})
        EXPECT_FALSE(b->isEnabled());
    f->SetState(WindowState::Normal);
    PumpEvents();
    EXPECT_EQ(Caption(3), "3.のり枠にかかる重量");
    for (QPushButton* b : {f->cmdBegin, f->cmdBack, f->cmdIndicate, f->cmdNext, f->cmdResult})
        EXPECT_TRUE(b->isEnabled());
    // Maximised it carries its short name, like minimised.
    f->SetState(WindowState::Maximized);
    PumpEvents();
    EXPECT_EQ(Caption(3), "3.枠重量");
}

TEST_F(StepManagerTest, ActivationAndDeactivationSwitchTheButtons) {
    host->OpenChain(0);
    M().ShowStep(2);
    PumpEvents();
    StepForm* two = M().Step(2);
    StepForm* five = M().Step(5);
    five->SetState(WindowState::Normal);
    five->BringToFront();
    PumpEvents();
    EXPECT_EQ(CurStep, 5);
    EXPECT_TRUE(five->cmdNext->isEnabled());
    // Step 2 stays normal but is no longer the active window.
    EXPECT_EQ(two->State(), WindowState::Normal);
    EXPECT_FALSE(two->cmdNext->isEnabled());
    two->BringToFront();
    PumpEvents();
    EXPECT_EQ(CurStep, 2);
    EXPECT_TRUE(two->cmdNext->isEnabled());
    EXPECT_FALSE(five->cmdNext->isEnabled());
}

TEST_F(StepManagerTest, ResultsButtonAndTheResultsWindowsBackButton) {
    host->OpenChain(4, 1);
    M().ShowStep(3);
    PumpEvents();
    host->tools->SetEnabled(QStringLiteral("ID_印刷"), true);
    M().Step(3)->cmdResult->click();
    PumpEvents();
    EXPECT_EQ(M().Step(3)->State(), WindowState::Minimized);
    StepForm* results = M().ResultsWindow();
    ASSERT_NE(results, nullptr);
    EXPECT_EQ(results->State(), WindowState::Normal);
    EXPECT_EQ(CurStep, 11);
    EXPECT_EQ(Caption(11), "11.計算結果");

    results->cmdBack->click();
    PumpEvents();
    EXPECT_FALSE(host->tools->Enabled(QStringLiteral("ID_印刷")));
    ExpectCurrent(10);
}

TEST_F(StepManagerTest, TheCloseBoxDoesNotTearAStepOutOfItsChain) {
    host->OpenChain(2);
    M().ShowStep(4);
    PumpEvents();
    QPointer<StepForm> four = M().Step(4);
    four->SubWindow()->close();
    PumpEvents();
    ASSERT_NE(four, nullptr);
    EXPECT_TRUE(four->SubWindow()->isVisible());
    EXPECT_EQ(M().StepIndexOf(four), 4);
}

TEST_F(StepManagerTest, StepIndexOfAndCaptionOfAWindowOutsideTheChain) {
    host->OpenChain(3, 1);
    StepForm outsider(QStringLiteral("N0select"));
    outsider.SetCaption(QStringLiteral("のり枠工の選択"));
    EXPECT_EQ(M().StepIndexOf(&outsider), -1);
    EXPECT_EQ(M().StepIndexOf(nullptr), -1);
    M().SetStepCaption(&outsider, -1);
    EXPECT_EQ(outsider.Caption(), QStringLiteral("のり枠工の選択"));
    EXPECT_EQ(M().StepIndexOf(M().Step(5)), 5);
    EXPECT_EQ(M().Step(5)->ClassName(), QStringLiteral("NJrocktb"));
    EXPECT_EQ(M().StepNames().HelpId[5], 1700);
}

TEST_F(StepManagerTest, ClosingTheChain) {
    CurrentFile = "/data/b.kvd";
    host->OpenChain(0);
    M().ShowStep(2);
    PumpEvents();
    QPointer<StepForm> first = M().Step(1);
    M().CloseSteps();
    PumpEvents();
    EXPECT_FALSE(M().ChainOpen());
    EXPECT_EQ(first, nullptr);
    EXPECT_EQ(host->ShownWindows(), 0);
    EXPECT_TRUE(host->area->subWindowList().isEmpty());
    EXPECT_EQ(host->caption, PlainCaption(CurrentFile));
    for (int i = 1; i <= 15; ++i) {
        EXPECT_FALSE(host->tools->Visible(Icon(i))) << i;
        EXPECT_TRUE(host->tools->Picture(Icon(i)).isNull()) << i;
    }
    // Without a chain, closing touches nothing.
    host->caption = "unchanged";
    M().CloseSteps();
    EXPECT_EQ(host->caption, "unchanged");
}

TEST_F(StepManagerTest, StartScreenButtonClosesTheChainThroughTheSelectionStep) {
    for (int step : {2, 7, 8, 12}) {  // with a focus sink, without one, the results window
        SCOPED_TRACE(step);
        host->OpenChain(0);
        M().ShowStep(step);
        PumpEvents();
        M().Step(step)->cmdBegin->click();
        PumpEvents();
        EXPECT_EQ(host->selectShown, 1);
        EXPECT_FALSE(M().ChainOpen());
        EXPECT_EQ(host->ShownWindows(), 0);
        EXPECT_EQ(ClickPending, 0);
        host->selectShown = 0;
    }
}

TEST_F(StepManagerTest, RebuildingTheChainShowsTheSameStepWithNewWindows) {
    host->OpenChain(0);
    M().ShowStep(7);
    PumpEvents();
    DataChanged = 1;
    QPointer<StepForm> before = M().Step(7);
    M().RebuildChain();
    PumpEvents();
    EXPECT_EQ(before, nullptr);  // unloaded, and loaded again
    ASSERT_TRUE(M().ChainOpen());
    EXPECT_EQ(M().StepForms()->Count(), 12);
    EXPECT_EQ(StepMode, 1);
    EXPECT_EQ(DataChanged, 1);
    ExpectCurrent(7);
    EXPECT_EQ(host->tools->Caption(Icon(10)).toStdString(), "&A .設計基準強度と許容応力度");
}

TEST_F(StepManagerTest, MakingTheChainAgainKeepsTheLoadedWindows) {
    host->OpenChain(0);
    StepForm* third = M().Step(3);
    M().MakeStepForms();
    EXPECT_EQ(M().Step(3), third);
    EXPECT_EQ(static_cast<int>(host->area->subWindowList().size()), 12);
}

// A registered window replaces the plain one of its class.
class FrameSectionStep : public StepForm {
public:
    FrameSectionStep() : StepForm(QStringLiteral("N2danmen")) {}
    int loads = 0;

protected:
    void OnLoad() override { ++loads; }
};

TEST_F(StepManagerTest, RegisteredWindowsAreCreatedByTheirClassName) {
    RegisterStepWindow("N2danmen", [] { return new FrameSectionStep; });
    host->OpenChain(2);
    auto* step = dynamic_cast<FrameSectionStep*>(M().Step(1));
    ASSERT_NE(step, nullptr);
    EXPECT_EQ(step->loads, 1);
    EXPECT_EQ(dynamic_cast<FrameSectionStep*>(M().Step(2)), nullptr);
    RegisterStepWindow("N2danmen", nullptr);
    std::unique_ptr<StepForm> plain(CreateStepWindow("N2danmen"));
    EXPECT_EQ(dynamic_cast<FrameSectionStep*>(plain.get()), nullptr);
    EXPECT_EQ(plain->ClassName(), QStringLiteral("N2danmen"));
}

TEST(StepManagerColForm, AddInsertsBeforeAPositionOrAppends) {
    StepForm a(QStringLiteral("A")), b(QStringLiteral("B")), c(QStringLiteral("C")),
        d(QStringLiteral("D"));
    ColForm col;
    col.Add(&a);
    col.Add(&b, 5);   // past the end: appended
    col.Add(&c, 1);   // before position 1
    col.Add(&d, -3);  // negative: appended
    ASSERT_EQ(col.Count(), 4);
    EXPECT_EQ(col.Item(1), &c);
    EXPECT_EQ(col.Item(2), &a);
    EXPECT_EQ(col.Item(4), &d);
    EXPECT_EQ(col.Item(0), nullptr);
    EXPECT_EQ(col.Item(5), nullptr);
    col.Remove(2);
    col.Remove(9);
    ASSERT_EQ(col.Count(), 3);
    EXPECT_EQ(col.Item(2), &b);
}

}  // namespace
}  // namespace talvo::test
