// The core's case helpers: ASCII letters only, every other byte (UTF-8 included) kept.
#include <gtest/gtest.h>

#include <string>

#include "framework/core/StringList.h"

namespace tw {
namespace {

TEST(StringCase, OnlyAsciiLettersChangeCase) {
    for (int b = 0; b < 256; ++b) {
        const std::string byte(1, static_cast<char>(b));
        const bool upper = b >= 'A' && b <= 'Z', lower = b >= 'a' && b <= 'z';
        EXPECT_EQ(LowerCase(byte), upper ? std::string(1, static_cast<char>(b + 32)) : byte) << b;
        EXPECT_EQ(UpperCase(byte), lower ? std::string(1, static_cast<char>(b - 32)) : byte) << b;
        EXPECT_TRUE(SameText(byte, LowerCase(byte)) && SameText(UpperCase(byte), byte)) << b;
    }
    EXPECT_EQ(UpperCase("button.Checkbox Ä"), "BUTTON.CHECKBOX Ä");
    EXPECT_EQ(LowerCase("ID_LENGTH=Ä"), "id_length=Ä");
}

TEST(StringCase, SameTextComparesWholeStringsFoldingAsciiOnly) {
    struct Case {
        const char* a;
        const char* b;
        bool same;
    };
    const Case cases[] = {
        {"Button.CheckBox", "BUTTON.checkbox", true},
        {"", "", true},
        {"Colours", "Colour", false},
        {"ä", "Ä", false},  // UTF-8 bytes differ and are no ASCII letters
        {"[", "{", false},  // 0x5B and 0x7B are 32 apart but are no letters
        {"@", "`", false},
    };
    for (const Case& c : cases) EXPECT_EQ(SameText(c.a, c.b), c.same) << c.a << " / " << c.b;
}

}  // namespace
}  // namespace tw
