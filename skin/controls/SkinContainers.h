#pragma once
// Containers: group boxes, panels (colour only), bare container windows and size grips.
#include "skin/controls/SkinControl.h"

class TSkinGroupBox : public TSkinControl {
    KELVORA_CLASS(TSkinGroupBox)
public:
    explicit TSkinGroupBox(TComponent* owner);
};

class TSkinBox : public TSkinControl {
    KELVORA_CLASS(TSkinBox)
public:
    explicit TSkinBox(TComponent* owner);
};

class TSkinBoxH : public TSkinControl {
    KELVORA_CLASS(TSkinBoxH)
public:
    explicit TSkinBoxH(TComponent* owner);
};

class TSkinSizer : public TSkinControl {
    KELVORA_CLASS(TSkinSizer)
public:
    explicit TSkinSizer(TComponent* owner);
};
