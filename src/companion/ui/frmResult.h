// The companion's main window: the two frame patterns and the four failure
// depths, the failure shape, and the restrainable lengths of that shape. It
// owns the program's lifetime and opens every other window.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;
class QRadioButton;

namespace talvo {
class Grid;
class UpDown;
}  // namespace talvo

namespace talvo::companion {

struct SectionMark;

class FrmResult : public QWidget {
    Q_OBJECT
public:
    explicit FrmResult(QWidget* parent = nullptr);
    ~FrmResult() override;

    Grid* sprFrame = nullptr;   // 2 columns × 9 rows
    Grid* sprDeep = nullptr;    // 1 column × 4 rows
    Grid* sprLength = nullptr;  // 4 columns × 4 rows
    std::array<QRadioButton*, 2> optShape{};
    QLabel* picShape = nullptr;
    std::array<UpDown*, 2> UpDown1{};
    QPushButton* cmdFrameSpan = nullptr;
    QPushButton* cmdCondition = nullptr;
    QPushButton* cmdCalculate = nullptr;
    QPushButton* cmdPrint = nullptr;
    QPushButton* cmdAppEnd = nullptr;
    QPushButton* cmdHelp = nullptr;

    // Leaving an edited cell: the row's check (sprFrame rows 1-7 and 9).
    void FrameCellCheck(int col, int row);
    void DeepCellCheck(int row);
    void UpDownClick(int index, bool up);
    void optShapeClick(int index);
    void cmdCalculateClick();
    void cmdPrintClick();
    void cmdConditionClick();
    void cmdFrameSpanClick();
    // The stored results of a shape into sprLength.
    void KekkaShow(int shape);
    // Row 7 of both patterns after the infill switch changed.
    void ShowInfillRow(bool afterConditions);
    // The cells of pattern p after a standard row was assigned to it; with
    // `sameInfill` the infill thickness took the frame height.
    void ShowAssignedPattern(int p, bool sameInfill);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void FormLoad();
    void WriteCell(Grid* grid, int col, int row, const QString& text);
    void CrossChecks(int p, int row);
    // Colours the rows of a section rule in pattern p's column.
    void PaintMark(int p, const SectionMark& mark);
    void ShowPicture();

    bool writing_ = false;
};

// The window while it exists (dialogs write into its grids), else null.
FrmResult* ResultWindow();

// The picture of a failure shape (0 wedge, 1 arc): the file "くさびBU.BMP" or
// "円弧BU.BMP" of the program folder when it can be read as a bitmap, else
// the built-in drawing.
QPixmap ShapePicture(int shape, const QString& programFolder);
// The built-in drawing of a shape.
QPixmap DrawShapePicture(int shape);

// Start-up: the settings file of the program folder, the help file, the
// study record, and the main window shown. Returns the window.
FrmResult* CompanionMain(const std::string& programFolder, const std::string& pathVariable);

}  // namespace talvo::companion
