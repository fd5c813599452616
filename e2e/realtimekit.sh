#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The light tree's priority for a user who is not root, as a desktop grants it: the real RealtimeKit
# daemon (rtkit-daemon) on a system bus of the test's own, asking the real polkit whether the user
# may have it. A desktop lets the user of the active session have it; here a polkit rule lets the
# test's user (nobody) have it, mounted for polkitd alone in a mount namespace of its own, so that
# the machine's own rules stay as they are. Then runs TEST_PROGRAM as nobody, expecting the
# daemon's lowest nice level, granted by RealtimeKit.
# Run by ctest as root:   e2e/realtimekit.sh TEST_PROGRAM
set -euo pipefail
[ "$(id -u)" -eq 0 ] || { echo "SKIPPED: needs root to start a system bus, polkit and RealtimeKit"; exit 77; }
source "$(dirname "$0")/desktop.sh"
work=$(mktemp -d)
chmod 755 "$work"
evidence=${SUITE_EVIDENCE_DIR:-$work}
trap 'rm -rf "$work"' EXIT

export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system_bus_socket
on_bus() {
    dbus-send --system --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        "string:$1" 2>/dev/null | grep -q 'boolean true'
}
# start NAME LOG COMMAND...: the command in the background, its output in LOG, until NAME is on the bus.
start() {
    local name=$1 log=$evidence/$2
    shift 2
    "$@" >"$log" 2>&1 &
    wait_until 30 on_bus "$name" || { echo "FAIL: $name did not come on the bus (see $log)"; exit 1; }
}

# A bus every user may connect to and use.
cat >"$work/bus.conf" <<EOF
<busconfig>
  <listen>$DBUS_SYSTEM_BUS_ADDRESS</listen>
  <auth>EXTERNAL</auth>
  <policy context="default">
    <allow user="*"/>
    <allow own="*"/>
    <allow send_destination="*" eavesdrop="true"/>
    <allow eavesdrop="true"/>
  </policy>
</busconfig>
EOF
start org.freedesktop.DBus system-bus.log dbus-daemon --config-file="$work/bus.conf" --nofork

mkdir "$work/rules.d"
cat >"$work/rules.d/50-light-tree-test.rules" <<'EOF'
polkit.addRule(function(action, subject) {
    if (action.id.indexOf("org.freedesktop.RealtimeKit1.") == 0 && subject.user == "nobody") {
        return polkit.Result.YES;
    }
});
EOF
chmod -R a+rX "$work/rules.d"
start org.freedesktop.PolicyKit1 polkitd.log unshare --mount --propagation private \
    sh -c 'mount --bind "$0" /etc/polkit-1/rules.d && exec "$1" --no-debug' "$work/rules.d" \
    "$(command -v polkitd || echo /usr/lib/polkit-1/polkitd)"
# Through a pipe: the daemon forbids itself to write to files once it runs.
start org.freedesktop.RealtimeKit1 rtkit.log sh -c '"$0" --stderr 2>&1 </dev/null | cat' \
    "$(command -v rtkit-daemon || echo /usr/libexec/rtkit-daemon)"
lowest=$(dbus-send --system --print-reply --dest=org.freedesktop.RealtimeKit1 /org/freedesktop/RealtimeKit1 \
    org.freedesktop.DBus.Properties.Get string:org.freedesktop.RealtimeKit1 string:MinNiceLevel |
    sed -n 's/.*int32 //p')
echo "RealtimeKit runs, granting nice levels down to $lowest"

# The program where nobody can run it.
install -m 755 "$1" "$work/test"
status=0
(cd "$work" && setpriv --reuid=nobody --regid=nogroup --clear-groups \
    env HOME="$work" QT_QPA_PLATFORM=offscreen EXPECTED_PRIORITY="nice $lowest" EXPECTED_GRANT="granted by RealtimeKit" \
    "$work/test") || status=$?
echo "-- RealtimeKit said:"
cat "$evidence/rtkit.log"
grep -q "high priority at nice level $lowest" "$evidence/rtkit.log" ||
    { echo "FAIL: RealtimeKit did not raise the tree's thread"; exit 1; }
exit $status
