// What the workspace of the main window shows as the engineer moves between
// the steps with the mouse: every window its own picture however it is
// reached, an icon's restore button restoring that icon's step, and the unit
// labels of the step windows readable at the size they open with.
#include <QApplication>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionTitleBar>
#include <QTest>
#include <QTimer>
#include <cstdlib>
#include <functional>
#include <map>
#include <vector>

#include "platform/stepform.h"
#include "shell/windows/StepManager.h"
#include "shell/windows/shell_fixture.h"
#include "steps/windows/N2danmen.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

class WorkspaceTest : public ShellTest {
protected:
    // Opens the chain of `type` from the selection step, as the engineer does.
    void OpenChain(int type) {
        Select()->Option3D1[type]->setChecked(true);
        QTest::mouseClick(Select()->cmdStart, Qt::LeftButton);
        Pump();
        ASSERT_TRUE(Steps()->ChainOpen());
    }
    StepManager* Steps() const { return main->Steps(); }
    StepForm* Step(int n) const { return Steps()->Step(n); }
    int Count() const { return static_cast<int>(Steps()->StepForms()->Count()); }
    QWindow* Screen() const { return main->windowHandle(); }

    // The point of the main window where the point `local` of `w` lies.
    QPoint At(const QWidget* w, QPoint local) const { return w->mapTo(main.get(), local); }

    // The middle of a button of a child window's caption (an icon's restore
    // button, a window's minimise button), as the style lays it out.
    QPoint CaptionButton(QMdiSubWindow* sub, QStyle::SubControl button) const {
        QStyleOptionTitleBar opt;
        opt.initFrom(sub);
        opt.subControls = QStyle::SC_All;
        opt.titleBarFlags = sub->windowFlags();
        opt.titleBarState = sub->windowState();
        const int height = sub->style()->pixelMetric(QStyle::PM_TitleBarHeight, &opt, sub);
        opt.rect = QRect(0, 0, sub->width(), sub->isMinimized() ? sub->height() : height);
        const QRect r = sub->style()->subControlRect(QStyle::CC_TitleBar, &opt, button, sub);
        return At(sub, r.center());
    }

    // The pointer goes to `p` and clicks there.
    void ClickAt(QPoint p) {
        QTest::mouseMove(Screen(), p);
        QTest::mouseClick(Screen(), Qt::LeftButton, {}, p);
        Pump();
    }
    // A quick click: the release is already waiting when the press is
    // handled, as when the button is let go at once.
    void QuickClickAt(QPoint p) {
        QTest::mouseMove(Screen(), p);
        QTimer::singleShot(0, [this, p] { QTest::mouseRelease(Screen(), Qt::LeftButton, {}, p); });
        QTest::mousePress(Screen(), Qt::LeftButton, {}, p);
        Pump();
    }
    void ClickButton(QPushButton* b) { ClickAt(At(b, b->rect().center())); }

    // The share of the workspace's pixels in which the screen shows another
    // picture than the windows paint afresh: a window that was not repainted
    // still shows what lay over it.
    double StaleShare() const {
        // The screen is brought up to date a moment after the events have run.
        QTest::qWait(50);
        QWidget* vp = main->MdiArea()->viewport();
        const QImage shown = main->screen()
                                 ->grabWindow(main->winId())
                                 .toImage()
                                 .copy(QRect(At(vp, QPoint(0, 0)), vp->size()))
                                 .convertToFormat(QImage::Format_RGB32);
        const QImage fresh = vp->grab().toImage().convertToFormat(QImage::Format_RGB32);
        if (shown.size() != fresh.size()) return 1.0;
        long differ = 0;
        for (int y = 0; y < shown.height(); ++y)
            for (int x = 0; x < shown.width(); ++x)
                if (shown.pixel(x, y) != fresh.pixel(x, y)) ++differ;
        return static_cast<double>(differ) / (static_cast<double>(shown.width()) * shown.height());
    }

    // What the screen shows of the main window (not painted afresh), for
    // people to look at when asked.
    void SaveScreenIfAsked(const QString& name) const {
        const char* dir = std::getenv("TALVO_SHOT_DIR");
        if (!dir || !*dir) return;
        main->screen()
            ->grabWindow(main->winId())
            .save(QString::fromLocal8Bit(dir) + "/" + name + ".png");
    }

    // The results window of a new design, every entry still empty, names
    // them over more lines and stands taller than the other steps: a main
    // window tall enough that no icon lies under it.
    static void TallEnoughForTheResults() { WinHeight = 7800; }

    // Step n is the one shown: normal, the active window, and every other
    // step an icon.
    void ExpectShown(int n) {
        EXPECT_EQ(CurStep, n);
        EXPECT_EQ(main->MdiArea()->activeSubWindow(), Step(n)->SubWindow());
        for (int i = 1; i <= Count(); ++i)
            EXPECT_EQ(Step(i)->State(), i == n ? WindowState::Normal : WindowState::Minimized)
                << "step " << i;
    }
};

// The results window, reached with the results button of a step restored
// over it from its icon, with the other ways of reaching a window.
TEST_F(WorkspaceTest, EveryWindowShowsItsOwnPictureHoweverItIsReached) {
    TallEnoughForTheResults();
    Open();
    OpenChain(0);
    const int results = Count();
    struct Way {
        const char* what;
        std::function<void()> go;
        int shown;  // the step then shown alone, or 0 when every step is an icon
    };
    const Way ways[] = {
        {"the results window from the window menu",
         [&] { Tools()->Click(QString::fromUtf8(StepIconId(results).c_str())); }, results},
        {"the frame-section step restored from its icon over the results window",
         [&] { ClickAt(CaptionButton(Step(1)->SubWindow(), QStyle::SC_TitleBarNormalButton)); }, 1},
        {"its section changed and its results button pressed",
         [&] {
             auto* step = qobject_cast<N2danmen*>(Step(1));
             ASSERT_NE(step, nullptr);
             ClickAt(At(step->txtWidth[0], step->txtWidth[0]->rect().center()));
             QTest::keyClick(step->txtWidth[0], Qt::Key_A, Qt::ControlModifier);
             QTest::keyClicks(step->txtWidth[0], "250");
             ClickButton(step->cmdResult);
         },
         results},
        {"the results window's back button", [&] { ClickButton(Step(results)->cmdBack); },
         results - 1},
        {"the next button", [&] { ClickButton(Step(results - 1)->cmdNext); }, results},
        {"the frame-section step restored again and minimised by its own button",
         [&] {
             ClickAt(CaptionButton(Step(1)->SubWindow(), QStyle::SC_TitleBarNormalButton));
             ClickAt(CaptionButton(Step(1)->SubWindow(), QStyle::SC_TitleBarMinButton));
         },
         0},
    };
    int k = 0;
    for (const Way& way : ways) {
        SCOPED_TRACE(way.what);
        way.go();
        if (way.shown) ExpectShown(way.shown);
        EXPECT_LT(StaleShare(), 0.01);
        SaveScreenIfAsked(QStringLiteral("workspace-%1").arg(++k));
    }
    EXPECT_EQ(Design.SectionBy, " 250");
    // Restoring the first step sent the results window to its icon.
    EXPECT_EQ(Step(results)->State(), WindowState::Minimized);
}

// An icon's restore button restores that icon's step: when it is let go at
// once, and when it is pressed again without a move, where the next icon has
// closed up under the pointer. The step restored is the active one, with its
// buttons as its own rules set them.
TEST_F(WorkspaceTest, AnIconsRestoreButtonRestoresThatStep) {
    TallEnoughForTheResults();
    Open();
    OpenChain(0);
    const int results = Count();
    struct Case {
        const char* what;
        bool secondClick;
        int restored;
    };
    for (const Case c : {Case{"a quick click", false, 1}, Case{"a second click", true, 2}}) {
        SCOPED_TRACE(c.what);
        Tools()->Click(QString::fromUtf8(StepIconId(results).c_str()));
        Pump();
        ASSERT_EQ(CurStep, results);
        const QPoint spot = CaptionButton(Step(1)->SubWindow(), QStyle::SC_TitleBarNormalButton);
        if (c.secondClick) {
            ClickAt(spot);
            ASSERT_EQ(Step(1)->State(), WindowState::Normal);
            QTest::mouseClick(Screen(), Qt::LeftButton, {}, spot);
            Pump();
        } else {
            QuickClickAt(spot);
        }
        StepForm* step = Step(c.restored);
        EXPECT_EQ(step->State(), WindowState::Normal);
        EXPECT_EQ(main->MdiArea()->activeSubWindow(), step->SubWindow());
        EXPECT_EQ(CurStep, c.restored);
        std::vector<QPushButton*> on = {step->cmdBegin, step->cmdBack, step->cmdIndicate,
                                        step->cmdNext, step->cmdResult};
        if (auto* section = qobject_cast<N2danmen*>(step)) {
            // The first step has no step before it: its back button stays off.
            EXPECT_FALSE(section->cmdBack->isEnabled());
            on = {section->cmdBegin,  section->cmdIndicate,  section->cmdNext,
                  section->cmdResult, section->cmdSelect[0], section->cmdSelect[1]};
        }
        for (QPushButton* b : on) EXPECT_TRUE(b->isEnabled()) << b->objectName().toStdString();
    }
}

// Restoring a step from its icon, by its restore button or by a double-click
// on it, makes it the one step shown, as the step buttons do: the step shown
// before goes to its icon, and every icon keeps its buttons off. Minimising
// the step shown leaves every step an icon, with no buttons on.
TEST_F(WorkspaceTest, RestoringAStepFromItsIconMinimisesTheStepShown) {
    enum How { kRestoreButton, kDoubleClick, kMinimiseButton };
    struct Act {
        How how;
        int step;
    };
    struct Order {
        const char* what;
        int type;
        int from;  // the step shown first, by the window menu
        std::vector<Act> acts;
    };
    const Order orders[] = {
        {"rock bolts: 13 then 4 from 12", 3, 12, {{kRestoreButton, 13}, {kRestoreButton, 4}}},
        {"rock bolts: 4, minimised, then 13",
         3,
         12,
         {{kRestoreButton, 4}, {kMinimiseButton, 4}, {kRestoreButton, 13}}},
        {"wedge: the first step, the results, the second",
         0,
         5,
         {{kRestoreButton, 1}, {kDoubleClick, 12}, {kRestoreButton, 2}}},
        {"anchors: double-clicks",
         4,
         1,
         {{kDoubleClick, 15}, {kDoubleClick, 7}, {kDoubleClick, 1}}},
    };
    // A main window large enough that no icon lies under the step shown.
    WinWidth = 18000;
    WinHeight = 13500;
    Open();
    for (const Order& order : orders) {
        SCOPED_TRACE(order.what);
        OpenChain(order.type);
        Tools()->Click(QString::fromUtf8(StepIconId(order.from).c_str()));
        Pump();
        ExpectShown(order.from);
        for (const Act& act : order.acts) {
            SCOPED_TRACE(testing::Message() << "step " << act.step << " by " << act.how);
            QMdiSubWindow* sub = Step(act.step)->SubWindow();
            switch (act.how) {
                case kRestoreButton:
                    ClickAt(CaptionButton(sub, QStyle::SC_TitleBarNormalButton));
                    break;
                case kDoubleClick: {
                    const QPoint p = CaptionButton(sub, QStyle::SC_TitleBarLabel);
                    QTest::mouseMove(Screen(), p);
                    QTest::mouseDClick(Screen(), Qt::LeftButton, {}, p);
                    Pump();
                    break;
                }
                case kMinimiseButton:
                    ClickAt(CaptionButton(sub, QStyle::SC_TitleBarMinButton));
                    break;
            }
            const int shown = act.how == kMinimiseButton ? 0 : act.step;
            if (shown) ExpectShown(shown);
            for (int i = 1; i <= Count(); ++i) {
                SCOPED_TRACE(testing::Message() << "step " << i);
                StepForm* step = Step(i);
                const bool on = i == shown;
                if (!on) {
                    EXPECT_EQ(step->State(), WindowState::Minimized);
                }
                std::vector<QPushButton*> followers = {step->cmdBegin, step->cmdNext,
                                                       step->cmdResult};
                if (auto* section = qobject_cast<N2danmen*>(step)) {
                    // The first step has no step before it, and its redisplay
                    // button follows its section lists.
                    followers.insert(followers.end(),
                                     {section->cmdSelect[0], section->cmdSelect[1]});
                    EXPECT_FALSE(step->cmdBack->isEnabled());
                } else {
                    followers.push_back(step->cmdBack);
                    // The results window keeps its redisplay button on.
                    if (i != Count()) followers.push_back(step->cmdIndicate);
                }
                for (QPushButton* b : followers) {
                    if (b) {
                        EXPECT_EQ(b->isEnabled(), on) << b->objectName().toStdString();
                    }
                }
            }
        }
        SaveScreenIfAsked(QStringLiteral("restore-%1").arg(order.type));
        Tools()->Click(QString::fromUtf8(StepIconId(1).c_str()));
        Pump();
        QTest::mouseClick(Step(1)->cmdBegin, Qt::LeftButton);
        Pump();
        ASSERT_FALSE(Steps()->ChainOpen());
    }
}

// A step opens with the focus in its first entry box, however it is
// reached; a step without an entry box opens with it on its next button,
// the slope step (whose boxes wait for their mode) on its picture, and the
// results window on its redisplay button. A box the engineer left the focus in takes it
// again when the step comes back; a navigation button does not.
TEST_F(WorkspaceTest, AStepOpensWithTheFocusInItsFirstEntryBox) {
    enum How { kStart, kNext, kBack, kMenu, kClickInto, kType };
    struct Act {
        How how;
        int step;           // the step reached (kMenu), or clicked into (kClickInto)
        const char* focus;  // the focus afterwards
    };
    struct Walk {
        int type;
        std::vector<Act> acts;
    };
    const Walk walks[] = {
        {0,
         {{kStart, 1, "txtWidth(0)"},
          {kType, 1, "txtHeight(0)"},  // typed straight into b_y, then Tab
          {kNext, 2, "txtSpanNum(0)"},
          {kNext, 3, "txtName(0)"},
          {kNext, 4, "Picture1"},
          {kBack, 3, "txtName(0)"},
          {kMenu, 12, "cmdIndicate"},
          {kMenu, 7, "cmdNext"},
          {kMenu, 6, "Text1"},
          {kMenu, 4, "Picture1"},
          {kMenu, 2, "txtSpanNum(0)"},
          {kClickInto, 2, "txtSpanLength(1)"},
          {kMenu, 5, "Text2"},
          {kMenu, 2, "txtSpanLength(1)"},
          {kMenu, 1, "txtWidth(0)"}}},  // left by its next button
        {4,
         {{kStart, 1, "txtWidth(0)"},
          {kMenu, 2, "Text1"},
          {kMenu, 5, "txtSafety"},
          {kMenu, 6, "cmdNext"},
          {kMenu, 7, "txtSteelName"},
          {kNext, 8, "txtds"},
          {kMenu, 9, "cmdNext"},
          {kMenu, 10, "cmdNext"},
          {kMenu, 14, "txtStress"}}},
    };
    Open();
    for (const Walk& walk : walks) {
        SCOPED_TRACE(testing::Message() << "type " << walk.type);
        for (const Act& act : walk.acts) {
            SCOPED_TRACE(testing::Message() << act.how << " " << act.step);
            switch (act.how) {
                case kStart:
                    Select()->Option3D1[walk.type]->click();
                    ClickButton(Select()->cmdStart);
                    break;
                case kNext:
                    ClickButton(Step(CurStep)->cmdNext);
                    break;
                case kBack:
                    ClickButton(Step(CurStep)->cmdBack);
                    break;
                case kMenu:
                    Tools()->Click(QString::fromUtf8(StepIconId(act.step).c_str()));
                    Pump();
                    break;
                case kClickInto: {
                    auto* box = Step(act.step)->findChild<QLineEdit*>(act.focus);
                    ASSERT_NE(box, nullptr);
                    ClickAt(At(box, box->rect().center()));
                    break;
                }
                case kType:
                    QTest::keyClicks(QApplication::focusWidget(), "250");
                    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
                    Pump();
                    EXPECT_EQ(Design.SectionBy, " 250");
                    break;
            }
            ASSERT_EQ(CurStep, act.how == kStart ? 1 : act.step);
            QWidget* focus = QApplication::focusWidget();
            ASSERT_NE(focus, nullptr);
            EXPECT_TRUE(Step(CurStep)->isAncestorOf(focus));
            EXPECT_EQ(focus->objectName().toStdString(), act.focus);
        }
        Tools()->Click(QString::fromUtf8(StepIconId(1).c_str()));
        Pump();
        ClickButton(Step(1)->cmdBegin);
        ASSERT_FALSE(Steps()->ChainOpen());
    }
}

// Return presses the button holding the focus, as Space does: 検討開始
// opens the chain, 次画面へ goes on and 前画面へ back. A Return repeated
// by a held key presses nothing, so holding it on a step that opens on its
// next button does not run through the steps after it.
TEST_F(WorkspaceTest, TheFocusedButtonTakesReturnOnce) {
    auto pressReturn = [](bool held) {
        QWidget* focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr);
        if (held) {
            QKeyEvent repeat(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, QStringLiteral("\r"),
                             true);
            QApplication::sendEvent(focus, &repeat);
        } else {
            QTest::keyClick(focus, Qt::Key_Return);
        }
        Pump();
    };
    Open();
    // On a desktop the activation arrives a moment later.
    ASSERT_TRUE(QTest::qWaitForWindowActive(main.get(), 2000));
    Select()->Option3D1[4]->setChecked(true);
    Select()->cmdStart->setFocus(Qt::TabFocusReason);
    pressReturn(false);
    ASSERT_TRUE(Steps()->ChainOpen());
    ASSERT_EQ(CurStep, 1);

    // Steps 9 and 10 of the chain open on their next buttons.
    Tools()->Click(QString::fromUtf8(StepIconId(9).c_str()));
    Pump();
    ASSERT_EQ(QApplication::focusWidget(), Step(9)->cmdNext);
    pressReturn(false);
    ASSERT_EQ(CurStep, 10);
    ASSERT_EQ(QApplication::focusWidget(), Step(10)->cmdNext);
    for (int i = 0; i < 3; ++i) pressReturn(true);
    EXPECT_EQ(CurStep, 10);
    EXPECT_EQ(Step(10)->State(), WindowState::Normal);
    pressReturn(false);
    EXPECT_EQ(CurStep, 11);

    Step(11)->cmdBack->setFocus(Qt::TabFocusReason);
    pressReturn(false);
    EXPECT_EQ(CurStep, 10);
}

// How many rows of pixels the dark ink of a widget's text covers.
int InkRows(QWidget* w) {
    const QImage img = w->grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int rows = 0;
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            const QRgb p = img.pixel(x, y);
            if (qAlpha(p) > 128 && qGray(p) < 128) {
                ++rows;
                break;
            }
        }
    }
    return rows;
}

// Every unit label of every step window, as it opens, stands at least as
// tall as a capital of the text around it ("m" and "mm" are small letters
// only, "kN/m³" has its capitals), in the program's own face and in the face
// of a Japanese desktop, whose small letters are smaller still.
TEST_F(WorkspaceTest, UnitLabelsStandAsTallAsTheCapitalsAroundThem) {
    const QStringList units = {QStringLiteral("m"),      QStringLiteral("mm"),
                               QStringLiteral("kN/m³"),  QStringLiteral("(kN)"),
                               QStringLiteral("(kN/m)"), QStringLiteral("(kN･m)"),
                               QStringLiteral("(kN/本)")};
    const QFont programFace = QApplication::font();
    for (const char* face : {"", "IPAGothic"}) {
        SCOPED_TRACE(face);
        if (*face) QApplication::setFont(QFont(QString::fromLatin1(face), 9));
        Open();
        std::map<QString, int> seen;
        for (int type : {0, 1, 2, 3, 4}) {
            OpenChain(type);
            for (int n = 1; n <= Count(); ++n) {
                Steps()->ShowStep(n);
                Pump();
                StepForm* step = Step(n);
                for (QLabel* label : step->findChildren<QLabel*>()) {
                    if (!units.contains(label->text()) || !label->isVisible()) continue;
                    SCOPED_TRACE(testing::Message() << step->ClassName().toStdString() << " "
                                                    << label->text().toStdString());
                    ++seen[label->text()];
                    QLabel capital(QStringLiteral("H"));
                    capital.setFont(label->parentWidget()->font());
                    capital.adjustSize();
                    EXPECT_GE(InkRows(label), InkRows(&capital) - 1);
                    // The whole text is in the label.
                    EXPECT_GE(label->width(), label->sizeHint().width());
                }
                if (n == 1 && type == 0)
                    SaveShotIfAsked(
                        main.get(),
                        QStringLiteral("units-section-%1").arg(*face ? face : "program"));
                if (n == 2 && type == 0)
                    SaveShotIfAsked(main.get(),
                                    QStringLiteral("units-spans-%1").arg(*face ? face : "program"));
            }
            QTest::mouseClick(Step(Count())->cmdBegin, Qt::LeftButton);
            Pump();
            ASSERT_FALSE(Steps()->ChainOpen());
        }
        // The spans step's "m" and the section step's "mm" were among them.
        EXPECT_GE(seen[QStringLiteral("m")], 8);
        EXPECT_GE(seen[QStringLiteral("mm")], 6);
        main.reset();
        QApplication::setFont(programFace);
    }
}

}  // namespace
}  // namespace talvo::test
