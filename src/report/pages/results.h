// The member-force summary ("計　算　結　果") and the result table under the
// design-condition table of every summary page.
//
// Ikei: separate sections, a value of the vertical and one of the horizontal
// frame. Dokei: one value, of the common section, or of the horizontal frame
// alone in work type 2. The result tables print the rows chosen for printing
// (`PrintCaseTate`, `PrintCaseYoko`) and colour every value that has a limit:
// red (255) when it fails, black (0) when it passes, a value equal to its
// limit passing. A stress that holds no number (the section check stopped
// before it) prints red, as a missing rebar area does.
#pragma once

#include <cstdint>

#include "report/engine/layoutform.h"

namespace talvo::report {

inline constexpr std::uint32_t kVerdictRed = 255;
inline constexpr std::uint32_t kVerdictBlack = 0;

// `InsOryuokuIkei`: Mmax, Smax and required As of both frames.
void SetInsOryuokuIkei(LayoutForm& form);
// `InsOryuokuDokei`: the same of the common section (work type 2: of the
// horizontal frame).
void SetInsOryuokuDokei(LayoutForm& form);

// `InsKekkaHyouIkei`: the vertical print row in Lab1 to Lab10, the horizontal
// one in Lab11 to Lab20.
void SetInsKekkaHyouIkei(LayoutForm& form);
// `InsKekkaHyouDokei`: the horizontal print row in Lab1 to Lab10 and its row
// caption Label3 ("縦横", or " 横" in work type 2).
void SetInsKekkaHyouDokei(LayoutForm& form);

// Under either result table, in red, the line that names every failed check
// beside the results and every required entry left empty
// (FailedChecksLine); nothing while they all hold. Wider than the table, it
// goes on over as many lines under it as it needs, broken between names
// (BreakChecksLine). `scale` below 1 sets it in smaller letters, closer
// lines and more names to a line, for a page that cannot hold it otherwise.
void PutFailedChecksLine(LayoutForm& form, double scale = 1.0);
// The same place in the full report: only the required entries missing or
// out of range (MissingEntriesLine), which no later page names; the failed
// checks are marked on their own pages.
void PutMissingEntriesLine(LayoutForm& form, double scale = 1.0);
// The lowest edge of that line's last line (its label's box, which holds
// the letters of its face), in form twips from the form's top; 0 while the
// form carries no such line.
int RedLineBottom(const LayoutForm& form);

}  // namespace talvo::report
