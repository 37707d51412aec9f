#pragma once
// The shell's notification-icon record in the form with balloon fields (488 bytes in the
// 32-bit program), and the one door through which the tray icon calls Shell_NotifyIconA. Tests put a
// recorder in front of that door; the program calls the shell.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>

struct TrayNotifyIconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[128];
    DWORD dwState;
    DWORD dwStateMask;
    CHAR szInfo[256];
    UINT uVersion;  // shares its place with the balloon time-out
    CHAR szInfoTitle[64];
    DWORD dwInfoFlags;
};
#ifndef _WIN64
static_assert(sizeof(TrayNotifyIconData) == 488, "the shell expects the 488-byte record");
static_assert(offsetof(TrayNotifyIconData, szTip) == 24, "tip follows the icon handle");
static_assert(offsetof(TrayNotifyIconData, uVersion) == 416, "version after the balloon text");
#endif

namespace TrayNim {
constexpr DWORD Add = 0;        // NIM_ADD
constexpr DWORD Modify = 1;     // NIM_MODIFY
constexpr DWORD Delete = 2;     // NIM_DELETE
constexpr DWORD SetVersion = 4; // NIM_SETVERSION
}  // namespace TrayNim

// The callback message of every tray icon of the program.
constexpr UINT TrayCallbackMessage = WM_USER + 0x400;  // 0x0800

using ShellNotifyCall = std::function<bool(DWORD message, const TrayNotifyIconData& data)>;

// Calls the installed function, Shell_NotifyIconA unless a test replaced it.
bool CallShellNotify(DWORD message, TrayNotifyIconData& data);
// Replaces the function (an empty one restores Shell_NotifyIconA) and returns the old one.
ShellNotifyCall SetShellNotifyCall(ShellNotifyCall call);
