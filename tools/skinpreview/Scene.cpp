#include "tools/skinpreview/Scene.h"

#include <cstdio>

#include "skin/data/ImgUtil.h"
#include "skin/data/SkinPlatform.h"

namespace {

std::string HexColour(uint32_t colour) {
    char buf[16];
    std::snprintf(buf, sizeof buf, "#%02X%02X%02X", colour & 0xFF, (colour >> 8) & 0xFF, (colour >> 16) & 0xFF);
    return buf;
}

std::string Quoted(const std::string& text) {
    std::string out = "'";
    for (char c : text) {
        if (c == '\'' || c == '\\') out += '\\';
        out += c;
    }
    return out + "'";
}

}  // namespace

uint32_t Resolve(TColour colour) { return SystemSkinPlatform().Resolve(colour); }

TMargins ElementMargins(const TDataSkinObject& e) { return {e.LeftWidth, e.TopHeight, e.RightWidth, e.BottomHeight}; }

void DrawElement(PixelBuffer& dest, const TRect& r, const TDataSkinObject& e, int index, bool stacked) {
    DrawFrameNineSlice(dest, r, e.Image, stacked, e.Tile == 1, e.Trans != 0, e.SafeFrameCount(), index,
                       ElementMargins(e));
}

Scene::Scene(int width, int height, uint32_t background) : pixels_(width, height) {
    pixels_.Fill(PixelFromColour(background));
    script_ = "font '/usr/share/fonts/truetype/wqy/wqy-microhei.ttc'\n";
}

void Scene::FillRect(const TRect& r, uint32_t colour) {
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) pixels_.SetPixel(x, y, PixelFromColour(colour));
}

void Scene::FrameRect(const TRect& r, uint32_t colour) {
    FillRect({r.left, r.top, r.right, r.top + 1}, colour);
    FillRect({r.left, r.bottom - 1, r.right, r.bottom}, colour);
    FillRect({r.left, r.top, r.left + 1, r.bottom}, colour);
    FillRect({r.right - 1, r.top, r.right, r.bottom}, colour);
}

void Scene::RoundFrame(const TRect& r, uint32_t colour) {
    FillRect({r.left + 2, r.top, r.right - 2, r.top + 1}, colour);
    FillRect({r.left + 2, r.bottom - 1, r.right - 2, r.bottom}, colour);
    FillRect({r.left, r.top + 2, r.left + 1, r.bottom - 2}, colour);
    FillRect({r.right - 1, r.top + 2, r.right, r.bottom - 2}, colour);
    const uint32_t p = PixelFromColour(colour);
    pixels_.SetPixel(r.left + 1, r.top + 1, p);
    pixels_.SetPixel(r.right - 2, r.top + 1, p);
    pixels_.SetPixel(r.left + 1, r.bottom - 2, p);
    pixels_.SetPixel(r.right - 2, r.bottom - 2, p);
}

void Scene::Put(const PixelBuffer& src, int x, int y) {
    TransparentCopy(pixels_, {x, y, x + src.Width(), y + src.Height()}, src, kMagenta);
}

int Scene::TextWidth(const std::string& utf8, int size) {
    double width = 0;
    for (size_t i = 0; i < utf8.size();) {
        unsigned char c = static_cast<unsigned char>(utf8[i]);
        if (c < 0x80) {
            width += c == ' ' ? size * 0.3 : size * 0.56;
            ++i;
        } else {
            width += size;
            i += c >= 0xF0 ? 4 : c >= 0xE0 ? 3 : 2;
        }
    }
    return static_cast<int>(width + 0.5);
}

void Scene::Text(int x, int cy, const std::string& utf8, uint32_t colour, int size) {
    int baseline = cy + (size * 36 + 50) / 100;
    script_ += "fill '" + HexColour(colour) + "'\nfont-size " + std::to_string(size) + "\ntext " +
               std::to_string(x) + "," + std::to_string(baseline) + " " + Quoted(utf8) + "\n";
}

void Scene::TextCentred(const TRect& r, const std::string& utf8, uint32_t colour, int size) {
    Text(r.left + (r.Width() - TextWidth(utf8, size)) / 2, r.top + r.Height() / 2, utf8, colour, size);
}

void Scene::Picture(const TRect& r, const std::string& path) {
    script_ += "image Over " + std::to_string(r.left) + "," + std::to_string(r.top) + " " +
               std::to_string(r.Width()) + "," + std::to_string(r.Height()) + " " + Quoted(path) + "\n";
}
