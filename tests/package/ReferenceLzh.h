// ReferenceExpand: a deliberately plain LZHUF expander written step by step from the algorithm
// (16-bit bit buffer, ring buffer, one stream call per byte, its own tree code). Tests compare
// the fast expander against it on arbitrary bits; the benchmark uses it as the baseline.
#pragma once

#include <cstdint>
#include <memory>
#include <vector>

#include "framework/core/MemoryStream.h"

namespace reference {

class TPlainExpander {
public:
    std::vector<uint8_t> Expand(tw::TMemoryStream& in, uint32_t size) {
        in_ = &in;
        tw::TMemoryStream out;
        StartTree();
        for (int i = 0; i < kN; ++i) text_[i] = 0;
        for (int i = 0; i < kN - kF; ++i) text_[i] = 0x20;
        getbuf_ = 0;
        getlen_ = 0;
        int r = kN - kF;
        uint32_t count = 0;
        while (count < size) {
            const int c = DecodeChar();
            if (c < 256) {
                const uint8_t b = static_cast<uint8_t>(c);
                out.Write(&b, 1);
                text_[r++] = b;
                r &= kN - 1;
                ++count;
            } else {
                const int start = (r - DecodePosition() - 1) & (kN - 1);
                const int length = c - 255 + 2;
                for (int k = 0; k < length; ++k) {
                    const uint8_t b = text_[(start + k) & (kN - 1)];
                    out.Write(&b, 1);
                    text_[r++] = b;
                    r &= kN - 1;
                    ++count;
                }
            }
        }
        return out.Bytes();
    }

private:
    static constexpr int kN = 4096, kF = 60, kNChar = 314, kT = 627, kR = 626;

    uint8_t NextByte() {
        uint8_t b = 0;
        return in_->Read(&b, 1) == 1 ? b : 0;
    }
    void Fill() {
        while (getlen_ <= 8) {
            getbuf_ = static_cast<uint16_t>(getbuf_ | (NextByte() << (8 - getlen_)));
            getlen_ = static_cast<uint8_t>(getlen_ + 8);
        }
    }
    int GetBit() {
        Fill();
        const int bit = (getbuf_ & 0x8000) ? 1 : 0;
        getbuf_ = static_cast<uint16_t>(getbuf_ << 1);
        --getlen_;
        return bit;
    }
    int GetByte() {
        Fill();
        const int b = getbuf_ >> 8;
        getbuf_ = static_cast<uint16_t>(getbuf_ << 8);
        getlen_ = static_cast<uint8_t>(getlen_ - 8);
        return b;
    }

    static int UpperBits(int i) {
        if (i < 0x20) return 0;
        if (i < 0x50) return 1 + (i - 0x20) / 16;
        if (i < 0x90) return 4 + (i - 0x50) / 8;
        if (i < 0xC0) return 12 + (i - 0x90) / 4;
        if (i < 0xF0) return 24 + (i - 0xC0) / 2;
        return 48 + (i - 0xF0);
    }
    static int CodeLength(int i) {
        if (i < 0x20) return 3;
        if (i < 0x50) return 4;
        if (i < 0x90) return 5;
        if (i < 0xC0) return 6;
        if (i < 0xF0) return 7;
        return 8;
    }
    int DecodePosition() {
        int i = GetByte();
        const int upper = UpperBits(i) << 6;
        for (int j = CodeLength(i) - 2; j > 0; --j) i = (i << 1) + GetBit();
        return upper | (i & 0x3F);
    }

    void StartTree() {
        for (int i = 0; i < kNChar; ++i) {
            freq_[i] = 1;
            son_[i] = i + kT;
            prnt_[i + kT] = i;
        }
        for (int i = 0, j = kNChar; j <= kR; i += 2, ++j) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            prnt_[i] = prnt_[i + 1] = j;
        }
        freq_[kT] = 0xFFFF;
        prnt_[kR] = 0;
    }
    void Rebuild() {
        int j = 0;
        for (int i = 0; i < kT; ++i)
            if (son_[i] >= kT) {
                freq_[j] = (freq_[i] + 1) / 2;
                son_[j] = son_[i];
                ++j;
            }
        for (int i = 0, n = kNChar; n < kT; i += 2, ++n) {
            const unsigned f = freq_[i] + freq_[i + 1];
            int k = n - 1;
            while (f < freq_[k]) --k;
            ++k;
            for (int m = n; m > k; --m) {
                freq_[m] = freq_[m - 1];
                son_[m] = son_[m - 1];
            }
            freq_[k] = f;
            son_[k] = i;
        }
        for (int i = 0; i < kT; ++i) {
            const int k = son_[i];
            prnt_[k] = i;
            if (k < kT) prnt_[k + 1] = i;
        }
    }
    void Update(int s) {
        if (freq_[kR] == 0x8000) Rebuild();
        int c = prnt_[s + kT];
        do {
            const unsigned k = ++freq_[c];
            if (k > freq_[c + 1]) {
                int l = c + 1;
                while (freq_[l + 1] < k) ++l;
                freq_[c] = freq_[l];
                freq_[l] = k;
                const int i = son_[c];
                prnt_[i] = l;
                if (i < kT) prnt_[i + 1] = l;
                const int j = son_[l];
                son_[l] = i;
                prnt_[j] = c;
                if (j < kT) prnt_[j + 1] = c;
                son_[c] = j;
                c = l;
            }
            c = prnt_[c];
        } while (c != 0);
    }
    int DecodeChar() {
        int c = son_[kR];
        while (c < kT) c = son_[c + GetBit()];
        c -= kT;
        Update(c);
        return c;
    }

    tw::TMemoryStream* in_ = nullptr;
    uint16_t getbuf_ = 0;
    uint8_t getlen_ = 0;
    uint8_t text_[kN + kF - 1] = {};
    unsigned freq_[kT + 1] = {};
    int prnt_[kT + kNChar] = {};
    int son_[kT] = {};
};

inline std::vector<uint8_t> Expand(const std::vector<uint8_t>& coded, uint32_t size) {
    tw::TMemoryStream in{coded};
    auto expander = std::make_unique<TPlainExpander>();
    return expander->Expand(in, size);
}

}  // namespace reference
