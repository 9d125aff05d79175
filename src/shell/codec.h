// Code page 932 (Shift-JIS as Windows defines it) at the file boundary.
//
// Core strings are UTF-8. Design files, the settings file and the byte limits
// of name boxes use the code-page-932 form.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace talvo::cp932 {

// UTF-8 to code page 932. A character that code page 932 cannot hold is
// replaced by "?"; `replaced`, when given, receives how many were replaced.
std::string FromUtf8(std::string_view utf8, std::size_t* replaced = nullptr);

// Code page 932 to UTF-8. A byte sequence that is not code page 932 becomes
// U+FFFD, so damaged input never stops the conversion; `undecodable`, when
// given, receives how many such sequences there were.
std::string ToUtf8(std::string_view bytes, std::size_t* undecodable = nullptr);

// True when the bytes are well-formed UTF-8 throughout (no stray or cut
// sequence, no overlong form, no surrogate).
bool IsUtf8(std::string_view bytes);

// Length of the code-page-932 form in bytes (a half-width character 1, a
// full-width character 2; a character that cannot be held counts as its "?").
std::size_t ByteCount(std::string_view utf8);

// True when every character of the text has a code-page-932 form.
bool Representable(std::string_view utf8);

// Replaces every character that code page 932 cannot hold by "?".
std::string Sanitize(std::string_view utf8);

// The text as a code-page-932 file holds it and gives it back: a character
// without a code-page-932 form becomes "?", a look-alike its code-page-932
// character (the wave dash "〜" comes back as "～").
std::string AsStored(std::string_view utf8);

// The longest leading part of the text whose code-page-932 form has at most
// maxBytes bytes; a full-width character that would cross the limit is dropped.
std::string CutToBytes(std::string_view utf8, std::size_t maxBytes);

}  // namespace talvo::cp932
