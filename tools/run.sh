#!/usr/bin/env bash
# `make run`: starts Kelvora.exe under Wine. Without $DISPLAY it runs on its own Xvfb and
# writes a screenshot of the running window to build/run/screenshot.png once it has painted.
# Runs until interrupted; RUN_SECONDS=N stops it after N seconds.
source "$(dirname "$0")/program-env.sh"
BUILD="$KELVORA_BUILD"
EXE="$W/Kelvora.exe"
if [ "$KELVORA_WINE_ARCH" = win64 ] && [ -z "${KELVORA_RUN_INNER:-}" ]; then
    echo "NOTE: 32-bit code cannot run on this machine; running the x86_64 build of the same sources."
fi
require "$EXE"

if [ -z "${KELVORA_RUN_INNER:-}" ]; then
    exec env KELVORA_RUN_INNER=1 bash "$ROOT/tools/with-display.sh" bash "$0"
fi

mkdir -p "$BUILD/run"
"$WINE" "$EXE" &
prog=$!
stop() { kill "$prog" 2>/dev/null; wineserver -k 2>/dev/null; }
trap stop INT TERM

if "$WINE" "$W/wait_window.exe" Kelvora 120; then
    xwd -root -silent -display "$DISPLAY" | convert xwd:- "$BUILD/run/screenshot.png" 2>/dev/null \
        && echo "run: screenshot written to $BUILD/run/screenshot.png"
else
    echo "run: the main window did not appear" >&2
fi

if [ -n "${RUN_SECONDS:-}" ]; then
    sleep "$RUN_SECONDS"
    stop
    wait "$prog" 2>/dev/null
    exit 0
fi
echo "run: Kelvora is running; press Ctrl+C to stop"
wait "$prog"
