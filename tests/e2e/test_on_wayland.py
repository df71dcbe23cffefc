"""On a Wayland session with XWayland, the program chooses X11 by itself, where it can place
its windows, and works there: a log on through the accessibility bus, then "Exit".
Usage: test_on_wayland.py PROGRAM (with WAYLAND_DISPLAY, DISPLAY and a session bus)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import control, log_on, main, press, window  # noqa: E402
from frames import client_window  # noqa: E402


def session(app, process):
    base = window(app, "Base")
    client_window("Base")  # an X window: the program is on X11
    press(control(base, "push button", "Login"))
    log_on(window(app, "Login"), "alice", "wonder")
    press(control(base, "push button", "Exit"))


if __name__ == "__main__":
    assert os.environ.get("WAYLAND_DISPLAY") and os.environ.get("DISPLAY"), "not on Wayland"
    main(session)
