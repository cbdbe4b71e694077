#!/usr/bin/python3
"""Prints the accessibility tree of a running application as a screen reader reads it over
AT-SPI: each object's role, name, description and text, one line an object, indented by depth.
    dump_tree.py APPLICATION-NAME [WINDOW-NAME]
"""
import sys
import time

import pyatspi


def application(name):
    # The application registers with the bus a moment after its window shows.
    for _ in range(50):
        desktop = pyatspi.Registry.getDesktop(0)
        for i in range(desktop.childCount):
            app = desktop.getChildAtIndex(i)
            if app is not None and app.name.lower() == name.lower():
                return app
        time.sleep(0.2)
    sys.exit(f"no application named {name} on the accessibility bus")


def describe(node):
    line = f'{node.getRoleName()} "{node.name}"'
    if node.description:
        line += f' description="{node.description}"'
    try:
        text = node.queryText().getText(0, -1)
        if text and text != node.name:
            line += f' text="{text}"'
    except NotImplementedError:
        pass
    states = node.getState()
    marks = [word for state, word in ((pyatspi.STATE_CHECKED, "checked"), (pyatspi.STATE_SHOWING, "showing"))
             if states.contains(state)]
    return line + (" [" + ", ".join(marks) + "]" if marks else "")


def dump(node, depth=0):
    print("  " * depth + describe(node))
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            dump(child, depth + 1)


def main():
    app = application(sys.argv[1])
    window = sys.argv[2] if len(sys.argv) > 2 else None
    for i in range(app.childCount):
        top = app.getChildAtIndex(i)
        if window is None or window.lower() in top.name.lower():
            dump(top)


if __name__ == "__main__":
    main()
