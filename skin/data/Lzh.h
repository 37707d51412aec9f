#pragma once
// LZHUF, the LZSS plus adaptive-Huffman scheme of Okumura and Yoshizaki, as skin packages
// use it: a 4096-byte ring whose first 4036 bytes start as spaces, matches of 3..60 bytes,
// 314 symbols (256 literals and 58 lengths) in an adaptive Huffman tree rebuilt when the
// root frequency reaches 0x8000, and match positions coded with the fixed LZHUF tables.
//
// A package is an int32 little-endian decoded size S followed by the bit stream. Reading
// past the end of the bit stream supplies zero bytes, so a truncated package decodes to
// S bytes of whatever comes out.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <vector>

class ElzhException : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// Decoded sizes above this are refused: no skin comes near it, and a forged size must not
// make the program reserve gigabytes.
constexpr int32_t kLzhMaxDecodedSize = 64 * 1024 * 1024;

class TLZH {
public:
    // Decodes a whole package into out (replacing its content). False, with out empty, when
    // the package is shorter than its 4-byte size or S is negative or above
    // kLzhMaxDecodedSize. S = 0 yields an empty out and reads nothing past the size.
    static bool Decompress(const uint8_t* package, size_t size, std::vector<uint8_t>& out);
    static bool Decompress(const std::vector<uint8_t>& package, std::vector<uint8_t>& out) {
        return Decompress(package.data(), package.size(), out);
    }
    // Decodes outSize bytes from a bare bit stream (no size prefix).
    static void DecodeStream(const uint8_t* bits, size_t size, size_t outSize, std::vector<uint8_t>& out);

    // Encoder for our tools: the bare bit stream, and the package (size prefix + stream).
    // The decoder reads either back byte for byte.
    static std::vector<uint8_t> EncodeStream(const uint8_t* data, size_t size);
    static std::vector<uint8_t> Compress(const uint8_t* data, size_t size);
    static std::vector<uint8_t> Compress(const std::vector<uint8_t>& data) {
        return Compress(data.data(), data.size());
    }
};
