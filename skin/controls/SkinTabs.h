#pragma once
// Tab controls and page controls: tabs and pane from the skin's Tabs element, close boxes,
// old-style tab sets, button-style tabs and the pages themselves.
#include "skin/controls/SkinControl.h"

class TSkinTab : public TSkinControl {
    KELVORA_CLASS(TSkinTab)
public:
    explicit TSkinTab(TComponent* owner);
};

class TSkinTab31 : public TSkinControl {
    KELVORA_CLASS(TSkinTab31)
public:
    explicit TSkinTab31(TComponent* owner);
};

class TSkinTabBtn : public TSkinControl {
    KELVORA_CLASS(TSkinTabBtn)
public:
    explicit TSkinTabBtn(TComponent* owner);
};

class TSkinTabSheet : public TSkinControl {
    KELVORA_CLASS(TSkinTabSheet)
public:
    explicit TSkinTabSheet(TComponent* owner);
};
