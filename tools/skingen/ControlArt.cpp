// Control art: push buttons with their check-box and radio-button glyphs, tabs and the
// tab page frame, progress bars, group box, status bar panels, the combo box parts and
// list headers. Rounded edges are smoothed against the colour each piece is drawn on.
#include "tools/skingen/SkinArt.h"
#include "tools/skingen/SkinStyle.h"

using namespace style;

namespace {

struct Look {
    Rgb fill;
    Rgb border;
};

// Five frames: 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused or default.
PixelBuffer DrawPushButtons() {
    const int s = 16;
    const Look looks[5] = {{kWhite, kBorder}, {kPressedFill, kAccent}, {kFillDisabled, kBorderDisabled},
                           {kHotFill, kAccent}, {kWhite, kAccent}};
    std::vector<PixelBuffer> frames;
    for (int i = 0; i < 5; ++i) {
        Layer layer(s, s);
        Shape body = RoundRect(0, 0, s, s, 3);
        layer.Fill(body, looks[i].fill);
        layer.Fill(InnerStroke(body, 1), looks[i].border);
        if (i == 0)  // a slightly deeper bottom edge lifts the resting button
            layer.Fill(Intersect(InnerStroke(body, 1), RoundRect(0, s - 1, s, s, 0)), Hex(0xB4C1D1));
        if (i == 4)  // focus: a soft second ring inside the accent border
            layer.Fill(InnerStroke(RoundRect(1, 1, s - 1, s - 1, 2), 1), kAccent, 0.22);
        frames.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(frames, false);
}

// Box or circle looks by mouse state: 0 normal, 1 hot, 2 pressed, 3 disabled.
Look EmptyLook(int mouse) {
    const Look looks[4] = {{kWhite, kBorderStrong}, {kHotFill, kAccent}, {kPressedFill, kAccent},
                           {kFillDisabled, kBorderDisabled}};
    return looks[mouse];
}
Look FilledLook(int mouse) {
    const Rgb fills[4] = {kAccent, Lighten(kAccent, 0.14), kAccentDark, Hex(0xB9C8DC)};
    return {fills[mouse], Darken(fills[mouse], 0.08)};
}

// Twelve cells: unchecked, checked and mixed, each normal, hot, pressed, disabled.
PixelBuffer DrawCheckBoxes() {
    const int s = kGlyphCell;
    std::vector<PixelBuffer> cells;
    for (int check = 0; check < 3; ++check) {
        for (int mouse = 0; mouse < 4; ++mouse) {
            Layer layer(s, s);
            Shape box = RoundRect(0, 0, s, s, 3);
            Look look = check == 1 ? FilledLook(mouse) : EmptyLook(mouse);
            layer.Fill(box, look.fill);
            layer.Fill(InnerStroke(box, 1), look.border);
            if (check == 1) layer.Fill(Polyline({3.4, 6.6, 5.6, 8.8, 9.7, 4.3}, 1.6), kWhite);
            if (check == 2) layer.Fill(RoundRect(3.5, 3.5, 9.5, 9.5, 1), FilledLook(mouse == 3 ? 3 : 0).fill);
            cells.push_back(layer.Flatten(kFace));
        }
    }
    return JoinFrames(cells, false);
}

// Eight cells: unchecked, then checked, each normal, hot, pressed, disabled.
PixelBuffer DrawRadioButtons() {
    const int s = kGlyphCell;
    const double c = s / 2.0;
    std::vector<PixelBuffer> cells;
    for (int check = 0; check < 2; ++check) {
        for (int mouse = 0; mouse < 4; ++mouse) {
            Layer layer(s, s);
            Shape disc = Circle(c, c, c);
            Look look = check ? FilledLook(mouse) : EmptyLook(mouse);
            layer.Fill(disc, look.fill);
            layer.Fill(InnerStroke(disc, 1), look.border);
            if (check) layer.Fill(Circle(c, c, 2.4), kWhite);
            cells.push_back(layer.Flatten(kFace));
        }
    }
    return JoinFrames(cells, false);
}

// Two frames: the empty track and the green fill, a slim rounded bar in the middle
// of the control's height.
PixelBuffer DrawProgress() {
    const int w = 24, h = 23;
    const double top = 3, bottom = h - 3;
    std::vector<PixelBuffer> frames;
    for (int filled = 0; filled < 2; ++filled) {
        Layer layer(w, h);
        Shape bar = RoundRect(0, top, w, bottom, 4);
        if (filled) {
            layer.Fill(bar, VerticalRamp(kGreenTop, kGreenBottom, top, bottom));
            layer.Fill(Intersect(InnerStroke(RoundRect(1, top + 1, w - 1, bottom, 3), 1),
                                 RoundRect(0, top + 1, w, top + 2, 0)),
                       kWhite, 0.25);
            layer.Fill(InnerStroke(bar, 1), kGreenBorder);
        } else {
            layer.Fill(bar, kProgressTrack);
            layer.Fill(InnerStroke(bar, 1), kProgressBorder);
        }
        frames.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(frames, false);
}

PixelBuffer DrawProgressChunk() {
    Layer layer(8, 13);
    layer.Fill(RoundRect(0, 0, 8, 13, 2), VerticalRamp(kGreenTop, kGreenBottom, 0, 13));
    return layer.Flatten(kProgressTrack);
}

PixelBuffer DrawGroupBox() {
    Layer layer(16, 16);
    layer.Fill(InnerStroke(RoundRect(0, 0, 16, 16, 4), 1), kBorder);
    return layer.Flatten(kFace);
}

// Five frames: 1 other tabs, 2 the selected tab, 3 hot, 4 disabled, 5 as 1. The shapes
// run past the bottom edge, so a tab has no bottom line and opens into the page.
PixelBuffer DrawTabs() {
    const int w = 24, h = 22;
    std::vector<PixelBuffer> frames;
    for (int i = 1; i <= 5; ++i) {
        Layer layer(w, h);
        Shape tab = RoundRect4(0, 0, w, h + 4, 4, 4, 0, 0);
        Rgb border = i == 4 ? kBorderDisabled : kTabBorder;
        if (i == 2)
            layer.Fill(tab, VerticalRamp(kWhite, kFace, 0, h));
        else
            layer.Fill(tab, i == 3 ? kTabHotFill : i == 4 ? kFillDisabled : kTabFill);
        layer.Fill(InnerStroke(tab, 1), border);
        if (i == 2) layer.Fill(Intersect(tab, RoundRect(0, 0, w, 2, 0)), kAccent);
        frames.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(frames, false);
}

// The frame around a tab page: page colour inside a thin line.
PixelBuffer DrawTabPane() {
    const int s = 16;
    Layer layer(s, s);
    layer.Flood(kFace);
    layer.Fill(InnerStroke(RoundRect(0, 0, s, s, 0), 1), kTabBorder);
    return layer.Flatten(kFace);
}

// Three frames by panel bevel: 1 lowered, 2 raised, 3 none. Panels share one flat strip
// with a line along the top; lowered and raised panels end in a short divider.
PixelBuffer DrawStatusBarEdges() {
    const int w = 16, h = 20;
    std::vector<PixelBuffer> frames;
    for (int kind = 1; kind <= 3; ++kind) {
        Layer layer(w, h);
        layer.Flood(kStatusFill);
        layer.Fill(RoundRect(0, 0, w, 1, 0), kStatusLine);
        if (kind != 3) layer.Fill(RoundRect(w - 3, 5, w - 2, h - 5, 0), kStatusLine);
        if (kind == 2) layer.Fill(RoundRect(w - 2, 5, w - 1, h - 5, 0), kWhite);
        frames.push_back(layer.Flatten(kStatusFill));
    }
    return JoinFrames(frames, false);
}

// Four frames of the edit-like field of combo boxes: 1 normal, 2 pressed, 3 disabled,
// 4 hot.
PixelBuffer DrawSunkEdge() {
    const int w = 16, h = 21;
    const Look looks[4] = {{kWhite, kBorder}, {kWhite, kAccent}, {kFillDisabled, kBorderDisabled},
                           {kWhite, Mix(kBorder, kAccent, 0.6)}};
    std::vector<PixelBuffer> frames;
    for (const Look& look : looks) {
        Layer layer(w, h);
        Shape body = RoundRect(0, 0, w, h, 3);
        layer.Fill(body, look.fill);
        layer.Fill(InnerStroke(body, 1), look.border);
        frames.push_back(layer.Flatten(kFace));
    }
    return JoinFrames(frames, false);
}

// The combo box's button area, laid over the field: clear at rest, a pale rounded
// patch when hot or pressed.
PixelBuffer DrawComboButton() {
    const int w = 19, h = 21;
    std::vector<PixelBuffer> frames;
    for (int state = 1; state <= 4; ++state) {
        Layer layer(w, h);
        if (state == 2 || state == 4)
            layer.Fill(RoundRect(1, 2, w - 2, h - 2, 2.5), state == 2 ? kPressedFill : kHotFill);
        frames.push_back(layer.Flatten(kWhite));
    }
    return JoinFrames(frames, false);
}

// Five cells: the drop-down arrow normal, pressed, disabled, hot, then the size grip.
PixelBuffer DrawExtraImages() {
    const int s = 16;
    const Rgb inks[4] = {kTextMuted, kAccentDark, kTextDisabled, kAccent};
    std::vector<PixelBuffer> cells;
    for (const Rgb& ink : inks) {
        Layer layer(s, s);
        layer.Fill(Polyline({4.5, 6.5, 8, 10, 11.5, 6.5}, 1.5), ink);
        cells.push_back(layer.Flatten(kWhite));
    }
    Layer grip(s, s);
    const double dots[6][2] = {{13, 13}, {10, 13}, {13, 10}, {7, 13}, {10, 10}, {13, 7}};
    for (const auto& d : dots) grip.Fill(Circle(d[0], d[1], 0.9), kGrip);
    cells.push_back(grip.Flatten(kStatusFill));
    return JoinFrames(cells, false);
}

// Five frames of list headers: 1 normal, 2 hot, 3 pressed, 4 and 5 as 1.
PixelBuffer DrawHeaderBar() {
    const int w = 16, h = 20;
    std::vector<PixelBuffer> frames;
    for (int i = 1; i <= 5; ++i) {
        Layer layer(w, h);
        if (i == 2)
            layer.Flood(kHotFill);
        else if (i == 3)
            layer.Flood(kPressedFill);
        else
            layer.Flood(VerticalRamp(kWhite, Hex(0xF4F7FB), 0, h));
        layer.Fill(RoundRect(0, h - 1, w, h, 0), i == 2 || i == 3 ? Mix(kAccent, kWhite, 0.45) : kStatusLine);
        layer.Fill(RoundRect(w - 1, 3, w, h - 3, 0), kDivider);
        frames.push_back(layer.Flatten(kWhite));
    }
    return JoinFrames(frames, false);
}

}  // namespace

void DrawControlArt(std::vector<SkinPicture>& out) {
    out.push_back({"buttons.bmp", DrawPushButtons()});
    out.push_back({"checkbox.bmp", DrawCheckBoxes()});
    out.push_back({"radio.bmp", DrawRadioButtons()});
    out.push_back({"tabs.bmp", DrawTabs()});
    out.push_back({"tabpane.bmp", DrawTabPane()});
    out.push_back({"progress.bmp", DrawProgress()});
    out.push_back({"progresschunk.bmp", DrawProgressChunk()});
    out.push_back({"groupbox.bmp", DrawGroupBox()});
    out.push_back({"statusbar.bmp", DrawStatusBarEdges()});
    out.push_back({"sunkedge.bmp", DrawSunkEdge()});
    out.push_back({"combobutton.bmp", DrawComboButton()});
    out.push_back({"extra.bmp", DrawExtraImages()});
    out.push_back({"header.bmp", DrawHeaderBar()});
}
