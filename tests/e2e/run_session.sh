#!/usr/bin/env bash
# Runs test_session.py against PROGRAM on a virtual screen with a session bus of its own,
# after making the program's compiled-in DATABASE afresh with the example accounts.
# Usage: run_session.sh PROGRAM GUICHET_DB DATABASE
set -euo pipefail
program=$1 tool=$2 database=$3
here=$(dirname "$0")

for command in xvfb-run xauth dbus-run-session /usr/bin/python3; do
    if ! command -v "$command" >/dev/null; then
        echo "FAIL: $command is missing; script/bootstrap --e2e installs it" >&2
        exit 1
    fi
done
if ! /usr/bin/python3 -c 'import pyatspi' 2>/dev/null; then
    echo "FAIL: pyatspi is missing; script/bootstrap --e2e installs it" >&2
    exit 1
fi

rm -f "$database"
mkdir -p "$(dirname "$database")"
"$tool" create --example "$database" >/dev/null

exec xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" \
    dbus-run-session -- /usr/bin/python3 "$here/test_session.py" "$program"
