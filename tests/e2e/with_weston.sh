#!/usr/bin/env bash
# Runs COMMAND as a client of a headless Weston of its own with XWayland: a Wayland session
# on which X programs run, WAYLAND_DISPLAY and DISPLAY both set. Stops Weston afterwards.
set -euo pipefail
runtime=$(mktemp -d /tmp/guichet-weston.XXXXXX)
trap 'kill $compositor 2>/dev/null || true; wait 2>/dev/null || true; rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
weston --backend=headless-backend.so --xwayland --socket=wayland-guichet --width=1280 \
    --height=1024 --idle-time=0 --log="$runtime/weston.log" &
compositor=$!
display=
for _ in $(seq 100); do
    # The log appears only once Weston has started.
    display=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' \
        "$runtime/weston.log" 2>/dev/null || true)
    [ -n "$display" ] && break
    sleep 0.1
done
[ -n "$display" ] || { echo "FAIL: Weston started no XWayland" >&2 && exit 1; }
export WAYLAND_DISPLAY=wayland-guichet DISPLAY=$display XDG_SESSION_TYPE=wayland
# XWayland starts with its first client, and its window manager answers once it is up.
for _ in $(seq 100); do
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id' && break
    sleep 0.1
done
"$@"
