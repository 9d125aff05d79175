// The entries a design lacks, as an engineer meets them on the way through
// the steps: an empty box that a calculation reads, a text of a file that its
// box would refuse. The results window names them in its red line, the
// question before printing says so first, and page 1 of the short report
// prints the line.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <optional>
#include <string>

#include "platform/printcontrol.h"
#include "platform/tabstrip.h"
#include "report/chapters/sequencer.h"
#include "report/printcommand.h"
#include "results/resulttable.h"
#include "results/snowbound_greening.h"
#include "results/windows/NNkekka.h"
#include "results/windows/results_chain.h"
#include "shell/designfile.h"
#include "shell/globals.h"
#include "shell/numtext.h"
#include "steps/groundanchor.h"
#include "steps/windows/N3supan.h"
#include "steps/windows/NAgrand1.h"
#include "support/filled_design.h"
#include "support/qt/pdf_tools.h"
#include "support/qt/shots.h"

namespace talvo::test {
namespace {

class EntriesTest : public ResultsChainTest {
protected:
    void OpenExample(const char* file, void (*change)(DesignData&) = nullptr) {
        OpenChain([file, change] {
            ResetCalcState();
            ASSERT_EQ(ReadDesignFile((kExamplesFolder / file).string(), Design),
                      DesignReadStatus::Ok);
            if (change) change(Design);
            SetAllRecalc(true);
        });
        main->SetPrintCommand([this](int) {
            if (PreparePrint()) ++prints;
        });
    }
    int StepNumber(const char* className) const {
        for (int i = 1; i <= Last(); ++i)
            if (Steps()->Step(i)->ClassName() == QString::fromLatin1(className)) return i;
        return -1;
    }
    void ShowStep(int n) {
        Steps()->ShowStep(n);
        Settle();
    }
    void Key(QWidget* w, Qt::Key key) {
        QTest::keyClick(w, key);
        Settle();
    }
    // Clicks into `box` and types `text` over what it holds, by keys.
    void TypeInto(QLineEdit* box, const char* text) {
        QTest::mouseClick(box, Qt::LeftButton);
        Settle();
        QTest::keyClick(box, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(box, Qt::Key_Delete);
        QTest::keyClicks(box, text);
        Settle();
    }
    void Click(QWidget* w) {
        QTest::mouseClick(w, Qt::LeftButton, Qt::NoModifier,
                          QPoint(w->width() / 2, w->height() / 2));
        Settle();
    }
    // Ticks the first row of every set in use, by mouse.
    void TickRows() {
        NNkekka* w = Results();
        Click(w->Check1[0]);
        if (!SingleSetMode()) {
            QTest::mouseClick(w->SSTab1, Qt::LeftButton, {}, w->SSTab1->tabRect(1).center());
            Settle();
            Click(w->Check1[0]);
        }
    }
    std::string RedLine() const {
        QLabel* label = Results()->lblOut;
        return label->isVisible() ? label->text().remove(QLatin1Char('\n')).toStdString() : "";
    }
    int prints = 0;
};

// A wedge design with no span down the slope: the span count typed as 0 and
// the upper overhang, which then stands for the span, cleared and left by
// Tab. The results window names it, the short report's print asks first
// about it, and page 1 prints the line.
TEST_F(EntriesTest, AnUpperOverhangLeftEmptyWithNoSpanIsNamed) {
    OpenExample("wedge.kvd");
    const int step = StepNumber("N3supan");
    ASSERT_GT(step, 0);
    ShowStep(step);
    auto* spans = qobject_cast<N3supan*>(Steps()->Step(step));
    ASSERT_NE(spans, nullptr);

    TypeInto(spans->txtSpanNum[0], "0");
    Key(spans->txtSpanNum[0], Qt::Key_Tab);
    EXPECT_EQ(Design.SpanCountY, "  0");
    EXPECT_FALSE(spans->txtSpanLength[0]->isEnabled());
    // The focus passes the greyed span to the upper overhang.
    ASSERT_EQ(QApplication::focusWidget(), spans->txtUpper[0]);
    Key(spans->txtUpper[0], Qt::Key_Delete);
    Key(spans->txtUpper[0], Qt::Key_Tab);
    EXPECT_EQ(Design.OverhangUpper, "");

    Click(spans->cmdResult);
    ASSERT_EQ(CurStep, Last());
    NNkekka* w = Results();
    EXPECT_EQ(RedLine(), "未入力：ℓc");
    EXPECT_EQ(w->lblOut->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    SaveShotIfAsked(w->SubWindow(), QStringLiteral("nnkekka_no_upper_overhang"));

    TickRows();
    messages.Expect("未入力の項目があります。\r印刷しますか？", MsgButtons::YesNo,
                    MsgIcon::Exclamation, MsgResult::No);
    Click(w->cmdPrint[0]);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(prints, 0);

    PrintControl control;
    control.SetFooter("%d");
    report::MakeChapterReport(Design.WorkType)->DrawReport(control, 0);
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("short.pdf"));
    ASSERT_EQ(control.SavePdf(pdf.toStdString()), "");
    const std::optional<QString> page1 = PdfPageText(pdf, 1);
    ASSERT_TRUE(page1.has_value());
    EXPECT_TRUE(page1->contains(QStringLiteral("未入力：ℓc"))) << page1->toStdString();
    if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        control.SavePdf(std::string(shots) + "/short-report-no-upper-overhang.pdf");
    }

    // 0 is an entry: typed, the line goes.
    ShowStep(step);
    TypeInto(spans->txtUpper[0], "0");
    Key(spans->txtUpper[0], Qt::Key_Tab);
    EXPECT_EQ(Design.OverhangUpper, "  0.000");
    Click(spans->cmdResult);
    EXPECT_EQ(RedLine(), "");
}

// Texts of a file that their boxes would refuse: a frame weight of a point
// only (never entered), a tensile load of a decimal in whole kN and a yield
// load above it (out of range). The results window and the question name
// them; typed into the tendon step, the same texts are refused as before.
TEST_F(EntriesTest, StoredTextsABoxWouldRefuseAreNamed) {
    OpenExample("anchor.kvd", [](DesignData& d) {
        d.FrameGamma = ".";
        d.Tus = "  50.6";
        d.Tys = "  45";
    });
    ShowStep(Last());
    EXPECT_EQ(RedLine().substr(0, RedLine().find("　ＯＵＴ：")), "未入力：γc　範囲外：Tus");
    SaveShotIfAsked(Results()->SubWindow(), QStringLiteral("nnkekka_out_of_range"));
    TickRows();
    messages.Expect(
        "未入力の項目と範囲外の項目があります。\r"
        "印刷対象となっている結果にはｏｕｔとなる項目があります。\r印刷しますか？",
        MsgButtons::YesNo, MsgIcon::Exclamation, MsgResult::No);
    Click(Results()->cmdPrint[0]);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(prints, 0);

    const int step = StepNumber("NAgrand1");
    ASSERT_GT(step, 0);
    ShowStep(step);
    auto* tendon = qobject_cast<NAgrand1*>(Steps()->Step(step));
    ASSERT_NE(tendon, nullptr);
    messages.Expect("入力値が有効精度を超えています。\r有効精度内（整数値）に変更してください。",
                    MsgButtons::Ok, MsgIcon::Exclamation, MsgResult::Ok);
    TypeInto(tendon->txtTus, "50.7");
    Key(tendon->txtTus, Qt::Key_Tab);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.Tus, "  50.6");

    // A yield load above the tensile load, typed, is refused too.
    TypeInto(tendon->txtTus, "400");
    Key(tendon->txtTus, Qt::Key_Tab);
    ASSERT_EQ(TrimBlanks(Design.Tus), "400");
    messages.Expect(TendonLoadsMessage(Design.Tus, "500"), MsgButtons::Ok, MsgIcon::Exclamation,
                    MsgResult::Ok);
    TypeInto(tendon->txtTys, "500");
    Key(tendon->txtTys, Qt::Key_Tab);
    EXPECT_TRUE(messages.AllShown());
    EXPECT_EQ(Design.Tys, "  45");
}

}  // namespace
}  // namespace talvo::test
