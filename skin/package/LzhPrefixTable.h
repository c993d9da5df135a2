// TLzhPrefixTable: where the first bits of a symbol's code lead in the adaptive tree, looked
// up at once instead of walked bit by bit, and built again only when the top of the tree moves.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/package/LzhExpandTree.h"

namespace tw {
namespace lzh {

class TLzhPrefixTable {
public:
    // Six bits: deeper tables are rebuilt so often (subtrees near the top keep exchanging) that
    // the rebuilds cost more than the walk they save.
    static constexpr int kBits = 6;

    struct TEntry {
        uint16_t node;  // the node reached: a leaf, or an inner node kBits deep
        uint8_t bits;   // code bits that led there
    };

    // Rebuilds the table when the tree changed near its top since the last build.
    void Refresh(const TLzhExpandTree& tree) {
        if (!stale_) return;
        std::memset(relied_, 0, sizeof relied_);
        Visit(tree, 0, 0, 0);
        stale_ = false;
    }

    const TEntry& Lookup(unsigned prefix) const { return entry_[prefix]; }

    // The tree is about to be rebuilt from its leaves.
    void Invalidate() { stale_ = true; }

    // Called by the tree's update for every subtree exchange at nodes c and l.
    void Swapped(size_t c, size_t l) { stale_ |= (relied_[c] | relied_[l]) != 0; }

private:
    void Visit(const TLzhExpandTree& tree, unsigned node, int depth, unsigned prefix) {
        if (depth == kBits) {
            entry_[prefix] = {static_cast<uint16_t>(node), static_cast<uint8_t>(kBits)};
            return;
        }
        relied_[node] = 1;
        const unsigned son = tree.Son(node);
        if (son >= TLzhExpandTree::kFirstCode) {
            const unsigned span = 1u << (kBits - depth);
            for (unsigned k = 0; k < span; ++k)
                entry_[prefix * span + k] = {static_cast<uint16_t>(node), static_cast<uint8_t>(depth)};
            return;
        }
        Visit(tree, son, depth + 1, prefix * 2);
        Visit(tree, son - 1, depth + 1, prefix * 2 + 1);
    }

    TEntry entry_[1u << kBits];
    uint8_t relied_[T];  // nodes above kBits deep, whose sons the entries depend on
    bool stale_ = true;
};

}  // namespace lzh
}  // namespace tw
