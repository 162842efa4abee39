#!/usr/bin/python3
# Usage: kwin-screenshot.py FILE.png
# The screen as KWin composites it, through its ScreenShot2 service (a Wayland compositor's
# pixels are out of reach of X11's tools). KWin writes raw pixels into a pipe and says their shape.
import os
import subprocess
import sys
import threading

from gi.repository import Gio, GLib

read_end, write_end = os.pipe()
data = bytearray()


def drain():
    with os.fdopen(read_end, "rb") as pipe:
        while chunk := pipe.read(65536):
            data.extend(chunk)


reader = threading.Thread(target=drain)
reader.start()
bus = Gio.bus_get_sync(Gio.BusType.SESSION)
fds = Gio.UnixFDList.new()
handle = fds.append(write_end)
os.close(write_end)
reply, _ = bus.call_with_unix_fd_list_sync(
    "org.kde.KWin", "/org/kde/KWin/ScreenShot2", "org.kde.KWin.ScreenShot2", "CaptureWorkspace",
    GLib.Variant("(a{sv}h)", ({"include-cursor": GLib.Variant("b", False)}, handle)),
    GLib.VariantType("(a{sv})"), Gio.DBusCallFlags.NONE, 10000, fds, None)
del fds  # closes KWin's copy of the write end here, so that the pipe ends once KWin is done
reader.join(10)
shape = reply.unpack()[0]
width, height, stride = shape["width"], shape["height"], shape["stride"]
if shape.get("format") not in (4, 5, 6):  # QImage's 32-bit formats: B, G, R, A bytes in memory
    sys.exit(f"unexpected pixel format {shape.get('format')}")
rows = b"".join(bytes(data[y * stride:y * stride + width * 4]) for y in range(height))
subprocess.run(["convert", "-size", f"{width}x{height}", "-depth", "8", "bgra:-", "-alpha", "off", sys.argv[1]],
               input=rows, check=True)
