"""A session with the real program, driven only through the accessibility bus: log on an
account, create one (through the confirmation dialog), change its password, and browse a
folder in the FTP window, reading every result from the message lines and the lists.

Usage: test_session.py PROGRAM [DATABASE]   (under an X display and a session bus; the program's
compiled-in database must hold the example accounts). Exits 77 when the accessibility bus
cannot be reached at all."""

import os
import pathlib
import sys
import tempfile

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from atspi_driver import (SKIP, application, bus_unreachable, control, double_click,  # noqa: E402
                          filled, gone, items, log_on, message_line, press, running, select,
                          Timeout, type_into, wait_for, window)
from frames import allowed_actions, check_resting_place  # noqa: E402

def expect_line(frame, text):
    wait_for(lambda: message_line(frame) == text,
             f"the message {text!r} (the line reads {message_line(frame)!r})")


def check_window_manager_offers_only_moving(caption):
    # Openbox keeps minimise, close and full screen on every window, whatever the window asks.
    offered = allowed_actions(caption) & {"MAXIMIZE_HORZ", "MAXIMIZE_VERT", "RESIZE"}
    if offered:
        raise AssertionError(f"the window manager offers {sorted(offered)} on {caption!r}")


def enter(ftp, files, line, caption):
    """Double-clicks the line and returns the list once it shows `caption`. On a loaded
    machine the server may space the two clicks too far apart for a double-click: the list
    still shows its folder then, and the line is double-clicked again."""
    for _ in range(3):
        double_click(files, line)
        try:
            return control(ftp, "list", caption, timeout=5)
        except Timeout:
            if files.name == caption:
                raise
    raise Timeout(f"the list never showed {caption!r}")


def session(app, scratch):
    base = window(app, "Base")
    press(control(base, "push button", "Login"))
    login = window(app, "Login")
    check_resting_place("Login")
    check_window_manager_offers_only_moving("Login")
    log_on_frame = control(login, "panel", "Log On Account")
    active_frame = control(login, "panel", "Active Account")
    active = control(active_frame, "list", "Active Account")
    expect_line(log_on_frame, "Ready !!!")

    log_on(login, "alice", "wonder")
    expect_line(log_on_frame, "Loggued As " + filled("alice"))
    log_on(login, "bob", "wrong")
    expect_line(log_on_frame, "Wrong Informations")

    # A new account, confirmed in the dialog, then logged on.
    type_into(control(log_on_frame, "text", "Login :"), "dana")
    type_into(control(log_on_frame, "password text", "Password :"), "first")
    press(control(log_on_frame, "push button", "New User"))
    confirm = window(app, "Confirm")
    check_resting_place("Confirm", below=["Login"])
    type_into(control(confirm, "password text", "Confirm Password :"), "first")
    press(control(confirm, "push button", "Ok"))
    gone(app, "Confirm")
    expect_line(log_on_frame, "New User Added")
    log_on(login, "dana", "first")
    expect_line(log_on_frame, "Loggued As " + filled("dana"))
    wait_for(lambda: "dana" in items(active), f"dana in the list ({items(active)})")

    # Its password changed, then checked by logging off and on again.
    select(active, "dana")
    press(control(active_frame, "push button", "Change Password"))
    change = window(app, "Change Password")
    check_resting_place("Change Password", below=["Login", "Base"])
    type_into(control(change, "text", "Old :"), "first")
    type_into(control(change, "text", "New :"), "second")
    type_into(control(change, "text", "Confirm :"), "second")
    press(control(change, "push button", "OK"))
    gone(app, "Change Password")
    expect_line(active_frame, "Password Changed")
    select(active, "dana")
    press(control(active_frame, "push button", "Unlog"))
    wait_for(lambda: "dana" not in items(active), f"dana off the list ({items(active)})")
    log_on(login, "dana", "first")
    expect_line(log_on_frame, "Wrong Informations")
    log_on(login, "dana", "second")
    expect_line(log_on_frame, "Loggued As " + filled("dana"))

    # The FTP window in place of the login window, browsing into a folder and back up.
    press(control(base, "push button", "FTP"))
    gone(app, "Login")
    ftp = window(app, "FTP")
    files = control(ftp, "list", "Files->c:")
    path = "c:" + str(scratch).replace("/", "\\")
    files = enter(ftp, files, "  var", "Files->c:\\var")
    files = enter(ftp, files, "  tmp", "Files->c:\\var\\tmp")
    files = enter(ftp, files, "  " + scratch.name, "Files->" + path)
    wait_for(lambda: items(files) == ["   \\..", "  alpha", "    beta.txt"],
             f"the folder's lines ({items(files)})")
    files = enter(ftp, files, "   \\..", "Files->c:\\var\\tmp")
    wait_for(lambda: "  " + scratch.name in items(files), "the scratch folder in c:\\var\\tmp")

    press(control(base, "push button", "Exit"))


def main():
    program = sys.argv[1]
    unreachable = bus_unreachable()
    if unreachable:
        print("SKIP: the accessibility bus cannot be started here:\n" + unreachable)
        return SKIP

    with tempfile.TemporaryDirectory(dir="/var/tmp", prefix="guichet-e2e-") as folder:
        scratch = pathlib.Path(folder)
        (scratch / "alpha").mkdir()
        (scratch / "beta.txt").write_text("x")
        with running(program) as process:
            session(application(), scratch)
            status = process.wait(timeout=30)
    if status != 0:
        print(f"FAIL: the program ended with status {status}")
        return 1
    print("PASS")
    return 0


if __name__ == "__main__":
    sys.exit(main())
