"""Opens each window of a running Guichet in turn, through the accessibility bus, and saves
a picture of it. Run by script/pictures, which starts the screen, the buses and the program.

Usage: take_pictures.py PROGRAM FOLDER DPI   (pictures go to FOLDER/NAME-DPI.png)"""

import os
import pathlib
import re
import shutil
import subprocess
import sys

sys.path.insert(0, str(pathlib.Path(__file__).resolve().parent.parent / "tests" / "e2e"))
import atspi_driver  # noqa: E402
import pyatspi  # noqa: E402
from atspi_driver import (application, control, double_click, gone,  # noqa: E402
                          message_line, press, select, type_into, wait_for, window)

# A small home folder to browse, at a path that reads well in the window.
SAMPLE = pathlib.Path("/var/tmp/guichet/ann")


def make_sample():
    shutil.rmtree(SAMPLE.parent, ignore_errors=True)
    for folder in ("Documents", "Music", "Pictures", "Projects"):
        (SAMPLE / folder).mkdir(parents=True)
    for name in ("budget.ods", "letter to Bob.txt", "notes.txt", "holiday.jpg"):
        (SAMPLE / name).write_text("x")


def window_id(caption):
    """The X window of that caption, for a picture of its content in screen pixels."""
    def found():
        tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True,
                              text=True, check=True).stdout
        shown = re.search(r"^\s*(0x[0-9a-f]+) " + re.escape(f'"{caption}":'), tree, re.M)
        return shown.group(1) if shown else None
    return wait_for(found, f"the X window {caption!r}")


def shoot(caption, name, folder, suffix):
    path = folder / f"{name}-{suffix}.png"
    # A few undithered colours keep the flat grey windows a few tens of kilobytes.
    subprocess.run(["import", "-window", window_id(caption), "-strip", "+dither", "-colors", "32",
                    "-define", "png:compression-level=9", str(path)], check=True)
    print(f"saved {path}")


def pictures(app, folder, suffix):
    base = window(app, "Base")
    shoot("Base", "main-menu", folder, suffix)

    press(control(base, "push button", "Login"))
    login = window(app, "Login")
    log_on_frame = control(login, "panel", "Log On Account")
    active_frame = control(login, "panel", "Active Account")
    type_into(control(log_on_frame, "text", "Login :"), "alice")
    type_into(control(log_on_frame, "password text", "Password :"), "wonder")
    press(control(log_on_frame, "push button", "Log"))
    # A press ends in its click a moment later: the reply, before anything else is typed.
    wait_for(lambda: message_line(log_on_frame).startswith("Loggued As alice"), "the log on")
    select(control(active_frame, "list", "Active Account"), "alice")
    shoot("Login", "login", folder, suffix)

    type_into(control(log_on_frame, "text", "Login :"), "dana")
    type_into(control(log_on_frame, "password text", "Password :"), "first")
    press(control(log_on_frame, "push button", "New User"))
    confirm = window(app, "Confirm")
    type_into(control(confirm, "password text", "Confirm Password :"), "first")
    shoot("Confirm", "confirm", folder, suffix)
    press(control(confirm, "push button", "Ok"))
    gone(app, "Confirm")

    press(control(active_frame, "push button", "Change Password"))
    change = window(app, "Change Password")
    shoot("Change Password", "change-password", folder, suffix)
    press(control(change, "push button", "Cancel"))
    gone(app, "Change Password")

    press(control(active_frame, "push button", "Configuration"))
    window(app, "Configuration")
    shoot("Configuration", "configuration", folder, suffix)

    press(control(base, "push button", "Adress Book"))
    gone(app, "Login")
    window(app, "Address Book")
    shoot("Address Book", "address-book", folder, suffix)

    press(control(base, "push button", "FTP"))
    gone(app, "Address Book")
    ftp = window(app, "FTP")
    path = "c:"
    for part in ("var", "tmp", "guichet", "ann"):
        double_click(control(ftp, "list", "Files->" + path), "  " + part)
        path += "\\" + part
    control(ftp, "list", "Files->" + path)
    shoot("FTP", "ftp", folder, suffix)

    press(control(ftp, "push button", "Rename"))
    window(app, "Rename")
    shoot("Rename", "rename", folder, suffix)
    press(control(ftp, "push button", "Add / Configure"))
    window(app, "Add New FTP")
    shoot("Add New FTP", "add-ftp", folder, suffix)

    press(control(base, "push button", "Exit"))


def main():
    program, folder, suffix = sys.argv[1], pathlib.Path(sys.argv[2]), sys.argv[3]
    atspi_driver.SCALE = int(suffix) / 96
    folder.mkdir(parents=True, exist_ok=True)
    make_sample()
    environment = dict(os.environ, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    # The accessibility registry first, so that the program finds it when it starts.
    pyatspi.Registry.getDesktop(0).childCount
    process = subprocess.Popen([program], cwd="/", env=environment)
    try:
        pictures(application(), folder, suffix)
        process.wait(timeout=30)
    finally:
        if process.poll() is None:
            process.kill()
        shutil.rmtree(SAMPLE.parent, ignore_errors=True)
    return process.returncode


if __name__ == "__main__":
    sys.exit(main())
