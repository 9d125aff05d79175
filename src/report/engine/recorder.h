// The recorded document: pages of drawing operations in twips. The report
// draws once into a RecordingOutput; the preview, the printer and the PDF
// file replay the same pages, and the tests read them.
#pragma once

#include <cstdint>
#include <set>
#include <string>
#include <variant>
#include <vector>

#include "report/engine/pageoutput.h"

namespace talvo::report {

struct FontSpec {
    std::string name = "ＭＳ 明朝";
    double size = 9;  // points
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool operator==(const FontSpec&) const = default;
};

struct PenSpec {
    PenStyle style = PenStyle::Solid;
    int width = 0;  // twips; 0 is the thinnest line the device draws
    std::uint32_t color = 0;
    bool operator==(const PenSpec&) const = default;
};

// A text whose cell's top-left (for Left alignment; the cell's top-centre or
// top-right otherwise) is at (x, y).
struct TextOp {
    double x = 0;
    double y = 0;
    std::string text;  // UTF-8
    FontSpec font;
    std::uint32_t color = 0;  // 0x00BBGGRR, system colours already resolved
    TextAlign align = TextAlign::Left;
};

struct LineOp {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PenSpec pen;
};

struct RectOp {
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    PenSpec pen;
};

struct PictureOp {
    std::string name;  // file name of the installation, "L-prn.bmp"
    double x = 0, y = 0, width = 0, height = 0;
};

using DrawOp = std::variant<TextOp, LineOp, RectOp, PictureOp>;

struct RecordedPage {
    std::vector<DrawOp> ops;  // in drawing order: later operations paint over earlier ones
};

struct RecordedDocument {
    double pageWidth = kA4WidthTwips;
    double pageHeight = kA4HeightTwips;
    std::vector<RecordedPage> pages;
    bool ended = false;  // EndDoc was reached; a report that failed half-way leaves it false
};

// Resolves a colour as it prints on paper: the system colours (high bit set)
// become black, other values keep their low 24 bits.
std::uint32_t ResolveColor(std::uint32_t color);

class RecordingOutput : public PageOutput {
public:
    RecordingOutput() = default;
    // A paper other than A4, for the page set-up's arithmetic.
    RecordingOutput(double pageWidth, double pageHeight, double marginLeft = 0,
                    double marginTop = 0);

    const RecordedDocument& Document() const { return doc_; }
    // Hands the document over (to the preview); the output starts empty again.
    RecordedDocument TakeDocument();

    // Faces that FontInstalled reports as present.
    void SetInstalledFonts(std::set<std::string, std::less<>> fonts) { fonts_ = std::move(fonts); }

    void StartDoc() override;
    void EndDoc() override;
    void NewPage() override;
    int PageCount() const override { return static_cast<int>(doc_.pages.size()); }

    double PageWidth() const override { return doc_.pageWidth; }
    double PageHeight() const override { return doc_.pageHeight; }
    double MarginLeft() const override { return marginLeft_; }
    double MarginTop() const override { return marginTop_; }

    void SetPenStyle(PenStyle style) override { pen_.style = style; }
    void SetPenWidth(int twips) override { pen_.width = twips; }
    void SetPenColor(std::uint32_t color) override { pen_.color = ResolveColor(color); }
    void DrawLine(int x1, int y1, int x2, int y2) override;
    void DrawRectangle(int x1, int y1, int x2, int y2) override;

    void SetCurrentX(double x) override { x_ = x; }
    void SetCurrentY(double y) override { y_ = y; }

    void SetFontName(std::string_view name) override { font_.name = std::string(name); }
    void SetFontSize(double points) override { font_.size = points; }
    void SetFontBold(bool on) override { font_.bold = on; }
    void SetFontItalic(bool on) override { font_.italic = on; }
    void SetFontUnderline(bool on) override { font_.underline = on; }
    void SetTextColor(std::uint32_t color) override { color_ = ResolveColor(color); }
    void SetTextAlign(TextAlign align) override { align_ = align; }
    void PrintText(std::string_view text) override;

    void DrawPicture(std::string_view name, double x, double y, double width,
                     double height) override;

    bool FontInstalled(std::string_view name) const override { return fonts_.contains(name); }

private:
    RecordedPage& Page();

    RecordedDocument doc_;
    double marginLeft_ = 0;
    double marginTop_ = 0;
    std::set<std::string, std::less<>> fonts_;
    PenSpec pen_;
    FontSpec font_;
    std::uint32_t color_ = 0;
    TextAlign align_ = TextAlign::Left;
    double x_ = 0;
    double y_ = 0;
};

}  // namespace talvo::report
