// The bounded keeper of a failed run's last diagnostic lines.
#include "app/LineKeeper.h"

#include <gtest/gtest.h>

#include <string>

namespace tw {
namespace {

TEST(LineKeeper, KeepsTheLastLinesInOrderAndSkipsBlankOnes) {
    TLineKeeper keeper(3, 100);
    EXPECT_TRUE(keeper.Empty());
    for (const char* line : {"one", "", "two\r", "   \t", "three  ", "four\r\n"}) keeper.Add(line);
    EXPECT_EQ(keeper.Count(), 3u);
    EXPECT_EQ(keeper.Text(), "two\r\nthree\r\nfour");
    // However long a run talks, only the last lines stay.
    for (int i = 0; i < 100000; ++i) keeper.Add("line " + std::to_string(i));
    EXPECT_EQ(keeper.Text(), "line 99997\r\nline 99998\r\nline 99999");
    keeper.Clear();
    EXPECT_EQ(keeper.Text(), "");
}

TEST(LineKeeper, CutsLongLinesAtACharacterBoundary) {
    const struct {
        const char* Line;
        const char* Kept;
    } cases[] = {
        {"abcdef", "abcdef"},                                   // exactly the limit
        {"abcdefg", "abcdef..."},                               // one byte over
        {"abcd\xe4\xb8\xad\xe6\x96\x87", "abcd..."},            // 中 would be cut after its first byte
        {"abcde\xe4\xb8\xad", "abcde..."},                      // ... or after its second
        {"abc\xe4\xb8\xad\xe6\x96\x87", "abc\xe4\xb8\xad..."},  // 中 fits whole, 文 does not
    };
    for (const auto& c : cases) {
        TLineKeeper keeper(5, 6);
        keeper.Add(c.Line);
        EXPECT_EQ(keeper.Text(), c.Kept) << c.Line;
    }
}

TEST(LineKeeper, KeepsNothingWhenAskedForNoLines) {
    TLineKeeper keeper(0, 10);
    keeper.Add("anything");
    EXPECT_TRUE(keeper.Empty());
}

}  // namespace
}  // namespace tw
