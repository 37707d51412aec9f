#!/usr/bin/env bash
# Runs every benchmark and prints its figures (nothing is asserted). Host benchmarks run
# natively from the unsanitized bench tree; Win32 benchmarks and bench/*.sh scripts run
# under Wine on one display.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}"
ARCH="${KELVORA_WINE_ARCH:-$(bash "$ROOT/tools/wine-arch.sh")}"
for b in "$BUILD"/bench/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b"
done
bash "$ROOT/tools/with-display.sh" bash -c '
    for b in "$0"/bench_*.exe; do
        [ -f "$b" ] || continue
        echo "== $(basename "$b") (Wine, $1)"
        bash "$2/tools/wine-run.sh" "$b"
    done
    for s in "$2"/bench/*.sh; do
        [ -f "$s" ] || continue
        echo "== $(basename "$s")"
        bash "$s"
    done' "$BUILD/$ARCH" "$ARCH" "$ROOT"
