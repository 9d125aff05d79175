#include "calc/windows/NGouryoku.h"

#include <QFontMetrics>

#include "calc/windows/ForceFormula.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NGouryoku", [] { return new NGouryoku; });
    return true;
}();

// One row of the table: the quantity, the stress symbol with its index, the
// box and the unit N/mm² (the exponent raised over the blank of "(N/mm )").
QLineEdit* AddStressRow(QWidget* parent, const QString& name, const QString& title,
                        const QString& symbol, const QString& index, int top) {
    AddText(parent, title, 480, top, 2400, kRowHeight);
    QLabel* sym = AddText(parent, symbol, 2940, top, 250, kRowHeight);
    QLabel* sub = AddSmallText(parent, index, 3120, top + 120, 300, 240);
    sub->move(sym->x() + QFontMetrics(sym->font()).horizontalAdvance(symbol) + 1, sub->y());
    AddText(parent, "=", 3480, top, 200, kRowHeight);
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setAlignment(Qt::AlignRight);
    PlaceTwips(box, 3720, top, 1100, kRowHeight);
    QLabel* unit = AddText(parent, "(N/mm )", 4900, top, 1000, kRowHeight);
    QLabel* square = AddSmallText(parent, "2", 5400, top - 30, 200, 240);
    const QFontMetrics fm(unit->font());
    square->move(unit->x() + fm.horizontalAdvance("(N/mm"), square->y());
    return box;
}

}  // namespace

bool NGouryoku::CatalogueAvailable() {
    // The catalogue dialog of design strengths is not part of the program
    // yet; until it is, the reference button offers nothing and stays off.
    return false;
}

NGouryoku::NGouryoku(QWidget* parent) : StepForm("NGouryoku", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NGouryoku");

    AddTitleBar(this, "コンクリート", 240, 90, 8835, 300);
    txtStandard = AddStressRow(this, "txtStandard", "設計基準強度", "σ", "ck", 480);
    txtCompress = AddStressRow(this, "txtCompress", "許容圧縮応力度", "σ", "ca", 870);
    txtShear = AddStressRow(this, "txtShear", "許容せん断応力度", "τ", "ca", 1260);
    txtAdhesion = AddStressRow(this, "txtAdhesion", "許容付着応力度", "τ", "oa", 1650);
    cmdRefer = new QPushButton("参考値...", this);
    cmdRefer->setObjectName("cmdRefer");
    cmdRefer->setAutoDefault(false);
    PlaceTwips(cmdRefer, 6900, 1020, 1500, 375);
    cmdRefer->setEnabled(false);
    connect(cmdRefer, &QPushButton::clicked, this, [] {
        // Opens the catalogue once it exists; the button is disabled until then.
    });

    AddTitleBar(this, "鉄筋", 240, 2100, 8835, 300);
    txtPull = AddStressRow(this, "txtPull", "許容引張応力度", "σ", "sa", 2490);

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
}

void NGouryoku::OnLoad() {
    struct Row {
        QLineEdit* box;
        double min, max;
        int decimals;
        std::string* field;
    };
    const Row rows[] = {
        {txtStandard, 1, 99, 0, &Design.SigmaCk}, {txtCompress, 0.1, 99.9, 1, &Design.SigmaCa},
        {txtShear, 0.01, 0.99, 2, &Design.TauCa}, {txtAdhesion, 0.1, 9.9, 1, &Design.TauOa},
        {txtPull, 1, 999, 0, &Design.SigmaSa},
    };
    for (const Row& r : rows) {
        NumBox rule;
        rule.min = r.min;
        rule.max = r.max;
        rule.decimals = r.decimals;
        rule.places = 5;
        rule.field = r.field;
        rule.flags = {&RecalcResult};
        Entries()->AddNumber(r.box, rule);
        Entries()->ShowStored(r.box);
    }
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
    cmdRefer->setEnabled(on && CatalogueAvailable());
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

}  // namespace talvo
