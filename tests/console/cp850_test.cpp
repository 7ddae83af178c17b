#include "console/cp850.hpp"

#include <gtest/gtest.h>

#include <set>

namespace vov {
namespace {

TEST(Cp850, TheGamesAccentedLettersMapToTheirCharacters) {
    EXPECT_EQ(cp850_to_unicode(130), U'é');
    EXPECT_EQ(cp850_to_unicode(133), U'à');
    EXPECT_EQ(cp850_to_unicode(136), U'ê');
    EXPECT_EQ(cp850_to_unicode(138), U'è');
    EXPECT_EQ(cp850_to_unicode(131), U'â');
    EXPECT_EQ(cp850_to_unicode(135), U'ç');
    EXPECT_EQ(cp850_to_unicode(140), U'î');
    EXPECT_EQ(cp850_to_unicode(147), U'ô');
    EXPECT_EQ(cp850_to_unicode(150), U'û');
    EXPECT_EQ(cp850_to_unicode(151), U'ù');
    EXPECT_EQ(cp850_to_unicode(145), U'æ');
    EXPECT_EQ(cp850_to_unicode(248), U'°');
}

TEST(Cp850, EveryCodeHasItsOwnCharacterAndTypedLettersComeBack) {
    std::set<char32_t> seen;
    // Codes 1 to 31 show the console's symbols, two of which (¶ and §) the upper
    // half of the code page has too.
    for (int code = 32; code < 256; ++code) {
        const char32_t ch = cp850_to_unicode(static_cast<std::uint8_t>(code));
        EXPECT_TRUE(seen.insert(ch).second) << "code " << code;
        if (code >= 32 && code != 127) {  // 127 is the Delete key when typed
            const auto back = unicode_to_cp850(ch);
            ASSERT_TRUE(back.has_value()) << "code " << code;
            EXPECT_EQ(*back, code);
        }
    }
    EXPECT_EQ(cp850_to_unicode(0xDB), U'█');
    EXPECT_EQ(cp850_to_unicode(0xCD), U'═');
    EXPECT_EQ(cp850_to_unicode(0xFF), U'\u00A0');
    EXPECT_EQ(cp850_to_unicode(1), U'☺');
    EXPECT_FALSE(unicode_to_cp850(U'€').has_value());
    EXPECT_FALSE(unicode_to_cp850(U'\n').has_value());
}

TEST(Cp850, AsciiFallbackKeepsTheLetterAndUtf8EncodesEverySize) {
    EXPECT_EQ(cp850_to_ascii(130), 'e');
    EXPECT_EQ(cp850_to_ascii(135), 'c');
    EXPECT_EQ(cp850_to_ascii(147), 'o');
    EXPECT_EQ(cp850_to_ascii('A'), 'A');
    EXPECT_EQ(cp850_to_utf8("h\x82ros \xDB"), "héros █");
    std::string four;
    append_utf8(four, U'\U0001F600');
    EXPECT_EQ(four, "\xF0\x9F\x98\x80");
}

}  // namespace
}  // namespace vov
