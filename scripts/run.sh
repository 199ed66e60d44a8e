#!/usr/bin/env bash
# Starts VeltrimLinks.exe under Wine in the build tree's private prefix: on the current display
# when there is one; otherwise on a private Xvfb display, with a screenshot of the running program
# written to the build folder.
# Usage: run.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
exe=$build/win/VeltrimLinks.exe
if [ -n "${DISPLAY:-}" ]; then
    prefix=$("$here/wine-prefix.sh" "$build")
    WINEPREFIX=$prefix WINEDEBUG=-all exec wine "$exe"
fi
"$here/screenshot.sh" "$build" "$build/VeltrimLinks.png"
