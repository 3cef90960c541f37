#!/bin/sh
# Runs every screenshot scene of BIN in a process and an X server of its own
# and prints the path of each picture taken:
#   tests/screenshots/run-scenes.sh BIN OUTPUT_DIR
set -eu
[ $# -eq 2 ] || { echo "usage: $0 BIN OUTPUT_DIR" >&2; exit 2; }
BIN=$1
OUT=$2
for p in xvfb-run import xdotool; do
    command -v "$p" >/dev/null || { echo "screenshots need $p (make deps)" >&2; exit 1; }
done
mkdir -p "$OUT"
rm -f "$OUT"/*.png
export QV_SCREENSHOT_DIR="$OUT"
failed=0
for scene in $("$BIN" --gtest_list_tests | awk '/^[^ ]/ { suite = $1 } /^  / { print suite $1 }'); do
    if ! xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" "$BIN" --gtest_filter="$scene" --gtest_brief=1 \
        >"$OUT/.log" 2>&1; then
        echo "scene $scene failed:" >&2
        cat "$OUT/.log" >&2
        failed=1
    fi
    grep '\.png$' "$OUT/.log" || true
done
rm -f "$OUT/.log"
exit $failed
