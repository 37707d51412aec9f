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
# The whole sequence runs KELVORA_BENCH_IDLE_RUNS times (default 3), each with fresh
# processes; the medians of both ratios over those runs end the output.
source "$(dirname "$0")/../tools/program-env.sh"
SECONDS_IDLE="${KELVORA_BENCH_IDLE_SECONDS:-10}"
RUNS="${KELVORA_BENCH_IDLE_RUNS:-3}"
# Another build of the program may be measured against the same floor.
EXE="${KELVORA_BENCH_EXE:-$W/Kelvora.exe}"
require "$EXE" "$W/idle_floor.exe" "$W/idle_driver.exe"

dir="$(mktemp -d /tmp/kelvora-idle.XXXXXX)"
cp "$EXE" "$dir/Kelvora.exe"
cp "$W/idle_floor.exe" "$W/idle_driver.exe" "$dir/"
pids=()
end_processes() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null; done
    wait 2>/dev/null
    pids=()
}
trap 'end_processes; rm -rf "$dir"' EXIT

# Run time of every thread of a process so far, in nanoseconds.
cpu_ns() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ s += $1 } END { printf "%d", s }'; }

# measure LABEL: prints both shares and their ratio, and appends the ratio to $dir/ratios.LABEL.
measure() {
    local label="$1" f0 k0 s0 f1 k1 s1
    sleep 2  # let whatever the last step started settle
    f0="$(cpu_ns "$floor")"; k0="$(cpu_ns "$kelvora")"; s0="$(date +%s%N)"
    sleep "$SECONDS_IDLE"
    f1="$(cpu_ns "$floor")"; k1="$(cpu_ns "$kelvora")"; s1="$(date +%s%N)"
    awk -v l="$label" -v f=$((f1 - f0)) -v k=$((k1 - k0)) -v t=$((s1 - s0)) -v out="$dir/ratios.${label// /_}" 'BEGIN {
        printf "  %-40s floor %5.2f%%  Kelvora %5.2f%% of one core  ratio %.2f  (%.1f s)\n",
               l, 100 * f / t, 100 * k / t, (f > 0 ? k / f : 0), t / 1e9
        printf "%.4f\n", (f > 0 ? k / f : 0) >> out }'
    [ -d /proc/"$kelvora" ] || { echo "kelvora_idle: Kelvora has ended" >&2; exit 1; }
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

before="before the first run (window shown)"
after="after the first run (hidden in the tray)"
echo "Idle processor time over ${SECONDS_IDLE} s, both processes at once ($KELVORA_WINE_ARCH), $RUNS runs:"
for run in $(seq 1 "$RUNS"); do
    echo "run $run:"
    "$WINE" "$dir/idle_floor.exe" &
    "$WINE" "$dir/Kelvora.exe" &
    "$WINE" "$dir/idle_driver.exe" shown || { echo "kelvora_idle: Kelvora's window did not show" >&2; exit 1; }
    floor="$(pgrep -n -f "$dir/idle_floor.exe")"
    kelvora="$(pgrep -n -f "$dir/Kelvora.exe")"
    [ -n "$floor" ] && [ -n "$kelvora" ] || { echo "kelvora_idle: processes not found" >&2; exit 1; }
    pids=("$floor" "$kelvora")
    # The pointer rests on neither window (Xvfb starts it on Kelvora's): a window under it
    # is polled by Wine for the pointer's leaving, which is no idle cost of either program.
    command -v xdotool >/dev/null && xdotool mousemove 1000 20
    measure "$before"
    "$WINE" "$dir/idle_driver.exe" run-and-hide || { echo "kelvora_idle: the run could not be driven" >&2; exit 1; }
    sleep 3  # the network batch the run started
    measure "$after"
    end_processes
    rm -f "$dir/p.txt"  # each run starts as the first did
done
median() { sort -n "$1" | awk '{ v[NR] = $1 } END { printf "%.2f", NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "median ratio over $RUNS runs: $(median "$dir/ratios.${before// /_}") $before," \
     "$(median "$dir/ratios.${after// /_}") $after"
