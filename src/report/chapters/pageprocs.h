// The page procedures of the full report, kept by chapter group. Each group
// returns the procedure of its own pages and an empty procedure for any other
// page; BuiltInPageProc asks them in turn.
#pragma once

#include <memory>
#include <string_view>
#include <utility>

#include "report/chapters/sequencer.h"
#include "report/engine/layoutform.h"

namespace talvo::report {

// A fresh instance of the form `name`, filled by `fill` (any callable taking
// the form).
template <typename Fill>
std::unique_ptr<LayoutForm> FilledForm(std::string_view name, Fill&& fill) {
    std::unique_ptr<LayoutForm> form = LoadForm(name);
    std::forward<Fill>(fill)(*form);
    return form;
}

// Weights and loads of the frames and the snow blocks (loadpages.cpp).
PageProc LoadPageProc(PageId id);
// Moment and shear formulas of the frames (momentpages.cpp).
PageProc MomentPageProc(PageId id);
// Maximum member forces, rebar, stress and stirrup checks and the main anchor
// bar check (checkpages.cpp).
PageProc CheckPageProc(PageId id);
// Design load, restraint force and uniform load of the anchored chapters
// (anchorloadpages.cpp).
PageProc AnchorLoadPageProc(PageId id);
// Tendon, bolt steel, lengths, bearing pressure and plate (anchordesignpages.cpp).
PageProc AnchorDesignPageProc(PageId id);

}  // namespace talvo::report
