#include "skin/controls/SkinTabs.h"

const TClassInfo& TSkinTab::StaticClass() {
    static const TClassInfo info("TSkinTab", &TSkinControl::StaticClass());
    return info;
}

TSkinTab::TSkinTab(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinTab31::StaticClass() {
    static const TClassInfo info("TSkinTab31", &TSkinControl::StaticClass());
    return info;
}

TSkinTab31::TSkinTab31(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinTabBtn::StaticClass() {
    static const TClassInfo info("TSkinTabBtn", &TSkinControl::StaticClass());
    return info;
}

TSkinTabBtn::TSkinTabBtn(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinTabSheet::StaticClass() {
    static const TClassInfo info("TSkinTabSheet", &TSkinControl::StaticClass());
    return info;
}

TSkinTabSheet::TSkinTabSheet(TComponent* owner) : TSkinControl(owner) {}
