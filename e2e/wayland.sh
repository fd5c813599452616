#!/usr/bin/env bash
# A program on a Wayland desktop: with the desktop's X server (XWayland) it runs as an X client, so
# that the X window manager places its windows where they belong; with none it runs natively.
# Uses a headless weston with XWayland as the desktop.   e2e/wayland.sh BIN_DIR
set -euo pipefail
bin=$1
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$runtime"' EXIT

weston --backend=headless-backend.so --socket=suite-wayland --xwayland --width=1024 --height=768 \
    --log="$runtime/weston.log" >/dev/null 2>&1 &
pids+=($!)
for _ in $(seq 100); do
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$runtime/weston.log" 2>/dev/null || true)
    [ -n "$display" ] && [ -S "$runtime/suite-wayland" ] && break
    sleep 0.1
done
[ -n "$display" ] || { echo "weston did not start with XWayland"; cat "$runtime/weston.log"; exit 1; }

# A desktop session's own environment, without a platform named for Qt.
desktop() { env -u QT_QPA_PLATFORM -u DISPLAY WAYLAND_DISPLAY=suite-wayland XDG_SESSION_TYPE=wayland "$@"; }

desktop DISPLAY="$display" "$bin/Carrowen" &
pids+=($!)
found=""
for _ in $(seq 100); do
    found=$(DISPLAY=$display xdotool search --name "ROD TO CRANK" 2>/dev/null | head -n 1) && [ -n "$found" ] && break
    sleep 0.1
done
[ -n "$found" ] || { echo "FAIL: with XWayland, Carrowen did not come up as an X client"; exit 1; }
echo "ok: with XWayland, Carrowen runs through the X server ($display)"

desktop "$bin/Carrowen" &
native=$!
pids+=($native)
sleep 3
kill -0 $native 2>/dev/null || { echo "FAIL: without an X server, Carrowen did not run natively"; exit 1; }
echo "ok: without an X server, Carrowen runs natively on Wayland"
