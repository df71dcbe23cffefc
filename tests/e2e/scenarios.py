"""Usage: scenarios.py session|report PROGRAM DATABASE, under an X display and a session bus;
DATABASE is the program's compiled-in database, holding the example accounts."""

import os
import re
import sqlite3
import sys
import tempfile

import pyatspi

from atspi_driver import (at_its_place, control, expect_line, log_on, main, press, type_into,
                          wait_for, window, x11)


def opened(app, caption, below=()):
    found = window(app, caption)
    if os.environ.get("WAYLAND_DISPLAY"):  # Weston's window manager places X windows its own way
        x11("xwininfo", "-name", caption)  # but an X window it is: the program chose X11
        return found
    wait_for(lambda: at_its_place(caption, below), f"{caption!r} at its place", timeout=10)
    # Openbox keeps minimise, close and full screen on every window, whatever the window asks.
    offered = {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"} & set(re.findall(
        r"_NET_WM_ACTION_(\w+)", x11("xprop", "-name", caption, "_NET_WM_ALLOWED_ACTIONS")))
    assert not offered, f"the window manager offers {sorted(offered)} on {caption!r}"
    return found


def session(app, process):
    """A log on, then a new account through the confirmation dialog, each window at its place."""
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    login = opened(app, "Login")
    expect_line(log_on(login, "alice", "wonder"), "Loggued As " + "alice".ljust(50))
    frame = log_on(login, "dana", "first", "New User")
    confirm = opened(app, "Confirm", below=["Login"])
    type_into(control(confirm, "password text", "Confirm Password :"), "first")
    press(control(confirm, "push button", "Ok"))
    expect_line(frame, "New User Added")
    press(control(base, "push button", "Exit"))


def behind_the_report(app, process):
    """With the run-time error report up, a press behind it runs no handler; the program ends
    with the report on stderr and its status once the box is dismissed."""
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    # The accounts stay readable, so that the log on gets as far as the access rights.
    with sqlite3.connect(sys.argv[3]) as connection:
        connection.execute("ALTER TABLE acceder RENAME TO acceder_gone")
    log_on(window(app, "Login"), "bob", "builder")
    report, exit_button = control(app, "alert"), control(base, "push button", "Exit")
    press(exit_button)  # the button is let up just before its click is delivered
    wait_for(lambda: process.poll() is not None
             or not exit_button.getState().contains(pyatspi.STATE_PRESSED), "\"Exit\" let up")
    assert process.poll() is None, "the program ended on \"Exit\" behind its report"
    press(control(report, "push button", "OK"))


if __name__ == "__main__":
    if sys.argv[1] == "report":
        with tempfile.TemporaryFile(mode="w+") as errors:
            main(behind_the_report, status=1, stderr=errors)
            errors.seek(0)
            assert "Run-time error '" in errors.read(), "no run-time error reported"
    else:
        main(session)
