// TLzhTree: the adaptive Huffman tree of LZHUF symbols, and the fixed position-code tables,
// shared by the expander and our coder so both sides evolve the tree identically.
#pragma once

#include <cstdint>
#include <cstring>

namespace tw {
namespace lzh {

constexpr int N = 4096;                      // ring buffer (window) size
constexpr int F = 60;                        // longest match
constexpr int THRESHOLD = 2;                 // a match is at least THRESHOLD + 1 bytes
constexpr int N_CHAR = 256 - THRESHOLD + F;  // literals 0..255, lengths 3..60
constexpr int T = N_CHAR * 2 - 1;            // tree nodes
constexpr int R = T - 1;                     // root
constexpr unsigned MAX_FREQ = 0x8000;
constexpr int kBlankFill = N - F;  // window bytes that start as blanks; also the first write index

// Position tables for the first 8 bits of a coded position: upper 6 bits and total code length.
struct TPositionTables {
    uint8_t dCode[256];
    uint8_t dLen[256];
    // Inverse for coding: prefix bits and their count for each upper-6-bit value.
    uint8_t pCode[64];
    uint8_t pLen[64];
};

inline constexpr TPositionTables MakePositionTables() {
    TPositionTables t{};
    // Rows: how many upper values share a code length, and how many indices each one spans.
    constexpr int values[6] = {1, 3, 8, 12, 24, 16};
    constexpr int span[6] = {32, 16, 8, 4, 2, 1};
    int index = 0, code = 0;
    for (int row = 0; row < 6; ++row) {
        for (int v = 0; v < values[row]; ++v, ++code) {
            const int len = row + 3;
            t.pLen[code] = static_cast<uint8_t>(len);
            t.pCode[code] = static_cast<uint8_t>(index >> (8 - len));
            for (int k = 0; k < span[row]; ++k, ++index) {
                t.dCode[index] = static_cast<uint8_t>(code);
                t.dLen[index] = static_cast<uint8_t>(len);
            }
        }
    }
    return t;
}

inline constexpr TPositionTables kPositionTables = MakePositionTables();

// Update with nothing to tell about swaps.
struct TIgnoreSwaps {
    void Swapped(unsigned, unsigned) {}
};

class TLzhTree {
public:
    TLzhTree() { Start(); }

    void Start() {
        for (int i = 0; i < N_CHAR; ++i) {
            node[i].freq = 1;
            son[i] = static_cast<uint16_t>(i + T);
            node[i + T].prnt = static_cast<uint16_t>(i);
        }
        for (int i = 0, j = N_CHAR; j <= R; i += 2, ++j) {
            node[j].freq = static_cast<uint16_t>(node[i].freq + node[i + 1].freq);
            son[j] = static_cast<uint16_t>(i);
            node[i].prnt = node[i + 1].prnt = static_cast<uint16_t>(j);
        }
        node[T].freq = 0xFFFF;
        node[R].prnt = 0;
    }

    bool NeedsRebuild() const { return node[R].freq == MAX_FREQ; }

    // Node index of symbol s's leaf, and the parent of node k.
    unsigned LeafNode(unsigned s) const { return node[s + T].prnt; }
    unsigned Parent(unsigned k) const { return node[k].prnt; }

    // Counts symbol s once more, reordering nodes so frequencies stay sorted. Every exchange of
    // two nodes' subtrees is told to swaps (its son entries at c and l changed).
    template <class FSwaps = TIgnoreSwaps>
    void Update(unsigned s, FSwaps&& swaps = FSwaps()) {
        if (NeedsRebuild()) Rebuild();
        unsigned c = node[s + T].prnt;
        do {
            // Frequency and parent sit side by side: one node is one small load.
            const unsigned k = ++node[c].freq;
            if (k > node[c + 1].freq) c = Exchange(c, k, swaps);
            c = node[c].prnt;
        } while (c != 0);
    }

    // Halves all counts and builds the tree afresh from the leaves.
    void Rebuild() {
        // Frequencies and sons of the rebuild, kept apart while they are shifted as blocks.
        uint16_t freq[T];
        int j = 0;
        for (int i = 0; i < T; ++i) {
            if (son[i] >= T) {
                freq[j] = static_cast<uint16_t>((node[i].freq + 1u) / 2u);
                son[j] = son[i];
                ++j;
            }
        }
        for (int i = 0, n = N_CHAR; n < T; i += 2, ++n) {
            const unsigned f = static_cast<unsigned>(freq[i]) + freq[i + 1];
            int k = n - 1;
            while (f < freq[k]) --k;
            ++k;
            const size_t bytes = static_cast<size_t>(n - k) * sizeof(uint16_t);
            std::memmove(&freq[k + 1], &freq[k], bytes);
            freq[k] = static_cast<uint16_t>(f);
            std::memmove(&son[k + 1], &son[k], bytes);
            son[k] = static_cast<uint16_t>(i);
        }
        for (int i = 0; i < T; ++i) node[i].freq = freq[i];
        for (int i = 0; i < T; ++i) {
            const int k = son[i];
            if (k >= T) {
                node[k].prnt = static_cast<uint16_t>(i);
            } else {
                node[k].prnt = node[k + 1].prnt = static_cast<uint16_t>(i);
            }
        }
    }

    struct TNode {
        uint16_t freq;  // below T; node[T].freq is a 0xFFFF sentinel
        uint16_t prnt;  // parent of a node; node[T + s].prnt is the node of leaf s
    };
    TNode node[T + N_CHAR];
    uint16_t son[T];

private:
    // Node c's count rose to k past its right neighbour: moves it up to the last node l still
    // counting less than k, exchanging the two subtrees. Returns l.
    template <class FSwaps>
    unsigned Exchange(unsigned c, unsigned k, FSwaps& swaps) {
        unsigned l = c + 1;
        while (k > node[l + 1].freq) ++l;
        node[c].freq = node[l].freq;
        node[l].freq = static_cast<uint16_t>(k);
        const unsigned i = son[c];
        node[i].prnt = static_cast<uint16_t>(l);
        if (i < static_cast<unsigned>(T)) node[i + 1].prnt = static_cast<uint16_t>(l);
        const unsigned j = son[l];
        son[l] = static_cast<uint16_t>(i);
        node[j].prnt = static_cast<uint16_t>(c);
        if (j < static_cast<unsigned>(T)) node[j + 1].prnt = static_cast<uint16_t>(c);
        son[c] = static_cast<uint16_t>(j);
        swaps.Swapped(c, l);
        return l;
    }
};

}  // namespace lzh
}  // namespace tw
