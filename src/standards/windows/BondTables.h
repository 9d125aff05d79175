// The fixed reference tables of bond stress and skin friction that the
// anchorage steps open from their first two "参考値..." buttons. The tables
// are built at every opening and never edited; each opens on the first cell
// of the value the step holds (the first cell when none is that value). OK
// takes a value and closes the dialog with Accepted; the opener reads
// Value() and writes its own box.
#pragma once

#include <QLineEdit>
#include <QPushButton>
#include <QWidget>
#include <string>

#include "platform/grid.h"
#include "standards/windows/GridDialog.h"

namespace talvo {

class FixedTable : public GridDialog {
    Q_OBJECT
public:
    using GridDialog::GridDialog;
    // The text picked (the cell's text, or its last four characters).
    const std::string& Value() const { return value_; }

protected:
    std::string value_;
};

// グラウトとテンドンの許容付着応力度 (ground anchors).
class FFutyakuAnchor : public FixedTable {
    Q_OBJECT
public:
    explicit FFutyakuAnchor(QWidget* parent = nullptr);
    Grid* sprAnchor = nullptr;

protected:
    bool Complete() override;
    void Commit() override;
};

// A table with a cohesive-soil row whose friction is factor × c: the cohesion
// panel of both skin-friction dialogs.
class CohesionTable : public FixedTable {
    Q_OBJECT
public:
    using FixedTable::FixedTable;

    QWidget* Picture1 = nullptr;
    QLineEdit* Text1 = nullptr;
    QPushButton* cmdStick = nullptr;
    QPushButton* cmdAdhesionOK = nullptr;
    QPushButton* cmdAdhesionCancel = nullptr;

    // The last accepted cohesion (FormatNum(c, 1, 4)), empty when none.
    const std::string& Cohesion() const { return cohesion_; }
    void StickClick();
    void AdhesionOkClick();
    void AdhesionCancelClick();

protected:
    // Builds the panel and cmdStick; `text1` is the box's first text.
    void AddCohesionPanel(int left, int top, int stickLeft, int stickTop, const QString& text1);
    // A cohesion was accepted: the cohesive-soil cell shows the friction.
    virtual void CohesionEntered() = 0;

    std::string cohesion_;

private:
    void ClosePanel();
};

// グラウンドアンカーの周面摩擦抵抗: the choice is the cell clicked or moved to
// by the keys last.
class FMasatuAnchor : public CohesionTable {
    Q_OBJECT
public:
    explicit FMasatuAnchor(QWidget* parent = nullptr);
    Grid* sprAnchor = nullptr;
    Grid* sprAdhesion = nullptr;

    // 0 nothing chosen, 1 a cell of sprAnchor, 2 the cohesion cell.
    int SelectionSource() const { return source_; }

protected:
    bool Complete() override;
    void Commit() override;
    void CohesionEntered() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Choose(int source, int col, int row);
    int source_ = 0;
    int selCol_ = 0;
    int selRow_ = 0;
};

// 極限周面摩擦抵抗の推定値 (rock bolts): the choice is the active cell.
class FMasatuRock : public CohesionTable {
    Q_OBJECT
public:
    explicit FMasatuRock(QWidget* parent = nullptr);
    Grid* sprRock = nullptr;

protected:
    bool Complete() override;
    void Commit() override;
    void CohesionEntered() override;
};

// グラウトと鋼材の許容付着応力度 (rock bolts).
class FFutyakuRock : public FixedTable {
    Q_OBJECT
public:
    explicit FFutyakuRock(QWidget* parent = nullptr);
    Grid* sprRock = nullptr;

protected:
    bool Complete() override { return true; }
    void Commit() override;
};

}  // namespace talvo
