// Driving one input step window offscreen: the window is loaded into the MDI
// area of a bare main window (outside any chain, or inside the chain of its
// work type), entries are typed and left as the engineer does, and every
// message is scripted.
#pragma once

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPalette>
#include <QPushButton>
#include <QTest>
#include <QWindow>
#include <cmath>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/stepform.h"
#include "platform/updown.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "shell/windows/step_test_host.h"
#include "support/filled_design.h"
#include "support/qt/shots.h"
#include "support/scripted_messages.h"

namespace talvo::test {

inline const std::string kBadValue = "値が正しくありません。";
inline std::string RangeMessage(const std::string& min, const std::string& max) {
    return "値が有効範囲にありません。\r有効範囲（" + min + "～" + max + "）";
}
inline const std::string kWholeNumber =
    "入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。";
inline std::string DecimalsMessage(int decimals) {
    return "入力値が有効精度を超えています。\r有効精度内（小数第" + std::to_string(decimals) +
           "位）に変更してください。";
}

inline const QColor kRed{255, 0, 0};
inline const QColor kBlack{0, 0, 0};

class InputStepTest : public ::testing::Test {
public:
    void SetUp() override {
        ResetProgramState();
        InitAllTables();
        Pi = 4 * std::atan(1.0);
        host = std::make_unique<StepTestHost>();
    }
    void TearDown() override {
        // The windows go without checking the box that holds the focus.
        for (auto& w : windows)
            if (w) w->MarkUnloading();
        host.reset();
    }

    // A window of type W loaded from the design record and made active,
    // outside any chain (its position reads -1).
    template <class W>
    W* Load() {
        // One window at a time: the one before goes without checking its box.
        for (auto& old : windows) {
            if (!old) continue;
            old->MarkUnloading();
            if (QMdiSubWindow* sub = old->SubWindow()) delete sub;
        }
        windows.clear();
        auto* w = new W;
        windows.emplace_back(w);
        QMdiSubWindow* sub = host->area->addSubWindow(w);
        w->Load(sub);
        sub->show();
        host->window->activateWindow();
        host->area->setActiveSubWindow(sub);
        PumpEvents();
        return w;
    }

    // Leaves every flag and DataChanged lowered, as after a save.
    static void LowerFlags() {
        DataChanged = 0;
        SetAllRecalc(false);
    }
    // DataChanged, RecalcLoad, RecalcForce, RecalcAnchorBar, RecalcResult as
    // one text ("11110"), so a table can state them.
    static std::string Flags() {
        return std::to_string(DataChanged) + std::to_string(RecalcLoad) +
               std::to_string(RecalcForce) + std::to_string(RecalcAnchorBar) +
               std::to_string(RecalcResult);
    }

    // Types `text` over the box's whole text (the engineer selects all and
    // types; full-width digits go in through insert) and leaves the box.
    static void Type(QLineEdit* box, const QString& text) {
        Enter(box);
        box->selectAll();
        if (text.isEmpty())
            box->del();
        else
            box->insert(text);
        Leave(box);
    }
    static void Enter(QLineEdit* box) {
        box->setFocus(Qt::TabFocusReason);
        PumpEvents();
        ASSERT_TRUE(box->hasFocus()) << box->objectName().toStdString();
    }
    static void Leave(QLineEdit* box) {
        box->clearFocus();
        PumpEvents();
    }

    static std::string Str(const QString& s) { return s.toStdString(); }
    static QColor Fore(const QWidget* w) { return w->palette().color(QPalette::Text); }
    static QColor Back(const QWidget* w) { return w->palette().color(QPalette::Base); }

    // Types `text` over the box's whole text and stays in the box, as the
    // engineer does before pressing a button.
    static void TypeWithoutLeaving(QLineEdit* box, const QString& text) {
        Enter(box);
        box->selectAll();
        box->insert(text);
    }

    // The chain of the work type built and the window of type W in it made
    // the current step.
    template <class W>
    W* OpenInChain(int workType, int ptDirect = 0) {
        host->OpenChain(workType, ptDirect);
        for (int i = 1; host->manager->Step(i); ++i) {
            if (auto* w = qobject_cast<W*>(host->manager->Step(i))) {
                host->manager->ShowStep(i);
                PumpEvents();
                windows.emplace_back(w);
                return w;
            }
        }
        ADD_FAILURE() << "no such step in the chain of type " << workType;
        return nullptr;
    }

    // The window with its frame, for people to look at when asked.
    static void SaveShot(StepForm* w, const QString& name) {
        SaveShotIfAsked(w->SubWindow() ? static_cast<QWidget*>(w->SubWindow()) : w, name);
    }

    static std::string Focused() {
        QWidget* f = QApplication::focusWidget();
        return f ? f->objectName().toStdString() : std::string();
    }

    ScriptedMessages messages;
    std::unique_ptr<StepTestHost> host;
    std::vector<QPointer<StepForm>> windows;
};

// How the engineer presses a button: with the mouse, or with its Alt key,
// which presses the button and clicks it 100 ms later.
enum class Press { Mouse, AltKey };

inline void PressButton(QAbstractButton* button, Qt::Key mnemonic, Press how) {
    if (how == Press::Mouse) {
        QTest::mouseClick(button, Qt::LeftButton);
    } else {
        QTest::keyClick(button->window()->windowHandle(), mnemonic, Qt::AltModifier);
        QTest::qWait(150);
    }
    PumpEvents();
}

// A navigation button and its Alt key.
struct NavKey {
    QPushButton* button;
    Qt::Key key;
};

// The navigation buttons of a step with their Alt keys (those it has, and
// that are enabled).
inline std::vector<NavKey> NavKeys(StepForm* w) {
    std::vector<NavKey> keys;
    const NavKey all[] = {{w->cmdBegin, Qt::Key_I},
                          {w->cmdBack, Qt::Key_B},
                          {w->cmdIndicate, Qt::Key_R},
                          {w->cmdNext, Qt::Key_N},
                          {w->cmdResult, Qt::Key_A}};
    for (const NavKey& k : all)
        if (k.button && k.button->isEnabled()) keys.push_back(k);
    return keys;
}

// A value typed into `box` of the current step `w` and refused, then each
// navigation button pressed by mouse and by its Alt key: only the refusal's
// message shows (any other fails the scripted messages), and the step stays
// as it was: current, normal, the stored value back in the box, the box with
// the focus, no flag raised, no start screen.
inline void ExpectRefusedEntryHoldsEveryButton(StepForm* w, QLineEdit* box, const QString& typed,
                                               const std::string& refusal, const std::string* field,
                                               ScriptedMessages& messages, const int& selectShown) {
    const int step = CurStep;
    const QString stored = QString::fromStdString(*field).trimmed();
    for (const NavKey& k : NavKeys(w)) {
        for (Press how : {Press::Mouse, Press::AltKey}) {
            SCOPED_TRACE(k.button->objectName().toStdString() +
                         (how == Press::Mouse ? " by mouse" : " by its Alt key"));
            InputStepTest::LowerFlags();
            InputStepTest::TypeWithoutLeaving(box, typed);
            messages.Expect(refusal);
            PressButton(k.button, k.key, how);
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(InputStepTest::Focused(), box->objectName().toStdString());
            // The value stays; a step may show it in its display form again.
            EXPECT_EQ(QString::fromStdString(*field).trimmed(), stored);
            EXPECT_EQ(box->text().trimmed(), stored);
            EXPECT_EQ(CurStep, step);
            EXPECT_EQ(w->State(), WindowState::Normal);
            EXPECT_EQ(selectShown, 0);
            EXPECT_EQ(InputStepTest::Flags(), "00000");
            EXPECT_EQ(ClickPending, 0);
        }
    }
}

// Every shown control of `window` lies inside the inner area of the panel,
// frame or picture that holds it (not on its border or caption), and no two
// shown controls of one parent overlap; an entry box exactly over its value
// label is how a value is entered, and the controls named in `overlays`
// (a drawing behind a panel's controls, a click area over a caption) are
// meant to lie over others.
inline void ExpectLaidOutApart(QWidget* window, const std::set<QString>& overlays = {}) {
    std::vector<QWidget*> parents{window};
    for (QWidget* c : window->findChildren<QWidget*>()) parents.push_back(c);
    for (QWidget* parent : parents) {
        // The inner parts of an entry box, a list or an up-down control (its
        // arrows and the focus frame over them) are the control's own.
        if (!parent->isVisible() || qobject_cast<QLineEdit*>(parent) ||
            qobject_cast<QAbstractScrollArea*>(parent) || qobject_cast<UpDown*>(parent))
            continue;
        std::vector<QWidget*> shown;
        for (QObject* o : parent->children()) {
            auto* c = qobject_cast<QWidget*>(o);
            if (c && c->isVisible() && !c->isWindow() && !overlays.count(c->objectName()))
                shown.push_back(c);
        }
        const auto name = [](const QWidget* c) {
            return std::string(c->metaObject()->className()) + " '" +
                   c->objectName().toStdString() + "'";
        };
        // The window's own children are placed by the step protocol (the
        // focus sink lies below the visible area on purpose).
        if (parent != window) {
            for (QWidget* c : shown) {
                EXPECT_TRUE(parent->contentsRect().contains(c->geometry()))
                    << name(c) << " reaches out of " << name(parent);
            }
        }
        for (std::size_t a = 0; a < shown.size(); ++a) {
            for (std::size_t b = a + 1; b < shown.size(); ++b) {
                const QRect ra = shown[a]->geometry(), rb = shown[b]->geometry();
                const bool boxOverLabel = ra == rb && (qobject_cast<QLineEdit*>(shown[a]) ||
                                                       qobject_cast<QLineEdit*>(shown[b]));
                EXPECT_TRUE(!ra.intersects(rb) || boxOverLabel)
                    << name(shown[a]) << " overlaps " << name(shown[b]);
            }
        }
    }
}

// A value label that stands for an entry box is framed on all four sides:
// its outermost pixels differ from its white ground at each side's middle.
inline void ExpectFramedOnAllSides(QLabel* label) {
    SCOPED_TRACE(label->objectName().toStdString());
    const QImage img = label->grab().toImage();
    const int w = img.width(), h = img.height();
    const QColor ground = label->palette().color(QPalette::Window);
    EXPECT_NE(QColor(img.pixel(0, h / 2)), ground) << "left";
    EXPECT_NE(QColor(img.pixel(w / 2, 0)), ground) << "top";
    EXPECT_NE(QColor(img.pixel(w - 1, h / 2)), ground) << "right";
    EXPECT_NE(QColor(img.pixel(w / 2, h - 1)), ground) << "bottom";
}

// One entry box at its limits: the texts typed and what the box then shows.
struct LimitCase {
    const char* box;       // object name
    std::string* field;    // the field it stores
    const char* low;       // the minimum, typed
    const char* lowShown;  //   and shown
    const char* high;      // the maximum
    const char* highShown;
    const char* under;  // just below the minimum: refused
    const char* over;   // just above the maximum: refused
    std::string rangeMessage;
    const char* tooPrecise;  // one decimal too many: refused
    std::string precisionMessage;
    const char* fullWidth;  // full-width digits: accepted
    const char* fullShown;
    std::string flags;    // Flags() after an accepted change
    bool refocus = true;  // a refused entry takes the focus back
};

// Drives one box of a loaded window through its limits, in this order: the
// refusals (below, above, too precise, not a number), the minimum, the
// maximum, full-width digits, the same value again and the emptied box.
inline void CheckLimits(QWidget* window, const LimitCase& c) {
    SCOPED_TRACE(c.box);
    auto* box = window->findChild<QLineEdit*>(QString::fromUtf8(c.box));
    ASSERT_NE(box, nullptr);
    auto* sink = dynamic_cast<ScriptedMessages*>(CurrentMessageSink());
    ASSERT_NE(sink, nullptr);
    ScriptedMessages& messages = *sink;
    const std::string stored = *c.field;
    const QString storedShown = box->text();
    struct Refusal {
        const char* typed;
        std::string message;
    };
    const Refusal refusals[] = {{c.under, c.rangeMessage},
                                {c.over, c.rangeMessage},
                                {c.tooPrecise, c.precisionMessage},
                                {"1,5", kBadValue}};
    for (const Refusal& r : refusals) {
        SCOPED_TRACE(r.typed);
        InputStepTest::LowerFlags();
        messages.Expect(r.message);
        InputStepTest::Type(box, QString::fromUtf8(r.typed));
        // The stored value comes back; a box that takes the focus again
        // selects it without its leading blanks, as every box does.
        QString shownBack = storedShown;
        if (c.refocus) {
            while (shownBack.startsWith(QLatin1Char(' '))) shownBack.remove(0, 1);
        }
        EXPECT_EQ(box->text().toStdString(), shownBack.toStdString());
        EXPECT_EQ(*c.field, stored);
        EXPECT_EQ(box->hasFocus(), c.refocus);
        EXPECT_EQ(InputStepTest::Flags(), "00000");
        EXPECT_TRUE(messages.AllShown());
    }
    struct Accepted {
        const char* typed;
        const char* shown;
        std::string flags;
    };
    const Accepted accepted[] = {{c.low, c.lowShown, c.flags},
                                 {c.high, c.highShown, c.flags},
                                 {c.fullWidth, c.fullShown, c.flags},
                                 {c.fullShown, c.fullShown, "00000"},
                                 {"", "", c.flags}};
    for (const Accepted& a : accepted) {
        SCOPED_TRACE(a.typed);
        InputStepTest::LowerFlags();
        InputStepTest::Type(box, QString::fromUtf8(a.typed));
        EXPECT_EQ(box->text().toStdString(), a.shown);
        EXPECT_EQ(*c.field, a.shown);
        EXPECT_FALSE(box->hasFocus());
        EXPECT_EQ(InputStepTest::Flags(), a.flags);
    }
}

}  // namespace talvo::test
