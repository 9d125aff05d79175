// The catalogues whose grid holds the edits: steel allowable stresses,
// pull-out safety factors, plate bending stresses and unit weights.
#include <QHeaderView>

#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "standards/windows/Catalogues.h"
#include "standards/windows/DialogGrid.h"

namespace talvo {

using namespace standards;

namespace {

constexpr int kRowHeight = 330;
constexpr int kHeaderHeight = 620;
constexpr int kButtonWidth = 1300;
constexpr int kButtonHeight = 420;

Grid* CatalogueGridOf(QWidget* parent, const QString& name, std::initializer_list<int> widths,
                      const QStringList& headers) {
    Grid* grid = AddDialogGrid(parent, name, kCatalogueRows, static_cast<int>(widths.size()), 240,
                               240, widths, kRowHeight, true, kHeaderHeight, 400);
    grid->setHorizontalHeaderLabels(headers);
    return grid;
}

}  // namespace

FKouzai::FKouzai(QWidget* parent)
    : RowCatalogue("FKouzai", QStr("鋼材の許容応力度"), 6900, 3600, CatalogueKind::Steel, 0,
                   parent) {
    sprSteel = CatalogueGridOf(
        this, "sprSteel", {2000, 1900, 1900},
        {QStr("鋼材"), QStr("許容せん断応力度\nτsa(N/mm²)"), QStr("許容引張応力度\nσsa(N/mm²)")});
    SetGrid(sprSteel);
    AddButtons(600, 2400, 4200, 2750, kButtonWidth, kButtonHeight);
    SetHelpContextID(4010);
    Open();
}

FHikiAnzen::FHikiAnzen(QWidget* parent)
    : RowCatalogue("FHikiAnzen", QStr("引き抜きに対する安全率"), 5400, 3600, CatalogueKind::PullOut,
                   PullOutGroup(Design.WorkType), parent) {
    sprSafety = CatalogueGridOf(this, "sprSafety", {2900, 1400}, {QStr("備考"), QStr("安全率")});
    SetGrid(sprSafety);
    AddButtons(240, 1800, 3360, 2750, kButtonWidth, kButtonHeight);
    SetHelpContextID(Design.WorkType == 3 ? 4012 : 4013);
    Open();
}

Fmage::Fmage(QWidget* parent)
    : RowCatalogue("Fmage", QStr("プレートの許容曲げ応力度"), 5400, 3600, CatalogueKind::Plate, 0,
                   parent) {
    sprBend = CatalogueGridOf(this, "sprBend", {2500, 1800},
                              {QStr("名称"), QStr("許容曲げ応力度σoa\n(N/mm²)")});
    SetGrid(sprBend);
    AddButtons(240, 1800, 3360, 2750, kButtonWidth, kButtonHeight);
    SetHelpContextID(4011);
    Open();
}

FJyuuryo::FJyuuryo(QWidget* parent)
    : RowCatalogue("FJyuuryo", QStr(WeightCaption(UnitWeightGroup)), 5400, 3600,
                   CatalogueKind::UnitWeight, WeightGroup(UnitWeightGroup), parent) {
    sprWeight = CatalogueGridOf(this, "sprWeight", {2700, 1600},
                                {QStr(WeightNameHeading(group_)), QStr("単位体積重量\n(kN/m³)")});
    SetGrid(sprWeight);
    AddButtons(240, 1800, 3360, 2750, kButtonWidth, kButtonHeight);
    SetHelpContextID(4001);
    Open();
}

void FJyuuryo::Picked(int row) {
    (void)row;
    PickUnitWeight(group_, PickedCell(1), PickedCell(2));
}

}  // namespace talvo
