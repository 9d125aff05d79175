// The load-sharing step NJrocktb offscreen: the worked design shown, each
// choice made on its button, its text or its ℓ picture, the focus frames,
// the single-row rule, and the direct entry of the design load.
#include <QFrame>
#include <QRadioButton>

#include "steps/windows/NJrocktb.h"
#include "steps/windows/input_entry_fixture.h"
#include "support/filled_design.h"

namespace talvo::test {
namespace {

class LoadSharingWindow : public InputStepTest {
protected:
    NJrocktb* Open(int workType) {
        FillWorkedAnchorDesign(static_cast<std::int16_t>(workType));
        LowerFlags();
        RecalcLoad = 1;
        return Load<NJrocktb>();
    }
    static void Click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(6, w->height() / 2));
        PumpEvents();
    }
    static std::string Text(const QLabel* l) { return l->text().toStdString(); }
    static QColor LabelFore(const QLabel* l) { return l->palette().color(QPalette::WindowText); }
};

TEST_F(LoadSharingWindow, WorkedDesignAndTheOptionTextsOfEachKind) {
    NJrocktb* w = Open(3);
    // Pt = 110.0 / cos 45° = 155.56, shown with five places.
    EXPECT_EQ(Text(w->lblPt), "  155.6");
    EXPECT_TRUE(w->lblPt->isVisible());
    EXPECT_FALSE(w->txtPt->isVisible());
    EXPECT_TRUE(w->SSOption1[0]->isChecked());
    EXPECT_TRUE(w->SSOption2[0]->isChecked());
    EXPECT_TRUE(w->SSOption3[0]->isChecked());
    EXPECT_TRUE(w->SSOption1[1]->isEnabled());
    EXPECT_EQ(Text(w->Label7[1]), "= 縦枠の全長÷ロックボルト数");
    EXPECT_EQ(Text(w->Label7[2]), "= ロックボルト縦ピッチ");
    EXPECT_EQ(Text(w->Label8[1]), "= 横枠の全長÷ロックボルト数");
    EXPECT_EQ(Text(w->Label8[2]), "= ロックボルト横ピッチ");
    EXPECT_EQ(LabelFore(w->Label7[2]), kBlack);
    // The load flag was consumed; the design is unchanged.
    EXPECT_EQ(Flags(), "00001");
    // 155.6 / (16.000 / 5 + 6.800 / 4) = 155.6 / 4.900 = 31.76.
    EXPECT_EQ(Design.TateToubunpu, "31.76");
    std::set<QString> overlays;
    for (int i = 0; i < 4; ++i) overlays.insert(QStringLiteral("lblOption3(%1)").arg(i));
    for (int i = 0; i < 2; ++i) {
        overlays.insert(QStringLiteral("lblOption1(%1)").arg(i));
        overlays.insert(QStringLiteral("lblOption2(%1)").arg(i));
    }
    ExpectLaidOutApart(w, overlays);
    SaveShot(w, QStringLiteral("NJrocktb"));

    w = Open(4);
    EXPECT_EQ(Text(w->Label7[1]), "= 縦枠の全長÷アンカー数");
    EXPECT_EQ(Text(w->Label7[2]), "= アンカー縦ピッチ");
    EXPECT_EQ(Text(w->Label8[1]), "= 横枠の全長÷アンカー数");
    EXPECT_EQ(Text(w->Label8[2]), "= アンカー横ピッチ");
    // Pt = 55.0 / cos 45°·2.000 / 1 = 155.56.
    EXPECT_EQ(Text(w->lblPt), "  155.6");
}

TEST_F(LoadSharingWindow, ChoicesByButtonTextAndPicture) {
    NJrocktb* w = Open(3);
    // Pt = 155.6; ℓ1 = 3.200 or the pitch 3.500, ℓ2 = 1.700 or 2.000.
    struct Step {
        QWidget* control;
        const char* name;
        int tate, yoko, pattern;
        const char* tateW;
        const char* yokoW;
        const char* flags;
        const char* arithmetic;
    };
    const Step steps[] = {
        {w->SSOption3[2], "SSOption3(2)", 0, 0, 2, "48.63", "91.53", "10001",
         "155.6 / 3.200 = 48.625; 155.6 / 1.700 = 91.529"},
        {w->lblOption1[1], "SSOption1(1)", 1, 0, 2, "44.46", "91.53", "10001",
         "155.6 / 3.500 = 44.457"},
        {w->Picture2[1], "SSOption2(1)", 1, 1, 2, "44.46", "77.80", "10001",
         "155.6 / 2.000 = 77.800"},
        {w->Picture4[3], "SSOption3(3)", 1, 1, 3, "22.23", "38.90", "10001",
         "77.8 / 3.500 = 22.229; 77.8 / 2.000 = 38.900"},
        {w->lblOption3[1], "SSOption3(1)", 1, 1, 1, "29.36", "29.36", "10001",
         "155.6 / (3.500 + 2.000 − 0.200) = 29.358"},
        {w->Picture3[0], "SSOption3(0)", 1, 1, 0, "28.29", "28.29", "10001",
         "155.6 / (3.500 + 2.000) = 28.291"},
        // The text of the option in force: nothing.
        {w->lblOption3[0], "SSOption3(0)", 1, 1, 0, "28.29", "28.29", "00000", "again"},
        {w->Picture1[0], "SSOption1(0)", 0, 1, 0, "29.92", "29.92", "10001",
         "155.6 / (3.200 + 2.000) = 29.923"},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.arithmetic);
        LowerFlags();
        Click(s.control);
        EXPECT_EQ(Design.TateShareMode, s.tate);
        EXPECT_EQ(Design.YokoShareMode, s.yoko);
        EXPECT_EQ(Design.ToubunpuMode, s.pattern);
        EXPECT_EQ(Design.TateToubunpu, s.tateW);
        EXPECT_EQ(Design.YokoToubunpu, s.yokoW);
        EXPECT_EQ(Flags(), s.flags);
        // The chosen option is on and has the focus, framed.
        EXPECT_EQ(Focused(), s.name);
        EXPECT_TRUE(w->SSOption1[s.tate]->isChecked());
        EXPECT_TRUE(w->SSOption2[s.yoko]->isChecked());
        EXPECT_TRUE(w->SSOption3[s.pattern]->isChecked());
    }
}

TEST_F(LoadSharingWindow, FocusFramesFollowTheFocus) {
    NJrocktb* w = Open(3);
    w->SSOption2[0]->setFocus(Qt::TabFocusReason);
    PumpEvents();
    EXPECT_TRUE(w->Shp2[0]->isVisible());
    EXPECT_FALSE(w->Shp2[1]->isVisible());
    QTest::keyClick(w->SSOption2[0], Qt::Key_Down);
    PumpEvents();
    EXPECT_EQ(Design.YokoShareMode, 1);
    EXPECT_TRUE(w->Shp2[1]->isVisible());
    EXPECT_FALSE(w->Shp2[0]->isVisible());
    w->cmdNext->setFocus(Qt::TabFocusReason);
    PumpEvents();
    for (QFrame* f : w->findChildren<QFrame*>(QRegularExpression("^Sh")))
        EXPECT_FALSE(f->isVisible()) << f->objectName().toStdString();

    // Tab from the last button reaches the sink, which sends it round to the
    // first choice, at its chosen option.
    w->cmdResult->setFocus(Qt::TabFocusReason);
    PumpEvents();
    QTest::keyClick(w->cmdResult, Qt::Key_Tab);
    PumpEvents();
    QRadioButton* chosen = w->SSOption1[0]->isChecked() ? w->SSOption1[0] : w->SSOption1[1];
    EXPECT_EQ(QApplication::focusWidget(), chosen);
    EXPECT_EQ(host->selectShown, 0);
}

TEST_F(LoadSharingWindow, OneAnchorDownTheSlopeClosesThePitch) {
    FillWorkedAnchorDesign(4);
    Design.AnchorCountY = "  1";
    Design.TateShareMode = 1;
    LowerFlags();
    RecalcLoad = 1;
    NJrocktb* w = Load<NJrocktb>();
    EXPECT_FALSE(w->SSOption1[1]->isEnabled());
    EXPECT_EQ(LabelFore(w->Label7[2]), kRed);
    EXPECT_EQ(LabelFore(w->Label18_17), kRed);
    EXPECT_EQ(w->Label18_17->objectName(), "Label18(17)");
    EXPECT_TRUE(w->SSOption1[0]->isChecked());
    // The stored pitch option was switched to the total length: a change.
    // ℓ1 = 16.000 / 1; w = 155.6 / (16.000 + 1.700) = 8.79.
    EXPECT_EQ(Design.TateShareMode, 0);
    EXPECT_EQ(Design.TateShareL, "16.000");
    EXPECT_EQ(Design.TateToubunpu, "8.79");
    EXPECT_EQ(Flags(), "10001");
    SaveShot(w, QStringLiteral("NJrocktb_single_row"));

    // The red text and its picture select nothing.
    LowerFlags();
    Click(w->lblOption1[1]);
    Click(w->Picture1[1]);
    EXPECT_EQ(Design.TateShareMode, 0);
    EXPECT_EQ(Flags(), "00000");

    // Two anchors after all: open and black again, the choice stays.
    Design.AnchorCountY = "  2";
    w->HandleActivate();
    EXPECT_TRUE(w->SSOption1[1]->isEnabled());
    EXPECT_EQ(LabelFore(w->Label7[2]), kBlack);
    EXPECT_EQ(LabelFore(w->Label18_17), kBlack);
    EXPECT_TRUE(w->SSOption1[0]->isChecked());
    EXPECT_EQ(Design.TateShareMode, 0);
    EXPECT_EQ(Flags(), "00000");
}

TEST_F(LoadSharingWindow, DirectLoadEnteredInItsBox) {
    FillWorkedAnchorDesign(3);
    Design.PtDirect = 1;
    Design.PtInput.clear();
    LowerFlags();
    NJrocktb* w = Load<NJrocktb>();
    EXPECT_TRUE(w->txtPt->isVisible());
    EXPECT_FALSE(w->lblPt->isVisible());
    EXPECT_EQ(w->txtPt->text().toStdString(), "");

    // Pt typed as 12.3: stored with five places; only the load flag is
    // raised, nothing is recomputed yet.
    Type(w->txtPt, "12.3");
    EXPECT_EQ(Design.PtInput, "   12.3");
    EXPECT_EQ(w->txtPt->text().toStdString(), "   12.3");
    EXPECT_EQ(Flags(), "11000");
    EXPECT_EQ(Design.TateToubunpu, "");
    // The same value with blanks marks nothing.
    LowerFlags();
    Type(w->txtPt, "  12.3 ");
    EXPECT_EQ(Flags(), "00000");
    EXPECT_EQ(w->txtPt->text().toStdString(), "   12.3");
    // The next activation (here or of a later step) shares it:
    // 12.3 / (3.200 + 1.700) = 2.51.
    RecalcLoad = 1;
    w->HandleActivate();
    EXPECT_EQ(Design.Pt, "   12.3");
    EXPECT_EQ(Design.TateToubunpu, "2.51");
    EXPECT_EQ(w->txtPt->text().toStdString(), "   12.3");
    SaveShot(w, QStringLiteral("NJrocktb_direct"));

    // The limits: refused entries restore the stored value and leave the
    // focus where it went.
    CheckLimits(w, {"txtPt", &Design.PtInput, "0.1", "    0.1", "9999.9", " 9999.9", "0.05",
                    "10000", RangeMessage("0.1", "9999.9"), "1.25", DecimalsMessage(1), "１２．３",
                    "   12.3", "11000", false});
}

TEST_F(LoadSharingWindow, ARefusedLoadDoesNotHoldTheNextChoiceBack) {
    FillWorkedAnchorDesign(3);
    Design.PtDirect = 1;
    Design.PtInput = "   12.3";
    LowerFlags();
    NJrocktb* w = Load<NJrocktb>();
    TypeWithoutLeaving(w->txtPt, "0.05");
    messages.Expect(RangeMessage("0.1", "9999.9"));
    Click(w->lblOption3[2]);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.PtInput, "   12.3");
    EXPECT_EQ(w->txtPt->text().toStdString(), "   12.3");
    // The choice went through with the stored load: 12.3 / 3.200 = 3.84.
    EXPECT_EQ(Design.ToubunpuMode, 2);
    EXPECT_EQ(Design.TateToubunpu, "3.84");
    EXPECT_EQ(Focused(), "SSOption3(2)");
}

}  // namespace
}  // namespace talvo::test
