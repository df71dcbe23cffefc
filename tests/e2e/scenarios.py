"""Usage: scenarios.py session|report PROGRAM DATABASE, under an X display and a session bus;
DATABASE is the program's compiled-in database, holding the example accounts. Under openbox
the session is played from the keyboard alone, with Orca listening."""

import os
import re
import sqlite3
import subprocess
import sys
import tempfile
import time

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


def keys(*strokes):
    """Presses keys as a person does, through the X server: xdotool's key names, and "type:"
    before a text to type."""
    for stroke in strokes:
        verb, what = ("type", stroke[5:]) if stroke.startswith("type:") else ("key", stroke)
        subprocess.run(["xdotool", verb, "--delay", "60", what], check=True, timeout=30)


def hears(orca, strokes, *said):
    """Presses `strokes`, then waits until Orca has said each of `said` (a part of one
    utterance, or a pattern of a whole one), and checks that it said each of them once."""
    start = len(orca.heard())
    keys(*strokes)
    new = lambda: orca.heard()[start:]  # noqa
    says = lambda text, line: text.fullmatch(line) if isinstance(text, re.Pattern) else text in line  # noqa
    wait_for(lambda: all(any(says(text, line) for line in new()) for text in said),
             lambda: f"Orca to say {said} (it said {new()})", timeout=20)
    time.sleep(0.5)  # long enough for a second utterance to follow the first
    for text in said:
        count = sum(bool(says(text, line)) for line in new())
        assert count == 1, f"Orca said {text!r} {count} times: {new()}"


def spoken_session(app, process, orca):
    """Every outcome of the login window spoken, every window announced with its role, every
    stop with its name, from the keyboard alone: Tab walks, space presses, Enter walks a
    folder. Windows are waited for until they rest, since input to a sliding window is lost."""
    window(app, "Base")
    wait_for(lambda: any("Base frame" in line for line in orca.heard()), "Orca to say the menu")
    hears(orca, ["Tab", "space"], "Login frame", "List with 2 items", "nothing selected")
    opened(app, "Login")
    hears(orca, ["Tab", "Tab"], "Login : text")
    hears(orca, ["type:alice", "Tab"], "Password : password text")
    hears(orca, ["type:wrong", "Tab", "space"], "notification Wrong Informations")
    hears(orca, ["shift+Tab", "shift+Tab", "type:alice", "Tab", "type:wrong", "Tab", "space"],
          "notification Wrong Informations")  # the same text again is news again
    hears(orca, ["shift+Tab", "shift+Tab", "type:alice", "Tab", "type:wonder", "Tab", "space"],
          "notification Loggued As alice" + " " * 45)
    hears(orca, ["shift+Tab", "shift+Tab", "type:dana", "Tab", "type:first", "Tab", "Tab",
                 "Tab", "space"], "Confirm dialog", "Confirm Password : password text")
    opened(app, "Confirm", below=["Login"])
    hears(orca, ["type:first", "Tab", "space"], "notification New User Added")
    hears(orca, ["shift+Tab"] * 4 + ["type:dana", "Tab", "type:first", "Tab", "space"],
          "notification Loggued As dana")
    hears(orca, ["shift+Tab"] * 4, "List with 5 items", "nothing selected")
    hears(orca, ["End"] + ["Tab"] * 5 + ["space"], "notification Account Deleted")
    hears(orca, ["shift+Tab"] * 5 + ["type:alice"], "alice")
    hears(orca, ["Tab"] * 7 + ["space"], "Change Password dialog", "notification alice")
    opened(app, "Change Password", below=["Login", "Base"])
    hears(orca, ["type:wonder", "Tab", "type:secret", "Tab", "type:secret", "Tab", "space"],
          "notification Password Changed")
    hears(orca, ["alt+Tab", "Tab", "Tab", "space"], "FTP frame")
    opened(app, "FTP")
    hears(orca, ["Tab"], "FTP Files", "nothing selected")
    hears(orca, ["Tab"], "Files->c: panel", "List with", "nothing selected")
    hears(orca, ["Down", "Down", "Return"], "notification Files->c:\\")  # a folder of the root
    hears(orca, ["Home", "Return"], re.compile(r"notification Files->c:\.?"))  # and back
    keys("alt+Tab", "Tab", "space")


def behind_the_report(app, process, orca):
    """With the run-time error report up, a press behind it runs no handler; the program ends
    with the report on stderr and its status once the box is dismissed. A screen reader speaks
    the report as an alert, its whole text."""
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    # The accounts stay readable, so that the log on gets as far as the access rights.
    with sqlite3.connect(sys.argv[3]) as connection:
        connection.execute("ALTER TABLE acceder RENAME TO acceder_gone")
    window(app, "Login")
    keys("Tab", "Tab", "type:bob", "Tab", "type:builder", "Tab", "space")
    report, exit_button = control(app, "alert"), control(base, "push button", "Exit")
    text = control(report, "label").name
    wait_for(lambda: "alert Guichet." in orca.heard() and any(text in x for x in orca.heard()),
             lambda: f"Orca to speak the alert {text!r} (it said {orca.heard()})", timeout=20)
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
        main(spoken_session if os.environ.get("GUICHET_E2E_OPENBOX") else session)
