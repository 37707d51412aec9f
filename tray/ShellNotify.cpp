#include "tray/ShellNotify.h"

#include <shellapi.h>

#include <utility>

namespace {
ShellNotifyCall& InstalledCall() {
    static ShellNotifyCall call;
    return call;
}
}  // namespace

bool CallShellNotify(DWORD message, TrayNotifyIconData& data) {
    if (const ShellNotifyCall& call = InstalledCall()) return call(message, data);
    return Shell_NotifyIconA(message, reinterpret_cast<PNOTIFYICONDATAA>(&data)) != FALSE;
}

ShellNotifyCall SetShellNotifyCall(ShellNotifyCall call) {
    return std::exchange(InstalledCall(), std::move(call));
}
