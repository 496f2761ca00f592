#!/usr/bin/env bash
# Where the preview opens beside the main window, as a window manager places
# them: on virtual screens of 1366x768, 1920x1080 and 1366x768 at scale 1.5
# with openbox, F5 opens the preview on a theme. Both windows must lie inside
# the screen; where the screen holds both side by side they must not overlap;
# F5 in the preview puts it away and the main window is in view.
# Usage: scripts/check-placement.sh   (after ./scripts/test.sh has built build/ci)
set -euo pipefail

# Inside one display: the geometry "name WxH+X+Y" of each visible window, after F5, then after F5 again.
measure() {
    local runtime=$4
    openbox >/dev/null 2>&1 &
    for _ in $(seq 1 40); do # until the window manager is up: a program started sooner loses its display
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
        sleep 0.25
    done
    QT_QPA_PLATFORM=xcb XDG_RUNTIME_DIR="$runtime" QT_SCALE_FACTOR="$1" "$2" "$3" >"$runtime/program.log" 2>&1 &
    local main=""
    for _ in $(seq 1 60); do
        main=$(xdotool search --onlyvisible --name '^Tintwright( |$)' 2>/dev/null | head -n 1) && [ -n "$main" ] && break
        sleep 0.5
    done
    sleep 2 # the window manager frames and places it
    [ -n "$main" ] || { echo "no main window"; return 1; }
    local preview=""
    for _ in $(seq 1 8); do # F5 again should the first be lost while the window was not yet active
        xdotool windowactivate --sync "$main" >/dev/null 2>&1 || true
        sleep 1
        xdotool key F5
        for _ in $(seq 1 10); do
            preview=$(xdotool search --onlyvisible --name '^Preview' 2>/dev/null | head -n 1) && [ -n "$preview" ] && break 2
            sleep 0.5
        done
    done
    [ -n "$preview" ] || { echo "no preview"; return 1; }
    sleep 1
    for window in "$main" "$preview"; do
        xwininfo -id "$window" | awk -v name="$(xdotool getwindowname "$window" | cut -d' ' -f1)" '
            /Absolute upper-left X/ { x = $4 } /Absolute upper-left Y/ { y = $4 }
            /^ *Width/ { w = $2 } /^ *Height/ { h = $2 } END { print name, w, h, x, y }'
    done
    xdotool windowactivate --sync "$preview" >/dev/null 2>&1 || true
    xdotool key F5
    sleep 1
    if xdotool search --onlyvisible --name '^Preview' >/dev/null 2>&1; then echo "preview still shown after F5"; fi
    echo "done"
}
if [ "${1:-}" = --measure ]; then # on the virtual display
    shift
    measure "$@"
    exit
fi

cd "$(dirname "$0")/.."
scripts/setup.sh xvfb xauth openbox xdotool x11-utils
program="$PWD/build/ci/bin/tintwright"
theme="$PWD/samples/Midnight.ask"
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
chmod 700 "$runtime"

failed=0
for screen in 1366x768@1 1920x1080@1 1366x768@1.5; do
    size=${screen%@*}
    scale=${screen#*@}
    report=$(xvfb-run -a -s "-screen 0 ${size}x24" "$PWD/scripts/check-placement.sh" --measure "$scale" "$program" \
        "$theme" "$runtime" 2>&1 || true)
    echo "== $size at scale $scale"
    echo "$report"
    width=${size%x*}
    height=${size#*x}
    verdict=$(awk -v W="$width" -v H="$height" '
        $1 == "Tintwright" { mw = $2; mh = $3; mx = $4; my = $5; main = 1 }
        $1 == "Preview" { pw = $2; ph = $3; px = $4; py = $5; preview = 1 }
        /still shown|no main|no preview/ { bad = bad $0 "; " }
        END {
            if (!main || !preview) bad = bad "a window is missing; "
            if (px < 0 || py < 0 || px + pw > W || py + ph > H) bad = bad "the preview passes the screen'"'"'s edge; "
            if (W >= mw + pw && !(px >= mx + mw || px + pw <= mx)) bad = bad "the windows overlap though the screen holds both; "
            print bad == "" ? "ok" : bad
        }' <<<"$report")
    echo "$verdict"
    [ "$verdict" = ok ] || failed=1
done
exit "$failed"
