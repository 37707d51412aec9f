// The main window in-process: what cannot be seen from outside (the tray menu, the fonts
// the labels draw with) and hiding to the tray and coming back.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/Unit1.h"
#include "framework/Forms.h"
#include "skin/data/SkinManager.h"

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

// The main window's skin component starts the process-wide skin manager; each test leaves
// the process without one, as it found it.
class AppMainWindow : public ::testing::Test {
protected:
    void TearDown() override { TSkinManager::Destroy(); }
};

// The skin comes first, so it is loaded before any control exists. This test program
// carries no skin package: the stored switches stay, and Active is given up at Loaded.
TEST_F(AppMainWindow, SkinDataIsTheFirstComponentWithItsStoredSwitches) {
    auto form = MakeUnowned<TForm1>();
    ASSERT_GT(form->ComponentCount(), 0);
    EXPECT_EQ(form->Components(0), form->SkinData1);
    const TSkinData& skin = *form->SkinData1;
    EXPECT_EQ(skin.Name(), "SkinData1");
    EXPECT_EQ(skin.DisableTag, 99);
    EXPECT_EQ(skin.SkinControls, 0x0FFFFBu) << "every kind but menu items, the system menu and reports";
    EXPECT_EQ(skin.Options, 0x0448u);
    EXPECT_EQ(skin.FormScope, sfMainform);
    EXPECT_EQ(skin.ClassKinds().Count(), 118);
    EXPECT_TRUE(skin.MenuUpdate);
    EXPECT_FALSE(skin.MenuMerge);
    EXPECT_TRUE(skin.NoSkinLoaded());
    EXPECT_FALSE(skin.Active());
}

TEST_F(AppMainWindow, TrayMenuHasItsItemsInOrder) {
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
TEST_F(AppMainWindow, LabelsDrawChineseInTheWindowFont) {
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

TEST_F(AppMainWindow, TrayButtonHidesAndTheShowItemBringsTheWindowBack) {
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

// Labels have no window, so their texts are read here: the fixed texts of every page, and
// the index labels, which show the bar's value followed by "%" (the after label only once
// a run has ended).
TEST_F(AppMainWindow, LabelTextsAndIndexLabels) {
    auto form = MakeUnowned<TForm1>();
    const std::pair<TLabel*, const char*> fixed[] = {
        {form->Label1, "程序版本:"},
        {form->Label2, "技术支持: kelvora.net"},
        {form->Label3, "系统优化前指数:"},
        {form->Label4, "系统优化后指数:"},
        {form->Label7, "软件名称: Kelvora"},
        {form->Label8, "软件官方: www.kelvora.net"},
        {form->Label9, "联系方式: service@kelvora.net"},
        {form->Label10, "反馈问题: 点击反馈信息"},
        {form->Label11, "当系统缓慢、网速缓慢时不妨试试一键优化."},
        {form->Label12, "桌面快捷键"},
    };
    for (const auto& [label, text] : fixed) EXPECT_EQ(label->Caption(), text) << label->Name();
    EXPECT_EQ(form->Label6->Caption(), "");

    form->Button_GetMemoryStatus->Click();
    const int before = form->ProgressBar1->Position();
    EXPECT_GE(before, 1);
    EXPECT_EQ(form->Label5->Caption(), std::to_string(before) + "%");

    // A run over an empty list, its batch written to a folder of this test.
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    const std::string folder = std::string(temp) + "kelvora-labels-" + std::to_string(GetCurrentProcessId()) + "\\";
    // A batch of an earlier run may still hold the folder: an existing one serves too.
    ASSERT_TRUE(CreateDirectoryA(folder.c_str(), nullptr) || GetLastError() == ERROR_ALREADY_EXISTS);
    char saved[MAX_PATH] = {};
    const bool hadTmp = GetEnvironmentVariableA("TMP", saved, MAX_PATH) > 0;
    SetEnvironmentVariableA("TMP", folder.c_str());
    form->ListBox_Process->Items().Clear();
    form->Button_Clear->Click();
    SetEnvironmentVariableA("TMP", hadTmp ? saved : nullptr);
    const int after = form->ProgressBar2->Position();
    EXPECT_GE(after, 1);
    EXPECT_EQ(form->Label6->Caption(), std::to_string(after) + "%");
    EXPECT_EQ(form->Label5->Caption(), std::to_string(form->ProgressBar1->Position()) + "%");
    const std::string batch = folder + "RestorationNet.bat";
    // The batch may still be running: removal is best effort.
    DeleteFileA(batch.c_str());
    RemoveDirectoryA(folder.c_str());
}
