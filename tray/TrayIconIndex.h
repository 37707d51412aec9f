#pragma once
// Index rules of a tray icon that shows images of an image list.

// The index a tray icon keeps when set to `requested` with an image list of `count`
// images: values past the end fall back to the last image (-1 for an empty list);
// there is no lower bound. Without a list the index is always 0.
constexpr int ClampTrayIconIndex(int requested, int count, bool hasList) {
    if (!hasList) return 0;
    return requested >= count ? count - 1 : requested;
}

// The image a cycling step selects after `index`: the next one, wrapping to 0 after
// the last (0 also without a list, where count is 0).
constexpr int NextTrayCycleIndex(int index, int count) {
    return index < count - 1 ? index + 1 : 0;
}
