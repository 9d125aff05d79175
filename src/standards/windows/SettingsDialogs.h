// The settings dialogs of the 規格 and 設定 menus: the deformed-bar table, the
// design snow depth, the stirrup settings, the Mmax and Smax formulas and the
// main-rebar count conditions. Each edits one standard table on the dialog
// base (GridDialog) and writes it on OK; the main window shows them modally
// from their tools.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <array>
#include <functional>

#include "platform/grid.h"
#include "platform/updown.h"
#include "standards/windows/GridDialog.h"

namespace talvo {

// Registers the five dialogs under their tools (done once at start-up; a test
// that removed them registers them again).
void RegisterSettingsDialogs();

// What runs each time one of the dialogs above, opened from its tool, has
// closed with OK and written its table (Cancel and the close box run
// nothing): the results window brings what it shows up to date with it.
// Returns the listener it replaces; an empty one removes it.
std::function<void()> SetSettingsListener(std::function<void()> listener);

// 異形鉄筋の規格: the twelve bar sizes in a grid of name and four numbers.
class FKikaku : public GridDialog {
    Q_OBJECT
public:
    explicit FKikaku(QWidget* parent = nullptr);

    Grid* sprStandard = nullptr;
    QWidget* Picture1 = nullptr;  // over the area column's header: cm²

protected:
    bool Complete() override;
    void Commit() override;

private:
    std::array<std::string, 12> NameCells() const;
    std::array<std::array<std::string, 4>, 12> Numbers() const;
    int Field(int row, int col) const { return (row - 1) * 4 + (col - 2); }
};

// 設計積雪深の設定: two gradient limits and three percentages.
class FSekisetu : public GridDialog {
    Q_OBJECT
public:
    explicit FSekisetu(QWidget* parent = nullptr);

    std::array<QLineEdit*, 2> Text1{};  // the gradient limits
    std::array<QLineEdit*, 3> Text2{};  // the percentages
    std::array<QLabel*, 2> Label3{};    // the limits repeated on the middle line

protected:
    void Commit() override;

private:
    void LimitEntered(int i);
};

// スターラップの設定: spacings, rounding, count, the bar, the Sc formula.
class FStarrap : public GridDialog {
    Q_OBJECT
public:
    explicit FStarrap(QWidget* parent = nullptr);

    QLineEdit* Text1 = nullptr;  // minimum spacing
    QLineEdit* Text2 = nullptr;  // maximum spacing
    QLineEdit* Text3 = nullptr;  // rounding unit
    QLineEdit* Text4 = nullptr;  // count
    QLineEdit* Text7 = nullptr;  // the bar's name, chosen with UpDown1 or the arrow keys
    UpDown* UpDown1 = nullptr;
    QCheckBox* Check1 = nullptr;
    QRadioButton* Option1 = nullptr;
    QRadioButton* Option2 = nullptr;

    int BarIndex() const { return barIndex_; }
    int FormulaChoice() const { return formula_; }

protected:
    void Commit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void StepBar(int delta);
    void ShowBar();
    int barIndex_ = 0;
    int formula_ = 0;
};

// 最大曲げモーメント・最大せん断力の算出式: five rows of two fractions.
class FSansyutu : public GridDialog {
    Q_OBJECT
public:
    explicit FSansyutu(QWidget* parent = nullptr);

    std::array<Grid*, 2> vaSpread1{};   // 0 the column headings, 1 the row headings
    std::array<QLineEdit*, 5> Text1{};  // Mmax numerators
    std::array<QLineEdit*, 5> Text2{};  // Mmax denominators
    std::array<QLineEdit*, 5> Text3{};  // Smax numerators
    std::array<QLineEdit*, 5> Text4{};  // Smax denominators

protected:
    void Commit() override;
};

// 主鉄筋本数の算出条件: six width classes with their bounds and conditions.
class FSyutekkin : public GridDialog {
    Q_OBJECT
public:
    explicit FSyutekkin(QWidget* parent = nullptr);

    Grid* sprWidth = nullptr;      // the width classes, display only
    Grid* sprCondition = nullptr;  // 6 classes x 4 conditions
    std::array<Grid*, 3> vaSpread1{};
    std::array<QLineEdit*, 6> Text4{};  // the upper bounds of the classes

protected:
    void Commit() override;

private:
    void BoundEntered(int i);
    void ShowBound(int c, const std::string& bound);
    int BoundField(int c) const { return c * 5; }
};

}  // namespace talvo
