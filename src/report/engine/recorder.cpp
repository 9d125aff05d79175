#include "report/engine/recorder.h"

#include <utility>

namespace talvo::report {

namespace {
PageOutput g_nullOutput;
PageOutput* g_output = nullptr;
}  // namespace

PageOutput* SetPageOutput(PageOutput* output) {
    PageOutput* old = g_output;
    g_output = output;
    return old;
}

PageOutput& CurrentPageOutput() {
    return g_output ? *g_output : g_nullOutput;
}

std::uint32_t ResolveColor(std::uint32_t color) {
    if (color & 0x80000000u) return 0;  // window text and the other system colours: black ink
    return color & 0x00FFFFFFu;
}

RecordingOutput::RecordingOutput(double pageWidth, double pageHeight, double marginLeft,
                                 double marginTop)
    : marginLeft_(marginLeft), marginTop_(marginTop) {
    doc_.pageWidth = pageWidth;
    doc_.pageHeight = pageHeight;
}

RecordedDocument RecordingOutput::TakeDocument() {
    RecordedDocument out = std::move(doc_);
    doc_ = RecordedDocument{};
    doc_.pageWidth = out.pageWidth;
    doc_.pageHeight = out.pageHeight;
    return out;
}

// A new document replaces the old one: every build of the report (the
// preview, then each print from it) starts from page 1.
void RecordingOutput::StartDoc() {
    doc_.pages.assign(1, RecordedPage{});
    doc_.ended = false;
    x_ = y_ = 0;
}

void RecordingOutput::EndDoc() {
    doc_.ended = true;
}

void RecordingOutput::NewPage() {
    if (doc_.pages.empty()) doc_.pages.emplace_back();  // the page that drawing would have opened
    doc_.pages.emplace_back();
    x_ = y_ = 0;
}

// Drawing before StartDoc opens the first page, as a printer does.
RecordedPage& RecordingOutput::Page() {
    if (doc_.pages.empty()) doc_.pages.emplace_back();
    return doc_.pages.back();
}

void RecordingOutput::DrawLine(int x1, int y1, int x2, int y2) {
    Page().ops.emplace_back(LineOp{x1, y1, x2, y2, pen_});
}

void RecordingOutput::DrawRectangle(int x1, int y1, int x2, int y2) {
    Page().ops.emplace_back(RectOp{x1, y1, x2, y2, pen_});
}

void RecordingOutput::PrintText(std::string_view text) {
    Page().ops.emplace_back(TextOp{x_, y_, std::string(text), font_, color_, align_});
}

void RecordingOutput::DrawPicture(std::string_view name, double x, double y, double width,
                                  double height) {
    Page().ops.emplace_back(PictureOp{std::string(name), x, y, width, height});
}

}  // namespace talvo::report
