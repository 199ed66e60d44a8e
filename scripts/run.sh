#!/usr/bin/env bash
# Starts VeltrimLinks.exe under Wine. On a display, it runs in the user's own prefix for the
# program, outside the build tree (so that `make clean` never touches the collection), whose
# Documents folder is the user's own; without a display it runs on a private Xvfb display with a
# sample collection, and a screenshot of it is written to the build folder.
# Usage: run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
exe=$build/win/VeltrimLinks.exe
if [ -z "${DISPLAY:-}" ]; then
    exec "$here/screenshot.sh" "$build" "$build/VeltrimLinks.png"
fi
prefix=${VELTRIM_WINEPREFIX:-${XDG_DATA_HOME:-$HOME/.local/share}/VeltrimLinks/wineprefix}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
if [ ! -d "$prefix" ]; then
    mkdir -p "$(dirname "$prefix")"
    wineboot -i </dev/null >/dev/null 2>&1 || true
    wineserver -w
    # Wine's own dialog fonts, which a new prefix does not find by itself.
    if [ -d /usr/share/wine/fonts ]; then
        cp -f /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
fi
exec wine "$exe"
