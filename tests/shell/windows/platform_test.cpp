// The platform layer: toolbar-menu, twips and window states, caption icon,
// message box, file dialog, help file and addresses.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMainWindow>
#include <QMdiArea>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>

#include "companion/intake.h"
#include "platform/bmppicture.h"
#include "platform/desktop.h"
#include "platform/grid.h"
#include "platform/mdichild.h"
#include "platform/qtfiledialog.h"
#include "platform/qtmessagebox.h"
#include "platform/tabstrip.h"
#include "platform/toolbarmenu.h"
#include "platform/updown.h"
#include "shell/filedialog.h"
#include "support/qt/laid_out_lines.h"
#include "support/qt/shots.h"

namespace talvo {
namespace {

namespace fs = std::filesystem;

TEST(PlatformToolbarMenu, OneToolInEveryPlaceItIsShown) {
    QMainWindow window;
    ToolbarMenu tools(&window);
    QMenu* file = tools.AddMenu(window.menuBar(), "ID_ファイル", "ファイル(&F)");
    QToolBar* bar = window.addToolBar("標準(Standard)");
    QAction* item = tools.AddItem(file, "ID_新規作成", "新規作成(&N)");
    EXPECT_EQ(tools.AddButton(bar, "ID_新規作成"), item);  // the same tool, placed again
    QMenu* popup = tools.AddPopup("ID_ポップアップ印刷", "ポップアップ印刷");
    tools.AddItem(popup, "ID_簡易印刷", "簡易印刷(&Y)");
    window.show();

    tools.SetCaption(QStringLiteral("ID_新規作成"), QStringLiteral("新しく(&N)"));
    auto* button = qobject_cast<QToolButton*>(bar->widgetForAction(item));
    ASSERT_NE(button, nullptr);
    EXPECT_EQ(button->text(), QStringLiteral("新しく(N)"));  // a toolbar shows no access key
    EXPECT_EQ(file->actions().front()->text(), QStringLiteral("新しく(&N)"));

    tools.SetEnabled(QStringLiteral("ID_新規作成"), false);
    EXPECT_FALSE(button->isEnabled());
    EXPECT_FALSE(tools.Enabled(QStringLiteral("ID_新規作成")));
    tools.SetVisible(QStringLiteral("ID_ファイル"), false);
    EXPECT_FALSE(file->menuAction()->isVisible());
    QPixmap pm(16, 16);
    pm.fill(Qt::red);
    tools.SetPicture(QStringLiteral("ID_新規作成"), QIcon(pm));
    EXPECT_FALSE(button->icon().isNull());

    // Unknown IDs are ignored and read as absent.
    tools.SetEnabled(QStringLiteral("ID_なし"), true);
    EXPECT_FALSE(tools.Exists(QStringLiteral("ID_なし")));
    EXPECT_EQ(tools.Caption(QStringLiteral("ID_なし")), QString());
}

TEST(PlatformToolbarMenu, EveryClickIsOneSignalWithTheId) {
    QMainWindow window;
    ToolbarMenu tools(&window);
    QMenu* file = tools.AddMenu(window.menuBar(), "ID_ファイル", "ファイル(&F)");
    QToolBar* bar = window.addToolBar("標準(Standard)");
    QAction* open = tools.AddItem(file, "ID_ファイルを開く", "ファイルを開く(&O)...");
    tools.AddButton(bar, "ID_ファイルを開く");
    tools.AddTool("ID_検討開始", "検討開始(&S)");
    window.show();
    QSignalSpy spy(&tools, &ToolbarMenu::ToolClick);

    QTest::mouseClick(bar->widgetForAction(open), Qt::LeftButton);  // the toolbar button
    open->trigger();                                                // the menu item
    tools.Click(QStringLiteral("ID_検討開始"));
    tools.SetEnabled(QStringLiteral("ID_ファイルを開く"), false);
    tools.Click(QStringLiteral("ID_ファイルを開く"));  // disabled: no click
    tools.Click(QStringLiteral("ID_なし"));
    ASSERT_EQ(spy.count(), 3);
    EXPECT_EQ(spy[0][0].toString(), QStringLiteral("ID_ファイルを開く"));
    EXPECT_EQ(spy[1][0].toString(), QStringLiteral("ID_ファイルを開く"));
    EXPECT_EQ(spy[2][0].toString(), QStringLiteral("ID_検討開始"));
}

// One event per click, the focus left where it was by a click; with the
// focus given to it, the arrow keys click too.
TEST(PlatformUpDown, ClicksAndFocus) {
    QWidget window;
    auto* box = new QLineEdit(&window);
    auto* updown = new UpDown(&window);
    updown->setGeometry(120, 0, 16, 24);
    window.show();
    window.activateWindow();
    // On a desktop the activation arrives a moment later.
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window, 2000));
    box->setFocus();
    QCoreApplication::processEvents();
    std::string clicks;
    QObject::connect(updown, &UpDown::UpClick, [&] { clicks += "U"; });
    QObject::connect(updown, &UpDown::DownClick, [&] { clicks += "D"; });
    QTest::mouseClick(updown->UpButton(), Qt::LeftButton);
    QTest::mouseClick(updown->DownButton(), Qt::LeftButton);
    QTest::mouseClick(updown->DownButton(), Qt::LeftButton);
    EXPECT_EQ(clicks, "UDD");
    EXPECT_EQ(QApplication::focusWidget(), box);
    updown->setFocus();
    QTest::keyClick(updown, Qt::Key_Up);
    QTest::keyClick(updown, Qt::Key_Down);
    QTest::keyClick(updown, Qt::Key_Left);
    EXPECT_EQ(clicks, "UDDUD");
    EXPECT_EQ(QApplication::focusWidget(), updown);
}

// Cells and blocks addressed by Col/Row (1-based, -1 for all), their texts
// and Windows colour values; the two modes of the catalogue grids.
TEST(PlatformGrid, CellsBlocksColoursAndModes) {
    EXPECT_EQ(ToWinColor(QColor(255, 0, 0)), 255);
    EXPECT_EQ(ToWinColor(QColor(0, 0, 255)), 0xFF0000);
    EXPECT_EQ(FromWinColor(0xFF0000), QColor(0, 0, 255));

    Grid g(6, 11);
    g.SetText(2, 3, QStringLiteral("D19"));
    g.Col = 2;
    g.Row = 3;
    EXPECT_EQ(g.Text(), QStringLiteral("D19"));
    g.SetForeColor(255);
    EXPECT_EQ(g.ForeColorAt(2, 3), 255);
    EXPECT_EQ(g.ForeColorAt(2, 4), 0);
    // A block: rows 2 to 4 of column 5.
    GridSelectBlock(&g, 5, 2, 5, 4);
    g.SetForeColor(0xFF0000);
    for (int r = 1; r <= 6; ++r)
        EXPECT_EQ(g.ForeColorAt(5, r), r >= 2 && r <= 4 ? 0xFF0000 : 0) << r;
    // The whole grid.
    GridSelectAll(&g);
    g.SetForeColor(0);
    EXPECT_EQ(g.ForeColorAt(2, 3), 0);
    EXPECT_EQ(g.ForeColorAt(11, 6), 0);
    // Outside the grid: nothing, and no crash.
    g.SetText(12, 1, QStringLiteral("x"));
    EXPECT_EQ(g.TextAt(12, 1), QString());

    g.SetText(1, 1, QStringLiteral("  24.0 "));
    GridCellTrim(&g, 1, 1);
    EXPECT_EQ(g.TextAt(1, 1), QStringLiteral("24.0"));

    GridLock(&g, true);
    EXPECT_TRUE(g.EditMode());
    EXPECT_FALSE(g.BlockMode);
    EXPECT_NE(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    GridLock(&g, false);
    EXPECT_FALSE(g.EditMode());
    EXPECT_TRUE(g.BlockMode);
    EXPECT_EQ(g.Col, -1);
    EXPECT_EQ(g.editTriggers(), QAbstractItemView::NoEditTriggers);
    EXPECT_EQ(g.selectionBehavior(), QAbstractItemView::SelectRows);
}

// Setting the tab from code runs the click handler before it returns.
TEST(PlatformTabStrip, SettingTheTabRunsTheHandler) {
    TabStrip tabs({QStringLiteral("縦   枠"), QStringLiteral("横   枠")});
    std::vector<std::pair<int, int>> clicks;  // previous, now
    QObject::connect(&tabs, &TabStrip::Click, [&](int previous) {
        clicks.push_back({previous, tabs.Tab()});
    });
    tabs.SetTab(1);
    EXPECT_EQ(clicks, (std::vector<std::pair<int, int>>{{0, 1}}));
    tabs.SetTab(1);  // no change, no click
    EXPECT_EQ(clicks.size(), 1u);
    tabs.SetTab(0);
    EXPECT_EQ(clicks.back(), (std::pair<int, int>{1, 0}));
    tabs.SetCaption(0, QStringLiteral("縦　横"));
    EXPECT_EQ(tabs.Caption(0), QStringLiteral("縦　横"));
}

TEST(PlatformTwips, ConversionAtTheLogicalDpi) {
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_EQ(TwipsToPixelsX(1440), qRound(dpi));
    EXPECT_DOUBLE_EQ(TwipsPerPixelX(), 1440.0 / dpi);
    for (int px : {0, 1, 17, 630, 1919}) EXPECT_EQ(TwipsToPixelsX(PixelsToTwipsX(px)), px);
    struct Case {
        long long in;
        int out;
    };
    for (Case c : {Case{0, 0}, Case{32767, 32767}, Case{32768, 32767}, Case{-32768, -32768},
                   Case{-40000, -32768}, Case{1LL << 40, 32767}})
        EXPECT_EQ(ClampTwips(c.in), c.out) << c.in;
}

TEST(PlatformMdiChild, GeometryInTwipsAndWindowStates) {
    QMainWindow window;
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    window.resize(1000, 700);
    window.show();
    QMdiSubWindow* sub = area->addSubWindow(new QWidget);
    sub->show();
    const int step = static_cast<int>(std::ceil(TwipsPerPixelX()));
    PlaceTwips(sub, 300, 600, 9455, 5355);
    TwipsBox b = GetTwipsGeometry(sub);
    EXPECT_NEAR(b.left, 300, step);
    EXPECT_NEAR(b.top, 600, step);
    EXPECT_NEAR(b.width, 9455, step);
    EXPECT_NEAR(b.height, 5355, step);

    for (WindowState s : {WindowState::Minimized, WindowState::Normal, WindowState::Maximized,
                          WindowState::Normal}) {
        SetWindowState(sub->widget(), s);  // through the child's own widget
        QApplication::processEvents();
        EXPECT_EQ(GetWindowState(sub), s);
        EXPECT_EQ(GetWindowState(sub->widget()), s);
    }
    EXPECT_EQ(SubWindowOf(sub->widget()), sub);
    EXPECT_EQ(SubWindowOf(&window), nullptr);

    RemoveCaptionIcon(sub->widget());
    QImage icon = sub->windowIcon().pixmap(16, 16).toImage();
    ASSERT_FALSE(icon.isNull());
    for (int y = 0; y < icon.height(); ++y)
        for (int x = 0; x < icon.width(); ++x) ASSERT_EQ(qAlpha(icon.pixel(x, y)), 0);
}

TEST(PlatformMessageBox, TheBoxAsShown) {
    EXPECT_EQ(MessageText("一行目\r二行目\r\n三行目"), QStringLiteral("一行目\n二行目\n三行目"));
    struct Case {
        MsgButtons buttons;
        int defaultButton;
        MsgIcon icon;
        std::vector<QString> texts;
        QString defaultText;
        QMessageBox::Icon shownIcon;
    };
    const Case cases[] = {
        {MsgButtons::Ok, 0, MsgIcon::Exclamation, {"OK"}, "OK", QMessageBox::Warning},
        {MsgButtons::OkCancel,
         1,
         MsgIcon::None,
         {"OK", "キャンセル"},
         "キャンセル",
         QMessageBox::NoIcon},
        {MsgButtons::YesNo,
         1,
         MsgIcon::Question,
         {"はい(&Y)", "いいえ(&N)"},
         "いいえ(&N)",
         QMessageBox::Question},
        {MsgButtons::YesNoCancel,
         0,
         MsgIcon::Information,
         {"はい(&Y)", "いいえ(&N)", "キャンセル"},
         "はい(&Y)",
         QMessageBox::Information},
    };
    for (const Case& c : cases) {
        MessageRequest r;
        r.text = "保存しますか？\r（変更があります）";
        r.buttons = c.buttons;
        r.defaultButton = c.defaultButton;
        r.icon = c.icon;
        std::unique_ptr<QMessageBox> box(QtMessageSink::Build(r, nullptr));
        EXPECT_EQ(box->windowTitle(), QStringLiteral("Talvo-SI"));
        EXPECT_EQ(box->text(), QStringLiteral("保存しますか？\n（変更があります）"));
        EXPECT_EQ(box->icon(), c.shownIcon);
        std::vector<QString> texts;
        for (QAbstractButton* b : box->buttons()) texts.push_back(b->text());
        std::sort(texts.begin(), texts.end());
        std::vector<QString> expected = c.texts;
        std::sort(expected.begin(), expected.end());
        EXPECT_EQ(texts, expected);
        ASSERT_NE(box->defaultButton(), nullptr);
        EXPECT_EQ(box->defaultButton()->text(), c.defaultText);
    }
    MessageRequest titled;
    titled.title = "バージョン情報";
    std::unique_ptr<QMessageBox> box(QtMessageSink::Build(titled, nullptr));
    EXPECT_EQ(box->windowTitle(), QStringLiteral("バージョン情報"));
}

// A line of up to 60 full-width characters stays whole on the shown box;
// only a longer one wraps, and the box stays on the screen.
TEST(PlatformMessageBox, ALineOfSixtyFullWidthCharactersStaysWhole) {
    const std::string sixty = [] {
        std::string s;
        for (int i = 0; i < 6; ++i) s += "漢字の行幅試験用文字";
        return s;
    }();
    const std::string longer = sixty + "さらに続く二十文字ほどの長い行がここにあります";
    struct Case {
        const char* what;
        std::string text;
        MsgIcon icon;
        std::vector<int> lines;
        int pointSize = 0;  // the box's own font size, 0 for the program's
    };
    const Case cases[] = {
        {"design program's help warning",
         "PATH 環境変数で指定されたディレクトリには Talvo-SI.HLP が見つかりません。\r\n"
         "ヘルプ機能は利用できません。",
         MsgIcon::Exclamation,
         {1, 1}},
        {"companion's help warning", companion::kHelpMissingText, MsgIcon::Exclamation, {1, 1}},
        {"sixty full-width characters", sixty + "\r\n短い行", MsgIcon::None, {1, 1}},
        {"sixty beside an icon", sixty, MsgIcon::Question, {1}},
        {"a longer line wraps", longer + "\r" + sixty, MsgIcon::Information, {2, 1}},
        // Sixty characters wider than the screen: the box keeps to the
        // screen and the line wraps in it.
        {"a font too large for the screen", sixty, MsgIcon::Exclamation, {2}, 16},
    };
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        MessageRequest r;
        r.text = c.text;
        r.buttons = MsgButtons::OkCancel;
        r.icon = c.icon;
        std::unique_ptr<QMessageBox> box(QtMessageSink::Build(r, nullptr));
        if (c.pointSize) {
            QFont f = box->font();
            f.setPointSize(c.pointSize);
            box->setFont(f);
        }
        box->show();
        QApplication::processEvents();
        auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
        ASSERT_NE(label, nullptr);
        EXPECT_EQ(test::LaidOutLines(label), c.lines);
        // The label shows all of its text, and the box fits the screen.
        EXPECT_LE(label->heightForWidth(label->width()), label->height());
        EXPECT_LE(box->width(), screen.width());
        EXPECT_LE(label->geometry().right(), box->width());
        test::SaveShotIfAsked(box.get(), QStringLiteral("message-box-%1").arg(&c - cases));
    }
}

TEST(PlatformMessageBox, ShowReturnsTheButtonPressed) {
    QtMessageSink sink;
    MessageSink* previous = SetMessageSink(&sink);
    struct Case {
        MsgButtons buttons;
        QMessageBox::StandardButton press;
        MsgResult result;
    };
    for (Case c : {Case{MsgButtons::YesNoCancel, QMessageBox::No, MsgResult::No},
                   Case{MsgButtons::YesNoCancel, QMessageBox::Cancel, MsgResult::Cancel},
                   Case{MsgButtons::YesNo, QMessageBox::Yes, MsgResult::Yes},
                   Case{MsgButtons::OkCancel, QMessageBox::Ok, MsgResult::Ok}}) {
        QTimer::singleShot(0, [&] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            box->button(c.press)->click();
        });
        EXPECT_EQ(MsgBox("質問", c.buttons, MsgIcon::Question), c.result);
    }
    SetMessageSink(previous);
}

TEST(PlatformFileDialog, FiltersFlagsAndDefaultExtension) {
    EXPECT_EQ(QtNameFilters("Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|"),
              (QStringList{"Talvo-SI FILE (*.kvd)", "All Files (*)"}));
    EXPECT_EQ(QtNameFilters("Text|*.txt;*.csv"), QStringList{"Text (*.txt *.csv)"});

    struct Case {
        int action;
        int flags;
        QFileDialog::AcceptMode mode;
        QFileDialog::FileMode fileMode;
        bool confirmOverwrite;
    };
    for (Case c : {Case{1, 4, QFileDialog::AcceptOpen, QFileDialog::AnyFile, false},
                   Case{1, 4 | 0x1000, QFileDialog::AcceptOpen, QFileDialog::ExistingFile, false},
                   Case{2, 4, QFileDialog::AcceptSave, QFileDialog::AnyFile, false},
                   Case{2, 4 | 2, QFileDialog::AcceptSave, QFileDialog::AnyFile, true}}) {
        FileDialogRequest r;
        r.action = c.action;
        r.flags = c.flags;
        r.defaultExt = "kvd";
        r.filter = "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|";
        r.filterIndex = 2;
        r.folder = fs::temp_directory_path().string();
        std::unique_ptr<QFileDialog> d(QtFileDialogSink::Build(r, nullptr));
        EXPECT_EQ(d->acceptMode(), c.mode);
        EXPECT_EQ(d->fileMode(), c.fileMode);
        EXPECT_EQ(!d->testOption(QFileDialog::DontConfirmOverwrite), c.confirmOverwrite);
        EXPECT_EQ(d->defaultSuffix(), QStringLiteral("kvd"));
        EXPECT_EQ(d->selectedNameFilter(), QStringLiteral("All Files (*)"));
        EXPECT_EQ(QDir(d->directory()).canonicalPath().toStdString(),
                  fs::canonical(r.folder).string());
    }
}

// A file dialog answered from the test.
class OneAnswer : public FileDialogSink {
public:
    explicit OneAnswer(std::optional<std::string> answer) : answer_(std::move(answer)) {
        previous_ = SetFileDialogSink(this);
    }
    ~OneAnswer() override { SetFileDialogSink(previous_); }
    std::optional<std::string> Show(const FileDialogRequest& r) override {
        requests.push_back(r);
        return answer_;
    }
    std::vector<FileDialogRequest> requests;

private:
    std::optional<std::string> answer_;
    FileDialogSink* previous_;
};

// The file dialogs speak Japanese once Qt's Japanese texts are installed.
TEST(PlatformFileDialog, DialogTextsAreJapanese) {
    ASSERT_TRUE(InstallJapaneseTranslations());
    FileDialogRequest r;
    r.action = 2;
    r.filter = "Talvo-SI FILE (*.kvd)|*.kvd|";
    std::unique_ptr<QFileDialog> d(QtFileDialogSink::Build(r, nullptr));
    d->show();
    QCoreApplication::processEvents();
    QStringList texts;
    for (const QAbstractButton* b : d->findChildren<QAbstractButton*>())
        if (b->isVisible()) texts << b->text();
    for (const QLabel* l : d->findChildren<QLabel*>())
        if (l->isVisible()) texts << l->text();
    EXPECT_TRUE(texts.contains(QStringLiteral("キャンセル"))) << texts.join('|').toStdString();
    EXPECT_TRUE(texts.contains(QStringLiteral("保存(&S)")) ||
                texts.contains(QStringLiteral("保存")))
        << texts.join('|').toStdString();
    for (const char* english : {"Cancel", "Save", "Look in:", "File name:"})
        EXPECT_FALSE(texts.contains(QString::fromUtf8(english))) << english;
    test::SaveShotIfAsked(d.get(), QStringLiteral("file-dialog"));
    // A caption given by the caller is the dialog's.
    r.title = "PDFファイルに保存";
    std::unique_ptr<QFileDialog> titled(QtFileDialogSink::Build(r, nullptr));
    EXPECT_EQ(titled->windowTitle(), QStringLiteral("PDFファイルに保存"));
}

TEST(PlatformFileDialog, CommonDialogMembersAndTheCurrentFolder) {
    QTemporaryDir dir;
    // Start from a folder that exists, whatever ran before.
    fs::current_path(fs::temp_directory_path());
    const fs::path saved = fs::current_path();
    const std::string chosen = (fs::path(dir.path().toStdString()) / "design.kvd").string();
    {
        OneAnswer answer(chosen);
        CommonDialog dlg;
        dlg.FileName = "";
        dlg.DefaultExt = "kvd";
        dlg.Filter = "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|";
        dlg.FilterIndex = 1;
        dlg.Flags = CommonDialog::kHideReadOnly;
        dlg.CancelError = true;
        dlg.SetAction(2);
        EXPECT_FALSE(dlg.Cancelled());
        EXPECT_EQ(dlg.FileName, chosen);
        EXPECT_EQ(fs::canonical(fs::current_path()), fs::canonical(dir.path().toStdString()));
        ASSERT_EQ(answer.requests.size(), 1u);
        const FileDialogRequest& r = answer.requests[0];
        EXPECT_EQ(r.action, 2);
        EXPECT_EQ(r.defaultExt, "kvd");
        EXPECT_EQ(r.flags, 4);
        EXPECT_EQ(r.filter, dlg.Filter);
        // Any other action shows nothing.
        dlg.SetAction(3);
        EXPECT_TRUE(dlg.Cancelled());
        EXPECT_EQ(answer.requests.size(), 1u);
    }
    fs::current_path(saved);
    {
        OneAnswer cancel(std::nullopt);
        CommonDialog dlg;
        dlg.FileName = "before";
        dlg.ShowOpen();
        EXPECT_TRUE(dlg.Cancelled());
        EXPECT_EQ(dlg.FileName, "before");
        EXPECT_EQ(fs::current_path(), saved);
    }
    {
        CommonDialog dlg;  // no dialog installed: cancelled
        dlg.ShowOpen();
        EXPECT_TRUE(dlg.Cancelled());
    }
}

// A picture beside the program is read only when its file is no larger than
// 4 MiB: a larger one is refused by its size, whatever its header says.
TEST(PlatformPicture, FileLargerThanFourMebibytesIsNoPicture) {
    // A bitmap of 2 × 2 pixels of 24 bits: two rows of 8 bytes.
    std::string bmp(14 + 40 + 16, '\0');
    auto put32 = [&bmp](std::size_t at, std::uint32_t v) {
        for (int i = 0; i < 4; ++i) bmp[at + i] = static_cast<char>(v >> (8 * i) & 0xFF);
    };
    bmp[0] = 'B';
    bmp[1] = 'M';
    put32(2, static_cast<std::uint32_t>(bmp.size()));
    put32(10, 14 + 40);
    put32(14, 40);
    put32(18, 2);
    put32(22, 2);
    bmp[26] = 1;   // one plane
    bmp[28] = 24;  // bits per pixel
    QTemporaryDir dir;
    const struct {
        const char* name;
        std::size_t size;
        bool taken;
    } cases[] = {
        {"small.bmp", bmp.size(), true},
        {"limit.bmp", std::size_t{4} << 20, true},
        {"larger.bmp", (std::size_t{4} << 20) + 1, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        std::string bytes = bmp;
        bytes.resize(c.size, '\0');  // bytes after the pixels, as some programs leave
        const QString path = dir.filePath(c.name);
        std::ofstream(path.toStdString(), std::ios::binary) << bytes;
        const QImage image = ReadBmpPicture(path);
        EXPECT_EQ(!image.isNull(), c.taken);
        if (c.taken) {
            EXPECT_EQ(image.size(), QSize(2, 2));
        }
    }
}

TEST(PlatformHelp, HelpFileSearch) {
    QTemporaryDir root;
    const fs::path base(root.path().toStdString());
    for (const char* d : {"prog", "one", "two", "three", "dir"}) fs::create_directories(base / d);
    auto touch = [](const fs::path& p) { std::ofstream(p) << "help"; };
    touch(base / "two" / "talvo-si.hlp");
    touch(base / "three" / "Talvo-SI.HLP");
    fs::create_directories(base / "dir" / "Talvo-SI.HLP");  // a folder is no help file
    const std::string prog = (base / "prog").string();
    auto in = [&](const char* d) { return (base / d).string(); };

    struct Case {
        std::string path;
        std::optional<std::string> found;
    };
    const Case cases[] = {
        {in("one") + ":" + in("two"), (base / "two" / "talvo-si.hlp").string()},
        {in("dir") + ":/no/such/folder:" + in("three") + ":" + in("two"),
         (base / "three" / "Talvo-SI.HLP").string()},
        {in("one"), std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) EXPECT_EQ(FindHelpFileIn(prog, c.path), c.found) << c.path;

    // The program folder comes first; PATH is not looked at then.
    touch(base / "prog" / "TALVO-SI.hlp");
    EXPECT_EQ(FindHelpFileIn(prog, in("three")), (base / "prog" / "TALVO-SI.hlp").string());
}

TEST(PlatformHelp, HelpCommandsAndAddressesOpenThroughTheDesktop) {
    std::vector<QUrl> opened;
    UrlOpener previous = SetUrlOpener([&](const QUrl& u) {
        opened.push_back(u);
        return true;
    });
    EXPECT_FALSE(ShowHelpContents(""));
    EXPECT_FALSE(OpenWebPage(""));
    EXPECT_TRUE(ShowHelpContents("/opt/talvo/Talvo-SI.HLP"));
    EXPECT_TRUE(ShowHelpKeywordSearch("/opt/talvo/Talvo-SI.HLP"));
    EXPECT_TRUE(OpenWebPage("https://example.org/talvo"));
    SetUrlOpener(previous);
    ASSERT_EQ(opened.size(), 3u);
    EXPECT_EQ(opened[0], QUrl::fromLocalFile("/opt/talvo/Talvo-SI.HLP"));
    EXPECT_EQ(opened[1], QUrl::fromLocalFile("/opt/talvo/Talvo-SI.HLP"));
    EXPECT_EQ(opened[2], QUrl("https://example.org/talvo"));
}

}  // namespace
}  // namespace talvo
