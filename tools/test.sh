#!/usr/bin/env bash
# Every test: host unit tests, then the Win32 and end-to-end tests under Wine.
set -uo pipefail
ROOT="$(cd "$(dirname "$0")/.." && pwd)"
status=0
(cd "$ROOT/build/host" && ctest --output-on-failure) || status=1
bash "$ROOT/tools/with-display.sh" ctest --test-dir "$ROOT/build/win32" --output-on-failure || status=1
if [ $status -eq 0 ]; then echo "all test suites passed"; else echo "some test suites FAILED"; fi
exit $status
