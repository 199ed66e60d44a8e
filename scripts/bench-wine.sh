#!/usr/bin/env bash
# Runs the measurements under Wine with a running wineserver, on the caller's display: start-up,
# bulk editing, the tools and the import, and the file finder over a tree of 10,000 folders and
# 100,000 files beside `find` on the same tree.
# Usage: bench-wine.sh BUILD_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
build=$(cd "$1" && pwd)
status=0
"$here/wine-test.sh" "$build" "$build/win/wine_startup.exe" || status=$?
"$here/wine-test.sh" "$build" "$build/win/wine_edit.exe" || status=$?
"$here/wine-test.sh" "$build" "$build/win/wine_tools.exe" || status=$?

tree=$build/wineprefix-test/drive_c/finder-tree
if [ ! -f "$tree/.complete" ]; then
    rm -rf "$tree"
    python3 - "$tree" <<'PY'
import os, sys
root = sys.argv[1]
for a in range(100):
    for b in range(100):
        folder = os.path.join(root, "folder%03d" % a, "sub%03d" % b)
        os.makedirs(folder)
        for f in range(10):
            name = "bookmark.html" if (a * 100 + b) % 97 == 0 and f == 0 else "file%02d.txt" % f
            open(os.path.join(folder, name), "w").close()
open(os.path.join(root, ".complete"), "w").close()
PY
fi
start=$(date +%s%N)
found=$(find "$tree" -iname 'bookmark.htm*' | wc -l)
echo "find -iname over the same tree: $(( ($(date +%s%N) - start) / 1000000 )) ms ($found files found)"
"$here/wine-test.sh" "$build" "$build/win/wine_tools.exe" finder 'C:\finder-tree' || status=$?
WINEPREFIX=$build/wineprefix-test wineserver -k 2>/dev/null || true
exit $status
