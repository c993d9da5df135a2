// TLzhPrefixTable: where the first bits of a symbol's code lead in the adaptive tree, looked
// up at once instead of walked bit by bit, and mended in place when the top of the tree moves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/package/LzhExpandTree.h"

namespace tw {
namespace lzh {

class TLzhPrefixTable {
public:
    // Seven bits: deeper tables are mended so often (subtrees near the top keep exchanging)
    // that the mending costs more than the walk it saves.
    static constexpr int kBits = 7;

    struct TEntry {
        uint16_t node;  // the node reached: a leaf, or an inner node kBits deep
        uint8_t bits;   // code bits that led there
    };

    explicit TLzhPrefixTable(const TLzhExpandTree& tree) : tree_(tree) { Build(); }

    // Builds the whole table afresh, as after a rebuild of the tree.
    void Build() {
        std::memset(depth_, 0, sizeof depth_);
        Visit(0, 0, 0);
    }

    const TEntry& Lookup(unsigned prefix) const { return entry_[prefix]; }

    // Called by the tree's update for every subtree exchange at nodes c and l, once the
    // exchange is done.
    void Swapped(size_t c, size_t l) {
        if (__builtin_expect((depth_[c] | depth_[l]) != 0, 0)) Mend(c, l);
    }

private:
    // The subtrees at c and l traded places (the two never lie one inside the other, and each
    // node keeps its own place under its parent): the entries below whichever of them lies
    // above kBits are laid again, and the nodes that moved are first forgotten, so that only
    // nodes truly above kBits stay marked.
    __attribute__((noinline)) void Mend(size_t c, size_t l) {
        const unsigned depthC = depth_[c], depthL = depth_[l];
        Forget(c);
        Forget(l);
        if (depthC) Visit(c, depthC - 1, prefix_[c]);
        if (depthL) Visit(l, depthL - 1, prefix_[l]);
    }

    // Unmarks the marked nodes below node.
    void Forget(size_t node) {
        const unsigned son = tree_.Son(static_cast<unsigned>(node));
        if (son >= TLzhExpandTree::kFirstCode) return;
        for (const unsigned child : {son, son - 1}) {
            if (depth_[child] == 0) continue;
            depth_[child] = 0;
            Forget(child);
        }
    }

    void Visit(size_t node, unsigned depth, unsigned prefix) {
        if (depth == kBits) {
            entry_[prefix] = {static_cast<uint16_t>(node), static_cast<uint8_t>(kBits)};
            return;
        }
        depth_[node] = static_cast<uint8_t>(depth + 1);
        prefix_[node] = static_cast<uint8_t>(prefix);
        const unsigned son = tree_.Son(static_cast<unsigned>(node));
        if (son >= TLzhExpandTree::kFirstCode) {
            const unsigned span = 1u << (kBits - depth);
            for (unsigned k = 0; k < span; ++k)
                entry_[prefix * span + k] = {static_cast<uint16_t>(node), static_cast<uint8_t>(depth)};
            return;
        }
        Visit(son, depth + 1, prefix * 2);
        Visit(son - 1, depth + 1, prefix * 2 + 1);
    }

    const TLzhExpandTree& tree_;
    TEntry entry_[1u << kBits];
    // For a node above kBits, its depth plus one (0 for every other node) and the code bits
    // that lead to it: the entries depend on exactly these nodes' sons.
    uint8_t depth_[T];
    uint8_t prefix_[T];
};

}  // namespace lzh
}  // namespace tw
