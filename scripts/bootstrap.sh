#!/usr/bin/env bash
# Installs what the build and the tests need from Debian's packages, once: the MinGW-w64
# toolchain, Wine with its 32-bit half and fonts, Xvfb, GoogleTest, Google Benchmark, ImageMagick.
# `bootstrap.sh fuzz` installs instead what `make fuzz` needs: clang and the runtime libraries
# that hold libFuzzer (a recommendation of clang's, so not always installed with it).
set -euo pipefail

packages=(cmake make g++ mingw-w64 g++-mingw-w64-i686 wine wine32:i386 fonts-wine xvfb xauth x11-utils
          googletest libgtest-dev libbenchmark-dev imagemagick)
if [ "${1:-}" = fuzz ]; then
    packages=(cmake make clang libclang-rt-dev)
fi

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
if printf '%s\n' "${missing[@]}" | grep -q ':i386$' &&
    ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
fi
export DEBIAN_FRONTEND=noninteractive
# Another apt run may hold a lock for a while. Install waits for the package database's lock by
# itself; update takes the package lists' lock, for which apt does not wait, so it is retried.
wait_lock=(-o DPkg::Lock::Timeout=600)
for attempt in $(seq 60); do
    if output=$($SUDO apt-get "${wait_lock[@]}" update -qq 2>&1); then break; fi
    if [ "$attempt" -eq 60 ] || ! grep -q 'Could not get lock' <<<"$output"; then
        echo "$output" >&2
        exit 1
    fi
    echo "Another apt run holds its lock; waiting."
    sleep 10
done
$SUDO apt-get "${wait_lock[@]}" install -y -qq "${missing[@]}"
