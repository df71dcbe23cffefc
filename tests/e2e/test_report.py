"""The run-time error report ends everything: with the report's box up, a screen reader's
press on the controls behind it runs none of the system's handlers, and the program ends
with the report's status once the box is dismissed.
Usage: test_report.py PROGRAM DATABASE (under an X display and a session bus; DATABASE is
the program's compiled-in database, holding the example accounts)."""

import os
import sqlite3
import sys
import tempfile

import pyatspi

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import control, log_on, main, press, select, wait_for, window  # noqa: E402

DATABASE = sys.argv[2]


def behind_the_report(app, process):
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    login = window(app, "Login")
    active_frame = control(login, "panel", "Active Account")
    log_on(login, "alice", "wonder")
    select(control(active_frame, "list", "Active Account"), "alice")
    # The accounts stay readable, so that the next log on gets as far as the access rights.
    with sqlite3.connect(DATABASE) as connection:
        connection.execute("ALTER TABLE acceder RENAME TO acceder_gone")
    log_on(login, "bob", "builder", None)
    report = control(app, "alert")
    for behind, caption in ((active_frame, "Delete"), (base, "Exit")):
        button = control(behind, "push button", caption)
        press(button)  # the button is let up just before its click is delivered
        wait_for(lambda: process.poll() is not None
                 or not button.getState().contains(pyatspi.STATE_PRESSED), f"{caption!r} let up")
        assert process.poll() is None, f"the program ended on {caption!r} behind its report"
    with sqlite3.connect(DATABASE) as connection:
        kept = connection.execute("SELECT count(*) FROM compte WHERE loggin = ?",
                                  ("alice".ljust(50),)).fetchone()[0]
    assert kept == 1, "\"Delete\" deleted alice behind the report"
    press(control(report, "push button", "OK"))


def report_read_from(errors):
    errors.seek(0)
    assert "Run-time error '" in errors.read(), "no run-time error reported"


if __name__ == "__main__":
    with tempfile.TemporaryFile(mode="w+") as errors:
        main(lambda app, process: behind_the_report(app, process) or
             (lambda: report_read_from(errors)), status=1, stderr=errors)
