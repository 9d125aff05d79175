// Program-wide state of Talvo-SI, declared in one place.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "shell/fileio.h"

namespace talvo {

// Recalculation flags (0/1): raised by inputs, settings dialogs and the file
// reader; lowered by the window that runs the matching calculation.
extern std::int16_t RecalcKusabi;
extern std::int16_t RecalcLoad;
extern std::int16_t RecalcForce;
extern std::int16_t RecalcAnchorBar;
extern std::int16_t RecalcResult;

// Raises (true) or lowers (false) all five recalculation flags.
void SetAllRecalc(bool raised);

// The design differs from its file (drives the save question).
extern std::int16_t DataChanged;

// Names the open design takes when it has no file.
inline constexpr const char* kUntitled = "無題";
inline constexpr const char* kNoFile = "ファイルなし";

// Path of the open design, or kUntitled / kNoFile.
extern std::string CurrentFile;
// Path that the next design-file read or write uses.
extern std::string TargetFile;
// The design file as this program last read or wrote it (no stamp before the
// first): the overwrite save compares the file with it, to tell whether
// another program or another run of this one has written there since.
extern FileStamp DesignFileStamp;

// The settings file as this program last read or wrote it: its path (empty
// before the first), whether anything stood there, and the stamp of its bytes
// (none when it could not be read). The exit compares the file with it, so
// that a settings file another run of the program wrote meanwhile is not
// replaced without a word.
struct SettingsFileState {
    std::string path;
    bool existed = false;
    FileStamp stamp;
};
extern SettingsFileState SettingsFileSeen;

// Which dialog AskFileName shows: 1 the open dialog, 2 the save dialog.
extern std::int16_t DlgAction;
// 1 when the dialog just shown was cancelled or its name refused, 0 after a good choice.
extern std::int16_t DlgCancelled;
// The answer to the last save question: 6 yes, 7 no, 2 cancel.
extern std::int16_t SaveAnswer;

// 0 the work-type selection step is shown, 1 the step list is open,
// 2 the step list is being closed or rebuilt.
extern std::int16_t StepMode;
// 0 while the step windows are being shown, 1 afterwards.
extern std::int16_t StepsReady;
// 1 from the press of a button whose action waits for the check of the box
// being edited (the selection step's start buttons, a dialog's OK) until that
// action has run or been dropped. A focus sink that gets the focus lowers it,
// so that a flag left raised starts nothing there.
extern std::int16_t ClickPending;
// Depth of the entry checks running now (a check's message box moves the
// focus, which must not start another check).
extern std::int16_t EntryCheckDepth;
// 1 while a refused entry waits to stop the action of the control whose
// press took the focus from it (entry boxes of the platform layer).
extern std::int16_t EntryRefusalPending;
// 1-based chain position of the step window activated or resized last.
extern std::int16_t CurStep;
// Where every step window places itself (twips); 0 after start-up and on a new design.
extern std::int16_t StepLeft;
extern std::int16_t StepTop;

// Work-type captions, index = work type (5 = none chosen).
extern std::array<std::string, 6> TypeCaption;

// π = 4·atan(1), set at start-up.
extern double Pi;

// Recent design files: RecentFile[1] is the newest; RecentFile[0] is unused.
extern std::int16_t RecentCount;
extern std::array<std::string, 5> RecentFile;

// Main window rectangle in twips, kept in the settings file.
extern std::int16_t WinLeft;
extern std::int16_t WinTop;
extern std::int16_t WinWidth;
extern std::int16_t WinHeight;

// Settings-file and help-file paths, set at start-up from the program folder.
extern std::string IniPath;
extern std::string HelpPath;

// Tab last shown by the allowable-stress dialog (not stored).
extern std::int16_t StandardTab;
// Group shown by the unit-weight dialog: 0 frame, 1 infill, 2 snow, 3 moving soil.
extern std::int16_t UnitWeightGroup;

// Result rows chosen for the report.
extern std::int16_t PrintCaseTate;
extern std::int16_t PrintCaseYoko;
// Per direction and result row: the row needs stirrups.
extern std::array<std::array<bool, 6>, 2> StirrupNeeded;

// Program-wide state as a new run has it before start-up: a new design
// (InitDesignData), every flag lowered, no file (no settings file read
// either), no step chain, no pending
// action or entry check. Start-up values (Pi, TypeCaption, paths, the
// tables, the recent list and the window rectangle) are left as they are.
void ResetProgramState();

}  // namespace talvo
