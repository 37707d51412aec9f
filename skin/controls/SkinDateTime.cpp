#include "skin/controls/SkinDateTime.h"

const TClassInfo& TSkinDateTime::StaticClass() {
    static const TClassInfo info("TSkinDateTime", &TSkinControl::StaticClass());
    return info;
}

TSkinDateTime::TSkinDateTime(TComponent* owner) : TSkinControl(owner) {}
