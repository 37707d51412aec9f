#pragma once
// Gives the controls of a skinned window their skinners: the passes over a framework form
// (its components, then its tab order), one control at a time (ClassifyControl), and the
// child windows of a plain window such as a system dialog (ClassifyWindow). Each skinner
// made is attached and registered with the form skinner, which owns the list and frees
// them. The decisions are the portable ones of ControlKinds.h.
#include <windows.h>

class TControl;
class TCustomForm;
class TWinControl;
class TSkinForm;
class TSkinControl;

// Both passes over a framework form (when its skinner activates).
void SkinFormControls(TSkinForm& form, TCustomForm* parentForm);
void ClassifyControl(TSkinForm& form, TControl* control, TCustomForm* parentForm);
void WalkChildren(TSkinForm& form, TWinControl* control);
void ClassifyWindow(TSkinForm& form, HWND window);
void WalkBareChildren(TSkinForm& form, HWND window);
// A new scroll-bar skinner for the control whose window is handle (after the control's
// window was re-made); the old one has been freed. Null when nothing was attached.
TSkinControl* ReskinScrollControl(TSkinForm& form, HWND handle, bool listView);
