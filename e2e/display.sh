#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The display a desktop test runs on keeps answering while its clients come and go: two loops of
# short-lived clients, as a test's programs and its xdotool calls are, must never be turned away.
# An X server that resets when its last client leaves refuses whoever connects meanwhile.
# Run by ctest under xvfb-run:   e2e/display.sh
set -euo pipefail
refusals() {
    local refused=0
    for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 || refused=$((refused + 1)); done
    echo "$refused"
}
other=$(mktemp)
trap 'rm -f "$other"' EXIT
refusals >"$other" &
mine=$(refusals)
wait
refused=$((mine + $(cat "$other")))
if [ $refused -ne 0 ]; then
    echo "FAIL: the display turned away $refused of 200 connections"
    exit 1
fi
echo "ok: the display answered all 200 connections"
