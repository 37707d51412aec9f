#!/usr/bin/env bash
# Makes this build tree's Wine prefix once: boots it, puts every process of the prefix
# on one shared virtual desktop (so Wine draws the frames, there is a taskbar with a
# notification area, and a test driver sees the program's windows) and turns off the
# crash dialog.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh"
stamp="$WINEPREFIX/.kelvora-ready"
[ -f "$stamp" ] && exit 0
mkdir -p "$WINEPREFIX"
"$WINE" wineboot -i >/dev/null 2>&1
wineserver -w
reg="$WINEPREFIX/kelvora.reg"
cat > "$reg" <<'REG'
REGEDIT4

[HKEY_CURRENT_USER\Software\Wine\Explorer]
"Desktop"="Default"

[HKEY_CURRENT_USER\Software\Wine\Explorer\Desktops]
"Default"="1024x768"

[HKEY_CURRENT_USER\Software\Wine\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_LOCAL_MACHINE\Software\Microsoft\Windows NT\CurrentVersion\AeDebug]
"Auto"="0"
"Debugger"=""
REG
"$WINE" regedit "$reg" >/dev/null 2>&1
wineserver -w
touch "$stamp"
