// 異形鉄筋の規格: the deformed-bar table in a grid. Column 1 is the bar name
// (cut to three bytes), columns 2 to 5 the unit mass, nominal diameter,
// nominal area and perimeter, each laid out with the decimals its size asks.
#include <QHeaderView>

#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "standards/settingtables.h"
#include "standards/windows/DialogGrid.h"
#include "standards/windows/SettingsDialogs.h"

namespace talvo {

using namespace standards;

FKikaku::FKikaku(QWidget* parent)
    : GridDialog("FKikaku", QStr("異形鉄筋の規格"), 8400, 5500, parent) {
    sprStandard = AddDialogGrid(this, "sprStandard", 12, 5, 240, 200,
                                {1200, 1500, 1500, 1500, 1500}, 300, true, 500, 500);
    sprStandard->setHorizontalHeaderLabels({QStr("呼び名"), QStr("単位質量(kg/m)"),
                                            QStr("公称直径(mm)"), QStr("公称断面積(cm^2)"),
                                            QStr("公称周長(cm)")});
    GridLock(sprStandard, true);

    // The area's heading reads cm² with a raised 2, drawn over the header.
    QHeaderView* header = sprStandard->horizontalHeader();
    Picture1 = new QWidget(header);
    Picture1->setObjectName("Picture1");
    Picture1->setAutoFillBackground(true);
    Picture1->setGeometry(header->sectionPosition(3) + 1, 1, header->sectionSize(3) - 2,
                          header->height() - 2);
    auto* Label1 = AddLabel(Picture1, QStr("公称断面積"), 0, 40, 1470, 220, Qt::AlignCenter);
    Label1->setObjectName("Label1");
    auto* Label2 = AddLabel(Picture1, QStr("(cm )"), 0, 250, 1470, 220, Qt::AlignCenter);
    Label2->setObjectName("Label2");
    auto* Label4 = AddSmallLabel(Picture1, QStr("2"), 810, 230, 150, 160);
    Label4->setObjectName("Label4");

    AddOkCancel(2600, 4400, 4700, 1300, 420);

    for (int row = 1; row <= 12; ++row) {
        const auto texts = RebarRowTexts(row - 1);
        sprStandard->SetText(1, row, QStr(texts[0]));
        for (int col = 2; col <= 5; ++col) {
            const int id = AddCellField(sprStandard, col, row, RebarColumnSpec(col));
            Load(id, texts[static_cast<std::size_t>(col - 1)]);
        }
    }
    SetCellRoutine(sprStandard, 1, [this](int row) {
        sprStandard->SetText(1, row, QStr(CheckBarName(StdStr(sprStandard->TextAt(1, row)))));
        return true;  // a long name is cut, never refused
    });
}

std::array<std::string, 12> FKikaku::NameCells() const {
    std::array<std::string, 12> names;
    for (int row = 1; row <= 12; ++row)
        names[static_cast<std::size_t>(row - 1)] = StdStr(sprStandard->TextAt(1, row));
    return names;
}

std::array<std::array<std::string, 4>, 12> FKikaku::Numbers() const {
    std::array<std::array<std::string, 4>, 12> numbers;
    for (int row = 1; row <= 12; ++row)
        for (int col = 2; col <= 5; ++col)
            numbers[static_cast<std::size_t>(row - 1)][static_cast<std::size_t>(col - 2)] =
                Working(Field(row, col));
    return numbers;
}

bool FKikaku::Complete() {
    return RebarTableComplete(NameCells(), Numbers());
}

void FKikaku::Commit() {
    CommitRebarTable(NameCells(), Numbers());
}

}  // namespace talvo
