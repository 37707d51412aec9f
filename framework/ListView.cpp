#include "framework/ListView.h"

#include <commctrl.h>

namespace {
void InitListViewClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{};
    icc.dwSize = sizeof icc;
    icc.dwICC = ICC_LISTVIEW_CLASSES;
    InitCommonControlsEx(&icc);
    done = true;
}
}  // namespace

const TClassInfo& TListView::StaticClass() {
    static const TClassInfo info("TListView", &TWinControl::StaticClass());
    return info;
}

TListView::TListView(TComponent* owner) : TWinControl(owner) {
    SetBounds(0, 0, 250, 150);
    SetTabStop(true);
    SetColor(clWindow);
}

int TListView::AddColumn(const std::string& caption, int width) {
    columns_.push_back({caption, width});
    const int index = static_cast<int>(columns_.size()) - 1;
    if (HandleAllocated()) InsertColumn(index);
    return index;
}

void TListView::InsertColumn(int index) {
    Column& c = columns_[static_cast<size_t>(index)];
    LVCOLUMNA column{};
    column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
    column.pszText = c.caption.data();
    column.cx = c.width;
    column.iSubItem = index;
    SendMessageA(HandleIfAllocated(), LVM_INSERTCOLUMNA, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&column));
}

int TListView::AddItem(const std::string& caption) {
    std::string text = caption;
    LVITEMA item{};
    item.mask = LVIF_TEXT;
    item.iItem = ItemCount();
    item.pszText = text.data();
    return static_cast<int>(SendMessageA(Handle(), LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item)));
}

int TListView::ItemCount() { return static_cast<int>(SendMessageA(Handle(), LVM_GETITEMCOUNT, 0, 0)); }

HWND TListView::HeaderHandle() const {
    if (!HandleAllocated()) return nullptr;
    return reinterpret_cast<HWND>(SendMessageA(HandleIfAllocated(), LVM_GETHEADER, 0, 0));
}

void TListView::CreateParams(TCreateParams& p) {
    InitListViewClass();
    TWinControl::CreateParams(p);
    p.StandardClass = WC_LISTVIEWA;
    p.Style |= LVS_REPORT | LVS_SHOWSELALWAYS;
    p.ExStyle |= WS_EX_CLIENTEDGE;
}

void TListView::CreateHandleDone() {
    for (int i = 0; i < ColumnCount(); ++i) InsertColumn(i);
}
