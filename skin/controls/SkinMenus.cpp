#include "skin/controls/SkinMenus.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "framework/Graphics.h"
#include "framework/ImageList.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/MenuPainter.h"
#include "skin/data/GdiAdapters.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinManager.h"

namespace {

// The system's menu font, regular and bold, made once.
HFONT MenuFontHandle(bool bold) {
    static FontHandle regular;
    static FontHandle heavy;
    static bool made = false;
    if (!made) {
        made = true;
        LOGFONTA log{};
        if (SystemLogFont(TSystemFont::Menu, log)) {
            CPINFO codePage{};
            if (log.lfCharSet == ANSI_CHARSET && GetCPInfo(CP_ACP, &codePage) && codePage.MaxCharSize > 1)
                log.lfCharSet = DEFAULT_CHARSET;
            regular.reset(CreateFontIndirectA(&log));
            log.lfWeight = FW_BOLD;
            heavy.reset(CreateFontIndirectA(&log));
        }
    }
    return bold ? heavy.get() : regular.get();
}

// The system check mark (OBM_CHECK) as a mask, read once.
struct CheckMark {
    int width = 0;
    int height = 0;
    std::vector<bool> set;  // the mark's pixels (black in the monochrome bitmap)
};

const CheckMark& SystemCheckMark() {
    static CheckMark mark;
    static bool made = false;
    if (made) return mark;
    made = true;
    BitmapHandle bitmap(LoadBitmapA(nullptr, MAKEINTRESOURCEA(32760)));  // OBM_CHECK
    BITMAP info{};
    if (!bitmap || !GetObjectA(bitmap.get(), sizeof info, &info) || info.bmWidth <= 0 || info.bmHeight <= 0)
        return mark;
    PixelBuffer pixels(info.bmWidth, info.bmHeight);
    {
        BufferDc dc(pixels);
        MemoryDcHandle src(CreateCompatibleDC(nullptr));
        if (!dc || !src) return mark;
        SelectScope selected(src.get(), bitmap.get());
        SetTextColor(dc.get(), RGB(0, 0, 0));
        SetBkColor(dc.get(), RGB(255, 255, 255));
        BitBlt(dc.get(), 0, 0, info.bmWidth, info.bmHeight, src.get(), 0, 0, SRCCOPY);
        dc.Pixels();
    }
    mark.width = info.bmWidth;
    mark.height = info.bmHeight;
    mark.set.resize(static_cast<size_t>(mark.width) * mark.height);
    for (int y = 0; y < mark.height; ++y)
        for (int x = 0; x < mark.width; ++x)
            mark.set[static_cast<size_t>(y) * mark.width + x] = (pixels.Pixel(x, y) & 0xFFFFFF) == 0;
    return mark;
}

// Draws an item's text and glyphs with GDI. Text and images go through the item canvas's
// kept DC when the target is that canvas's picture; any other target gets a DC of its own.
class TGdiMenuItemRenderer : public TMenuItemRenderer {
public:
    TGdiMenuItemRenderer(TMenuCanvas& canvas, TCustomImageList* images, int imageIndex)
        : canvas_(canvas), images_(images), imageIndex_(imageIndex) {}

    TExtent MeasureText(const std::string& text, bool bold) const override {
        HDC dc = canvas_.Dc();
        if (!dc) return {};
        SelectScope font(dc, bold ? MenuFontHandle(true) : nullptr);
        RECT r{0, 0, 0, 0};
        ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r,
                    DT_CALCRECT | DT_NOCLIP | DT_EXPANDTABS | DT_SINGLELINE);
        return {r.right - r.left, r.bottom - r.top};
    }
    void PaintText(PixelBuffer& target, const std::string& text, const TRect& rect, uint32_t rgb, bool bold,
                   unsigned format) override {
        WithDc(target, [&](HDC dc) {
            SelectScope font(dc, bold ? MenuFontHandle(true) : nullptr);
            SetTextColor(dc, rgb);
            RECT r = ToRECT(rect);
            ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, format);
        });
    }
    void PaintImage(PixelBuffer& target, int x, int y, bool enabled) override {
        if (!images_) return;
        if (!enabled) {
            PaintDisabledImage(target, x, y);
            return;
        }
        WithDc(target, [&](HDC dc) { images_->Draw(dc, x, y, imageIndex_); });
    }
    // A disabled item's image is its shape embossed: once in the highlight colour one
    // pixel down and right, once in the shadow colour over it.
    void PaintDisabledImage(PixelBuffer& target, int x, int y) {
        constexpr uint32_t kNoImage = 0x00FE01FD;  // a colour no image of ours uses
        PixelBuffer shape(target.Width(), target.Height());
        shape.Fill(kNoImage);
        {
            BufferDc dc(shape);
            if (!dc) return;
            images_->Draw(dc.get(), x, y, imageIndex_);
            dc.Pixels();
        }
        const uint32_t highlight = PixelFromColour(GetSysColor(COLOR_BTNHIGHLIGHT));
        const uint32_t shadow = PixelFromColour(GetSysColor(COLOR_BTNSHADOW));
        for (const auto& [offset, colour] : {std::pair<int, uint32_t>{1, highlight}, {0, shadow}})
            for (int j = 0; j < shape.Height(); ++j)
                for (int i = 0; i < shape.Width(); ++i)
                    if ((shape.Pixel(i, j) & 0xFFFFFF) != kNoImage) target.SetPixel(i + offset, j + offset, colour);
    }
    TExtent CheckMarkSize() const override {
        const CheckMark& mark = SystemCheckMark();
        return {mark.width, mark.height};
    }
    void PaintCheckMark(PixelBuffer& target, int x, int y, uint32_t rgb) override {
        const CheckMark& mark = SystemCheckMark();
        const uint32_t pixel = PixelFromColour(rgb);
        for (int j = 0; j < mark.height; ++j)
            for (int i = 0; i < mark.width; ++i)
                if (mark.set[static_cast<size_t>(j) * mark.width + i]) target.SetPixel(x + i, y + j, pixel);
    }

private:
    // Runs draw on a DC over target in the menu font with a clear text background; the
    // portable painting reads target's pixels afterwards.
    template <typename F>
    void WithDc(PixelBuffer& target, F&& draw) {
        if (&target == &canvas_.Buffer()) {
            if (HDC dc = canvas_.Dc()) draw(dc);
            target.Sync();
            return;
        }
        BufferDc dc(target);
        if (!dc) return;
        SelectScope font(dc.get(), MenuFontHandle(false));
        SetBkMode(dc.get(), TRANSPARENT);
        draw(dc.get());
        dc.Pixels();
    }

    TMenuCanvas& canvas_;
    TCustomImageList* images_;
    int imageIndex_;
};

// The skin data component is still registered and has a skin (it may have gone while a
// menu kept its handlers).
bool Usable(const TSkinData* data) {
    TSkinManager* manager = TSkinManager::Instance();
    if (!data || !manager) return false;
    const auto& list = manager->SkinDataList();
    return std::find(list.begin(), list.end(), data) != list.end() && !data->NoSkinLoaded();
}

// The item picture for items drawn outside a skinned popup (no popup skinner holds their
// menu), kept for the process as the menu font is.
TMenuCanvas& SpareItemCanvas() {
    MenuFontHandle(false);  // made first, so that it outlives the canvas whose DC selects it
    static TMenuCanvas canvas;
    return canvas;
}

void ForEachItem(TMenuItem* item, const std::function<void(TMenuItem*)>& f) {
    for (int i = 0; i < item->Count(); ++i) {
        f(item->Items(i));
        ForEachItem(item->Items(i), f);
    }
}

}  // namespace

// ---- TMenuCanvas ----

TMenuCanvas::TMenuCanvas() = default;
TMenuCanvas::~TMenuCanvas() = default;

bool TMenuCanvas::Prepare(int width, int height) {
    if (buffer_.Width() != width || buffer_.Height() != height || buffer_.Empty()) {
        dc_.reset();
        buffer_ = PixelBuffer(width, height);
    }
    return !buffer_.Empty();
}

void TMenuCanvas::Adopt(PixelBuffer picture) {
    dc_.reset();
    buffer_ = std::move(picture);
}

HDC TMenuCanvas::Dc() {
    if (buffer_.Empty()) return nullptr;
    if (!dc_) {
        dc_ = std::make_unique<BufferDc>(buffer_);
        if (!*dc_) return nullptr;
        // The regular menu font stays selected (bold is selected around a bold text only);
        // the font is kept for the process, so the DC may go with it selected.
        SelectObject(dc_->get(), MenuFontHandle(false));
        SetBkMode(dc_->get(), TRANSPARENT);
    }
    return *dc_ ? dc_->get() : nullptr;
}

void TMenuCanvas::Reset() {
    dc_.reset();
    buffer_ = PixelBuffer();
}

// ---- TSkinPopupMenu ----

const TClassInfo& TSkinPopupMenu::StaticClass() {
    static const TClassInfo info("TSkinPopupMenu", &TObject::StaticClass());
    return info;
}

TSkinPopupMenu::TSkinPopupMenu() = default;
TSkinPopupMenu::~TSkinPopupMenu() { Detach(); }

void TSkinPopupMenu::Attach(HWND window, TSkinData* skinData, HMENU menu) {
    Detach();
    window_ = window;
    skinData_ = skinData;
    Menu = menu;
    Drawn = 0;
    subclass_ = TWindowSubclass(window, [this](TMessage& m, const TWndMethod& next) { Dispatch(m, next); });
}

void TSkinPopupMenu::Detach() {
    if (region_) region_.reset();
    subclass_.Reset();
    background_.Reset();
    items_.Reset();
}

bool TSkinPopupMenu::CanPaint() const {
    return skinData_ && Usable(skinData_) && HasMenuBackground(skinData_->Skin());
}

void TSkinPopupMenu::Dispatch(TMessage& m, const TWndMethod& next) {
    if (m.Msg == SKINMSG_QUERY) {
        m.Result = 1;
        return;
    }
    TSkinManager* manager = TSkinManager::Instance();
    if (!manager || !manager->SkinningOn) {
        next(m);
        return;
    }
    switch (m.Msg) {
        case WM_DESTROY:
            Detach();
            next(m);
            break;
        case WM_ERASEBKGND: EraseBackground(m, next); break;
        case WM_NCPAINT: PaintFrame(m, next); break;
        case WM_PAINT: Paint(m, next); break;
        case WM_PRINTCLIENT:
            if (CanPaint())
                PaintClient(reinterpret_cast<HDC>(m.WParam), next, m.LParam);
            else
                next(m);
            break;
        default: next(m); break;
    }
}

void TSkinPopupMenu::EraseBackground(TMessage& m, const TWndMethod& next) {
    // The items and the background are painted together with the client; erasing first
    // would only flicker.
    if (!skinData_ || !SkinHas(skinData_->Options, xoMenuBG)) next(m);
    m.Result = 1;
}

namespace {

// The window's rectangle on the screen and where its client area's top-left lies in it.
bool MeasureWindow(HWND window, RECT& r, POINT& clientOffset) {
    POINT client{0, 0};
    if (!GetWindowRect(window, &r) || !ClientToScreen(window, &client)) return false;
    clientOffset = {client.x - r.left, client.y - r.top};
    return true;
}

}  // namespace

POINT TSkinPopupMenu::ClientOffset() const {
    if (!Background().Empty()) return clientOffset_;
    RECT r{};
    POINT offset{0, 0};
    return MeasureWindow(window_, r, offset) ? offset : POINT{0, 0};
}

bool TSkinPopupMenu::MakeBackground() {
    RECT r{};
    if (!MeasureWindow(window_, r, clientOffset_)) return false;
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    // Composed once per size: the frame, the client painting and every item read it.
    if (background_.Buffer().Width() != w || background_.Buffer().Height() != h)
        background_.Adopt(MenuBackgroundPicture(skinData_->Skin(), w, h));
    return background_.Dc() != nullptr;
}

void TSkinPopupMenu::PaintFrame(TMessage& m, const TWndMethod& next) {
    if (m.WParam != 1 || !CanPaint()) {
        next(m);
        return;
    }
    WindowDc dc(window_, true);
    if (!dc.get() || !MakeBackground()) return;
    const int w = Background().Width();
    const int h = Background().Height();
    // Only the 3-pixel frame: the items inside are the client painting's.
    ExcludeClipRect(dc.get(), kMenuFrameWidth, kMenuFrameWidth, w - kMenuFrameWidth, h - kMenuFrameWidth);
    BitBlt(dc.get(), 0, 0, w, h, background_.Dc(), 0, 0, SRCCOPY);
    m.Result = 0;
}

void TSkinPopupMenu::PaintClient(HDC dc, const TWndMethod& next, LPARAM flags) {
    if (MakeBackground()) BitBlt(dc, 0, 0, Background().Width(), Background().Height(), background_.Dc(), 0, 0, SRCCOPY);
    const int oldMode = SetBkMode(dc, TRANSPARENT);
    RegionHandle clip(CreateRectRgn(kMenuFrameWidth, kMenuFrameWidth, Background().Width() - kMenuFrameWidth,
                                    Background().Height() - kMenuFrameWidth));
    SelectClipRgn(dc, clip.get());
    // The menu draws its items over the background, inside the frame.
    TMessage print{WM_PRINTCLIENT, reinterpret_cast<uintptr_t>(dc), flags, 0};
    next(print);
    SelectClipRgn(dc, nullptr);
    SetBkMode(dc, oldMode);
}

void TSkinPopupMenu::Paint(TMessage& m, const TWndMethod& next) {
    // The menu paints its window itself rather than through WM_PRINTCLIENT: the same client
    // painting on the paint DC.
    if (!CanPaint()) {
        next(m);
        return;
    }
    PAINTSTRUCT ps{};
    HDC dc = BeginPaint(window_, &ps);
    if (dc) PaintClient(dc, next, PRF_CLIENT | PRF_ERASEBKGND);
    EndPaint(window_, &ps);
    m.Result = 0;
}

// ---- item handlers ----

void MeasureSkinnedMenuItem(TMenuItem& item, TSkinData* skinData, int& width) {
    const bool hasImages = item.ImageList() != nullptr;
    width = SkinnedMenuItemWidth(width, Usable(skinData) ? &skinData->Skin() : nullptr, hasImages);
}

void DrawSkinnedMenuItem(TMenuItem& item, TSkinData* skinData, HDC dc, const RECT& rect, bool selected) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    HMENU parent = item.ParentHandle();
    TSkinManager* manager = TSkinManager::Instance();
    TSkinPopupMenu* popup = nullptr;
    const PixelBuffer* background = nullptr;
    TRect itemRect = ToTRect(rect);  // in the popup window's coordinates, where its background lies
    if (manager) {
        manager->MarkPopupsDrawn();
        manager->AssignMenuHandle(parent);
        popup = manager->PopupSkinnerOf(parent);
    }
    if (popup) {
        if (!popup->Background().Empty()) background = &popup->Background();
        const POINT offset = popup->ClientOffset();
        itemRect = itemRect.Offset(offset.x, offset.y);
    }
    if (!Usable(skinData)) {
        // The skin went: the item stays readable in the system's colours.
        FillRect(dc, &rect, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_MENU));
        return;
    }
    TMenuItemLook look;
    look.caption = item.Caption();
    look.shortcut = ShortCutToText(item.ShortCut());
    look.selected = selected;
    look.enabled = item.Enabled();
    look.checked = item.Checked();
    look.isDefault = item.Default();
    TMenu* menu = item.GetParentMenu();
    look.rightToLeft = menu && menu->IsRightToLeft();
    TCustomImageList* images = item.ImageList();
    look.hasImageList = images != nullptr;
    look.hasImage = images && item.ImageIndex() >= 0 && item.ImageIndex() < images->Count();

    // The shown menu's items share its kept canvas.
    TMenuCanvas& canvas = popup ? popup->ItemCanvas() : SpareItemCanvas();
    if (!canvas.Prepare(w, h)) return;
    TGdiMenuItemRenderer renderer(canvas, images, item.ImageIndex());
    PaintMenuItem(canvas.Buffer(), skinData->Skin(), look, itemRect, background, renderer);
    if (HDC src = canvas.Dc()) BitBlt(dc, rect.left, rect.top, w, h, src, 0, 0, SRCCOPY);
}

void InstallMenuItemHandlers(TMenu& menu, TSkinData* skinData) {
    menu.SetOwnerDraw(true);
    ForEachItem(menu.Items(), [skinData](TMenuItem* item) {
        item->OnMeasureItem = [skinData](TMenuItem* sender, TCanvas&, int& width, int&) {
            MeasureSkinnedMenuItem(*sender, skinData, width);
        };
        item->OnDrawItem = [skinData](TMenuItem* sender, TCanvas& canvas, const RECT& rect, bool selected) {
            DrawSkinnedMenuItem(*sender, skinData, canvas.Handle(), rect, selected);
        };
    });
}

void RemoveMenuItemHandlers(TMenu& menu) {
    ForEachItem(menu.Items(), [](TMenuItem* item) {
        item->OnMeasureItem = nullptr;
        item->OnDrawItem = nullptr;
    });
    menu.SetOwnerDraw(false);
}
