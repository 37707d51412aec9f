#include "skin/data/Lzh.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <new>

namespace {

constexpr int kRing = 4096;                        // N
constexpr int kMaxMatch = 60;                      // F
constexpr int kThreshold = 2;                      // shorter matches are sent as literals
constexpr int kSymbols = 256 - kThreshold + kMaxMatch;  // 314
constexpr int kNodes = kSymbols * 2 - 1;           // T = 627
constexpr int kRoot = kNodes - 1;                  // R = 626
constexpr unsigned kMaxFreq = 0x8000;
constexpr int kRingStart = kRing - kMaxMatch;      // 4036 spaces, then the first write

// Canonical code of the upper six bits of a match position: 1 value of 3 bits, 3 of 4,
// 8 of 5, 12 of 6, 24 of 7 and 16 of 8, left-aligned in a byte (the LZHUF p_code/p_len
// tables), and the decoder's view of the same code indexed by the next 8 input bits.
struct PositionTables {
    std::array<uint8_t, 64> code{};
    std::array<uint8_t, 64> codeLength{};
    std::array<uint8_t, 256> upperBits{};  // d_code
    std::array<uint8_t, 256> length{};     // d_len
};

constexpr PositionTables MakePositionTables() {
    PositionTables t{};
    const int groupSize[] = {1, 3, 8, 12, 24, 16};
    int upper = 0;
    int code = 0;
    for (int g = 0; g < 6; ++g) {
        const int bits = 3 + g;
        const int step = 0x100 >> bits;
        for (int k = 0; k < groupSize[g]; ++k, ++upper, code += step) {
            t.code[upper] = static_cast<uint8_t>(code);
            t.codeLength[upper] = static_cast<uint8_t>(bits);
            for (int i = code; i < code + step; ++i) {
                t.upperBits[i] = static_cast<uint8_t>(upper);
                t.length[i] = static_cast<uint8_t>(bits);
            }
        }
    }
    return t;
}

constexpr PositionTables kPosition = MakePositionTables();
static_assert(kPosition.length[31] == 3 && kPosition.length[32] == 4 && kPosition.length[79] == 4 &&
              kPosition.length[80] == 5 && kPosition.length[143] == 5 && kPosition.length[144] == 6 &&
              kPosition.length[191] == 6 && kPosition.length[192] == 7 && kPosition.length[239] == 7 &&
              kPosition.length[240] == 8 && kPosition.upperBits[255] == 63,
              "position code tables");

// The adaptive Huffman tree shared by encoder and decoder. Nodes 0..T-1 are kept in
// non-decreasing frequency order; siblings sit at positions 2m and 2m+1; son[n] is the
// first child of internal node n or T + symbol for a leaf; prnt[T + symbol] is the leaf.
class HuffmanModel {
public:
    HuffmanModel() {
        for (int i = 0; i < kSymbols; ++i) {
            freq_[i] = 1;
            son_[i] = static_cast<int16_t>(i + kNodes);
            prnt_[i + kNodes] = static_cast<int16_t>(i);
        }
        for (int i = 0, j = kSymbols; j <= kRoot; i += 2, ++j) {
            freq_[j] = static_cast<uint16_t>(freq_[i] + freq_[i + 1]);
            son_[j] = static_cast<int16_t>(i);
            prnt_[i] = prnt_[i + 1] = static_cast<int16_t>(j);
        }
        freq_[kNodes] = 0xFFFF;
        prnt_[kRoot] = 0;
    }

    int Son(int node) const { return son_[node]; }
    int Parent(int node) const { return prnt_[node]; }
    int Leaf(int symbol) const { return prnt_[symbol + kNodes]; }

    void Update(int symbol) {
        if (freq_[kRoot] >= kMaxFreq) Rebuild();
        int c = prnt_[symbol + kNodes];
        do {
            const unsigned k = ++freq_[c];
            if (k > freq_[c + 1]) {
                // Swap with the last node still below k. The nodes after c are in order
                // (the sentinel ends them), so a binary search finds it.
                const uint16_t* begin = freq_.data();
                const uint16_t* above = std::lower_bound(begin + c + 1, begin + kNodes + 1, static_cast<uint16_t>(k));
                const int l = static_cast<int>(above - begin) - 1;
                freq_[c] = freq_[l];
                freq_[l] = static_cast<uint16_t>(k);

                const int i = son_[c];
                prnt_[i] = static_cast<int16_t>(l);
                if (i < kNodes) prnt_[i + 1] = static_cast<int16_t>(l);

                const int j = son_[l];
                son_[l] = static_cast<int16_t>(i);
                prnt_[j] = static_cast<int16_t>(c);
                if (j < kNodes) prnt_[j + 1] = static_cast<int16_t>(c);
                son_[c] = static_cast<int16_t>(j);

                c = l;
            }
        } while ((c = prnt_[c]) != 0);
    }

private:
    // Halves every leaf frequency (rounding up) and builds the internal nodes again.
    void Rebuild() {
        int j = 0;
        for (int i = 0; i < kNodes; ++i) {
            if (son_[i] >= kNodes) {
                freq_[j] = static_cast<uint16_t>((freq_[i] + 1) / 2);
                son_[j] = son_[i];
                ++j;
            }
        }
        for (int i = 0, n = kSymbols; n < kNodes; i += 2, ++n) {
            const unsigned f = static_cast<unsigned>(freq_[i]) + freq_[i + 1];
            freq_[n] = static_cast<uint16_t>(f);
            int k = n - 1;
            while (f < freq_[k]) --k;
            ++k;
            const size_t moved = static_cast<size_t>(n - k);
            std::memmove(&freq_[k + 1], &freq_[k], moved * sizeof freq_[0]);
            freq_[k] = static_cast<uint16_t>(f);
            std::memmove(&son_[k + 1], &son_[k], moved * sizeof son_[0]);
            son_[k] = static_cast<int16_t>(i);
        }
        for (int i = 0; i < kNodes; ++i) {
            const int k = son_[i];
            if (k >= kNodes) {
                prnt_[k] = static_cast<int16_t>(i);
            } else {
                prnt_[k] = prnt_[k + 1] = static_cast<int16_t>(i);
            }
        }
    }

    std::array<uint16_t, kNodes + 1> freq_{};         // 628, the last a sentinel
    std::array<int16_t, kNodes + kSymbols> prnt_{};   // 941
    std::array<int16_t, kNodes> son_{};               // 627
};

// Most significant bit first; past the end of the input the bits are zero.
class BitReader {
public:
    BitReader(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    int Bit() {
        Fill();
        const int bit = (buffer_ >> 15) & 1;
        buffer_ = static_cast<uint16_t>(buffer_ << 1);
        --count_;
        return bit;
    }
    int Byte() {
        Fill();
        const int byte = buffer_ >> 8;
        buffer_ = static_cast<uint16_t>(buffer_ << 8);
        count_ = static_cast<uint8_t>(count_ - 8);
        return byte;
    }

private:
    void Fill() {
        while (count_ <= 8) {
            const unsigned next = pos_ < size_ ? data_[pos_++] : 0u;
            buffer_ = static_cast<uint16_t>(buffer_ | (next << (8 - count_)));
            count_ = static_cast<uint8_t>(count_ + 8);
        }
    }

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
    uint16_t buffer_ = 0;
    uint8_t count_ = 0;
};

class BitWriter {
public:
    explicit BitWriter(std::vector<uint8_t>& out) : out_(out) {}
    // Writes the low `count` bits of bits, the highest of them first (count <= 24).
    void Put(uint32_t bits, int count) {
        for (int i = count - 1; i >= 0; --i) {
            current_ = static_cast<uint8_t>((current_ << 1) | ((bits >> i) & 1u));
            if (++used_ == 8) {
                out_.push_back(current_);
                current_ = 0;
                used_ = 0;
            }
        }
    }
    void Flush() {
        if (used_ > 0) out_.push_back(static_cast<uint8_t>(current_ << (8 - used_)));
        current_ = 0;
        used_ = 0;
    }

private:
    std::vector<uint8_t>& out_;
    uint8_t current_ = 0;
    int used_ = 0;
};

class Decoder {
public:
    Decoder(const uint8_t* bits, size_t size) : in_(bits, size) {
        std::memset(ring_.data(), ' ', kRingStart);
    }

    void Run(uint8_t* out, size_t outSize) {
        size_t count = 0;
        int r = kRingStart;
        while (count < outSize) {
            const int c = DecodeSymbol();
            if (c < 256) {
                out[count++] = static_cast<uint8_t>(c);
                ring_[r] = static_cast<uint8_t>(c);
                r = (r + 1) & (kRing - 1);
            } else {
                const int from = (r - DecodePosition() - 1) & (kRing - 1);
                const int length = c - 255 + kThreshold;
                // A damaged stream may announce a match beyond the decoded size; the
                // output ends at the size all the same.
                for (int k = 0; k < length && count < outSize; ++k) {
                    const uint8_t b = ring_[(from + k) & (kRing - 1)];
                    out[count++] = b;
                    ring_[r] = b;
                    r = (r + 1) & (kRing - 1);
                }
            }
        }
    }

private:
    int DecodeSymbol() {
        int node = model_.Son(kRoot);
        while (node < kNodes) node = model_.Son(node + in_.Bit());
        const int symbol = node - kNodes;
        model_.Update(symbol);
        return symbol;
    }

    int DecodePosition() {
        unsigned i = static_cast<unsigned>(in_.Byte());
        const unsigned upper = static_cast<unsigned>(kPosition.upperBits[i]) << 6;
        for (int extra = kPosition.length[i] - 2; extra > 0; --extra) i = (i << 1) + static_cast<unsigned>(in_.Bit());
        return static_cast<int>(upper | (i & 0x3F));
    }

    BitReader in_;
    HuffmanModel model_;
    std::array<uint8_t, kRing + kMaxMatch - 1> ring_{};  // 4155 bytes
};

// LZSS match finder over binary search trees (one tree per first byte), as in LZHUF.
class Encoder {
public:
    explicit Encoder(std::vector<uint8_t>& out) : bits_(out) {
        for (int i = kRing + 1; i <= kRing + 256; ++i) rson_[i] = kNil;
        for (int i = 0; i < kRing; ++i) dad_[i] = kNil;
    }

    void Run(const uint8_t* data, size_t size) {
        size_t next = 0;
        int s = 0;
        int r = kRingStart;
        std::memset(text_.data(), ' ', kRingStart);
        int len = 0;
        while (len < kMaxMatch && next < size) text_[r + len++] = data[next++];
        if (len == 0) return;
        for (int i = 1; i <= kMaxMatch; ++i) InsertNode(r - i);
        InsertNode(r);
        do {
            if (matchLength_ > len) matchLength_ = len;
            if (matchLength_ <= kThreshold) {
                matchLength_ = 1;
                EncodeSymbol(text_[r]);
            } else {
                EncodeSymbol(255 - kThreshold + matchLength_);
                EncodePosition(matchPosition_);
            }
            const int lastMatchLength = matchLength_;
            int i = 0;
            for (; i < lastMatchLength && next < size; ++i) {
                const uint8_t c = data[next++];
                DeleteNode(s);
                text_[s] = c;
                if (s < kMaxMatch - 1) text_[s + kRing] = c;
                s = (s + 1) & (kRing - 1);
                r = (r + 1) & (kRing - 1);
                InsertNode(r);
            }
            while (i++ < lastMatchLength) {
                DeleteNode(s);
                s = (s + 1) & (kRing - 1);
                r = (r + 1) & (kRing - 1);
                if (--len) InsertNode(r);
            }
        } while (len > 0);
        bits_.Flush();
    }

private:
    static constexpr int kNil = kRing;

    void EncodeSymbol(int symbol) {
        // Walk from the leaf to the root; the root's branch is sent first. The path may
        // be longer than 16 bits when frequencies are very uneven.
        uint8_t path[kNodes];
        int depth = 0;
        for (int k = model_.Leaf(symbol); k != kRoot; k = model_.Parent(k)) path[depth++] = static_cast<uint8_t>(k & 1);
        while (depth > 0) bits_.Put(path[--depth], 1);
        model_.Update(symbol);
    }

    void EncodePosition(int position) {
        const int upper = position >> 6;
        bits_.Put(static_cast<uint32_t>(kPosition.code[upper]) >> (8 - kPosition.codeLength[upper]),
                  kPosition.codeLength[upper]);
        bits_.Put(static_cast<uint32_t>(position & 0x3F), 6);
    }

    void InsertNode(int r) {
        int cmp = 1;
        const uint8_t* key = &text_[r];
        int p = kRing + 1 + key[0];
        rson_[r] = lson_[r] = kNil;
        matchLength_ = 0;
        for (;;) {
            if (cmp >= 0) {
                if (rson_[p] != kNil) {
                    p = rson_[p];
                } else {
                    rson_[p] = r;
                    dad_[r] = p;
                    return;
                }
            } else {
                if (lson_[p] != kNil) {
                    p = lson_[p];
                } else {
                    lson_[p] = r;
                    dad_[r] = p;
                    return;
                }
            }
            int i = 1;
            for (; i < kMaxMatch; ++i)
                if ((cmp = key[i] - text_[p + i]) != 0) break;
            if (i > kThreshold) {
                const int distance = ((r - p) & (kRing - 1)) - 1;
                if (i > matchLength_) {
                    matchPosition_ = distance;
                    if ((matchLength_ = i) >= kMaxMatch) break;
                } else if (i == matchLength_ && distance < matchPosition_) {
                    matchPosition_ = distance;
                }
            }
        }
        // A full-length match: the new node replaces the old one in the tree.
        dad_[r] = dad_[p];
        lson_[r] = lson_[p];
        rson_[r] = rson_[p];
        dad_[lson_[p]] = r;
        dad_[rson_[p]] = r;
        if (rson_[dad_[p]] == p)
            rson_[dad_[p]] = r;
        else
            lson_[dad_[p]] = r;
        dad_[p] = kNil;
    }

    void DeleteNode(int p) {
        if (dad_[p] == kNil) return;
        int q;
        if (rson_[p] == kNil) {
            q = lson_[p];
        } else if (lson_[p] == kNil) {
            q = rson_[p];
        } else {
            q = lson_[p];
            if (rson_[q] != kNil) {
                do {
                    q = rson_[q];
                } while (rson_[q] != kNil);
                rson_[dad_[q]] = lson_[q];
                dad_[lson_[q]] = dad_[q];
                lson_[q] = lson_[p];
                dad_[lson_[p]] = q;
            }
            rson_[q] = rson_[p];
            dad_[rson_[p]] = q;
        }
        dad_[q] = dad_[p];
        if (rson_[dad_[p]] == p)
            rson_[dad_[p]] = q;
        else
            lson_[dad_[p]] = q;
        dad_[p] = kNil;
    }

    BitWriter bits_;
    HuffmanModel model_;
    std::array<uint8_t, kRing + kMaxMatch - 1> text_{};
    // Binary trees: lson/dad hold N + 1 entries, rson N + 257 (256 roots).
    std::array<int, kRing + 1> lson_{};
    std::array<int, kRing + 1> dad_{};
    std::array<int, kRing + 257> rson_{};
    int matchPosition_ = 0;
    int matchLength_ = 0;
};

int32_t ReadInt32(const uint8_t* p) {
    return static_cast<int32_t>(static_cast<uint32_t>(p[0]) | static_cast<uint32_t>(p[1]) << 8 |
                                static_cast<uint32_t>(p[2]) << 16 | static_cast<uint32_t>(p[3]) << 24);
}

}  // namespace

void TLZH::DecodeStream(const uint8_t* bits, size_t size, size_t outSize, std::vector<uint8_t>& out) {
    out.assign(outSize, 0);
    if (outSize == 0) return;
    try {
        auto decoder = std::make_unique<Decoder>(bits, size);
        decoder->Run(out.data(), outSize);
    } catch (const std::bad_alloc&) {
        throw ElzhException("LZH : Cannot get memory for dictionary tables");
    }
}

bool TLZH::Decompress(const uint8_t* package, size_t size, std::vector<uint8_t>& out) {
    out.clear();
    if (package == nullptr || size < 4) return false;
    const int32_t decodedSize = ReadInt32(package);
    if (decodedSize < 0 || decodedSize > kLzhMaxDecodedSize) return false;
    try {
        DecodeStream(package + 4, size - 4, static_cast<size_t>(decodedSize), out);
    } catch (const std::bad_alloc&) {
        out.clear();
        return false;
    }
    return true;
}

std::vector<uint8_t> TLZH::EncodeStream(const uint8_t* data, size_t size) {
    std::vector<uint8_t> out;
    auto encoder = std::make_unique<Encoder>(out);
    encoder->Run(data, size);
    return out;
}

std::vector<uint8_t> TLZH::Compress(const uint8_t* data, size_t size) {
    if (size > static_cast<size_t>(kLzhMaxDecodedSize)) throw ElzhException("LZH : input too large to pack");
    const uint32_t s = static_cast<uint32_t>(size);
    std::vector<uint8_t> out = {static_cast<uint8_t>(s), static_cast<uint8_t>(s >> 8), static_cast<uint8_t>(s >> 16),
                                static_cast<uint8_t>(s >> 24)};
    const std::vector<uint8_t> bits = EncodeStream(data, size);
    out.insert(out.end(), bits.begin(), bits.end());
    return out;
}
