#include "shell/startup.h"

#include <algorithm>
#include <cmath>

#include "shell/globals.h"

namespace talvo {

void InitProgramValues() {
    TypeCaption = {"（くさび形崩壊）",
                   "（円弧形崩壊）",
                   "（緑化基礎工）",
                   "（ロックボルト工併用）",
                   "（グラウンドアンカー工併用）",
                   ""};
    Pi = 4.0 * std::atan(1.0);
}

std::string CommandLineTarget(const std::vector<std::string>& args,
                              const std::string& currentFolder) {
    std::string text;
    for (std::size_t i = 0; i < args.size(); ++i) {
        if (i > 0) text += ' ';
        text += args[i];
    }
    if (text.empty()) return text;
    if (text.front() == '/') return text;
    std::string folder = currentFolder;
    if (folder.empty() || folder.back() != '/') folder += '/';
    return folder + text;
}

TwipsRect CentredRect(int width, int height, int screenW, int screenH) {
    // nearbyint under the default rounding mode rounds halves to even.
    return TwipsRect{static_cast<int>(std::nearbyint((screenW - width) / 2.0)),
                     static_cast<int>(std::nearbyint((screenH - height) / 2.0)), width, height};
}

namespace {
std::int16_t Clamp16(int v) {
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}
}  // namespace

void StoreWindowRect(const TwipsRect& r) {
    WinLeft = Clamp16(r.left);
    WinTop = Clamp16(r.top);
    WinWidth = Clamp16(r.width);
    WinHeight = Clamp16(r.height);
}

TwipsRect KeepOnScreen(TwipsRect r, int screenW, int screenH) {
    if (screenW <= 0 || screenH <= 0) return r;
    r.width = std::clamp(r.width, 1, screenW);
    r.height = std::clamp(r.height, 1, screenH);
    r.left = std::clamp(r.left, 0, screenW - r.width);
    r.top = std::clamp(r.top, 0, screenH - r.height);
    return r;
}

}  // namespace talvo
