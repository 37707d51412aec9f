#!/usr/bin/env bash
# Prints which Windows build the Wine tests run here:
#   win32  where 32-bit Linux code runs, so 32-bit Wine starts the i686 program itself;
#   win64  where the kernel refuses 32-bit executables (32-bit Wine cannot start at all):
#          the tests then run the x86_64 build of the same sources under 64-bit Wine.
# KELVORA_WINE_ARCH=win32|win64 overrides the probe.
if [ -n "${KELVORA_WINE_ARCH:-}" ]; then echo "$KELVORA_WINE_ARCH"; exit 0; fi
if /usr/lib/wine/wine --version >/dev/null 2>&1; then echo win32; else echo win64; fi
