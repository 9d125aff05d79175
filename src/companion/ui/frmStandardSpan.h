// The standard frame spans: a row of the table assigned to pattern 1 or 2.
#pragma once

#include <QDialog>
#include <array>
#include <string>

#include "companion/checks.h"

class QCheckBox;
class QPushButton;

namespace talvo {
class Grid;
}

namespace talvo::companion {

class FrmStandardSpan : public QDialog {
    Q_OBJECT
public:
    explicit FrmStandardSpan(QWidget* parent = nullptr);
    Grid* sprFrameSpan = nullptr;
    QCheckBox* chkSame = nullptr;
    std::array<QPushButton*, 2> cmdPattern{};
    QPushButton* cmdCancel = nullptr;
    QPushButton* cmdHelp = nullptr;
    // Assigns the row of the active cell to pattern p.
    void AssignRow(int p);

protected:
    // Return in the table assigns the row chosen to the pattern the dialog
    // was opened for, as that pattern's button would.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Table row r (1 to 6) as an assignment takes it.
    StandardRow RowAt(int r) const;
    // The row whose section and spans the pattern in use holds, 1 when none.
    int RowInUse() const;

    // The pattern whose column of the results grid the engineer stood in
    // when the dialog opened (pattern 1 otherwise).
    int patternInUse_ = 0;

    std::array<int, 7> barIndex_{};
    std::array<std::string, 7> barCount_{};
};

}  // namespace talvo::companion
