// The step-window protocol with real boxes: typing, leaving, refusals, the
// deferred start-screen action, the focus sink, select-all and name limits.
#include <gtest/gtest.h>

#include <QFocusEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include "platform/desktop.h"
#include "platform/qtmessagebox.h"
#include "shell/windows/step_test_host.h"
#include "support/scripted_messages.h"

namespace talvo::test {
namespace {

const char* const kRangeMessage = "値が有効範囲にありません。\r有効範囲（0.001～99.999）";
const char* const kDecimalsMessage =
    "入力値が有効精度を超えています。\r有効精度内（小数第3位）に変更してください。";
const char* const kBadMessage = "値が正しくありません。";
const char* const kNameMessage = "文字数は半角で７０文字までです。";

// A step window with two numeric boxes and one name box.
class EntryStep : public StepForm {
public:
    explicit EntryStep(const QString& className, bool compareTrimmed = true, bool refocus = true)
        : StepForm(className) {
        txtA = MakeBox("txtA", 300);
        txtB = MakeBox("txtB", 800);
        txtName = MakeBox("txtName", 1300);
        NumBox a;
        a.min = 0.001;
        a.max = 99.999;
        a.decimals = 3;
        a.places = 3;
        a.field = &Design.KusabiL1;
        a.flags = {&RecalcKusabi, &RecalcLoad};
        a.compareTrimmed = compareTrimmed;
        a.refocusOnRefusal = refocus;
        a.onChanged = [this] { ++changes; };
        Entries()->AddNumber(txtA, a);
        NumBox b;
        b.min = 1;
        b.max = 99;
        b.places = 2;
        b.field = &Design.SpanCountX;
        b.flags = {&RecalcForce};
        Entries()->AddNumber(txtB, b);
        NameBox n;
        n.maxBytes = 70;
        n.message = kNameMessage;
        n.field = &Design.DistrictName;
        Entries()->AddName(txtName, n);
    }
    QLineEdit* txtA;
    QLineEdit* txtB;
    QLineEdit* txtName;
    int changes = 0;
    std::string navigated;  // the navigation buttons that acted, in order

protected:
    void OnLoad() override { Entries()->ShowAllStored(); }
    void BackClicked() override { navigated += "B"; }
    void NextClicked() override { navigated += "N"; }
    void ResultClicked() override { navigated += "A"; }

private:
    QLineEdit* MakeBox(const char* name, int top) {
        auto* box = new QLineEdit(this);
        box->setObjectName(name);
        box->setGeometry(TwipsToPixels(600, top, 2000, 300));
        return box;
    }
};

class StepFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetProgramState();
        Design.KusabiL1 = "  1.500";
        Design.SpanCountX = " 4";
        host = std::make_unique<StepTestHost>();
    }
    void TearDown() override {
        host.reset();
        window = nullptr;
    }

    // Shows the window in the host's MDI area, active, as a chain would.
    EntryStep* Show(EntryStep* w) {
        window = w;
        QMdiSubWindow* sub = host->area->addSubWindow(w);
        w->Load(sub);
        sub->show();
        host->area->setActiveSubWindow(sub);
        host->window->activateWindow();
        PumpEvents();
        return w;
    }
    EntryStep* Show(bool compareTrimmed = true, bool refocus = true) {
        return Show(new EntryStep(QStringLiteral("N6kusabi"), compareTrimmed, refocus));
    }

    // The engineer selects the box and types `text` over its contents.
    static void Type(QLineEdit* box, const QString& text) {
        box->setFocus(Qt::MouseFocusReason);
        box->selectAll();
        box->del();
        box->insert(text);
    }
    static QString Focused() {
        QWidget* w = QApplication::focusWidget();
        return w ? w->objectName() : QString();
    }

    ScriptedMessages messages;
    std::unique_ptr<StepTestHost> host;
    EntryStep* window = nullptr;
};

struct EntryCase {
    const char* typed;
    bool compareTrimmed;
    bool refocus;
    const char* message;  // "" when the entry passes
    const char* shown;    // the box afterwards
    const char* stored;   // Design.KusabiL1 afterwards
    bool changed;         // DataChanged, the two flags and the dependents
    const char* focus;    // where the focus is afterwards
};

TEST_F(StepFormTest, LeavingANumericBox) {
    const EntryCase cases[] = {
        {"１２．５", true, true, "", " 12.500", " 12.500", true, "txtB"},
        {"12.5", true, true, "", " 12.500", " 12.500", true, "txtB"},
        {"1.5", true, true, "", "  1.500", "  1.500", false, "txtB"},
        {"  1.500 ", true, true, "", "  1.500", "  1.500", false, "txtB"},
        {"", true, true, "", "", "", true, "txtB"},
        {"99.999", true, true, "", " 99.999", " 99.999", true, "txtB"},
        // Refused: the stored value comes back, and getting the focus again
        // selects it without its leading blanks.
        {"100", true, true, kRangeMessage, "1.500", "  1.500", false, "txtA"},
        {"1.2345", true, true, kDecimalsMessage, "1.500", "  1.500", false, "txtA"},
        {"1,5", true, true, kBadMessage, "1.500", "  1.500", false, "txtA"},
        // Compared with the stored text as it stands, an equal value is a change.
        {"1.5", false, true, "", "  1.500", "  1.500", true, "txtB"},
        // A box that does not take the focus back still gets its value back.
        {"100", true, false, kRangeMessage, "  1.500", "  1.500", false, "txtB"},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(testing::Message() << "typed '" << c.typed << "'");
        ResetProgramState();
        Design.KusabiL1 = "  1.500";
        EntryStep* w = Show(c.compareTrimmed, c.refocus);
        ASSERT_EQ(w->txtA->text(), QStringLiteral("  1.500"));
        if (*c.message)
            messages.Expect(c.message, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        Type(w->txtA, QString::fromUtf8(c.typed));
        QTest::keyClick(w->txtA, Qt::Key_Tab);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(w->txtA->text().toStdString(), c.shown);
        EXPECT_EQ(Design.KusabiL1, c.stored);
        EXPECT_EQ(DataChanged, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcKusabi, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcLoad, c.changed ? 1 : 0);
        EXPECT_EQ(RecalcForce, 0);
        EXPECT_EQ(w->changes, c.changed ? 1 : 0);
        EXPECT_EQ(Focused().toStdString(), c.focus);
        messages.Clear();
        host->area->removeSubWindow(w->SubWindow());
        delete w->SubWindow();
    }
}

TEST_F(StepFormTest, SwitchingApplicationOrOpeningAMenuRunsNoCheck) {
    EntryStep* w = Show();
    for (Qt::FocusReason reason : {Qt::ActiveWindowFocusReason, Qt::PopupFocusReason}) {
        Type(w->txtA, QStringLiteral("100"));
        QFocusEvent out(QEvent::FocusOut, reason);
        QApplication::sendEvent(w->txtA, &out);
        EXPECT_EQ(w->txtA->text(), QStringLiteral("100"));  // no message, nothing restored
        EXPECT_EQ(Design.KusabiL1, "  1.500");
    }
    // Coming back to the application does not select the text either.
    w->txtA->setText(QStringLiteral("  1.500"));
    w->txtA->deselect();
    QFocusEvent in(QEvent::FocusIn, Qt::ActiveWindowFocusReason);
    QApplication::sendEvent(w->txtA, &in);
    EXPECT_EQ(w->txtA->text(), QStringLiteral("  1.500"));
    EXPECT_EQ(w->txtA->selectedText(), QString());
    // Leaving it for another box does check it.
    w->txtA->setText(QStringLiteral("100"));
    messages.Expect(kRangeMessage);
    QTest::keyClick(w->txtA, Qt::Key_Tab);
    EXPECT_EQ(w->txtA->text(), QStringLiteral("1.500"));
    EXPECT_EQ(w->txtA->selectedText(), QStringLiteral("1.500"));
}

TEST_F(StepFormTest, StartScreenActionWaitsForTheEditedBox) {
    EntryStep* w = Show();
    // Clicked from the program: the box still holds the focus.
    Type(w->txtA, QStringLiteral("100"));
    messages.Expect(kRangeMessage);
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(StepMode, 0);
    EXPECT_EQ(Focused(), QStringLiteral("txtA"));
    EXPECT_EQ(Design.KusabiL1, "  1.500");

    Type(w->txtA, QStringLiteral("2"));
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(Design.KusabiL1, "  2.000");
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(StepMode, 0);  // the selection step's load has taken it over
    EXPECT_EQ(ClickPending, 0);
}

TEST_F(StepFormTest, StartScreenActionWithTheMouse) {
    EntryStep* w = Show();
    // The press takes the focus from the box, whose check refuses: the
    // click does not act.
    Type(w->txtA, QStringLiteral("1.2345"));
    messages.Expect(kDecimalsMessage);
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(host->selectShown, 0);
    EXPECT_EQ(Focused(), QStringLiteral("txtA"));

    // The next click finds the last good value: it acts, once.
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(host->selectShown, 1);
    EXPECT_EQ(StepMode, 0);

    // A valid entry is stored before the action runs.
    Type(w->txtA, QStringLiteral("3.25"));
    QTest::mouseClick(w->cmdBegin, Qt::LeftButton);
    PumpEvents();
    EXPECT_EQ(Design.KusabiL1, "  3.250");
    EXPECT_EQ(host->selectShown, 2);
}

TEST_F(StepFormTest, ALongNameIsCutBeforeTheStartScreenActionRuns) {
    EntryStep* w = Show();
    Type(w->txtName, QString(40, QChar(0x3042)));  // 40 full-width characters: 80 bytes
    messages.Expect(kNameMessage);
    w->cmdBegin->click();
    PumpEvents();
    EXPECT_EQ(Design.DistrictName, QString(35, QChar(0x3042)).toStdString());
    EXPECT_EQ(host->selectShown, 1);
}

TEST_F(StepFormTest, RedisplayButtonChecksTheEditedBox) {
    EntryStep* w = Show();
    Type(w->txtB, QStringLiteral("0"));
    messages.Expect("値が有効範囲にありません。\r有効範囲（1～99）");
    w->cmdIndicate->click();
    PumpEvents();
    EXPECT_EQ(Focused(), QStringLiteral("txtB"));
    EXPECT_EQ(w->txtB->text(), QStringLiteral("4"));

    Type(w->txtB, QStringLiteral("7"));
    w->cmdIndicate->click();
    PumpEvents();
    EXPECT_EQ(Focused(), QStringLiteral("cmdIndicate"));
    EXPECT_EQ(Design.SpanCountX, " 7");
    EXPECT_EQ(RecalcForce, 1);
    EXPECT_EQ(RecalcKusabi, 0);
}

TEST_F(StepFormTest, TabbingOntoTheFocusSink) {
    struct Case {
        const char* window;
        const char* target;  // set by the window ("" : from the table)
        bool targetEnabled;
        const char* focus;
    };
    for (Case c : {Case{"N6kusabi", "", true, "cmdIndicate"},      // from the table
                   Case{"NIrockst", "", true, "txtA"},             // no target: round to the first
                   Case{"N4omosa", "txtA", true, "txtA"},          // the first input box
                   Case{"NFyokosendan", "", false, "cmdBack"}}) {  // cmdBegin disabled: the next
        SCOPED_TRACE(c.window);
        EntryStep* w = Show(new EntryStep(QString::fromUtf8(c.window)));
        if (*c.target) w->SetTabWrapTarget(w->findChild<QWidget*>(c.target));
        ASSERT_NE(w->FocusSink, nullptr);
        w->cmdResult->setFocus(Qt::TabFocusReason);
        if (!c.targetEnabled) w->cmdBegin->setEnabled(false);
        QTest::keyClick(w->cmdResult, Qt::Key_Tab);
        PumpEvents();
        EXPECT_EQ(Focused().toStdString(), c.focus);
        EXPECT_EQ(host->selectShown, 0);
        EXPECT_EQ(ClickPending, 0);
        host->area->removeSubWindow(w->SubWindow());
        delete w->SubWindow();
    }
}

TEST_F(StepFormTest, TheFocusSinkLiesBelowTheVisibleArea) {
    EntryStep* w = Show();
    ASSERT_NE(w->FocusSink, nullptr);
    EXPECT_EQ(w->FocusSink->objectName(), QStringLiteral("Text4"));
    EXPECT_TRUE(w->FocusSink->isVisible());
    EXPECT_GE(w->FocusSink->y(), w->height());
    EXPECT_LT(w->NavBar->geometry().bottom(), w->height());
    // Maximised, the window is taller; the sink stays out of view, and back
    // in the normal state it is where it was.
    const int normalTop = w->FocusSink->y();
    w->SetState(WindowState::Maximized);
    host->area->resize(host->area->width() * 2, host->area->height() * 2);
    PumpEvents();
    EXPECT_GT(w->height(), normalTop);
    EXPECT_GE(w->FocusSink->y(), w->height());
    w->SetState(WindowState::Normal);
    PumpEvents();
    EXPECT_EQ(w->FocusSink->y(), normalTop);
    // No caption icon: the icon is there but draws nothing.
    QImage icon = w->SubWindow()->windowIcon().pixmap(16, 16).toImage();
    EXPECT_EQ(qAlpha(icon.pixel(8, 8)), 0);
}

TEST_F(StepFormTest, NameEntriesAreLimitedInCodePage932Bytes) {
    struct Case {
        QString typed;
        bool message;
        QString stored;
    };
    const QChar a(0x3042);  // あ, two bytes
    const Case cases[] = {
        {QString(35, a), false, QString(35, a)},
        {QString(36, a), true, QString(35, a)},
        {QString(71, QLatin1Char('a')), true, QString(70, QLatin1Char('a'))},
        {QString(69, QLatin1Char('a')) + a, true, QString(69, QLatin1Char('a'))},
    };
    EntryStep* w = Show();
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.size());
        DataChanged = 0;
        if (c.message)
            messages.Expect(kNameMessage, MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
        Type(w->txtName, c.typed);
        QTest::keyClick(w->txtName, Qt::Key_Tab);
        PumpEvents();
        EXPECT_TRUE(messages.AllShown());
        EXPECT_EQ(QString::fromStdString(Design.DistrictName), c.stored);
        EXPECT_EQ(w->txtName->text(), c.stored);
        EXPECT_EQ(DataChanged, 1);
        EXPECT_NE(Focused(), QStringLiteral("txtName"));  // the focus is not sent back
    }
}

TEST_F(StepFormTest, SelectAllTextAndSetTextEnabled) {
    EntryStep* w = Show();
    struct Case {
        const char* text;
        bool readOnly;
        const char* after;
        const char* selected;
    };
    for (Case c : {Case{"  12.5", false, "12.5", "12.5"}, Case{"abc", false, "abc", "abc"},
                   Case{"  12.5", true, "  12.5", ""}}) {
        w->txtB->setReadOnly(c.readOnly);
        w->txtB->setText(c.text);
        w->txtB->deselect();
        SelectAllText(w->txtB);
        EXPECT_EQ(w->txtB->text().toStdString(), c.after);
        EXPECT_EQ(w->txtB->selectedText().toStdString(), c.selected);
    }
    // Getting the focus selects the box's text.
    w->txtB->setReadOnly(false);
    w->txtB->setText(QStringLiteral("  5"));
    w->txtB->setFocus(Qt::OtherFocusReason);
    EXPECT_EQ(w->txtB->selectedText(), QStringLiteral("5"));

    const QColor face = QApplication::palette().color(QPalette::Active, QPalette::Button);
    SetTextEnabled(w->txtA, false);
    EXPECT_FALSE(w->txtA->isEnabled());
    EXPECT_EQ(w->txtA->palette().color(QPalette::Base), face);
    SetTextEnabled(w->txtA, true);
    EXPECT_TRUE(w->txtA->isEnabled());
    EXPECT_EQ(w->txtA->palette().color(QPalette::Base), QColor(255, 255, 255));
}

TEST_F(StepFormTest, HelpKeyOpensTheHelpFile) {
    EntryStep* w = Show();
    std::vector<QUrl> opened;
    UrlOpener previous = SetUrlOpener([&](const QUrl& u) {
        opened.push_back(u);
        return true;
    });
    w->txtA->setFocus(Qt::OtherFocusReason);
    QTest::keyClick(w->txtA, Qt::Key_F1);  // no help file found: nothing
    HelpPath = "/opt/talvo/Talvo-SI.HLP";
    QTest::keyClick(w->txtA, Qt::Key_F1);
    HelpPath.clear();
    SetUrlOpener(previous);
    EXPECT_EQ(opened, std::vector<QUrl>{QUrl::fromLocalFile("/opt/talvo/Talvo-SI.HLP")});
}

// With the real message box: the box takes the focus from the entry while
// it is open, and the refocus after it moves the focus again; one message
// only, and the focus ends on the refused box.
TEST_F(StepFormTest, ARealMessageBoxInsideTheCheckDoesNotReenterIt) {
    EntryStep* w = Show();
    QtMessageSink qtSink(host->window.get());
    MessageSink* previous = SetMessageSink(&qtSink);
    QStringList shown;
    QTimer closer;
    closer.setInterval(20);
    QObject::connect(&closer, &QTimer::timeout, [&] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            shown << box->text();
            box->button(QMessageBox::Ok)->click();
        }
    });
    closer.start();
    Type(w->txtA, QStringLiteral("100"));
    QTest::keyClick(w->txtA, Qt::Key_Tab);
    PumpEvents();
    closer.stop();
    SetMessageSink(previous);
    EXPECT_EQ(shown,
              QStringList{QStringLiteral("値が有効範囲にありません。\n有効範囲（0.001～99.999）")});
    EXPECT_EQ(w->txtA->text(), QStringLiteral("1.500"));
    EXPECT_EQ(Focused(), QStringLiteral("txtA"));
    EXPECT_EQ(Design.KusabiL1, "  1.500");
}

}  // namespace
// Back, Next and Result take the value being typed first, by mouse and by
// their Alt keys: a refused value keeps the window, its value and the focus;
// an accepted one is stored, then the button acts once.
TEST_F(StepFormTest, NavigationWaitsForTheEditedBox) {
    EntryStep* w = Show();
    struct Button {
        QPushButton* button;
        Qt::Key key;
        const char* acted;
    };
    const Button buttons[] = {
        {w->cmdBack, Qt::Key_B, "B"}, {w->cmdNext, Qt::Key_N, "N"}, {w->cmdResult, Qt::Key_A, "A"}};
    for (const Button& b : buttons) {
        for (bool mouse : {true, false}) {
            SCOPED_TRACE(std::string(b.acted) + (mouse ? " by mouse" : " by its Alt key"));
            w->navigated.clear();
            const auto press = [&] {
                if (mouse) {
                    QTest::mouseClick(b.button, Qt::LeftButton);
                } else {
                    // A button's Alt key presses it and clicks it 100 ms later.
                    QTest::keyClick(w->window()->windowHandle(), b.key, Qt::AltModifier);
                    QTest::qWait(150);
                }
                PumpEvents();
            };
            Type(w->txtA, QStringLiteral("100"));
            messages.Expect(kRangeMessage);
            press();
            EXPECT_TRUE(messages.AllShown());
            EXPECT_EQ(w->navigated, "");
            EXPECT_EQ(Focused(), QStringLiteral("txtA"));
            EXPECT_EQ(Design.KusabiL1, "  1.500");

            Type(w->txtA, QStringLiteral("2.5"));
            press();
            EXPECT_EQ(Design.KusabiL1, "  2.500");
            EXPECT_EQ(w->navigated, b.acted);
            Design.KusabiL1 = "  1.500";
            w->Entries()->ShowAllStored();
        }
    }
}

// A warning for an accepted value shows over its own window and the
// navigation goes on once it is answered: with the Alt key before the
// window is left, and with the mouse in one press (the message box takes
// the release of the press that moved the focus).
TEST_F(StepFormTest, WarningOfAnAcceptedValueThenNavigationInOnePress) {
    EntryStep* w = Show();
    std::string navigatedAtWarning = "-";
    w->Entries()->Rule(w->txtA)->onAccepted = [&] {
        navigatedAtWarning = w->navigated;
        MsgBox("注意してください。", MsgButtons::Ok, MsgIcon::Exclamation);
    };
    Type(w->txtA, QStringLiteral("3"));
    messages.Expect("注意してください。");
    QTest::keyClick(w->window()->windowHandle(), Qt::Key_N, Qt::AltModifier);
    QTest::qWait(150);
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(navigatedAtWarning, "");
    EXPECT_EQ(w->navigated, "N");

    w->navigated.clear();
    Type(w->txtA, QStringLiteral("4"));
    messages.Expect("注意してください。");
    QTest::mousePress(w->cmdNext, Qt::LeftButton);  // the release went to the message box
    PumpEvents();
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.KusabiL1, "  4.000");
    EXPECT_EQ(w->navigated, "N");
    EXPECT_FALSE(w->cmdNext->isDown());
}

}  // namespace talvo::test
