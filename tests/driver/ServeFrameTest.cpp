// The wire format of twdriver --serve.
#include <gtest/gtest.h>

#include "tests/driver/ServeFrame.h"

using namespace tw::driver;

TEST(ServeFrame, RequestsKeepEveryArgumentAsSent) {
    struct Case {
        std::string line;
        RequestKind kind;
        std::vector<std::string> args;
    };
    const Case cases[] = {
        {"\x1ftext\x1f--class\x1fTFrmMain", RequestKind::Command, {"text", "--class", "TFrmMain"}},
        {"\x1f"
         "settext\x1f--id\x1f"
         "201\x1f\xe4\xbd\xa0\xe5\xa5\xbd world",  // blanks and Chinese
         RequestKind::Command,
         {"settext", "--id", "201", "\xe4\xbd\xa0\xe5\xa5\xbd world"}},
        {"\x1f"
         "folder\x1fZ:\\tmp\\out dir\\",
         RequestKind::Command,
         {"folder", "Z:\\tmp\\out dir\\"}},
        {"\x1fsettext\x1f\x1f--id\x1f", RequestKind::Command, {"settext", "", "--id", ""}},  // empty ones
        {"\x1f", RequestKind::Command, {""}},
        {"", RequestKind::Command, {}},  // no arguments: the help, as the one-shot driver gives it
        {"quit", RequestKind::Quit, {}},
        {"text --class X", RequestKind::Malformed, {}},
        {"quit\x1f", RequestKind::Malformed, {}},
    };
    for (const Case& c : cases) {
        const Request r = ParseRequest(c.line);
        EXPECT_EQ(static_cast<int>(r.kind), static_cast<int>(c.kind)) << c.line;
        EXPECT_EQ(r.args, c.args) << c.line;
    }
}

TEST(ServeFrame, AnswersCountTheirBytes) {
    EXPECT_EQ(FormatAnswer(0, "", ""), "0 0 0\n");
    // Line feeds, a frame-looking line and UTF-8 inside stay payload: the counts are in bytes.
    EXPECT_EQ(FormatAnswer(1, "a\n0 0 0\n", "\xe9\x94\x99\n"), "1 8 4\na\n0 0 0\n\xe9\x94\x99\n");
    EXPECT_EQ(FormatAnswer(2, "", "twdriver: unknown command x\n"), "2 0 28\ntwdriver: unknown command x\n");
}
