#include "tools/skinpreview/Painters.h"

#include <algorithm>
#include <vector>

#include "skin/controls/ComboPainter.h"
#include "skin/controls/ContainerPainter.h"
#include "skin/controls/EditPainter.h"
#include "skin/controls/IndicatorPainter.h"
#include "skin/controls/ScrollPainter.h"
#include "skin/controls/TabPainter.h"
#include "skin/data/ImgUtil.h"

namespace {

constexpr uint32_t kSystemShadow = 0x808080;  // clBtnShadow of the classic scheme
constexpr uint32_t kBlack = 0x000000;

uint32_t Face(const TSkinDefinition& skin) { return Resolve(skin.ButtonFace()); }

}  // namespace

void Fill(PixelBuffer& px, const TRect& r, uint32_t colour) {
    const TRect c = r.Intersect({0, 0, px.Width(), px.Height()});
    for (int y = c.top; y < c.bottom; ++y)
        for (int x = c.left; x < c.right; ++x) px.SetPixel(x, y, PixelFromColour(colour));
}

void PaintButton(Surface& s, const TSkinDefinition& skin, const TRect& r, int state, const std::string& caption) {
    const TDataSkinButton& b = skin.Buttons;
    Fill(s.px, r, Face(skin));
    DrawElement(s.px, r, b, state);
    uint32_t ink = kBlack;
    if (b.HasNormalColour2) ink = Resolve(b.NormalColour2);
    if (state == 4 && b.HasMouseOverColour2) ink = Resolve(b.MouseOverColour2);
    if (state == 2 && b.HasPressedColour2) ink = Resolve(b.PressedColour2);
    if (state == 3) ink = kSystemShadow;
    s.TextCentred(r.Offset(0, -1), caption, ink);
}

void PaintCheck(Surface& s, const TSkinDefinition& skin, int x, int y, bool radio, int cell,
                const std::string& caption) {
    const PixelBuffer& strip = radio ? skin.Buttons.RadioImage : skin.Buttons.CheckImage;
    const int cells = radio ? skin.Buttons.RadioButtonFrame : skin.Buttons.CheckButtonFrame;
    const int cw = strip.Width() / std::max(cells, 1), ch = strip.Height();
    const TRect row{x, y, x + 160, y + 17};
    const int gy = y + (row.Height() - ch) / 2;
    DrawFrameStretched(s.px, {x, gy, x + cw, gy + ch}, strip, true, cells, cell);
    const bool disabled = radio ? (cell == 4 || cell == 8) : (cell == 4 || cell == 8 || cell == 12);
    s.Text(x + cw + 4, y + 8, caption, disabled ? kSystemShadow : kBlack);
}

void PaintProgress(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int percent) {
    PixelBuffer bar = PixelBuffer::Scratch(r.Width(), r.Height());
    TProgressState state;
    state.position = percent;
    PaintProgress(bar, *skin.Progress, skin.ProgressChunk.get(), state, Face(skin));
    StretchCopy(px, r, bar, {0, 0, bar.Width(), bar.Height()});
}

void PaintGroupBox(Surface& s, const TSkinDefinition& skin, const TRect& r, const std::string& caption) {
    // The group box painter on the box alone, then the caption text over its box.
    PixelBuffer box = PixelBuffer::Scratch(r.Width(), r.Height());
    box.Fill(PixelFromColour(Face(skin)));
    const int captionWidth = caption.empty() ? 0 : Scene::TextWidth(caption);
    const TGroupBoxLayout layout = LayoutGroupBox(r.Width(), r.Height(), 12, captionWidth, 13, false);
    PaintGroupBoxFrame(box, layout, PixelFromColour(Resolve(skin.Colours[scButtonShadow])), PixelFromColour(Face(skin)));
    StretchCopy(s.px, r, box, {0, 0, box.Width(), box.Height()});
    if (!caption.empty()) s.Text(r.left + layout.caption.left, r.top + 6, caption, kBlack);
}

namespace {

// Captions through the scene's text, which is drawn over the picture afterwards: measured
// with its metrics, placed at the composition's position on the surface.
class SceneTabText : public TButtonText {
public:
    SceneTabText(Surface& s, int dx, int dy) : s_(s), dx_(dx), dy_(dy) {}
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        return text.empty() ? TTextSize{} : TTextSize{Scene::TextWidth(Utf8(text)), 13};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned, uint32_t colour) override {
        s_.TextCentred(rect.Offset(dx_, dy_), Utf8(text), colour);
    }

private:
    static std::string Utf8(const std::wstring& text) {
        std::string out;
        for (wchar_t wc : text) {
            const uint32_t c = static_cast<uint32_t>(wc);
            if (c < 0x80) {
                out += static_cast<char>(c);
            } else if (c < 0x800) {
                out += static_cast<char>(0xC0 | (c >> 6));
                out += static_cast<char>(0x80 | (c & 0x3F));
            } else {
                out += static_cast<char>(0xE0 | (c >> 12));
                out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
                out += static_cast<char>(0x80 | (c & 0x3F));
            }
        }
        return out;
    }
    Surface& s_;
    int dx_, dy_;
};

std::wstring Wide(const std::string& utf8) {
    std::wstring out;
    for (size_t i = 0; i < utf8.size();) {
        const unsigned char c = static_cast<unsigned char>(utf8[i]);
        const int n = c < 0x80 ? 1 : c < 0xE0 ? 2 : 3;
        uint32_t v = n == 1 ? c : n == 2 ? (c & 0x1F) : (c & 0x0F);
        for (int k = 1; k < n && i + k < utf8.size(); ++k) v = (v << 6) | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        out += static_cast<wchar_t>(v);
        i += static_cast<size_t>(n);
    }
    return out;
}

}  // namespace

TRect PaintTabs(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                int selected) {
    const TDataSkinBorder& t = *skin.Tabs;
    const int stripHeight = 21;
    const int w = r.Width(), h = r.Height();
    // The skin engine's tab painter on the control alone, with the tab rectangles a tab
    // control reports (the selected one 2 pixels larger on each side and at the top).
    PixelBuffer control = PixelBuffer::Scratch(w, h);
    control.Fill(PixelFromColour(Face(skin)));
    const TTabImages images = PrepareTabImages(t, skin.TabPane.get(), tabTop);
    const TRect display = TabDisplayArea({4, stripHeight + 2, w - 4, h - 4}, tabTop);
    PaintTabPane(control, images, display);
    TTabStrip strip;
    strip.current = selected;
    strip.background = Face(skin);
    strip.normalText = Resolve(t.NormalColour2);
    strip.currentText = Resolve(t.MouseOverColour2);
    int x = 2;
    for (int i = 0; i < count; ++i) {
        const int tw = Scene::TextWidth(captions[i]) + 14;
        const bool sel = i == selected;
        TTabItem item;
        item.text = Wide(captions[i]);
        item.rect = {sel ? x - 2 : x, sel ? 0 : 2, sel ? x + tw + 2 : x + tw, stripHeight};
        strip.items.push_back(item);
        x += tw;
    }
    const TRect area = TabStripArea(w, h, display, tabTop);
    PixelBuffer comp = PixelBuffer::Scratch(area.Width(), area.Height());
    SceneTabText text(s, r.left + area.left, r.top + area.top);
    PaintTabStrip(comp, area, tabTop, TabFaceOf(images), strip, text);
    PlaceTabStrip(control, comp, area, tabTop);
    StretchCopy(s.px, r, control, {0, 0, w, h});
    return {r.left + display.left + 4, r.top + display.top + 4, r.left + display.right - 4, r.top + display.bottom - 4};
}

void PaintTabSetStrip(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                      int selected, bool bottom) {
    // The old-style tab set painter on the control alone: 20-pixel tabs as wide as their
    // caption plus 16, from 4 pixels in.
    const int w = r.Width(), h = r.Height(), top = bottom ? h - 20 : 0;
    PixelBuffer control = PixelBuffer::Scratch(w, h);
    const TTabImages images = PrepareTabImages(*skin.Tabs, nullptr, bottom ? tabBottom : tabTop);
    TTabStrip strip;
    strip.current = selected;
    strip.background = Face(skin);
    strip.normalText = Resolve(skin.Tabs->NormalColour2);
    strip.currentText = Resolve(skin.Tabs->MouseOverColour2);
    for (int i = 0, x = 4; i < count; ++i) {
        const int tw = Scene::TextWidth(captions[i]) + 16;
        TTabItem item;
        item.text = Wide(captions[i]);
        item.rect = {x, top, x + tw, top + 20};
        strip.items.push_back(item);
        x += tw;
    }
    SceneTabText text(s, r.left, r.top);
    PaintTabSet(control, TabFaceOf(images), strip, text);
    StretchCopy(s.px, r, control, {0, 0, w, h});
}

void PaintScrollBar(PixelBuffer& px, const TSkinDefinition& skin, const TRect& bar, bool vertical, int hotPart,
                    bool tracking, int thumbStart, int thumbLength) {
    TScrollBarState state;
    state.width = bar.Width();
    state.height = bar.Height();
    state.vertical = vertical;
    state.arrowSize = kArrowSize;
    state.systemThickness = kArrowSize;
    state.thumb = {thumbStart, thumbStart + thumbLength};
    state.hotPart = hotPart;
    state.tracking = tracking;
    PixelBuffer b = PixelBuffer::Scratch(bar.Width(), bar.Height());
    if (PaintScrollBar(b, ScrollLookOf(skin, Face(skin)), state))
        StretchCopy(px, bar, b, {0, 0, b.Width(), b.Height()});
}

void PaintMemo(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* lines, int count) {
    Fill(s.px, r, 0xFFFFFF);
    // The edit frame: a ButtonShadow line and two white lines inside it.
    const uint32_t shadow = Resolve(skin.Colours[scButtonShadow]);
    Fill(s.px, {r.left, r.top, r.right, r.top + 1}, shadow);
    Fill(s.px, {r.left, r.bottom - 1, r.right, r.bottom}, shadow);
    Fill(s.px, {r.left, r.top, r.left + 1, r.bottom}, shadow);
    Fill(s.px, {r.right - 1, r.top, r.right, r.bottom}, shadow);
    const TRect bar{r.right - 2 - kArrowSize, r.top + 2, r.right - 2, r.bottom - 2};
    PaintScrollBar(s.px, skin, bar, true, -1, false, kArrowSize, 30);
    for (int i = 0; i < count; ++i) s.Text(r.left + 4, r.top + 10 + i * 15, lines[i], kBlack);
}

void PaintStatusBar(Surface& s, const TSkinDefinition& skin, const TRect& r, int split, const std::string& text) {
    const TDataSkinObject& e = *skin.StatusBarEdges;
    // The texts are the scene's; the painter gets none.
    struct NoText : TButtonText {
        TTextSize Measure(const std::wstring&, int, unsigned) const override { return {}; }
        void Draw(PixelBuffer&, const std::wstring&, const TRect&, unsigned, uint32_t) override {}
    } noText;
    TStatusBarFace face;
    face.faceColour = Face(skin);
    face.panels.resize(2);
    face.panels[0].rect = {0, 0, split, r.Height()};
    face.panels[1].rect = {split + 2, 0, r.Width(), r.Height()};
    PixelBuffer bar = PixelBuffer::Scratch(r.Width(), r.Height());
    PaintStatusBar(bar, face, &e, skin.ExtraImages.get(), noText);
    StretchCopy(s.px, r, bar, {0, 0, bar.Width(), bar.Height()});
    s.Text(r.left + split + 6, r.top + r.Height() / 2, text, Resolve(e.NormalColour2));
}

void PaintCombo(Surface& s, const TSkinDefinition& skin, const TRect& r, int g, const std::string& text) {
    // The window's own picture (its field), then the combo painter over it.
    PixelBuffer box = PixelBuffer::Scratch(r.Width(), r.Height());
    box.Fill(PixelFromColour(g == 3 ? Face(skin) : 0xFFFFFF));
    TComboLook look;
    look.face = g;
    look.arrowWidth = kArrowSize;
    look.stripWidth = kArrowSize;
    look.shadowColour = Resolve(skin.Colours[scButtonShadow]);
    PaintComboBox(box, skin, look);
    StretchCopy(s.px, r, box, {0, 0, box.Width(), box.Height()});
    s.Text(r.left + 5, r.top + r.Height() / 2, text, g == 3 ? kSystemShadow : kBlack);
}

void PaintUpDown(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int hotHalf) {
    PixelBuffer face = PixelBuffer::Scratch(r.Width(), r.Height());
    TUpDownLook look;
    look.face = Face(skin);
    look.firstState = hotHalf == 0 ? udHot : udNormal;
    look.secondState = hotHalf == 1 ? udHot : udNormal;
    look.arrow = kBlack;
    look.disabledArrow = kSystemShadow;
    PaintUpDown(face, skin.UpDownVert.get(), look);
    StretchCopy(px, r, face, {0, 0, face.Width(), face.Height()});
}

void PaintTrackBar(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int percent) {
    const int cy = r.top + r.Height() / 2;
    const TRect channel{r.left + 8, cy - 2, r.right - 8, cy + 2};
    PaintTrackChannel(px, channel, *skin.Track, false);
    const int x = channel.left + (channel.Width() - 11) * percent / 100;
    PaintTrackThumb(px, {x, cy - 10, x + 11, cy + 10}, skin.TrackbarThumbHorz.get(), kSystemShadow, Face(skin));
}

void PaintPopupMenu(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* items, int count,
                    int selected) {
    DrawElement(s.px, r, *skin.MenuBackground, 1);
    const TDataSkinObject& mi = *skin.MenuItem;
    int y = r.top + 3;
    for (int i = 0; i < count; ++i) {
        const std::string caption = items[i];
        if (caption == "-") {
            const int h = 9;
            const int cw = mi.Image.Width() / 5;
            PixelBuffer sep(r.Width() - 6, h);
            sep.Fill(PixelFromColour(kMagenta));
            const int sy = mi.Image.Height() - h;
            StretchCopy(sep, {0, 0, mi.LeftWidth, h}, mi.Image, {cw, sy, cw + mi.LeftWidth, sy + h});
            StretchCopy(sep, {mi.LeftWidth, 0, sep.Width() - mi.RightWidth, h}, mi.Image,
                        {cw + mi.LeftWidth, sy, 2 * cw - mi.RightWidth, sy + h});
            StretchCopy(sep, {sep.Width() - mi.RightWidth, 0, sep.Width(), h}, mi.Image,
                        {2 * cw - mi.RightWidth, sy, 2 * cw, sy + h});
            TransparentCopy(s.px, {r.left + 3, y, r.right - 3, y + h}, sep, kMagenta);
            y += h;
            continue;
        }
        const TRect item{r.left + 3, y, r.right - 3, y + 22};
        DrawElement(s.px, item, mi, i == selected ? 4 : 1);
        s.Text(item.left + 1 + mi.LeftWidth + 16 + 3, item.top + 11, caption,
               Resolve(skin.Colours[i == selected ? scHilightText : scMenuText]));
        y += 22;
    }
}

namespace {

// Header captions through the scene's texts: each UTF-8 byte rides in one wide character.
class SceneText : public TButtonText {
public:
    SceneText(Surface& s, const TRect& at) : s_(s), at_(at) {}
    static std::wstring Widen(const std::string& bytes) {
        std::wstring w;
        for (unsigned char c : bytes) w.push_back(static_cast<wchar_t>(c));
        return w;
    }
    static std::string Narrow(const std::wstring& w) {
        std::string bytes;
        for (wchar_t c : w) bytes.push_back(static_cast<char>(c));
        return bytes;
    }
    TTextSize Measure(const std::wstring& text, int, unsigned) const override {
        return text.empty() ? TTextSize{} : TTextSize{Scene::TextWidth(Narrow(text)), 12};
    }
    void Draw(PixelBuffer&, const std::wstring& text, const TRect& rect, unsigned, uint32_t colour) override {
        s_.Text(at_.left + rect.left, at_.top + rect.top + rect.Height() / 2, Narrow(text), colour);
    }

private:
    Surface& s_;
    TRect at_;
};

}  // namespace

void PaintHeader(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                 int hot) {
    std::vector<THeaderItem> items;
    for (int i = 0; i < count; ++i) {
        THeaderItem item;
        item.rect = {i * 100, 0, i * 100 + 100, r.Height()};
        item.caption = SceneText::Widen(captions[i]);
        items.push_back(item);
    }
    PixelBuffer bar = PixelBuffer::Scratch(r.Width(), r.Height());
    SceneText text(s, r);
    PaintHeaderBar(bar, *skin.Headerbar, items, hot, false, Face(skin), kBlack, kSystemShadow, text);
    StretchCopy(s.px, r, bar, {0, 0, bar.Width(), bar.Height()});
}
