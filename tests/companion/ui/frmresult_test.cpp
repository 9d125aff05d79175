#include "companion/ui/frmResult.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <QApplication>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>
#include <filesystem>
#include <memory>
#include <tuple>

#include "companion/checks.h"
#include "companion/intake.h"
#include "companion/study.h"
#include "companion/ui/frmCondition.h"
#include "companion/ui/report_preview.h"
#include "platform/grid.h"
#include "platform/previewdlg.h"
#include "platform/printcontrol.h"
#include "platform/qtfiledialog.h"
#include "platform/updown.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "support/qt/clicks.h"
#include "support/qt/shots.h"
#include "support/scripted_dialogs.h"
#include "support/scripted_messages.h"

namespace talvo::companion {
namespace {

using talvo::test::ClickToolButton;
using talvo::test::ScriptedMessages;
using talvo::test::WhenModal;

const char* kRange = "値が有効範囲にありません。\r\n";

void EnterConditions() {
    SoilWeight = "18.0";
    FrameWeight = "24.0";
    InfillWeight = "20.0";
    SlopeRatio = "1.00";
    SlopeAngle = "45.00";
    DeltaFs = "0.20";
    ArcTopDistance = "0.000";
    SigmaCa = "8.0";
    SigmaSa = "180";
}

// A results window over a fresh study, as the start-up leaves it.
class ResultWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitAllTables();
        InitCompanion();
        window_ = std::make_unique<FrmResult>();
        window_->show();
    }
    void TearDown() override {
        window_->hide();
        window_.reset();
    }
    // Types a text into a cell and leaves it.
    void Type(Grid* grid, int col, int row, const char* text) {
        grid->item(row - 1, col - 1)->setText(QString::fromUtf8(text));
    }
    QString Cell(Grid* grid, int col, int row) { return grid->TextAt(col, row); }
    // Clicks a cell, types the text into it and presses `key`, each key going
    // where the focus is, as the keyboard sends it.
    void TypeAndPress(Grid* grid, int col, int row, const char* text, Qt::Key key) {
        window_->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
        const QRect cell = grid->visualItemRect(grid->item(row - 1, col - 1));
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cell.center());
        for (const char* c = text; *c; ++c) QTest::keyClick(QApplication::focusWidget(), *c);
        QTest::keyClick(QApplication::focusWidget(), key);
        QApplication::processEvents();
    }
    void Calculate() {
        EnterConditions();
        window_->cmdCalculate->click();
    }

    std::unique_ptr<FrmResult> window_;
};

TEST(CompanionStart, SettingsHelpAndDefaults) {
    QTemporaryDir folder;
    ScriptedMessages messages;
    // The warning names the help file that was sought.
    messages.Expect(
        "PATH 環境変数で指定されたディレクトリには Talvo1SI.HLP が見つかりません。\r\n"
        "ヘルプ機能は利用できません。",
        MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
    FrmResult* w = CompanionMain(folder.path().toStdString(), folder.path().toStdString());
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(messages.Shown().at(0).title, "ミルダ－ＳＩ ヘルプが見つかりません。");
    EXPECT_EQ(HelpPath, "");
    EXPECT_EQ(w->windowTitle(), QStringLiteral("ミルダ－ＳＩ  ［抑止可能な崩壊の規模］"));
    EXPECT_EQ(w->sprFrame->TextAt(1, 1), QStringLiteral("       1.200"));
    EXPECT_EQ(w->sprFrame->TextAt(2, 4), QStringLiteral("         300"));
    EXPECT_EQ(w->sprFrame->TextAt(1, 8), QStringLiteral("D10"));
    EXPECT_EQ(w->sprFrame->TextAt(2, 8), QStringLiteral("D13"));
    EXPECT_EQ(w->sprDeep->TextAt(1, 4), QStringLiteral("           2.0"));
    EXPECT_TRUE(w->optShape[0]->isChecked());
    EXPECT_FALSE(w->picShape->pixmap().isNull());
    // The help file in a folder of PATH is found by its own name.
    QTemporaryDir helpDir;
    QFile(helpDir.filePath("talvo1si.hlp")).open(QIODevice::WriteOnly);
    messages.Expect("終了してもよろしいですか？", MsgResult::Ok);
    w->close();  // deletes itself
    FrmResult* again =
        CompanionMain(folder.path().toStdString(), "/nonexistent:" + helpDir.path().toStdString());
    EXPECT_EQ(HelpPath, helpDir.filePath("talvo1si.hlp").toStdString());
    messages.Expect("終了してもよろしいですか？", MsgResult::Ok);
    again->close();
}

TEST_F(ResultWindowTest, EndQuestionBothWays) {
    Calculate();
    {
        ScriptedMessages messages;
        messages.Expect("終了してもよろしいですか？", MsgButtons::OkCancel, MsgIcon::Information,
                        MsgResult::Cancel);
        window_->cmdAppEnd->click();
        EXPECT_EQ(messages.Shown().at(0).title, kTitle);
    }
    EXPECT_TRUE(window_->isVisible());
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
    EXPECT_EQ(PatWidth[0], "  200");
    ScriptedMessages messages;
    messages.Expect("終了してもよろしいですか？", MsgResult::Ok);
    window_->cmdAppEnd->click();
    EXPECT_FALSE(window_->isVisible());
}

TEST_F(ResultWindowTest, CalculateAndSwitchShape) {
    {
        ScriptedMessages messages;
        messages.Expect("条件が不足しています", MsgButtons::Ok, MsgIcon::None, MsgResult::Ok);
        window_->cmdCalculate->click();
    }
    EXPECT_TRUE(Cell(window_->sprLength, 1, 1).isEmpty());
    Calculate();
    for (int r = 1; r <= 4; ++r)
        for (int c = 1; c <= 4; ++c) {
            EXPECT_FALSE(Cell(window_->sprLength, c, r).isEmpty()) << c << "," << r;
            EXPECT_EQ(Cell(window_->sprLength, c, r).toStdString(),
                      (c % 2 ? KekkaL : KekkaH)[(c - 1) / 2][r - 1]);
        }
    talvo::test::SaveShotIfAsked(window_.get(), "companion_results_wedge");
    window_->optShape[1]->click();
    EXPECT_EQ(ShapeMode, 1);
    EXPECT_EQ(Cell(window_->sprLength, 2, 1), QStringLiteral(" -  "));
    EXPECT_EQ(Cell(window_->sprLength, 3, 2).toStdString(), KekkaL[3][1]);
    talvo::test::SaveShotIfAsked(window_.get(), "companion_results_arc");
    // The shape is kept across a calculation.
    window_->cmdCalculate->click();
    EXPECT_TRUE(window_->optShape[1]->isChecked());
}

TEST_F(ResultWindowTest, StaleResultsAreCleared) {
    Calculate();
    // A pattern's edit clears that pattern's results only, both shapes.
    Type(window_->sprFrame, 2, 1, "1.5");
    EXPECT_EQ(PatSpanYoko[1], "1.5");
    EXPECT_EQ(Cell(window_->sprFrame, 2, 1), QStringLiteral("       1.500"));
    EXPECT_TRUE(Cell(window_->sprLength, 3, 1).isEmpty());
    EXPECT_EQ(KekkaL[3][0], "");
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
    // The same value again keeps them.
    window_->cmdCalculate->click();
    Type(window_->sprFrame, 1, 2, "1.2000");
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
    // A depth's edit clears everything.
    Type(window_->sprDeep, 1, 3, "2.5");
    for (int c = 1; c <= 4; ++c) EXPECT_TRUE(Cell(window_->sprLength, c, 3).isEmpty());
    EXPECT_EQ(KekkaL[2][0], "");
    // A calculation with a depth emptied keeps nothing for that depth.
    window_->cmdCalculate->click();
    Type(window_->sprDeep, 1, 2, "");
    window_->cmdCalculate->click();
    EXPECT_TRUE(Cell(window_->sprLength, 1, 2).isEmpty());
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
}

TEST_F(ResultWindowTest, CellChecksAndMarks) {
    struct Case {
        int col, row;
        const char* text;
        const char* message;  // nullptr: accepted
        const char* shown;
    };
    const Case cases[] = {
        {1, 4, "150.5", "有効範囲（100～1000)", "         200"},
        {1, 4, "150.0", "有効範囲（100～1000)", "         200"},
        {1, 1, "abc", "有効範囲（1～10）", "       1.200"},
        {1, 9, "2.5", nullptr, "           3"},
        {2, 5, "   ", nullptr, ""},  // blanks only: an emptied cell, no cross check
    };
    for (const Case& c : cases) {
        ScriptedMessages messages;
        if (c.message) messages.Expect(std::string(kRange) + c.message);
        Type(window_->sprFrame, c.col, c.row, c.text);
        EXPECT_EQ(Cell(window_->sprFrame, c.col, c.row), QString::fromUtf8(c.shown)) << c.text;
    }
    EXPECT_EQ(PatBarCount[0], "           3");  // stored as shown
    EXPECT_EQ(PatHeight[1], "");

    // A frame height equal to the effective height marks both rows and keeps
    // the pattern out of the next calculation.
    {
        ScriptedMessages messages;
        messages.Expect("有効高が枠高と同じか、超えています");
        Type(window_->sprFrame, 2, 5, "235");
        EXPECT_EQ(window_->sprFrame->ForeColorAt(2, 5), 255);
        EXPECT_EQ(window_->sprFrame->ForeColorAt(2, 6), 255);
    }
    Calculate();
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
    EXPECT_TRUE(Cell(window_->sprLength, 3, 1).isEmpty());
    Type(window_->sprFrame, 2, 5, "300");
    EXPECT_EQ(window_->sprFrame->ForeColorAt(2, 5), 0);
    EXPECT_EQ(window_->sprFrame->ForeColorAt(2, 6), 0);

    // Too many bars for the width: a message with a help button and a red count.
    ScriptedMessages messages;
    messages.Expect("鉄筋本数が最大主鉄筋本数を超えています。");
    Type(window_->sprFrame, 1, 9, "4");
    EXPECT_TRUE(messages.Shown().at(0).helpButton);
    EXPECT_EQ(window_->sprFrame->ForeColorAt(1, 9), 255);
    messages.Expect("中詰め材の厚さが枠高を超えています");
    Type(window_->sprFrame, 1, 7, "250");
    EXPECT_EQ(window_->sprFrame->ForeColorAt(1, 7), 255);
}

// Enter after typing commits the cell and makes the cell below the active
// one; the depth is shown with the decimals the calculation uses.
TEST_F(ResultWindowTest, EnterCommitsAndMovesDown) {
    struct Case {
        const char* name;
        bool deep;  // sprDeep, else sprFrame
        int col, row;
        const char* typed;
        const char* shown;
        const std::string* stored;
    };
    const Case cases[] = {
        {"depth with two decimals", true, 1, 2, "1.25", "           1.25", &FailDepth[1]},
        {"depth with three decimals", true, 1, 1, "0.125", "           0.125", &FailDepth[0]},
        {"whole depth", true, 1, 3, "2", "           2.0", &FailDepth[2]},
        {"span of pattern 2", false, 2, 1, "1.5", "       1.500", &PatSpanYoko[1]},
        {"width of pattern 1", false, 1, 4, "250", "         250", &PatWidth[0]},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Grid* grid = c.deep ? window_->sprDeep : window_->sprFrame;
        TypeAndPress(grid, c.col, c.row, c.typed, Qt::Key_Return);
        EXPECT_EQ(*c.stored, c.typed);
        EXPECT_EQ(Cell(grid, c.col, c.row), QString::fromUtf8(c.shown));
        EXPECT_EQ(grid->currentRow(), c.row);  // the next row, counted from 0
        EXPECT_EQ(grid->currentColumn(), c.col - 1);
    }
    talvo::test::SaveShotIfAsked(window_.get(), "companion_entered_with_enter");
    // Enter on a cell without typing moves down too; the last row stays.
    window_->sprDeep->setCurrentCell(3, 0);
    QTest::keyClick(window_->sprDeep, Qt::Key_Return);
    QApplication::processEvents();
    EXPECT_EQ(window_->sprDeep->currentRow(), 3);
}

TEST_F(ResultWindowTest, BarSizeButtons) {
    Calculate();
    window_->UpDownClick(0, false);  // D10 is the smallest: nothing happens
    EXPECT_EQ(PatBarIndex[0], 0);
    EXPECT_FALSE(Cell(window_->sprLength, 1, 1).isEmpty());
    window_->UpDown1[0]->DownButton()->click();
    window_->UpDown1[0]->UpButton()->click();
    EXPECT_EQ(PatBarIndex[0], 1);
    EXPECT_EQ(Cell(window_->sprFrame, 1, 8), QStringLiteral("D13"));
    EXPECT_DOUBLE_EQ(PatBarArea[0], 1.267);
    EXPECT_TRUE(Cell(window_->sprLength, 1, 1).isEmpty());
    EXPECT_FALSE(Cell(window_->sprLength, 3, 1).isEmpty());
    for (int i = 0; i < 12; ++i) window_->UpDownClick(1, true);
    EXPECT_EQ(PatBarIndex[1], 11);
}

// The bar spinners by keys: Tab from the grid's last cell reaches pattern
// 1's spinner, which shows that it has the focus, and the grid marks the bar
// name that spinner steps, not the cell left behind; Up and Down step the
// bar of the pattern marked.
TEST_F(ResultWindowTest, TheBarSpinnersShowTheirFocusAndTheBarTheyStep) {
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    Grid* grid = window_->sprFrame;
    UpDown* spin[2] = {window_->UpDown1[0], window_->UpDown1[1]};
    const QImage unfocused = spin[0]->grab().toImage();
    const QRect count2 = grid->visualItemRect(grid->item(8, 1));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, count2.center());
    auto key = [](int k, Qt::KeyboardModifiers m = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(k), m);
        QApplication::processEvents();
    };
    struct Step {
        int key;
        Qt::KeyboardModifiers modifiers;
        int spinner;         // the one with the focus after the key
        int barKey;          // Up or Down pressed there
        int index0, index1;  // the two patterns' bars after it
    };
    const Step steps[] = {
        {Qt::Key_Tab, Qt::NoModifier, 0, Qt::Key_Up, 1, 1},
        {Qt::Key_Tab, Qt::NoModifier, 1, Qt::Key_Up, 1, 2},
        {Qt::Key_Backtab, Qt::ShiftModifier, 0, Qt::Key_Down, 0, 2},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.spinner);
        key(s.key, s.modifiers);
        ASSERT_TRUE(spin[s.spinner]->hasFocus());
        // A band of the grid's selection colour round the arrows.
        const QImage shown = spin[s.spinner]->grab().toImage();
        const QRgb band = spin[s.spinner]->palette().color(QPalette::Highlight).rgb();
        for (const QPoint at : {QPoint(0, shown.height() / 2), QPoint(shown.width() - 1, 5),
                                QPoint(shown.width() / 2, 0)})
            EXPECT_EQ(shown.pixel(at), band) << at.x() << "," << at.y();
        EXPECT_EQ(spin[1 - s.spinner]->grab().toImage(), unfocused);
        EXPECT_EQ(grid->currentRow(), 7);
        EXPECT_EQ(grid->currentColumn(), s.spinner);
        key(s.barKey);
        EXPECT_EQ(PatBarIndex[0], s.index0);
        EXPECT_EQ(PatBarIndex[1], s.index1);
        EXPECT_EQ(grid->currentColumn(), s.spinner);
        EXPECT_EQ(Cell(grid, s.spinner + 1, 8),
                  QString::fromStdString(RebarSpecTable[PatBarIndex[s.spinner]].Name));
    }
    talvo::test::SaveShotIfAsked(window_.get(), "companion_bar_spinner_focus");
}

std::string PdfText(const QByteArray& pdf) {
    QTemporaryDir dir;
    const QString path = dir.filePath("report.pdf");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(pdf);
    f.close();
    QProcess p;
    p.start("pdftotext", {"-layout", path, "-"});
    p.waitForFinished(20000);
    if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
        QProcess png;
        png.start("pdftoppm", {"-png", "-r", "80", "-singlefile", path,
                               QString::fromLocal8Bit(shots) + "/companion_report"});
        png.waitForFinished(20000);
    }
    return p.readAllStandardOutput().toStdString();
}

// The engineer prints the study and saves it as PDF with the program's own
// file dialog: the print button, the preview's PDF tool, a name typed without
// an extension and the dialog's save button; then prints it and closes the preview by its tools.
TEST_F(ResultWindowTest, PdfAndPrintFromThePreviewsTools) {
    ProgramDialogs dialogs;     // as the program's main() installs them
    ScriptedMessages messages;  // no message expected
    Calculate();
    QTemporaryDir dir;
    // The dialog opens in the current folder, where the engineer types a
    // bare name.
    const QString kept = QDir::currentPath();
    QDir::setCurrent(dir.path());
    const QString printed = dir.filePath("printer.pdf");
    bool pagePrintOffered = true;
    WhenModal<PreviewDlg>([&](PreviewDlg* preview) {
        preview->setWindowState(Qt::WindowNoState);
        preview->resize(1024, 700);
        pagePrintOffered = preview->Tool("ID_PagePrint") != nullptr;
        talvo::test::SaveShotIfAsked(preview, "companion_preview");
        WhenModal<QFileDialog>([&](QFileDialog* files) {
            auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            ASSERT_NE(name, nullptr);
            QTest::keyClicks(name, QStringLiteral("study"));
            auto* buttons = files->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
            ASSERT_NE(buttons, nullptr);
            QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
            if (files->isVisible()) {
                ADD_FAILURE() << "the file dialog stayed open";
                files->reject();
            }
        });
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_PDF"));
        preview->Printer().setOutputFormat(QPrinter::PdfFormat);
        preview->Printer().setOutputFileName(printed);
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_Print"));
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_Close"));
    });
    QTest::mouseClick(window_->cmdPrint, Qt::LeftButton);
    QDir::setCurrent(kept);

    EXPECT_FALSE(pagePrintOffered);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), (QStringList{"printer.pdf", "study.pdf"}));
    for (const QString& pdf : {dir.filePath("study.pdf"), printed}) {
        QFile f(pdf);
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << pdf.toStdString();
        const std::string text = PdfText(f.readAll());
        EXPECT_NE(text.find("抑止可能な崩壊の規模 -くさび形-"), std::string::npos) << text;
        EXPECT_NE(text.find(TrimBlanks(KekkaL[0][0])), std::string::npos) << text;
    }
}

// Every message the companion shows carries its own title, the preview's
// among them: a print into a file and a PDF that cannot be written,
// provoked through the printer and the file dialog the preview is given, as
// much as the entries refused in the results window and the conditions.
TEST_F(ResultWindowTest, EveryMessageCarriesTheProgramsTitle) {
    QTemporaryDir dir;
    const std::string missing = QDir(dir.path()).filePath("none/study.pdf").toStdString();
    // What writing into the missing folder says, as any control says it.
    PrintControl control;
    DrawReportOn(control);
    const std::string pdfFailure = control.SavePdf(missing);
    ASSERT_FALSE(pdfFailure.empty());
    const std::string printerFile = QDir(dir.path()).filePath("none/printer.pdf").toStdString();
    const std::string printFailure = control.SavePdf(printerFile);
    ASSERT_FALSE(printFailure.empty());

    ScriptedMessages messages;
    // The results window: a refused cell, a section rule, the calculation.
    messages.Expect(std::string(kRange) + "有効範囲（1～10）");
    Type(window_->sprFrame, 1, 1, "abc");
    messages.Expect("有効高が枠高と同じか、超えています");
    Type(window_->sprFrame, 2, 5, "235");
    messages.Expect("鉄筋本数が最大主鉄筋本数を超えています。");
    Type(window_->sprFrame, 1, 9, "4");
    messages.Expect("条件が不足しています");
    window_->cmdCalculate->click();

    // The conditions: a value out of range, a value that is none.
    talvo::test::WhenModal<FrmCondition>([&](FrmCondition* dlg) {
        dlg->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(dlg));
        for (auto [box, typed, text] :
             {std::tuple{FrmCondition::Frame, "100",
                         "値が有効範囲にありません。\r有効範囲（0.1～99.9）"},
              std::tuple{FrmCondition::Safety, "0.2.1", "値が正しくありません。"}}) {
            QLineEdit* b = dlg->box[static_cast<std::size_t>(box)];
            messages.Expect(text);
            QTest::mouseClick(b, Qt::LeftButton);
            b->selectAll();
            QTest::keyClicks(b, typed);
            QTest::keyClick(b, Qt::Key_Tab);
        }
        QTest::mouseClick(dlg->Command2, Qt::LeftButton);
    });
    QTest::mouseClick(window_->cmdCondition, Qt::LeftButton);

    // The preview: its print tool with a printer whose file cannot be made,
    // its PDF tool with a name in a folder that is not there.
    talvo::test::ScriptedDialogs files;
    files.Expect(2, missing);
    talvo::test::WhenModal<PreviewDlg>([&](PreviewDlg* preview) {
        preview->Printer().setOutputFormat(QPrinter::PdfFormat);
        preview->Printer().setOutputFileName(QString::fromStdString(printerFile));
        messages.Expect(printFailure);
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_Print"));
        messages.Expect(pdfFailure);
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_PDF"));
        ClickToolButton(preview->ToolBar(), preview->Tool("ID_Close"));
    });
    QTest::mouseClick(window_->cmdPrint, Qt::LeftButton);

    messages.Expect("終了してもよろしいですか？", MsgResult::Cancel);
    window_->cmdAppEnd->click();

    ASSERT_EQ(messages.Shown().size(), 9u);
    for (const MessageRequest& shown : messages.Shown())
        EXPECT_EQ(shown.title, kTitle) << shown.text;
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none")));
}

TEST_F(ResultWindowTest, ReportThroughTheCompanionPreview) {
    Calculate();
    KekkaL[0][3] = "****";
    KekkaH[0][3] = "****";
    InfillMode = 0;
    static QString pageText;
    pageText.clear();
    InsatuPreview(window_.get(), [](PreviewDlg& dlg) {
        QMetaObject::invokeMethod(
            &dlg,
            [&dlg] {
                pageText = dlg.PageText();
                dlg.reject();
            },
            Qt::QueuedConnection);
    });
    EXPECT_EQ(pageText, QStringLiteral("1/1"));
    // The same page drawn onto a control of our own, read back from PDF.
    PrintControl control;
    DrawReportOn(control);
    EXPECT_EQ(control.PageCount(), 1);
    const std::string text = PdfText(control.PdfBytes());
    EXPECT_NE(text.find("抑止可能な崩壊の規模 -くさび形-"), std::string::npos) << text;
    EXPECT_NE(text.find("長さ L(m)"), std::string::npos);
    EXPECT_NE(text.find("*****"), std::string::npos);
    EXPECT_NE(text.find("崩壊形状図"), std::string::npos);
    EXPECT_NE(text.find("－"), std::string::npos);
    EXPECT_NE(text.find(KekkaL[1][0].substr(1)), std::string::npos);
    EXPECT_NE(text.find("45.00"), std::string::npos);

    ShapeMode = 1;
    PrintControl arc;
    DrawReportOn(arc);
    const std::string arcText = PdfText(arc.PdfBytes());
    EXPECT_NE(arcText.find("抑止可能な崩壊の規模 -円弧形-"), std::string::npos);
}

}  // namespace
}  // namespace talvo::companion
