#!/usr/bin/env bash
# Prepares the private Wine prefix of a build tree (created once): Wine draws the window frames
# itself (no two-second wait when a window closes without a window manager), Wine's own fonts are
# in place, and the Documents folder is a real folder inside the build tree, so that nothing the
# program writes reaches the user's home. Prints the prefix path. Needs a display.
# The tests and the pictures each use a prefix of their own.
# Usage: wine-prefix.sh BUILD_DIR [NAME]   (NAME defaults to wineprefix)
set -euo pipefail
build=$(cd "$1" && pwd)
prefix=$build/${2:-wineprefix}
export WINEPREFIX=$prefix WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

# Wine's servers outlive the commands that start them: they must inherit neither the lock nor
# the caller's output pipes.
quiet() { "$@" 9>&- </dev/null >/dev/null 2>&1; }

exec 9>"$prefix.lock"
flock 9
if [ ! -f "$prefix/.veltrim-ready" ]; then
    rm -rf "$prefix"
    quiet wineboot -i || true
    quiet wineserver -w
    quiet wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f
    quiet wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
    quiet wineserver -w
    # Wine's own fonts (MS Sans Serif, Tahoma, Marlett for the caption buttons) are not found
    # by a new prefix by themselves; without them dialogs are drawn with a wider substitute.
    if [ -d /usr/share/wine/fonts ]; then
        cp -f /usr/share/wine/fonts/* "$prefix/drive_c/windows/Fonts/" 2>/dev/null || true
    fi
    user_dir=$(find "$prefix/drive_c/users" -mindepth 1 -maxdepth 1 -type d ! -name Public | head -n 1)
    for d in Documents Desktop Downloads Music Pictures Videos Templates; do
        if [ -L "$user_dir/$d" ] || [ ! -e "$user_dir/$d" ]; then
            rm -f "$user_dir/$d"
            mkdir -p "$user_dir/$d"
        fi
    done
    touch "$prefix/.veltrim-ready"
fi
echo "$prefix"
