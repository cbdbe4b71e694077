#!/usr/bin/python3
"""Prints each change of an accessible name that an application announces over AT-SPI, as a
screen reader hears it, for the given number of seconds.
    listen_names.py APPLICATION-NAME SECONDS
"""
import sys

import pyatspi
from gi.repository import GLib


def main():
    wanted = sys.argv[1].lower()
    seconds = float(sys.argv[2])

    def heard(event):
        source = event.source
        try:
            app = source.getApplication()
        except Exception:
            return
        if app is None or app.name.lower() != wanted:
            return
        print(f'{source.getRoleName()} "{source.name}"', flush=True)

    pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop())
    print("listening", flush=True)
    pyatspi.Registry.start()


if __name__ == "__main__":
    main()
