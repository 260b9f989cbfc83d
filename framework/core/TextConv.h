// Conversion between the product's UTF-8 strings and the host's wide strings. Every call
// into a wide (...W) host entry point converts here, so there is one place that decides how
// malformed input is treated: invalid UTF-8 sequences and lone surrogates become U+FFFD.
#pragma once

#include <string>
#include <string_view>

// UTF-8 to wide text: UTF-16 where wchar_t has 16 bits (Windows), UTF-32 elsewhere.
std::wstring Utf8ToWide(std::string_view Text);

// Wide text (UTF-16 or UTF-32, after the size of wchar_t) to UTF-8.
std::string WideToUtf8(std::wstring_view Text);

// UTF-8 to code points and back: text counted in characters, as a user sees them typed,
// never in bytes or halves of a surrogate pair.
std::u32string Utf8ToUtf32(std::string_view Text);
std::string Utf32ToUtf8(std::u32string_view Text);

// Appends the UTF-8 form of one code point (U+FFFD for values outside Unicode or surrogates).
void AppendUtf8(std::string& Dest, char32_t CodePoint);

// Decodes the code point that starts at Pos and advances Pos past it; a malformed sequence
// yields U+FFFD and advances by one byte.
char32_t DecodeUtf8(std::string_view Text, size_t& Pos);
