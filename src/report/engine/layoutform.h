// Layout forms: the fixed blocks of the report pages, kept as small UTF-8
// text files (src/report/layouts/*.form) that the build embeds into the core.
// Every use loads a fresh instance, so nothing a filler wrote survives into
// the next report.
//
// The format, one item or directive a line ("#" starts a comment, blank lines
// are skipped; numbers are twips from the form's top-left):
//
//   form NAME                         first line: the form's name
//   font "FACE" SIZE                  face and size of the labels that follow
//                                     (initially "ＭＳ 明朝" 8.25)
//   line NAME X1 Y1 X2 Y2 [w=N] [style=N] [hidden]
//   label NAME LEFT TOP WIDTH [HEIGHT] "CAPTION" [size=P] [font="FACE"]
//                                     [bold] [italic] [align=left|right|center]
//                                     [color=N] [disabled] [hidden]
//   pic NAME LEFT TOP [WIDTH HEIGHT]  the script ℓ, 135 × 195 unless given
//   hrules NAME X1 X2 Y STEP COUNT [w=N]
//                                     COUNT horizontal lines NAME(0) … from
//                                     X1 to X2, the first at Y, then every STEP
//   vrules NAME Y1 Y2 X STEP COUNT [w=N]
//                                     the same standing upright
//   frac BAR X1 X2 Y NUM "NUMCAPTION" DEN "DENCAPTION"
//                                     a fraction beside the row whose top is Y:
//                                     numerator label at Y-120, denominator at
//                                     Y+120 (both from X1 to X2), bar line BAR
//                                     between them at Y+97
//
// A label's HEIGHT defaults to 195 twips (135 at 6 pt). A name may carry a
// control-array index ("Label36(2)"). Captions escape '"' and '\' with '\'.
// The items keep the order of the file; a repeat expands in place, index 0
// first. That order is the order in which the renderer draws.
#pragma once

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "report/engine/pageoutput.h"

namespace talvo::report {

inline constexpr const char* kScriptLPicture = "L-prn.bmp";

struct FormLine {
    std::string name;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    int borderWidth = 1;
    int borderStyle =
        1;  // 0 transparent, 1 solid, 2 dash, 3 dot, 4 dash-dot, 5 dash-dot-dot, 6 inside solid
    bool visible = true;
};

struct FormLabel {
    std::string name;
    std::string caption;
    int left = 0, top = 0, width = 0, height = 195;
    std::string fontName = "ＭＳ 明朝";
    double fontSize = 8.25;
    bool fontBold = false;
    bool fontItalic = false;
    std::uint32_t foreColor = kWindowTextColor;
    bool enabled = true;
    bool visible = true;
    TextAlign alignment = TextAlign::Left;
};

struct FormPicture {
    std::string name;
    int left = 0, top = 0, width = 135, height = 195;
    std::string picture = kScriptLPicture;  // empty: no picture loaded
};

using FormItem = std::variant<FormLine, FormLabel, FormPicture>;

struct LayoutForm {
    std::string name;
    std::vector<FormItem> items;

    // The item of that exact name ("Lab1", "Label36(2)"), or null.
    FormLabel* Label(std::string_view itemName);
    FormPicture* Picture(std::string_view itemName);
    // Sets a label's caption; false when the form has no such label.
    bool SetCaption(std::string_view itemName, std::string caption);

    // Right-most and lowest item edge (lines by their ends, labels and
    // pictures by their boxes); what the block occupies on the page.
    struct Extent {
        int right = 0;
        int bottom = 0;
    };
    Extent ItemExtent() const;
};

class FormError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Reads a form text; throws FormError naming the line of the first fault.
LayoutForm ParseForm(std::string_view text);

// A fresh instance of an embedded form; throws FormError for an unknown name.
std::unique_ptr<LayoutForm> LoadForm(std::string_view name);
// Names of the embedded forms, sorted.
std::vector<std::string> FormNames();

}  // namespace talvo::report
