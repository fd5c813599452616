#!/usr/bin/env bash
# End to end with real input: starts the real executable on the running X display, types and clicks
# as a user would (access keys included) with xdotool, then compares the part of the window that
# shows the result with a reference image of that text. Run by ctest under xvfb-run:
#   e2e/e2e.sh PROGRAM BIN_DIR [--update]   (--update rewrites the reference image)
set -euo pipefail
program=$1 bin=$2 update=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
shots=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$shots"' EXIT

"$bin/$program" &
pid=$!

source "$here/desktop.sh"

# A program's window, focused: without a window manager nothing activates a new window; a user's
# click or the desktop would.
focused_window() {
    local found
    found=$(window_named "$1") || { echo "$program: no window named $1"; exit 1; }
    xdotool windowfocus --sync "$found"
    echo "$found"
}
keys() { for k in "$@"; do xdotool key "$k"; sleep 0.1; done; }
type_text() { xdotool type --delay 30 "$1"; sleep 0.1; }
click() { xdotool mousemove --window "$1" "$2" "$3" click 1; sleep 0.2; }

# check NAME WINDOW X Y W H: the window's rectangle must look like e2e/references/PROGRAM-NAME.png.
check() {
    local name=$1 window=$2 reference="$here/references/$program-$1.png"
    sleep 0.4
    import -window "$window" -crop "${5}x${6}+${3}+${4}" +repage "$shots/$name.png"
    if [ "$update" = "--update" ]; then
        cp "$shots/$name.png" "$reference"
        echo "$program: wrote $reference"
        return
    fi
    local differing
    differing=$(compare -metric AE -fuzz 20% "$shots/$name.png" "$reference" null: 2>&1 || true)
    if [ "${differing%%.*}" -gt 25 ] 2>/dev/null || ! [[ "$differing" =~ ^[0-9] ]]; then
        cp "$shots/$name.png" "/tmp/e2e-$program-$name.png"
        echo "$program: $name differs from its reference in $differing pixels (see /tmp/e2e-$program-$name.png)"
        exit 1
    fi
    echo "$program: $name as expected"
}

case "$program" in
Carrowen)
    w=$(focused_window "ROD TO CRANK")
    type_text 7000; keys Tab; type_text 86
    click "$w" 160 101           # Option Piston Speed
    keys alt+c
    check speed "$w" 16 120 439 24
    ;;
Sumbrelt)
    w=$(focused_window "CUBIC")
    type_text 86; keys Tab; type_text 86; keys Tab; type_text 4; keys alt+c
    check capacity "$w" 48 120 260 17
    keys alt+p
    r=$(focused_window "Cubic Capacity Records")
    check record "$r" 0 20 380 22
    ;;
pressure)
    w=$(focused_window "Pressure Converter")
    keys ctrl+a; type_text 1
    keys Tab Tab Tab Tab Down Down Down Down Down Down Down Down Down Return
    check psi "$w" 208 24 169 19
    ;;
Quillon)
    w=$(focused_window "INLET AND EXHAUSTS")
    type_text 6000; keys Tab space alt+a
    check primary "$w" 40 144 290 25
    ;;
Vellarin)
    w=$(focused_window "Vellarin")
    keys ctrl+a; type_text 6000; keys Tab ctrl+a; type_text 50; keys Return
    check estimate "$w" 100 220 250 30
    ;;
*)
    echo "no end-to-end scenario for $program"; exit 1 ;;
esac
