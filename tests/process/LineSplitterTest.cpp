#include "process/LineSplitter.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <utility>
#include <vector>

#include "tests/process/FloodGen.h"

namespace tw {
namespace {

using Event = std::pair<std::string, TOutputType>;

struct Recorder {
    std::vector<Event> events;
    TLineSplitter::TSink Sink() {
        return [this](std::string_view line, TOutputType type) { events.emplace_back(std::string(line), type); };
    }
    std::vector<std::string> Entire() const {
        std::vector<std::string> out;
        for (const auto& e : events)
            if (e.second == otEntireLine) out.push_back(e.first);
        return out;
    }
};

// Feeds each piece in turn, then finishes the run.
std::vector<Event> Split(const std::vector<std::string>& pieces) {
    TLineSplitter splitter;
    Recorder r;
    const auto sink = r.Sink();
    for (const auto& p : pieces) splitter.Feed(p.data(), p.size(), sink);
    splitter.Finish(sink);
    return r.events;
}

std::vector<std::string> EntireLines(const std::vector<std::string>& pieces) {
    std::vector<std::string> out;
    for (const auto& e : Split(pieces))
        if (e.second == otEntireLine) out.push_back(e.first);
    return out;
}

std::string Bytes(const char* p, size_t n) { return std::string(p, n); }

TEST(LineSplitter, CompleteLinesDuringReadAndUnfinishedLineTwice) {
    const std::vector<Event> expected = {
        {"a", otEntireLine}, {"b", otEntireLine}, {"c", otBeginningOfLine}, {"c", otEntireLine}};
    EXPECT_EQ(Split({"a\r\nb\nc"}), expected);
}

TEST(LineSplitter, LineEndsWithinOnePiece) {
    EXPECT_EQ(EntireLines({"x\ry"}), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(EntireLines({"x\r\ny"}), (std::vector<std::string>{"x", "y"}));
    EXPECT_EQ(EntireLines({"x\n\ry"}), (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(EntireLines({"\n\n"}), (std::vector<std::string>{"", ""}));
    EXPECT_EQ(EntireLines({"x\r\r\ny"}), (std::vector<std::string>{"x", "", "y"}));
    EXPECT_TRUE(EntireLines({""}).empty());
}

TEST(LineSplitter, NulBytesAreDroppedEverywhere) {
    EXPECT_EQ(EntireLines({Bytes("\0a\0b\0\n\0", 7), Bytes("c\0", 2)}), (std::vector<std::string>{"ab", "c"}));
    // NUL between CR and LF keeps them apart: two line ends.
    EXPECT_EQ(EntireLines({Bytes("x\r\0\ny", 5)}), (std::vector<std::string>{"x", "", "y"}));
    // A piece of NULs alone reports nothing at all.
    EXPECT_TRUE(Split({Bytes("\0\0\0", 3)}).empty());
}

TEST(LineSplitter, CrEndingOnePieceAndLfStartingTheNextGiveAnEmptyLine) {
    EXPECT_EQ(EntireLines({"x\r", "\ny"}), (std::vector<std::string>{"x", "", "y"}));
    EXPECT_EQ(EntireLines({"x\r\n", "y"}), (std::vector<std::string>{"x", "y"}));
}

TEST(LineSplitter, UnfinishedLineGrowsAcrossPiecesAndIsNotReportedWhenEmpty) {
    const std::vector<Event> expected = {{"ab", otBeginningOfLine},
                                         {"abcd", otBeginningOfLine},
                                         {"abcde", otEntireLine},
                                         {"f", otBeginningOfLine},
                                         {"f", otEntireLine}};
    EXPECT_EQ(Split({"ab", "cd", "e\n", "f"}), expected);
}

TEST(LineSplitter, StatusLineRewrittenWithBareCrGivesOneLinePerUpdate) {
    EXPECT_EQ(EntireLines({"frame=1\rframe=2\r", "frame=3\r"}),
              (std::vector<std::string>{"frame=1", "frame=2", "frame=3"}));
}

TEST(LineSplitter, StopDiscardsTheRestOfThePiece) {
    TLineSplitter splitter;
    std::atomic<bool> stop{false};
    Recorder r;
    const std::string piece = "one\ntwo\nthree\nrest";
    splitter.Feed(
        piece.data(), piece.size(),
        [&](std::string_view line, TOutputType type) {
            r.events.emplace_back(std::string(line), type);
            if (line == "two") stop = true;
        },
        &stop);
    EXPECT_EQ(r.Entire(), (std::vector<std::string>{"one", "two"}));
    EXPECT_EQ(r.events.size(), 2u);  // no unfinished line after a stop
    splitter.Feed("more\n", 5, r.Sink(), &stop);
    EXPECT_EQ(r.events.size(), 2u);
}

TEST(LineSplitter, FinishReportsPendingOnceAndResetForgets) {
    TLineSplitter splitter;
    Recorder r;
    splitter.Feed("abc", 3, r.Sink());
    EXPECT_EQ(splitter.Pending(), "abc");
    splitter.Finish(r.Sink());
    splitter.Finish(r.Sink());
    EXPECT_EQ(r.Entire(), (std::vector<std::string>{"abc"}));
    splitter.Feed("xyz", 3, r.Sink());
    splitter.Reset();
    splitter.Feed("\n", 1, r.Sink());
    EXPECT_EQ(r.Entire(), (std::vector<std::string>{"abc", ""}));
}

// Every position inside and across eight-byte words, next to bytes that trip word-wise tests
// (0x01 after a match, high bytes, values one off the wanted ones).
TEST(LineSplitter, SeparatorsAreFoundAtEveryPositionAmongTrickyBytes) {
    const std::string fillers = std::string("\x01\x80\xff\x0b\x0c\x0e\x09\x8a\x8d", 9);
    for (size_t len = 0; len < 20; ++len) {
        for (char sep : {'\n', '\r', '\0'}) {
            for (size_t pos = 0; pos < len; ++pos) {
                std::string piece;
                for (size_t i = 0; i < len; ++i) piece += fillers[(i + pos) % fillers.size()];
                piece[pos] = sep;
                if (pos + 1 < len) piece[pos + 1] = '\x01';
                const std::string before = piece.substr(0, pos), after = piece.substr(pos + 1);
                const auto lines = EntireLines({piece});
                if (sep == '\0') {
                    const std::string joined = before + after;
                    ASSERT_EQ(lines, joined.empty() ? std::vector<std::string>{} : std::vector<std::string>{joined})
                        << len << " " << pos;
                } else {
                    std::vector<std::string> expected{before};
                    if (!after.empty()) expected.push_back(after);
                    ASSERT_EQ(lines, expected) << len << " " << pos << " " << int(sep);
                }
            }
        }
    }
}

// Without CR LF pairs the lines must not depend on where the stream is cut into pieces.
TEST(LineSplitter, PieceBoundariesDoNotChangeTheLines) {
    const size_t total = 300000;
    std::string stream(total, '\0');
    test::TFloodGen gen(11);
    // Filled in odd pieces: the flood must not depend on them either.
    for (size_t pos = 0, n = 1; pos < total; pos += n, n = n * 3 % 1001 + 1)
        gen.Fill(&stream[pos], pos + n > total ? total - pos : n);
    const test::TLineDigest expected = test::ExpectedFloodDigest(11, total);

    std::mt19937 rng(5);
    for (int round = 0; round < 4; ++round) {
        TLineSplitter splitter;
        test::TLineDigest got;
        size_t beginnings = 0;
        const TLineSplitter::TSink sink = [&](std::string_view line, TOutputType type) {
            if (type == otEntireLine) got.AddLine(std::string(line));
            else
                ++beginnings;
        };
        const size_t maxPiece = round == 0 ? 1 : 1u << (4 * round);
        for (size_t pos = 0; pos < total;) {
            size_t n = 1 + rng() % maxPiece;
            if (n > total - pos) n = total - pos;
            splitter.Feed(stream.data() + pos, n, sink);
            pos += n;
        }
        splitter.Finish(sink);
        EXPECT_EQ(got.Lines, expected.Lines) << "round " << round;
        EXPECT_EQ(got.Hash, expected.Hash) << "round " << round;
        EXPECT_GT(beginnings, 0u);
    }
}

}  // namespace
}  // namespace tw
