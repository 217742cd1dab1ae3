# SPDX-FileCopyrightText: 2026 The Tonmira developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""tonmira on a real Wayland compositor: a headless sway, real key presses from
a virtual keyboard (wtype), the window read from outside through the
compositor's own view of it and through the accessibility tree.

Runs in tests/desktop-session --wayland [--scale N], with
TONMIRA_OUTPUT_SCALE=N. Usage: test_wayland.py PATH-TO-TONMIRA
"""

import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

import test_program
from test_program import TIMEOUT, Tonmira, has_state, wait_for

import pyatspi

OUTPUT_SCALE = int(os.environ.get("TONMIRA_OUTPUT_SCALE", "1"))


def sway(*args):
    result = subprocess.run(["swaymsg", "--raw", *args], check=True, capture_output=True, text=True)
    return json.loads(result.stdout)


def views(node):
    """The compositor's windows, with their app_id, pid and geometry."""
    for child in node.get("nodes", []) + node.get("floating_nodes", []):
        if child.get("pid"):
            yield child
        yield from views(child)


def seat_has_keyboard():
    return any(device["type"] == "keyboard" for seat in sway("-t", "get_seats") for device in seat["devices"])


def keyboard_entries(log):
    """How often the program was told, in its protocol log, that a keyboard
    entered its window."""
    with open(log) as protocol:
        return len(re.findall(r"wl_keyboard@\d+\.enter\(", protocol.read()))


def press(key, log):
    """Presses and releases key on a virtual keyboard. wtype makes a new
    keyboard each time, and the program must have that keyboard, focused on
    its window, before the press, or the press goes nowhere. So wtype waits
    on its standard input (the "-" comes first) until the program's protocol
    log shows the new keyboard entering its window."""
    entries = keyboard_entries(log)
    typist = subprocess.Popen(["wtype", "-", "-k", key], stdin=subprocess.PIPE)
    try:
        wait_for("the keyboard to enter the window", lambda: keyboard_entries(log) > entries)
    finally:
        typist.stdin.close()
    if typist.wait(timeout=TIMEOUT) != 0:
        raise AssertionError("wtype failed to press " + key)
    wait_for("the virtual keyboard to go", lambda: not seat_has_keyboard())


class WaylandTest(unittest.TestCase):
    def test_native_window_read_and_driven_by_the_compositor(self):
        # The program's protocol log goes to a file, which never blocks it,
        # opened for appending, so that reading it meanwhile moves nothing.
        folder = tempfile.TemporaryDirectory()
        self.addCleanup(folder.cleanup)
        log = os.path.join(folder.name, "protocol.log")
        with open(log, "a") as stderr:
            program = Tonmira(env={"QT_QPA_PLATFORM": "wayland", "WAYLAND_DEBUG": "client"}, stderr=stderr)
        self.addCleanup(program.kill)

        # The compositor's own account: a native window called tonmira, whose
        # content is the dialog's size in logical pixels at any scale.
        view = wait_for("the compositor to show the window",
                        lambda: next((v for v in views(sway("-t", "get_tree")) if v["pid"] == program.process.pid),
                                     None))
        self.assertEqual(view["app_id"], "tonmira")
        self.assertEqual((view["geometry"]["width"], view["geometry"]["height"]), (437, 341))

        self.assertEqual(program.dialog.name, "Tonmira")
        self.assertEqual(program.shown(), ["G", "5", "G"])
        self.assertEqual([label.name for label in program.labels][:3], ["曲谱1=", "筒音(全按)作", "调箫"])

        # A real key press, delivered by the compositor to the focused score key.
        wait_for("the score key to have the focus", lambda: has_state(program.selectors[0], pyatspi.STATE_FOCUSED))
        press("Down", log)
        program.wait_shown(["bA", "b5", "G"])

        press("Escape", log)
        status = program.exit_status()
        with open(log) as stderr:
            protocol = stderr.read()
        # What the program said besides the protocol log, should it fail.
        said = "\n".join(line for line in protocol.splitlines() if not re.match(r"\[\s*\d+\.\d+\]", line))
        self.assertEqual(status, 0, said)

        self.assertNotIn('Could not find the Qt platform plugin "wayland"', protocol)
        self.assertIn("xdg_toplevel", protocol)  # it spoke Wayland itself
        # Drawn for the output's scale, not drawn at 1 and enlarged by the compositor.
        scales = {int(s) for s in re.findall(r"wl_surface@\d+\.set_buffer_scale\((\d+)\)", protocol)}
        self.assertEqual(max(scales | {1}), OUTPUT_SCALE, sorted(scales))


if __name__ == "__main__":
    test_program.TONMIRA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
