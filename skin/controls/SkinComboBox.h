#pragma once
// Combo boxes: the frame, the drop-down button and the list's scroll skinners.
#include "skin/controls/SkinControl.h"

class TSkinComBox : public TSkinControl {
    KELVORA_CLASS(TSkinComBox)
public:
    explicit TSkinComBox(TComponent* owner);
    uint8_t ExtendedCombo = 0;  // a "comboboxex": drawn as an edit-like frame with an arrow
};
