#include <gtest/gtest.h>

#include "skin/package/Lzh.h"
#include "skin/package/LzhCoder.h"
#include "tests/package/ReferenceLzh.h"
#include "tests/package/TestData.h"
#include "tests/package/bench/ClassicLzhuf.h"

using tw::LzhCompress;
using tw::LzhExpand;

namespace {

std::vector<uint8_t> Expand(const std::vector<uint8_t>& coded, size_t size) {
    return LzhExpand(coded.data(), coded.size(), static_cast<uint32_t>(size));
}

std::vector<uint8_t> Bytes(const std::string& s) { return std::vector<uint8_t>(s.begin(), s.end()); }

// Compresses, expands with both expanders and expects the input back from each.
void ExpectRoundTrip(const std::vector<uint8_t>& data, const char* what) {
    SCOPED_TRACE(what);
    const std::vector<uint8_t> coded = LzhCompress(data.data(), data.size());
    EXPECT_EQ(Expand(coded, data.size()), data);
    EXPECT_EQ(reference::Expand(coded, static_cast<uint32_t>(data.size())), data);
}

}  // namespace

TEST(Lzh, RoundTripsVariedData) {
    ExpectRoundTrip({}, "empty");
    ExpectRoundTrip({0x41}, "one byte");
    ExpectRoundTrip(Bytes("ab"), "two bytes");
    ExpectRoundTrip(Bytes("   leading blanks match the starting window"), "blanks");
    ExpectRoundTrip(std::vector<uint8_t>(100000, 'A'), "long run");
    ExpectRoundTrip(std::vector<uint8_t>(5000, 0), "zeros (match the unfilled window end)");
    ExpectRoundTrip(testdata::Text(70000, 1), "text");
    ExpectRoundTrip(testdata::Bitmap(97, 61, 2), "bitmap");
    ExpectRoundTrip(testdata::RandomBytes(4097, 3), "random, one window plus one");
    std::vector<uint8_t> periodic;
    for (int i = 0; i < 20000; ++i) periodic.push_back(static_cast<uint8_t>(i % 4096 % 251));
    ExpectRoundTrip(periodic, "repeats at the full window distance");
}

// The first tree rebuild comes after about 32,450 symbols, later ones every ~16,300 (counts are
// halved). Random bytes are one symbol each, so this passes through well over ten rebuilds,
// with a compressible stretch of matches in between.
TEST(Lzh, RoundTripsThroughManyTreeRebuilds) {
    std::vector<uint8_t> data = testdata::RandomBytes(200000, 4);
    const auto text = testdata::Text(150000, 5);
    data.insert(data.end(), text.begin(), text.end());
    const auto more = testdata::RandomBytes(100000, 6);
    data.insert(data.end(), more.begin(), more.end());
    ExpectRoundTrip(data, "mixed");
}

TEST(Lzh, CompressesSkinLikeData) {
    std::vector<uint8_t> data = testdata::Bitmap(200, 100, 7);
    const std::vector<uint8_t> coded = LzhCompress(data.data(), data.size());
    EXPECT_LT(coded.size(), data.size() / 4);
}

// Bit patterns worked out by hand from the starting tree: eight zero bits walk the first
// child down to leaf 116 ('t'); the second-child path is one level deeper, nine one bits reach
// leaf 115 ('s'), and eight ones then a zero give its sibling 114 ('r').
TEST(Lzh, FirstSymbolComesFromTheStartingTree) {
    EXPECT_EQ(Expand({}, 1), Bytes("t"));
    EXPECT_EQ(Expand({0xFF, 0x80}, 1), Bytes("s"));
    EXPECT_EQ(Expand({0xFF}, 1), Bytes("r"));
}

// Length-3 symbol (code 1000 1100 in the starting tree) and positions 0 and 4095: the
// starting window holds blanks just behind the write index and zeros at its far end.
TEST(Lzh, MatchAtTheStartReadsTheStartingWindow) {
    EXPECT_EQ(Expand({0x8C, 0x00, 0x00}, 3), Bytes("   "));
    EXPECT_EQ(Expand({0x8C, 0xFF, 0xFC}, 3), std::vector<uint8_t>(3, 0));
}

TEST(Lzh, UnpackSizeZeroReadsNothingAndWritesNothing) {
    tw::TMemoryStream in(std::vector<uint8_t>{1, 2, 3, 4});
    in.SetPosition(1);
    tw::TMemoryStream out;
    tw::TLZH().Unpack(0, in, out);
    EXPECT_EQ(in.Position(), 1u);
    EXPECT_EQ(out.Size(), 0u);
}

TEST(Lzh, UnpackWritesAtTheOutputPositionAndAdvancesTheInput) {
    const auto data = testdata::Text(3000, 8);
    const auto coded = LzhCompress(data.data(), data.size());
    std::vector<uint8_t> framed{9, 9};
    framed.insert(framed.end(), coded.begin(), coded.end());
    framed.push_back(0x77);
    tw::TMemoryStream in(framed);
    in.SetPosition(2);
    tw::TMemoryStream out;
    out.Write("head", 4);
    tw::TLZH().Unpack(static_cast<uint32_t>(data.size()), in, out);
    EXPECT_EQ(in.Position(), 2 + coded.size());
    ASSERT_EQ(out.Size(), 4 + data.size());
    EXPECT_TRUE(std::equal(data.begin(), data.end(), out.Memory() + 4));
}

// Damaged and truncated input is not detected: it expands, with zero bits past the end, to the
// stated size (or up to 59 bytes beyond when a final match runs over). The fast expander must
// produce exactly what the plain step-by-step one does.
TEST(Lzh, ArbitraryBitsExpandLikeThePlainExpander) {
    for (uint32_t seed = 0; seed < 60; ++seed) {
        const auto coded = testdata::RandomBytes(seed * 37 % 2000, seed);
        const uint32_t size = (seed * 7919u) % 40000u + 1;
        const auto fast = Expand(coded, size);
        const auto plain = reference::Expand(coded, size);
        ASSERT_EQ(fast, plain) << "seed " << seed;
        ASSERT_EQ(classic::ClassicLzhufExpand(coded.data(), coded.size(), size), plain) << "seed " << seed;
        EXPECT_GE(fast.size(), size);
        EXPECT_LE(fast.size(), size + 59u);
    }
}

TEST(Lzh, TruncatedInputExpandsToTheStatedSize) {
    const auto data = testdata::Text(20000, 9);
    auto coded = LzhCompress(data.data(), data.size());
    coded.resize(coded.size() / 2);
    const auto out = Expand(coded, data.size());
    EXPECT_GE(out.size(), data.size());
    EXPECT_EQ(out, reference::Expand(coded, static_cast<uint32_t>(data.size())));
    // What the surviving bits cover comes out right.
    EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, out.begin()));
}

TEST(Lzh, RefusesOversizedExpansionBeforeAllocating) {
    const std::vector<uint8_t> coded{0, 0, 0};
    EXPECT_THROW(Expand(coded, tw::kMaxExpandedSize + 1ull), tw::ElzhException);
    try {
        Expand(coded, 0xFFFFFFFFu);
        FAIL();
    } catch (const tw::ElzhException& e) {
        EXPECT_EQ(e.Message(), "LZH : Expanded size too large");
    }
}
