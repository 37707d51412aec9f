// Gives the controls of a skinned window their skinners. The decisions are the portable
// ones of ControlKinds.h; this side gathers a control's facts and carries out the steps.
#include "skin/controls/Classify.h"

#include <string>
#include <vector>

#include "framework/ComCtrls.h"
#include "framework/Controls.h"
#include "framework/Forms.h"
#include "framework/Menus.h"
#include "framework/PrivateMessages.h"
#include "framework/Properties.h"
#include "skin/controls/ControlKinds.h"
#include "skin/controls/SkinButtons.h"
#include "skin/controls/SkinMenus.h"
#include "skin/controls/SkinHeader.h"
#include "skin/controls/SkinScrollBars.h"
#include "skin/controls/SkinnerFactory.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

namespace {

using K = TSkinnerKind;
using S = TClassifyStep;

std::string UpperAscii(std::string s) {
    for (char& c : s)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return s;
}

std::vector<std::string> ClassKindLines(const TSkinData& data) {
    std::vector<std::string> lines;
    const TStringList& list = data.ClassKinds();
    lines.reserve(static_cast<size_t>(list.Count()));
    for (int i = 0; i < list.Count(); ++i) lines.push_back(list[i]);
    return lines;
}

TControlFacts ControlFacts(const TSkinData& data, TControl* control, const std::vector<std::string>& lines) {
    TControlFacts f;
    f.ClassName = control->ClassName();
    for (const TClassInfo* c = &control->ClassType(); c; c = c->Parent()) f.Lineage.push_back(c->Name());
    auto* win = dynamic_cast<TWinControl*>(control);
    f.Windowed = win != nullptr;
    if (win && win->HandleAllocated()) {
        const HWND h = win->Handle();
        f.Style = static_cast<uint32_t>(GetWindowLongPtrA(h, GWL_STYLE));
        RECT w{}, c{};
        GetWindowRect(h, &w);
        GetClientRect(h, &c);
        f.Framed = (w.right - w.left) != (c.right - c.left) || (w.bottom - w.top) != (c.bottom - c.top);
    }
    if (auto* page = dynamic_cast<TPageControl*>(control)) f.PageControlTabs = page->Style() == tsTabs;
    if (IsPublishedProp(control, "Kind")) f.KindProperty = GetPropValue(control, "Kind");
    if (IsPublishedProp(control, "NumButtons")) f.NumButtons = GetOrdProp(control, "NumButtons");
    f.Controls = data.SkinControls;
    f.TabsElement = data.Skin().Tabs != nullptr;
    f.ClassKinds = &lines;
    return f;
}

// The skinner of kind on a framework control through the attach path its class needs.
// Nothing when the control has one already or this build has no skinner of the kind.
TSkinControl* AttachKind(TSkinForm& form, TControl* control, K kind, bool setColour, bool transparent) {
    if (!control || form.FindSkinnerOf(control)) return nullptr;
    auto* win = dynamic_cast<TWinControl*>(control);
    const bool speed = kind == K::SpeedButton || kind == K::PngSpeedButton;
    if (!win && !speed) return nullptr;  // every other skinner needs a window
    TSkinControl* skinner = CreateSkinner(kind, control);
    if (!skinner) return nullptr;
    if (transparent && IsPublishedProp(control, "Transparent")) SetPropValue(control, "Transparent", "True");
    TSkinData* data = form.SkinData();
    if (speed && !win) {
        static_cast<TSkinSpeedButton*>(skinner)->AttachGraphic(data, &form, nullptr);
    } else if (kind == K::ScrollBar || kind == K::SingleScrollBar) {
        static_cast<TSkinScrollbar*>(skinner)->AttachScroll(win, data, &form, nullptr);
    } else if (kind == K::ScrollControl) {
        static_cast<TSkinScControl*>(skinner)->AttachScrollControl(win, data, &form, nullptr);
    } else {
        skinner->Attach(&form, data, setColour, nullptr);
    }
    return skinner;
}

// A skinner of kind owned by the form skinner on a window without a framework object.
void AttachBareKind(TSkinForm& form, HWND window, K kind) {
    if (!window || !IsWindow(window) || form.FindSkinner(window)) return;
    TSkinControl* skinner = CreateSkinner(kind, &form);
    if (skinner) skinner->AttachWindow(window, form.SkinData(), &form, nullptr);
}

void ComponentsPass(TSkinForm& form, TCustomForm* parentForm) {
    for (int i = 0; i < parentForm->ComponentCount(); ++i)
        if (auto* control = dynamic_cast<TControl*>(parentForm->Components(i))) ClassifyControl(form, control, parentForm);
    // The form's menus get owner-drawn items: popup menus and the menu bar's popups.
    TSkinData* data = form.SkinData();
    for (int i = 0; i < parentForm->ComponentCount(); ++i) {
        TComponent* c = parentForm->Components(i);
        if (auto* popup = dynamic_cast<TPopupMenu*>(c)) {
            if (SkinHas(data->SkinControls, xcPopupMenu)) InstallMenuItemHandlers(*popup, data);
        } else if (auto* bar = dynamic_cast<TMainMenu*>(c)) {
            if (SkinHas(data->SkinControls, xcMainMenu)) InstallMenuItemHandlers(*bar, data);
        }
    }
}

void TabOrderPass(TSkinForm& form, TCustomForm* parentForm) {
    std::vector<TWinControl*> list;
    parentForm->GetTabOrderList(list);
    const int disableTag = form.SkinData()->DisableTag;
    for (TWinControl* control : list) {
        if (!control->HandleAllocated() || control->Tag() == disableTag) continue;
        const HWND h = control->Handle();
        if (SendMessageA(h, SKINMSG_QUERY, 0, 0) == 1 || form.FindSkinner(h)) continue;
        ClassifyControl(form, control, parentForm);
    }
}

void Act(TSkinForm& form, TControl* control, const TClassifyActions& actions) {
    auto* win = dynamic_cast<TWinControl*>(control);
    bool transparent = false;
    for (const TClassifyAction& a : actions) {
        switch (a.Step) {
            case S::Attach: AttachKind(form, control, a.Kind, a.SetColour, transparent); break;
            case S::AttachBare:
                if (win) AttachBareKind(form, win->Handle(), a.Kind);
                break;
            case S::SetTransparent: transparent = true; break;
            case S::WalkChildren:
                if (win) WalkChildren(form, win);
                break;
            case S::EachChild:
            case S::EachScrollingChild: {
                if (!win) break;
                const TSkinData& data = *form.SkinData();
                const std::vector<std::string> noLines;
                for (int i = 0; i < win->ControlCount(); ++i) {
                    TControl* child = win->Controls(i);
                    if (a.Step == S::EachScrollingChild && !HasScrollBars(ControlFacts(data, child, noLines))) continue;
                    AttachKind(form, child, a.Kind, a.SetColour, false);
                }
                break;
            }
            case S::ComponentsPass:
                if (auto* embedded = dynamic_cast<TCustomForm*>(control)) ComponentsPass(form, embedded);
                break;
            default: break;  // the bare-window steps do not occur for framework controls
        }
    }
}

void ActOnWindow(TSkinForm& form, HWND window, const TClassifyActions& actions) {
    for (const TClassifyAction& a : actions) {
        switch (a.Step) {
            case S::Attach: AttachBareKind(form, window, a.Kind); break;
            case S::AttachFirstChild: AttachBareKind(form, GetWindow(window, GW_CHILD), a.Kind); break;
            case S::WalkBareChildren: WalkBareChildren(form, window); break;
            case S::FaceColour:
                if (TWinControl* control = FindControl(window)) control->SetColor(form.SkinData()->Skin().ButtonFace());
                break;
            default: break;
        }
    }
}

}  // namespace

void SkinFormControls(TSkinForm& form, TCustomForm* parentForm) {
    if (!parentForm || !form.SkinData()) return;
    ComponentsPass(form, parentForm);
    TabOrderPass(form, parentForm);
}

void ClassifyControl(TSkinForm& form, TControl* control, TCustomForm* parentForm) {
    TSkinData* data = form.SkinData();
    if (!control || !data) return;
    if (dynamic_cast<TScrollOverlay*>(control)) return;  // a part of a skinner, not a control to skin
    auto* win = dynamic_cast<TWinControl*>(control);
    if (control->Tag() == data->DisableTag) {
        // A disabled radio or check group keeps its buttons plain too.
        if (win && win->ControlCount() > 0 && DisablesChildren(control->ClassName()))
            for (int i = 0; i < win->ControlCount(); ++i) win->Controls(i)->SetTag(data->DisableTag);
        return;
    }
    if (!control->Parent() || control->Perform(SKINMSG_QUERY) == 1 || form.FindSkinnerOf(control)) return;
    const std::string upper = UpperAscii(control->ClassName());
    if (win && !win->HandleAllocated()) {
        try {
            win->HandleNeeded();
        } catch (...) {
            return;  // a control that cannot have its window stays plain
        }
    }
    if (data->OnSkinControl) {
        TComponent* skinned = nullptr;
        data->OnSkinControl(&form, data, parentForm, control, upper, skinned);
        if (skinned) {
            auto* skinner = dynamic_cast<TSkinControl*>(skinned);
            bool listed = false;
            for (TSkinControl* s : form.Skinners()) listed = listed || s == skinner;
            if (skinner && !listed) {
                skinner->Attach(&form, data, skinner->SetColour != 0, nullptr);
                if (win && control->InheritsFrom("TCustomPanel")) WalkChildren(form, win);
            }
            return;
        }
    }
    const std::vector<std::string> lines = ClassKindLines(*data);
    Act(form, control, DecideControl(ControlFacts(*data, control, lines)).Actions);
    // A list view's column header is a window of its own: it gets its own skinner.
    if (win) SkinListViewHeader(form, win);
}

void WalkChildren(TSkinForm& form, TWinControl* control) {
    if (!control) return;
    TCustomForm* parentForm = GetParentForm(control);
    for (int i = 0; i < control->ControlCount(); ++i) ClassifyControl(form, control->Controls(i), parentForm);
}

void ClassifyWindow(TSkinForm& form, HWND window) {
    if (!window || !IsWindow(window) || form.FindSkinner(window) || !form.SkinData()) return;
    char name[101] = {};
    GetClassNameA(window, name, sizeof name);
    TWindowFacts facts;
    facts.ClassName = name;
    facts.Style = static_cast<uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
    facts.Controls = form.SkinData()->SkinControls;
    ActOnWindow(form, window, DecideWindow(facts));
}

void WalkBareChildren(TSkinForm& form, HWND window) {
    // The children as they stand now, top of the z-order first: skinners may add windows.
    std::vector<HWND> children;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
        if (GetWindowLongPtrA(child, GWL_STYLE) & WS_CHILD) children.push_back(child);
    for (HWND child : children) ClassifyWindow(form, child);
}

TSkinControl* ReskinScrollControl(TSkinForm& form, HWND handle, bool listView) {
    TWinControl* control = FindControl(handle);
    if (!control || !form.SkinData()) return nullptr;
    return AttachKind(form, control, listView ? K::ListView : K::ScrollBar, false, false);
}
