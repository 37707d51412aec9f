#!/usr/bin/env bash
# Kelvora.exe under Wine (needs a display and the prefix; `make bench` and
# tools/startup-bench.sh provide both):
#  - its size;
#  - process start to the first paint of the main window, against a minimal Win32 window
#    program built with the same flags, alternating, ROUNDS times (startup_bench.exe);
#  - processor use while it sits idle with its 10 ms timer, counted on the Linux process
#    (Wine's GetProcessTimes reports nothing useful here).
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/tools/wine-env.sh"
W="$KELVORA_BUILD/$KELVORA_WINE_ARCH"
ROUNDS="${KELVORA_BENCH_ROUNDS:-5}"
IDLE_SECONDS="${KELVORA_BENCH_IDLE_SECONDS:-10}"
for f in Kelvora.exe minimal_window.exe startup_bench.exe; do
    [ -f "$W/$f" ] || { echo "kelvora_startup: $W/$f missing" >&2; exit 1; }
done
[ -f "$KELVORA_BUILD/win32/Kelvora.exe" ] && echo "Kelvora.exe (i686, shipped): $(stat -c %s "$KELVORA_BUILD/win32/Kelvora.exe") bytes"
echo "Kelvora.exe ($KELVORA_WINE_ARCH, measured): $(stat -c %s "$W/Kelvora.exe") bytes"

winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
"$WINE" "$W/startup_bench.exe" "$(winpath "$W/Kelvora.exe")" "$(winpath "$W/minimal_window.exe")" "$ROUNDS"

dir="$(mktemp -d /tmp/kelvora-idle.XXXXXX)"
cp "$W/Kelvora.exe" "$dir/Kelvora.exe"
"$WINE" "$dir/Kelvora.exe" &
sleep 8
pid="$(pgrep -n -f "$dir/Kelvora.exe" || true)"
if [ -n "$pid" ]; then
    hz="$(getconf CLK_TCK)"
    t0="$(awk '{print $14+$15}' "/proc/$pid/stat")"; s0="$(date +%s.%N)"
    sleep "$IDLE_SECONDS"
    t1="$(awk '{print $14+$15}' "/proc/$pid/stat")"; s1="$(date +%s.%N)"
    kill "$pid" 2>/dev/null
    echo "Kelvora idle: $((t1 - t0)) ticks over $IDLE_SECONDS s = $(echo "scale=2; 100*($t1-$t0)/$hz/($s1-$s0)" | bc)% of one core"
else
    echo "kelvora_startup: Kelvora.exe did not start for the idle measurement" >&2
fi
wait 2>/dev/null
rm -rf "$dir"
