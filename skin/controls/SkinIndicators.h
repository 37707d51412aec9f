#pragma once
// Indicators: status bars, progress bars and track bars.
#include "skin/controls/SkinControl.h"

class TSkinStatusBar : public TSkinControl {
    KELVORA_CLASS(TSkinStatusBar)
public:
    explicit TSkinStatusBar(TComponent* owner);
};

class TSkinProgress : public TSkinControl {
    KELVORA_CLASS(TSkinProgress)
public:
    explicit TSkinProgress(TComponent* owner);
};

class TSkinTrackBar : public TSkinControl {
    KELVORA_CLASS(TSkinTrackBar)
public:
    explicit TSkinTrackBar(TComponent* owner);
};
