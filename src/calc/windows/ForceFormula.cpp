#include "calc/windows/ForceFormula.h"

#include "calc/forceparts.h"
#include "platform/mdichild.h"

namespace talvo {

QFrame* AddBar(QWidget* parent, int left, int top, int width) {
    auto* bar = new QFrame(parent);
    bar->setFrameShape(QFrame::NoFrame);
    bar->setAutoFillBackground(true);
    SetBackColor(bar, Qt::black);
    PlaceTwips(bar, left, top, width, 15);
    bar->setFixedHeight(1);
    return bar;
}

Fraction AddFraction(QWidget* parent, const QString& num, const QString& den, int left, int top,
                     int width, int lineHeight) {
    Fraction f;
    f.num = AddLabel(parent, num, left, top, width, lineHeight, Qt::AlignHCenter | Qt::AlignBottom);
    f.bar = AddBar(parent, left, top + lineHeight + 15, width);
    f.den = AddLabel(parent, den, left, top + lineHeight + 45, width, lineHeight,
                     Qt::AlignHCenter | Qt::AlignTop);
    return f;
}

QLabel* AddTitleBar(QWidget* parent, const QString& text, int left, int top, int width,
                    int height) {
    QLabel* label = AddLabel(parent, text, left, top, width, height, Qt::AlignCenter);
    SetLabelColors(label, kTitleBarColor, Qt::white);
    return label;
}

QLabel* AddMaxPanel(QWidget* parent, const QString& name, int left, int top, int width,
                    int height) {
    QLabel* label = AddLabel(parent, "最大", left, top, width, height, Qt::AlignCenter);
    label->setObjectName(name);
    SetLabelColors(label, kMaxPanelColor, Qt::white);
    label->setFrameShape(QFrame::Panel);
    label->setFrameShadow(QFrame::Raised);
    return label;
}

// ---- PartChoice ----

namespace {
constexpr int kPanelWidth = 600;
constexpr int kRowHeight = 300;
}  // namespace

PartChoice::PartChoice(QWidget* parent, int left, int top, int rowGap,
                       std::function<void(int)> onPart)
    : QObject(parent), onPart_(std::move(onPart)) {
    SSPanel1 = AddMaxPanel(parent, "SSPanel1", left, top, kPanelWidth, kRowHeight);
    SSPanel2 = AddMaxPanel(parent, "SSPanel2", left, top + rowGap, kPanelWidth, kRowHeight);
    SSOption1 = new QRadioButton("スパン部", parent);
    SSOption1->setObjectName("SSOption1");
    SSOption2 = new QRadioButton("張出し部", parent);
    SSOption2->setObjectName("SSOption2");
    PlaceTwips(SSOption1, left + kPanelWidth + 90, top, 1400, kRowHeight);
    PlaceTwips(SSOption2, left + kPanelWidth + 90, top + rowGap, 1400, kRowHeight);
    // The two parts are one stop of the Tab key; the arrow keys choose.
    OneTabStop({SSOption1, SSOption2});
    // No part is marked before the window has looked at the values.
    SSPanel1->hide();
    SSPanel2->hide();
    connect(SSOption1, &QRadioButton::toggled, this, [this](bool on) {
        if (on && onPart_) onPart_(0);
    });
    connect(SSOption2, &QRadioButton::toggled, this, [this](bool on) {
        if (on && onPart_) onPart_(1);
    });
}

void PartChoice::Select(int part) {
    QRadioButton* option = part == 1 ? SSOption2 : SSOption1;
    if (option->isChecked()) {
        if (onPart_) onPart_(part);
    } else {
        option->setChecked(true);
    }
}

int PartChoice::Selected() const {
    if (SSOption1->isChecked()) return 0;
    if (SSOption2->isChecked()) return 1;
    return -1;
}

void PartChoice::ShowMark(int part) {
    SSPanel1->setVisible(part == 0);
    SSPanel2->setVisible(part == 1);
}

void PartChoice::ChooseOnActivation(bool offered, const std::string& span,
                                    const std::string& overhang,
                                    const std::function<void()>& clearFormula) {
    // An exclusive option cannot be switched off on its own.
    for (QRadioButton* option : {SSOption1, SSOption2}) {
        option->setAutoExclusive(false);
        option->setChecked(false);
        option->setAutoExclusive(true);
        option->setEnabled(false);
    }
    if (clearFormula) clearFormula();
    if (!offered) {
        SSPanel1->hide();
        SSPanel2->hide();
        return;
    }
    SSOption1->setEnabled(!span.empty());
    SSOption2->setEnabled(!overhang.empty());
    const int part = GoverningPart(span, overhang);
    QRadioButton* option = part == 1 ? SSOption2 : SSOption1;
    if (!option->isEnabled()) return;
    Select(part);
    ShowMark(part);
}

void PartChoice::MarkMax(bool offered, const std::string& span, const std::string& overhang) {
    if (!offered) {
        SSPanel1->hide();
        SSPanel2->hide();
        return;
    }
    const int part = GoverningPart(span, overhang);
    QRadioButton* option = part == 1 ? SSOption2 : SSOption1;
    if (option->isEnabled()) ShowMark(part);
}

}  // namespace talvo
