// The short report of a filled design of every work type, built by its
// chapter sequencer through the printing control and saved as PDF: the
// pages come back from the PDF with the design's values on them. With
// TALVO_SHOT_DIR set, each PDF is kept there as short-report-<type>.pdf for
// people to look at.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>

#include "platform/printcontrol.h"
#include "report/chapters/sequencer.h"
#include "results/rebuild.h"
#include "shell/globals.h"
#include "support/filled_design.h"
#include "support/qt/pdf_tools.h"

namespace talvo {
namespace {

using test::PdfText;

TEST(ShortReportOnPaper, EveryWorkTypeGivesItsPagesWithTheDesignsValues) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    for (int type = 0; type <= 4; ++type) {
        SCOPED_TRACE(type);
        test::FillDesign(static_cast<std::int16_t>(type));
        SetAllRecalc(true);
        RunResultsActivation();
        // The first row of each set chosen for printing.
        Design.KekkaPrintRow = {1, 1};
        PrintCaseTate = 0;
        PrintCaseYoko = 6;

        PrintControl control;
        control.SetFooter("- %d -");
        report::MakeChapterReport(type)->DrawReport(control, 0);
        const QString pdf = dir.filePath(QStringLiteral("short-%1.pdf").arg(type));
        ASSERT_EQ(control.SavePdf(pdf.toStdString()), "");
        const QString text = PdfText(pdf);
        // The condition table's frame section and the footer of page 1.
        EXPECT_TRUE(text.contains(QStringLiteral("200"))) << text.left(400).toStdString();
        EXPECT_TRUE(text.contains(QStringLiteral("- 1 -")));
        EXPECT_FALSE(text.contains(QStringLiteral("Lab1 "))) << "a value cell left unfilled";
        if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
            QDir().mkpath(QString::fromLocal8Bit(shots));
            control.SavePdf(std::string(shots) + "/short-report-" + std::to_string(type) + ".pdf");
        }
    }
}

}  // namespace
}  // namespace talvo
