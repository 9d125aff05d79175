#include "shell/fulltablelineup.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <string>

namespace talvo {

namespace {

// A run of lost or added lines costs this plus 1 a line; a line of the wrong
// shape costs 1.
constexpr int kGapOpen = 2;

}  // namespace

std::array<int, settings_detail::kBodyLines> FullTableLineUp(
    const std::vector<std::string_view>& body) {
    const std::vector<std::string>& want = settings_detail::LayoutShapes();
    const int e = settings_detail::kBodyLines;
    const int m = static_cast<int>(body.size());
    std::array<int, settings_detail::kBodyLines> result;
    result.fill(-1);

    // The file as written, whole or cut short.
    const int common = std::min(e, m);
    if (std::equal(want.begin(), want.begin() + common, body.begin())) {
        for (int i = 0; i < common; ++i) result[i] = i;
        return result;
    }

    // Least costs of lining up layout lines i.. with file lines j..: free[]
    // outside a gap, lost[] inside a run of lost layout lines, added[] inside
    // a run of added file lines (a gap that goes on costs no new opening).
    // Every pair of lines is worked out, each cell written before it is
    // read. The tables are kept from call to call: a test calls this some
    // thousand times, and fresh tables of this size cost more than the work.
    const int w = m + 1;
    const std::size_t size = static_cast<std::size_t>(e + 1) * w;
    static std::vector<int> freeCost, lostCost, addedCost;
    freeCost.resize(size), lostCost.resize(size), addedCost.resize(size);
    auto idx = [w](int i, int j) { return static_cast<std::size_t>(i) * w + j; };
    // A shape as the index of its first layout line; -1 for a shape the
    // layout does not know, which never matches.
    auto code = [&want](std::string_view shape) {
        const auto it = std::find(want.begin(), want.end(), shape);
        return it == want.end() ? -1 : static_cast<int>(it - want.begin());
    };
    std::vector<int> wantCode(e), bodyCode(m);
    for (int i = 0; i < e; ++i) wantCode[i] = code(want[i]);
    for (int j = 0; j < m; ++j) bodyCode[j] = code(body[j]);
    auto sub = [&](int i, int j) { return wantCode[i] == bodyCode[j] ? 0 : 1; };
    for (int i = e; i >= 0; --i) {
        for (int j = m; j >= 0; --j) {
            const std::size_t k = idx(i, j);
            if (i == e && j == m) {
                freeCost[k] = lostCost[k] = addedCost[k] = 0;
                continue;
            }
            int f = std::numeric_limits<int>::max();
            if (i < e && j < m) f = sub(i, j) + freeCost[idx(i + 1, j + 1)];
            if (i < e) f = std::min(f, kGapOpen + 1 + lostCost[idx(i + 1, j)]);
            if (j < m) f = std::min(f, kGapOpen + 1 + addedCost[idx(i, j + 1)]);
            freeCost[k] = f;
            lostCost[k] = i < e ? std::min(f, 1 + lostCost[idx(i + 1, j)]) : f;
            addedCost[k] = j < m ? std::min(f, 1 + addedCost[idx(i, j + 1)]) : f;
        }
    }

    // One least-cost path, its gaps as early (or as late) as they can be;
    // map[i] is the file line of layout line i when the two were lined up
    // and their shapes agree, else -1.
    auto trace = [&](bool gapsEarly) {
        std::array<int, settings_detail::kBodyLines> map;
        map.fill(-1);
        enum { Free, Lost, Added } state = Free;
        int i = 0, j = 0;
        while (i < e || j < m) {
            const std::size_t k = idx(i, j);
            if (state == Lost) {
                if (freeCost[k] == lostCost[k]) {
                    state = Free;
                } else {
                    ++i;
                }
                continue;
            }
            if (state == Added) {
                if (freeCost[k] == addedCost[k]) {
                    state = Free;
                } else {
                    ++j;
                }
                continue;
            }
            const bool diag =
                i < e && j < m && sub(i, j) + freeCost[idx(i + 1, j + 1)] == freeCost[k];
            const bool lost = i < e && kGapOpen + 1 + lostCost[idx(i + 1, j)] == freeCost[k];
            const bool added = j < m && kGapOpen + 1 + addedCost[idx(i, j + 1)] == freeCost[k];
            if (diag && !(gapsEarly && (lost || added))) {
                if (sub(i, j) == 0) map[i] = j;
                ++i, ++j;
            } else if (lost) {
                state = Lost;
                ++i;
            } else {
                state = Added;
                ++j;
            }
        }
        return map;
    };
    // A layout line is read only where both tracings agree on its file line.
    const auto early = trace(true);
    const auto late = trace(false);
    for (int i = 0; i < e; ++i)
        if (early[i] >= 0 && early[i] == late[i]) result[i] = early[i];
    return result;
}

}  // namespace talvo
