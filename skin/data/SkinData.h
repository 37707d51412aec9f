#pragma once
// The skin data component: dropped on a main form, it carries the skin package (stored
// with the form as "SkinStream": int32 size, then the bytes), turns it into element
// records, holds the switches that say which windows and controls are skinned, and turns
// skinning on and off through the process-wide skin manager (SkinManager.h).
//
// Life: constructed with its form (defaults), stored properties set while the form is
// Loading (Active is only stored then), ReadSkinStream loads the package at once, then
// Loaded() creates the manager, installs its hook and schedules skinning.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Graphics.h"
#include "framework/HintWindow.h"
#include "framework/ImageList.h"
#include "framework/StringList.h"
#include "skin/data/PixelBuffer.h"
#include "skin/data/SkinCore.h"
#include "skin/data/SkinOptions.h"

class TControl;
class TSkinData;
class TSkinManager;

// Asked for each top-level window about to be skinned (aName: its class name).
using TOnFormSkin = std::function<void(TObject* Sender, const std::string& aName, bool& DoSkin)>;
// Raised by the form skinner before and after it skins a window.
using TOnSkinForm = std::function<void(TObject* Sender, HWND ahwnd, const std::string& aName)>;
// Asked for each child control before the class-name table; a skinner object returned in
// SkinnedControl is used instead.
using TOnSkinControl = std::function<void(TComponent* Sender, TSkinData* SkinData, TControl* Form,
                                          TControl* Control, const std::string& ControlClass,
                                          TComponent*& SkinnedControl)>;

class TSkinData : public TComponent {
    KELVORA_CLASS(TSkinData)
public:
    explicit TSkinData(TComponent* owner);
    ~TSkinData() override;

    // Stored properties.
    bool Active() const { return active_; }
    void SetActive(bool value);
    int DisableTag = 99;
    TSkinControlTypes SkinControls = kDefaultSkinControls;
    TSkinOptions Options = kDefaultSkinOptions;
    TStringList& ClassKinds() { return *classKinds_; }
    const TStringList& ClassKinds() const { return *classKinds_; }
    void SetClassKinds(const TStringList& lines);  // copies the lines
    const std::string& SkinFile() const { return skinFile_; }
    // Reads the file's whole content as the package and applies it; a missing file
    // changes nothing.
    void SetSkinFile(const std::string& name);
    // "(none)" at run time, whatever is loaded.
    std::string SkinStore() const;
    void SetSkinStore(const std::string&) {}
    TSkinFormType FormScope = sfMainform;
    std::string Version() const { return kSkinDataVersion; }
    void SetVersion(const std::string&) {}
    bool MenuUpdate = true;
    bool MenuMerge = false;

    TOnFormSkin OnFormSkin;
    TNotifyEvent OnSkinChanged;
    TOnSkinControl OnSkinControl;
    TOnSkinForm OnBeforeSkinForm;
    TOnSkinForm OnAfterSkinForm;

    // The stored package: int32 size, then the bytes; size <= 0 stores none. Reading a
    // package runs LoadSkin at once. False when the size announces more bytes than given.
    bool ReadSkinStream(const uint8_t* data, size_t size);
    std::vector<uint8_t> WriteSkinStream() const;
    const std::vector<uint8_t>& PackageData() const { return packageData_; }

    // Reads PackageData into the element records; false (and NoSkinLoaded) when the
    // package is unreadable. A package of an unknown version shows the reader's message.
    bool LoadSkin();
    // Makes the manager reload the new skin into every form skinner using this component
    // and, once skinning has started, schedules a skin update in 250 ms.
    void ApplyNewSkin();
    void Loaded() override;
    // May veto skinning a top-level window: OnFormSkin when assigned, else the built-in
    // exclusions ("SysMonthCal32"; with xcFastReport, classes beginning "Tfr").
    void FormSkinFilter(HWND window, const std::string& className, bool& doSkin);
    void NotifySkinChanged();

    // The parsed skin.
    const TSkinDefinition& Skin() const { return skin_; }
    TSkinDefinition& Skin() { return skin_; }
    bool NoSkinLoaded() const { return skin_.NoSkinLoaded; }

    // Shared resources of the form skinners.
    const LOGFONTA& CaptionFont() const { return captionFont_; }  // the system's caption font
    const PixelBuffer& AppIcon() const { return appIcon_; }       // small icon on magenta
    TCustomImageList* MenuGlyphs() const { return menuGlyphs_; }  // 16 x 16, four glyphs
    THintWindow& HintWindow() { return *hintWindow_; }
    // Time (ms) the mouse has rested on a caption button; reset when the hint hides.
    int HintCounter = 0;
    // Shows text as a caption-button hint at the screen point (only with
    // xoCaptionButtonHint and while no hint shows); HideHint hides it and resets the counter.
    void ShowHint(const std::string& text, POINT at);
    void HideHint();
    // Cleared only around a form's menu-change handling.
    bool NCPaintAllowed = true;
    int MaxWidth() const { return maxWidth_; }    // SM_CXMAXIMIZED
    int MaxHeight() const { return maxHeight_; }  // SM_CYMAXIMIZED

    void BeforeDestruction() override;

private:
    void MakeAppIcon();
    // True while the owner's stored layout is being read.
    bool ReadingLayout() const;
    // The manager, made on first use, with this component registered.
    TSkinManager& Manager();

    bool active_ = false;
    std::unique_ptr<TStringList> classKinds_;
    std::string skinFile_;
    std::vector<uint8_t> packageData_;
    TSkinDefinition skin_;
    LOGFONTA captionFont_{};
    PixelBuffer appIcon_;
    TCustomImageList* menuGlyphs_ = nullptr;  // owned as a component
    std::unique_ptr<THintWindow> hintWindow_;
    int maxWidth_ = 0;
    int maxHeight_ = 0;
    HWND filteredWindow_ = nullptr;  // the last window FormSkinFilter was asked about
};
