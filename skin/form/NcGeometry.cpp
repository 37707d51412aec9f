#include "skin/form/NcGeometry.h"

#include <algorithm>

namespace {

// The top rows of the caption bar stay as the system answered them (its sizing border).
constexpr int kCaptionTopRows = 3;
// Gap a popup window's caption text keeps from its right-aligned buttons.
constexpr int kPopupButtonGap = 5;

}  // namespace

TRect NcClientRect(const TNcFrame& f, int x, int y, int cx, int cy) {
    return {x + f.left, y + f.top + f.menuBar, x + cx - f.right, y + cy - f.bottom};
}

int NcHitTestRule(int previous, int windowY, const TNcFrame& f) {
    if (previous != nhNowhere && previous != nhCaption) return previous;
    int result = previous;
    if (windowY > kCaptionTopRows) {
        result = nhCaption;
        if (windowY > f.top && f.menuBar > 0) result = nhMenu;
    }
    return result;
}

TExtent FitWindowSize(const TNcFrame& f, int clientWidth, int clientHeight) {
    return {clientWidth + f.left + f.right, clientHeight + f.top + f.bottom + f.menuBar};
}

TDialogWidening WidenForCaption(int width, int neededWidth) {
    if (width >= neededWidth) return {width, 0};
    return {neededWidth, (neededWidth - width) / 2};
}

int CaptionWidthNeeded(const TFrameSizes& s, const TDataSkinTitle& t, int textWidth, bool popup,
                       int rightButtonsWidth) {
    int rightReserve = t.RightWidth;
    if (popup) rightReserve = rightButtonsWidth > kPopupButtonGap ? rightButtonsWidth + kPopupButtonGap : 0;
    return s.left + t.LeftWidth + t.TXTBackleft + textWidth + t.TXTBackRight + std::max(0, rightReserve) + s.right;
}

TExtent SystemFrameWindowSize(const TNcFrame& f, int width, int height, int systemFrameWidth,
                              int systemFrameHeight) {
    return {width + systemFrameWidth - f.left - f.right, height + systemFrameHeight - f.top - f.bottom};
}
