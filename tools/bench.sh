#!/usr/bin/env bash
# Runs every benchmark and prints its figures. Host benchmarks run natively; Win32
# benchmarks run under Wine.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}"
for b in "$BUILD"/host/bench_*; do
    [ -x "$b" ] || continue
    echo "== $(basename "$b")"
    "$b"
done
for s in "$ROOT"/bench/*.sh; do
    [ -f "$s" ] || continue
    echo "== $(basename "$s")"
    bash "$s"
done
