#include "platform/printpreview.h"

#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "platform/printcontrol.h"

namespace talvo {

namespace {
constexpr double kTwipsPerInch = 1440;
constexpr int kGap = 12;               // pixels around and between the pages
constexpr double kThumbnailZoom = 15;  // percent
}  // namespace

PrintPreview::PrintPreview(const PrintControl& control, QWidget* parent)
    : QWidget(parent), control_(control) {
    setAttribute(Qt::WA_OpaquePaintEvent);
}

int PrintPreview::PageCount() const {
    return control_.PageCount();
}

void PrintPreview::SetPreviewPage(int page) {
    page = std::clamp(page, 1, std::max(1, PageCount()));
    if (page == page_) return;
    page_ = page;
    update();
    emit pageChanged(page_);
}

void PrintPreview::SetZoomMode(ZoomMode mode) {
    if (mode == ZoomMode::Percent) zoom_ = Zoom();
    mode_ = mode;
    updateGeometry();
    update();
}

double PrintPreview::Zoom() const {
    if (mode_ == ZoomMode::Percent) return zoom_;
    return PixelsPerTwip() * kTwipsPerInch / logicalDpiX() * 100;
}

void PrintPreview::SetZoom(double percent) {
    if (!(percent > 0) || !std::isfinite(percent)) return;  // nothing to show at 0 or below
    zoom_ = percent;
    mode_ = ZoomMode::Percent;
    updateGeometry();
    update();
}

void PrintPreview::ZoomIn() {
    const double zoom = Zoom();
    if (zoom < 200) SetZoom(zoom + 10);
}

void PrintPreview::ZoomOut() {
    const double zoom = Zoom();
    if (zoom > 10) SetZoom(zoom - 10);
}

void PrintPreview::DocumentChanged() {
    const int page = std::clamp(page_, 1, std::max(1, PageCount()));
    const bool moved = page != page_;
    page_ = page;
    updateGeometry();
    update();
    if (moved) emit pageChanged(page_);
}

// The scale that fits the page (or two pages side by side) into the window.
double PrintPreview::FitScale() const {
    const auto& doc = control_.Document();
    const double across = mode_ == ZoomMode::TwoPages ? 2 : 1;
    const double w = std::max(1, width() - static_cast<int>(kGap * (across + 1)));
    const double h = std::max(1, height() - 2 * kGap);
    const double byWidth = w / (doc.pageWidth * across);
    if (mode_ == ZoomMode::PageWidth) return byWidth;
    return std::min(byWidth, h / doc.pageHeight);
}

double PrintPreview::PixelsPerTwip() const {
    switch (mode_) {
        case ZoomMode::Percent:
            return zoom_ / 100 * logicalDpiX() / kTwipsPerInch;
        case ZoomMode::Thumbnails:
            return kThumbnailZoom / 100 * logicalDpiX() / kTwipsPerInch;
        default:
            return FitScale();
    }
}

QSize PrintPreview::sizeHint() const {
    const auto& doc = control_.Document();
    const double s = mode_ == ZoomMode::Percent ? PixelsPerTwip() : 0.05;
    return QSize(static_cast<int>(doc.pageWidth * s) + 2 * kGap,
                 static_cast<int>(doc.pageHeight * s) + 2 * kGap);
}

QSize PrintPreview::minimumSizeHint() const {
    const auto& doc = control_.Document();
    if (mode_ == ZoomMode::Percent) return sizeHint();
    if (mode_ == ZoomMode::Thumbnails) {
        const double s = PixelsPerTwip();
        const int pw = static_cast<int>(std::lround(doc.pageWidth * s));
        const int ph = static_cast<int>(std::lround(doc.pageHeight * s));
        const int perRow = std::max(1, (width() - kGap) / (pw + kGap));
        const int rows = std::max(1, (PageCount() + perRow - 1) / perRow);
        return QSize(pw + 2 * kGap, kGap + rows * (ph + kGap));
    }
    return QSize(kGap * 3, kGap * 3);
}

void PrintPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), QColor(128, 128, 128));
    const auto& doc = control_.Document();
    const int count = PageCount();
    if (count == 0) return;
    const double s = PixelsPerTwip();
    const int pw = static_cast<int>(std::lround(doc.pageWidth * s));
    const int ph = static_cast<int>(std::lround(doc.pageHeight * s));

    // Which pages stand where: the page shown, its neighbour in the
    // two-page view, or every page in rows for the thumbnails.
    std::vector<std::pair<int, QPoint>> placed;
    if (mode_ == ZoomMode::Thumbnails) {
        const int perRow = std::max(1, (width() - kGap) / (pw + kGap));
        for (int p = 1; p <= count; ++p) {
            const int i = p - 1;
            placed.emplace_back(
                p, QPoint(kGap + (i % perRow) * (pw + kGap), kGap + (i / perRow) * (ph + kGap)));
        }
    } else {
        const int shown = mode_ == ZoomMode::TwoPages && page_ < count ? 2 : 1;
        const int total = shown * pw + (shown - 1) * kGap;
        const int left = std::max(kGap, (width() - total) / 2);
        const int top = mode_ == ZoomMode::Percent || mode_ == ZoomMode::PageWidth
                            ? kGap
                            : std::max(kGap, (height() - ph) / 2);
        for (int i = 0; i < shown; ++i)
            placed.emplace_back(page_ + i, QPoint(left + i * (pw + kGap), top));
    }
    for (const auto& [page, at] : placed) {
        const QRect paper(at, QSize(pw, ph));
        painter.fillRect(paper.translated(3, 3), QColor(64, 64, 64));
        painter.fillRect(paper, Qt::white);
        if (mode_ == ZoomMode::Thumbnails && page == page_) {
            painter.setPen(QPen(QColor(0, 90, 200), 2));
            painter.drawRect(paper.adjusted(-2, -2, 1, 1));
        }
        painter.save();
        painter.setClipRect(paper);
        painter.translate(at);
        painter.scale(s, s);
        control_.RenderPage(painter, page);
        painter.restore();
    }
}

}  // namespace talvo
