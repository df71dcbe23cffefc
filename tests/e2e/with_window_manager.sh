#!/usr/bin/env bash
# Runs COMMAND on the current X display once openbox manages it; stops openbox afterwards.
set -euo pipefail
here=$(dirname "$0")
openbox --sm-disable --config-file "$here/openbox-rc.xml" >/dev/null 2>&1 &
manager=$!
trap 'kill $manager 2>/dev/null || true' EXIT
# Openbox names itself on the root before it frames new windows: a window of its own, framed,
# tells that it does.
xmessage -title guichet-probe probe >/dev/null 2>&1 &
probe=$!
for _ in $(seq 200); do
    xprop -name guichet-probe _NET_FRAME_EXTENTS 2>/dev/null | grep -q '=' && break
    sleep 0.05
done
kill $probe 2>/dev/null || true
wait $probe 2>/dev/null || true
"$@"
