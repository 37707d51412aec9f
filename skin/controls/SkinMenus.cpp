#include "skin/controls/SkinMenus.h"

const TClassInfo& TSkinPopupMenu::StaticClass() {
    static const TClassInfo info("TSkinPopupMenu", &TObject::StaticClass());
    return info;
}

TSkinPopupMenu::TSkinPopupMenu() = default;
TSkinPopupMenu::~TSkinPopupMenu() = default;
void TSkinPopupMenu::Attach(HWND, TSkinData*, HMENU) {}
void TSkinPopupMenu::Detach() {}
void InstallMenuItemHandlers(TMenu&, TSkinData*) {}
void RemoveMenuItemHandlers(TMenu&) {}
