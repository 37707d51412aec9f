// Paint of one owner-drawn menu item under our skin (160 x 22, caption in the menu font,
// the popup's background under it), normal and selected, into a memory DC: what a menu
// does for each item it shows and for each item the pointer crosses.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "framework/Forms.h"
#include "framework/Handles.h"
#include "framework/Menus.h"
#include "skin/controls/SkinMenus.h"
#include "bench/win32/PaintTiming.h"
#include "tests/win32/SkinTestSupport.h"


int main() {
    auto data = OurSkinData();
    if (data->NoSkinLoaded()) {
        std::printf("menu_item_paint: no skin package beside the program\n");
        return 1;
    }
    TSkinManager::Create().Register(data.get());  // the handlers draw only with a registered skin
    auto owner = MakeUnowned<TForm>();
    TPopupMenu* menu = MakeComponent<TPopupMenu>(owner.get());
    TMenuItem* item = MakeComponent<TMenuItem>(owner.get());
    item->SetCaption("显示窗口");
    menu->Items()->Add(item);
    TMenuItem* line = MakeComponent<TMenuItem>(owner.get());
    line->SetCaption("-");
    menu->Items()->Add(line);
    MemoryDcHandle dc(CreateCompatibleDC(nullptr));
    BitmapHandle bitmap(CreateBitmap(200, 40, 1, 32, nullptr));
    SelectScope selected(dc.get(), bitmap.get());
    const RECT r{0, 0, 160, 22};
    Report("menu item, normal", 2000, [&] { DrawSkinnedMenuItem(*item, data.get(), dc.get(), r, false); });
    Report("menu item, selected", 2000, [&] { DrawSkinnedMenuItem(*item, data.get(), dc.get(), r, true); });
    const RECT s{0, 0, 160, 9};
    Report("menu separator", 2000, [&] { DrawSkinnedMenuItem(*line, data.get(), dc.get(), s, false); });
    return 0;
}
