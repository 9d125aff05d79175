#include "shell/globals.h"

#include "shell/design.h"

namespace talvo {

std::int16_t RecalcKusabi = 0;
std::int16_t RecalcLoad = 0;
std::int16_t RecalcForce = 0;
std::int16_t RecalcAnchorBar = 0;
std::int16_t RecalcResult = 0;
std::int16_t DataChanged = 0;
std::string CurrentFile;
std::string TargetFile;
FileStamp DesignFileStamp;
SettingsFileState SettingsFileSeen;
std::int16_t DlgAction = 0;
std::int16_t DlgCancelled = 0;
std::int16_t SaveAnswer = 0;
std::int16_t StepMode = 0;
std::int16_t StepsReady = 0;
std::int16_t ClickPending = 0;
std::int16_t EntryCheckDepth = 0;
std::int16_t EntryRefusalPending = 0;
std::int16_t CurStep = 0;
std::int16_t StepLeft = 0;
std::int16_t StepTop = 0;
std::array<std::string, 6> TypeCaption;
double Pi = 0.0;
std::int16_t RecentCount = 0;
std::array<std::string, 5> RecentFile;
std::int16_t WinLeft = 0;
std::int16_t WinTop = 0;
std::int16_t WinWidth = 0;
std::int16_t WinHeight = 0;
std::string IniPath;
std::string HelpPath;
std::int16_t StandardTab = 0;
std::int16_t UnitWeightGroup = 0;
std::int16_t PrintCaseTate = 0;
std::int16_t PrintCaseYoko = 0;
std::array<std::array<bool, 6>, 2> StirrupNeeded{};

void SetAllRecalc(bool raised) {
    const std::int16_t v = raised ? 1 : 0;
    RecalcKusabi = RecalcLoad = RecalcForce = RecalcAnchorBar = RecalcResult = v;
}

void ResetProgramState() {
    InitDesignData();
    SetAllRecalc(false);
    DataChanged = 0;
    CurrentFile = kUntitled;
    TargetFile.clear();
    DesignFileStamp = FileStamp{};
    SettingsFileSeen = SettingsFileState{};
    DlgAction = 0;
    DlgCancelled = 0;
    SaveAnswer = 0;
    StepMode = 0;
    StepsReady = 0;
    ClickPending = 0;
    EntryCheckDepth = 0;
    EntryRefusalPending = 0;
    CurStep = 0;
    StepLeft = 0;
    StepTop = 0;
}

}  // namespace talvo
