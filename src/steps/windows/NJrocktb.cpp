#include "steps/windows/NJrocktb.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QRadioButton>

#include "calc/recalc.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/FrameSketch.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("NJrocktb", [] { return new NJrocktb; });
    return true;
}();

constexpr int kLine = 300;
// The script ℓ and the subscript after it.
constexpr int kEllWidth = 195;
constexpr int kEllHeight = 285;
constexpr int kSubWidth = 165;
constexpr int kEllTermWidth = kEllWidth + kSubWidth;

// The two length groups across the top, the load patterns below.
constexpr int kGroupTop = 60;
constexpr int kGroupWidth = 4350;
constexpr int kGroupHeight = 1380;
constexpr int kOptionTop[2] = {510, 930};
constexpr int kPatternFrameTop = 1500;
constexpr int kPatternFrameHeight = 2580;
// Cells of the load patterns inside their frame: 0 top left, 1 bottom left,
// 2 top right, 3 bottom right.
constexpr int kCellLeft[2] = {30, 4410};
constexpr int kCellTop[2] = {450, 1470};

QFrame* AddFocusFrame(QWidget* parent, const QString& name, int left, int top, int width,
                      int height) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Plain);
    QPalette pal = f->palette();
    pal.setColor(QPalette::WindowText, QColor(128, 128, 128));
    f->setPalette(pal);
    PlaceTwips(f, left, top, width, height);
    f->hide();
    return f;
}

QFrame* AddGroupFrame(QWidget* parent, const QString& name, const QString& heading, int left,
                      int top, int width, int height, int headingWidth) {
    auto* f = new QFrame(parent);
    f->setObjectName(name);
    f->setFrameShape(QFrame::Box);
    f->setFrameShadow(QFrame::Sunken);
    PlaceTwips(f, left, top, width, height);
    AddHeaderLabel(f, heading, 45, 45, headingWidth, kLine);
    return f;
}

// The script ℓ as a small picture with its subscript; returns the picture.
QWidget* AddEll(QWidget* parent, const QString& name, const QString& sub, int left, int top,
                QLabel** subLabel = nullptr) {
    auto* ell = new ScriptEllPicture(parent);
    ell->setObjectName(name);
    PlaceTwips(ell, left, top, kEllWidth, kEllHeight);
    QLabel* s = AddSmallLabel(parent, sub, left + kEllWidth, top + 105, kSubWidth, 195);
    if (subLabel) *subLabel = s;
    return ell;
}

// A click area over an option's text: no frame, no ground, no focus of its
// own (the option button takes it).
QLabel* AddCover(QWidget* parent, const QString& name, int left, int top, int width, int height) {
    QLabel* l = AddLabel(parent, QString(), left, top, width, height);
    l->setObjectName(name);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setCursor(Qt::PointingHandCursor);
    return l;
}

// A fraction whose denominator is laid out from pictures and labels of its
// own: the fraction's empty denominator label is not needed.
void AddNumeratorOverBar(QWidget* parent, const QString& num, int left, int top, int width) {
    Fraction f = AddFraction(parent, num, QString(), left, top, width, kLine);
    delete f.den;
}

QRadioButton* AddOption(QWidget* parent, const QString& name, int left, int top) {
    auto* o = new QRadioButton(parent);
    o->setObjectName(name);
    o->setFocusPolicy(Qt::StrongFocus);
    PlaceTwips(o, left, top, 300, kLine);
    return o;
}

}  // namespace

NJrocktb::NJrocktb(QWidget* parent) : StepForm(QStringLiteral("NJrocktb"), kNavAll, parent) {
    (void)kRegistered;
    SetPicture(AnchorPicture());
    Text1 = FocusSink;
    groups_[1].choice = ShareChoice::YokoLength;
    groups_[2].choice = ShareChoice::LoadPattern;

    MakeLengthGroup(groups_[0], true, 240);
    MakeLengthGroup(groups_[1], false, 240 + kGroupWidth + 135);

    QFrame* fraPattern =
        AddGroupFrame(this, QStringLiteral("fraToubunpu"), QStringLiteral("等分布荷重"), 240,
                      kPatternFrameTop, 8835, kPatternFrameHeight, 3900);
    AddLabel(fraPattern, QStringLiteral("設計荷重　Ｐt ="), 4050, 45, 1770, kLine,
             Qt::AlignRight | Qt::AlignVCenter);
    lblPt = AddValueLabel(fraPattern, QStringLiteral("lblPt"), 5880, 45, 1260, kLine);
    const std::vector<NumEntry> ptTable = {PlaceEntry("NJrocktb", "txtPt", 5880, 45, 1260, kLine)};
    txtPt = Entries()->AddNumbers(fraPattern, ptTable)[0];
    // A refused Pt gets its stored value back; the focus goes on to where
    // the engineer sent it.
    Entries()->Rule(txtPt)->refocusOnRefusal = false;
    AddLabel(fraPattern, QStringLiteral("(kN/本)"), 7200, 45, 1000, kLine);
    MakePatterns(fraPattern);

    for (Group& g : groups_) ConnectGroup(g);

    // Each choice is one stop of the Tab key; the arrow keys choose.
    OneTabStop({SSOption1[0], SSOption1[1]});
    OneTabStop({SSOption2[0], SSOption2[1]});
    OneTabStop({SSOption3[0], SSOption3[1], SSOption3[2], SSOption3[3]});
    SetTabChain({SSOption1[0], SSOption1[1], SSOption2[0], SSOption2[1], txtPt, SSOption3[0],
                 SSOption3[1], SSOption3[2], SSOption3[3], cmdBegin, cmdBack, cmdIndicate, cmdNext,
                 cmdResult, FocusSink});
    // The sink sends the Tab key round to the first choice.
    SetTabWrapTarget(SSOption1[0]);
}

void NJrocktb::MakeLengthGroup(Group& g, bool vertical, int left) {
    QFrame* frame =
        AddGroupFrame(this, vertical ? QStringLiteral("fraTate") : QStringLiteral("fraYoko"),
                      vertical ? QStringLiteral("1本あたりの荷重を分担する縦枠長さ")
                               : QStringLiteral("1本あたりの荷重を分担する横枠長さ"),
                      left, kGroupTop, kGroupWidth, kGroupHeight, kGroupWidth - 90);
    auto& options = vertical ? SSOption1 : SSOption2;
    auto& covers = vertical ? lblOption1 : lblOption2;
    auto& pictures = vertical ? Picture1 : Picture2;
    auto& frames = vertical ? Shp1 : Shp2;
    auto& texts = vertical ? Label7 : Label8;
    const QString prefix = vertical ? QStringLiteral("1") : QStringLiteral("2");
    for (int i = 0; i < 2; ++i) {
        const int top = kOptionTop[i];
        frames[i] = AddFocusFrame(frame, QStringLiteral("Shp%1(%2)").arg(prefix).arg(i), 480,
                                  top - 45, 3780, kLine + 90);
        options[i] =
            AddOption(frame, QStringLiteral("SSOption%1(%2)").arg(prefix).arg(i), 150, top);
        QLabel* sub = nullptr;
        pictures[i] = AddEll(frame, QStringLiteral("Picture%1(%2)").arg(prefix).arg(i), prefix, 540,
                             top, &sub);
        if (vertical && i == 1) {
            Label18_17 = sub;
            Label18_17->setObjectName(QStringLiteral("Label18(17)"));
        }
        texts[i + 1] = AddLabel(frame, QString(), 540 + kEllTermWidth + 30, top, 3330, kLine);
        texts[i + 1]->setObjectName(QStringLiteral("Label%1(%2)").arg(vertical ? 7 : 8).arg(i + 1));
        covers[i] = AddCover(frame, QStringLiteral("lblOption%1(%2)").arg(prefix).arg(i),
                             540 + kEllWidth, top, 3525, kLine);
        pictures[i]->raise();
        g.options.push_back(options[i]);
        g.frames.push_back(frames[i]);
        g.clickAreas.push_back({covers[i], i});
        g.clickAreas.push_back({pictures[i], i});
    }
    // The texts name rock bolts or anchors; until the load gives them, the
    // rock-bolt wording stands.
    const ShareOptionTexts t = ShareOptionTextsFor(3);
    const auto& words = vertical ? t.tate : t.yoko;
    for (int i = 0; i < 2; ++i) texts[i + 1]->setText(QStr(words[i]));
}

void NJrocktb::MakePatterns(QWidget* frame) {
    Group& g = groups_[2];
    for (int i = 0; i < 4; ++i) {
        const int x = kCellLeft[i / 2];
        const int y = kCellTop[i % 2];
        // The fraction's numerator at `num`, its bar below, the denominator
        // row at `den`; the texts beside the bar centred on it.
        const int num = y + 90;
        const int den = num + kLine + 45;
        const int beside = num + kLine / 2 + 15;
        Shape1[i] = AddFocusFrame(frame, QStringLiteral("Shape1(%1)").arg(i), x + 450, y, 3870,
                                  2 * kLine + 210);
        SSOption3[i] = AddOption(frame, QStringLiteral("SSOption3(%1)").arg(i), x + 120, beside);
        lblOption3[i] = AddCover(frame, QStringLiteral("lblOption3(%1)").arg(i), x + 510, num, 3750,
                                 2 * kLine + 45);
        const QString first = QStringLiteral("Picture3(%1)").arg(i);
        const QString second = QStringLiteral("Picture4(%1)").arg(i);
        switch (i) {
            case 0:
                // w = Pt / (ℓ1 + ℓ2)
                AddLabel(frame, QStringLiteral("w ="), x + 540, beside, 600, kLine);
                AddNumeratorOverBar(frame, QStringLiteral("Ｐt"), x + 1200, num, 1200);
                Picture3[i] = AddEll(frame, first, QStringLiteral("1"), x + 1290, den);
                AddLabel(frame, QStringLiteral("+"), x + 1650, den, 300, kLine, Qt::AlignCenter);
                Picture4[i] = AddEll(frame, second, QStringLiteral("2"), x + 1950, den);
                break;
            case 1:
                // w = Pt / ((ℓ1 + ℓ2) − b)
                AddLabel(frame, QStringLiteral("w ="), x + 540, beside, 600, kLine);
                AddNumeratorOverBar(frame, QStringLiteral("Ｐt"), x + 1200, num, 1800);
                AddLabel(frame, QStringLiteral("("), x + 1260, den, 120, kLine, Qt::AlignCenter);
                Picture3[i] = AddEll(frame, first, QStringLiteral("1"), x + 1380, den);
                AddLabel(frame, QStringLiteral("+"), x + 1740, den, 300, kLine, Qt::AlignCenter);
                Picture4[i] = AddEll(frame, second, QStringLiteral("2"), x + 2040, den);
                AddLabel(frame, QStringLiteral(")"), x + 2400, den, 120, kLine, Qt::AlignCenter);
                AddLabel(frame, QStringLiteral("- b"), x + 2580, den, 450, kLine);
                break;
            default: {
                // w_y = Pt / ℓ1 and w_x = Pt / ℓ2; pattern 3 halves Pt.
                const QString pt = i == 2 ? QStringLiteral("Ｐt") : QStringLiteral("Ｐt／２");
                const int bar = i == 2 ? 600 : 840;
                const int secondX = x + 1200 + bar + 300;
                AddLabel(frame, QStringLiteral("w<sub>y</sub> ="), x + 540, beside, 600, kLine);
                AddNumeratorOverBar(frame, pt, x + 1200, num, bar);
                Picture3[i] = AddEll(frame, first, QStringLiteral("1"),
                                     x + 1200 + (bar - kEllTermWidth) / 2, den);
                AddLabel(frame, QStringLiteral("w<sub>x</sub> ="), secondX, beside, 600, kLine);
                AddNumeratorOverBar(frame, pt, secondX + 660, num, bar);
                Picture4[i] = AddEll(frame, second, QStringLiteral("2"),
                                     secondX + 660 + (bar - kEllTermWidth) / 2, den);
                break;
            }
        }
        lblOption3[i]->raise();
        Picture3[i]->raise();
        Picture4[i]->raise();
        g.options.push_back(SSOption3[i]);
        g.frames.push_back(Shape1[i]);
        g.clickAreas.push_back({lblOption3[i], i});
        g.clickAreas.push_back({Picture3[i], i});
        g.clickAreas.push_back({Picture4[i], i});
    }
}

void NJrocktb::ConnectGroup(Group& g) {
    g.buttons = new QButtonGroup(this);
    g.buttons->setExclusive(true);
    for (int i = 0; i < static_cast<int>(g.options.size()); ++i) {
        g.buttons->addButton(g.options[i], i);
        g.options[i]->installEventFilter(this);
    }
    for (const auto& [w, i] : g.clickAreas) w->installEventFilter(this);
    connect(g.buttons, &QButtonGroup::idClicked, this, [this, &g](int i) {
        // A press that took the focus from a refused Pt selects nothing.
        if (!Entries()->CommitPending(g.options[i])) {
            SelectStored(g);
            return;
        }
        OptionClick(g, i);
    });
}

void NJrocktb::OnLoad() {
    if (Design.WorkType == 3 || Design.WorkType == 4) {
        const ShareOptionTexts t = ShareOptionTextsFor(Design.WorkType);
        for (int i = 0; i < 2; ++i) {
            Label7[i + 1]->setText(QStr(t.tate[i]));
            Label8[i + 1]->setText(QStr(t.yoko[i]));
        }
    }
    // The directly entered Pt lies over the computed one.
    const bool direct = Design.PtDirect != 0;
    txtPt->setVisible(direct);
    lblPt->setVisible(!direct);
    if (direct) txtPt->setText(QStr(ShareLoadText(Design.PtInput)));
}

void NJrocktb::OnActivate() {
    for (Group& g : groups_) SelectStored(g);
    RunRockOnActivation();
    lblPt->setText(QStr(ShareLoadText(Design.PtCalc)));

    // With one bolt or anchor down the slope there is no vertical pitch.
    const bool single = SingleAnchorRow(Design.AnchorCountY);
    SSOption1[1]->setEnabled(!single);
    SetLabelForeColor(Label7[2], single ? kRedText : kBlackText);
    SetLabelForeColor(Label18_17, single ? kRedText : kBlackText);
    if (single) {
        SSOption1[0]->setChecked(true);
        ApplySingleRowRule();
    }
}

void NJrocktb::SelectStored(Group& g) {
    const int stored = StoredShareOption(g.choice);
    if (stored >= 0 && stored < static_cast<int>(g.options.size()))
        g.options[stored]->setChecked(true);
}

void NJrocktb::HideFrames(Group& g) {
    for (QFrame* f : g.frames) f->hide();
}

void NJrocktb::OptionClick(Group& g, int index) {
    ChooseShareOption(g.choice, index);
}

void NJrocktb::SelectByText(Group& g, int index) {
    if (!g.options[index]->isEnabled()) return;
    // The Pt being typed is taken first, as leaving its box would; a refused
    // one does not hold the choice back.
    Entries()->CommitPending();
    HideFrames(g);
    g.frames[index]->show();
    g.options[index]->setChecked(true);
    OptionClick(g, index);
    g.options[index]->setFocus(Qt::MouseFocusReason);
}

bool NJrocktb::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if ((t == QEvent::FocusIn || t == QEvent::FocusOut) && !Unloading()) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool switching =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        for (Group& g : groups_) {
            for (int i = 0; i < static_cast<int>(g.options.size()); ++i) {
                if (watched != g.options[i] || switching) continue;
                // Whichever order the toolkit moves the focus and clicks in,
                // only the option holding the focus is framed.
                if (t == QEvent::FocusIn)
                    g.frames[i]->show();
                else
                    HideFrames(g);
            }
        }
    } else if (t == QEvent::MouseButtonRelease && !Unloading()) {
        const auto* me = static_cast<QMouseEvent*>(event);
        if (me->button() == Qt::LeftButton) {
            for (Group& g : groups_) {
                for (const auto& [w, i] : g.clickAreas) {
                    if (watched != w) continue;
                    if (static_cast<QWidget*>(w)->rect().contains(me->position().toPoint()))
                        SelectByText(g, i);
                    return true;
                }
            }
        }
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
