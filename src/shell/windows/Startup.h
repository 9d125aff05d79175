// The start of Talvo-SI: the settings file, the help file, the main window
// and the design named on the command line.
#pragma once

#include <string>
#include <vector>

namespace talvo {

class MainFrame;

struct StartupEnvironment {
    std::string programFolder;      // the folder of the executable
    std::vector<std::string> args;  // the arguments after the program name
    std::string currentFolder;      // for a relative command-line path
    std::string pathVariable;       // PATH, searched for the help file
};

// The main window of a first start, when there is no settings file yet, in
// twips: a whole step window with, below it, the icons of the longest chain
// of steps in the workspace. The settings file's own default is as wide but
// 6600 high, which leaves the icons under the step window or cut off.
inline constexpr int kFirstStartWidth = 9600;
inline constexpr int kFirstStartHeight = 8400;

// Runs the start-up and returns the main window, shown. The caller owns it.
MainFrame* StartTalvo(const StartupEnvironment& env);

}  // namespace talvo
