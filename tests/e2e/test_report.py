"""The run-time error report ends everything: with the report's box up, a screen reader's
press on the controls behind it runs none of the system's handlers, and the program ends
with the report's status once the box is dismissed.

Usage: test_report.py PROGRAM DATABASE   (under an X display and a session bus; DATABASE is
the program's compiled-in database, holding the example accounts). Exits 77 when the
accessibility bus cannot be reached at all."""

import os
import sqlite3
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import (SKIP, application, bus_unreachable, children, control,  # noqa: E402
                          filled, log_on, message_line, press, select, showing, running, wait_for,
                          window)


def has_account(database, login):
    with sqlite3.connect(database) as connection:
        return connection.execute("SELECT count(*) FROM compte WHERE loggin = ?",
                                  (filled(login),)).fetchone()[0] == 1


def report_box(app):
    return wait_for(lambda: next((c for c in children(app) if c is not None
                                  and c.getRoleName() == "alert" and showing(c)), None),
                    "the report's message box")


def press_through(button, process):
    """Presses the button and waits for the click that ends the press a moment later: the
    button is let up, in the same step, just before its click is delivered."""
    press(button)
    wait_for(lambda: process.poll() is not None
             or not button.getState().contains(pyatspi.STATE_PRESSED),
             f"the press on {button.name!r} to end")


def presses_behind_the_report(app, database, process):
    """Returns what went wrong, or None; leaves the report's box up."""
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    login = window(app, "Login")
    log_on_frame = control(login, "panel", "Log On Account")
    active_frame = control(login, "panel", "Active Account")
    active = control(active_frame, "list", "Active Account")
    log_on(login, "alice", "wonder")
    wait_for(lambda: message_line(log_on_frame) == "Loggued As " + filled("alice"),
             "alice logged on")
    select(active, "alice")

    # The accounts stay readable, so that the next log on gets as far as the access rights.
    with sqlite3.connect(database) as connection:
        connection.execute("ALTER TABLE acceder RENAME TO acceder_gone")
    log_on(login, "bob", "builder")
    report_box(app)

    for window_behind, caption in ((active_frame, "Delete"), (base, "Exit")):
        press_through(control(window_behind, "push button", caption), process)
        if process.poll() is not None:
            return (f"the program ended with status {process.returncode} on {caption!r} "
                    "behind its report")
    if not has_account(database, "alice"):
        return "\"Delete\" deleted alice behind the report"
    return None


def main():
    program, database = sys.argv[1:3]
    unreachable = bus_unreachable()
    if unreachable:
        print("SKIP: the accessibility bus cannot be started here:\n" + unreachable)
        return SKIP

    with tempfile.TemporaryFile(mode="w+") as errors:
        with running(program, stderr=errors) as process:
            app = application()
            fault = presses_behind_the_report(app, database, process)
            if fault is None:
                press(control(report_box(app), "push button", "OK"))
                status = process.wait(timeout=30)
        errors.seek(0)
        report = errors.read()
    if fault is not None:
        print("FAIL: " + fault)
        return 1
    if status != 1 or "Run-time error '" not in report:
        print(f"FAIL: the program ended with status {status}, its errors reading:\n{report}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
