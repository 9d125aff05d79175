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

#include "calc/wedge.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "shell/windows/StepManager.h"
#include "steps/windows/InputPlacing.h"

namespace talvo {

using input::Place;
using input::Text;

namespace {

const bool kRegistered = [] {
    RegisterStepWindow("N6kusabi", [] { return new N6kusabi; });
    return true;
}();

const QColor kFigureBack{238, 247, 255};

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

bool Filled(const std::string& s) {
    return s.find_first_not_of(' ') != std::string::npos;
}

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
    const double deg = std::atan2(at.y() - toward.y(), toward.x() - at.x()) * 180 / M_PI;
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
        pal.setColor(QPalette::Window, kFigureBack);
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
    Place(picNori, 240, 120, 8835, 3960);

    fraPattern = input::Panel(picNori, QStringLiteral("崩壊形状の指定"), 120, 120, 2340, 3000);
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
        Place(Shp1[i], 560, top - 15, 1560, kValueHeight + 60);
        Shp1[i]->hide();

        SSOption1[i] = new QRadioButton(fraPattern);
        SSOption1[i]->setObjectName(QStringLiteral("SSOption1(%1)").arg(i));
        SSOption1[i]->setFocusPolicy(Qt::StrongFocus);
        Place(SSOption1[i], 240, top, 300, kValueHeight + 30);
        options_->addButton(SSOption1[i], i);
        SSOption1[i]->installEventFilter(this);

        Text(fraPattern, caption[i], 640, top, 1440, kValueHeight + 30);
        lblOp[i] = new QLabel(fraPattern);
        lblOp[i]->setObjectName(QStringLiteral("lblOp(%1)").arg(i));
        Place(lblOp[i], 600, top, 1500, kValueHeight + 30);
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

    struct Value {
        QLabel** label;
        QLineEdit** box;
        const char* boxName;
        const char* labelName;
        QString caption;
        QString unit;
        ValuePlace at;
    };
    const Value values[] = {
        {&Label1, &Text1, "Text1", "Label1", QStringLiteral("Ｌ<sub>1</sub>="), "m", kL1Place},
        {&Label2, &Text2, "Text2", "Label2", QStringLiteral("Ｌ<sub>2</sub>="), "m", kL2Place},
        {&Label3, &Text3, "Text3", "Label3", QStringLiteral("Ｈ="), "m", kHPlace},
        {&Label11, &Text11, "Text11", "Label11", QStringLiteral("α="), QStringLiteral("°"),
         kAlphaPlace},
        {&Label9, nullptr, "", "Label9", QStringLiteral("θ<sub>0</sub>="), QStringLiteral("°"),
         kThetaPlace},
    };
    for (const Value& v : values) {
        const ValuePlace& a = v.at;
        Text(picNori, v.caption, a.captionLeft, a.top, a.captionWidth, kValueHeight,
             Qt::AlignRight | Qt::AlignVCenter);
        const int valueLeft = a.captionLeft + a.captionWidth + 30;
        QLabel* l = Text(picNori, QString(), valueLeft, a.top, a.valueWidth, kValueHeight);
        l->setObjectName(QLatin1String(v.labelName));
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        *v.label = l;
        if (v.box)
            *v.box = input::Box(picNori, QLatin1String(v.boxName), valueLeft, a.top, a.valueWidth,
                                kValueHeight);
        Text(picNori, v.unit, valueLeft + a.valueWidth + 30, a.top, 240, kValueHeight);
    }

    Text5 = new QLineEdit(this);
    Text5->setObjectName(QStringLiteral("Text5"));
    Text5->setFocusPolicy(Qt::StrongFocus);
    Place(Text5, 600, StepForm::kSinkTopTwips, 255, 285);
    Text5->installEventFilter(this);

    // The buttons first, then both sinks, the patterns from the last to the
    // first and the value boxes; the sink sends a Tab press on to
    // cmdIndicate, so Tab cycles through the buttons.
    QWidget* order[] = {cmdBegin,     cmdBack,      cmdIndicate,  cmdNext,
                        cmdResult,    FocusSink,    Text5,        SSOption1[4],
                        SSOption1[3], SSOption1[2], SSOption1[1], SSOption1[0],
                        Text1,        Text2,        Text3,        Text11};
    for (std::size_t k = 1; k < std::size(order); ++k) setTabOrder(order[k - 1], order[k]);
    SetTabWrapTarget(cmdIndicate);

    struct Entry {
        QLineEdit* box;
        QLabel* label;
        std::string* field;
        double min, max;
        int decimals, places;
    };
    const Entry entries[] = {
        {Text1, Label1, &Design.KusabiL1, 0.001, 99.999, 3, 3},
        {Text2, Label2, &Design.KusabiL2, 0.001, 99.999, 3, 3},
        {Text3, Label3, &Design.KusabiH, 0.001, 99.999, 3, 3},
        {Text11, Label11, &Design.KusabiAlpha, 0.01, 89.99, 2, 4},
    };
    for (const Entry& e : entries) {
        NumBox c;
        c.min = e.min;
        c.max = e.max;
        c.decimals = e.decimals;
        c.places = e.places;
        c.field = e.field;
        c.flags = {&RecalcLoad};
        QLineEdit* box = e.box;
        QLabel* label = e.label;
        c.onChanged = [this, box, label] {
            label->setText(box->text());
            CalcKusabiKeijyou();
            HoukaiKeijyou();
        };
        c.onAccepted = [this, box] { ValueAccepted(box); };
        c.onRefused = [this, box] {
            // The pattern in force when the box got the focus comes back,
            // with its boxes, and the box keeps the focus.
            SelectPattern(SavedInputMode);
            box->setFocus(Qt::OtherFocusReason);
            SelectAllText(box);
        };
        Entries()->AddNumber(box, std::move(c));
        box->installEventFilter(this);
    }
}

void N6kusabi::OnLoad() {
    // The values themselves are filled in on activation.
    const int mode = Design.KusabiInputMode;
    SelectPattern(mode >= 0 && mode <= 4 ? mode : 0);
}

void N6kusabi::OnActivate() {
    OptionPending = 0;
    if (RecalcKusabi == 1) {
        CalcKusabiKeijyou();
        RecalcKusabi = 0;
    }
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    Label1->setText(q(Design.KusabiL1));
    Label3->setText(q(Design.KusabiH));
    Label9->setText(q(Design.SlopeAngle));
    Label2->setText(q(Design.KusabiL2));
    Label11->setText(q(Design.KusabiAlpha));
    Text1->setText(q(Design.KusabiL1));
    Text3->setText(q(Design.KusabiH));
    Text2->setText(q(Design.KusabiL2));
    Text11->setText(q(Design.KusabiAlpha));
    // The same marks as after an entry: an α equal to θ0 derives nothing
    // and stays red here too.
    MarkLength();
    MarkAngle();
}

void N6kusabi::OptionClick(int i) {
    if (i != Design.KusabiInputMode) DataChanged = 1;
    Design.KusabiInputMode = static_cast<std::int16_t>(i);
    struct Shown {
        QLineEdit* a;
        QLabel* la;
        QLineEdit* b;
        QLabel* lb;
    };
    const Shown shown[5] = {{Text1, Label1, Text2, Label2},
                            {Text1, Label1, Text11, Label11},
                            {Text3, Label3, Text2, Label2},
                            {Text3, Label3, Text11, Label11},
                            {Text11, Label11, Text2, Label2}};
    const Shown& s = shown[i];
    for (QLineEdit* box : {Text1, Text2, Text3, Text11}) box->setVisible(box == s.a || box == s.b);
    s.a->setText(s.la->text());
    s.b->setText(s.lb->text());
}

void N6kusabi::SelectPattern(int i) {
    SSOption1[i]->setChecked(true);
    OptionClick(i);
}

void N6kusabi::HoukaiKeijyou() {
    auto q = [](const std::string& s) { return QString::fromStdString(s); };
    switch (Design.KusabiInputMode) {
        case 0:
            Label3->setText(q(Design.KusabiH));
            Label11->setText(q(Design.KusabiAlpha));
            break;
        case 1:
            Label2->setText(q(Design.KusabiL2));
            Label3->setText(q(Design.KusabiH));
            break;
        case 2:
            Label1->setText(q(Design.KusabiL1));
            Label11->setText(q(Design.KusabiAlpha));
            break;
        case 3:
            Label1->setText(q(Design.KusabiL1));
            Label2->setText(q(Design.KusabiL2));
            break;
        case 4:
            Label1->setText(q(Design.KusabiL1));
            Label3->setText(q(Design.KusabiH));
            break;
        default:
            break;
    }
    MarkLength();
    MarkAngle();
}

namespace {

bool LongerThanSlope() {
    return Filled(Design.KusabiL1) && Filled(Design.TotalLengthY) &&
           NumVal(Design.KusabiL1) > NumVal(Design.TotalLengthY);
}

bool NotFlatterThanSlope() {
    return Filled(Design.KusabiAlpha) && Filled(Design.SlopeAngle) &&
           NumVal(Design.KusabiAlpha) >= NumVal(Design.SlopeAngle);
}

}  // namespace

void N6kusabi::MarkLength() {
    const QColor c = LongerThanSlope() ? input::kRedText : input::kBlackText;
    input::SetForeColor(Text1, c);
    input::SetForeColor(Text3, c);
    SetLabelColor(Label1, c);
    SetLabelColor(Label3, c);
}

void N6kusabi::MarkAngle() {
    const QColor c = NotFlatterThanSlope() ? input::kRedText : input::kBlackText;
    input::SetForeColor(Text11, c);
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
