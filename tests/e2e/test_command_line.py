# SPDX-FileCopyrightText: 2026 The Tonmira developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

"""Hostile command lines: tonmira takes no options of its own, so whatever it
is given it opens the same window, unless the toolkit itself rejects an
option, in which case the toolkit's message and a non-zero status are all
there is. Usage: test_command_line.py PATH-TO-TONMIRA (on an X display with a
D-Bus session bus, like test_program.py, whose helpers it uses).
"""

import os
import signal
import subprocess
import sys
import unittest

import test_program
from test_program import Tonmira

# The kernel's limit for one argument is 128 KiB including its NUL.
LONGEST_ARGUMENT = "x" * (128 * 1024 - 1)

ACCEPTED = {
    "unknown options": ["--help", "--version", "-x", "--frobnicate=1", "--", "-"],
    "invalid UTF-8": [b"\xff\xfe", b"\xc3(", b"caf\xe9", b"\xed\xa0\x80"],
    "empty and odd arguments": ["", " ", "\t\n", "1=F", "%s%n", "-style"],
    "a very long argument": [LONGEST_ARGUMENT],
    "thousands of arguments": ["arg%d" % i for i in range(5000)],
    "toolkit option -style Fusion": ["-style", "Fusion"],
    "toolkit option -style with an unknown style": ["-style", "nosuchstyle"],
    "toolkit option -reverse": ["-reverse"],
    "toolkit option -platform xcb": ["-platform", "xcb"],
}

CRASH_SIGNALS = {signal.SIGSEGV, signal.SIGBUS, signal.SIGILL, signal.SIGFPE}


def run_to_end(args, env=None, timeout=test_program.TIMEOUT):
    result = subprocess.run([test_program.TONMIRA, *args], env=env, stdin=subprocess.DEVNULL,
                            capture_output=True, timeout=timeout)
    return result.returncode, result.stderr.decode("utf-8", "replace")


class CommandLineTest(unittest.TestCase):
    def test_same_window_whatever_the_arguments(self):
        for name, args in ACCEPTED.items():
            with self.subTest(name):
                program = Tonmira(*args)
                self.addCleanup(program.kill)
                self.assertEqual(program.dialog.name, "Tonmira")
                self.assertEqual(program.shown(), ["G", "5", "G"])
                self.assertEqual(program.locked(), [])
                if "-platform" not in args and "-reverse" not in args:
                    self.assertEqual(program.x_size(), (437, 341))
                program.key("Escape")
                self.assertEqual(program.exit_status(), 0)

    def assert_toolkit_refusal(self, status, stderr, message):
        self.assertIn(message, stderr)
        self.assertNotEqual(status, 0)
        # Qt ends a failed platform start with qFatal, which aborts; any other
        # signal would be a crash.
        if status < 0:
            self.assertNotIn(-status, CRASH_SIGNALS, stderr)
            self.assertEqual(-status, signal.SIGABRT, stderr)

    def test_platform_the_toolkit_rejects(self):
        status, stderr = run_to_end(["-platform", "nosuch"])
        self.assert_toolkit_refusal(status, stderr, 'Could not find the Qt platform plugin "nosuch"')

    def test_no_display_at_all(self):
        env = {k: v for k, v in os.environ.items() if k not in ("DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM")}
        status, stderr = run_to_end([], env=env)
        self.assert_toolkit_refusal(status, stderr, "could not connect to display")


if __name__ == "__main__":
    test_program.TONMIRA = os.path.abspath(sys.argv.pop(1))
    unittest.main(verbosity=2)
