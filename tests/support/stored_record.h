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

// What the windows and the report show of the calculations beside what the
// file keeps, each named "(shown) NAME": loads, member forces, the main
// anchor bar's τs and the results table of the design's work type.
inline NamedValues ComputedValues(const DesignData& d) {
    const auto t = static_cast<std::size_t>(d.WorkType >= 0 && d.WorkType < 5 ? d.WorkType : 0);
    NamedValues v = {
        {"HoukaiW", d.HoukaiW},
        {"TateMmax", d.TateMmax[t]},
        {"TateSmax", d.TateSmax[t]},
        {"YokoQ", d.YokoQ},
        {"YokoLoadW", d.YokoLoadW},
        {"YokoMmax", d.YokoMmax[t]},
        {"YokoSmax", d.YokoSmax[t]},
        {"DeltaPr", d.DeltaPr},
        {"Pt", d.Pt},
        {"TateToubunpu", d.TateToubunpu},
        {"YokoToubunpu", d.YokoToubunpu},
        {"BondLa1", d.BondLa1},
        {"SigmaB", d.SigmaB},
        {"PlateTReq", d.PlateTReq},
        {"DesignMmax", d.DesignMmax},
        {"AncBarTauS", d.AncBarTauS},
    };
    for (std::size_t k = 0; k < 12; ++k) {
        const std::string i = "[" + std::to_string(k) + "]";
        v.emplace_back("KekkaBarCount" + i, d.KekkaBarCount[k]);
        v.emplace_back("KekkaAs" + i, d.KekkaAs[k]);
        v.emplace_back("KekkaSigmaS" + i, d.KekkaSigmaS[k]);
        v.emplace_back("KekkaSigmaC" + i, d.KekkaSigmaC[k]);
        v.emplace_back("KekkaTauC" + i, d.KekkaTauC[k]);
        v.emplace_back("KekkaTauO" + i, d.KekkaTauO[k]);
        v.emplace_back("KekkaStirrupPitch" + i, d.KekkaStirrupPitch[k]);
    }
    for (auto& [name, text] : v) {
        name = "(shown) " + name;
        text = "\"" + text + "\"";
    }
    return v;
}

// The record as the file stores it, then the computed values beside it.
inline NamedValues RecordAndComputed(const DesignData& d) {
    NamedValues all = StoredValues(d);
    for (auto& value : ComputedValues(d)) all.push_back(std::move(value));
    return all;
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
