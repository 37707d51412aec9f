#!/usr/bin/env bash
# Builds every fuzz target with clang's libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer, and runs each for FUZZ_SECONDS (default 60) starting from its
# corpus. `make test` runs a short smoke pass (FUZZ_SECONDS=5); long runs are by hand.
set -euo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}/fuzz"
SECONDS_EACH="${FUZZ_SECONDS:-60}"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -Wno-dev -DKELVORA_FUZZ=ON \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$BUILD" --target fuzzers -j "${JOBS:-2}" | grep -v '^\[' || true
status=0
for f in "$ROOT"/fuzz/*_fuzz.cpp; do
    name="$(basename "$f" _fuzz.cpp)"
    work="$BUILD/corpus-$name"
    mkdir -p "$work"
    if "$BUILD/${name}_fuzzer" -max_total_time="$SECONDS_EACH" -rss_limit_mb=2048 \
            -artifact_prefix="$BUILD/crash-$name-" "$work" "$ROOT/fuzz/corpus/$name" \
            >"$BUILD/$name.log" 2>&1; then
        echo "fuzz $name: $(grep -E '^(#[0-9]+|Done)' "$BUILD/$name.log" | tail -1)"
    else
        echo "fuzz $name: FAILED (see $BUILD/$name.log)"
        tail -30 "$BUILD/$name.log"
        status=1
    fi
done
exit $status
