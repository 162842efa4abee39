#!/usr/bin/python3
# What a screen reader sees of pomuri, read through AT-SPI as one reads it.
#   atspi.py names SECONDS   "listening" once it listens, then a line per name change the program
#                            sends in SECONDS: the arrival's HH:MM:SS, the second before, the new name
#   atspi.py tree            the program's windows and controls: role|name|description|value
#   atspi.py press NAME      presses the button with this accessible name
import sys
import time

import pyatspi
from gi.repository import GLib


def program():
    desktop = pyatspi.Registry.getDesktop(0)
    for index in range(desktop.childCount):
        application = desktop.getChildAtIndex(index)
        if application is not None and application.name == "pomuri":
            return application
    sys.exit("pomuri is not on the accessibility bus")


def names(seconds):
    application = program()

    def heard(event):
        if event.type != "object:property-change:accessible-name":
            return
        if event.host_application == application or event.source.getApplication() == application:
            now = time.time()
            print(f"{time.strftime('%H:%M:%S', time.localtime(now))}|{time.strftime('%H:%M:%S', time.localtime(now - 1))}|"
                  f"{event.source.name}", flush=True)

    # All property changes, as a screen reader asks for them: the program must not answer that
    # with anything but what its labels and values are.
    pyatspi.Registry.registerEventListener(heard, "object:property-change")
    print("listening", flush=True)
    GLib.timeout_add(int(seconds * 1000), lambda: pyatspi.Registry.stop() and False)
    pyatspi.Registry.start()


def tree():
    def walk(node, depth):
        value = ""
        try:
            value = str(int(node.queryValue().currentValue))
        except NotImplementedError:
            pass
        print(f"{'  ' * depth}{node.getRoleName()}|{node.name}|{node.description}|{value}")
        for index in range(node.childCount):
            child = node.getChildAtIndex(index)
            if child is not None:
                walk(child, depth + 1)

    walk(program(), 0)


def control(name):
    found = pyatspi.findDescendant(program(), lambda node: node is not None and node.name == name)
    if found is None:
        sys.exit(f"no control named {name}")
    return found


if __name__ == "__main__":
    {
        "names": lambda: names(float(sys.argv[2])),
        "tree": tree,
        "press": lambda: control(sys.argv[2]).queryAction().doAction(0),
    }[sys.argv[1]]()
