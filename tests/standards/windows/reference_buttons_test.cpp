// The steps' "参考値..." buttons: each opens its dialog, a row is picked (or
// the dialog cancelled), and the step's boxes, the design and the flags show
// the pick as the step's own checks store it.
#include <QTest>
#include <QTimer>
#include <array>

#include "calc/windows/NGouryoku.h"
#include "results/rebuild.h"
#include "standards/windows/BondTables.h"
#include "standards/windows/Catalogues.h"
#include "steps/windows/N4omosa.h"
#include "steps/windows/NArock1.h"
#include "steps/windows/NBgrand2.h"
#include "steps/windows/NBrock2.h"
#include "steps/windows/NHanchor.h"
#include "steps/windows/NMprate.h"
#include "steps/windows/input_entry_fixture.h"

namespace talvo::test {
namespace {

class ReferenceButtonTest : public InputStepTest {
protected:
    // Presses `button` (by a mouse click when told, which takes the focus
    // from the box being typed in); once dialog D stands open, `act` drives
    // it. Fails when no D opens.
    template <class D>
    static void PressAndDo(QPushButton* button, std::function<void(D*)> act, bool byMouse = false) {
        ASSERT_TRUE(button->isEnabled()) << Str(button->objectName());
        bool seen = false;
        auto tries = std::make_shared<int>(0);
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [&seen, act, tries, poll] {
            for (QWidget* w : QApplication::topLevelWidgets()) {
                if (auto* d = qobject_cast<D*>(w); d && d->isVisible()) {
                    seen = true;
                    SaveShotIfAsked(d, d->objectName().toLower() + "_opened");
                    act(d);
                    return;
                }
            }
            if (++*tries < 400) QTimer::singleShot(5, *poll);
        };
        QTimer::singleShot(0, *poll);
        if (byMouse)
            QTest::mouseClick(button, Qt::LeftButton);
        else
            button->click();
        PumpEvents();
        *poll = nullptr;
        EXPECT_TRUE(seen) << "no dialog opened";
    }
    template <class D>
    static void Cancel(QPushButton* button) {
        PressAndDo<D>(button, [](D* d) { d->cmdCancel->click(); });
    }
    // Picks grid row `row` of a catalogue.
    template <class D>
    static void PickRow(QPushButton* button, int row) {
        PressAndDo<D>(button, [row](D* d) {
            d->CatalogueGrid()->setCurrentCell(row - 1, 0);
            d->cmdOK->click();
        });
    }
    // Picks grid row `row`, which the dialog refuses: it stays open and is
    // then cancelled.
    template <class D>
    static void RefuseRowThenCancel(QPushButton* button, int row) {
        PressAndDo<D>(button, [row](D* d) {
            d->CatalogueGrid()->setCurrentCell(row - 1, 0);
            d->cmdOK->click();
            EXPECT_TRUE(d->isVisible());
            d->cmdCancel->click();
        });
    }
    // ---- By keys alone ----

    // A key pressed where the focus is (the modal window when nothing in it
    // holds the focus).
    static void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QWidget* to = QApplication::focusWidget();
        if (!to) to = QApplication::activeModalWidget();
        ASSERT_NE(to, nullptr) << "no window for the key";
        QTest::keyClick(to, static_cast<Qt::Key>(key), modifiers);
        PumpEvents();
    }
    static void Keys(int key, int times) {
        for (int i = 0; i < times; ++i) Key(key);
    }
    // Tabs on until `target` has the focus; false when it is never reached.
    static bool TabTo(QWidget* target) {
        for (int i = 0; i < 40 && !target->hasFocus(); ++i) Key(Qt::Key_Tab);
        return target->hasFocus();
    }
    // Moves the marked cell of `grid` to (col, row) with the arrow keys,
    // from wherever it stands (the grid has the focus).
    static void ArrowTo(Grid* grid, int col, int row) {
        Keys(Qt::Key_Up, grid->rowCount());
        Keys(Qt::Key_Left, grid->columnCount());
        Keys(Qt::Key_Down, row - 1);
        Keys(Qt::Key_Right, col - 1);
    }
    // Presses `button`, which has the focus, by `key`; once dialog D stands
    // open with the focus inside it, `act` drives it by keys. A dialog still
    // open after `act` is a failure, and is cancelled.
    template <class D>
    static void OpenByKeys(QPushButton* button, std::function<void(D*)> act,
                           Qt::Key key = Qt::Key_Space) {
        ASSERT_TRUE(button->hasFocus()) << "the focus is on " << Focused();
        bool seen = false;
        auto tries = std::make_shared<int>(0);
        auto poll = std::make_shared<std::function<void()>>();
        *poll = [&seen, act, tries, poll] {
            auto* d = qobject_cast<D*>(QApplication::activeModalWidget());
            QWidget* focus = QApplication::focusWidget();
            if (d && d->isVisible() && focus && d->isAncestorOf(focus)) {
                seen = true;
                act(d);
                if (d->isVisible()) {
                    ADD_FAILURE() << "the dialog stayed open";
                    d->reject();
                }
                return;
            }
            if (++*tries < 400) QTimer::singleShot(5, *poll);
        };
        QTimer::singleShot(0, *poll);
        QTest::keyClick(button, key);
        PumpEvents();
        *poll = nullptr;
        EXPECT_TRUE(seen) << "no dialog opened";
        // Offscreen, the focus comes back to the main window only when it is
        // activated again, as the window manager does.
        button->window()->activateWindow();
        PumpEvents();
    }
    static std::string S(const QLineEdit* box) { return Str(box->text()); }
    static std::string Trimmed(const std::string& s) {
        return Str(QString::fromStdString(s).trimmed());
    }
};

TEST_F(ReferenceButtonTest, DesignStrengthsPickWritesTheFiveBoxesAndTheDesign) {
    NGouryoku* w = Load<NGouryoku>();
    StandardTab = 2;
    LowerFlags();
    Cancel<FKijyunti>(w->cmdRefer);
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(Design.SigmaCk, "");
    PickRow<FKijyunti>(w->cmdRefer, 4);
    EXPECT_EQ(S(w->txtStandard), "   30");
    EXPECT_EQ(S(w->txtCompress), "   11.0");
    EXPECT_EQ(S(w->txtShear), "    0.50");
    EXPECT_EQ(S(w->txtAdhesion), "    1.8");
    EXPECT_EQ(S(w->txtPull), "  176");
    EXPECT_EQ(Design.SigmaCk, "30");
    EXPECT_EQ(Design.SigmaCa, "11.0");
    EXPECT_EQ(Design.TauCa, "0.50");
    EXPECT_EQ(Design.TauOa, "1.8");
    EXPECT_EQ(Design.SigmaSa, "176");
    EXPECT_EQ(Flags(), "10001");
    SaveShot(w, "ngouryoku_picked");
}

TEST_F(ReferenceButtonTest, UnitWeightPickFillsOnlyItsPanel) {
    Design.UseInfill = 1;
    Design.UseSnow = 1;
    Design.WorkType = 0;
    N4omosa* w = Load<N4omosa>();
    for (QPushButton* b : w->cmdRefer) EXPECT_TRUE(b->isEnabled());
    LowerFlags();
    Cancel<FJyuuryo>(w->cmdRefer[2]);
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(UnitWeightGroup, 2);

    PickRow<FJyuuryo>(w->cmdRefer[0], 2);
    EXPECT_EQ(S(w->txtName[0]), "モルタル＋鉄筋");
    EXPECT_EQ(S(w->txtWeight[0]), "   23.0");
    EXPECT_EQ(Design.FrameMaterial, "モルタル＋鉄筋");
    EXPECT_EQ(Design.FrameGamma, "   23.0");
    EXPECT_EQ(Flags(), "11110");
    for (int i = 1; i < 4; ++i) EXPECT_EQ(S(w->txtName[i]), "") << i;

    // An empty row is refused and the dialog stays open: nothing of the
    // panel is emptied.
    Design.InfillName = "土のう";
    Design.InfillGamma = "   18.0";
    messages.Expect("選択した行には値がありません。");
    RefuseRowThenCancel<FJyuuryo>(w->cmdRefer[1], 5);
    EXPECT_EQ(Design.InfillName, "土のう");
    EXPECT_EQ(Design.InfillGamma, "   18.0");

    // Leaving the picked boxes stores nothing more.
    host->window->activateWindow();
    PumpEvents();
    LowerFlags();
    Type(w->txtWeight[0], w->txtWeight[0]->text());
    Type(w->txtName[0], w->txtName[0]->text());
    EXPECT_EQ(Flags(), "00000");
    SaveShot(w, "n4omosa_picked");
}

// A picked row without a name keeps the remark the engineer typed, by OK as
// by a double-click; a row with a name writes it.
TEST_F(ReferenceButtonTest, UnitWeightPickOfARowWithoutANameKeepsTheTypedName) {
    Design.UseSnow = 1;
    Design.WorkType = 0;
    UnitWeightTable[2][1] = {"新雪", "1.5"};  // row 1 as built in: no name, 3.5
    struct Case {
        int row;
        bool doubleClick;
        const char* name;
        const char* weight;
    };
    for (const Case& c : {Case{1, false, "積雪地", "    3.5"}, Case{1, true, "積雪地", "    3.5"},
                          Case{2, false, "新雪", "    1.5"}, Case{2, true, "新雪", "    1.5"}}) {
        SCOPED_TRACE(testing::Message()
                     << "row " << c.row << (c.doubleClick ? " double-click" : " OK"));
        Design.SnowRemarks = "";
        Design.SnowGamma = "    2.0";
        N4omosa* w = Load<N4omosa>();
        TypeWithoutLeaving(w->txtName[2], QStringLiteral("積雪地"));
        PressAndDo<FJyuuryo>(
            w->cmdRefer[2],
            [&c](FJyuuryo* d) {
                Grid* grid = d->CatalogueGrid();
                if (c.doubleClick) {
                    QWidget* vp = grid->viewport();
                    const QRect cell = grid->visualRect(grid->model()->index(c.row - 1, 1));
                    // The press before a double-click chooses the cell.
                    QTest::mouseClick(vp, Qt::LeftButton, {}, cell.center());
                    QTest::mouseDClick(vp, Qt::LeftButton, {}, cell.center());
                } else {
                    grid->setCurrentCell(c.row - 1, 0);
                    QTest::mouseClick(d->cmdOK, Qt::LeftButton);
                }
                PumpEvents();
                if (d->isVisible()) {
                    ADD_FAILURE() << "the row was not picked";
                    d->reject();
                }
            },
            true);
        EXPECT_EQ(S(w->txtName[2]), c.name);
        EXPECT_EQ(Design.SnowRemarks, c.name);
        EXPECT_EQ(S(w->txtWeight[2]), c.weight);
        EXPECT_EQ(Design.SnowGamma, c.weight);
    }
}

TEST_F(ReferenceButtonTest, SteelPickGoesThroughTheRockBoltBoxes) {
    FillDesign(3);
    NArock1* w = Load<NArock1>();
    const std::string tau = Design.RockTauSa;
    LowerFlags();
    Cancel<FKouzai>(w->cmdRefer);
    EXPECT_EQ(Design.RockTauSa, tau);
    EXPECT_EQ(Flags(), "00000");
    PickRow<FKouzai>(w->cmdRefer, 2);
    EXPECT_EQ(S(w->Text1), "    80");
    EXPECT_EQ(S(w->Text2), "   180");
    EXPECT_EQ(Trimmed(Design.RockTauSa), "80");
    EXPECT_EQ(Trimmed(Design.RockSigmaSa), "180");
    EXPECT_EQ(Flags(), "10001");
    // The same row again still marks the design changed.
    LowerFlags();
    PickRow<FKouzai>(w->cmdRefer, 2);
    EXPECT_EQ(Flags(), "10001");
}

TEST_F(ReferenceButtonTest, SteelPickGoesIntoTheAnchorBarBoxOnly) {
    FillDesign(1);
    NHanchor* w = Load<NHanchor>();
    SteelStressTable[0].TauSa = "95";
    LowerFlags();
    PickRow<FKouzai>(w->cmdRefer, 1);
    EXPECT_EQ(S(w->Text1), "   95");
    EXPECT_EQ(Trimmed(Design.AncBarTauSa), "95");
    EXPECT_EQ(Flags(), "10000");
}

TEST_F(ReferenceButtonTest, PlateStressPickRecomputesTheThickness) {
    FillDesign(4);
    NMprate* w = Load<NMprate>();
    Design.PlateSigma = "140";
    LowerFlags();
    PickRow<Fmage>(w->cmdRefer, 2);
    EXPECT_EQ(S(w->txtStress), "   210");
    EXPECT_EQ(Trimmed(Design.PlateSigma), "210");
    EXPECT_EQ(Flags().substr(0, 1), "1");
    // Cancel: the box is checked again and nothing changes.
    LowerFlags();
    Cancel<Fmage>(w->cmdRefer);
    EXPECT_EQ(Trimmed(Design.PlateSigma), "210");
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(ReferenceButtonTest, RockBoltAnchorageButtonsFillTheirBoxes) {
    FillDesign(3);
    NBrock2* w = Load<NBrock2>();
    LowerFlags();
    PressAndDo<FMasatuRock>(w->cmdRefer[0], [](FMasatuRock* d) {
        d->sprRock->setCurrentCell(0, 0);
        d->cmdOK->click();
    });
    EXPECT_EQ(S(w->Text2), "    1.18");
    EXPECT_EQ(Trimmed(Design.RockTauG), "1.18");
    EXPECT_EQ(DataChanged, 1);
    PressAndDo<FFutyakuRock>(w->cmdRefer[1], [](FFutyakuRock* d) {
        d->sprRock->setCurrentCell(0, 2);
        d->cmdOK->click();
    });
    EXPECT_EQ(S(w->Text3), "    1.80");
    EXPECT_EQ(Trimmed(Design.RockTauB), "1.80");
    PickRow<FHikiAnzen>(w->cmdRefer[2], 1);
    EXPECT_EQ(S(w->Text4), "    2.0");
    EXPECT_EQ(Trimmed(Design.RockFs), "2.0");
}

TEST_F(ReferenceButtonTest, GroundAnchorAnchorageButtonsFillTheirBoxes) {
    FillDesign(4);
    NBgrand2* w = Load<NBgrand2>();
    LowerFlags();
    // Each changed value runs the step's own length check; with no design
    // load worked out yet there is no bond length to warn of.
    PressAndDo<FMasatuAnchor>(w->cmdRefer[0], [](FMasatuAnchor* d) {
        d->sprAnchor->setCurrentCell(0, 2);
        emit d->sprAnchor->cellClicked(0, 2);
        d->cmdOK->click();
    });
    EXPECT_EQ(S(w->txtTau), "    2.45");
    EXPECT_EQ(Trimmed(Design.AnchorTauG), "2.45");
    PressAndDo<FFutyakuAnchor>(w->cmdRefer[1], [](FFutyakuAnchor* d) {
        d->sprAnchor->setCurrentCell(3, 3);
        d->cmdOK->click();
    });
    EXPECT_EQ(S(w->txtTaub), "    1.35");
    EXPECT_EQ(Trimmed(Design.AnchorTauB), "1.35");
    PickRow<FHikiAnzen>(w->cmdRefer[2], 4);
    EXPECT_EQ(S(w->txtFs), "    2.0");
    EXPECT_EQ(Trimmed(Design.AnchorFs), "2.0");
    EXPECT_EQ(DataChanged, 1);
    SaveShot(w, "nbgrand2_picked");
}

// Every row of the four bond and friction tables picked by keys alone: the
// step's 参考値... reached by Tab and pressed by Space, the table reached by
// Tab, the cell by the arrow keys, OK by Return. The step's box and the
// design take the value of the cell marked, as of a cell clicked.
TEST_F(ReferenceButtonTest, EveryRowOfTheBondAndFrictionTablesIsPickedByKeys) {
    struct Table {
        const char* name;
        int workType;
        int button;
        const char* grid;
        std::vector<std::pair<int, int>> cells;  // (col, row)
    };
    std::vector<std::pair<int, int>> anchorFriction, anchorBond, rockFriction, rockBond;
    for (int row = 1; row <= 14; ++row) {
        // The lower or the upper end of the range.
        anchorFriction.push_back({row % 2 ? 1 : 3, row});
        rockFriction.push_back({1, row});
    }
    anchorFriction.push_back({3, 1});
    for (int row = 1; row <= 10; ++row) anchorBond.push_back({4, row});
    anchorBond.push_back({5, 10});
    for (int col = 1; col <= 4; ++col) rockBond.push_back({col, 1});
    const Table tables[] = {
        {"anchor friction", 4, 0, "sprAnchor", anchorFriction},
        {"anchor bond", 4, 1, "sprAnchor", anchorBond},
        {"rock-bolt friction", 3, 0, "sprRock", rockFriction},
        {"rock-bolt bond", 3, 1, "sprRock", rockBond},
    };
    for (const Table& t : tables) {
        FillDesign(static_cast<std::int16_t>(t.workType));
        QLineEdit* box = nullptr;
        QPushButton* button = nullptr;
        std::string* field = nullptr;
        if (t.workType == 4) {
            auto* w = Load<NBgrand2>();
            box = t.button == 0 ? w->txtTau : w->txtTaub;
            button = w->cmdRefer[static_cast<std::size_t>(t.button)];
            field = t.button == 0 ? &Design.AnchorTauG : &Design.AnchorTauB;
        } else {
            auto* w = Load<NBrock2>();
            box = t.button == 0 ? w->Text2 : w->Text3;
            button = w->cmdRefer[static_cast<std::size_t>(t.button)];
            field = t.button == 0 ? &Design.RockTauG : &Design.RockTauB;
        }
        Enter(box);
        Key(Qt::Key_Tab);
        for (const auto& [col, row] : t.cells) {
            SCOPED_TRACE(testing::Message() << t.name << ", column " << col << ", row " << row);
            std::string shown;
            OpenByKeys<FixedTable>(button, [&, col = col, row = row](FixedTable* d) {
                auto* grid = d->findChild<Grid*>(t.grid);
                ASSERT_NE(grid, nullptr);
                ASSERT_TRUE(TabTo(grid));
                ArrowTo(grid, col, row);
                shown = Str(grid->TextAt(col, row));
                Key(Qt::Key_Return);
            });
            const std::string value = Str(QString::fromStdString(shown).trimmed());
            EXPECT_EQ(S(box), FormatNum(value, 5, 2));
            EXPECT_EQ(NumVal(*field), NumVal(value));
            // The step gives the focus back to the button, for the next pick.
            EXPECT_TRUE(button->hasFocus());
        }
    }
}

// The cohesive-soil rows by keys: 粘着力 c 入力 by Tab and Space, the
// cohesion typed and taken by Return; the cohesion cell of the anchors'
// table is reached by Tab, the rock bolts' row is marked by the entry.
// A dash of the bond table is refused and the arrows go on from there.
TEST_F(ReferenceButtonTest, CohesiveSoilAndARefusedDashArePickedByKeys) {
    FillDesign(4);
    auto* anchor = Load<NBgrand2>();
    Enter(anchor->txtTau);
    Key(Qt::Key_Tab);
    OpenByKeys<FMasatuAnchor>(anchor->cmdRefer[0], [](FMasatuAnchor* d) {
        ASSERT_TRUE(TabTo(d->cmdStick));
        Key(Qt::Key_Space);
        ASSERT_TRUE(d->Text1->hasFocus());
        QTest::keyClicks(d->Text1, "0.05");
        Key(Qt::Key_Return);
        EXPECT_FALSE(d->Picture1->isVisible());
        ASSERT_TRUE(TabTo(d->sprAdhesion));
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(S(anchor->txtTau), "    0.05");
    EXPECT_EQ(Trimmed(Design.AnchorTauG), "0.05");

    Enter(anchor->txtTaub);
    Key(Qt::Key_Tab);
    OpenByKeys<FFutyakuAnchor>(anchor->cmdRefer[1], [this](FFutyakuAnchor* d) {
        ASSERT_TRUE(TabTo(d->sprAnchor));
        ArrowTo(d->sprAnchor, 1, 6);
        messages.Expect("基準値が選択されていません！");
        Key(Qt::Key_Return);
        EXPECT_TRUE(messages.AllShown());
        ASSERT_TRUE(d->isVisible());
        d->activateWindow();
        PumpEvents();
        ASSERT_TRUE(d->sprAnchor->hasFocus());
        Keys(Qt::Key_Right, 2);
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(S(anchor->txtTaub), "    0.80");

    FillDesign(3);
    auto* rock = Load<NBrock2>();
    Enter(rock->Text2);
    Key(Qt::Key_Tab);
    OpenByKeys<FMasatuRock>(rock->cmdRefer[0], [](FMasatuRock* d) {
        ASSERT_TRUE(TabTo(d->cmdStick));
        Key(Qt::Key_Space);
        ASSERT_TRUE(d->Text1->hasFocus());
        QTest::keyClicks(d->Text1, "0.05");
        Key(Qt::Key_Return);
        EXPECT_EQ(d->sprRock->currentRow(), 14);
        Key(Qt::Key_Return);
    });
    EXPECT_EQ(S(rock->Text2), "    0.04");
    EXPECT_EQ(Trimmed(Design.RockTauG), "0.04");
}

// The four standards of 設計基準強度および許容応力度 picked by keys alone: its
// tab strip is one Tab stop whose arrow keys switch it, and Ctrl+Tab,
// Ctrl+PgDn (next), Ctrl+Shift+Tab and Ctrl+PgUp (previous, round the ends)
// switch it from the grid. The pick writes the step and the design.
TEST_F(ReferenceButtonTest, EachStandardOfTheDesignStrengthsIsPickedByKeys) {
    enum How { StripArrows, CtrlTab, CtrlPgDn, CtrlShiftTab, CtrlPgUp };
    struct Case {
        const char* name;
        int from;  // the tab shown at opening
        How how;
        int steps;
        int standard, row;
        const char* sigmaCk;  // the design's own when the row has none
        const char *sigmaCa, *tauCa, *tauOa, *sigmaSa;
    };
    const Case cases[] = {
        {"Ctrl+Tab round the end", 3, CtrlTab, 1, 0, 1, "15", "5.0", "0.33", "1.3", "160"},
        {"the strip's arrows", 0, StripArrows, 1, 1, 2, "24", "6.0", "0.40", "1.4", "180"},
        {"Ctrl+PgDn", 0, CtrlPgDn, 2, 2, 4, "30", "11.0", "0.50", "1.8", "176"},
        {"Ctrl+PgUp round the end", 0, CtrlPgUp, 1, 3, 4, "30", "10.0", "0.25", "1.8", "180"},
        {"Ctrl+Shift+Tab", 3, CtrlShiftTab, 1, 2, 5, "40", "14.0", "0.55", "2.0", "176"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitAllTables();
        FillDesign(2);
        Design.SigmaCk = "24";
        StandardTab = static_cast<std::int16_t>(c.from);
        auto* w = Load<NGouryoku>();
        Enter(w->txtAdhesion);
        Key(Qt::Key_Tab);
        OpenByKeys<FKijyunti>(w->cmdRefer, [&c](FKijyunti* d) {
            if (c.how == StripArrows) {
                ASSERT_TRUE(TabTo(d->SSTab1));
                // One stop: Shift+Tab leaves it, Tab comes back, and
                // neither switches the standard.
                Key(Qt::Key_Backtab);
                EXPECT_FALSE(d->SSTab1->hasFocus());
                Key(Qt::Key_Tab);
                ASSERT_TRUE(d->SSTab1->hasFocus());
                EXPECT_EQ(d->SSTab1->Tab(), c.from);
                Keys(Qt::Key_Right, c.steps);
                ASSERT_TRUE(TabTo(d->sprStandard));
            } else {
                ASSERT_TRUE(TabTo(d->sprStandard));
                const std::pair<int, Qt::KeyboardModifiers> keys[] = {
                    {Qt::Key_Tab, Qt::ControlModifier},
                    {Qt::Key_Tab, Qt::ControlModifier},
                    {Qt::Key_PageDown, Qt::ControlModifier},
                    {Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier},
                    {Qt::Key_PageUp, Qt::ControlModifier},
                };
                for (int i = 0; i < c.steps; ++i) Key(keys[c.how].first, keys[c.how].second);
            }
            EXPECT_EQ(d->SSTab1->Tab(), c.standard);
            ArrowTo(d->sprStandard, 1, c.row);
            Key(Qt::Key_Return);
        });
        EXPECT_EQ(StandardTab, c.standard);
        EXPECT_EQ(Trimmed(Design.SigmaCk), c.sigmaCk);
        EXPECT_EQ(Design.SigmaCa, c.sigmaCa);
        EXPECT_EQ(Design.TauCa, c.tauCa);
        EXPECT_EQ(Design.TauOa, c.tauOa);
        EXPECT_EQ(Design.SigmaSa, c.sigmaSa);
        EXPECT_EQ(Trimmed(S(w->txtStandard)), c.sigmaCk);
        EXPECT_EQ(Trimmed(S(w->txtCompress)), c.sigmaCa);
        EXPECT_EQ(Trimmed(S(w->txtShear)), c.tauCa);
        EXPECT_EQ(Trimmed(S(w->txtAdhesion)), c.tauOa);
        EXPECT_EQ(Trimmed(S(w->txtPull)), c.sigmaSa);
    }
}

// The design strengths by keys alone, from the step's 参考値... button: the
// table holds the focus at opening and after Ctrl+Tab, so Down moves the row
// chosen and Return takes that row; the dialog opens on the standard and row
// of the step's values when a standard holds them.
TEST_F(ReferenceButtonTest, TheDesignStrengthsPickTheRowChosenByKeys) {
    struct Case {
        const char* name;
        std::array<const char*, 5> held;  // the step's values before the pick
        int openTab, openRow;
        int ctrlTabs, downs;
        std::array<const char*, 5> picked;
    };
    const Case cases[] = {
        {"no standard holds the values: 土木学会 by Ctrl+Tab",
         {"18", " 6.0", "0.33", "0.80", "160"},
         0,
         1,
         2,
         2,
         {"24", "9.0", "0.45", "1.6", "176"}},
        {"土木学会 σck 24 held: opens on it",
         {"24", "9.0", "0.45", "1.6", "176"},
         2,
         3,
         0,
         1,
         {"30", "11.0", "0.50", "1.8", "176"}},
        {"日本道路協会 σck 24 held, 土木学会 shown last",
         {"24", "8.0", "0.23", "1.6", "180"},
         3,
         2,
         0,
         0,
         {"24", "8.0", "0.23", "1.6", "180"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitAllTables();
        FillDesign(2);
        std::string* const fields[5] = {&Design.SigmaCk, &Design.SigmaCa, &Design.TauCa,
                                        &Design.TauOa, &Design.SigmaSa};
        for (int i = 0; i < 5; ++i) *fields[i] = c.held[static_cast<std::size_t>(i)];
        // After a restart the first standard is the one shown last.
        StandardTab = c.openTab == 3 ? 2 : 0;
        auto* w = Load<NGouryoku>();
        Enter(w->txtAdhesion);
        Key(Qt::Key_Tab);
        OpenByKeys<FKijyunti>(w->cmdRefer, [&c](FKijyunti* d) {
            EXPECT_EQ(d->SSTab1->Tab(), c.openTab);
            EXPECT_EQ(d->sprStandard->currentRow() + 1, c.openRow);
            EXPECT_TRUE(d->sprStandard->hasFocus()) << "the focus is on " << Focused();
            for (int i = 0; i < c.ctrlTabs; ++i) Key(Qt::Key_Tab, Qt::ControlModifier);
            if (c.ctrlTabs > 0) {
                EXPECT_TRUE(d->sprStandard->hasFocus()) << "the focus is on " << Focused();
                EXPECT_EQ(d->sprStandard->currentRow(), 0);
            }
            Keys(Qt::Key_Down, c.downs);
            Key(Qt::Key_Return);
        });
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(Trimmed(*fields[i]), c.picked[static_cast<std::size_t>(i)]) << i;
    }
}

// Return on the focused 参考値... opens its dialog, as Space does; the
// dialog's キャンセル takes Return too, and the step keeps its value.
TEST_F(ReferenceButtonTest, ReturnOnTheFocusedButtonOpensTheDialog) {
    FillDesign(1);
    auto* w = Load<NHanchor>();
    Type(w->Text1, "95");
    w->Text1->setFocus(Qt::TabFocusReason);
    PumpEvents();
    Key(Qt::Key_Tab);
    OpenByKeys<FKouzai>(
        w->cmdRefer,
        [](FKouzai* d) {
            d->cmdCancel->setFocus(Qt::TabFocusReason);
            PumpEvents();
            Key(Qt::Key_Return);
        },
        Qt::Key_Return);
    EXPECT_EQ(Trimmed(S(w->Text1)), "95");
}

// A reference dialog opens on the row of the value the engineer typed into
// the step's box, row 1 when no row holds it.
TEST_F(ReferenceButtonTest, ADialogOpensOnTheRowOfTheValueInTheStepsBox) {
    struct Case {
        const char* name;
        int workType;
        std::function<QPushButton*(ReferenceButtonTest*)> typeThenButton;
        int row;
    };
    const Case cases[] = {
        {"steel of the rock bolts", 3,
         [](ReferenceButtonTest* t) {
             auto* w = t->Load<NArock1>();
             Type(w->Text1, "80");
             Type(w->Text2, "180");
             return w->cmdRefer;
         },
         2},
        {"steel of the main anchor bar", 1,
         [](ReferenceButtonTest* t) {
             SteelStressTable[2] = {"SS400", "95", "140"};
             auto* w = t->Load<NHanchor>();
             Type(w->Text1, "95");
             return w->cmdRefer;
         },
         3},
        {"pull-out safety of the rock bolts", 3,
         [](ReferenceButtonTest* t) {
             PullOutSafetyTable[0][2] = {"仮設", "3.0"};
             auto* w = t->Load<NBrock2>();
             Type(w->Text4, "3.0");
             return w->cmdRefer[2];
         },
         3},
        {"plate bending stress", 4,
         [](ReferenceButtonTest* t) {
             auto* w = t->Load<NMprate>();
             Type(w->txtStress, "210");
             return w->cmdRefer;
         },
         2},
        {"a stress no row holds", 4,
         [](ReferenceButtonTest* t) {
             auto* w = t->Load<NMprate>();
             Type(w->txtStress, "150");
             return w->cmdRefer;
         },
         1},
        // Two materials weigh 23.0: the name tells them apart.
        {"frame unit weight", 0,
         [](ReferenceButtonTest* t) {
             auto* w = t->Load<N4omosa>();
             Type(w->txtName[0], "モルタル＋鉄筋");
             Type(w->txtWeight[0], "23.0");
             return w->cmdRefer[0];
         },
         2},
        {"frame unit weight of another name", 0,
         [](ReferenceButtonTest* t) {
             auto* w = t->Load<N4omosa>();
             Type(w->txtName[0], "コンクリート");
             Type(w->txtWeight[0], "23.0");
             return w->cmdRefer[0];
         },
         3},
        {"design strengths", 2,
         [](ReferenceButtonTest* t) {
             StandardTab = 2;
             auto* w = t->Load<NGouryoku>();
             Type(w->txtStandard, "24");
             Type(w->txtCompress, "9.0");
             Type(w->txtShear, "0.45");
             Type(w->txtAdhesion, "1.6");
             Type(w->txtPull, "176");
             return w->cmdRefer;
         },
         3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        InitAllTables();
        FillDesign(c.workType);
        QPushButton* button = c.typeThenButton(this);
        int opened = 0;
        PressAndDo<Catalogue>(button, [&opened](Catalogue* d) {
            opened = d->CatalogueGrid()->currentRow() + 1;
            d->cmdCancel->click();
        });
        EXPECT_EQ(opened, c.row);
    }
}

// The bond and friction tables open on the first cell of the value the step
// holds; OK then gives that value back.
TEST_F(ReferenceButtonTest, ABondOrFrictionTableOpensOnTheCellOfTheValueInUse) {
    struct Case {
        const char* name;
        int workType;
        std::string* field;
        const char* value;
        std::function<QPushButton*(ReferenceButtonTest*)> button;
        int col, row;
    };
    const Case cases[] = {
        {"rock-bolt friction", 3, &Design.RockTauG, "0.49",
         [](ReferenceButtonTest* t) { return t->Load<NBrock2>()->cmdRefer[0]; }, 1, 3},
        {"rock-bolt bond", 3, &Design.RockTauB, "1.80",
         [](ReferenceButtonTest* t) { return t->Load<NBrock2>()->cmdRefer[1]; }, 3, 1},
        {"anchor friction", 4, &Design.AnchorTauG, "0.98",
         [](ReferenceButtonTest* t) { return t->Load<NBgrand2>()->cmdRefer[0]; }, 1, 2},
        {"anchor bond", 4, &Design.AnchorTauB, "2.00",
         [](ReferenceButtonTest* t) { return t->Load<NBgrand2>()->cmdRefer[1]; }, 5, 5},
        {"a bond no cell holds", 4, &Design.AnchorTauB, "1.95",
         [](ReferenceButtonTest* t) { return t->Load<NBgrand2>()->cmdRefer[1]; }, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        FillDesign(c.workType);
        *c.field = c.value;
        QPushButton* button = c.button(this);
        int col = 0, row = 0;
        std::string value;
        PressAndDo<FixedTable>(button, [&](FixedTable* d) {
            const QList<Grid*> grids = d->findChildren<Grid*>();
            for (Grid* g : grids)
                if (g->objectName() == "sprAnchor" || g->objectName() == "sprRock") {
                    col = g->currentColumn() + 1;
                    row = g->currentRow() + 1;
                }
            // OK gives the value in use back, so the step changes nothing.
            if (col != 1 || row != 1) {
                d->cmdOK->click();
                value = d->Value();
            } else {
                value = c.value;
            }
            if (d->isVisible()) d->cmdCancel->click();
        });
        EXPECT_EQ(col, c.col);
        EXPECT_EQ(row, c.row);
        EXPECT_EQ(NumVal(value), NumVal(c.value));
    }
}

// A pick never writes an empty text over a value: a row without any value
// the step takes is refused, and a value the picked row does not hold keeps
// the step's value.
TEST_F(ReferenceButtonTest, APickNeverEmptiesAStepsValue) {
    FillDesign(3);
    auto* rock = Load<NArock1>();
    Type(rock->Text1, "85");
    Type(rock->Text2, "175");
    LowerFlags();
    messages.Expect("選択した行には値がありません。");
    RefuseRowThenCancel<FKouzai>(rock->cmdRefer, 5);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Trimmed(Design.RockTauSa), "85");
    EXPECT_EQ(Trimmed(Design.RockSigmaSa), "175");
    // A grade with τsa only: σsa stays.
    SteelStressTable[2] = {"SS400", "100", ""};
    PickRow<FKouzai>(rock->cmdRefer, 3);
    EXPECT_EQ(S(rock->Text1), "   100");
    EXPECT_EQ(S(rock->Text2), "   175");
    EXPECT_EQ(Trimmed(Design.RockTauSa), "100");
    EXPECT_EQ(Trimmed(Design.RockSigmaSa), "175");

    // The second default standard holds no σck: the design keeps its own.
    FillDesign(2);
    auto* materials = Load<NGouryoku>();
    Type(materials->txtStandard, "18");
    StandardTab = 1;
    PickRow<FKijyunti>(materials->cmdRefer, 1);
    EXPECT_EQ(Trimmed(Design.SigmaCk), "18");
    EXPECT_EQ(S(materials->txtStandard), "   18");
    EXPECT_EQ(Design.SigmaCa, "5.0");
    EXPECT_EQ(S(materials->txtPull), "  160");
}

// One pick, then the results brought up to date: they are the results of
// the picked values typed by hand.
TEST_F(ReferenceButtonTest, ResultsAfterAPickAreComputedFromThePickedValues) {
    FillDesign(2);
    SetAllRecalc(true);
    RunResultsActivation();
    const DesignData before = Design;

    // By hand: the picked row's values straight into the design.
    Design.SigmaCk = "40";
    Design.SigmaCa = "14.0";
    Design.TauCa = "0.55";
    Design.TauOa = "2.0";
    Design.SigmaSa = "176";
    RecalcResult = 1;
    RunResultsActivation();
    const DesignData byHand = Design;

    Design = before;
    NGouryoku* w = Load<NGouryoku>();
    StandardTab = 2;
    PickRow<FKijyunti>(w->cmdRefer, 5);
    EXPECT_EQ(RecalcResult, 1);
    EXPECT_TRUE(RunResultsActivation());
    EXPECT_EQ(Design.KekkaSigmaC, byHand.KekkaSigmaC);
    EXPECT_EQ(Design.KekkaSigmaS, byHand.KekkaSigmaS);
    EXPECT_EQ(Design.KekkaTauC, byHand.KekkaTauC);
    EXPECT_EQ(Design.KekkaBar, byHand.KekkaBar);
    EXPECT_NE(Design.KekkaTauC, before.KekkaTauC);
}

}  // namespace
}  // namespace talvo::test
