// The design record as the design file stores it, value by value with its
// name, and the values in which two records differ: for the tests that hold
// one road to the results against another.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "shell/design.h"
#include "shell/storedfields.h"

namespace talvo::test {

// Name and text of each value, in file order; a text in quotes, so that its
// blanks show.
using NamedValues = std::vector<std::pair<std::string, std::string>>;

inline NamedValues StoredValues(const DesignData& d) {
    struct Visitor {
        NamedValues values;
        void Int(std::int16_t v, int, int, const StoredName& n) {
            values.emplace_back(n.Text(), std::to_string(v));
        }
        void Text(const std::string& t, const StoredName& n) {
            values.emplace_back(n.Text(), "\"" + t + "\"");
        }
    } visitor;
    VisitStored(d, visitor);
    return visitor.values;
}

// One line per value that differs: its name, the value of `a` and, in
// brackets under `otherName`, the value of `b`. Empty when they agree.
inline std::string Differences(const NamedValues& a, const NamedValues& b,
                               const std::string& otherName) {
    std::string out;
    for (std::size_t i = 0; i < a.size() && i < b.size(); ++i)
        if (a[i].second != b[i].second)
            out += "  " + a[i].first + ": " + a[i].second + " (" + otherName + ": " + b[i].second +
                   ")\n";
    if (a.size() != b.size()) out += "  (the records hold different numbers of values)\n";
    return out;
}

}  // namespace talvo::test
