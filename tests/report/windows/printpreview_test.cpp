#include "platform/printpreview.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QSignalSpy>

#include "platform/printcontrol.h"

namespace talvo {
namespace {

void DrawPages(PrintControl& control, int pages) {
    control.StartDoc();
    for (int i = 0; i < pages; ++i) {
        if (i > 0) control.NewPage();
        control.SetPenWidth(200);
        control.DrawRectangle(2000, 2000, 9000, 9000);
    }
    control.EndDoc();
}

TEST(PrintPreview, ZoomStepsByTenWithinTheirLimits) {
    PrintControl control;
    DrawPages(control, 1);
    PrintPreview preview(control);
    struct Case {
        double from;
        bool in;
        double to;
    } cases[] = {{100, true, 110}, {195, true, 205}, {205, true, 205}, {200, true, 200},
                 {100, false, 90}, {15, false, 5},   {5, false, 5},    {10, false, 10}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.from);
        preview.SetZoom(c.from);
        c.in ? preview.ZoomIn() : preview.ZoomOut();
        EXPECT_DOUBLE_EQ(preview.Zoom(), c.to);
        EXPECT_EQ(preview.Mode(), ZoomMode::Percent);
    }
    // A step from a fitted view starts at the percent the fit came to.
    preview.resize(400, 600);
    preview.SetZoomMode(ZoomMode::WholePage);
    const double fitted = preview.Zoom();
    EXPECT_GT(fitted, 10);
    EXPECT_LT(fitted, 100);
    preview.ZoomIn();
    EXPECT_NEAR(preview.Zoom(), fitted + 10, 1e-9);
}

TEST(PrintPreview, PageShownStaysWithinTheDocumentAndReportsChanges) {
    PrintControl control;
    DrawPages(control, 3);
    PrintPreview preview(control);
    QSignalSpy spy(&preview, &PrintPreview::pageChanged);
    EXPECT_EQ(preview.PreviewPage(), 1);
    preview.SetPreviewPage(3);
    preview.SetPreviewPage(9);  // beyond the end: stays on the last page
    preview.SetPreviewPage(0);
    ASSERT_EQ(spy.count(), 2);
    EXPECT_EQ(spy.at(0).at(0).toInt(), 3);
    EXPECT_EQ(spy.at(1).at(0).toInt(), 1);

    // A rebuild with fewer pages moves the page shown back onto the document.
    preview.SetPreviewPage(3);
    DrawPages(control, 2);
    preview.DocumentChanged();
    EXPECT_EQ(preview.PreviewPage(), 2);
    EXPECT_EQ(spy.last().at(0).toInt(), 2);
}

// The fitted modes fit: the whole page inside the window, the page width
// across it; two pages side by side each at half the width.
TEST(PrintPreview, FittedModesShowThePaperInTheWindow) {
    PrintControl control;
    DrawPages(control, 2);
    PrintPreview preview(control);
    preview.resize(1000, 600);
    preview.SetZoomMode(ZoomMode::WholePage);
    const double whole = preview.Zoom();
    preview.SetZoomMode(ZoomMode::PageWidth);
    const double width = preview.Zoom();
    preview.SetZoomMode(ZoomMode::TwoPages);
    const double two = preview.Zoom();
    // A wide window: the height limits the whole page, the width limits the
    // page width; two A4 pages across 1000 pixels are still limited by height.
    EXPECT_GT(width, whole);
    EXPECT_NEAR(two, whole, 1e-9);

    // The frame of page 1 shows in the middle of the window at whole page.
    preview.SetZoomMode(ZoomMode::WholePage);
    const QImage shot = preview.grab().toImage();
    int dark = 0;
    for (int x = 0; x < shot.width(); ++x)
        if (qGray(shot.pixel(x, shot.height() / 2)) < 60) ++dark;
    EXPECT_GE(dark, 2);  // the box's left and right sides
}

}  // namespace
}  // namespace talvo
