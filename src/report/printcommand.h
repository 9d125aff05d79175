// The print command's checks before a report is built: the result rows to
// be reported must be chosen, and the engineer may back out of printing
// results marked OUT. The window half (the report built into the preview)
// registers itself as the main window's print command.
#pragma once

namespace talvo {

// Checks the print rows ("印刷箇所を指定してください。" when they are not
// chosen), asks before printing OUT results, and records the chosen rows in
// PrintCaseTate (−1 for a report with one result set and no vertical row)
// and PrintCaseYoko. False when the command ends here, with nothing changed.
bool PreparePrint();

}  // namespace talvo
