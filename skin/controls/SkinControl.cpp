#include "skin/controls/SkinControl.h"

const TClassInfo& TSkinControl::StaticClass() {
    static const TClassInfo info("TSkinControl", &TComponent::StaticClass());
    return info;
}

TSkinControl::TSkinControl(TComponent* owner) : TComponent(owner) {}
TSkinControl::~TSkinControl() = default;
void TSkinControl::Attach(TSkinForm*, TSkinData*, bool, TCanvas*) {}
void TSkinControl::AttachWindow(HWND, TSkinData*, TSkinForm*, TCanvas*) {}
void TSkinControl::Detach() {}
bool TSkinControl::BeforeMessage(TMessage&) { return true; }
void TSkinControl::AfterMessage(TMessage&) {}
void TSkinControl::PaintWindow(HDC) {}
void TSkinControl::SkinChanged() {}
void TSkinControl::CallOldProc(TMessage&) {}
void TSkinControl::Repaint() {}
void TSkinControl::FillSkinColour(HDC, const RECT&) {}
TColour TSkinControl::ParentColour() const { return 0; }
void TSkinControl::FillParentColour(HDC, const RECT&) {}
LONG_PTR TSkinControl::WindowLong(int) const { return 0; }
void TSkinControl::SetParentBackground(bool) {}
void TSkinControl::DrawTextFocus(HDC, unsigned, const RECT&) {}
void TSkinControl::ForwardMouseDown(const TMessage&) {}
void TSkinControl::DrawElementFrame(HDC, const RECT&, int, int, const TDataSkinObject&) {}
int TSkinControl::DrawCaption(HDC, const std::wstring&, RECT&, unsigned) { return 0; }
void TSkinControl::PaintHandler(TMessage&) {}
void TSkinControl::EraseHandler(TMessage&) {}
void TSkinControl::TrackMouseLeave() {}
std::string TSkinControl::PropText(const std::string&) const { return {}; }
long long TSkinControl::PropOrdinal(const std::string&) const { return -1; }
TObject* TSkinControl::PropObject(const std::string&) const { return nullptr; }
bool TSkinControl::HasProp(const std::string&) const { return false; }
bool TSkinControl::SetPropText(const std::string&, const std::string&) { return false; }
void TSkinControl::SkinnerWndProc(TMessage&, const TWndMethod&) {}
void TSkinControl::HookControl(TControl*) {}
void TSkinControl::UnhookControl() {}
void TSkinControl::HookWindow(HWND) {}
TObject* TSkinControl::PropertyOwner() const { return nullptr; }
