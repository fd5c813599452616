# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by scripts/run, scripts/test and scripts/repeat: where the suite lives, installing its Debian
# packages, and the print service the printing test needs.
suite_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)

ensure_packages() {
    local wanted missing=() package
    mapfile -t wanted < <(grep -vE '^[[:space:]]*(#|$)' "$suite_root/scripts/packages.txt")
    for package in "${wanted[@]}"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed' || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    if [ "$(id -u)" -eq 0 ]; then
        echo "Installing the missing Debian packages: ${missing[*]}"
        export DEBIAN_FRONTEND=noninteractive
        apt-get update -qq && apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    else
        echo "Some Debian packages the suite needs are missing. Install them with this command, then run again:"
        echo "  sudo apt-get install -y --no-install-recommends ${missing[*]}"
        exit 1
    fi
}

# Each step says when it began, counted from the script's start, so a log shows where the time went.
step() { printf '\n== %s (at %d:%02d)\n' "$*" $((SECONDS / 60)) $((SECONDS % 60)); }

# The print service runs only while the tests need it, unless it ran before.
print_service_started=no
start_print_service() {
    step "the print service for the printing test"
    "$suite_root/scripts/print-service" start && print_service_started=yes || true
}
stop_print_service() {
    [ "$print_service_started" = no ] || "$suite_root/scripts/print-service" stop || true
}
