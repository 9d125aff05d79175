// The work-type selection step inside the real main window: the work types,
// the direct-Pt box, the 70-byte site names and the start and results actions.
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include "platform/stepform.h"
#include "shell/windows/StepManager.h"
#include "shell/windows/shell_fixture.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

class N0selectTest : public ShellTest {
protected:
    // The selection step of a design read from a file of `type`.
    void OpenStored(int type, int ptDirect) {
        DesignData d = Sample(type, "");
        d.PtDirect = static_cast<std::int16_t>(ptDirect);
        d.KekkaBar[3] = 9;  // marks a reset
        const std::string path = SaveFile("stored.kvd", d);
        Open();
        dialogs.Expect(1, path);
        Click("ID_ファイルを開く");
        ASSERT_NE(Select(), nullptr);
        SetAllRecalc(false);
        Design.KekkaPrintRow = {1, 1};
        Design.KekkaBar[3] = 9;
    }
    int Flags() const { return RecalcKusabi + RecalcLoad + RecalcForce + RecalcAnchorBar; }
    bool ResultChoicesReset() const {
        return Design.KekkaPrintRow == std::array<std::int16_t, 2>{0, 0} && Design.KekkaBar[3] == 3;
    }
    StepManager* Steps() const { return main->Steps(); }

    // The options marked, as their indexes ("3" when only the fourth is).
    std::string Marked() const {
        std::string marked;
        for (int k = 0; k < 5; ++k)
            if (Select()->Option3D1[k]->isChecked()) marked += std::to_string(k);
        return marked;
    }
    // Chooses type k with the mouse: a click on its mark.
    void ClickOption(int k) {
        QRadioButton* option = Select()->Option3D1[k];
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(6, option->height() / 2));
        Pump();
    }
    // Chooses type k with the keyboard: a click into the last site name, Tab
    // into the types, then the arrow keys the shorter way round the five.
    void KeyOption(int k) {
        QLineEdit* last = Select()->txtGenba[2];
        QTest::mouseClick(last, Qt::LeftButton);
        Pump();
        QTest::keyClick(last, Qt::Key_Tab);
        Pump();
        QWidget* at = QApplication::focusWidget();
        int from = 0;
        while (from < 5 && Select()->Option3D1[from] != at) ++from;
        ASSERT_LT(from, 5) << "the Tab key did not enter the types";
        ASSERT_TRUE(Select()->Option3D1[from]->isChecked()) << "entered at an option not chosen";
        const int down = (k - from + 5) % 5;
        for (int i = 0; i < (down <= 2 ? down : 5 - down); ++i) {
            QTest::keyClick(QApplication::focusWidget(), down <= 2 ? Qt::Key_Down : Qt::Key_Up);
            Pump();
        }
        ASSERT_EQ(QApplication::focusWidget(), Select()->Option3D1[k]);
    }
    // The start button with the keyboard: Tab on to it, then Space.
    void StartByKeys() {
        for (int i = 0; i < 4 && QApplication::focusWidget() != Select()->cmdStart; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            Pump();
        }
        ASSERT_EQ(QApplication::focusWidget(), Select()->cmdStart);
        QTest::keyClick(Select()->cmdStart, Qt::Key_Space);
        Pump();
    }
    // The class names of the open chain, in order.
    std::vector<std::string> Chain() const {
        std::vector<std::string> names;
        for (int i = 1; i <= Steps()->StepForms()->Count(); ++i)
            names.push_back(Steps()->Step(i)->ClassName().toStdString());
        return names;
    }
};

// The five types are one choice, however the two boxes draw them: each pair
// of types chosen one after the other, with the mouse and with the keyboard,
// leaves only the last one marked, and the start opens that type's chain.
TEST_F(N0selectTest, TheFiveTypesAreOneChoice) {
    Open();
    for (bool keys : {false, true}) {
        for (int first = 0; first < 5; ++first) {
            for (int second = 0; second < 5; ++second) {
                if (first == second) continue;
                SCOPED_TRACE(testing::Message()
                             << (keys ? "keys " : "mouse ") << first << " then " << second);
                ASSERT_NE(Select(), nullptr);
                for (int k : {first, second}) {
                    if (keys)
                        KeyOption(k);
                    else
                        ClickOption(k);
                    EXPECT_EQ(Marked(), std::to_string(k));
                    EXPECT_EQ(Design.WorkType, k);
                }
                if (!keys && first == 3 && second == 0)
                    SaveShotIfAsked(Select(), QStringLiteral("select-rockbolt-then-wedge"));
                if (keys) {
                    StartByKeys();
                } else {
                    QTest::mouseClick(Select()->cmdStart, Qt::LeftButton);
                    Pump();
                }
                ASSERT_TRUE(Steps()->ChainOpen());
                EXPECT_EQ(Chain(), StepChain(second, Design.PtDirect));
                EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ" + TypeCaption[second] + "  ［無題］");
                // Back to the start screen, which shows the type chosen.
                QTest::mouseClick(Steps()->Step(1)->cmdBegin, Qt::LeftButton);
                Pump();
                ASSERT_FALSE(Steps()->ChainOpen());
                ASSERT_NE(Select(), nullptr);
                EXPECT_EQ(Marked(), std::to_string(second));
            }
        }
    }
}

TEST_F(N0selectTest, NewDesignTakesTheFirstWorkType) {
    Open();
    EXPECT_TRUE(Select()->Option3D1[0]->isChecked());
    EXPECT_EQ(Design.WorkType, 0);
    EXPECT_EQ(Flags(), 4);
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_FALSE(Select()->chkLoadInput->isEnabled());
    EXPECT_FALSE(Select()->chkLoadInput->isChecked());
    EXPECT_EQ(DataChanged, 0);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(Select()->txtGenba[i]->text(), "");
}

// Choosing a work type: another type raises the flags, resets the result
// choices and is a change of the design; the stored one changes nothing.
TEST_F(N0selectTest, ChoosingAWorkType) {
    struct Case {
        int stored, chosen;
    };
    const Case cases[] = {{0, 0}, {0, 1}, {1, 3}, {3, 4}, {4, 2}, {2, 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.stored) + " -> " + std::to_string(c.chosen));
        OpenStored(c.stored, 0);
        EXPECT_TRUE(Select()->Option3D1[c.stored]->isChecked());
        EXPECT_EQ(Flags(), 0);
        EXPECT_EQ(DataChanged, 0);
        Select()->Option3D1[c.chosen]->click();
        const bool other = c.chosen != c.stored;
        EXPECT_EQ(Design.WorkType, c.chosen);
        EXPECT_EQ(Flags(), other ? 4 : 0);
        EXPECT_EQ(RecalcResult, 0);
        EXPECT_EQ(ResultChoicesReset(), other);
        EXPECT_EQ(DataChanged, other ? 1 : 0);
        EXPECT_EQ(Select()->chkLoadInput->isEnabled(), c.chosen == 3 || c.chosen == 4);
        main.reset();
    }
}

TEST_F(N0selectTest, CheckBoxKeepsItsStateWhenDisabled) {
    OpenStored(3, 1);
    EXPECT_TRUE(Select()->chkLoadInput->isChecked());
    EXPECT_TRUE(Select()->chkLoadInput->isEnabled());
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(RecalcLoad, 0);
    Select()->Option3D1[1]->click();
    EXPECT_TRUE(Select()->chkLoadInput->isChecked());
    EXPECT_FALSE(Select()->chkLoadInput->isEnabled());
    EXPECT_EQ(Design.PtDirect, 1);
}

TEST_F(N0selectTest, DirectPtBox) {
    OpenStored(4, 0);
    Select()->chkLoadInput->click();
    EXPECT_EQ(Design.PtDirect, 1);
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecalcLoad, 1);
    EXPECT_EQ(RecalcForce, 0);
    EXPECT_TRUE(ResultChoicesReset());
    Design.KekkaBar[3] = 9;
    Select()->chkLoadInput->click();
    EXPECT_EQ(Design.PtDirect, 0);
    EXPECT_EQ(Design.KekkaBar[3], 3);
}

// Site names are limited to 70 bytes of code page 932; a longer name is cut
// (a full-width character that would cross the limit is dropped whole), the
// message is shown and the focus goes on.
TEST_F(N0selectTest, SiteNamesAreCutTo70Bytes) {
    auto rep = [](const char* s, int n) {
        std::string r;
        for (int i = 0; i < n; ++i) r += s;
        return r;
    };
    struct Case {
        std::string typed, stored;
        bool message;
    };
    const Case cases[] = {
        {rep("地", 35), rep("地", 35), false},
        {rep("地", 36), rep("地", 35), true},
        {rep("a", 70), rep("a", 70), false},
        {rep("a", 71), rep("a", 70), true},
        {"a" + rep("地", 35), "a" + rep("地", 34), true},
        {rep("ｱ", 70) + "ｲ", rep("ｱ", 70), true},  // half-width katakana: one byte each
    };
    Open();
    for (int i = 0; i < 3; ++i) {
        std::string* field = i == 0   ? &Design.DistrictName
                             : i == 1 ? &Design.LineName
                                      : &Design.Remarks;
        for (const Case& c : cases) {
            SCOPED_TRACE(std::to_string(i) + ": " + c.typed);
            QLineEdit* box = Select()->txtGenba[i];
            box->setFocus();
            Pump();
            DataChanged = 0;
            box->setText(QString::fromStdString(c.typed));
            EXPECT_EQ(DataChanged, 1);
            if (c.message) messages.Expect("文字数は半角で７０文字までです。", MsgResult::Ok);
            QWidget* next = Select()->txtGenba[(i + 1) % 3];
            next->setFocus();
            Pump();
            EXPECT_EQ(*field, c.stored);
            EXPECT_EQ(box->text().toStdString(), c.stored);
            EXPECT_EQ(QApplication::focusWidget(), next);
            EXPECT_EQ(Flags(), 4);  // only the new design's own flags
        }
    }
}

// The start button first finishes the name being edited (message, cut name
// stored), then opens the chain at its first step.
TEST_F(N0selectTest, StartFinishesTheEditedNameThenOpensTheChain) {
    Open();
    QLineEdit* box = Select()->txtGenba[2];
    box->setFocus();
    Pump();
    box->setText(QString::fromStdString(std::string(75, 'x')));
    messages.Expect("文字数は半角で７０文字までです。", MsgResult::Ok);
    Select()->cmdStart->click();  // the button's access key: the focus does not move
    Pump();
    EXPECT_EQ(Design.Remarks, std::string(70, 'x'));
    ASSERT_TRUE(Steps()->ChainOpen());
    EXPECT_EQ(Select(), nullptr);
    EXPECT_EQ(StepMode, 1);
    EXPECT_EQ(Steps()->Step(1)->State(), WindowState::Normal);
    EXPECT_EQ(Steps()->Step(1)->ClassName(), "N2danmen");
    EXPECT_EQ(DataChanged, 1);  // as before the button
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(ClickPending, 0);
    EXPECT_TRUE(Enabled("ID_アイコンの整列"));
    EXPECT_FALSE(main->Busy());
}

// Both actions: the results table's tab, the window they open, and the
// design's change state kept as it was.
TEST_F(N0selectTest, StartAndResultsActions) {
    struct Case {
        int type;
        int sameSection;
        bool results;
        int kekkaTab;
    };
    const Case cases[] = {{0, 1, false, 1}, {0, 0, false, 0}, {2, 1, true, 1}, {4, 0, true, 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        DesignData d = Sample(c.type, "");
        d.SameSection = static_cast<std::int16_t>(c.sameSection);
        const std::string path = SaveFile("s.kvd", d);
        Open();
        dialogs.Expect(1, path);
        Click("ID_ファイルを開く");
        ASSERT_EQ(DataChanged, 0);
        (c.results ? Select()->cmdResult : Select()->cmdStart)->click();
        Pump();
        ASSERT_TRUE(Steps()->ChainOpen());
        EXPECT_EQ(Design.KekkaTab, c.kekkaTab);
        EXPECT_EQ(DataChanged, 0);
        EXPECT_EQ(StepMode, 1);
        StepForm* shown = c.results ? Steps()->ResultsWindow() : Steps()->Step(1);
        ASSERT_NE(shown, nullptr);
        EXPECT_EQ(shown->State(), WindowState::Normal);
        EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ" + TypeCaption[c.type] + "  ［" + path + "］");
        main.reset();
    }
}

TEST_F(N0selectTest, SinksReachedWithTabStartNothing) {
    Open();
    for (QLineEdit* sink : {Select()->Text4, Select()->Text5}) {
        ClickPending = 1;  // a flag left by anything else starts nothing either
        sink->setFocus(Qt::TabFocusReason);
        Pump();
        EXPECT_EQ(QApplication::focusWidget(), Select()->txtGenba[0]);
        EXPECT_EQ(ClickPending, 0);
        EXPECT_FALSE(Steps()->ChainOpen());
    }
}

// Back from a step: the chain closes and the selection step shows the stored
// choices again; the arrange tool goes off.
TEST_F(N0selectTest, ReturnFromTheStepsClosesTheChain) {
    OpenStored(3, 1);
    Select()->cmdStart->click();
    Pump();
    ASSERT_TRUE(Steps()->ChainOpen());
    Steps()->Step(1)->cmdBegin->click();
    Pump();
    EXPECT_FALSE(Steps()->ChainOpen());
    ASSERT_NE(Select(), nullptr);
    EXPECT_TRUE(Select()->Option3D1[3]->isChecked());
    EXPECT_TRUE(Select()->chkLoadInput->isChecked());
    EXPECT_EQ(StepMode, 0);
    EXPECT_EQ(DataChanged, 0);
    EXPECT_FALSE(Enabled("ID_アイコンの整列"));
    EXPECT_TRUE(Enabled("ID_上書き保存"));
}

}  // namespace
}  // namespace talvo::test
