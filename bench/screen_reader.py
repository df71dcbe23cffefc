"""Stands in for a screen reader while the benchmarks run: listens on the accessibility bus
for the events a screen reader follows, so that programs send them, and counts them.

Usage: screen_reader.py READY_FILE   (under a session bus; runs until it is ended). Writes
READY_FILE once it listens; prints the number of events it heard when it is ended."""

import signal
import sys

import pyatspi
from gi.repository import GLib

EVENTS = ("focus:", "window:", "object:children-changed", "object:state-changed",
          "object:property-change", "object:text-changed", "object:text-caret-moved",
          "object:selection-changed", "object:active-descendant-changed",
          "object:visible-data-changed", "object:bounds-changed")

heard = 0


def on_event(_event):
    global heard
    heard += 1


def stop():
    pyatspi.Registry.stop()
    return GLib.SOURCE_REMOVE


def main():
    ready = sys.argv[1]
    pyatspi.Registry.registerEventListener(on_event, *EVENTS)
    # Through the main loop: a handler of Python's own would wait for the next event.
    GLib.unix_signal_add(GLib.PRIORITY_DEFAULT, signal.SIGTERM, stop)
    with open(ready, "w", encoding="ascii") as file:
        file.write("listening\n")
    pyatspi.Registry.start()
    print(f"screen reader: {heard} events heard")


if __name__ == "__main__":
    main()
