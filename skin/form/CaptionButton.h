#pragma once
// Clickable objects of the skinned non-client area: the base of caption buttons (and of
// the menu-bar buttons that come with the skinned menu bar), with its normal, hot and
// pressed states, and the caption button drawn from a SysButtons record of the skin.
#include <windows.h>

#include "skin/data/SkinCore.h"

class TSkinForm;

class TNCObject {
public:
    explicit TNCObject(TSkinForm& owner) : Owner(owner) {}
    virtual ~TNCObject() = default;
    TNCObject(const TNCObject&) = delete;
    TNCObject& operator=(const TNCObject&) = delete;

    TSkinForm& Owner;
    RECT Bounds{};  // window coordinates
    bool Visible = false;
    int State = 1;  // 1 normal, 2 pressed, 3 hot
    bool Enabled = true;

    virtual void MouseDown();
    virtual void MouseUp();
    virtual void MouseMove();
    virtual void MouseLeave();
    virtual void Paint() {}
    virtual bool IsCaptionButton() const { return false; }
};

class TCaptionButton : public TNCObject {
public:
    TCaptionButton(TSkinForm& owner, const TDataSkinSysButton& element) : TNCObject(owner), Element(&element) {}
    const TDataSkinSysButton* Element;
    void Paint() override;
    bool IsCaptionButton() const override { return true; }
};
