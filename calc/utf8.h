#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// What decodeUtf8 returns for a byte that starts no well-formed character, and at the end.
inline constexpr char32_t invalidCodePoint = 0xFFFFFFFE;
inline constexpr char32_t endOfText = 0xFFFFFFFF;

// Decodes the character at pos and moves pos past it; an ill-formed byte (overlong form,
// surrogate, stray continuation) is one invalidCodePoint, so that it can match nothing.
char32_t decodeUtf8(std::string_view text, std::size_t& pos);

void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace orvanta
