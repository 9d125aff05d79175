// The start of the program (settings file, window geometry, help file,
// command line) and its end (the save question, the settings file written).
#include "shell/windows/Startup.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <filesystem>
#include <optional>

#include "platform/qtmessagebox.h"
#include "shell/codec.h"
#include "shell/fileio.h"
#include "shell/settings.h"
#include "shell/tables.h"
#include "shell/windows/StepManager.h"
#include "shell/windows/shell_fixture.h"
#include "support/qt/clicks.h"
#include "support/qt/laid_out_lines.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

const std::string kHelpWarning =
    "PATH 環境変数で指定されたディレクトリには Talvo-SI.HLP が見つかりません。\r\n"
    "ヘルプ機能は利用できません。";

class StartupTest : public ShellTest {
protected:
    void SetUp() override {
        ShellTest::SetUp();
        WinLeft = WinTop = WinWidth = WinHeight = 0;
    }
    // Starts the program from the temporary program folder; with the help
    // file there unless told otherwise.
    MainFrame* Start(std::vector<std::string> args = {}, bool help = true,
                     const std::string& path = "") {
        if (help) WriteAll(Path("Talvo-SI.HLP"), "help");
        StartupEnvironment env{folder, std::move(args), folder, path};
        main.reset(StartTalvo(env));
        main->SetEndProcess([this] { ++ended; });
        main->activateWindow();
        Pump();
        return main.get();
    }
    // The inner rectangle of the main window, in twips, within half a pixel.
    void ExpectWindowAt(int left, int top, int width, int height) {
        const TwipsRect box = main->StoredRect();
        const int tol = 8;
        EXPECT_NEAR(box.left, left, tol);
        EXPECT_NEAR(box.top, top, tol);
        EXPECT_NEAR(box.width, width, tol);
        EXPECT_NEAR(box.height, height, tol);
    }
};

// The settings file decides the window: a missing one a centred window that
// holds a step window and its icons, a foreign one 9585 × 5910 twips, a valid
// one the stored rectangle.
TEST_F(StartupTest, WindowGeometryFromTheSettingsFile) {
    const int sw = ScreenWidthTwips(), sh = ScreenHeightTwips();
    struct Case {
        const char* what;
        TwipsRect expected;
    };
    const Case cases[] = {
        {"missing", CentredRect(kFirstStartWidth, kFirstStartHeight, sw, sh)},
        {"foreign", CentredRect(9585, 5910, sw, sh)},
        {"valid", TwipsRect{600, 300, 8400, 6000}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        std::filesystem::remove(Path("Talvo-SI.ini"));
        if (std::string(c.what) == "foreign")
            WriteAll(Path("Talvo-SI.ini"), "[Settings]\r\nx=1\r\n");
        if (std::string(c.what) == "valid") {
            IniPath = Path("Talvo-SI.ini");
            StoreWindowRect(c.expected);
            RecentCount = 1;
            RecentFile = {"", "/d/last.kvd", "", "", ""};
            ASSERT_TRUE(SaveSettings(IniPath));
        }
        RecentCount = 0;
        RecentFile = {};
        Start();
        EXPECT_EQ(IniPath, Path("Talvo-SI.ini"));
        EXPECT_EQ(WinLeft, c.expected.left);
        EXPECT_EQ(WinTop, c.expected.top);
        EXPECT_EQ(WinWidth, c.expected.width);
        EXPECT_EQ(WinHeight, c.expected.height);
        ExpectWindowAt(c.expected.left, c.expected.top, c.expected.width, c.expected.height);
        EXPECT_EQ(Visible("ID_最近使ったファイル1"), std::string(c.what) == "valid");
        EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
        ASSERT_NE(Select(), nullptr);
        EXPECT_EQ(TypeCaption[4], "（グラウンドアンカー工併用）");
        EXPECT_DOUBLE_EQ(Pi, 3.14159265358979323846);
        main.reset();
    }
}

// The first start, without a settings file, shows the whole step window and
// below it every icon of the chain, for the longest chain too, with nothing
// to scroll to.
TEST_F(StartupTest, FirstStartShowsAWholeStepWindowAndItsIcons) {
    for (int type : {0, 4}) {
        SCOPED_TRACE(type);
        std::filesystem::remove(Path("Talvo-SI.ini"));
        Start();
        Select()->Option3D1[type]->setChecked(true);
        QTest::mouseClick(Select()->cmdStart, Qt::LeftButton);
        Pump();
        StepManager* steps = main->Steps();
        ASSERT_TRUE(steps->ChainOpen());
        QMdiArea* area = main->MdiArea();
        EXPECT_FALSE(area->horizontalScrollBar()->isVisible());
        EXPECT_FALSE(area->verticalScrollBar()->isVisible());
        const QRect workspace = area->viewport()->rect();
        const QRect shown = steps->Step(1)->SubWindow()->geometry();
        EXPECT_TRUE(workspace.contains(shown));
        for (int i = 2; i <= steps->StepForms()->Count(); ++i) {
            const QRect icon = steps->Step(i)->SubWindow()->geometry();
            EXPECT_TRUE(workspace.contains(icon)) << "icon " << i;
            EXPECT_FALSE(icon.intersects(shown)) << "icon " << i;
        }
        test::SaveShotIfAsked(main.get(), QStringLiteral("first-start-%1").arg(type));
        main.reset();
        Pump();
    }
}

TEST_F(StartupTest, HelpFileSearch) {
    // Only in the second folder of PATH.
    const std::string a = Path("a"), b = Path("b");
    std::filesystem::create_directory(a);
    std::filesystem::create_directory(b);
    WriteAll(b + "/talvo-si.hlp", "help");
    Start({}, false, a + ":" + b);
    EXPECT_EQ(HelpPath, b + "/talvo-si.hlp");
    EXPECT_TRUE(Enabled("ID_目次"));
    EXPECT_TRUE(Enabled("ID_キーワードで検索"));
    main.reset();
    // The program folder wins over PATH.
    Start({}, true, b);
    EXPECT_EQ(HelpPath, Path("Talvo-SI.HLP"));
    main.reset();
    // Nowhere: the warning (either button goes on) and no help for the run.
    std::filesystem::remove(Path("Talvo-SI.HLP"));
    for (MsgResult answer : {MsgResult::Ok, MsgResult::Cancel}) {
        messages.Expect(kHelpWarning, MsgButtons::OkCancel, MsgIcon::Exclamation, answer);
        Start({}, false, a);
        EXPECT_EQ(HelpPath, "");
        EXPECT_FALSE(Enabled("ID_目次"));
        EXPECT_FALSE(Enabled("ID_キーワードで検索"));
        ASSERT_NE(Select(), nullptr);
        main.reset();
    }
}

// The warning as the program's own box shows it: each of its two lines on
// one line of the box.
TEST_F(StartupTest, TheHelpWarningKeepsEachLineWhole) {
    std::filesystem::remove(Path("Talvo-SI.HLP"));
    QtMessageSink boxes;
    MessageSink* scripted = SetMessageSink(&boxes);
    bool shown = false;
    WhenModal<QMessageBox>([&](QMessageBox* box) {
        shown = true;
        EXPECT_EQ(box->text().toStdString(),
                  "PATH 環境変数で指定されたディレクトリには Talvo-SI.HLP が見つかりません。\n"
                  "ヘルプ機能は利用できません。");
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        EXPECT_NE(label, nullptr);
        if (label) {
            EXPECT_EQ(LaidOutLines(label), (std::vector<int>{1, 1}));
        }
        SaveShotIfAsked(box, QStringLiteral("help-warning-at-start"));
        QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    });
    Start({}, false, Path("nowhere"));
    SetMessageSink(scripted);
    EXPECT_TRUE(shown);
    EXPECT_FALSE(Enabled("ID_目次"));
}

TEST_F(StartupTest, CommandLineOpensTheDesign) {
    const std::string plain = SaveFile("rel.kvd", Sample(2, "相対"));
    const std::string spaced = SaveFile("my design.kvd", Sample(1, "空白"));
    // A file cut inside its values: the question, whose No keeps the untitled design.
    const std::string cut = Path("cut.kvd");
    WriteAll(cut, ReadAll(plain).substr(0, 81));
    struct Case {
        std::vector<std::string> args;
        std::string opened;  // "" : the untitled design stays
        std::string message;
        MsgResult answer = MsgResult::Ok;
    };
    const Case cases[] = {
        {{plain}, plain, ""},
        {{"rel.kvd"}, plain, ""},  // relative to the current folder
        {{"my", "design.kvd"}, spaced, ""},
        {{spaced}, spaced, ""},
        {{"gone.kvd"}, "", Path("gone.kvd") + " ファイルが存在しません。"},
        {{"cut.kvd"},
         "",
         cut + " は、壊れています。\r読み取れた部分を「無題」として開きますか？",
         MsgResult::No},
        {{}, "", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.empty() ? "(none)" : c.args[0]);
        if (!c.message.empty()) messages.Expect(c.message, c.answer);
        Start(c.args);
        ASSERT_NE(Select(), nullptr);
        if (c.opened.empty()) {
            EXPECT_EQ(CurrentFile, kUntitled);
            EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
            EXPECT_TRUE(Select()->Option3D1[0]->isChecked());
        } else {
            EXPECT_EQ(CurrentFile, c.opened);
            EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［" + c.opened + "］");
            EXPECT_TRUE(Select()->Option3D1[Design.WorkType]->isChecked());
            EXPECT_NE(Design.WorkType, 0);
            EXPECT_EQ(RecentFile[1], c.opened);
        }
        EXPECT_EQ(DataChanged, 0);
        EXPECT_EQ(main->findChildren<N0select*>().size(), 1u);
        main.reset();
        Pump();
    }
}

// The end of a run writes the settings file: the window's rectangle (a
// minimised window as 9600 × 6100 twips, centred), the recent files.
TEST_F(StartupTest, SettingsFileWrittenAtExit) {
    Start();
    const std::string design = Path("d.kvd");
    Select()->Option3D1[3]->click();
    dialogs.Expect(2, design);
    Click("ID_名前を付けて保存");
    main->setGeometry(TwipsToPixels(1500, 900, 9000, 6000));
    Pump();
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 1);
    EXPECT_EQ(CurrentFile, kNoFile);
    // The next run finds what this one left.
    main.reset();
    WinLeft = WinTop = WinWidth = WinHeight = 0;
    RecentCount = 0;
    RecentFile = {};
    ASSERT_EQ(LoadSettings(IniPath, ScreenWidthTwips(), ScreenHeightTwips()),
              SettingsStatus::Loaded);
    EXPECT_NEAR(WinLeft, 1500, 8);
    EXPECT_NEAR(WinTop, 900, 8);
    EXPECT_NEAR(WinWidth, 9000, 8);
    EXPECT_NEAR(WinHeight, 6000, 8);
    EXPECT_EQ(RecentCount, 1);
    EXPECT_EQ(RecentFile[1], design);

    Start();
    main->showMinimized();
    Pump();
    main->close();
    EXPECT_EQ(ended, 2);
    ASSERT_EQ(LoadSettings(IniPath, 0, 0), SettingsStatus::Loaded);
    const TwipsRect centred = CentredRect(9600, 6100, ScreenWidthTwips(), ScreenHeightTwips());
    EXPECT_EQ(WinLeft, centred.left);
    EXPECT_EQ(WinTop, centred.top);
    EXPECT_EQ(WinWidth, 9600);
    EXPECT_EQ(WinHeight, 6100);
}

// A settings file that an editor saved in UTF-8 with a byte-order mark is
// the program's own: the start takes its tables, and the exit writes them
// back in the program's form, without the mark.
TEST_F(StartupTest, SettingsFileWithAByteOrderMarkKeepsItsTables) {
    InitAllTables();
    UnitWeightTable[0][4] = {"自前のモルタル", "22.5"};
    StandardName[3] = "自前の基準";
    RecentCount = 1;
    RecentFile = {"", Path("現場.kvd"), "", "", ""};
    WinLeft = 600, WinTop = 300, WinWidth = 8400, WinHeight = 6000;
    const std::string own = SerializeSettings();
    WriteAll(Path("Talvo-SI.ini"), "\xEF\xBB\xBF" + cp932::ToUtf8(own));
    InitAllTables();
    RecentCount = 0;
    RecentFile = {};
    Start();
    EXPECT_EQ(UnitWeightTable[0][4].Name, "自前のモルタル");
    EXPECT_EQ(StandardName[3], "自前の基準");
    EXPECT_EQ(ToolCaption("ID_最近使ったファイル1"), "&1 " + Path("現場.kvd"));
    ExpectWindowAt(600, 300, 8400, 6000);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 1);
    // The window's four lines are the rectangle at exit, within a pixel of
    // the one read; everything else is the file as the program writes it.
    const auto afterWindow = [](const std::string& bytes) {
        std::size_t at = 0;
        for (int line = 0; line < 5 && at != std::string::npos; ++line)
            at = bytes.find("\r\n", at + 2 * (line > 0));
        return at == std::string::npos ? std::string() : bytes.substr(at);
    };
    const std::string back = ReadAll(IniPath);
    const std::string signatureLine = '"' + kSettingsSignature + "\"\r\n";
    EXPECT_EQ(back.substr(0, signatureLine.size()), signatureLine);
    EXPECT_EQ(afterWindow(back), afterWindow(own));
    EXPECT_FALSE(afterWindow(own).empty());
}

// Ten starts and exits leave the window where the first put it: the
// rectangle written at exit is the one the next start restores.
TEST_F(StartupTest, WindowKeepsItsRectangleOverStartsAndExits) {
    Start();
    main->setGeometry(TwipsToPixels(1500, 900, 9000, 6000));
    Pump();
    main->close();
    ASSERT_EQ(LoadSettings(IniPath, 0, 0), SettingsStatus::Loaded);
    const TwipsRect first{WinLeft, WinTop, WinWidth, WinHeight};
    for (int run = 0; run < 10; ++run) {
        main.reset();
        WinLeft = WinTop = WinWidth = WinHeight = 0;
        ASSERT_EQ(LoadSettings(IniPath, ScreenWidthTwips(), ScreenHeightTwips()),
                  SettingsStatus::Loaded);
        Start();
        main->close();
        ASSERT_EQ(LoadSettings(IniPath, 0, 0), SettingsStatus::Loaded);
        EXPECT_EQ(WinLeft, first.left) << "after run " << run;
        EXPECT_EQ(WinTop, first.top) << "after run " << run;
        EXPECT_EQ(WinWidth, first.width) << "after run " << run;
        EXPECT_EQ(WinHeight, first.height) << "after run " << run;
    }
}

// The settings file as another run of the program on the same folder leaves
// it: a standard table edited there and a design it saved.
std::string AnotherRunsSettings() {
    const StirrupDefaultTable tables = StirrupDefaults;
    const std::int16_t count = RecentCount;
    const auto files = RecentFile;
    StirrupDefaults.MinSpacing = 125;
    RecentCount = 1;
    RecentFile = {"", "/d/ほかの窓の設計.kvd", "", "", ""};
    const std::string theirs = SerializeSettings();
    StirrupDefaults = tables;
    RecentCount = count;
    RecentFile = files;
    return theirs;
}

const std::string kChangedSettingsQuestion =
    " は、読み込んだ後にほかのプログラムで変更されています。\r上書きしますか？";

// Two runs of the program on one folder: the one that ends last does not
// replace, without a word, the settings file that the other wrote since this
// one read it (a file where there was none counts); No, the default, keeps
// the other's file, Yes writes this one's. A file nobody wrote, or one
// removed, is written as ever, and so is one this run itself wrote during
// the session.
TEST_F(StartupTest, ExitAsksBeforeReplacingSettingsAnotherRunWrote) {
    enum class Other { None, Rewrote, Removed, WritingNow, ThisRunWrote };
    const struct {
        const char* name;
        bool fileAtStart;
        Other other;
        std::optional<MsgResult> answer;  // the question and its answer
    } cases[] = {
        {"another run saved its tables since, No", true, Other::Rewrote, MsgResult::No},
        {"another run saved its tables since, Yes", true, Other::Rewrote, MsgResult::Yes},
        {"another run made the file where none was", false, Other::Rewrote, MsgResult::No},
        {"another run is saving it at this moment", true, Other::WritingNow, MsgResult::No},
        {"nobody wrote it", true, Other::None, std::nullopt},
        {"removed since", true, Other::Removed, std::nullopt},
        {"this run wrote it during the session", true, Other::ThisRunWrote, std::nullopt},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::filesystem::remove(Path("Talvo-SI.ini"));
        RecentCount = 0;
        RecentFile = {};
        if (c.fileAtStart) WriteAll(Path("Talvo-SI.ini"), SerializeSettings());
        Start();
        const std::string theirs = AnotherRunsSettings();
        std::optional<SaveLock> saving;
        switch (c.other) {
            case Other::None:
                break;
            case Other::Rewrote:
                WriteAll(IniPath, theirs);
                break;
            case Other::Removed:
                std::filesystem::remove(IniPath);
                break;
            case Other::WritingNow:
                saving.emplace(IniPath, 0);
                ASSERT_TRUE(saving->Held());
                break;
            case Other::ThisRunWrote:
                StirrupDefaults.MaxSpacing = 275;
                ASSERT_TRUE(SaveSettings(IniPath));
                break;
        }
        const std::string before = ReadAll(IniPath);
        if (c.answer) {
            messages.Expect(IniPath + kChangedSettingsQuestion, MsgButtons::YesNo,
                            MsgIcon::Exclamation, *c.answer);
        }
        Click("ID_タルヴォ－SI の終了");
        EXPECT_TRUE(messages.AllShown());
        if (c.answer) {
            ASSERT_FALSE(messages.Shown().empty());
            EXPECT_EQ(messages.Shown().back().defaultButton, 1);  // No
        }
        EXPECT_TRUE(main->Unloaded());
        EXPECT_EQ(ended, 1);
        if (c.answer == MsgResult::No) {
            EXPECT_EQ(ReadAll(IniPath), before);
        } else {
            EXPECT_EQ(ReadAll(IniPath), SerializeSettings());
        }
        saving.reset();
        messages.Clear();
        main.reset();
        ended = 0;
        InitAllTables();
    }
}

// The end of the desktop session, when nothing may be asked: the settings
// file another run wrote is kept without a question, and one nobody wrote
// is written. When the session lets the program ask, it asks as at exit.
TEST_F(StartupTest, SessionEndKeepsSettingsAnotherRunWrote) {
    const struct {
        const char* name;
        bool mayAsk;
        bool anotherRunWrote;
    } cases[] = {
        {"no questions, another run wrote", false, true},
        {"no questions, nobody wrote", false, false},
        {"questions allowed, another run wrote", true, true},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        WriteAll(Path("Talvo-SI.ini"), SerializeSettings());
        Start();
        if (c.anotherRunWrote) WriteAll(IniPath, AnotherRunsSettings());
        const std::string before = ReadAll(IniPath);
        if (c.mayAsk) {
            messages.Expect(IniPath + kChangedSettingsQuestion, MsgButtons::YesNo,
                            MsgIcon::Exclamation, MsgResult::No);
        }
        EXPECT_TRUE(main->EndOfSession(c.mayAsk));
        EXPECT_TRUE(messages.AllShown());
        EXPECT_TRUE(main->Unloaded());
        EXPECT_EQ(ended, 1);
        EXPECT_EQ(ReadAll(IniPath), c.anotherRunWrote ? before : SerializeSettings());
        main.reset();
        ended = 0;
    }
}

// A settings file that cannot be written is reported once; the program ends.
TEST_F(StartupTest, UnwritableSettingsFileIsReportedOnce) {
    Start();
    IniPath = Path("no-such-folder/Talvo-SI.ini");
    // The file is named once, the step and the reason below it.
    messages.Expect(IniPath +
                        " に設定を保存できません。\n"
                        "一時ファイルを作成できません: ファイルまたはフォルダーが見つかりません。",
                    MsgResult::Ok);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 1);
    EXPECT_TRUE(main->Unloaded());
}

TEST_F(StartupTest, CentredRectRoundsHalvesToEven) {
    struct Case {
        int w, h, sw, sh, left, top;
    };
    const Case cases[] = {
        {9600, 6600, 19200, 14400, 4800, 3900},
        {9585, 5910, 19200, 14400, 4808, 4245},  // 4807.5 -> 4808
        {9585, 5910, 19201, 14400, 4808, 4245},  // 4808
        {9583, 5910, 19200, 14400, 4808, 4245},  // 4808.5 -> 4808
        {9600, 6100, 1000, 1000, -4300, -2550},
    };
    for (const Case& c : cases) {
        const TwipsRect r = CentredRect(c.w, c.h, c.sw, c.sh);
        EXPECT_EQ(r.left, c.left) << c.w << " " << c.sw;
        EXPECT_EQ(r.top, c.top) << c.h << " " << c.sh;
    }
}

}  // namespace
// A stored rectangle is brought onto the screen: moved back when it lies
// beyond an edge, shrunk when it is larger than the screen.
TEST_F(StartupTest, StoredRectangleIsKeptOnTheScreen) {
    struct Case {
        TwipsRect stored, expected;
    };
    const Case cases[] = {
        {{300, 450, 9600, 6600}, {300, 450, 9600, 6600}},       // on the screen
        {{15000, 9000, 9600, 6600}, {9600, 7800, 9600, 6600}},  // past the lower right
        {{-2000, -500, 9600, 6600}, {0, 0, 9600, 6600}},        // past the upper left
        {{300, 450, 30000, 20000}, {0, 0, 19200, 14400}},       // larger than the screen
    };
    for (const Case& c : cases) {
        const TwipsRect r = KeepOnScreen(c.stored, 19200, 14400);
        EXPECT_EQ(r.left, c.expected.left) << c.stored.left;
        EXPECT_EQ(r.top, c.expected.top) << c.stored.left;
        EXPECT_EQ(r.width, c.expected.width) << c.stored.left;
        EXPECT_EQ(r.height, c.expected.height) << c.stored.left;
    }
    const TwipsRect unknown = KeepOnScreen({-5, -5, 100, 100}, 0, 0);
    EXPECT_EQ(unknown.left, -5);
}

}  // namespace talvo::test
