#pragma once
// Headers of list views drawn from the skin's Headerbar element, with a hot item.
#include "skin/controls/SkinControl.h"

class TSkinHeader : public TSkinControl {
    KELVORA_CLASS(TSkinHeader)
public:
    explicit TSkinHeader(TComponent* owner);
};
