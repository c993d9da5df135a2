// ClassicLzhufExpand: LZHUF expansion as the plain 1988-style programs do it, for comparison.
// One bit at a time through a 16-bit buffer, a 4 KiB ring, int-wide tree arrays and one
// buffered put per byte. Written from the algorithm; the benchmark measures ours against it
// and the tests use it as a second, independent reading of the same coding.
#pragma once

#include <cstddef>
#include <cstdint>
#include <cstring>
#include <memory>
#include <vector>

namespace classic {

class TLzhufDecoder {
public:
    // Expands until at least size bytes are out (a last match is written whole, as ours does).
    std::vector<uint8_t> Expand(const uint8_t* in, size_t inLength, uint32_t size) {
        in_ = in;
        inEnd_ = in + inLength;
        getbuf_ = 0;
        getlen_ = 0;
        std::vector<uint8_t> out(static_cast<size_t>(size) + kF);
        out_ = out.data();
        StartHuff();
        for (int i = 0; i < kN - kF; ++i) text_[i] = ' ';
        for (int i = kN - kF; i < kN; ++i) text_[i] = 0;
        int r = kN - kF;
        uint32_t count = 0;
        while (count < size) {
            int c = DecodeChar();
            if (c < 256) {
                Put(c);
                text_[r++] = static_cast<uint8_t>(c);
                r &= kN - 1;
                ++count;
            } else {
                const int i = (r - DecodePosition() - 1) & (kN - 1);
                const int j = c - 255 + kThreshold;
                for (int k = 0; k < j; ++k) {
                    c = text_[(i + k) & (kN - 1)];
                    Put(c);
                    text_[r++] = static_cast<uint8_t>(c);
                    r &= kN - 1;
                    ++count;
                }
            }
        }
        out.resize(count);
        return out;
    }

private:
    static constexpr int kN = 4096;
    static constexpr int kF = 60;
    static constexpr int kThreshold = 2;
    static constexpr int kNChar = 256 - kThreshold + kF;
    static constexpr int kT = kNChar * 2 - 1;
    static constexpr int kR = kT - 1;
    static constexpr unsigned kMaxFreq = 0x8000;

    void Put(int c) { *out_++ = static_cast<uint8_t>(c); }

    int GetC() { return in_ < inEnd_ ? *in_++ : -1; }

    int GetBit() {
        while (getlen_ <= 8) {
            int i = GetC();
            if (i < 0) i = 0;
            getbuf_ |= static_cast<unsigned>(i) << (8 - getlen_);
            getlen_ += 8;
        }
        const unsigned i = getbuf_;
        getbuf_ = (getbuf_ << 1) & 0xFFFF;
        --getlen_;
        return (i >> 15) & 1;
    }

    int GetByte() {
        while (getlen_ <= 8) {
            int i = GetC();
            if (i < 0) i = 0;
            getbuf_ |= static_cast<unsigned>(i) << (8 - getlen_);
            getlen_ += 8;
        }
        const unsigned i = getbuf_;
        getbuf_ = (getbuf_ << 8) & 0xFFFF;
        getlen_ -= 8;
        return static_cast<int>(i >> 8);
    }

    // Upper six bits of a position from its first eight coded bits: value, then bit count.
    static int PositionCode(int i) {
        if (i < 32) return 0;
        if (i < 80) return 1 + (i - 32) / 16;
        if (i < 144) return 4 + (i - 80) / 8;
        if (i < 192) return 12 + (i - 144) / 4;
        if (i < 240) return 24 + (i - 192) / 2;
        return 48 + (i - 240);
    }
    static int PositionLength(int i) {
        if (i < 32) return 3;
        if (i < 80) return 4;
        if (i < 144) return 5;
        if (i < 192) return 6;
        if (i < 240) return 7;
        return 8;
    }

    int DecodePosition() {
        int i = GetByte();
        const int c = dCode_[i] << 6;
        int j = dLen_[i] - 2;
        while (j--) i = (i << 1) + GetBit();
        return c | (i & 0x3F);
    }

    int DecodeChar() {
        unsigned c = son_[kR];
        while (c < static_cast<unsigned>(kT)) {
            c += GetBit();
            c = son_[c];
        }
        c -= kT;
        Update(static_cast<int>(c));
        return static_cast<int>(c);
    }

    void StartHuff() {
        for (int i = 0; i < 256; ++i) {
            dCode_[i] = static_cast<uint8_t>(PositionCode(i));
            dLen_[i] = static_cast<uint8_t>(PositionLength(i));
        }
        int i, j;
        for (i = 0; i < kNChar; ++i) {
            freq_[i] = 1;
            son_[i] = i + kT;
            prnt_[i + kT] = i;
        }
        i = 0;
        j = kNChar;
        while (j <= kR) {
            freq_[j] = freq_[i] + freq_[i + 1];
            son_[j] = i;
            prnt_[i] = prnt_[i + 1] = j;
            i += 2;
            ++j;
        }
        freq_[kT] = 0xFFFF;
        prnt_[kR] = 0;
    }

    void Reconstruct() {
        int i, j, k;
        unsigned f, l;
        j = 0;
        for (i = 0; i < kT; ++i) {
            if (son_[i] >= kT) {
                freq_[j] = (freq_[i] + 1) / 2;
                son_[j] = son_[i];
                ++j;
            }
        }
        for (i = 0, j = kNChar; j < kT; i += 2, ++j) {
            k = i + 1;
            f = freq_[j] = freq_[i] + freq_[k];
            for (k = j - 1; f < freq_[k]; --k) {
            }
            ++k;
            l = static_cast<unsigned>(j - k);
            std::memmove(&freq_[k + 1], &freq_[k], l * sizeof freq_[0]);
            freq_[k] = f;
            std::memmove(&son_[k + 1], &son_[k], l * sizeof son_[0]);
            son_[k] = i;
        }
        for (i = 0; i < kT; ++i) {
            if ((k = son_[i]) >= kT) {
                prnt_[k] = i;
            } else {
                prnt_[k] = prnt_[k + 1] = i;
            }
        }
    }

    void Update(int c) {
        int i, j, l;
        unsigned k;
        if (freq_[kR] == kMaxFreq) Reconstruct();
        c = prnt_[c + kT];
        do {
            k = ++freq_[c];
            if (k > freq_[l = c + 1]) {
                while (k > freq_[++l]) {
                }
                --l;
                freq_[c] = freq_[l];
                freq_[l] = k;
                i = son_[c];
                prnt_[i] = l;
                if (i < kT) prnt_[i + 1] = l;
                j = son_[l];
                son_[l] = i;
                prnt_[j] = c;
                if (j < kT) prnt_[j + 1] = c;
                son_[c] = j;
                c = l;
            }
        } while ((c = prnt_[c]) != 0);
    }

    const uint8_t* in_ = nullptr;
    const uint8_t* inEnd_ = nullptr;
    uint8_t* out_ = nullptr;
    unsigned getbuf_ = 0;
    int getlen_ = 0;
    uint8_t text_[kN];
    uint8_t dCode_[256];
    uint8_t dLen_[256];
    unsigned freq_[kT + 1];
    int prnt_[kT + kNChar];
    int son_[kT];
};

inline std::vector<uint8_t> ClassicLzhufExpand(const uint8_t* in, size_t inLength, uint32_t size) {
    const auto decoder = std::make_unique<TLzhufDecoder>();  // tables kept off the stack
    return decoder->Expand(in, inLength, size);
}

}  // namespace classic
