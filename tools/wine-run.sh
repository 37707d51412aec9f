#!/usr/bin/env bash
# Runs one Windows program under this build tree's Wine prefix and returns its exit code.
# Expects a display (tools/with-display.sh provides one).
source "$(dirname "$0")/wine-env.sh"
exec "$WINE" "$@"
