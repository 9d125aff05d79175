// The step chains of the five work types: which windows a design is worked
// through, in which order, and what each step is called. Plain data, so the
// tables can be checked without windows.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace talvo {

// Names of one chain, indexed 1 to n like the chain itself (index 0 unused).
struct StepNameTable {
    std::vector<std::string> ShortName;  // "1.枠断面": caption when minimised or maximised
    std::vector<std::string> FullName;  // "1.のり枠断面の形状寸法": caption in the normal state
    std::vector<std::string> IconName;  // ".のり枠断面の形状寸法": FullName without its number
    std::vector<std::int32_t> HelpId;  // help context id of the window

    int Count() const { return FullName.empty() ? 0 : static_cast<int>(FullName.size()) - 1; }
};

// The names every step window of the program is known by.
inline constexpr const char* kResultsWindow = "NNkekka";
// Class name of the work-type selection step, shown outside every chain.
inline constexpr const char* kSelectWindow = "N0select";

// Window class names of the chain of `workType` (0 to 4); work types 3 and 4
// leave out the four steps from the restraint conditions to the anchorage
// length when `ptDirect` is not 0. Any other work type has no chain.
std::vector<std::string> StepChain(int workType, int ptDirect);

// Fills `names` for the chain of `workType` and `ptDirect`. Returns false and
// leaves `names` as it was for a work type outside 0 to 4.
bool StepNamesFor(int workType, int ptDirect, StepNameTable& names);

// Caption of the toolbar step icon i: "&" + i in hexadecimal + " " + icon
// name, so that steps 10 to 15 get the access keys A to F.
std::string StepIconCaption(int i, const std::string& iconName);

// ID string of the toolbar step icon i: "ID_アイコン" + i.
std::string StepIconId(int i);

// The focus sink of a step window ("Text6" for N2danmen), "" for a window
// without one (NDtatesendan, NEyokomoment, NNkekka, unknown names).
std::string FocusSinkOf(const std::string& className);

// Where the focus sink sends the focus when it is reached with the Tab key:
// the object name of a control of that window, "" when the focus stays on the
// sink or the window's own code decides.
std::string TabWrapTargetOf(const std::string& className);

}  // namespace talvo
