#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Windows installer as a user meets it, under Wine on a virtual X display: installed silently
# into a fresh Wine prefix (a machine that never had the suite), one program started from its
# Start-menu entry and quit, then uninstalled silently, leaving nothing behind.
#   e2e/windows-install.sh INSTALLER.exe
set -euo pipefail
installer=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
source "$here/desktop.sh"
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "$xvfb_server_args" "$0" "$@"
fi

export WINEPREFIX
WINEPREFIX=$(mktemp -d)/wine
export WINEDEBUG=-all WINEARCH=win64 WINEDLLOVERRIDES="mscoree,mshtml="
on_exit 'wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; rm -rf "$(dirname "$WINEPREFIX")"'
fail() { echo "FAIL: $*"; exit 1; }
# Wine's services start apart, holding none of this script's output.
wine wineboot --init </dev/null >"$WINEPREFIX.boot.log" 2>&1 || fail "Wine could not make its prefix"

folder="$WINEPREFIX/drive_c/Program Files/Drag-strip workshop"
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Drag-strip workshop'
start_menu_entry() { find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Drag-strip workshop/*' -name "$1.lnk"; }

wine "$installer" /S || fail "the installer failed"
for file in Vellarin.exe Carrowen.exe Sumbrelt.exe pressure.exe Quillon.exe LICENSE.txt "User guide.txt" Uninstall.exe; do
    [ -f "$folder/$file" ] || fail "the installer did not put $file in Program Files"
done
for program in Vellarin Carrowen Sumbrelt pressure Quillon; do
    [ -n "$(start_menu_entry $program)" ] || fail "no Start-menu entry for $program"
done
wine reg query "$uninstall_key" /v DisplayName 2>/dev/null | grep -q "Drag-strip workshop" ||
    fail "the suite is not among the installed programs"
echo "installed: five programs with their Start-menu entries, listed among the installed programs"

wine start /unix "$(start_menu_entry Carrowen)"
window=$(window_named "ROD TO CRANK") || fail "Carrowen did not open from its Start-menu entry"
xdotool windowfocus --sync "$window" key alt+q
window_gone "$window" || fail "Carrowen did not quit"
echo "Carrowen opened from its Start-menu entry and quit"

# The uninstaller runs from a copy of itself, so the server is waited for until every process ends.
wine "$folder/Uninstall.exe" /S
wineserver -w
[ ! -e "$folder" ] || fail "the uninstaller left $(cd "$folder" && ls -A | tr '\n' ' ')"
[ -z "$(find "$WINEPREFIX/drive_c" -path '*/Start Menu/Programs/Drag-strip workshop*')" ] ||
    fail "the uninstaller left the Start-menu entries"
! wine reg query "$uninstall_key" >/dev/null 2>&1 || fail "the uninstaller left the suite listed"
echo "uninstalled: nothing left behind"
