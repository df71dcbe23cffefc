#!/usr/bin/env bash
# Plays SCENARIO of scenarios.py against PROGRAM on a desktop of its own with a session bus of
# its own, after making the program's compiled-in DATABASE afresh with the example accounts.
# Usage: run_session.sh bare|openbox|weston SCENARIO PROGRAM GUICHET_DB DATABASE: an X server
# alone or with a window manager, or a headless Wayland compositor with XWayland. An X screen
# is at GUICHET_E2E_DPI (96 unless set), made big enough for the windows near its corner.
set -euo pipefail
desktop=$1 tool=$4 database=$5 dpi=${GUICHET_E2E_DPI:-96}
here=$(cd "$(dirname "$0")" && pwd)
rm -f "$database"
mkdir -p "$(dirname "$database")"
"$tool" create --example "$database" >/dev/null
session=(dbus-run-session -- /usr/bin/python3 "$here/scenarios.py" "$2" "$3" "$database")
# No reset when the last client leaves: a client connecting meanwhile would be refused.
case "$desktop" in
    openbox) export GUICHET_E2E_OPENBOX=1 ;&
    bare) exec xvfb-run -a -s "-screen 0 $((1280 * dpi / 96))x$((1024 * dpi / 96))x24 -dpi $dpi \
                -noreset" "${session[@]}" ;;
    weston) exec "$here/with_weston.sh" "${session[@]}" ;;
esac
