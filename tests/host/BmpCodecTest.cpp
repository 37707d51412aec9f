#include "skin/data/BmpCodec.h"

#include <gtest/gtest.h>

#include <climits>
#include <vector>

namespace {

using Bytes = std::vector<uint8_t>;

void Put16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}
void Put32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

// A BMP file put together field by field. Rows are given in file order, unpadded.
struct BmpSpec {
    int width = 1;
    int height = 1;  // negative: top-down
    int bits = 24;
    uint32_t compression = 0;
    uint32_t colorsUsed = 0;
    std::vector<uint32_t> palette;  // 0x00RRGGBB
    std::vector<uint32_t> masks;    // after a 40-byte header (BI_BITFIELDS)
    std::vector<Bytes> rows;
    bool coreHeader = false;
};

Bytes MakeBmp(const BmpSpec& s) {
    Bytes header;
    if (s.coreHeader) {
        Put32(header, 12);
        Put16(header, static_cast<uint32_t>(s.width));
        Put16(header, static_cast<uint32_t>(s.height));
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(s.bits));
        for (uint32_t c : s.palette) {
            header.push_back(static_cast<uint8_t>(c));
            header.push_back(static_cast<uint8_t>(c >> 8));
            header.push_back(static_cast<uint8_t>(c >> 16));
        }
    } else {
        Put32(header, 40);
        Put32(header, static_cast<uint32_t>(s.width));
        Put32(header, static_cast<uint32_t>(s.height));
        Put16(header, 1);
        Put16(header, static_cast<uint32_t>(s.bits));
        Put32(header, s.compression);
        Put32(header, 0);
        Put32(header, 0);
        Put32(header, 0);
        Put32(header, s.colorsUsed);
        Put32(header, 0);
        for (uint32_t m : s.masks) Put32(header, m);
        for (uint32_t c : s.palette) Put32(header, c);
    }
    const size_t stride = ((static_cast<size_t>(s.width) * static_cast<size_t>(s.bits) + 31) / 32) * 4;
    Bytes file{'B', 'M'};
    Put32(file, 0);
    Put32(file, 0);
    Put32(file, static_cast<uint32_t>(14 + header.size()));
    file.insert(file.end(), header.begin(), header.end());
    for (Bytes row : s.rows) {
        row.resize(stride, 0);
        file.insert(file.end(), row.begin(), row.end());
    }
    const uint32_t size = static_cast<uint32_t>(file.size());
    for (int i = 0; i < 4; ++i) file[2 + static_cast<size_t>(i)] = static_cast<uint8_t>(size >> (8 * i));
    return file;
}

constexpr uint32_t kRed = 0xFFFF0000u, kGreen = 0xFF00FF00u, kBlue = 0xFF0000FFu, kWhite = 0xFFFFFFFFu,
                   kBlack = 0xFF000000u;

}  // namespace

TEST(BmpDecode, TrueColourBottomUpAndTopDown) {
    BmpSpec s;
    s.width = 3;
    s.height = 2;
    // File order bottom row first: bottom = red green blue, top = white black magenta.
    s.rows = {{0, 0, 255, 0, 255, 0, 255, 0, 0}, {255, 255, 255, 0, 0, 0, 255, 0, 255}};
    PixelBuffer img = DecodeBmp(MakeBmp(s));
    ASSERT_EQ(img.Width(), 3);
    ASSERT_EQ(img.Height(), 2);
    EXPECT_EQ(img.Pixel(0, 0), kWhite);
    EXPECT_EQ(img.Pixel(2, 0), 0xFFFF00FFu);
    EXPECT_EQ(img.Pixel(0, 1), kRed);
    EXPECT_EQ(img.Pixel(2, 1), kBlue);

    s.height = -2;  // the same rows read top-down
    img = DecodeBmp(MakeBmp(s));
    EXPECT_EQ(img.Pixel(0, 0), kRed);
    EXPECT_EQ(img.Pixel(0, 1), kWhite);

    BmpSpec t;
    t.bits = 32;
    t.width = 2;
    t.height = -1;
    t.rows = {{1, 2, 3, 0, 4, 5, 6, 0x80}};  // the fourth byte is ignored
    img = DecodeBmp(MakeBmp(t));
    EXPECT_EQ(img.Pixel(0, 0), 0xFF030201u);
    EXPECT_EQ(img.Pixel(1, 0), 0xFF060504u);

    BmpSpec core = s;
    core.coreHeader = true;
    core.height = 2;
    img = DecodeBmp(MakeBmp(core));
    EXPECT_EQ(img.Pixel(1, 1), kGreen);
}

TEST(BmpDecode, PalettedDepths) {
    BmpSpec one;
    one.bits = 1;
    one.width = 10;  // crosses a byte boundary
    one.palette = {0x000000, 0xFFFFFF};
    one.rows = {{0xA0, 0x40}};  // 1010 0000 01..
    PixelBuffer img = DecodeBmp(MakeBmp(one));
    ASSERT_EQ(img.Width(), 10);
    EXPECT_EQ(img.Pixel(0, 0), kWhite);
    EXPECT_EQ(img.Pixel(1, 0), kBlack);
    EXPECT_EQ(img.Pixel(2, 0), kWhite);
    EXPECT_EQ(img.Pixel(9, 0), kWhite);
    EXPECT_EQ(img.Pixel(8, 0), kBlack);

    BmpSpec four;
    four.bits = 4;
    four.width = 3;
    four.colorsUsed = 3;
    four.palette = {0xFF0000, 0x00FF00, 0x0000FF};
    four.rows = {{0x21, 0xF0}};  // index 15 lies past the 3 colours used: black
    img = DecodeBmp(MakeBmp(four));
    EXPECT_EQ(img.Pixel(0, 0), kBlue);
    EXPECT_EQ(img.Pixel(1, 0), kGreen);
    EXPECT_EQ(img.Pixel(2, 0), kBlack);

    // A 16-colour file whose table ends after two colours (the pixels follow at once):
    // the colours the file lacks are opaque black.
    BmpSpec cut;
    cut.bits = 4;
    cut.width = 3;
    cut.palette = {0xFF0000, 0x00FF00};
    cut.rows = {{0x1F, 0x00}};
    img = DecodeBmp(MakeBmp(cut));
    ASSERT_FALSE(img.Empty());
    EXPECT_EQ(img.Pixel(0, 0), kGreen);
    EXPECT_EQ(img.Pixel(1, 0), kBlack);
    EXPECT_EQ(img.Pixel(2, 0), kRed);

    BmpSpec eight;
    eight.bits = 8;
    eight.width = 2;
    eight.colorsUsed = 2;
    eight.palette = {0x123456, 0xFF00FF};
    eight.rows = {{1, 0}};
    img = DecodeBmp(MakeBmp(eight));
    EXPECT_EQ(img.Pixel(0, 0), 0xFFFF00FFu);
    EXPECT_EQ(img.Pixel(1, 0), 0xFF123456u);
}

TEST(BmpDecode, SixteenBitAndBitfields) {
    BmpSpec rgb555;
    rgb555.bits = 16;
    rgb555.width = 2;
    rgb555.rows = {{0xFF, 0x7F, 0x10, 0x00}};  // white; blue 16 of 31
    PixelBuffer img = DecodeBmp(MakeBmp(rgb555));
    EXPECT_EQ(img.Pixel(0, 0), kWhite);
    EXPECT_EQ(img.Pixel(1, 0), 0xFF000084u);  // 5 bits widened by repeating them

    BmpSpec rgb565 = rgb555;
    rgb565.compression = 3;
    rgb565.masks = {0xF800, 0x07E0, 0x001F};
    rgb565.rows = {{0x00, 0xF8, 0xE0, 0x07}};
    img = DecodeBmp(MakeBmp(rgb565));
    EXPECT_EQ(img.Pixel(0, 0), kRed);
    EXPECT_EQ(img.Pixel(1, 0), kGreen);

    BmpSpec bgra;
    bgra.bits = 32;
    bgra.compression = 3;
    bgra.masks = {0x000000FF, 0x0000FF00, 0x00FF0000};  // red in the first byte
    bgra.rows = {{0x11, 0x22, 0x33, 0x44}};
    img = DecodeBmp(MakeBmp(bgra));
    EXPECT_EQ(img.Pixel(0, 0), 0xFF112233u);
}

TEST(BmpDecode, MalformedFilesGiveAnEmptyImage) {
    BmpSpec good;
    good.width = 2;
    good.height = 2;
    good.rows = {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}};
    const Bytes file = MakeBmp(good);
    ASSERT_FALSE(DecodeBmp(file).Empty());
    // Every truncation: the last row's pixels are missing, or the header is.
    for (size_t n = 0; n + 2 < file.size(); ++n) EXPECT_TRUE(DecodeBmp(file.data(), n).Empty()) << n;

    auto withField = [&](size_t offset, uint32_t value) {
        Bytes b = file;
        for (int i = 0; i < 4; ++i) b[offset + static_cast<size_t>(i)] = static_cast<uint8_t>(value >> (8 * i));
        return DecodeBmp(b);
    };
    EXPECT_TRUE(withField(18, 0).Empty());                         // width 0
    EXPECT_TRUE(withField(18, static_cast<uint32_t>(-2)).Empty());  // negative width
    EXPECT_TRUE(withField(22, 0).Empty());                         // height 0
    EXPECT_TRUE(withField(22, static_cast<uint32_t>(INT_MIN)).Empty());
    EXPECT_TRUE(withField(18, 40000).Empty());                     // absurd sizes...
    EXPECT_TRUE(withField(22, 0x7FFFFFFF).Empty());
    EXPECT_TRUE(withField(18, 20000).Empty());                     // ...or pixels missing
    EXPECT_TRUE(withField(30, 1).Empty());                         // RLE8
    EXPECT_TRUE(withField(14, 64).Empty());                        // unknown header size
    Bytes badMagic = file;
    badMagic[0] = 'M';
    EXPECT_TRUE(DecodeBmp(badMagic).Empty());
    Bytes twoBits = file;
    twoBits[28] = 2;
    EXPECT_TRUE(DecodeBmp(twoBits).Empty());
    EXPECT_TRUE(DecodeBmp(nullptr, 0).Empty());
}

TEST(BmpEncode, RoundTripsAt24And32Bits) {
    PixelBuffer img(5, 3);
    uint32_t v = 12345;
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 5; ++x) {
            v = v * 1103515245u + 12345u;
            img.SetPixel(x, y, 0xFF000000u | (v >> 8));
        }
    for (int bits : {24, 32}) {
        const Bytes file = EncodeBmp(img, bits);
        ASSERT_EQ(file[28], bits);
        const PixelBuffer back = DecodeBmp(file);
        ASSERT_EQ(back.Width(), 5);
        ASSERT_EQ(back.Height(), 3);
        for (int y = 0; y < 3; ++y)
            for (int x = 0; x < 5; ++x) EXPECT_EQ(back.Pixel(x, y), img.Pixel(x, y));
    }
    EXPECT_TRUE(EncodeBmp(PixelBuffer()).empty());
}
