#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QTest>
#include <QTimer>
#include <map>
#include <memory>

#include "companion/checks.h"
#include "companion/study.h"
#include "companion/ui/frmCondition.h"
#include "companion/ui/frmDeltaFs.h"
#include "companion/ui/frmPermission.h"
#include "companion/ui/frmResult.h"
#include "companion/ui/frmStandardSpan.h"
#include "companion/ui/frmVolume.h"
#include "platform/grid.h"
#include "platform/mdichild.h"
#include "shell/numtext.h"
#include "shell/tables.h"
#include "support/qt/clicks.h"
#include "support/qt/shots.h"
#include "support/scripted_messages.h"

namespace talvo::companion {
namespace {

using talvo::test::ScriptedMessages;

// The results window with a calculated study behind the dialogs.
class DialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        InitAllTables();
        InitCompanion();
        SoilWeight = "18.0";
        FrameWeight = "24.0";
        InfillWeight = "20.0";
        SlopeRatio = "1.00";
        SlopeAngle = "45.00";
        DeltaFs = "0.20";
        ArcTopDistance = "0.000";
        SigmaCa = "8.0";
        SigmaSa = "180";
        window_ = std::make_unique<FrmResult>();
        window_->show();
        window_->cmdCalculate->click();
        ASSERT_FALSE(KekkaL[0][0].empty());
    }
    void TearDown() override { window_.reset(); }

    bool ResultsKept() const { return !window_->sprLength->TextAt(1, 1).isEmpty(); }

    // Types into a box of the dialog and leaves it.
    static bool Enter(FrmCondition& dlg, int box, const char* text) {
        dlg.box[static_cast<std::size_t>(box)]->setText(QString::fromUtf8(text));
        return dlg.LeaveBox(box);
    }

    std::unique_ptr<FrmResult> window_;
};

TEST_F(DialogTest, SlopeConversionAndEntryChecks) {
    FrmCondition dlg(window_.get());
    EXPECT_TRUE(dlg.optSlope[0]->isChecked());
    EXPECT_TRUE(dlg.box[FrmCondition::Ratio]->isEnabled());
    EXPECT_FALSE(dlg.box[FrmCondition::Angle]->isEnabled());
    EXPECT_EQ(dlg.box[FrmCondition::Frame]->text(), QStringLiteral("    24.0"));

    struct Case {
        int box;
        const char* typed;
        const char* other;  // the converted slope value, or nullptr
        const char* shown;
    };
    const Case cases[] = {
        {FrmCondition::Ratio, "1.5", "33.69", "  1.50"},
        {FrmCondition::Ratio, "9.99", "5.72", "  9.99"},
        {FrmCondition::Angle, "45", "1.00", "    45.00"},
        {FrmCondition::Angle, "89.71", "0.01", "    89.71"},
        {FrmCondition::Frame, "24.56", nullptr, "    24.6"},
        {FrmCondition::Iron, "１８０", nullptr, "   180"},
    };
    for (const Case& c : cases) {
        EXPECT_TRUE(Enter(dlg, c.box, c.typed)) << c.typed;
        EXPECT_EQ(dlg.box[static_cast<std::size_t>(c.box)]->text(), QString::fromUtf8(c.shown));
        if (c.other) {
            EXPECT_EQ(c.box == FrmCondition::Ratio ? EditSlopeAngle : EditSlopeRatio, c.other)
                << c.typed;
        }
    }
    {
        ScriptedMessages messages;
        messages.Expect("値が有効範囲にありません。\r有効範囲（0.1～99.9）");
        EXPECT_FALSE(Enter(dlg, FrmCondition::Frame, "100"));
        EXPECT_EQ(dlg.box[FrmCondition::Frame]->text(), QStringLiteral("    24.6"));
        messages.Expect("値が正しくありません。");
        EXPECT_FALSE(Enter(dlg, FrmCondition::Safety, "0.2.1"));
        EXPECT_EQ(EditDeltaFs, "0.20");
    }
    // A cleared slope box is accepted and leaves the other value alone.
    EXPECT_TRUE(Enter(dlg, FrmCondition::Ratio, ""));
    EXPECT_EQ(EditSlopeRatio, "");
    EXPECT_EQ(EditSlopeAngle, "89.71");  // the last angle entry
    talvo::test::SaveShotIfAsked(&dlg, "companion_conditions");
    // Cancel commits nothing and keeps the results.
    dlg.Command2->click();
    EXPECT_EQ(FrameWeight, "24.0");
    EXPECT_TRUE(ResultsKept());
}

TEST_F(DialogTest, OkClearsResultsOnlyWhenSomethingChanged) {
    SlopeInputMode = 1;
    {
        FrmCondition dlg(window_.get());
        EXPECT_TRUE(dlg.optSlope[1]->isChecked());
        EXPECT_FALSE(dlg.box[FrmCondition::Ratio]->isEnabled());
        dlg.OkClick();
    }
    EXPECT_TRUE(ResultsKept());
    {
        FrmCondition dlg(window_.get());
        dlg.optSlope[0]->click();  // mode change alone counts
        dlg.OkClick();
    }
    EXPECT_EQ(SlopeInputMode, 0);
    EXPECT_FALSE(ResultsKept());
    EXPECT_EQ(KekkaL[2][0], "");
    // Clearing a value that reads as 0 (the distance 0.000) is a change too.
    window_->cmdCalculate->click();
    ASSERT_TRUE(ResultsKept());
    {
        FrmCondition dlg(window_.get());
        ASSERT_TRUE(Enter(dlg, FrmCondition::Distance, ""));
        dlg.OkClick();
    }
    EXPECT_EQ(ArcTopDistance, "");
    EXPECT_FALSE(ResultsKept());
}

TEST_F(DialogTest, InfillSwitchLocksTheThicknessRow) {
    {
        FrmCondition dlg(window_.get());
        dlg.chkConsider->click();
        EXPECT_FALSE(dlg.box[FrmCondition::Pack]->isEnabled());
        EXPECT_FALSE(dlg.cmdWeightReference[1]->isEnabled());
        dlg.OkClick();
    }
    EXPECT_EQ(InfillMode, 0);
    EXPECT_FALSE(ResultsKept());
    for (int c = 1; c <= 2; ++c) {
        EXPECT_EQ(window_->sprFrame->TextAt(c, 7), QStringLiteral("          -   "));
        EXPECT_FALSE(window_->sprFrame->item(6, c - 1)->flags() & Qt::ItemIsEditable);
    }
    {
        FrmCondition dlg(window_.get());
        dlg.chkConsider->click();
        dlg.OkClick();
    }
    EXPECT_EQ(window_->sprFrame->TextAt(2, 7), QStringLiteral("         100"));
    EXPECT_TRUE(window_->sprFrame->item(6, 1)->flags() & Qt::ItemIsEditable);
}

TEST_F(DialogTest, ReferencePicksAreWrittenIntoTheBoxes) {
    FrmCondition dlg(window_.get());
    DeltaFs = "0.50";
    // ΔFs: opens on 1.0 whatever is stored; a double-click on 0.2 picks it.
    dlg.SetDialogRunner([](QDialog& d) {
        auto& fs = static_cast<FrmDeltaFs&>(d);
        EXPECT_TRUE(fs.optFs[0]->isChecked());
        QTest::mouseDClick(fs.optFs[1], Qt::LeftButton);
        return d.result();
    });
    dlg.cmdGrapthReference->click();
    EXPECT_EQ(EditDeltaFs, "     0.20");
    EXPECT_EQ(dlg.box[FrmCondition::Safety]->text(), QStringLiteral("     0.20"));

    // Allowable stresses: third standard, fourth row.
    dlg.SetDialogRunner([](QDialog& d) {
        auto& ps = static_cast<FrmPermission&>(d);
        // The heads over the allowable stresses of the concrete and the bars.
        int heads = 0;
        for (QLabel* l : ps.findChildren<QLabel*>()) heads += l->text() == "許容応力度";
        EXPECT_EQ(heads, 2);
        ps.cmbAssociation->setCurrentIndex(2);
        ps.sprStress->setCurrentCell(3, 0);
        ps.cmdOK->click();
        return d.result();
    });
    dlg.cmdStressReference->click();
    EXPECT_EQ(StandardChoice, 2);
    EXPECT_EQ(EditSigmaCa, AllowableStressTable[2][3].SigmaCa);
    EXPECT_EQ(EditSigmaSa, AllowableStressTable[2][3].SigmaSa);
    EXPECT_EQ(dlg.box[FrmCondition::Iron]->text().toStdString(),
              FormatKeta(AllowableStressTable[2][3].SigmaSa, 6, 0));

    // Unit weights of the infill: the caption, and Enter on row 2.
    dlg.SetDialogRunner([](QDialog& d) {
        auto& vol = static_cast<FrmVolume&>(d);
        EXPECT_EQ(vol.windowTitle(), QStringLiteral("中詰め材の単位体積重量"));
        EXPECT_EQ(vol.sprVolume->TextAt(2, 2).toStdString(),
                  FormatKeta(UnitWeightTable[1][1].Value, 13, 1));
        vol.sprVolume->setCurrentCell(1, 0);
        QTest::keyClick(vol.sprVolume, Qt::Key_Return);
        return d.result();
    });
    dlg.cmdWeightReference[1]->click();
    EXPECT_EQ(EditInfillWeight, FormatKeta(UnitWeightTable[1][1].Value, 6, 1));
    EXPECT_EQ(dlg.box[FrmCondition::Pack]->text().toStdString(), EditInfillWeight);

    // Cancel of the conditions after all these picks commits nothing.
    dlg.Command2->click();
    EXPECT_EQ(DeltaFs, "0.50");
    EXPECT_EQ(SigmaSa, "180");
    EXPECT_TRUE(ResultsKept());
}

// In angle mode an angle whose gradient falls outside 0.01 to 9.99 (to two
// decimals) is refused as the engineer leaves the box, with the range that
// can be calculated; the box shows the last accepted angle again.
TEST_F(DialogTest, AnglesWithoutACalculableGradientAreRefused) {
    FrmCondition dlg(window_.get());
    dlg.show();
    dlg.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&dlg));
    QTest::mouseClick(dlg.optSlope[1], Qt::LeftButton);
    QLineEdit* angle = dlg.box[FrmCondition::Angle];
    ASSERT_TRUE(angle->isEnabled());
    struct Case {
        const char* typed;
        bool accepted;
        const char* shown;
        const char* ratio;
    };
    const Case cases[] = {
        {"5.72", true, "     5.72", "9.98"},   {"5.71", false, "     5.72", "9.98"},
        {"0.01", false, "     5.72", "9.98"},  {"89.71", true, "    89.71", "0.01"},
        {"89.72", false, "    89.71", "0.01"}, {"89.99", false, "    89.71", "0.01"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        ScriptedMessages messages;
        if (!c.accepted) messages.Expect("値が有効範囲にありません。\r有効範囲（5.72～89.71）");
        QTest::mouseClick(angle, Qt::LeftButton);
        angle->selectAll();
        QTest::keyClicks(angle, c.typed);
        QTest::keyClick(angle, Qt::Key_Tab);
        EXPECT_EQ(angle->text().trimmed(), QString::fromUtf8(c.shown).trimmed());
        EXPECT_EQ(EditSlopeAngle, TrimBlanks(c.shown));
        EXPECT_EQ(EditSlopeRatio, c.ratio);
        // A refused entry keeps the focus in the box.
        EXPECT_EQ(angle->hasFocus(), !c.accepted);
    }
    dlg.Command2->click();
}

// The conditions dialog opens 200 twips right of and below the results
// window, frame on frame.
TEST_F(DialogTest, ConditionsOpenBesideTheResultsWindow) {
    window_->move(100, 80);
    // A window manager places the window in its own time.
    QTest::qWait(200);
    QRect opened;
    talvo::test::WhenModal<FrmCondition>([&](FrmCondition* dlg) {
        opened = dlg->frameGeometry();
        QTest::mouseClick(dlg->Command2, Qt::LeftButton);
    });
    QTest::mouseClick(window_->cmdCondition, Qt::LeftButton);
    EXPECT_EQ(opened.topLeft(), window_->frameGeometry().topLeft() +
                                    QPoint(TwipsToPixelsX(200), TwipsToPixelsY(200)));
}

// Escape is bound to no button of these dialogs: they stay open.
TEST_F(DialogTest, EscapeLeavesTheDialogsOpen) {
    FrmCondition dlg(window_.get());
    FrmDeltaFs fs(&dlg, &dlg);
    FrmPermission ps(&dlg, &dlg);
    UnitWeightGroup = 0;
    FrmVolume vol(&dlg, &dlg);
    for (QDialog* d : std::initializer_list<QDialog*>{&dlg, &fs, &ps, &vol}) {
        d->show();
        QTest::keyClick(d, Qt::Key_Escape);
        EXPECT_TRUE(d->isVisible()) << d->objectName().toStdString();
        d->hide();
    }
}

// The text of a label as it is drawn, without its markup.
QString DrawnText(const QLabel* label) {
    QString t = label->text();
    return t.remove(QRegularExpression(QStringLiteral("<[^>]*>")));
}

// Every unit label of the companion's windows, as they open, stands at least
// as tall as a capital of the labels beside it ("m" is a small letter only,
// "kN/m³" has its capitals), in the program's own face and in the face of a
// Japanese desktop, whose small letters are smaller still. The degree sign
// is a raised mark, not letters, and is left as it is.
TEST_F(DialogTest, UnitLabelsStandAsTallAsTheCapitalsBesideThem) {
    const QStringList units = {QStringLiteral("m"), QStringLiteral("mm"), QStringLiteral("kN/m3"),
                               QStringLiteral("N/mm2"), QStringLiteral("(単位 N/mm2)")};
    const QFont programFace = QApplication::font();
    for (const char* face : {"", "IPAGothic"}) {
        SCOPED_TRACE(*face ? face : "program face");
        if (*face) QApplication::setFont(QFont(QString::fromLatin1(face), 9));
        FrmCondition dlg(window_.get());
        FrmDeltaFs fs(&dlg, &dlg);
        FrmPermission ps(&dlg, &dlg);
        UnitWeightGroup = 0;
        FrmVolume vol(&dlg, &dlg);
        FrmStandardSpan span(window_.get());
        std::map<QString, int> seen;
        for (QWidget* w :
             std::initializer_list<QWidget*>{window_.get(), &dlg, &fs, &ps, &vol, &span}) {
            w->show();
            QApplication::processEvents();
            for (QLabel* label : w->findChildren<QLabel*>()) {
                const QString text = DrawnText(label);
                // The window's own labels, not those of the dialogs over it.
                if (label->window() != w || !units.contains(text)) continue;
                SCOPED_TRACE(w->objectName().toStdString() + " " + text.toStdString());
                ++seen[text];
                // The capitals beside it: the labels of its row, or the text
                // of the window around it when it stands alone.
                double capital = 0;
                for (QLabel* other : label->parentWidget()->findChildren<QLabel*>(
                         QString(), Qt::FindDirectChildrenOnly)) {
                    if (other == label || units.contains(DrawnText(other))) continue;
                    const int mid = other->geometry().center().y();
                    if (mid < label->geometry().top() || mid > label->geometry().bottom()) continue;
                    capital = std::max(
                        capital, QFontMetricsF(other->font()).tightBoundingRect("H").height());
                }
                if (capital == 0)
                    capital = QFontMetricsF(label->parentWidget()->font())
                                  .tightBoundingRect("H")
                                  .height();
                const double drawn = QFontMetricsF(label->font()).tightBoundingRect(text).height();
                EXPECT_GE(drawn, capital - 1) << "capitals " << capital;
                // The whole text is in the label.
                EXPECT_GE(label->width(), label->sizeHint().width());
            }
            if (w == &dlg)
                talvo::test::SaveShotIfAsked(
                    &dlg, QStringLiteral("companion_conditions_units_%1")
                              .arg(*face ? QString::fromLatin1(face) : QStringLiteral("program")));
            if (w != window_.get()) w->hide();
        }
        // The distance's "m", the three unit weights and the two stresses of
        // the conditions, and the stress table's unit line were among them.
        EXPECT_EQ(seen[QStringLiteral("m")], 1);
        EXPECT_EQ(seen[QStringLiteral("kN/m3")], 3);
        EXPECT_EQ(seen[QStringLiteral("N/mm2")], 2);
        EXPECT_EQ(seen[QStringLiteral("(単位 N/mm2)")], 1);
        QApplication::setFont(programFace);
    }
}

TEST_F(DialogTest, StandardSpans) {
    // Rows 2 and 3 are the start patterns: assigning them keeps the results.
    {
        FrmStandardSpan dlg(window_.get());
        EXPECT_EQ(dlg.sprFrameSpan->TextAt(7, 6), QStringLiteral("D22×4本～D29×4本"));
        dlg.sprFrameSpan->setCurrentCell(1, 0);
        dlg.cmdPattern[0]->click();
    }
    EXPECT_TRUE(ResultsKept());
    // Row 6 to pattern 2.
    {
        FrmStandardSpan dlg(window_.get());
        talvo::test::SaveShotIfAsked(&dlg, "companion_standard_span");
        dlg.sprFrameSpan->setCurrentCell(5, 3);
        dlg.cmdPattern[1]->click();
    }
    EXPECT_EQ(PatWidth[1], "600");
    EXPECT_EQ(PatHeight[1], "600");
    EXPECT_EQ(PatEffHeight[1], "510");
    EXPECT_EQ(PatSpanYoko[1], "3.000");
    EXPECT_EQ(PatBarIndex[1], 4);
    EXPECT_EQ(PatBarCount[1], "4");
    EXPECT_EQ(window_->sprFrame->TextAt(2, 8), QStringLiteral("D22"));
    EXPECT_EQ(window_->sprFrame->TextAt(2, 4), QStringLiteral("         600"));
    EXPECT_TRUE(window_->sprLength->TextAt(3, 1).isEmpty());
    EXPECT_TRUE(ResultsKept());
    EXPECT_EQ(PatOverhang[1], "0.000");
    // An infill of 250 mm is red under the 200 section, normal under the 300 one.
    PatInfillThick[0] = "250";
    for (auto [row, red] : {std::pair{1, true}, std::pair{2, false}}) {
        FrmStandardSpan dlg(window_.get());
        dlg.sprFrameSpan->setCurrentCell(row, 0);
        dlg.cmdPattern[0]->click();
        EXPECT_EQ(window_->sprFrame->ForeColorAt(1, 7), red ? 255 : 0) << row;
    }
    // With the same-thickness option the infill takes the frame height.
    {
        FrmStandardSpan dlg(window_.get());
        dlg.chkSame->setChecked(true);
        dlg.sprFrameSpan->setCurrentCell(3, 0);
        dlg.cmdPattern[0]->click();
    }
    EXPECT_EQ(PatInfillThick[0], "400");
    EXPECT_EQ(window_->sprFrame->TextAt(1, 7), QStringLiteral("         400"));
}

// A key pressed where the focus is.
void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* to = QApplication::focusWidget();
    ASSERT_NE(to, nullptr) << "nothing holds the focus";
    QTest::keyClick(to, static_cast<Qt::Key>(key), modifiers);
    QApplication::processEvents();
}

// Runs `act` on the modal window of type T once it is up and the focus has
// come into it, as a person waits for a dialog before typing (a busy machine
// may deliver the activation a moment after the window stands). After two
// seconds it acts all the same, so that its checks fail and it closes the
// window.
template <class T>
void WhenFocusedIn(std::function<void(T*)> act) {
    auto* timer = new QTimer;
    timer->setInterval(10);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, [timer, act, tries] {
        auto* w = qobject_cast<T*>(QApplication::activeModalWidget());
        if (!w) return;
        QWidget* focus = QApplication::focusWidget();
        if ((!focus || !w->isAncestorOf(focus)) && ++*tries < 200) return;
        timer->stop();
        timer->deleteLater();
        act(w);
    });
    timer->start();
}

// Tabs on until `target` has the focus; the number of Tabs, -1 when never.
int TabTo(QWidget* target) {
    for (int i = 0; i < 40; ++i) {
        if (target->hasFocus()) return i;
        Key(Qt::Key_Tab);
    }
    return target->hasFocus() ? 40 : -1;
}

// The standard frame spans by keys: the table holds the focus at opening, on
// the row the pattern of the column in use holds; an arrow moves the row
// chosen, Tab leaves the table for the buttons without moving it, and Space
// on パターンnに代入 assigns that row, as Return in the table does to the
// pattern in use.
TEST_F(DialogTest, StandardSpansAreChosenByKeys) {
    struct Case {
        int column;  // of the results grid the engineer stands in
        int openRow;
        int key;
        int pattern;
        const char* width;
        int barIndex;
        const char* barCount;
        bool returnInTable = false;  // instead of Tab to the pattern's button and Space
    };
    // Pattern 1 starts as the 200 section (row 2), pattern 2 as the 300 one.
    const Case cases[] = {
        {0, 2, Qt::Key_Down, 0, "300", 1, "2"},
        {1, 3, Qt::Key_Up, 1, "200", 0, "2"},
        // Pattern 1 now holds the 300 section: the table opens on it.
        {0, 3, Qt::Key_Down, 1, "400", 2, "2"},
        // Return in the table gives the row chosen to the pattern in use.
        {1, 4, Qt::Key_Down, 1, "500", 2, "4", true},
        {0, 3, Qt::Key_Up, 0, "200", 0, "2", true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.column * 10 + c.pattern);
        window_->sprFrame->setCurrentCell(0, c.column);
        window_->cmdFrameSpan->setFocus(Qt::TabFocusReason);
        bool seen = false;
        WhenFocusedIn<FrmStandardSpan>([&](FrmStandardSpan* d) {
            seen = true;
            EXPECT_TRUE(d->sprFrameSpan->hasFocus());
            EXPECT_EQ(d->sprFrameSpan->currentRow() + 1, c.openRow);
            Key(c.key);
            if (c.returnInTable) {
                Key(Qt::Key_Return);
            } else {
                const int row = d->sprFrameSpan->currentRow();
                EXPECT_EQ(TabTo(d->cmdPattern[static_cast<std::size_t>(c.pattern)]), 2 + c.pattern);
                EXPECT_EQ(d->sprFrameSpan->currentRow(), row);
                Key(Qt::Key_Space);
            }
            if (d->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                d->reject();
            }
        });
        QTest::keyClick(window_->cmdFrameSpan, Qt::Key_Space);
        QApplication::processEvents();
        EXPECT_TRUE(seen);
        EXPECT_EQ(PatWidth[c.pattern], c.width);
        EXPECT_EQ(PatHeight[c.pattern], c.width);
        EXPECT_EQ(PatBarIndex[c.pattern], c.barIndex);
        EXPECT_EQ(PatBarCount[c.pattern], c.barCount);
        window_->activateWindow();
        QApplication::processEvents();
    }
}

// The allowable stresses and unit weights of the conditions by keys: each
// opens with its table holding the focus on the row of the value the
// conditions hold; Down or Up moves the choice, Tab leaves the table without
// moving it, and Return (in the table or on OK) takes the row chosen.
TEST_F(DialogTest, ReferenceTablesAreChosenByKeys) {
    FrmCondition dlg(window_.get());
    dlg.show();
    QApplication::processEvents();
    struct Case {
        const char* name;
        std::function<void()> open;
        std::function<Grid*()> table;
        int openRow;
        int key;
        bool tabToOk;
        std::function<std::string()> written;
        const char* expected;
    };
    // σca 8.0 and σsa 180 are the second row of the fourth standard.
    const Case cases[] = {
        {"stresses", [&] { dlg.cmdStressReference->click(); },
         [] {
             auto* d = qobject_cast<FrmPermission*>(QApplication::activeModalWidget());
             return d ? d->sprStress : nullptr;
         },
         2, Qt::Key_Down, false, [] { return EditSigmaCa + "/" + EditSigmaSa; }, "9.0/180"},
        {"stresses, Return on OK", [&] { dlg.cmdStressReference->click(); },
         [] {
             auto* d = qobject_cast<FrmPermission*>(QApplication::activeModalWidget());
             return d ? d->sprStress : nullptr;
         },
         3, Qt::Key_Up, true, [] { return EditSigmaCa + "/" + EditSigmaSa; }, "8.0/180"},
        {"infill weight",
         [&] {
             dlg.box[FrmCondition::Pack]->setText(QStringLiteral("  21.0"));
             dlg.cmdWeightReference[1]->click();
         },
         [] {
             auto* d = qobject_cast<FrmVolume*>(QApplication::activeModalWidget());
             return d ? d->sprVolume : nullptr;
         },
         3, Qt::Key_Up, true,
         [] { return QString::fromStdString(EditInfillWeight).trimmed().toStdString(); }, "18.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool seen = false;
        WhenFocusedIn<QDialog>([&](QDialog* d) {
            seen = true;
            Grid* table = c.table();
            ASSERT_NE(table, nullptr);
            EXPECT_TRUE(table->hasFocus());
            EXPECT_EQ(table->currentRow() + 1, c.openRow);
            Key(c.key);
            const int row = table->currentRow();
            if (c.tabToOk) {
                Key(Qt::Key_Tab);
                EXPECT_FALSE(table->hasFocus());
                EXPECT_EQ(table->currentRow(), row);
            }
            Key(Qt::Key_Return);
            if (d->isVisible()) {
                ADD_FAILURE() << "the dialog stayed open";
                d->reject();
            }
        });
        c.open();
        QApplication::processEvents();
        EXPECT_TRUE(seen);
        EXPECT_EQ(c.written(), c.expected);
        dlg.activateWindow();
        QApplication::processEvents();
    }
    dlg.Command2->click();
}

}  // namespace
}  // namespace talvo::companion
