#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The light tree with everything on one core: the X server, the tree and a busy program pinned to
# the same core with taskset, the tree at the priority the machine grants it. The tree must still
# light every lamp on the screen and take every real press (TEST_PROGRAM, the real-X light-tree
# test), and the X server must keep answering.   e2e/one-core.sh DISPLAY_NUMBER TEST_PROGRAM
set -euo pipefail
source "$(dirname "$0")/desktop.sh"
evidence=${SUITE_EVIDENCE_DIR:-$(mktemp -d)}
taskset -c 0 sh -c 'while :; do :; done' &
busy=$!
trap 'kill $busy 2>/dev/null || true' EXIT
taskset -c 0 xvfb-run -a -n "$1" -e "$evidence/xserver.log" -s "$xvfb_server_args" \
    sh -c '"$0" && xdpyinfo >/dev/null && echo "ok: the X server still answers"' "$2"
