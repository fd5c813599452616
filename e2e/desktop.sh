# Shared by the desktop tests: starting programs on the running X display, finding their windows,
# and reading a window's place from outside, as the window manager and the user see it.

# window_named PATTERN: the id of the newest visible window whose title matches.
window_named() {
    local found=""
    for _ in $(seq 100); do
        found=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | tail -n 1) && [ -n "$found" ] && break
        sleep 0.1
    done
    [ -n "$found" ] || { echo "no window named $1" >&2; return 1; }
    echo "$found"
}

# start_window_manager: openbox, once it has announced itself on the root window.
start_window_manager() {
    openbox --sm-disable >/dev/null 2>&1 &
    window_manager=$!
    for _ in $(seq 100); do
        xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && return 0
        sleep 0.1
    done
    echo "openbox did not start" >&2
    return 1
}

# outer_rect WINDOW: "left top width height" of the window with the frame the window manager gave it.
outer_rect() {
    local info x y w h l r t b
    for _ in $(seq 50); do # the frame arrives a moment after the window is mapped
        IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')
        [ -n "$b" ] && break
        sleep 0.1
    done
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
