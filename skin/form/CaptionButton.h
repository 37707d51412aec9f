#pragma once
// A caption button of a skinned frame, drawn from one SysButtons record of the skin; its
// states and the mouse rules are those of every non-client object (NcButtons.h).
#include <windows.h>

#include "skin/data/SkinCore.h"
#include "skin/form/NcButtons.h"

class TSkinForm;

class TCaptionButton : public TNCObject {
public:
    TCaptionButton(TSkinForm& owner, const TDataSkinSysButton& element) : Owner(owner), Element(&element) {}

    TSkinForm& Owner;
    const TDataSkinSysButton* Element;  // owned by the skin data

    void Paint() override;
    bool IsCaptionButton() const override { return true; }
    int Action() const override { return Element->Action; }

protected:
    void Left() override;
};
