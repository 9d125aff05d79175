// The layout-form texts that the build embeds (generated from
// src/report/layouts/*.form, sorted by name).
#pragma once

#include <cstddef>

namespace talvo::report::embedded {

struct FormText {
    const char* name;
    const char* text;
    std::size_t size;
};

extern const FormText kForms[];
extern const std::size_t kFormCount;

}  // namespace talvo::report::embedded
