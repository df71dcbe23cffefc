"""Where the program's windows rest, read from the X server as any X client would see them
(xwininfo, xprop), against where the placement rules put their outer frames."""

import os
import re
import subprocess
import time

TWIPS_PER_PIXEL = 1440 / int(os.environ.get("GUICHET_E2E_DPI", "96"))  # the screen's pixels
SETTLE_LIMIT = 10.0  # seconds
BASELINE = 400
SHOW_STEP = 40
CLIENT_SIZES = {  # twips, as the windows are designed
    "Base": (2775, 255),
    "Login": (2775, 7695),
    "Confirm": (3975, 495),
    "Change Password": (3615, 1215),
}


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def client_window(caption):
    for line in run("xwininfo", "-root", "-tree").splitlines():
        match = re.match(r'\s*(0x[0-9a-f]+) "' + re.escape(caption) + r'": \(', line)
        if match:
            return match.group(1)
    raise AssertionError(f"no X window named {caption!r}")


def screen_size():
    info = run("xwininfo", "-root")
    return (int(re.search(r"Width: (\d+)", info).group(1)),
            int(re.search(r"Height: (\d+)", info).group(1)))


def frame_extents(window):
    """left, right, top, bottom: as the window manager announces them, none without one."""
    match = re.search(r"= (\d+), (\d+), (\d+), (\d+)", run("xprop", "-id", window, "_NET_FRAME_EXTENTS"))
    return tuple(int(v) for v in match.groups()) if match else (0, 0, 0, 0)


def outer_frame(caption):
    """x, y, width, height of the window with its frame, in pixels."""
    window = client_window(caption)
    info = run("xwininfo", "-id", window)
    x, y, width, height = (int(re.search(pattern + r":\s+(-?\d+)", info).group(1)) for pattern in
                           ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    left, right, top, bottom = frame_extents(window)
    return x - left, y - top, width + left + right, height + top + bottom


def to_twips(pixels):
    """Whole twips, as the program counts them, halves rounded up."""
    return int(pixels * TWIPS_PER_PIXEL + 0.5)


def outer_size_twips(caption):
    """W and H as the program counts them: the designed client area and the frame."""
    left, right, top, bottom = frame_extents(client_window(caption))
    width, height = CLIENT_SIZES[caption]
    return width + to_twips(left + right), height + to_twips(top + bottom)


def resting_place(caption, below):
    """Left and Top in twips where the rules put the window, given the windows below it."""
    screen_width, screen_height = (to_twips(v) for v in screen_size())
    width, height = outer_size_twips(caption)
    if not below:  # a working window slid in from the right onto the baseline
        return screen_width - SHOW_STEP * (width // SHOW_STEP), screen_height - height - BASELINE
    gap = 10 * len(below)
    left = screen_width - sum(outer_size_twips(w)[0] for w in below) - width - gap
    return left, screen_height - BASELINE - SHOW_STEP * (height // SHOW_STEP)


def misplacement(caption, below):
    """What is wrong with where the window stands, or None."""
    left, top = resting_place(caption, below)
    x, y, width, height = outer_frame(caption)
    wanted = (left / TWIPS_PER_PIXEL, top / TWIPS_PER_PIXEL)
    if abs(x - wanted[0]) > 0.5 or abs(y - wanted[1]) > 0.5:
        return (f"{caption!r} rests at ({x}, {y}), not at the pixel nearest to "
                f"({wanted[0]:.2f}, {wanted[1]:.2f})")
    expected_size = tuple(round(v / TWIPS_PER_PIXEL) for v in outer_size_twips(caption))
    if (width, height) != expected_size:
        return f"{caption!r} is {width}x{height}, not {expected_size}"
    return None


def check_resting_place(caption, below=()):
    """The outer frame stands at the nearest pixel to the rules' twips. A dialog shown modally
    is mapped again after its rise, and its window manager frames it anew: the place is read
    until it holds, or the time runs out."""
    deadline = time.monotonic() + SETTLE_LIMIT
    while (fault := misplacement(caption, below)) and time.monotonic() < deadline:
        time.sleep(0.1)
    if fault:
        raise AssertionError(fault)


def allowed_actions(caption):
    """The window manager's own list of what the user may do with the window."""
    return set(re.findall(r"_NET_WM_ACTION_(\w+)",
                          run("xprop", "-id", client_window(caption), "_NET_WM_ALLOWED_ACTIONS")))
