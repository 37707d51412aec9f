#pragma once
// The hidden window (TTrayIconHandler) that receives the notifications of every tray icon
// of the process, and hands each to the icon whose id it carries.
#include <windows.h>

#include <cstdint>

class TrayNotifyTarget {
public:
    virtual uint32_t IconUid() const = 0;
    virtual void HandleTrayNotification(uint32_t code) = 0;

protected:
    ~TrayNotifyTarget() = default;
};

// Registers a tray icon with the shared window, creating the window on first use, and
// returns the window.
HWND AcquireTrayHandler(TrayNotifyTarget* target);
// Unregisters it; the last one destroys the window.
void ReleaseTrayHandler(TrayNotifyTarget* target);

// The shared window, or nullptr when no tray icon exists.
HWND TrayHandlerWindow();
uint32_t TrayHandlerUserCount();

// A fresh icon id, unique among the process's tray icons (1, 2, ...).
uint32_t NewTrayIconUid();

// The "TaskbarCreated" message the shell broadcasts when it re-creates the taskbar,
// registered at start-up when the common controls are 4.71 or later; 0 otherwise.
UINT TaskbarCreatedMessage();
