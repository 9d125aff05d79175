#include "platform/printcontrol.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <optional>
#include <string>

#include "support/qt/pdf_tools.h"

namespace talvo {
namespace {

using report::PenStyle;
using report::TextAlign;
using test::PdfPageCount;
using test::RunTool;

// Three pages, each with its own Japanese text in the report's mincho face.
void DrawThreePages(PrintControl& control) {
    const char* texts[] = {"設計条件一覧", "荷重の計算結果", "のり枠の断面検討"};
    control.StartDoc();
    for (int i = 0; i < 3; ++i) {
        if (i > 0) control.NewPage();
        control.SetFontName("ＭＳ 明朝");
        control.SetFontSize(12);
        control.SetCurrentX(1440);
        control.SetCurrentY(1440);
        control.PrintText(texts[i]);
        control.DrawLine(1440, 1800, 8000, 1800);
    }
    control.EndDoc();
}

// The bounding box of the pixels that are not white, in image pixels.
QRect InkBox(const QImage& image, const QRect& within) {
    int left = INT_MAX, top = INT_MAX, right = -1, bottom = -1;
    const QRect area = within.intersected(image.rect());
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 200) {
                left = std::min(left, x);
                top = std::min(top, y);
                right = std::max(right, x);
                bottom = std::max(bottom, y);
            }
    return right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
}

// Page 1 of the control painted on a white A4 image at 0.1 pixel per twip.
QImage PaintAtTenthScale(const PrintControl& control) {
    QImage image(1191, 1684, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.scale(0.1, 0.1);
    control.RenderPage(painter, 1);
    painter.end();
    return image;
}

TEST(PrintControl, ReportFacesMapToTheInstalledIpaFonts) {
    struct Case {
        const char* face;
        const char* family;
    } cases[] = {{"ＭＳ 明朝", "IPAMincho"},
                 {"ＭＳ Ｐ明朝", "IPAPMincho"},
                 {"ＭＳ ゴシック", "IPAGothic"},
                 {"ＭＳ Ｐゴシック", "IPAPGothic"},
                 {"@ＭＳ 明朝", "IPAMincho"}};
    PrintControl control;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.face);
        EXPECT_EQ(ReportFontFamily(c.face), QString(c.family));
        EXPECT_TRUE(control.FontInstalled(c.face));
    }
    EXPECT_EQ(ReportFontFamily("MT Extra"), QString("MT Extra"));
    EXPECT_FALSE(control.FontInstalled("Talvo No Such Face"));
    EXPECT_FALSE(control.FontInstalled(""));

    report::FontSpec spec{"ＭＳ ゴシック", 10.5, true, true, true};
    const QFont font = ReportFont(spec);
    EXPECT_EQ(font.pixelSize(), 210);  // twips
    EXPECT_TRUE(font.bold());
    EXPECT_TRUE(font.italic());
    EXPECT_TRUE(font.underline());
}

TEST(PrintControl, PdfHoldsEachPagesJapaneseTextOnItsOwnPage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintControl control;
    DrawThreePages(control);
    control.SetFooter("- %d -");
    const QString path = dir.filePath("報告書.pdf");
    ASSERT_EQ(control.SavePdf(path.toStdString()), "");

    ASSERT_EQ(PdfPageCount(path), 3);
    const QString texts[] = {"設計条件一覧", "荷重の計算結果", "のり枠の断面検討"};
    for (int page = 1; page <= 3; ++page) {
        SCOPED_TRACE(page);
        const auto text = test::PdfPageText(path, page);
        ASSERT_TRUE(text.has_value());
        for (int other = 1; other <= 3; ++other)
            EXPECT_EQ(text->contains(texts[other - 1]), other == page) << text->toStdString();
        EXPECT_TRUE(text->contains(QString("- %1 -").arg(page))) << text->toStdString();
    }

    // A4 portrait: 595 × 842 points.
    const auto info = RunTool("pdfinfo", {path});
    ASSERT_TRUE(info.has_value());
    EXPECT_TRUE(info->contains("595 x 842 pts (A4)")) << info->toStdString();
    // The faces travel with the file.
    const auto fonts = RunTool("pdffonts", {path});
    ASSERT_TRUE(fonts.has_value());
    EXPECT_TRUE(fonts->contains("IPAMincho")) << fonts->toStdString();
    for (const QString& line : fonts->split('\n').mid(2)) {
        if (!line.trimmed().isEmpty()) {
            EXPECT_TRUE(line.contains(" yes ")) << line.toStdString();
        }
    }
}

TEST(PrintControl, FailedSaveReportsAndLeavesNothing) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintControl control;
    DrawThreePages(control);
    const QString missing = dir.filePath("無い/フォルダ");
    EXPECT_NE(control.SavePdf((missing + "/a.pdf").toStdString()), "");
    EXPECT_FALSE(QFileInfo::exists(missing));
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries).isEmpty());

    // An existing file survives a document that has nothing to write.
    const QString kept = dir.filePath("kept.pdf");
    QFile file(kept);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("old");
    file.close();
    PrintControl empty;
    EXPECT_NE(empty.SavePdf(kept.toStdString()), "");
    QFile reread(kept);
    ASSERT_TRUE(reread.open(QIODevice::ReadOnly));
    EXPECT_EQ(reread.readAll(), QByteArray("old"));
}

TEST(PrintControl, PrintsAllPagesOrOnePageOnAPrinter) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    PrintControl control;
    DrawThreePages(control);
    control.SetFooter("%d");

    QPrinter all(QPrinter::HighResolution);
    all.setOutputFormat(QPrinter::PdfFormat);
    all.setOutputFileName(dir.filePath("all.pdf"));
    ASSERT_EQ(control.Print(all), "");
    EXPECT_EQ(PdfPageCount(dir.filePath("all.pdf")), 3);

    QPrinter one(QPrinter::HighResolution);
    one.setOutputFormat(QPrinter::PdfFormat);
    one.setOutputFileName(dir.filePath("one.pdf"));
    ASSERT_EQ(control.Print(one, 2), "");
    ASSERT_EQ(PdfPageCount(dir.filePath("one.pdf")), 1);
    const auto text = test::PdfPageText(dir.filePath("one.pdf"), 1);
    ASSERT_TRUE(text.has_value());
    EXPECT_TRUE(text->contains("荷重の計算結果"));
    EXPECT_FALSE(text->contains("設計条件一覧"));
    // The page keeps its number in the document.
    EXPECT_TRUE(text->contains("2")) << text->toStdString();
    // The paper is the report's, full page from the corner.
    EXPECT_TRUE(one.fullPage());
    EXPECT_EQ(one.pageLayout().pageSize().id(), QPageSize::A4);
    EXPECT_EQ(one.pageLayout().orientation(), QPageLayout::Portrait);

    QPrinter none(QPrinter::HighResolution);
    none.setOutputFormat(QPrinter::PdfFormat);
    none.setOutputFileName(dir.filePath("none.pdf"));
    EXPECT_NE(control.Print(none, 4), "");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath("none.pdf")));
}

// The text's cell starts at CurrentX/CurrentY: ink lies below the cell's top
// and within one cell height; Right and Center place its end or middle at x.
TEST(PrintControl, TextStandsInItsCellFromTheTopLeft) {
    struct Case {
        TextAlign align;
        int expectLeftPx;   // -1: not checked
        int expectRightPx;  // -1: not checked
    } cases[] = {
        {TextAlign::Left, 500, -1}, {TextAlign::Right, -1, 500}, {TextAlign::Center, -1, -1}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.align));
        PrintControl control;
        control.StartDoc();
        control.SetFontName("ＭＳ ゴシック");
        control.SetFontSize(20);  // 400 twips, 40 pixels here
        control.SetTextAlign(c.align);
        control.SetCurrentX(5000);
        control.SetCurrentY(3000);
        control.PrintText("■■");
        const QRect ink = InkBox(PaintAtTenthScale(control), QRect(0, 0, 1191, 1684));
        ASSERT_FALSE(ink.isNull());
        EXPECT_GE(ink.top(), 300);
        EXPECT_LE(ink.bottom(), 340);
        EXPECT_GT(ink.height(), 25);
        if (c.expectLeftPx >= 0) {
            EXPECT_NEAR(ink.left(), c.expectLeftPx, 8);  // the glyph's side bearing
        }
        if (c.expectRightPx >= 0) {
            EXPECT_NEAR(ink.right(), c.expectRightPx, 8);
        }
        if (c.align == TextAlign::Center) {
            EXPECT_NEAR((ink.left() + ink.right()) / 2.0, 500, 3);
        }
    }
}

TEST(PrintControl, LinesAndBoxesTakeThePensWidthStyleAndColour) {
    PrintControl control;
    control.StartDoc();
    control.SetPenColor(0x0000FF);  // red, BGR
    control.SetPenWidth(100);       // 10 pixels here
    control.DrawLine(1000, 2000, 9000, 2000);
    control.SetPenStyle(PenStyle::None);
    control.DrawLine(1000, 5000, 9000, 5000);
    control.SetPenStyle(PenStyle::InsideFrame);
    control.SetPenColor(0xFF0000);                  // blue
    control.DrawRectangle(9000, 9000, 3000, 7000);  // corners in any order
    const QImage image = PaintAtTenthScale(control);

    const QRect line = InkBox(image, QRect(0, 150, 1191, 100));
    EXPECT_NEAR(line.height(), 10, 2);
    EXPECT_EQ(QColor(image.pixel(500, 200)), QColor(Qt::red));
    EXPECT_TRUE(InkBox(image, QRect(0, 450, 1191, 100)).isNull());  // style None

    // The inside frame stays within the box: 300..900 × 700..900 pixels.
    const QRect box = InkBox(image, QRect(0, 600, 1191, 400));
    EXPECT_NEAR(box.left(), 300, 1);
    EXPECT_NEAR(box.right(), 900, 1);
    EXPECT_NEAR(box.top(), 700, 1);
    EXPECT_NEAR(box.bottom(), 900, 1);
    EXPECT_EQ(QColor(image.pixel(600, 705)), QColor(Qt::blue));
    EXPECT_EQ(QColor(image.pixel(600, 800)), QColor(Qt::white));  // outlined, not filled
}

// A broken line keeps its pattern on paper: the same dashes at one twip per
// pixel (as in the PDF, 1440 dpi) as at a small preview scale. With the
// thinnest pen the pattern must not shrink to device pixels.
TEST(PrintControl, BrokenLinesKeepTheirPatternInTwipsOnEveryDevice) {
    struct Case {
        PenStyle style;
        int marksPer2400Twips;
    } cases[] = {{PenStyle::Dash, 20}, {PenStyle::Dot, 53}, {PenStyle::DashDot, 29}};
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.style));
        PrintControl control;
        control.StartDoc();
        control.SetPenStyle(c.style);
        control.SetPenWidth(0);
        control.DrawLine(100, 100, 2500, 100);
        for (double scale : {1.0, 0.25}) {
            SCOPED_TRACE(scale);
            QImage image(static_cast<int>(2600 * scale), static_cast<int>(200 * scale),
                         QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter painter(&image);
            painter.scale(scale, scale);
            control.RenderPage(painter, 1);
            painter.end();
            int marks = 0;
            bool inMark = false;
            const int row = static_cast<int>(100 * scale);
            for (int x = 0; x < image.width(); ++x) {
                const bool ink = qGray(image.pixel(x, row)) < 160;
                if (ink && !inMark) ++marks;
                inMark = ink;
            }
            EXPECT_NEAR(marks, c.marksPer2400Twips, 2);
        }
    }
}

// The picture file wins when it can be read; a missing or broken ℓ picture is
// drawn by the control; any other missing picture is left out.
TEST(PrintControl, PicturesComeFromTheProgramFolderOrTheBuiltInL) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    QImage blue(8, 8, QImage::Format_RGB32);
    blue.fill(Qt::blue);
    const QString goodFolder = dir.filePath("good");
    const QString brokenFolder = dir.filePath("broken");
    ASSERT_TRUE(QDir().mkpath(goodFolder) && QDir().mkpath(brokenFolder));
    ASSERT_TRUE(blue.save(goodFolder + "/L-prn.bmp", "BMP"));
    QFile broken(brokenFolder + "/L-prn.bmp");
    ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
    broken.write("BM not really a picture");
    broken.close();
    // Pictures are read as bitmaps only: a PNG under the name is no picture,
    // and a pipe under it is not even opened.
    const QString pngFolder = dir.filePath("png");
    const QString pipeFolder = dir.filePath("pipe");
    ASSERT_TRUE(QDir().mkpath(pngFolder) && QDir().mkpath(pipeFolder));
    ASSERT_TRUE(blue.save(pngFolder + "/L-prn.bmp", "PNG"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipeFolder + "/L-prn.bmp").constData(), 0644), 0);

    enum class Expect { Blue, BuiltIn, Nothing };
    struct Case {
        QString folder;
        const char* name;
        Expect expect;
    } cases[] = {{goodFolder, "L-prn.bmp", Expect::Blue},
                 {dir.filePath("absent"), "L-prn.bmp", Expect::BuiltIn},
                 {brokenFolder, "L-prn.bmp", Expect::BuiltIn},
                 {pngFolder, "L-prn.bmp", Expect::BuiltIn},
                 {pipeFolder, "L-prn.bmp", Expect::BuiltIn},
                 {goodFolder, "../good/L-prn.bmp", Expect::Nothing},
                 {goodFolder, "other.bmp", Expect::Nothing}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SCOPED_TRACE(c.folder.toStdString());
        PrintControl control;
        control.SetPictureFolder(c.folder);
        control.StartDoc();
        control.DrawPicture(c.name, 2000, 2000, 2000, 3000);  // 200..400 × 200..500 pixels
        const QImage image = PaintAtTenthScale(control);
        const QRect ink = InkBox(image, QRect(0, 0, 1191, 1684));
        switch (c.expect) {
            case Expect::Blue:
                EXPECT_EQ(ink, QRect(200, 200, 200, 300));
                EXPECT_EQ(QColor(image.pixel(300, 350)), QColor(Qt::blue));
                break;
            case Expect::BuiltIn:
                ASSERT_FALSE(ink.isNull());
                EXPECT_TRUE(QRect(195, 195, 210, 310).contains(ink)) << ink.x() << "," << ink.y();
                EXPECT_GT(ink.height(), 200);  // stretched over the rectangle
                break;
            case Expect::Nothing:
                EXPECT_TRUE(ink.isNull());
                break;
        }
    }
}

}  // namespace
}  // namespace talvo
