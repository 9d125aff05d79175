// The main window's load set-up, its tool dispatch and the step chains of
// every work type as the main window shows them.
#include <QCheckBox>
#include <QDialog>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QUrl>
#include <filesystem>

#include "platform/desktop.h"
#include "platform/stepform.h"
#include "shell/numtext.h"
#include "shell/stepchain.h"
#include "shell/windows/StepManager.h"
#include "shell/windows/shell_fixture.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

class MainWindowTest : public ShellTest {
protected:
    // Opens the chain of `type` from the selection step.
    void OpenChain(int type, bool ptDirect = false) {
        Select()->Option3D1[type]->setChecked(true);
        Select()->chkLoadInput->setChecked(ptDirect);
        Select()->cmdStart->click();
        Pump();
        ASSERT_TRUE(main->Steps()->ChainOpen());
    }
    StepManager* Steps() const { return main->Steps(); }
    std::vector<std::string> ChainClasses() const {
        std::vector<std::string> names;
        for (long i = 1; i <= Steps()->StepForms()->Count(); ++i) {
            names.push_back(Steps()->Step(static_cast<int>(i))->ClassName().toStdString());
        }
        return names;
    }
};

TEST_F(MainWindowTest, LoadSetsUpTheUntitledDesign) {
    RecentCount = 2;
    RecentFile = {"", "/d/one.kvd", "/d/two.kvd", "", ""};
    Open();
    const TwipsRect box = main->StoredRect();
    EXPECT_EQ(box.left, 300);
    EXPECT_EQ(box.top, 450);
    EXPECT_EQ(box.width, 9600);
    EXPECT_EQ(box.height, 6600);
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
    EXPECT_EQ(TargetFile, "");
    for (int i = 1; i <= 15; ++i) EXPECT_FALSE(Visible(StepIconId(i))) << i;
    EXPECT_EQ(ToolCaption("ID_最近使ったファイル1"), "&1 /d/one.kvd");
    EXPECT_EQ(ToolCaption("ID_最近使ったファイル2"), "&2 /d/two.kvd");
    EXPECT_TRUE(Visible("ID_最近使ったファイル2"));
    EXPECT_FALSE(Visible("ID_最近使ったファイル3"));
    EXPECT_FALSE(Visible("ID_最近使ったファイル4"));
    // The window tests start with no settings dialog registered: their tools
    // stay disabled.
    for (const char* id : {"ID_異形鉄筋の規格", "ID_設計積雪深の設定", "ID_Mmax・Smax 算出式",
                           "ID_スターラップの設定", "ID_主鉄筋本数の算出条件"}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    EXPECT_EQ(ToolCaption("ID_タルヴォ－SI の終了"), "タルヴォ－SI の終了(&X)");
    ASSERT_NE(Select(), nullptr);
    EXPECT_EQ(Select()->windowTitle().toStdString(), "のり枠工の選択");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(StepMode, 0);
}

// Tools that have no command, menus, an unknown ID and the settings tools
// without their dialog: nothing changes and no message is shown.
TEST_F(MainWindowTest, ToolsWithoutCommandDoNothing) {
    Open();
    Select()->Option3D1[2]->setChecked(true);
    const std::string caption = main->Caption();
    const std::int16_t changed = DataChanged;
    for (const char* id : {"ID_検討開始",
                           "ID_結果画面",
                           "ID_初期画面",
                           "ID_前画面へ",
                           "ID_次画面へ",
                           "ID_ファイル",
                           "ID_印刷",
                           "ID_規格",
                           "ID_設定",
                           "ID_ウィンドウ(W)",
                           "ID_ヘルプ",
                           "ID_ポップアップ印刷",
                           "ID_異形鉄筋の規格",
                           "ID_設計積雪深の設定",
                           "ID_Mmax・Smax 算出式",
                           "ID_スターラップの設定",
                           "ID_主鉄筋本数の算出条件",
                           "ID_アイコン",
                           "ID_アイコン1",
                           "ID_最近使ったファイル1",
                           "ID_その他",
                           ""}) {
        SCOPED_TRACE(id);
        Click(id);
        EXPECT_EQ(main->Caption(), caption);
        EXPECT_EQ(DataChanged, changed);
        EXPECT_EQ(CurrentFile, kUntitled);
        EXPECT_EQ(Design.WorkType, 2);
        EXPECT_NE(Select(), nullptr);
        EXPECT_FALSE(Steps()->ChainOpen());
    }
}

TEST_F(MainWindowTest, PrintToolsRunThePrintCommand) {
    Open();
    // Without a print command no print tool can be chosen.
    for (const char* id : {"ID_印刷", "ID_簡易印刷", "ID_全項印刷"})
        EXPECT_FALSE(Enabled(id)) << id;
    std::vector<std::pair<int, bool>> calls;  // argument, "ID_印刷" enabled during the call
    main->SetPrintCommand([&](int mode) { calls.push_back({mode, Enabled("ID_印刷")}); });
    EXPECT_TRUE(Enabled("ID_簡易印刷"));
    EXPECT_TRUE(Enabled("ID_全項印刷"));
    // The print menu is the results window's: disabled during the print, then
    // as it was, so a print without chosen rows does not switch it on.
    Click("ID_簡易印刷");
    EXPECT_FALSE(Enabled("ID_印刷"));
    main->SetToolEnabled("ID_印刷", true);
    Click("ID_全項印刷");
    EXPECT_TRUE(main->RunPrintCommand(0));
    EXPECT_EQ(calls, (std::vector<std::pair<int, bool>>{{0, false}, {1, false}, {0, false}}));
    EXPECT_TRUE(Enabled("ID_印刷"));
    EXPECT_FALSE(main->Busy());
    main->SetPrintCommand(nullptr);
    EXPECT_FALSE(main->HasPrintCommand());
    EXPECT_FALSE(main->RunPrintCommand(1));
    EXPECT_EQ(calls.size(), 3u);
}

TEST_F(MainWindowTest, SettingsToolShowsItsDialogOnceGiven) {
    Open();
    int shown = 0;
    main->SetDialogCommand("ID_スターラップの設定", [&] { ++shown; });
    EXPECT_TRUE(Enabled("ID_スターラップの設定"));
    EXPECT_FALSE(Enabled("ID_異形鉄筋の規格"));
    Tools()->Click(QString::fromUtf8("ID_スターラップの設定"));
    Tools()->Click(QString::fromUtf8("ID_異形鉄筋の規格"));  // disabled: no click
    EXPECT_EQ(shown, 1);
}

// A dialog or the report registers its command from its own files; every
// main window built afterwards enables the tool and runs it.
TEST_F(MainWindowTest, RegisteredCommandsReachTheMainWindow) {
    int shown = 0;
    std::vector<int> printed;
    RegisterDialogCommand("ID_異形鉄筋の規格", [&] { ++shown; });
    RegisterPrintCommand([&](int mode) { printed.push_back(mode); });
    Open();
    EXPECT_TRUE(Enabled("ID_異形鉄筋の規格"));
    EXPECT_FALSE(Enabled("ID_スターラップの設定"));
    EXPECT_TRUE(Enabled("ID_簡易印刷"));
    Tools()->Click(QString::fromUtf8("ID_異形鉄筋の規格"));
    Click("ID_全項印刷");
    EXPECT_EQ(shown, 1);
    EXPECT_EQ(printed, std::vector<int>{1});
    // Removed again, the next main window has neither.
    RegisterDialogCommand("ID_異形鉄筋の規格", nullptr);
    RegisterPrintCommand(nullptr);
    main.reset();
    Open();
    EXPECT_FALSE(Enabled("ID_異形鉄筋の規格"));
    EXPECT_FALSE(Enabled("ID_簡易印刷"));
}

TEST_F(MainWindowTest, HelpAndHomePageCommands) {
    Open();
    std::vector<QUrl> opened;
    UrlOpener previous = SetUrlOpener([&](const QUrl& url) {
        opened.push_back(url);
        return true;
    });
    HelpPath = Path("Talvo-SI.HLP");
    WriteAll(HelpPath, "help");
    Click("ID_目次");
    Click("ID_キーワードで検索");
    ASSERT_EQ(opened.size(), 2u);
    EXPECT_EQ(opened[0].toLocalFile().toStdString(), HelpPath);
    EXPECT_EQ(opened[1].toLocalFile().toStdString(), HelpPath);
    // The maker's address is not known: Yes opens nothing, as No does.
    for (MsgResult answer : {MsgResult::Yes, MsgResult::No}) {
        messages.Expect("クオラのホームページにアクセスしますか？", MsgButtons::YesNo,
                        MsgIcon::Question, answer);
        Click("ID_クオラのホームページへ");
    }
    EXPECT_EQ(opened.size(), 2u);
    SetUrlOpener(previous);
}

TEST_F(MainWindowTest, VersionDialog) {
    Open();
    std::string title;
    std::vector<std::string> texts;
    QTimer::singleShot(0, [&] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        ASSERT_NE(dlg, nullptr);
        title = dlg->windowTitle().toStdString();
        for (QLabel* l : dlg->findChildren<QLabel*>()) texts.push_back(l->text().toStdString());
        dlg->findChild<QPushButton*>("Command3D1")->click();
    });
    Click("ID_バージョン情報");
    EXPECT_EQ(title, "バージョン情報");
    EXPECT_NE(std::find(texts.begin(), texts.end(), "タルヴォ－ＳＩ"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), "Talvo-SI  Version 1.07"), texts.end());
}

// The part of a widget's picture that holds dark ink.
QRect InkBox(QWidget* w) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    QRect ink;
    for (int y = 0; y < img.height(); ++y)
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) > 128 && qGray(p) < 200) ink |= QRect(x, y, 1, 1);
        }
    return ink;
}

// Every text of the about box is drawn whole, with room round it, in the
// program's own face and in the face of a Japanese desktop; the box keeps
// the size that holds it.
TEST_F(MainWindowTest, AboutBoxShowsEveryTextWhole) {
    const QFont programFace = QApplication::font();
    for (const char* face : {"", "IPAGothic"}) {
        SCOPED_TRACE(face);
        if (*face) QApplication::setFont(QFont(QString::fromLatin1(face), 9));
        Open();
        int texts = 0;
        QTimer::singleShot(0, [&] {
            auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            ASSERT_NE(dlg, nullptr);
            EXPECT_EQ(dlg->minimumSize(), dlg->maximumSize());
            EXPECT_FALSE(dlg->windowFlags() & Qt::WindowMaximizeButtonHint);
            for (QLabel* l : dlg->findChildren<QLabel*>()) {
                if (l->text().isEmpty()) continue;
                SCOPED_TRACE(l->text().toStdString());
                ++texts;
                EXPECT_TRUE(dlg->rect().contains(l->geometry()));
                // Ink that reaches the label's edge is cut by it.
                EXPECT_TRUE(l->rect().adjusted(1, 1, -1, -1).contains(InkBox(l)));
            }
            SaveShotIfAsked(
                dlg, QStringLiteral("about-box-%1").arg(QLatin1String(*face ? face : "program")));
            QTest::mouseClick(dlg->findChild<QPushButton*>("Command3D1"), Qt::LeftButton);
        });
        Click("ID_バージョン情報");
        EXPECT_EQ(texts, 3);
        main.reset();
        QApplication::setFont(programFace);
    }
}

TEST_F(MainWindowTest, ExitClosesLikeTheCloseBox) {
    Open();
    Select()->txtGenba[1]->setText("測線");
    messages.Expect(SaveQuestion("無題"), MsgResult::Cancel);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 0);
    EXPECT_TRUE(main->isVisible());
    EXPECT_NE(Select(), nullptr);
    messages.Expect(SaveQuestion("無題"), MsgResult::No);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(std::filesystem::exists(IniPath));
    EXPECT_EQ(Select(), nullptr);
}

// The chain of every work type, its names and icons as the main window shows them.
TEST_F(MainWindowTest, ChainOfEveryWorkType) {
    struct Case {
        int type;
        bool pt;
        std::vector<std::string> classes;
        int step;  // one step to look at closely
        std::string shortName, iconCaption;
        int helpId;
    };
    const std::vector<Case> cases = {
        {0,
         false,
         {"N2danmen", "N3supan", "N4omosa", "N5koubai", "N6kusabi", "NCtatemoment", "NDtatesendan",
          "NEyokomoment", "NFyokosendan", "NGouryoku", "NHanchor", "NNkekka"},
         10,
         "10.許容応力度",
         "&A .設計基準強度と許容応力度",
         1100},
        {1,
         true,  // the check box counts only for the anchored types
         {"N2danmen", "N3supan", "N4omosa", "N5koubai", "N7enko", "NCtatemoment", "NDtatesendan",
          "NEyokomoment", "NFyokosendan", "NGouryoku", "NHanchor", "NNkekka"},
         11,
         "11.主アンカー",
         "&B .主アンカーの検討",
         1310},
        {2,
         false,
         {"N2danmen", "N3supan", "N4omosa", "N5koubai", "NEyokomoment", "NFyokosendan", "NGouryoku",
          "NHanchor", "NNkekka"},
         5,
         "5.横枠Mmax",
         "&5 .横枠に発生する曲げモーメント",
         1450},
        {3,
         false,
         {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "N8yokusi", "NIrockst", "NArock1",
          "NBrock2", "NJrocktb", "NKrockmoment", "NLrocksendan", "NGouryoku", "NNkekka"},
         4,
         "4.のり断面",
         "&4 .のり面の断面形状",
         1840},
        {3,
         true,
         {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "NJrocktb", "NKrockmoment", "NLrocksendan",
          "NGouryoku", "NNkekka"},
         5,
         "5.等分布荷重",
         "&5 .等分布荷重",
         1700},
        {4,
         false,
         {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "N8yokusi", "NIrockpt", "NAgrand1",
          "NBgrand2", "NJrocktb", "NKrockmoment", "NLrocksendan", "NGouryoku", "NMsiatu", "NMprate",
          "NNkekka"},
         15,
         "15.計算結果",
         "&F .計算結果",
         1960},
        {4,
         true,
         {"N2danmen", "N3haiti", "N4omosa", "N5koubai", "NJrocktb", "NKrockmoment", "NLrocksendan",
          "NGouryoku", "NMsiatu", "NMprate", "NNkekka"},
         9,
         "9.支圧応力度",
         "&9 .支圧応力度の検討",
         1940},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.type) + (c.pt ? " direct Pt" : ""));
        Open();
        OpenChain(c.type, c.pt);
        EXPECT_EQ(ChainClasses(), c.classes);
        EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ" + TypeCaption[c.type] + "  ［無題］");
        const int n = static_cast<int>(c.classes.size());
        for (int i = 1; i <= 15; ++i) EXPECT_EQ(Visible(StepIconId(i)), i <= n) << i;
        EXPECT_EQ(Steps()->StepNames().ShortName[c.step], c.shortName);
        EXPECT_EQ(ToolCaption(StepIconId(c.step)), c.iconCaption);
        EXPECT_EQ(Steps()->Step(c.step)->HelpContextID(), c.helpId);
        EXPECT_EQ(Steps()->Step(1)->State(), WindowState::Normal);
        EXPECT_EQ(Select(), nullptr);
        EXPECT_TRUE(Enabled("ID_アイコンの整列"));
        // Closing the design takes the chain and its icons away. Another work
        // type than the first one, or the check box, is a change to be saved.
        if (c.type != 0 || c.pt) messages.Expect(SaveQuestion("無題"), MsgResult::No);
        Click("ID_ファイルを閉じる");
        EXPECT_FALSE(Steps()->ChainOpen());
        for (int i = 1; i <= 15; ++i) EXPECT_FALSE(Visible(StepIconId(i))) << i;
        EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［ファイルなし］");
        main.reset();
    }
}

TEST_F(MainWindowTest, StepIconsShowTheirStepAndNothingPastTheChain) {
    Open();
    OpenChain(0);
    Click("ID_アイコン12");
    Pump();
    EXPECT_EQ(Steps()->Step(12)->State(), WindowState::Normal);
    EXPECT_EQ(Steps()->Step(1)->State(), WindowState::Minimized);
    for (const char* id : {"ID_アイコン0", "ID_アイコン13", "ID_アイコンX"}) {
        Click(id);
        Pump();
        EXPECT_EQ(Steps()->Step(12)->State(), WindowState::Normal) << id;
        EXPECT_EQ(Steps()->Step(1)->State(), WindowState::Minimized) << id;
    }
    Click("ID_アイコン1");
    Pump();
    EXPECT_EQ(Steps()->Step(1)->State(), WindowState::Normal);
    EXPECT_EQ(Steps()->Step(12)->State(), WindowState::Minimized);
}

TEST_F(MainWindowTest, ArrangingTheIconsRebuildsTheChainAtTheSameStep) {
    Open();
    OpenChain(4);
    Click("ID_アイコン7");
    Pump();
    ASSERT_EQ(CurStep, 7);
    QPointer<StepForm> before = Steps()->Step(7);
    DataChanged = 1;
    Click("ID_アイコンの整列");
    Pump();
    EXPECT_TRUE(before.isNull());  // unloaded, and a new window loaded
    ASSERT_TRUE(Steps()->ChainOpen());
    EXPECT_EQ(Steps()->StepForms()->Count(), 15);
    EXPECT_EQ(Steps()->Step(7)->State(), WindowState::Normal);
    EXPECT_EQ(ToolCaption(StepIconId(15)), "&F .計算結果");
    EXPECT_TRUE(Enabled("ID_アイコンの整列"));
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(StepMode, 1);
    EXPECT_FALSE(main->Busy());
}

// The start-screen button waits for the edited box: a refused entry stops
// it, an accepted one is stored and the selection step follows, once.
TEST_F(MainWindowTest, StartScreenActionWaitsForTheEditedBox) {
    Open();
    OpenChain(0);
    StepForm* step = Steps()->Step(1);
    ASSERT_NE(step, nullptr);
    // One numeric box of the protocol's entry pattern, added to the first step.
    auto* box = new QLineEdit(step);
    box->setGeometry(20, 20, 80, 24);
    box->show();
    NumBox rule;
    rule.min = 1;
    rule.max = 99;
    rule.decimals = 3;
    rule.places = 2;
    rule.field = &Design.SpanX;
    rule.flags = {&RecalcLoad};
    step->Entries()->AddNumber(box, rule);
    step->BringToFront();
    box->setFocus();
    Pump();
    ASSERT_EQ(QApplication::focusWidget(), box);
    DataChanged = 0;

    box->setText("abc");
    messages.Expect("値が正しくありません。", MsgResult::Ok);
    step->cmdBegin->click();
    Pump();
    EXPECT_TRUE(Steps()->ChainOpen());
    EXPECT_EQ(Select(), nullptr);
    EXPECT_EQ(StepMode, 1);
    EXPECT_EQ(Design.SpanX, "");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(ClickPending, 0);

    main->activateWindow();
    box->setFocus();
    Pump();
    box->setText("2.5");
    step->cmdBegin->click();
    Pump();
    EXPECT_EQ(NumVal(Design.SpanX), 2.5);
    EXPECT_EQ(DataChanged, 1);
    EXPECT_FALSE(Steps()->ChainOpen());
    EXPECT_EQ(main->findChildren<N0select*>().size(), 1u);
    ASSERT_NE(Select(), nullptr);
    EXPECT_EQ(StepMode, 0);
    EXPECT_TRUE(Select()->Option3D1[0]->isChecked());
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
}

}  // namespace
// A main window smaller than a step window scrolls its workspace, so the
// step's navigation buttons can still be reached.
TEST_F(MainWindowTest, SmallWorkspaceScrollsToTheStepWindow) {
    Open();
    OpenChain(0);
    // The steps other than the first sit as icons from the start.
    for (int i = 2; i <= Steps()->StepForms()->Count(); ++i)
        EXPECT_EQ(Steps()->Step(i)->State(), WindowState::Minimized) << i;
    main->resize(TwipsToPixelsX(6000), TwipsToPixelsY(4000));
    Pump();
    QMdiArea* area = main->MdiArea();
    EXPECT_TRUE(area->horizontalScrollBar()->isVisible());
    EXPECT_TRUE(area->verticalScrollBar()->isVisible());
    // Scrolled to the end, the navigation bar of the current step is in view.
    area->horizontalScrollBar()->setValue(area->horizontalScrollBar()->maximum());
    area->verticalScrollBar()->setValue(area->verticalScrollBar()->maximum());
    Pump();
    StepForm* step = Steps()->Step(1);
    const QRect next(step->cmdNext->mapTo(area->viewport(), QPoint(0, 0)), step->cmdNext->size());
    EXPECT_TRUE(area->viewport()->rect().contains(next));
    test::SaveShotIfAsked(main.get(), QStringLiteral("main-window-scrolled"));
}

}  // namespace talvo::test
