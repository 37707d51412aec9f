// Placeholder definitions; the frame painting is being built here.
#include "skin/form/SkinForm.h"

void TSkinForm::PaintFrame(HDC) {}
void TSkinForm::BuildRegion() {}
void TSkinForm::RebuildIconBitmap() {}
