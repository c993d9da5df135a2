// TLzhExpandTree: the adaptive symbol tree laid out for expansion, where every symbol walks its
// path to the root: root first, a node's count and parent in one word, no root count to keep.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/package/LzhTree.h"

namespace tw {
namespace lzh {

// Nodes are numbered from the root down (TLzhTree's node i is our R - i), so counts fall as
// the index rises, and the root is both the end of every walk and the stop of every search for
// a node to exchange with: its count is held at 0xFFFF and never walked, the real root count
// is kept aside for the rebuild check. An inner node's children are son and son - 1 (bits 0
// and 1). A leaf's son is its symbol's code, T + 2s + 1; the slot below each code is a spare,
// so that an exchange may write "both children's parents" without asking whether the son is a
// leaf.
class TLzhExpandTree {
public:
    static constexpr unsigned kFirstCode = T;  // sons at or past this are symbol codes
    static constexpr unsigned kSlots = T + 2 * N_CHAR;

    TLzhExpandTree() {
        const TLzhTree start;
        From(start);
    }

    static constexpr unsigned Code(unsigned symbol) { return kFirstCode + 2 * symbol + 1; }
    static constexpr unsigned Symbol(unsigned code) { return (code - kFirstCode) >> 1; }

    bool NeedsRebuild() const { return rootCount_ == MAX_FREQ; }

    // Halves all counts and builds the tree afresh from the leaves, as TLzhTree does.
    void Rebuild() {
        TLzhTree classic;
        To(classic);
        classic.Rebuild();
        From(classic);
    }

    // Counts the symbol of code once more, moving nodes so counts stay sorted; every exchange
    // of the subtrees at nodes c and l (l nearer the root) is told to swaps.
    template <class FSwaps>
    void Update(unsigned code, FSwaps& swaps) {
        if (NeedsRebuild()) Rebuild();
        ++rootCount_;
        // Indices are pointer-sized so that "the node before" folds into the address.
        size_t c = node_[code].prnt;
        do {
            // The count sits in the word's low half and is below 0x8000, so adding one to the
            // word adds one to the count alone; the high half is the parent.
            uint32_t w = Word(c) + 1;
            SetWord(c, w);
            if (__builtin_expect(static_cast<uint16_t>(w) > node_[c - 1].freq, 0)) w = Word(Exchange(c, swaps));
            c = w >> 16;
        } while (c != 0);
    }

    unsigned Son(unsigned node) const { return son_[node]; }

private:
    struct TNode {
#if defined(__BYTE_ORDER__) && __BYTE_ORDER__ == __ORDER_BIG_ENDIAN__
        uint16_t prnt;
        uint16_t freq;
#else
        uint16_t freq;
        uint16_t prnt;
#endif
    };
    static_assert(sizeof(TNode) == 4, "a node is one 32-bit word");

    uint32_t Word(size_t k) const {
        uint32_t w;
        std::memcpy(&w, &node_[k], sizeof w);
        return w;
    }
    void SetWord(size_t k, uint32_t w) { std::memcpy(&node_[k], &w, sizeof w); }

    // Node c's count rose to k past its neighbour nearer the root: it trades places with the
    // node l nearest the root that still counts less than k, subtrees and all. Returns l.
    template <class FSwaps>
    size_t Exchange(size_t c, FSwaps& swaps) {
        const unsigned k = node_[c].freq;
        size_t l = c - 1;
        while (k > node_[l - 1].freq) --l;
        node_[c].freq = node_[l].freq;
        node_[l].freq = static_cast<uint16_t>(k);
        const size_t i = son_[c];
        node_[i].prnt = static_cast<uint16_t>(l);
        node_[i - 1].prnt = static_cast<uint16_t>(l);
        const size_t j = son_[l];
        son_[l] = static_cast<uint16_t>(i);
        node_[j].prnt = static_cast<uint16_t>(c);
        node_[j - 1].prnt = static_cast<uint16_t>(c);
        son_[c] = static_cast<uint16_t>(j);
        swaps.Swapped(c, l);
        return l;
    }

    void From(const TLzhTree& t) {
        std::memset(node_, 0, sizeof node_);
        for (unsigned e = 1; e <= static_cast<unsigned>(R); ++e) node_[e].freq = t.node[R - e].freq;
        node_[0].freq = 0xFFFF;
        rootCount_ = t.node[R].freq;
        for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
            const unsigned s = t.son[R - e];
            son_[e] = static_cast<uint16_t>(s >= static_cast<unsigned>(T) ? Code(s - T) : R - s);
        }
        for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
            const unsigned k = son_[e];
            node_[k].prnt = static_cast<uint16_t>(e);
            node_[k - 1].prnt = static_cast<uint16_t>(e);
        }
    }

    void To(TLzhTree& t) const {
        for (unsigned e = 1; e <= static_cast<unsigned>(R); ++e) t.node[R - e].freq = node_[e].freq;
        t.node[R].freq = static_cast<uint16_t>(rootCount_);
        for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
            const unsigned k = son_[e];
            t.son[R - e] = static_cast<uint16_t>(k >= kFirstCode ? T + Symbol(k) : R - k);
        }
        // Parents are not read by the rebuild, which derives them afresh.
    }

    TNode node_[kSlots];
    uint16_t son_[T];
    unsigned rootCount_ = 0;
};

}  // namespace lzh
}  // namespace tw
