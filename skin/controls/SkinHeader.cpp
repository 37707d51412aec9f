#include "skin/controls/SkinHeader.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <string>

#include "framework/Controls.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/GdiText.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

const TClassInfo& TSkinHeader::StaticClass() {
    static const TClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr int kCaptionLength = 260;

bool IsHeaderClass(HWND wnd) {
    char name[32] = {};
    GetClassNameA(wnd, name, sizeof name);
    return lstrcmpiA(name, WC_HEADERA) == 0;
}

}  // namespace

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}

TSkinHeader::~TSkinHeader() { pictureDc_.reset(); }

bool TSkinHeader::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_PAINT: PaintHandler(m); return false;
        case WM_ERASEBKGND:
            if (SkinData() && SkinData()->Skin().Headerbar && !SkinData()->Skin().Headerbar->Image.Empty()) {
                m.Result = 1;
                return false;
            }
            return true;
        default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinHeader::MouseMove(const TMessage& m) {
    if (Items.empty()) ReadItems();
    const int hot = HeaderItemAt(Items, GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
    if (hot != HotItem) {
        HotItem = hot;
        Repaint();
    }
    TrackMouseLeave();
}

void TSkinHeader::AfterMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_MOUSEMOVE: MouseMove(m); break;
        case WM_MOUSELEAVE:
            HotItem = -1;
            Repaint();
            break;
        default: TSkinControl::AfterMessage(m); break;
    }
}

void TSkinHeader::ReadItems() {
    Items.clear();
    const HWND header = Handle();
    if (!header) return;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(header, HDM_GETIMAGELIST, 0, 0));
    int imageWidth = 0, imageHeight = 0;
    if (images) ImageList_GetIconSize(images, &imageWidth, &imageHeight);
    for (int i = 0; i < count; ++i) {
        RECT r{};
        SendMessageW(header, HDM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        wchar_t text[kCaptionLength] = {};
        HDITEMW item{};
        item.mask = HDI_TEXT | HDI_FORMAT | HDI_IMAGE;
        item.pszText = text;
        item.cchTextMax = kCaptionLength;
        SendMessageW(header, HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        THeaderItem entry;
        entry.rect = ToTRect(r);
        entry.caption = text;
        entry.format = item.fmt & hfAlignMask;
        if (images && (item.fmt & HDF_IMAGE) && item.iImage >= 0) {
            entry.imageWidth = imageWidth;
            entry.imageHeight = imageHeight;
        }
        Items.push_back(entry);
    }
}

void TSkinHeader::DrawSkin(HDC dc, const RECT& rect) {
    TSkinData* data = SkinData();
    if (!dc || !data || !data->Skin().Headerbar) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0) return;
    ReadItems();
    if (picture_.Width() != width || picture_.Height() != height) {
        pictureDc_.reset();
        picture_ = PixelBuffer(width, height);
    }
    if (!pictureDc_) pictureDc_ = std::make_unique<BufferDc>(picture_);
    if (!*pictureDc_) return;
    HDC bdc = pictureDc_->get();
    const TSkinDefinition& skin = data->Skin();
    HFONT font = reinterpret_cast<HFONT>(SendMessageW(Handle(), WM_GETFONT, 0, 0));
    if (!font) font = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    SelectScope selectFont(bdc, font);
    TGdiText text(bdc, DT_SINGLELINE, DT_SINGLELINE | DT_END_ELLIPSIS);
    GdiFlush();
    const std::vector<THeaderPlacement> placed =
        PaintHeaderBar(picture_, *skin.Headerbar, Items, HotItem, !Enabled, ColourToRGB(skin.ButtonFace()),
                       ColourToRGB(skin.ButtonText()), ColourToRGB(SystemColour(COLOR_BTNSHADOW)), text);
    HIMAGELIST images = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), HDM_GETIMAGELIST, 0, 0));
    for (size_t i = 0; images && i < placed.size(); ++i) {
        if (placed[i].image.IsEmpty()) continue;
        HDITEMW item{};
        item.mask = HDI_IMAGE;
        SendMessageW(Handle(), HDM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&item));
        ImageList_Draw(images, item.iImage, bdc, placed[i].image.left, placed[i].image.top, ILD_TRANSPARENT);
    }
    GdiFlush();
    BitBlt(dc, rect.left, rect.top, width, height, bdc, 0, 0, SRCCOPY);
}

TSkinHeader* SkinListViewHeader(TSkinForm& form, TWinControl* listView) {
    if (!listView || !listView->HandleAllocated() || !form.SkinData()) return nullptr;
    HWND header = nullptr;
    for (HWND child = GetWindow(listView->Handle(), GW_CHILD); child && !header;
         child = GetWindow(child, GW_HWNDNEXT))
        if (IsHeaderClass(child)) header = child;
    if (!header || form.FindSkinner(header) || SendMessageA(header, SKINMSG_QUERY, 0, 0) == 1) return nullptr;
    TComponent* owner = form.FindSkinnerOf(listView);
    if (!owner) owner = listView;
    auto* skinner = MakeComponent<TSkinHeader>(owner);
    skinner->AttachWindow(header, form.SkinData(), &form, nullptr);
    return skinner;
}
