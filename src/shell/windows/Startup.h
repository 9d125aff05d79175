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

// Runs the start-up and returns the main window, shown. The caller owns it.
MainFrame* StartTalvo(const StartupEnvironment& env);

}  // namespace talvo
