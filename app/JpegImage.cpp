#include "app/JpegImage.h"

#include <csetjmp>
#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

// libjpeg reports fatal errors through error_exit, whose default ends the process.
// Ours jumps back to the decoder's frame instead; the frame that calls setjmp keeps no
// objects with destructors, so nothing is skipped by the jump.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf resume;
    char message[JMSG_LENGTH_MAX];
};

void ExitByJump(j_common_ptr info) {
    auto* manager = reinterpret_cast<ErrorManager*>(info->err);
    info->err->format_message(info, manager->message);
    std::longjmp(manager->resume, 1);
}

// Warnings (for example data that ends early) are not worth a line on stderr: libjpeg
// recovers from them and fills the rest of the picture.
void IgnoreMessage(j_common_ptr) {}

void CmykRowToPixels(const uint8_t* cmyk, uint32_t* out, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4) {
        // Adobe writes CMYK inverted (255 = no ink); plain CMYK counts ink up from 0.
        unsigned c = inverted ? cmyk[0] : 255u - cmyk[0];
        unsigned m = inverted ? cmyk[1] : 255u - cmyk[1];
        unsigned y = inverted ? cmyk[2] : 255u - cmyk[2];
        unsigned k = inverted ? cmyk[3] : 255u - cmyk[3];
        unsigned r = (c * k + 127) / 255, g = (m * k + 127) / 255, b = (y * k + 127) / 255;
        out[x] = 0xFF000000u | (r << 16) | (g << 8) | b;
    }
}

// Everything that may jump lives here. `out` and `row` belong to the caller, so a jump
// out of libjpeg leaves them for the caller's destructors.
bool DecodeInto(jpeg_decompress_struct& info, ErrorManager& errors, const uint8_t* data,
                size_t size, PixelBuffer& out, std::vector<uint8_t>& row) {
    if (setjmp(errors.resume)) return false;

    jpeg_create_decompress(&info);
    jpeg_mem_src(&info, const_cast<unsigned char*>(data), static_cast<unsigned long>(size));
    if (jpeg_read_header(&info, TRUE) != JPEG_HEADER_OK) return false;

    const long long pixels = static_cast<long long>(info.image_width) * info.image_height;
    if (info.image_width == 0 || info.image_height == 0 || pixels > kJpegMaxPixels) {
        std::snprintf(errors.message, sizeof errors.message, "Picture too large (%ux%u)",
                      info.image_width, info.image_height);
        return false;
    }

    const bool cmyk = info.jpeg_color_space == JCS_CMYK || info.jpeg_color_space == JCS_YCCK;
    // BGRA bytes are the buffer's 0xAARRGGBB words on a little-endian machine.
    info.out_color_space = cmyk ? JCS_CMYK : JCS_EXT_BGRA;
    jpeg_start_decompress(&info);

    out = PixelBuffer(static_cast<int>(info.output_width), static_cast<int>(info.output_height));
    if (out.Empty()) {
        std::snprintf(errors.message, sizeof errors.message, "Out of memory");
        return false;
    }
    if (cmyk) row.resize(static_cast<size_t>(info.output_width) * 4);

    const bool inverted = info.saw_Adobe_marker;
    while (info.output_scanline < info.output_height) {
        const int y = static_cast<int>(info.output_scanline);
        JSAMPROW target = cmyk ? row.data() : reinterpret_cast<JSAMPROW>(out.Row(y));
        if (jpeg_read_scanlines(&info, &target, 1) != 1) break;
        if (cmyk) CmykRowToPixels(row.data(), out.Row(y), out.Width(), inverted);
    }
    jpeg_finish_decompress(&info);
    return true;
}

}  // namespace

PixelBuffer DecodeJpeg(const uint8_t* data, size_t size, std::string* error) {
    PixelBuffer out;
    if (!data || size == 0) {
        if (error) *error = "No picture data";
        return out;
    }
    std::vector<uint8_t> row;
    jpeg_decompress_struct info{};
    ErrorManager errors{};
    info.err = jpeg_std_error(&errors.base);
    errors.base.error_exit = ExitByJump;
    errors.base.output_message = IgnoreMessage;

    const bool ok = DecodeInto(info, errors, data, size, out, row);
    jpeg_destroy_decompress(&info);  // safe after a failed or partial creation too
    if (!ok) {
        if (error) *error = errors.message[0] ? errors.message : "Not a JPEG picture";
        return PixelBuffer();
    }
    out.Sync();
    return out;
}
