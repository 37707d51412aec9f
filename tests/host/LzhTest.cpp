#include "skin/data/Lzh.h"

#include <dlfcn.h>
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

Bytes TextSample(size_t size) {
    const std::string prose =
        "[Personality]\r\nLeft=left.bmp\r\nLeftFrame=2\r\nTop=top.bmp\r\nTopStretch=1\r\n"
        "The quick brown fox jumps over the lazy dog; 0123456789 -- ";
    Bytes out;
    for (size_t i = 0; out.size() < size; ++i) {
        out.insert(out.end(), prose.begin(), prose.end());
        out.push_back(static_cast<uint8_t>('a' + i % 26));
    }
    out.resize(size);
    return out;
}

Bytes RandomBytes(size_t size, uint32_t seed) {
    Bytes out(size);
    for (auto& b : out) {
        seed = seed * 1664525u + 1013904223u;
        b = static_cast<uint8_t>(seed >> 24);
    }
    return out;
}

// Symbol i with probability about 2^-(i+1): very uneven frequencies, so Huffman codes
// grow past 16 bits and the tree is rebuilt many times.
Bytes SkewedBytes(size_t size, uint32_t seed) {
    Bytes out(size);
    for (auto& b : out) {
        seed = seed * 1664525u + 1013904223u;
        uint32_t r = (seed >> 8) | 0x1000000u;
        int i = 0;
        while ((r & 1u) == 0) {
            r >>= 1;
            ++i;
        }
        b = static_cast<uint8_t>(i * 7);
    }
    return out;
}

Bytes Runs(size_t size) {
    Bytes out;
    for (int k = 0; out.size() < size; ++k) out.insert(out.end(), static_cast<size_t>(1 + (k * 37) % 300), static_cast<uint8_t>(k));
    out.resize(size);
    return out;
}

std::vector<Bytes> Samples() {
    return {Bytes{},
            Bytes{'x'},
            Bytes(5000, ' '),  // matches the ring's initial spaces
            TextSample(3000),
            Runs(50000),
            RandomBytes(70000, 7),
            SkewedBytes(120000, 3),
            TextSample(300000)};
}

}  // namespace

TEST(Lzh, EncodedPackagesDecodeByteForByte) {
    for (const Bytes& data : Samples()) {
        const Bytes package = TLZH::Compress(data);
        Bytes out;
        ASSERT_TRUE(TLZH::Decompress(package, out));
        EXPECT_EQ(out, data) << "size " << data.size();
    }
}

TEST(Lzh, RepetitiveDataShrinks) {
    const Bytes text = TextSample(100000);
    EXPECT_LT(TLZH::Compress(text).size(), text.size() / 10);
}

TEST(Lzh, SizePrefixRules) {
    Bytes out{1, 2, 3};
    // S = 0: nothing decoded, nothing read past the size.
    const Bytes empty{0, 0, 0, 0};
    ASSERT_TRUE(TLZH::Decompress(empty, out));
    EXPECT_TRUE(out.empty());

    EXPECT_FALSE(TLZH::Decompress(Bytes{5, 0, 0}, out));               // no room for the size
    EXPECT_FALSE(TLZH::Decompress(Bytes{0xFF, 0xFF, 0xFF, 0xFF}, out));  // negative
    const int32_t tooBig = kLzhMaxDecodedSize + 1;
    Bytes huge(4);
    std::memcpy(huge.data(), &tooBig, 4);
    EXPECT_FALSE(TLZH::Decompress(huge, out));
    EXPECT_TRUE(out.empty());
}

TEST(Lzh, TruncatedPackageDecodesAsIfZerosFollow) {
    const Bytes data = TextSample(20000);
    const Bytes package = TLZH::Compress(data);
    for (size_t keep : {size_t{4}, size_t{5}, package.size() / 2, package.size() - 1}) {
        const Bytes cut(package.begin(), package.begin() + static_cast<std::ptrdiff_t>(keep));
        Bytes out;
        ASSERT_TRUE(TLZH::Decompress(cut, out));
        ASSERT_EQ(out.size(), data.size());
        if (keep == package.size() / 2) {
            // Everything coded before the cut comes out unchanged.
            EXPECT_TRUE(std::equal(data.begin(), data.begin() + 1000, out.begin()));
        }
    }
    // Zero bits past the end: a bare stream and the same stream with zeros appended agree.
    const Bytes bits(package.begin() + 4, package.begin() + 4 + static_cast<std::ptrdiff_t>(package.size() / 3));
    Bytes padded = bits;
    padded.insert(padded.end(), 4096, 0);
    Bytes a, b;
    TLZH::DecodeStream(bits.data(), bits.size(), data.size(), a);
    TLZH::DecodeStream(padded.data(), padded.size(), data.size(), b);
    EXPECT_EQ(a, b);
}

// Independent decoder: LHA's "-lh1-" method (liblhasa) is LZHUF with the same ring of
// 4096 spaces, match lengths 3..60, 314-symbol adaptive tree rebuilt at 0x8000 and the
// same position code. Loaded at run time so the suite runs where it is not installed.
namespace {

struct Lhasa {
    using ForName = void* (*)(char*);
    using Callback = size_t (*)(void*, size_t, void*);
    using New = void* (*)(void*, Callback, void*, size_t);
    using Read = size_t (*)(void*, uint8_t*, size_t);
    using Free = void (*)(void*);

    void* lib = nullptr;
    ForName forName = nullptr;
    New create = nullptr;
    Read read = nullptr;
    Free release = nullptr;

    Lhasa() {
        lib = dlopen("liblhasa.so.0", RTLD_NOW);
        if (!lib) return;
        forName = reinterpret_cast<ForName>(dlsym(lib, "lha_decoder_for_name"));
        create = reinterpret_cast<New>(dlsym(lib, "lha_decoder_new"));
        read = reinterpret_cast<Read>(dlsym(lib, "lha_decoder_read"));
        release = reinterpret_cast<Free>(dlsym(lib, "lha_decoder_free"));
    }
    ~Lhasa() {
        if (lib) dlclose(lib);
    }
    bool Ready() const { return forName && create && read && release; }

    struct Source {
        const Bytes* bits;
        size_t pos;
    };
    static size_t Feed(void* buf, size_t len, void* user) {
        auto* s = static_cast<Source*>(user);
        const size_t n = std::min(len, s->bits->size() - s->pos);
        std::memcpy(buf, s->bits->data() + s->pos, n);
        s->pos += n;
        return n;
    }

    Bytes Decode(const Bytes& bits, size_t outSize) {
        char name[] = "-lh1-";
        Source source{&bits, 0};
        void* decoder = create(forName(name), &Feed, &source, outSize);
        Bytes out(outSize);
        size_t got = 0;
        while (got < outSize) {
            const size_t n = read(decoder, out.data() + got, outSize - got);
            if (n == 0) break;
            got += n;
        }
        release(decoder);
        out.resize(got);
        return out;
    }
};

}  // namespace

TEST(Lzh, AgreesWithLhasaLh1Decoder) {
    Lhasa lhasa;
    if (!lhasa.Ready()) GTEST_SKIP() << "liblhasa.so.0 not installed (Debian package liblhasa-dev)";
    for (const Bytes& data : Samples()) {
        if (data.empty()) continue;
        Bytes bits = TLZH::EncodeStream(data.data(), data.size());
        bits.insert(bits.end(), 8, 0);  // the reference may read ahead a few bytes
        Bytes ours;
        TLZH::DecodeStream(bits.data(), bits.size(), data.size(), ours);
        EXPECT_EQ(ours, data);
        EXPECT_EQ(lhasa.Decode(bits, data.size()), data) << "size " << data.size();
    }
}
