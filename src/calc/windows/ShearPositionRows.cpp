#include "calc/windows/ShearPositionRows.h"

#include <QEvent>
#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <string>

#include "calc/calcfield.h"
#include "calc/windows/ForceFormula.h"
#include "platform/formkit.h"
#include "platform/mdichild.h"
#include "shell/design.h"
#include "shell/globals.h"

namespace talvo {

namespace {

constexpr int kRowHeight = 330;

}  // namespace

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
    SetBackColor(this, kFigureBackColor);
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

// ---- The rows ----

ShearPositionRows::ShearPositionRows(QWidget* frame, EntryGroup* entries,
                                     const ShearPositionLayout& layout, ClickOrder order,
                                     Reclick reclick, std::function<void(int)> onChosen)
    : QObject(frame),
      maskBottomTrim_(layout.maskBottomTrim),
      order_(order),
      reclick_(reclick),
      onChosen_(std::move(onChosen)) {
    const auto name = [](QObject* object, const QString& objectName) {
        if (!objectName.isEmpty()) object->setObjectName(objectName);
    };
    const std::array<int, 3>& rowTop = layout.rowTop;
    for (std::size_t m = 0; m < 3; ++m) {
        const int top = rowTop[m];
        RowAreas[m] = AddLabel(frame, QString(), 90, top - 150, 4300, layout.areaHeight);
        name(RowAreas[m], layout.areaNames[m]);
        FocusFrames[m] = new QFrame(frame);
        QFrame* focusFrame = FocusFrames[m];
        focusFrame->setObjectName(QString("Shape%1").arg(12 + m));
        focusFrame->setFrameShape(QFrame::Box);
        focusFrame->setFrameShadow(QFrame::Plain);
        if (layout.focusFrameColor) {
            QPalette pal = focusFrame->palette();
            pal.setColor(QPalette::WindowText, *layout.focusFrameColor);
            focusFrame->setPalette(pal);
        }
        focusFrame->setAttribute(Qt::WA_TransparentForMouseEvents);
        PlaceTwips(focusFrame, 120, top - 120, 4240, layout.focusFrameHeight);
        focusFrame->hide();
        Options[m] = new QRadioButton(frame);
        Options[m]->setObjectName(QString("Option3D%1").arg(m + 1));
        PlaceTwips(Options[m], 210, top, 300, kRowHeight);
    }

    // The three positions are one stop of the Tab key; the arrow keys choose.
    OneTabStop({Options[0], Options[1], Options[2]});

    // Row 1: the entered x.
    name(AddLabel(frame, " 支点からの照査位置", 510, rowTop[0], 2000, kRowHeight), layout.caption);
    name(AddLabel(frame, "x =", 2540, rowTop[0], 450, kRowHeight), layout.xMark);
    // The x of the work type in hand (a work type outside the arrays keeps
    // nothing).
    const std::vector<NumEntry> table = {
        PlaceEntry("NFyokosendan", "Text1", 2990, rowTop[0], 900, kRowHeight),
    };
    Text1 = entries->AddNumbers(frame, table)[0];
    Text1->setAlignment(Qt::AlignRight);
    name(AddLabel(frame, "(m)", 3950, rowTop[0], 450, kRowHeight), layout.unit);

    // Rows 2 and 3. A fraction of one letter over "2", as in b/2; its bar lets
    // clicks through to the row's click area like the texts around it.
    auto half = [frame](const QString& letter, int left, int top, std::vector<QLabel*>& texts) {
        const Fraction f = AddFraction(frame, letter, "2", left, top - 150, 250, 270);
        f.bar->setAttribute(Qt::WA_TransparentForMouseEvents);
        texts.push_back(f.num);
        texts.push_back(f.den);
    };
    Label19.push_back(AddLabel(frame, " 支点より", 510, rowTop[1], 1100, kRowHeight));
    Label19.push_back(AddLabel(frame, "x =", 1640, rowTop[1], 450, kRowHeight));
    half("b", 2090, rowTop[1], Label19);
    Label19.push_back(AddLabel(frame, "離れた位置", 2440, rowTop[1], 1400, kRowHeight));

    Label16.push_back(AddLabel(frame, " 支点より", 510, rowTop[2], 1100, kRowHeight));
    Label16.push_back(AddLabel(frame, "x =", 1640, rowTop[2], 450, kRowHeight));
    half("b", 2090, rowTop[2], Label16);
    Label16.push_back(AddLabel(frame, "+", 2390, rowTop[2], 200, kRowHeight, Qt::AlignCenter));
    half("h", 2640, rowTop[2], Label16);
    Label16.push_back(AddLabel(frame, "離れた位置", 2990, rowTop[2], 1400, kRowHeight));
    for (std::size_t i = 0; i < Label19.size(); ++i)
        Label19[i]->setObjectName(QString("Label19_%1").arg(i));
    for (std::size_t i = 0; i < Label16.size(); ++i)
        Label16[i]->setObjectName(QString("Label16_%1").arg(i));

    // The drawing and its masks.
    Figure = new ShearPositionFigure(frame);
    name(Figure, layout.figureName);
    PlaceTwips(Figure, layout.figure.x(), layout.figure.y(), layout.figure.width(),
               layout.figure.height());
    for (std::size_t m = 0; m < 3; ++m) {
        Masks[m] = new QLabel(Figure);
        Masks[m]->setObjectName(QString("Label%1").arg(26 + m));
        SetBackColor(Masks[m], m == 0 ? layout.firstMaskColor : kFigureBackColor);
    }
    PlaceMasks();
    connect(Figure, &ShearPositionFigure::resized, this, [this] { PlaceMasks(); });

    // The click areas lie under the row's texts and option.
    for (QLabel* area : RowAreas) area->lower();
    for (QLabel* l : RowAreas) l->installEventFilter(this);
    for (QLabel* l : Label19) l->installEventFilter(this);
    for (QLabel* l : Label16) l->installEventFilter(this);
    for (QLabel* l : Masks) l->installEventFilter(this);
    for (int m = 0; m < 3; ++m) {
        QRadioButton* option = Options[static_cast<std::size_t>(m)];
        option->installEventFilter(this);
        connect(option, &QRadioButton::toggled, this, [this, m](bool on) {
            if (!on) return;
            toggled_ = true;
            onChosen_(m);
        });
        // A click that changes no option toggles nothing: only the click
        // itself tells that the chosen option was clicked again.
        connect(option, &QRadioButton::clicked, this, [this, m] {
            if (!toggled_ && reclick_ == Reclick::ChoosesAgain) onChosen_(m);
            toggled_ = false;
        });
    }
    // Installed after the entry group's own watch, so it runs first: the
    // entered position is chosen before the text is selected.
    Text1->installEventFilter(this);
}

bool ShearPositionRows::MaskOpaque(const QLabel* mask) {
    return mask->autoFillBackground();
}

void ShearPositionRows::PlaceMasks() {
    for (int m = 0; m < 3; ++m)
        Masks[static_cast<std::size_t>(m)]->setGeometry(
            Figure->MarkRect(m).adjusted(0, 0, 0, -maskBottomTrim_));
}

void ShearPositionRows::Select(int m) {
    QRadioButton* option = Options[static_cast<std::size_t>(m)];
    if (option->isChecked())
        onChosen_(m);
    else
        option->setChecked(true);
    toggled_ = false;
}

void ShearPositionRows::ShowPosition(int m) {
    SetTextEnabled(Text1, m == 0);
    for (int i = 0; i < 3; ++i) {
        QLabel* mask = Masks[static_cast<std::size_t>(i)];
        mask->setAutoFillBackground(i != m);
        mask->update();
    }
    if (m == 1 || m == 2) SetBackColor(Masks[0], kFigureBackColor);
}

int ShearPositionRows::PositionOf(const QLabel* label, bool& area) const {
    int m = -1;
    area = false;
    for (int i = 0; i < 3; ++i) {
        if (label == RowAreas[static_cast<std::size_t>(i)]) {
            m = i;
            area = true;
        }
        if (label == Masks[static_cast<std::size_t>(i)]) m = i;
    }
    if (std::find(Label19.begin(), Label19.end(), label) != Label19.end()) m = 1;
    if (std::find(Label16.begin(), Label16.end(), label) != Label16.end()) m = 2;
    return m;
}

bool ShearPositionRows::eventFilter(QObject* watched, QEvent* event) {
    const QEvent::Type type = event->type();
    if (watched == Text1 && type == QEvent::FocusIn) {
        // Typing an x means the entered position.
        Select(0);
        return false;
    }
    for (std::size_t m = 0; m < 3; ++m) {
        if (watched == Options[m]) {
            if (type == QEvent::FocusIn) FocusFrames[m]->show();
            if (type == QEvent::FocusOut) FocusFrames[m]->hide();
            return false;
        }
    }
    if (type == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* label = qobject_cast<QLabel*>(watched);
        if (label &&
            label->rect().contains(static_cast<QMouseEvent*>(event)->position().toPoint())) {
            bool area = false;
            const int m = PositionOf(label, area);
            if (m >= 0) {
                QRadioButton* option = Options[static_cast<std::size_t>(m)];
                if (area && order_ == ClickOrder::FocusThenSelect)
                    option->setFocus(Qt::MouseFocusReason);
                Select(m);
                if (area && order_ == ClickOrder::SelectThenFocus)
                    option->setFocus(Qt::MouseFocusReason);
                return true;
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace talvo
