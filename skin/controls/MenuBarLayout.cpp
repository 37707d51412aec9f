#include "skin/controls/MenuBarLayout.h"

namespace {

constexpr int kStartOffsetLeftToRight = 4;
constexpr int kStartOffsetRightToLeft = 8;
constexpr int kStartOffsetNarrowBar = 12;
constexpr int kStartOffsetPlain = 6;

char Upper(char c) { return (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c; }

// A lead byte of the double-byte ANSI code page (936 and the other East Asian ones).
bool LeadByte(unsigned char c) { return c >= 0x81 && c <= 0xFE; }

}  // namespace

int MenuBarStartOffset(bool hasElement, int leftWidth, int rightWidth, bool rightToLeft, int barWidth) {
    if (!hasElement) return kStartOffsetPlain;
    const int start = rightToLeft ? rightWidth + kStartOffsetRightToLeft : leftWidth + kStartOffsetLeftToRight;
    return barWidth < start ? kStartOffsetNarrowBar : start;
}

bool MenuButtonShown(const TMenuBarItem& item) { return item.visible && !item.caption.empty(); }

std::vector<TRect> LayoutMenuBar(const std::vector<TMenuBarItem>& items, const TRect& bar, int start,
                                 bool rightToLeft, int trailingReserve) {
    std::vector<TRect> rects(items.size());
    const int top = bar.top;
    const int bottom = bar.top + bar.Height() - 1;
    int x = rightToLeft ? bar.right - start - trailingReserve : bar.left + start;
    for (size_t i = 0; i < items.size(); ++i) {
        const TMenuBarItem& item = items[i];
        if (!item.visible) continue;
        const int w = item.caption.empty() ? 0 : item.textWidth + kMenuButtonPadding;
        if (rightToLeft) {
            rects[i] = {x - w, top, x, bottom};
            x -= w;
        } else {
            rects[i] = {x, top, x + w, bottom};
            x += w;
        }
    }
    return rects;
}

int MenuBarHitTest(const std::vector<TMenuBarItem>& items, const std::vector<TRect>& rects, int x, int y) {
    for (size_t i = 0; i < items.size() && i < rects.size(); ++i) {
        const TRect& r = rects[i];
        if (MenuButtonShown(items[i]) && x >= r.left && x < r.right && y >= r.top && y < r.bottom)
            return static_cast<int>(i);
    }
    return -1;
}

int NextMenuButton(const std::vector<TMenuBarItem>& items, int current, bool forward) {
    const int n = static_cast<int>(items.size());
    if (n == 0) return -1;
    int i = (current < 0 || current >= n) ? (forward ? -1 : 0) : current;
    for (int step = 0; step < n; ++step) {
        i = forward ? (i + 1) % n : (i - 1 + n) % n;
        if (MenuButtonShown(items[static_cast<size_t>(i)])) return i;
    }
    return -1;
}

unsigned ExchangeArrowKey(unsigned key, bool rightToLeft) {
    if (!rightToLeft) return key;
    if (key == kVkLeft) return kVkRight;
    if (key == kVkRight) return kVkLeft;
    return key;
}

char MenuAccelerator(const std::string& caption) {
    for (size_t i = 0; i < caption.size(); ++i) {
        const auto c = static_cast<unsigned char>(caption[i]);
        if (LeadByte(c)) {
            ++i;  // the trail byte
            continue;
        }
        if (c != '&' || i + 1 >= caption.size()) continue;
        const auto next = static_cast<unsigned char>(caption[i + 1]);
        if (next == '&') {
            ++i;
            continue;
        }
        if (LeadByte(next)) return 0;
        return Upper(static_cast<char>(next));
    }
    return 0;
}

bool HasAccelerator(const std::string& caption, char key) {
    const char a = MenuAccelerator(caption);
    return a != 0 && a == Upper(key);
}
