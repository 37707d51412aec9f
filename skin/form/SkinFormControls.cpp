// The form skinner's list of control skinners.
//
// The list holds plain pointers: each skinner is owned by its control (or, for a bare
// window, by this form skinner), registers itself when it attaches and unregisters in its
// destructor, so the list never holds a freed one however a skinner goes.
#include <algorithm>

#include "framework/Controls.h"
#include "framework/Forms.h"
#include "skin/controls/Classify.h"
#include "skin/controls/SkinControl.h"
#include "skin/form/SkinForm.h"

namespace {

// Frees a skinner through its owner; one without an owner cannot be here (skinners are
// always made for an owner), but is at least taken off the list.
void FreeSkinner(TSkinForm& form, TSkinControl* skinner) {
    if (!TComponent::Free(skinner)) form.UnregisterSkinner(skinner);
}

}  // namespace

void TSkinForm::RegisterSkinner(TSkinControl* skinner) {
    if (!skinner) return;
    if (std::find(skinners_.begin(), skinners_.end(), skinner) == skinners_.end()) skinners_.push_back(skinner);
}

void TSkinForm::UnregisterSkinner(TSkinControl* skinner) {
    skinners_.erase(std::remove(skinners_.begin(), skinners_.end(), skinner), skinners_.end());
}

TSkinControl* TSkinForm::FindSkinner(HWND window) const {
    if (!window) return nullptr;
    for (auto it = skinners_.rbegin(); it != skinners_.rend(); ++it)
        if ((*it)->Handle() == window) return *it;
    return nullptr;
}

TSkinControl* TSkinForm::FindSkinnerOf(const TControl* control) const {
    if (!control) return nullptr;
    for (auto it = skinners_.rbegin(); it != skinners_.rend(); ++it)
        if ((*it)->Control() == control || (*it)->GraphicControl == control) return *it;
    return nullptr;
}

void TSkinForm::SkinChildControls() {
    FreeFinishedSkinners();
    if (TCustomForm* form = FormControl())
        SkinFormControls(*this, form);
    else if (windowHandle_)
        WalkBareChildren(*this, windowHandle_);
}

void TSkinForm::FreeSkinners() {
    // Newest first; each free takes the skinner off the list (its destructor unregisters),
    // and the loop also ends should a free fail.
    while (!skinners_.empty()) {
        TSkinControl* skinner = skinners_.back();
        if (skinner->State != skDestroyed) skinner->Detach();
        // Detach may have freed it already (a skinner that lets go of its control).
        if (skinners_.empty() || skinners_.back() != skinner) continue;
        FreeSkinner(*this, skinner);
        UnregisterSkinner(skinner);
    }
}

void TSkinForm::FreeFinishedSkinners() {
    std::vector<TSkinControl*> finished;
    for (TSkinControl* skinner : skinners_)
        if (skinner->State == skDestroyed) finished.push_back(skinner);
    for (TSkinControl* skinner : finished) {
        // An earlier free may have taken this one with it (a skinner owning another).
        if (std::find(skinners_.begin(), skinners_.end(), skinner) == skinners_.end()) continue;
        FreeSkinner(*this, skinner);
    }
}

void TSkinForm::ReskinControl(HWND window) {
    TSkinControl* old = FindSkinner(window);
    if (!old) return;
    const bool listView = old->InheritsFrom("TSkinListView");
    FreeSkinner(*this, old);
    ReskinScrollControl(*this, window, listView);
}

void TSkinForm::ControlWindowCreated(TWinControl* control) {
    // Only while the controls are skinned: activation gives every control its skinner, and
    // a window being torn down takes no new ones.
    if (!Initialised || SkinState == ssDestroying || SkinState == ssDestroyed) return;
    FreeFinishedSkinners();
    if (!control || FindSkinnerOf(control) || FindSkinner(control->Handle())) return;
    ClassifyControl(*this, control, FormControl());
}
