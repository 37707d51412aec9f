#include "skin/controls/SkinTabs.h"

#include <commctrl.h>

#include <algorithm>
#include <cwchar>
#include <utility>

#include "framework/CodePage.h"
#include "framework/ComCtrls.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/PrivateMessages.h"
#include "framework/TabSet.h"
#include "skin/controls/GdiText.h"
#include "skin/controls/SkinUpDown.h"
#include "skin/data/SkinData.h"

const TClassInfo& TSkinTab::StaticClass() {
    static const TClassInfo info("TSkinTab", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinTab31::StaticClass() {
    static const TClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinAdvPage::StaticClass() {
    static const TClassInfo info("TSkinAdvPage", &TSkinControl::StaticClass());
    return info;
}

const TClassInfo& TSkinTabBtn::StaticClass() {
    static const TClassInfo info("TSkinTabBtn", &TSkinTab::StaticClass());
    return info;
}

const TClassInfo& TSkinTabSheet::StaticClass() {
    static const TClassInfo info("TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

namespace {

constexpr TColour kBtnShadow = SystemColour(COLOR_BTNSHADOW);
constexpr TColour kBtnText = SystemColour(COLOR_BTNTEXT);
constexpr unsigned kItemMask = TCIF_TEXT | TCIF_IMAGE | TCIF_STATE;  // 0x13
constexpr int kItemTextLength = 80;

// A colour the skin may leave out (-1).
uint32_t TextColour(TColour given, TColour fallback) { return ColourToRGB(given == -1 ? fallback : given); }

TRect FromRECT(const RECT& r) { return {r.left, r.top, r.right, r.bottom}; }

// The control's image list drawn into the composition's DC.
class ImageListGlyphs : public TTabGlyphs {
public:
    ImageListGlyphs(HIMAGELIST list, HDC dc) : list_(list), dc_(dc) {
        int w = 0, h = 0;
        if (list_ && ImageList_GetIconSize(list_, &w, &h)) size_ = {w, h};
    }
    TTextSize Size() const override { return size_; }
    void Draw(PixelBuffer&, int index, int x, int y) override {
        GdiFlush();
        ImageList_Draw(list_, index, dc_, x, y, ILD_TRANSPARENT);
        GdiFlush();
    }

private:
    HIMAGELIST list_;
    HDC dc_;
    TTextSize size_{};
};

HFONT WindowFont(TSkinControl& s) {
    if (auto* control = dynamic_cast<TControl*>(s.Control())) return control->Font().Handle();
    return reinterpret_cast<HFONT>(SendMessageW(s.Handle(), WM_GETFONT, 0, 0));
}

TTabSheet* PageOfTab(TPageControl* pages, int tab) {
    for (int i = 0; pages && i < pages->PageCount(); ++i)
        if (pages->Pages(i)->TabIndex() == tab) return pages->Pages(i);
    return nullptr;
}

}  // namespace

// ---------------------------------------------------------------------------------------

HDC TTabBuffer::Prepare(int width, int height) {
    if (pixels_.Width() != width || pixels_.Height() != height || pixels_.Empty()) {
        dc_.reset();
        pixels_ = PixelBuffer(width, height);
    }
    if (pixels_.Empty()) return nullptr;
    if (!dc_) dc_ = std::make_unique<BufferDc>(pixels_);
    return *dc_ ? dc_->get() : nullptr;
}

// ---------------------------------------------------------------------------------------
// Tabs.

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}
TSkinTab::~TSkinTab() = default;

void TSkinTab::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    const bool first = !Attached;
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (!first || !Attached) return;
    Enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) ? 0 : 1;
    auto* pages = dynamic_cast<TPageControl*>(Control());
    CloseBoxes = pages && pages->Tag() == kTabCloseTag && !(WindowLong(GWL_STYLE) & TCS_BUTTONS) ? 1 : 0;
    PrepareImages();
    AttachScrollUpDown();
}

void TSkinTab::AttachWindow(HWND window, TSkinData* skinData, TSkinForm* formSkinner, TCanvas* canvas) {
    const bool first = !Attached;
    TSkinControl::AttachWindow(window, skinData, formSkinner, canvas);
    if (!first || !Attached) return;
    Enabled = (WindowLong(GWL_STYLE) & WS_DISABLED) ? 0 : 1;
    PrepareImages();
    AttachScrollUpDown();
}

void TSkinTab::PrepareImages() {
    ++imagesVersion_;
    imagesReady_ = false;
    images_ = TTabImages{};
    Orientation = TabSideFromStyle(static_cast<uint32_t>(WindowLong(GWL_STYLE)));
    if (!SkinData()) return;
    const TSkinDefinition& skin = SkinData()->Skin();
    if (!skin.Tabs || skin.Tabs->Image.Empty()) return;
    images_ = PrepareTabImages(*skin.Tabs, skin.TabPane.get(), Orientation);
    imagesReady_ = true;
}

void TSkinTab::SkinChanged() {
    PrepareImages();
    TSkinControl::SkinChanged();
}

HWND TSkinTab::ScrollUpDown() const {
    return Handle() ? FindWindowExA(Handle(), nullptr, UPDOWN_CLASSA, nullptr) : nullptr;
}

// The tab-scroll arrows appear only once the tabs no longer fit, so this runs on every
// paint too.
void TSkinTab::AttachScrollUpDown() {
    HWND arrows = ScrollUpDown();
    if (!arrows) return;
    if (TSkinUpDown* current = upDown_.Get(); current && current->Handle() == arrows && current->State != skDestroyed)
        return;
    auto* skinner = MakeComponent<TSkinUpDown>(this);
    skinner->AttachWindow(arrows, SkinData(), FormSkinner(), Canvas);
    upDown_ = TComponentRef<TSkinUpDown>(skinner);
}

bool TSkinTab::BeforeMessage(TMessage& m) {
    if (AnswerEmptyNcPaint(m)) return false;
    switch (m.Msg) {
        case WM_PAINT:
            if (!imagesReady_) return true;
            PaintHandler(m);
            return false;
        case WM_LBUTTONDOWN: {
            if (!CloseBoxes) return true;
            const int hit = TabCloseBoxAt(closeRects_, static_cast<short>(LOWORD(m.LParam)), static_cast<short>(HIWORD(m.LParam)));
            if (hit < 0) return true;
            m.Result = 0;
            CloseTab(hit);
            return false;
        }
        default: return TSkinControl::BeforeMessage(m);
    }
}

HWND TSkinTab::FormWindow() const {
    if (Control())
        if (TCustomForm* form = GetParentForm(Control())) return form->Handle();
    return Handle() ? GetAncestor(Handle(), GA_ROOT) : nullptr;
}

void TSkinTab::CloseTab(int index) {
    TComponentRef<TSkinTab> self(this);
    TComponentRef<TTabSheet> page(PageOfTab(dynamic_cast<TPageControl*>(Control()), index));
    // Until the next paint the boxes no longer match the tabs: no second close from them.
    closeRects_.clear();
    HWND form = FormWindow();
    const LRESULT answer =
        form ? SendMessageW(form, SKINMSG_TABCLOSE, reinterpret_cast<WPARAM>(Handle()), static_cast<LPARAM>(index)) : 0;
    if (answer != 0) return;
    // The form's handler may have freed the page (or the whole control) itself; the page
    // freed is the one pressed, wherever its tab stands now.
    if (TTabSheet* p = page.Get()) TComponent::Free(p);
    if (TSkinTab* s = self.Get(); s && s->Handle()) InvalidateRect(s->Handle(), nullptr, FALSE);
}

TTabStrip TSkinTab::GatherStrip(bool enabled) {
    TTabStrip s;
    HWND wnd = Handle();
    const int count = static_cast<int>(SendMessageW(wnd, TCM_GETITEMCOUNT, 0, 0));
    for (int i = 0; i < count; ++i) {
        TTabItem item;
        RECT r{};
        SendMessageW(wnd, TCM_GETITEMRECT, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&r));
        item.rect = FromRECT(r);
        if (UnicodeWindow) {
            wchar_t text[kItemTextLength + 1] = {};
            TCITEMW ti{};
            ti.mask = kItemMask;
            ti.pszText = text;
            ti.cchTextMax = kItemTextLength;
            if (SendMessageW(wnd, TCM_GETITEMW, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ti))) {
                item.text.assign(ti.pszText ? ti.pszText : L"");
                item.image = ti.iImage;
            }
        } else {
            char text[kItemTextLength + 1] = {};
            TCITEMA ti{};
            ti.mask = kItemMask;
            ti.pszText = text;
            ti.cchTextMax = kItemTextLength;
            if (SendMessageA(wnd, TCM_GETITEMA, static_cast<WPARAM>(i), reinterpret_cast<LPARAM>(&ti)) && ti.pszText) {
                const int n = MultiByteToWideChar(CP_ACP, 0, ti.pszText, -1, nullptr, 0);
                if (n > 1) {
                    item.text.resize(static_cast<size_t>(n));
                    MultiByteToWideChar(CP_ACP, 0, ti.pszText, -1, item.text.data(), n);
                    item.text.resize(static_cast<size_t>(n - 1));
                }
                item.image = ti.iImage;
            }
        }
        s.items.push_back(std::move(item));
    }
    s.current = static_cast<int>(SendMessageW(wnd, TCM_GETCURFOCUS, 0, 0));
    if (s.current < 0) s.current = static_cast<int>(SendMessageW(wnd, TCM_GETCURSEL, 0, 0));
    s.disabled = !enabled;
    s.background = ColourToRGB(ParentColour());
    s.disabledText = ColourToRGB(kBtnShadow);
    s.alignment = (WindowLong(GWL_STYLE) & TCS_FORCELABELLEFT) ? tcaLeft : tcaCentre;
    if (SkinData() && SkinData()->Skin().Tabs) {
        const TDataSkinBorder& tabs = *SkinData()->Skin().Tabs;
        s.normalText = TextColour(tabs.NormalColour2, kBtnText);
        s.currentText = TextColour(tabs.MouseOverColour2, kBtnText);
    }
    return s;
}

PixelBuffer* TSkinTab::Target(int width, int height) {
    pane_.valid = false;
    if (!target_.Prepare(width, height)) return nullptr;
    target_.Pixels().Fill(PixelFromColour(ColourToRGB(ParentColour())));
    return &target_.Pixels();
}

PixelBuffer* TSkinTab::PaneBase(int width, int height, const TRect& display) {
    const uint32_t background = ColourToRGB(ParentColour());
    const bool same = pane_.valid && pane_.display == display && pane_.background == background &&
                      pane_.images == imagesVersion_ && target_.Pixels().Width() == width &&
                      target_.Pixels().Height() == height;
    if (same) return target_.Prepare(width, height) ? &target_.Pixels() : nullptr;
    PixelBuffer* target = Target(width, height);
    if (!target) return nullptr;
    PaintTabPane(*target, images_, display);
    pane_ = TPaneKey{true, display, background, imagesVersion_};
    return target;
}

std::vector<TRect> TSkinTab::ComposeStrip(const TRect& strip, int side, const TTabFace& face, const TTabStrip& tabs) {
    if (strip.IsEmpty()) return {};
    const TTextSize size = TabCompositionSize(strip, side);
    HDC dc = comp_.Prepare(size.width, size.height);
    if (!dc) return {};
    SelectScope font(dc, WindowFont(*this));
    TGdiText text(dc);
    HIMAGELIST list = reinterpret_cast<HIMAGELIST>(SendMessageW(Handle(), TCM_GETIMAGELIST, 0, 0));
    ImageListGlyphs glyphs(list, dc);
    TTabStrip withGlyphs = tabs;
    if (list) withGlyphs.glyphs = &glyphs;
    std::vector<TRect> boxes = PaintTabStrip(comp_.Pixels(), strip, side, face, withGlyphs, text);
    GdiFlush();
    comp_.Pixels().Sync();
    PlaceTabStrip(target_.Pixels(), comp_.Pixels(), strip, side);
    return boxes;
}

void TSkinTab::Present(HDC dc, int width, int height) {
    HDC src = target_.Prepare(width, height);
    if (!src) return;
    const int saved = SaveDC(dc);
    if (HWND arrows = ScrollUpDown(); arrows && IsWindowVisible(arrows)) {
        RECT r;
        GetWindowRect(arrows, &r);
        MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&r), 2);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    BitBlt(dc, 0, 0, width, height, src, 0, 0, SRCCOPY);
    RestoreDC(dc, saved);
    if (Mode == 2 && Control()) Control()->PaintControls(dc);
}

void TSkinTab::DrawSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || !imagesReady_) return;
    AttachScrollUpDown();
    const int side = TabSideFromStyle(static_cast<uint32_t>(WindowLong(GWL_STYLE)));
    if (side != Orientation) PrepareImages();
    RECT adjusted{0, 0, width, height};
    SendMessageW(Handle(), TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&adjusted));
    const TRect display = TabDisplayArea(FromRECT(adjusted), side);
    if (!PaneBase(width, height, display)) return;
    TTabStrip tabs = GatherStrip(Enabled != 0);
    tabs.closeBoxes = CloseBoxes != 0;
    closeRects_ = ComposeStrip(TabStripArea(width, height, display, side), side, TabFaceOf(images_), tabs);
    Present(dc, width, height);
}

// ---------------------------------------------------------------------------------------
// Old-style tab sets.

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinControl(owner) {}

void TSkinTab31::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    const bool first = !Attached;
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (!first || !Attached) return;
    auto* tabSet = dynamic_cast<TTabSet*>(Control());
    PrepareImages(tabSet && tabSet->TabPosition() == tpBottom ? tabBottom : tabTop);
}

void TSkinTab31::PrepareImages(int side) {
    imagesReady_ = false;
    images_ = TTabImages{};
    Orientation = side;
    if (!SkinData()) return;
    const TSkinDefinition& skin = SkinData()->Skin();
    if (!skin.Tabs || skin.Tabs->Image.Empty()) return;
    images_ = PrepareTabImages(*skin.Tabs, nullptr, side);
    imagesReady_ = true;
}

void TSkinTab31::SkinChanged() {
    PrepareImages(Orientation);
    TSkinControl::SkinChanged();
}

bool TSkinTab31::BeforeMessage(TMessage& m) {
    switch (m.Msg) {
        case WM_PAINT:
            if (!imagesReady_ || !dynamic_cast<TTabSet*>(Control())) return true;
            PaintHandler(m);
            return false;
        default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinTab31::DrawSkin(HDC dc, const RECT& rect) {
    auto* tabSet = dynamic_cast<TTabSet*>(Control());
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (!tabSet || width <= 0 || height <= 0) return;
    const int side = tabSet->TabPosition() == tpBottom ? tabBottom : tabTop;
    if (side != Orientation || !imagesReady_) PrepareImages(side);
    if (!imagesReady_) return;
    HDC buffer = face_.Prepare(width, height);
    if (!buffer) return;

    TTabStrip tabs;
    const std::vector<RECT> rects = tabSet->TabRects();
    for (size_t i = 0; i < rects.size(); ++i) {
        TTabItem item;
        item.text = AnsiToWide(tabSet->Tabs().Get(static_cast<int>(i)));
        item.rect = FromRECT(rects[i]);
        tabs.items.push_back(std::move(item));
    }
    tabs.current = tabSet->TabIndex();
    tabs.disabled = (WindowLong(GWL_STYLE) & WS_DISABLED) != 0;
    tabs.background = ColourToRGB(ParentColour());
    tabs.disabledText = ColourToRGB(kBtnShadow);
    const TDataSkinBorder& element = *SkinData()->Skin().Tabs;
    tabs.normalText = TextColour(element.NormalColour2, kBtnText);
    tabs.currentText = TextColour(element.MouseOverColour2, kBtnText);

    SelectScope font(buffer, tabSet->Font().Handle());
    TGdiText text(buffer);
    PaintTabSet(face_.Pixels(), TabFaceOf(images_), tabs, text);
    GdiFlush();
    BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}

// ---------------------------------------------------------------------------------------
// Page controls of other libraries, through their tab-picture properties.

namespace {

constexpr const char* kTabPicture = "TabBackGround";
constexpr const char* kActiveTabPicture = "TabBackGroundActive";

TPicture* PictureProperty(const TSkinControl& s, const char* name) { return dynamic_cast<TPicture*>(s.PropObject(name)); }

}  // namespace

TSkinAdvPage::TSkinAdvPage(TComponent* owner) : TSkinControl(owner) {}
TSkinAdvPage::~TSkinAdvPage() = default;

void TSkinAdvPage::Attach(TSkinForm* formSkinner, TSkinData* skinData, bool setColour, TCanvas* canvas) {
    const bool first = !Attached;
    TSkinControl::Attach(formSkinner, skinData, setColour, canvas);
    if (!first || !Attached) return;
    SetTabPictures();
    AttachUpDown();
}

void TSkinAdvPage::SetTabPictures() {
    if (!SkinData()) return;
    const TSkinDefinition& skin = SkinData()->Skin();
    if (!skin.Tabs || skin.Tabs->Image.Empty()) return;
    const TDataSkinBorder& tabs = *skin.Tabs;
    const int frames = tabs.SafeFrameCount();
    const long long tabWidth = PropOrdinal("TabWidth"), tabHeight = PropOrdinal("TabHeight");
    const int width = tabWidth > 0 ? static_cast<int>(tabWidth) : tabs.Image.Width() / frames;
    const int height = tabHeight > 0 ? static_cast<int>(tabHeight) : tabs.Image.Height();
    const TMargins margins{tabs.LeftWidth, tabs.TopHeight, tabs.RightWidth, tabs.BottomHeight};
    const std::pair<const char*, int> pictures[] = {{kTabPicture, 1}, {kActiveTabPicture, 2}};
    for (size_t i = 0; i < 2; ++i) {
        const auto& [name, frame] = pictures[i];
        TPicture* picture = PictureProperty(*this, name);
        if (!picture) continue;
        // Copied as it is, magenta included: the control keys its transparent parts itself.
        PixelBuffer pixels(width, height);
        if (pixels.Empty()) continue;
        DrawFrameNineSlice(pixels, {0, 0, width, height}, tabs.Image, false, tabs.Tile != 0, false, frames, frame,
                           margins);
        // The control's own picture is kept for Detach (the first time only: later ones
        // are the skin's).
        if (!replaced_[i]) ownPictures_[i] = std::exchange(picture->Bitmap(), PixelBuffer{});
        replaced_[i] = true;
        picture->SetBitmap(std::move(pixels));
    }
}

void TSkinAdvPage::AttachUpDown() {
    HWND arrows = Handle() ? FindWindowExA(Handle(), nullptr, UPDOWN_CLASSA, nullptr) : nullptr;
    // A framework up-down is classified on its own; one skinned already keeps its skinner.
    if (!arrows || FindControl(arrows) || SendMessageW(arrows, SKINMSG_QUERY, 0, 0) == 1) return;
    auto* skinner = MakeComponent<TSkinUpDown>(this);
    skinner->AttachWindow(arrows, SkinData(), FormSkinner(), Canvas);
    upDown_ = TComponentRef<TSkinUpDown>(skinner);
}

void TSkinAdvPage::AfterMessage(TMessage& m) {
    // The tab-scroll arrows are made once the tabs no longer fit.
    if (m.Msg == WM_PARENTNOTIFY && LOWORD(m.WParam) == WM_CREATE) AttachUpDown();
    TSkinControl::AfterMessage(m);
}

void TSkinAdvPage::SkinChanged() {
    if (SkinActive) SetTabPictures();
    TSkinControl::SkinChanged();
}

void TSkinAdvPage::Detach() {
    if (!SkinActive) return;  // once: a second call must not take the given-back pictures
    TSkinControl::Detach();
    // The skin's pictures go; a picture the control had of its own comes back.
    const char* const names[] = {kTabPicture, kActiveTabPicture};
    for (size_t i = 0; i < 2; ++i) {
        if (!replaced_[i]) continue;
        replaced_[i] = false;
        if (TPicture* picture = PictureProperty(*this, names[i])) picture->SetBitmap(std::move(ownPictures_[i]));
    }
    if (TSkinUpDown* upDown = upDown_.Get()) upDown->Detach();
}

// ---------------------------------------------------------------------------------------
// Button-style tabs.

TSkinTabBtn::TSkinTabBtn(TComponent* owner) : TSkinTab(owner) {}

void TSkinTabBtn::DrawSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (width <= 0 || height <= 0 || !SkinData()) return;
    const TDataSkinButton& buttons = SkinData()->Skin().Buttons;
    if (!Target(width, height)) return;
    TTabStrip tabs = GatherStrip(Enabled != 0);
    tabs.topShift = 0;
    tabs.alignment = tcaCentre;
    tabs.normalText = TextColour(buttons.HasNormalColour2 ? buttons.NormalColour2 : -1, kBtnText);
    tabs.currentText = buttons.HasPressedColour2 ? ColourToRGB(buttons.PressedColour2) : tabs.normalText;
    const TTabFace face{&buttons.Image, {buttons.LeftWidth, buttons.TopHeight, buttons.RightWidth, buttons.BottomHeight},
                        buttons.SafeFrameCount(), buttons.Trans != 0, buttons.Tile != 0};
    ComposeStrip({0, 0, width, height}, tabTop, face, tabs);
    Present(dc, width, height);
}

// ---------------------------------------------------------------------------------------
// Pages.

TSkinTabSheet::TSkinTabSheet(TComponent* owner) : TSkinControl(owner) {}

bool TSkinTabSheet::BeforeMessage(TMessage& m) {
    if (Mode != 0) return TSkinControl::BeforeMessage(m);
    if (AnswerEmptyNcPaint(m)) return false;
    switch (m.Msg) {
        case WM_PAINT:
        case WM_PRINTCLIENT: PaintHandler(m); return false;
        case WM_ERASEBKGND: {
            HDC dc = reinterpret_cast<HDC>(m.WParam);
            RECT r;
            if (dc && SkinData() && SkinData()->Skin().BackgroundBrush && GetClientRect(Handle(), &r))
                FillRect(dc, &r, static_cast<HBRUSH>(SkinData()->Skin().BackgroundBrush->NativeHandle()));
            m.Result = 1;
            return false;
        }
        default: return TSkinControl::BeforeMessage(m);
    }
}

void TSkinTabSheet::DrawSkin(HDC dc, const RECT& rect) {
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    HDC buffer = face_.Prepare(width, height);
    if (!buffer) return;
    const TColour face = SkinData() ? SkinData()->Skin().ButtonFace() : SystemColour(COLOR_BTNFACE);
    face_.Pixels().Fill(PixelFromColour(ColourToRGB(face)));
    if (Control()) Control()->PaintControls(buffer);
    GdiFlush();
    BitBlt(dc, 0, 0, width, height, buffer, 0, 0, SRCCOPY);
}
