#!/usr/bin/python3
"""Corvanel on a private GNOME (mutter) or KDE Plasma (KWin) compositor with its own folders and buses:
the window maps centred at its fixed size, not maximisable, the program is silent, and a tile press
and a search through AT-SPI select the element. mutter-no-x11: GNOME without XWayland, the same.

Usage: wayland_session_test.py PROGRAM mutter|kwin|mutter-no-x11     (exit 77: skipped, with the reason)
"""
import contextlib
import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

MAIN_SIZE = (593, 433)  # the design's client area and the menu bar


def skip(reason):
    print("SKIP:", reason)
    sys.exit(77)


def wait_for(what, check, seconds=15):
    deadline = time.monotonic() + seconds
    while time.monotonic() < deadline:
        found = check()
        if found:
            return found
        time.sleep(0.05)
    raise AssertionError("timed out waiting for " + what)


def output(*command, env=None):
    return subprocess.run(command, capture_output=True, text=True, env=env).stdout


class Session:
    """The compositor and its buses; every process is ours and is ended by its id."""

    def __init__(self, kind, nested_in=None):
        """@p nested_in: an X display to show the compositor's screen in, as a window."""
        self.folder = tempfile.mkdtemp(prefix="corvanel-wayland-")
        self.processes = []
        runtime = os.path.join(self.folder, "runtime")
        os.mkdir(runtime, 0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if k not in ("WAYLAND_DISPLAY", "DISPLAY", "XAUTHORITY", "QT_QPA_PLATFORM", "QT_SCALE_FACTOR")}
        # Settings of its own too, so that no one's desktop settings (placement, frames) take part.
        self.env.update(XDG_RUNTIME_DIR=runtime, XDG_CONFIG_HOME=os.path.join(self.folder, "config"),
                        XDG_CACHE_HOME=os.path.join(self.folder, "cache"), QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
        # Under the sanitizers: libxkbcommon-x11 hands strndup() names that end at their length.
        if "ASAN_OPTIONS" in self.env:
            self.env["ASAN_OPTIONS"] = self.env["ASAN_OPTIONS"].replace("strict_string_checks=1",
                                                                        "strict_string_checks=0")
        bus = self.start(["dbus-daemon", "--session", "--nofork", "--print-address=1"], stdout=subprocess.PIPE)
        self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.socket = "corvanel-test-%d" % os.getpid()
        self.log = os.path.join(self.folder, "compositor.log")
        self.x11 = kind != "mutter-no-x11"
        if kind.startswith("mutter"):
            command = ["mutter", "--wayland", "--wayland-display", self.socket]
            command += ["--nested"] if nested_in else ["--headless", "--virtual-monitor", "1024x768"]
            command += [] if self.x11 else ["--no-x11"]
        else:
            # Debian's binary has a file capability a container may refuse; a copy has none. KWin
            # names its XWayland's display only to the programs it starts, so it starts one that tells.
            kwin, tell = (os.path.join(self.folder, name) for name in ("kwin_wayland", "tell"))
            shutil.copy(shutil.which("kwin_wayland"), kwin)
            with open(tell, "w") as script:
                script.write('#!/bin/sh\necho "Xwayland on display $DISPLAY" >&2\n')
            os.chmod(tell, 0o755)
            command = [kwin, "--x11-display", nested_in] if nested_in else [kwin, "--virtual"]
            command += ["--xwayland", "--width", "1024", "--height", "768", "--socket", self.socket, tell]
        # KWin writes what its scripts print to its log only when asked to.
        self.compositor = self.start(command, stdout=open(self.log, "w"), stderr=subprocess.STDOUT,
                                     env=dict(self.env, QT_LOGGING_RULES="kwin_scripting=true", DISPLAY=nested_in or "",
                                              MUTTER_DEBUG_DUMMY_MODE_SPECS="1024x768"))
        try:
            display = wait_for("the compositor", self.display)
        except AssertionError:
            skip("%s did not start here: %s" % (kind, open(self.log).read()[-600:]))
        self.env.update(WAYLAND_DISPLAY=self.socket)
        for key in os.listdir(runtime):
            if key.startswith(".mutter-Xwaylandauth."):
                self.env["XAUTHORITY"] = os.path.join(runtime, key)
        if self.x11:
            # XWayland's socket comes before the compositor manages X11 windows; a desktop's
            # programs start after that.
            self.env.update(DISPLAY=display)
            wait_for("the X11 window manager", lambda: "window id" in output(
                "xprop", "-root", "-display", display, "_NET_SUPPORTING_WM_CHECK", env=self.env))
        self.start(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"])
        os.environ.update(self.env)

    def start(self, command, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, env=None):
        self.processes += [subprocess.Popen(command, stdout=stdout, stderr=stderr, env=env or self.env)]
        return self.processes[-1]

    def display(self):
        if self.compositor.poll() is not None:
            raise AssertionError("ended")
        found = re.search(r"Using public X11 display (:\d+)|Xwayland on display (:\d+)", open(self.log).read())
        ready = os.path.exists(os.path.join(self.env["XDG_RUNTIME_DIR"], self.socket))
        return ready and (not self.x11 or (found and (found.group(1) or found.group(2))))

    def stop(self):
        for process in reversed(self.processes):
            process.terminate()  # only if it still runs: the id may be another's once it was reaped
            try:
                process.wait(10)
            except subprocess.TimeoutExpired:
                process.kill()
                process.wait()
        shutil.rmtree(self.folder, ignore_errors=True)


def x_window_named(title):
    return next((window for window in re.findall(r"0x[0-9a-f]+", output("xprop", "-root", "_NET_CLIENT_LIST"))
                 if '"%s"' % title in output("xprop", "-id", window, "WM_NAME")), None)


def check_x_window(session, title, size):
    """Through XWayland: the compositor frames the window, fixed size, no maximise or resize."""
    window = wait_for("the window " + title, lambda: x_window_named(title))
    hints = output("xprop", "-id", window, "WM_NORMAL_HINTS")
    limits = re.findall(r"(minimum|maximum) size: (\d+) by (\d+)", hints)
    assert len(limits) == 2 and limits[0][1:] == limits[1][1:], hints
    assert size is None or limits[0][1:] == tuple(str(side) for side in size), hints
    actions = output("xprop", "-id", window, "_NET_WM_ALLOWED_ACTIONS")
    assert "_NET_WM_ACTION_CLOSE" in actions, actions
    assert "MAXIMIZE" not in actions and "RESIZE" not in actions, actions
    frame = [int(v) for v in re.findall(r"\d+", output("xprop", "-id", window, "_NET_FRAME_EXTENTS").split("=")[-1])]
    assert len(frame) == 4 and frame[2] > 0, "the compositor draws no frame: %s" % frame
    place = output("xwininfo", "-id", window)
    x, y, width, height = (int(re.search(key + r":\s+(-?\d+)", place).group(1))
                           for key in ("Absolute upper-left X", "Absolute upper-left Y", "Width", "Height"))
    return [x - frame[0], y - frame[2], width + frame[0] + frame[1], height + frame[2] + frame[3]]


def kwin_windows(session):
    """Asks KWin for every window's caption, size and whether it may be maximised or resized."""
    script = os.path.join(tempfile.mkdtemp(dir=os.environ["XDG_RUNTIME_DIR"]), "windows.js")
    with open(script, "w") as out:
        out.write('const found = [];\n'
                  'for (const w of workspace.clientList()) found.push([w.caption, w.maximizable, w.resizeable, w.noBorder,'
                  ' w.frameGeometry.x, w.frameGeometry.y, w.frameGeometry.width, w.frameGeometry.height]);\n'
                  'print("windows:" + JSON.stringify(found));\n')
    before = open(session.log).read().count("windows:")
    for method, argument in (("loadScript", ["string:" + script]), ("start", [])):
        subprocess.run(["dbus-send", "--session", "--print-reply", "--dest=org.kde.KWin", "/Scripting",
                        "org.kde.kwin.Scripting." + method] + argument, check=True, capture_output=True)
    answers = wait_for("KWin's answer", lambda: re.findall(r"windows:(.*)", open(session.log).read())[before:])
    return json.loads(answers[0])


def check_kwin_window(session, caption, size):
    """Native Wayland: KWin draws the frame and neither maximises nor resizes the window."""
    windows = wait_for("the window " + caption, lambda: [w for w in kwin_windows(session) if w[0] == caption] or None)
    assert windows[0][1:4] == [False, False, False], windows[0]
    frame = windows[0][4:]
    assert size is None or (frame[2] >= size[0] and frame[3] > size[1]), windows[0]
    return frame


def find(role, name=None):
    """The program's accessible of @p role (and @p name), through AT-SPI."""
    import pyatspi  # once the session's buses are in the environment

    program = wait_for("the accessible tree", lambda: next(
        (a for a in pyatspi.Registry.getDesktop(0) if a and a.name == "Corvanel"), None))
    return pyatspi.findDescendant(program, lambda a: a.getRoleName() == role and name in (None, a.name))


def press(name):
    wait_for("the button " + name, lambda: find("push button", name)).queryAction().doAction(0)


def assert_centred(frame):
    """A window's frame lies at the centre of the 1024x768 screen, to a pixel across and down."""
    assert abs(frame[0] * 2 + frame[2] - 1024) // 2 <= 1 and abs(frame[1] * 2 + frame[3] - 768) // 2 <= 1, frame


def main(session, program_path, kind):
    from pyatspi import Atspi

    program = session.start([program_path], stderr=subprocess.PIPE)
    # Without XWayland mutter tells nothing of the program's windows: it must still work and stay silent.
    check_window = {"mutter": check_x_window, "kwin": check_kwin_window}.get(kind, lambda *_: [0, 0, 1024, 768])
    assert_centred(check_window(session, "Corvanel", MAIN_SIZE))
    # Where the compositor draws frames the program is a Wayland program, not one of XWayland's.
    assert not session.x11 or (x_window_named("Corvanel") is None) == (kind == "kwin")
    press("Na")
    wait_for("sodium selected", lambda: find("label", "Sodium"))
    # The menu item opens a modal box and answers only once it closes: do not wait for that answer.
    Atspi.set_timeout(500, 500)
    with contextlib.suppress(Exception):
        wait_for("the search command", lambda: find("menu item", "Search Elements")).queryAction().doAction(0)
    Atspi.set_timeout(-1, -1)
    wait_for("the search box", lambda: find("text")).queryEditableText().setTextContents("fe")
    press("OK")
    wait_for("iron selected", lambda: find("label", "Iron"))
    # The Key window: a window of its own, as fixed as the main window.
    press("Key")
    assert_centred(check_window(session, "Key", None))
    program.send_signal(signal.SIGTERM)
    _, errors = program.communicate(timeout=10)
    assert errors == b"", "the program wrote to standard error: %r" % errors[:2000]
    print("PASS: %s" % kind)


def check_tools(kind):
    for tool in ("kwin_wayland" if kind == "kwin" else "mutter", "dbus-daemon", "xprop"):
        if not shutil.which(tool):
            skip(tool + " is not installed (scripts/install-deps.sh installs it)")
    if not os.path.exists("/usr/libexec/at-spi-bus-launcher"):
        skip("at-spi2-core is not installed")
    # XWayland needs the shared socket folder a system makes at boot; mutter makes it unusable
    # (without the sticky, world-writable mode) where it is missing.
    if not os.path.isdir("/tmp/.X11-unix"):
        os.mkdir("/tmp/.X11-unix")
        os.chmod("/tmp/.X11-unix", 0o1777)
    if os.stat("/tmp/.X11-unix").st_mode & 0o1777 != 0o1777:
        skip("/tmp/.X11-unix is not world-writable with the sticky bit: XWayland cannot start")


if __name__ == "__main__":
    check_tools(sys.argv[2])
    session = Session(sys.argv[2])
    try:
        main(session, sys.argv[1], sys.argv[2])
    finally:
        session.stop()
