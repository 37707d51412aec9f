#include "skin/data/SkinData.h"

#include <fstream>
#include <iterator>

#include "framework/Forms.h"
#include "skin/data/SkinDefinition.h"
#include "skin/data/SkinManager.h"
#include "skin/data/SkinPlatform.h"
#include "skin/data/SkinReader.h"
#include "skin/data/SkinRules.h"

namespace {

constexpr uint32_t kMagenta = 0xFF00FF;
constexpr unsigned kSkinDelayMs = 250;
constexpr int kHintMaxWidth = 500;

// The reader's only message (a package of a version it does not know) goes to the user in
// a warning box owned by the application window.
void ShowSkinMessage(const std::string& text) {
    MessageBoxA(Application->Handle(), text.c_str(), Application->Title().c_str(), MB_OK | MB_ICONWARNING);
}
const bool kSkinMessageBoxInstalled = (SetSkinMessageHandler(ShowSkinMessage), true);

bool PlatformHasScrollBarInfo() {
    static const bool present = [] {
        HMODULE user32 = GetModuleHandleA("user32.dll");
        return user32 && GetProcAddress(user32, "GetScrollBarInfo") != nullptr;
    }();
    return present;
}

}  // namespace

const TClassInfo& TSkinData::StaticClass() {
    static const TClassInfo info("TSkinData", &TComponent::StaticClass());
    return info;
}

TSkinData::TSkinData(TComponent* owner)
    : TComponent(owner), classKinds_(std::make_unique<TStringList>()), hintWindow_(std::make_unique<THintWindow>()) {
    (void)kSkinMessageBoxInstalled;
    for (const std::string& line : BuiltinClassKinds()) classKinds_->Add(line);
    // Until the system's caption font is read at Loaded, the framework's default font.
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof captionFont_, &captionFont_);
    menuGlyphs_ = MakeComponent<TCustomImageList>(this);
    // A program without the glyph strip resource keeps an empty list.
    menuGlyphs_->LoadMasked(GetModuleHandleA(nullptr), "DORVANEMENU", 16, 0xFFFFFF);
    maxWidth_ = GetSystemMetrics(SM_CXMAXIMIZED);
    maxHeight_ = GetSystemMetrics(SM_CYMAXIMIZED);
}

TSkinData::~TSkinData() {
    if (TSkinManager* manager = TSkinManager::Instance()) manager->Unregister(this);
}

void TSkinData::BeforeDestruction() {
    HideHint();
    if (TSkinManager* manager = TSkinManager::Instance()) manager->Unregister(this);
    TComponent::BeforeDestruction();
}

void TSkinData::SetClassKinds(const TStringList& lines) { classKinds_->Assign(lines); }

std::string TSkinData::SkinStore() const { return "(none)"; }

bool TSkinData::ReadSkinStream(const uint8_t* data, size_t size) {
    std::vector<uint8_t> package;
    size_t consumed = 0;
    if (!::ReadSkinStream(data, size, package, consumed)) return false;
    if (package.empty()) return true;
    packageData_ = std::move(package);
    LoadSkin();
    return true;
}

std::vector<uint8_t> TSkinData::WriteSkinStream() const { return ::WriteSkinStream(packageData_); }

bool TSkinData::LoadSkin() { return LoadSkinPackage(skin_, packageData_, SystemSkinPlatform()); }

void TSkinData::SetSkinFile(const std::string& name) {
    skinFile_ = name;
    std::ifstream in(name, std::ios::binary);
    // A missing file leaves the loaded skin in use.
    if (name.empty() || !in) return;
    packageData_.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    LoadSkin();
    ApplyNewSkin();
}

bool TSkinData::ReadingLayout() const { return Loading() || (Owner() && Owner()->Loading()); }

TSkinManager& TSkinData::Manager() {
    // Registering twice changes nothing; a manager made anew learns of the component here.
    TSkinManager& manager = TSkinManager::Create();
    manager.Register(this);
    return manager;
}

void TSkinData::ApplyNewSkin() {
    if (ReadingLayout()) return;
    if (!TSkinManager::Instance()) Loaded();
    TSkinManager& manager = Manager();
    manager.CurrentSkinData = this;
    manager.Reload(this);
    if (manager.StartState != kNotStarted) manager.Schedule(saSkinUpdate, kSkinDelayMs);
}

void TSkinData::SetActive(bool value) {
    if (value == active_) return;
    active_ = value;
    if (ReadingLayout()) return;
    TSkinManager& manager = Manager();
    switch (FormScope) {
        case sfMainform:
            if (value && NoSkinLoaded()) return;
            manager.CurrentSkinData = this;
            if (value) {
                manager.Schedule(saSkinAll, kSkinDelayMs);
                if (manager.StartState == kNotStarted) manager.StartState = kStarted;
            } else {
                manager.Schedule(saUnskinAll, kSkinDelayMs);
            }
            break;
        case sfOnlyThisForm:
            manager.CurrentSkinData = this;
            if (value && NoSkinLoaded()) return;
            manager.Schedule(value ? saSkinAll : saUnskinAll, kSkinDelayMs);
            break;
        case sfDialog:
        case sfDLL:
            break;
    }
}

void TSkinData::Loaded() {
    TComponent::Loaded();
    if (!PlatformHasScrollBarInfo()) SkinControls &= ~SkinBit(xcScrollbar);
    TSkinManager& manager = Manager();

    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof metrics;
    if (SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        captionFont_ = metrics.lfCaptionFont;

    if (FormScope != sfMainform) {
        manager.SkinningOn = true;
        ++manager.StartState;
        if (auto* form = dynamic_cast<TCustomForm*>(Owner()); form && active_) manager.SkinWindow(form->Handle());
        return;
    }
    if (!manager.HookInstalled()) manager.InstallHook();
    if (active_) {
        if (NoSkinLoaded())
            active_ = false;
        else
            manager.Schedule(saSkinAll, kSkinDelayMs);
    }
    if (SkinHas(SkinControls, xcMainMenu))
        SkinControls &= ~SkinBit(xcMenuItem);
    else
        SkinControls &= ~SkinBit(xcSystemMenu);
    MakeAppIcon();
}

void TSkinData::MakeAppIcon() {
    HWND app = Application->Handle();
    auto icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_SMALL, 0));
    if (!icon) icon = reinterpret_cast<HICON>(SendMessageA(app, WM_GETICON, ICON_BIG, 0));
    const int width = GetSystemMetrics(SM_CXSMICON);
    const int height = GetSystemMetrics(SM_CYSMICON);
    PixelBuffer picture(width, height);
    if (picture.Empty()) return;
    picture.Fill(PixelFromColour(kMagenta));
    if (icon) {
        BufferDc dc(picture);
        if (dc) {
            DrawIconEx(dc.get(), 0, 0, icon, width, height, 0, nullptr, DI_NORMAL);
            dc.Pixels();
        }
    }
    // Pixels the icon left alone are magenta, the transparent colour of skin images.
    appIcon_ = std::move(picture);
}

void TSkinData::FormSkinFilter(HWND window, const std::string& className, bool& doSkin) {
    filteredWindow_ = window;
    if (OnFormSkin) {
        OnFormSkin(this, className, doSkin);
        return;
    }
    if (!FormClassAllowed(SkinControls, className)) doSkin = false;
}

void TSkinData::NotifySkinChanged() {
    if (OnSkinChanged) OnSkinChanged(this);
}

void TSkinData::ShowHint(const std::string& text, POINT at) {
    if (!SkinHas(Options, xoCaptionButtonHint) || hintWindow_->Showing()) return;
    RECT rect = hintWindow_->CalcHintRect(kHintMaxWidth, text);
    OffsetRect(&rect, at.x, at.y);
    hintWindow_->ActivateHint(rect, text);
}

void TSkinData::HideHint() {
    if (hintWindow_) hintWindow_->ReleaseHandle();
    HintCounter = 0;
}
