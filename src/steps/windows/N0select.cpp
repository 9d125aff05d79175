#include "steps/windows/N0select.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>
#include <optional>

#include "platform/formkit.h"
#include "shell/codec.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/stepchain.h"
#include "shell/toolids.h"
#include "shell/windows/MainWindow.h"
#include "shell/windows/StepManager.h"
#include "steps/workselect.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow(kSelectWindow, [] { return new N0select; });
    return true;
}();

const char* const kOptionCaptions[5] = {"のり肩からの崩壊(くさび形)", "のり中間からの崩壊(円弧形)",
                                        "緑化基礎工(横枠のみ検討)", "ロックボルト工併用",
                                        "グラウンドアンカー工併用"};
const char* const kGenbaLabels[3] = {"地区名", "測線名", "備 考"};

std::string* GenbaField(int i) {
    switch (i) {
        case 0:
            return &Design.DistrictName;
        case 1:
            return &Design.LineName;
        default:
            return &Design.Remarks;
    }
}

}  // namespace

N0select::N0select(QWidget* parent) : StandaloneStep(parent) {
    (void)kRegistered;
    setWindowTitle("のり枠工の選択");
    entries_ = new EntryGroup(this);
    auto* outer = new QVBoxLayout(this);
    auto* title = new QLabel("のり枠工の選択", this);
    QFont big = title->font();
    big.setPointSizeF(big.pointSizeF() * 1.4);
    big.setBold(true);
    title->setFont(big);
    outer->addWidget(title);

    auto* names = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        names->addWidget(new QLabel(kGenbaLabels[i], this), i, 0);
        txtGenba[i] = new QLineEdit(this);
        txtGenba[i]->setObjectName(QString("txtGenba%1").arg(i));
        names->addWidget(txtGenba[i], i, 1);
        NameBox rule;
        rule.maxBytes = kNameBytes;
        rule.message = "文字数は半角で７０文字までです。";
        rule.field = GenbaField(i);
        rule.refocusOnCut = false;
        rule.anyChangeRaisesDataChanged = true;
        entries_->AddName(txtGenba[i], rule);
    }
    outer->addLayout(names);

    auto* types = new QHBoxLayout;
    auto* frameOnly = new QGroupBox("のり枠工のみ", this);
    auto* combined = new QGroupBox("併用工", this);
    auto* frameOnlyBox = new QVBoxLayout(frameOnly);
    auto* combinedBox = new QVBoxLayout(combined);
    // The five types are one choice, whichever box draws them.
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    for (int k = 0; k < 5; ++k) {
        Option3D1[k] = new QRadioButton(kOptionCaptions[k], k < 3 ? frameOnly : combined);
        Option3D1[k]->setObjectName(QString("Option3D1_%1").arg(k));
        (k < 3 ? frameOnlyBox : combinedBox)->addWidget(Option3D1[k]);
        options_->addButton(Option3D1[k], k);
        Option3D1[k]->installEventFilter(this);
        connect(Option3D1[k], &QRadioButton::toggled, this, [this, k](bool on) {
            if (!on) return;
            KeepTabStopOnChoice();
            OptionClick(k);
        });
    }
    chkLoadInput = new QCheckBox("設計荷重Ｐtを直接入力", combined);
    combinedBox->addWidget(chkLoadInput);
    connect(chkLoadInput, &QCheckBox::toggled, this, &N0select::LoadInputClick);
    types->addWidget(frameOnly);
    types->addWidget(combined);
    outer->addLayout(types);

    auto* buttons = new QHBoxLayout;
    cmdStart = new QPushButton("検討開始(&N)", this);
    cmdResult = new QPushButton("結果画面(&A)", this);
    buttons->addStretch();
    buttons->addWidget(cmdStart);
    buttons->addWidget(cmdResult);
    outer->addLayout(buttons);
    connect(cmdStart, &QPushButton::clicked, this, [this] { ButtonClick(false); });
    connect(cmdResult, &QPushButton::clicked, this, [this] { ButtonClick(true); });
    PressButtonsOnReturn(this);

    // The sinks are children outside every layout, placed below the window's
    // visible area: focusable, never seen.
    Text4 = new QLineEdit(this);
    Text5 = new QLineEdit(this);
    for (QLineEdit* sink : {Text4, Text5}) {
        sink->setGeometry(0, 4000, 10, 10);
        sink->installEventFilter(this);
    }

    SetTabChain({txtGenba[0], txtGenba[1], txtGenba[2], Option3D1[0], Option3D1[1], Option3D1[2],
                 Option3D1[3], Option3D1[4], chkLoadInput, cmdStart, cmdResult, Text4, Text5});
}

void N0select::Load() {
    MainFrame* main = MainFrame::Instance();
    if (StepMode == 2 && main) main->CloseStepChain();
    StepMode = 0;
    if (main) {
        main->PlaceStepWindow(this, 9435, 5350);
        main->SetToolEnabled(kToolClose, true);
        main->SetToolEnabled(kToolSave, true);
        main->SetToolEnabled(kToolSaveAs, true);
        main->SetToolEnabled(kToolArrangeIcons, false);
    }
    loading_ = true;
    const int type = Design.WorkType >= 0 && Design.WorkType <= 4 ? Design.WorkType : 0;
    if (Option3D1[type]->isChecked()) {
        OptionClick(type);
    } else {
        Option3D1[type]->setChecked(true);
    }
    chkLoadInput->setChecked(Design.PtDirect != 0);
    loading_ = false;
    txtGenba[0]->setText(QStr(Design.DistrictName));
    txtGenba[1]->setText(QStr(Design.LineName));
    txtGenba[2]->setText(QStr(Design.Remarks));
}

void N0select::OptionClick(int k) {
    ChooseWorkType(static_cast<std::int16_t>(k), loading_);
    chkLoadInput->setEnabled(TakesDirectLoad(k));
}

void N0select::LoadInputClick(bool checked) {
    ChooseDirectLoad(checked);
}

void N0select::KeepTabStopOnChoice() {
    // The Tab key enters the choice at the type chosen and leaves it at the
    // next key; the arrow keys and the mouse reach the others.
    for (QRadioButton* option : Option3D1)
        option->setFocusPolicy(option->isChecked() ? Qt::StrongFocus : Qt::ClickFocus);
}

bool N0select::MoveChoice(QObject* watched, int step) {
    int k = 0;
    while (k < 5 && Option3D1[k] != watched) ++k;
    if (k == 5) return false;
    // Round all five in their order, over the two boxes, passing over a
    // disabled one.
    for (int n = 1; n < 5; ++n) {
        QRadioButton* next = Option3D1[(k + step * n + 10) % 5];
        if (!next->isEnabled() || !next->isVisible()) continue;
        next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
        next->setChecked(true);
        return true;
    }
    return true;
}

bool N0select::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        if (key->modifiers() == Qt::NoModifier || key->modifiers() == Qt::KeypadModifier) {
            switch (key->key()) {
                case Qt::Key_Up:
                case Qt::Key_Left:
                    if (MoveChoice(watched, -1)) return true;
                    break;
                case Qt::Key_Down:
                case Qt::Key_Right:
                    if (MoveChoice(watched, 1)) return true;
                    break;
                default:
                    break;
            }
        }
    }
    if (event->type() == QEvent::FocusIn && (watched == Text4 || watched == Text5)) {
        // The buttons run their actions themselves; a sink reached with the
        // Tab key (or with a flag left by anything else) starts nothing and
        // sends the focus round to the first site name.
        ClickPending = 0;
        txtGenba[0]->setFocus(Qt::TabFocusReason);
    }
    return QWidget::eventFilter(watched, event);
}

void N0select::ButtonClick(bool results) {
    ClickPending = 1;
    RecalcResult = 1;
    // The site name being edited is checked and stored before the chain is
    // built (its rule cuts an over-long name and never refuses). The action
    // runs here rather than when a sink gets the focus, so it does not hang
    // on the toolkit delivering that focus.
    if (!entries_->RunDeferred([this, results] { OpenChain(results); })) ClickPending = 0;
}

void N0select::OpenChain(bool results) {
    if (ClickPending != 1) return;
    MainFrame* main = MainFrame::Instance();
    std::optional<MainFrame::Hourglass> busy;
    if (!results) busy.emplace();
    Design.KekkaTab = FirstResultTab(Design);
    StepMode = 1;
    const std::int16_t kept = DataChanged;
    if (main) main->UnloadSelectStep();
    if (StepManager* steps = StepManager::Instance()) {
        steps->SetStepNames();
        steps->MakeStepForms();
        steps->OpenSteps();
        StepsReady = 0;
        if (results) {
            if (StepForm* last = steps->ResultsWindow()) last->SetState(WindowState::Normal);
        } else if (StepForm* first = steps->Step(1)) {
            first->SetState(WindowState::Normal);
            first->BringToFront();
            first->TakeOpeningFocus();
        }
        StepsReady = 1;
    }
    DataChanged = kept;
    if (main) main->SetToolEnabled(kToolArrangeIcons, true);
    busy.reset();
    ClickPending = 0;
}

}  // namespace talvo
