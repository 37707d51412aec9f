// The main window as the frame skinner paints it: the frame painter's borders, caption,
// buttons and icon, and a mock of the client area's controls.
#include "tools/skinpreview/Window.h"

#include <string>

#include "skin/form/FramePainter.h"
#include "tools/skinpreview/Painters.h"

namespace {

constexpr int kClientWidth = 445;
constexpr int kClientHeight = 364;
constexpr int kCaptionFontSize = 12;
constexpr int kCaptionLineHeight = 15;

// The preview has no font renderer: captions are measured with the preview font's
// advance and drawn by the picture's script afterwards.
class SceneRenderer : public TPaintRenderer {
public:
    TExtent Measure(TFontRole, const std::string& text) const override {
        return {Scene::TextWidth(text, kCaptionFontSize), kCaptionLineHeight};
    }
};

void DrawClient(Surface& s, const TSkinDefinition& skin, int cx, int cy) {
    const uint32_t face = Resolve(skin.ButtonFace());
    Fill(s.px, {cx, cy, cx + kClientWidth, cy + kClientHeight}, face);
    s.scene.Picture({s.ox + cx, s.oy + cy, s.ox + cx + 445, s.oy + cy + 89}, "/work/main/assets/banner.jpg");
    s.Text(cx + 304, cy + 14, u8"程序版本:", 0x000000);
    s.Text(cx + 360, cy + 14, "1.0.20110422", 0x808080);
    s.Text(cx + 304, cy + 38, u8"技术支持: kelvora.example", 0x0000FF);

    const char* const tabs[] = {u8"软件设置", u8"自定义管理", u8"关于我们"};
    const TRect page = PaintTabs(s, skin, {cx, cy + 89, cx + 445, cy + 89 + 224}, tabs, 3, 0);
    PaintGroupBox(s, skin, page, u8"系统性能指数 (越小越好)");
    const int gx = page.left, gy = page.top;
    s.Text(gx + 9, gy + 30, u8"系统优化前指数:", 0x000000);
    PaintProgress(s.px, skin, {gx + 100, gy + 20, gx + 383, gy + 43}, 63);
    s.Text(gx + 392, gy + 30, "63%", 0x000000);
    s.Text(gx + 9, gy + 61, u8"系统优化后指数:", 0x000000);
    PaintProgress(s.px, skin, {gx + 100, gy + 49, gx + 383, gy + 72}, 35);
    s.Text(gx + 392, gy + 61, "35%", 0x000000);
    Fill(s.px, {gx + 8, gy + 77, gx + 425, gy + 78}, 0x808080);
    Fill(s.px, {gx + 8, gy + 78, gx + 425, gy + 79}, 0xFFFFFF);
    s.Text(gx + 13, gy + 86, u8"当系统缓慢、网速缓慢时不妨试试一键优化.", 0x000000);
    const char* const log[] = {u8"QQExternal.exe 清理成功", u8"TXPlatform.exe 未发现", u8"网络优化结束...",
                               u8"优化结束..."};
    PaintMemo(s, skin, {gx + 12, gy + 94, gx + 420, gy + 188}, log, 4);

    s.Text(cx + 128, cy + 326, u8"桌面快捷键", 0x008000);
    PaintButton(s, skin, {cx + 216, cy + 314, cx + 291, cy + 339}, 5, u8"一键优化");
    PaintButton(s, skin, {cx + 293, cy + 314, cx + 368, cy + 339}, 4, u8"退出");
    PaintButton(s, skin, {cx + 370, cy + 314, cx + 445, cy + 339}, 1, u8"托盘");
    PaintStatusBar(s, skin, {cx, cy + 343, cx + 445, cy + 364}, 300, u8"进程数: 12");
}

// Copies the parts of px inside the window region to the scene at (x, y).
void PutShaped(Scene& scene, const PixelBuffer& px, const TFrameRegion& region, int x, int y) {
    for (const RegionBatch& batch : region.parts)
        for (const TRect& r : batch.rects)
            StretchCopy(scene.Pixels(), r.Offset(x, y), px, r);
}

}  // namespace

void PaintMainWindow(Scene& scene, const TSkinDefinition& skin, int x, int y, bool active) {
    // The main window has a system menu and a minimise box, no maximise box.
    TFrameState state;
    const TExtent size = WindowSizeForClient(FrameSizes(skin, state.borderKind), 0, kClientWidth, kClientHeight);
    state.width = size.width;
    state.height = size.height;
    state.captionIcons = ciSystemMenu | ciMinimiseBox;
    state.active = active;
    state.caption = "Kelvora";
    state.hasIcon = true;
    SceneRenderer renderer;
    TFramePicture frame = PaintFrame(skin, state, renderer);
    if (frame.pixels.Empty()) return;
    Surface s{frame.pixels, scene, x, y};
    DrawClient(s, skin, frame.client.left, frame.client.top);
    for (const TTextRun& t : frame.texts)
        s.Text(t.rect.left, (t.rect.top + t.rect.bottom) / 2, t.text, t.colour, kCaptionFontSize);
    if (!frame.icon.IsEmpty()) scene.Picture(frame.icon.Offset(x, y), "/work/main/assets/Kelvora.ico");
    PutShaped(scene, frame.pixels, FrameRegion(skin, state), x, y);
}
