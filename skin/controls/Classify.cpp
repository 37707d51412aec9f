#include "skin/controls/Classify.h"

void SkinFormControls(TSkinForm&, TCustomForm*) {}
void ClassifyControl(TSkinForm&, TControl*, TCustomForm*) {}
void WalkChildren(TSkinForm&, TWinControl*) {}
void ClassifyWindow(TSkinForm&, HWND) {}
void WalkBareChildren(TSkinForm&, HWND) {}
TSkinControl* ReskinScrollControl(TSkinForm&, HWND, bool) { return nullptr; }
