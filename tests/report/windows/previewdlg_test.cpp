#include "platform/previewdlg.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

#include "platform/printcontrol.h"
#include "platform/printpreview.h"
#include "shell/filedialog.h"
#include "support/odd_targets.h"
#include "support/qt/clicks.h"
#include "support/qt/pdf_tools.h"
#include "support/qt/shots.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

namespace talvo {
namespace {

using test::PdfPageCount;
using test::RunTool;
using test::ScriptedDialogs;
using test::ScriptedMessages;

const char* const kPageTexts[] = {"設計条件一覧", "荷重の計算結果", "のり枠の断面検討",
                                  "鉄筋量の計算", "スターラップの検討"};

QString PageText(const QString& pdf, int page) {
    return test::PdfPageText(pdf, page).value_or("<unreadable>");
}

// True when a line of the page text holds only `footer`.
bool HasFooterLine(const QString& text, const QString& footer) {
    for (const QString& line : text.split('\n'))
        if (line.trimmed() == footer) return true;
    return false;
}

// A report of `pages` pages, each with its own text; drawn whole for page 0,
// else only the page asked for. Every call is noted; `failOn` makes the next
// call for that page throw half-way (once).
struct FakeReport {
    int pages = 5;
    std::optional<int> failOn;
    std::vector<int> calls;

    void operator()(PrintControl& control, int page) {
        calls.push_back(page);
        control.StartDoc();
        bool first = true;
        for (int i = 1; i <= pages; ++i) {
            if (page != 0 && page != i) continue;
            if (!first) control.NewPage();
            first = false;
            if (failOn == page) {
                failOn.reset();
                throw std::runtime_error("帳票を作成できませんでした。");
            }
            control.SetFontName("ＭＳ 明朝");
            control.SetFontSize(12);
            control.SetCurrentX(1440);
            control.SetCurrentY(1440);
            control.PrintText(kPageTexts[(i - 1) % 5]);
        }
        control.EndDoc();
    }
};

class PreviewDlgTest : public ::testing::Test {
protected:
    // Builds the report into the preview as the report start does, then
    // opens the window on it; the printer writes a PDF file.
    PreviewDlg& Open(int pages = 5, PreviewProgram program = PreviewProgram::Main) {
        report.pages = pages;
        dlg = std::make_unique<PreviewDlg>(
            control, [this](PrintControl& c, int page) { report(c, page); }, program);
        report(control, 0);
        report.calls.clear();
        dlg->Refresh();
        dlg->Printer().setOutputFormat(QPrinter::PdfFormat);
        dlg->Printer().setOutputFileName(PrinterFile());
        return *dlg;
    }
    // Shows the window as wide as a screen of 1024 pixels shows it maximised
    // (the offscreen screen is narrower and folds the last tools away),
    // active, for keys.
    void ShowForKeys(PreviewDlg& d) {
        d.show();
        d.setWindowState(Qt::WindowNoState);
        d.resize(1024, 700);
        d.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&d));
        Pump();
    }
    static void Pump() {
        for (int i = 0; i < 3; ++i) QApplication::processEvents();
    }
    // A key pressed where the focus is.
    static void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << "no focus";
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        Pump();
    }
    static QString FocusName() {
        QWidget* focus = QApplication::focusWidget();
        return focus ? focus->objectName() : QString("<none>");
    }
    // Tabs on until the focus is on `name`; false when a whole round of
    // the window never reaches it.
    static bool TabTo(const QString& name) {
        for (int i = 0; i < 30 && QApplication::focusWidget() && FocusName() != name; ++i)
            Press(Qt::Key_Tab);
        return FocusName() == name;
    }
    QString PrinterFile() const { return dir.filePath("printer.pdf"); }
    QStringList Files() const {
        return QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    }
    void ExpectPreviewRestored(int page) {
        EXPECT_EQ(control.PageCount(), report.pages);
        EXPECT_EQ(control.Footer(), "%d");
        EXPECT_EQ(dlg->Preview().PreviewPage(), page);
        EXPECT_TRUE(dlg->ToolBar()->isEnabled());
        EXPECT_TRUE(dlg->PrintingText().isEmpty());
    }

    QTemporaryDir dir;
    PrintControl control;
    FakeReport report;
    std::unique_ptr<PreviewDlg> dlg;
};

TEST_F(PreviewDlgTest, OpensOnTheWholeFirstPageWithTheToolsOfTheToolBar) {
    auto& d = Open();
    EXPECT_EQ(d.windowTitle(), "印刷プレビュー");
    EXPECT_TRUE(d.windowState() & Qt::WindowMaximized);
    EXPECT_EQ(d.Preview().Mode(), ZoomMode::WholePage);
    EXPECT_EQ(control.Footer(), "%d");
    const std::pair<const char*, const char*> captions[] = {
        {"ID_Back", "前ページ(&B)"}, {"ID_Next", "次ページ(&N)"},
        {"ID_Set", "設定(&T)..."},   {"ID_PagePrint", "現在のページを印刷(&V)"},
        {"ID_Print", "印刷(&P)"},    {"ID_PDF", "PDF..."},
        {"ID_Up", "拡大"},           {"ID_Dawn", "縮小"},
        {"ID_Close", "閉じる(&C)"},
    };
    for (const auto& [id, caption] : captions) {
        ASSERT_NE(d.Tool(id), nullptr) << id;
        EXPECT_EQ(d.Tool(id)->text(), caption) << id;
        EXPECT_EQ(d.Tool(id)->iconText(), caption) << id;
    }
    EXPECT_EQ(d.Tool("ID_PDF")->toolTip(), "PDFファイルの作成");
    EXPECT_EQ(d.ZoomList()->toolTip(), "拡大率");
    EXPECT_NE(d.Tool("ID_PageText"), nullptr);
    EXPECT_NE(d.Tool("ID_Combo"), nullptr);
    EXPECT_EQ(d.Tool("ID_Other"), nullptr);
    d.ToolClick("ID_Other");  // an unknown tool does nothing
    EXPECT_EQ(d.PageText(), "1/5");

    d.show();
    EXPECT_TRUE(d.PreviewOpen());
    d.ToolClick("ID_Close");
    EXPECT_FALSE(d.isVisible());
    EXPECT_FALSE(d.PreviewOpen());
}

// Restored from its maximised start, the window of either program keeps
// every tool on its bar rather than folding the last ones away.
TEST_F(PreviewDlgTest, RestoredWindowShowsEveryTool) {
    for (PreviewProgram program : {PreviewProgram::Main, PreviewProgram::Companion}) {
        auto& d = Open(2, program);
        d.show();
        d.setWindowState(Qt::WindowNoState);
        QApplication::processEvents();
        for (const char* id : {"ID_Back", "ID_Next", "ID_Up", "ID_Dawn", "ID_Set", "ID_Print",
                               "ID_PDF", "ID_Close"}) {
            QWidget* button = d.ToolBar()->widgetForAction(d.Tool(id));
            ASSERT_NE(button, nullptr) << id;
            EXPECT_TRUE(button->isVisible()) << id;
        }
        dlg.reset();
    }
}

TEST_F(PreviewDlgTest, PageStateEnablesTheTurningToolsThatCanMove) {
    struct Case {
        int pages, page;
        bool back, next;
        const char* text;
    };
    const Case cases[] = {
        {1, 1, false, false, "1/1"},
        {5, 1, false, true, "1/5"},
        {5, 3, true, true, "3/5"},
        {5, 5, true, false, "5/5"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        auto& d = Open(c.pages);
        d.Preview().SetPreviewPage(c.page);  // the page change reaches the tools
        EXPECT_EQ(d.Tool("ID_Back")->isEnabled(), c.back);
        EXPECT_EQ(d.Tool("ID_Next")->isEnabled(), c.next);
        EXPECT_EQ(d.PageText(), c.text);
    }

    auto& d = Open(3);
    const std::pair<const char*, int> clicks[] = {
        {"ID_Back", 1}, {"ID_Next", 2}, {"ID_Next", 3}, {"ID_Next", 3}, {"ID_Back", 2}};
    for (const auto& [id, page] : clicks) {
        d.Tool(id)->trigger();
        EXPECT_EQ(d.Preview().PreviewPage(), page) << id;
        EXPECT_EQ(d.PageText(), QString("%1/3").arg(page));
    }
}

TEST_F(PreviewDlgTest, ZoomListChoosesFittedModesOrPercentsAndTheToolsStepByTen) {
    auto& d = Open();
    struct Entry {
        const char* text;
        ZoomMode mode;
        double percent;  // 0 for a fitted mode
    };
    const Entry entries[] = {
        {"ページ全体", ZoomMode::WholePage, 0}, {"ページ幅", ZoomMode::PageWidth, 0},
        {"2ページ", ZoomMode::TwoPages, 0},     {"サムネイル", ZoomMode::Thumbnails, 0},
        {"150％", ZoomMode::Percent, 150},      {"100％", ZoomMode::Percent, 100},
        {"75％", ZoomMode::Percent, 75},        {"50％", ZoomMode::Percent, 50},
        {"25％", ZoomMode::Percent, 25},
    };
    ASSERT_EQ(d.ZoomList()->count(), 9);
    d.Preview().SetPreviewPage(2);
    for (int i = 0; i < 9; ++i) {
        SCOPED_TRACE(entries[i].text);
        EXPECT_EQ(d.ZoomList()->itemText(i), entries[i].text);
        d.ComboChange(i);
        EXPECT_EQ(d.Preview().Mode(), entries[i].mode);
        if (entries[i].percent > 0) {
            EXPECT_DOUBLE_EQ(d.Preview().Zoom(), entries[i].percent);
        }
        EXPECT_EQ(d.PageText(), "2/5");
    }
    d.ComboChange(9);  // outside the list: nothing changes
    EXPECT_DOUBLE_EQ(d.Preview().Zoom(), 25);

    struct Step {
        double from;
        const char* tool;
        double to;
    };
    const Step steps[] = {{195, "ID_Up", 205},
                          {200, "ID_Up", 200},
                          {100, "ID_Dawn", 90},
                          {15, "ID_Dawn", 5},
                          {10, "ID_Dawn", 10}};
    for (const auto& s : steps) {
        d.Preview().SetZoom(s.from);
        d.Tool(s.tool)->trigger();
        EXPECT_DOUBLE_EQ(d.Preview().Zoom(), s.to) << s.tool << " from " << s.from;
    }
    d.Preview().SetZoom(100);
    d.ToolClick("ID_Up");
    EXPECT_EQ(d.ZoomList()->currentIndex(), -1);
    EXPECT_EQ(d.ZoomList()->placeholderText(), "110％");
}

TEST_F(PreviewDlgTest, PagePrintPrintsThePageShownWithItsNumberThenRebuildsThePreview) {
    auto& d = Open();
    d.Preview().SetPreviewPage(3);
    QStringList progress;
    std::string footer;
    bool toolsOff = false;
    QObject::connect(&d, &PreviewDlg::printing, [&](const QString& text) {
        EXPECT_EQ(text, d.PrintingText());
        progress << text;
        footer = control.Footer();
        toolsOff = !d.ToolBar()->isEnabled();
    });
    d.Tool("ID_PagePrint")->trigger();

    EXPECT_EQ(progress, QStringList{"3 ページ目を印刷中"});
    EXPECT_EQ(footer, "3");
    EXPECT_TRUE(toolsOff);
    EXPECT_EQ(report.calls, (std::vector<int>{3, 0}));
    ExpectPreviewRestored(3);
    EXPECT_EQ(d.PageText(), "3/5");

    ASSERT_EQ(PdfPageCount(PrinterFile()), 1);
    const QString text = PageText(PrinterFile(), 1);
    EXPECT_TRUE(text.contains("のり枠の断面検討")) << text.toStdString();
    EXPECT_FALSE(text.contains("設計条件一覧")) << text.toStdString();
    EXPECT_TRUE(HasFooterLine(text, "3")) << text.toStdString();
}

TEST_F(PreviewDlgTest, FullPrintPrintsEveryPageNumberedWithoutASecondBuild) {
    auto& d = Open();
    d.Preview().SetPreviewPage(2);
    QStringList progress;
    QObject::connect(&d, &PreviewDlg::printing, [&](const QString& text) { progress << text; });
    d.Tool("ID_Print")->trigger();

    EXPECT_EQ(progress, QStringList{"印刷中..."});
    EXPECT_EQ(report.calls, std::vector<int>{0});
    ExpectPreviewRestored(2);
    ASSERT_EQ(PdfPageCount(PrinterFile()), 5);
    for (int page = 1; page <= 5; ++page) {
        const QString text = PageText(PrinterFile(), page);
        EXPECT_TRUE(text.contains(kPageTexts[page - 1])) << text.toStdString();
        EXPECT_TRUE(HasFooterLine(text, QString::number(page))) << text.toStdString();
    }
}

TEST_F(PreviewDlgTest, PrintShowsItsDestinationAndEachPageAsItGoes) {
    auto& d = Open(3);
    QStringList pages;
    std::vector<int> numbers;
    QString destination;
    QObject::connect(&d, &PreviewDlg::pagePrinting, [&](int page) {
        pages << d.PrintingText();
        destination = d.DestinationText();
        EXPECT_FALSE(d.CancelButton()->isHidden());
        EXPECT_FALSE(d.DestinationText().isEmpty());
        numbers.push_back(page);
    });
    d.Tool("ID_Print")->trigger();
    EXPECT_EQ(pages,
              (QStringList{"1 ページ目を印刷中", "2 ページ目を印刷中", "3 ページ目を印刷中"}));
    EXPECT_EQ(destination, QString("出力先 PDF(%1)").arg(PrinterFile()));
    EXPECT_TRUE(d.PrintingText().isEmpty());
    EXPECT_TRUE(d.DestinationText().isEmpty());
    EXPECT_EQ(numbers, (std::vector<int>{1, 2, 3}));

    // The page print keeps the number of the page shown, not its place in
    // the print.
    pages.clear();
    d.Preview().SetPreviewPage(2);
    d.Tool("ID_PagePrint")->trigger();
    EXPECT_EQ(pages, QStringList{"2 ページ目を印刷中"});
    EXPECT_EQ(numbers.back(), 2);
}

TEST_F(PreviewDlgTest, CancelStopsThePrintQuietlyAndGivesThePreviewBack) {
    ScriptedMessages messages;  // no message expected
    auto& d = Open(5);
    d.Preview().SetPreviewPage(4);
    std::vector<int> started;
    bool cancel = true;
    QObject::connect(&d, &PreviewDlg::pagePrinting, [&](int page) {
        started.push_back(page);
        if (page == 2 && cancel) d.CancelButton()->click();
    });
    d.Tool("ID_Print")->trigger();
    EXPECT_EQ(started, (std::vector<int>{1, 2}));
    ExpectPreviewRestored(4);
    EXPECT_TRUE(d.ToolBar()->isEnabled());
    EXPECT_TRUE(d.PrintingText().isEmpty());

    // The next print starts afresh and goes through.
    started.clear();
    cancel = false;
    d.Tool("ID_Print")->trigger();
    EXPECT_EQ(started, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(PdfPageCount(PrinterFile()), 5);
}

TEST_F(PreviewDlgTest, CompanionHasNoFooterAndNoPagePrint) {
    auto& d = Open(3, PreviewProgram::Companion);
    EXPECT_EQ(control.Footer(), "");
    EXPECT_EQ(d.Printer().docName(), "ミルダ-SI");
    // Its report is one page: the page print is not offered at all.
    EXPECT_EQ(d.Tool("ID_PagePrint"), nullptr);
    for (QAction* a : d.ToolBar()->actions()) EXPECT_NE(a->text(), "現在のページを印刷(&V)");
    d.Preview().SetPreviewPage(2);
    d.ToolClick("ID_PagePrint");
    EXPECT_TRUE(report.calls.empty());
    EXPECT_FALSE(QFileInfo::exists(PrinterFile()));

    d.Tool("ID_Print")->trigger();
    EXPECT_EQ(report.calls, std::vector<int>{0});
    ASSERT_EQ(PdfPageCount(PrinterFile()), 3);
    const QString text = PageText(PrinterFile(), 2);
    EXPECT_TRUE(text.contains("荷重の計算結果"));
    EXPECT_FALSE(HasFooterLine(text, "2")) << text.toStdString();

    EXPECT_EQ(Open(3).Printer().docName(), "タルヴォ-SI");
}

// Each tool's button on the shown window, clicked with the mouse, does its
// work, in both programs' previews.
TEST_F(PreviewDlgTest, EveryToolDoesItsWorkWhenItsButtonIsClicked) {
    for (PreviewProgram program : {PreviewProgram::Main, PreviewProgram::Companion}) {
        const bool main = program == PreviewProgram::Main;
        SCOPED_TRACE(main ? "design program" : "companion");
        auto& d = Open(3, program);
        // As wide as a screen of 1024 pixels shows it maximised (the
        // offscreen screen is narrower, and folds the last tools away).
        d.show();
        d.setWindowState(Qt::WindowNoState);
        d.resize(1024, 700);
        QToolBar* bar = d.ToolBar();
        auto click = [&](const char* id) { test::ClickToolButton(bar, d.Tool(id)); };

        click("ID_Next");
        EXPECT_EQ(d.PageText(), "2/3");
        click("ID_Back");
        EXPECT_EQ(d.PageText(), "1/3");
        d.Preview().SetZoom(100);
        click("ID_Up");
        EXPECT_DOUBLE_EQ(d.Preview().Zoom(), 110);
        click("ID_Dawn");
        click("ID_Dawn");
        EXPECT_DOUBLE_EQ(d.Preview().Zoom(), 90);
        // The zoom list, chosen from the keyboard: the entry below 100 %.
        d.ComboChange(5);
        d.ZoomList()->setFocus();
        QTest::keyClick(d.ZoomList(), Qt::Key_Down);
        EXPECT_DOUBLE_EQ(d.Preview().Zoom(), 75);

        bool setUp = false;
        d.SetPrinterSetup([&](QPrinter&, QWidget*) { return setUp = true; });
        click("ID_Set");
        EXPECT_TRUE(setUp);

        click("ID_Next");
        if (main) {
            click("ID_PagePrint");
            EXPECT_EQ(PdfPageCount(PrinterFile()), 1);
            EXPECT_TRUE(PageText(PrinterFile(), 1).contains(kPageTexts[1]));
        }
        click("ID_Print");
        EXPECT_EQ(PdfPageCount(PrinterFile()), 3);

        // The PDF asks for a name, with ".pdf" for a name typed without one.
        const std::string pdf = dir.filePath(main ? "design.pdf" : "study.pdf").toStdString();
        {
            ScriptedDialogs files;
            files.Expect(2, pdf);
            click("ID_PDF");
            ASSERT_EQ(files.shown.size(), 1u);
            EXPECT_EQ(files.shown[0].defaultExt, "pdf");
        }
        EXPECT_EQ(PdfPageCount(QString::fromStdString(pdf)), 3);

        click("ID_Close");
        EXPECT_FALSE(d.isVisible());
        EXPECT_FALSE(d.PreviewOpen());
    }
}

// The bar by keys alone, in both programs: Tab walks every tool in the order
// it stands (the zoom list among them) and on to the page, Shift+Tab walks
// back, and Return or Space presses the tool with the focus: PDF... writes
// the report's pages under the name given.
TEST_F(PreviewDlgTest, EveryToolIsReachedByTabAndThePdfIsSavedByKeysAlone) {
    for (PreviewProgram program : {PreviewProgram::Main, PreviewProgram::Companion}) {
        const bool main = program == PreviewProgram::Main;
        SCOPED_TRACE(main ? "design program" : "companion");
        auto& d = Open(3, program);
        ShowForKeys(d);
        ASSERT_TRUE(TabTo("ID_Next_Button"));
        // One round of the window from 次ページ (前ページ is off on page 1).
        QStringList round{FocusName()};
        for (int i = 0; i < 30; ++i) {
            Press(Qt::Key_Tab);
            if (FocusName() == round.front()) break;
            round << FocusName();
        }
        QStringList expected{"ID_Next_Button",  "ID_Up_Button",  "ID_Dawn_Button",
                             "ID_Combo",        "ID_Set_Button", "ID_PagePrint_Button",
                             "ID_Print_Button", "ID_PDF_Button", "ID_Close_Button",
                             "PreviewPage"};
        if (!main) expected.removeAll("ID_PagePrint_Button");
        EXPECT_EQ(round, expected);
        ASSERT_TRUE(TabTo("ID_PDF_Button"));
        Press(Qt::Key_Backtab);
        EXPECT_EQ(FocusName(), "ID_Print_Button");
        Press(Qt::Key_Tab);
        ASSERT_EQ(FocusName(), "ID_PDF_Button");
        if (main) test::SaveShotIfAsked(&d, "preview_pdf_focused");

        const std::string pdf = dir.filePath(main ? "keys.pdf" : "study-keys.pdf").toStdString();
        {
            ScriptedDialogs files;
            files.Expect(2, pdf);
            ScriptedMessages messages;  // no message expected
            Press(main ? Qt::Key_Return : Qt::Key_Space);
            EXPECT_EQ(files.shown.size(), 1u);
        }
        const QString file = QString::fromStdString(pdf);
        ASSERT_EQ(PdfPageCount(file), 3);
        for (int page = 1; page <= 3; ++page) {
            const QString text = PageText(file, page);
            EXPECT_TRUE(text.contains(kPageTexts[page - 1])) << text.toStdString();
            EXPECT_EQ(HasFooterLine(text, QString::number(page)), main) << text.toStdString();
        }
        EXPECT_EQ(FocusName(), "ID_PDF_Button");
        dlg.reset();
    }
}

// A print into a PDF file, which the printer settings offer beside the
// printers, is written as the PDF tool writes its file: the report's pages
// whole, over an ordinary file only, and a failure names the file and why.
// By keys alone: 設定 by Tab and Space, then 印刷 by its mnemonic.
TEST_F(PreviewDlgTest, PrintIntoAPdfFileChosenInTheSettingsIsWrittenAsThePdfToolWritesIt) {
    const QString folder = dir.filePath("folder");
    ASSERT_TRUE(QDir().mkpath(folder));
    const QString old = dir.filePath("old.pdf");
    {
        QFile f(old);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("old");
    }
    const std::string fifo = dir.filePath("fifo.pdf").toStdString();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    struct Case {
        const char* name;
        std::string path;
        bool written;
    };
    const Case cases[] = {
        {"a new file", dir.filePath("印刷.pdf").toStdString(), true},
        {"an existing file", old.toStdString(), true},
        {"a missing folder", dir.filePath("none/report.pdf").toStdString(), false},
        {"a folder", folder.toStdString(), false},
        {"a pipe", fifo, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        auto& d = Open(5);
        d.Printer().setOutputFileName(QString());
        // What the print dialog sets when its PDF file output is chosen.
        d.SetPrinterSetup([&c](QPrinter& printer, QWidget*) {
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(QString::fromStdString(c.path));
            return true;
        });
        ShowForKeys(d);
        d.Preview().SetPreviewPage(2);
        const std::string was = test::Kind(c.path);
        const std::string refused = c.written ? "" : control.SavePdf(c.path);
        ASSERT_EQ(refused.empty(), c.written);
        ASSERT_TRUE(TabTo("ID_Set_Button"));
        Press(Qt::Key_Space);
        ScriptedMessages messages;
        if (!c.written)
            messages.Expect(refused, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        // A mnemonic presses its tool and clicks it 100 ms later.
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_P, Qt::AltModifier);
        QTest::qWait(150);
        Pump();
        EXPECT_TRUE(messages.AllShown());
        ExpectPreviewRestored(2);
        // The focus is back where the engineer left it.
        EXPECT_EQ(FocusName(), "ID_Set_Button");
        if (c.written) {
            const QString file = QString::fromStdString(c.path);
            ASSERT_EQ(PdfPageCount(file), 5);
            EXPECT_TRUE(PageText(file, 4).contains(kPageTexts[3]));
            EXPECT_TRUE(HasFooterLine(PageText(file, 4), "4"));
        } else {
            EXPECT_EQ(test::Kind(c.path), was);
        }
        dlg.reset();
    }
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none")));
}

TEST_F(PreviewDlgTest, SettingsToolOpensThePrinterSettingsOfTheDialogsPrinter) {
    auto& d = Open();
    QPrinter* asked = nullptr;
    d.SetPrinterSetup([&](QPrinter& printer, QWidget* parent) {
        asked = &printer;
        EXPECT_EQ(parent, dlg.get());
        return true;
    });
    d.Tool("ID_Set")->trigger();
    EXPECT_EQ(asked, &d.Printer());
    EXPECT_TRUE(report.calls.empty());
}

TEST_F(PreviewDlgTest, FailedPrintIsReportedAndThePreviewComesBack) {
    struct Case {
        const char* name;
        const char* tool;
        std::optional<int> failOn;  // the report fails for this page
        bool missingFolder;         // the printer's file cannot be opened
        const char* message;
    };
    const Case cases[] = {
        {"report fails on page print", "ID_PagePrint", 4, false, "帳票を作成できませんでした。"},
        {"report fails on full print", "ID_Print", 0, false, "帳票を作成できませんでした。"},
        // The printer's file cannot be written: the message names it and why.
        {"printer file in a missing folder", "ID_PagePrint", std::nullopt, true, nullptr},
        {"printer file in a missing folder, full", "ID_Print", std::nullopt, true, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto& d = Open();
        d.Preview().SetPreviewPage(4);
        const std::string missing = dir.filePath("none/printer.pdf").toStdString();
        if (c.missingFolder) d.Printer().setOutputFileName(QString::fromStdString(missing));
        const std::string message = c.message ? c.message : control.SavePdf(missing);
        ASSERT_FALSE(message.empty());
        // The report fails for the print only; the preview's rebuild works.
        int failures = 0;
        report.failOn = c.failOn;
        ScriptedMessages messages;
        messages.Expect(message, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        messages.OnShow([&] {
            ++failures;
            // The message stands over the restored preview.
            ExpectPreviewRestored(4);
        });
        dlg->Tool(c.tool)->trigger();
        EXPECT_EQ(failures, 1);
        ExpectPreviewRestored(4);
        EXPECT_EQ(dlg->PageText(), "4/5");
        EXPECT_FALSE(QFileInfo::exists(dir.filePath("none")));
    }
}

TEST_F(PreviewDlgTest, PdfIsSavedUnderTheChosenNameWithEveryPage) {
    auto& d = Open();
    // The dialog gives the name with the ".pdf" it adds to a name typed
    // without an extension.
    const std::string path = dir.filePath("のり枠報告.pdf").toStdString();
    ScriptedDialogs files;
    files.Expect(2, path);
    ScriptedMessages messages;
    d.Tool("ID_PDF")->trigger();

    ASSERT_EQ(files.shown.size(), 1u);
    const FileDialogRequest& r = files.shown[0];
    EXPECT_EQ(r.action, 2);
    EXPECT_EQ(r.title, "PDFファイルに保存");
    EXPECT_EQ(r.fileName, "");
    EXPECT_EQ(r.defaultExt, "pdf");
    EXPECT_EQ(r.filter, "PDFファイル(*.PDF)|*.PDF|");
    EXPECT_EQ(r.flags, 6);

    const QString pdf = QString::fromStdString(path);
    ASSERT_EQ(PdfPageCount(pdf), 5);
    const QString second = PageText(pdf, 2);
    EXPECT_TRUE(second.contains("荷重の計算結果")) << second.toStdString();
    EXPECT_FALSE(second.contains("設計条件一覧")) << second.toStdString();
    EXPECT_TRUE(HasFooterLine(second, "2")) << second.toStdString();
    EXPECT_EQ(Files(), QStringList{"のり枠報告.pdf"});
    EXPECT_TRUE(report.calls.empty());  // the document shown is saved as it is
}

TEST_F(PreviewDlgTest, PdfDialogCancelledWritesNothingAndSaysNothing) {
    auto& d = Open();
    ScriptedDialogs files;
    files.Expect(2, std::nullopt);
    ScriptedMessages messages;  // no message expected
    d.Tool("ID_PDF")->trigger();
    EXPECT_EQ(files.shown.size(), 1u);
    EXPECT_TRUE(Files().isEmpty());
}

TEST_F(PreviewDlgTest, PdfIntoAMissingFolderShowsTheReasonAndLeavesNothing) {
    auto& d = Open();
    const std::string path = dir.filePath("none/report.pdf").toStdString();
    const std::string reason = control.SavePdf(path);
    ASSERT_FALSE(reason.empty());
    ScriptedDialogs files;
    files.Expect(2, path);
    ScriptedMessages messages;
    messages.Expect(reason, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
    d.Tool("ID_PDF")->trigger();
    EXPECT_TRUE(Files().isEmpty());
}

// The PDF save of both programs' previews writes over ordinary files only:
// what is no file under the chosen name (or behind a link of that name) is
// left as it is and named in the message; a folder fails as before; a link
// to a file and a dangling link are saved through.
TEST_F(PreviewDlgTest, PdfIsWrittenOverOrdinaryFilesOnly) {
    for (PreviewProgram program : {PreviewProgram::Main, PreviewProgram::Companion}) {
        const bool main = program == PreviewProgram::Main;
        const QString place = dir.filePath(main ? "main" : "companion");
        ASSERT_TRUE(QDir().mkpath(place));
        int sock = -1;
        for (const test::OddTarget& t : test::MakeOddTargets(place.toStdString(), sock)) {
            SCOPED_TRACE(std::string(main ? "main: " : "companion: ") + t.name);
            const std::string was = test::Kind(t.path);
            auto& d = Open(2, program);
            // Restored from maximised, as a user may have it: the PDF tool
            // still stands on the bar.
            d.show();
            d.setWindowState(Qt::WindowNoState);
            ScriptedDialogs files;
            files.Expect(2, t.path);
            ScriptedMessages messages;
            if (t.outcome == test::OddTarget::Refused) {
                messages.Expect(t.path + " は、通常のファイルではありません。", MsgButtons::Ok,
                                MsgIcon::Exclamation, MsgResult::Ok);
            } else if (t.outcome == test::OddTarget::Folder) {
                messages.Expect(t.path + " に書き込めません。\n同じ名前のフォルダーがあります。",
                                MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
            }
            test::ClickToolButton(d.ToolBar(), d.Tool("ID_PDF"));
            EXPECT_TRUE(messages.AllShown());
            const std::string pdfFile = "file: %PDF";
            switch (t.outcome) {
                case test::OddTarget::Refused:
                case test::OddTarget::Folder:
                    EXPECT_EQ(test::Kind(t.path), was);
                    break;
                case test::OddTarget::ThroughLink:
                    EXPECT_EQ(test::Kind(t.path), was);
                    EXPECT_EQ(test::Kind(place.toStdString() + "/real.dat").substr(0, 10), pdfFile);
                    break;
                case test::OddTarget::Replaced:
                    EXPECT_EQ(test::Kind(t.path).substr(0, 10), pdfFile);
                    break;
            }
            dlg.reset();
        }
        ::close(sock);
    }
}

}  // namespace
}  // namespace talvo
