#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a Windows program of the build under Wine, in a Wine prefix of the build's own, never the
# user's, drawing through GRAPHICS: "null" (nothing shown, for the offscreen tests) or "x11" (the
# X display in $DISPLAY):
#   wine-emulator.sh PREFIX GRAPHICS PROGRAM.exe [ARGUMENTS]
#   wine-emulator.sh PREFIX GRAPHICS --stop    (ends every Wine process of the prefix, and waits)
# CMake runs the tests, and the discovery of the tests, through it.
set -eu
prefix=$1 graphics=$2
shift 2
export WINEPREFIX="$prefix" WINEDEBUG="${WINEDEBUG:--all}" WINEARCH=win64
if [ "${1:-}" = --stop ]; then
    wineserver -k 2>/dev/null || true
    exec wineserver -w
fi
# Neither Mono nor Gecko is needed, and Wine would offer to download them.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
# Wine hands a program Qt's variables only under the prefix WINE, so that a Windows Qt does not take
# the Linux desktop's for its own.
for variable in $(env | sed -n 's/^\(QT_[A-Za-z0-9_]*\)=.*/\1/p'); do
    eval "export WINE$variable=\"\$$variable\""
done
export WINEQT_FORCE_STDERR_LOGGING=1
# Wine's server and services start with the first program and outlive it. Started here on their own,
# with no output of the caller's, they hold no pipe of ctest's open, and they stay up a minute after
# the last program ends so that the next one does not wait for them.
services_up() {
    for pid in $(pgrep -f 'system32.services\.exe' || true); do
        tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qxF "WINEPREFIX=$prefix" && return 0
    done
    return 1
}
mkdir -p "$prefix"
(
    flock 9
    if ! services_up; then
        # Nor the lock: they would hold it for as long as they run.
        wineserver -p60 </dev/null >/dev/null 2>&1 9>&- || true # already up: nothing to do
        if ! grep -q "^\"Graphics\"=\"$graphics\"" "$prefix/user.reg" 2>/dev/null; then
            # Without a display a program waits for a desktop that never comes, unless Wine is told
            # to draw nowhere; the services then start again with it.
            wine wineboot --init </dev/null >>"$prefix/boot.log" 2>&1 9>&-
            wine reg add 'HKCU\Software\Wine\Drivers' /v Graphics /d "$graphics" /f </dev/null >>"$prefix/boot.log" 2>&1 9>&-
            wineserver -k 9>&-
            wineserver -w 9>&-
            wineserver -p60 </dev/null >/dev/null 2>&1 9>&-
        fi
        wine wineboot --init </dev/null >>"$prefix/boot.log" 2>&1 9>&-
    fi
) 9>"$prefix.lock"
exec wine "$@"
