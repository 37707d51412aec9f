#!/usr/bin/env bash
# Start-up benchmark of Kelvora.exe under Wine, on its own display
# (bench/kelvora_startup.sh; `make bench` runs it with the other benchmarks).
#   tools/startup-bench.sh [ROUNDS]     (build first: make wintest BUILD=...)
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
export KELVORA_BUILD="${KELVORA_BUILD:-$ROOT/build}"
export KELVORA_BENCH_ROUNDS="${1:-5}"
bash "$ROOT/tools/with-display.sh" bash "$ROOT/bench/kelvora_startup.sh"
