#pragma once
// The shell's notification-icon record in the form with balloon fields (488 bytes in the
// 32-bit program), and the one door through which the tray icon calls Shell_NotifyIconA. Tests put a
// recorder in front of that door; the program calls the shell.
#include <windows.h>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <vector>

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

// Calls the installed function; unless a test replaced it, Shell_NotifyIconA through the
// process's TrayShellMemory.
bool CallShellNotify(DWORD message, TrayNotifyIconData& data);
// Replaces the function (an empty one restores Shell_NotifyIconA) and returns the old one.
ShellNotifyCall SetShellNotifyCall(ShellNotifyCall call);

// What the shell was told and answered about each icon (handler window and id) of the
// process. Each call goes to another process (the one that owns the taskbar), so a call
// whose answer is already known is answered here: the shell refuses to modify or delete an
// icon it does not have and to add one it has, and a modify that repeats the record last
// accepted changes nothing. An icon this process never added is absent; after a refused
// add or an unanswered call the state is unknown, and unknown icons always reach the shell.
class TrayShellMemory {
public:
    explicit TrayShellMemory(ShellNotifyCall shell);
    bool Call(DWORD message, const TrayNotifyIconData& data);
    // The shell re-created its taskbar: what it had is no longer known.
    void Forget();

private:
    enum class Known : uint8_t { Shown, Unknown };
    struct Icon {
        HWND window;
        UINT id;
        Known state;
        TrayNotifyIconData accepted;  // the last record the shell took, while Shown
    };
    Icon* Find(const TrayNotifyIconData& data);
    ShellNotifyCall shell_;
    std::vector<Icon> icons_;  // icons not in the list are absent
};

// The shell re-created its taskbar (the "TaskbarCreated" broadcast): the next calls for
// every icon reach the shell.
void ForgetTrayShellState();
