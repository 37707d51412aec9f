#pragma once
// Control pictures as the skinners compose them, for the preview.
#include "skin/data/SkinCore.h"
#include "tools/skinpreview/Scene.h"

// The arrow size of system scroll bars under Wine.
constexpr int kArrowSize = 17;

// A surface: pixels plus the scene position they will be shown at (for texts).
struct Surface {
    PixelBuffer& px;
    Scene& scene;
    int ox;
    int oy;
    void Text(int x, int cy, const std::string& utf8, uint32_t colour, int size = 12) {
        scene.Text(ox + x, oy + cy, utf8, colour, size);
    }
    void TextCentred(const TRect& r, const std::string& utf8, uint32_t colour, int size = 12) {
        scene.TextCentred(r.Offset(ox, oy), utf8, colour, size);
    }
};

void Fill(PixelBuffer& px, const TRect& r, uint32_t colour);
// Push button face: state 1 normal, 2 pressed, 3 disabled, 4 hot, 5 focused/default.
void PaintButton(Surface& s, const TSkinDefinition& skin, const TRect& r, int state, const std::string& caption);
// Check box (cell of the 12-cell strip) or radio button (cell of the 8-cell strip) with text.
void PaintCheck(Surface& s, const TSkinDefinition& skin, int x, int y, bool radio, int cell, const std::string& caption);
void PaintProgress(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int percent);
void PaintGroupBox(Surface& s, const TSkinDefinition& skin, const TRect& r, const std::string& caption);
// Tab strip over a pane: captions with the selected index; returns the page rectangle.
TRect PaintTabs(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                int selected);
// Old-style tab set: tabs along the top or bottom edge, captions with the selected index.
void PaintTabSetStrip(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                      int selected, bool bottom);
// A framed edit with lines of text and a vertical scroll bar.
void PaintMemo(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* lines, int count);
// Scroll bar: hotPart as the overlay keeps it (-1 none, 0/1 arrows, 5 thumb).
void PaintScrollBar(PixelBuffer& px, const TSkinDefinition& skin, const TRect& bar, bool vertical, int hotPart,
                    bool tracking, int thumbStart, int thumbLength);
void PaintStatusBar(Surface& s, const TSkinDefinition& skin, const TRect& r, int split, const std::string& text);
// Combo box: g 1 normal, 2 pressed, 3 disabled, 4 hot.
void PaintCombo(Surface& s, const TSkinDefinition& skin, const TRect& r, int g, const std::string& text);
void PaintUpDown(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int hotHalf);
void PaintTrackBar(PixelBuffer& px, const TSkinDefinition& skin, const TRect& r, int percent);
void PaintPopupMenu(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* items, int count,
                    int selected);
void PaintHeader(Surface& s, const TSkinDefinition& skin, const TRect& r, const char* const* captions, int count,
                 int hot);
