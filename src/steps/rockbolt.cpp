#include "steps/rockbolt.h"

#include <cstddef>

#include "shell/numtext.h"
#include "shell/tables.h"

namespace talvo {

namespace {

const RebarSpec* BarOf(std::int16_t index) {
    if (index < 0 || static_cast<std::size_t>(index) >= RebarSpecTable.size()) return nullptr;
    return &RebarSpecTable[static_cast<std::size_t>(index)];
}

}  // namespace

std::int16_t StepBarIndex(std::int16_t index, int step) {
    const int last = static_cast<int>(RebarSpecTable.size()) - 1;
    const int next = index + step;
    if (index < 0 || index > last || next < 0 || next > last) return index;
    return static_cast<std::int16_t>(next);
}

std::string BarBoxText(std::int16_t index) {
    const RebarSpec* bar = BarOf(index);
    return bar ? "   " + bar->Name : std::string();
}

std::string BarAreaText(std::int16_t index) {
    const RebarSpec* bar = BarOf(index);
    if (!bar) return std::string();
    // The size is judged on the 15-digit text of the product, so that an
    // area on a boundary (1.0 cm² is 100 mm²) is not moved across it by the
    // binary multiplication.
    const double mm2 = NumVal(NumStr(bar->Area * 100.0));
    const char* pattern = mm2 >= 100 ? "0.0" : mm2 >= 10 ? "0.00" : mm2 >= 1 ? "0.000" : "0.0000";
    return FormatPattern(mm2, pattern);
}

std::string BarDiameterText(std::int16_t index) {
    const RebarSpec* bar = BarOf(index);
    return bar ? NumStr(bar->Diameter) : std::string();
}

std::string StressVerdict(const std::string& stress, const std::string& allowable) {
    if (!Present(stress) || !Present(allowable)) return std::string();
    return NumVal(stress) > NumVal(allowable) ? kVerdictOut : kVerdictOk;
}

bool AnchorageLengthShort(const std::string& la, const std::string& la1Up,
                          const std::string& la2Up) {
    if (!Present(la)) return false;
    if (!Present(la1Up) || !Present(la2Up)) return true;
    const double length = NumVal(la);
    return length < NumVal(la1Up) || length < NumVal(la2Up);
}

bool AnchorageLengthShort(const std::string& la, const std::string& la1Up, const std::string& la2Up,
                          const std::string& pt) {
    return Present(pt) && AnchorageLengthShort(la, la1Up, la2Up);
}

}  // namespace talvo
