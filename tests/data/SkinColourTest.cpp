#include <gtest/gtest.h>

#include "skin/data/SkinColour.h"
#include "skin/data/SkinSchema.h"

namespace tw {
namespace {

TEST(ParseColour, ReadsSeparatedNumbersAsRedGreenBlue) {
    EXPECT_EQ(RGBColor(212, 208, 200), ParseColour("212,208,200", 1));
    EXPECT_EQ(RGBColor(212, 208, 200), ParseColour("212 208 200", 1));
    EXPECT_EQ(RGBColor(212, 208, 200), ParseColour("  212; 208 ;200  ", 1));
    EXPECT_EQ(0x0000FFu, ParseColour("255,0,0", 1));
    EXPECT_EQ(RGBColor(10, 0, 0), ParseColour("10,20", 1));  // only one number ended before the end
    EXPECT_EQ(0u, ParseColour("255", 1));
    EXPECT_EQ(RGBColor(1, 2, 3), ParseColour("1,2,3,4,5", 9));
    EXPECT_EQ(RGBColor(1, 2, 0), ParseColour("1,2,", 9));
    EXPECT_EQ(RGBColor(300 % 256, 2, 3), ParseColour("300,2,3", 9));
    EXPECT_EQ(RGBColor(252, 2, 3), ParseColour("99999999999999999999996,2,3", 9));  // modulo 256, no overflow
}

TEST(ParseColour, EmptyTextGivesTheDefault) {
    EXPECT_EQ(0xFF00000Fu, ParseColour("", 0xFF00000F));
    EXPECT_EQ(7u, ParseColour("   ", 7));
    EXPECT_EQ(0u, ParseColour("red", 7));  // text without numbers is black, not the default
}

TEST(SkinImageMemberName, KeepsTheFileNameOfLowerCaseBmpValues) {
    EXPECT_EQ("Pic.bmp", SkinImageMemberName("C:\\skins\\deep\\Pic.bmp"));
    EXPECT_EQ("pic.bmp", SkinImageMemberName("d:pic.bmp"));
    EXPECT_EQ("pic.bmp", SkinImageMemberName("a/b/pic.bmp"));
    EXPECT_EQ("", SkinImageMemberName("Pic.BMP"));
    EXPECT_EQ("", SkinImageMemberName("pic.bmp.png"));
    EXPECT_EQ("", SkinImageMemberName("dir\\"));
    EXPECT_EQ("", SkinImageMemberName("bmp"));
    EXPECT_EQ(".bmp", SkinImageMemberName(".bmp"));
}

}  // namespace
}  // namespace tw
