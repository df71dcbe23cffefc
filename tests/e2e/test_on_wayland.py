"""On a Wayland session with XWayland, the program chooses X11 by itself, where it can place
its windows, and works there: a log on through the accessibility bus, then "Exit".

Usage: test_on_wayland.py PROGRAM [DATABASE]   (with WAYLAND_DISPLAY and DISPLAY set and a
session bus; the program's compiled-in database must hold the example accounts). Exits 77
when the accessibility bus cannot be reached at all."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import (SKIP, application, bus_unreachable, control, filled, log_on,  # noqa: E402
                          message_line, press, running, wait_for, window)
from frames import client_window  # noqa: E402


def main():
    program = sys.argv[1]
    if not os.environ.get("WAYLAND_DISPLAY") or not os.environ.get("DISPLAY"):
        print("FAIL: not on a Wayland session with XWayland")
        return 1
    unreachable = bus_unreachable()
    if unreachable:
        print("SKIP: the accessibility bus cannot be started here:\n" + unreachable)
        return SKIP
    with running(program) as process:
        app = application()
        base = window(app, "Base")
        client_window("Base")  # an X window: the program is on X11
        press(control(base, "push button", "Login"))
        login = window(app, "Login")
        log_on(login, "alice", "wonder")
        frame = control(login, "panel", "Log On Account")
        wait_for(lambda: message_line(frame) == "Loggued As " + filled("alice"), "alice logged on")
        press(control(base, "push button", "Exit"))
        status = process.wait(timeout=30)
    if status != 0:
        print(f"FAIL: the program ended with status {status}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
