// The rules of the beam cross-section step: the standard sections and the
// marks of a section whose height h is not above its effective height d.
//
// Direction 0 is the vertical beam, direction 1 the horizontal one. The
// rules read the boxes' texts (mm) as the entry check has left them; a text
// not entered, empty or only blanks, is no value.
#pragma once

#include <array>
#include <string>
#include <string_view>

namespace talvo {

// The six standard sections as the list offers them: width in characters 1
// to 3, height in 5 to 7, effective height in 12 to 14.
inline constexpr std::array<const char*, 6> kStandardSections = {
    "150*150  d= 75", "200*200  d=155", "300*300  d=235",
    "400*400  d=315", "500*500  d=410", "600*600  d=510"};

// The width b, height h and effective height d of one direction.
struct SectionTexts {
    std::string width, height, depth;
};

// A standard section as its boxes show it: each size after one blank
// (" 300", "  75").
SectionTexts StandardSectionSizes(std::string_view item);

// The two directions' sections differ in any value (texts not entered read 0).
bool SectionsDiffer(const SectionTexts& a, const SectionTexts& b);

// A section whose effective height reaches its height: both entered, d >= h.
bool DepthReachesHeight(const SectionTexts& s);

// The red marks after an accepted entry of h or d in one direction: that
// direction's, and the other direction's, which with one section for both
// is marked from the entered value, tested against its own boxes before
// they take the copy.
struct DepthMarks {
    bool entered = false;  // a mark with the message
    bool other = false;    // a mark without
};
// After h of `entered`: its own mark needs both of its values; the other
// direction's compares the new h with its d when it holds an h and a d.
DepthMarks MarksAfterHeight(const SectionTexts& entered, const SectionTexts& other);
// After d of the direction `direction`: its own mark needs its h (an emptied
// d reads 0); the other direction's compares the new d with its h when it
// holds one, and after a horizontal d also needs its own d.
DepthMarks MarksAfterDepth(int direction, const SectionTexts& entered, const SectionTexts& other);

}  // namespace talvo
