"""A session with the real program, driven only through the accessibility bus: log on an
account, create one through the confirmation dialog, change its password, log it off and on
again, and open the FTP window in place of the login window; every window is checked where it
comes to rest, every result read from the message lines and the lists.
Usage: test_session.py PROGRAM (under an X display and a session bus; the program's
compiled-in database holds the example accounts)."""

import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import (control, expect_line, gone, items, log_on, main, press,  # noqa: E402
                          select, type_into, wait_for, window)
from frames import allowed_actions, check_resting_place  # noqa: E402


def open_window(app, caption, below=()):
    found = window(app, caption)
    check_resting_place(caption, below)
    # Openbox keeps minimise, close and full screen on every window, whatever the window asks.
    offered = allowed_actions(caption) & {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"}
    assert not offered, f"the window manager offers {sorted(offered)} on {caption!r}"
    return found


def session(app, process):
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    login = open_window(app, "Login")
    log_on_frame = control(login, "panel", "Log On Account")
    active_frame = control(login, "panel", "Active Account")
    active = control(active_frame, "list", "Active Account")
    expect_line(log_on_frame, "Ready !!!")
    log_on(login, "alice", "wonder")
    log_on(login, "bob", "wrong", "Wrong Informations")

    type_into(control(log_on_frame, "text", "Login :"), "dana")
    type_into(control(log_on_frame, "password text", "Password :"), "first")
    press(control(log_on_frame, "push button", "New User"))
    confirm = open_window(app, "Confirm", below=["Login"])
    type_into(control(confirm, "password text", "Confirm Password :"), "first")
    press(control(confirm, "push button", "Ok"))
    gone(app, "Confirm")
    expect_line(log_on_frame, "New User Added")
    log_on(login, "dana", "first")
    wait_for(lambda: "dana" in items(active), f"dana in the list ({items(active)})")

    select(active, "dana")
    press(control(active_frame, "push button", "Change Password"))
    change = open_window(app, "Change Password", below=["Login", "Base"])
    for box, text in (("Old :", "first"), ("New :", "second"), ("Confirm :", "second")):
        type_into(control(change, "text", box), text)
    press(control(change, "push button", "OK"))
    gone(app, "Change Password")
    expect_line(active_frame, "Password Changed")
    select(active, "dana")
    press(control(active_frame, "push button", "Unlog"))
    wait_for(lambda: "dana" not in items(active), f"dana off the list ({items(active)})")
    log_on(login, "dana", "first", "Wrong Informations")
    log_on(login, "dana", "second")

    press(control(base, "push button", "FTP"))
    gone(app, "Login")
    control(window(app, "FTP"), "list", "Files->c:")
    press(control(base, "push button", "Exit"))


if __name__ == "__main__":
    main(session)
