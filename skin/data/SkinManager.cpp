#include "skin/data/SkinManager.h"

#include <algorithm>

#include "framework/Controls.h"
#include "framework/ExtCtrls.h"
#include "framework/Forms.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/SkinMenus.h"
#include "skin/data/SkinData.h"
#include "skin/data/SkinRules.h"
#include "skin/form/SkinForm.h"

namespace {

std::unique_ptr<TSkinManager> g_manager;
int g_finishCookie = 0;
bool g_shuttingDown = false;

constexpr unsigned kTimerIntervalMs = 100;
constexpr LPARAM kAttachedCookie = 1000;

std::string WindowClass(HWND window) {
    char name[101] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

bool AnswersQuery(HWND window) { return SendMessageA(window, SKINMSG_QUERY, 0, 0) == 1; }

// The window of a framework control when it has one (never makes one).
HWND WindowOf(TComponent* component) {
    auto* control = dynamic_cast<TWinControl*>(component);
    return control && control->HandleAllocated() ? control->Handle() : nullptr;
}

}  // namespace

bool SkinManagerShuttingDown() { return g_shuttingDown; }

TSkinManager* TSkinManager::Instance() { return g_manager.get(); }

TSkinManager& TSkinManager::Create() {
    if (!g_manager) {
        g_shuttingDown = false;
        g_manager = std::make_unique<TSkinManager>();
        // The manager goes when the application finishes, before any window is destroyed.
        g_finishCookie = Application->AddFinishHandler([] {
            g_finishCookie = 0;
            Destroy();
        });
    }
    return *g_manager;
}

void TSkinManager::Destroy() {
    if (g_finishCookie) Application->RemoveFinishHandler(std::exchange(g_finishCookie, 0));
    g_manager.reset();
}

TSkinManager::TSkinManager() : timer_(MakeUnowned<TTimer>()) {
    timer_->SetEnabled(false);
    timer_->SetInterval(kTimerIntervalMs);
    timer_->OnTimer = [this](TObject*) { RunPendingAction(); };
}

TSkinManager::~TSkinManager() {
    StartState = kBeingDestroyed;
    SkinningOn = false;
    timer_.reset();
    while (!formSkinners_.empty()) {
        TUnowned<TSkinForm> skinner = std::move(formSkinners_.front());
        formSkinners_.erase(formSkinners_.begin());
        if (skinner) skinner->Detach();
    }
    FreePopupSkinners();
    skinDataList_.clear();
    hook_.reset();
    g_shuttingDown = true;
}

void TSkinManager::InstallHook() {
    if (hook_) return;
    hook_.reset(SetWindowsHookExA(WH_CBT, &TSkinManager::CbtProc, nullptr, GetCurrentThreadId()));
}

LRESULT CALLBACK TSkinManager::CbtProc(int code, WPARAM wParam, LPARAM lParam) {
    TSkinManager* manager = g_manager.get();
    if (code >= 0 && !g_shuttingDown && manager) {
        HWND window = reinterpret_cast<HWND>(wParam);
        // No exception may cross into the system's code: it goes to the error box.
        try {
            switch (code) {
                case HCBT_CREATEWND: manager->OnCreateWindow(window, *reinterpret_cast<CBT_CREATEWNDA*>(lParam)); break;
                case HCBT_DESTROYWND: manager->OnDestroyWindow(window); break;
                case HCBT_ACTIVATE: manager->OnActivate(window); break;
                default: break;
            }
        } catch (const std::exception& e) {
            Application->HandleException(e);
        }
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

void TSkinManager::OnCreateWindow(HWND window, const CBT_CREATEWNDA& create) {
    const LONG style = create.lpcs->style;
    const std::string className = WindowClass(window);
    // A size grip ("ScrollBar" with SBS_SIZEGRIP) is classified as a bare window by its
    // parent's form skinner; nothing takes it until the control skinners exist.
    if (!(style & WS_CHILD) && className == "#32768" && !FindPopupSkinner(window)) {
        if (TSkinData* data = PopupMenuQualifies(window)) {
            popupSkinners_.push_back(std::make_unique<TSkinPopupMenu>());
            TSkinPopupMenu& skinner = *popupSkinners_.back();
            skinner.Attach(window, data, nullptr);
            skinner.Drawn = PopupFlag;
        }
    }
    if (create.lpcs->dwExStyle & WS_EX_MDICHILD) SkinWindow(window);
}

TSkinData* TSkinManager::PopupMenuQualifies(HWND window) const {
    if (!SkinningOn || AnswersQuery(window)) return nullptr;
    TSkinData* data = ChooseSkinData(window);
    if (!data || data->NoSkinLoaded() || !PopupKindAllowed(PopupKind, data->SkinControls)) return nullptr;
    return data;
}

void TSkinManager::OnDestroyWindow(HWND window) {
    // Form skinners mark themselves finished at WM_NCDESTROY and are purged later; a popup
    // skinner goes with its window, and the last one resets what the next menu is.
    for (size_t i = 0; i < popupSkinners_.size(); ++i) {
        if (popupSkinners_[i]->Window() != window) continue;
        std::unique_ptr<TSkinPopupMenu> skinner = std::move(popupSkinners_[i]);
        popupSkinners_.erase(popupSkinners_.begin() + static_cast<std::ptrdiff_t>(i));
        skinner->Detach();
        if (popupSkinners_.empty()) {
            PopupKind = pkPopupMenu;
            PopupFlag = 0;
        }
        break;
    }
}

void TSkinManager::FreePopupSkinners() {
    while (!popupSkinners_.empty()) {
        std::unique_ptr<TSkinPopupMenu> skinner = std::move(popupSkinners_.back());
        popupSkinners_.pop_back();
        skinner->Detach();
    }
}

TSkinPopupMenu* TSkinManager::FindPopupSkinner(HWND window) const {
    for (const auto& skinner : popupSkinners_)
        if (skinner->Window() == window) return skinner.get();
    return nullptr;
}

TSkinPopupMenu* TSkinManager::PopupSkinnerOf(HMENU menu) const {
    if (!menu) return nullptr;
    for (const auto& skinner : popupSkinners_)
        if (skinner->Menu == menu) return skinner.get();
    return nullptr;
}

void TSkinManager::MarkPopupsDrawn() {
    for (auto& skinner : popupSkinners_) skinner->Drawn = 1;
}

void TSkinManager::AssignMenuHandle(HMENU menu) {
    // A menu already shown keeps its skinner: an item of an open parent menu drawn again
    // (the pointer moving back to it) must not hand its handle to a newer submenu's.
    if (!menu || PopupSkinnerOf(menu)) return;
    for (size_t i = popupSkinners_.size(); i-- > 0;) {
        if (popupSkinners_[i]->Menu) continue;
        popupSkinners_[i]->Menu = menu;
        return;
    }
}

void TSkinManager::OnActivate(HWND window) {
    if (StartState == kNotStarted) StartState = kStarted;
    SkinWindow(window);
}

void TSkinManager::Register(TSkinData* data) {
    if (!data || std::find(skinDataList_.begin(), skinDataList_.end(), data) != skinDataList_.end()) return;
    skinDataList_.push_back(data);
    if (!MainSkinData && data->FormScope == sfMainform) MainSkinData = data;
}

void TSkinManager::Unregister(TSkinData* data) {
    skinDataList_.erase(std::remove(skinDataList_.begin(), skinDataList_.end(), data), skinDataList_.end());
    if (MainSkinData == data) MainSkinData = nullptr;
    // Nothing may keep using a component that is going: a pending action for it is
    // dropped and its form skinners give their windows back.
    if (CurrentSkinData == data) CurrentSkinData = nullptr;
    for (size_t i = formSkinners_.size(); i-- > 0;) {
        if (i >= formSkinners_.size() || !formSkinners_[i] || formSkinners_[i]->SkinData() != data) continue;
        FreeFormSkinner(i, true);
    }
}

void TSkinManager::Schedule(TSkinAction action, unsigned delayMs) {
    PendingAction = action;
    if (!timer_) return;
    timer_->SetInterval(delayMs);
    if (StartState != kNotStarted) {
        timer_->SetEnabled(true);
    } else if (action == saSkinAll || action == saUnskinAll) {
        SkinningOn = action == saSkinAll;
    }
}

void TSkinManager::FreeFormSkinner(size_t index, bool detach) {
    TUnowned<TSkinForm> skinner = std::move(formSkinners_[index]);
    formSkinners_.erase(formSkinners_.begin() + static_cast<std::ptrdiff_t>(index));
    if (MdiFrame == skinner.get()) MdiFrame = nullptr;
    if (skinner && detach) skinner->Detach();
}

bool TSkinManager::SkinWindow(HWND window) {
    if (!SkinningOn || !window) return false;
    PurgeFormSkinners();
    if (AnswersQuery(window) || FindFormSkinner(window)) return false;

    TWinControl* control = nullptr;
    for (int i = 0; i < Screen->FormCount() && !control; ++i) {
        TCustomForm* f = Screen->Forms(i);
        if (f->HandleAllocated() && f->Handle() == window) control = f;
    }
    if (!control) control = FindControl(window);

    TSkinWindowFacts facts;
    facts.className = WindowClass(window);
    facts.hasForm = control != nullptr;
    facts.formTag = control ? control->Tag() : 0;
    const LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    const LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    facts.childStyle = (style & WS_CHILD) != 0;
    facts.mdiChild = (exStyle & WS_EX_MDICHILD) != 0;
    if (facts.childStyle) facts.parentClass = WindowClass(GetParent(window));
    facts.enumerating = EnumeratingForms;
    const HMODULE module = ModuleHandle() ? ModuleHandle() : GetModuleHandleA(nullptr);
    facts.ownModule = reinterpret_cast<HMODULE>(GetWindowLongPtrA(window, GWLP_HINSTANCE)) == module;
    RECT bounds{};
    GetWindowRect(window, &bounds);
    facts.hasArea = bounds.right > bounds.left && bounds.bottom > bounds.top;
    if (!WindowQualifies(facts) || !WindowFilter(window, facts.className)) return false;

    TSkinData* data = ChooseSkinData(window);
    if (!data || data->NoSkinLoaded()) return false;

    formSkinners_.push_back(MakeUnowned<TSkinForm>());
    TSkinForm* skinner = formSkinners_.back().get();
    skinner->SetWindow(window, ModuleHandle(), facts.className);
    if (auto* form = dynamic_cast<TCustomForm*>(control))
        skinner->AttachToForm(data, form);
    else
        skinner->AttachToWindow(data);
    PostMessageA(window, SKINMSG_ATTACHED, 0, kAttachedCookie);
    return true;
}

void TSkinManager::SkinForm(TCustomForm* form) {
    if (!form || !form->Visible() || !form->HandleAllocated()) return;
    if (GetWindowLongPtrA(form->Handle(), GWL_STYLE) & WS_CHILD) return;
    SkinWindow(form->Handle());
}

TSkinForm* TSkinManager::FindFormSkinner(HWND window) const {
    for (const auto& skinner : formSkinners_)
        if (skinner && skinner->WindowHandle() == window) return skinner.get();
    return nullptr;
}

TSkinData* TSkinManager::ChooseSkinData(HWND window) const {
    std::vector<TSkinDataFact> facts;
    facts.reserve(skinDataList_.size());
    for (TSkinData* data : skinDataList_) {
        HWND ownerWindow = WindowOf(data->Owner());
        facts.push_back({data->FormScope, ownerWindow && ownerWindow == window});
    }
    const int index = ChooseSkinDataIndex(facts, WindowClass(window));
    return index < 0 ? nullptr : skinDataList_[static_cast<size_t>(index)];
}

bool TSkinManager::WindowFilter(HWND window, const std::string& className) const {
    if (!MainSkinData) return true;
    const auto style = static_cast<uint32_t>(GetWindowLongPtrA(window, GWL_STYLE));
    if (!WindowClassAllowed(MainSkinData->Options, className, style)) return false;
    bool doSkin = true;
    MainSkinData->FormSkinFilter(window, className, doSkin);
    return doSkin;
}

void TSkinManager::PurgeFormSkinners() {
    if (StartState == kBeingDestroyed) return;
    for (size_t i = formSkinners_.size(); i-- > 0;)
        if (i < formSkinners_.size() && (!formSkinners_[i] || formSkinners_[i]->SkinState == ssDestroyed))
            FreeFormSkinner(i, false);
}

void TSkinManager::Reload(TSkinData* data) {
    for (size_t i = 0; i < formSkinners_.size(); ++i)
        if (formSkinners_[i] && formSkinners_[i]->SkinData() == data) formSkinners_[i]->Reload();
}

void TSkinManager::ForgetFormSkinner(TSkinForm* skinner) {
    for (size_t i = 0; i < formSkinners_.size(); ++i) {
        if (formSkinners_[i].get() != skinner) continue;
        // It is being destroyed already: drop the entry without freeing it again.
        (void)formSkinners_[i].release();
        formSkinners_.erase(formSkinners_.begin() + static_cast<std::ptrdiff_t>(i));
        break;
    }
    if (MdiFrame == skinner) MdiFrame = nullptr;
}

void TSkinManager::RunPendingAction() {
    if (timer_) timer_->SetEnabled(false);
    TSkinData* data = CurrentSkinData;
    if (!data) return;
    const TSkinAction action = PendingAction;
    if (action == saReskinWindow) {
        ReskinPendingWindow();
        return;
    }
    if (data->FormScope == sfOnlyThisForm)
        RunFormAction(action, data);
    else
        RunGlobalAction(action, data);
    if (action == saSkinAll || action == saUnskinAll || action == saSkinUpdate || action == saPurgeForms) {
        // The component may have gone while the action ran.
        if (CurrentSkinData == data) data->NotifySkinChanged();
        CurrentSkinData = nullptr;
    }
}

void TSkinManager::RunFormAction(TSkinAction action, TSkinData* data) {
    switch (action) {
        case saSkinAll: {
            SkinningOn = true;
            EnumeratingForms = true;
            for (int i = Screen->FormCount() - 1; i >= 0; --i) {
                if (Screen->Forms(i) != data->Owner()) continue;
                SkinForm(Screen->Forms(i));
                break;
            }
            EnumeratingForms = false;
            break;
        }
        case saUnskinAll:
            SkinningOn = false;
            PurgeFormSkinners();
            for (size_t i = formSkinners_.size(); i-- > 0;) {
                if (formSkinners_[i] && formSkinners_[i]->SkinData() == data) {
                    FreeFormSkinner(i, true);
                    break;
                }
            }
            break;
        case saSkinUpdate:
            PurgeFormSkinners();
            for (auto& skinner : formSkinners_) {
                if (!skinner || skinner->SkinData() != data) continue;
                skinner->Reload();
                skinner->SkinChangedRefresh();
                break;
            }
            break;
        case saPurgeForms: FreeFinishedSkinners(); break;
        default: break;
    }
}

void TSkinManager::RunGlobalAction(TSkinAction action, TSkinData* data) {
    switch (action) {
        case saSkinAll:
            SkinningOn = true;
            EnumeratingForms = true;
            PurgeFormSkinners();
            for (int i = Screen->FormCount() - 1; i >= 0; --i)
                if (i < Screen->FormCount()) SkinForm(Screen->Forms(i));
            EnumeratingForms = false;
            break;
        case saUnskinAll:
            SkinningOn = false;
            PurgeFormSkinners();
            while (!formSkinners_.empty()) FreeFormSkinner(0, true);
            break;
        case saSkinUpdate: {
            PurgeFormSkinners();
            std::vector<TSkinForm*> updated;
            for (auto& skinner : formSkinners_) {
                if (!skinner || skinner->SkinData() != data) continue;
                skinner->Reload();
                updated.push_back(skinner.get());
            }
            for (TSkinForm* skinner : updated)
                if (IsFormSkinner(skinner)) skinner->SkinChangedRefresh();
            break;
        }
        case saPurgeForms: FreeFinishedSkinners(); break;
        default: break;
    }
}

void TSkinManager::ReskinPendingWindow() {
    HWND window = PendingWindow;
    TSkinForm* skinner = FindFormSkinner(window);
    if (!skinner) return;
    skinner->Detach();
    skinner->MarkFinished();
    PurgeFormSkinners();
    SkinWindow(window);
}

void TSkinManager::FreeFinishedSkinners() {
    for (size_t i = formSkinners_.size(); i-- > 0;)
        if (i < formSkinners_.size() && formSkinners_[i] && formSkinners_[i]->SkinState == ssDestroyed)
            FreeFormSkinner(i, false);
}

bool TSkinManager::IsFormSkinner(const TSkinForm* skinner) const {
    return std::any_of(formSkinners_.begin(), formSkinners_.end(),
                       [skinner](const TUnowned<TSkinForm>& s) { return s.get() == skinner; });
}
