#!/usr/bin/env bash
# Runs a command with an X display and a ready Wine prefix.
# Without $DISPLAY it starts its own Xvfb and stops it afterwards.
set -uo pipefail
source "$(dirname "$0")/wine-env.sh"

started_xvfb=""
cleanup() {
    wineserver -k >/dev/null 2>&1 || true
    if [ -n "$started_xvfb" ]; then kill "$started_xvfb" 2>/dev/null; wait "$started_xvfb" 2>/dev/null; fi
}
trap cleanup EXIT

if [ -z "${DISPLAY:-}" ]; then
    for n in $(seq 91 140); do
        [ -e "/tmp/.X$n-lock" ] && continue
        Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
        started_xvfb=$!
        export DISPLAY=":$n"
        for _ in $(seq 1 100); do
            xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 && break
            kill -0 "$started_xvfb" 2>/dev/null || break
            sleep 0.1
        done
        if xdpyinfo -display "$DISPLAY" >/dev/null 2>&1; then break; fi
        started_xvfb=""
    done
    if [ -z "$started_xvfb" ]; then echo "with-display: could not start Xvfb" >&2; exit 1; fi
fi

bash "$KELVORA_ROOT/tools/wine-prefix.sh" || exit 1
"$@"
