// The form skinner's list of control skinners.
#include "skin/form/SkinForm.h"

void TSkinForm::RegisterSkinner(TSkinControl*) {}
void TSkinForm::UnregisterSkinner(TSkinControl*) {}
TSkinControl* TSkinForm::FindSkinner(HWND) const { return nullptr; }
TSkinControl* TSkinForm::FindSkinnerOf(const TControl*) const { return nullptr; }
void TSkinForm::SkinChildControls() {}
void TSkinForm::FreeSkinners() {}
void TSkinForm::FreeFinishedSkinners() {}
void TSkinForm::ReskinControl(HWND) {}
