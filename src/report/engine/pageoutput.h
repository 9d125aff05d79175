// The page-output interface: what the report engine and the page fillers
// draw through. The platform layer implements it over Qt (the printing
// control of the preview window); the core keeps a recording implementation
// (recorder.h) that the Qt control replays and the tests read.
//
// Units are twips measured from the paper's top-left corner. The paper is A4
// portrait and the control's own margins are 0: the page set-up of the
// renderer places the blocks itself, so its offsets are the margins.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace talvo::report {

// A4 portrait in twips (210 mm × 297 mm).
inline constexpr double kA4WidthTwips = 11906;
inline constexpr double kA4HeightTwips = 16838;

// Where the printing control puts the page number: centred, its text's top
// this far above the paper's bottom edge (about 11 mm: inside what every
// printer can reach). The pages keep their own texts above it.
inline constexpr double kFooterTopFromBottom = 620;

// Colours are 0x00BBGGRR (255 is red). A value with the high bit set names a
// system colour, which the output resolves; the layout forms print in the
// window-text colour.
inline constexpr std::uint32_t kWindowTextColor = 0x80000008u;

// Pen styles of the output: 0 solid, 1 dash, 2 dot, 3 dash-dot,
// 4 dash-dot-dot, 5 none, 6 inside frame.
enum class PenStyle {
    Solid = 0,
    Dash = 1,
    Dot = 2,
    DashDot = 3,
    DashDotDot = 4,
    None = 5,
    InsideFrame = 6
};

// Where a text stands relative to CurrentX: the renderer always prints from
// the left edge; the other two serve code that places a text by its centre or
// its right end.
enum class TextAlign { Left = 0, Right = 1, Center = 2 };

class PageOutput {
public:
    virtual ~PageOutput() = default;

    // Document and pages. StartDoc opens page 1; NewPage sends the following
    // drawing to a new page.
    virtual void StartDoc() {}
    virtual void EndDoc() {}
    virtual void NewPage() {}
    virtual int PageCount() const { return 0; }

    // Paper size and margins, read by the page set-up.
    virtual double PageWidth() const { return kA4WidthTwips; }
    virtual double PageHeight() const { return kA4HeightTwips; }
    virtual double MarginLeft() const { return 0; }
    virtual double MarginTop() const { return 0; }

    // Pen of the following lines.
    virtual void SetPenStyle(PenStyle) {}
    virtual void SetPenWidth(int /*twips*/) {}
    virtual void SetPenColor(std::uint32_t) {}

    // A straight line in the current pen.
    virtual void DrawLine(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
    // A box outlined in the current pen.
    virtual void DrawRectangle(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}

    // Top-left of the next text's cell (not its baseline).
    virtual void SetCurrentX(double) {}
    virtual void SetCurrentY(double) {}

    // Font and colour of the next text. Face names are those of the report
    // ("ＭＳ 明朝" …); mapping them to the faces of the system is the output's
    // business.
    virtual void SetFontName(std::string_view) {}
    virtual void SetFontSize(double /*points*/) {}
    virtual void SetFontBold(bool) {}
    virtual void SetFontItalic(bool) {}
    virtual void SetFontUnderline(bool) {}
    virtual void SetTextColor(std::uint32_t) {}
    virtual void SetTextAlign(TextAlign) {}

    // Prints a UTF-8 text at the current position in the current font, colour
    // and alignment.
    virtual void PrintText(std::string_view /*text*/) {}

    // A picture of the installation ("L-prn.bmp"), named by its file name and
    // stretched into the rectangle. A picture that cannot be found is left out;
    // it never fails the report.
    virtual void DrawPicture(std::string_view /*name*/, double /*x*/, double /*y*/,
                             double /*width*/, double /*height*/) {}

    // Whether the system has a font of this exact face name (the font rules of
    // the renderer look a label's face up here).
    virtual bool FontInstalled(std::string_view /*name*/) const { return false; }
};

// A program-wide slot for an output, apart from the report: a build draws on
// the output handed to ChapterReport::DrawReport, never on this one.
// Installs `output` and returns the previous one; with none installed
// CurrentPageOutput is an output that does nothing.
PageOutput* SetPageOutput(PageOutput* output);
PageOutput& CurrentPageOutput();

}  // namespace talvo::report
