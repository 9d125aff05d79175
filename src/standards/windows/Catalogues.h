// The five catalogue dialogs that the steps' "参考値..." buttons open:
// design strengths and allowable stresses, steel allowable stresses,
// pull-out safety factors, plate bending stresses and unit weights.
#pragma once

#include <QLabel>
#include <QLineEdit>
#include <array>
#include <string>

#include "platform/tabstrip.h"
#include "standards/windows/Catalogue.h"

namespace talvo {

// 設計基準強度および許容応力度: four standards on four tabs. The dialog keeps a
// working copy of all four standards and their names while in edit mode, so
// switching tabs loses nothing typed. A pick writes the design's five
// allowable stresses and raises RecalcResult and DataChanged itself.
class FKijyunti : public Catalogue {
    Q_OBJECT
public:
    explicit FKijyunti(QWidget* parent = nullptr);

    Grid* sprStandard = nullptr;
    TabStrip* SSTab1 = nullptr;
    std::array<QLineEdit*, 4> Text7{};  // the standards' names, shown in edit mode

protected:
    void ShowCatalogue() override;
    bool CheckCell(int col, int row) override;
    bool StoreEdits() override;
    void Picked(int row) override;
    standards::ValuesInUse InUse() const override;
    standards::CatalogueRows PickRows() const override;
    void EnteringEdit() override;
    void LeavingEdit() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void TabClick(int previousTab);
    // The name check of box i; false when an emptied name was refused.
    bool NameLeft(int i);
    void ShowNameBox(int i);

    standards::StressWork work_{};
    std::array<std::string, 4> names_{};
    bool loading_ = true;
    bool checkingName_ = false;
};

// 鋼材の許容応力度: steel grades with τsa and σsa.
class FKouzai : public RowCatalogue {
    Q_OBJECT
public:
    explicit FKouzai(QWidget* parent = nullptr);
    Grid* sprSteel = nullptr;
};

// 引き抜きに対する安全率: the group of the design's work type.
class FHikiAnzen : public RowCatalogue {
    Q_OBJECT
public:
    explicit FHikiAnzen(QWidget* parent = nullptr);
    Grid* sprSafety = nullptr;
};

// プレートの許容曲げ応力度.
class Fmage : public RowCatalogue {
    Q_OBJECT
public:
    explicit Fmage(QWidget* parent = nullptr);
    Grid* sprBend = nullptr;
};

// The unit weights of group UnitWeightGroup. A pick writes the group's name
// and weight into the design and raises the flags a typed weight raises.
class FJyuuryo : public RowCatalogue {
    Q_OBJECT
public:
    explicit FJyuuryo(QWidget* parent = nullptr);
    Grid* sprWeight = nullptr;

protected:
    void Picked(int row) override;
};

}  // namespace talvo
