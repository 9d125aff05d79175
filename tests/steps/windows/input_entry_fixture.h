// Driving one input step window offscreen: the window is loaded into the MDI
// area of a bare main window (outside any chain, or inside the chain of its
// work type), entries are typed and left as the engineer does, and every
// message is scripted.
#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPalette>
#include <QPixmap>
#include <QTest>
#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "calc/calc_fixture.h"
#include "shell/design.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "platform/stepform.h"
#include "shell/windows/step_test_host.h"
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

    // The window as a PNG under /tmp/shots, for looking at.
    static void Shoot(QWidget* w, const QString& name) {
        QDir().mkpath(QStringLiteral("/tmp/shots"));
        QWidget* frame = w->parentWidget() ? w->parentWidget() : w;
        frame->grab().save(QStringLiteral("/tmp/shots/%1.png").arg(name));
    }

    ScriptedMessages messages;
    std::unique_ptr<StepTestHost> host;
    std::vector<QPointer<StepForm>> windows;
};

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
