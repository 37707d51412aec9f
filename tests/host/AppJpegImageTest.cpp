// Decoding the banner and hostile JPEG data: pictures come out right, bad data never
// takes the process down.
#include "app/JpegImage.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include <jpeglib.h>

namespace {

// A file of the source tree, found from this test's own source path so the tests read it
// from whatever folder they are started in.
std::string SourceTreeFile(const std::string& relative) {
    const std::string self = __FILE__;
    const std::string tail = "tests/host/AppJpegImageTest.cpp";
    const std::string root = self.size() >= tail.size() ? self.substr(0, self.size() - tail.size()) : std::string();
    return root + relative;
}

std::vector<uint8_t> ReadFile(const char* relative) {
    std::ifstream in(SourceTreeFile(relative), std::ios::binary);
    EXPECT_TRUE(in.good()) << "cannot open " << SourceTreeFile(relative);
    return std::vector<uint8_t>((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

// Encodes a picture whose pixels come from `colour(x, y)` (0xRRGGBB), so tests know
// what the decoder must give back.
template <typename ColourAt>
std::vector<uint8_t> Encode(int width, int height, J_COLOR_SPACE space, bool progressive,
                            ColourAt colour) {
    jpeg_compress_struct info{};
    jpeg_error_mgr errors{};
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = width;
    info.image_height = height;
    info.input_components = space == JCS_GRAYSCALE ? 1 : 3;
    info.in_color_space = space == JCS_GRAYSCALE ? JCS_GRAYSCALE : JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 95, TRUE);
    if (progressive) jpeg_simple_progression(&info);
    jpeg_start_compress(&info, TRUE);
    std::vector<uint8_t> row(static_cast<size_t>(width) * info.input_components);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            uint32_t c = colour(x, static_cast<int>(info.next_scanline));
            if (space == JCS_GRAYSCALE) {
                row[x] = static_cast<uint8_t>(c & 0xFF);
            } else {
                row[x * 3] = static_cast<uint8_t>(c >> 16);
                row[x * 3 + 1] = static_cast<uint8_t>(c >> 8);
                row[x * 3 + 2] = static_cast<uint8_t>(c);
            }
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    std::vector<uint8_t> out(buffer, buffer + size);
    free(buffer);
    jpeg_destroy_compress(&info);
    return out;
}

// Channels within `tolerance` of the expected 0xRRGGBB (JPEG is lossy), alpha opaque.
::testing::AssertionResult Near(uint32_t pixel, uint32_t rgb, int tolerance = 12) {
    if ((pixel >> 24) != 0xFF) return ::testing::AssertionFailure() << std::hex << pixel << " not opaque";
    for (int shift = 0; shift <= 16; shift += 8) {
        int got = (pixel >> shift) & 0xFF, want = (rgb >> shift) & 0xFF;
        if (std::abs(got - want) > tolerance)
            return ::testing::AssertionFailure() << std::hex << "pixel " << pixel << " vs " << rgb;
    }
    return ::testing::AssertionSuccess();
}

}  // namespace

TEST(AppJpegImage, DecodesTheShippedBanner) {
    auto bytes = ReadFile("assets/banner.jpg");
    ASSERT_FALSE(bytes.empty()) << "run from the repository root";
    std::string error;
    PixelBuffer banner = DecodeJpeg(bytes.data(), bytes.size(), &error);
    ASSERT_FALSE(banner.Empty()) << error;
    EXPECT_EQ(banner.Width(), 445);
    EXPECT_EQ(banner.Height(), 89);
    // Blue panel on the left, light field under the labels on the right.
    uint32_t left = banner.Pixel(4, 84), right = banner.Pixel(440, 4);
    EXPECT_GT(left & 0xFF, (left >> 16) & 0xFF) << std::hex << left;
    EXPECT_GT((right >> 16) & 0xFF, 0xE0u) << std::hex << right;
    for (int y = 0; y < banner.Height(); ++y)
        for (int x = 0; x < banner.Width(); ++x) ASSERT_EQ(banner.Pixel(x, y) >> 24, 0xFFu);
}

TEST(AppJpegImage, ColourGreyAndProgressivePicturesComeOutAsRgb) {
    auto quadrants = [](int x, int y) -> uint32_t {
        return x < 16 ? (y < 16 ? 0xFF0000 : 0x00FF00) : (y < 16 ? 0x0000FF : 0xFFFFFF);
    };
    for (bool progressive : {false, true}) {
        auto bytes = Encode(32, 32, JCS_RGB, progressive, quadrants);
        PixelBuffer p = DecodeJpeg(bytes.data(), bytes.size());
        ASSERT_EQ(p.Width(), 32);
        ASSERT_EQ(p.Height(), 32);
        EXPECT_TRUE(Near(p.Pixel(4, 4), 0xFF0000)) << "progressive " << progressive;
        EXPECT_TRUE(Near(p.Pixel(4, 28), 0x00FF00));
        EXPECT_TRUE(Near(p.Pixel(28, 4), 0x0000FF));
        EXPECT_TRUE(Near(p.Pixel(28, 28), 0xFFFFFF));
    }
    auto grey = Encode(24, 8, JCS_GRAYSCALE, false, [](int x, int) { return x < 12 ? 0x40u : 0xC0u; });
    PixelBuffer g = DecodeJpeg(grey.data(), grey.size());
    ASSERT_EQ(g.Width(), 24);
    EXPECT_TRUE(Near(g.Pixel(2, 2), 0x404040, 4));
    EXPECT_TRUE(Near(g.Pixel(20, 2), 0xC0C0C0, 4));

    auto cmyk = ReadFile("fuzz/corpus/jpeg/cmyk.jpg");  // cyan, Adobe-style inverted CMYK
    PixelBuffer c = DecodeJpeg(cmyk.data(), cmyk.size());
    ASSERT_EQ(c.Width(), 8);
    EXPECT_TRUE(Near(c.Pixel(4, 4), 0x00FFFF, 16));
}

TEST(AppJpegImage, BadDataGivesAnEmptyBufferAndAReason) {
    const uint8_t notJpeg[] = "GIF89a this is no jpeg";
    std::string error;
    EXPECT_TRUE(DecodeJpeg(notJpeg, sizeof notJpeg, &error).Empty());
    EXPECT_FALSE(error.empty());
    EXPECT_TRUE(DecodeJpeg(nullptr, 0, &error).Empty());
    const uint8_t soiOnly[] = {0xFF, 0xD8};
    EXPECT_TRUE(DecodeJpeg(soiOnly, sizeof soiOnly).Empty());

    // Every prefix of a real picture: no crash; a cut inside the header fails cleanly.
    auto bytes = Encode(16, 16, JCS_RGB, true, [](int x, int y) { return (x * 16u) << 8 | y * 16u; });
    for (size_t n = 0; n < bytes.size(); ++n) {
        PixelBuffer p = DecodeJpeg(bytes.data(), n);
        if (!p.Empty()) {
            EXPECT_EQ(p.Width(), 16);
        }
    }
}

TEST(AppJpegImage, HugeDeclaredSizeIsRefusedBeforeAllocating) {
    auto bytes = Encode(8, 8, JCS_RGB, false, [](int, int) { return 0x808080u; });
    // Rewrite the frame header (SOF0: FF C0, length, precision, height, width) to 60000 x 60000.
    for (size_t i = 0; i + 8 < bytes.size(); ++i) {
        if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) {
            bytes[i + 5] = 0xEA; bytes[i + 6] = 0x60;  // height
            bytes[i + 7] = 0xEA; bytes[i + 8] = 0x60;  // width
            break;
        }
    }
    std::string error;
    EXPECT_TRUE(DecodeJpeg(bytes.data(), bytes.size(), &error).Empty());
    EXPECT_NE(error.find("too large"), std::string::npos) << error;
}
