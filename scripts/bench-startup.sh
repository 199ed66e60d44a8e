#!/usr/bin/env bash
# Runs the start-up measurement under Wine with a running wineserver, on the caller's display.
# Usage: bench-startup.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
status=0
"$here/wine-test.sh" "$build" "$build/win/wine_startup.exe" || status=$?
WINEPREFIX=$build/wineprefix wineserver -k 2>/dev/null || true
exit $status
