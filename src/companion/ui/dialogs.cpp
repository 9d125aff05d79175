#include "companion/ui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/frmResult.h"
#include "platform/desktop.h"
#include "platform/grid.h"
#include "platform/mdichild.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "steps/gradient.h"

namespace talvo::companion {

namespace {

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

// A row of the conditions dialog: pending field, range and display format.
struct CondRow {
    std::string* pending;
    double min, max;
    int decimals;
    int places, shownDecimals;
};

CondRow Row(int i) {
    switch (i) {
        case FrmCondition::Ratio:
            return {&EditSlopeRatio, 0.01, 9.99, 2, 3, 2};
        case FrmCondition::Angle:
            // Only the angles whose gradient (1/tanθ to two decimals) lies
            // within the ratio's 0.01 to 9.99 can be calculated: θ = 5.71
            // gives 10.00 and θ = 89.72 gives 0.00, so the range names them.
            return {&EditSlopeAngle, 5.72, 89.71, 2, 6, 2};
        case FrmCondition::Safety:
            return {&EditDeltaFs, 0.01, 1.0, 2, 6, 2};
        case FrmCondition::Distance:
            return {&EditArcTopDistance, 0, 99.999, 3, 6, 3};
        case FrmCondition::Frame:
            return {&EditFrameWeight, 0.1, 99.9, 1, 6, 1};
        case FrmCondition::Pack:
            return {&EditInfillWeight, 0.1, 99.9, 1, 6, 1};
        case FrmCondition::Mass:
            return {&EditSoilWeight, 0.1, 99.9, 1, 6, 1};
        case FrmCondition::Concrete:
            return {&EditSigmaCa, 0.1, 99.9, 1, 6, 1};
        default:
            return {&EditSigmaSa, 1, 999, 0, 6, 0};
    }
}

void SetBoxEnabled(QLineEdit* box, bool on) {
    box->setEnabled(on);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, on ? QApplication::palette().color(QPalette::Base)
                                    : QApplication::palette().color(QPalette::Button));
    box->setPalette(pal);
}

QPushButton* Button(const QString& text, QWidget* parent) {
    auto* b = new QPushButton(text, parent);
    b->setAutoDefault(false);
    return b;
}

QLabel* Buddy(const QString& text, QWidget* box) {
    auto* label = new QLabel(text);
    label->setBuddy(box);
    return label;
}

// The gradient picture: a right triangle with the rise a, the base b and the
// foot angle θ.
QPixmap SlopeTriangle() {
    QPixmap pm(90, 60);
    pm.fill(Qt::white);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::black, 1.5));
    const QPointF foot(10, 50), corner(70, 50), top(70, 10);
    p.drawPolygon(QPolygonF({foot, corner, top}));
    p.drawArc(QRectF(foot.x() - 16, foot.y() - 16, 32, 32), 0, 34 * 16);
    p.drawText(QPointF(75, 34), QStringLiteral("a"));
    p.drawText(QPointF(38, 60 - 1), QStringLiteral("b"));
    p.drawText(QPointF(28, 46), QStringLiteral("θ"));
    return pm;
}

QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons) {
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* b : buttons) row->addWidget(b);
    return row;
}

}  // namespace

// ---------------------------------------------------------------- FrmCondition

FrmCondition::FrmCondition(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmCondition"));
    setWindowTitle(QStringLiteral("ミルダ－ＳＩ  ［条件設定］"));
    for (auto& b : box) {
        b = new QLineEdit(this);
        b->setAlignment(Qt::AlignRight);
        b->setFixedWidth(90);
        b->installEventFilter(this);
    }
    optSlope[0] = new QRadioButton(QStringLiteral(" 比率入力(&P)"), this);
    optSlope[1] = new QRadioButton(QStringLiteral(" 角度入力(&S)"), this);
    chkConsider = new QCheckBox(QStringLiteral("考慮する(&K)"), this);
    chkConsider->setChecked(true);
    cmdWeightReference[0] = Button(QStringLiteral("参考値(&C)..."), this);
    cmdWeightReference[1] = Button(QStringLiteral("参考値(&E)..."), this);
    cmdWeightReference[3] = Button(QStringLiteral("参考値(&G)..."), this);
    cmdGrapthReference = Button(QStringLiteral("参考値(&D)..."), this);
    cmdStressReference = Button(QStringLiteral("参考値(&Y)..."), this);
    Command1 = Button(QStringLiteral("OK"), this);
    Command2 = Button(QStringLiteral("キャンセル"), this);
    Command6 = Button(QStringLiteral("ヘルプ(&H)"), this);

    auto* frame1 = new QGroupBox(QStringLiteral("地形等"), this);
    auto* g1 = new QGridLayout(frame1);
    g1->addWidget(new QLabel(QStringLiteral("のり勾配")), 0, 0, 2, 1);
    g1->addWidget(optSlope[0], 0, 1);
    g1->addWidget(new QLabel(QStringLiteral("a：b")), 0, 2);
    g1->addWidget(new QLabel(QStringLiteral("1：")), 0, 3);
    g1->addWidget(box[Ratio], 0, 4);
    g1->addWidget(optSlope[1], 1, 1);
    g1->addWidget(new QLabel(QStringLiteral("θ")), 1, 2);
    g1->addWidget(box[Angle], 1, 4);
    g1->addWidget(new QLabel(QStringLiteral("°")), 1, 5);
    auto* picSlope = new QLabel(frame1);
    picSlope->setPixmap(SlopeTriangle());
    picSlope->setObjectName(QStringLiteral("picSlope"));
    g1->addWidget(picSlope, 0, 6, 2, 1);
    g1->addWidget(Buddy(QStringLiteral("増加させる安全率(&F)"), box[Safety]), 2, 0, 1, 2);
    g1->addWidget(new QLabel(QStringLiteral("ΔFs")), 2, 2);
    g1->addWidget(box[Safety], 2, 4);
    g1->addWidget(cmdGrapthReference, 2, 6);
    g1->addWidget(Buddy(QStringLiteral("のり肩から崩壊円弧上端の距離(&L)"), box[Distance]), 3, 0, 1,
                  2);
    g1->addWidget(new QLabel(QStringLiteral("L<sub>3</sub>")), 3, 2);
    g1->addWidget(box[Distance], 3, 4);
    g1->addWidget(new QLabel(QStringLiteral("m")), 3, 5);

    auto* frame2 = new QGroupBox(QStringLiteral("単位体積重量"), this);
    auto* g2 = new QGridLayout(frame2);
    const QString unitW = QStringLiteral("kN/m<sup>3</sup>");
    g2->addWidget(Buddy(QStringLiteral("のり枠(&W)"), box[Frame]), 0, 0);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>c</sub>")), 0, 2);
    g2->addWidget(box[Frame], 0, 3);
    g2->addWidget(new QLabel(unitW), 0, 4);
    g2->addWidget(cmdWeightReference[0], 0, 5);
    g2->addWidget(Buddy(QStringLiteral("中詰め材(&Z)"), box[Pack]), 1, 0);
    g2->addWidget(chkConsider, 1, 1);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>e</sub>")), 1, 2);
    g2->addWidget(box[Pack], 1, 3);
    g2->addWidget(new QLabel(unitW), 1, 4);
    g2->addWidget(cmdWeightReference[1], 1, 5);
    g2->addWidget(Buddy(QStringLiteral("移動土塊(&I)"), box[Mass]), 2, 0);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>t</sub>")), 2, 2);
    g2->addWidget(box[Mass], 2, 3);
    g2->addWidget(new QLabel(unitW), 2, 4);
    g2->addWidget(cmdWeightReference[3], 2, 5);

    auto* frame3 = new QGroupBox(QStringLiteral("許容応力度"), this);
    auto* g3 = new QGridLayout(frame3);
    const QString unitS = QStringLiteral("N/mm<sup>2</sup>");
    g3->addWidget(Buddy(QStringLiteral("コンクリートの許容圧縮応力度(&A)"), box[Concrete]), 0, 0);
    g3->addWidget(new QLabel(QStringLiteral("σ<sub>ca</sub>")), 0, 1);
    g3->addWidget(box[Concrete], 0, 2);
    g3->addWidget(new QLabel(unitS), 0, 3);
    g3->addWidget(cmdStressReference, 0, 4, 2, 1);
    g3->addWidget(Buddy(QStringLiteral("鉄筋の許容引張応力度(&T)"), box[Iron]), 1, 0);
    g3->addWidget(new QLabel(QStringLiteral("σ<sub>sa</sub>")), 1, 1);
    g3->addWidget(box[Iron], 1, 2);
    g3->addWidget(new QLabel(unitS), 1, 3);

    auto* all = new QVBoxLayout(this);
    all->addWidget(frame1);
    all->addWidget(frame2);
    all->addWidget(frame3);
    all->addLayout(ButtonRow({Command1, Command2, Command6}));

    connect(optSlope[0], &QRadioButton::clicked, this, [this] { optSlopeClick(0); });
    connect(optSlope[1], &QRadioButton::clicked, this, [this] { optSlopeClick(1); });
    connect(chkConsider, &QCheckBox::clicked, this, [this] { chkConsiderClick(); });
    for (int g : {0, 1, 3})
        connect(cmdWeightReference[static_cast<std::size_t>(g)], &QPushButton::clicked, this,
                [this, g] { WeightReference(g); });
    connect(cmdGrapthReference, &QPushButton::clicked, this, [this] { GraphReference(); });
    connect(cmdStressReference, &QPushButton::clicked, this, [this] { StressReference(); });
    connect(Command1, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(Command2, &QPushButton::clicked, this, [this] { reject(); });
    connect(Command6, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });

    // Opening: 200 twips right of and below the results window, frame on
    // frame. The dialog is given its size first: sized only when it is
    // shown, a window manager takes the position for that of its inside
    // and puts the caption above the results window's.
    if (FrmResult* w = ResultWindow()) {
        adjustSize();
        move(w->frameGeometry().topLeft() + QPoint(TwipsToPixelsX(200), TwipsToPixelsY(200)));
    }
    const std::string* committed[kBoxes] = {&SlopeRatio,     &SlopeAngle,  &DeltaFs,
                                            &ArcTopDistance, &FrameWeight, &InfillWeight,
                                            &SoilWeight,     &SigmaCa,     &SigmaSa};
    for (int i = 0; i < kBoxes; ++i) {
        const CondRow r = Row(i);
        box[static_cast<std::size_t>(i)]->setText(
            Q(FormatKeta(*committed[i], r.places, r.shownDecimals)));
        *r.pending = *committed[i];
    }
    EditInfillMode = InfillMode;
    EditSlopeInputMode = SlopeInputMode;
    optSlope[SlopeInputMode == 1 ? 1 : 0]->setChecked(true);
    optSlopeClick(SlopeInputMode == 1 ? 1 : 0);
    chkConsider->setChecked(InfillMode != 0);
    chkConsiderClick();
}

int FrmCondition::Run(QDialog& dlg) {
    return run_ ? run_(dlg) : dlg.exec();
}

void FrmCondition::optSlopeClick(int i) {
    optSlope[static_cast<std::size_t>(i)]->setChecked(true);
    optSlope[static_cast<std::size_t>(1 - i)]->setChecked(false);
    EditSlopeInputMode = static_cast<std::int16_t>(i);
    SetBoxEnabled(box[Angle], i == 1);
    SetBoxEnabled(box[Ratio], i == 0);
}

void FrmCondition::chkConsiderClick() {
    EditInfillMode = chkConsider->isChecked() ? 1 : 0;
    SetBoxEnabled(box[Pack], EditInfillMode == 1);
    cmdWeightReference[1]->setEnabled(EditInfillMode == 1);
}

bool FrmCondition::LeaveBox(int i) {
    if (checking_) return true;
    checking_ = true;
    const CondRow r = Row(i);
    QLineEdit* b = box[static_cast<std::size_t>(i)];
    std::string text = TrimBlanks(b->text().toStdString());
    const bool ok = ValueCheck(0, text, r.min, r.max, r.decimals);
    if (ok) {
        *r.pending = text;
        // The gradient step's conversions with the companion's π; the record
        // keeps their texts without the blanks the step pads them with. The
        // angle's range keeps tan θ above 0.
        if (i == Angle && !text.empty()) {
            EditSlopeRatio = TrimBlanks(SlopeRatioOfAngle(text, Pi));
            box[Ratio]->setText(Q(FormatKeta(EditSlopeRatio, 3, 2)));
        } else if (i == Ratio && !text.empty()) {
            EditSlopeAngle = TrimBlanks(SlopeAngleOfRatio(text, Pi));
            box[Angle]->setText(Q(FormatKeta(EditSlopeAngle, 6, 2)));
        }
    }
    b->setText(Q(FormatKeta(*r.pending, r.places, r.shownDecimals)));
    if (!ok) b->setFocus();
    checking_ = false;
    return ok;
}

bool FrmCondition::eventFilter(QObject* watched, QEvent* event) {
    auto* b = qobject_cast<QLineEdit*>(watched);
    if (!b) return QDialog::eventFilter(watched, event);
    const int i = static_cast<int>(std::find(box.begin(), box.end(), b) - box.begin());
    if (event->type() == QEvent::FocusIn) {
        // Entering a box shows its text without leading blanks, all selected.
        if (!b->isReadOnly()) {
            b->setText(b->text().trimmed());
            b->selectAll();
        }
    } else if (event->type() == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) LeaveBox(i);
    } else if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            QLineEdit* next = nullptr;
            switch (i) {
                case Ratio:
                case Angle:
                    next = box[Safety];
                    break;
                case Safety:
                    next = box[Distance];
                    break;
                case Distance:
                    next = box[Frame];
                    break;
                case Frame:
                    next = box[Pack]->isEnabled() ? box[Pack] : box[Mass];
                    break;
                case Pack:
                    next = box[Mass];
                    break;
                case Mass:
                    next = box[Concrete];
                    break;
                case Concrete:
                    next = box[Iron];
                    break;
                default:
                    next = box[Ratio]->isEnabled() ? box[Ratio] : box[Angle];
                    break;
            }
            next->setFocus(Qt::TabFocusReason);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void FrmCondition::WeightReference(int group) {
    UnitWeightGroup = static_cast<std::int16_t>(group);
    FrmVolume dlg(this, this);
    Run(dlg);
}

void FrmCondition::GraphReference() {
    FrmDeltaFs dlg(this, this);
    Run(dlg);
}

void FrmCondition::StressReference() {
    FrmPermission dlg(this, this);
    Run(dlg);
}

void FrmCondition::OkClick() {
    // The box being left runs its check first; a refused entry stops OK.
    for (int i = 0; i < kBoxes; ++i)
        if (box[static_cast<std::size_t>(i)]->hasFocus() && !LeaveBox(i)) return;
    // Compared as numbers; a value cleared or filled in changes too (an empty
    // text reads as 0 but leaves nothing to calculate with).
    auto differ = [](const std::string& a, const std::string& b) {
        return NumVal(a) != NumVal(b) || Present(a) != Present(b);
    };
    const bool changed = differ(EditSoilWeight, SoilWeight) || EditInfillMode != InfillMode ||
                         differ(EditInfillWeight, InfillWeight) ||
                         differ(EditFrameWeight, FrameWeight) ||
                         (SlopeInputMode == 0 && differ(EditSlopeRatio, SlopeRatio)) ||
                         (SlopeInputMode == 1 && differ(EditSlopeAngle, SlopeAngle)) ||
                         EditSlopeInputMode != SlopeInputMode || differ(EditDeltaFs, DeltaFs) ||
                         differ(EditSigmaCa, SigmaCa) || differ(EditSigmaSa, SigmaSa) ||
                         differ(EditArcTopDistance, ArcTopDistance);
    if (changed) ClearKekka(2);
    SoilWeight = EditSoilWeight;
    InfillWeight = EditInfillWeight;
    InfillMode = EditInfillMode;
    FrameWeight = EditFrameWeight;
    SlopeRatio = EditSlopeRatio;
    SlopeAngle = EditSlopeAngle;
    SlopeInputMode = EditSlopeInputMode;
    DeltaFs = EditDeltaFs;
    SigmaCa = EditSigmaCa;
    SigmaSa = EditSigmaSa;
    ArcTopDistance = EditArcTopDistance;
    accept();
    if (FrmResult* w = ResultWindow()) w->ShowInfillRow(true);
}

// ---------------------------------------------------------------- FrmDeltaFs

FrmDeltaFs::FrmDeltaFs(FrmCondition* condition, QWidget* parent)
    : QDialog(parent), condition_(condition) {
    setObjectName(QStringLiteral("frmDeltaFs"));
    setWindowTitle(QStringLiteral("増加させる安全率"));
    optFs[0] = new QRadioButton(QStringLiteral("ΔFs=1.0"), this);
    optFs[1] = new QRadioButton(QStringLiteral("ΔFs=0.2"), this);
    optFs[2] = new QRadioButton(QStringLiteral("ΔFs=0.5"), this);
    optFs[0]->setChecked(true);
    auto* g = new QGridLayout;
    g->addWidget(optFs[0], 0, 0);
    g->addWidget(new QLabel(QStringLiteral("：すべり面でのすべり抵抗を考慮せず崩壊土塊の全荷重")),
                 0, 1);
    g->addWidget(new QLabel(QStringLiteral("をのり枠で抑止しようとする場合")), 1, 1);
    g->addWidget(optFs[1], 2, 0);
    g->addWidget(new QLabel(QStringLiteral("：すべり面でのすべり抵抗を考慮して崩壊土塊の全荷重")),
                 2, 1);
    g->addWidget(optFs[2], 3, 0);
    g->addWidget(new QLabel(QStringLiteral("の２割（５割）をのり枠で抑止しようとする場合")), 3, 1);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    auto* help = Button(QStringLiteral("ヘルプ(&H)"), this);
    auto* all = new QVBoxLayout(this);
    all->addLayout(g);
    all->addLayout(ButtonRow({cmdOK, cmdCancel, help}));
    connect(cmdOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(help, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
    for (auto* o : optFs) o->installEventFilter(this);
}

bool FrmDeltaFs::eventFilter(QObject* watched, QEvent* event) {
    // A double-click on a choice picks it and closes the dialog.
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (auto* o : optFs)
            if (o == watched) {
                o->setChecked(true);
                OkClick();
                return true;
            }
    }
    return QDialog::eventFilter(watched, event);
}

namespace {

bool IsEnter(QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// The dialogs have no cancel button bound to Escape: the key is dropped.
bool DropEscape(QKeyEvent* event) {
    if (event->key() != Qt::Key_Escape) return false;
    event->accept();
    return true;
}

}  // namespace

void FrmCondition::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

void FrmDeltaFs::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

void FrmPermission::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

void FrmVolume::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

bool FrmPermission::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sprStress && IsEnter(event)) {
        OkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

bool FrmVolume::eventFilter(QObject* watched, QEvent* event) {
    if (watched == sprVolume && IsEnter(event)) {
        OkClick();
        return true;
    }
    return QDialog::eventFilter(watched, event);
}

void FrmDeltaFs::OkClick() {
    const char* value = optFs[0]->isChecked() ? "1.00" : optFs[1]->isChecked() ? "0.20" : "0.50";
    EditDeltaFs = FormatKeta(value, 6, 2);
    if (condition_) condition_->box[FrmCondition::Safety]->setText(Q(EditDeltaFs));
    accept();
}

// ---------------------------------------------------------------- FrmPermission

FrmPermission::FrmPermission(FrmCondition* condition, QWidget* parent)
    : QDialog(parent), condition_(condition) {
    setObjectName(QStringLiteral("frmPermission"));
    setWindowTitle(QStringLiteral("設計基準強度および許容応力度"));
    cmbAssociation = new QComboBox(this);
    auto* head = new QGridLayout;
    head->setSpacing(0);
    auto cell = [&](const QString& t, int r, int c, int rs = 1, int cs = 1) {
        auto* l = new QLabel(t, this);
        l->setAlignment(Qt::AlignCenter);
        l->setFrameStyle(QFrame::Box | QFrame::Plain);
        l->setMinimumWidth(70 * cs);
        head->addWidget(l, r, c, rs, cs);
    };
    cell(QStringLiteral("コンクリート"), 0, 0, 1, 4);
    cell(QStringLiteral("鉄筋"), 0, 4);
    cell(QStringLiteral("設計基準強度"), 1, 0, 2, 1);
    cell(QStringLiteral("許容応力度"), 1, 1, 1, 3);
    cell(QStringLiteral("許容応力度"), 1, 4);
    cell(QStringLiteral("圧縮"), 2, 1);
    cell(QStringLiteral("せん断"), 2, 2);
    cell(QStringLiteral("付着"), 2, 3);
    cell(QStringLiteral("引張"), 2, 4);
    const char* syms[] = {"σｃｋ", "σｃａ", "τｃａ", "τｏａ", "σｓａ"};
    for (int c = 0; c < 5; ++c) cell(QString::fromUtf8(syms[c]), 3, c);
    sprStress = new Grid(5, 5, this);
    sprStress->setObjectName(QStringLiteral("sprStress"));
    sprStress->horizontalHeader()->setVisible(false);
    sprStress->verticalHeader()->setVisible(false);
    for (int c = 0; c < 5; ++c) sprStress->setColumnWidth(c, 70);
    sprStress->setFixedSize(352, 5 * 30 + 2);
    sprStress->installEventFilter(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    auto* help = Button(QStringLiteral("ヘルプ(&H)"), this);
    auto* all = new QVBoxLayout(this);
    all->addWidget(cmbAssociation);
    all->addLayout(head);
    all->addWidget(sprStress);
    all->addWidget(new QLabel(QStringLiteral("(単位 N/mm<sup>2</sup>)"), this));
    all->addLayout(ButtonRow({cmdOK, cmdCancel, help}));
    for (int s = 0; s < 4; ++s) cmbAssociation->addItem(Q(StandardName[s]));
    connect(cmbAssociation, &QComboBox::currentIndexChanged, this,
            [this](int s) { SelectStandard(s); });
    cmbAssociation->setCurrentIndex(0);
    SelectStandard(0);
    sprStress->setCurrentCell(0, 0);
    connect(sprStress, &QTableWidget::cellDoubleClicked, this, [this] { OkClick(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(help, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
}

void FrmPermission::SelectStandard(int s) {
    if (s < 0 || s > 3) return;
    for (int r = 0; r < 5; ++r) {
        const StressSet& row = AllowableStressTable[s][r];
        sprStress->SetText(1, r + 1, Q(FormatKeta(row.SigmaCk, 8, 0)));
        sprStress->SetText(2, r + 1, Q(FormatKeta(row.SigmaCa, 6, 1)));
        sprStress->SetText(3, r + 1, Q(FormatKeta(row.TauCa, 6, 2)));
        sprStress->SetText(4, r + 1, Q(FormatKeta(row.TauOa, 6, 1)));
        sprStress->SetText(5, r + 1, Q(FormatKeta(row.SigmaSa, 8, 0)));
    }
    StandardChoice = static_cast<std::int16_t>(s);
}

void FrmPermission::OkClick() {
    const int r = std::max(0, sprStress->currentRow());
    const StressSet& row = AllowableStressTable[StandardChoice][std::min(r, 4)];
    EditSigmaCa = row.SigmaCa;
    EditSigmaSa = row.SigmaSa;
    if (condition_) {
        condition_->box[FrmCondition::Concrete]->setText(Q(FormatKeta(row.SigmaCa, 6, 1)));
        condition_->box[FrmCondition::Iron]->setText(Q(FormatKeta(row.SigmaSa, 6, 0)));
    }
    accept();
}

// ---------------------------------------------------------------- FrmVolume

FrmVolume::FrmVolume(FrmCondition* condition, QWidget* parent)
    : QDialog(parent), condition_(condition) {
    setObjectName(QStringLiteral("frmVolume"));
    const int g = UnitWeightGroup;
    setWindowTitle(g == 0   ? QStringLiteral("のり枠の単位体積重量")
                   : g == 1 ? QStringLiteral("中詰め材の単位体積重量")
                   : g == 3 ? QStringLiteral("表層土塊の単位体積重量")
                            : QStringLiteral("参考値"));
    sprVolume = new Grid(5, 2, this);
    sprVolume->setObjectName(QStringLiteral("sprVolume"));
    sprVolume->setHorizontalHeaderLabels(
        {QStringLiteral("材料名"), QStringLiteral("単位体積重量\nkN/m3")});
    sprVolume->verticalHeader()->setVisible(false);
    sprVolume->setColumnWidth(0, 200);
    sprVolume->setColumnWidth(1, 120);
    sprVolume->setMinimumSize(330, 220);
    if (g >= 0 && g <= 3) {
        for (int r = 0; r < 5; ++r) {
            sprVolume->SetText(1, r + 1, Q(UnitWeightTable[g][r].Name));
            sprVolume->SetText(2, r + 1, Q(FormatKeta(UnitWeightTable[g][r].Value, 13, 1)));
            sprVolume->item(r, 1)->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        }
    }
    sprVolume->setCurrentCell(0, 0);
    sprVolume->installEventFilter(this);
    cmdOK = new QPushButton(QStringLiteral("OK"), this);
    cmdOK->setDefault(true);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    auto* help = Button(QStringLiteral("ヘルプ(&H)"), this);
    auto* all = new QVBoxLayout(this);
    all->addWidget(sprVolume);
    all->addLayout(ButtonRow({cmdOK, cmdCancel, help}));
    // A double-click on a data row picks it (the heading row is no row).
    connect(sprVolume, &QTableWidget::cellDoubleClicked, this, [this] { OkClick(); });
    connect(cmdOK, &QPushButton::clicked, this, [this] { OkClick(); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(help, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
}

void FrmVolume::OkClick() {
    const int row = std::max(0, sprVolume->currentRow()) + 1;
    const std::string value = FormatKeta(sprVolume->TextAt(2, row).toStdString(), 6, 1);
    QLineEdit* target = nullptr;
    switch (UnitWeightGroup) {
        case 0:
            EditFrameWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Frame];
            break;
        case 1:
            EditInfillWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Pack];
            break;
        case 3:
            EditSoilWeight = value;
            if (condition_) target = condition_->box[FrmCondition::Mass];
            break;
        default:
            break;
    }
    if (target) target->setText(Q(value));
    accept();
}

// ---------------------------------------------------------------- FrmStandardSpan

FrmStandardSpan::FrmStandardSpan(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmStandardSpan"));
    setWindowTitle(QStringLiteral("標準枠スパン(フリーフレーム工法)"));
    sprFrameSpan = new Grid(6, 7, this);
    sprFrameSpan->setObjectName(QStringLiteral("sprFrameSpan"));
    sprFrameSpan->SetEditMode(false);
    sprFrameSpan->setHorizontalHeaderLabels(
        {QStringLiteral("枠断面(mm)\n枠幅"), QStringLiteral("枠断面(mm)\n枠高"),
         QStringLiteral("枠断面(mm)\n有効高"), QStringLiteral("スパン長(m)\n横枠"),
         QStringLiteral("スパン長(m)\n縦枠"), QStringLiteral("鉄  筋"),
         QStringLiteral("備     考")});
    sprFrameSpan->verticalHeader()->setVisible(false);
    const int widths[] = {84, 84, 84, 90, 90, 90, 150};
    int total = 0;
    for (int c = 0; c < 7; ++c) {
        sprFrameSpan->setColumnWidth(c, widths[c]);
        total += widths[c];
    }
    sprFrameSpan->setMinimumSize(total + 4, 6 * 30 + 50);
    barIndex_ = {0, 0, 1, 2, 2, 4, 0};
    barCount_ = {"1", "2", "2", "2", "4", "4", ""};
    for (int r = 0; r < 6; ++r) {
        const std::string* cols[7] = {&StdSection[r], &StdSection[r], &StdEffHeight[r], &StdSpan[r],
                                      &StdSpan[r],    &StdRebar[r],   &StdRemark[r]};
        for (int c = 0; c < 7; ++c) sprFrameSpan->SetText(c + 1, r + 1, Q(*cols[c]));
    }
    sprFrameSpan->setCurrentCell(0, 0);
    chkSame = new QCheckBox(QStringLiteral("中詰め材厚さを枠高と同一にする"), this);
    cmdPattern[0] = Button(QStringLiteral("パターン1に代入"), this);
    cmdPattern[1] = Button(QStringLiteral("パターン2に代入"), this);
    cmdCancel = Button(QStringLiteral("キャンセル"), this);
    cmdHelp = Button(QStringLiteral("ヘルプ(&H)"), this);
    auto* all = new QVBoxLayout(this);
    all->addWidget(sprFrameSpan);
    all->addWidget(chkSame);
    all->addLayout(ButtonRow({cmdPattern[0], cmdPattern[1], cmdCancel, cmdHelp}));
    connect(cmdPattern[0], &QPushButton::clicked, this, [this] { AssignRow(0); });
    connect(cmdPattern[1], &QPushButton::clicked, this, [this] { AssignRow(1); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { reject(); });
    connect(cmdHelp, &QPushButton::clicked, this, [] { ShowHelpContents(HelpPath); });
}

void FrmStandardSpan::AssignRow(int p) {
    const int r = sprFrameSpan->currentRow() + 1;  // 1..6
    if (r < 1 || r > 6 || p < 0 || p > 1) return;
    auto cellText = [this, r](int c) { return TrimBlanks(sprFrameSpan->TextAt(c, r).toStdString()); };
    const std::string width = cellText(1), height = cellText(2), eff = cellText(3),
                      yoko = cellText(4), tate = cellText(5);
    const int bar = barIndex_[static_cast<std::size_t>(r - 1)];
    const std::string count = barCount_[static_cast<std::size_t>(r - 1)];
    auto differ = [](const std::string& a, const std::string& b) { return NumVal(a) != NumVal(b); };
    const bool changed = differ(width, PatWidth[p]) || differ(height, PatHeight[p]) ||
                         differ(eff, PatEffHeight[p]) || differ(yoko, PatSpanYoko[p]) ||
                         differ(tate, PatSpanTate[p]) ||
                         (chkSame->isChecked() && differ(PatInfillThick[p], height)) ||
                         bar != PatBarIndex[p] || count != PatBarCount[p];
    if (changed) ClearKekka(p);
    PatWidth[p] = width;
    PatHeight[p] = height;
    PatEffHeight[p] = eff;
    PatSpanYoko[p] = yoko;
    PatSpanTate[p] = tate;
    PatBarIndex[p] = static_cast<std::int16_t>(bar);
    PatBarCount[p] = count;
    if (chkSame->isChecked()) PatInfillThick[p] = PatHeight[p];
    if (FrmResult* w = ResultWindow()) w->ShowAssignedPattern(p, chkSame->isChecked());
    accept();
}

}  // namespace talvo::companion
