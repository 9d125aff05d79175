// Main-rebar count, frame-width class and required rebar area.
//
// The results window runs these before it checks each beam as a reinforced
// concrete section: how many main bars of each size fit across a beam, which
// width class of the main-rebar count conditions the beam falls in, and the
// rebar area that the design moment needs.
#pragma once

#include <cstdint>
#include <string>

namespace talvo {

// Width class 0 to 5 of a frame width (mm) in RebarCountRule.WidthClassMax.
// Class 5 always ends at 1000 whatever the sixth bound holds; a width that
// fits no class (negative, above 1000, in a gap of the bounds) gives 0.
std::int16_t GetSizeClass(std::int16_t width);

// Class of a width held as a number: rounded to whole millimetres (halves to
// even); a width outside the 16-bit range or not finite fits no class (0).
std::int16_t SizeClassOf(double width);

// Largest number of main bars per bar size (0 = does not fit) that fit the
// vertical beam (DesignData.TateBarFit) or the horizontal beam
// (DesignData.YokoBarFit); the beam's width class goes to DesignData.SizeClass.
void CalcSyutekkinTate();
void CalcSyutekkinYoko();

// Required main-rebar area As = M·10⁶/(σsa·7/8·d), mm², as "0.0" text, of
// direction 0 (vertical) or any other value (horizontal); with one common
// section (DesignData.SameSection) it takes DesignData.DesignMmax. Empty when
// σsa or d is 0 or the work type is outside 0 to 4.
std::string CalcHituyouAs(std::int16_t direction);

// With one common section: the governing design moment (and its required
// area) and design shear of the two directions, ties to the horizontal beam.
void PickDesignMoment();

}  // namespace talvo
