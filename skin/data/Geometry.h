#pragma once
// Portable rectangle with the same meaning as a Win32 RECT: right and bottom are
// exclusive, so the width is right - left.

struct TRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    // True when the rectangle covers no pixel (zero or inverted extent).
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    constexpr TRect Offset(int dx, int dy) const { return {left + dx, top + dy, right + dx, bottom + dy}; }
    constexpr TRect Intersect(const TRect& o) const {
        TRect r{left > o.left ? left : o.left, top > o.top ? top : o.top,
                right < o.right ? right : o.right, bottom < o.bottom ? bottom : o.bottom};
        if (r.IsEmpty()) return {};
        return r;
    }
    constexpr bool operator==(const TRect& o) const {
        return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
    }
    constexpr bool operator!=(const TRect& o) const { return !(*this == o); }
};

constexpr TRect MakeRect(int left, int top, int right, int bottom) { return {left, top, right, bottom}; }
