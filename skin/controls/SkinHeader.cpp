#include "skin/controls/SkinHeader.h"

const TClassInfo& TSkinHeader::StaticClass() {
    static const TClassInfo info("TSkinHeader", &TSkinControl::StaticClass());
    return info;
}

TSkinHeader::TSkinHeader(TComponent* owner) : TSkinControl(owner) {}
