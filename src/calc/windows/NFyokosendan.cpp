#include "calc/windows/NFyokosendan.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "calc/windows/NEyokomoment.h"
#include "calc/yoko.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/tables.h"
#include "shell/windows/StepManager.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

const bool kRegistered = [] {
    RegisterStepWindow("NFyokosendan", [] { return new NFyokosendan; });
    return true;
}();

}  // namespace

// ---- The check-position rows ----

ShearPositionParts AddShearPositionRows(QWidget* frame, const std::array<int, 3>& rowTop,
                                        int rowHeight, const QRect& figureTwips,
                                        const ShearPositionNames& names,
                                        std::vector<QLabel*>& label19,
                                        std::vector<QLabel*>& label16) {
    const auto name = [](QObject* object, const QString& objectName) {
        if (!objectName.isEmpty()) object->setObjectName(objectName);
    };
    ShearPositionParts parts;
    name(AddText(frame, " 支点からの照査位置", 510, rowTop[0], 2000, rowHeight), names.caption);
    name(AddText(frame, "x =", 2540, rowTop[0], 450, rowHeight), names.xMark);
    parts.text1 = new QLineEdit(frame);
    parts.text1->setObjectName("Text1");
    parts.text1->setAlignment(Qt::AlignRight);
    PlaceTwips(parts.text1, 2990, rowTop[0], 900, rowHeight);
    name(AddText(frame, "(m)", 3950, rowTop[0], 450, rowHeight), names.unit);

    // A fraction of one letter over "2", as in b/2. Its bar lets clicks through
    // to the row's click area like the texts around it.
    auto half = [frame](const QString& letter, int left, int top, std::vector<QLabel*>& texts) {
        const Fraction f = AddFraction(frame, letter, "2", left, top - 150, 250, 270);
        f.bar->setAttribute(Qt::WA_TransparentForMouseEvents);
        texts.push_back(f.num);
        texts.push_back(f.den);
    };
    label19.push_back(AddText(frame, " 支点より", 510, rowTop[1], 1100, rowHeight));
    label19.push_back(AddText(frame, "x =", 1640, rowTop[1], 450, rowHeight));
    half("b", 2090, rowTop[1], label19);
    label19.push_back(AddText(frame, "離れた位置", 2440, rowTop[1], 1400, rowHeight));

    label16.push_back(AddText(frame, " 支点より", 510, rowTop[2], 1100, rowHeight));
    label16.push_back(AddText(frame, "x =", 1640, rowTop[2], 450, rowHeight));
    half("b", 2090, rowTop[2], label16);
    label16.push_back(AddText(frame, "+", 2390, rowTop[2], 200, rowHeight, Qt::AlignCenter));
    half("h", 2640, rowTop[2], label16);
    label16.push_back(AddText(frame, "離れた位置", 2990, rowTop[2], 1400, rowHeight));
    for (std::size_t i = 0; i < label19.size(); ++i)
        label19[i]->setObjectName(QString("Label19_%1").arg(i));
    for (std::size_t i = 0; i < label16.size(); ++i)
        label16[i]->setObjectName(QString("Label16_%1").arg(i));

    parts.figure = new ShearPositionFigure(frame);
    name(parts.figure, names.figure);
    PlaceTwips(parts.figure, figureTwips.x(), figureTwips.y(), figureTwips.width(),
                     figureTwips.height());
    for (std::size_t m = 0; m < parts.masks.size(); ++m) {
        parts.masks[m] = new QLabel(parts.figure);
        parts.masks[m]->setObjectName(QString("Label%1").arg(26 + m));
    }
    return parts;
}

// ---- The drawing ----

struct ShearPositionFigure::Geometry {
    int support = 0;  // left edge of the supporting frame
    int width = 0;    // its width b
    int centre = 0;   // its centre line, where x is measured from
    int beamTop = 0;  // the horizontal frame's top
    int beamH = 0;    // its height h
    int beamEnd = 0;  // its right end
    int supportBottom = 0;
    std::array<int, 3> mark{};  // x of the marks: entered x, b/2, b/2 + h/2
};

ShearPositionFigure::ShearPositionFigure(QWidget* parent) : QWidget(parent) {
    setObjectName("Figure");
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, kFigureBackColor);
    setPalette(pal);
}

ShearPositionFigure::Geometry ShearPositionFigure::Layout() const {
    Geometry g;
    const int w = width();
    const int h = height();
    g.support = w * 12 / 100;
    g.width = w * 22 / 100;
    g.centre = g.support + g.width / 2;
    g.beamTop = h * 54 / 100;
    g.beamH = h * 18 / 100;
    g.beamEnd = w * 90 / 100;
    g.supportBottom = h * 80 / 100;
    g.mark[1] = g.support + g.width;
    g.mark[2] = g.mark[1] + g.beamH / 2;
    g.mark[0] = g.centre + w * 55 / 100;
    return g;
}

QRect ShearPositionFigure::MarkRect(int m) const {
    const Geometry g = Layout();
    const int half = 6;
    return QRect(g.mark[static_cast<std::size_t>(m)] - half - 1, g.beamTop - 12, 2 * half + 3, 12);
}

void ShearPositionFigure::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    emit resized();
}

void ShearPositionFigure::paintEvent(QPaintEvent*) {
    const Geometry g = Layout();
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing, true);
    const QFontMetrics fm(font());

    // Supporting frame in section and the horizontal frame resting on it.
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(g.support, g.beamTop, g.width, g.supportBottom - g.beamTop);
    p.setBrush(QColor(225, 225, 225));
    p.drawRect(g.support + g.width, g.beamTop, g.beamEnd - g.support - g.width, g.beamH);
    // Centre line of the support.
    p.setPen(QPen(QColor(0, 0, 160), 1, Qt::DashDotLine));
    p.drawLine(g.centre, g.beamTop - fm.height() * 3, g.centre, g.supportBottom + 6);

    auto arrowHead = [&p](QPointF tip, double dx, double dy) {
        QPainterPath head;
        head.moveTo(tip);
        head.lineTo(tip.x() + dx * 5 - dy * 3, tip.y() + dy * 5 + dx * 3);
        head.lineTo(tip.x() + dx * 5 + dy * 3, tip.y() + dy * 5 - dx * 3);
        head.closeSubpath();
        p.fillPath(head, Qt::black);
    };
    // A dimension between x1 and x2 at height y, with its text centred above.
    auto hDim = [&](int x1, int x2, int y, const QString& text) {
        p.setPen(QPen(Qt::black, 1));
        p.drawLine(x1, y, x2, y);
        arrowHead(QPointF(x1, y), 1, 0);
        arrowHead(QPointF(x2, y), -1, 0);
        const int tw = fm.horizontalAdvance(text);
        p.drawText((x1 + x2 - tw) / 2, y - 3, text);
    };
    auto extension = [&](int x, int y1, int y2) {
        p.setPen(QPen(Qt::gray, 1));
        p.drawLine(x, y1, x, y2);
    };

    // b below the support.
    const int bLine = g.supportBottom + fm.height();
    extension(g.support, g.supportBottom, bLine + 3);
    extension(g.support + g.width, g.supportBottom, bLine + 3);
    hDim(g.support, g.support + g.width, bLine, "b");

    // b/2 and h/2 above the frame, x above them.
    const int halfLine = g.beamTop - 16;
    extension(g.mark[1], g.beamTop, halfLine - 3);
    extension(g.mark[2], g.beamTop, halfLine - 3);
    hDim(g.centre, g.mark[1], halfLine, "b/2");
    hDim(g.mark[1], g.mark[2], halfLine - fm.height(), "h/2");
    extension(g.mark[2], halfLine, halfLine - fm.height() - 3);
    const int xLine = halfLine - 2 * fm.height() - 2;
    extension(g.mark[0], g.beamTop, xLine - 3);
    hDim(g.centre, g.mark[0], xLine, "x");

    // h at the frame's end.
    const int hx = g.beamEnd + 8;
    p.setPen(QPen(Qt::black, 1));
    p.drawLine(hx, g.beamTop, hx, g.beamTop + g.beamH);
    arrowHead(QPointF(hx, g.beamTop), 0, 1);
    arrowHead(QPointF(hx, g.beamTop + g.beamH), 0, -1);
    p.drawText(hx + 3, g.beamTop + g.beamH / 2 + fm.ascent() / 2, "h");

    // The three candidate positions: small triangles standing on the frame.
    p.setPen(Qt::NoPen);
    for (int m = 0; m < 3; ++m) {
        const QRect r = MarkRect(m);
        const double cx = r.center().x() + 0.5;
        QPainterPath tri;
        tri.moveTo(cx, g.beamTop);
        tri.lineTo(cx - 5, g.beamTop - 9);
        tri.lineTo(cx + 5, g.beamTop - 9);
        tri.closeSubpath();
        p.fillPath(tri, QColor(220, 0, 0));
    }
}

// ---- The window ----

NFyokosendan::NFyokosendan(QWidget* parent) : StepForm("NFyokosendan", kNavAll, parent) {
    (void)kRegistered;
    setObjectName("NFyokosendan");

    // ---- Check position ----
    Frame1 = new QGroupBox("せん断力の照査位置", this);
    Frame1->setObjectName("Frame1");
    PlaceTwips(Frame1, 120, 30, 9100, 2250);
    const std::array<int, 3> rowTop = {420, 1080, 1740};
    for (int m = 0; m < 3; ++m) {
        const int top = rowTop[static_cast<std::size_t>(m)];
        RowArea[static_cast<std::size_t>(m)] = AddText(Frame1, QString(), 90, top - 150, 4300, 630);
        Shape[static_cast<std::size_t>(m)] = new QFrame(Frame1);
        QFrame* shape = Shape[static_cast<std::size_t>(m)];
        shape->setFrameShape(QFrame::Box);
        shape->setFrameShadow(QFrame::Plain);
        shape->setAttribute(Qt::WA_TransparentForMouseEvents);
        PlaceTwips(shape, 120, top - 120, 4240, 570);
        shape->hide();
        Option3D[static_cast<std::size_t>(m)] = new QRadioButton(Frame1);
        PlaceTwips(Option3D[static_cast<std::size_t>(m)], 210, top, 300, kRowHeight);
    }
    RowArea[0]->setObjectName("Label7");
    RowArea[1]->setObjectName("Label10");
    RowArea[2]->setObjectName("Label11");
    Shape[0]->setObjectName("Shape12");
    Shape[1]->setObjectName("Shape13");
    Shape[2]->setObjectName("Shape14");
    for (int m = 0; m < 3; ++m)
        Option3D[static_cast<std::size_t>(m)]->setObjectName(QString("Option3D%1").arg(m + 1));

    const ShearPositionParts parts = AddShearPositionRows(
        Frame1, rowTop, kRowHeight, QRect(4500, 300, 4480, 1860), {}, Label19, Label16);
    Text1 = parts.text1;
    Figure = parts.figure;
    Mask = parts.masks;
    for (QLabel* mask : Mask) {
        QPalette pal = mask->palette();
        pal.setColor(QPalette::Window, kFigureBackColor);
        mask->setPalette(pal);
    }
    PlaceMasks();
    connect(Figure, &ShearPositionFigure::resized, this, [this] { PlaceMasks(); });

    for (QLabel* area : RowArea) area->lower();
    for (QLabel* l : RowArea) l->installEventFilter(this);
    for (QLabel* l : Label19) l->installEventFilter(this);
    for (QLabel* l : Label16) l->installEventFilter(this);
    for (QLabel* l : Mask) l->installEventFilter(this);
    for (int m = 0; m < 3; ++m) {
        QRadioButton* option = Option3D[static_cast<std::size_t>(m)];
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, [this, m](bool on) {
            if (on) PositionClick(m);
        });
    }

    // ---- The Smax formula ----
    Frame2 = new QGroupBox(this);
    Frame2->setObjectName("Frame2");
    PlaceTwips(Frame2, 120, 2330, 9100, 1820);
    AddTitleBar(Frame2, "最大せん断力Ｓmax(kN)の算出式", 120, 210, 8860, kRowHeight);
    Parts = new PartChoice(Frame2, 300, 750, 540, [this](int part) { PartClick(part); });
    SSOption1 = Parts->SSOption1;
    SSOption2 = Parts->SSOption2;
    SSPanel1 = Parts->SSPanel1;
    SSPanel2 = Parts->SSPanel2;
    constexpr int kLine = 870;
    AddText(Frame2, "Ｓmax = ", 2500, kLine, 950, kRowHeight);
    const Fraction coefficient = AddFraction(Frame2, QString(), QString(), 3450, 640, 450, 300);
    Label6 = coefficient.num;
    Label6->setObjectName("Label6");
    Label5 = coefficient.den;
    Label5->setObjectName("Label5");
    AddText(Frame2, "・w・", 3950, kLine, 600, kRowHeight, Qt::AlignCenter);
    Label21 = AddText(Frame2, QString(), 4550, kLine, 900, kRowHeight, Qt::AlignCenter);
    Label21->setObjectName("Label21");
    AddText(Frame2, "- w・x ", 5450, kLine, 850, kRowHeight, Qt::AlignCenter);
    AddText(Frame2, "=", 6300, kLine, 200, kRowHeight);
    Label12 = AddValue(Frame2, "Label12", 6550, kLine, 1300, kRowHeight);
    AddText(Frame2, "(kN)", 7950, kLine, 700, kRowHeight);

    UseFocusSink("Text2");
    Text2 = FocusSink;
    // Reached with the Tab key, the sink hands the focus on to the start button.
    SetTabWrapTarget(cmdBegin);
    setTabOrder(Option3D[0], Text1);
    setTabOrder(Text1, Option3D[1]);
    setTabOrder(Option3D[1], Option3D[2]);
    setTabOrder(Option3D[2], SSOption1);
    setTabOrder(SSOption1, SSOption2);
    setTabOrder(SSOption2, cmdBegin);
}

bool NFyokosendan::MaskOpaque(const QLabel* mask) {
    return mask->autoFillBackground();
}

void NFyokosendan::PlaceMasks() {
    for (int m = 0; m < 3; ++m) Mask[static_cast<std::size_t>(m)]->setGeometry(Figure->MarkRect(m));
}

void NFyokosendan::SetMask(int m, bool opaque) {
    QLabel* mask = Mask[static_cast<std::size_t>(m)];
    mask->setAutoFillBackground(opaque);
    mask->update();
}

void NFyokosendan::OnLoad() {
    static std::string noField;  // a work type outside the arrays keeps nothing
    std::string* field = OfWorkType(Design.ShearXInput);
    NumBox rule;
    rule.min = 0;
    rule.max = 9.999;
    rule.decimals = 3;
    rule.places = 2;
    rule.field = field ? field : &noField;
    rule.flags = {&RecalcResult};
    // A refused x gets the stored value back, but the focus goes where the
    // engineer sent it.
    rule.refocusOnRefusal = false;
    rule.onChanged = [this] {
        CalcYokoSmax();
        ShowSmax();
        MarkMax();
    };
    rule.onRefused = [this] { MarkMax(); };
    Entries()->AddNumber(Text1, rule);
    // Installed after the entry group's own watch, so it runs first: the
    // entered position is chosen before the text is selected.
    Text1->installEventFilter(this);
    Entries()->ShowStored(Text1);

    const std::int16_t* mode = OfWorkType(Design.ShearXMode);
    if (mode && *mode >= 0 && *mode <= 2) {
        SelectPosition(*mode);
        if (*mode == 1 || *mode == 2) {
            QPalette pal = Mask[0]->palette();
            pal.setColor(QPalette::Window, kFigureBackColor);
            Mask[0]->setPalette(pal);
        }
    }
}

void NFyokosendan::OnActivate() {
    RunForceOnActivation();
    Parts->ChooseOnActivation(FrameWidthOffered(), Design.Smax[1][0], Design.Smax[1][1], [this] {
        Label6->clear();
        Label5->clear();
        Label12->clear();
    });
}

void NFyokosendan::PartClick(int part) {
    shownPart_ = part;
    const int row = part == 0 ? SpanRow(Design.SpanCountX) : 0;
    Label21->setText(part == 0 ? "スパン長" : "張出し長");
    Label6->setText(NumText(std::to_string(SpanCoefficients.SmaxNum[row]), 2, 0));
    Label5->setText(NumText(std::to_string(SpanCoefficients.SmaxDen[row]), 2, 0));
    ShowSmax();
}

void NFyokosendan::ShowSmax() {
    Label12->setText(NumText(Design.Smax[1][static_cast<std::size_t>(shownPart_)], 5, 2));
}

void NFyokosendan::MarkMax() {
    Parts->MarkMax(FrameWidthOffered(), Design.Smax[1][0], Design.Smax[1][1]);
}

void NFyokosendan::SelectPosition(int m) {
    QRadioButton* option = Option3D[static_cast<std::size_t>(m)];
    if (option->isChecked()) {
        PositionClick(m);
    } else {
        option->setChecked(true);
    }
}

void NFyokosendan::PositionClick(int m) {
    std::int16_t* mode = OfWorkType(Design.ShearXMode);
    if (mode && *mode != m) {
        DataChanged = 1;
        RecalcResult = 1;
        *mode = static_cast<std::int16_t>(m);
        CalcYokoSmax();
        ShowSmax();
    }
    SetTextEnabled(Text1, m == 0);
    for (int i = 0; i < 3; ++i) SetMask(i, i != m);
    if (m == 1 || m == 2) {
        QPalette pal = Mask[0]->palette();
        pal.setColor(QPalette::Window, kFigureBackColor);
        Mask[0]->setPalette(pal);
    }
    MarkMax();
}

bool NFyokosendan::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 && type == QEvent::FocusIn) {
        // Typing an x means the entered position.
        SelectPosition(0);
        return StepForm::eventFilter(watched, event);
    }
    for (int m = 0; m < 3; ++m) {
        if (watched == Option3D[static_cast<std::size_t>(m)]) {
            if (type == QEvent::FocusIn) Shape[static_cast<std::size_t>(m)]->show();
            if (type == QEvent::FocusOut) Shape[static_cast<std::size_t>(m)]->hide();
            return StepForm::eventFilter(watched, event);
        }
    }
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label &&
            label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            int m = -1;
            bool focus = false;
            for (int i = 0; i < 3; ++i) {
                if (label == RowArea[static_cast<std::size_t>(i)]) {
                    m = i;
                    focus = true;
                }
                if (label == Mask[static_cast<std::size_t>(i)]) m = i;
            }
            if (std::find(Label19.begin(), Label19.end(), label) != Label19.end()) m = 1;
            if (std::find(Label16.begin(), Label16.end(), label) != Label16.end()) m = 2;
            if (m >= 0) {
                SelectPosition(m);
                if (focus) Option3D[static_cast<std::size_t>(m)]->setFocus(Qt::MouseFocusReason);
                return true;
            }
        }
    }
    return StepForm::eventFilter(watched, event);
}

}  // namespace talvo
