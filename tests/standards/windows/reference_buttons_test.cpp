// The steps' "参考値..." buttons: each opens its dialog, a row is picked (or
// the dialog cancelled), and the step's boxes, the design and the flags show
// the pick as the step's own checks store it.
#include <QTimer>

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
    // Presses `button`; once dialog D stands open, `act` drives it. Fails
    // when no D opens.
    template <class D>
    static void PressAndDo(QPushButton* button, std::function<void(D*)> act) {
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

    Design.InfillName = "土のう";
    Design.InfillGamma = "   18.0";
    PickRow<FJyuuryo>(w->cmdRefer[1], 5);  // an empty row empties the panel
    EXPECT_EQ(Design.InfillName, "");
    EXPECT_EQ(Design.InfillGamma, "");
    EXPECT_EQ(S(w->txtWeight[1]), "");

    // Leaving the picked boxes stores nothing more.
    host->window->activateWindow();
    PumpEvents();
    LowerFlags();
    Type(w->txtWeight[0], w->txtWeight[0]->text());
    Type(w->txtName[0], w->txtName[0]->text());
    EXPECT_EQ(Flags(), "00000");
    SaveShot(w, "n4omosa_picked");
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
