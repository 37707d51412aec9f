#pragma once
// Date-time pickers: an edit-like frame and a skinned drop-down arrow button.
#include "skin/controls/SkinControl.h"

class TSkinDateTime : public TSkinControl {
    KELVORA_CLASS(TSkinDateTime)
public:
    explicit TSkinDateTime(TComponent* owner);
};
