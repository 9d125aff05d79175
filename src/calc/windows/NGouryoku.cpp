#include "calc/windows/NGouryoku.h"

#include <QFontMetrics>

#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"
#include "standards/windows/Catalogues.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NGouryoku", [] { return new NGouryoku; });
    return true;
}();

// Where the stress boxes stand in their rows.
constexpr int kBoxLeft = 3720;
constexpr int kBoxWidth = 1100;

// The unit N/mm² of a row: "(N/mm", a small raised "2" and ")", each set
// right after the one before by its width in its own font. An exponent laid
// over the blank of "(N/mm )" is wider than the blank and runs into the ")".
void AddStressUnit(QWidget* parent, int top) {
    const QString base = QStringLiteral("(N/mm");
    QLabel* open = AddLabel(parent, base, 4900, top, 1000, kRowHeight);
    open->resize(QFontMetrics(open->font()).horizontalAdvance(base), open->height());
    QLabel* square = AddSmallLabel(parent, "2", 5400, top - 15, 200, 240);
    square->setGeometry(open->x() + open->width(), square->y(),
                        QFontMetrics(square->font()).horizontalAdvance("2"), square->height());
    QLabel* close = AddLabel(parent, ")", 5600, top, 200, kRowHeight);
    close->move(square->x() + square->width(), close->y());
}

// One row of the table around its box: the quantity, the stress symbol with
// its index, the "=" and the unit.
void AddStressRow(QWidget* parent, const QString& title, const QString& symbol,
                  const QString& index, int top) {
    AddLabel(parent, title, 480, top, 2400, kRowHeight);
    QLabel* sym = AddLabel(parent, symbol, 2940, top, 250, kRowHeight);
    QLabel* sub = AddSmallLabel(parent, index, 3120, top + 120, 300, 240);
    sub->move(sym->x() + QFontMetrics(sym->font()).horizontalAdvance(symbol) + 1, sub->y());
    AddLabel(parent, "=", 3480, top, 200, kRowHeight);
    AddStressUnit(parent, top);
}

}  // namespace

NGouryoku::NGouryoku(QWidget* parent) : StepForm("NGouryoku", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NGouryoku");

    AddTitleBar(this, "コンクリート", 240, 90, 8835, 300);
    AddStressRow(this, "設計基準強度", "σ", "ck", 480);
    AddStressRow(this, "許容圧縮応力度", "σ", "ca", 870);
    AddStressRow(this, "許容せん断応力度", "τ", "ca", 1260);
    AddStressRow(this, "許容付着応力度", "τ", "oa", 1650);
    cmdRefer = new QPushButton("参考値...", this);
    cmdRefer->setObjectName("cmdRefer");
    cmdRefer->setAutoDefault(false);
    PlaceTwips(cmdRefer, 6900, 1020, 1500, 375);
    cmdRefer->setEnabled(false);
    connect(cmdRefer, &QPushButton::clicked, this,
            [this] { Entries()->RunDeferred([this] { ReferClick(); }, cmdRefer); });

    AddTitleBar(this, "鉄筋", 240, 2100, 8835, 300);
    AddStressRow(this, "許容引張応力度", "σ", "sa", 2490);

    // The stress boxes, one to a row, each between its "=" and its unit.
    const std::vector<NumEntry> table = {
        PlaceEntry("NGouryoku", "txtStandard", kBoxLeft, 480, kBoxWidth, kRowHeight),
        PlaceEntry("NGouryoku", "txtCompress", kBoxLeft, 870, kBoxWidth, kRowHeight),
        PlaceEntry("NGouryoku", "txtShear", kBoxLeft, 1260, kBoxWidth, kRowHeight),
        PlaceEntry("NGouryoku", "txtAdhesion", kBoxLeft, 1650, kBoxWidth, kRowHeight),
        PlaceEntry("NGouryoku", "txtPull", kBoxLeft, 2490, kBoxWidth, kRowHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(this, table);
    for (QLineEdit* box : boxes) box->setAlignment(Qt::AlignRight);
    txtStandard = boxes[0];
    txtCompress = boxes[1];
    txtShear = boxes[2];
    txtAdhesion = boxes[3];
    txtPull = boxes[4];

    AddTitleBar(this, "せん断応力度τcの照査方法", 240, 3030, 8835, 300);
    auto* group = new QFrame(this);
    group->setObjectName("fraShear");
    group->setFrameShape(QFrame::StyledPanel);
    PlaceTwips(group, 240, 3330, 8835, 600);
    optAverage = new QRadioButton("平均せん断応力度[Ｓmax/(b･d)]", group);
    optAverage->setObjectName("optAverage");
    PlaceTwips(optAverage, 240, 135, 4100, kRowHeight);
    optMax = new QRadioButton("最大せん断応力度[Ｓmax/(b･j･d)]", group);
    optMax->setObjectName("optMax");
    PlaceTwips(optMax, 4500, 135, 4100, kRowHeight);
    connect(optAverage, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ModeClick(0);
    });
    connect(optMax, &QRadioButton::toggled, this, [this](bool on) {
        if (on) ModeClick(1);
    });

    Text4 = FocusSink;
    // Reached with the Tab key, the sink hands the focus on to the first box.
    SetTabWrapTarget(txtStandard);
    setTabOrder(txtStandard, txtCompress);
    setTabOrder(txtCompress, txtShear);
    setTabOrder(txtShear, txtAdhesion);
    setTabOrder(txtAdhesion, cmdRefer);
    setTabOrder(cmdRefer, txtPull);
    setTabOrder(txtPull, optAverage);
    setTabOrder(optAverage, optMax);
    setTabOrder(optMax, cmdBegin);
    // The two methods are one stop, held by the one chosen; the arrow keys
    // choose.
    OneTabStop({optAverage, optMax});
}

void NGouryoku::OnLoad() {
    Entries()->ShowAllStored();
    // Any stored method other than the average is shown, and kept, as the
    // maximum; that correction is no change of the engineer's.
    loading_ = true;
    if (Design.ShearStressMode != 0)
        optMax->setChecked(true);
    else
        optAverage->setChecked(true);
    loading_ = false;
}

void NGouryoku::ModeClick(std::int16_t mode) {
    if (Design.ShearStressMode != mode) {
        RecalcResult = 1;
        // The method is saved with the design, so choosing another one is a
        // change to be saved.
        if (!loading_) DataChanged = 1;
    }
    Design.ShearStressMode = mode;
}

void NGouryoku::SetReferEnabled(bool on) {
    cmdRefer->setEnabled(on);
}

void NGouryoku::OnActivate() {
    SetReferEnabled(true);
}

void NGouryoku::OnDeactivate() {
    SetReferEnabled(false);
}

void NGouryoku::OnResized(bool minimised) {
    SetReferEnabled(!minimised);
}

void NGouryoku::ReferClick() {
    // A pick writes the design's five stresses and raises its flags; the
    // boxes then show what was stored.
    FKijyunti dialog(this);
    if (dialog.exec() == QDialog::Accepted) Entries()->ShowAllStored();
    cmdRefer->setFocus(Qt::OtherFocusReason);
}

}  // namespace talvo
