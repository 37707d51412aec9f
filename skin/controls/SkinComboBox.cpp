#include "skin/controls/SkinComboBox.h"

const TClassInfo& TSkinComBox::StaticClass() {
    static const TClassInfo info("TSkinComBox", &TSkinControl::StaticClass());
    return info;
}

TSkinComBox::TSkinComBox(TComponent* owner) : TSkinControl(owner) {}
