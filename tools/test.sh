#!/usr/bin/env bash
# Every test: host unit tests, then the Win32 and end-to-end tests under Wine.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
BUILD="${KELVORA_BUILD:-$ROOT/build}"
status=0
(cd "$BUILD/host" && ctest --output-on-failure) || status=1
# A short libFuzzer pass over every parser (sanitizers on); long runs: `make fuzz`.
FUZZ_SECONDS="${FUZZ_SECONDS:-5}" bash "$ROOT/tools/fuzz.sh" || status=1
ARCH="$(bash "$ROOT/tools/wine-arch.sh")"
if [ "$ARCH" = win64 ]; then
    echo "NOTE: 32-bit code cannot run on this machine; the Wine tests run the x86_64 build of the same sources."
fi
bash "$ROOT/tools/with-display.sh" ctest --test-dir "$BUILD/$ARCH" --output-on-failure || status=1
# Which program the Wine tests ran, read from its PE header (the machine field).
pe_kind() {
    local at machine
    at=$(od -An -tu4 -j60 -N4 "$1" 2>/dev/null | tr -d ' ')
    [ -n "$at" ] || { echo "missing"; return; }
    machine=$(od -An -tx2 -j$((at + 4)) -N2 "$1" | tr -d ' ')
    case "$machine" in
        014c) echo "PE32, i686" ;;
        8664) echo "PE32+, x86_64" ;;
        *) echo "machine 0x$machine" ;;
    esac
}
echo "Wine tests ran $BUILD/$ARCH/Kelvora.exe ($(pe_kind "$BUILD/$ARCH/Kelvora.exe")) and $BUILD/$ARCH/win32_tests.exe ($(pe_kind "$BUILD/$ARCH/win32_tests.exe"))"
if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some test suites FAILED"; fi
exit $status
