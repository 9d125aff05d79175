#include "steps/inputtext.h"

#include <algorithm>
#include <cmath>

#include "shell/numtext.h"

namespace talvo {

bool NotBlank(const std::string& text) {
    return text.find_first_not_of(' ') != std::string::npos;
}

long long Thousandths(const std::string& metres) {
    return std::llround(std::clamp(NumVal(metres) * 1000.0, -1e15, 1e15));
}

}  // namespace talvo
