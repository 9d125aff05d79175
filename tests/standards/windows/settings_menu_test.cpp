// The settings dialogs as the program uses them: Cancel and the close box
// leave every table as it was; the tools of the 規格 and 設定 menus open them
// modally over the main window; an edited table survives a restart.
#include <QTimer>
#include <filesystem>
#include <functional>

#include "shell/settings.h"
#include "shell/toolids.h"
#include "shell/windows/shell_fixture.h"
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"

namespace talvo::test {
namespace {

// One edit in each dialog, made as the engineer would.
struct DialogKind {
    const char* name;
    const char* tool;
    const char* caption;
    std::function<GridDialog*()> make;
    std::function<void(GridDialog*)> edit;
};

std::vector<DialogKind> Kinds() {
    return {
        {"FKikaku", kToolRebarStandard, "異形鉄筋の規格", [] { return new FKikaku; },
         [](GridDialog* d) {
             auto* w = static_cast<FKikaku*>(d);
             DialogTest::EditCell(w->sprStandard, 1, 12, "D50");
             DialogTest::EditCell(w->sprStandard, 2, 12, "16.1");
         }},
        {"FSekisetu", kToolSnowDepth, "設計積雪深の設定", [] { return new FSekisetu; },
         [](GridDialog* d) {
             auto* w = static_cast<FSekisetu*>(d);
             DialogTest::Enter(w->Text1[0], "0.8", w->Text2[0]);
         }},
        {"FSansyutu", kToolForceFormulas, "最大曲げモーメント・最大せん断力の算出式",
         [] { return new FSansyutu; },
         [](GridDialog* d) {
             auto* w = static_cast<FSansyutu*>(d);
             DialogTest::Enter(w->Text1[4], "2", w->Text2[4]);
         }},
        {"FStarrap", kToolStirrups, "スターラップの設定", [] { return new FStarrap; },
         [](GridDialog* d) {
             auto* w = static_cast<FStarrap*>(d);
             DialogTest::Enter(w->Text3, "25", w->Text1);
             w->Option2->setChecked(true);
             emit w->UpDown1->UpClick();
         }},
        {"FSyutekkin", kToolRebarCount, "主鉄筋本数の算出条件", [] { return new FSyutekkin; },
         [](GridDialog* d) {
             auto* w = static_cast<FSyutekkin*>(d);
             DialogTest::Enter(w->Text4[5], "900", w->Text4[0]);
             DialogTest::EditCell(w->sprCondition, 4, 1, "35");
         }},
    };
}

class SettingsDialogsTest : public DialogTest {};

TEST_F(SettingsDialogsTest, CancelAndTheCloseBoxLeaveEveryTable) {
    const std::string before = Tables();
    for (const DialogKind& k : Kinds()) {
        for (int how = 0; how < 2; ++how) {
            SCOPED_TRACE(std::string(k.name) + (how ? " close box" : " cancel"));
            GridDialog* d = Show(k.make());
            k.edit(d);
            if (how == 0) {
                PressCancel();
            } else {
                CloseBox();
            }
            EXPECT_FALSE(Open());
            EXPECT_EQ(Tables(), before);
            EXPECT_EQ(Flags(), "00000");
            EXPECT_EQ(ClickPending, 0);
        }
    }
}

class SettingsMenuTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        // The tables as the start-up leaves them without a settings file.
        InitAllTables();
        StirrupDefaults.ScFormula = 0;
        RegisterSettingsDialogs();
    }
    void TearDown() override {
        for (const DialogKind& k : Kinds()) RegisterDialogCommand(k.tool, nullptr);
        ShellTest::TearDown();
    }
};

TEST_F(SettingsMenuTest, ToolsOpenTheirDialogsAndTheEditsSurviveARestart) {
    Open();
    for (const DialogKind& k : Kinds()) {
        SCOPED_TRACE(k.name);
        EXPECT_TRUE(Enabled(k.tool));
        bool seen = false;
        QTimer::singleShot(0, [&] {
            auto* d = qobject_cast<GridDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(d, nullptr);
            seen = true;
            EXPECT_EQ(d->objectName().toStdString(), k.name);
            EXPECT_EQ(d->windowTitle().toStdString(), k.caption);
            EXPECT_EQ(d->parentWidget(), main.get());
            d->activateWindow();
            Pump();
            k.edit(d);
            d->cmdOK->click();
            if (d->isVisible()) {
                ADD_FAILURE() << "OK left the dialog open";
                d->reject();
            }
        });
        Click(k.tool);
        Pump();
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    }
    EXPECT_EQ(DataChanged, 0);

    // The program ends without a save question (no design changed) and
    // writes the settings file; the next start reads it back.
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 1);
    ASSERT_TRUE(std::filesystem::exists(IniPath));
    InitAllTables();
    StirrupDefaults.ScFormula = 0;
    ASSERT_EQ(LoadSettings(IniPath, 19200, 14400), SettingsStatus::Loaded);
    EXPECT_EQ(RebarSpecTable[11].Name, "D50");
    EXPECT_DOUBLE_EQ(RebarSpecTable[11].UnitMass, 16.1);
    EXPECT_EQ(SnowRule.GradientLimit, (std::array<std::string, 2>{" 0.80", " 1.00"}));
    EXPECT_EQ(SpanCoefficients.MmaxNum[4], 2);
    EXPECT_EQ(StirrupDefaults.SpacingStep, 25);
    EXPECT_EQ(StirrupDefaults.ScFormula, 1);
    EXPECT_EQ(StirrupDefaults.BarIndex, 2);
    EXPECT_EQ(RebarCountRule.WidthClassMax[5], "900");
    EXPECT_EQ(RebarCountRule.Cover[0], "35");
}

}  // namespace
}  // namespace talvo::test
