#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one desktop test so that every run keeps its evidence in a folder of its own under the build
# folder: the test's output with the programs' standard error (output.log), the X server's own log
# (xserver.log) and, when the test fails, the screen at the moment of failure (screen.png, taken by
# the test's own script where it can, else here as the test ends). A later run never overwrites an
# earlier one's folder.
#   e2e/desktop-test.sh EVIDENCE_ROOT NAME DISPLAY -- COMMAND...
# DISPLAY is the number Xvfb starts from (xvfb-run -a moves past a number in use), or "own" for a
# command that starts its own display server and keeps its log in $SUITE_EVIDENCE_DIR itself.
set -uo pipefail
source "$(dirname "$0")/desktop.sh"

# On the display: the command in a session of its own, the screen kept if it failed, then whatever it
# left running (the tests leave their programs and daemons to this) ended and waited for, so no later
# test meets it.
run_on_display() {
    setsid "$@" >"$SUITE_EVIDENCE_DIR/output.log" 2>&1 &
    local group=$! status
    wait $group
    status=$?
    if [ $status -ne 0 ] && [ $status -ne 77 ] && [ ! -e "$SUITE_EVIDENCE_DIR/screen.png" ] && [ -n "${DISPLAY:-}" ]; then
        import -window root "$SUITE_EVIDENCE_DIR/screen.png" 2>/dev/null
    fi
    # Gone, not just told to go: a daemon still exiting holds what the next run's daemon needs (its
    # user's process count, its bus name).
    kill -- -$group 2>/dev/null
    session_empty() { ! pgrep -s $group >/dev/null; }
    wait_until 10 session_empty || { pkill -KILL -s $group; wait_until 10 session_empty; }
    return $status
}

root=$1 name=$2 display=$3
shift 4
run="$root/$name/$(date +%Y%m%d-%H%M%S)-$$"
mkdir -p "$run"
export SUITE_EVIDENCE_DIR=$run
if [ "$display" = own ]; then
    run_on_display "$@"
else
    xvfb-run -a -n "$display" -e "$run/xserver.log" -s "$xvfb_server_args" bash -c "$(declare -f wait_until run_on_display); run_on_display \"\$@\"" run "$@"
fi
status=$?
cat "$run/output.log" 2>/dev/null
if [ $status -ne 0 ] && [ $status -ne 77 ]; then
    for log in "$run"/*.log; do
        [ "$log" = "$run/output.log" ] || [ ! -s "$log" ] || { printf '\n-- the end of %s:\n' "$log"; tail -n 15 "$log"; }
    done
    printf '\nFAILED (exit %d); the evidence is kept in %s:\n' $status "$run"
    (cd "$run" && ls -1)
fi
exit $status
