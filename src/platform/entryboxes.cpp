#include "platform/entryboxes.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QPalette>
#include <QTimer>
#include <cstdio>
#include <cstdlib>

#include "platform/formkit.h"
#include "shell/codec.h"
#include "shell/globals.h"
#include "shell/message.h"
#include "shell/numtext.h"
#include "steps/entrytable.h"

namespace talvo {

namespace {

// The program-wide EntryCheckDepth counts the entry checks now running; a
// check is never started inside one. With EntryRefusalPending raised, an
// entry was refused when the focus left it for `g_refusalTaker` (the button
// being pressed, usually), and neither a passing check nor an edit has
// followed: that button's waiting action must not run for this press. The
// taker means nothing while the flag is lowered.
QPointer<QWidget> g_refusalTaker;

void ClearRefusal() {
    EntryRefusalPending = 0;
    g_refusalTaker = nullptr;
}

struct CheckScope {
    CheckScope() { ++EntryCheckDepth; }
    ~CheckScope() { --EntryCheckDepth; }
};

std::string TextOf(const QLineEdit* box) {
    return box->text().toStdString();
}

}  // namespace

void SelectAllText(QLineEdit* txt) {
    if (!txt || txt->isReadOnly()) return;
    QString t = txt->text();
    int lead = 0;
    while (lead < t.size() && t[lead] == QLatin1Char(' ')) ++lead;
    if (lead > 0) txt->setText(t.mid(lead));
    txt->setSelection(0, static_cast<int>(txt->text().size()));
}

void SetTextEnabled(QLineEdit* txt, bool value) {
    if (!txt) return;
    txt->setEnabled(value);
    QPalette p = txt->palette();
    QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    p.setColor(QPalette::All, QPalette::Base, value ? QColor(255, 255, 255) : face);
    txt->setPalette(p);
}

struct EntryGroup::Entry {
    enum Kind { Number, Name };
    Kind kind = Number;
    QPointer<QLineEdit> box;
    const QObject* object = nullptr;  // the same box, for identity tests only
    NumBox num;
    NameBox name;
    // The check already ran while the box kept the focus (a deferred button
    // ran it); the focus-out that follows need not run it again.
    bool checkedInPlace = false;
    QString textChecked;
    bool refocusPending = false;  // a refusal sent the focus back; not arrived yet
};

EntryGroup::EntryGroup(QWidget* owner) : QObject(owner), owner_(owner) {}

EntryGroup::~EntryGroup() {
    for (Entry* e : entries_) {
        if (e->box) e->box->removeEventFilter(this);
        delete e;
    }
}

EntryGroup::Entry* EntryGroup::Watch(QLineEdit* box, int kind) {
    auto* e = new Entry;
    e->kind = static_cast<Entry::Kind>(kind);
    e->box = box;
    e->object = box;
    entries_.push_back(e);
    box->installEventFilter(this);
    // Typing again after a refusal: the next button press acts normally.
    connect(box, &QLineEdit::textEdited, this, [] { ClearRefusal(); });
    return e;
}

void EntryGroup::AddNumber(QLineEdit* box, NumBox config) {
    Watch(box, Entry::Number)->num = std::move(config);
}

NumEntry PlaceEntry(const std::string& step, const std::string& box, int left, int top, int width,
                    int height) {
    const StepEntry* e = FindStepEntry(step, box);
    if (!e) {
        std::fprintf(stderr, "no entry %s in the table of %s\n", box.c_str(), step.c_str());
        std::abort();
    }
    NumEntry row;
    row.name = QString::fromUtf8(e->box);
    row.left = left;
    row.top = top;
    row.width = width;
    row.height = height;
    row.field = &e->field(Design);
    row.min = e->min;
    row.max = e->max;
    row.decimals = e->decimals;
    row.places = e->places;
    row.flags = e->flags;
    if (e->pair)
        row.pairCheck = [pair = e->pair](const std::string& text) { return pair(Design, text); };
    return row;
}

std::vector<QLineEdit*> EntryGroup::AddNumbers(QWidget* parent,
                                               const std::vector<NumEntry>& table) {
    std::vector<QLineEdit*> boxes;
    boxes.reserve(table.size());
    for (const NumEntry& row : table) {
        QLineEdit* box = AddEntryBox(parent, row.name, row.left, row.top, row.width, row.height);
        NumBox rule;
        rule.min = row.min;
        rule.max = row.max;
        rule.decimals = row.decimals;
        rule.places = row.places;
        rule.field = row.field;
        rule.flags = row.flags;
        rule.pairCheck = row.pairCheck;
        AddNumber(box, std::move(rule));
        boxes.push_back(box);
    }
    return boxes;
}

NumBox* EntryGroup::Rule(QLineEdit* box) {
    Entry* e = Find(box);
    return e && e->kind == Entry::Number ? &e->num : nullptr;
}

void EntryGroup::AddName(QLineEdit* box, NameBox config) {
    Entry* e = Watch(box, Entry::Name);
    e->name = std::move(config);
    if (e->name.anyChangeRaisesDataChanged)
        connect(box, &QLineEdit::textChanged, this, [this] {
            if (!suspended_) DataChanged = 1;
        });
}

void EntryGroup::SetBringToFront(std::function<void()> bringToFront) {
    bringToFront_ = std::move(bringToFront);
}

EntryGroup::Entry* EntryGroup::Find(const QObject* box) const {
    if (!box) return nullptr;
    // Compared as plain objects: a box being destroyed still sends focus events.
    for (Entry* e : entries_)
        if (e->object == box) return e;
    return nullptr;
}

void EntryGroup::ShowStored(QLineEdit* box) {
    Entry* e = Find(box);
    if (!e || e->kind != Entry::Number || !e->box) return;
    std::string stored = e->num.field ? *e->num.field : std::string();
    e->box->setText(QString::fromStdString(FormatNum(stored, e->num.places, e->num.decimals)));
}

void EntryGroup::ShowAllStored() {
    for (Entry* e : entries_)
        if (e->kind == Entry::Number) ShowStored(e->box);
}

bool EntryGroup::Checking() {
    return EntryCheckDepth > 0;
}

void EntryGroup::Refocus(Entry& e) {
    QLineEdit* box = e.box;
    if (!box) return;
    // Getting the focus back selects the value, also when the focus arrives
    // only with the window's activation (after a message box).
    e.refocusPending = true;
    if (bringToFront_) bringToFront_();
    if (QWidget* w = box->window()) w->activateWindow();
    box->setFocus(Qt::OtherFocusReason);
    // A check run in place (a button's deferred action) refuses a box that
    // never lost the focus: no focus event comes, so select it here.
    if (QApplication::focusWidget() == box) {
        e.refocusPending = false;
        SelectAllText(box);
    }
}

bool EntryGroup::CheckNumber(Entry& e) {
    CheckScope scope;
    const NumBox& c = e.num;
    QLineEdit* box = e.box;
    std::string text = TrimBlanks(TextOf(box));
    std::string stored = c.field ? *c.field : std::string();
    bool passed = CheckValue(text, c.min, c.max, c.decimals);
    if (passed && c.pairCheck) {
        const std::string refusal = c.pairCheck(text);
        if (!refusal.empty()) {
            MsgBox(refusal, MsgButtons::Ok, MsgIcon::Exclamation);
            passed = false;
        }
    }
    if (passed) {
        ClearRefusal();
        box->setText(QString::fromStdString(FormatNum(text, c.places, c.decimals)));
        const std::string compared = c.compareTrimmed ? TrimBlanks(stored) : stored;
        if (text != compared) {
            DataChanged = 1;
            for (std::int16_t* flag : c.flags)
                if (flag) *flag = 1;
            if (c.field) *c.field = TextOf(box);
            if (c.onChanged) c.onChanged();
        }
        if (c.onAccepted) c.onAccepted();
        return true;
    }
    // Refused: the check has shown its message; the last good value returns.
    box->setText(QString::fromStdString(FormatNum(stored, c.places, c.decimals)));
    if (c.refocusOnRefusal) Refocus(e);
    if (c.onRefused) c.onRefused();
    return false;
}

bool EntryGroup::CheckName(Entry& e) {
    CheckScope scope;
    const NameBox& c = e.name;
    QLineEdit* box = e.box;
    // The box shows, once left, exactly what the design file will hold.
    std::string text = cp932::AsStored(TextOf(box));
    if (text != TextOf(box)) box->setText(QString::fromStdString(text));
    if (c.unchangedLeftAlone && c.field) {
        if (text == *c.field) {
            ClearRefusal();
            return true;
        }
        DataChanged = 1;
    }
    bool cut = false;
    if (cp932::ByteCount(text) > c.maxBytes) {
        MsgBox(c.message, MsgButtons::Ok, MsgIcon::Exclamation);
        text = cp932::CutToBytes(text, c.maxBytes);
        box->setText(QString::fromStdString(text));
        cut = true;
    }
    if (c.field) {
        if (!c.anyChangeRaisesDataChanged && *c.field != text) DataChanged = 1;
        *c.field = text;
    }
    if (c.onStored) c.onStored();
    if (cut && c.refocusOnCut) {
        Refocus(e);
        return false;
    }
    ClearRefusal();
    return true;
}

bool EntryGroup::CheckBox(QLineEdit* box) {
    Entry* e = Find(box);
    if (!e || !e->box || suspended_) return true;
    switch (e->kind) {
        case Entry::Number:
            return CheckNumber(*e);
        case Entry::Name:
            return CheckName(*e);
    }
    return true;
}

bool EntryGroup::CommitPending(const QWidget* button) {
    if (EntryRefusalPending && button && g_refusalTaker == button) {
        // The press of this very button took the focus from an entry that
        // was refused: the action is dropped.
        ClearRefusal();
        return false;
    }
    if (Checking()) return false;
    Entry* e = Find(QApplication::focusWidget());
    if (!e) return true;
    if (!CheckBox(e->box)) return false;
    e->checkedInPlace = true;
    e->textChecked = e->box->text();
    return true;
}

bool EntryGroup::CommitEditedEntry(QWidget* window) {
    if (Checking()) return false;
    for (QWidget* candidate :
         {QApplication::focusWidget(), window ? window->focusWidget() : nullptr}) {
        auto* box = qobject_cast<QLineEdit*>(candidate);
        if (!box) continue;
        for (QWidget* w = box->parentWidget(); w; w = w->parentWidget()) {
            for (EntryGroup* g : w->findChildren<EntryGroup*>(Qt::FindDirectChildrenOnly)) {
                Entry* e = g->Find(box);
                if (!e || g->suspended_) continue;
                if (!g->CheckBox(box)) return false;
                // The focus-out that may follow need not check again.
                e->checkedInPlace = QApplication::focusWidget() == box;
                e->textChecked = box->text();
                return true;
            }
        }
    }
    return true;
}

namespace {

// Holds back the presses of one control while the group refuses them.
class PressGate : public QObject {
public:
    PressGate(EntryGroup* entries, QAbstractButton* control)
        : QObject(control), entries_(entries), control_(control) {}

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        const QEvent::Type t = event->type();
        if (watched != control_ ||
            (t != QEvent::MouseButtonPress && t != QEvent::MouseButtonDblClick))
            return QObject::eventFilter(watched, event);
        // The press has already moved the focus, and so run the check of the
        // box it left; the control's own handlers would act on the release.
        return entries_ && !entries_->CommitPending(control_);
    }

private:
    QPointer<EntryGroup> entries_;
    const QAbstractButton* control_;
};

}  // namespace

void EntryGroup::HoldAfterRefusal(QAbstractButton* control) {
    if (control) control->installEventFilter(new PressGate(this, control));
}

bool EntryGroup::RunDeferred(const std::function<void()>& action, const QWidget* button) {
    if (!CommitPending(button)) return false;
    if (action) action();
    return true;
}

bool EntryGroup::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::FocusIn && event->type() != QEvent::FocusOut)
        return QObject::eventFilter(watched, event);
    // A box being destroyed is no longer a line edit: it is left alone.
    auto* box = qobject_cast<QLineEdit*>(watched);
    Entry* e = box ? Find(box) : nullptr;
    if (!e) return QObject::eventFilter(watched, event);
    // Switching to another application or opening a menu (and coming back
    // from either) is neither leaving nor entering the box.
    auto* fe = static_cast<QFocusEvent*>(event);
    const bool windowSwitch =
        fe->reason() == Qt::ActiveWindowFocusReason || fe->reason() == Qt::PopupFocusReason;
    if (event->type() == QEvent::FocusIn) {
        if (windowSwitch && !e->refocusPending) return false;
        e->refocusPending = false;
        e->checkedInPlace = false;
        SelectAllText(box);
        return false;
    }
    if (windowSwitch) return false;
    // A message box of a check, and the refocus after it, move the focus too.
    if (Checking() || suspended_) return false;
    if (e->checkedInPlace && box->text() == e->textChecked) {
        e->checkedInPlace = false;
        return false;
    }
    e->checkedInPlace = false;
    QPointer<QWidget> taker = QApplication::focusWidget();
    QPointer<QLineEdit> alive = box;
    const unsigned long shownBefore = ShownMessageCount();
    if (CheckBox(box)) {
        // A press on a button took the focus and the accepted value's check
        // asked something: the message box took the release, so the press
        // would end in no click. The button is clicked once the press has
        // reached it, as the engineer meant.
        auto* button = qobject_cast<QAbstractButton*>(taker.data());
        if (button && fe->reason() == Qt::MouseFocusReason && ShownMessageCount() != shownBefore) {
            QPointer<QAbstractButton> pressed = button;
            QTimer::singleShot(0, button, [pressed] {
                if (!pressed || !pressed->isDown() || !pressed->isEnabled()) return;
                pressed->setDown(false);
                pressed->click();
            });
        }
        return false;
    }
    EntryRefusalPending = 1;
    g_refusalTaker = taker;
    // A refused box that has taken the focus back must not handle this stale
    // focus-out: it would drop the selection of the restored value.
    return alive && QApplication::focusWidget() == alive.data();
}

}  // namespace talvo
