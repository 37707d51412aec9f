// Placeholder definitions; the form skinner is being built here.
#include "skin/form/SkinForm.h"

#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "skin/form/CaptionButton.h"

const TClassInfo& TSkinForm::StaticClass() {
    static const TClassInfo info("TSkinForm", &TComponent::StaticClass());
    return info;
}

TSkinForm::TSkinForm(TComponent* owner) : TComponent(owner) {}
TSkinForm::~TSkinForm() = default;
void TSkinForm::SetWindow(HWND window, HMODULE module, const std::string& windowClassName) {
    windowHandle_ = window;
    moduleHandle_ = module;
    WindowClassName = windowClassName;
}
void TSkinForm::AttachToForm(TSkinData* skinData, TCustomForm* form) {
    skinData_ = skinData;
    formControl_ = TComponentRef<TCustomForm>(form);
}
void TSkinForm::AttachToWindow(TSkinData* skinData) { skinData_ = skinData; }
void TSkinForm::Detach() {}
void TSkinForm::Reload() {}
void TSkinForm::SkinChangedRefresh() {}
TCustomForm* TSkinForm::FormControl() const { return formControl_.Get(); }
LRESULT TSkinForm::CallPrevious(UINT, WPARAM, LPARAM) { return 0; }
TFrameState TSkinForm::FrameState() const { return {}; }
POINT TSkinForm::ToWindowPoint(int x, int y) const { return {x, y}; }
