#include "steps/section.h"

#include "shell/numtext.h"

namespace talvo {

namespace {

// A size is entered when its text holds more than blanks: the entry check
// reads a box trimmed of blanks, so a box of blanks is as empty to the marks
// as it is to the check (and to a section read from a file).
bool Entered(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

// Up to `count` characters from `pos`; nothing past the end.
std::string Part(std::string_view s, std::size_t pos, std::size_t count) {
    return pos < s.size() ? std::string(s.substr(pos, count)) : std::string();
}

}  // namespace

SectionTexts StandardSectionSizes(std::string_view item) {
    return {" " + Part(item, 0, 3), " " + Part(item, 4, 3), " " + Part(item, 11, 3)};
}

bool SectionsDiffer(const SectionTexts& a, const SectionTexts& b) {
    return NumVal(a.width) != NumVal(b.width) || NumVal(a.height) != NumVal(b.height) ||
           NumVal(a.depth) != NumVal(b.depth);
}

bool DepthReachesHeight(const SectionTexts& s) {
    return Entered(s.height) && Entered(s.depth) && NumVal(s.depth) >= NumVal(s.height);
}

DepthMarks MarksAfterHeight(const SectionTexts& entered, const SectionTexts& other) {
    const double h = NumVal(entered.height);
    return {DepthReachesHeight(entered),
            Entered(other.depth) && Entered(other.height) && h <= NumVal(other.depth)};
}

DepthMarks MarksAfterDepth(int direction, const SectionTexts& entered, const SectionTexts& other) {
    const double d = NumVal(entered.depth);
    DepthMarks marks;
    marks.entered = Entered(entered.height) && d >= NumVal(entered.height);
    marks.other = Entered(other.height) && d >= NumVal(other.height);
    if (direction == 1) marks.other = marks.other && Entered(other.depth);
    return marks;
}

}  // namespace talvo
