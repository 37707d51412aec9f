#include "tray/TrayHandler.h"

#include "tray/ShellNotify.h"
#include "framework/UtilWindow.h"

#include <shlwapi.h>

#include <algorithm>
#include <memory>
#include <vector>

namespace {

class TTrayIconHandler {
public:
    TTrayIconHandler() : window_([this](TMessage& m) { return HandleMessage(m); }) {}

    uint32_t UserCount = 0;
    std::vector<TrayNotifyTarget*> targets;

    HWND HandlerWindow() const { return window_.Handle(); }

private:
    bool HandleMessage(TMessage& m) {
        switch (m.Msg) {
        case TrayCallbackMessage:
            Dispatch(static_cast<uint32_t>(m.WParam), static_cast<uint32_t>(m.LParam));
            return true;
        // The hidden window stays until the last tray icon goes: requests to close it or
        // end the session are answered and otherwise ignored.
        case WM_QUERYENDSESSION:
        case WM_ENDSESSION:
        case WM_CLOSE:
        case WM_QUIT:
        case WM_DESTROY:
        case WM_NCDESTROY:
            m.Result = 1;
            return true;
        default:
            return false;
        }
    }

    void Dispatch(uint32_t uid, uint32_t code) {
        auto it = std::find_if(targets.begin(), targets.end(),
                               [uid](TrayNotifyTarget* t) { return t->IconUid() == uid; });
        if (it != targets.end()) (*it)->HandleTrayNotification(code);
    }

    UtilWindow window_;
};

std::unique_ptr<TTrayIconHandler> TrayHandlerInstance;  // destroyed at module end
uint32_t lastIconUid = 0;

bool CommonControlsAtLeast471() {
    HMODULE comctl = LoadLibraryA("comctl32.dll");
    if (!comctl) return false;
    bool recent = false;
    using GetVersionFn = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    auto getVersion = reinterpret_cast<GetVersionFn>(
        reinterpret_cast<void*>(GetProcAddress(comctl, "DllGetVersion")));
    if (getVersion) {
        DLLVERSIONINFO info{};
        info.cbSize = sizeof info;
        if (SUCCEEDED(getVersion(&info)))
            recent = info.dwMajorVersion > 4 || (info.dwMajorVersion == 4 && info.dwMinorVersion >= 71);
    }
    FreeLibrary(comctl);
    return recent;
}

const UINT taskbarCreatedMsg =
    CommonControlsAtLeast471() ? RegisterWindowMessageA("TaskbarCreated") : 0;

}  // namespace

HWND AcquireTrayHandler(TrayNotifyTarget* target) {
    if (!TrayHandlerInstance) TrayHandlerInstance = std::make_unique<TTrayIconHandler>();
    ++TrayHandlerInstance->UserCount;
    TrayHandlerInstance->targets.push_back(target);
    return TrayHandlerInstance->HandlerWindow();
}

void ReleaseTrayHandler(TrayNotifyTarget* target) {
    if (!TrayHandlerInstance) return;
    auto& targets = TrayHandlerInstance->targets;
    targets.erase(std::remove(targets.begin(), targets.end(), target), targets.end());
    if (TrayHandlerInstance->UserCount > 0) --TrayHandlerInstance->UserCount;
    if (TrayHandlerInstance->UserCount == 0) TrayHandlerInstance.reset();
}

HWND TrayHandlerWindow() { return TrayHandlerInstance ? TrayHandlerInstance->HandlerWindow() : nullptr; }
uint32_t TrayHandlerUserCount() { return TrayHandlerInstance ? TrayHandlerInstance->UserCount : 0; }
uint32_t NewTrayIconUid() { return ++lastIconUid; }
UINT TaskbarCreatedMessage() { return taskbarCreatedMsg; }
