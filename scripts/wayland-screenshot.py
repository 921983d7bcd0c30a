#!/usr/bin/python3
"""Takes a picture of Corvanel on GNOME's or KDE Plasma's compositor: the compositor runs nested
in a private Xvfb, the program is started as a user starts it, sodium is selected and the Key
window opened through AT-SPI, and the Xvfb's screen is saved.

Usage: scripts/wayland-screenshot.py PROGRAM mutter|kwin OUTPUT.png
"""
import os
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "tests", "wayland"))
import wayland_session_test as session_test  # noqa: E402

program, kind, output = sys.argv[1:4]
session_test.check_tools(kind)
number = 100 + os.getpid() % 800
while os.path.exists("/tmp/.X%d-lock" % number) or os.path.exists("/tmp/.X11-unix/X%d" % number):
    number += 1
display = ":%d" % number
screen = subprocess.Popen(["Xvfb", display, "-screen", "0", "1024x768x24", "-nolisten", "tcp"],
                          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
try:
    session_test.wait_for("Xvfb", lambda: os.path.exists("/tmp/.X11-unix/X" + display[1:]))
    session = session_test.Session(kind, nested_in=display)
    try:
        session.start([program])
        session_test.press("Na")
        session_test.press("Key")
        time.sleep(1.5)  # the compositor's opening animation
        subprocess.run(["import", "-display", display, "-window", "root", output], check=True)
    finally:
        session.stop()
finally:
    screen.terminate()
    screen.wait()
