#!/usr/bin/env bash
# Runs the test SCRIPT against PROGRAM on a desktop of its own with a session bus of its own,
# after making the program's compiled-in DATABASE afresh with the example accounts.
# Usage: run_session.sh DESKTOP[@DPI] SCRIPT PROGRAM GUICHET_DB DATABASE
#   DESKTOP: bare (an X server alone), openbox (an X server and a window manager), or weston
#   (a headless Wayland compositor with XWayland); DPI: 96 unless given, the screen as large
#   in inches whatever the DPI.
set -euo pipefail
desktop=${1%@*} script=$2 program=$3 tool=$4 database=$5
dpi=96
[[ $1 == *@* ]] && dpi=${1#*@}
# Qt takes the X server's font DPI for the screen's, as a desktop sets it.
export GUICHET_E2E_DPI=$dpi QT_FONT_DPI=$dpi
screen="-screen 0 $((1280 * dpi / 96))x$((1024 * dpi / 96))x24 -dpi $dpi"
here=$(cd "$(dirname "$0")" && pwd)
for command in xauth dbus-run-session xwininfo xprop xvfb-run openbox weston Xwayland; do
    command -v "$command" >/dev/null || missing="$command"
done
/usr/bin/python3 -c 'import pyatspi' 2>/dev/null || missing=pyatspi
if [ -n "${missing-}" ]; then
    echo "FAIL: $missing is missing; script/bootstrap --e2e installs it" >&2
    exit 1
fi

rm -f "$database"
mkdir -p "$(dirname "$database")"
"$tool" create --example "$database" >/dev/null
session=(dbus-run-session -- /usr/bin/python3 "$here/$script" "$program" "$database")
case "$desktop" in
    bare) exec xvfb-run -a -s "$screen" "${session[@]}" ;;
    openbox) exec xvfb-run -a -s "$screen" "$here/with_window_manager.sh" "${session[@]}" ;;
    weston) exec "$here/with_weston.sh" "${session[@]}" ;;
esac
