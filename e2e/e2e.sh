#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# End to end with real input: starts the real executable on the running X display, types and clicks
# as a user would (access keys included) with xdotool, then compares the part of the window that
# shows the result with a reference image of that text. Run by ctest under xvfb-run:
#   e2e/e2e.sh PROGRAM BIN_DIR [--update]   (--update rewrites the reference image)
# Where BIN_DIR holds PROGRAM.exe, the Windows program runs under Wine ($SUITE_WINE, the command
# that runs it) and is compared with the references in e2e/references/wine, as Wine draws text.
set -euo pipefail
program=$1 bin=$2 update=${3:-}
here=$(cd "$(dirname "$0")" && pwd)
shots=${SUITE_EVIDENCE_DIR:-$(mktemp -d)}
source "$here/desktop.sh"

references="$here/references"
if [ -f "$bin/$program.exe" ]; then
    references="$here/references/wine"
    $SUITE_WINE "$bin/$program.exe" &
    pid=$!
    on_exit '$SUITE_WINE --stop'
else
    "$bin/$program" &
    pid=$!
    on_exit 'kill "$pid" 2>/dev/null || true'
fi

# A program's window (other than the windows given), focused: without a window manager nothing activates a new window; a user's
# click or the desktop would.
focused_window() {
    local found
    found=$(window_named "$@") || { echo "$program: no window named $1"; exit 1; }
    xdotool windowfocus --sync "$found"
    echo "$found"
}
# client_size WINDOW WIDTH HEIGHT: the window's client area is the size the layouts give it, the
# same on every platform.
client_size() {
    local size
    size=$(xwininfo -id "$1" | awk '/^ *Width:/ {w = $2} /^ *Height:/ {h = $2} END {print w "x" h}')
    [ "$size" = "${2}x$3" ] || { echo "$program: the window's client area is $size, not ${2}x$3"; exit 1; }
}
# The X server queues the events in the order they are sent, and the program reads them in that
# order, so no key needs to wait for the one before it.
keys() { xdotool key "$@"; }
type_text() { xdotool type --delay 30 "$1"; }
click() { xdotool mousemove --window "$1" "$2" "$3" click "${4:-1}"; }

# check NAME WINDOW X Y W H: the window's rectangle must come to look like
# e2e/references/PROGRAM-NAME.png once the program has drawn what the input asked for.
check() {
    local name=$1 window=$2 reference="$references/$program-$1.png" differing=""
    if [ "$update" = "--update" ]; then
        capture_settled "$window" "$reference" -crop "${5}x${6}+${3}+${4}" +repage
        echo "$program: wrote $reference (look at it)"
        return
    fi
    looks_right() {
        import -window "$window" -crop "${5}x${6}+${3}+${4}" +repage "$shots/$name.png"
        differing=$(compare -metric AE -fuzz 20% "$shots/$name.png" "$reference" null: 2>&1 || true)
        [[ "$differing" =~ ^[0-9] ]] && [ "${differing%%.*}" -le 25 ]
    }
    if ! wait_until 30 looks_right "$@"; then
        echo "$program: $name differs from its reference in $differing pixels (see $shots/$name.png)"
        exit 1
    fi
    echo "$program: $name as expected"
}

case "$program" in
Carrowen)
    w=$(focused_window "ROD TO CRANK")
    client_size "$w" 457 262
    type_text 7000; keys Tab; type_text 86
    click "$w" 160 101           # Option Piston Speed
    keys alt+c
    check speed "$w" 16 120 439 24
    ;;
Sumbrelt)
    w=$(focused_window "CUBIC")
    client_size "$w" 376 207
    type_text 86; keys Tab; type_text 86; keys Tab; type_text 4; keys alt+c
    check capacity "$w" 48 120 260 17
    keys alt+p
    r=$(focused_window "Cubic Capacity Records")
    check record "$r" 0 20 380 22
    if [ -f "$bin/$program.exe" ]; then
        # Under Wine the record list prints through Wine's printer dialog to the print service's
        # PDF printer, which writes it to the job owner's PDF folder (or cups-pdf's spool folder).
        lpstat -v SuitePDF >/dev/null 2>&1 ||
            { echo "SKIPPED: printing needs the print service and SuitePDF (scripts/print-service start)"; exit 77; }
        started=$(date '+%Y-%m-%d %H:%M:%S.%N')
        click "$r" 12 8; keys Down Down Return
        xdotool windowfocus --sync "$(window_named '^Print$')" key Return
        printed() {
            pdf=$(find "$HOME/PDF" /var/spool/cups-pdf -name '*.pdf' -newermt "$started" 2>/dev/null | head -n 1)
            [ -n "$pdf" ] && pdftotext -layout "$pdf" - 2>/dev/null | grep -q '1998.49cc'
        }
        wait_until 60 printed || { echo "$program: no PDF with the record came from the printer"; exit 1; }
        echo "$program: the record list printed through Wine to SuitePDF ($pdf)"
    fi
    ;;
pressure)
    w=$(focused_window "Pressure Converter")
    client_size "$w" 394 122
    keys ctrl+a; type_text 1
    keys Tab Tab Tab Tab Down Down Down Down Down Down Down Down Down Return
    check psi "$w" 208 24 169 19
    ;;
Quillon)
    w=$(focused_window "INLET AND EXHAUSTS")
    client_size "$w" 384 287
    type_text 6000; keys Tab space alt+a
    check primary "$w" 40 144 290 25
    ;;
Vellarin)
    w=$(focused_window "Vellarin")
    client_size "$w" 450 316
    # A right press on Calculate ET and a middle one on Start press nothing and leave the typing
    # in the weight field.
    keys ctrl+a; type_text 60; click "$w" 225 204 3; click "$w" 322 274 2; type_text 00
    keys Tab ctrl+a; type_text 50; keys Return
    check estimate "$w" 100 220 250 30
    # Start opens the light tree; a press stages, Return stages again, and the ambers step down to
    # green by themselves.
    click "$w" 322 274
    t=$(focused_window "Vellarin" "$w")
    keys space Return
    check green "$t" 0 0 450 316
    ;;
*)
    echo "no end-to-end scenario for $program"; exit 1 ;;
esac
