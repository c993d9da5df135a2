// TLzhExpandTree: the adaptive symbol tree laid out for expansion, where every symbol walks its
// path to the root: root first, a node's count and parent in one word.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "skin/package/LzhTree.h"

namespace tw {
namespace lzh {

// Nodes are numbered from the root down (TLzhTree's node i is our R - i), so counts fall as
// the index rises, and the root is both the end of every walk and the stop of every search for
// a node to exchange with: its count is held at 0xFFFF and never walked. The real root count is
// that of its children, which are always nodes 1 and 2. An inner node's children are son and son - 1 (bits 0
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

    // Updates that may come before a rebuild is due: the root count rises by one with each and
    // the tree is rebuilt when it reaches MAX_FREQ.
    unsigned UpdatesBeforeRebuild() const { return MAX_FREQ - (node_[1].freq + node_[2].freq); }

    // Halves all counts and builds the tree afresh from the leaves, giving what TLzhTree's
    // rebuild gives. That one inserts each new inner node behind every node counting no more;
    // since the leaves come sorted and the pair sums rise, the same order falls out of merging
    // the leaves with the inner nodes in the order they are made, a leaf first on a tie.
    void Rebuild() {
        uint16_t leafFreq[N_CHAR];
        uint16_t leafCode[N_CHAR];
        int leaves = 0;
        for (unsigned e = R; e >= 1 && leaves < N_CHAR; --e) {
            if (son_[e] < kFirstCode) continue;
            leafFreq[leaves] = static_cast<uint16_t>((node_[e].freq + 1u) / 2u);
            leafCode[leaves] = son_[e];
            ++leaves;
        }
        // The merged order, counted from the leaf end as TLzhTree counts; an inner node's son
        // is the place of its first child in that order.
        uint16_t freq[T];
        uint16_t son[T];
        uint16_t innerFreq[N_CHAR];
        int placed = 0, leaf = 0, inner = 0, made = 0;
        const auto place = [&] {
            if (leaf < leaves && (inner == made || leafFreq[leaf] <= innerFreq[inner])) {
                freq[placed] = leafFreq[leaf];
                son[placed++] = leafCode[leaf++];
            } else {
                freq[placed] = innerFreq[inner++];
                son[placed++] = static_cast<uint16_t>(2 * (inner - 1));
            }
        };
        for (; made < N_CHAR - 1; ++made) {
            while (placed < 2 * made + 2) place();
            innerFreq[made] = static_cast<uint16_t>(freq[2 * made] + freq[2 * made + 1]);
        }
        while (placed < T) place();
        for (int k = 0; k < R; ++k) node_[R - k].freq = freq[k];
        node_[0].freq = 0xFFFF;
        for (int k = 0; k < T; ++k) son_[R - k] = static_cast<uint16_t>(son[k] >= kFirstCode ? son[k] : R - son[k]);
        LinkParents();
    }

    // Counts the symbol of code once more, moving nodes so counts stay sorted; every exchange
    // of the subtrees at nodes c and l (l nearer the root) is told to swaps. A rebuild that is
    // due must come first.
    template <class FSwaps>
    void Update(unsigned code, FSwaps& swaps) {
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
    unsigned Count(unsigned node) const { return node ? node_[node].freq : node_[1].freq + node_[2].freq; }

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
        // The search starts at c itself, which keeps its setting-up out of every step.
        size_t l = c;
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
        for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
            const unsigned s = t.son[R - e];
            son_[e] = static_cast<uint16_t>(s >= static_cast<unsigned>(T) ? Code(s - T) : R - s);
        }
        LinkParents();
    }

    void LinkParents() {
        for (unsigned e = 0; e <= static_cast<unsigned>(R); ++e) {
            const unsigned k = son_[e];
            node_[k].prnt = static_cast<uint16_t>(e);
            node_[k - 1].prnt = static_cast<uint16_t>(e);
        }
    }

    TNode node_[kSlots];
    uint16_t son_[T];
};

}  // namespace lzh
}  // namespace tw
