#pragma once
// The one process-wide skin manager. It learns about the windows of the UI thread through
// a WH_CBT hook, decides which top-level windows get a form skinner (TSkinForm) and which
// skin data component serves each, keeps the skinners, and carries out skinning
// everything, unskinning everything and applying a changed skin as deferred actions on a
// 100 ms timer.
//
// Start-up: the first skin data component's Loaded() creates the manager; the main one
// installs the hook and schedules SkinAll while nothing has started yet, which only turns
// SkinningOn; the main form then gets its skinner when it is first activated. The manager
// is freed when the application finishes, before any window is destroyed.
#include <windows.h>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "framework/Component.h"
#include "framework/Handles.h"

class TCustomForm;
class TSkinData;
class TSkinForm;
class TSkinPopupMenu;
class TTimer;

enum TSkinAction : int32_t {
    saNone = 0,
    saSkinAll = 1,
    saUnskinAll = 2,
    saSkinUpdate = 3,
    saPurgeForms = 6,
    saReskinWindow = 7,
};

// StartState values.
enum : int32_t { kNotStarted = 0, kStarted = 1, kBeingDestroyed = 4 };

// PopupKind values: what the menu window about to open is.
enum : int32_t { pkPopupMenu = 0, pkMainMenuDropDown = 1, pkSystemMenu = 2 };

class TSkinManager {
public:
    // The manager, or null before the first skin data component has made it.
    static TSkinManager* Instance();
    // The manager, made on first use (it then frees itself when the application finishes).
    static TSkinManager& Create();
    // Frees the manager: every form skinner is detached and freed, the hook removed.
    static void Destroy();

    TSkinManager();
    ~TSkinManager();
    TSkinManager(const TSkinManager&) = delete;
    TSkinManager& operator=(const TSkinManager&) = delete;

    // The WH_CBT hook for the current thread.
    void InstallHook();
    bool HookInstalled() const { return hook_.get() != nullptr; }

    void Register(TSkinData* data);
    void Unregister(TSkinData* data);
    const std::vector<TSkinData*>& SkinDataList() const { return skinDataList_; }

    // Sets the pending action. Once started the timer runs it after `delayMs`; before
    // that SkinAll and UnskinAll only switch SkinningOn.
    void Schedule(TSkinAction action, unsigned delayMs);
    // Attaches a form skinner when the window qualifies; true when one was attached.
    bool SkinWindow(HWND window);
    // SkinWindow for a visible form that is not a child window.
    void SkinForm(TCustomForm* form);
    TSkinForm* FindFormSkinner(HWND window) const;
    TSkinData* ChooseSkinData(HWND window) const;
    bool WindowFilter(HWND window, const std::string& className) const;
    // Drops entries that are gone and frees skinners marked finished.
    void PurgeFormSkinners();
    // Every form skinner using `data` reloads its skin.
    void Reload(TSkinData* data);
    // A form skinner tells the manager it is going away (its destructor).
    void ForgetFormSkinner(TSkinForm* skinner);
    const std::vector<TUnowned<TSkinForm>>& FormSkinners() const { return formSkinners_; }

    // Popup-menu skinners, one per open menu window, oldest first.
    const std::vector<std::unique_ptr<TSkinPopupMenu>>& PopupSkinners() const { return popupSkinners_; }
    TSkinPopupMenu* FindPopupSkinner(HWND window) const;
    // The skinner showing this menu handle, or null.
    TSkinPopupMenu* PopupSkinnerOf(HMENU menu) const;
    // An item was drawn: every popup skinner is marked drawn.
    void MarkPopupsDrawn();
    // Gives the menu handle to the newest popup skinner that has none yet, unless a skinner
    // shows that menu already.
    void AssignMenuHandle(HMENU menu);

    // State shared with the skinners.
    bool SkinningOn = false;
    bool EnumeratingForms = false;
    int32_t StartState = kNotStarted;
    int32_t PopupKind = pkPopupMenu;
    uint8_t PopupFlag = 0;
    TSkinAction PendingAction = saNone;
    HWND PendingWindow = nullptr;
    TSkinData* CurrentSkinData = nullptr;
    TSkinData* MainSkinData = nullptr;
    // MDI bookkeeping: the MDI client of the skinned MDI frame, and whether its children
    // show maximised.
    HWND MdiClient = nullptr;
    TSkinForm* MdiFrame = nullptr;
    bool MdiChildMaximised = false;
    // Null for the program's own manager (a manager made for another module has one).
    HMODULE ModuleHandle() const { return nullptr; }
    // Whether windows are hidden while they are skinned (they show again at activation).
    bool HidesWindowsWhileSkinning() const { return false; }
    // Counts windows being skinned (InitFrame tells the manager).
    void WindowBeingSkinned() { ++windowsSkinned_; }

    // The timer's tick: runs the pending action.
    void RunPendingAction();
    TTimer* Timer() const { return timer_.get(); }

private:
    static LRESULT CALLBACK CbtProc(int code, WPARAM wParam, LPARAM lParam);
    void OnCreateWindow(HWND window, const CBT_CREATEWNDA& create);
    void OnDestroyWindow(HWND window);
    void OnActivate(HWND window);
    // The skin data for the menu window about to open, when it gets a popup-menu skinner.
    TSkinData* PopupMenuQualifies(HWND window) const;
    void FreePopupSkinners();
    // Takes entry `index` out of the list and frees it (detached first when asked).
    void FreeFormSkinner(size_t index, bool detach);
    void FreeFinishedSkinners();
    bool IsFormSkinner(const TSkinForm* skinner) const;
    // The timer's actions for a component serving one form, and for all forms.
    void RunFormAction(TSkinAction action, TSkinData* data);
    void RunGlobalAction(TSkinAction action, TSkinData* data);
    void ReskinPendingWindow();

    TUnowned<TTimer> timer_;
    WindowsHookHandle hook_;
    // The manager owns every form skinner (none is owned by its form): a skinner outlives
    // its window until it is purged.
    std::vector<TUnowned<TSkinForm>> formSkinners_;
    std::vector<TSkinData*> skinDataList_;
    std::vector<std::unique_ptr<TSkinPopupMenu>> popupSkinners_;
    int windowsSkinned_ = 0;
};

// Set when the manager has been destroyed: the hook then only chains on.
bool SkinManagerShuttingDown();
