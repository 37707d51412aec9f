#include "skin/controls/SkinIndicators.h"

const TClassInfo& TSkinStatusBar::StaticClass() {
    static const TClassInfo info("TSkinStatusBar", &TSkinControl::StaticClass());
    return info;
}

TSkinStatusBar::TSkinStatusBar(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinProgress::StaticClass() {
    static const TClassInfo info("TSkinProgress", &TSkinControl::StaticClass());
    return info;
}

TSkinProgress::TSkinProgress(TComponent* owner) : TSkinControl(owner) {}

const TClassInfo& TSkinTrackBar::StaticClass() {
    static const TClassInfo info("TSkinTrackBar", &TSkinControl::StaticClass());
    return info;
}

TSkinTrackBar::TSkinTrackBar(TComponent* owner) : TSkinControl(owner) {}
