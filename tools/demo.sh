#!/bin/sh
# Opens qv_tolvar on the demo topology:
#   tools/demo.sh BUILD_DIR
# starts BUILD_DIR/bin/qv_server on a fresh database on loopback, loads
# data/demo/topology.json with qv_admin and opens the tool in configure mode
# on router-lon-1 (id 12). With a DISPLAY the tool stays open until you close
# it; without one it runs under Xvfb, a screenshot of its window is saved and
# everything started here is stopped again.
set -eu

DEMO_ID=12

fail() {
    echo "demo: $*" >&2
    exit 1
}

[ $# -eq 1 ] || fail "usage: tools/demo.sh BUILD_DIR"
BUILD=$(cd "$1" 2>/dev/null && pwd) || fail "no build directory $1"
SOURCE=$(cd "$(dirname "$0")/.." && pwd)
BIN="$BUILD/bin"
for program in qv_server qv_admin qv_tolvar; do
    [ -x "$BIN/$program" ] || fail "$BIN/$program is missing: build first (make)"
done
[ -x "$BUILD/share/qv/bin/hyperhelp" ] || fail "$BUILD/share/qv is incomplete: build first (make)"

WORK=$(mktemp -d "${TMPDIR:-/tmp}/qv-demo.XXXXXX")
SERVER_PID=""
XVFB_PID=""
TOOL_PID=""

stop_all() {
    for pid in $TOOL_PID $SERVER_PID $XVFB_PID; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in $TOOL_PID $SERVER_PID $XVFB_PID; do
        wait "$pid" 2>/dev/null || true
    done
    rm -rf "$WORK"
}
trap stop_all EXIT
trap 'exit 1' INT TERM

# Waits up to $2 tenths of a second for file $1 to be non-empty.
wait_for_file() {
    n=0
    while [ ! -s "$1" ]; do
        n=$((n + 1))
        [ "$n" -le "$2" ] || return 1
        sleep 0.1
    done
}

# The server, on a fresh database, on a free loopback port.
SYSTEM_NAME=$(hostname)
"$BIN/qv_server" --db "$WORK/demo.db" --listen 127.0.0.1 --port 0 --port-file "$WORK/port" \
    --system-name "$SYSTEM_NAME" >"$WORK/server.log" 2>&1 &
SERVER_PID=$!
wait_for_file "$WORK/port" 100 || { cat "$WORK/server.log" >&2; fail "qv_server did not start"; }
QV_PORT=$(cat "$WORK/port")
echo "demo: qv_server on 127.0.0.1:$QV_PORT (system $SYSTEM_NAME), database $WORK/demo.db"

QV_HOME="$BUILD/share/qv"
NLSPATH="$QV_HOME/nls/%L/%N:$QV_HOME/nls/%l/%N:$QV_HOME/nls/C/%N"
XFILESEARCHPATH="$QV_HOME/app-defaults/%N"
QV_SERVER=localhost
export QV_PORT QV_HOME NLSPATH XFILESEARCHPATH QV_SERVER

"$BIN/qv_admin" load "$SOURCE/data/demo/topology.json" >"$WORK/load.log" 2>&1 ||
    { cat "$WORK/load.log" >&2; fail "loading the demo topology failed"; }
echo "demo: loaded data/demo/topology.json"

if [ -n "${DISPLAY:-}" ]; then
    echo "demo: opening qv_tolvar -id $DEMO_ID on $DISPLAY (close it to end the demo)"
    "$BIN/qv_tolvar" -id "$DEMO_ID" || fail "qv_tolvar ended with status $?"
    exit 0
fi

# No display: an X server of our own, a screenshot, and done.
command -v Xvfb >/dev/null || fail "no DISPLAY and no Xvfb to run the tool on"
command -v xdotool >/dev/null || fail "xdotool is needed to find the tool's window"
command -v import >/dev/null || fail "ImageMagick's import is needed for the screenshot"
exec 3>"$WORK/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -noreset -nolisten tcp >"$WORK/xvfb.log" 2>&1 &
XVFB_PID=$!
exec 3>&-
wait_for_file "$WORK/display" 100 || { cat "$WORK/xvfb.log" >&2; fail "Xvfb did not start"; }
DISPLAY=":$(cat "$WORK/display")"
export DISPLAY

"$BIN/qv_tolvar" -id "$DEMO_ID" >"$WORK/tool.log" 2>&1 &
TOOL_PID=$!
WINDOW=$(timeout 60 xdotool search --sync --onlyvisible --name '^Zentra - ' | head -n 1) ||
    { cat "$WORK/tool.log" >&2; fail "qv_tolvar did not open its window"; }
# Let the window finish drawing before the picture is taken.
sleep 2
kill -0 "$TOOL_PID" 2>/dev/null || { cat "$WORK/tool.log" >&2; fail "qv_tolvar ended early"; }
mkdir -p "$BUILD/demo"
SHOT="$BUILD/demo/qv_tolvar-demo.png"
import -window "$WINDOW" "$SHOT" || fail "the screenshot failed"
echo "demo: screenshot of qv_tolvar -id $DEMO_ID saved in $SHOT"
