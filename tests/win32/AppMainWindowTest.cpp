// The main window in-process: what cannot be seen from outside (the tray menu, the fonts
// the labels draw with) and hiding to the tray and coming back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/Unit1.h"
#include "framework/Forms.h"

namespace {

std::string Names(const TMenu& menu) {
    std::string out;
    for (int i = 0; i < menu.Items()->Count(); ++i) {
        TMenuItem* item = menu.Items()->Items(i);
        out += item->Name() + "=" + item->Caption() + ";";
    }
    return out;
}

}  // namespace

TEST(AppMainWindow, TrayMenuHasItsItemsInOrder) {
    auto form = MakeUnowned<TForm1>();
    EXPECT_EQ(Names(*form->PopupMenu1),
              "N3=一键清理;N4=-;Aboutme=检测更新;N2=-;ShowME=显示窗口;HideME=隐藏窗口;N1=-;CloseMe=退出程序;");
    EXPECT_EQ(form->TrayIcon1->PopupMenu(), form->PopupMenu1);
    EXPECT_EQ(form->TrayIcon1->Hint(), "Kelvora");
    EXPECT_EQ(form->TimerGet->Interval(), 10u);
    EXPECT_TRUE(form->TimerGet->Enabled());
}

// The window font is stored as 宋体, -12, ANSI_CHARSET; on a code page 936 system the
// font must still draw the Chinese texts (ANSI_CHARSET there gives empty boxes).
TEST(AppMainWindow, LabelsDrawChineseInTheWindowFont) {
    ASSERT_EQ(GetACP(), 936u);
    auto form = MakeUnowned<TForm1>();
    for (TControl* label : {static_cast<TControl*>(form->Label3), static_cast<TControl*>(form->Label2),
                            static_cast<TControl*>(form->Label12)}) {
        SCOPED_TRACE(label->Name());
        EXPECT_EQ(label->Font().Name(), "宋体");
        EXPECT_EQ(label->Font().Height(), -12);
        HDC dc = CreateCompatibleDC(nullptr);
        HGDIOBJ old = SelectObject(dc, label->Font().Handle());
        EXPECT_NE(GetTextCharset(dc), ANSI_CHARSET);
        const std::string text = label->Caption();
        WORD glyphs[64] = {};
        int n = GetGlyphIndicesA(dc, text.c_str(), static_cast<int>(text.size()), glyphs, GGI_MARK_NONEXISTING_GLYPHS);
        ASSERT_GT(n, 0);
        for (int i = 0; i < n; ++i) EXPECT_NE(glyphs[i], 0xFFFF) << "no glyph at " << i << " of " << text;
        SelectObject(dc, old);
        DeleteDC(dc);
    }
    EXPECT_EQ(form->Label2->Font().Color(), clRed);
    EXPECT_EQ(form->Label12->Font().Color(), clGreen);
}

TEST(AppMainWindow, TrayButtonHidesAndTheShowItemBringsTheWindowBack) {
    auto form = MakeUnowned<TForm1>();
    form->Show();
    HWND window = form->Handle();
    Application->ProcessMessages();
    ASSERT_TRUE(IsWindowVisible(window));

    form->Button1->Click();  // "托盘"
    EXPECT_FALSE(IsWindowVisible(window));
    EXPECT_FALSE(IsWindowVisible(Application->Handle())) << "the taskbar button stays";
    EXPECT_TRUE(GetWindowLongA(Application->Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

    form->TrayIcon1Click(form->TrayIcon1);  // a click on the tray icon
    Application->ProcessMessages();
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetForegroundWindow(), window);
    EXPECT_FALSE(IsWindowVisible(Application->Handle())) << "no taskbar button after the first hide";

    form->ShowME->Click();  // already visible: stays visible and in front
    EXPECT_TRUE(IsWindowVisible(window));
    EXPECT_EQ(GetForegroundWindow(), window);
}
