#include "skin/controls/SkinContainers.h"

const TClassInfo& TSkinGroupBox::StaticClass() {
    static const TClassInfo info("TSkinGroupBox", &TSkinControl::StaticClass());
    return info;
}

TSkinGroupBox::TSkinGroupBox(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinBox::StaticClass() {
    static const TClassInfo info("TSkinBox", &TSkinControl::StaticClass());
    return info;
}

TSkinBox::TSkinBox(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinBoxH::StaticClass() {
    static const TClassInfo info("TSkinBoxH", &TSkinControl::StaticClass());
    return info;
}

TSkinBoxH::TSkinBoxH(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinSizer::StaticClass() {
    static const TClassInfo info("TSkinSizer", &TSkinControl::StaticClass());
    return info;
}

TSkinSizer::TSkinSizer(TComponent* owner) : TSkinControl(owner) {}
