#!/usr/bin/env bash
# Runs the measurements under Wine with a running wineserver, on the caller's display.
# Usage: bench-wine.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
status=0
"$here/wine-test.sh" "$build" "$build/win/wine_startup.exe" || status=$?
"$here/wine-test.sh" "$build" "$build/win/wine_edit.exe" || status=$?
WINEPREFIX=$build/wineprefix-test wineserver -k 2>/dev/null || true
exit $status
