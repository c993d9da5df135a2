#include "tools/encoder/WindowsQuote.h"

#include <gtest/gtest.h>

#include <random>

using tw::tools::BuildWindowsCommandLine;
using tw::tools::QuoteWindowsArgument;

namespace {

// How the C runtime splits the arguments after the program name (the rules the quoting targets).
std::vector<std::string> SplitLikeRuntime(const std::string& line) {
    std::vector<std::string> arguments;
    size_t i = 0;
    for (;;) {
        while (i < line.size() && (line[i] == ' ' || line[i] == '\t')) ++i;
        if (i >= line.size()) return arguments;
        std::string argument;
        bool quoted = false;
        while (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) {
            size_t backslashes = 0;
            while (i < line.size() && line[i] == '\\') {
                ++backslashes;
                ++i;
            }
            if (i < line.size() && line[i] == '"') {
                argument.append(backslashes / 2, '\\');
                if (backslashes % 2 == 1) argument += '"';
                else
                    quoted = !quoted;
                ++i;
            } else {
                argument.append(backslashes, '\\');
                if (i < line.size() && (quoted || (line[i] != ' ' && line[i] != '\t'))) argument += line[i++];
            }
        }
        arguments.push_back(argument);
    }
}

}  // namespace

TEST(WindowsQuote, LeavesPlainArgumentsAlone) {
    EXPECT_EQ(QuoteWindowsArgument("-vcodec"), "-vcodec");
    EXPECT_EQ(QuoteWindowsArgument("C:\\Video\\a.avi"), "C:\\Video\\a.avi");
    EXPECT_EQ(QuoteWindowsArgument("2>&1"), "2>&1");
}

TEST(WindowsQuote, QuotesBlanksEmptyAndQuotes) {
    EXPECT_EQ(QuoteWindowsArgument(""), "\"\"");
    EXPECT_EQ(QuoteWindowsArgument("C:\\My Video\\a b.avi"), "\"C:\\My Video\\a b.avi\"");
    EXPECT_EQ(QuoteWindowsArgument("say \"hi\""), "\"say \\\"hi\\\"\"");
    EXPECT_EQ(QuoteWindowsArgument("tab\there"), "\"tab\there\"");
}

TEST(WindowsQuote, DoublesBackslashesOnlyBeforeAQuote) {
    EXPECT_EQ(QuoteWindowsArgument("C:\\Out Dir\\"), "\"C:\\Out Dir\\\\\"");
    EXPECT_EQ(QuoteWindowsArgument("a\\\"b"), "\"a\\\\\\\"b\"");
    EXPECT_EQ(QuoteWindowsArgument("a\\\\b c"), "\"a\\\\b c\"");
}

TEST(WindowsQuote, ChineseNamesPassAsBytes) {
    EXPECT_EQ(QuoteWindowsArgument("D:\\视频 文件\\我的.avi"), "\"D:\\视频 文件\\我的.avi\"");
}

TEST(WindowsQuote, AnyArgumentsSurviveTheRoundTrip) {
    const char alphabet[] = {'a', ' ', '\\', '"', '\t', 'x'};
    std::mt19937 random(12345);
    for (int round = 0; round < 2000; ++round) {
        std::vector<std::string> arguments(1 + random() % 4);
        for (std::string& argument : arguments) {
            size_t length = random() % 7;
            for (size_t i = 0; i < length; ++i) argument += alphabet[random() % sizeof alphabet];
        }
        std::string line = BuildWindowsCommandLine("C:\\Program Files\\x.exe", arguments);
        std::string program = "\"C:\\Program Files\\x.exe\"";
        ASSERT_EQ(line.compare(0, program.size(), program), 0);
        ASSERT_EQ(SplitLikeRuntime(line.substr(program.size())), arguments) << line;
    }
}
