# Sourced by the scripts that start the built Windows programs under Wine (tools/run.sh,
# bench/*.sh): strict mode, the Wine environment of the build tree (tools/wine-env.sh),
# ROOT, W (the folder of the Windows build the tests run) and two helpers.
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh"
ROOT="$KELVORA_ROOT"
W="$KELVORA_BUILD/$KELVORA_WINE_ARCH"

# require FILE...: ends the script with a message naming the first missing file.
require() {
    local f
    for f in "$@"; do
        [ -f "$f" ] || { echo "$(basename "$0" .sh): $f missing" >&2; exit 1; }
    done
}

# A Unix path as a Windows path on Wine's Z: drive.
winpath() { echo "Z:$(echo "$1" | tr / '\\')"; }
