// The design-file commands driven through the real main window: new, open,
// close, save, save as and the recent files, with the save question answered
// every way, refused and cancelled dialogs, and writes that fail.
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QRadioButton>
#include <QTest>
#include <cerrno>
#include <csignal>
#include <cstdlib>
#include <filesystem>

#include "platform/qtfiledialog.h"
#include "shell/numtext.h"
#include "shell/settings.h"
#include "shell/windows/shell_fixture.h"
#include "support/odd_targets.h"
#include "support/qt/clicks.h"

namespace talvo::test {
namespace {

class FileCommandsTest : public ShellTest {
protected:
    // An open, changed design: the district name typed in the selection step.
    void Change(const char* district = "変更後の地区") {
        Select()->txtGenba[0]->setText(QString::fromUtf8(district));
        Design.DistrictName = district;
        ASSERT_EQ(DataChanged, 1);
    }
    // Opens `path` through the open dialog of an unchanged design.
    void OpenThroughDialog(const std::string& path) {
        dialogs.Expect(1, path);
        Click("ID_ファイルを開く");
    }
};

TEST_F(FileCommandsTest, NewDesignStartsUntitledWithTheSelectionStep) {
    Open();
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
    EXPECT_EQ(CurrentFile, kUntitled);
    ASSERT_NE(Select(), nullptr);
    for (const char* id : {"ID_ファイルを閉じる", "ID_上書き保存", "ID_名前を付けて保存"}) {
        EXPECT_TRUE(Enabled(id)) << id;  // the selection step's load enables them
    }
    EXPECT_FALSE(Enabled("ID_アイコンの整列"));
    EXPECT_EQ(DataChanged, 0);
}

// The new command with a changed, untitled design, for each answer.
TEST_F(FileCommandsTest, NewAsksAndActsOnTheAnswer) {
    struct Case {
        MsgResult answer;
        std::optional<std::string> saveAs;  // the save dialog's answer after Yes
        bool replaced;                      // a new design follows
        bool written;
    };
    const Case cases[] = {
        {MsgResult::Yes, "kept.kvd", true, true},
        {MsgResult::Yes, std::nullopt, false, false},  // the save dialog cancelled
        {MsgResult::No, std::nullopt, true, false},
        {MsgResult::Cancel, std::nullopt, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.answer));
        Open();
        Change();
        const std::string target = Path("kept.kvd");
        std::filesystem::remove(target);
        messages.Expect(SaveQuestion("無題"), MsgButtons::YesNoCancel, MsgIcon::Exclamation,
                        c.answer);
        if (c.answer == MsgResult::Yes) {
            dialogs.Expect(2, c.saveAs ? std::optional<std::string>(target) : std::nullopt);
        }
        Click("ID_新規作成");
        EXPECT_EQ(std::filesystem::exists(target), c.written);
        if (c.written) {
            DesignData back;
            ASSERT_EQ(ReadDesignFile(target, back), DesignReadStatus::Ok);
            EXPECT_EQ(back.DistrictName, "変更後の地区");
        }
        if (c.replaced) {
            EXPECT_EQ(CurrentFile, kUntitled);
            EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
            EXPECT_EQ(Design.DistrictName, "");
            EXPECT_EQ(DataChanged, 0);
            ASSERT_NE(Select(), nullptr);
            EXPECT_EQ(Select()->txtGenba[0]->text(), "");
        } else {
            EXPECT_EQ(CurrentFile, kUntitled);
            EXPECT_EQ(Design.DistrictName, "変更後の地区");
            EXPECT_EQ(DataChanged, 1);
        }
        EXPECT_TRUE(Enabled("ID_新規作成"));
        main.reset();
    }
}

TEST_F(FileCommandsTest, OpenReadsTheFileAndShowsItsWorkType) {
    DesignData d = Sample(3, "北地区");
    d.PtDirect = 1;
    d.LineName = "第２測線";
    const std::string path = SaveFile("rock.kvd", d);
    Open();
    OpenThroughDialog(path);
    EXPECT_EQ(CurrentFile, path);
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［" + path + "］");
    EXPECT_EQ(Design.SectionBx, "300");
    EXPECT_EQ(DataChanged, 0);
    for (auto* flag : {&RecalcKusabi, &RecalcLoad, &RecalcForce, &RecalcAnchorBar, &RecalcResult}) {
        EXPECT_EQ(*flag, 1);
    }
    EXPECT_EQ(StepMode, 0);
    ASSERT_NE(Select(), nullptr);
    EXPECT_TRUE(Select()->Option3D1[3]->isChecked());
    EXPECT_TRUE(Select()->chkLoadInput->isChecked());
    EXPECT_TRUE(Select()->chkLoadInput->isEnabled());
    EXPECT_EQ(Select()->txtGenba[0]->text().toStdString(), "北地区");
    EXPECT_EQ(Select()->txtGenba[1]->text().toStdString(), "第２測線");
    EXPECT_EQ(RecentCount, 1);
    EXPECT_TRUE(Visible("ID_最近使ったファイル1"));
    EXPECT_EQ(ToolCaption("ID_最近使ったファイル1"), "&1 " + path);
    EXPECT_FALSE(Visible("ID_最近使ったファイル2"));
    EXPECT_FALSE(main->Busy());
}

// A file that cannot be read (missing, something that is no file, foreign,
// too short, a recent entry whose file was deleted, or a damaged file the
// engineer does not want opened): the message, and the open design stays as
// it was: its record and changes, its name and caption, its step chain at
// the same step, the file tools; the recent list does not move.
TEST_F(FileCommandsTest, FailedOpenKeepsTheOpenDesign) {
    const std::string mine = SaveFile("mine.kvd", Sample(3, "元の地区"));
    const std::string foreign = Path("other.kvd");
    WriteAll(foreign, std::string("\x08\x00\x48\x00", 4) + std::string(72, 'x') + "rest");
    const std::string shortFile = Path("short.kvd");
    WriteAll(shortFile, "\x08\x00");
    const std::string aFolder = Path("folder.kvd");
    std::filesystem::create_directory(aFolder);
    const std::string fifo = Path("fifo.kvd");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string loop = Path("loop.kvd");
    std::filesystem::create_symlink("loop.kvd", loop);
    const std::string deleted = SaveFile("deleted.kvd", Sample(1, "消えた"));
    const std::string damaged = Path("damaged.kvd");
    WriteAll(damaged, ReadAll(mine).substr(0, 79));  // cut inside the district's count
    // A work type no design has, written over the one our writer stored.
    const std::string strayType = Path("type9.kvd");
    std::string type9 = ReadAll(mine);
    type9[76] = '\x09';
    WriteAll(strayType, type9);
    const std::string tooLong = Path(std::string(256, 'n') + ".kvd");
    const std::string throughFile = mine + "/inside.kvd";
    const std::string notAFile = " は、通常のファイルではありません。";
    const std::string damagedQuestion =
        " は、壊れています。\r読み取れた部分を「無題」として開きますか？";
    struct Case {
        std::string path;
        std::string message;
        bool throughRecent;
        MsgResult answer;  // to the save question
        MsgButtons buttons = MsgButtons::Ok;
        MsgResult reply = MsgResult::Ok;  // to the message
    };
    const Case cases[] = {
        {Path("gone.kvd"), Path("gone.kvd") + " ファイルが存在しません。", false, MsgResult::No},
        {aFolder, aFolder + notAFile, false, MsgResult::No},
        {fifo, fifo + notAFile, false, MsgResult::No},
        {loop, loop + notAFile, false, MsgResult::No},
        {foreign, foreign + " は、Talvo-SI FILE ではありません。", false, MsgResult::No},
        {shortFile, shortFile + " は、Talvo-SI FILE ではありません。", false, MsgResult::Yes},
        {deleted, deleted + " ファイルが存在しません。", true, MsgResult::No},
        {damaged, damaged + damagedQuestion, false, MsgResult::No, MsgButtons::YesNo,
         MsgResult::No},
        {strayType, strayType + damagedQuestion, false, MsgResult::No, MsgButtons::YesNo,
         MsgResult::No},
        {tooLong, tooLong + " ファイルが開けません。\rファイル名またはパスが長すぎます。", false,
         MsgResult::No},
        {throughFile,
         throughFile + " ファイルが開けません。\rパスの途中にフォルダーではないものがあります。",
         false, MsgResult::No},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path);
        RecentCount = 2;
        RecentFile = {"", deleted, Path("a.kvd"), "", ""};
        Open();
        OpenThroughDialog(mine);
        Select()->cmdStart->click();
        Pump();
        ASSERT_TRUE(main->Steps()->ChainOpen());
        main->Steps()->ShowStep(3);
        Pump();
        Design.DistrictName = "変更後の地区";
        DataChanged = 1;
        const std::array<std::string, 5> recent = RecentFile;
        if (c.throughRecent) std::filesystem::remove(deleted);
        messages.Expect(SaveQuestion(mine), c.answer)
            .Expect(c.message, c.buttons, MsgIcon::Exclamation, c.reply);
        if (c.throughRecent) {
            Click(recent[1] == deleted ? "ID_最近使ったファイル1" : "ID_最近使ったファイル2");
        } else {
            OpenThroughDialog(c.path);
        }
        EXPECT_EQ(CurrentFile, mine);
        EXPECT_EQ(main->Caption(), ChainCaption(3, mine));
        EXPECT_EQ(Design.DistrictName, "変更後の地区");
        EXPECT_EQ(Design.WorkType, 3);
        EXPECT_EQ(DataChanged, c.answer == MsgResult::Yes ? 0 : 1);
        EXPECT_TRUE(main->Steps()->ChainOpen());
        EXPECT_EQ(CurStep, 3);
        EXPECT_EQ(main->Steps()->Step(3)->State(), WindowState::Normal);
        EXPECT_TRUE(Enabled("ID_上書き保存"));
        EXPECT_TRUE(Enabled("ID_ファイルを閉じる"));
        EXPECT_EQ(RecentFile, recent);
        EXPECT_FALSE(main->Busy());
        main.reset();
        WriteDesignFile(mine, Sample(3, "元の地区"));
        if (c.throughRecent) WriteDesignFile(deleted, Sample(1, "消えた"));
    }
}

// A damaged file opens only when the engineer wants it (No is the default):
// Yes opens what can be read as an untitled, changed design, so that saving
// asks for a name and the damaged file stays as it was.
TEST_F(FileCommandsTest, DamagedFileOpensUntitledWhenTheEngineerWantsIt) {
    DesignData d = Sample(3, "北地区");
    d.LineName = "第２測線";
    d.Remarks = "備考";
    const std::string path = SaveFile("anchor.kvd", d);
    std::string bytes = ReadAll(path);
    // The high byte of the second site name's count (after the signature,
    // the work type and the six bytes of 北地区): the count runs far past the end.
    ASSERT_EQ(bytes[87], '\0');
    bytes[87] = '\x40';
    WriteAll(path, bytes);

    Open();
    messages.Expect(path + " は、壊れています。\r読み取れた部分を「無題」として開きますか？",
                    MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::Yes);
    OpenThroughDialog(path);
    ASSERT_TRUE(messages.AllShown());
    EXPECT_EQ(messages.Shown().back().defaultButton, 1);  // No
    EXPECT_EQ(CurrentFile, kUntitled);
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［無題］");
    EXPECT_EQ(Design.WorkType, 3);
    EXPECT_EQ(Design.DistrictName, "北地区");
    EXPECT_EQ(Design.LineName, "");
    EXPECT_EQ(Design.Remarks, "");
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecentCount, 0);
    ASSERT_NE(Select(), nullptr);
    EXPECT_TRUE(Select()->Option3D1[3]->isChecked());
    EXPECT_EQ(Select()->txtGenba[0]->text().toStdString(), "北地区");
    EXPECT_TRUE(Enabled("ID_上書き保存"));

    // Saving asks for a name; the damaged file is not touched.
    const std::string rescued = Path("rescued.kvd");
    dialogs.Expect(2, rescued);
    Click("ID_上書き保存");
    EXPECT_EQ(ReadAll(path), bytes);
    EXPECT_EQ(CurrentFile, rescued);
    EXPECT_EQ(DataChanged, 0);
    DesignData back;
    ASSERT_EQ(ReadDesignFile(rescued, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "北地区");
}

// A cancelled or refused open dialog keeps the open design, its changes and
// its name, also after the question has been answered No.
TEST_F(FileCommandsTest, CancelledOpenKeepsTheDesignAndItsName) {
    const std::string path = SaveFile("mine.kvd", Sample(0, "元の地区"));
    struct Case {
        std::optional<std::string> choice;
        bool refusedMessage;
    };
    const Case cases[] = {{std::nullopt, false}, {Path("abcde"), true}};
    for (const Case& c : cases) {
        Open();
        OpenThroughDialog(path);
        Change();
        messages.Expect(SaveQuestion(path), MsgResult::No);
        if (c.refusedMessage) {
            messages.Expect("ファイル名が正しくありません。", MsgButtons::Ok, MsgIcon::None,
                            MsgResult::Ok);
        }
        dialogs.Expect(1, c.choice);
        Click("ID_ファイルを開く");
        EXPECT_EQ(CurrentFile, path);
        EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［" + path + "］");
        EXPECT_EQ(DataChanged, 1);
        EXPECT_EQ(Design.DistrictName, "変更後の地区");
        ASSERT_NE(Select(), nullptr);
        // Saving now goes to the design's own file, without a dialog.
        Click("ID_上書き保存");
        DesignData back;
        ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
        EXPECT_EQ(back.DistrictName, "変更後の地区");
        EXPECT_EQ(DataChanged, 0);
        WriteDesignFile(path, Sample(0, "元の地区"));
        main.reset();
    }
}

TEST_F(FileCommandsTest, CloseWithNoLeavesNoDesignAndNothingToAsk) {
    Open();
    Change();
    messages.Expect(SaveQuestion("無題"), MsgResult::No);
    Click("ID_ファイルを閉じる");
    EXPECT_EQ(CurrentFile, kNoFile);
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［ファイルなし］");
    EXPECT_EQ(Select(), nullptr);
    EXPECT_EQ(Design.DistrictName, "");
    EXPECT_EQ(Design.WorkType, 5);
    EXPECT_EQ(DataChanged, 0);
    for (const char* id :
         {"ID_ファイルを閉じる", "ID_上書き保存", "ID_名前を付けて保存", "ID_アイコンの整列"}) {
        EXPECT_FALSE(Enabled(id)) << id;
    }
    // Nothing is pending: the new command asks no question.
    Click("ID_新規作成");
    EXPECT_EQ(CurrentFile, kUntitled);
}

TEST_F(FileCommandsTest, SaveWritesTheOwnFileAndAsksOnlyForANewOne) {
    Open();
    Change("一回目");
    // Untitled: the save dialog; a cancelled one writes nothing.
    dialogs.Expect(2, std::nullopt);
    Click("ID_上書き保存");
    EXPECT_EQ(CurrentFile, kUntitled);
    EXPECT_EQ(DataChanged, 1);
    const std::string path = Path("first.kvd");
    dialogs.Expect(2, path);
    Click("ID_上書き保存");
    EXPECT_EQ(CurrentFile, path);
    EXPECT_EQ(DataChanged, 0);
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［" + path + "］");
    EXPECT_EQ(dialogs.shown.back().defaultExt, "kvd");
    EXPECT_EQ(dialogs.shown.back().filter, "Talvo-SI FILE (*.kvd)|*.kvd|All Files (*.*)|*.*|");
    // The save dialog asks before it replaces an existing file.
    EXPECT_EQ(dialogs.shown.back().flags,
              CommonDialog::kHideReadOnly | CommonDialog::kOverwritePrompt);
    EXPECT_EQ(dialogs.shown.back().fileName, "");
    // A cancelled save-as changes nothing; the next save writes the own file.
    Change("二回目");
    dialogs.Expect(2, std::nullopt);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(CurrentFile, path);
    EXPECT_EQ(DataChanged, 1);
    Click("ID_上書き保存");
    DesignData back;
    ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "二回目");
    EXPECT_TRUE(Enabled("ID_上書き保存"));
    // Save as asks with the same flag, over the design's own file too; the
    // open dialog has nothing to replace.
    Change("三回目");
    dialogs.Expect(2, path);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(dialogs.shown.back().flags,
              CommonDialog::kHideReadOnly | CommonDialog::kOverwritePrompt);
    dialogs.Expect(1, path);
    Click("ID_ファイルを開く");
    EXPECT_EQ(dialogs.shown.back().flags, CommonDialog::kHideReadOnly);
}

// Save as onto an existing design through the program's own file dialog:
// the dialog asks before replacing it. No keeps the old file byte for byte
// and the dialog open for another name; Yes replaces it.
TEST_F(FileCommandsTest, SaveAsOverAnExistingDesignAsksFirst) {
    const std::string mine = SaveFile("mine.kvd", Sample(2, "元の地区"));
    const std::string other = SaveFile("other.kvd", Sample(4, "別の設計"));
    const std::string otherBytes = ReadAll(other);
    Open();
    OpenThroughDialog(mine);
    Change("新しい地区");
    QtFileDialogSink qtFiles(main.get());
    FileDialogSink* scripted = SetFileDialogSink(&qtFiles);
    int asked = 0;
    bool stayedOpen = false;
    std::string whileOpen;
    WhenModal<QFileDialog>([&](QFileDialog* files) {
        auto* name = files->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        auto* buttons = files->findChild<QDialogButtonBox*>(QStringLiteral("buttonBox"));
        ASSERT_NE(name, nullptr);
        ASSERT_NE(buttons, nullptr);
        auto answer = [&](QMessageBox::StandardButton button) {
            WhenModal<QMessageBox>([&, button](QMessageBox* box) {
                ++asked;
                EXPECT_TRUE(box->text().contains(QStringLiteral("other.kvd")))
                    << box->text().toStdString();
                QTest::mouseClick(box->button(button), Qt::LeftButton);
            });
        };
        name->setText(QStringLiteral("other.kvd"));
        answer(QMessageBox::No);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        stayedOpen = files->isVisible();
        whileOpen = ReadAll(other);
        name->setText(QStringLiteral("other.kvd"));
        answer(QMessageBox::Yes);
        QTest::mouseClick(buttons->button(QDialogButtonBox::Save), Qt::LeftButton);
        if (files->isVisible()) {
            ADD_FAILURE() << "the file dialog stayed open after Yes";
            files->reject();
        }
    });
    Click("ID_名前を付けて保存");
    SetFileDialogSink(scripted);

    EXPECT_EQ(asked, 2);
    EXPECT_TRUE(stayedOpen);
    EXPECT_EQ(whileOpen, otherBytes);
    EXPECT_EQ(CurrentFile, other);
    EXPECT_EQ(DataChanged, 0);
    DesignData back;
    ASSERT_EQ(ReadDesignFile(other, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "新しい地区");
    EXPECT_EQ(back.WorkType, 2);
    // The overwrite save of the named design asks nothing and shows no dialog.
    Change("もう一度");
    Click("ID_上書き保存");
    ASSERT_EQ(ReadDesignFile(other, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "もう一度");
    EXPECT_EQ(asked, 2);
}

// What another program does to a design file while this one has it open.
enum class OtherWriter {
    None,
    Rewrote,          // saved another design there (another size)
    SameSizeAndTime,  // other bytes of the same size, the time set back to the old one
    Removed,
};

// Changes `path` behind the program's back as `what` says.
void ActBehindTheProgram(const std::string& path, OtherWriter what) {
    struct stat before {};
    ASSERT_EQ(::stat(path.c_str(), &before), 0);
    switch (what) {
        case OtherWriter::None:
            break;
        case OtherWriter::Rewrote: {
            DesignData theirs;
            theirs.WorkType = 4;
            theirs.DistrictName = "ほかの窓で保存した地区";
            ASSERT_TRUE(WriteDesignFile(path, theirs).ok);
            break;
        }
        case OtherWriter::SameSizeAndTime: {
            // Another work type: one byte after the signature item.
            std::string bytes = ReadAll(path);
            ASSERT_GT(bytes.size(), 76u);
            bytes[76] = bytes[76] == '\x01' ? '\x02' : '\x01';
            WriteAll(path, bytes);
            const struct timespec times[2] = {before.st_atim, before.st_mtim};
            ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
            struct stat after {};
            ASSERT_EQ(::stat(path.c_str(), &after), 0);
            ASSERT_EQ(after.st_size, before.st_size);
            ASSERT_EQ(after.st_mtim.tv_sec, before.st_mtim.tv_sec);
            ASSERT_EQ(after.st_mtim.tv_nsec, before.st_mtim.tv_nsec);
            break;
        }
        case OtherWriter::Removed:
            ASSERT_TRUE(std::filesystem::remove(path));
            break;
    }
}

std::string ChangedQuestion(const std::string& path) {
    return path + " は、読み込んだ後にほかのプログラムで変更されています。\r上書きしますか？";
}

// The overwrite save compares the design's file with what this program read
// there: when another program (or another window of this one) has written
// there since, it asks first, No the default. No leaves that file byte for
// byte and the design open and changed; Yes writes. A file unchanged or
// removed since is written without a question.
TEST_F(FileCommandsTest, OverwriteSaveAsksWhenAnotherWriterChangedTheFile) {
    const struct {
        const char* name;
        OtherWriter other;
        bool asked;
    } cases[] = {
        {"another writer saved there", OtherWriter::Rewrote, true},
        {"same size and time, other bytes", OtherWriter::SameSizeAndTime, true},
        {"unchanged", OtherWriter::None, false},
        {"removed", OtherWriter::Removed, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const std::string path = SaveFile("mine.kvd", Sample(0, "元の地区"));
        Open();
        OpenThroughDialog(path);
        Change("保存する地区");
        ActBehindTheProgram(path, c.other);
        const std::string theirs = ReadAll(path);
        if (c.asked) {
            messages.Expect(ChangedQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation,
                            MsgResult::No);
            Click("ID_上書き保存");
            ASSERT_TRUE(messages.AllShown());
            EXPECT_EQ(messages.Shown().back().defaultButton, 1);  // No
            EXPECT_EQ(ReadAll(path), theirs);
            EXPECT_EQ(CurrentFile, path);
            EXPECT_EQ(DataChanged, 1);
            EXPECT_EQ(Design.DistrictName, "保存する地区");
            EXPECT_TRUE(Enabled("ID_上書き保存"));
            messages.Expect(ChangedQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation,
                            MsgResult::Yes);
        }
        Click("ID_上書き保存");
        EXPECT_TRUE(messages.AllShown());
        DesignData back;
        ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
        EXPECT_EQ(back.DistrictName, "保存する地区");
        EXPECT_EQ(DataChanged, 0);
        // What was written is now what the program knows of the file: the
        // next save asks nothing.
        Change("もう一度");
        Click("ID_上書き保存");
        ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
        EXPECT_EQ(back.DistrictName, "もう一度");
        main.reset();
    }
}

// The save question of the exit (and of new, open and close) writes over the
// design's own file only as the overwrite save does: after another program
// wrote there, it asks, and No keeps the program running with the design
// open, so that it can be saved under another name.
TEST_F(FileCommandsTest, SaveQuestionAsksTooBeforeWritingOverAChangedFile) {
    const std::string path = SaveFile("mine.kvd", Sample(0, "元の地区"));
    Open();
    OpenThroughDialog(path);
    Change("保存する地区");
    ActBehindTheProgram(path, OtherWriter::Rewrote);
    const std::string theirs = ReadAll(path);
    for (const char* tool : {"ID_新規作成", "ID_ファイルを閉じる", "ID_タルヴォ－SI の終了"}) {
        SCOPED_TRACE(tool);
        messages.Expect(SaveQuestion(path), MsgResult::Yes)
            .Expect(ChangedQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
        Click(tool);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(ReadAll(path), theirs);
        EXPECT_EQ(ended, 0);
        EXPECT_FALSE(main->Unloaded());
        EXPECT_EQ(CurrentFile, path);
        EXPECT_EQ(Design.DistrictName, "保存する地区");
        EXPECT_EQ(DataChanged, 1);
        ASSERT_NE(Select(), nullptr);
    }
    // Yes writes over it, and the program ends.
    messages.Expect(SaveQuestion(path), MsgResult::Yes)
        .Expect(ChangedQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::Yes);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_TRUE(main->Unloaded());
    DesignData back;
    ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "保存する地区");
}

// After a save as, the overwrite save compares the new file with what was
// written there, and the old file is no longer the design's.
TEST_F(FileCommandsTest, SaveAsMovesTheComparisonToTheNewFile) {
    const std::string first = SaveFile("first.kvd", Sample(0, "元の地区"));
    const std::string second = Path("second.kvd");
    Open();
    OpenThroughDialog(first);
    Change("保存する地区");
    dialogs.Expect(2, second);
    Click("ID_名前を付けて保存");
    ASSERT_EQ(CurrentFile, second);
    ActBehindTheProgram(first, OtherWriter::Rewrote);
    Change("二回目");
    Click("ID_上書き保存");  // no question: the first file is not the design's any more
    DesignData back;
    ASSERT_EQ(ReadDesignFile(second, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "二回目");
    ActBehindTheProgram(second, OtherWriter::Rewrote);
    const std::string theirs = ReadAll(second);
    Change("三回目");
    messages.Expect(ChangedQuestion(second), MsgButtons::YesNo, MsgIcon::Exclamation,
                    MsgResult::No);
    Click("ID_上書き保存");
    EXPECT_EQ(ReadAll(second), theirs);
    EXPECT_EQ(DataChanged, 1);
}

// One byte through a pipe between the test and a program it forked.
void Send(int fd, char c) {
    while (::write(fd, &c, 1) < 0 && errno == EINTR) {
    }
}

// Two programs press 上書き保存 on one design at the same moment, a hundred
// times over: the save that comes second finds the file changed, or being
// saved, and asks; never do both write over it without a word.
TEST_F(FileCommandsTest, TwoSavesAtTheSameMomentNeverBothGoSilently) {
    // The forked copies would share a display connection with this one.
    if (QGuiApplication::platformName() != "offscreen") GTEST_SKIP() << "offscreen only";
    const std::string path = SaveFile("shared.kvd", Sample(0, "元の地区"));
    const std::string original = ReadAll(path);
    Open();
    OpenThroughDialog(path);
    constexpr char Silent = 's', Asked = 'a', Other = 'o';
    const char* const districts[2] = {"一人目の地区", "二人目の地区"};
    // The two programs: copies of this one, each with its own change,
    // answering No to whatever they are asked. Each round they read the file
    // afresh, say they are ready, and press the tool when told.
    int order[2][2], report[2][2], go[2];
    ASSERT_EQ(::pipe(go), 0);
    pid_t child[2] = {0, 0};
    // Should the test stop half way, the programs it forked go with it.
    struct Reaper {
        pid_t* child;
        ~Reaper() {
            for (int k = 0; k < 2; ++k) {
                if (child[k] <= 0) continue;
                ::kill(child[k], SIGKILL);
                ::waitpid(child[k], nullptr, 0);
            }
        }
    } reaper{child};
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(::pipe(order[k]), 0);
        ASSERT_EQ(::pipe(report[k]), 0);
        child[k] = ::fork();
        ASSERT_GE(child[k], 0);
        if (child[k] != 0) continue;
        struct AnswerNo : MessageSink {
            std::string asked;
            MsgResult Show(const MessageRequest& request) override {
                asked = request.text;
                return MsgResult::No;
            }
        } sink;
        SetMessageSink(&sink);
        auto get = [](int fd) {
            char c = 0;
            while (::read(fd, &c, 1) < 0 && errno == EINTR) {
            }
            return c;
        };
        while (get(order[k][0]) == 'r') {
            DesignFileStamp = TakeFileStamp(path);
            Select()->txtGenba[0]->setText(QString::fromUtf8(districts[k]));
            // The same text again after a save changes nothing on screen:
            // the design is changed all the same.
            DataChanged = 1;
            sink.asked.clear();
            Send(report[k][1], 'p');
            get(go[0]);
            Click("ID_上書き保存");
            const char outcome = sink.asked.empty() ? (DataChanged == 0 ? Silent : Other)
                                 : sink.asked == ChangedQuestion(path) ? Asked
                                                                       : Other;
            Send(report[k][1], outcome);
        }
        ::_exit(0);
    }
    auto get = [](int fd) {
        char c = 0;
        while (::read(fd, &c, 1) < 0 && errno == EINTR) {
        }
        return c;
    };
    int bothSilent = 0, bothAsked = 0, odd = 0, lost = 0;
    for (int round = 0; round < 100; ++round) {
        WriteAll(path, original);
        for (int k = 0; k < 2; ++k) Send(order[k][1], 'r');
        for (int k = 0; k < 2; ++k) ASSERT_EQ(get(report[k][0]), 'p');
        Send(go[1], 'g');  // both at once
        Send(go[1], 'g');
        char outcome[2];
        for (int k = 0; k < 2; ++k) outcome[k] = get(report[k][0]);
        if (outcome[0] == Silent && outcome[1] == Silent) {
            ++bothSilent;
        } else if (outcome[0] == Asked && outcome[1] == Asked) {
            ++bothAsked;
        } else if (outcome[0] == Other || outcome[1] == Other) {
            ++odd;
        } else {
            // One wrote, the other asked: the file holds the one that wrote.
            DesignData back;
            ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
            if (back.DistrictName != districts[outcome[0] == Silent ? 0 : 1]) ++lost;
        }
    }
    for (int k = 0; k < 2; ++k) {
        Send(order[k][1], 'q');
        int status = 0;
        ASSERT_EQ(::waitpid(child[k], &status, 0), child[k]);
        child[k] = 0;
        for (int fd : {order[k][0], order[k][1], report[k][0], report[k][1]}) ::close(fd);
    }
    ::close(go[0]);
    ::close(go[1]);
    EXPECT_EQ(bothSilent, 0) << "rounds in which one save replaced the other's unasked";
    EXPECT_EQ(bothAsked, 0) << "rounds in which neither saved";
    EXPECT_EQ(odd, 0) << "rounds with another message or a failed save";
    EXPECT_EQ(lost, 0) << "rounds whose file is not the silent save's";
}

// A save that finds another save of the file under way waits for it a
// moment, then treats the file as changed by that program and asks; a lock
// that a killed program left holds up no save.
TEST_F(FileCommandsTest, SaveFindingAnotherSaveUnderWayAsks) {
    const std::string path = SaveFile("mine.kvd", Sample(0, "元の地区"));
    Open();
    OpenThroughDialog(path);
    Change("保存する地区");
    const std::string before = ReadAll(path);
    {
        const SaveLock other(path, 0);
        ASSERT_TRUE(other.Held());
        messages.Expect(ChangedQuestion(path), MsgButtons::YesNo, MsgIcon::Exclamation,
                        MsgResult::No);
        Click("ID_上書き保存");
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(ReadAll(path), before);
        EXPECT_EQ(DataChanged, 1);
    }
    const pid_t killed = ::fork();
    ASSERT_GE(killed, 0);
    if (killed == 0) {
        SaveLock left(path, 0);
        ::kill(::getpid(), SIGKILL);
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(std::filesystem::exists(Path(".mine.kvd.lock")));
    Click("ID_上書き保存");  // no question
    DesignData back;
    ASSERT_EQ(ReadDesignFile(path, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, "保存する地区");
    EXPECT_EQ(DataChanged, 0);
    EXPECT_FALSE(std::filesystem::exists(Path(".mine.kvd.lock")));
}

// The design's save and the settings save at exit write over ordinary files
// only: a pipe, a socket or a device under the name (or behind a link of
// that name) and a loop of links are left as they are and named in the
// message; a folder fails as before; a link to a file and a dangling link
// are saved through.
TEST_F(FileCommandsTest, SavesWriteOnlyOverOrdinaryFiles) {
    for (const char* what : {"design", "settings"}) {
        const bool design = std::string(what) == "design";
        const std::string place = Path(what);
        std::filesystem::create_directory(place);
        int sock = -1;
        for (const OddTarget& t : MakeOddTargets(place, sock)) {
            SCOPED_TRACE(std::string(what) + ": " + t.name);
            const std::string was = Kind(t.path);
            std::string message;
            if (t.outcome == OddTarget::Refused) {
                message =
                    design ? t.path + " は、通常のファイルではありません。"
                           : t.path + " に設定を保存できません。\r通常のファイルではありません。";
            } else if (t.outcome == OddTarget::Folder) {
                message =
                    design ? t.path + " に書き込めません。\n同じ名前のフォルダーがあります。"
                           : t.path +
                                 " に設定を保存できません。\n"
                                 "ファイルを置き換えられません: 同じ名前のフォルダーがあります。";
            }
            if (!message.empty())
                messages.Expect(message, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
            Open();
            if (design) {
                Change();
                dialogs.Expect(2, t.path);
                Click("ID_名前を付けて保存");
                EXPECT_EQ(CurrentFile, message.empty() ? t.path : std::string(kUntitled));
                EXPECT_EQ(DataChanged, message.empty() ? 0 : 1);
            } else {
                IniPath = t.path;
                Click("ID_タルヴォ－SI の終了");
                EXPECT_TRUE(main->Unloaded());
            }
            EXPECT_TRUE(messages.AllShown());
            const std::string written =
                design ? "file: " + SerializeDesign(Design) : "file: " + SerializeSettings();
            switch (t.outcome) {
                case OddTarget::Refused:
                case OddTarget::Folder:
                    EXPECT_EQ(Kind(t.path), was);
                    break;
                case OddTarget::ThroughLink:
                    EXPECT_EQ(Kind(t.path), was);
                    EXPECT_EQ(Kind(place + "/real.dat"), written);
                    break;
                case OddTarget::Replaced:
                    EXPECT_EQ(Kind(t.path), written);
                    break;
            }
            main.reset();
        }
        ::close(sock);
    }
}

// The save dialog's name rule: a name without "." may have up to 4 characters.
TEST_F(FileCommandsTest, SaveAsRefusesLongNamesWithoutExtension) {
    struct Case {
        const char* name;
        bool refused;
    };
    std::string longest;  // 80 full-width characters and ".kvd": 244 bytes
    for (int i = 0; i < 80; ++i) longest += "設";
    longest += ".kvd";
    const Case cases[] = {{"ab", false},           {"abcd", false},      {"abcde", true},
                          {"abcde.kvd", false},    {"設計例です", true}, {"設計例", false},
                          {longest.c_str(), false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Open();
        Change();
        const std::string path = Path(c.name);
        if (c.refused) {
            messages.Expect("ファイル名が正しくありません。", MsgButtons::Ok, MsgIcon::None,
                            MsgResult::Ok);
        }
        dialogs.Expect(2, path);
        Click("ID_名前を付けて保存");
        EXPECT_EQ(std::filesystem::exists(path), !c.refused);
        EXPECT_EQ(CurrentFile, c.refused ? std::string(kUntitled) : path);
        EXPECT_EQ(DataChanged, c.refused ? 1 : 0);
        main.reset();
    }
}

// A write that fails loses nothing: the design keeps its changes, its name,
// its caption and the recent list, and the question's caller stops.
TEST_F(FileCommandsTest, FailedWriteKeepsTheDesignAndStopsTheCommand) {
    const std::string own = SaveFile("own.kvd", Sample(1, "元"));
    Open();
    OpenThroughDialog(own);
    Change();
    const std::string caption = main->Caption();
    // Save as into a folder that does not exist: the message names the file.
    const std::string nowhere = Path("no-such-folder/x.kvd");
    messages.Expect(nowhere + " に書き込めません。\nファイルまたはフォルダーが見つかりません。",
                    MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
    dialogs.Expect(2, nowhere);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(CurrentFile, own);
    EXPECT_EQ(main->Caption(), caption);
    EXPECT_EQ(DataChanged, 1);
    EXPECT_EQ(RecentCount, 1);
    EXPECT_EQ(RecentFile[1], own);
    EXPECT_FALSE(main->Busy());

    // The own file has become a folder: the save question's Yes cannot write,
    // so neither the new command nor the exit gives the design up.
    std::filesystem::remove(own);
    std::filesystem::create_directory(own);
    const std::string error = own + " に書き込めません。\n同じ名前のフォルダーがあります。";
    messages.Expect(SaveQuestion(own), MsgResult::Yes).Expect(error, MsgResult::Ok);
    Click("ID_新規作成");
    EXPECT_EQ(CurrentFile, own);
    EXPECT_EQ(Design.DistrictName, "変更後の地区");
    EXPECT_EQ(DataChanged, 1);
    messages.Expect(SaveQuestion(own), MsgResult::Yes).Expect(error, MsgResult::Ok);
    Click("ID_タルヴォ－SI の終了");
    EXPECT_EQ(ended, 0);
    EXPECT_FALSE(main->Unloaded());
    EXPECT_EQ(Design.DistrictName, "変更後の地区");
}

TEST_F(FileCommandsTest, RecentListMovesAndKeepsFourEntries) {
    const std::string a = SaveFile("A.kvd", Sample(0, "A")), b = SaveFile("B.kvd", Sample(1, "B")),
                      c = SaveFile("C.kvd", Sample(2, "C")), d = SaveFile("D.kvd", Sample(3, "D")),
                      e = SaveFile("E.kvd", Sample(4, "E"));
    RecentCount = 4;
    RecentFile = {"", a, b, c, d};
    Open();
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(ToolCaption("ID_最近使ったファイル" + std::to_string(n)),
                  "&" + std::to_string(n) + " " + RecentFile[n]);
    }
    Click("ID_最近使ったファイル3");
    EXPECT_EQ(CurrentFile, c);
    EXPECT_EQ(Design.DistrictName, "C");
    EXPECT_EQ(RecentFile, (std::array<std::string, 5>{"", c, a, b, d}));
    OpenThroughDialog(e);
    EXPECT_EQ(RecentFile, (std::array<std::string, 5>{"", e, c, a, b}));
    EXPECT_EQ(RecentCount, 4);
    for (int n = 1; n <= 4; ++n) {
        EXPECT_EQ(ToolCaption("ID_最近使ったファイル" + std::to_string(n)),
                  "&" + std::to_string(n) + " " + RecentFile[n]);
        EXPECT_TRUE(Visible("ID_最近使ったファイル" + std::to_string(n)));
    }
    // Cancel in the question keeps the open design.
    Change();
    messages.Expect(SaveQuestion(e), MsgResult::Cancel);
    Click("ID_最近使ったファイル2");
    EXPECT_EQ(CurrentFile, e);
    EXPECT_EQ(Design.DistrictName, "変更後の地区");
    // A recent number without an entry does nothing.
    Click("ID_最近使ったファイル9");
    EXPECT_EQ(CurrentFile, e);
}

TEST_F(FileCommandsTest, RecentListComparesPathsExactly) {
    RecentCount = 2;
    RecentFile = {"", Path("A.kvd"), Path("B.kvd"), "", ""};
    Open();
    Change();
    dialogs.Expect(2, Path("A.kvd"));
    Click("ID_名前を付けて保存");
    EXPECT_EQ(RecentFile, (std::array<std::string, 5>{"", Path("A.kvd"), Path("B.kvd"), "", ""}));
    dialogs.Expect(2, Path("a.kvd"));
    Click("ID_名前を付けて保存");
    EXPECT_EQ(RecentCount, 3);
    EXPECT_EQ(RecentFile[1], Path("a.kvd"));
    EXPECT_TRUE(Visible("ID_最近使ったファイル3"));
    EXPECT_FALSE(Visible("ID_最近使ったファイル4"));
}

// One design opened by different paths is one entry: "..", "." and a linked
// folder lead to the same file. The entry keeps the path as opened, without
// its "." and ".." steps.
TEST_F(FileCommandsTest, RecentListHoldsAFileOnceWhateverPathOpenedIt) {
    const std::string a = SaveFile("A.kvd", Sample(1, "A"));
    const std::string b = SaveFile("B.kvd", Sample(2, "B"));
    std::filesystem::create_directory(Path("sub"));
    std::filesystem::create_directory_symlink(folder, Path("link"));
    struct Case {
        const char* name;
        std::array<std::string, 5> before;
        std::string opened;
        std::string top;
    };
    const Case cases[] = {
        {"a folder down and up again", {"", a, b}, Path("sub/../A.kvd"), a},
        {"the plain path of an entry kept with ..", {"", b, Path("sub/../A.kvd")}, a, a},
        {"a step of .", {"", b, a}, Path("./A.kvd"), a},
        {"a linked folder", {"", a, b}, Path("link/A.kvd"), Path("link/A.kvd")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RecentCount = 2;
        RecentFile = c.before;
        Open();
        OpenThroughDialog(c.opened);
        EXPECT_EQ(Design.DistrictName, "A");
        EXPECT_EQ(RecentCount, 2);
        EXPECT_EQ(RecentFile, (std::array<std::string, 5>{"", c.top, b, "", ""}));
        EXPECT_FALSE(Visible("ID_最近使ったファイル3"));
        main.reset();
        Pump();
    }
}

// Saving from the step chain names the work type in the caption; saving from
// the selection step does not.
TEST_F(FileCommandsTest, SaveCaptionFollowsTheOpenWindows) {
    Open();
    Select()->Option3D1[1]->setChecked(true);
    const std::string path = Path("arc.kvd");
    dialogs.Expect(2, path);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ  ［" + path + "］");
    Select()->cmdStart->click();
    ASSERT_TRUE(main->Steps()->ChainOpen());
    Click("ID_上書き保存");
    EXPECT_EQ(main->Caption(), "タルヴォ－ＳＩ（円弧形崩壊）  ［" + path + "］");
}

// The sample design of examples/ is written by our own writer (set
// TALVO_WRITE_SAMPLE=1 to write it again) and opens as a wedge-failure design.
TEST_F(FileCommandsTest, SampleDesignOpens) {
    DesignData d;
    d.WorkType = 0;
    d.DistrictName = "北山地区";
    d.LineName = "No.12 測線";
    d.Remarks = "のり枠工 設計例";
    d.SectionBx = "300";
    d.SectionHx = "300";
    d.SectionDx = "200";
    d.SectionBy = "300";
    d.SectionHy = "300";
    d.SectionDy = "200";
    d.SameSection = 1;
    d.SpanCountX = "5";
    d.SpanCountY = "4";
    d.SpanX = "2.000";
    d.SpanY = "2.000";
    d.OverhangUpper = "0.500";
    d.OverhangLower = "0.500";
    d.OverhangLeft = "0.500";
    d.OverhangRight = "0.500";
    d.TotalLengthX = "11.000";
    d.TotalLengthY = "9.000";
    d.SoilName = "砂質土";
    d.SoilGamma = "18.0";
    d.InfillName = "客土";
    d.InfillThick = "100";
    d.InfillGamma = "16.0";
    d.FrameMaterial = "モルタル";
    d.FrameGamma = "23.0";
    d.SlopeN = "1.00";
    d.SlopeAngle = "45.00";
    d.SlopeHeight = "6.364";
    d.KusabiL1 = "4.000";
    d.KusabiL2 = "1.500";
    d.KusabiH = "2.000";
    d.DeltaFs = "0.20";
    d.SigmaCk = "18";
    d.SigmaCa = "6.0";
    d.TauCa = "0.33";
    d.TauOa = "1.2";
    d.SigmaSa = "180";
    d.AncBarFs = "1.5";
    d.AncBarTauSa = "80";
    d.AncBarTauS = "33.7";
    // The source path may be relative to the folder the tests started in,
    // which the fixture has left for a temporary one.
    const std::string sample =
        (std::filesystem::path(previousFolder.toStdString()) /
         std::filesystem::path(__FILE__).parent_path() / "../../../examples/sample.kvd")
            .lexically_normal()
            .string();
    if (std::getenv("TALVO_WRITE_SAMPLE")) {
        ASSERT_TRUE(WriteDesignFile(sample, d).ok);
    }
    ASSERT_EQ(ReadAll(sample), SerializeDesign(d))
        << "examples/sample.kvd is not the sample design";

    Open();
    OpenThroughDialog(sample);
    EXPECT_EQ(CurrentFile, sample);
    ASSERT_NE(Select(), nullptr);
    EXPECT_TRUE(Select()->Option3D1[0]->isChecked());
    EXPECT_EQ(Select()->txtGenba[0]->text().toStdString(), "北山地区");
    EXPECT_EQ(Select()->txtGenba[2]->text().toStdString(), "のり枠工 設計例");
    EXPECT_EQ(DataChanged, 0);
}

}  // namespace
// A value typed into a step's box and not left yet is taken by every
// command that saves, closes, opens, starts anew, prints or ends: accepted,
// it is stored (and marks the design changed) before the command acts, so
// the file holds it and the question is asked; refused, the command stops.
TEST_F(FileCommandsTest, TypedValueIsTakenBeforeTheCommand) {
    const std::string mine = SaveFile("mine.kvd", Sample(0, "元の地区"));
    enum class Then { Saved, Asked, Printed };
    struct Case {
        const char* tool;
        Then then;
    };
    const Case cases[] = {
        {"ID_上書き保存", Then::Saved},          {"ID_名前を付けて保存", Then::Saved},
        {"ID_ファイルを閉じる", Then::Asked},    {"ID_新規作成", Then::Asked},
        {"ID_ファイルを開く", Then::Asked},      {"ID_最近使ったファイル1", Then::Asked},
        {"ID_タルヴォ－SI の終了", Then::Asked}, {"ID_簡易印刷", Then::Printed},
        {"ID_全項印刷", Then::Printed},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tool);
        Open();
        OpenThroughDialog(mine);
        Select()->cmdStart->click();
        Pump();
        ASSERT_TRUE(main->Steps()->ChainOpen());
        std::string printedWidth;
        main->SetPrintCommand([&](int) { printedWidth = Design.SectionBy; });
        auto* box = main->Steps()->Step(1)->findChild<QLineEdit*>("txtWidth(0)");
        ASSERT_NE(box, nullptr);
        const auto typeWithoutLeaving = [&](const char* text) {
            main->activateWindow();
            box->setFocus();
            Pump();
            box->selectAll();
            box->insert(QString::fromUtf8(text));
        };

        // Refused: the message, and nothing of the command happens.
        typeWithoutLeaving("abc");
        messages.Expect("値が正しくありません。", MsgButtons::Ok, MsgIcon::Exclamation,
                        MsgResult::Ok);
        Click(c.tool);
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(DataChanged, 0);
        EXPECT_TRUE(main->Steps()->ChainOpen());
        EXPECT_EQ(ended, 0);
        EXPECT_TRUE(printedWidth.empty());

        // Accepted: stored first, then the command.
        typeWithoutLeaving("350");
        switch (c.then) {
            case Then::Saved: {
                if (std::string(c.tool) == "ID_名前を付けて保存") dialogs.Expect(2, mine);
                Click(c.tool);
                DesignData back;
                ASSERT_EQ(ReadDesignFile(mine, back), DesignReadStatus::Ok);
                EXPECT_EQ(NumVal(back.SectionBy), 350);
                EXPECT_EQ(DataChanged, 0);
                break;
            }
            case Then::Asked:
                messages.Expect(SaveQuestion(mine), MsgResult::Cancel);
                Click(c.tool);
                EXPECT_EQ(NumVal(Design.SectionBy), 350);
                EXPECT_EQ(DataChanged, 1);
                EXPECT_EQ(ended, 0);
                break;
            case Then::Printed:
                Click(c.tool);
                EXPECT_EQ(NumVal(printedWidth), 350);
                break;
        }
        EXPECT_TRUE(messages.AllShown());
        main.reset();
        WriteDesignFile(mine, Sample(0, "元の地区"));
    }
}

// Text that code page 932 cannot hold exactly is shown, once its box is
// left, as the file will hold it, so what the engineer sees is what is
// saved; a path the settings file cannot hold exactly is not offered again
// in the recent list.
TEST_F(FileCommandsTest, NamesShowWhatTheFileHolds) {
    Open();
    QLineEdit* box = Select()->txtGenba[0];
    main->activateWindow();
    box->setFocus();
    Pump();
    box->selectAll();
    box->insert(QStringLiteral("Café 〜 地区"));
    Select()->txtGenba[1]->setFocus();
    Pump();
    EXPECT_EQ(box->text(), QStringLiteral("Caf? ～ 地区"));
    EXPECT_EQ(Design.DistrictName, "Caf? ～ 地区");
    const std::string odd = Path("測線〜1.kvd");
    dialogs.Expect(2, odd);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(CurrentFile, odd);
    DesignData back;
    ASSERT_EQ(ReadDesignFile(odd, back), DesignReadStatus::Ok);
    EXPECT_EQ(back.DistrictName, Design.DistrictName);
    EXPECT_EQ(RecentCount, 0);
    const std::string plain = Path("測線～1.kvd");
    dialogs.Expect(2, plain);
    Click("ID_名前を付けて保存");
    EXPECT_EQ(RecentCount, 1);
    EXPECT_EQ(RecentFile[1], plain);
}

}  // namespace talvo::test
