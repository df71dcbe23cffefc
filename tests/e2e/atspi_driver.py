"""Drives Guichet as an assistive technology would, only through the accessibility bus, and
reads where its windows rest from the X server as any X client sees them (xwininfo, xprop)."""

import math
import os
import re
import subprocess
import sys
import tempfile
import time

import pyatspi

# The screen's DPI as a desktop sets it (Xft.dpi): the toolkit scales its windows by DPI / 96,
# and the X server's pixels, in which the frames are read, are the screen's own.
DPI = int(os.environ.get("GUICHET_E2E_DPI", "96"))
TWIPS_PER_PIXEL = 1440 / DPI


def wait_for(condition, what, timeout=30.0):
    """Polls `condition` until it holds; `what` says what is awaited, or makes it say so at
    the end."""
    deadline, last_error = time.monotonic() + timeout, None
    while time.monotonic() < deadline:
        try:
            if value := condition():
                return value
        except Exception as error:  # the tree changes under us while windows come and go
            last_error = error
        time.sleep(0.05)
    raise AssertionError(f"timed out waiting for {what() if callable(what) else what} "
                         f"({last_error})")


def children(accessible):
    return [c for c in (accessible.getChildAtIndex(k) for k in range(accessible.childCount)) if c]


def descendants(accessible):
    for child in children(accessible):
        yield child
        yield from descendants(child)


def application(name="Guichet"):
    return wait_for(lambda: next((a for a in children(pyatspi.Registry.getDesktop(0))
                                  if a.name == name), None), f"{name!r} on the bus")


def shown(app, caption):
    """The window of that caption if it is shown, else None."""
    return next((c for c in children(app)
                 if c.name == caption and c.getState().contains(pyatspi.STATE_SHOWING)), None)


def window(app, caption):
    """The shown window of that caption once it stands still: windows slide in, deaf meanwhile."""
    found = wait_for(lambda: shown(app, caption), f"the window {caption!r}")
    place = lambda: found.queryComponent().getPosition(pyatspi.DESKTOP_COORDS)  # noqa
    wait_for(lambda: place() == (time.sleep(0.5) or place()), f"{caption!r} to come to rest")
    return found


def control(root, role, name=None):
    """The first control below `root` with that role name ("push button", "text", "panel",
    "alert", ...) and, if given, that spoken name."""
    return wait_for(lambda: next((a for a in descendants(root) if a.getRoleName() == role
                                  and name in (None, a.name)), None), f"a {role} named {name!r}")


def press(button):
    action = button.queryAction()
    action.doAction([action.getName(k) for k in range(action.nActions)].index("Press"))


def type_into(box, text):
    box.queryEditableText().setTextContents(text)
    wait_for(lambda: box.queryText().characterCount == len(text), f"{text!r} in {box.name!r}")


def message_line(frame):
    """The frame's message line: its last label."""
    return [c for c in children(frame) if c.getRoleName() == "label"][-1].name


def expect_line(frame, text):
    wait_for(lambda: message_line(frame) == text, f"the message {text!r}")


def log_on(login_window, login, password, button="Log"):
    """Fills the log on frame and presses `button`; returns the frame, for its message line."""
    frame = control(login_window, "panel", "Log On Account")
    type_into(control(frame, "text", "Login :"), login)
    type_into(control(frame, "password text", "Password :"), password)
    press(control(frame, "push button", button))
    return frame


def x11(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True, timeout=10).stdout


def geometry(*window):
    """x, y, width and height of the X window that xwininfo finds with those options."""
    return map(int, re.findall(r"(?:Absolute upper-left [XY]|Width|Height):\s+(-?\d+)",
                               x11("xwininfo", *window)))


def outer_frame(caption):
    """x, y, width, height of the frame around the X window of that caption (there is one only
    if the program runs on X11), with the edges the window manager announces (none without)."""
    edges = re.findall(r"\d+", x11("xprop", "-name", caption, "_NET_FRAME_EXTENTS"))
    left, right, top, bottom = map(int, edges or (0, 0, 0, 0))
    x, y, width, height = geometry("-name", caption)
    return x - left, y - top, width + left + right, height + top + bottom


def sizes(pixels):
    """Every size in twips that the toolkit shows as that many of the screen's pixels."""
    return range(math.ceil((pixels - 0.5) * TWIPS_PER_PIXEL),
                 math.floor((pixels + 0.5) * TWIPS_PER_PIXEL) + 1)


def at_its_place(caption, below):
    """A working window slides in from the right onto the baseline, a dialog rises beside the
    windows below it, at the pixel nearest to the rules' twips; each size read back from pixels
    is known to half a pixel: every size is tried where a step rounds it, else it adds leeway."""
    _, _, screen_width, screen_height = (TWIPS_PER_PIXEL * v for v in geometry("-root"))
    x, y, width, height = outer_frame(caption)
    if below:
        beside = sum(outer_frame(w)[2] * TWIPS_PER_PIXEL + 10 for w in below)
        lefts, x_sizes = {screen_width - beside - width * TWIPS_PER_PIXEL}, 1 + len(below)
        tops, y_sizes = {screen_height - 400 - 40 * (h // 40) for h in sizes(height)}, 0
    else:
        lefts, x_sizes = {screen_width - 40 * (w // 40) for w in sizes(width)}, 0
        tops, y_sizes = {screen_height - height * TWIPS_PER_PIXEL - 400}, 1
    near = lambda pixel, places, read: any(abs(pixel - p / TWIPS_PER_PIXEL) <= 0.5 * (1 + read)  # noqa
                                           for p in places)
    assert near(x, lefts, x_sizes) and near(y, tops, y_sizes), \
        f"{caption!r} rests at ({x}, {y}), not at the pixel nearest to twips {lefts, tops}"
    return True


def helper(*command, **options):
    """A process the session needs beside the program, ended with the session."""
    process = subprocess.Popen(command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
                               **options)
    HELPERS.append(process)
    return process


HELPERS = []


def start_openbox():
    """Starts openbox and waits until it frames new windows. A window mapped while openbox
    takes over the screen can be lost, never mapped nor framed (about one start in six under
    load), so the probe window comes only once openbox has named itself on the root; framed,
    it tells that openbox handles new windows. A start that fails says why."""
    here = os.path.dirname(os.path.abspath(__file__))
    openbox = helper("openbox", "--sm-disable", "--config-file", here + "/openbox-rc.xml")

    def running(check):
        assert openbox.poll() is None, f"openbox ended with status {openbox.returncode}"
        return check()
    wait_for(lambda: running(lambda: "window id" in x11("xprop", "-root",
                                                        "_NET_SUPPORTING_WM_CHECK")),
             "openbox to name itself on the root", timeout=45)
    probe = helper("xmessage", "-title", "probe", "probe")
    wait_for(lambda: running(lambda: "=" in x11("xprop", "-name", "probe", "_NET_FRAME_EXTENTS")),
             "openbox to frame a window", timeout=15)
    probe.kill()


# Orca's log is written through a buffer that fills only as events come; line by line, what
# it said can be read as soon as it is said.
LINE_BY_LINE = """
import builtins, functools, runpy, sys
builtins.open = functools.partial(builtins.open, buffering=1)
sys.argv = sys.argv[1:]
runpy.run_path(sys.argv[0], run_name="__main__")
"""


class Orca:
    """Debian's screen reader, listening to the whole desktop; what it says is read from its
    debug log, so no sound device is needed."""

    def __init__(self, folder):
        self.log, self.said, self.read = os.path.join(folder, "orca.log"), [], 0
        home = dict(os.environ, XDG_CONFIG_HOME=folder, XDG_DATA_HOME=folder)
        helper("/usr/bin/python3", "-c", LINE_BY_LINE, "/usr/bin/orca", "--debug-file=" + self.log,
               env=home)
        wait_for(lambda: "Screen reader on." in self.heard(), "Orca to start", timeout=60)

    def heard(self):
        """Everything said so far, utterance by utterance."""
        if os.path.exists(self.log):
            with open(self.log, "rb") as log:
                log.seek(self.read)
                data = log.read()
            said = list(re.finditer(rb"SPEECH OUTPUT: '(.*?)' ?\{'", data, re.DOTALL))
            end = said[-1].end() if said else 0
            # An utterance of several lines may be half written: it waits for the next call.
            pending = data.find(b"SPEECH OUTPUT: '", end)
            self.read += pending if pending >= 0 else max(end, data.rfind(b"\n") + 1)
            self.said += [re.sub(r"\n {18}", "\n", text[1].decode(errors="replace"))
                          for text in said]  # the log indents the lines after the first
        return self.said


def main(scenario, status=0, **options):
    """Runs the program from the root, so that c: is its current drive, and no platform named:
    where an X display answers it must choose X11. Plays the scenario, expects that status.
    Under openbox Orca listens, and the scenario gets it as its third argument."""
    with tempfile.TemporaryDirectory() as folder:
        try:
            play(scenario, status, folder, **options)
        finally:
            for process in reversed(HELPERS):
                process.kill()
                process.wait()


def play(scenario, status, folder, **options):
    orca = None
    if os.environ.get("GUICHET_E2E_OPENBOX"):
        start_openbox()
        orca = Orca(folder)
    # As desktops set a scale: the X resource the toolkit reads, not a variable of its own.
    subprocess.run(["xrdb", "-merge"], input=f"Xft.dpi: {DPI}\n", text=True, check=True,
                   timeout=10)
    environment = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    environment.pop("QT_QPA_PLATFORM", None)
    pyatspi.Registry.getDesktop(0).childCount  # the registry first, so that the program finds it
    process = subprocess.Popen([sys.argv[2]], cwd="/", env=environment, **options)
    try:
        app = application()
        scenario(app, process, *([orca] if orca else []))
        ended = process.wait(timeout=30)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
    assert ended == status, f"the program ended with status {ended}"
