// Every embedded layout form drawn by the renderer through the printing
// control onto its own page and saved as PDF: each page gives back the
// captions of its form. With TALVO_SHOT_DIR set, the PDF is kept there as
// layout-forms.pdf for people to look at.
#include <gtest/gtest.h>

#include <QProcess>
#include <QTemporaryDir>
#include <cstdlib>
#include <string>
#include <variant>

#include "platform/printcontrol.h"
#include "report/engine/layoutform.h"
#include "report/engine/renderer.h"

namespace talvo {
namespace {

// Text without its blanks, half- and full-width: the PDF's text layer
// spaces the characters its own way.
QString Squeezed(const QString& s) {
    QString out;
    for (QChar c : s)
        if (!c.isSpace()) out += c;
    return out;
}

QString PdfPageText(const QString& pdf, int page) {
    QProcess p;
    const QString n = QString::number(page);
    p.start("pdftotext", {"-f", n, "-l", n, pdf, "-"});
    p.waitForFinished(30000);
    return Squeezed(QString::fromUtf8(p.readAllStandardOutput()));
}

TEST(LayoutFormsOnPaper, EveryFormDrawsItsCaptions) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintControl control;
    control.StartDoc();
    report::ReportPrint print;
    print.DrawCorrect(control);
    print.SetPrintPage(0);
    const std::vector<std::string> names = report::FormNames();
    ASSERT_FALSE(names.empty());
    std::vector<std::string> firstCaption;
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (i > 0) control.NewPage();
        print.SetCurPage(static_cast<int>(i) + 1);
        std::unique_ptr<report::LayoutForm> form = report::LoadForm(names[i]);
        ASSERT_NE(form, nullptr) << names[i];
        // A caption that is plain text of the form, written without blanks
        // (a spaced-out heading comes back from the PDF interleaved with the
        // texts beside it), to find on its page.
        std::string caption;
        for (const report::FormItem& item : form->items) {
            const auto* l = std::get_if<report::FormLabel>(&item);
            if (l && caption.empty() && l->visible && l->enabled && l->caption.size() >= 6 &&
                l->caption.find(' ') == std::string::npos &&
                l->caption.find("　") == std::string::npos && l->caption.rfind("Lab", 0) != 0 &&
                l->caption.rfind("lab", 0) != 0)
                caption = l->caption;
        }
        firstCaption.push_back(caption);
        print.DrawFrm(control, form, 0, print.BlockTop(0));
        EXPECT_EQ(form, nullptr) << names[i] << ": the renderer releases the form";
    }
    control.EndDoc();
    const QString pdf = dir.filePath("forms.pdf");
    ASSERT_EQ(control.SavePdf(pdf.toStdString()), "");
    for (std::size_t i = 0; i < names.size(); ++i) {
        if (firstCaption[i].empty()) continue;
        EXPECT_TRUE(PdfPageText(pdf, static_cast<int>(i) + 1)
                        .contains(Squeezed(QString::fromStdString(firstCaption[i]))))
            << names[i] << ": " << firstCaption[i];
    }
    if (const char* shots = std::getenv("TALVO_SHOT_DIR"); shots && *shots) {
        QDir().mkpath(QString::fromLocal8Bit(shots));
        control.SavePdf(std::string(shots) + "/layout-forms.pdf");
    }
}

}  // namespace
}  // namespace talvo
