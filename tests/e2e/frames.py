"""Where the program's windows rest, read from the X server as any X client sees them
(xwininfo, xprop), against where the placement rules put their outer frames."""

import os
import re
import subprocess
import time

TWIPS_PER_PIXEL = 1440 / int(os.environ.get("GUICHET_E2E_DPI", "96"))
CLIENT_SIZES = {"Base": (2775, 255), "Login": (2775, 7695), "Confirm": (3975, 495),
                "Change Password": (3615, 1215)}  # twips, as the windows are designed


def run(*command):
    return subprocess.run(command, capture_output=True, text=True, check=True).stdout


def number(pattern, text):
    return int(re.search(pattern + r":?\s+(-?\d+)", text).group(1))


def to_twips(pixels):
    """Whole twips, as the program counts them, halves rounded up."""
    return int(pixels * TWIPS_PER_PIXEL + 0.5)


def client_window(caption):
    """The X window of that caption: there is one only if the program runs on X11."""
    found = re.search(r'(0x[0-9a-f]+) "' + re.escape(caption) + '": \\(',
                      run("xwininfo", "-root", "-tree"))
    assert found, f"no X window named {caption!r}"
    return found.group(1)


def outer_size_twips(caption):
    """W and H as the program counts them: the designed client area and the frame, whose
    left, right, top and bottom the window manager announces (none without one)."""
    found = re.search(r"= (\d+), (\d+), (\d+), (\d+)",
                      run("xprop", "-id", client_window(caption), "_NET_FRAME_EXTENTS"))
    left, right, top, bottom = (int(v) for v in found.groups()) if found else (0, 0, 0, 0)
    width, height = CLIENT_SIZES[caption]
    return width + to_twips(left + right), height + to_twips(top + bottom), (left, right, top, bottom)


def misplacement(caption, below):
    """What is wrong with where the window stands, or None. A working window slides in from
    the right onto the baseline, a dialog rises beside the windows below it."""
    root = run("xwininfo", "-root")
    screen_width, screen_height = (to_twips(number(w, root)) for w in ("Width", "Height"))
    width, height, (left_edge, right_edge, top_edge, bottom_edge) = outer_size_twips(caption)
    if below:
        left = screen_width - sum(outer_size_twips(w)[0] for w in below) - width - 10 * len(below)
        top = screen_height - 400 - 40 * (height // 40)
    else:
        left, top = screen_width - 40 * (width // 40), screen_height - height - 400
    info = run("xwininfo", "-id", client_window(caption))
    x = number("Absolute upper-left X", info) - left_edge
    y = number("Absolute upper-left Y", info) - top_edge
    if abs(x - left / TWIPS_PER_PIXEL) > 0.5 or abs(y - top / TWIPS_PER_PIXEL) > 0.5:
        return f"{caption!r} rests at ({x}, {y}), not at the pixel nearest to twips {left, top}"
    size = (number("Width", info) + left_edge + right_edge,
            number("Height", info) + top_edge + bottom_edge)
    if size != (round(width / TWIPS_PER_PIXEL), round(height / TWIPS_PER_PIXEL)):
        return f"{caption!r} is {size}, not {width, height} twips"
    return None


def check_resting_place(caption, below=()):
    """A dialog shown modally is mapped again after its rise and framed anew: the place is
    read until it holds, or ten seconds have passed."""
    deadline = time.monotonic() + 10
    while (fault := misplacement(caption, below)) and time.monotonic() < deadline:
        time.sleep(0.1)
    assert not fault, fault


def allowed_actions(caption):
    """The window manager's own list of what the user may do with the window."""
    return set(re.findall(r"_NET_WM_ACTION_(\w+)",
                          run("xprop", "-id", client_window(caption), "_NET_WM_ALLOWED_ACTIONS")))
