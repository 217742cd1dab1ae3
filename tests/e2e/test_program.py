# SPDX-FileCopyrightText: 2026 The Tonmira developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""The shipped tonmira binary in a real X window, driven by real X input.

Needs an X display and a D-Bus session bus of its own for the accessibility
tree (tests/desktop-session gives both), and xdotool. Reads what the window
shows through AT-SPI, as a screen reader does, so the program carries no test
hook. Usage: test_program.py PATH-TO-TONMIRA

Every wait is for something to happen, polled, never a pause of a fixed
length; the bound on each is long enough for a machine busy with another
build or for a sanitizer build, and is reached only when something is wrong.
"""

import configparser
import os
import re
import subprocess
import sys
import time
import unittest

import pyatspi
from Xlib import X, display, protocol

TONMIRA = None  # set from the command line
TIMEOUT = 120.0


def wait_for(what, predicate, timeout=TIMEOUT):
    deadline = time.monotonic() + timeout
    while True:
        value = predicate()
        if value:
            return value
        if time.monotonic() > deadline:
            raise AssertionError("timed out waiting for " + what)
        time.sleep(0.05)


def xdotool(*args):
    return subprocess.run(["xdotool", *map(str, args)], check=True, capture_output=True, text=True).stdout


def has_state(accessible, state):
    return accessible.getState().contains(state)


def centre(accessible):
    e = accessible.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    return e.x + e.width // 2, e.y + e.height // 2


def arrow_towards(start, target):
    (x0, y0), (x1, y1) = centre(start), centre(target)
    if abs(x1 - x0) >= abs(y1 - y0):
        return "Right" if x1 > x0 else "Left"
    return "Down" if y1 > y0 else "Up"


class Tonmira:
    """One run of the program: its process, its X window, its accessible widgets."""

    def __init__(self, *args, env=None, stderr=None):
        """Starts the program with args, and env added to this environment.
        On a Wayland display (no DISPLAY) there is no X window to find."""
        env = dict(os.environ, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", **(env or {}))
        self.process = subprocess.Popen([TONMIRA, *args], env=env, stdin=subprocess.DEVNULL, stderr=stderr)
        self.app = wait_for("the application on the accessibility bus", self._find_app)
        self.dialog = wait_for("its dialog", lambda: self._child(self.app, "dialog"))
        children = list(self.dialog)
        # In the order the widgets were created: score key, degree, instrument key.
        self.selectors = [c for c in children if c.getRoleName() == "combo box"]
        self.locks = [c for c in children if c.getRoleName() == "radio button"]
        self.labels = [c for c in children if c.getRoleName() == "label"]
        self.window = int(wait_for("its X window", self._find_window)) if "DISPLAY" in env else None

    def _find_app(self):
        for app in pyatspi.Registry.getDesktop(0):
            try:
                if app is not None and app.get_process_id() == self.process.pid:
                    return app
            except Exception:  # an application that went away meanwhile
                pass
        return None

    @staticmethod
    def _child(parent, role):
        for child in parent:
            if child is not None and child.getRoleName() == role:
                return child
        return None

    def _find_window(self):
        result = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(self.process.pid),
                                 "--name", "^Tonmira$"], capture_output=True, text=True)
        ids = result.stdout.split()
        return ids[0] if ids else None

    def shown(self):
        return [s.name for s in self.selectors]

    def locked(self):
        """The selectors the user cannot change, by position."""
        return [i for i, s in enumerate(self.selectors) if not has_state(s, pyatspi.STATE_SENSITIVE)]

    def checked(self):
        return [i for i, b in enumerate(self.locks) if has_state(b, pyatspi.STATE_CHECKED)]

    def wait_shown(self, expected):
        try:
            wait_for("the selectors to show %s" % expected, lambda: self.shown() == expected)
        except AssertionError:
            raise AssertionError("selectors show %s, expected %s" % (self.shown(), expected))

    def focus(self):
        xdotool("windowfocus", "--sync", self.window)
        wait_for("the dialog to be active", lambda: has_state(self.dialog, pyatspi.STATE_ACTIVE))

    def key(self, *keys):
        self.focus()
        xdotool("key", "--clearmodifiers", *keys)

    def tab_to(self, accessible):
        """Moves the keyboard focus as a user would: Tab between widgets, and
        arrow keys within the lock buttons, which take one Tab stop together."""
        self.focus()
        for _ in range(12):
            focused = self.focused()
            if focused == accessible:
                return
            lock = focused if focused in self.locks else None
            xdotool("key", arrow_towards(lock, accessible) if lock and accessible in self.locks else "Tab")
            wait_for("the keyboard focus to move", lambda: self.focused() not in (None, focused))
        raise AssertionError("the keyboard focus never reached " + accessible.getRoleName())

    def focused(self):
        """The widget that has the keyboard focus, or None."""
        for widget in self.selectors + self.locks:
            if has_state(widget, pyatspi.STATE_FOCUSED):
                return widget
        return None

    def choose_with_mouse(self, selector, name):
        """Opens a selector's list with a click and clicks the entry called name."""
        xdotool("mousemove", "--sync", *centre(self.selectors[selector]))
        xdotool("click", "1")
        entries = self.selectors[selector][0]
        entry = next(e for e in entries if e.name == name)
        wait_for("the list to open", lambda: has_state(entries, pyatspi.STATE_SHOWING))
        # An entry reports its row right but its column from the list's full
        # model width, so aim at the list's middle column. The list takes a
        # release for a choice only once the pointer has moved in it, which it
        # shows by highlighting the entry under the pointer.
        xdotool("mousemove", "--sync", centre(entries)[0], centre(entry)[1])
        wait_for("the entry to be highlighted", lambda: has_state(entry, pyatspi.STATE_SELECTED))
        xdotool("click", "1")
        wait_for("the list to close", lambda: not has_state(entries, pyatspi.STATE_SHOWING))

    def click(self, accessible):
        xdotool("mousemove", "--sync", *centre(accessible))
        xdotool("click", "1")

    def press_and_release_outside(self, accessible):
        x, y = centre(accessible)
        xdotool("mousemove", "--sync", x, y)
        xdotool("mousedown", "1")
        xdotool("mousemove", "--sync", x + 40, y + 40)
        xdotool("mouseup", "1")

    def x_size(self):
        geometry = display.Display().create_resource_object("window", self.window).get_geometry()
        return geometry.width, geometry.height

    def request_close(self):
        """What a window manager sends when its close button is clicked."""
        d = display.Display()
        window = d.create_resource_object("window", self.window)
        protocols = d.intern_atom("WM_PROTOCOLS")
        delete = d.intern_atom("WM_DELETE_WINDOW")
        message = protocol.event.ClientMessage(window=window, client_type=protocols,
                                               data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        window.send_event(message, event_mask=X.NoEventMask)
        d.flush()

    def exit_status(self):
        return self.process.wait(timeout=TIMEOUT)

    def kill(self):
        if self.process.poll() is None:
            self.process.kill()
            self.process.wait()


class ProgramTest(unittest.TestCase):
    def start(self, *args):
        program = Tonmira(*args)
        self.addCleanup(program.kill)
        return program

    def test_opens_the_same_window_whatever_the_command_line(self):
        for args in ([], ["--frobnicate", "bB", "曲谱"], ["-style", "Fusion"]):
            with self.subTest(args=args):
                program = self.start(*args)
                self.assertEqual(program.dialog.name, "Tonmira")
                self.assertEqual(program.x_size(), (437, 341))
                self.assertEqual(program.shown(), ["G", "5", "G"])
                self.assertEqual([l.name for l in program.labels][:3], ["曲谱1=", "筒音(全按)作", "调箫"])
                self.assertEqual(program.locked(), [])
                self.assertEqual(program.checked(), [])
                program.key("Escape")
                self.assertEqual(program.exit_status(), 0)

    def test_window_class_matches_the_desktop_entry(self):
        """A desktop shows the window with its menu entry's icon and name when
        the window's class, as X reports it, is the entry's StartupWMClass."""
        entry = configparser.ConfigParser(interpolation=None)
        entry.optionxform = str
        entry.read(os.environ["TONMIRA_DESKTOP_FILE"], encoding="utf-8")
        program = self.start()
        xprop = subprocess.run(["xprop", "-id", str(program.window), "WM_CLASS"], check=True,
                               capture_output=True, text=True).stdout
        instance, window_class = re.fullmatch(r'WM_CLASS\(STRING\) = "([^"]*)", "([^"]*)"\n', xprop).groups()
        self.assertEqual((instance, window_class), ("tonmira", "tonmira"))
        self.assertEqual(entry["Desktop Entry"]["StartupWMClass"], window_class)
        program.key("Escape")
        self.assertEqual(program.exit_status(), 0)

    def test_close_button_request_ends_with_status_zero(self):
        program = self.start()
        program.request_close()
        self.assertEqual(program.exit_status(), 0)

    def test_keyboard_changes_free_selectors(self):
        program = self.start()
        program.tab_to(program.selectors[0])
        program.key("Down")  # score key G -> bA, the instrument is kept
        program.wait_shown(["bA", "b5", "G"])
        program.tab_to(program.selectors[1])
        program.key("Up")  # degree b5 -> 4, the score key is kept
        program.wait_shown(["bA", "4", "bG"])
        program.tab_to(program.selectors[2])
        program.key("Home")  # instrument bG -> C, the degree is kept
        program.wait_shown(["D", "4", "C"])

        # The space bar on a focused lock button moves the lock.
        program.tab_to(program.locks[1])
        program.key("space")
        wait_for("the degree to lock", lambda: program.locked() == [1])
        wait_for("its button to be checked", lambda: program.checked() == [1])
        program.tab_to(program.selectors[0])
        program.key("Home")  # score key D -> C, the degree held
        program.wait_shown(["C", "4", "bB"])

    def test_mouse_and_locks_as_a_player_works_them(self):
        program = self.start()
        program.choose_with_mouse(0, "F")
        program.wait_shown(["F", "6", "G"])

        program.click(program.locks[2])  # hold the G instrument
        wait_for("the instrument key to lock", lambda: program.locked() == [2])
        self.assertEqual(program.checked(), [2])
        program.choose_with_mouse(1, "2")
        program.wait_shown(["C", "2", "G"])

        # Released outside: the lock moves, the check mark stays where it was.
        program.press_and_release_outside(program.locks[0])
        wait_for("the score key to lock", lambda: program.locked() == [0])
        self.assertEqual(program.checked(), [2])
        program.choose_with_mouse(2, "F")
        program.wait_shown(["C", "1", "F"])

        program.click(program.locks[1])
        wait_for("the degree to lock", lambda: program.locked() == [1])
        self.assertEqual(program.checked(), [1])
        program.choose_with_mouse(0, "B")
        program.wait_shown(["B", "1", "E"])

        # Pressing the lock that is already held changes nothing. The press
        # gives the button the focus, which shows it has been handled.
        program.click(program.locks[1])
        wait_for("the pressed button to take the focus", lambda: program.focused() == program.locks[1])
        self.assertEqual(program.locked(), [1])
        self.assertEqual(program.shown(), ["B", "1", "E"])

        program.key("Escape")
        self.assertEqual(program.exit_status(), 0)


if __name__ == "__main__":
    TONMIRA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
