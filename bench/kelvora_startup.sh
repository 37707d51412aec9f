#!/usr/bin/env bash
# Kelvora.exe under Wine (needs a display and the prefix; `make bench` and
# tools/startup-bench.sh provide both):
#  - its size;
#  - process start to the first paint of the main window (to its first skinned paint once
#    the program is skinned), against a minimal Win32 window program built with the same
#    flags, alternating, ROUNDS times (startup_bench.exe); with KELVORA_BASELINE=PATH (another
#    build of Kelvora.exe) that one is started in every round too, for a comparison under
#    the same load.
# Idle cost is bench/kelvora_idle.sh's.
source "$(dirname "$0")/../tools/program-env.sh"
ROUNDS="${KELVORA_BENCH_ROUNDS:-5}"
require "$W/Kelvora.exe" "$W/minimal_window.exe" "$W/startup_bench.exe"
[ -f "$KELVORA_BUILD/win32/Kelvora.exe" ] && echo "Kelvora.exe (i686, shipped): $(stat -c %s "$KELVORA_BUILD/win32/Kelvora.exe") bytes"
echo "Kelvora.exe ($KELVORA_WINE_ARCH, measured): $(stat -c %s "$W/Kelvora.exe") bytes"
"$WINE" "$W/startup_bench.exe" "$(winpath "$W/Kelvora.exe")" "$(winpath "$W/minimal_window.exe")" "$ROUNDS" \
    ${KELVORA_BASELINE:+"$(winpath "$KELVORA_BASELINE")"}
