#include "process/LineStore.h"

#include <gtest/gtest.h>

#include <atomic>
#include <string>
#include <thread>

namespace tw {
namespace {

TEST(LineStore, KeepsLinesInOrderAcrossBlocksAndGivesThemBack) {
    TLineStore store;
    const std::string big(3u << 20, 'b');  // longer than a block
    store.Add("first");
    store.Add("");
    store.Add(big);
    TLineBatch batch;
    batch.Add("x");
    batch.Add(std::string(1000, 'y'));
    store.Add(batch);
    for (int i = 0; i < 3000; ++i) store.Add(std::string(700, static_cast<char>('a' + i % 26)));

    ASSERT_EQ(store.Count(), 5 + 3000);
    EXPECT_EQ(store.Line(0), "first");
    EXPECT_EQ(store.Line(1), "");
    EXPECT_EQ(store.Line(2), big);
    EXPECT_EQ(store.Line(3), "x");
    EXPECT_EQ(store.Line(4), std::string(1000, 'y'));
    EXPECT_EQ(store.Line(5 + 2999), std::string(700, static_cast<char>('a' + 2999 % 26)));
    EXPECT_EQ(store.Line(-1), "");
    EXPECT_EQ(store.Line(store.Count()), "");

    const TStringList list = store.ToStringList();
    ASSERT_EQ(list.Count(), store.Count());
    std::string joined;
    for (const std::string& line : list.Items()) joined += line + "\r\n";
    EXPECT_EQ(store.Text(), joined);
    EXPECT_EQ(store.Text(), list.Text());

    store.Clear();
    EXPECT_EQ(store.Count(), 0);
    EXPECT_EQ(store.Text(), "");
    store.Add("again");
    EXPECT_EQ(store.Text(), "again\r\n");
}

// Snapshots taken while another thread appends always show whole lines, in order.
TEST(LineStore, SnapshotsDuringAppendsAreConsistent) {
    TLineStore store;
    std::atomic<bool> done{false};
    std::thread writer([&] {
        TLineBatch batch;
        for (int i = 0; i < 20000; ++i) {
            batch.Clear();
            batch.Add("line " + std::to_string(2 * i));
            batch.Add("line " + std::to_string(2 * i + 1));
            store.Add(batch);
        }
        done = true;
    });
    int checks = 0;
    while (!done || checks == 0) {
        const std::string text = store.Text();
        size_t pos = 0;
        int expected = 0;
        while (pos < text.size()) {
            const size_t eol = text.find("\r\n", pos);
            ASSERT_NE(eol, std::string::npos);
            ASSERT_EQ(text.substr(pos, eol - pos), "line " + std::to_string(expected));
            ++expected;
            pos = eol + 2;
        }
        EXPECT_EQ(expected % 2, 0);  // a batch joins whole
        ++checks;
    }
    writer.join();
    EXPECT_EQ(store.Count(), 40000);
}

}  // namespace
}  // namespace tw
