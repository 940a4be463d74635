#pragma once

#include <string>
#include <string_view>

namespace orvanta {

// What decodeUtf8 returns for a byte that starts no well-formed character, and at the end.
inline constexpr char32_t invalidCodePoint = 0xFFFFFFFE;
inline constexpr char32_t endOfText = 0xFFFFFFFF;

char32_t decodeMultibyteUtf8(std::string_view text, std::size_t& pos);

// Decodes the character at pos and moves pos past it; an ill-formed byte (overlong form,
// surrogate, stray continuation) is one invalidCodePoint, so that it can match nothing.
inline char32_t decodeUtf8(std::string_view text, std::size_t& pos) {
    if (pos >= text.size()) return endOfText;
    const auto lead = static_cast<unsigned char>(text[pos]);
    if (lead < 0x80) {
        ++pos;
        return lead;
    }
    if (lead >= 0xC2 && lead <= 0xDF && pos + 1 < text.size()) {  // Arabic, Hebrew, Latin-1: two bytes
        const auto next = static_cast<unsigned char>(text[pos + 1]);
        if ((next & 0xC0) == 0x80) {
            pos += 2;
            return static_cast<char32_t>((lead & 0x1F) << 6 | (next & 0x3F));
        }
    }
    return decodeMultibyteUtf8(text, pos);
}

// Writes the one to four bytes of the code point to out and returns how many they are.
std::size_t encodeUtf8(char32_t codePoint, char* out);

void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace orvanta
