#include "tray/ShellNotify.h"

#include <shellapi.h>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {
ShellNotifyCall& InstalledCall() {
    static ShellNotifyCall call;
    return call;
}

TrayShellMemory& ProcessShellMemory() {
    static TrayShellMemory memory([](DWORD message, const TrayNotifyIconData& data) {
        auto* record = const_cast<PNOTIFYICONDATAA>(reinterpret_cast<const NOTIFYICONDATAA*>(&data));
        return Shell_NotifyIconA(message, record) != FALSE;
    });
    return memory;
}
}  // namespace

bool CallShellNotify(DWORD message, TrayNotifyIconData& data) {
    if (const ShellNotifyCall& call = InstalledCall()) return call(message, data);
    return ProcessShellMemory().Call(message, data);
}

ShellNotifyCall SetShellNotifyCall(ShellNotifyCall call) {
    return std::exchange(InstalledCall(), std::move(call));
}

void ForgetTrayShellState() { ProcessShellMemory().Forget(); }

TrayShellMemory::TrayShellMemory(ShellNotifyCall shell) : shell_(std::move(shell)) {}

TrayShellMemory::Icon* TrayShellMemory::Find(const TrayNotifyIconData& data) {
    for (Icon& icon : icons_)
        if (icon.window == data.hWnd && icon.id == data.uID) return &icon;
    return nullptr;
}

bool TrayShellMemory::Call(DWORD message, const TrayNotifyIconData& data) {
    Icon* icon = Find(data);
    const bool absent = !icon;
    const bool shown = icon && icon->state == Known::Shown;
    switch (message) {
        case TrayNim::Add:
            if (shown) return false;
            break;
        case TrayNim::Modify:
            if (absent) return false;
            if (shown && std::memcmp(&icon->accepted, &data, sizeof data) == 0) return true;
            break;
        case TrayNim::Delete:
            if (absent) return false;
            break;
        default: return shell_(message, data);
    }
    const bool ok = shell_(message, data);
    if (message == TrayNim::Delete && ok) {
        icons_.erase(icons_.begin() + (icon - icons_.data()));
        return ok;
    }
    if (!icon) {
        icons_.push_back(Icon{data.hWnd, data.uID, Known::Unknown, {}});
        icon = &icons_.back();
    }
    // An accepted add or modify leaves the icon shown with this record; a refused call
    // leaves the shell's state in doubt.
    icon->state = ok && message != TrayNim::Delete ? Known::Shown : Known::Unknown;
    if (icon->state == Known::Shown) icon->accepted = data;
    return ok;
}

void TrayShellMemory::Forget() {
    for (Icon& icon : icons_) icon.state = Known::Unknown;
}
