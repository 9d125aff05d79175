# Turns the layout forms (*.form, UTF-8 text) into C++ data for the core, so
# that the program needs no files of its own beside it and the core no Qt.
# Run as: cmake -DLAYOUT_DIR=<dir> -DOUTPUT=<file.cpp> -P embed_layouts.cmake
file(GLOB forms "${LAYOUT_DIR}/*.form")
list(SORT forms)

set(arrays "")
set(entries "")
set(count 0)
foreach(path ${forms})
    get_filename_component(name "${path}" NAME_WE)
    file(READ "${path}" hex HEX)
    string(LENGTH "${hex}" hexlen)
    math(EXPR size "${hexlen} / 2")
    string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
    string(APPEND arrays "const unsigned char form${count}[] = {\n${bytes}0x00};\n")
    string(APPEND entries "    {\"${name}\", reinterpret_cast<const char*>(form${count}), ${size}},\n")
    math(EXPR count "${count} + 1")
endforeach()

set(content "// Generated from src/report/layouts/*.form by embed_layouts.cmake; do not edit.
#include \"report/engine/embedded.h\"

namespace talvo::report::embedded {

namespace {
${arrays}}  // namespace

extern const FormText kForms[] = {
${entries}    {\"\", \"\", 0},
};
extern const std::size_t kFormCount = ${count};

}  // namespace talvo::report::embedded
")

# Rewrite only on change, so that an unchanged set of forms compiles nothing.
if(EXISTS "${OUTPUT}")
    file(READ "${OUTPUT}" old)
    if(old STREQUAL content)
        return()
    endif()
endif()
file(WRITE "${OUTPUT}" "${content}")
