// A sheet of every skinned control in its states, on the client colour.
#include "tools/skinpreview/Sheet.h"

#include "tools/skinpreview/Painters.h"

namespace {

void PaintCaptionButtonStates(Surface& s, const TSkinDefinition& skin, int x, int y) {
    const TDataSkinBorder& top = skin.BorderTop;
    int row = 0;
    for (const auto& b : skin.SysButtons) {
        if (b->Image.Empty()) continue;
        const int count = b->SafeFrameCount();
        const int fw = b->Image.Width() / count, fh = b->Image.Height();
        for (int f = 1; f <= count; ++f) {
            const TRect strip{x + (f - 1) * (fw + 8), y + row * 32, x + f * (fw + 8), y + row * 32 + 30};
            DrawFrameNineSlice(s.px, strip, top.Image, true, false, false, top.SafeFrameCount(), f == 4 ? 2 : 1,
                               ElementMargins(top));
            DrawFrameStretched(s.px, {strip.left + 4, strip.top + b->Ycoord, strip.left + 4 + fw, strip.top + b->Ycoord + fh},
                               b->Image, true, count, f);
        }
        ++row;
    }
}

}  // namespace

void PaintControlSheet(Scene& scene, const TSkinDefinition& skin, int x, int y, int width, int height) {
    PixelBuffer px(width, height);
    px.Fill(PixelFromColour(Resolve(skin.ButtonFace())));
    Surface s{px, scene, x, y};

    const char* const states[] = {u8"正常", u8"按下", u8"禁用", u8"悬停", u8"默认"};
    for (int i = 0; i < 5; ++i) PaintButton(s, skin, {16 + i * 85, 14, 91 + i * 85, 39}, i + 1, states[i]);

    PaintCheck(s, skin, 16, 52, false, 1, u8"未选中");
    PaintCheck(s, skin, 106, 52, false, 5, u8"已选中");
    PaintCheck(s, skin, 196, 52, false, 9, u8"部分选中");
    PaintCheck(s, skin, 296, 52, false, 4, u8"禁用");
    PaintCheck(s, skin, 366, 52, false, 8, u8"禁用选中");
    PaintCheck(s, skin, 16, 76, true, 1, u8"单选一");
    PaintCheck(s, skin, 106, 76, true, 5, u8"单选二");
    PaintCheck(s, skin, 196, 76, true, 4, u8"禁用");
    PaintCheck(s, skin, 296, 76, true, 8, u8"禁用选中");

    PaintProgress(px, skin, {16, 104, 216, 127}, 0);
    PaintProgress(px, skin, {226, 104, 426, 127}, 40);
    PaintProgress(px, skin, {16, 134, 216, 157}, 100);
    PaintProgress(px, skin, {226, 134, 426, 157}, 4);

    const char* const tabs[] = {u8"常规", u8"高级", u8"关于"};
    const TRect page = PaintTabs(s, skin, {16, 170, 246, 290}, tabs, 3, 1);
    PaintCheck(s, skin, page.left + 10, page.top + 12, false, 5, u8"开机启动");
    PaintCombo(s, skin, {page.left + 10, page.top + 40, page.left + 150, page.top + 61}, 1, u8"每天");
    PaintGroupBox(s, skin, {262, 170, 436, 290}, u8"分组框");
    PaintCombo(s, skin, {276, 194, 416, 215}, 4, u8"悬停");
    PaintCombo(s, skin, {276, 222, 416, 243}, 3, u8"禁用");
    Fill(px, {276, 252, 376, 274}, 0xFFFFFF);
    s.Text(281, 263, "42", 0x000000);
    PaintUpDown(px, skin, {376, 252, 392, 274}, 0);

    PaintTrackBar(px, skin, {16, 300, 246, 324}, 35);
    const char* const headers[] = {u8"名称", u8"大小", u8"状态"};
    PaintHeader(s, skin, {16, 334, 436, 354}, headers, 3, 1);
    Fill(px, {16, 354, 436, 400}, 0xFFFFFF);
    PaintScrollBar(px, skin, {16, 383, 436, 400}, false, 1, false, 80, 120);

    PaintScrollBar(px, skin, {452, 14, 469, 200}, true, -1, false, 17, 40);
    PaintScrollBar(px, skin, {476, 14, 493, 200}, true, 5, false, 60, 40);
    PaintScrollBar(px, skin, {500, 14, 517, 200}, true, 5, true, 100, 40);
    PaintScrollBar(px, skin, {524, 14, 541, 200}, true, 0, false, 17, 70);

    const char* const menu[] = {u8"显示窗口", u8"隐藏窗口", "-", u8"一键清理", u8"退出程序"};
    PaintPopupMenu(s, skin, {560, 14, 720, 14 + 6 + 4 * 22 + 9}, menu, 5, 1);

    const char* const sets[] = {u8"第一页", u8"第二页", u8"第三页"};
    PaintTabSetStrip(s, skin, {460, 322, 700, 346}, sets, 3, 0, false);
    PaintTabSetStrip(s, skin, {460, 360, 700, 384}, sets, 3, 1, true);

    PaintCaptionButtonStates(s, skin, 560, 140);
    scene.Put(px, x, y);
}
