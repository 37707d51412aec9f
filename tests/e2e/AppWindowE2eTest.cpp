// The main window as the user gets it, checked from outside the program: frame, size,
// place, every window of the layout, the status bar, the pictures and labels on screen.
#include "E2eKelvora.h"

#include <commctrl.h>

#include <cstdlib>
#include <string>

using namespace e2e;

namespace {

struct Expected {
    const char* what;         // the control's name in the layout, for messages
    const char* windowClass;
    const char* text;         // nullptr: not compared
    RECT rect;                // in the parent's client area
    bool shown;               // WS_VISIBLE set
};

void ExpectChildren(HWND parent, const char* parentName, std::initializer_list<Expected> expected) {
    for (const Expected& e : expected) {
        HWND w = FindChild(parent, e.windowClass, e.text, &e.rect);
        if (!w) {
            ADD_FAILURE() << e.what << " (" << e.windowClass << ") not found in " << parentName << " at "
                          << e.rect.left << "," << e.rect.top << " " << e.rect.right - e.rect.left << "x"
                          << e.rect.bottom - e.rect.top;
            HWND any = FindChild(parent, e.windowClass, e.text);
            if (any) {
                RECT r = RectInParent(any);
                ADD_FAILURE() << "  a " << e.windowClass << " with that text is at " << r.left << "," << r.top
                              << " " << r.right - r.left << "x" << r.bottom - r.top;
            }
            continue;
        }
        EXPECT_EQ(HasStyle(w, WS_VISIBLE), e.shown) << e.what << " visibility";
    }
}

RECT R(int left, int top, int width, int height) { return RECT{left, top, left + width, top + height}; }

}  // namespace

class AppWindowE2e : public KelvoraTest {};

TEST_F(AppWindowE2e, FrameSizeAndPlace) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr) << "no main window";
    EXPECT_EQ(TextOf(main), "Kelvora");
    // The skin takes the frame over at the first activation; its size is checked with the
    // skin's own tests, the rest here once it is done.
    ASSERT_TRUE(WaitUntil([&] { return WindowIsSkinned(main); })) << "the window is not skinned";

    RECT client;
    GetClientRect(main, &client);
    EXPECT_EQ(client.right, 445);
    EXPECT_EQ(client.bottom, 364);

    // WS_SYSMENU is not checked: the skin takes it off while it draws the caption itself.
    const LONG style = StyleOf(main);
    EXPECT_TRUE(style & WS_CAPTION);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_THICKFRAME) << "the border must not be sizeable";

    // The window opens centred in the system's frame; the skin then changes the frame's
    // size and keeps the top-left corner.
    RECT system{0, 0, 445, 364};
    AdjustWindowRectEx(&system, static_cast<DWORD>(style | WS_SYSMENU), FALSE,
                       static_cast<DWORD>(GetWindowLongA(main, GWL_EXSTYLE)));
    RECT window;
    GetWindowRect(main, &window);
    const int screenW = GetSystemMetrics(SM_CXSCREEN), screenH = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_LE(std::abs(2 * window.left + (system.right - system.left) - screenW), 1) << "not centred horizontally";
    EXPECT_LE(std::abs(2 * window.top + (system.bottom - system.top) - screenH), 1) << "not centred vertically";
}

TEST_F(AppWindowE2e, EveryWindowOfTheLayoutIsInPlace) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);

    ExpectChildren(main, "the window",
                   {
                       {"Edit_Softver", "Edit", "1.0.20110422", R(360, 8, 81, 15), true},
                       {"PageControl1", "SysTabControl32", nullptr, R(0, 89, 445, 224), true},
                       {"Button_Clear", "Button", "一键优化", R(216, 314, 75, 25), true},
                       {"Button2", "Button", "退出", R(293, 314, 75, 25), true},
                       {"Button1", "Button", "托盘", R(370, 314, 75, 25), true},
                       {"StatusBar1", "msctls_statusbar32", nullptr, R(0, 343, 445, 21), true},
                       // Shown, but below the 364-pixel client area: never on screen.
                       {"PageControl2", "SysTabControl32", nullptr, R(8, 384, 425, 249), true},
                   });
    HWND edit = FindChild(main, "Edit", "1.0.20110422");
    ASSERT_NE(edit, nullptr);
    EXPECT_FALSE(IsWindowEnabled(edit)) << "the version is not editable";
    EXPECT_TRUE(HasStyle(edit, ES_READONLY));
    EXPECT_FALSE(HasStyle(edit, WS_BORDER));
    EXPECT_FALSE(GetWindowLongA(edit, GWL_EXSTYLE) & WS_EX_CLIENTEDGE);

    const RECT pagesRect = R(0, 89, 445, 224);
    HWND pages = FindChild(main, "SysTabControl32", nullptr, &pagesRect);
    ASSERT_NE(pages, nullptr);
    EXPECT_EQ(SendMessageA(pages, TCM_GETITEMCOUNT, 0, 0), 3);
    EXPECT_EQ(SendMessageA(pages, TCM_GETCURSEL, 0, 0), 0) << "the first page is active at start";
    HWND sheet1 = FindChild(pages, "TTabSheet", "软件设置");
    HWND sheet2 = FindChild(pages, "TTabSheet", "自定义管理");
    HWND sheet3 = FindChild(pages, "TTabSheet", "关于我们");
    ASSERT_TRUE(sheet1 && sheet2 && sheet3);
    EXPECT_TRUE(IsWindowVisible(sheet1));
    EXPECT_FALSE(IsWindowVisible(sheet2));
    EXPECT_FALSE(IsWindowVisible(sheet3));

    // Each group box fills its page: 437 x 197.
    auto filling = [](HWND sheet, const char* caption) -> HWND {
        RECT page;
        GetClientRect(sheet, &page);
        EXPECT_EQ(page.right, 437) << caption;
        EXPECT_EQ(page.bottom, 197) << caption;
        HWND group = FindChild(sheet, "TGroupBox", caption);
        EXPECT_NE(group, nullptr) << "no group box " << caption;
        if (!group) return nullptr;
        RECT r = RectInParent(group);
        EXPECT_TRUE(r.left == 0 && r.top == 0 && r.right == page.right && r.bottom == page.bottom)
            << caption << " at " << r.left << "," << r.top << " " << r.right - r.left << "x" << r.bottom - r.top;
        return group;
    };
    HWND group1 = filling(sheet1, "系统性能指数 (越小越好)");
    HWND group2 = filling(sheet2, "残余进程列表");
    HWND group3 = filling(sheet3, "");
    ASSERT_TRUE(group1 && group2 && group3);

    ExpectChildren(group1, "GroupBox1",
                   {
                       {"ProgressBar1", "msctls_progress32", nullptr, R(100, 20, 283, 23), true},
                       {"ProgressBar2", "msctls_progress32", nullptr, R(100, 49, 283, 23), true},
                       {"Memo_Log", "Edit", "", R(12, 94, 408, 94), true},
                       {"Button_GetMemoryStatus", "Button", "Button_GetMemoryStatus", R(256, 0, 75, 25), false},
                   });
    for (HWND bar = FindChild(group1, "msctls_progress32", nullptr); bar;
         bar = FindWindowExA(group1, bar, "msctls_progress32", nullptr)) {
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, TRUE, 0), 0);
        EXPECT_EQ(SendMessageA(bar, PBM_GETRANGE, FALSE, 0), 100);
    }
    HWND log = FindChild(group1, "Edit", nullptr);
    ASSERT_NE(log, nullptr);
    EXPECT_TRUE(HasStyle(log, ES_MULTILINE | WS_VSCROLL));
    EXPECT_FALSE(HasStyle(log, ES_READONLY));

    ExpectChildren(group2, "GroupBox2",
                   {
                       {"Memo_Process", "Edit", "", R(2, 14, 433, 150), true},
                       {"Button_Load", "Button", "保存", R(360, 167, 75, 25), true},
                       {"ListBox_Process", "ListBox", nullptr, R(2, 164, 135, 31), false},
                   });
    HWND list = FindChild(group2, "ListBox", nullptr);
    ASSERT_NE(list, nullptr);
    EXPECT_FALSE(HasStyle(list, LBS_SORT));

    const RECT pages2Rect = R(8, 384, 425, 249);
    HWND pages2 = FindChild(main, "SysTabControl32", nullptr, &pages2Rect);
    ASSERT_NE(pages2, nullptr);
    HWND sheet4 = FindChild(pages2, "TTabSheet", "TabSheet4");
    ASSERT_NE(sheet4, nullptr);
    ExpectChildren(sheet4, "TabSheet4",
                   {
                       {"Memo_YouHuaWangLuo", "Edit",
                        "arp -d *\r\nnbtstat -R\r\nipconfig /flushdns\r\nnbtstat -RR\r\nipconfig /registerdns\r\n",
                        R(256, 8, 105, 153), true},
                       {"Button_ScanNetWork", "Button", "优化网络", R(256, 160, 105, 25), true},
                   });
    HWND batch = FindChild(sheet4, "Edit", nullptr);
    ASSERT_NE(batch, nullptr);
    EXPECT_TRUE(HasStyle(batch, ES_MULTILINE | WS_VSCROLL | WS_HSCROLL));
}

TEST_F(AppWindowE2e, StatusBarHasAFixedPanelAndTheListCount) {
    // Two names in the list file: the second panel shows the count.
    FILE* f = std::fopen(ListFilePath().c_str(), "wb");
    ASSERT_NE(f, nullptr);
    std::fputs("notepad.exe\r\nwinmine.exe\r\n", f);
    std::fclose(f);

    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND bar = FindChild(main, "msctls_statusbar32", nullptr);
    ASSERT_NE(bar, nullptr);
    std::vector<int> parts = StatusBarParts(bar);
    ASSERT_EQ(parts.size(), 2u);
    EXPECT_EQ(parts[0], 300);
    EXPECT_EQ(parts[1], -1) << "the last panel reaches the right edge";
    EXPECT_EQ(StatusBarText(bar, 0), "");
    EXPECT_EQ(StatusBarText(bar, 1), "数据版本:2条");
}

TEST_F(AppWindowE2e, WithoutAListFileTheCountPanelIsEmpty) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    HWND bar = FindChild(main, "msctls_statusbar32", nullptr);
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(StatusBarText(bar, 1), "");
    EXPECT_EQ(GetFileAttributesA(ListFilePath().c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is written";
}

// Labels and the banner have no windows: they are checked on screen, and the screenshot
// is kept as an artifact.
TEST_F(AppWindowE2e, BannerAndLabelsAreDrawn) {
    HWND main = StartAndWaitForMainWindow(first_);
    ASSERT_NE(main, nullptr);
    auto blue = [](unsigned r, unsigned g, unsigned b) { return b > 120 && b > r + 60; };
    auto red = [](unsigned r, unsigned g, unsigned b) { return r > 160 && g < 90 && b < 90; };
    // Text is smoothed: count the pixels clearly of the text colour.
    auto green = [](unsigned r, unsigned g, unsigned b) { return g > 80 && g > r + 40 && g > b + 40; };
    auto dark = [](unsigned r, unsigned g, unsigned b) { return r < 110 && g < 110 && b < 110; };
    // The window and its children paint at their own pace after the window shows: wait
    // until every part checked below is on screen (on time-out the checks say which not).
    Capture shot;
    WaitUntil([&] {
        shot = CaptureClient(main);
        return shot.width == 445 && shot.height == 364 && shot.Count(RECT{0, 0, 80, 89}, blue) > 2000 &&
               shot.Count(RECT{304, 32, 445, 46}, red) > 30 && shot.Count(RECT{304, 8, 360, 22}, dark) > 30 &&
               shot.Count(RECT{128, 320, 200, 334}, green) > 15 && shot.Count(RECT{10, 130, 100, 150}, dark) > 30;
    });
    ASSERT_EQ(shot.width, 445);
    ASSERT_EQ(shot.height, 364);
    EXPECT_TRUE(SaveBmp(shot, ArtifactsFolder() + "main-window.bmp"));

    // The banner's blue panel at the left, below the emblem.
    EXPECT_GT(shot.Count(RECT{0, 0, 80, 89}, blue), 2000);
    // Label2 "技术支持: ..." in red over the banner; Label1 "程序版本:" in the window text colour.
    EXPECT_GT(shot.Count(RECT{304, 32, 445, 46}, red), 30);
    EXPECT_GT(shot.Count(RECT{304, 8, 360, 22}, dark), 30);
    // Label12 "桌面快捷键" in green beside the buttons.
    EXPECT_GT(shot.Count(RECT{128, 320, 200, 334}, green), 15);
    // Label3 "系统优化前指数:" on the first page (page origin about 4,113 in the window).
    EXPECT_GT(shot.Count(RECT{10, 130, 100, 150}, dark), 30);
}
