#!/usr/bin/env bash
# Runs COMMAND as a client of a headless Weston of its own with XWayland: a Wayland session
# on which X programs run, WAYLAND_DISPLAY and DISPLAY both set. Stops Weston afterwards.
set -euo pipefail
export XDG_RUNTIME_DIR=$(mktemp -d /tmp/guichet-weston.XXXXXX)
mkdir -p /tmp/.X11-unix && chmod 1777 /tmp/.X11-unix
weston --backend=headless-backend.so --xwayland --socket=wayland-guichet --width=1280 \
    --height=1024 --idle-time=0 --log="$XDG_RUNTIME_DIR/weston.log" &
trap "kill $! 2>/dev/null || true; wait 2>/dev/null || true; rm -rf '$XDG_RUNTIME_DIR'" EXIT
for _ in $(seq 100); do  # the log appears only once Weston has started
    DISPLAY=$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' \
        "$XDG_RUNTIME_DIR/weston.log" 2>/dev/null || true)
    [ -n "$DISPLAY" ] && break || sleep 0.1
done
[ -n "$DISPLAY" ] || { echo "FAIL: Weston started no XWayland" >&2 && exit 1; }
export WAYLAND_DISPLAY=wayland-guichet DISPLAY XDG_SESSION_TYPE=wayland
"$@"
