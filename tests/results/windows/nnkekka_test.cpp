// The results window in the chain of a real main window: what it shows of
// the results record in both modes and on both tabs, its steppers, print
// rows and print buttons, its navigation and its activation.
#include "results/windows/NNkekka.h"

#include <QApplication>
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <cstdint>
#include <functional>
#include <string>
#include <variant>
#include <vector>

#include "calc/windows/NGouryoku.h"
#include "platform/grid.h"
#include "platform/tabstrip.h"
#include "platform/updown.h"
#include "report/chapters/sequencer.h"
#include "report/engine/recorder.h"
#include "report/printcommand.h"
#include "results/printrows.h"
#include "results/rebuild.h"
#include "results/resulttable.h"
#include "results/snowbound_greening.h"
#include "results/stepping.h"
#include "results/windows/results_chain.h"
#include "shell/tables.h"
#include "shell/toolids.h"
#include "shell/windows/shell_fixture.h"
#include "standards/windows/SettingsDialogs.h"
#include "standards/windows/dialog_fixture.h"
#include "steps/windows/NBrock2.h"
#include "steps/windows/NHanchor.h"
#include "support/filled_design.h"
#include "support/qt/clicks.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

const std::string kOutQuestion =
    "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？";
// The mixed design has no Fs of the main anchor bar: the question says so
// first.
const std::string kMissingAndOutQuestion = "未入力の項目があります。\r" + kOutQuestion;

// Work type 0 with a section per frame: vertical 200 × 200 (d 150),
// horizontal 250 × 250 (d 190); σca 9.0, τca 0.14. Once worked out, the
// vertical rows are all OUT: row 0 short of area and over σs, rows 1 to 3
// need stirrups (spacing "Err"), the bars of rows 4 and 5 do not fit across
// the frame (count 0). The horizontal rows pass with one bar each.
void MixedDesign(std::int16_t workType = 0) {
    FillDesign(workType);
    Design.SameSection = 0;
    Design.SectionBx = " 250";
    Design.SectionHx = " 250";
    Design.SectionDx = " 190";
    Design.SigmaCa = " 9.0";
    Design.TauCa = "0.14";
}

class NNkekkaTest : public ResultsChainTest {
protected:
    // The mixed design, first shown in the results window (whose activation
    // works every result out).
    void OpenMixed(std::int16_t workType = 0) {
        OpenChain([workType] {
            MixedDesign(workType);
            SetAllRecalc(true);
        });
        ShowResults();
    }
    void ShowResults() { ShowStep(Last()); }
    void ShowStep(int n) {
        Steps()->ShowStep(n);
        Settle();
    }
    void Tick(int box) {
        Results()->Check1[static_cast<std::size_t>(box)]->setChecked(true);
        Settle();
    }
    void SelectTab(int tab) {
        Results()->SSTab1->SetTab(tab);
        Settle();
    }
    // The step of the chain with this class name, or null.
    StepForm* StepNamed(const char* className) const {
        for (int i = 1; i <= Last(); ++i)
            if (Steps()->Step(i)->ClassName() == QString::fromLatin1(className))
                return Steps()->Step(i);
        return nullptr;
    }
    int StepNumber(const char* className) const {
        for (int i = 1; i <= Last(); ++i)
            if (Steps()->Step(i)->ClassName() == QString::fromLatin1(className)) return i;
        return -1;
    }
    // The print command of the program with the report recorded in place of
    // the preview: `printed` holds the texts it put on paper, with colours.
    void RecordPrints() {
        main->SetPrintCommand([this](int mode) {
            if (!PreparePrint()) return;
            const auto report = report::MakeChapterReport(Design.WorkType);
            report::RecordingOutput out;
            report->DrawReport(out, static_cast<std::int16_t>(mode));
            printed.clear();
            for (const report::RecordedPage& page : out.Document().pages)
                for (const report::DrawOp& op : page.ops)
                    if (const auto* t = std::get_if<report::TextOp>(&op); t && !t->text.empty())
                        printed.push_back(*t);
            ++prints;
        });
    }
    // A key pressed on the control that has the focus.
    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        QTest::keyClick(focus, static_cast<Qt::Key>(key), modifiers);
        Settle();
    }
    bool ToolOn() const { return Enabled("ID_印刷"); }
    bool PrintButtonsOn() const {
        const bool short_ = Results()->cmdPrint[0]->isEnabled();
        EXPECT_EQ(Results()->cmdPrint[1]->isEnabled(), short_);
        return short_;
    }

    std::vector<report::TextOp> printed;
    int prints = 0;
};

// One grid row shows table row `row` of `set` exactly as the record holds it.
void ExpectRowShown(const Grid* grid, int gridRow, int set, int row) {
    const ResultRowCells cells = row >= 0 ? KekkaRowCells(set, row) : ResultRowCells{};
    for (int c = 1; c <= kResultColumns; ++c) {
        const ResultCell& want = cells[static_cast<std::size_t>(c - 1)];
        EXPECT_EQ(grid->TextAt(c, gridRow).toStdString(), want.text)
            << "set " << set << " row " << row << " column " << c;
        EXPECT_EQ(grid->ForeColorAt(c, gridRow), want.color)
            << "set " << set << " row " << row << " column " << c;
    }
}

// Everything the window shows of set `set`: its six rows, forces, area and
// allowables, the ticks of its print row, and the other set's print row.
void ExpectSetShown(const NNkekka* w, int set) {
    for (int i = 0; i < kRowsPerSet; ++i)
        ExpectRowShown(w->sprResult1[0], i + 1, set, kRowsPerSet * set + i);
    const ResultDisplays shown = ResultDisplaysOf(set);
    EXPECT_EQ(w->sprResult3->TextAt(1, 1).toStdString(), shown.mmax);
    EXPECT_EQ(w->sprResult3->TextAt(1, 2).toStdString(), shown.smax);
    EXPECT_EQ(w->sprResult2->TextAt(1, 1).toStdString(), shown.requiredAs);
    for (int c = 0; c < 4; ++c)
        EXPECT_EQ(w->sprResult2->TextAt(c + 2, 2).toStdString(),
                  shown.allowables[static_cast<std::size_t>(c)]);
    const int printRow = Design.KekkaPrintRow[static_cast<std::size_t>(set)];
    for (int i = 0; i < kRowsPerSet; ++i)
        EXPECT_EQ(w->Check1[static_cast<std::size_t>(i)]->isChecked(), printRow == i + 1) << i;
    if (!SingleSetMode()) ExpectRowShown(w->sprResult1[1], 1, 1 - set, PrintTableRow(1 - set));
}

// Loading shows the set the record names, with that set's own colours, in
// both modes. (Building a chain shows the vertical frame first; the window
// is loaded here on its own, as the chain's rebuild loads it, so that the
// record can name the horizontal one.)
TEST_F(NNkekkaTest, LoadShowsTheStoredSetWithItsOwnColours) {
    struct Case {
        const char* name;
        std::int16_t workType;
        std::int16_t sameSection;
        std::int16_t tab;
        std::array<std::int16_t, 2> printRows;
        const char* singleCaption;  // null: two sets
    };
    const Case cases[] = {
        {"two sets, vertical frame shown", 0, 0, 0, {2, 3}, nullptr},
        {"two sets, horizontal frame shown", 0, 0, 1, {2, 3}, nullptr},
        {"two sets, nothing chosen", 0, 0, 1, {0, 0}, nullptr},
        {"greening work", 2, 0, 1, {0, 4}, "横　枠"},
        {"one section", 0, 1, 1, {0, 4}, "縦　横"},
    };
    Open();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MixedDesign(c.workType);
        Design.SameSection = c.sameSection;
        SetAllRecalc(true);
        RunResultsActivation();
        Design.KekkaTab = c.tab;
        Design.KekkaPrintRow = c.printRows;
        // A blue mark in the horizontal set tells its colours from the
        // vertical set's.
        StepResultRow(1, 9, StepQuantity::BarCount, StepWay::Up);

        auto* w = new NNkekka;
        QMdiSubWindow* sub = main->MdiArea()->addSubWindow(w);
        w->Load(sub);
        const bool two = c.singleCaption == nullptr;
        EXPECT_EQ(w->SSTab1->isVisibleTo(w), two);
        EXPECT_EQ(w->SSTab2->isVisibleTo(w), !two);
        EXPECT_EQ(w->sprResult1[1]->isVisibleTo(w), two);
        EXPECT_EQ(w->UpDown5->isVisibleTo(w), two);
        if (!two) {
            EXPECT_EQ(w->SSTab2->Caption(0).toStdString(), c.singleCaption);
        }
        EXPECT_EQ(w->SSTab1->Tab(), c.tab);
        EXPECT_EQ(Design.KekkaPrintRow, c.printRows);
        EXPECT_EQ(w->sprResult1[0]->ForeColorAt(ColBarCount, 4), c.tab == 1 ? ColorStepped : 0);
        ExpectSetShown(w, c.tab);
        w->MarkUnloading();
        delete sub;
    }
}

// The tabs show each set from the record, its colours included; the boxes
// follow the shown set's print row and the print-row grid the other's.
TEST_F(NNkekkaTest, TabsShowEachSetFromTheRecord) {
    OpenMixed();
    NNkekka* w = Results();
    EXPECT_EQ(w->SSTab1->Tab(), 0);
    ExpectSetShown(w, 0);
    EXPECT_EQ(w->sprResult1[0]->ForeColorAt(ColAs, 1), ColorOut);

    Tick(1);
    SelectTab(1);
    EXPECT_EQ(Design.KekkaTab, 1);
    ExpectSetShown(w, 1);
    // The vertical frame's chosen row, red marks and all, under the grid.
    EXPECT_EQ(w->sprResult1[1]->ForeColorAt(ColTauC, 1), ColorOut);
    Tick(3);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{2, 4}));

    SelectTab(0);
    ExpectSetShown(w, 0);
    EXPECT_EQ(w->sprResult1[1]->TextAt(ColBar, 1).toStdString(), "D19");

    // The same row chosen in both sets: the box is ticked again, no row moves.
    SelectTab(1);
    Tick(1);
    SelectTab(0);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{2, 2}));
    EXPECT_TRUE(w->Check1[1]->isChecked());
}

// A row that needs no stirrups requires no spacing: its last cell shows "―"
// in black, so the horizontal frame, which passes on every row, shows no red.
TEST_F(NNkekkaTest, RowsWithoutStirrupsShowNoRequiredSpacing) {
    OpenMixed();
    SelectTab(1);
    const Grid* grid = Results()->sprResult1[0];
    for (int r = 1; r <= kRowsPerSet; ++r) {
        SCOPED_TRACE(r);
        ASSERT_EQ(Design.KekkaStirrupBar[static_cast<std::size_t>(5 + r)], 99);
        EXPECT_EQ(grid->TextAt(ColPitchReq, r).toStdString(), "―");
        for (int c = 1; c <= kResultColumns; ++c) EXPECT_EQ(grid->ForeColorAt(c, r), 0) << c;
    }
}

// Each stepper steps its row at once: the record is re-checked, the row is
// shown anew from it and the stepped cell is blue; a stepper with nothing to
// step only takes the focus.
TEST_F(NNkekkaTest, SteppersRecheckTheirRowAtOnce) {
    OpenMixed();
    NNkekka* w = Results();
    Tick(1);  // vertical row 2 (table row 1, with stirrups D13 × 2) for the report
    SelectTab(1);
    Tick(1);
    // The horizontal frame in the grid, the vertical print row under it.
    struct Case {
        const char* name;
        UpDown* control;
        bool up;
        int set, row;  // the table row stepped
        int column;
        const char* text;  // the stepped cell afterwards; null: nothing steps
    };
    const Case cases[] = {
        {"bar size of a row", w->UpDown1[0], true, 1, 6, ColBar, "D13"},
        {"bar count of a row", w->UpDown2[2], true, 1, 8, ColBarCount, "  2"},
        {"bar count at its bound", w->UpDown2[3], false, 1, 9, ColBarCount, nullptr},
        {"stirrups of a row without them", w->UpDown3[4], true, 1, 10, ColStirrupBar, nullptr},
        {"stirrup legs of a row without them", w->UpDown4[4], true, 1, 10, ColStirrupCount,
         nullptr},
        {"stirrup size of the print row", w->UpDown7, true, 0, 1, ColStirrupBar, "D16"},
        {"stirrup legs of the print row", w->UpDown8, true, 0, 1, ColStirrupCount, "  3"},
        {"bar size of the print row", w->UpDown5, false, 0, 1, ColBar, "D10"},
        {"bar count of the print row", w->UpDown6, false, 0, 1, ColBarCount, "  2"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const bool printRow = c.set == 0;
        const Grid* grid = w->sprResult1[printRow ? 1 : 0];
        const int gridRow = printRow ? 1 : c.row - 6 * c.set + 1;
        const ResultRowCells before = KekkaRowCells(c.set, c.row);
        const std::int16_t changed = DataChanged;

        (c.up ? c.control->UpButton() : c.control->DownButton())->click();
        Settle();
        EXPECT_EQ(QApplication::focusWidget(), c.control);
        EXPECT_EQ(DataChanged, changed);
        ExpectRowShown(grid, gridRow, c.set, c.row);
        const ResultRowCells after = KekkaRowCells(c.set, c.row);
        if (!c.text) {
            for (int col = 1; col <= kResultColumns; ++col)
                EXPECT_EQ(after[col - 1].text, before[col - 1].text) << col;
            continue;
        }
        EXPECT_EQ(after[c.column - 1].text, c.text);
        EXPECT_EQ(grid->ForeColorAt(c.column, gridRow), ColorStepped);
        // The re-check reached the area of the row.
        EXPECT_NE(Design.KekkaP[static_cast<std::size_t>(c.set)][c.row], "");
    }
    // A thinner bar in the print row leaves it short of area: red at once.
    EXPECT_EQ(w->sprResult1[1]->ForeColorAt(ColAs, 1), ColorOut);

    // Shown in the grid again, the stepped print row reads as it did there.
    std::vector<std::pair<QString, long>> printed;
    for (int col = 1; col <= kResultColumns; ++col)
        printed.push_back(
            {w->sprResult1[1]->TextAt(col, 1), w->sprResult1[1]->ForeColorAt(col, 1)});
    SelectTab(0);
    for (int col = 1; col <= kResultColumns; ++col) {
        EXPECT_EQ(w->sprResult1[0]->TextAt(col, 2), printed[col - 1].first) << col;
        EXPECT_EQ(w->sprResult1[0]->ForeColorAt(col, 2), printed[col - 1].second) << col;
    }
    EXPECT_EQ(w->sprResult1[0]->ForeColorAt(ColBar, 2), ColorStepped);

    // Without a print row of the other set the print-row steppers do nothing.
    Results()->Check1[0]->setChecked(false);
    Tick(2);
    Results()->Check1[2]->setChecked(false);
    SelectTab(1);
    const ResultRowCells row8 = KekkaRowCells(0, 2);
    w->UpDown6->UpButton()->click();
    Settle();
    EXPECT_EQ(KekkaRowCells(0, 2)[ColBarCount - 1].text, row8[ColBarCount - 1].text);
    EXPECT_EQ(QApplication::focusWidget(), w->UpDown6);
}

// The boxes choose one row per set; printing is possible only with the rows
// of every set in use chosen and a print command to run.
TEST_F(NNkekkaTest, PrintRowsEnablePrintingOnlyWithAPrintCommand) {
    for (bool command : {false, true}) {
        SCOPED_TRACE(command ? "with a print command" : "without a print command");
        OpenChain([] {
            MixedDesign();
            SetAllRecalc(true);
        });
        if (command) main->SetPrintCommand([](int) {});
        ShowResults();
        NNkekka* w = Results();
        EXPECT_FALSE(PrintButtonsOn());
        EXPECT_FALSE(ToolOn());

        Tick(1);
        EXPECT_FALSE(PrintButtonsOn());  // the horizontal frame has none yet
        SelectTab(1);
        Tick(4);
        EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{2, 5}));
        EXPECT_EQ(PrintButtonsOn(), command);
        EXPECT_EQ(ToolOn(), command);

        Tick(0);  // moves the choice
        EXPECT_FALSE(w->Check1[4]->isChecked());
        EXPECT_EQ(Design.KekkaPrintRow[1], 1);
        EXPECT_EQ(PrintButtonsOn(), command);

        // Minimised the buttons go, restored they come back.
        w->SetState(WindowState::Minimized);
        Settle();
        EXPECT_FALSE(PrintButtonsOn());
        EXPECT_FALSE(w->cmdBegin->isEnabled());
        EXPECT_TRUE(w->cmdIndicate->isEnabled());
        w->SetState(WindowState::Normal);
        w->BringToFront();
        Settle();
        EXPECT_EQ(PrintButtonsOn(), command);
        EXPECT_TRUE(w->cmdBegin->isEnabled());

        w->Check1[0]->setChecked(false);
        Settle();
        EXPECT_EQ(Design.KekkaPrintRow[1], 0);
        EXPECT_FALSE(PrintButtonsOn());
        EXPECT_FALSE(ToolOn());
        main.reset();
        Settle();
    }

    // One set: one row is enough.
    OpenChain([] {
        MixedDesign(2);
        SetAllRecalc(true);
    });
    main->SetPrintCommand([](int) {});
    ShowResults();
    Tick(5);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{0, 6}));
    EXPECT_TRUE(PrintButtonsOn());
    EXPECT_TRUE(ToolOn());
}

// The print buttons run the print command, whose question about OUT results
// reads the record: it is asked for an OUT row whichever set the grid shows.
TEST_F(NNkekkaTest, PrintButtonsAskBeforeOutResults) {
    OpenMixed();
    std::vector<std::pair<int, bool>> printed;  // mode, "ID_印刷" on while printing
    main->SetPrintCommand([&](int mode) {
        if (Ins_Aka_Check() == 0) printed.push_back({mode, ToolOn()});
    });
    NNkekka* w = Results();
    Tick(0);  // the vertical row short of area
    SelectTab(1);
    Tick(2);
    ASSERT_TRUE(PrintButtonsOn());

    // The OUT row is the print row under the grid here.
    messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
    w->cmdPrint[1]->click();
    EXPECT_TRUE(printed.empty());
    messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation,
                    MsgResult::Yes);
    w->cmdPrint[0]->click();
    EXPECT_EQ(printed, (std::vector<std::pair<int, bool>>{{0, false}}));
    EXPECT_TRUE(ToolOn());
    EXPECT_FALSE(main->Busy());

    // Shown in the grid it is asked about alike.
    SelectTab(0);
    messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation,
                    MsgResult::Yes);
    w->cmdPrint[1]->click();
    EXPECT_EQ(printed.back(), (std::pair<int, bool>{1, false}));
    EXPECT_TRUE(messages.AllShown());
}

// The question also comes from a failed check beside the grid: here the
// main anchor bar, whose τsa the engineer lowers below τs in its step.
TEST_F(NNkekkaTest, PrintButtonsAskAboutAFailedMainAnchorBar) {
    // Greening work: its horizontal rows pass; τs = 6 700/387.1·1.5 = 26.0.
    OpenChain([] {
        MixedDesign(2);
        Design.AncBarFs = "  1.5";
        Design.AncBarTauSa = "   80";
        SetAllRecalc(true);
    });
    int printed = 0;
    main->SetPrintCommand([&](int) {
        if (PreparePrint()) ++printed;
    });
    ShowResults();
    Tick(0);
    ASSERT_TRUE(PrintButtonsOn());
    QTest::mouseClick(Results()->cmdPrint[1], Qt::LeftButton);
    Settle();
    EXPECT_EQ(printed, 1);  // nothing failed: no question

    ShowStep(Last() - 1);
    auto* bar = qobject_cast<NHanchor*>(Steps()->Step(Last() - 1));
    ASSERT_NE(bar, nullptr);
    bar->Text1->setFocus(Qt::MouseFocusReason);
    bar->Text1->selectAll();
    QTest::keyClicks(bar->Text1, "20");
    QTest::keyClick(bar->Text1, Qt::Key_Tab);
    Settle();
    EXPECT_EQ(Design.AncBarTauSa, "   20");
    QTest::mouseClick(bar->cmdResult, Qt::LeftButton);
    Settle();
    ASSERT_TRUE(PrintButtonsOn());  // τsa changes no result row
    messages.Expect(kOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
    QTest::mouseClick(Results()->cmdPrint[1], Qt::LeftButton);
    Settle();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(printed, 1);
}

// Back disables the print menu and shows the step before; the start-screen
// button closes the chain at once; leaving the window switches printing off.
TEST_F(NNkekkaTest, NavigationButtons) {
    OpenMixed();
    main->SetPrintCommand([](int) {});
    Tick(0);
    SelectTab(1);
    Tick(0);
    ASSERT_TRUE(ToolOn());
    NNkekka* w = Results();
    w->cmdBack->click();
    Settle();
    EXPECT_FALSE(ToolOn());
    EXPECT_EQ(CurStep, Last() - 1);
    EXPECT_FALSE(PrintButtonsOn());
    EXPECT_TRUE(w->cmdIndicate->isEnabled());

    // Back again: the rows stand, printing comes back with the window.
    ShowResults();
    EXPECT_EQ(QApplication::focusWidget(), w->cmdIndicate);
    EXPECT_TRUE(ToolOn());
    EXPECT_TRUE(PrintButtonsOn());
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{1, 1}));

    // The redisplay button works the rows out again and keeps the choices.
    w->cmdIndicate->click();
    Settle();
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{1, 1}));
    EXPECT_TRUE(w->Check1[0]->isChecked());
    ExpectSetShown(w, 1);

    w->cmdBegin->click();
    Settle();
    EXPECT_FALSE(Steps()->ChainOpen());
    EXPECT_NE(Select(), nullptr);
}

// An input changed in a step window reaches the results when the window is
// shown again: everything is worked out anew and the choices go.
TEST_F(NNkekkaTest, ActivationAfterAChangedInputRebuilds) {
    OpenMixed();
    main->SetPrintCommand([](int) {});
    Tick(1);
    SelectTab(1);
    Tick(1);
    ASSERT_TRUE(PrintButtonsOn());
    const ResultRowCells vertical = KekkaRowCells(0, 0);

    // σsa in the allowable-stress step.
    auto* material = qobject_cast<NGouryoku*>(Steps()->Step(10));
    ASSERT_NE(material, nullptr);
    ShowStep(10);
    material->txtPull->setFocus(Qt::MouseFocusReason);
    material->txtPull->selectAll();
    material->txtPull->insert(QStringLiteral("240"));
    material->txtCompress->setFocus(Qt::MouseFocusReason);
    Settle();
    ASSERT_EQ(RecalcResult, 1);

    ShowResults();
    NNkekka* w = Results();
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(Design.KekkaTab, 0);
    EXPECT_EQ(w->SSTab1->Tab(), 0);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{0, 0}));
    EXPECT_FALSE(PrintButtonsOn());
    EXPECT_FALSE(ToolOn());
    EXPECT_EQ(w->sprResult2->TextAt(2, 2).toStdString(), "   240");
    // Row 0 no longer exceeds σs.
    EXPECT_NE(KekkaRowCells(0, 0)[ColSigmaS - 1].color, vertical[ColSigmaS - 1].color);
    ExpectSetShown(w, 0);
}

// Laid out as an icon with the new chain, or activated as one, the window
// works nothing out; restored, it brings the results up to date.
TEST_F(NNkekkaTest, AnIconWaitsTillItIsRestored) {
    OpenChain([] {
        MixedDesign();
        SetAllRecalc(true);
    });
    NNkekka* w = Results();
    EXPECT_EQ(RecalcResult, 1);
    w->BringToFront();
    Settle();
    EXPECT_EQ(w->State(), WindowState::Minimized);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(Design.KekkaAs[6], "");

    w->SetState(WindowState::Normal);
    Settle();
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(Design.KekkaAs[6], "71.3");
    ExpectSetShown(w, 0);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdIndicate);
}

// The window as the engineer sees it, with OK, OUT and stepped values, in
// both modes (pictures only when TALVO_SHOT_DIR asks for them).
TEST_F(NNkekkaTest, ShowsOkOutAndSteppedValuesInBothModes) {
    OpenMixed();
    NNkekka* w = Results();
    Tick(1);
    SelectTab(1);
    Tick(3);
    w->UpDown2[0]->UpButton()->click();
    SelectTab(0);
    w->UpDown3[2]->UpButton()->click();
    Settle();
    const Grid* grid = w->sprResult1[0];
    EXPECT_EQ(grid->ForeColorAt(ColSigmaS, 1), ColorOut);
    EXPECT_EQ(grid->ForeColorAt(ColStirrupBar, 3), ColorStepped);
    EXPECT_EQ(grid->ForeColorAt(ColBarCount, 5), ColorOut);
    EXPECT_EQ(w->sprResult1[1]->ForeColorAt(ColBarCount, 1), 0);
    EXPECT_EQ(w->sprResult1[1]->TextAt(ColBar, 1).toStdString(), "D19");
    ExpectSetShown(w, 0);
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_two_sets"));
    main.reset();
    Settle();

    OpenChain([] {
        MixedDesign();
        Design.SameSection = 1;
        SetAllRecalc(true);
    });
    ShowResults();
    w = Results();
    Tick(2);
    w->UpDown2[2]->DownButton()->click();
    Settle();
    EXPECT_EQ(w->SSTab2->Caption(0).toStdString(), "縦　横");
    EXPECT_EQ(w->sprResult1[0]->ForeColorAt(ColBarCount, 3), ColorStepped);
    ExpectSetShown(w, 1);
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_one_set"));
}

// ---- Settings dialogs over the results ----

// A 300 × 300 frame with one section for both frames: each bar size fits
// (D10 × 3 and one or two of the thicker ones) under the 40 mm cover of the
// 300–399 class; under a 120 mm cover none fits.
void WideFrameDesign() {
    FillDesign(0);
    for (std::string* b :
         {&Design.SectionBx, &Design.SectionHx, &Design.SectionBy, &Design.SectionHy})
        *b = " 300";
    Design.SectionDx = " 235";
    Design.SectionDy = " 235";
}

// The mixed design under snow taken as load: on its 1:1.00 slope the whole
// snow depth counts, Mmax of the horizontal frame 3.16 kN·m; with half of
// it, 2.31.
void SnowyDesign() {
    MixedDesign();
    Design.UseSnow = 1;
}

bool PrintsTrimmed(const std::vector<report::TextOp>& texts, const std::string& text) {
    for (const report::TextOp& t : texts)
        if (QString::fromStdString(t.text).trimmed().toStdString() == text) return true;
    return false;
}

// The count printed before "本使用する。", each time the sentence stands.
std::vector<std::string> PrintedCounts(const std::vector<report::TextOp>& texts) {
    std::vector<std::string> counts;
    for (std::size_t i = 1; i < texts.size(); ++i)
        if (texts[i].text == "本使用する。") counts.push_back(texts[i - 1].text);
    return counts;
}

class NNkekkaSettingsTest : public NNkekkaTest {
protected:
    void SetUp() override {
        NNkekkaTest::SetUp();
        RegisterSettingsDialogs();
    }
    void TearDown() override {
        NNkekkaTest::TearDown();
        for (const char* tool : {kToolRebarStandard, kToolSnowDepth, kToolForceFormulas,
                                 kToolStirrups, kToolRebarCount})
            RegisterDialogCommand(tool, nullptr);
    }
    // The engineer chooses the tool in its menu, makes `edit` in the dialog
    // and closes it with OK or Cancel, clicked.
    void RunDialog(const char* tool, const std::function<void(QDialog*)>& edit, bool ok) {
        bool seen = false;
        WhenModal<GridDialog>([&](GridDialog* d) {
            seen = true;
            d->activateWindow();
            Settle();
            edit(d);
            QTest::mouseClick(ok ? d->cmdOK : d->cmdCancel, Qt::LeftButton);
        });
        QAction* item = Tools()->Tool(QString::fromUtf8(tool));
        ASSERT_NE(item, nullptr);
        ASSERT_TRUE(item->isEnabled());
        item->trigger();
        Settle();
        EXPECT_TRUE(seen);
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        main->activateWindow();
        Settle();
    }
    // Every row of the shown set chosen for printing, ticked with the mouse.
    void TickByMouse(int box) {
        QCheckBox* b = Results()->Check1[static_cast<std::size_t>(box)];
        QTest::mouseClick(b, Qt::LeftButton, Qt::NoModifier,
                          QPoint(b->width() / 2, b->height() / 2));
        Settle();
    }
};

// A settings dialog closed with OK over the results window brings the
// results up to date at once, with no activation of the window: the grid
// shows the rows of the new conditions, the print rows are cleared and
// printing waits for rows ticked again; what is then printed, and the
// question before it, are of the new results. Cancel changes nothing.
TEST_F(NNkekkaSettingsTest, ADialogClosedWithOkBringsTheResultsUpToDate) {
    struct Case {
        const char* name;
        const char* tool;
        std::function<void()> design;
        std::function<void(QDialog*)> edit;
        // Checks of the rebuilt results and of the print made afterwards.
        std::function<void()> results;
        std::function<void()> print;
    };
    const Case cases[] = {
        {"rebar count, cover of the 300–399 class 40 → 120 mm", kToolRebarCount, WideFrameDesign,
         [](QDialog* d) {
             DialogTest::EditCell(static_cast<FSyutekkin*>(d)->sprCondition, 4, 3, "120");
         },
         [this] {
             EXPECT_EQ(RebarCountRule.Cover[2], "120");
             for (int r = 1; r <= kRowsPerSet; ++r) {
                 EXPECT_EQ(Results()->sprResult1[0]->TextAt(ColBarCount, r).trimmed(),
                           QStringLiteral("0"))
                     << r;
                 EXPECT_EQ(Results()->sprResult1[0]->ForeColorAt(ColBarCount, r), ColorOut) << r;
             }
         },
         [this] { EXPECT_EQ(PrintedCounts(printed), std::vector<std::string>{" 0"}); }},
        {"snow depth, half the depth from 1:1.0 up", kToolSnowDepth, SnowyDesign,
         [](QDialog* d) {
             QLineEdit* box = static_cast<FSekisetu*>(d)->Text2[2];
             DialogTest::Type(box, "50");
             QTest::keyClick(box, Qt::Key_Tab);
             Settle();
         },
         [] {
             EXPECT_EQ(SnowRule.DepthPercent[2], "   50");
             EXPECT_EQ(Design.YokoMmax[0], " 2.31");
         },
         [this] {
             EXPECT_TRUE(PrintsTrimmed(printed, "2.31"));
             EXPECT_FALSE(PrintsTrimmed(printed, "3.16"));
         }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenChain([&c] {
            c.design();
            SetAllRecalc(true);
        });
        RecordPrints();
        ShowResults();
        NNkekka* w = Results();
        const bool two = !SingleSetMode();
        TickByMouse(0);
        if (two) {
            SelectTab(1);
            TickByMouse(0);
        }
        ASSERT_TRUE(PrintButtonsOn());
        const auto shownBefore = w->sprResult1[0]->TextAt(ColAs, 1);

        RunDialog(c.tool, c.edit, false);
        EXPECT_TRUE(PrintButtonsOn());
        EXPECT_TRUE(ToolOn());
        EXPECT_TRUE(w->Check1[0]->isChecked());
        EXPECT_EQ(w->sprResult1[0]->TextAt(ColAs, 1), shownBefore);
        EXPECT_EQ(RecalcResult, 0);

        RunDialog(c.tool, c.edit, true);
        EXPECT_EQ(RecalcResult, 0);
        EXPECT_EQ(RecalcLoad, 0);
        EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{0, 0}));
        for (QCheckBox* box : w->Check1) EXPECT_FALSE(box->isChecked());
        EXPECT_FALSE(PrintButtonsOn());
        EXPECT_FALSE(ToolOn());
        ExpectSetShown(w, Design.KekkaTab);
        c.results();
        EXPECT_EQ(QApplication::focusWidget(), w->cmdIndicate);

        // Ticked again, the rows print as they stand now.
        TickByMouse(0);
        if (two) {
            SelectTab(1);
            TickByMouse(0);
        }
        ASSERT_TRUE(PrintButtonsOn());
        // Both designs hold red cells on the rows chosen: the question comes.
        messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation,
                        MsgResult::Yes);
        QTest::mouseClick(w->cmdPrint[1], Qt::LeftButton);
        Settle();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(prints, 1);
        c.print();
        prints = 0;
        main.reset();
        Settle();
    }
}

// Over an icon the dialog's table waits for the window's own activation.
TEST_F(NNkekkaSettingsTest, ADialogOverAnotherStepLeavesTheResultsToTheirActivation) {
    OpenChain([] {
        WideFrameDesign();
        SetAllRecalc(true);
    });
    ShowResults();
    ShowStep(Last() - 1);
    RunDialog(
        kToolRebarCount,
        [](QDialog* d) {
            DialogTest::EditCell(static_cast<FSyutekkin*>(d)->sprCondition, 4, 3, "120");
        },
        true);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_EQ(Design.KekkaBarCount[6], "3");
    ShowResults();
    EXPECT_EQ(RecalcResult, 0);
    EXPECT_EQ(Design.KekkaBarCount[6], "0");
}

// The main anchor bar follows the snow rule, by the menu of the main window
// with the results window shown: the greening design's bar fails while the
// whole snow depth counts on its 1:1.2 slope (Q 9.77, τs = 9 770/286.5·3.0
// = 102.30… → 102.4 over τsa 100) and passes with none of it (Q 5.29, τs 55.4). Set to
// 0 % and back to 100 %, the red line under the grid, both reports and the
// question before printing follow the new τs each time.
TEST_F(NNkekkaSettingsTest, TheMainAnchorBarFollowsTheSnowRule) {
    OpenChain([] {
        SnowBoundGreening();
        SetAllRecalc(true);
    });
    RecordPrints();
    ShowResults();
    NNkekka* w = Results();
    ASSERT_TRUE(w->lblOut->isVisible());
    ASSERT_EQ(w->lblOut->text().toStdString(), "ＯＵＴ：主アンカーの検討");

    struct Case {
        const char* percent;  // of the depth from 1:1.0 up
        const char* q;
        const char* tauS;
        bool out;
    };
    const Case cases[] = {{"0", "5.29", "55.4", false}, {"100", "9.77", "102.4", true}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.percent);
        RunDialog(
            kToolSnowDepth,
            [&c](QDialog* d) {
                QLineEdit* box = static_cast<FSekisetu*>(d)->Text2[2];
                DialogTest::Type(box, c.percent);
                QTest::keyClick(box, Qt::Key_Tab);
                Settle();
            },
            true);
        EXPECT_EQ(QString::fromStdString(Design.YokoQ).trimmed().toStdString(), c.q);
        EXPECT_EQ(QString::fromStdString(Design.AncBarTauS).trimmed().toStdString(), c.tauS);
        EXPECT_EQ(w->lblOut->isVisible(), c.out);
        EXPECT_EQ(w->lblOut->text().toStdString(), c.out ? "ＯＵＴ：主アンカーの検討" : "");

        TickByMouse(0);
        ASSERT_TRUE(PrintButtonsOn());
        for (int mode : {0, 1}) {
            SCOPED_TRACE(mode == 0 ? "short report" : "full report");
            if (c.out)
                messages.Expect(kOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation,
                                MsgResult::Yes);
            prints = 0;
            QTest::mouseClick(w->cmdPrint[mode], Qt::LeftButton);
            Settle();
            EXPECT_TRUE(messages.AllShown());
            ASSERT_EQ(prints, 1);
            // τs is printed, red when over τsa, with ＯＵＴ on its line wherever
            // it stands; when it holds, the full report's formula ends in ＯＫ.
            int tauS = 0;
            int okLines = 0;
            for (std::size_t i = 0; i < printed.size(); ++i) {
                const report::TextOp& t = printed[i];
                if (QString::fromStdString(t.text).trimmed().toStdString() != c.tauS) continue;
                ++tauS;
                EXPECT_EQ(t.color == 0x0000FFu, c.out) << t.text;
                std::vector<std::string> verdicts;
                for (std::size_t j = i + 1; j < printed.size() && j <= i + 20; ++j)
                    if (printed[j].y == t.y &&
                        (printed[j].text == "ＯＫ" || printed[j].text == "ＯＵＴ"))
                        verdicts.push_back(printed[j].text);
                if (c.out) {
                    EXPECT_EQ(verdicts, std::vector<std::string>{"ＯＵＴ"});
                } else {
                    EXPECT_TRUE(verdicts.empty() || verdicts == std::vector<std::string>{"ＯＫ"});
                    okLines += verdicts.empty() ? 0 : 1;
                }
            }
            EXPECT_GE(tauS, 1);
            if (mode == 1 && !c.out) {
                EXPECT_EQ(okLines, 1);
            }
            EXPECT_EQ(PrintsTrimmed(printed, "ＯＵＴ"), c.out);
            if (mode == 1) {
                EXPECT_TRUE(PrintsTrimmed(printed, c.q));
            }
        }
    }
}

// ---- The line of the failed checks ----

// Rock bolts 0.5 m long where the bond needs 1.9 m: the window names the
// failed check in red under its lowest grid, with one set and with two
// (where the buttons move down and the window grows by the line); a
// passing design shows nothing. The line follows every activation.
TEST_F(NNkekkaTest, FailedChecksShowInRedUnderTheGrids) {
    struct Case {
        const char* name;
        std::int16_t sameSection;
        const char* la;
        const char* line;  // empty: no line
    };
    const Case cases[] = {
        {"too short, one set", 1, " 0.5", "ＯＵＴ：ロックボルト長"},
        {"too short, two sets", 0, " 0.5", "ＯＵＴ：ロックボルト長"},
        {"long enough, one set", 1, " 2.0", ""},
        {"long enough, two sets", 0, " 2.0", ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenChain([&c] {
            FillDesign(3);
            Design.SameSection = c.sameSection;
            Design.RockLa = c.la;
            SetAllRecalc(true);
        });
        ShowResults();
        NNkekka* w = Results();
        QMdiSubWindow* sub = w->SubWindow();
        const bool failing = *c.line != '\0';
        const bool two = c.sameSection == 0;
        ASSERT_EQ(SingleSetMode(), !two);
        EXPECT_EQ(w->lblOut->isVisible(), failing);
        EXPECT_EQ(w->lblOut->text().toStdString(), c.line);
        EXPECT_EQ(w->lblOut->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // Between the lowest grid and the button bar, all inside the window.
        const Grid* lowest = two ? w->sprResult1[1] : w->sprResult2;
        if (failing) {
            EXPECT_GE(w->lblOut->y(), lowest->geometry().bottom());
            EXPECT_LE(w->lblOut->geometry().bottom(), w->NavBar->y());
            EXPECT_EQ(w->lblOut->x(), w->sprResult1[0]->x());
        }
        EXPECT_LE(w->NavBar->geometry().bottom(), w->height());
        const int grown = two && failing ? TwipsToPixelsY(300) : 0;
        EXPECT_EQ(sub->height(), TwipsToPixelsY(StepForm::kHeightTwips) + grown);
        EXPECT_EQ(w->NavBar->y(), TwipsToPixelsY(4200) + grown);
        if (failing) {
            SaveShotIfAsked(sub, QStringLiteral("nnkekka_out_line_%1").arg(two ? 2 : 1));
        }
        main.reset();
        Settle();
    }

    // Lengthened and shortened again in its step, the line goes and comes
    // back with the window's next activation; the redisplay keeps it.
    OpenChain([] {
        FillDesign(3);
        Design.SameSection = 0;
        Design.RockLa = " 0.5";
        SetAllRecalc(true);
    });
    ShowResults();
    NNkekka* w = Results();
    const int shortHeight = w->SubWindow()->height();
    auto* length = qobject_cast<NBrock2*>(StepNamed("NBrock2"));
    ASSERT_NE(length, nullptr);
    auto enterLength = [&](const char* text) {
        ShowStep(StepNumber("NBrock2"));
        DialogTest::Type(length->Text5, text);
        QTest::keyClick(length->Text5, Qt::Key_Tab);
        Settle();
        QTest::mouseClick(length->cmdResult, Qt::LeftButton);
        Settle();
    };
    enterLength("2.0");
    EXPECT_EQ(QString::fromStdString(Design.RockLa).trimmed(), QStringLiteral("2.0"));
    EXPECT_FALSE(w->lblOut->isVisible());
    EXPECT_EQ(w->SubWindow()->height(), shortHeight - TwipsToPixelsY(300));
    messages.Expect("定着長が付着長を下回っています。");
    enterLength("0.5");
    EXPECT_TRUE(messages.AllShown());
    EXPECT_TRUE(w->lblOut->isVisible());
    EXPECT_EQ(w->SubWindow()->height(), shortHeight);
    QTest::mouseClick(w->cmdIndicate, Qt::LeftButton);
    Settle();
    EXPECT_TRUE(w->lblOut->isVisible());
    EXPECT_EQ(w->lblOut->text().toStdString(), "ＯＵＴ：ロックボルト長");
}

// ---- Keyboard ----

// From the step before, by keys alone: the window opens with the focus on
// its redisplay button (an arrow key steps nothing), Tab goes to the set
// strip, whose arrows switch the sets, then through the print boxes, where
// Space ticks, past the print buttons to the steppers, which show their
// focus; Return on a print button prints.
TEST_F(NNkekkaTest, KeysAloneTickRowsAndPrint) {
    OpenChain([] {
        MixedDesign();
        SetAllRecalc(true);
    });
    RecordPrints();
    ShowStep(Last() - 1);
    StepForm* before = Steps()->Step(Last() - 1);
    before->cmdResult->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Space);
    NNkekka* w = Results();
    ASSERT_EQ(CurStep, Last());
    EXPECT_EQ(QApplication::focusWidget(), w->cmdIndicate);
    const auto bars = Design.KekkaBar;
    Key(Qt::Key_Up);
    Key(Qt::Key_Down);
    EXPECT_EQ(Design.KekkaBar, bars);

    // The strip comes first, then the vertical frame's first row.
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->SSTab1);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Check1[0]);
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_focus_box"));
    Key(Qt::Key_Space);
    EXPECT_TRUE(w->Check1[0]->isChecked());
    EXPECT_EQ(Design.KekkaPrintRow[0], 1);
    for (int i = 1; i < kRowsPerSet; ++i) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), w->Check1[static_cast<std::size_t>(i)]) << i;
    }
    // Back to the strip, whose arrow shows the other set.
    for (int i = 0; i < kRowsPerSet; ++i) Key(Qt::Key_Backtab);
    EXPECT_EQ(QApplication::focusWidget(), w->SSTab1);
    Key(Qt::Key_Right);
    EXPECT_EQ(Design.KekkaTab, 1);
    ExpectSetShown(w, 1);

    // The horizontal frame's second row.
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->Check1[1]);
    Key(Qt::Key_Space);
    EXPECT_EQ(Design.KekkaPrintRow, (std::array<std::int16_t, 2>{1, 2}));
    ASSERT_TRUE(PrintButtonsOn());
    for (int i = 2; i < kRowsPerSet; ++i) Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdPrint[0]);
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->cmdPrint[1]);
    // The vertical row is short of area: the question, answered with Return
    // on its default button (No), prints nothing; Yes prints.
    messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
    Key(Qt::Key_Return);
    EXPECT_EQ(prints, 0);
    messages.Expect(kMissingAndOutQuestion, MsgButtons::YesNo, MsgIcon::Exclamation,
                    MsgResult::Yes);
    Key(Qt::Key_Enter);
    EXPECT_EQ(prints, 1);
    EXPECT_FALSE(printed.empty());
    EXPECT_TRUE(messages.AllShown());

    // Past the print buttons, the steppers of the first row, then the next
    // row's.
    const std::array<UpDown*, 4> firstRow = {w->UpDown1[0], w->UpDown2[0], w->UpDown3[0],
                                             w->UpDown4[0]};
    const QImage unfocused = w->UpDown1[0]->grab().toImage();
    for (UpDown* u : firstRow) {
        Key(Qt::Key_Tab);
        EXPECT_EQ(QApplication::focusWidget(), u);
    }
    Key(Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), w->UpDown1[1]);
    // A focused stepper shows its focus frame.
    EXPECT_NE(w->UpDown1[1]->grab().toImage(), w->UpDown1[0]->grab().toImage());
    EXPECT_EQ(w->UpDown1[0]->grab().toImage(), unfocused);
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_focus_stepper"));
    // With the focus shown, an arrow key steps the row it stands on.
    Key(Qt::Key_Up);
    EXPECT_EQ(Design.KekkaBar[7], bars[7] + 1);
    EXPECT_EQ(w->sprResult1[0]->ForeColorAt(ColBar, 2), ColorStepped);
}

// Ctrl+Tab and Ctrl+PgDn show the other set, Ctrl+Shift+Tab and Ctrl+PgUp
// the one before (round the ends), from wherever the focus stands in the
// window: the workspace does not switch its windows, the results window
// stays active with its buttons on, and the focus stays where it was. The
// strip, the Tab stop right after the buttons, shows its focus.
TEST_F(NNkekkaTest, CtrlTabSwitchesTheSetsWhereverTheFocusIs) {
    OpenMixed();
    NNkekka* w = Results();
    QMdiSubWindow* sub = w->SubWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get(), 2000));
    ASSERT_EQ(Design.KekkaTab, 0);
    struct Case {
        const char* name;
        QWidget* focus;
        int key;
        Qt::KeyboardModifiers modifiers;
        int tab;
    };
    const Qt::KeyboardModifiers ctrl = Qt::ControlModifier;
    const Case cases[] = {
        {"Ctrl+Tab on 再表示", w->cmdIndicate, Qt::Key_Tab, ctrl, 1},
        {"Ctrl+Tab round the end", w->cmdIndicate, Qt::Key_Tab, ctrl, 0},
        {"Ctrl+PgDn on a stepper", w->UpDown3[4], Qt::Key_PageDown, ctrl, 1},
        {"Ctrl+Shift+Tab on a print box", w->Check1[2], Qt::Key_Backtab, ctrl | Qt::ShiftModifier,
         0},
        {"Ctrl+PgUp on the strip, round the end", w->SSTab1, Qt::Key_PageUp, ctrl, 1},
        {"Ctrl+Shift+Tab on 前画面へ", w->cmdBack, Qt::Key_Backtab, ctrl | Qt::ShiftModifier, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        c.focus->setFocus(Qt::TabFocusReason);
        Settle();
        ASSERT_EQ(QApplication::focusWidget(), c.focus);
        Key(c.key, c.modifiers);
        EXPECT_EQ(Design.KekkaTab, c.tab);
        EXPECT_EQ(w->SSTab1->Tab(), c.tab);
        ExpectSetShown(w, c.tab);
        EXPECT_EQ(sub->mdiArea()->activeSubWindow(), sub);
        EXPECT_EQ(CurStep, Last());
        EXPECT_TRUE(w->cmdBegin->isEnabled());
        EXPECT_TRUE(w->cmdBack->isEnabled());
        EXPECT_EQ(QApplication::focusWidget(), c.focus);
        if (c.tab == 1) SaveShotIfAsked(main.get(), QStringLiteral("nnkekka_ctrl_tab"));
    }

    // From 再表示 the first Tab reaches the strip, which shows its focus.
    w->cmdIndicate->setFocus(Qt::TabFocusReason);
    Settle();
    const QImage unfocused = w->SSTab1->grab().toImage();
    Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->SSTab1);
    EXPECT_NE(w->SSTab1->grab().toImage(), unfocused);
}

// Where Ctrl+Tab still switches the windows of the workspace (from a step),
// Ctrl+Shift+Tab goes back to the step it left, whose box has the focus
// again.
TEST_F(NNkekkaTest, CtrlShiftTabBringsTheFocusBackToTheStepLeft) {
    OpenMixed();
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get(), 2000));
    ShowStep(3);
    StepForm* step = Steps()->Step(3);
    QWidget* box = QApplication::focusWidget();
    ASSERT_NE(box, nullptr);
    ASSERT_TRUE(step->isAncestorOf(box));
    QMdiArea* area = step->SubWindow()->mdiArea();
    Key(Qt::Key_Tab, Qt::ControlModifier);
    ASSERT_NE(area->activeSubWindow(), step->SubWindow());
    Key(Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(area->activeSubWindow(), step->SubWindow());
    EXPECT_EQ(CurStep, 3);
    EXPECT_EQ(QApplication::focusWidget(), box);
    EXPECT_TRUE(step->cmdNext->isEnabled());
}

}  // namespace
}  // namespace talvo::test
