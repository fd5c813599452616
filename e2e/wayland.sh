#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A program on a Wayland desktop: with the desktop's X server (XWayland) it runs as an X client, so
# that the X window manager places its windows where they belong; with none it runs natively.
# Uses a headless weston with XWayland as the desktop.   e2e/wayland.sh BIN_DIR
set -euo pipefail
bin=$1
source "$(dirname "$0")/desktop.sh"
evidence=${SUITE_EVIDENCE_DIR:-$(mktemp -d)}
runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime
trap 'rm -rf "$runtime"' EXIT

weston --backend=headless-backend.so --socket=suite-wayland --xwayland --width=1024 --height=768 \
    --log="$evidence/weston.log" &
display=""
listening() {
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$evidence/weston.log" 2>/dev/null || true)
    [ -n "$display" ] && [ -S "$runtime/suite-wayland" ]
}
wait_until 30 listening || { echo "weston did not start with XWayland (see $evidence/weston.log)"; exit 1; }
export DISPLAY=$display # for the screenshot should the test fail

# A desktop session's own environment, without a platform named for Qt.
desktop() { env -u QT_QPA_PLATFORM -u DISPLAY WAYLAND_DISPLAY=suite-wayland XDG_SESSION_TYPE=wayland "$@"; }

desktop DISPLAY="$display" "$bin/Carrowen" &
window_named "ROD TO CRANK" >/dev/null || { echo "FAIL: with XWayland, Carrowen did not come up as an X client"; exit 1; }
echo "ok: with XWayland, Carrowen runs through the X server ($display)"

# Natively, its protocol log shows the window made with its caption and a picture given to it.
protocol="$evidence/native-wayland-protocol.log"
desktop WAYLAND_DEBUG=client "$bin/Carrowen" 2>"$protocol" &
native=$!
drawn() { grep -A 10000 'set_title(".*ROD TO CRANK' "$protocol" | grep -q 'wl_surface@[0-9]*\.attach(wl_buffer@'; }
running_and_drawn() { kill -0 $native 2>/dev/null && drawn; }
wait_until 30 running_and_drawn || { echo "FAIL: without an X server, Carrowen did not run natively (see $protocol)"; exit 1; }
echo "ok: without an X server, Carrowen runs natively on Wayland"
