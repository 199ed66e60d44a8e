#!/usr/bin/env bash
# Runs a Windows test program under Wine in the build tree's private test prefix, on the caller's
# display. Its exit code is the program's.
# Usage: wine-test.sh BUILD_DIR PROGRAM.exe [ARGS...]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$1
shift
if [ -z "${DISPLAY:-}" ]; then
    echo "wine-test.sh: no DISPLAY; run the tests through make test, which provides one" >&2
    exit 2
fi
prefix=$("$here/wine-prefix.sh" "$build" wineprefix-test)
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
# A persistent server keeps each test program's start cheap.
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
# The program's output goes through a file: services that Wine starts on the way would otherwise
# hold the caller's pipe open after the program has ended.
log=$(mktemp)
trap 'rm -f "$log"' EXIT
status=0
wine "$@" </dev/null >"$log" 2>&1 || status=$?
cat "$log"
exit $status
