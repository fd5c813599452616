#!/usr/bin/env bash
# The programs as a screen reader meets them, through the real accessibility bus: run by ctest
# inside a private session bus (dbus-run-session) on Xvfb. Starts the AT-SPI bus, then
# e2e/accessibility.py drives each program from outside with pyatspi.
#   dbus-run-session -- e2e/accessibility.sh BIN_DIR
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "SKIPPED: needs python3-pyatspi, which scripts/packages.txt lists"
    exit 77
fi
/usr/libexec/at-spi-bus-launcher --launch-immediately &
launcher=$!
trap 'kill $launcher 2>/dev/null || true' EXIT
/usr/bin/python3 "$here/accessibility.py" "$1"
