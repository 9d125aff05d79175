// The preview of the printing control: the recorded pages on screen, at a
// zoom. It only shows; the preview window's tools drive it.
#pragma once

#include <QWidget>

namespace talvo {

class PrintControl;

// How the zoom is chosen: a fixed percent, or fitted to the window.
enum class ZoomMode {
    Percent = 0,     // Zoom() percent of the paper's real size
    Thumbnails = 1,  // every page, small, row by row
    TwoPages = 2,    // the page shown and the next one side by side, fitted
    WholePage = 3,   // the page shown fitted into the window
    PageWidth = 4,   // the page shown as wide as the window
};

class PrintPreview : public QWidget {
    Q_OBJECT
public:
    explicit PrintPreview(const PrintControl& control, QWidget* parent = nullptr);

    // The page shown, 1-based; clamped to the document's pages. Emits
    // pageChanged when it changes.
    int PreviewPage() const { return page_; }
    void SetPreviewPage(int page);
    int PageCount() const;

    ZoomMode Mode() const { return mode_; }
    void SetZoomMode(ZoomMode mode);
    // The zoom in percent; in a fitted mode, the percent the fit comes to.
    // Setting it switches to the fixed percent.
    double Zoom() const;
    void SetZoom(double percent);
    // One step of the zoom tools: +10 below 200 %, -10 above 10 % (a zoom of
    // 195 becomes 205; one of 15 becomes 5 and stays there).
    void ZoomIn();
    void ZoomOut();

    // After the report was drawn again: keeps the page shown when it still
    // exists and repaints.
    void DocumentChanged();

    QSize sizeHint() const override;
    // At a fixed percent the page keeps its size and a scroll area around
    // the preview scrolls it; the thumbnails keep their rows. The fitted
    // modes follow the window.
    QSize minimumSizeHint() const override;

signals:
    void pageChanged(int page);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Screen pixels per twip at the current zoom.
    double PixelsPerTwip() const;
    double FitScale() const;

    const PrintControl& control_;
    int page_ = 1;
    ZoomMode mode_ = ZoomMode::WholePage;
    double zoom_ = 100;
};

}  // namespace talvo
