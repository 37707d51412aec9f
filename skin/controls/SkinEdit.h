#pragma once
// Text fields: the edit skinner (frame and print frame, an up-down found inside).
#include "skin/controls/SkinControl.h"

class TSkinEdit : public TSkinControl {
    KELVORA_CLASS(TSkinEdit)
public:
    explicit TSkinEdit(TComponent* owner);
};
