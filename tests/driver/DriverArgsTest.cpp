// Command-line parsing and label matching of twdriver.
#include <gtest/gtest.h>

#include "tests/driver/DriverArgs.h"
#include "tests/driver/Labels.h"
#include "tests/driver/WindowTerms.h"

using namespace tw::driver;

namespace {

DriverArgs Parse(std::vector<std::wstring> a) { return ParseDriverArgs(a); }

std::wstring ErrorOf(std::vector<std::wstring> a) {
    try {
        ParseDriverArgs(a);
    } catch (const ArgsError& e) {
        return e.message;
    }
    return L"";
}

}  // namespace

TEST(DriverArgs, SelectorsAndPositionalsInAnyOrder) {
    DriverArgs a = Parse({L"select", L"--class", L"TFrmMain", L"176x144", L"--cclass", L"ComboBox", L"--nth", L"3",
                          L"--timeout", L"250"});
    EXPECT_EQ(a.command, L"select");
    EXPECT_EQ(a.window.className, L"TFrmMain");
    EXPECT_EQ(a.child.className, L"ComboBox");
    EXPECT_EQ(a.child.nth, 3);
    EXPECT_EQ(a.timeoutMs, 250u);
    ASSERT_EQ(a.positional.size(), 1u);
    EXPECT_EQ(a.positional[0], L"176x144");
    EXPECT_FALSE(a.window.includeHidden);
}

TEST(DriverArgs, NumbersInDecimalAndHexIdsIncludingMinusOne) {
    DriverArgs a = Parse({L"text", L"--hwnd", L"0x1A00F2", L"--id", L"1001"});
    EXPECT_EQ(a.window.hwnd, 0x1A00F2ull);
    EXPECT_TRUE(a.child.hasId);
    EXPECT_EQ(a.child.id, 1001);
    EXPECT_EQ(Parse({L"text", L"--id", L"-1"}).child.id, -1);
    EXPECT_EQ(Parse({L"text", L"--id", L"0xFFFF"}).child.id, 0xFFFF);
}

TEST(DriverArgs, DoubleDashMakesTheRestPositionalEvenIfItLooksLikeAnOption) {
    DriverArgs a = Parse({L"settext", L"--class", L"Edit", L"--", L"--not-an-option", L"x"});
    ASSERT_EQ(a.positional.size(), 2u);
    EXPECT_EQ(a.positional[0], L"--not-an-option");
}

TEST(DriverArgs, BadInputGetsAMessageNamingTheProblem) {
    EXPECT_NE(ErrorOf({}).find(L"no command"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"wait", L"--class"}).find(L"--class needs a value"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"wait", L"--timeout", L"soon"}).find(L"bad number"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"wait", L"--pid", L"0x1FFFFFFFF"}).find(L"bad number"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"wait", L"--hwnd", L"0x"}).find(L"bad number"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"click", L"--nth", L"0"}).find(L"from 1"), std::wstring::npos);
    EXPECT_NE(ErrorOf({L"click", L"--colour", L"red"}).find(L"unknown option --colour"), std::wstring::npos);
}

TEST(DriverArgs, ParseNumberRejectsOverflowAndJunk) {
    unsigned long long v = 7;
    EXPECT_TRUE(ParseNumber(L"18446744073709551615", v));
    EXPECT_EQ(v, 18446744073709551615ull);
    EXPECT_FALSE(ParseNumber(L"18446744073709551616", v));
    EXPECT_FALSE(ParseNumber(L"0x10000000000000000", v));
    EXPECT_FALSE(ParseNumber(L"12a", v));
    EXPECT_FALSE(ParseNumber(L"", v));
    EXPECT_FALSE(ParseNumber(L"-3", v));
    EXPECT_EQ(v, 18446744073709551615ull);  // untouched by failures
}

TEST(Labels, ControlTextsMatchWithoutAcceleratorsAndCase) {
    EXPECT_TRUE(ControlTextMatches(L"&Open", L"open"));
    EXPECT_TRUE(ControlTextMatches(L"立即转换", L"立即转换"));
    EXPECT_TRUE(ControlTextMatches(L"Save && Close", L"Save & Close"));
    EXPECT_TRUE(ControlTextMatches(L"A&&B", L"A&&B"));  // the raw text still matches
    EXPECT_FALSE(ControlTextMatches(L"&Open", L"Ope"));
    EXPECT_EQ(StripAccelerators(L"trailing&"), L"trailing");
}

TEST(Labels, FolderPathsSplitOnEitherSlashAndDrivesMatchShellLabels) {
    EXPECT_EQ(SplitFolderPath(L"Z:\\tmp\\输出 目录\\"), (std::vector<std::wstring>{L"Z:", L"tmp", L"输出 目录"}));
    EXPECT_EQ(SplitFolderPath(L"Desktop/My Computer"), (std::vector<std::wstring>{L"Desktop", L"My Computer"}));
    EXPECT_TRUE(SplitFolderPath(L"\\\\").empty());
    EXPECT_TRUE(IsDriveLabel(L"z:", L"Z:"));
    EXPECT_TRUE(IsDriveLabel(L"/ (Z:)", L"Z:"));
    EXPECT_TRUE(IsDriveLabel(L"Z:\\", L"z:"));
    EXPECT_FALSE(IsDriveLabel(L"Local Disk (C:)", L"Z:"));
    EXPECT_FALSE(IsDriveLabel(L"Z:", L"Z"));
}

TEST(Labels, EscapedTextStaysOnOneLine) { EXPECT_EQ(EscapeText(L"a\"b\\c\r\n\td"), L"a\\\"b\\\\c\\r\\n\\td"); }

TEST(WindowTerms, HitTestCodesByNameAtBothEndsAndOutside) {
    const struct {
        long long code;
        const wchar_t* name;
    } cases[] = {{-2, L"HTERROR"},
                 {-1, L"HTTRANSPARENT"},
                 {0, L"HTNOWHERE"},
                 {1, L"HTCLIENT"},
                 {2, L"HTCAPTION"},
                 {8, L"HTMINBUTTON"},
                 {10, L"HTLEFT"},
                 {17, L"HTBOTTOMRIGHT"},
                 {20, L"HTCLOSE"},
                 {21, L"HTHELP"},
                 {22, L"HT?22"},
                 {-3, L"HT?-3"},
                 {0x10000000002, L"HT?1099511627778"}};
    for (const auto& c : cases) EXPECT_EQ(HitTestName(c.code), c.name) << c.code;
}

TEST(WindowTerms, SignedValuesAndPoints) {
    long long v = 0;
    EXPECT_TRUE(ParseSigned(L"-1", v));
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseSigned(L"0xFFFFFFFFFFFFFFFF", v));  // a bit pattern, as lParam carries it
    EXPECT_EQ(v, -1);
    EXPECT_TRUE(ParseSigned(L"-9223372036854775808", v));
    EXPECT_EQ(v, INT64_MIN);
    EXPECT_FALSE(ParseSigned(L"9223372036854775808", v));
    EXPECT_FALSE(ParseSigned(L"-0x5", v));
    EXPECT_FALSE(ParseSigned(L"-", v));
    EXPECT_FALSE(ParseSigned(L"--1", v));
    int x = 0, y = 0;
    EXPECT_TRUE(ParsePoint(L"-4,17", x, y));
    EXPECT_EQ(x, -4);
    EXPECT_EQ(y, 17);
    EXPECT_FALSE(ParsePoint(L"4", x, y));
    EXPECT_FALSE(ParsePoint(L"4,", x, y));
    EXPECT_FALSE(ParsePoint(L"4,5,6", x, y));
    EXPECT_FALSE(ParsePoint(L"3000000000,1", x, y));
    EXPECT_EQ(x, -4);  // untouched by failures
}
