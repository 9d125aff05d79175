// Start-up values of Talvo-SI that need no window: the work-type captions,
// the command-line design path and the stored window rectangle.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talvo {

// Fills TypeCaption (index = work type) and Pi.
void InitProgramValues();

// The design file named on the command line, or "" when there is none. The
// shell has already removed quotes; several arguments are one path with
// blanks, joined again with one blank. A path not starting with "/" is taken
// relative to `currentFolder`.
std::string CommandLineTarget(const std::vector<std::string>& args,
                              const std::string& currentFolder);

// A window of width × height twips centred on a screen of screenW × screenH
// twips: left and top rounded to whole twips, halves to even.
struct TwipsRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};
TwipsRect CentredRect(int width, int height, int screenW, int screenH);

// Stores a rectangle in WinLeft..WinHeight, each kept inside 16 bits.
void StoreWindowRect(const TwipsRect& r);

// The rectangle moved, and where it is larger than the screen shrunk, so that
// the whole window lies on a screen of screenW × screenH twips (a window left
// on a screen that is gone, or grown past this one, comes back into reach).
// Without a screen size (0) the rectangle is returned as it is.
TwipsRect KeepOnScreen(TwipsRect r, int screenW, int screenH);

}  // namespace talvo
