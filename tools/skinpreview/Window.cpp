// The main window as the frame skinner paints it: four border parts, the caption with
// its text background, buttons and icon, and a mock of the client area's controls.
#include "tools/skinpreview/Window.h"

#include <algorithm>
#include <string>

#include "skin/data/ImgUtil.h"
#include "tools/skinpreview/Painters.h"

namespace {

constexpr int kClientWidth = 445;
constexpr int kClientHeight = 364;

int FrameIndex(const TDataSkinObject& e, bool active) { return active || e.FrameCount == 1 ? 1 : 2; }

void DrawBorders(PixelBuffer& px, const TSkinDefinition& skin, bool active, int fl, int ft, int fr, int fb) {
    const int w = px.Width(), h = px.Height();
    auto part = [&](const TDataSkinBorder& e, const TRect& r, bool stacked) {
        DrawFrameNineSlice(px, r, e.Image, stacked, e.Tile == 1, false, e.SafeFrameCount(), FrameIndex(e, active),
                           ElementMargins(e));
    };
    part(skin.BorderLeft, {0, 0, fl, h}, false);
    part(skin.BorderRight, {w - fr, 0, w, h}, false);
    part(skin.BorderBottom, {fl, h - fb, w - fr, h}, true);
    part(skin.BorderTop, {fl, 0, w - fr, ft}, true);
}

// Caption text, text background, buttons and icon, placed as the frame skinner does.
void DrawCaption(Surface& s, const TSkinDefinition& skin, bool active, const std::string& title, int fl, int ft,
                 int fr) {
    const TDataSkinTitle& t = skin.Title;
    const int w = s.px.Width();
    const TRect R{fl, 0, w - fr, ft};
    const std::string text = "  " + title + " ";
    const int textWidth = Scene::TextWidth(text, 12), textHeight = 15;
    TRect r{R.left, R.top, R.left + textWidth + t.TXTBackleft + t.TXTBackRight, R.top + textHeight};
    r = r.Offset(t.LeftWidth, (R.Height() - textHeight) / 2 + t.TopHeight / 2);
    r.right = std::min(r.right, R.right - t.RightWidth);
    if (!t.Image.Empty())
        DrawThreePart(s.px, {r.left, R.top, r.right, R.bottom}, t.Image, true, true, 2, active ? 1 : 2,
                      TMargins{t.TXTBackleft, 0, t.TXTBackRight, 0});
    const TRect textRect{r.left + t.TXTBackleft, r.top, r.right - t.TXTBackRight, r.bottom};
    s.Text(textRect.left, textRect.top + textHeight / 2, text,
           Resolve(skin.Colours[active ? scTitleTextActive : scTitleTextNoActive]));

    // The main window has a system menu and a minimise box, no maximise box: close and
    // minimise are live, maximise shows disabled, restore and help stay hidden.
    for (const auto& b : skin.SysButtons) {
        if (b->Image.Empty() || b->Align != 1) continue;
        const bool shown = b->Action == 0 || b->Action == 2 || (b->Action == 1 && b->Visibility == 2);
        if (!shown) continue;
        const bool enabled = b->Action != 1;
        const int fw = b->Image.Width() / b->SafeFrameCount();
        const TRect bounds{w - b->Xcoord, b->Ycoord, w - b->Xcoord + fw, b->Ycoord + b->Image.Height()};
        const int f = b->FrameCount < 4 || (active && enabled) ? 1 : 4;
        DrawFrameStretched(s.px, bounds, b->Image, true, b->SafeFrameCount(), f);
    }
    const int iconY = (textRect.top + textRect.bottom) / 2 - 8;
    s.scene.Picture({s.ox + 8, s.oy + iconY, s.ox + 24, s.oy + iconY + 16}, "/work/main/assets/Kelvora.ico");
}

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

}  // namespace

void PaintMainWindow(Scene& scene, const TSkinDefinition& skin, int x, int y, bool active) {
    const int fl = skin.BorderLeft.Image.Width() / skin.BorderLeft.SafeFrameCount();
    const int fr = skin.BorderRight.Image.Width() / skin.BorderRight.SafeFrameCount();
    const int ft = skin.BorderTop.Image.Height() / skin.BorderTop.SafeFrameCount();
    const int fb = skin.BorderBottom.Image.Height() / skin.BorderBottom.SafeFrameCount();
    PixelBuffer px(kClientWidth + fl + fr, kClientHeight + ft + fb);
    Surface s{px, scene, x, y};
    DrawBorders(px, skin, active, fl, ft, fr, fb);
    DrawCaption(s, skin, active, "Kelvora", fl, ft, fr);
    DrawClient(s, skin, fl, ft);
    // The window region leaves out the magenta pixels of the borders.
    scene.Put(px, x, y);
}
