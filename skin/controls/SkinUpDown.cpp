#include "skin/controls/SkinUpDown.h"

const TClassInfo& TSkinUpDown::StaticClass() {
    static const TClassInfo info("TSkinUpDown", &TSkinControl::StaticClass());
    return info;
}

TSkinUpDown::TSkinUpDown(TComponent* owner) : TSkinControl(owner) {}
