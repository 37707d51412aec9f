// Paint of one owner-drawn menu item under our skin (160 x 22, caption in the menu font,
// the popup's background under it), normal and selected, into a memory DC: what a menu
// does for each item it shows and for each item the pointer crosses. Timed while the
// item's menu is shown (its popup skinner keeps the item picture), and once more for an
// item drawn outside any skinned popup.
#include <windows.h>

#include <cstdio>
#include <functional>

#include "bench/win32/PaintTiming.h"
#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/Menus.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinReader.h"
#include "tests/win32/SkinTestSupport.h"

namespace {

std::function<bool()> g_whileOpen;  // runs in the menu's loop until it says it is done

void CALLBACK MenuTick(HWND, UINT, UINT_PTR id, DWORD) {
    if (!g_whileOpen || g_whileOpen()) {
        KillTimer(nullptr, id);
        g_whileOpen = nullptr;
        EndMenu();
    }
}

}  // namespace

int main() {
    if (TSkinManager::Instance()) TSkinManager::Destroy();
    auto owner = MakeUnowned<TForm>();
    TSkinData* data = OurManagingSkinData(owner.get());
    if (data->NoSkinLoaded() || !TSkinManager::Instance()) {
        std::printf("menu_item_paint: no skin package beside the program\n");
        return 1;
    }
    owner->SetBounds(60, 60, 320, 220);
    owner->Show();
    for (int i = 0; i < 20; ++i) Application->ProcessMessages();

    TPopupMenu* menu = MakeComponent<TPopupMenu>(owner.get());
    TMenuItem* item = MakeComponent<TMenuItem>(owner.get());
    item->SetCaption("显示窗口");
    menu->Items()->Add(item);
    TMenuItem* other = MakeComponent<TMenuItem>(owner.get());
    other->SetCaption("退出程序");
    menu->Items()->Add(other);
    InstallMenuItemHandlers(*menu, data);

    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    BitmapHandle bitmap(CreateBitmap(200, 40, 1, 32, nullptr));
    SelectScope selected(dc.get(), bitmap.get());
    const RECT r{0, 0, 160, 22};
    TSkinManager* manager = TSkinManager::Instance();
    bool timed = false;
    const DWORD start = GetTickCount();
    g_whileOpen = [&] {
        if (GetTickCount() - start > 10000) return true;
        // Shown and painted: its items have handed the menu to its skinner.
        if (!manager->PopupSkinnerOf(menu->Handle())) return false;
        Report("menu item, normal", 2000, [&] { DrawSkinnedMenuItem(*item, data, dc.get(), r, false); });
        Report("menu item, selected", 2000, [&] { DrawSkinnedMenuItem(*item, data, dc.get(), r, true); });
        timed = true;
        return true;
    };
    SetTimer(nullptr, 0, 30, MenuTick);
    SetForegroundWindow(owner->Handle());
    menu->Popup(200, 200);
    if (!timed) std::printf("menu_item_paint: the menu was never shown\n");
    Report("menu item outside a skinned popup", 2000, [&] { DrawSkinnedMenuItem(*item, data, dc.get(), r, false); });
    return timed ? 0 : 1;
}
