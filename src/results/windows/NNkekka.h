// NNkekka: the results window, the last step of every chain. It brings the
// results up to date when it is activated (the flagged calculations and,
// when a result may have changed, the rebuild), shows the rows of one result
// set at a time with their OK/OUT colours, lets the engineer step the bar
// arrangement of a row, choose the row of each frame that goes into the
// report, and print.
//
// Everything it shows comes from the record: the texts and colours of a row
// from KekkaRowCells, the forces and allowables from ResultDisplaysOf. The
// core writes the colours of both sets at once (ResultColor), so the grids
// only paint; nothing is ever copied back from a grid.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <cstdint>

#include "platform/stepform.h"
#include "results/stepping.h"

namespace talvo {

class Grid;
class TabStrip;
class UpDown;

class NNkekka : public StepForm {
    Q_OBJECT
public:
    explicit NNkekka(QWidget* parent = nullptr);

    // "縦   枠" (set 0) and "横   枠" (set 1); hidden with one result set.
    TabStrip* SSTab1 = nullptr;
    // The one tab shown instead with one result set: "横　枠" or "縦　横".
    TabStrip* SSTab2 = nullptr;
    // [0] the six rows of the shown set; [1] the print row of the other set.
    std::array<Grid*, 2> sprResult1{};
    Grid* sprResult2 = nullptr;  // required area; the four allowables
    Grid* sprResult3 = nullptr;  // Mmax and Smax of the shown set
    // Steppers over columns 1, 2, 8 and 9 of each row of the result grid...
    std::array<UpDown*, 6> UpDown1{}, UpDown2{}, UpDown3{}, UpDown4{};
    // ...and of the print-row grid.
    UpDown* UpDown5 = nullptr;
    UpDown* UpDown6 = nullptr;
    UpDown* UpDown7 = nullptr;
    UpDown* UpDown8 = nullptr;
    // The print row of the shown set: at most one box ticked.
    std::array<QCheckBox*, 6> Check1{};
    // "簡易印刷(&Y)" and "全頁印刷(&Z)".
    std::array<QPushButton*, 2> cmdPrint{};
    // In red under the lowest grid, the required entries left empty and the
    // failed checks beside the grid ("未入力：…　ＯＵＴ：…", FailedChecksLine),
    // over as many lines as the grid's width needs; hidden while everything
    // holds.
    QLabel* lblOut = nullptr;

    // While 1, the check-box handler does nothing: the window is setting the
    // ticks itself to mirror the record.
    std::int16_t PrintBoxGuard = 0;

    // Paints table row `row` of `set` into its row of the result grid.
    void kekkadata(int set, int row);
    // The print row of set `i` into the print-row grid, or blank cells when
    // the set has none.
    void writeins(int i);

    // A settings dialog has written its table: while the window is shown it
    // runs at once what its activation runs, so that what it shows and what
    // can be printed follow the conditions as they are now. Shown as an
    // icon, or behind another step, it waits for its activation.
    void SettingsChanged();

protected:
    void OnLoad() override;
    void OnActivate() override;
    void OnDeactivate() override;
    void OnResized(bool minimised) override;
    void SetNavEnabled(bool on) override;
    void BeginClicked() override;
    void BackClicked() override;
    void IndicateClicked() override;

private:
    // The activation's work: the flagged calculations, the rebuild when a
    // result may have changed, the print state, the focus on cmdIndicate.
    void BringUpToDate();
    // Brings the results up to date once pending events have run, if the
    // window is then shown and active.
    void QueueUpdate();
    void Check1Click(int index);
    void SSTab1Click();
    void cmdPrintClick(int index);
    void StepShownRow(int index, StepQuantity quantity, StepWay way);
    void StepPrintRow(StepQuantity quantity, StepWay way, UpDown* clicked);

    // Single-set or two-set controls.
    void ApplyMode();
    // Everything of the shown set: forces, area, allowables, ticks, the other
    // set's print row and the six rows.
    void ShowSet();
    // The ticks mirror the shown set's print row.
    void SetTicks();
    // Print buttons (and the print menu) on only while the rows are chosen and
    // there is a print command to run.
    bool PrintAllowed() const;
    void SetPrintButtons(bool on);
    void SetPrintTool(bool on);
    // The line of the failed checks, from the record; with it the button bar
    // moves down (and the window grows) where the lowest grid leaves no room,
    // by each of its lines.
    void ShowFailedChecks();
    // The window's normal height follows the line: the step windows' height,
    // taller by growthTwips_.
    void FitHeight();
    // Tab order: the buttons, the set strip, the print boxes and print
    // buttons, then the steppers row by row.
    void SetTabOrder();

    // Activated while minimised: the results wait for the window's restoring.
    bool updatePending_ = false;
    // How much taller the line of the failed checks needs the window, twips.
    int growthTwips_ = 0;
    int navTop_ = 0;  // the button bar's top without the line, pixels
};

}  // namespace talvo
