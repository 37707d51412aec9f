// The skinned indicators of the real program, read from the screen: the status bar's two
// panels in our skin's panel frame, and the before-index bar filled to its position's
// share of the bar after a one-key run.
#include "E2eKelvora.h"

#include <commctrl.h>

#include <string>
#include <vector>

using namespace e2e;

namespace {

// Colours of our skin (0x00RRGGBB as captured).
constexpr uint32_t kStatusFill = 0xEAEFF5;  // a panel's face
constexpr uint32_t kStatusLine = 0xD3DBE6;  // the panel frame's top line and separator

struct Controls {
    HWND main = nullptr;
    HWND clear = nullptr;   // "一键优化"
    HWND log = nullptr;     // the run's log memo
    HWND before = nullptr;  // the before-index bar
    HWND status = nullptr;
};

Controls FindControls(HWND main) {
    Controls c;
    c.main = main;
    c.clear = FindChild(main, "Button", "一键优化");
    c.status = FindChild(main, "msctls_statusbar32", nullptr);
    const RECT pagesRect{0, 89, 445, 89 + 224};
    HWND pages = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    HWND sheet = pages ? FindChild(pages, "TTabSheet", "软件设置") : nullptr;
    HWND group = sheet ? FindChild(sheet, "TGroupBox", "系统性能指数 (越小越好)") : nullptr;
    if (group) {
        c.log = FindChild(group, "Edit", nullptr);
        const RECT beforeRect{100, 20, 100 + 283, 20 + 23};
        c.before = FindChild(group, "msctls_progress32", nullptr, &beforeRect);
    }
    return c;
}

bool Green(uint32_t p) {
    const int r = (p >> 16) & 0xFF, g = (p >> 8) & 0xFF, b = p & 0xFF;
    return g > r + 40 && g > b + 20;
}

// The width of the bar's green fill along its middle row: one past its rightmost green
// pixel (0 when there is none).
int FilledWidth(const Capture& bar) {
    int width = 0;
    for (int x = 0; x < bar.width; ++x)
        if (Green(bar.At(x, bar.height / 2))) width = x + 1;
    return width;
}

// Columns of the middle row in the frame's separator colour.
std::vector<int> SeparatorColumns(const Capture& bar) {
    std::vector<int> columns;
    for (int x = 0; x < bar.width; ++x)
        if (bar.At(x, bar.height / 2) == kStatusLine) columns.push_back(x);
    return columns;
}

class SkinIndicatorsE2e : public KelvoraTest {};

}  // namespace

TEST_F(SkinIndicatorsE2e, StatusPanelsInOurFrameAndBeforeBarFilledToItsPosition) {
    TemporaryFolderVariables temp(folder_->Path());
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr) << "the main window does not show";
    const Controls c = FindControls(main);
    ASSERT_TRUE(c.clear && c.log && c.before && c.status) << "controls of the main window not found";
    ASSERT_TRUE(WaitUntil([&] { return Ask(c.status, kSkinQuery) == 1 && Ask(c.before, kSkinQuery) == 1; }))
        << "the status bar or the bar is not skinned";

    // Two panels, the first 300 pixels wide: each framed by the skin, the frame's top line
    // across the whole bar and a separator at each panel's right end, the skin's panel face
    // between.
    const std::vector<int> parts = StatusBarParts(c.status);
    ASSERT_EQ(parts.size(), 2u);
    Capture status;
    std::vector<int> separators;
    const bool framed = WaitUntil([&] {
        status = CaptureClient(c.status);
        separators = SeparatorColumns(status);
        if (status.width == 0 || separators.size() != 2) return false;
        bool topLine = false;  // the panels' frames start a little below the bar's top
        for (int y = 0; y < status.height / 2 && !topLine; ++y) {
            topLine = true;
            for (int x = 0; x < status.width; ++x) topLine = topLine && status.At(x, y) == kStatusLine;
        }
        return topLine && status.At(150, status.height / 2) == kStatusFill && status.At(parts[0] + 40, status.height / 2) == kStatusFill;
    }, 10000);
    EXPECT_TRUE(framed) << "separators found: " << separators.size();
    if (separators.size() == 2) {
        EXPECT_NEAR(separators[0], parts[0], 4);
        EXPECT_GE(separators[1], status.width - 4);
    }
    SaveBmp(status, ArtifactsFolder() + "indicators-status.bmp");

    // A run stops the index timer; the before bar then keeps the index it read.
    PostButtonClick(c.clear);
    ASSERT_TRUE(WaitUntil([&] { return TextOf(c.log).find("优化结束...") != std::string::npos; }))
        << "no end of run; the log holds:\n" << TextOf(c.log);
    const int position = static_cast<int>(Ask(c.before, PBM_GETPOS));
    ASSERT_GT(position, 0);
    Capture bar;
    int expected = -1, filled = -2;
    EXPECT_TRUE(WaitUntil([&] {
        bar = CaptureClient(c.before);
        expected = MulDiv(bar.width, position, 100);
        filled = FilledWidth(bar);
        return filled == expected;
    }, 10000)) << "position " << position << " of a " << bar.width << " px bar: filled " << filled << ", expected "
               << expected;
    SaveBmp(bar, ArtifactsFolder() + "indicators-before-bar.bmp");
}
