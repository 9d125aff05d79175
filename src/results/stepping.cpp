#include "results/stepping.h"

#include <cstddef>
#include <cstdint>
#include <string>

#include "results/fitting.h"
#include "results/resulttable.h"
#include "results/rowaccess.h"
#include "shell/design.h"
#include "shell/numtext.h"

namespace talvo {

using results_detail::BarName;

namespace {

constexpr int kLowestSize = 0;
constexpr int kHighestSize = 11;
constexpr double kLowestCount = 1;
constexpr double kHighestCount = 99;

// How many bars of the row's present size fit across its frame.
double BarFit(int set, std::size_t k) {
    const int bar = Design.KekkaBar[k];
    if (bar < kLowestSize || bar > kHighestSize) return 0;
    const auto& fit = set == 0 ? Design.TateBarFit : Design.YokoBarFit;
    return fit[static_cast<std::size_t>(bar)];
}

// One step of a size index within 0 to 11; false at a bound.
bool StepSize(std::int16_t& index, StepWay way) {
    if (way == StepWay::Down ? index <= kLowestSize : index >= kHighestSize) return false;
    index = static_cast<std::int16_t>(index + (way == StepWay::Down ? -1 : 1));
    return true;
}

// One step of a count text within 1 to 99, compared by its value, so a
// count of 0 or an empty one can only go up, to 1; false at a bound.
bool StepCount(std::string& count, StepWay way) {
    const double value = NumVal(count);
    if (way == StepWay::Down ? !(value > kLowestCount) : !(value < kHighestCount)) return false;
    count = NumStr(value + (way == StepWay::Down ? -1 : 1));
    return true;
}

}  // namespace

bool StepResultRow(int set, int row, StepQuantity quantity, StepWay way) {
    if (!ValidResultRow(set, row)) return false;
    DesignData& d = Design;
    const auto k = static_cast<std::size_t>(row);

    switch (quantity) {
        case StepQuantity::BarSize: {
            // At a bound the size stays, yet the row is re-checked and marked.
            StepSize(d.KekkaBar[k], way);
            CellColor(set, ColBar, row) = ColorStepped;
            chgkekkacolor(set, row);
            const double count = NumVal(FormatNum(d.KekkaBarCount[k], 3, 0));
            CellColor(set, ColBarCount, row) = count <= BarFit(set, k) ? ColorStepped : ColorOut;
            return true;
        }
        case StepQuantity::BarCount:
            if (!StepCount(d.KekkaBarCount[k], way)) return false;
            CellColor(set, ColBarCount, row) =
                NumVal(d.KekkaBarCount[k]) > BarFit(set, k) ? ColorOut : ColorStepped;
            chgkekkacolor(set, row);
            return true;
        case StepQuantity::StirrupSize:
            // Only a row that shows stirrups has a stirrup size to step.
            if (d.KekkaStirrupBar[k] == 99 || BarName(d.KekkaStirrupBar[k]).empty()) return false;
            if (!StepSize(d.KekkaStirrupBar[k], way)) return false;
            CellColor(set, ColStirrupBar, row) = ColorStepped;
            chgkekkacolor(set, row);
            return true;
        case StepQuantity::StirrupCount:
            if (d.KekkaStirrupBar[k] == 99 || d.KekkaStirrupCount[k].empty()) return false;
            if (!StepCount(d.KekkaStirrupCount[k], way)) return false;
            CellColor(set, ColStirrupCount, row) = ColorStepped;
            chgkekkacolor(set, row);
            return true;
    }
    return false;
}

}  // namespace talvo
