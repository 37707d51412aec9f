#!/usr/bin/env bash
# Idle cost of Kelvora.exe against a floor, both running side by side under the same Wine
# prefix and measured over the same seconds (needs a display and the prefix; `make bench`
# provides both):
#  - floor: a bare window that reads the memory load every 10 ms (bench/helpers/idle_floor);
#  - Kelvora before its first run (the 10 ms index timer live, window shown);
#  - the same two after one run, with Kelvora's window hidden in the tray.
# Processor time is read from the Linux side: the sum of every thread's run time in
# /proc/<pid>/task/*/schedstat (nanoseconds). With KELVORA_BENCH_STRACE=1 and strace
# installed, a second pass counts each one's system calls (requests to the Wine server are
# the writes; sched_yield is Wine's PeekMessage finding nothing).
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
source "$ROOT/tools/wine-env.sh"
W="$KELVORA_BUILD/$KELVORA_WINE_ARCH"
SECONDS_IDLE="${KELVORA_BENCH_IDLE_SECONDS:-10}"
# Another build of the program may be measured against the same floor.
EXE="${KELVORA_BENCH_EXE:-$W/Kelvora.exe}"
[ -f "$EXE" ] || { echo "kelvora_idle: $EXE missing" >&2; exit 1; }
for f in idle_floor.exe idle_driver.exe; do
    [ -f "$W/$f" ] || { echo "kelvora_idle: $W/$f missing" >&2; exit 1; }
done

dir="$(mktemp -d /tmp/kelvora-idle.XXXXXX)"
cp "$EXE" "$dir/Kelvora.exe"
cp "$W/idle_floor.exe" "$W/idle_driver.exe" "$dir/"
pids=()
finish() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    rm -rf "$dir"
}
trap finish EXIT

"$WINE" "$dir/idle_floor.exe" &
"$WINE" "$dir/Kelvora.exe" &
"$WINE" "$dir/idle_driver.exe" shown || { echo "kelvora_idle: Kelvora's window did not show" >&2; exit 1; }
floor="$(pgrep -n -f "$dir/idle_floor.exe")"
kelvora="$(pgrep -n -f "$dir/Kelvora.exe")"
[ -n "$floor" ] && [ -n "$kelvora" ] || { echo "kelvora_idle: processes not found" >&2; exit 1; }
pids=("$floor" "$kelvora")

# Run time of every thread of a process so far, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }

measure() {
    local label="$1" f0 k0 s0 f1 k1 s1
    sleep 2  # let whatever the last step started settle
    f0="$(cpu_ns "$floor")"; k0="$(cpu_ns "$kelvora")"; s0="$(date +%s%N)"
    sleep "$SECONDS_IDLE"
    f1="$(cpu_ns "$floor")"; k1="$(cpu_ns "$kelvora")"; s1="$(date +%s%N)"
    awk -v l="$label" -v f=$((f1 - f0)) -v k=$((k1 - k0)) -v t=$((s1 - s0)) 'BEGIN {
        printf "%-40s floor %5.2f%%  Kelvora %5.2f%% of one core  ratio %.2f  (%.1f s)\n",
               l, 100 * f / t, 100 * k / t, (f > 0 ? k / f : 0), t / 1e9 }'
    if [ "${KELVORA_BENCH_STRACE:-0}" = 1 ] && command -v strace >/dev/null; then
        for who in floor kelvora; do
            local p="${!who}" out="$dir/strace.$who"
            timeout -s INT "$SECONDS_IDLE" strace -c -f -p "$p" -o "$out" 2>/dev/null
            awk -v w="$who" -v n="$SECONDS_IDLE" '
                $NF == "write" || $NF == "sched_yield" || $NF == "read" || $NF == "poll" {
                    printf "    %-8s %-12s %7d calls (%d/s)\n", w, $NF, $4, $4 / n }' "$out"
        done
    fi
}

echo "Idle processor time over ${SECONDS_IDLE} s, both processes at once ($KELVORA_WINE_ARCH):"
measure "before the first run (window shown)"
"$WINE" "$dir/idle_driver.exe" run-and-hide || { echo "kelvora_idle: the run could not be driven" >&2; exit 1; }
sleep 3  # the network batch the run started
measure "after the first run (hidden in the tray)"
