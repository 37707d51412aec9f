// Placeholder definitions; the caption buttons are being built here.
#include "skin/form/CaptionButton.h"
#include "skin/form/SkinForm.h"

void TNCObject::MouseDown() {}
void TNCObject::MouseUp() {}
void TNCObject::MouseMove() {}
void TNCObject::MouseLeave() {}
void TCaptionButton::Paint() {}

void TSkinForm::BuildCaptionButtons() {}
void TSkinForm::FreeCaptionButtons() { HotObject = nullptr; CaptionButtons.clear(); }
TNCObject* TSkinForm::HitTestButtons(POINT) const { return nullptr; }
bool TSkinForm::ButtonVisible(size_t) { return false; }
void TSkinForm::ButtonAction(int, int) {}
void TSkinForm::MaximizeToggle() {}
void TSkinForm::MinimizeToggle() {}
void TSkinForm::RestoreWindow() {}
void TSkinForm::ShowSystemMenu(POINT) {}
void TSkinForm::PaintButtonState(TCaptionButton&) {}
void TSkinForm::OnPollTimer() {}
bool TSkinForm::NcMouseMove(TMessage&) { return false; }
bool TSkinForm::NcLButtonDown(TMessage&) { return false; }
bool TSkinForm::NcLButtonUp(TMessage&) { return false; }
bool TSkinForm::NcLButtonDblClk(TMessage&) { return false; }
bool TSkinForm::NcRButtonDown(TMessage&) { return false; }
bool TSkinForm::SysCommand(TMessage&) { return false; }
bool TSkinForm::Command(TMessage&) { return false; }
