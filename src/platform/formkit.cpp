#include "platform/formkit.h"

#include <QEvent>
#include <QFontMetricsF>
#include <QFrame>
#include <QKeyEvent>
#include <QPalette>
#include <QPointer>
#include <QPushButton>
#include <QVariant>
#include <cmath>
#include <vector>

#include "shell/numtext.h"

namespace talvo {

QString NumText(const std::string& text, int places, int decimals) {
    return QStr(FormatNum(text, places, decimals));
}

void SetForeColor(QWidget* w, const QColor& c) {
    QPalette p = w->palette();
    p.setColor(QPalette::All, QPalette::Text, c);
    w->setPalette(p);
}

void SetLabelColors(QLabel* label, const QColor& back, const QColor& fore) {
    label->setAutoFillBackground(true);
    QPalette pal = label->palette();
    pal.setColor(QPalette::Window, back);
    pal.setColor(QPalette::WindowText, fore);
    label->setPalette(pal);
}

void SetBackColor(QWidget* w, const QColor& back) {
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, back);
    w->setPalette(pal);
}

void SetLabelForeColor(QLabel* label, const QColor& c) {
    QPalette p = label->palette();
    p.setColor(QPalette::All, QPalette::WindowText, c);
    p.setColor(QPalette::All, QPalette::Text, c);
    label->setPalette(p);
}

namespace {

// The length units written in small letters only. At the size of the
// windows' text their letters stand no taller than an x, and beside the
// digits of their boxes they read as a grey smudge.
bool IsSmallLetterUnit(const QString& text) {
    return text == QLatin1String("m") || text == QLatin1String("mm");
}

// Sets a small-letter unit large enough for its letters to stand as tall as
// the capitals and digits of the text around it, and lets the label grow to
// the right to hold the larger text whole.
void EnlargeUnit(QLabel* label) {
    const QFontMetricsF normal(label->font());
    if (normal.xHeight() <= 0) return;
    const double scale = normal.capHeight() / normal.xHeight();
    QFont f = label->font();
    if (f.pointSizeF() > 0)
        f.setPointSizeF(f.pointSizeF() * scale);
    else
        f.setPixelSize(static_cast<int>(std::ceil(f.pixelSize() * scale)));
    label->setFont(f);
    const int needed = label->sizeHint().width();
    if (label->width() < needed) label->resize(needed, label->height());
}

}  // namespace

void EnlargeSmallLetterUnit(QLabel* label) {
    if (IsSmallLetterUnit(label->text())) EnlargeUnit(label);
}

QLabel* AddLabel(QWidget* parent, const QString& text, int left, int top, int width, int height,
                 Qt::Alignment align) {
    auto* l = new QLabel(parent);
    l->setTextFormat(text.contains(QLatin1Char('<')) ? Qt::RichText : Qt::PlainText);
    l->setText(text);
    l->setAlignment(align);
    PlaceTwips(l, left, top, width, height);
    EnlargeSmallLetterUnit(l);
    return l;
}

QLabel* AddSmallLabel(QWidget* parent, const QString& text, int left, int top, int width,
                      int height) {
    QLabel* label = AddLabel(parent, text, left, top, width, height, Qt::AlignLeft | Qt::AlignTop);
    QFont small = label->font();
    small.setPointSizeF(small.pointSizeF() * 0.75);
    label->setFont(small);
    return label;
}

QLabel* AddHeaderLabel(QWidget* parent, const QString& text, int left, int top, int width,
                       int height) {
    QLabel* label = AddLabel(parent, text, left, top, width, height, Qt::AlignCenter);
    SetLabelColors(label, QColor(128, 128, 255), Qt::white);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

QLabel* AddValueLabel(QWidget* parent, const QString& name, int left, int top, int width,
                      int height, ValueLook look) {
    const bool boxed = look == ValueLook::Boxed;
    QLabel* l = AddLabel(parent, QString(), left, top, width, height,
                         (boxed ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    l->setObjectName(name);
    if (boxed) {
        l->setFrameShape(QFrame::Box);
        l->setFrameShadow(QFrame::Plain);
        l->setLineWidth(1);
        l->setMargin(2);
    } else {
        // A styled panel keeps all four edges visible on the white ground
        // (a plain panel's light edges vanish there).
        l->setFrameShape(QFrame::StyledPanel);
        l->setFrameShadow(QFrame::Sunken);
    }
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Qt::white);
    l->setPalette(pal);
    return l;
}

QGroupBox* AddPanel(QWidget* parent, const QString& caption, int left, int top, int width,
                    int height) {
    auto* g = new QGroupBox(caption, parent);
    PlaceTwips(g, left, top, width, height);
    return g;
}

QLineEdit* AddEntryBox(QWidget* parent, const QString& name, int left, int top, int width,
                       int height) {
    auto* b = new QLineEdit(parent);
    b->setObjectName(name);
    b->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    PlaceTwips(b, left, top, width, height);
    return b;
}

void SetTabChain(std::initializer_list<QWidget*> widgets) {
    QWidget* previous = nullptr;
    for (QWidget* w : widgets) {
        if (previous && w) QWidget::setTabOrder(previous, w);
        previous = w;
    }
}

void SetTabChainFromFirst(std::initializer_list<QWidget*> widgets) {
    std::vector<QWidget*> chain;
    for (QWidget* w : widgets)
        if (w) chain.push_back(w);
    // Each later widget is put right behind the first, the last one first, so
    // that none is already there; the second round moves the one a first
    // move may have left where it was.
    for (int round = 0; round < 2; ++round)
        for (std::size_t i = chain.size(); i-- > 1;) QWidget::setTabOrder(chain[0], chain[i]);
}

namespace {

// The keys of one choice: which option holds its Tab stop, and the arrows.
class ChoiceKeys : public QObject {
public:
    ChoiceKeys(QObject* owner, std::vector<QAbstractButton*> options) : QObject(owner) {
        for (QAbstractButton* o : options) {
            options_.emplace_back(o);
            o->installEventFilter(this);
            connect(o, &QAbstractButton::toggled, this, [this] { KeepStop(); });
        }
        KeepStop();
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
            case QEvent::EnabledChange:
            case QEvent::ShowToParent:
            case QEvent::HideToParent:
                KeepStop();
                break;
            case QEvent::KeyPress: {
                auto* key = static_cast<QKeyEvent*>(event);
                if (key->modifiers() != Qt::NoModifier && key->modifiers() != Qt::KeypadModifier)
                    break;
                const int k = key->key();
                if (k == Qt::Key_Up || k == Qt::Key_Left) return Move(watched, -1);
                if (k == Qt::Key_Down || k == Qt::Key_Right) return Move(watched, 1);
                break;
            }
            default:
                break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    static bool CanTake(const QAbstractButton* o) { return o && o->isEnabled() && !o->isHidden(); }

    // The option chosen holds the stop; the others take the focus by the
    // mouse and the arrows only.
    void KeepStop() {
        QAbstractButton* stop = nullptr;
        for (const auto& o : options_)
            if (CanTake(o) && o->isChecked()) stop = o;
        for (const auto& o : options_)
            if (!stop && CanTake(o)) stop = o;
        for (const auto& o : options_)
            if (o) o->setFocusPolicy(o == stop ? Qt::StrongFocus : Qt::ClickFocus);
    }

    bool Move(QObject* from, int step) {
        const int n = static_cast<int>(options_.size());
        int at = 0;
        while (at < n && options_[static_cast<std::size_t>(at)] != from) ++at;
        if (at == n) return false;
        for (int i = 1; i < n; ++i) {
            QAbstractButton* next =
                options_[static_cast<std::size_t>(((at + step * i) % n + n) % n)];
            if (!CanTake(next)) continue;
            next->setFocus(step < 0 ? Qt::BacktabFocusReason : Qt::TabFocusReason);
            // The focus may have been refused by the entry being left.
            if (next->hasFocus() && !next->isChecked()) next->click();
            return true;
        }
        return true;
    }

    std::vector<QPointer<QAbstractButton>> options_;
};

}  // namespace

void OneTabStop(std::initializer_list<QAbstractButton*> options) {
    std::vector<QAbstractButton*> kept;
    for (QAbstractButton* o : options)
        if (o) kept.push_back(o);
    if (!kept.empty()) new ChoiceKeys(kept.front(), kept);
}

namespace {

// The key of a focused push button: Return and Enter (the keypad's too)
// click it; their repeats are dropped.
class ReturnPress : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) return QObject::eventFilter(watched, event);
        auto* key = static_cast<QKeyEvent*>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return QObject::eventFilter(watched, event);
        auto* button = qobject_cast<QPushButton*>(watched);
        if (!button) return QObject::eventFilter(watched, event);
        if (!key->isAutoRepeat() && button->isEnabled() && button->isVisible()) button->click();
        return true;
    }
};

constexpr char kReturnPressSet[] = "talvoReturnPress";

}  // namespace

void PressButtonsOnReturn(QWidget* window) {
    if (!window) return;
    QObject* filter =
        window->findChild<QObject*>(QLatin1String(kReturnPressSet), Qt::FindDirectChildrenOnly);
    if (!filter) {
        filter = new ReturnPress(window);
        filter->setObjectName(QLatin1String(kReturnPressSet));
    }
    for (QPushButton* b : window->findChildren<QPushButton*>()) {
        if (b->property(kReturnPressSet).toBool()) continue;
        b->setProperty(kReturnPressSet, true);
        b->installEventFilter(filter);
    }
}

}  // namespace talvo
