// Catalogue: the base of the reference dialogs that hold a catalogue of five
// rows in a grid, with two modes.
//
//   pick mode (編集 enabled): the grid is locked; OK, or a double-click on a
//     data row, picks the row of the grid's active cell and closes the dialog
//     with Accepted; Cancel closes it with Rejected. The dialog opens on the
//     row of the values the opening step holds (row 1 when no row holds
//     them). A row holding none of the values the step takes is refused
//     ("選択した行には値がありません。") and the dialog stays open; a value the
//     picked row does not hold is given back as the step holds it, so that
//     a pick never empties a value.
//   edit mode (after 編集): the cells can be edited and are checked when they
//     leave editing; "編集 OK" stores the grid into the catalogue and
//     "編集 ｷｬﾝｾﾙ" shows the catalogue again; both return to pick mode and the
//     dialog stays open.
//
// The mode is the enabled state of cmdEdit. The dialog writes nothing into
// another window: the opener reads the picked values by PickedCell(col)
// after exec() and writes its own boxes. The allowable stresses and the unit
// weights are the exception: their pick writes the design record itself
// (Picked), and the opener shows its boxes again from the record. Catalogue
// edits never set DataChanged.
#pragma once

#include <QPushButton>
#include <string>
#include <vector>

#include "platform/grid.h"
#include "standards/catalogues.h"
#include "standards/windows/GridDialog.h"

namespace talvo {

class Catalogue : public GridDialog {
    Q_OBJECT
public:
    Catalogue(const QString& name, const QString& caption, int widthTwips, int heightTwips,
              QWidget* parent = nullptr);

    QPushButton* cmdEdit = nullptr;

    bool InEditMode() const { return cmdEdit && !cmdEdit->isEnabled(); }
    // The grid row (1 to 5) picked, 0 before a pick.
    int PickedRow() const { return pickedRow_; }
    // Cell `col` (1 first) of the picked row as the grid showed it; a value
    // the row does not hold is the step's value in use. "" before a pick.
    std::string PickedCell(int col) const;
    int HelpContextID() const { return helpContextId_; }
    Grid* CatalogueGrid() const { return grid_; }

    // The buttons' actions (also what a click runs).
    void EditClick();
    void OkClick();
    void CancelClick();

protected:
    // Adds OK, Cancel and 編集(&E) in a row at `top` (twips).
    void AddButtons(int okLeft, int cancelLeft, int editLeft, int top, int width, int height);
    // The grid of the catalogue: each column's cells are checked by
    // CheckCell when they leave editing, a double-click picks.
    void SetGrid(Grid* grid);
    void SetHelpContextID(int id) { helpContextId_ = id; }
    // Opening: shows the catalogue, pick mode, the first data cell active.
    void Open();

    // Writes rows 1 to 5 from the catalogue (as shown in pick mode).
    virtual void ShowCatalogue() = 0;
    // Check of cell (col, row) leaving editing; false when it refused the entry.
    virtual bool CheckCell(int col, int row) = 0;
    // The edit commit; false refuses it (message shown, nothing written).
    virtual bool StoreEdits() = 0;
    // What a pick does beyond returning the row (writing the design).
    virtual void Picked(int row) { (void)row; }
    // The values the opening step takes and holds now.
    virtual standards::ValuesInUse InUse() const = 0;
    // Rows 1 to 5 as a pick reads them (column 1 first).
    virtual standards::CatalogueRows PickRows() const = 0;
    virtual void EnteringEdit() {}
    virtual void LeavingEdit() {}

    // The row of the grid's active cell, 1 to 5.
    int ActiveRow() const;
    // Makes the row of the values the step holds the active one (row 1 when
    // no row holds them).
    void ChooseRowInUse();

    bool Complete() override;
    void Commit() override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void LeaveEdit();
    // The Tab key of the table: one stop while picking, cell by cell while
    // editing.
    void PickByRows(bool picking = true);

    Grid* grid_ = nullptr;
    bool discarding_ = false;  // edits are being dropped: no cell is checked
    standards::ValuesInUse inUse_;
    int pickedRow_ = 0;
    std::vector<std::string> pickedCells_;
    int helpContextId_ = 0;
};

// A catalogue whose grid holds the edits (steel, pull-out safety, plate
// bending, unit weights): column 1 the name, then the value columns. A
// refused value gets the catalogue's committed value back.
class RowCatalogue : public Catalogue {
    Q_OBJECT
public:
    RowCatalogue(const QString& name, const QString& caption, int widthTwips, int heightTwips,
                 standards::CatalogueKind kind, int group, QWidget* parent = nullptr);

    standards::CatalogueKind Kind() const { return kind_; }
    int Group() const { return group_; }

protected:
    void ShowCatalogue() override;
    bool CheckCell(int col, int row) override;
    bool StoreEdits() override;
    standards::ValuesInUse InUse() const override;
    standards::CatalogueRows PickRows() const override { return GridRows(); }
    standards::CatalogueRows GridRows() const;

    standards::CatalogueKind kind_;
    int group_;
    standards::CatalogueLayout layout_;
};

}  // namespace talvo
