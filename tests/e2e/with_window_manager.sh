#!/usr/bin/env bash
# Runs COMMAND on the current X display once openbox manages it; stops openbox afterwards.
set -euo pipefail
openbox --sm-disable --config-file "$(dirname "$0")/openbox-rc.xml" >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$@"
