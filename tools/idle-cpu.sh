#!/usr/bin/env bash
# Idle processor use of Kelvora.exe under Wine: starts a copy, lets it settle, and counts
# the Linux process's user and system time over a span (Wine's own GetProcessTimes reports
# nothing useful here). Prints the share of one core.
#   tools/idle-cpu.sh [SECONDS]     (build first: make wintest BUILD=...)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export KELVORA_BUILD="${KELVORA_BUILD:-$ROOT/build}"
ARCH="${KELVORA_WINE_ARCH:-$(bash "$ROOT/tools/wine-arch.sh")}"
EXE="$KELVORA_BUILD/$ARCH/Kelvora.exe"
[ -f "$EXE" ] || { echo "idle-cpu: $EXE missing" >&2; exit 1; }
SPAN="${1:-10}"

measure() {
    source "$ROOT/tools/wine-env.sh"
    local dir
    dir="$(mktemp -d /tmp/kelvora-idle.XXXXXX)"
    cp "$EXE" "$dir/Kelvora.exe"
    "$WINE" "$dir/Kelvora.exe" &
    sleep 8
    local pid
    pid="$(pgrep -n -f "$dir/Kelvora.exe" || true)"
    [ -n "$pid" ] || { echo "idle-cpu: Kelvora.exe did not start" >&2; return 1; }
    local hz t0 t1 s0 s1
    hz="$(getconf CLK_TCK)"
    t0="$(awk '{print $14+$15}' "/proc/$pid/stat")"; s0="$(date +%s.%N)"
    sleep "$SPAN"
    t1="$(awk '{print $14+$15}' "/proc/$pid/stat")"; s1="$(date +%s.%N)"
    kill "$pid" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$dir"
    echo "Kelvora idle: $((t1 - t0)) ticks over ${SPAN} s = $(echo "scale=2; 100*($t1-$t0)/$hz/($s1-$s0)" | bc)% of one core"
}
export -f measure
export ROOT EXE SPAN
bash "$ROOT/tools/with-display.sh" bash -c measure
