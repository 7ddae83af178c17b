// Code page 850, the character set of the console the game was written for: every
// text of the game is stored in it (accented letters as their CP850 codes).
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace vov {

// The Unicode character that the console shows for a CP850 code. Codes 1 to 31 and
// 127 are the console's graphic symbols; code 0 shows as a blank.
char32_t cp850_to_unicode(std::uint8_t code);
// A plain ASCII letter standing for the code, for terminals that cannot show it.
char cp850_to_ascii(std::uint8_t code);
// The CP850 code of a typed character, if code page 850 has it (32 and above).
std::optional<std::uint8_t> unicode_to_cp850(char32_t ch);
// Appends the UTF-8 encoding of a character.
void append_utf8(std::string& out, char32_t ch);
// A CP850 text converted to UTF-8.
std::string cp850_to_utf8(const std::string& text);

}  // namespace vov
