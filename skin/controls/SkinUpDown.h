#pragma once
// Up-down (spin) buttons drawn from the skin's UpDownHorz/UpDownVert elements.
#include "skin/controls/SkinControl.h"

class TSkinUpDown : public TSkinControl {
    KELVORA_CLASS(TSkinUpDown)
public:
    explicit TSkinUpDown(TComponent* owner);
    uint8_t Embedded = 0;  // found inside an edit: drawn inside the edit's edges
};
