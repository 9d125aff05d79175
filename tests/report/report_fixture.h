// Helpers the page-filler tests share: load a form and run a filler on it,
// then compare label captions.
#pragma once

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "report/engine/layoutform.h"

namespace talvo::report::fixture {

// Label name and expected caption.
using Captions = std::vector<std::pair<std::string, std::string>>;

// Each named label exists and shows its expected caption.
inline void ExpectCaptions(LayoutForm& form, const Captions& expected) {
    for (const auto& [name, text] : expected) {
        const FormLabel* label = form.Label(name);
        ASSERT_NE(label, nullptr) << form.name << " " << name;
        EXPECT_EQ(label->caption, text) << form.name << " " << name;
    }
}

// The named form, loaded and run through `fill`.
template <class Fill>
std::unique_ptr<LayoutForm> Filled(const char* name, const Fill& fill) {
    auto form = LoadForm(name);
    fill(*form);
    return form;
}

}  // namespace talvo::report::fixture
