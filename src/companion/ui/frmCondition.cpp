#include "companion/ui/frmCondition.h"

#include <QApplication>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPalette>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>

#include "companion/study.h"
#include "companion/ui/dialogKit.h"
#include "companion/ui/frmDeltaFs.h"
#include "companion/ui/frmPermission.h"
#include "companion/ui/frmResult.h"
#include "companion/ui/frmVolume.h"
#include "platform/desktop.h"
#include "platform/formkit.h"
#include "platform/mdichild.h"

namespace talvo::companion {

namespace {

void SetBoxEnabled(QLineEdit* box, bool on) {
    box->setEnabled(on);
    QPalette pal = box->palette();
    pal.setColor(QPalette::Base, on ? QApplication::palette().color(QPalette::Base)
                                    : QApplication::palette().color(QPalette::Button));
    box->setPalette(pal);
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

}  // namespace

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
    g1->addWidget(UnitLabel(QStringLiteral("°"), frame1), 1, 5);
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
    g1->addWidget(UnitLabel(QStringLiteral("m"), frame1), 3, 5);

    auto* frame2 = new QGroupBox(QStringLiteral("単位体積重量"), this);
    auto* g2 = new QGridLayout(frame2);
    const QString unitW = QStringLiteral("kN/m<sup>3</sup>");
    g2->addWidget(Buddy(QStringLiteral("のり枠(&W)"), box[Frame]), 0, 0);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>c</sub>")), 0, 2);
    g2->addWidget(box[Frame], 0, 3);
    g2->addWidget(UnitLabel(unitW, frame2), 0, 4);
    g2->addWidget(cmdWeightReference[0], 0, 5);
    g2->addWidget(Buddy(QStringLiteral("中詰め材(&Z)"), box[Pack]), 1, 0);
    g2->addWidget(chkConsider, 1, 1);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>e</sub>")), 1, 2);
    g2->addWidget(box[Pack], 1, 3);
    g2->addWidget(UnitLabel(unitW, frame2), 1, 4);
    g2->addWidget(cmdWeightReference[1], 1, 5);
    g2->addWidget(Buddy(QStringLiteral("移動土塊(&I)"), box[Mass]), 2, 0);
    g2->addWidget(new QLabel(QStringLiteral("γ<sub>t</sub>")), 2, 2);
    g2->addWidget(box[Mass], 2, 3);
    g2->addWidget(UnitLabel(unitW, frame2), 2, 4);
    g2->addWidget(cmdWeightReference[3], 2, 5);

    auto* frame3 = new QGroupBox(QStringLiteral("許容応力度"), this);
    auto* g3 = new QGridLayout(frame3);
    const QString unitS = QStringLiteral("N/mm<sup>2</sup>");
    g3->addWidget(Buddy(QStringLiteral("コンクリートの許容圧縮応力度(&A)"), box[Concrete]), 0, 0);
    g3->addWidget(new QLabel(QStringLiteral("σ<sub>ca</sub>")), 0, 1);
    g3->addWidget(box[Concrete], 0, 2);
    g3->addWidget(UnitLabel(unitS, frame3), 0, 3);
    g3->addWidget(cmdStressReference, 0, 4, 2, 1);
    g3->addWidget(Buddy(QStringLiteral("鉄筋の許容引張応力度(&T)"), box[Iron]), 1, 0);
    g3->addWidget(new QLabel(QStringLiteral("σ<sub>sa</sub>")), 1, 1);
    g3->addWidget(box[Iron], 1, 2);
    g3->addWidget(UnitLabel(unitS, frame3), 1, 3);

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
    OpenConditions();
    for (int i = 0; i < kBoxes; ++i)
        box[static_cast<std::size_t>(i)]->setText(QStr(ConditionShown(i, ConditionPending(i))));
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
    QLineEdit* b = box[static_cast<std::size_t>(i)];
    const ConditionLeft left = LeaveCondition(i, b->text().toStdString());
    if (left.otherEntry >= 0)
        box[static_cast<std::size_t>(left.otherEntry)]->setText(QStr(left.otherShown));
    b->setText(QStr(left.shown));
    if (!left.accepted) b->setFocus();
    checking_ = false;
    return left.accepted;
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
    CommitConditions();
    accept();
    if (FrmResult* w = ResultWindow()) w->ShowInfillRow(true);
}

void FrmCondition::keyPressEvent(QKeyEvent* event) {
    if (!DropEscape(event)) QDialog::keyPressEvent(event);
}

}  // namespace talvo::companion
