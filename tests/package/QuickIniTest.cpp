#include <gtest/gtest.h>

#include "skin/package/QuickIni.h"

using tw::TQuickIni;

namespace {

TQuickIni Parse(const std::string& text) {
    TQuickIni ini;
    ini.LoadFromText(text);
    return ini;
}

}  // namespace

TEST(QuickIni, KeysAndSectionsIgnoreCase) {
    const TQuickIni ini = Parse("[Buttons]\r\nRightWidth=7\r\n[Form]\r\nrightwidth=9\r\n");
    EXPECT_EQ(ini.ReadInteger("buttons", "RightWidth", -1), 7);
    EXPECT_EQ(ini.ReadInteger("BUTTONS", "Rightwidth", -1), 7);
    EXPECT_EQ(ini.ReadInteger("Form", "RIGHTWIDTH", -1), 9);
    EXPECT_EQ(ini.ReadString("Buttons", "Missing", "def"), "def");
    EXPECT_EQ(ini.ReadString("Nowhere", "RightWidth", "def"), "def");
}

TEST(QuickIni, ValuesAreTrimmedAndEmptyValuesGiveTheDefault) {
    const TQuickIni ini = Parse("[S]\n  Tile = 1  \nImage=\nQuoted = \"a b\" ; not a comment\nImage=late.bmp\n");
    EXPECT_EQ(ini.ReadInteger("S", "Tile", 0), 1);
    EXPECT_EQ(ini.ReadString("S", "Image", "def"), "def");  // the first Image= line stops the walk
    EXPECT_EQ(ini.ReadString("S", "Quoted", ""), "\"a b\" ; not a comment");
}

TEST(QuickIni, ReadIntegerFormats) {
    const TQuickIni ini = Parse(
        "[N]\nA=0xFF\nB=0xff\nC=$FF\nD=0x\nE=12px\nF=-42\nG=0XfF\nH=$FF00000F\nI=2147483648\nJ=-2147483648\nK=\n"
        "L=$100000000\nM=+5\n");
    EXPECT_EQ(ini.ReadInteger("N", "A", -1), 255);
    EXPECT_EQ(ini.ReadInteger("N", "B", -1), 255);
    EXPECT_EQ(ini.ReadInteger("N", "C", -1), 255);
    EXPECT_EQ(ini.ReadInteger("N", "D", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "E", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "F", -1), -42);
    EXPECT_EQ(ini.ReadInteger("N", "G", -1), 255);
    EXPECT_EQ(static_cast<uint32_t>(ini.ReadInteger("N", "H", -1)), 0xFF00000Fu);  // a system colour value
    EXPECT_EQ(ini.ReadInteger("N", "I", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "J", -1), INT32_MIN);
    EXPECT_EQ(ini.ReadInteger("N", "K", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "L", -1), -1);
    EXPECT_EQ(ini.ReadInteger("N", "M", -1), 5);
}

TEST(QuickIni, CommentsBlankLinesAndLinesBeforeTheFirstSection) {
    const TQuickIni ini = Parse("Top=1\n; comment\n[S]\n\n   ; indented comment\n\tKey=v\r\nNoSign\n");
    EXPECT_EQ(ini.ReadString("S", "Key", "def"), "v");
    EXPECT_EQ(ini.ReadString("", "Top", "def"), "def");
    EXPECT_EQ(ini.LineCount(), 4);  // Top=1, [S], Key=v, NoSign
    EXPECT_EQ(ini.FindSection("S"), 1);
    EXPECT_EQ(ini.ReadString("S", ";", "def"), "def");
}

TEST(QuickIni, DuplicateSectionsAndHeadersWithInnerBlanks) {
    const TQuickIni ini = Parse("[A]\nk=first\n[ Buttons ]\nk=b\n[a]\nk=second\n");
    EXPECT_EQ(ini.ReadString("A", "k", ""), "first");
    EXPECT_EQ(ini.FindSection("Buttons"), -1);
    EXPECT_EQ(ini.FindSection(" Buttons "), 2);
    tw::TStringList sections;
    sections.Add("stale");
    ini.ReadSections(sections);
    ASSERT_EQ(sections.Count(), 3);
    EXPECT_EQ(sections[0], "A");
    EXPECT_EQ(sections[1], "Buttons");
    EXPECT_EQ(sections[2], "a");
}

TEST(QuickIni, LineEndsAndNul) {
    const TQuickIni ini = Parse(std::string("[S]\rA=1\n\rB=2\r\nC=3\0[T]\nD=4", 26));
    EXPECT_EQ(ini.ReadInteger("S", "A", 0), 1);
    EXPECT_EQ(ini.ReadInteger("S", "B", 0), 2);
    EXPECT_EQ(ini.ReadInteger("S", "C", 0), 3);
    EXPECT_EQ(ini.FindSection("T"), -1);  // NUL ends the text
}

TEST(QuickIni, LoadFromStreamReadsFromThePositionAndReplaces) {
    TQuickIni ini;
    ini.LoadFromText("[Old]\nx=1\n");
    ini.LoadFromStream(nullptr);
    EXPECT_EQ(ini.ReadInteger("Old", "x", 0), 1);
    tw::TMemoryStream stream;
    const std::string text = "junk[New]\ny=2\n";
    stream.Write(text.data(), text.size());
    stream.SetPosition(4);
    ini.LoadFromStream(&stream);
    EXPECT_EQ(ini.ReadInteger("New", "y", 0), 2);
    EXPECT_EQ(ini.FindSection("Old"), -1);
    TQuickIni empty;
    EXPECT_EQ(empty.ReadString("S", "k", "d"), "d");
}
