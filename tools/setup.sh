#!/usr/bin/env bash
# Installs every system package the build and the tests need, once.
# Quiet when everything is present; only Debian packages are fetched.
set -euo pipefail

need=()
have() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

if ! dpkg --print-foreign-architectures | grep -qx i386; then
    dpkg --add-architecture i386
    UPDATED=0
fi

for p in g++-mingw-w64-i686 mingw-w64-i686-dev g++-mingw-w64-x86-64 mingw-w64-x86-64-dev wine wine32:i386 wine64 xvfb x11-apps x11-utils \
         xdotool imagemagick fonts-wqy-microhei locales googletest libgtest-dev \
         libjpeg62-turbo-dev liblhasa-dev clang libclang-rt-14-dev cmake ninja-build dpkg-dev; do
    have "$p" || need+=("$p")
done

SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo

if [ ${#need[@]} -gt 0 ]; then
    echo "setup: installing ${need[*]}"
    export DEBIAN_FRONTEND=noninteractive
    $SUDO apt-get update -qq >/dev/null
    $SUDO apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi

# Wine reads the ANSI code page from the Linux locale: zh_CN.UTF-8 gives 936.
if ! locale -a 2>/dev/null | grep -qi '^zh_CN.utf8$'; then
    echo "setup: generating zh_CN.UTF-8"
    $SUDO sed -i 's/^# *zh_CN.UTF-8 UTF-8/zh_CN.UTF-8 UTF-8/' /etc/locale.gen
    grep -q '^zh_CN.UTF-8 UTF-8' /etc/locale.gen || echo 'zh_CN.UTF-8 UTF-8' | $SUDO tee -a /etc/locale.gen >/dev/null
    $SUDO locale-gen >/dev/null
fi
