#!/bin/sh
# Brings up (or down) a private Wine world in DIR for tests and runs:
# a virtual X display (Xvfb), a Wine prefix whose programs share one
# 1024x768 Wine desktop, and a persistent wineserver so that each Windows
# program starts in milliseconds instead of seconds.
#   wine-env.sh up DIR     start what is not running yet, write DIR/env
#   wine-env.sh down DIR   end the wineserver and the display
set -eu
cmd=$1
dir=$(mkdir -p "$2" && cd "$2" && pwd)
WINE=/usr/lib/wine/wine64
export WINEPREFIX="$dir/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" \
       LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8

alive() { [ -f "$1" ] && kill -0 "$(cat "$1")" 2>/dev/null; }

up() {
    if ! alive "$dir/xvfb.pid"; then
        rm -f "$dir/display"
        # Xvfb picks a free display number and writes it to fd 3. The screen is
        # exactly as large as the Wine desktop, so the desktop fills it.
        setsid Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp \
            3>"$dir/display" 9>&- </dev/null >"$dir/xvfb.log" 2>&1 &
        echo $! > "$dir/xvfb.pid"
        i=0
        while [ ! -s "$dir/display" ]; do
            i=$((i + 1)); [ $i -lt 200 ] || { echo "wine-env: Xvfb did not start" >&2; exit 1; }
            sleep 0.05
        done
    fi
    export DISPLAY=":$(head -n1 "$dir/display")"
    if [ ! -f "$WINEPREFIX/.ready" ]; then
        mkdir -p "$WINEPREFIX"
        setsid /usr/lib/wine/wineserver -p 9>&- </dev/null >"$dir/wineserver.log" 2>&1
        $WINE wineboot -i 9>&- </dev/null >"$dir/wineboot.log" 2>&1
        # Every program of this prefix opens on one Wine desktop, which draws
        # window frames as Windows does and has a fixed screen size.
        $WINE reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f 9>&- </dev/null >/dev/null 2>&1
        $WINE reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f 9>&- </dev/null >/dev/null 2>&1
        touch "$WINEPREFIX/.ready"
    fi
    # Drive R: is a folder of its own, for programs at the root of a drive.
    if [ ! -e "$WINEPREFIX/dosdevices/r:" ]; then
        mkdir -p "$dir/drive-r"
        ln -sfn "$dir/drive-r" "$WINEPREFIX/dosdevices/r:"
    fi
    setsid /usr/lib/wine/wineserver -p 9>&- </dev/null >>"$dir/wineserver.log" 2>&1 || true
    # The desktop process would otherwise end with the last program and be
    # started again by the next one, which then waits seconds for it.
    if ! alive "$dir/desktop.pid"; then
        setsid $WINE explorer /desktop=Default,1024x768 9>&- </dev/null >"$dir/desktop.log" 2>&1 &
        echo $! > "$dir/desktop.pid"
        # rundll32 opens a hidden window, so it returns once the desktop is up.
        $WINE rundll32 user32.dll,GetDesktopWindow 9>&- </dev/null >/dev/null 2>&1 || true
    fi
    cat > "$dir/env" <<ENV
export DISPLAY="$DISPLAY" WINEPREFIX="$WINEPREFIX" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree=d;mshtml=d" LANG=zh_CN.UTF-8 LC_ALL=zh_CN.UTF-8
ENV
}

down() {
    /usr/lib/wine/wineserver -k 2>/dev/null || true
    rm -f "$dir/desktop.pid"
    if alive "$dir/xvfb.pid"; then kill "$(cat "$dir/xvfb.pid")" 2>/dev/null || true; fi
    rm -f "$dir/xvfb.pid" "$dir/display"
}

case $cmd in
    up) exec 9>"$dir/lock"; flock 9; up ;;
    down) exec 9>"$dir/lock"; flock 9; down ;;
    *) echo "usage: wine-env.sh up|down DIR" >&2; exit 2 ;;
esac
