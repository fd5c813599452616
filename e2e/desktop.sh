# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by the desktop tests: starting programs on the running X display, finding their windows,
# and reading a window's place from outside, as the window manager and the user see it.

# The virtual screen every desktop check runs on (xvfb-run -s): the size and DPI the layouts are
# measured at, and no reset when the last client leaves. A server that resets then turns away any
# program that connects meanwhile ("could not connect to display").
xvfb_server_args="-screen 0 1024x768x24 -dpi 96 -noreset"

# wait_until SECONDS COMMAND...: polls until the command succeeds; fails once the deadline passes.
# The deadline is generous, as a busy machine or a sanitizer build starts programs slowly; a
# condition that holds ends the wait at once.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ $SECONDS -lt $deadline ] || return 1
        sleep 0.05
    done
}

# keep_screen: the screen as it is now, kept with the run's evidence (see e2e/desktop-test.sh).
keep_screen() {
    [ -n "${SUITE_EVIDENCE_DIR:-}" ] || return 0
    import -window root "$SUITE_EVIDENCE_DIR/screen.png" 2>/dev/null &&
        echo "the screen at the failure: $SUITE_EVIDENCE_DIR/screen.png"
}

# on_exit COMMAND...: at the script's end, the screen kept if it failed, then the command (the
# programs ended) run, whatever the screenshot did. Replaces any earlier EXIT trap.
on_exit() {
    # shellcheck disable=SC2064 # the command is fixed now
    trap "status=\$?; if [ \$status -ne 0 ] && [ \$status -ne 77 ]; then keep_screen || true; fi; $*" EXIT
}

# window_named PATTERN [EXCEPT...]: the id of the newest visible window whose title matches, other
# than the windows given.
window_named() {
    local pattern=$1 found=""
    shift
    other_window() {
        found=$(xdotool search --onlyvisible --name "$pattern" 2>/dev/null | tail -n 1) && [ -n "$found" ] && ! [[ " $* " == *" $found "* ]]
    }
    wait_until 30 other_window "$@" || { echo "no window named $pattern" >&2; return 1; }
    echo "$found"
}

# capture_settled WINDOW FILE [IMPORT_OPTIONS...]: the window's picture once two looks in a row
# agree, that is once the program has finished drawing what it was asked to.
capture_settled() {
    local window=$1 file=$2 look
    shift 2
    look=$(mktemp --suffix=.png)
    same_again() {
        import -window "$window" "$@" "$look"
        cmp -s "$look" "$file" || { cp "$look" "$file"; return 1; }
    }
    rm -f "$file"
    wait_until 30 same_again "$@"
    rm -f "$look"
}

# window_gone WINDOW: waits until the window is no longer visible.
window_gone() {
    shown() { xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"; }
    wait_until 30 eval "! shown $1" || { echo "window $1 is still shown" >&2; return 1; }
}

# start_window_manager: openbox, once it has announced itself on the root window.
start_window_manager() {
    openbox --sm-disable &
    announced() { xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; }
    wait_until 30 announced || { echo "openbox did not start" >&2; return 1; }
}

# outer_rect WINDOW: "left top width height" of the window with the frame the window manager gave it.
outer_rect() {
    local info x y w h l r t b
    framed() { # the frame arrives a moment after the window is mapped
        IFS=', ' read -r l r t b < <(xprop -id "$1" _NET_FRAME_EXTENTS | sed -n 's/.*= //p')
        [ -n "$b" ]
    }
    wait_until 30 framed "$1" || true
    info=$(xwininfo -id "$1")
    x=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    w=$(sed -n 's/^ *Width: *//p' <<<"$info")
    h=$(sed -n 's/^ *Height: *//p' <<<"$info")
    echo "$((x - ${l:-0})) $((y - ${t:-0})) $((w + ${l:-0} + ${r:-0})) $((h + ${t:-0} + ${b:-0}))"
}
