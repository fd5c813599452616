#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Where the windows of the five programs appear under a decorating window manager (openbox), read
# from outside: the outer frame of each centred window must be centred on the 1024 x 768 screen
# within 2 px, and Sumbrelt's two windows must have their outer top-left corners at their fixed
# points. Run by ctest under xvfb-run:   e2e/placement.sh BIN_DIR
set -euo pipefail
bin=$1
source "$(dirname "$0")/desktop.sh"
failures=0
start_window_manager

# expect_centred WHAT WINDOW
expect_centred() {
    local left top width height dx dy
    read -r left top width height < <(outer_rect "$2")
    dx=$((2 * left + width - 1024)) dy=$((2 * top + height - 768)) # twice the offset from the centre
    if [ ${dx#-} -gt 4 ] || [ ${dy#-} -gt 4 ]; then
        echo "FAIL: $1 is off centre by ($((dx / 2)), $((dy / 2))) px: outer ${width}x${height} at ($left, $top)"
        failures=$((failures + 1))
    else
        echo "ok: $1 centred, outer ${width}x${height} at ($left, $top)"
    fi
}

# expect_at WHAT WINDOW LEFT TOP
expect_at() {
    local left top width height
    read -r left top width height < <(outer_rect "$2")
    if [ "$left $top" != "$3 $4" ]; then
        echo "FAIL: $1 has its outer corner at ($left, $top), not ($3, $4)"
        failures=$((failures + 1))
    else
        echo "ok: $1 at ($left, $top)"
    fi
}

start() { "$bin/$1" & }

for program in "Carrowen:ROD TO CRANK" "Quillon:INLET AND EXHAUSTS" "pressure:Pressure Converter"; do
    start "${program%%:*}"
    expect_centred "${program%%:*}" "$(window_named "${program#*:}")"
done

start Sumbrelt
calculator=$(window_named "CUBIC")
expect_at "Sumbrelt's calculator" "$calculator" 100 7
xdotool windowactivate --sync "$calculator" key alt+p
expect_at "Sumbrelt's record window" "$(window_named "Cubic Capacity Records")" 100 267

start Vellarin
main=$(window_named "^Vellarin$")
expect_centred "Vellarin's main window" "$main"
xdotool windowactivate --sync "$main" key alt+a
info=$(window_named "^Vellarin$" "$main") || { echo "FAIL: the info window did not open"; exit 1; }
expect_centred "Vellarin's info window" "$info"
xdotool windowactivate --sync "$info" key Return
window_gone "$info" || { echo "FAIL: Enter did not close the info window"; exit 1; }
xdotool windowactivate --sync "$main" key alt+s
tree=$(window_named "^Vellarin$" "$main") || { echo "FAIL: the light tree did not open"; exit 1; }
expect_centred "Vellarin's light tree" "$tree"

[ $failures -eq 0 ] || exit 1
