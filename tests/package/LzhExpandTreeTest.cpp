#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "skin/package/LzhExpandTree.h"
#include "skin/package/LzhPrefixTable.h"
#include "skin/package/LzhTree.h"

using namespace tw::lzh;

namespace {

// The expander's tree must stay the coder's tree renumbered from the root down: the same
// counts and the same shape after every update, rebuilds included.
::testing::AssertionResult SameTree(const TLzhTree& plain, const TLzhExpandTree& ours) {
    for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
        const unsigned i = R - e;
        if (ours.Count(e) != plain.node[i].freq)
            return ::testing::AssertionFailure()
                   << "count of node " << i << ": " << ours.Count(e) << " against " << plain.node[i].freq;
        const unsigned son = ours.Son(e);
        const unsigned want = plain.son[i] >= T ? TLzhExpandTree::Code(plain.son[i] - T) : R - plain.son[i];
        if (son != want) return ::testing::AssertionFailure() << "son of node " << i;
    }
    return ::testing::AssertionSuccess();
}

// A table mended after exchanges must read as one built afresh from the same tree.
::testing::AssertionResult SameTable(const TLzhPrefixTable& mended, const TLzhExpandTree& tree) {
    const TLzhPrefixTable fresh(tree);
    for (unsigned p = 0; p < (1u << TLzhPrefixTable::kBits); ++p) {
        const auto& a = mended.Lookup(p);
        const auto& b = fresh.Lookup(p);
        if (a.node != b.node || a.bits != b.bits)
            return ::testing::AssertionFailure() << "entry " << p << ": node " << a.node << " of " << int{a.bits}
                                                 << " bits, afresh node " << b.node << " of " << int{b.bits};
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

// Symbol streams of different shapes: even (deep exchanges, a rebuild every ~16,000 symbols),
// steeply skewed (a lopsided tree whose top keeps trading places), and a skew that moves from
// one end of the alphabet to the other (whole subtrees climbing past each other).
TEST(LzhExpandTree, FollowsTheCoderTreeAndItsFirstBitsThroughRebuilds) {
    struct TCase {
        const char* name;
        int symbols;
        unsigned (*pick)(std::mt19937&, int);
    };
    const TCase cases[] = {
        {"even", 70000, [](std::mt19937& rng, int) { return static_cast<unsigned>(rng() % N_CHAR); }},
        {"skewed", 70000,
         [](std::mt19937& rng, int) {
             std::geometric_distribution<unsigned> g(0.15);
             return g(rng) % N_CHAR;
         }},
        {"drifting", 90000,
         [](std::mt19937& rng, int k) {
             std::geometric_distribution<unsigned> g(0.3);
             return (g(rng) + static_cast<unsigned>(k / 300)) % N_CHAR;
         }},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.name);
        std::mt19937 rng(7);
        TLzhTree plain;
        TLzhExpandTree ours;
        TLzhPrefixTable table(ours);
        int rebuilds = 0;
        ASSERT_TRUE(SameTree(plain, ours));
        for (int k = 0; k < c.symbols; ++k) {
            const unsigned s = c.pick(rng, k);
            if (ours.UpdatesBeforeRebuild() == 0) {
                ours.Rebuild();
                table.Build();
                ++rebuilds;
            }
            plain.Update(s);
            ours.Update(TLzhExpandTree::Code(s), table);
            ASSERT_TRUE(SameTree(plain, ours)) << "after symbol " << k;
            ASSERT_TRUE(SameTable(table, ours)) << "after symbol " << k;
        }
        EXPECT_GE(rebuilds, 2);
    }
}
