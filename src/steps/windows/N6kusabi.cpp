#include "steps/windows/N6kusabi.h"

#include <QButtonGroup>
#include <QEvent>
#include <QFocusEvent>
#include <QFont>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>
#include <string>

#include "calc/recalc.h"
#include "calc/wedge.h"
#include "platform/formkit.h"
#include "shell/angles.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/wedgeshape.h"
#include "steps/windows/SlopeFigure.h"

namespace talvo {

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N6kusabi", [] { return new N6kusabi; });
    return true;
}();

// The slope section, in twips inside picNori: toe, shoulder, the lower end
// of the failure on the face (L1 from the shoulder) and the end of the slip
// plane on the crown (L2 behind the shoulder). Not to scale.
const QPointF kToe{3000, 3450};
const QPointF kShoulder{5300, 1150};
const QPointF kFoot{3874, 2576};
const QPointF kCrownEnd{7000, 1150};
constexpr double kGroundLeft = 2600;
constexpr double kRight = 8790;
constexpr double kBottom = 3930;
constexpr double kHLine = 7250;    // x of the H dimension
constexpr double kL2Line = 850;    // y of the L2 dimension
constexpr double kL1Offset = 250;  // the L1 dimension beside the face

void Arrow(QPainter& p, QPointF tip, QPointF dir) {
    const double len = std::hypot(dir.x(), dir.y());
    if (len == 0) return;
    dir /= len;
    const QPointF side(-dir.y(), dir.x());
    QPolygonF head;
    head << tip << tip - dir * 110 + side * 35 << tip - dir * 110 - side * 35;
    p.drawPolygon(head);
}

void Dimension(QPainter& p, QPointF a, QPointF b) {
    p.drawLine(a, b);
    Arrow(p, a, a - b);
    Arrow(p, b, b - a);
}

// An angle mark at `at`, from the horizontal to the direction `toward`.
void AngleArc(QPainter& p, QPointF at, QPointF toward, double radius) {
    const double deg = Degrees(std::atan2(at.y() - toward.y(), toward.x() - at.x()), Pi);
    const QRectF r(at.x() - radius, at.y() - radius, 2 * radius, 2 * radius);
    p.drawArc(r, 0, static_cast<int>(deg * 16));
}

// picNori: the slope section with the wedge, behind the pattern group and
// the value boxes.
class SlopeWedgeFigure : public QWidget {
public:
    explicit SlopeWedgeFigure(QWidget* parent) : QWidget(parent) {
        setAutoFillBackground(true);
        QPalette pal = palette();
        pal.setColor(QPalette::Window, kSlopeFigureBack);
        setPalette(pal);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing, true);
        p.scale(1.0 / TwipsPerPixelX(), 1.0 / TwipsPerPixelY());

        // The ground: in front of the toe, the face, the crown.
        QPolygonF ground;
        ground << QPointF(kGroundLeft, kToe.y()) << kToe << kShoulder
               << QPointF(kRight, kShoulder.y()) << QPointF(kRight, kBottom)
               << QPointF(kGroundLeft, kBottom);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(222, 205, 170));
        p.drawPolygon(ground);

        // The sliding wedge.
        QPolygonF wedge;
        wedge << kFoot << kShoulder << kCrownEnd;
        p.setBrush(QBrush(QColor(196, 150, 96)));
        p.drawPolygon(wedge);
        p.setBrush(QBrush(QColor(150, 100, 50), Qt::BDiagPattern));
        p.drawPolygon(wedge);

        // The surface line and the frame on the face.
        p.setBrush(Qt::NoBrush);
        p.setPen(QPen(Qt::black, 0));
        p.drawPolyline(QPolygonF() << QPointF(kGroundLeft, kToe.y()) << kToe << kShoulder
                                   << QPointF(kRight, kShoulder.y()));
        const QPointF face = kShoulder - kToe;
        const QPointF normal = QPointF(face.y(), -face.x()) / std::hypot(face.x(), face.y());
        p.setPen(QPen(QColor(120, 120, 120), 45));
        p.drawLine(kToe + normal * 25, kShoulder + normal * 25);
        p.setPen(QPen(QColor(80, 80, 80), 0));
        for (int k = 1; k < 6; ++k) {
            const QPointF c = kToe + face * (k / 6.0) + normal * 25;
            p.drawRect(QRectF(c.x() - 45, c.y() - 45, 90, 90));
        }

        // The slip plane.
        p.setPen(QPen(QColor(200, 0, 0), 0, Qt::DashLine));
        p.drawLine(kFoot, kCrownEnd);

        // Reference lines of the angles and of H.
        p.setPen(QPen(Qt::black, 0, Qt::DotLine));
        p.drawLine(kToe, QPointF(kToe.x() + 800, kToe.y()));
        p.drawLine(kFoot, QPointF(kHLine + 100, kFoot.y()));
        p.drawLine(kCrownEnd, QPointF(kHLine + 100, kCrownEnd.y()));

        p.setPen(QPen(Qt::black, 0));
        p.setBrush(Qt::black);
        AngleArc(p, kToe, kShoulder, 520);
        AngleArc(p, kFoot, kCrownEnd, 650);

        // Dimensions: L1 beside the face, L2 over the crown, H on the right.
        const QPointF off = -normal * kL1Offset;
        const QPointF l1a = kShoulder - normal * 25 + off;
        const QPointF l1b = kFoot - normal * 25 + off;
        p.drawLine(kShoulder, l1a - normal * 60);
        p.drawLine(kFoot, l1b - normal * 60);
        Dimension(p, l1a, l1b);
        p.drawLine(kShoulder, QPointF(kShoulder.x(), kL2Line - 80));
        p.drawLine(kCrownEnd, QPointF(kCrownEnd.x(), kL2Line - 80));
        Dimension(p, QPointF(kShoulder.x(), kL2Line), QPointF(kCrownEnd.x(), kL2Line));
        Dimension(p, QPointF(kHLine, kCrownEnd.y()), QPointF(kHLine, kFoot.y()));
    }
};

// The value rows on the figure: caption, value (box over label), unit.
struct ValuePlace {
    int captionLeft, top, captionWidth, valueWidth;
};
constexpr ValuePlace kL1Place{2800, 1350, 420, 900};
constexpr ValuePlace kL2Place{5450, 420, 420, 900};
constexpr ValuePlace kHPlace{7330, 1500, 340, 850};
constexpr ValuePlace kAlphaPlace{4350, 2750, 340, 850};
constexpr ValuePlace kThetaPlace{3700, 3520, 420, 800};
constexpr int kValueHeight = 300;

// The value's box or label stands right of its caption.
constexpr int ValueLeft(const ValuePlace& at) {
    return at.captionLeft + at.captionWidth + 30;
}

constexpr WedgeValue kWedgeValues[] = {WedgeValue::L1, WedgeValue::L2, WedgeValue::H,
                                       WedgeValue::Alpha};

std::string& FieldOf(WedgeValue v) {
    switch (v) {
        case WedgeValue::L1:
            return Design.KusabiL1;
        case WedgeValue::L2:
            return Design.KusabiL2;
        case WedgeValue::H:
            return Design.KusabiH;
        default:
            return Design.KusabiAlpha;
    }
}

void SetLabelColor(QLabel* l, const QColor& c) {
    QPalette p = l->palette();
    p.setColor(QPalette::All, QPalette::WindowText, c);
    l->setPalette(p);
}

}  // namespace

N6kusabi::N6kusabi(QWidget* parent) : StepForm(QStringLiteral("N6kusabi"), kNavAll, parent) {
    (void)kRegistered;
    UseFocusSink(QStringLiteral("Text4"));

    picNori = new SlopeWedgeFigure(this);
    picNori->setObjectName(QStringLiteral("picNori"));
    PlaceTwips(picNori, 240, 120, 8835, 3960);

    fraPattern = AddPanel(picNori, QStringLiteral("崩壊形状の指定"), 120, 120, 2340, 3000);
    fraPattern->setObjectName(QStringLiteral("fraPattern"));
    fraPattern->setAutoFillBackground(true);
    options_ = new QButtonGroup(this);
    options_->setExclusive(true);
    const QString caption[5] = {
        QStringLiteral("Ｌ<sub>1</sub> , Ｌ<sub>2</sub> 入力"),
        QStringLiteral("Ｌ<sub>1</sub> , α 入力"), QStringLiteral("Ｈ , Ｌ<sub>2</sub> 入力"),
        QStringLiteral("Ｈ , α 入力"), QStringLiteral("Ｌ<sub>2</sub> , α 入力")};
    for (int i = 0; i < 5; ++i) {
        const int top = 420 + i * 500;
        Shp1[i] = new QFrame(fraPattern);
        Shp1[i]->setObjectName(QStringLiteral("Shp1(%1)").arg(i));
        Shp1[i]->setFrameShape(QFrame::Box);
        PlaceTwips(Shp1[i], 560, top - 15, 1560, kValueHeight + 60);
        Shp1[i]->hide();

        SSOption1[i] = new QRadioButton(fraPattern);
        SSOption1[i]->setObjectName(QStringLiteral("SSOption1(%1)").arg(i));
        SSOption1[i]->setFocusPolicy(Qt::StrongFocus);
        PlaceTwips(SSOption1[i], 240, top, 300, kValueHeight + 30);
        options_->addButton(SSOption1[i], i);
        SSOption1[i]->installEventFilter(this);

        AddLabel(fraPattern, caption[i], 640, top, 1440, kValueHeight + 30);
        lblOp[i] = new QLabel(fraPattern);
        lblOp[i]->setObjectName(QStringLiteral("lblOp(%1)").arg(i));
        PlaceTwips(lblOp[i], 600, top, 1500, kValueHeight + 30);
        // A press on a caption takes the focus from the edited box, so its
        // check runs first; the click then knows whether that check refused.
        lblOp[i]->setFocusPolicy(Qt::ClickFocus);
        lblOp[i]->installEventFilter(this);
    }
    connect(options_, &QButtonGroup::idClicked, this, [this](int i) {
        // A press that took the focus from a refused entry selects nothing:
        // the pattern in force stays, with its boxes.
        if (!Entries()->CommitPending(SSOption1[i])) {
            SSOption1[Design.KusabiInputMode]->setChecked(true);
            return;
        }
        OptionClick(i);
    });

    // The values on the figure: caption, the label that shows the value, unit;
    // each entered value's box lies over its label.
    struct Value {
        QLabel** label;
        const char* labelName;
        QString caption;
        QString unit;
        ValuePlace at;
    };
    const Value values[] = {
        {&Label1, "Label1", QStringLiteral("Ｌ<sub>1</sub>="), "m", kL1Place},
        {&Label2, "Label2", QStringLiteral("Ｌ<sub>2</sub>="), "m", kL2Place},
        {&Label3, "Label3", QStringLiteral("Ｈ="), "m", kHPlace},
        {&Label11, "Label11", QStringLiteral("α="), QStringLiteral("°"), kAlphaPlace},
        {&Label9, "Label9", QStringLiteral("θ<sub>0</sub>="), QStringLiteral("°"), kThetaPlace},
    };
    for (const Value& v : values) {
        const ValuePlace& a = v.at;
        AddLabel(picNori, v.caption, a.captionLeft, a.top, a.captionWidth, kValueHeight,
                 Qt::AlignRight | Qt::AlignVCenter);
        QLabel* l = AddLabel(picNori, QString(), ValueLeft(a), a.top, a.valueWidth, kValueHeight);
        l->setObjectName(QLatin1String(v.labelName));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        *v.label = l;
        AddLabel(picNori, v.unit, ValueLeft(a) + a.valueWidth + 30, a.top, 240, kValueHeight);
    }
    const std::vector<NumEntry> table = {
        PlaceEntry("N6kusabi", "Text1", ValueLeft(kL1Place), kL1Place.top, kL1Place.valueWidth,
                   kValueHeight),
        PlaceEntry("N6kusabi", "Text2", ValueLeft(kL2Place), kL2Place.top, kL2Place.valueWidth,
                   kValueHeight),
        PlaceEntry("N6kusabi", "Text3", ValueLeft(kHPlace), kHPlace.top, kHPlace.valueWidth,
                   kValueHeight),
        PlaceEntry("N6kusabi", "Text11", ValueLeft(kAlphaPlace), kAlphaPlace.top,
                   kAlphaPlace.valueWidth, kValueHeight),
    };
    const std::vector<QLineEdit*> boxes = Entries()->AddNumbers(picNori, table);
    Text1 = boxes[0];
    Text2 = boxes[1];
    Text3 = boxes[2];
    Text11 = boxes[3];
    for (WedgeValue v : kWedgeValues) {
        QLineEdit* box = BoxOf(v);
        QLabel* label = LabelOf(v);
        NumBox* rule = Entries()->Rule(box);
        rule->onChanged = [this, box, label] {
            label->setText(box->text());
            CalcKusabiKeijyou();
            HoukaiKeijyou();
        };
        rule->onAccepted = [this, box] { ValueAccepted(box); };
        rule->onRefused = [this, box] {
            // The pattern in force when the box got the focus comes back,
            // with its boxes, and the box keeps the focus.
            SelectPattern(SavedInputMode);
            box->setFocus(Qt::OtherFocusReason);
            SelectAllText(box);
        };
        box->installEventFilter(this);
    }

    Text5 = new QLineEdit(this);
    Text5->setObjectName(QStringLiteral("Text5"));
    // Reached only by a click on a pattern's caption, never by the Tab key.
    Text5->setFocusPolicy(Qt::ClickFocus);
    PlaceTwips(Text5, 600, StepForm::kSinkTopTwips, 255, 285);
    Text5->installEventFilter(this);

    // Tab order as the step reads: the pattern (one stop; the arrow keys
    // choose), the value boxes from the top of the figure down (L2, L1, H,
    // α), the buttons, then the sink, which sends the focus round to the
    // pattern.
    OneTabStop({SSOption1[0], SSOption1[1], SSOption1[2], SSOption1[3], SSOption1[4]});
    SetTabChainFromFirst({SSOption1[0], SSOption1[1], SSOption1[2], SSOption1[3], SSOption1[4],
                          Text2, Text1, Text3, Text11, cmdBegin, cmdBack, cmdIndicate, cmdNext,
                          cmdResult, FocusSink, Text5});
    SetTabWrapTarget(SSOption1[0]);
}

QLineEdit* N6kusabi::BoxOf(WedgeValue v) const {
    return v == WedgeValue::L1   ? Text1
           : v == WedgeValue::L2 ? Text2
           : v == WedgeValue::H  ? Text3
                                 : Text11;
}

QLabel* N6kusabi::LabelOf(WedgeValue v) const {
    return v == WedgeValue::L1   ? Label1
           : v == WedgeValue::L2 ? Label2
           : v == WedgeValue::H  ? Label3
                                 : Label11;
}

void N6kusabi::OnLoad() {
    // The values themselves are filled in on activation.
    SelectPattern(WedgePattern(Design.KusabiInputMode));
}

void N6kusabi::OnActivate() {
    OptionPending = 0;
    RunKusabiOnActivation();
    Label1->setText(QStr(Design.KusabiL1));
    Label3->setText(QStr(Design.KusabiH));
    Label9->setText(QStr(Design.SlopeAngle));
    Label2->setText(QStr(Design.KusabiL2));
    Label11->setText(QStr(Design.KusabiAlpha));
    Text1->setText(QStr(Design.KusabiL1));
    Text3->setText(QStr(Design.KusabiH));
    Text2->setText(QStr(Design.KusabiL2));
    Text11->setText(QStr(Design.KusabiAlpha));
    // The same marks as after an entry: an α equal to θ0 derives nothing
    // and stays red here too.
    MarkLength();
    MarkAngle();
}

void N6kusabi::OptionClick(int i) {
    if (i != Design.KusabiInputMode) DataChanged = 1;
    Design.KusabiInputMode = static_cast<std::int16_t>(i);
    const auto [a, b] = EnteredPair(i);
    for (WedgeValue v : kWedgeValues) BoxOf(v)->setVisible(v == a || v == b);
    BoxOf(a)->setText(LabelOf(a)->text());
    BoxOf(b)->setText(LabelOf(b)->text());
}

void N6kusabi::SelectPattern(int i) {
    SSOption1[i]->setChecked(true);
    OptionClick(i);
}

void N6kusabi::HoukaiKeijyou() {
    for (WedgeValue v : kWedgeValues)
        if (WedgeDerived(Design.KusabiInputMode, v)) LabelOf(v)->setText(QStr(FieldOf(v)));
    MarkLength();
    MarkAngle();
}

namespace {

bool LongerThanSlope() {
    return WedgeLongerThanSlope(Design.KusabiL1, Design.TotalLengthY);
}

bool NotFlatterThanSlope() {
    return SlipNotFlatterThanSlope(Design.KusabiAlpha, Design.SlopeAngle);
}

}  // namespace

void N6kusabi::MarkLength() {
    const QColor c = LongerThanSlope() ? kRedText : kBlackText;
    SetForeColor(Text1, c);
    SetForeColor(Text3, c);
    SetLabelColor(Label1, c);
    SetLabelColor(Label3, c);
}

void N6kusabi::MarkAngle() {
    const QColor c = NotFlatterThanSlope() ? kRedText : kBlackText;
    SetForeColor(Text11, c);
    SetLabelColor(Label11, c);
}

void N6kusabi::ValueAccepted(QLineEdit* box) {
    QLabel* label = box == Text1 ? Label1 : box == Text2 ? Label2 : box == Text3 ? Label3 : Label11;
    label->setText(box->text());
    // Warned on every accepted entry, also an unchanged one; the value stays.
    if ((box == Text1 || box == Text3) && LongerThanSlope())
        MsgBox(kTooLong, MsgButtons::Ok, MsgIcon::Exclamation);
    if (box == Text11 && NotFlatterThanSlope())
        MsgBox(kTooSteep, MsgButtons::Ok, MsgIcon::Exclamation);
}

void N6kusabi::CaptionClicked(int i) {
    // The box being left is checked first; a refused entry keeps its box
    // and drops the choice.
    if (!Entries()->CommitPending(lblOp[i])) return;
    OptionPending = static_cast<std::int16_t>(i + 1);
    Text5->setFocus(Qt::OtherFocusReason);
    if (!Text5->hasFocus() && OptionPending != 0) OptionPending = 0;
}

void N6kusabi::Text5GotFocus() {
    if (OptionPending != 0) {
        const int i = OptionPending - 1;
        SSOption1[i]->setFocus(Qt::OtherFocusReason);
        SelectPattern(i);
    } else if (cmdIndicate) {
        cmdIndicate->setFocus(Qt::TabFocusReason);
    }
    OptionPending = 0;
}

bool N6kusabi::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type t = event->type();
    if (t == QEvent::FocusIn || t == QEvent::FocusOut) {
        const auto reason = static_cast<QFocusEvent*>(event)->reason();
        const bool switching =
            reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
        for (int i = 0; i < 5; ++i)
            if (watched == SSOption1[i]) Shp1[i]->setVisible(t == QEvent::FocusIn);
        if (t == QEvent::FocusIn && !switching && !Unloading()) {
            if (watched == Text1 || watched == Text2 || watched == Text3 || watched == Text11)
                SavedInputMode = Design.KusabiInputMode;
            if (watched == Text5 && !EntryGroup::Checking()) Text5GotFocus();
        }
    } else if (t == QEvent::MouseButtonRelease && !Unloading()) {
        for (int i = 0; i < 5; ++i)
            if (watched == lblOp[i]) {
                CaptionClicked(i);
                return true;
            }
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
