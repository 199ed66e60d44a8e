#!/usr/bin/env bash
# Starts VeltrimLinks.exe under Wine with a small sample collection, photographs the screen
# around its main window, and closes it. Runs on the current display, or on a private Xvfb
# display when there is none.
# Usage: screenshot.sh BUILD_DIR OUTPUT.png
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$@"
fi
build=$(cd "$1" && pwd)
out=$2
prefix=$("$here/wine-prefix.sh" "$build" wineprefix-shot)
export WINEPREFIX=$prefix WINEDEBUG=-all
wineserver -p 60 </dev/null >/dev/null 2>&1 || true
# The picture shows a small sample collection in the prefix's Documents folder.
documents=$(find "$prefix/drive_c/users" -mindepth 2 -maxdepth 2 -type d -name Documents ! -path '*/Public/*' | head -n 1)
"$build/make_sample" "$documents/VeltrimLinks.dat"
# The picture is of the main window alone, without the tip of the day.
wine reg add 'HKCU\Software\Corvane Software\VeltrimLinks\Misc' /v 'Show Day Tip' /t REG_DWORD /d 0 /f </dev/null >/dev/null 2>&1
wine "$build/win/VeltrimLinks.exe" </dev/null >/dev/null 2>&1 &
pid=$!
# Wait for the window to be drawn (the title appears in the window list).
for _ in $(seq 1 100); do
    if xwininfo -root -tree 2>/dev/null | grep -q '"Veltrim Links"'; then break; fi
    sleep 0.1
done
sleep 1
geometry=$(xwininfo -root -tree | grep '"Veltrim Links"' | head -n 1 | grep -oE '[0-9]+x[0-9]+\+[0-9]+\+[0-9]+' | head -n 1)
mkdir -p "$(dirname "$out")"
if [ -n "$geometry" ]; then
    import -window root -crop "$geometry" +repage "$out"
else
    import -window root "$out"
fi
kill "$pid" 2>/dev/null || true
wait "$pid" 2>/dev/null || true
wineserver -k 2>/dev/null || true
echo "Screenshot: $out"
