#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, once: the MinGW-w64
# toolchain, Wine with its 32-bit half and fonts, Xvfb, GoogleTest, Google Benchmark, ImageMagick.
set -euo pipefail

packages=(cmake make g++ mingw-w64 g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth x11-utils
          googletest libgtest-dev libbenchmark-dev imagemagick)

missing=()
for p in "${packages[@]}"; do
    name=${p%%:*}
    arch=${p#*:}
    [ "$arch" = "$p" ] && arch=""
    query=$name${arch:+:$arch}
    if ! dpkg-query -W -f='${Status}' "$query" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
[ "$(id -u)" -ne 0 ] && SUDO="sudo"
echo "Installing: ${missing[*]}"
if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq "${missing[@]}"
